// The point and line commands, chosen from the menus and tool bars and fed
// by clicks, Enter and Esc in a drawing window.
#include <QColor>
#include <QFile>
#include <QImage>
#include <memory>

#include "commands/LineDraw.h"
#include "commands/Trims.h"
#include "model/DataHand.h"
#include "model/Top.h"
#include "platform/Services.h"
#include "support/DrawingDriver.h"
#include "view/DisplayOptions.h"
#include "view/DrawingWindowFixture.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

class LineDrawTest : public DrawingWindowFixture {
 protected:
  void SetUp() override {
    DrawingWindowFixture::SetUp();
    // 24 pixels per unit with the origin at view pixel (24, 24): world
    // -1 .. 15.6 across, -1 .. 11.5 up, every whole point on a pixel.
    ShowAtScale(doc_, 24, 24);
    PickTolerance = 0.2F;
  }

  // Whether the surface shows something other than the background at a world point.
  bool InkAt(Double X, Double Y) const {
    const QImage image = doc_->Image();
    const int x = static_cast<int>(X * 24 + 24);
    const int row = static_cast<int>(doc_->View_Maxy - (Y * 24 + 24));
    return QColor(image.pixel(x, row)) != QColor(Qt::white);
  }
};

// ---- Points and single lines -------------------------------------------------------------

TEST_F(LineDrawTest, SingleLineFromTheMenuAddsOneLinePerTwoClicksAndKeepsRunning) {
  DrawingDriver::Choose("mnuDrawLineSingle");
  EXPECT_EQ(MessagePanel(1), "Single LINE");
  EXPECT_EQ(MessagePanel(2), "Enter Starting Point of LINE");
  const Long objsBefore = ObjCount;
  const Long stepBefore = Dwgs[1].UndoStep;

  input_->ClickAt(1, 1);
  EXPECT_EQ(MessagePanel(2), "Enter Ending Point of LINE");
  EXPECT_EQ(ObjCount, objsBefore);
  input_->ClickAt(4, 5);

  ASSERT_EQ(ObjCount, objsBefore + 1);
  EXPECT_EQ(Objs[ObjCount].Rtype, EntityLine);
  EXPECT_EQ(Objs[ObjCount].NPoints, 2);
  EXPECT_DOUBLE_EQ(Point(ObjCount, 1).X, 1);
  EXPECT_DOUBLE_EQ(Point(ObjCount, 1).Y, 1);
  EXPECT_DOUBLE_EQ(Point(ObjCount, 2).X, 4);
  EXPECT_DOUBLE_EQ(Point(ObjCount, 2).Y, 5);
  EXPECT_EQ(Dwgs[1].UndoStep, stepBefore + 1);
  EXPECT_EQ(MessagePanel(1), "Single LINE");
  EXPECT_EQ(MessagePanel(2), "Enter Starting Point of LINE");
  EXPECT_EQ(ToolStep, 0);
  EXPECT_EQ(LineDrawActive, FlagTrue);
  EXPECT_EQ(ActiveTool, ToolLineDraw);
  EXPECT_TRUE(InkAt(2.5, 3));  // drawn: the middle of the line

  input_->ClickEach({{6, 1}, {6, 4}});  // the next click starts the next line
  ASSERT_EQ(ObjCount, objsBefore + 2);
  EXPECT_DOUBLE_EQ(Point(ObjCount, 1).X, 6);
  EXPECT_DOUBLE_EQ(Point(ObjCount, 2).Y, 4);
}

