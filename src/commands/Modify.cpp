// Modify: the modify commands: move a point, break objects.
#include "commands/Modify.h"

#include "model/ProgramState.h"
#include "model/Top.h"
namespace lintavo {

Integer ModifyCommand = 0;
Integer ModifyActive = 0;

void ResetModify() {
  ModifyCommand = 0;
  ModifyActive = 0;
}

namespace {
const ModuleRegistrar Registered({"Modify", FloorCommands, ResetModify, {ToolModify, &ModifyActive}});
}  // namespace

}  // namespace lintavo
