// The object under a point: FindObjAt with its skips and the distance of
// each object type.
#include <cmath>
#include <numbers>

#include "model/DataHand.h"
#include "model/UndoRedo.h"
#include "picking/Identify.h"
#include "support/ModelBuilders.h"
#include "support/ModelFixture.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

class IdentifyTest : public ModelFixture {
 protected:
  void SetUp() override {
    ModelFixture::SetUp();
    PickTolerance = 0.1F;
  }

  static Long AddPoint(Double x, Double y) { return AddEntity(EntityPoint, {{x, y}}); }
  // The object FindObjAt returns for a point, and its distance.
  static std::pair<Long, Double> Find(Double x, Double y) {
    Long obj = -1;
    Double dist = -1;
    FindObjAt(obj, x, y, dist);
    return {obj, dist};
  }
  static Double Sentinel() { return 100 * static_cast<Double>(PickTolerance); }
  static std::pair<Double, Double> OnEllipse(Double degrees) {  // half-axes 4 and 2 about (0, 0)
    const Double a = degrees * std::numbers::pi / 180;
    return {4 * std::cos(a), 2 * std::sin(a)};
  }
};

// ---- FindObjAt ------------------------------------------------------------------------------

TEST_F(IdentifyTest, APointIsMeasuredByItsCoordinateDifferences) {
  AddPoint(9, 9);
  const Long point = AddPoint(5, 5);
  const auto [obj, dist] = Find(5.03, 5.04);
  EXPECT_EQ(obj, point);
  EXPECT_NEAR(dist, 0.07, 1e-12);
}

TEST_F(IdentifyTest, AnEmptyDrawingGivesNoObjectAndTheSentinel) {
  const auto [obj, dist] = Find(1, 1);
  EXPECT_EQ(obj, 0);
  EXPECT_DOUBLE_EQ(dist, Sentinel());
}

TEST_F(IdentifyTest, ErasedHiddenLockedLayerAndOtherDrawingObjectsAreNeverReturned) {
  const Long far = AddPoint(3, 3);
  EraseObj(AddPoint(1, 1));
  Objs[AddPoint(1, 1)].Show = FlagFalse;

  NewItemName = "Locked";
  AddItem(ItemLayer);
  Items[ItemCount].Show = FlagTrue;
  Items[ItemCount].Lock = FlagTrue;
  Objs[AddPoint(1, 1)].LayerID = ItemCount;

  frmDocument other;
  Open(other, 2);
  AddPoint(1, 1);
  Activate(doc_);

  const auto [obj, dist] = Find(1, 1);
  EXPECT_EQ(obj, far);
  EXPECT_DOUBLE_EQ(dist, 4);
}

TEST_F(IdentifyTest, TheCurrentLayerIsPickableEvenLockedAndOtherLayersOnlyWhileShown) {
  const Long onTop = AddPoint(1, 1);
  const Long onOther = AddPoint(3, 3);
  NewItemName = "Top";
  AddItem(ItemLayer);
  const Long top = ItemCount;
  Items[top].Lock = FlagTrue;  // hidden and locked, but current
  NewItemName = "Other";
  AddItem(ItemLayer);
  const Long other = ItemCount;
  Items[other].Show = FlagTrue;
  doc_.Current_Layer = top;
  Objs[onTop].LayerID = top;
  Objs[onOther].LayerID = other;

  EXPECT_EQ(Find(1, 1).first, onTop);
  EXPECT_EQ(Find(3, 3).first, onOther);
  doc_.View_Layers = FlagFalse;  // only the current layer then
  EXPECT_EQ(Find(3, 3).first, onTop);
}

TEST_F(IdentifyTest, DimensionsFillsAndHatchesAreNeverWithinReach) {
  for (Integer type : {EntityDimension, EntityFill, EntityHatch}) {
    const Long compound = AddEntity(type, {{1, 1}});
    const auto [obj, dist] = Find(1, 1);
    EXPECT_EQ(obj, compound) << type;  // named, but at the sentinel: no caller takes it
    EXPECT_DOUBLE_EQ(dist, Sentinel()) << type;
  }
  const Long point = AddPoint(2, 2);
  EXPECT_EQ(Find(1, 1).first, point);  // anything measured beats them
}

TEST_F(IdentifyTest, OfTwoIdenticalLinesTheLaterIsReturned) {
  AddLine(0, 0, 4, 0);
  const Long later = AddLine(0, 0, 4, 0);
  EXPECT_EQ(Find(2, 0.05).first, later);
}

TEST_F(IdentifyTest, ADamagedRecordIsNotMeasured) {
  const Long point = AddPoint(1.05, 1);
  AddObj(EntityLine, 1);  // one point where a line reads two, the last in the table
  AddPnt(1, 1);
  const auto [obj, dist] = Find(1, 1);
  EXPECT_EQ(obj, point);
  EXPECT_NEAR(dist, 0.05, 1e-12);
}

// ---- Distances by type ----------------------------------------------------------------------

TEST_F(IdentifyTest, ACircleIsMeasuredRadiallyFromEveryDirection) {
  const Long circle = AddEntity(EntityCircle, {{0, 0}, {3, 0}});
  auto [obj, dist] = Find(0, 3.02);
  EXPECT_EQ(obj, circle);
  EXPECT_NEAR(dist, 0.02, 1e-12);
  EXPECT_NEAR(Find(-2.9, 0).second, 0.1, 1e-12);
  EXPECT_NEAR(Find(0, 0).second, 3, 1e-12);  // the centre: the radius
}

