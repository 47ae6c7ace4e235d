// Dividing a path into stations: the count, the spacing, where the walk
// starts and what a station past the count gives.
#include "commands/EditFixture.h"
#include "commands/PathStations.h"

namespace lintavo {
namespace {

class PathStationsTest : public EditFixture {};

TEST_F(PathStationsTest, CountAndSpacingFollowFromEachOther) {
  const struct {
    Double x1, x2;          // the line from (x1, 0) to (x2, 0)
    Single spacing;         // given
    Integer count;          // given
    Single spacingOut;
    Integer countOut;
    Double firstX;          // station 1; -99 when there is none
  } cases[] = {
      {0, 10, 0, 4, 2.5F, 4, 0},
      {10, 0, 0, 4, 2.5F, 4, 0},   // drawn right to left: from its left end
      {0, 10, 2, 0, 2.0F, 5, 0},   // a spacing gives the count
      {0, 10, 0, 0, 0, 1, -99},    // neither: one, and no station
  };
  for (const auto& c : cases) {
    const Long line = AddLine(c.x1, 0, c.x2, 0);
    Double length = 0;
    MeasurePath(line, length);
    ProjectOnPath(5, 0);
    Single spacing = c.spacing;
    Integer count = c.count;
    DividePath(spacing, count);
    EXPECT_EQ(count, c.countOut) << c.x1 << " " << c.count;
    EXPECT_EQ(spacing, c.spacingOut);
    Double x = -99, y = -99;
    Single direction = -1;
    GetPathPoint(x, y, direction, 1);
    EXPECT_NEAR(x, c.firstX, 1e-9);
    GetPathPoint(x, y, direction, count + 1);  // past the count: unchanged
    EXPECT_NEAR(x, c.firstX, 1e-9);
  }
}

}  // namespace
}  // namespace lintavo
