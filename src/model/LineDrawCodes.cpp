// LineDrawCodes: the line-drawing command word and the arc direction.
#include "model/LineDrawCodes.h"

#include "model/ProgramState.h"

namespace lintavo {

Integer LineDrawCommand = 0;
Integer ArcSweepReversed = 0;

void ResetLineDrawCodes() {
  LineDrawCommand = 0;
  ArcSweepReversed = 0;
}

namespace {
const ModuleRegistrar Registered({"LineDrawCodes", FloorModel, ResetLineDrawCodes});
}  // namespace

}  // namespace lintavo