TEST_F(LineDrawTest, PointShowsItsTitleWithTheTrailingBlankAndAddsOnePointPerClick) {
  DrawingDriver::Choose("mnuDrawPoint");
  EXPECT_EQ(MessagePanel(1), "Standard POINT ");
  EXPECT_EQ(MessagePanel(2), "Enter a Point");
  const Long objsBefore = ObjCount;
  input_->ClickEach({{2, 3}, {5, 1}});
  ASSERT_EQ(ObjCount, objsBefore + 2);
  for (Long obj : {ObjCount - 1, ObjCount}) {
    EXPECT_EQ(Objs[obj].Rtype, EntityPoint);
    EXPECT_EQ(Objs[obj].NPoints, 1);
  }
  EXPECT_DOUBLE_EQ(Point(ObjCount, 1).X, 5);
  EXPECT_DOUBLE_EQ(Point(ObjCount, 1).Y, 1);
  EXPECT_EQ(ShowConPnts, 0);  // the point itself carries no construction cross
  EXPECT_EQ(MessagePanel(2), "Enter a Point");
  EXPECT_EQ(ToolStep, 0);
}

TEST_F(LineDrawTest, AnotherDrawingCommandRestartsFromItsFirstPoint) {
  DrawingDriver::Choose("mnuDrawLineSingle");
  input_->ClickAt(1, 1);
  DrawingDriver::Choose("mnuDrawPoint");
  EXPECT_EQ(ToolStep, 0);
  const Long objsBefore = ObjCount;
  input_->ClickAt(3, 3);
  ASSERT_EQ(ObjCount, objsBefore + 1);
  EXPECT_EQ(Objs[ObjCount].Rtype, EntityPoint);
}

TEST_F(LineDrawTest, ReferenceLineMirrorsTheEndThroughTheAxisPointAndEnds) {
  ShowConPnts = 0;
  DrawingDriver::Choose("mnuDrawLineConstruction");
  EXPECT_EQ(MessagePanel(1), "Reference LINE");
  EXPECT_EQ(MessagePanel(2), "Enter Axis Point of LINE");
  const Long objsBefore = ObjCount;
  input_->ClickAt(0, 0);
  EXPECT_EQ(ShowConPnts, FlagTrue);  // clicked points are marked while the command runs
  input_->ClickAt(0, 2);
  ASSERT_EQ(ObjCount, objsBefore + 1);
  EXPECT_EQ(Objs[ObjCount].Rtype, EntityLine);
  EXPECT_EQ(Objs[ObjCount].Ltype, 3);
  EXPECT_DOUBLE_EQ(Point(ObjCount, 1).Y, 2);
  EXPECT_DOUBLE_EQ(Point(ObjCount, 2).X, 0);
  EXPECT_DOUBLE_EQ(Point(ObjCount, 2).Y, -2);
  EXPECT_EQ(LineDrawActive, 0);
  EXPECT_EQ(ActiveTool, 0);
  EXPECT_EQ(AwaitingInput, 0);
  EXPECT_EQ(MessagePanel(1), "");
  EXPECT_EQ(ShowConPnts, 0);  // the display option as it was before the command

  input_->ClickAt(5, 5);  // the ended command takes no more clicks
  EXPECT_EQ(ObjCount, objsBefore + 1);
}

// ---- Double and solid lines ---------------------------------------------------------------

TEST_F(LineDrawTest, DoubleLineLaysItsTwoLinesLeftAndRightOfTheClickedOne) {
  DoubleLineWidth1 = 1;
  DoubleLineWidth2 = 1;
  DrawingDriver::Choose("mnuDrawLineDouble");
  EXPECT_EQ(MessagePanel(1), "Single Double LINE");
  const Long objsBefore = ObjCount;
  input_->ClickEach({{0, 0}, {0, 10}});
  ASSERT_EQ(ObjCount, objsBefore + 2);
  const Long left = objsBefore + 1, right = objsBefore + 2;
  for (Integer k : {1, 2}) {
    EXPECT_NEAR(Point(left, k).X, -1, 1e-6);
    EXPECT_NEAR(Point(right, k).X, 1, 1e-6);
  }
  EXPECT_NEAR(Point(left, 2).Y, 10, 1e-6);

  // One offset 0: the first line lies on the clicked one.
  DoubleLineWidth1 = 0;
  input_->ClickEach({{2, 0}, {2, 10}});
  ASSERT_EQ(ObjCount, objsBefore + 4);
  EXPECT_NEAR(Point(objsBefore + 3, 1).X, 2, 1e-6);
  EXPECT_NEAR(Point(objsBefore + 4, 1).X, 3, 1e-6);
  EXPECT_EQ(MessagePanel(3), "");
}

