// Selection: selection sets and the Select commands.
#include "picking/Selection.h"

#include "platform/Colors.h"

namespace lintavo {

Integer SelectionCommand = 0;
Integer SelectionActive = 0;
Integer SelectedCount = 0;
Integer SelectionSetNumber = 0;

Long SelectedLineColor = ColorBlue;
Integer SelectedLineType = 2;
Integer DrawAsSelected = 0;

void ResetSelection() {
  SelectionCommand = 0;
  SelectionActive = 0;
  SelectedCount = 0;
  SelectionSetNumber = 0;
  SelectedLineColor = ColorBlue;
  SelectedLineType = 2;
  DrawAsSelected = 0;
}

}  // namespace lintavo
