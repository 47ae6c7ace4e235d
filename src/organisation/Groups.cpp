// Groups: groups of a drawing and their commands.
#include "organisation/Groups.h"

#include "model/ProgramState.h"
#include "model/Top.h"
namespace lintavo {

Integer GroupCommand = 0;
Integer GroupActive = 0;

void ResetGroups() {
  GroupCommand = 0;
  GroupActive = 0;
}

namespace {
const ModuleRegistrar Registered({"Groups", FloorOrganisation, ResetGroups, {ToolGroups, &GroupActive}});
}  // namespace

}  // namespace lintavo
