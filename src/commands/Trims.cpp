// Trims: trim, extend, corner trim, fillet and chamfer.
#include "commands/Trims.h"

#include "model/ProgramState.h"
#include "model/Top.h"
namespace lintavo {

Integer TrimCommand = 0;
Integer TrimActive = 0;

Integer AutoFillet = 0;
Integer AutoChamfer = 0;
Integer TrimsSetting3 = 0;
Double FilletRadius = 0;
Double ChamferDist1 = 0;
Double ChamferDist2 = 0;

void CornerFillet(Long, Long) {}

void CornerChamfer(Long, Long) {}

void ResetTrims() {
  TrimCommand = 0;
  TrimActive = 0;
  AutoFillet = 0;
  AutoChamfer = 0;
  TrimsSetting3 = 0;
  FilletRadius = 0;
  ChamferDist1 = 0;
  ChamferDist2 = 0;
}

namespace {
const ModuleRegistrar Registered({"Trims", FloorCommands, ResetTrims, {ToolTrims, &TrimActive}});
}  // namespace

}  // namespace lintavo
