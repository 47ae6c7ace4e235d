// Selection: selection sets and the Select commands.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer SelectionCommand;  // sub-command chosen by the menus and tool bars
extern Integer SelectionActive;  // flag: the module's dispatcher has taken the current command

// The selection set's counters are in Picks.h; the colours of selected
// entities in DisplayOptions.h.

void ResetSelection();  // the module's globals to their start values

}  // namespace lintavo
