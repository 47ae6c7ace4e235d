// The drawing surface: raster operations, pen and fill styles, arcs, text.
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <functional>
#include <limits>
#include <gtest/gtest.h>

#include "platform/Colors.h"
#include "platform/Gdi.h"
#include "platform/ImageSurface.h"
#include "platform/PrinterSurface.h"
#include "platform/ShapeCache.h"

namespace lintavo {
namespace {

constexpr double HalfPiExact = TwoPiExact / 4;  // the surface's pi / 2, 1.5707963267948966

class SurfaceTest : public ::testing::Test {
 protected:
  SurfaceTest() : surface(200, 150) {}

  // A background of many colours, so that a pixel put back wrongly shows.
  void PaintStripes() {
    for (int y = 0; y < 150; ++y)
      for (int x = 0; x < 200; ++x) SetPixelV(&surface, x, y, RGB(x * 7, y * 5, (x + y) * 3));
  }
  void Clear(Long color) {
    surface.BackColor = color;
    surface.Cls();
  }
  int ChangedPixels(const QImage& before) const {
    int changed = 0;
    for (int y = 0; y < before.height(); ++y)
      for (int x = 0; x < before.width(); ++x) changed += before.pixel(x, y) != surface.Image().pixel(x, y);
    return changed;
  }
  bool Set(int x, int y) const { return surface.PixelAt(x, y) != ColorWhite; }

