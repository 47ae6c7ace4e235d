// The drawers of the simple entity types, each reached through DrawObject.
#include <cmath>

#include "annotation/Fills.h"
#include "platform/ImageSurface.h"
#include "view/DrawDispatch.h"
#include "view/DrawFixture.h"
#include "view/ObjectDrawers.h"
#include "view/SurfaceDraw.h"

namespace lintavo {
namespace {

using ObjectDrawersTest = DrawFixture;

// ---- Points, lines and circles -----------------------------------------------------------

TEST_F(ObjectDrawersTest, PointIsAStandardCrossOrOnePixel) {
  const Long point = AddEntity(EntityPoint, {{1, 1}});
  DrawObject(point);
  EXPECT_EQ(InkCount(), 13);  // two arms of 7 pixels sharing the centre
  doc_.Cls();
  ShowStdPnts = FlagFalse;
  DrawObject(point);
  EXPECT_EQ(InkCount(), 1);
  EXPECT_TRUE(InkAt(1, 1));
}

TEST_F(ObjectDrawersTest, BandOfLineTypeZeroIsFilled) {
  const Long line = AddEntity(EntityLine, {{-5, 0}, {5, 0}});
  Objs[line].Width = 0.5;  // 5 pixels across
  DrawObject(line);
  EXPECT_TRUE(InkAt(0, 0));
  EXPECT_TRUE(InkAt(0, 0.2));
  EXPECT_FALSE(InkAt(0, 0.4));
}

TEST_F(ObjectDrawersTest, BandOfLineTypeOneIsOnlyItsOutline) {
  const Long line = AddEntity(EntityLine, {{-5, 0}, {5, 0}});
  Objs[line].Width = 0.5;
  Objs[line].Ltype = 1;
  DrawObject(line);
  EXPECT_FALSE(InkAt(0, 0));
  EXPECT_TRUE(InkAt(0, 0.2));  // outline drawn solid whatever the line type
  EXPECT_TRUE(InkAt(0, -0.2));
}

TEST_F(ObjectDrawersTest, EveryBandIsAnOutlineWhileFillsAreOff) {
  ShowFills = FlagFalse;
  const Long line = AddEntity(EntityLine, {{-5, 0}, {5, 0}});
  Objs[line].Width = 0.5;
  DrawObject(line);
  EXPECT_FALSE(InkAt(0, 0));
  EXPECT_TRUE(InkAt(0, 0.2));
}

TEST_F(ObjectDrawersTest, CircleWhoseCentreIsOutsideButWhoseRimEntersIsDrawn) {
  DrawObject(AddEntity(EntityCircle, {{12, 0}, {16, 0}}));
  EXPECT_TRUE(InkAt(8, 0));
}

TEST_F(ObjectDrawersTest, ExtentsPassTakesACirclesExtremePointsWhereverTheViewStands) {
  const Long circle = AddEntity(EntityCircle, {{50, 50}, {50, 52}});
  Dwgs[CurDwg].Xmin = Dwgs[CurDwg].Ymin = 1000;
  Dwgs[CurDwg].Xmax = Dwgs[CurDwg].Ymax = -1000;
  ExtentsPass = FlagTrue;
  DrawEnabled = FlagFalse;
  DrawObject(circle);
  EXPECT_EQ(Dwgs[CurDwg].Xmin, 48);
  EXPECT_EQ(Dwgs[CurDwg].Xmax, 52);
  EXPECT_EQ(Dwgs[CurDwg].Ymin, 48);
  EXPECT_EQ(Dwgs[CurDwg].Ymax, 52);
  EXPECT_EQ(InkCount(), 0);
}

TEST_F(ObjectDrawersTest, ShapesBeyondOneSideOfTheViewAreRejectedBeforeAnyConversion) {
  GdiPts[1] = GdiPoint{12345, 678};
  DrawObject(AddEntity(EntityPolyline, {{20, 0}, {30, 5}, {25, -5}}));
  DrawObject(AddEntity(EntityPolygon, {{-20, 0}, {-30, 5}, {-25, -5}}));
  EXPECT_EQ(GdiPts[1].X, 12345);
  EXPECT_EQ(GdiPts[1].Y, 678);
  DrawObject(AddEntity(EntityLine, {{1e300, 0}, {2e300, 1}}));
  EXPECT_EQ(InkCount(), 0);
}

// ---- Arcs and ellipses ---------------------------------------------------------------------

TEST_F(ObjectDrawersTest, ArcThroughTheUpperMiddleRunsFromZeroToPi) {
  DrawObject(AddEntity(EntityArc, {{0, 0}, {5, 0}, {0, 5}, {-5, 0}}));
  EXPECT_TRUE(InkNear(0, 5));
  EXPECT_FALSE(InkNear(0, -5));
}

TEST_F(ObjectDrawersTest, ArcThroughTheLowerMiddleRunsFromPiToZeroBelow) {
  DrawObject(AddEntity(EntityArc, {{0, 0}, {5, 0}, {0, -5}, {-5, 0}}));
  EXPECT_TRUE(InkNear(0, -5));
  EXPECT_FALSE(InkNear(0, 5));
}

TEST_F(ObjectDrawersTest, EllipseOnAHorizontalAxisIsTheSurfacesEllipseWithAspectHalf) {
  DrawObject(AddEntity(EntityEllipse, {{0, 0}, {4, 0}, {2, 1}, {2, -1}}));
  ImageSurface expected(Size, Size);
  expected.CircleAspect(Column(2), Row(0), 20, 0.5);
  EXPECT_TRUE(doc_.Image() == expected.Image());
  EXPECT_TRUE(InkAt(2, 1));
}

TEST_F(ObjectDrawersTest, TurnedEllipseIsDrawnInLinePiecesThroughItsAxisEnds) {
  const Double c = std::cos(Pi / 6), s = std::sin(Pi / 6);
  DrawObject(AddEntity(EntityEllipse, {{-4 * c, -4 * s}, {4 * c, 4 * s}, {-2 * s, 2 * c}, {2 * s, -2 * c}}));
  EXPECT_TRUE(InkNear(4 * c, 4 * s));
  EXPECT_TRUE(InkNear(-4 * c, -4 * s));
  EXPECT_TRUE(InkNear(-2 * s, 2 * c));
  EXPECT_TRUE(InkNear(2 * s, -2 * c));
  EXPECT_FALSE(InkNear(0, 0, 3));
}

TEST_F(ObjectDrawersTest, EllipseIsDrawnWhenOnlyItsLongerSecondAxisReachesTheView) {
  DrawObject(AddEntity(EntityEllipse, {{-1, 13}, {1, 13}, {0, 18}, {0, 8}}));
  EXPECT_TRUE(InkNear(0, 8));
}

// The point of parameter t on the ellipse of half axes a along +X and b along +Y.
void OnEllipse(Double a, Double b, Double t, Double& X, Double& Y) {
  X = a * std::cos(t);
  Y = b * std::sin(t);
}

TEST_F(ObjectDrawersTest, EllipticArcOnAHorizontalAxisRunsBetweenItsEndPoints) {
  SetView(20, 100, 100);
  Double x5 = 0, y5 = 0, x6 = 0, y6 = 0;
  OnEllipse(4, 2, Pi / 4, x5, y5);
  OnEllipse(4, 2, 3 * Pi / 4, x6, y6);
  DrawObject(AddEntity(EntityEllipticArc, {{-4, 0}, {4, 0}, {0, 2}, {0, -2}, {x5, y5}, {x6, y6}}));
  Double x = 0, y = 0;
  OnEllipse(4, 2, 50 * DegToRad, x, y);
  EXPECT_TRUE(InkNear(x, y));
  EXPECT_TRUE(InkNear(0, 2));
  OnEllipse(4, 2, 40 * DegToRad, x, y);
  EXPECT_FALSE(InkNear(x, y));
  EXPECT_FALSE(InkNear(0, -2));
}

TEST_F(ObjectDrawersTest, TurnedEllipticArcWhoseStartParameterExceedsItsEndRunsThroughZero) {
  // First axis a = 2 along 30 degrees, second b = 4 across it.
  const Double ux = std::cos(Pi / 6), uy = std::sin(Pi / 6);
  auto at = [&](Double t, Double& X, Double& Y) {
    X = 2 * std::cos(t) * ux - 4 * std::sin(t) * uy;
    Y = 2 * std::cos(t) * uy + 4 * std::sin(t) * ux;
  };
  Double x5 = 0, y5 = 0, x6 = 0, y6 = 0, x = 0, y = 0;
  at(-0.6, x5, y5);
  at(0.6, x6, y6);
  DrawObject(AddEntity(EntityEllipticArc,
                       {{-2 * ux, -2 * uy}, {2 * ux, 2 * uy}, {-4 * uy, 4 * ux}, {4 * uy, -4 * ux}, {x5, y5}, {x6, y6}}));
  EXPECT_TRUE(InkNear(2 * ux, 2 * uy));  // parameter 0, between the ends
  at(Pi / 2, x, y);
  EXPECT_FALSE(InkNear(x, y));
  at(Pi, x, y);
  EXPECT_FALSE(InkNear(x, y));
}

// ---- Splines and Beziers --------------------------------------------------------------------

TEST_F(ObjectDrawersTest, SplineOfThreePointsInALineIsTwoChords) {
  DrawObject(AddEntity(EntitySpline, {{-6, -3}, {0, 0}, {8, 4}}));
  const QImage spline = doc_.Image().copy();
  doc_.Cls();
  WorldLine(-6, -3, 0, 0);
  WorldLine(0, 0, 8, 4);
  EXPECT_TRUE(spline == doc_.Image());
  EXPECT_GT(InkCount(), 100);
}

TEST_F(ObjectDrawersTest, SplineSegmentOutOfViewStillLeadsTheNextOnesTangent) {
  const Long spline = AddEntity(EntitySpline, {{-30, 0}, {-12, 5}, {5, -2}, {9, 6}});
  DrawObject(spline);  // the first segment lies wholly left of the view
  const QImage culled = doc_.Image().copy();
  doc_.Cls();
  ViewWinMinX = -100;  // the same pixels, with the first segment drawn off the surface
  DrawObject(spline);
  EXPECT_TRUE(culled == doc_.Image());
  EXPECT_GT(InkCount(), 100);
}

TEST_F(ObjectDrawersTest, ContinuousBezierOfSevenPointsDrawsTwoSegments) {
  const Long curve = AddEntity(EntityContBezier, {{-8, 0}, {-7, 3}, {-5, 3}, {-4, 0}, {-3, -3}, {-1, -3}, {0, 0}});
  ScrPts[8] = {3, 6};  // left by an earlier entity: no third segment may reach them
  ScrPts[9] = {6, 6};
  ScrPts[10] = {8, 0};
  DrawObject(curve);
  EXPECT_TRUE(InkNear(-6, 2.25));  // middle of the first segment
  EXPECT_TRUE(InkNear(-2, -2.25));  // middle of the second
  EXPECT_FALSE(InkNear(4.375, 4.5, 3));
}

TEST_F(ObjectDrawersTest, ContinuousBezierOfFourPointsDrawsOneSegment) {
  const Long curve = AddEntity(EntityContBezier, {{-8, 0}, {-7, 3}, {-5, 3}, {-4, 0}});
  ScrPts[5] = {-3, -3};
  ScrPts[6] = {-1, -3};
  ScrPts[7] = {0, 0};
  DrawObject(curve);
  EXPECT_TRUE(InkNear(-6, 2.25));
  EXPECT_FALSE(InkNear(-2, -2.25, 3));
}

TEST_F(ObjectDrawersTest, ContinuousBezierLeavesOutAnUnfinishedSegment) {
  const Long curve = AddEntity(EntityContBezier, {{-8, 0}, {-7, 3}, {-5, 3}, {-4, 0}, {-3, -3}, {-1, -3}});
  ScrPts[7] = {8, -8};
  DrawObject(curve);
  EXPECT_TRUE(InkNear(-6, 2.25));
  EXPECT_FALSE(InkNear(2.5, -5.25, 3));  // where a segment towards the stale point would pass
}

// ---- Placements -----------------------------------------------------------------------------

TEST_F(ObjectDrawersTest, RemovingAPlacementGivesBackTheEnclosingOne) {
  const Long part = AddEntity(EntityComponent, {{3, -2}, {2, 0.5}, {135, 0}});
  DrawTextSample(250, 1, 1, 3, 3, 0);
  ApplyPlacement(part);
  EXPECT_NEAR(PlaceAngle, 25, 1e-4);  // 385 less a whole turn
  RemovePlacement(part);
  EXPECT_NEAR(PlaceAngle, 250, 1e-4);
  EXPECT_NEAR(PlaceScaleX, 3, 1e-6);
  EXPECT_NEAR(PlaceScaleY, 3, 1e-6);
  EXPECT_NEAR(PlaceX, 1, 1e-5);
  EXPECT_NEAR(PlaceY, 1, 1e-5);
}

}  // namespace
}  // namespace lintavo
