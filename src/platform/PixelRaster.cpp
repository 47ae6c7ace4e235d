// PixelRaster: exact one-pixel lines, pixels and polygon fills with raster
// operations, dash patterns and hatch patterns.
#include "platform/PixelRaster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace lintavo {

// ---- Raster operations and patterns -----------------------------------------

std::uint32_t ApplyRop(std::uint32_t d, std::uint32_t p, int drawMode) {
  std::uint32_t r;
  switch (drawMode) {
    case 1: r = 0; break;               // black
    case 2: r = ~(d | p); break;        // not merge pen
    case 3: r = d & ~p; break;          // mask not pen
    case 4: r = ~p; break;              // not copy pen
    case 5: r = p & ~d; break;          // mask pen not
    case 6: r = ~d; break;              // invert
    case 7: r = d ^ p; break;           // XOR pen
    case 8: r = ~(d & p); break;        // not mask pen
    case 9: r = d & p; break;           // mask pen
    case 10: r = ~(d ^ p); break;       // not XOR pen
    case 11: r = d; break;              // no operation
    case 12: r = d | ~p; break;         // merge not pen
    case 14: r = p | ~d; break;         // merge pen not
    case 15: r = d | p; break;          // merge pen
    case 16: r = 0xFFFFFFFFu; break;    // white
    default: r = p; break;              // 13: copy pen
  }
  return r | 0xFF000000u;
}

namespace {

// Dash lengths in pixels for the line styles 1..4.
constexpr int DashRuns[] = {18, 6};
constexpr int DotRuns[] = {3, 3};
constexpr int DashDotRuns[] = {9, 6, 3, 6};
constexpr int DashDotDotRuns[] = {9, 3, 3, 3, 3, 3};

template <int N>
DashPattern MakePattern(const int (&runs)[N]) {
  int period = 0;
  for (int run : runs) period += run;
  return DashPattern{runs, N, period};
}

bool PatternOn(const DashPattern& pattern, long position) {
  if (pattern.count == 0) return true;
  long offset = position % pattern.period;
  for (int i = 0; i < pattern.count; ++i) {
    if (offset < pattern.runs[i]) return (i % 2) == 0;
    offset -= pattern.runs[i];
  }
  return false;
}

inline void PutPixel(const RasterTarget& target, int x, int y, std::uint32_t pen, int drawMode) {
  std::uint32_t* pixel = target.bits + static_cast<long>(y) * target.stride + x;
  *pixel = ApplyRop(*pixel, pen, drawMode);
}

}  // namespace

DashPattern DashPatternOfStyle(int drawStyle) {
  switch (drawStyle) {
    case 1: return MakePattern(DashRuns);
    case 2: return MakePattern(DotRuns);
    case 3: return MakePattern(DashDotRuns);
    case 4: return MakePattern(DashDotDotRuns);
    default: return DashPattern{};
  }
}

bool HatchCovers(int fillStyle, int x, int y) {
  int u = x & 7, v = y & 7;
  switch (fillStyle) {
    case 0: return true;
    case 2: return v == 0;
    case 3: return u == 0;
    case 4: return ((u + v) & 7) == 7;  // rises to the right on the screen
    case 5: return u == v;              // falls to the right on the screen
    case 6: return u == 0 || v == 0;
    case 7: return ((u + v) & 7) == 7 || u == v;
    default: return false;
  }
}

// ---- Pixels and lines --------------------------------------------------------

void RasterPixel(const RasterTarget& target, int x, int y, std::uint32_t pen, int drawMode) {
  if (x < 0 || y < 0 || x >= target.width || y >= target.height) return;
  PutPixel(target, x, y, pen, drawMode);
}