  ImageSurface surface;
};

// ---- Raster operations -----------------------------------------------------------

TEST_F(SurfaceTest, EveryShapeDrawnTwiceWithXorOrNotXorLeavesThePictureAsItWas) {
  std::vector<std::pair<const char*, std::function<void(Surface&)>>> shapes = {
      {"line", [](Surface& s) { s.Line(10, 10, 180, 120); }},
      {"polyline", [](Surface& s) {
         GdiPoint p[5] = {{10, 10}, {100, 20}, {50, 90}, {190, 140}, {10, 10}};
         Polyline(&s, p, 5);
       }},
      {"circle", [](Surface& s) { s.Circle(100, 75, 50); }},
      {"arc with negative angles", [](Surface& s) { s.Circle(100, 75, 60, -0.5, -4.0); }},
      {"filled polygon", [](Surface& s) {
         s.FillStyle = 0;
         s.FillColor = RGB(200, 40, 90);
         GdiPoint p[5] = {{20, 20}, {180, 30}, {60, 140}, {100, 5}, {150, 130}};
         Polygon(&s, p, 5);
         s.FillStyle = 1;
       }},
      {"bezier", [](Surface& s) {
         GdiPoint p[4] = {{10, 140}, {40, -50}, {160, 200}, {190, 10}};
         PolyBezier(&s, p, 4);
       }},
      {"wide line", [](Surface& s) {
         s.DrawWidth = 5;
         s.Line(20, 130, 170, 15);
         s.DrawWidth = 1;
       }},
      {"dotted ellipse", [](Surface& s) {
         s.DrawStyle = 2;
         s.CircleAspect(100, 75, 70, 0.4);
         s.DrawStyle = 0;
       }},
  };
  for (int mode : {7, 10}) {
    for (auto& [name, draw] : shapes) {
      PaintStripes();
      QImage before = surface.Image().copy();
      surface.DrawMode = mode;
      surface.ForeColor = RGB(255, 128, 0);
      draw(surface);
      EXPECT_GT(ChangedPixels(before), 0) << name << " in mode " << mode;
      draw(surface);
      EXPECT_EQ(ChangedPixels(before), 0) << name << " in mode " << mode;
    }
  }
}

TEST_F(SurfaceTest, NotXorPenOnWhiteDrawsThePenColour) {
  Clear(ColorWhite);
  surface.DrawMode = vbNotXorPen;
  surface.ForeColor = ColorRed;
  surface.Line(10, 10, 50, 10);
  EXPECT_EQ(surface.PixelAt(20, 10), ColorRed);
}

TEST_F(SurfaceTest, SetPixelVIgnoresTheDrawMode) {
  Clear(ColorWhite);
  surface.DrawMode = vbXorPen;
  SetPixelV(&surface, 5, 5, ColorBlue);
  EXPECT_EQ(surface.PixelAt(5, 5), ColorBlue);
}

// ---- Lines -----------------------------------------------------------------------

TEST_F(SurfaceTest, LineToLeavesOutItsEndPixel) {
  Clear(ColorWhite);
  MoveToEx(&surface, 10, 10, nullptr);
  LineTo(&surface, 20, 10);
  EXPECT_TRUE(Set(10, 10));
  EXPECT_TRUE(Set(19, 10));
  EXPECT_FALSE(Set(20, 10));
  EXPECT_EQ(surface.GdiPosition.x, 20);
}

TEST_F(SurfaceTest, ClosedOutlineOfLineToSetsEachPixelOnceSoXorTwiceLeavesNothing) {
  Clear(ColorWhite);
  surface.DrawMode = vbXorPen;
  surface.ForeColor = ColorWhite;  // XOR with white turns white pixels black
  auto square = [&] {
    GdiPoint previous;
    MoveToEx(&surface, 30, 30, &previous);
    LineTo(&surface, 70, 30);
    LineTo(&surface, 70, 70);
    LineTo(&surface, 30, 70);
    LineTo(&surface, 30, 30);
  };
  QImage before = surface.Image().copy();
  square();
  EXPECT_EQ(ChangedPixels(before), 160);  // every corner drawn, none twice
  EXPECT_EQ(surface.PixelAt(30, 30), ColorBlack);
  EXPECT_EQ(surface.PixelAt(70, 70), ColorBlack);
  square();
  EXPECT_EQ(ChangedPixels(before), 0);
}

TEST_F(SurfaceTest, ClippedLineHitsTheSamePixelsAsTheWholeLine) {
  ImageSurface whole(2600, 1600);
  for (auto [x0, y0, x1, y1] : {std::array{0, 0, 2200, 1200}, std::array{1300, 400, 900, 700},
                                std::array{1150, 0, 1130, 1590}}) {
    whole.Cls();
    Clear(ColorWhite);
    MoveToEx(&whole, x0, y0, nullptr);
    LineTo(&whole, x1, y1);
    MoveToEx(&surface, x0 - 1000, y0 - 500, nullptr);
    LineTo(&surface, x1 - 1000, y1 - 500);
    int set = 0;
    for (int y = 0; y < 150; ++y)
      for (int x = 0; x < 200; ++x) {
        ASSERT_EQ(surface.PixelAt(x, y), whole.PixelAt(x + 1000, y + 500)) << x << "," << y;
        set += Set(x, y);
      }
    EXPECT_GT(set, 0);
  }
}

// The runs of set and clear pixels along row y from x = 0 to 119.
std::vector<int> RunsAlongRow(const ImageSurface& s, int y) {
  std::vector<int> runs;
  bool current = s.PixelAt(0, y) != ColorWhite;
  int length = 0;
  for (int x = 0; x < 120; ++x) {
    bool set = s.PixelAt(x, y) != ColorWhite;
    if (set != current) {
      runs.push_back(length);
      length = 0;
      current = set;
    }
    ++length;
  }
  runs.push_back(length);
  return runs;
}

TEST_F(SurfaceTest, PenStylesDrawTheirPatterns) {
  Clear(ColorWhite);
  for (int style = 0; style <= 6; ++style) {
    surface.DrawStyle = style;
    surface.Line(0, 10 + style * 10, 120, 10 + style * 10);
  }
  EXPECT_EQ(RunsAlongRow(surface, 10), std::vector<int>{120});                      // solid
  EXPECT_EQ(RunsAlongRow(surface, 20), (std::vector<int>{18, 6, 18, 6, 18, 6, 18, 6, 18, 6}));  // dash
  EXPECT_EQ(RunsAlongRow(surface, 30)[0], 3);  // dot: 3 on, 3 off
  EXPECT_EQ(RunsAlongRow(surface, 30)[1], 3);
  EXPECT_EQ(RunsAlongRow(surface, 30).size(), 40u);
  std::vector<int> dashDot = RunsAlongRow(surface, 40);
  EXPECT_EQ(std::vector<int>(dashDot.begin(), dashDot.begin() + 4), (std::vector<int>{9, 6, 3, 6}));
  std::vector<int> dashDotDot = RunsAlongRow(surface, 50);
  EXPECT_EQ(std::vector<int>(dashDotDot.begin(), dashDotDot.begin() + 6),
            (std::vector<int>{9, 3, 3, 3, 3, 3}));
  EXPECT_EQ(RunsAlongRow(surface, 60), std::vector<int>{120});  // invisible: all clear
  EXPECT_FALSE(Set(50, 60));
  EXPECT_EQ(RunsAlongRow(surface, 70), std::vector<int>{120});  // inside solid
  EXPECT_TRUE(Set(50, 70));
}

TEST_F(SurfaceTest, WidePensAreSolidWhateverTheStyle) {
  Clear(ColorWhite);
  surface.DrawWidth = 3;
  surface.DrawStyle = 2;
  surface.Line(10, 50, 150, 50);
  for (int x = 12; x < 148; ++x) ASSERT_TRUE(Set(x, 50)) << x;
  EXPECT_TRUE(Set(80, 49));
  EXPECT_TRUE(Set(80, 51));
}

// ---- Fills -------------------------------------------------------------------------

TEST_F(SurfaceTest, FillStylesGiveTheirPatterns) {
  auto fill = [&](int style) {
    Clear(ColorWhite);
    surface.DrawStyle = vbInvisible;
    surface.FillStyle = style;
    surface.FillColor = ColorBlack;
    GdiPoint box[4] = {{0, 0}, {64, 0}, {64, 64}, {0, 64}};
    Polygon(&surface, box, 4);
  };
  auto count = [&] {
    int n = 0;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) n += Set(x, y);
    return n;
  };
  fill(0);
  EXPECT_EQ(count(), 64 * 64);
  EXPECT_FALSE(Set(64, 10));  // the right edge is outside
  fill(1);
  EXPECT_EQ(count(), 0);
  fill(2);  // horizontal lines: whole rows, 8 apart
  EXPECT_EQ(count(), 8 * 64);
  for (int y = 0; y < 64; ++y) EXPECT_EQ(Set(0, y), Set(63, y));
  fill(3);  // vertical lines: whole columns
  EXPECT_EQ(count(), 8 * 64);
  for (int x = 0; x < 64; ++x) EXPECT_EQ(Set(x, 0), Set(x, 63));
  fill(4);  // upward diagonal: each pixel continues up and to the right
  EXPECT_EQ(count(), 8 * 64);
  for (int y = 1; y < 64; ++y)
    for (int x = 0; x < 63; ++x)
      if (Set(x, y)) {
        ASSERT_TRUE(Set(x + 1, y - 1));
      }
  fill(5);  // downward diagonal: down and to the right
  EXPECT_EQ(count(), 8 * 64);
  for (int y = 0; y < 63; ++y)
    for (int x = 0; x < 63; ++x)
      if (Set(x, y)) {
        ASSERT_TRUE(Set(x + 1, y + 1));
      }
  fill(6);  // cross: rows and columns
  EXPECT_EQ(count(), 8 * 64 * 2 - 64);
  fill(7);  // diagonal cross: both diagonals
  EXPECT_EQ(count(), 8 * 64 * 2);
}

TEST_F(SurfaceTest, RectangleCoversLeftToRightMinusOne) {
  Clear(ColorWhite);
  surface.FillStyle = 0;
  surface.FillColor = ColorRed;
  Rectangle(&surface, 10, 10, 20, 15);
  EXPECT_EQ(surface.PixelAt(10, 10), ColorBlack);  // outline in the pen colour
  EXPECT_EQ(surface.PixelAt(19, 14), ColorBlack);
  EXPECT_EQ(surface.PixelAt(15, 12), ColorRed);    // inside in the fill colour
  EXPECT_FALSE(Set(20, 12));
  EXPECT_FALSE(Set(15, 15));
}

// ---- Circles, arcs and ellipses -------------------------------------------------------

TEST_F(SurfaceTest, CircleWithStartAndEndDrawsOnlyThatArc) {
  Clear(ColorWhite);
  surface.Circle(100, 75, 40, 0.0, HalfPiExact);
  int inArc = 0, elsewhere = 0;
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 200; ++x)
      if (Set(x, y)) {
        (x >= 100 && y <= 75 ? inArc : elsewhere)++;
      }
  EXPECT_GT(inArc, 50);
  EXPECT_EQ(elsewhere, 0);
  EXPECT_TRUE(Set(140, 75));  // starts at three o'clock
  EXPECT_FALSE(Set(120, 75));  // no radius line for positive angles
}