TEST_F(LineDrawTest, DoubleLineWithBothWidthsZeroStoresTheClickedLineAndSaysSo) {
  DrawingDriver::Choose("mnuDrawLineDouble");
  const Long objsBefore = ObjCount;
  input_->ClickEach({{0, 0}, {0, 10}});
  ASSERT_EQ(ObjCount, objsBefore + 1);
  EXPECT_DOUBLE_EQ(Point(ObjCount, 1).X, 0);
  EXPECT_DOUBLE_EQ(Point(ObjCount, 2).Y, 10);
  EXPECT_EQ(MessagePanel(3), "Zero Double Line Width!!");
  EXPECT_EQ(LineDrawActive, FlagTrue);
}

TEST_F(LineDrawTest, SolidLineTakesWidthsBelowTheLimitAndStoresOthersPlain) {
  CurLineWidth = 3;
  SolidLineWidth = 12.09F;
  DrawingDriver::Choose("mnuDrawLineThick");
  EXPECT_EQ(MessagePanel(1), "SOLID LINE");
  input_->ClickEach({{1, 1}, {5, 1}});
  EXPECT_FLOAT_EQ(Objs[ObjCount].Width, 12.09F);
  EXPECT_EQ(CurLineWidth, 0);
  EXPECT_EQ(MessagePanel(3), "");

  for (Single refused : {12.1F, 0.0F}) {
    SolidLineWidth = refused;
    CurLineWidth = 3;
    input_->ClickEach({{1, 2}, {5, 2}});
    EXPECT_EQ(Objs[ObjCount].Rtype, EntityLine);
    EXPECT_EQ(Objs[ObjCount].Width, 0) << refused;
    EXPECT_EQ(MessagePanel(3), "Zero Solid Line Width!!") << refused;
    EXPECT_EQ(CurLineWidth, 0);
  }
}

// ---- Continuous line -----------------------------------------------------------------------

TEST_F(LineDrawTest, ContinuousLineIsOnePolylineDrawnAfterEachClickAndEscLeavesItOpen) {
  DrawingDriver::PressButton("Line4");
  EXPECT_EQ(MessagePanel(1), "Continuous Single LINE ");
  EXPECT_EQ(MessagePanel(2), "Enter Beginning Point");
  const Long objsBefore = ObjCount;
  const Long stepBefore = Dwgs[1].UndoStep;
  input_->ClickAt(1, 1);
  EXPECT_EQ(MessagePanel(2), "Enter End Point of Line");
  input_->ClickAt(5, 1);
  EXPECT_EQ(MessagePanel(2), "Enter End Point of Next Line");
  EXPECT_TRUE(InkAt(3, 1));
  input_->ClickAt(5, 4);
  EXPECT_TRUE(InkAt(5, 2.5));
  input_->ClickAt(8, 4);

  ASSERT_EQ(ObjCount, objsBefore + 1);
  const ObjRec& chain = Objs[ObjCount];
  EXPECT_EQ(chain.Rtype, EntityPolyline);
  ASSERT_EQ(chain.NPoints, 4);
  EXPECT_DOUBLE_EQ(Point(ObjCount, 4).X, 8);
  EXPECT_DOUBLE_EQ(Point(ObjCount, 4).Y, 4);
  EXPECT_EQ(Dwgs[1].UndoStep, stepBefore + 1);  // the whole chain one step

  input_->Escape();
  EXPECT_EQ(LineDrawActive, 0);
  EXPECT_EQ(ActiveTool, 0);
  EXPECT_EQ(MessagePanel(2), "");
  EXPECT_EQ(Objs[ObjCount].Rtype, EntityPolyline);
  EXPECT_EQ(Objs[ObjCount].NPoints, 4);
}

