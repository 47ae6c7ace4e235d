// Areas: named areas and the area commands.
#include "annotation/Areas.h"

#include "app/Top.h"

namespace lintavo {

Integer AreaCommand = 0;
Integer AreaActive = 0;

Integer AreaCreating = 0;

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
}

}  // namespace lintavo
