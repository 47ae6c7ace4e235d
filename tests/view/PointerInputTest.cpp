// The drawing window's pointer and keyboard road: snapped pick points, the
// crosshair, the coordinate read-out, drag-pan, the arrow and page keys,
// typed values, Esc and Delete.
#include <QImage>

#include "annotation/Texthand.h"
#include "commands/Edits.h"
#include "commands/LineDraw.h"
#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/Picks.h"
#include "model/TypedEntry.h"
#include "model/Units.h"
#include "picking/Measure.h"
#include "picking/Snaps.h"
#include "platform/Colors.h"
#include "platform/Gdi.h"
#include "support/DrawingDriver.h"
#include "support/ModelBuilders.h"
#include "view/DisplayOptions.h"
#include "view/Grids.h"
#include "view/DrawingWindowFixture.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

class PointerInputTest : public DrawingWindowFixture {
 protected:
  void SetUp() override {
    DrawingWindowFixture::SetUp();
    SetScale(48);  // world -0.5 .. 7.8 across, -0.5 .. 5.75 up
  }

  // The window's view at this many pixels per unit with the world origin at
  // view pixel (24, 24).
  void SetScale(Double pixelsPerUnit) {
    ShowAtScale(doc_, pixelsPerUnit, 24);
  }

  // Starts a new command: the next click is its first point.
  static void RestartCommand() { ToolStep = 0; }

  // Many colours, so that a pixel put back wrongly shows.
  void PaintStripes() {
    for (int y = 0; y < doc_->DeviceHeight(); ++y)
      for (int x = 0; x < doc_->DeviceWidth(); ++x)
        SetPixelV(doc_, x, y, RGB(x * 7, y * 5, (x + y) * 3));
  }
};

// ---- Snapped pick points -------------------------------------------------------------

TEST_F(PointerInputTest, GridSnapRoundsTheClickToTheNearestGridPoint) {
  SetScale(100);  // a pixel per hundredth: the click lands on (1.13, 2.37) exactly
  GridSnap = FlagTrue;
  GridX = GridY = 0.5F;
  input_->ClickAt(1.13, 2.37);
  EXPECT_DOUBLE_EQ(PickX, 1.0);
  EXPECT_DOUBLE_EQ(PickY, 2.5);
  EXPECT_EQ(input_->CursorPixX(), 124);  // the cursor moved to the grid point
  EXPECT_EQ(input_->CursorPixY(), 274);

  GridX = GridY = 0.25F;
  input_->ClickAt(1.13, 2.37);
  EXPECT_DOUBLE_EQ(PickX, 1.25);
  EXPECT_DOUBLE_EQ(PickY, 2.25);
  EXPECT_EQ(ToolStep, 2);
}

TEST_F(PointerInputTest, OrthoSnapLinesLaterClicksUpWithThePreviousPickButNotTheFirst) {
  OrthoSnap = FlagTrue;
  input_->ClickAt(5, 2);  // the first click of a command stands
  EXPECT_DOUBLE_EQ(PickX, 5);
  EXPECT_DOUBLE_EQ(PickY, 2);
  EXPECT_DOUBLE_EQ(PrevPickX, 5);  // the first point is its own previous point

  RestartCommand();
  input_->ClickAt(0, 0);
  input_->ClickAt(2, 5);
  EXPECT_DOUBLE_EQ(PickX, 0);
  EXPECT_DOUBLE_EQ(PickY, 5);
  EXPECT_DOUBLE_EQ(PrevPickY, 0);

  RestartCommand();
  input_->ClickAt(0, 0);
  input_->ClickAt(5, 2);
  EXPECT_DOUBLE_EQ(PickX, 5);
  EXPECT_DOUBLE_EQ(PickY, 0);

  RestartCommand();
  input_->ClickAt(0, 0);
  input_->ClickAt(3, 3);  // equal distances give a vertical line
  EXPECT_DOUBLE_EQ(PickX, 0);
  EXPECT_DOUBLE_EQ(PickY, 3);
}