TEST_F(SurfaceTest, NegativeAnglesAlsoDrawTheRadiusLines) {
  Clear(ColorWhite);
  surface.Circle(100, 75, 40, -HalfPiExact, -2 * HalfPiExact);  // upper-left quarter as a pie
  EXPECT_TRUE(Set(100, 55));  // radius to twelve o'clock
  EXPECT_TRUE(Set(80, 75));   // radius to nine o'clock
  EXPECT_FALSE(Set(120, 75));
}

TEST_F(SurfaceTest, AspectChoosesWhichRadiusIsGiven) {
  Clear(ColorWhite);
  surface.CircleAspect(100, 75, 40, 0.5);  // below 1: X radius 40, Y radius 20
  EXPECT_TRUE(Set(140, 75));
  EXPECT_TRUE(Set(100, 55));
  EXPECT_FALSE(Set(100, 35));
  Clear(ColorWhite);
  surface.CircleAspect(100, 75, 40, 2.0);  // 1 or more: Y radius 40, X radius 20
  EXPECT_TRUE(Set(120, 75));
  EXPECT_TRUE(Set(100, 35));
  EXPECT_FALSE(Set(140, 75));
}

TEST_F(SurfaceTest, AngleArcFullCircleStartsAtItsRightmostPoint) {
  Clear(ColorWhite);
  MoveToEx(&surface, 130, 75, nullptr);
  AngleArc(&surface, 100, 75, 30, 0.0f, 360.0f);
  EXPECT_TRUE(Set(130, 75));
  EXPECT_TRUE(Set(70, 75));
  EXPECT_TRUE(Set(100, 45));
  EXPECT_FALSE(Set(100, 75));
}

