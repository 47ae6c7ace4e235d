// Curves far larger than the window, reached by zooming in, by their own
// size or by edits: the window shows the part of them that crosses it, and
// a redraw walks no more than the window holds. Straight pieces reaching
// millions of pixels past the window keep their course across it.
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>

#include "commands/EditFixture.h"
#include "model/ViewCache.h"
#include "platform/Colors.h"
#include "platform/Numbers.h"
#include "view/DisplayOptions.h"
#include "view/Outline.h"

namespace lintavo {
namespace {

class HugeCurvesTest : public EditFixture {
 public:
  // The device column of a world X, and the rows of the window.
  int Column(Double x) const { return RoundToLong(x * ViewScaleX + ViewBaseX); }
  // Pixels of the picture that are not the background, in that column and elsewhere.
  void CountDrawn(int column, int& inColumn, int& elsewhere) const {
    const QImage& image = doc_->Image();
    const QRgb background = image.pixel(image.width() - 1, 0);
    inColumn = elsewhere = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) == background) continue;
        (std::abs(x - column) <= 1 ? inColumn : elsewhere) += 1;
      }
  }
  void ZoomInAt(Double x, Double y, int clicks) {
    DrawingDriver::Choose("mnuViewZoomIn");
    for (int i = 0; i < clicks; ++i) input_->ClickAt(x, y);
    input_->Escape();
  }
  // Whether view pixel (x, y), y upward, lies at least `margin` pixels
  // inside the window.
  static bool InWindow(Double x, Double y, Double margin) {
    return x >= margin && x <= ViewPixMaxX - margin && y >= margin && y <= ViewPixMaxY - margin;
  }
  // Whether the picture has ink within `reach` pixels of view pixel (x, y).
  bool InkNear(Double x, Double y, int reach) const {
    const QImage& image = doc_->Image();
    const int column = RoundToLong(x), row = RoundToLong(ViewPixMaxY - y);
    for (int r = row - reach; r <= row + reach; ++r)
      for (int c = column - reach; c <= column + reach; ++c)
        if (image.valid(c, r) && image.pixel(c, r) != ToQColor(DwgBackColor).rgb()) return true;
    return false;
  }
};

// ---- Straight pieces reaching far past the pixel limit -----------------------------------

// At 2 pixels to the unit with the world origin O at view pixel (100, 100),
// pieces from O towards F, and from O towards G beside it, both millions of
// pixels (or far more) past the pixel limit in x and in y: held at the
// limit coordinate by coordinate, F and G would both stand on one corner of
// it, and every piece would bend towards that corner.
struct FarReach {
  const char* name;
  Double fx, fy;  // F, world units
  Double gx, gy;  // G, world units
};

// What of the wedge between the sides towards F and G shows.
enum class Wedge { NoSide, Blank, Filled };

struct FarShape {
  const char* name;
  Long (*make)(const FarReach& to);
  Wedge wedge;  // NoSide: only the side towards F is drawn
};

// A direction in view pixels, y upward.
struct Direction {
  Double X = 0;
  Double Y = 0;
};

// The unit vector of the world direction (x, y): the same in view pixels,
// both axes having 2 pixels to the unit.
Direction UnitOf(Double x, Double y) { return {x / std::hypot(x, y), y / std::hypot(x, y)}; }