TEST_F(PointerInputTest, ToleranceSnapKeepsAFarClickWhereNearestSnapTakesThePoint) {
  PickTolerance = 0.2F;
  AddLine(1, 1, 3, 1);
  ToleranceSnap = FlagTrue;
  input_->ClickAt(1.05, 1.05);
  EXPECT_DOUBLE_EQ(PickX, 1);
  EXPECT_DOUBLE_EQ(PickY, 1);
  input_->ClickAt(2.5, 2);  // 1.5 from the nearest point
  EXPECT_DOUBLE_EQ(PickX, 2.5);
  EXPECT_DOUBLE_EQ(PickY, 2);

  ToleranceSnap = FlagFalse;
  NearestSnap = FlagTrue;
  input_->ClickAt(2.5, 2);
  EXPECT_DOUBLE_EQ(PickX, 3);
  EXPECT_DOUBLE_EQ(PickY, 1);
  EXPECT_EQ(input_->CursorPixX(), 24 + 3 * 48);  // the cursor went there too
}

TEST_F(PointerInputTest, AClickWhileALineCommandWaitsReentersItWithItsRubberBandOn) {
  ActiveTool = ToolFills;  // a tool without a dispatcher: only SelectTool's own steps show
  AwaitingInput = FlagTrue;
  input_->ClickAt(1, 1);
  EXPECT_EQ(PrevTool, ToolFills);  // SelectTool took the new tool ...
  EXPECT_EQ(ToolStep, 0);          // ... and restarted the count
  EXPECT_EQ(MouseX, 72);
  EXPECT_EQ(MouseY, 72);

  // A line command waiting for its first point.
  LineDrawCommand = DrawSingleCode;
  ActiveTool = ToolLineDraw;
  SelectTool();
  input_->ClickAt(2, 1);  // the same tool: a plain re-entry
  EXPECT_EQ(ToolStep, 1);
  EXPECT_EQ(RubberLineOn, FlagTrue);
  EXPECT_EQ(doc_->IsDirty, 0);  // a click alone changes no drawing

  RubberBanding = FlagFalse;
  RubberLineOn = FlagFalse;
  input_->ClickAt(3, 1);
  EXPECT_EQ(RubberLineOn, FlagFalse);
}

TEST_F(PointerInputTest, ARightClickOnlyRestartsTheCommandWhenNothingIsSelected) {
  input_->ClickAt(1, 1);
  input_->ClickAt(2, 2);
  input_->ClickAt(3, 3, Qt::RightButton);
  EXPECT_EQ(ToolStep, 0);
  EXPECT_DOUBLE_EQ(PickX, 2);
  EXPECT_DOUBLE_EQ(PickY, 2);
}

// ---- Moving the mouse ------------------------------------------------------------------

TEST_F(PointerInputTest, TheReadOutShowsTheCursorPointAbsoluteAndRelativeToThePick) {
  MetricUnits = FlagFalse;
  EnglishUnit = 1;
  DecimalPlaces = 3;
  ASSERT_NE(FormatLength(1.5), FormatLength(2.5));  // the units tell the values apart
  input_->ClickAt(1, 1);
  CoordRelative = FlagTrue;
  input_->MoveTo(2.5, 3);
  EXPECT_EQ(StatusPanel(5), "X = " + FormatLength(2.5));
  EXPECT_EQ(StatusPanel(6), "Y = " + FormatLength(3));
  EXPECT_EQ(StatusPanel(7), "^X = " + FormatLength(1.5));
  EXPECT_EQ(StatusPanel(8), "^Y = " + FormatLength(2));

  CoordAbsolute = FlagFalse;
  CoordRelative = FlagFalse;
  CoordPolar = FlagTrue;
  input_->MoveTo(4, 5);  // 3 across and 4 up from the pick
  EXPECT_EQ(StatusPanel(5), "X = " + FormatLength(2.5));  // no longer written
  EXPECT_EQ(StatusPanel(7), "D = " + FormatLength(5));
  Single angle = LineAngleD(1, 1, 4, 5);
  EXPECT_EQ(StatusPanel(8), "A = " + FormatAngleValue(angle));
}

