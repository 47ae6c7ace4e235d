// Components: components: definitions, placements and their commands.
#include "organisation/Components.h"

#include "model/ProgramState.h"
#include "model/Top.h"
namespace lintavo {

Integer ComponentCommand = 0;
Integer ComponentActive = 0;

void ResetComponents() {
  ComponentCommand = 0;
  ComponentActive = 0;
}

namespace {
const ModuleRegistrar Registered({"Components", FloorOrganisation, ResetComponents, {ToolComponents, &ComponentActive}});
}  // namespace

}  // namespace lintavo