TEST_F(IdentifyTest, ASegmentMeasuresToItsFootOrToTheNearerEnd) {
  EXPECT_DOUBLE_EQ(DistancePointToSegment(0, 0, 4, 0, 2, 0.5), 0.5);
  EXPECT_DOUBLE_EQ(DistancePointToSegment(0, 0, 4, 4, 0, 2), 2);  // foot (1, 1): |dx| + |dy|
  EXPECT_DOUBLE_EQ(DistancePointToSegment(0, 0, 4, 0, 5, 1), 2);  // beyond the second end
  EXPECT_DOUBLE_EQ(DistancePointToSegment(0, 0, 4, 4, -1, -2), 3);  // beyond the first end
  EXPECT_DOUBLE_EQ(DistancePointToSegment(2, 2, 2, 2, 3, 4), 3);  // zero length
}

TEST_F(IdentifyTest, APolylineReportsItsNearestChordAtAnyReach) {
  const Long chain = AddEntity(EntityPolyline, {{0, 0}, {4, 0}, {4, 0.12}, {0, 0.12}});
  auto [obj, dist] = Find(2, 0.08);  // chord 1 at 0.08, chord 3 at 0.04
  EXPECT_EQ(obj, chain);
  EXPECT_NEAR(dist, 0.04, 1e-12);
  EXPECT_EQ(HitSegment, 3);

  HitSegment = 0;
  dist = Find(4.15, 0.06).second;  // chord 2 between one and two tolerances
  EXPECT_NEAR(dist, 0.15, 1e-12);
  EXPECT_EQ(HitSegment, 2);
}

TEST_F(IdentifyTest, TheChordReportedIsThatOfThePolylineReturnedNotOfALaterOneNearby) {
  const Long picked = AddEntity(EntityPolyline, {{0, 0}, {4, 0}, {4, 4}});
  AddEntity(EntityPolyline, {{3.8, 3}, {3.8, 1}, {0, 1}});  // its chord 1 lies 0.15 away
  HitSegment = 0;
  const auto [obj, dist] = Find(3.95, 2);
  EXPECT_EQ(obj, picked);
  EXPECT_NEAR(dist, 0.05, 1e-12);
  EXPECT_EQ(HitSegment, 2);
  AddPoint(3.95, 2);  // a point returned: the chord is left as it was
  Find(3.95, 2);
  EXPECT_EQ(HitSegment, 2);
}

TEST_F(IdentifyTest, AnArcIsHitOnlyWithinItsAngleRangeAndReach) {
  // Centre (0, 0), radius 2, from 0 to 90 degrees through 45.
  const Double r = 2, h = std::sqrt(2.0);
  const Long arc = AddEntity(EntityArc, {{0, 0}, {r, 0}, {h, h}, {0, r}});
  EXPECT_EQ(Find(h + 0.03, h).first, arc);
  EXPECT_DOUBLE_EQ(Find(-2, 0).second, Sentinel());  // on the circle, off the arc
  EXPECT_DOUBLE_EQ(Find(2.3, 0.1).second, Sentinel());  // in range, out of reach

  // Point 3 at the angle of an end: the arc covers the rest of the circle.
  const Long outer = AddEntity(EntityArc, {{10, 0}, {12, 0}, {12, 0}, {10, 2}});
  EXPECT_EQ(Find(8, 0).first, outer);
  EXPECT_DOUBLE_EQ(Find(10 + h, h).second, Sentinel());
}

TEST_F(IdentifyTest, AnEllipseIsMeasuredOnItsRadiusInTheDirectionOfThePoint) {
  const Long ellipse = AddEntity(EntityEllipse, {{-4, 0}, {4, 0}, {0, -2}, {0, 2}});
  auto [x, y] = OnEllipse(30);
  const auto [obj, dist] = Find(x * 1.01, y * 1.01);
  EXPECT_EQ(obj, ellipse);
  EXPECT_NEAR(dist, 0.01 * std::hypot(x, y), 1e-5);
  EXPECT_NEAR(Find(0, 0).second, 2, 1e-5);
}

TEST_F(IdentifyTest, AnEllipticalArcThroughZeroIsHitOnlyOnItsOwnSide) {
  const auto [sx, sy] = OnEllipse(300);
  const auto [ex, ey] = OnEllipse(60);
  AddEntity(EntityEllipticArc, {{-4, 0}, {4, 0}, {0, -2}, {0, 2}, {sx, sy}, {ex, ey}});
  EXPECT_NEAR(Find(4.02, 0).second, 0.02, 1e-5);
  EXPECT_DOUBLE_EQ(Find(-4.02, 0).second, Sentinel());
}

TEST_F(IdentifyTest, BezierCurvesAreMeasuredOnThreeChordsOfEachPiece) {
  // A straight cubic along y = 0 from 0 to 3: the chords lie on the x axis.
  const Long bezier = AddEntity(EntityBezier, {{0, 0}, {1, 0}, {2, 0}, {3, 0}});
  EXPECT_EQ(Find(1.5, 0.05).first, bezier);
  EXPECT_NEAR(Find(1.5, 0.05).second, 0.05, 1e-12);
  EXPECT_DOUBLE_EQ(Find(1.5, 1).second, Sentinel());  // all four control segments out of the box

  const Long pieces =
      AddEntity(EntityContBezier, {{10, 0}, {11, 0}, {12, 0}, {13, 0}, {13, 1}, {13, 2}, {13, 3}});
  EXPECT_EQ(Find(13.04, 1.5).first, pieces);
  EXPECT_EQ(HitSegment, 3);  // the second piece starts at the fourth point
}

}  // namespace
}  // namespace lintavo
