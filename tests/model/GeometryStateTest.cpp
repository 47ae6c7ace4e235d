// Geometry routines that read the program's state: the first pick, the view
// scales, the pick tolerance and the model's points.
#include "model/Geometry.h"
#include "model/Picks.h"
#include "model/ViewCache.h"
#include "support/ModelBuilders.h"
#include "support/ModelFixture.h"

namespace lintavo {
namespace {

class GeometryStateTest : public ModelFixture {};

TEST_F(GeometryStateTest, CircleCrossingsChooseTheOneNearerTheFirstPick) {
  PickedPoints[1] = WorldXY{0, -5};
  LineCircleIntersect(-10, 0, 10, 0, 0, 0, 3, 4);  // radius 5 about the origin
  EXPECT_NEAR(LineCircleY, 0, 1e-12);
  EXPECT_NEAR(std::fabs(LineCircleX), 5, 1e-12);
  PickedPoints[1] = WorldXY{0, 9};
  CircleCircleIntersect(0, 0, 5, 0, 6, 0, 11, 0);  // radii 5 and 5, centres 6 apart
  EXPECT_NEAR(CircleCircleX, 3, 1e-6);  // the angle of the centre line is a Single
  EXPECT_NEAR(CircleCircleY, 4, 1e-6);
}

TEST_F(GeometryStateTest, ArcStepAngleWorksInPixelsOfTheView) {
  ViewScaleX = ViewScaleY = 50;
  EXPECT_FLOAT_EQ(ArcStepAngle(3, 4, 2), 0.1f);               // 100 pixels
  EXPECT_FLOAT_EQ(ArcStepAngle(3, 4, -0.1), std::atan(1.0 / 5));  // 5 pixels, sign ignored
  EXPECT_FLOAT_EQ(ArcStepAngleS(3, 4, 0.1f), std::atan(1.0f / 5));
}

TEST_F(GeometryStateTest, SegmentHitTolAlsoWantsThePointNearTheSegment) {
  PickTolerance = 0.5;
  EXPECT_TRUE(SegmentHitTol(0, 0, 5, 0.3, 10, 0));
  EXPECT_FALSE(SegmentHitTol(0, 0, 5, 0.6, 10, 0));  // foot inside, point too far
  EXPECT_FALSE(SegmentHitTol(0, 0, 11, 0, 10, 0));   // foot beyond the end
}

TEST_F(GeometryStateTest, NearPntTestTestsASquareAroundTheChosenVertexAndTheNext) {
  Long line = AddLine(0, 0, 10, 0);
  PickTolerance = 1;
  Integer which = -1;
  EXPECT_FALSE(NearPntTest(0.5, 0.5, which));  // no vertex chosen yet
  EXPECT_EQ(which, 0);
  PickedPntIndex = Objs[line].PointID;
  EXPECT_TRUE(NearPntTest(0.9, -0.9, which));  // a square corner, outside a circle of 1
  EXPECT_EQ(which, 1);
  EXPECT_TRUE(NearPntTest(9.5, 0.2, which));
  EXPECT_EQ(which, 2);
  EXPECT_FALSE(NearPntTest(1.0, 0, which));  // the bound itself is outside
  EXPECT_EQ(which, 0);
}

TEST_F(GeometryStateTest, LinesShareEndPointComparesLineAndArcEndsExactly) {
  Long a = AddLine(0, 0, 10, 0);
  Long b = AddLine(10, 0, 10, 10);
  Long c = AddLine(10 + 1e-12, 0, 20, 0);
  Long arc = AddEntity(EntityArc, {{5, 5}, {10, 10}, {0, 20}, {-5, 5}});  // the centre first
  Long circle = AddCircle(10, 0, 1);
  EXPECT_TRUE(LinesShareEndPoint(a, b));
  EXPECT_FALSE(LinesShareEndPoint(a, c));
  EXPECT_TRUE(LinesShareEndPoint(b, arc));   // the arc's second point
  EXPECT_FALSE(LinesShareEndPoint(a, arc));  // the arc's centre is no end point
  EXPECT_FALSE(LinesShareEndPoint(a, circle));
}

}  // namespace
}  // namespace lintavo
