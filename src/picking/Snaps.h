// Snaps: the Snap To constructions that place points on computed positions.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer SnapCommand;  // sub-command chosen by the menus and tool bars
extern Integer SnapActive;  // flag: the module's dispatcher has taken the current command

void ResetSnaps();  // the module's globals to their start values

}  // namespace lintavo
