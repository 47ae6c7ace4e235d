// The measure commands of tool 6, chosen from the Controls menu and fed by
// clicks in a drawing window at 48 pixels to the unit.
#include <QPushButton>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

#include "commands/EditFixture.h"
#include "storage/TestDatabase.h"
#include "windows/file/frmDwgSelect.h"
#include "windows/file/frmPreview.h"
#include "model/UndoRedo.h"
#include "model/Units.h"
#include "picking/Measure.h"
#include "support/ModelBuilders.h"

namespace lintavo {
namespace {

class MeasureCommandsTest : public EditFixture {
 protected:
  void SetUp() override {
    EditFixture::SetUp();
    UseDecimalInches();
  }
  void Click(Double x, Double y) { input_->ClickAt(x, y); }
};

TEST_F(MeasureCommandsTest, DistanceShowsEachLegAlone) {
  DrawingDriver::Choose("mnuControlsMeasureDistance");
  EXPECT_EQ(MessagePanel(1), "MEASURE DISTANCE");
  EXPECT_EQ(MessagePanel(2), "Enter Starting Point >");
  Click(1, 1);
  EXPECT_EQ(MessagePanel(2), "Enter Next Point>");
  Click(4, 5);
  EXPECT_EQ(MessagePanel(3), "DISTANCE = 5\"");
  Click(4, 3);
  EXPECT_EQ(MessagePanel(3), "DISTANCE = 2\"");
  EXPECT_EQ(ActiveTool, ToolMeasure);  // it runs on until stopped
  input_->Escape();
  EXPECT_EQ(ActiveTool, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(MeasureCommandsTest, AngleOfARayStraightDownAndTheNextClickStartsAgain) {
  DrawingDriver::Choose("mnuControlsMeasureAngle");
  EXPECT_EQ(MessagePanel(2), "Enter Base of Angle >");
  Click(3, 4);
  EXPECT_EQ(MessagePanel(2), "Enter a Point on the Ray >");
  Click(3, 1);
  EXPECT_EQ(MessagePanel(3), "The Angle is: 270\xC2\xB0");
  EXPECT_EQ(MeasureActive, 0);
  Click(5, 5);  // restarts the command; not a point
  EXPECT_EQ(MessagePanel(1), "MEASURE ANGLE");
  EXPECT_EQ(MessagePanel(2), "Enter Base of Angle >");
}

// The click within reach of the first corner is the last corner, and the
// side from it back to the first counts too: the size is the figure's own
// wherever it lies.
TEST_F(MeasureCommandsTest, AreaClosesOnTheFirstCornerAndReleasesTheTool) {
  AddLine(0, 0, 7, 5);
  RefreshDocView(doc_);
  std::vector<Double> sizes;
  for (const Double shift : {0.0, 2.0}) {
    SCOPED_TRACE(shift);
    DrawingDriver::Choose("mnuControlsMeasureDistance");
    Click(2, 2);
    DrawingDriver::Choose("mnuControlsMeasureArea");  // another command word starts afresh
    EXPECT_EQ(MessagePanel(1), "MEASURE AREA");
    EXPECT_EQ(MessagePanel(2), "Enter First Point >");
    Click(1 + shift, 1);
    EXPECT_EQ(MessagePanel(2), "Enter Next Point >");
    Click(5 + shift, 1);
    Click(5 + shift, 5);
    Click(1 + shift, 5);
    Click(1.04 + shift, 1.02);  // within the tolerance of the first corner
    EXPECT_EQ(MessagePanel(2).substr(0, 7), "Area = ");
    sizes.push_back(std::stod(MessagePanel(2).substr(7)));
    EXPECT_NEAR(sizes.back(), 15.92, 0.01);  // the five corners' own polygon (clicks on pixels)
    EXPECT_NE(MessagePanel(2).find(" Square Inches"), String::npos);
    EXPECT_EQ(ActiveTool, 0);
    EXPECT_EQ(AwaitingInput, 0);
    EXPECT_TRUE(EqualsFreshRedraw());  // the corner marks are gone
  }
  EXPECT_EQ(sizes[0], sizes[1]);  // the same figure moved: the same size
}

// Radius and Arc Angle each pick a curve: a miss is refused with a message,
// a line is skipped without one, and the curve picked is measured.
struct CurvePickCase {
  const char* item;
  std::function<void()> draw;  // a line, then the curve
  const char* title;
  const char* prompt;
  std::pair<Double, Double> miss, onLine, onCurve;  // the three clicks
  const char* missed;                               // panel 3 after the miss
  const char* measured;                             // panel 3 after the curve
};

TEST_F(MeasureCommandsTest, RadiusAndArcRefuseAMissSilentlySkipALineAndMeasureTheirCurve) {
  const CurvePickCase cases[] = {
      {"mnuControlsMeasureRadius", [] { AddLine(1, 1, 4, 1); AddCircle(5, 3, 1.5); }, "MEASURE Radius",
       "Select a Circle or Arc", {2, 4}, {2, 1}, {6.5, 3}, "Line NOT Found, Try Again", "The Radius is: 1.5\""},
      // an arc across the zero direction measures its own sweep
      {"mnuControlsMeasureArc", [] { AddLine(0, 0, 2, 0); AddArc(4, 3, 2, 350, 0, 10); }, "MEASURE Arc Angle",
       "Select an Arc", {1, 4}, {1, 0}, {6, 3}, "Arc NOT Found, Try Again",
       "Arc Angle = 20\xC2\xB0 Length = 0.698\""},
  };
  for (const CurvePickCase& c : cases) {
    SCOPED_TRACE(c.item);
    const Long first = ObjCount + 1;
    c.draw();
    DrawingDriver::Choose(c.item);
    EXPECT_EQ(MessagePanel(1), c.title);
    EXPECT_EQ(MessagePanel(2), c.prompt);
    Click(c.miss.first, c.miss.second);
    EXPECT_EQ(MessagePanel(3), c.missed);
    input_->Escape();
    DrawingDriver::Choose(c.item);
    Click(c.onLine.first, c.onLine.second);  // no message, the next pick is awaited
    EXPECT_EQ(MessagePanel(3), "");
    Click(c.onCurve.first, c.onCurve.second);
    EXPECT_EQ(MessagePanel(3), c.measured);
    input_->Escape();
    for (Long i = first; i <= ObjCount; ++i) EraseObj(i);  // out of the next case's way
  }
}

// A dialog that reports its cancel (File, Open cancelled, the print preview
// left by EXIT) while Distance runs: the cancel answers the menu that showed
// the dialog, so Distance measures the next click; chosen again, it starts
// a new measurement and measures the clicks that follow.
TEST_F(MeasureCommandsTest, DistanceGoesOnAfterACancelledDialogAndChosenAgainMeasuresAgain) {
  DwgDbPath = ScratchPath("Test_dwg.mdb");
  CreateEmptyDrawingsDb(DwgDbPath);
  struct Row {
    const char* dialog;
    std::function<void()> cancel;
  };
  const Row rows[] = {
      {"File, Open cancelled",
       [this] {
         Responder().OnDialog<frmDwgSelect>([](frmDwgSelect& chooser) { chooser.cmdCancel->click(); });
         DrawingDriver::Choose("mnuFileOpen");
       }},
      {"print preview left by EXIT",
       [this] {
         Responder().OnDialog<frmPreview>([](frmPreview& preview) { preview.cboClose->click(); });
         DrawingDriver::Choose("mnuFilePrintPreview");
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.dialog);
    DrawingDriver::Choose("mnuControlsMeasureDistance");
    Click(1, 1);
    Click(4, 5);
    ASSERT_EQ(MessagePanel(3), "DISTANCE = 5\"");
    row.cancel();
    Click(4, 2);
    EXPECT_EQ(MessagePanel(3), "DISTANCE = 3\"");
    DrawingDriver::Choose("mnuControlsMeasureDistance");  // a new starting point follows
    Click(4, 1);
    EXPECT_EQ(MessagePanel(3), "");
    Click(4, 5);
    EXPECT_EQ(MessagePanel(3), "DISTANCE = 4\"");
    Click(4, 3);
    EXPECT_EQ(MessagePanel(3), "DISTANCE = 2\"");
    input_->Escape();
  }
}

TEST(MeasureArcSweep, TheSweepFollowsTheMiddlePoint) {
  constexpr Double Deg = Pi / 180;
  struct Row {
    Double start, mid, end, sweep;  // degrees
  };
  for (const Row& r : {Row{350, 0, 10, 20}, Row{10, 180, 350, 340}, Row{0, 45, 90, 90}, Row{90, 45, 0, 90},
                       Row{90, 200, 0, 270}}) {
    EXPECT_NEAR(ArcSweep(r.start * Deg, r.mid * Deg, r.end * Deg), r.sweep * Deg, 1e-9) << r.start << " " << r.end;
  }
}

}  // namespace
}  // namespace lintavo
