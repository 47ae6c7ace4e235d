// SnapSettings: the drawing snap switches.
#include "model/SnapSettings.h"

#include "model/ProgramState.h"

namespace lintavo {

Integer GridSnap = 0;
Integer OrthoSnap = 0;
Integer ToleranceSnap = 0;
Integer NearestSnap = 0;
Single SnapTolerance = 0;

void ResetSnapSettings() {
  GridSnap = OrthoSnap = ToleranceSnap = NearestSnap = 0;
  SnapTolerance = 0;
}

namespace {
const ModuleRegistrar Registered({"SnapSettings", FloorModel, ResetSnapSettings});
}  // namespace

}  // namespace lintavo
