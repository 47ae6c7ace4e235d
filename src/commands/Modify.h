// Modify: the modify commands: move a point, break objects.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer ModifyCommand;  // sub-command chosen by the menus and tool bars
extern Integer ModifyActive;  // flag: the module's dispatcher has taken the current command

// The vertex chosen for MOVE POINT is PickedPntIndex (Picks.h).

void ResetModify();  // the module's globals to their start values

}  // namespace lintavo