// A circle of no radius walks nothing but its centre: the stroke from the
// current position to the centre (its end pixel left out), the position
// left at the centre, whatever the angles.
TEST_F(SurfaceTest, AngleArcOfNoRadiusStrokesFromThePositionToTheCentre) {
  const struct {
    int fromX, fromY;
    float start, sweep;
  } arcs[] = {{100, 75, 0, 360}, {101, 75, 0, 360}, {104, 72, 30, 90}, {96, 79, 200, -45}, {100, 70, 0, 0}};
  for (const auto& arc : arcs) {
    SCOPED_TRACE(testing::Message() << arc.fromX << "," << arc.fromY << " sweep " << arc.sweep);
    Clear(ColorWhite);
    MoveToEx(&surface, arc.fromX, arc.fromY, nullptr);
    AngleArc(&surface, 100, 75, 0, arc.start, arc.sweep);
    EXPECT_EQ(surface.GdiPosition.x, 100);
    EXPECT_EQ(surface.GdiPosition.y, 75);
    const QImage arcPixels = surface.Image().copy();
    Clear(ColorWhite);
    if (arc.sweep == 0) {  // the start point is pushed as it is, even onto the position
      const DevicePoint points[2] = {{arc.fromX, arc.fromY}, {100, 75}};
      surface.StrokeDevice(points, 2, false);
    } else {
      surface.LineDevice(arc.fromX, arc.fromY, 100, 75);
    }
    EXPECT_EQ(ChangedPixels(arcPixels), 0);
  }
}