namespace {

// The range of major-axis steps k in [0, steps) whose pixel may lie inside
// the image; pixels are still tested one by one inside it.
void VisibleSteps(long major0, int majorSign, long majorLimit, long minor0, int minorSign,
                  long minorLimit, long dMajor, long dMinor, long steps, long& first, long& last) {
  // Major axis: major0 + majorSign * k in [0, majorLimit).
  double lo = majorSign > 0 ? -major0 : major0 - (majorLimit - 1);
  double hi = majorSign > 0 ? (majorLimit - 1) - major0 : major0;
  if (dMinor > 0) {
    // Minor offset t(k) = floor(k dMinor / dMajor + 1/2) must keep
    // minor0 + sign t inside.
    double tLo = minorSign > 0 ? -minor0 : minor0 - (minorLimit - 1);
    double tHi = minorSign > 0 ? (minorLimit - 1) - minor0 : minor0;
    double slope = static_cast<double>(dMinor) / dMajor;
    lo = std::max(lo, std::floor((tLo - 0.5) / slope) - 1);
    hi = std::min(hi, std::ceil((tHi + 0.5) / slope) + 1);
  } else if (minor0 < 0 || minor0 >= minorLimit) {
    lo = 1, hi = 0;
  }
  first = static_cast<long>(std::max(0.0, lo));
  last = static_cast<long>(std::min(static_cast<double>(steps - 1), hi));
}

// The shape of a line from (x0, y0): its major axis, its extents along both
// axes and the directions of its steps. Step k lies at major offset k and
// minor offset floor((2 k dMinor + dMajor) / (2 dMajor)).
struct LineWalk {
  int x0, y0;      // first pixel
  int sx, sy;      // direction of x and y: 1 or -1
  bool xMajor;     // x changes at every step
  long dMajor;     // pixels along the major axis, >= dMinor
  long dMinor;     // pixels along the minor axis
  long steps;      // pixels of the line (dMajor, one more with the end pixel)
};

LineWalk MakeLineWalk(int x0, int y0, int x1, int y1, bool includeLast) {
  LineWalk walk;
  long dx = std::labs(static_cast<long>(x1) - x0), dy = std::labs(static_cast<long>(y1) - y0);
  walk.x0 = x0;
  walk.y0 = y0;
  walk.sx = x1 >= x0 ? 1 : -1;
  walk.sy = y1 >= y0 ? 1 : -1;
  walk.xMajor = dx >= dy;
  walk.dMajor = walk.xMajor ? dx : dy;
  walk.dMinor = walk.xMajor ? dy : dx;
  walk.steps = walk.dMajor + (includeLast ? 1 : 0);
  return walk;
}

bool Inside(const RasterTarget& target, int x, int y) {
  return x >= 0 && y >= 0 && x < target.width && y < target.height;
}

// The steps whose pixel may lie inside the target; first > last when none.
// True when every one of them lies inside: a line whose two ends lie inside
// lies inside, its pixels staying within the box of its ends.
bool WalkVisibleSteps(const RasterTarget& target, const LineWalk& walk, int x1, int y1, long& first,
                      long& last) {
  if (Inside(target, walk.x0, walk.y0) && Inside(target, x1, y1)) {
    first = 0;
    last = walk.steps - 1;
    return true;
  }
  if (walk.xMajor)
    VisibleSteps(walk.x0, walk.sx, target.width, walk.y0, walk.sy, target.height, walk.dMajor,
                 walk.dMinor, walk.steps, first, last);
  else
    VisibleSteps(walk.y0, walk.sy, target.height, walk.x0, walk.sx, target.width, walk.dMajor,
                 walk.dMinor, walk.steps, first, last);
  return false;
}

// The numerator 2 k dMinor + dMajor of step k's minor offset, which passes
// 64 bits for a line billions of pixels long seen from far along it.
__int128 OffsetNumerator(const LineWalk& walk, long k) {
  return static_cast<__int128>(2) * k * walk.dMinor + walk.dMajor;
}

// The pixel at major offset major and minor offset minor from the first:
// the sums are formed in 64 bits, and a pixel far off the image (which the
// callers test for, or never get) stays out of it.
int MovedCoordinate(int start, int sign, long offset) {
  const long moved = start + sign * offset;
  return static_cast<int>(std::clamp<long>(moved, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Calls plot(x, y, k) for the steps first..last in order.
template <class Plot>
void WalkLine(const LineWalk& walk, long first, long last, Plot plot) {
  long twoMajor = 2 * walk.dMajor;
  const __int128 numerator = OffsetNumerator(walk, first);  // minor offset = numerator / twoMajor
  long offset = twoMajor > 0 ? static_cast<long>(numerator / twoMajor) : 0;
  long remainder = twoMajor > 0 ? static_cast<long>(numerator % twoMajor) : 0;
  for (long k = first; k <= last; ++k) {
    int x = MovedCoordinate(walk.x0, walk.sx, walk.xMajor ? k : offset);
    int y = MovedCoordinate(walk.y0, walk.sy, walk.xMajor ? offset : k);
    plot(x, y, k);
    remainder += 2 * walk.dMinor;
    if (remainder >= twoMajor) {
      remainder -= twoMajor;
      ++offset;
    }
  }
}

// The pixel of step k.
void StepPixel(const LineWalk& walk, long k, int& x, int& y) {
  long offset = walk.dMajor > 0 ? static_cast<long>(OffsetNumerator(walk, k) / (2 * walk.dMajor)) : 0;
  long major = k, minor = offset;
  x = MovedCoordinate(walk.x0, walk.sx, walk.xMajor ? major : minor);
  y = MovedCoordinate(walk.y0, walk.sy, walk.xMajor ? minor : major);
}

bool StepInside(const RasterTarget& target, const LineWalk& walk, long k) {
  int x, y;
  StepPixel(walk, k, x, y);
  return Inside(target, x, y);
}

// The solid line in the copy pen, written straight into the rows. The steps
// inside the image are one run (both coordinates move monotonically and the
// image is a rectangle), so unless all steps are known to be inside, the
// visible range is trimmed to that run once; no pixel is tested on its own.
// The pixels are those of the general loop.
void CopyPenLine(const RasterTarget& target, const LineWalk& walk, long first, long last,
                 bool allInside, std::uint32_t pen) {
  if (!allInside) {
    while (first <= last && !StepInside(target, walk, first)) ++first;
    while (last >= first && !StepInside(target, walk, last)) --last;
    if (first > last) return;
  }
  int x = walk.x0, y = walk.y0;
  if (first > 0) StepPixel(walk, first, x, y);
  std::uint32_t* pixel = target.bits + static_cast<long>(y) * target.stride + x;
  const long count = last - first + 1;
  const long majorStep = walk.xMajor ? walk.sx : walk.sy * static_cast<long>(target.stride);
  const long minorStep = walk.xMajor ? walk.sy * static_cast<long>(target.stride) : walk.sx;
  if (walk.dMinor == 0 && walk.xMajor) {  // a run along one row, or one pixel
    std::fill_n(walk.sx > 0 ? pixel : pixel - (count - 1), count, pen);
    return;
  }
  const long twoMajor = 2 * walk.dMajor, twoMinor = 2 * walk.dMinor;
  long remainder = first > 0 ? static_cast<long>(OffsetNumerator(walk, first) % twoMajor) : walk.dMajor;
  for (long k = 0; k < count; ++k) {
    *pixel = pen;
    pixel += majorStep;
    remainder += twoMinor;
    if (remainder >= twoMajor) {
      remainder -= twoMajor;
      pixel += minorStep;
    }
  }
}

}  // namespace

bool RasterFastPaths = true;

void RasterLine(const RasterTarget& target, int x0, int y0, int x1, int y1, bool includeLast,
                std::uint32_t pen, int drawMode, const DashPattern& pattern, long& phase) {
  const LineWalk walk = MakeLineWalk(x0, y0, x1, y1, includeLast);
  const long startPhase = phase;
  phase += walk.dMajor;
  if (walk.steps <= 0) return;

  long first, last;
  const bool allInside = WalkVisibleSteps(target, walk, x1, y1, first, last);
  if (first > last) return;

  if (RasterFastPaths && drawMode == RopCopyPen && pattern.count == 0) {
    CopyPenLine(target, walk, first, last, allInside, pen | 0xFF000000u);
    return;
  }
  WalkLine(walk, first, last, [&](int x, int y, long k) {
    if (Inside(target, x, y) && PatternOn(pattern, startPhase + k)) PutPixel(target, x, y, pen, drawMode);
  });
}

void CollectLinePixels(int x0, int y0, int x1, int y1, std::vector<RasterOffset>& pixels) {
  const LineWalk walk = MakeLineWalk(x0, y0, x1, y1, false);
  if (walk.steps <= 0) return;
  WalkLine(walk, 0, walk.steps - 1, [&](int x, int y, long) { pixels.push_back(RasterOffset{x, y}); });
}

void RasterPixels(const RasterTarget& target, int x, int y, const RasterOffset* pixels, int count,
                  std::uint32_t pen, int drawMode) {
  const bool copy = RasterFastPaths && drawMode == RopCopyPen;
  pen |= 0xFF000000u;
  for (int i = 0; i < count; ++i) {
    const long px = static_cast<long>(x) + pixels[i].dx, py = static_cast<long>(y) + pixels[i].dy;
    if (px < 0 || py < 0 || px >= target.width || py >= target.height) continue;
    std::uint32_t* pixel = target.bits + static_cast<long>(py) * target.stride + px;
    *pixel = copy ? pen : ApplyRop(*pixel, pen, drawMode);
  }
}

// ---- Fills -------------------------------------------------------------------

namespace {

void FillSpan(const RasterTarget& target, int y, int xFrom, int xTo, std::uint32_t pen, int drawMode,
              int fillStyle) {
  xFrom = std::max(xFrom, 0);
  xTo = std::min(xTo, target.width - 1);
  for (int x = xFrom; x <= xTo; ++x)
    if (HatchCovers(fillStyle, x, y)) PutPixel(target, x, y, pen, drawMode);
}

}  // namespace

void RasterFillPolygon(const RasterTarget& target, const RasterPoint* points, int count,
                       std::uint32_t pen, int drawMode, int fillStyle, std::vector<double>& crossings) {
  if (count < 3 || fillStyle == 1) return;
  double top = points[0].y, bottom = points[0].y;
  for (int i = 1; i < count; ++i) {
    top = std::min(top, points[i].y);
    bottom = std::max(bottom, points[i].y);
  }
  // Rows and columns are chosen in floating point first: a polygon zoomed
  // into reaches far past the range of int.
  int yFrom = static_cast<int>(std::clamp(std::floor(top), 0.0, static_cast<double>(target.height)));
  int yTo = static_cast<int>(std::clamp(std::ceil(bottom), -1.0, static_cast<double>(target.height - 1)));
  for (int y = yFrom; y <= yTo; ++y) {
    double cy = y + 0.5;
    crossings.clear();
    for (int i = 0; i < count; ++i) {
      const RasterPoint& a = points[i];
      const RasterPoint& b = points[(i + 1) % count];
      if ((a.y <= cy) == (b.y <= cy)) continue;  // edge does not cross this row
      crossings.push_back(a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    std::sort(crossings.begin(), crossings.end());
    for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
      // Pixels whose centre x + 0.5 lies in [left, right).
      const double width = target.width;
      int xFrom = static_cast<int>(std::clamp(std::ceil(crossings[i] - 0.5), -1.0, width));
      int xTo = static_cast<int>(std::clamp(std::ceil(crossings[i + 1] - 0.5), 0.0, width + 1)) - 1;
      FillSpan(target, y, xFrom, xTo, pen, drawMode, fillStyle);
    }
  }
}

void RasterFillRect(const RasterTarget& target, int x0, int y0, int x1, int y1, std::uint32_t pen,
                    int drawMode, int fillStyle) {
  if (fillStyle == 1) return;
  int top = std::max(0, std::min(y0, y1)), bottom = std::min(target.height - 1, std::max(y0, y1));
  for (int y = top; y <= bottom; ++y)
    FillSpan(target, y, std::min(x0, x1), std::max(x0, x1), pen, drawMode, fillStyle);
}

}  // namespace lintavo
