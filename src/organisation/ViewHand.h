// ViewHand: named views and their commands.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer ViewCommand;  // sub-command chosen by the menus and tool bars
extern Integer ViewActive;  // flag: the module's dispatcher has taken the current command

void ResetViewHand();  // the module's globals to their start values

}  // namespace lintavo
