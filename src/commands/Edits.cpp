// Edits: the edit commands on the selection.
#include "commands/Edits.h"

#include "model/ProgramState.h"
#include "model/Top.h"
namespace lintavo {

Integer EditCommand = 0;
Integer EditActive = 0;
Long ChosenColor = 0;

void ChangeSelectedColor() {}

void ResetEdits() {
  EditCommand = 0;
  EditActive = 0;
  ChosenColor = 0;
}

namespace {
const ModuleRegistrar Registered({"Edits", FloorCommands, ResetEdits, {ToolEdits, &EditActive}});
}  // namespace

}  // namespace lintavo
