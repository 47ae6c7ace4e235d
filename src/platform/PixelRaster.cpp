// PixelRaster: exact one-pixel lines, pixels and polygon fills with raster
// operations, dash patterns and hatch patterns.
#include "platform/PixelRaster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

}  // namespace

void RasterLine(const RasterTarget& target, int x0, int y0, int x1, int y1, bool includeLast,
                std::uint32_t pen, int drawMode, const DashPattern& pattern, long& phase) {
  long dx = std::labs(static_cast<long>(x1) - x0), dy = std::labs(static_cast<long>(y1) - y0);
  int sx = x1 >= x0 ? 1 : -1, sy = y1 >= y0 ? 1 : -1;
  bool xMajor = dx >= dy;
  long dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
  long steps = dMajor + (includeLast ? 1 : 0);  // pixels along the major axis
  long startPhase = phase;
  phase += dMajor;
  if (steps <= 0) return;

  long first, last;
  if (xMajor)
    VisibleSteps(x0, sx, target.width, y0, sy, target.height, dMajor, dMinor, steps, first, last);
  else
    VisibleSteps(y0, sy, target.height, x0, sx, target.width, dMajor, dMinor, steps, first, last);
  if (first > last) return;

  long twoMajor = 2 * dMajor;
  long numerator = 2 * first * dMinor + dMajor;  // minor offset = numerator / twoMajor
  long offset = twoMajor > 0 ? numerator / twoMajor : 0;
  long remainder = twoMajor > 0 ? numerator % twoMajor : 0;
  for (long k = first; k <= last; ++k) {
    int x = xMajor ? x0 + sx * static_cast<int>(k) : x0 + sx * static_cast<int>(offset);
    int y = xMajor ? y0 + sy * static_cast<int>(offset) : y0 + sy * static_cast<int>(k);
    if (x >= 0 && y >= 0 && x < target.width && y < target.height && PatternOn(pattern, startPhase + k))
      PutPixel(target, x, y, pen, drawMode);
    remainder += 2 * dMinor;
    if (remainder >= twoMajor) {
      remainder -= twoMajor;
      ++offset;
    }
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
  int yFrom = std::max(0, static_cast<int>(std::floor(top)));
  int yTo = std::min(target.height - 1, static_cast<int>(std::ceil(bottom)));
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
      int xFrom = static_cast<int>(std::ceil(crossings[i] - 0.5));
      int xTo = static_cast<int>(std::ceil(crossings[i + 1] - 0.5)) - 1;
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
