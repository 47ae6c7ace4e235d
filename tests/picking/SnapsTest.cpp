// The search for the nearest stored object point.
#include <initializer_list>
#include <limits>
#include <utility>

#include "picking/Snaps.h"
#include "support/ModelBuilders.h"
#include "support/ModelFixture.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

class SnapsTest : public ModelFixture {
 protected:
  void SetUp() override {
    ModelFixture::SetUp();
    PickTolerance = 0.2F;  // the search reaches 20
  }

  Double x_ = 1, y_ = 1;  // the point searched from, and the result
  Long objNo_ = -1;
  Single dist_ = -1;
};

TEST_F(SnapsTest, TheFirstPointWithinTheToleranceWinsOverANearerLaterOne) {
  AddEntity(EntityLine, {{5, 5}, {1.1, 1}});
  const Long first = ObjCount;
  AddEntity(EntityLine, {{1.02, 1}, {9, 9}});
  NearestObjPoint(x_, y_, objNo_, dist_);
  EXPECT_EQ(objNo_, first);
  EXPECT_DOUBLE_EQ(x_, 1.1);
  EXPECT_DOUBLE_EQ(y_, 1);
  EXPECT_FLOAT_EQ(dist_, 0.1F);
}

TEST_F(SnapsTest, BeyondTheToleranceTheNearestPointWithinAHundredTolerancesWins) {
  AddEntity(EntityPoint, {{11, 11.5}});                  // 20.5: beyond the reach
  NearestObjPoint(x_, y_, objNo_, dist_);
  EXPECT_EQ(objNo_, 0);
  EXPECT_EQ(dist_, 0);
  EXPECT_DOUBLE_EQ(x_, 1);  // left as it was
  EXPECT_DOUBLE_EQ(y_, 1);

  AddEntity(EntityLine, {{4, 1}, {1, 3.5}});             // 3, then 2.5 by |dx| + |dy|
  const Long nearer = AddEntity(EntityPoint, {{2, 2}});  // 2
  AddEntity(EntityPoint, {{0, 0}});                      // 2 as well, later
  NearestObjPoint(x_, y_, objNo_, dist_);
  EXPECT_EQ(objNo_, nearer);
  EXPECT_DOUBLE_EQ(x_, 2);
  EXPECT_DOUBLE_EQ(y_, 2);
  EXPECT_FLOAT_EQ(dist_, 2);
}

TEST_F(SnapsTest, HiddenEntitiesOtherDrawingsAndCompoundPlacementPointsAreNotOffered) {
  AddEntity(EntityPoint, {{1.01, 1}});
  Objs[ObjCount].Show = FlagFalse;
  AddEntity(EntityComponent, {{6, 6}, {1, 1.01}, {0, 0}});  // only its insertion point counts
  frmDocument other;
  Open(other, 2);
  AddEntity(EntityPoint, {{1, 1.02}});
  Activate(doc_);
  const Long shown = AddEntity(EntityLine, {{3, 1}, {1, 2}});
  NearestObjPoint(x_, y_, objNo_, dist_);
  EXPECT_EQ(objNo_, shown);
  EXPECT_DOUBLE_EQ(x_, 1);
  EXPECT_DOUBLE_EQ(y_, 2);
}

TEST_F(SnapsTest, APointThatIsNotANumberOrOutsideThePointTableIsNeverOffered) {
  const Long near = AddEntity(EntityPoint, {{3, 3}});                 // 4
  AddEntity(EntityPoint, {{std::numeric_limits<Double>::quiet_NaN(), 1}});  // must not make 16 look nearer
  AddEntity(EntityPoint, {{9, 9}});                                    // 16
  AddEntity(EntityPoint, {{5, 5}});
  Objs[ObjCount].PointID = 0;  // would read the unused record 0, at (0, 0): 2
  NearestObjPoint(x_, y_, objNo_, dist_);
  EXPECT_EQ(objNo_, near);
  EXPECT_FLOAT_EQ(dist_, 4);
  EXPECT_DOUBLE_EQ(x_, 3);
}

TEST_F(SnapsTest, TheIndexedSearchAnswersAsTheFullScan) {
  struct Case {
    const char* name;
    std::initializer_list<std::pair<Double, Double>> points;  // one point entity each, in table order
    Long objNo;                                               // expected, 0 none
    Double x, y;
  };
  const Case cases[] = {
      {"half then a fifth of the tolerance: the first", {{1.1, 1}, {1, 1.04}}, 1, 1.1, 1},
      {"nothing within a hundred tolerances", {{31, 1}, {1, -30}}, 0, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Long base = ObjCount;
    for (const auto& point : c.points) AddEntity(EntityPoint, {point});
    Double x = 1, y = 1, sx = 1, sy = 1;
    Long objNo = -1, scanNo = -1;
    Single dist = -1, scanDist = -1;
    NearestObjPoint(x, y, objNo, dist);
    NearestObjPointByScan(sx, sy, scanNo, scanDist);
    EXPECT_EQ(objNo, c.objNo ? base + c.objNo : 0);
    EXPECT_DOUBLE_EQ(x, c.x);
    EXPECT_DOUBLE_EQ(y, c.y);
    if (c.objNo == 0) {
      EXPECT_EQ(dist, 0);
    }
    EXPECT_EQ(scanNo, objNo);
    EXPECT_EQ(scanDist, dist);
    EXPECT_EQ(sx, x);
    EXPECT_EQ(sy, y);
    for (Long i = base + 1; i <= ObjCount; ++i) Objs[i].Show = FlagFalse;
  }
}

}  // namespace
}  // namespace lintavo