TEST_F(PointerInputTest, TheCrosshairLeavesThePictureAsItWas) {
  PaintStripes();
  const QImage before = doc_->Image().copy();
  SnapCursorOn = FlagTrue;
  ToleranceSnap = FlagTrue;  // with its green circle
  PickTolerance = 0.25F;
  input_->MoveTo(1, 1);
  EXPECT_EQ(doc_->Cursorison, FlagTrue);
  EXPECT_NE(doc_->Image(), before);
  input_->MoveTo(2.2, 1.7);
  input_->MoveTo(7.7, 5.6);  // arms beyond the edge
  input_->ClickAt(3, 2);     // the click removes it
  EXPECT_EQ(doc_->Cursorison, FlagFalse);
  EXPECT_EQ(doc_->Image(), before);
}

TEST_F(PointerInputTest, ARightClickWithTheCursorSnappedAwayLeavesNoCrosshairBehind) {
  PaintStripes();
  const QImage before = doc_->Image().copy();
  SnapCursorOn = FlagTrue;
  GridSnap = FlagTrue;
  GridX = GridY = 1;
  input_->MoveTo(1.3, 1.2);  // drawn at the grid point (1, 1)
  input_->ClickAt(1.3, 1.2, Qt::RightButton);
  input_->MoveTo(2.3, 2.2);
  input_->ClickAt(2.3, 2.2);
  EXPECT_EQ(doc_->Image(), before);
}

TEST_F(PointerInputTest, ALeftDragWithoutACommandPansTheDrawingWithTheMouse) {
  AddLine(1, 1, 3, 1);
  const QPointF start = input_->PositionOf(1, 2);
  input_->PressAt(start);
  input_->MoveToPosition(start + QPointF(2, 0), Qt::LeftButton);  // the anchor
  input_->MoveToPosition(start + QPointF(32, -20), Qt::LeftButton);
  EXPECT_EQ(doc_->VbaseX, 24 + 30);
  EXPECT_EQ(doc_->Vbasey, 24 + 20);  // the mouse went up
  EXPECT_NEAR(doc_->XVmin, -54.0 / 48, 1e-9);
  const int row = doc_->View_Maxy - (44 + 48);
  EXPECT_EQ(doc_->PixelAt(54 + 2 * 48, row), ColorBlack);  // redrawn where it went
  EXPECT_EQ(doc_->PixelAt(24 + 2 * 48, doc_->View_Maxy - 72), ColorWhite);
  input_->ReleaseAt(start + QPointF(32, -20));
  EXPECT_EQ(DragLastX, 0);
  EXPECT_EQ(DragLastY, 0);

  // The next drag starts from its own first move, not from the last one.
  const QPointF second = input_->PositionOf(4, 4);
  input_->PressAt(second);
  input_->MoveToPosition(second + QPointF(1, 1), Qt::LeftButton);
  input_->MoveToPosition(second + QPointF(11, 1), Qt::LeftButton);
  EXPECT_EQ(doc_->VbaseX, 54 + 10);
  EXPECT_EQ(doc_->Vbasey, 44);
}

// ---- Keys ------------------------------------------------------------------------------

TEST_F(PointerInputTest, PageKeysHalveAndDoubleTheCrosshairStepAndWrapAround) {
  EXPECT_EQ(input_->KeyStepX(), 32);
  input_->PressKey(Qt::Key_PageDown);
  EXPECT_EQ(input_->KeyStepX(), 16);
  input_->PressKey(Qt::Key_PageDown);
  EXPECT_EQ(input_->KeyStepX(), 8);
  input_->PressKey(Qt::Key_PageUp);
  EXPECT_EQ(input_->KeyStepX(), 16);
  EXPECT_EQ(input_->KeyStepY(), 16);

  input_->PressKey(Qt::Key_PageUp);
  input_->PressKey(Qt::Key_PageUp);
  EXPECT_EQ(input_->KeyStepX(), 64);
  input_->PressKey(Qt::Key_PageUp);  // beyond 64: back to 1
  EXPECT_EQ(input_->KeyStepX(), 1);
  input_->PressKey(Qt::Key_PageDown);  // below 1: up to 64
  EXPECT_EQ(input_->KeyStepX(), 64);
  EXPECT_EQ(input_->KeyStepY(), 64);
}

