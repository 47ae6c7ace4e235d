// DisplayOptions: the display options the drawers read.
#include "view/DisplayOptions.h"

#include "platform/Colors.h"

namespace lintavo {

Long DwgBackColor = ColorWhite;
Long ConPntColor = ColorBlack;
Long RefPntColor = ColorGreen;
Long RubberColor = ColorBlue;

Integer ShowToolBar = FlagTrue;
Integer ShowTextBar = FlagFalse;
Integer ShowMessageBar = FlagTrue;
Integer ShowStatusBar = FlagTrue;

Integer ShowStdPnts = FlagTrue;
Integer ShowRefPnts = FlagFalse;

Integer ShowTextObjs = FlagTrue;
Integer ShowDimObjs = FlagTrue;

constexpr Single StartCursorSize = 0.5;  // inches
Integer ShowRealCursor = FlagTrue;
Integer ShowSnapCursor = FlagTrue;
Single CursorSize = StartCursorSize;
Long CursorColor = ColorBlack;
Integer RubberBanding = FlagTrue;

Integer CoordAbsolute = FlagTrue;
Integer CoordRelative = FlagFalse;
Integer CoordPolar = FlagFalse;

void ResetDisplayOptions() {
  DwgBackColor = ColorWhite;
  RubberColor = ColorBlue;
  ShowToolBar = ShowMessageBar = ShowStatusBar = FlagTrue;
  ShowTextBar = FlagFalse;
  ConPntColor = ColorBlack;
  RefPntColor = ColorGreen;
  ShowStdPnts = FlagTrue;
  ShowRefPnts = FlagFalse;
  ShowTextObjs = FlagTrue;
  ShowDimObjs = FlagTrue;
  ShowRealCursor = ShowSnapCursor = FlagTrue;
  CursorSize = StartCursorSize;
  CursorColor = ColorBlack;
  RubberBanding = FlagTrue;
  CoordAbsolute = FlagTrue;
  CoordRelative = CoordPolar = FlagFalse;
}

}  // namespace lintavo
