// DisplayOptions: the display options the drawers read.
#include "view/DisplayOptions.h"

#include "model/ProgramState.h"
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
Integer ShowFills = FlagTrue;
Integer ShowHatches = FlagTrue;

constexpr Integer StartSelectedLineType = 2;  // dotted
Long SelectedLineColor = ColorBlue;
Integer SelectedLineType = StartSelectedLineType;

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
  ShowFills = ShowHatches = FlagTrue;
  SelectedLineColor = ColorBlue;
  SelectedLineType = StartSelectedLineType;
  ShowRealCursor = ShowSnapCursor = FlagTrue;
  CursorSize = StartCursorSize;
  CursorColor = ColorBlack;
  RubberBanding = FlagTrue;
  CoordAbsolute = FlagTrue;
  CoordRelative = CoordPolar = FlagFalse;
}

namespace {
const ModuleRegistrar Registered({"DisplayOptions", FloorView, ResetDisplayOptions});
}  // namespace

}  // namespace lintavo
