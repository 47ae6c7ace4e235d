// Selection: selection sets and the Select commands.
#include "picking/Selection.h"

#include "model/ProgramState.h"
#include "model/Top.h"

namespace lintavo {

Integer SelectionCommand = 0;
Integer SelectionActive = 0;

void ResetSelection() {
  SelectionCommand = 0;
  SelectionActive = 0;
}

namespace {
const ModuleRegistrar Registered({"Selection", FloorPicking, ResetSelection, {ToolSelection, &SelectionActive}});
}  // namespace

}  // namespace lintavo