TEST_F(HugeCurvesTest, StraightPiecesReachingFarPastThePixelLimitKeepTheirCourseAcrossTheWindow) {
  const FarReach reaches[] = {
      {"towards (2e7, 1e7)", 2e7, 1e7, 1e7, 2e7},
      {"towards (-3e7, 1e7)", -3e7, 1e7, -3e7, 3e7},
      {"towards (1e15, -5e14)", 1e15, -5e14, 5e14, -1e15},
  };
  const FarShape shapes[] = {
      {"a line", [](const FarReach& to) { return AddLine(0, 0, to.fx, to.fy); }, Wedge::NoSide},
      {"a polyline coming from behind O",
       [](const FarReach& to) {
         const Direction u = UnitOf(to.fx, to.fy);
         return AddPolyline({{-10 * u.X, -10 * u.Y}, {0, 0}, {to.fx, to.fy}});
       },
       Wedge::NoSide},
      {"a polygon's outline",
       [](const FarReach& to) { return AddEntity(EntityPolygon, {{0, 0}, {to.fx, to.fy}, {to.gx, to.gy}}); },
       Wedge::Blank},
      {"a filled polygon",
       [](const FarReach& to) { return AddEntity(EntityPolygon, {{0, 0}, {to.fx, to.fy}, {to.gx, to.gy}}); },
       Wedge::Filled},
  };
  for (const FarReach& to : reaches) {
    for (const FarShape& shape : shapes) {
      SCOPED_TRACE(testing::Message() << shape.name << " " << to.name);
      ShowAtScale(doc_, 2, 100);
      const Long id = shape.make(to);
      Objs[id].Ltype = shape.wedge == Wedge::Blank ? vbFSTransparent : 0;  // solid lines, an empty or solid inside
      RefreshDocView(doc_);
      const Direction u = UnitOf(to.fx, to.fy), v = UnitOf(to.gx, to.gy);
      const Direction w = UnitOf(u.X + v.X, u.Y + v.Y);
      // Along each side drawn: the pixels of its exact course are inked, and
      // 6 pixels off it (both ways for a line, away from the inside for a
      // polygon) nothing is.
      const int sides = shape.wedge == Wedge::NoSide ? 1 : 2;
      for (int k = 0; k < sides; ++k) {
        const Direction side = k == 0 ? u : v, other = k == 0 ? v : u;
        Direction off{-side.Y, side.X};
        if (off.X * other.X + off.Y * other.Y > 0) off = {-off.X, -off.Y};
        int checked = 0;
        for (Double s = 10; s < 400; s += 10) {
          const Double x = 100 + s * side.X, y = 100 + s * side.Y;
          if (!InWindow(x + 6 * off.X, y + 6 * off.Y, 2) || !InWindow(x - 6 * off.X, y - 6 * off.Y, 2)) continue;
          ++checked;
          EXPECT_TRUE(InkNear(x, y, 1)) << "on the course at " << x << ", " << y;
          EXPECT_FALSE(InkNear(x + 6 * off.X, y + 6 * off.Y, 0)) << "off the course at " << x << ", " << y;
          if (shape.wedge == Wedge::NoSide) EXPECT_FALSE(InkNear(x - 6 * off.X, y - 6 * off.Y, 0));
        }
        EXPECT_GE(checked, 5);
      }
      // Within the wedge, well clear of its sides.
      for (Double s = 60; shape.wedge != Wedge::NoSide && s < 400; s += 20) {
        const Double x = 100 + s * w.X, y = 100 + s * w.Y;
        if (InWindow(x, y, 2))
          EXPECT_EQ(InkNear(x, y, 0), shape.wedge == Wedge::Filled) << "inside at " << x << ", " << y;
      }
      EXPECT_TRUE(EqualsFreshRedraw());
      for (Long i = 1; i <= ObjCount; ++i) Objs[i].DwgNo = 0;
    }
  }
}

// The ghost of a Move of such a line follows the mouse along its own
// course, and goes without a trace.
TEST_F(HugeCurvesTest, TheMoveGhostOfALineReachingFarPastThePixelLimitKeepsItsCourse) {
  OutlineEnabled = FlagTrue;
  SelectedLineType = 0;  // the selected line and its ghost solid, not dotted
  ShowAtScale(doc_, 2, 100);
  for (const FarReach& to : {FarReach{"towards (2e7, 1e7)", 2e7, 1e7, 0, 0},
                             FarReach{"towards (1e15, -5e14)", 1e15, -5e14, 0, 0}}) {
    SCOPED_TRACE(to.name);
    const Long line = AddLine(0, 0, to.fx, to.fy);
    Objs[line].Ltype = 0;
    RefreshDocView(doc_);
    DrawingDriver::Choose("mnuSelectAll");
    DrawingDriver::Choose("mnuEditMove");
    input_->ClickAt(0, 0);
    input_->MoveTo(0, 30);  // the ghost starts at view pixel (100, 160)
    ASSERT_EQ(OutlineShown, FlagTrue);
    const Direction u = UnitOf(to.fx, to.fy);
    int checked = 0;
    for (Double s = 10; s < 400; s += 10) {
      const Double x = 100 + s * u.X, y = 160 + s * u.Y;
      if (!InWindow(x, y + 6, 2) || !InWindow(x, y - 6, 2)) continue;
      ++checked;
      EXPECT_TRUE(InkNear(x, y, 1)) << "on the ghost's course at " << x << ", " << y;
      EXPECT_FALSE(InkNear(x, y + 6, 0)) << "above it at " << x << ", " << y;
      EXPECT_FALSE(InkNear(x, y - 6, 0)) << "below it at " << x << ", " << y;
    }
    EXPECT_GE(checked, 5);
    input_->Escape();
    EXPECT_EQ(OutlineShown, 0);
    EXPECT_TRUE(EqualsFreshRedraw());
    Objs[line].DwgNo = 0;
  }
}