TEST_F(PointerInputTest, ArrowKeysMoveTheCrosshairTheirWayAndStopAtTheEdges) {
  SnapCursorOn = FlagTrue;
  input_->MoveTo(2, 2);  // view pixel (120, 120)
  input_->PressKey(Qt::Key_Up);
  EXPECT_EQ(input_->CursorPixY(), 152);
  input_->PressKey(Qt::Key_Down);
  input_->PressKey(Qt::Key_Down);
  EXPECT_EQ(input_->CursorPixY(), 88);
  input_->PressKey(Qt::Key_Right);
  EXPECT_EQ(input_->CursorPixX(), 152);
  input_->PressKey(Qt::Key_Left);
  EXPECT_EQ(input_->CursorPixX(), 120);
  EXPECT_EQ(doc_->Cursorison, FlagTrue);
  EXPECT_DOUBLE_EQ(input_->CursorWorldX(), 2);  // keys pick nothing
  for (int i = 0; i < 10; ++i) input_->PressKey(Qt::Key_Left);
  for (int i = 0; i < 10; ++i) input_->PressKey(Qt::Key_Up);
  EXPECT_EQ(input_->CursorPixX(), doc_->View_MinX);
  EXPECT_EQ(input_->CursorPixY(), doc_->View_Maxy);
}

TEST_F(PointerInputTest, DeleteStartsTheEraseCommand) {
  // A selected line, so that Erase has work and stays on.
  AddLine(1, 1, 2, 2);
  Dwgs[CurDwg].SelectSet = 1;
  Objs[ObjCount].Select = 1;
  SetSelectedFlag(ObjCount, FlagTrue);
  input_->PressKey(Qt::Key_Delete, QString(QChar(127)));
  EXPECT_EQ(EditCommand, 1);
  EXPECT_EQ(ActiveTool, ToolEdits);
  EXPECT_EQ(PrevTool, ToolEdits);  // SelectTool took the tool
  EXPECT_EQ(TypedText, "");        // the key types nothing
}

TEST_F(PointerInputTest, KeysGoToTheTextCommandWhileItTakesThem) {
  // A text command taking keys (with no sub-command, so that only the keys show).
  ActiveTool = PrevTool = ToolText;
  TextActive = TextKeyEntry = FlagTrue;
  AwaitingInput = FlagTrue;
  TypedReady = FlagTrue;
  input_->PressKey(Qt::Key_Delete);
  EXPECT_EQ(TypedKey, 210);
  EXPECT_EQ(TypedReady, FlagFalse);
  EXPECT_EQ(ActiveTool, ToolText);  // no erase
  input_->Type("a");
  EXPECT_EQ(TypedKey, 'a');
  EXPECT_EQ(TypedText, "");  // the command reads the key, not the text
}

TEST_F(PointerInputTest, TypedCharactersAndEnterHandTheCommandTheirValue) {
  ActiveTool = ToolFills;
  AwaitingInput = FlagTrue;
  input_->Type("12");
  EXPECT_EQ(TypedText, "12");
  EXPECT_EQ(TypedReady, FlagFalse);
  EXPECT_EQ(PrevTool, ToolNone);  // not yet handed on
  input_->Enter();
  EXPECT_EQ(PrevTool, ToolFills);  // SelectTool ran with the entry
  EXPECT_EQ(TypedText, "12");
  // The stand-in command takes no typed value: the entry is reported and
  // dropped, not left for a later step (commands that take one: TypedValuesTest).
  EXPECT_EQ(TypedReady, FlagFalse);

  // The next value is a value of its own; Backspace is no character of it.
  input_->Type("3");
  input_->PressKey(Qt::Key_Backspace, QString(QChar(8)));
  input_->Type("4");
  input_->Enter();
  EXPECT_EQ(TypedText, "34");
}

TEST_F(PointerInputTest, EscCancelsTheRunningCommandEvenWhenItWaitsForNothing) {
  ActiveTool = ToolMeasure;
  MeasureActive = FlagTrue;
  AwaitingInput = FlagFalse;
  ToolStep = 2;
  input_->Escape();
  EXPECT_EQ(MeasureActive, FlagFalse);
  EXPECT_EQ(ActiveTool, ToolNone);
  EXPECT_EQ(ToolStep, 0);
  EXPECT_EQ(TypedKey, 27);
}

}  // namespace
}  // namespace lintavo
