// Selection: selection sets and the Select commands.
#include "picking/Selection.h"

namespace lintavo {

Integer SelectionCommand = 0;
Integer SelectionActive = 0;

void ResetSelection() {
  SelectionCommand = 0;
  SelectionActive = 0;
}

}  // namespace lintavo
