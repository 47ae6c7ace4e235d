// The rasteriser's fast paths against its general road: solid copy-pen lines
// written straight into the rows, and curves drawn from remembered arc terms
// and stroke pixels, must set exactly the pixels the general road sets.
#include <QImage>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

#include "platform/Colors.h"
#include "platform/Gdi.h"
#include "platform/ImageSurface.h"
#include "platform/Numbers.h"
#include "platform/PixelRaster.h"

namespace lintavo {
namespace {

// Runs draw with the fast paths on or off, putting the switch back after.
template <class Draw>
void WithFastPaths(bool on, Draw draw) {
  const bool saved = RasterFastPaths;
  RasterFastPaths = on;
  draw();
  RasterFastPaths = saved;
}

// ---- Lines -------------------------------------------------------------------------

constexpr int Width = 40;   // pixels of the small target
constexpr int Height = 30;

// A target over its own pixels, filled with a pattern of colours so that a
// pixel set twice or not at all shows.
struct OwnTarget {
  std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(Width * Height);
  RasterTarget target{pixels.data(), Width, Width, Height};
  OwnTarget() {
    for (int i = 0; i < Width * Height; ++i) pixels[i] = 0xFF000000u | (i * 2654435761u >> 8);
  }
};

struct LineCase {
  int dx, dy;  // end minus start, pixels
};

// Every octant, both ways along each axis, the four diagonals, the shallow
// and steep ends of the octants, slopes whose pixels fall on exact halves
// (where the rounding rule decides) and a zero-length line.
constexpr LineCase Directions[] = {
    {25, 7},  {7, 25},  {-7, 25},  {-25, 7},  {-25, -7}, {-7, -25}, {7, -25}, {25, -7},
    {30, 0},  {-30, 0}, {0, 22},   {0, -22},  {15, 15},  {-15, 15}, {15, -15}, {-15, -15},
    {33, 1},  {1, 33},  {-2, -31}, {1, 0},    {0, 1},    {0, 0},
    {30, 15}, {-15, 30}, {-30, -15}, {15, -30}, {30, 10}, {-6, 18},
};

// Starts inside, on and beyond every edge, so that the lines are clipped at
// each edge and corner, cross the image or miss it.
constexpr int StartXs[] = {-20, -3, 0, 5, 20, Width - 1, Width + 5};
constexpr int StartYs[] = {-15, -2, 0, 10, Height - 1, Height + 4};

TEST(PixelRaster, CopyPenLinesOfTheFastPathSetTheGeneralPathsPixels) {
  const DashPattern solid{};
  int drawn = 0;
  for (const LineCase& line : Directions) {
    for (int x0 : StartXs) {
      for (int y0 : StartYs) {
        for (bool includeLast : {false, true}) {
          OwnTarget fast, general;
          long fastPhase = 0, generalPhase = 0;
          const int x1 = x0 + line.dx, y1 = y0 + line.dy;
          WithFastPaths(true, [&] {
            RasterLine(fast.target, x0, y0, x1, y1, includeLast, 0x123456, RopCopyPen, solid, fastPhase);
          });
          WithFastPaths(false, [&] {
            RasterLine(general.target, x0, y0, x1, y1, includeLast, 0x123456, RopCopyPen, solid,
                       generalPhase);
          });
          ASSERT_EQ(fast.pixels, general.pixels)
              << "line (" << x0 << ", " << y0 << ") to (" << x1 << ", " << y1 << ") last " << includeLast;
          EXPECT_EQ(fastPhase, generalPhase);
          drawn += static_cast<int>(std::count(fast.pixels.begin(), fast.pixels.end(), 0xFF123456u));
        }
      }
    }
  }
  EXPECT_GT(drawn, 5000);   // the table draws, it does not only miss
}

TEST(PixelRaster, ALineBillionsOfPixelsLongSetsItsExactPixelsWhereItCrossesTheImage) {
  // From about -2^31 to 2^31 - 1 across, half as far down, through (20, 10):
  // the image is reached some 2^31 steps along, where the step's minor
  // offset needs more than 64 bits to work out.
  const int x0 = -2147483626, y0 = -1073741803;  // (20, 10) - (2^31 - 2) * (1, 1/2)
  const int x1 = 2147483646, y1 = 1073741833;
  const long dMajor = static_cast<long>(x1) - x0, dMinor = static_cast<long>(y1) - y0;
  for (int mode : {RopCopyPen, RopXorPen}) {
    SCOPED_TRACE(mode);
    OwnTarget own;
    const std::vector<std::uint32_t> before = own.pixels;
    long phase = 0;
    RasterLine(own.target, x0, y0, x1, y1, false, 0xFF123456u, mode, DashPattern{}, phase);
    for (int x = 0; x < Width; ++x) {
      // Step k = x - x0 lies floor((2 k dMinor + dMajor) / (2 dMajor)) rows below y0.
      const __int128 k = static_cast<__int128>(x) - x0;
      const long y = y0 + static_cast<long>((2 * k * dMinor + dMajor) / (2 * dMajor));
      for (int row = 0; row < Height; ++row) {
        const bool changed = own.pixels[row * Width + x] != before[row * Width + x];
        EXPECT_EQ(changed, row == y) << "pixel " << x << ", " << row;
      }
    }
  }
}

TEST(PixelRaster, CollectedLinePixelsAreTheLinesPixelsAnywhere) {
  for (const LineCase& line : Directions) {
    std::vector<RasterOffset> pixels;
    CollectLinePixels(3, -4, 3 + line.dx, -4 + line.dy, pixels);
    EXPECT_EQ(static_cast<int>(pixels.size()), std::max(std::abs(line.dx), std::abs(line.dy)));
    for (int x0 : StartXs) {
      OwnTarget collected, drawn;
      long phase = 0;
      RasterLine(drawn.target, x0, 7, x0 + line.dx, 7 + line.dy, false, 0xABCDEF, RopXorPen, DashPattern{},
                 phase);
      RasterPixels(collected.target, x0 - 3, 7 + 4, pixels.data(), static_cast<int>(pixels.size()),
                   0xABCDEF, RopXorPen);
      ASSERT_EQ(collected.pixels, drawn.pixels) << line.dx << ", " << line.dy << " from x " << x0;
    }
  }
}

// ---- Curves ------------------------------------------------------------------------

struct CurveCase {
  Single x, y, radius;  // centre and radius, pixels
};

// Small and larger radii, whole and half pixels, centres inside, on the
// edges, at the corners and partly outside.
constexpr CurveCase Circles[] = {
    {60, 45, 1},    {60, 45, 2},     {61, 44, 3},    {30, 20, 5},     {90, 70, 8},
    {60, 45, 12},   {60.5f, 45, 12}, {50, 40, 12.5f}, {10.25f, 20.75f, 17.3f}, {60, 45, 20},
    {0, 0, 12},     {119, 89, 12},   {-5, 45, 20},   {60, -8, 12},    {125, 45, 9},
    {60, 95, 7},    {60, 45, 35},    {60, 45, 60},   {3, 86, 20},     {60, 45, 0.4f},
    {60, 300, 400},  // more points than a stroke that is remembered
};

// Draws every case at the given draw mode on a striped surface, each twice
// at two places so that the second draws from what the first remembered.
QImage DrawCircles(bool fast, Integer drawMode, Integer drawStyle) {
  ImageSurface surface(120, 90);
  for (int y = 0; y < 90; ++y)
    for (int x = 0; x < 120; ++x) SetPixelV(&surface, x, y, RGB(x * 7, y * 5, (x + y) * 3));
  surface.DrawMode = drawMode;
  surface.DrawStyle = drawStyle;
  WithFastPaths(fast, [&] {
    for (const CurveCase& c : Circles) {
      surface.ForeColor = RGB(200, 30, 70);
      surface.Circle(c.x, c.y, c.radius);
      surface.Circle(c.x + 7, c.y - 3, c.radius);
      surface.Circle(c.x, c.y, c.radius, 0.3, 2.5);         // an arc
      surface.Circle(c.x, c.y, c.radius, -1.0, -4.0);       // an arc with its radius lines
      surface.CircleAspect(c.x, c.y, c.radius, 0.6);        // an ellipse
      MoveToEx(&surface, static_cast<int>(c.x + c.radius), static_cast<int>(c.y), nullptr);
      AngleArc(&surface, static_cast<int>(c.x), static_cast<int>(c.y),
               static_cast<unsigned>(RoundToLong(c.radius)), 0.0f, 360.0f);  // the redraw's circle
    }
  });
  return surface.Image().copy();
}

TEST(PixelRaster, CurvesFromRememberedShapesSetTheGeneralPathsPixels) {
  for (Integer drawMode : {vbCopyPen, vbXorPen, vbNotXorPen}) {
    for (Integer drawStyle : {vbSolid, Integer{2}}) {
      const QImage fast = DrawCircles(true, drawMode, drawStyle);
      const QImage general = DrawCircles(false, drawMode, drawStyle);
      ASSERT_EQ(fast.size(), general.size());
      int differing = 0;
      for (int y = 0; y < fast.height(); ++y)
        for (int x = 0; x < fast.width(); ++x) differing += fast.pixel(x, y) != general.pixel(x, y);
      EXPECT_EQ(differing, 0) << "draw mode " << drawMode << ", style " << drawStyle;
    }
  }
}

// The arc points with remembered terms are those computed afresh: the
// centre plus the radius times the cosine and sine, rounded half to even.
TEST(PixelRaster, ArcPointsFromRememberedTermsAreThoseComputedAfresh) {
  struct ArcCase {
    double rx, ry, start, sweep;  // pixels and radians; a zero sweep is the whole ellipse
  };
  constexpr ArcCase Arcs[] = {{12, 12, 0, 0}, {12.5, 12.5, 0, 0}, {20, 8, 0, 0}, {7, 7, 0.5, 2.0},
                              {30, 30, 1.0, -1.5}, {3, 3, 0, 6.283185307179586}};
  constexpr double Centres[][2] = {{50, 40}, {50.5, 40.5}, {-3, 7}, {1001, 2001}, {50, 40}};
  ImageSurface surface(100, 80);
  for (const ArcCase& arc : Arcs) {
    for (const auto& centre : Centres) {
      surface.ShapeBuffer().clear();
      surface.AppendArcPoints(centre[0], centre[1], arc.rx, arc.ry, arc.start, arc.sweep);
      const bool whole = arc.sweep == 0.0;
      const double sweep = whole ? 6.283185307179586 : arc.sweep;
      const int steps = std::clamp(static_cast<int>(std::ceil(std::fabs(sweep) * std::max(arc.rx, arc.ry) / 2.0)), 8, 20000);
      std::vector<DevicePoint> expected;
      for (int i = 0; i <= (whole ? steps - 1 : steps); ++i) {
        const double t = arc.start + sweep * i / steps;
        const double px = centre[0] + arc.rx * std::cos(t), py = centre[1] - arc.ry * std::sin(t);
        const DevicePoint p{static_cast<int>(std::nearbyint(px)), static_cast<int>(std::nearbyint(py))};
        if (!expected.empty() && expected.back().x == p.x && expected.back().y == p.y) continue;
        expected.push_back(p);
      }
      const std::vector<DevicePoint>& points = surface.ShapeBuffer();
      ASSERT_EQ(points.size(), expected.size()) << arc.rx << " at " << centre[0];
      for (size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].x, expected[i].x) << "point " << i << " radius " << arc.rx;
        EXPECT_EQ(points[i].y, expected[i].y) << "point " << i << " radius " << arc.rx;
      }
    }
  }
}

}  // namespace
}  // namespace lintavo
