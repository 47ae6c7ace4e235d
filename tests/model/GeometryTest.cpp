// Geometry: angles, circles, crossings, feet and arc steps.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "model/DataHand.h"
#include "model/Geometry.h"

namespace lintavo {
namespace {

#define EXPECT_POINT(x, y, ex, ey) \
  do {                             \
    EXPECT_NEAR(x, ex, 1e-6);      \
    EXPECT_NEAR(y, ey, 1e-6);      \
  } while (0)

TEST(GeometryLineAngle, EqualPointsPointDownOrUpByForm) {
  EXPECT_FLOAT_EQ(LineAngle(2, 3, 2, 3), ThreeHalvesPi);
  EXPECT_FLOAT_EQ(LineAngleS(2, 3, 2, 3), ThreeHalvesPi);
  EXPECT_FLOAT_EQ(LineAngleD(2, 3, 2, 3), Pi / 2);
  EXPECT_FLOAT_EQ(LineAngleV(2, 3, 2, 3), Pi / 2);
}

TEST(GeometryLineAngle, DownwardDiagonalsAreFiveAndSevenQuartersPi) {
  EXPECT_FLOAT_EQ(LineAngle(0, 0, -1, -1), 5 * Pi / 4);
  EXPECT_FLOAT_EQ(LineAngle(0, 0, 1, -1), 7 * Pi / 4);
}

TEST(GeometryLineAngle, AllFormsAgreeAllRoundTheCircle) {
  EXPECT_FLOAT_EQ(LineAngle(1, 5, 1, 2), ThreeHalvesPi);
  EXPECT_FLOAT_EQ(LineAngleD(1, 2, 1, 5), Pi / 2);
  for (int k = 0; k < 12; ++k) {
    const Double a = 0.2 + k * Pi / 6;  // never vertical
    const Double x = 1 + 10 * std::cos(a), y = 1 + 10 * std::sin(a);
    EXPECT_NEAR(LineAngle(1, 1, x, y), a, 1e-6);
    EXPECT_NEAR(LineAngleS(1, 1, x, y), a, 1e-5);
    EXPECT_NEAR(LineAngleD(1, 1, x, y), a, 1e-6);
    EXPECT_NEAR(LineAngleV(1, 1, x, y), a, 1e-5);
  }
}

TEST(GeometryEllipse, ParamAngleRecoversTheParameterOnATurnedEllipse) {
  const Double turn = 0.3;  // semi-axes 3 along the turn and 1 across: Ratio 3
  for (Double u : {1.0, 2.5, 4.0, 5.5}) {
    const Double ex = 3 * std::cos(u), ey = std::sin(u);
    const Double x = ex * std::cos(turn) - ey * std::sin(turn);
    const Double y = ex * std::sin(turn) + ey * std::cos(turn);
    EXPECT_NEAR(EllipseParamAngle(0, 0, x, y, 3, 0.3f), u, 1e-5) << u;
    EXPECT_NEAR(EllipseParamAngleS(0, 0, x, static_cast<Single>(y), 3, 0.3f), u, 1e-5) << u;
  }
  // A direction below the rotation is not folded into range.
  EXPECT_NEAR(EllipseParamAngle(0, 0, std::cos(0.1), std::sin(0.1), 1, 0.5f), -0.4, 1e-6);
}

TEST(GeometryPolar, PointsFollowTheirArgumentOrder) {
  Double x = 0, y = 0;
  PolarPointV(2, 1, 1, x, y, static_cast<Single>(Pi / 2));
  EXPECT_POINT(x, y, 1, 3);
  EllipseAxisPoint(4, 2, static_cast<Single>(Pi / 2), 2, 1, x, y);  // cross terms scaled by F / G = 2
  EXPECT_POINT(x, y, -2, 4);
}

TEST(GeometryCircleThrough3Points, FindsTheCentreOrDividesByOneForPointsInALine) {
  Double x = 0, y = 0;
  Single xs = 0, ys = 0;
  CircleThrough3Points(x, y, 0, 0, 2, 0, 0, 2);
  EXPECT_POINT(x, y, 1, 1);
  CircleThrough3PointsS(xs, ys, 0, 0, 2, 0, 0, 2);
  EXPECT_POINT(xs, ys, 1, 1);
  CircleThrough3Points(x, y, 0, 0, 1, 1, 2, 2);
  EXPECT_POINT(x, y, -2, 2);
  // Below 1e-6 the Single form counts the points as in a line; Double still divides.
  CircleThrough3PointsS(xs, ys, 0, 0, 1, 1, 2, 2.0000005f);
  EXPECT_NEAR(xs, -2, 1e-5);
  CircleThrough3Points(x, y, 0, 0, 1, 1, 2, 2.0000005f);
  EXPECT_GT(std::abs(x), 1e5);
}

TEST(GeometryLineLine, SlopesWithinTwoTenThousandthsCountAsParallel) {
  Double x = 0, y = 0;
  LineLineIntersect(x, y, 2, 2, 3, 3, 0, 5, 1, 6.0001);  // slopes 1 and 1.0001: P1
  EXPECT_EQ(x, 2);
  EXPECT_EQ(LineCrossY, 2);
  LineLineIntersect(x, y, 2, 2, 3, 3, 0, 5, 1, 6.0003);  // 0.0003 apart: a far crossing
  EXPECT_NEAR(x, -5 / 0.0003, 0.01);
}

TEST(GeometryLineLine, SlantedLinesCrossAndVerticalLinesCrossExactly) {
  Double x = 0, y = 0;
  LineLineIntersect(x, y, 0, 0, 4, 4, 0, 2, 2, 0);
  EXPECT_POINT(LineCrossX, LineCrossY, 1, 1);
  LineLineIntersect(x, y, 3, 0, 3, 5, 0, 2, 10, 2);
  EXPECT_TRUE(x == 3 && y == 2);
  LineLineIntersect(x, y, 0, 0.5, 10, 1.5, 7, -1, 7, 9);
  EXPECT_POINT(x, y, 7, 1.2);
  LineLineIntersect(x, y, 1, 0, 1, 5, 4, 6, 4, 8);  // both vertical: P3
  EXPECT_TRUE(x == 4 && y == 6);
}

TEST(GeometryFeet, FootOnVerticalHorizontalAndSlantedLines) {
  Double x = 0, y = 0;
  PerpendicularFoot(x, y, 5, 7, 2, 0, 2, 9);
  EXPECT_TRUE(x == 2 && y == 7);
  PerpendicularFoot(x, y, 5, 7, 0, 3, 9, 3);
  EXPECT_TRUE(x == 5 && y == 3);
  PerpendicularFoot(x, y, 0, 2, 0, 0, 3, 3);
  EXPECT_POINT(x, y, 1, 1);
}

TEST(GeometryFeet, SegmentHitTestsTheFootInTheBoxOnly) {
  EXPECT_TRUE(SegmentHit(0, 0, -20, 24, 4, 4));  // far from the line, foot (2, 2) inside
  EXPECT_POINT(IntersectX, IntersectY, 2, 2);
  EXPECT_FALSE(SegmentHit(0, 0, 1, 50, 4, 4));  // foot (25.5, 25.5) beyond the end
  EXPECT_TRUE(SegmentHit(0, 0, 4, 9, 4, 0));    // foot on the end point counts
  EXPECT_FALSE(SegmentHit(0, 0, 5, 1, 4, 0));
}

TEST(GeometryFeet, ProjectionUsesTheIncomingPointAndFallsBackToP1) {
  Double x = 0, y = 2;
  ProjectPointToLine(x, y, 0, 0, 3, 3);
  EXPECT_POINT(x, y, 1, 1);
  x = 8, y = 9;
  ProjectPointToLine(x, y, 1, 2, 1 + 1e-7, 2);
  EXPECT_TRUE(x == 1 && y == 2);
}

TEST(GeometryFeet, NearerPointGivesBOnATie) {
  Double x = 0, y = 0;
  NearerPoint(x, y, 0, 0, 3, 4, -4, 3);
  EXPECT_EQ(x, -4);
  NearerPoint(x, y, 0, 0, 3, 4, -4, 3.001);
  EXPECT_EQ(x, 3);
}

TEST(GeometryLineCircle, SecantGivesBothCrossingsAndTheNearerOne) {
  LineCircleIntersectNear(-10, 0, 10, 0, 0, 3, 5, 3, -3, 1);
  EXPECT_POINT(Cross1X, Cross1Y, 4, 0);
  EXPECT_POINT(Cross2X, Cross2Y, -4, 0);
  EXPECT_POINT(LineCircleX, LineCircleY, -4, 0);
}

TEST(GeometryLineCircle, TangentGivesTwoEqualCandidatesAndAMissGivesTheFoot) {
  LineCircleIntersectNear(-10, 0, 10, 0, 0, 5, 5, 5, 9, 9);
  EXPECT_TRUE(Cross1X == 0 && Cross2X == 0 && Cross1Y == 0 && Cross2Y == 0);
  LineCircleIntersectNear(-10, 1, 10, 1, 2, 7, 2, 12, 0, 0);  // misses by 1
  EXPECT_TRUE(Cross1X == 2 && Cross2X == 2 && Cross1Y == 1 && Cross2Y == 1);
  EXPECT_POINT(LineCircleX, LineCircleY, 0, 0);  // kept from the tangent
}

TEST(GeometryCircleCircle, CrossingCirclesGiveBothPointsAndTheNearerOne) {
  CircleCircleIntersectNear(0, 0, 5, 0, 8, 0, 3, 0, 4, -2);
  EXPECT_POINT(Cross1X, Cross1Y, 4, 3);
  EXPECT_POINT(Cross2X, Cross2Y, 4, -3);
  EXPECT_POINT(CircleCircleX, CircleCircleY, 4, -3);
}

TEST(GeometryCircleCircle, CirclesTooFarApartGiveOnePointOnTheLineOfCentres) {
  CircleCircleIntersectNear(0, 0, 1, 0, 10, 0, 11, 0, 0, 0);  // equal radii: the midpoint
  EXPECT_TRUE(Cross1X == 5 && Cross2X == 5 && Cross1Y == 0 && Cross2Y == 0);
  CircleCircleIntersectNear(0, 0, 1, 0, 10, 0, 13, 0, 0, 0);  // radii 1 and 3: a = 4.6 from Q1
  EXPECT_POINT(Cross1X, Cross2X, 4.6, 4.6);
}

TEST(GeometryCircleCircle, CircleInsideAnotherGivesNoCrossingAndNoNaN) {
  CircleCircleIntersectNear(0, 0, 1, 0, 1, 0, 11, 0, 0, 0);  // r1 = 1 inside r2 = 10: a = -49
  EXPECT_TRUE(Cross1X == -49 && Cross2X == -49 && Cross1Y == 0 && Cross2Y == 0);
  EXPECT_TRUE(CircleCircleX == -49 && CircleCircleY == 0);
}

TEST(GeometryCircleCircle, ConcentricCirclesGiveTheCentre) {
  CircleCircleIntersectNear(2, 3, 4, 3, 2, 3 + 1e-7, 2, 8, 0, 0);
  EXPECT_TRUE(Cross1X == 2 && Cross2Y == 3 && CircleCircleX == 2 && CircleCircleY == 3);
}

TEST(GeometryArcStep, HundredPixelRadiusStepsByOneTenth) {
  EXPECT_FLOAT_EQ(PixelArcStepAngle(250, 80, 100), 0.1f);
}

TEST(GeometryArcStep, SmallRadiusStepsByTheAngleOfOnePixel) {
  EXPECT_FLOAT_EQ(PixelArcStepAngle(250, 80, 10), 0.1f);  // atan(1 / 10) is just below
  EXPECT_FLOAT_EQ(PixelArcStepAngle(250, 80, 5), std::atan(1.0 / 5));
  EXPECT_FLOAT_EQ(PixelArcStepAngle(250, 80, 0), Pi / 2);
}

// The one Distance against the two forms it replaced: the hypot of the
// commands and drawers (the same to the bit, in either order of the
// points) and the square root of the sum of squares of the crossings
// (within an ulp where that form was finite). Beyond its reach the sum
// of squares overflowed or underflowed; Distance stays finite and above 0.
TEST(GeometryDistance, AgreesWithTheFormsItReplacedAndStaysFiniteAtTheExtremes) {
  constexpr double Inf = std::numeric_limits<double>::infinity();
  constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
  struct Row {
    double x1, y1, x2, y2;
    double expected;  // NaN: the result is NaN
  };
  const Row rows[] = {
      {2, 3, 2, 3, 0},                           // zero length
      {0, 0, 3, 4, 5},                           // exact
      {-1.5, 2.25, 7.125, -3.5, 10.36595991695897},  // ordinary
      {1e200, 1e200, -1e200, -1e200, 2.8284271247461903e200},  // the squares overflow
      {1e-200, 0, 0, 1e-200, 1.4142135623730951e-200},         // the squares underflow
      {0, 0, Inf, 1, Inf},
      {0, NaN, Inf, 1, Inf},                     // an infinite difference wins over NaN
      {0, NaN, 1, 1, NaN},
  };
  for (const Row& r : rows) {
    const double d = Distance(r.x1, r.y1, r.x2, r.y2);
    const WorldXY a{r.x1, r.y1}, b{r.x2, r.y2};
    if (std::isnan(r.expected)) {
      EXPECT_TRUE(std::isnan(d)) << r.x1 << " " << r.y2;
      continue;
    }
    if (std::isinf(r.expected))
      EXPECT_EQ(d, r.expected) << r.x1 << " " << r.y2;
    else
      EXPECT_NEAR(d, r.expected, r.expected * 1e-15) << r.x1 << " " << r.y2;
    EXPECT_EQ(Distance(a, b), d);
    EXPECT_EQ(Distance(b, a), d);
    EXPECT_EQ(std::hypot(r.x1 - r.x2, r.y1 - r.y2), d);
    const double squares = std::sqrt((r.x2 - r.x1) * (r.x2 - r.x1) + (r.y2 - r.y1) * (r.y2 - r.y1));
    if (std::isfinite(squares) && squares > 0) EXPECT_LE(std::abs(squares - d), std::abs(d) * 2.3e-16);
  }
}

}  // namespace
}  // namespace lintavo
