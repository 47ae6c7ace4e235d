// Areas: named areas and the area commands.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer AreaCommand;  // sub-command chosen by the menus and tool bars
extern Integer AreaActive;  // flag: the module's dispatcher has taken the current command
extern Integer AreaCreating;  // flag: an area is being created

// Drops an unfinished area and leaves the module idle.
void ResetAreaState();

void ResetAreas();  // the module's globals to their start values

}  // namespace lintavo
