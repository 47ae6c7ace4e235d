// Edits: the edit commands on the selection.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Sub-commands (values of EditCommand) --------------------------------------------
enum EditCode : Integer {
  EditEraseCode = 1,
  EditUneraseCode = 2,
  EditCopyCode = 3,
  EditMoveCode = 4,
  EditRotateCode = 5,
  EditMirrorCode = 6,
  EditRescaleCode = 7,
  EditRadialCopyCode = 8,
  EditHideCode = 9,
  EditShowCode = 10,
  EditChangeColorCode = 11,
  EditInternalCopyCode = 15,
  EditPasteCode = 16,
  EditPathCopyCode = 17,
};

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
