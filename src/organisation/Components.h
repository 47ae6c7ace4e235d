// Components: components: definitions, placements and their commands.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer ComponentCommand;  // sub-command chosen by the menus and tool bars
extern Integer ComponentActive;  // flag: the module's dispatcher has taken the current command

// The name of the component being edited, ComponentName, is with the
// other names of the drawing dialogs in DataHand.h.

void ResetComponents();  // the module's globals to their start values

}  // namespace lintavo
