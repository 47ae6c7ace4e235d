// ViewHand: named views and their commands.
#include "organisation/ViewHand.h"

#include "model/ProgramState.h"
#include "model/Top.h"
namespace lintavo {

Integer ViewCommand = 0;
Integer ViewActive = 0;

void ResetViewHand() {
  ViewCommand = 0;
  ViewActive = 0;
}

namespace {
const ModuleRegistrar Registered({"ViewHand", FloorOrganisation, ResetViewHand, {ToolViews, &ViewActive}});
}  // namespace

}  // namespace lintavo
