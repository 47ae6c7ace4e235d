// The measure commands of tool 6, chosen from the Controls menu and fed by
// clicks in a drawing window at 48 pixels to the unit.
#include <cmath>

#include "commands/EditFixture.h"
#include "model/Units.h"
#include "picking/Measure.h"
#include "support/ModelBuilders.h"

namespace lintavo {
namespace {

class MeasureCommandsTest : public EditFixture {
 protected:
  void SetUp() override {
    EditFixture::SetUp();
    MetricUnits = FlagFalse;  // inches with three decimals, degrees
    EnglishUnit = 1;
    FractionDisplay = FlagFalse;
    DecimalPlaces = 3;
    AutoScale = FlagFalse;
    AngleUnit = 1;
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

TEST_F(MeasureCommandsTest, AreaClosesOnTheFirstCornerAndReleasesTheTool) {
  AddLine(0, 0, 7, 5);
  RefreshDocView(doc_);
  DrawingDriver::Choose("mnuControlsMeasureDistance");
  Click(2, 2);
  DrawingDriver::Choose("mnuControlsMeasureArea");  // another command word starts afresh
  EXPECT_EQ(MessagePanel(1), "MEASURE AREA");
  EXPECT_EQ(MessagePanel(2), "Enter First Point >");
  Click(1, 1);
  EXPECT_EQ(MessagePanel(2), "Enter Next Point >");
  Click(5, 1);
  Click(5, 5);
  Click(1, 5);
  Click(1.04, 1.02);  // within the tolerance of the first corner
  EXPECT_EQ(MessagePanel(2).substr(0, 7), "Area = ");
  const Double area = std::stod(MessagePanel(2).substr(7));
  EXPECT_NEAR(area, 16, 0.2);  // the closing click is itself the last corner
  EXPECT_NE(MessagePanel(2).find(" Square Inches"), String::npos);
  EXPECT_EQ(ActiveTool, 0);
  EXPECT_EQ(AwaitingInput, 0);
  EXPECT_TRUE(EqualsFreshRedraw());  // the corner marks are gone
}

TEST_F(MeasureCommandsTest, RadiusRefusesAMissSilentlySkipsALineAndMeasuresACircle) {
  AddLine(1, 1, 4, 1);
  AddCircle(5, 3, 1.5);
  DrawingDriver::Choose("mnuControlsMeasureRadius");
  EXPECT_EQ(MessagePanel(1), "MEASURE Radius");
  EXPECT_EQ(MessagePanel(2), "Select a Circle or Arc");
  Click(2, 4);
  EXPECT_EQ(MessagePanel(3), "Line NOT Found, Try Again");
  input_->Escape();
  DrawingDriver::Choose("mnuControlsMeasureRadius");
  Click(2, 1);
  EXPECT_EQ(MessagePanel(3), "");
  Click(6.5, 3);
  EXPECT_EQ(MessagePanel(3), "The Radius is: 1.5\"");
}

TEST_F(MeasureCommandsTest, ArcAcrossTheZeroDirectionMeasuresItsOwnSweep) {
  AddLine(0, 0, 2, 0);
  AddArc(4, 3, 2, 350, 0, 10);
  DrawingDriver::Choose("mnuControlsMeasureArc");
  EXPECT_EQ(MessagePanel(1), "MEASURE Arc Angle");
  EXPECT_EQ(MessagePanel(2), "Select an Arc");
  Click(1, 4);
  EXPECT_EQ(MessagePanel(3), "Arc NOT Found, Try Again");
  input_->Escape();
  DrawingDriver::Choose("mnuControlsMeasureArc");
  Click(1, 0);  // a line: no message, the next pick is awaited
  EXPECT_EQ(MessagePanel(3), "");
  Click(6, 3);
  EXPECT_EQ(MessagePanel(3), "Arc Angle = 20\xC2\xB0 Length = 0.698\"");
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
