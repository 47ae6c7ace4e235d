// Dividing a path into stations: the count, the spacing, where the walk
// starts, the side and distance of the stations, the walk along each kind of
// curve, and what a station past the count gives.
#include <QColor>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "commands/EditFixture.h"
#include "commands/PathStations.h"
#include "support/ModelBuilders.h"

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

struct Expected {
  Integer i;
  Double x, y, direction;  // direction in degrees
};

TEST_F(PathStationsTest, EachKindOfPathIsWalkedAtItsOffset) {
  const Double q = 1 / std::sqrt(2.0);
  const struct {
    const char* what;
    Integer type;
    std::initializer_list<std::pair<Double, Double>> points;
    Double clickX, clickY;  // the offset point
    Double length;          // of the path as measured
    Integer sideFlag;
    Double offset;
    Single spacing;
    Integer count;  // given
    Integer countOut;
    Double spacingOut;
    Expected first, second;
  } cases[] = {
      {"line, point above", EntityLine, {{0, 1}, {10, 1}}, 5, 2, 10, FlagTrue, 1, 0, 4, 4, 2.5,
       {1, 0, 2, 0}, {2, 2.5, 2, 0}},
      {"line drawn downwards, point to its right", EntityLine, {{1, 5}, {1, 1}}, 2, 3, 4, FlagTrue, 1, 0, 2, 2, 2,
       {1, 2, 5, 270}, {2, 2, 3, 270}},
      {"circle, point outside: clockwise from the left", EntityCircle, {{3, 3}, {4, 3}}, 4.5, 3, 2 * Pi, FlagTrue,
       0.5, 0, 4, 4, 2 * Pi * 1.5 / 4, {1, 1.5, 3, 90}, {2, 3, 4.5, 0}},
      {"circle, point inside, spacing widened", EntityCircle, {{3, 3}, {4, 3}}, 3.5, 3, 2 * Pi, FlagFalse, 0.5, 1,
       0, 2, 1.25, {1, 2.5, 3, 90}, {2, 3.5, 3, 270}},
      {"arc, walked back from its end", EntityArc, {{3, 3}, {4, 3}, {3, 4}, {2, 3}}, 3, 4, Pi, FlagFalse, 0, 0, 2,
       2, Pi / 2, {1, 2, 3, 90}, {2, 3, 4, 0}},
      {"arc through angle 0", EntityArc, {{3, 3}, {3, 2}, {4, 3}, {3, 4}}, 4, 3, Pi, FlagFalse, 0, 0, 2, 2,
       Pi / 2, {1, 3, 4, 0}, {2, 4, 3, 270}},
      {"ellipse, point outside", EntityEllipse, {{1, 3}, {5, 3}, {3, 4}, {3, 2}}, 3, 4.5, 9.688448, FlagTrue, 0.5,
       0, 4, 4, 12.763 / 4, {1, 5.5, 3, 270}, {2, 3, 1.5, 180}},
      {"elliptical arc, its upper half", EntityEllipticArc, {{1, 3}, {5, 3}, {3, 4}, {3, 2}, {5, 3}, {1, 3}}, 3, 4,
       9.688448 / 2, FlagFalse, 0, 0, 2, 2, 9.688448 / 4, {1, 1, 3, 90}, {2, 3, 4, 0}},
      {"closed spline through four points of a circle", EntitySpline,
       {{4, 3}, {3, 4}, {2, 3}, {3, 2}, {4, 3}}, 4, 3, 4 * std::sqrt(2.0), FlagFalse, 0, 0.5F, 0, 8, 0.5,
       {1, 4, 3, 90}, {2, 3 + q, 3 + q, 135}},
      {"straight spline: stations on its chords", EntitySpline, {{0, 1}, {1, 1}, {2, 1}}, 1, 1, 2, FlagFalse, 0,
       0.5F, 0, 4, 0.5, {1, 0, 1, 0}, {4, 1.5, 1, 0}},
  };
  for (const auto& c : cases) {
    const Long path = AddEntity(c.type, c.points);
    Double length = 0;
    MeasurePath(path, length);
    EXPECT_NEAR(length, c.length, 1e-4) << c.what;
    ProjectOnPath(c.clickX, c.clickY);
    EXPECT_EQ(PathSideFlag, c.sideFlag) << c.what;
    EXPECT_NEAR(PathOffset, c.offset, 1e-6) << c.what;
    Single spacing = c.spacing;
    Integer count = c.count;
    DividePath(spacing, count);
    EXPECT_EQ(count, c.countOut) << c.what;
    EXPECT_NEAR(spacing, c.spacingOut, 1e-3) << c.what;
    for (const Expected& e : {c.first, c.second}) {
      Double x = -99, y = -99;
      Single direction = -1;
      GetPathPoint(x, y, direction, e.i);
      EXPECT_NEAR(x, e.x, 1e-5) << c.what << " station " << e.i;
      EXPECT_NEAR(y, e.y, 1e-5) << c.what << " station " << e.i;
      EXPECT_NEAR(direction * 180 / Pi, e.direction, 1e-3) << c.what << " station " << e.i;
    }
  }
}