// Circle draws no pixel exactly when CircleShowsNothing says so.
TEST_F(SurfaceTest, CircleShowsNothingWhenItsRadiiRoundToNoPixel) {
  for (const Single radius : {0.0F, 0.3F, 0.5F, 0.51F, 0.7F, 1.4F})
    for (const Double aspect : {1.0, 0.5, 2.0, 0.0}) {
      SCOPED_TRACE(testing::Message() << "radius " << radius << " aspect " << aspect);
      Clear(ColorWhite);
      const QImage blank = surface.Image().copy();
      surface.Circle(100.25F, 75.4F, radius, 0.3, 2.9, aspect);
      surface.CircleAspect(60.6F, 40.5F, radius, aspect);
      EXPECT_EQ(ChangedPixels(blank) == 0, surface.CircleShowsNothing(radius, aspect));
    }
}

// ---- Text and other surfaces --------------------------------------------------------------

// ---- Curves far larger than the surface --------------------------------------------

TEST_F(SurfaceTest, ACurveFarLargerThanTheSurfaceIsDrawnWhereItCrossesIt) {
  // Curves of radius 2^30 pixels (exact in single precision) whose top
  // passes through (100, 128); the true curve across the surface is
  // y = 128 + (x - 100)^2 / (2 r), under a thousandth of a pixel below that
  // row, so each column holds its pixels on row 128 (or 129, rounding).
  const Single r = 1073741824.0F, centreY = r + 128;
  const struct {
    const char* name;
    std::function<void(Surface&)> draw;
  } curves[] = {
      {"circle", [&](Surface& s) { s.Circle(100, centreY, r); }},
      {"arc over the top", [&](Surface& s) { s.Circle(100, centreY, r, 1.0, 2.0); }},
      {"ellipse, half as wide", [&](Surface& s) { s.CircleAspect(100, centreY, r, 2.0); }},
      {"gdi circle", [](Surface& s) {
         const int radius = 1073741823, y = radius + 128;
         MoveToEx(&s, 100 + radius, y, nullptr);
         AngleArc(&s, 100, y, static_cast<unsigned>(radius), 0, 360);
       }},
  };
  for (const auto& curve : curves) {
    SCOPED_TRACE(curve.name);
    Clear(ColorWhite);
    curve.draw(surface);
    for (int x = 0; x < 200; ++x) {
      int onTheCurve = 0, elsewhere = 0;
      for (int y = 0; y < 150; ++y) {
        if (!Set(x, y)) continue;
        (y == 128 || y == 129 ? onTheCurve : elsewhere) += 1;
      }
      EXPECT_GE(onTheCurve, 1) << "column " << x;
      EXPECT_EQ(elsewhere, 0) << "column " << x;
    }
    // Only the part near the surface was walked: about a point per two pixels across it.
    EXPECT_LE(surface.ShapeBuffer().size(), 2u * (200 + 150 + 32));
  }
}