TEST_F(HugeCurvesTest, ACurveFarLargerThanTheWindowShowsAsTheLineItIsThere) {
  // Each curve passes upright through world x = 3 at the window's middle
  // height and bends away by far less than a pixel across the window.
  const struct {
    const char* name;
    std::function<void(HugeCurvesTest&)> make;
  } rows[] = {
      {"a circle zoomed in 25 times", [](HugeCurvesTest& t) {
         AddCircle(4, 3, 1);
         t.ZoomInAt(3, 3, 25);
       }},
      {"a circle of radius 1e8", [](HugeCurvesTest&) { AddCircle(3 + 1e8, 3, 1e8); }},
      {"a half circle of radius 1e8", [](HugeCurvesTest&) {
         AddObj(EntityArc, 4);
         AddPnt(3 + 1e8, 3);  // centre, start, the leftmost point (3, 3), end
         AddPnt(3 + 1e8, 3 + 1e8);
         AddPnt(3, 3);
         AddPnt(3 + 1e8, 3 - 1e8);
       }},
      {"a ten-point polyline zoomed in 20 times", [](HugeCurvesTest& t) {
         AddObj(EntityPolyline, 10);
         for (int k = 0; k < 10; ++k) AddPnt(3 + (k % 2) * 1e-9, k - 2.0);
         t.ZoomInAt(3, 3, 20);
       }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ShowAtScale(doc_, 48, 24);
    RefreshDocView(doc_);
    row.make(*this);
    RefreshDocView(doc_);
    int inColumn = 0, elsewhere = 0;
    CountDrawn(Column(3), inColumn, elsewhere);
    EXPECT_GE(inColumn, doc_->Image().height() - 2);
    EXPECT_EQ(elsewhere, 0);
    EXPECT_TRUE(EqualsFreshRedraw());
    for (Long i = 1; i <= ObjCount; ++i) Objs[i].DwgNo = 0;
  }
}

TEST_F(HugeCurvesTest, EditsThatMakeACurveHugeLeaveAPictureOfTheWindowsSize) {
  const struct {
    const char* name;
    std::function<void()> edit;
  } rows[] = {
      {"a circle rescaled by 3e38 twice", [this] {
         AddCircle(3, 3, 1);
         SelectWindow(1.5, 1.5, 4.5, 4.5);
         for (int i = 0; i < 2; ++i) {
           DrawingDriver::Choose("mnuEditRescale");
           input_->ClickAt(3, 3);  // about the centre: the circle grows round the window
           for (const char* scale : {"300000000000000000000000000000000000000", "300000000000000000000000000000000000000"}) {
             input_->Type(scale);
             input_->Enter();
           }
         }
         ASSERT_NEAR(PX(ObjCount, 2) - PX(ObjCount, 1), 9e76, 1e70);
         ASSERT_EQ(PX(ObjCount, 1), 3);
       }},
      {"move point on an arc whose points coincide", [this] {
         AddObj(EntityArc, 4);
         for (int k = 0; k < 4; ++k) AddPnt(3, 3);
         RefreshDocView(doc_);
         DrawingDriver::Choose("mnuTrimsMP");
         input_->ClickAt(3, 3);
         input_->ClickAt(3, 3);
         input_->MoveTo(3.2, 3.1);
         input_->MoveTo(3.4, 3.3);
         input_->Escape();
       }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ShowAtScale(doc_, 48, 24);
    RefreshDocView(doc_);
    row.edit();
    EXPECT_TRUE(EqualsFreshRedraw());
    for (Long i = 1; i <= ObjCount; ++i) Objs[i].DwgNo = 0;
  }
}

}  // namespace
}  // namespace lintavo