TEST_F(PathStationsTest, CurvedSplineStationsFollowTheCurve) {
  Double length = 0;
  MeasurePath(AddEntity(EntitySpline, {{4, 3}, {3, 4}, {2, 3}, {3, 2}, {4, 3}}), length);
  ProjectOnPath(4, 3);
  Single spacing = 0.25F;
  Integer count = 0;
  DividePath(spacing, count);
  ASSERT_EQ(count, 20);  // five to a quarter
  for (Integer i = 1; i <= count; ++i) {
    Double x = 0, y = 0;
    Single direction = 0;
    GetPathPoint(x, y, direction, i);
    EXPECT_NEAR(std::hypot(x - 3, y - 3), 1, 1e-6) << i;  // on the circle the spline draws
    const Double radial = std::atan2(y - 3, x - 3);
    EXPECT_NEAR(std::cos(direction - radial), 0, 1e-5) << i;  // along it
  }
}

TEST_F(PathStationsTest, TheTableStoresNoMoreThanTwiceTheCountAskedFor) {
  const struct {
    Integer type;
    std::initializer_list<std::pair<Double, Double>> points;
    Integer count, stored;
  } cases[] = {
      {EntitySpline, {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}}, 1, 2},  // one station a span
      {EntityBezier, {{0, 1}, {1, 2}, {2, 2}, {3, 1}}, 4, 0},           // no stations
  };
  for (const auto& c : cases) {
    Double length = 0;
    MeasurePath(AddEntity(c.type, c.points), length);
    EXPECT_GT(length, 0);
    ProjectOnPath(1, 1);
    Single spacing = 0;
    Integer count = c.count;
    DividePath(spacing, count);
    EXPECT_EQ(count, c.stored) << c.type;
    Double x = -99, y = -99;
    Single direction = -1;
    GetPathPoint(x, y, direction, c.stored + 1);
    EXPECT_EQ(x, -99);
  }
}

TEST_F(PathStationsTest, ThePathIsShownOnceInMagentaKeepingItsColour) {
  const Long path = AddCircle(3, 3, 1);
  const Long ownColor = Objs[path].Color;
  RefreshDocView(doc_);
  Double length = 0;
  MeasurePath(path, length);
  const auto magentaPixels = [this] {
    const QImage image = doc_->Image().convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == qRgb(255, 0, 255);
    return n;
  };
  EXPECT_EQ(magentaPixels(), 0);
  ResetPathLine();
  EXPECT_GT(magentaPixels(), 20);
  EXPECT_EQ(Objs[path].Color, ownColor);
  RefreshDocView(doc_);  // as its callers do when they end
  EXPECT_EQ(magentaPixels(), 0);
}

}  // namespace
}  // namespace lintavo
