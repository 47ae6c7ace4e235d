// Snaps: the Snap To constructions that place points on computed positions.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer SnapCommand;  // sub-command chosen by the menus and tool bars
extern Integer SnapActive;  // flag: the module's dispatcher has taken the current command

// ---- Drawing snap options ----------------------------------------------------------
extern Integer GridSnap;       // flag: clicks snap to the grid (the grid is then drawn too)
extern Single SnapTolerance;   // pick and snap reach at zoom 1, world units; 0 until options apply

void ResetSnaps();  // the module's globals to their start values

}  // namespace lintavo
