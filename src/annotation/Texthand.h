// Texthand: stroke-font text: placing, boxing, putting on a path and editing text.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer TextCmd;  // sub-command chosen by the menus and tool bars
extern Integer TextActive;  // flag: the module's dispatcher has taken the current command
extern Integer TextKeyEntry;  // flag: the text command takes single keys

// Ends the text command; the dispatcher always passes -1.
void EndTextCommand(Integer& KeepPrompts);

void ResetTexthand();  // the module's globals to their start values

}  // namespace lintavo
