// Edits: the edit commands on the selection.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer EditCommand;  // sub-command chosen by the menus and tool bars
extern Integer EditActive;  // flag: the module's dispatcher has taken the current command

void ResetEdits();  // the module's globals to their start values

}  // namespace lintavo
