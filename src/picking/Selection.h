// Selection: selection sets and the Select commands.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer SelectionCommand;  // sub-command chosen by the menus and tool bars
extern Integer SelectionActive;  // flag: the module's dispatcher has taken the current command

// ---- Selection set ------------------------------------------------------------------
extern Integer SelectedCount;       // selected entities of the current drawing
extern Integer SelectionSetNumber;  // number of the current selection set, 1..32767; 0 none

// ---- Selection colours ---------------------------------------------------------------
extern Long SelectedLineColor;   // RGB pen colour of selected entities (blue at start)
extern Integer SelectedLineType;  // draw style 0..6 of selected entities (2, dotted, at start)
extern Integer DrawAsSelected;    // flag: every entity drawn is drawn as selected (the parts of a selected compound)

void ResetSelection();  // the module's globals to their start values

}  // namespace lintavo