TEST_F(LineDrawTest, AClickWithinReachOfTheStartClosesThePolygonExactlyOnIt) {
  DrawingDriver::PressButton("Line4");
  input_->ClickEach({{1, 1}, {6, 1}, {6, 5}});
  input_->ClickAt(1 + 1.0 / 24, 1 + 2.0 / 24);  // 0.04 and 0.08 from the start
  const ObjRec& chain = Objs[ObjCount];
  EXPECT_EQ(chain.Rtype, EntityPolygon);
  EXPECT_EQ(chain.Ltype, 1);
  ASSERT_EQ(chain.NPoints, 4);
  EXPECT_EQ(Point(ObjCount, 4).X, Point(ObjCount, 1).X);
  EXPECT_EQ(Point(ObjCount, 4).Y, Point(ObjCount, 1).Y);
  EXPECT_EQ(LineDrawActive, 0);
  EXPECT_EQ(MessagePanel(1), "");
}

TEST_F(LineDrawTest, EnterWithoutANewClickAddsNoVertex) {
  DrawingDriver::PressButton("Line4");
  input_->ClickEach({{1, 1}, {4, 1}});
  input_->Enter();
  input_->Enter();
  EXPECT_EQ(Objs[ObjCount].NPoints, 2);
  input_->ClickAt(4, 4);
  EXPECT_EQ(Objs[ObjCount].NPoints, 3);
  EXPECT_DOUBLE_EQ(Point(ObjCount, 3).Y, 4);
}

TEST_F(LineDrawTest, TheHundredthVertexEndsTheChain) {
  DrawingDriver::PressButton("Line4");
  for (int i = 0; i < 100; ++i) input_->ClickAt(1 + (i % 10), 1 + i / 10);
  EXPECT_EQ(Objs[ObjCount].NPoints, 100);
  EXPECT_EQ(Objs[ObjCount].Rtype, EntityPolyline);
  EXPECT_EQ(LineDrawActive, 0);
}

TEST_F(LineDrawTest, WithAutoFilletEachSegmentIsALineStartingWhereTheLastEnds) {
  AutoFillet = FlagTrue;
  DrawingDriver::PressButton("Line4");
  const Long objsBefore = ObjCount;
  input_->ClickEach({{1, 1}, {5, 1}, {5, 4}});
  // The corner replaces both segments (radius 0: a sharp corner): two lines live.
  Long live = 0;
  for (Long k = objsBefore + 1; k <= ObjCount; ++k) live += Objs[k].Erased ? 0 : 1;
  ASSERT_EQ(live, 2);
  EXPECT_EQ(Objs[ObjCount].Rtype, EntityLine);
  EXPECT_DOUBLE_EQ(Point(ObjCount, 1).X, 5);
  EXPECT_DOUBLE_EQ(Point(ObjCount, 1).Y, 1);
  EXPECT_DOUBLE_EQ(Point(ObjCount, 2).Y, 4);
  EXPECT_EQ(LineDrawActive, FlagTrue);
}

// ---- Pointer -------------------------------------------------------------------------------

TEST_F(LineDrawTest, TheDrawingPointerIsTheSystemCrossOrNoneEvenWithoutTheCursorFile) {
  ShowRealCursor = FlagTrue;
  DrawingDriver::Choose("mnuDrawLineSingle");
  EXPECT_EQ(doc_->cursor().shape(), Qt::CrossCursor);

  CancelTools();
  ShowRealCursor = FlagFalse;
  ASSERT_TRUE(QFile::remove(QString::fromStdString(AppFilePath("Blank.cur"))));
  DrawingDriver::Choose("mnuDrawLineSingle");
  EXPECT_EQ(doc_->cursor().shape(), Qt::BlankCursor);
}

}  // namespace
}  // namespace lintavo
