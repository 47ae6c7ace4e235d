// Lengths, areas and angles as the user sees them, and the geometry
// measures of one stored object.
#include "model/Units.h"
#include "picking/Measure.h"
#include "platform/Types.h"
#include "support/ModelBuilders.h"
#include "support/ModelFixture.h"

namespace lintavo {
namespace {

class MeasureTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    EnglishUnit = 1;  // the built-in defaults
    MetricUnit = 2;
    DecimalPlaces = 3;
    FractionDenom = 16;
    AngleUnit = 1;
  }
  static void Metric(Integer unit) {
    MetricUnits = FlagTrue;
    MetricUnit = unit;
  }
};

// ---- Inches, feet and inches ---------------------------------------------------------

TEST_F(MeasureTest, FractionsShowWholeInchesAndTheTruncatedFraction) {
  FractionDisplay = FlagTrue;
  FractionDenom = 8;
  EXPECT_EQ(FormatLength(2.375), "2 3/8\"");
  FractionDenom = 16;
  EXPECT_EQ(FormatLength(1.5), "1 1/2\"");
  EXPECT_EQ(FormatLength(0.99), "15/16\"");  // not rounded up to 1
}

TEST_F(MeasureTest, FractionsAreReducedOnlyByHalving) {
  FractionDisplay = FlagTrue;
  FractionDenom = 100;
  EXPECT_EQ(FormatLength(0.08), "2/25\"");
  EXPECT_EQ(FormatLength(0.5), "25/50\"");
}

TEST_F(MeasureTest, DecimalInchesRoundHalfToEven) {
  DecimalPlaces = 2;
  EXPECT_EQ(FormatLength(2.375), "2.38\"");
  EXPECT_EQ(FormatLength(2.125), "2.12\"");
  EXPECT_EQ(FormatLength(-3.25), "-3.25\"");
}

// The read-out of a cursor a hair left of the origin: no "-0".
TEST_F(MeasureTest, AValueThatShowsAsZeroHasNoSign) {
  const std::pair<Integer, Integer> units[] = {{1, FlagFalse}, {1, FlagTrue}, {2, FlagTrue}, {3, FlagFalse}};
  for (const auto& [unit, fractions] : units) {
    EnglishUnit = unit;
    FractionDisplay = fractions;
    EXPECT_EQ(FormatLength(-0.0001), FormatLength(0.0)) << unit << " " << fractions;
    EXPECT_EQ(FormatLength(-0.0), FormatLength(0.0)) << unit << " " << fractions;
  }
  EnglishUnit = 1;
  FractionDisplay = FlagFalse;
  EXPECT_EQ(FormatLength(-0.0001), "0\"");
  EXPECT_EQ(FormatLength(-0.002), "-0.002\"");  // a value that shows keeps its sign
  Metric(2);
  EXPECT_EQ(FormatLength(-0.0001), FormatLength(0.0));
}

TEST_F(MeasureTest, FeetAndInchesSplitAtTwelveInches) {
  EnglishUnit = 2;
  FractionDisplay = FlagTrue;
  EXPECT_EQ(FormatLength(30), "2' 6 \"");
  EXPECT_EQ(FormatLength(24), "2' \"");
  EXPECT_EQ(FormatRadiusLabel(-13.5), "Radius = -1 Feet 1 1/2 Inches");
}

// ---- Other units ---------------------------------------------------------------------

TEST_F(MeasureTest, FeetYardsAndMilesShowDecimalsEvenWithFractionsOn) {
  FractionDisplay = FlagTrue;
  EnglishUnit = 5;
  EXPECT_EQ(FormatLength(72), "2 Yd");
  EnglishUnit = 6;
  EXPECT_EQ(FormatLengthLabel(31680), "Length = 0.5 Miles");
}

TEST_F(MeasureTest, MetricLengthsMultiplyByTheUnitFactor) {
  Metric(2);
  EXPECT_EQ(FormatLength(1), "2.54 cm");
  EXPECT_EQ(FormatLength(-1), "-2.54 cm");
  Metric(6);
  EXPECT_EQ(FormatRadiusLabel(0.001), "Radius = 25.4 MicroMeters");
}

// ---- Automatic unit ------------------------------------------------------------------

TEST_F(MeasureTest, AutoScalePicksYardsForFortyInches) {
  AutoScale = FlagTrue;
  EXPECT_EQ(FormatLength(40), "1.111 Yd");
  EXPECT_EQ(EnglishUnit, 4);
}

