// Selection: selection sets and the Select commands.
#include "picking/Selection.h"

namespace lintavo {

Integer SelectionCommand = 0;
Integer SelectionActive = 0;
Integer SelectedCount = 0;
Integer SelectionSetNumber = 0;

void ResetSelection() {
  SelectionCommand = 0;
  SelectionActive = 0;
  SelectedCount = 0;
  SelectionSetNumber = 0;
}

}  // namespace lintavo
