// DisplayOptions: the display options the drawers read.
#include "view/DisplayOptions.h"

#include "platform/Colors.h"

namespace lintavo {

Long DwgBackColor = ColorWhite;
Long ConPntColor = ColorBlack;
Long RefPntColor = ColorGreen;

Integer ShowStdPnts = FlagTrue;
Integer ShowRefPnts = FlagFalse;

Integer ShowTextObjs = FlagTrue;
Integer ShowDimObjs = FlagTrue;

void ResetDisplayOptions() {
  DwgBackColor = ColorWhite;
  ConPntColor = ColorBlack;
  RefPntColor = ColorGreen;
  ShowStdPnts = FlagTrue;
  ShowRefPnts = FlagFalse;
  ShowTextObjs = FlagTrue;
  ShowDimObjs = FlagTrue;
}

}  // namespace lintavo