TEST_F(MeasureTest, AutoScaleChoosesTheMetricUnitByTheSizeOfTheValue) {
  Metric(2);
  AutoScale = FlagTrue;
  const struct {
    Double inches;
    Integer unit;
  } rows[] = {{0.00001, 7}, {0.01, 6}, {0.1, 1}, {-1, 2}, {100, 4}, {39370.1, 5}};
  for (const auto& row : rows) {
    FormatLength(row.inches);
    EXPECT_EQ(MetricUnit, row.unit) << row.inches;
  }
}

// ---- Areas -----------------------------------------------------------------------------

TEST_F(MeasureTest, AreaInFeetDividesBy144) {
  EnglishUnit = 3;
  EXPECT_EQ(FormatArea(144), "Area = 1 Square Feet");
}

TEST_F(MeasureTest, AreaInYardsTurnsToAcresAboveOneAcre) {
  EnglishUnit = 4;
  EXPECT_EQ(FormatArea(6272640), "Area = 4840 Square Yards");
  EXPECT_EQ(FormatArea(6272640 * 2.5), "Area = 2.5 Acres");
  EnglishUnit = 5;  // yards as well
  EXPECT_EQ(FormatArea(1296), "Area = 1 Square Yards");
}

TEST_F(MeasureTest, MetricAreaUsesTheSquaredFactor) {
  Metric(2);
  EXPECT_EQ(FormatArea(1), "Area = 6.452 Square Centimeters");
  Metric(7);  // no area word of its own
  EXPECT_EQ(FormatArea(1), "Area = 645.16 Square Milimeters");
}

// ---- Angles ------------------------------------------------------------------------------

TEST_F(MeasureTest, DegreesShowTheSignAndConvertTheCallersAngle) {
  Single angle = static_cast<Single>(Pi);
  EXPECT_EQ(FormatAngle(angle), "Angle = 180\u00B0");
  EXPECT_FLOAT_EQ(angle, 180);
}

TEST_F(MeasureTest, RadiansAreRoundedAndLeaveTheAngleAlone) {
  AngleUnit = 3;
  Single angle = static_cast<Single>(Pi);
  EXPECT_EQ(FormatAngle(angle), "Angle = 3.142 Radians");
  EXPECT_EQ(FormatAngleValue(angle), "R 3.142");
  EXPECT_FLOAT_EQ(angle, static_cast<Single>(Pi));
}

TEST_F(MeasureTest, MinutesShowDegreesMinutesAndSeconds) {
  AngleUnit = 2;
  Single right = static_cast<Single>(Pi / 2);
  EXPECT_EQ(FormatAngleValue(right), "<90:0:0");
  Single angle = static_cast<Single>(45.2625 * DegToRad);
  EXPECT_EQ(FormatAngleValue(angle), "<45:15:45");
}

// ---- Geometry of one object ------------------------------------------------------------

class EntityMeasureTest : public ModelFixture {
 protected:
};

TEST_F(EntityMeasureTest, PolygonAreaIsTheShoelaceSumOfItsClosedList) {
  const Long ccw = AddEntity(EntityPolygon, {{0, 0}, {2, 0}, {2, 3}, {0, 3}, {0, 0}});
  const Long cw = AddEntity(EntityPolygon, {{0, 0}, {0, 3}, {2, 3}, {2, 0}, {0, 0}});
  const Long open = AddEntity(EntityPolyline, {{0, 0}, {2, 0}, {2, 3}, {0, 3}, {0, 0}});
  EXPECT_DOUBLE_EQ(EntityArea(ccw), 6);
  EXPECT_DOUBLE_EQ(EntityArea(cw), 6);
  EXPECT_DOUBLE_EQ(EntityArea(open), 0);
}

TEST_F(EntityMeasureTest, PathLengthFollowsTheStoredPointsOfCurvesAndPolylines) {
  const Long polyline = AddEntity(EntityPolyline, {{0, 0}, {3, 4}, {3, 10}});
  const Long bezier = AddEntity(EntityBezier, {{0, 0}, {0, 1}, {1, 1}, {1, 0}});
  const Long line = AddLine(0, 0, 5, 0);
  EXPECT_DOUBLE_EQ(EntityPathLength(polyline), 11);
  EXPECT_DOUBLE_EQ(EntityPathLength(bezier), 3);  // the control polygon
  EXPECT_DOUBLE_EQ(EntityPathLength(line), 0);
}

}  // namespace
}  // namespace lintavo
