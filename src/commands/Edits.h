// Edits: the edit commands on the selection.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer EditCommand;  // sub-command chosen by the menus and tool bars
extern Integer EditActive;  // flag: the module's dispatcher has taken the current command

// ---- Colour of the selection ------------------------------------------------------
extern Long ChosenColor;  // RGB handed in and out of the colour choices (0 at start)
// Gives every selected entity the colour ChosenColor; the caller redraws.
// Not built yet: nothing changes.
void ChangeSelectedColor();

void ResetEdits();  // the module's globals to their start values

}  // namespace lintavo
