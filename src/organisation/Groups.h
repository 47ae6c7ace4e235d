// Groups: groups of a drawing and their commands.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer GroupCommand;  // sub-command chosen by the menus and tool bars
extern Integer GroupActive;  // flag: the module's dispatcher has taken the current command

void ResetGroups();  // the module's globals to their start values

}  // namespace lintavo
