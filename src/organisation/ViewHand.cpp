// ViewHand: named views and their commands.
#include "organisation/ViewHand.h"

namespace lintavo {

Integer ViewCommand = 0;
Integer ViewActive = 0;

void ResetViewHand() {
  ViewCommand = 0;
  ViewActive = 0;
}

}  // namespace lintavo
