// Areas: named areas and the area commands.
#include "annotation/Areas.h"

#include "model/ProgramState.h"
#include "model/Top.h"

namespace lintavo {

Integer AreaCommand = 0;
Integer AreaActive = 0;

Integer AreaCreating = 0;

String BoundaryLayer;
Long BoundaryColor = 0;
Integer BoundaryStyle = 0;

void ResetAreaState() {
  AreaCreating = 0;
  AreaActive = 0;
  AwaitingInput = 0;
  ActiveTool = 0;
  ToolStep = 0;
}

void ResetAreas() {
  AreaCommand = 0;
  AreaActive = 0;
  AreaCreating = 0;
  BoundaryLayer.clear();
  BoundaryColor = 0;
  BoundaryStyle = 0;
}

namespace {
// Leaving the area tool drops an area being created; Esc does the same.
void EndAreasOnToolChange() {
  if (AreaCreating)
    ResetAreaState();
  else
    AreaActive = 0;
}
void CancelAreas() {
  if (AreaCreating) ResetAreaState();
}
const ModuleRegistrar Registered(
    {"Areas", FloorAnnotation, ResetAreas, {ToolAreas, &AreaActive, nullptr, EndAreasOnToolChange, CancelAreas}});
}  // namespace

}  // namespace lintavo