TEST_F(SurfaceTest, CurvesThatAreNotFiniteOrLieFarOffDrawNothing) {
  const struct {
    const char* name;
    std::function<void(Surface&)> draw;
  } curves[] = {
      {"infinite radius", [](Surface& s) { s.Circle(100, 75, std::numeric_limits<Single>::infinity()); }},
      {"infinite filled ellipse", [](Surface& s) {
         s.FillStyle = vbFSSolid;
         s.CircleAspect(100, 75, std::numeric_limits<Single>::infinity(), 0.5);
         s.FillStyle = vbFSTransparent;
       }},
      {"radius 1e30 about the centre", [](Surface& s) { s.Circle(100, 75, 1e30F); }},
      {"circle far to the right", [](Surface& s) { s.Circle(3e9F, 75, 1e9F); }},
  };
  for (const auto& curve : curves) {
    SCOPED_TRACE(curve.name);
    Clear(ColorWhite);
    const QImage before = surface.Image().copy();
    curve.draw(surface);
    EXPECT_EQ(ChangedPixels(before), 0);
  }
}

TEST_F(SurfaceTest, AFilledCircleCoveringTheSurfaceFillsItWhole) {
  Clear(ColorWhite);
  surface.FillStyle = vbFSSolid;
  surface.FillColor = RGB(0, 0, 255);
  surface.ForeColor = RGB(0, 0, 255);
  surface.Circle(100, static_cast<Single>(75 + 1e9), static_cast<Single>(1e9 + 200));  // the surface lies inside
  surface.FillStyle = vbFSTransparent;
  int blue = 0;
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 200; ++x) blue += surface.PixelAt(x, y) == RGB(0, 0, 255) ? 1 : 0;
  EXPECT_EQ(blue, 200 * 150);
}

TEST(ShapeCache, AStrokeIsKeptFromItsSecondDrawingOnlyWhileItsPixelsAreFew) {
  // A zigzag of ten points, each leg `leg` pixels long: a polyline zoomed
  // far in has legs of millions of pixels, which no slot may hold. The
  // first time a stroke is asked for it is drawn directly.
  const struct {
    int leg;
    bool kept;
  } rows[] = {{40, true}, {455, true}, {456, false}, {1 << 20, false}, {1 << 30, false}};
  ShapeCache cache;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.leg);
    DevicePoint points[10];
    for (int i = 0; i < 10; ++i) points[i] = {i % 2 == 0 ? -row.leg / 2 : row.leg / 2, i};
    EXPECT_EQ(cache.Stroke(points, 10, false), nullptr);
    const StrokePixels* kept = cache.Stroke(points, 10, false);
    EXPECT_EQ(kept != nullptr, row.kept);
    if (kept) EXPECT_LE(static_cast<long>(kept->pixels.size()), ShapeCache::MaxStrokePixels);
  }
}

TEST_F(SurfaceTest, PrintPutsTheTextsTopLeftAtTheCurrentPosition) {
  Clear(ColorWhite);
  surface.CurrentX = 50;
  surface.CurrentY = 40;
  surface.Print("HW");
  int minX = 1000, minY = 1000;
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 200; ++x)
      if (Set(x, y)) {
        minX = std::min(minX, x);
        minY = std::min(minY, y);
      }
  EXPECT_GE(minX, 50);
  EXPECT_LE(minX, 53);
  EXPECT_GE(minY, 40);
  EXPECT_LE(minY, 40 + surface.TextHeight("HW") / 2);
  EXPECT_FLOAT_EQ(surface.CurrentX, 0);
  EXPECT_GT(surface.CurrentY, 40);
}

TEST(PrinterSurface, DrawsPagesIntoTheJob) {
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("page.pdf"));
  {
    PrinterSurface page(printer);
    EXPECT_GT(page.ScaleWidth(), 1000);
    page.ScaleMode = vbInches;
    EXPECT_GT(page.ScaleWidth(), 5);
    EXPECT_LT(page.ScaleWidth(), 12);
    page.ScaleMode = vbPixels;
    page.DrawMode = vbXorPen;  // a printer copies whatever the mode
    page.Line(0, 0, 1000, 1000);
    page.EndDoc();
  }
  EXPECT_GT(QFile(dir.filePath("page.pdf")).size(), 100);
}

}  // namespace
}  // namespace lintavo
