// Areas: named areas and the area commands.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer AreaCommand;  // sub-command chosen by the menus and tool bars
extern Integer AreaActive;  // flag: the module's dispatcher has taken the current command
extern Integer AreaCreating;  // flag: an area is being created

// ---- Boundary options ---------------------------------------------------------------
// Fill option sets write these; "" or 0 until an option set is applied.
extern String BoundaryLayer;   // layer of new area boundaries ("Boundary 1" built in)
extern Long BoundaryColor;     // RGB of new area boundaries (green built in)
extern Integer BoundaryStyle;  // kept in the option set only (1 built in)

// Drops an unfinished area and leaves the module idle.
void ResetAreaState();

// UpdateItemExtents, which the renderer calls too, is a model routine (DataHand.h).

void ResetAreas();  // the module's globals to their start values

}  // namespace lintavo
