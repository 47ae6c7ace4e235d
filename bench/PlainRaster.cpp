// PlainRaster: the plain device transform and Bresenham loop.
#include "PlainRaster.h"

#include <cstdlib>

#include "model/ViewCache.h"
#include "platform/Numbers.h"

namespace lintavo {

namespace {

template <bool TestPixels>
void BresenhamSteps(std::uint32_t* bits, long stride, DevicePoint a, DevicePoint b, std::uint32_t pen) {
  const int dx = std::abs(b.x - a.x), dy = std::abs(b.y - a.y);
  const int stepX = b.x >= a.x ? 1 : -1, stepY = b.y >= a.y ? 1 : -1;
  const bool xMajor = dx >= dy;
  const int dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
  const long majorStep = xMajor ? stepX : stepY * stride, minorStep = xMajor ? stepY * stride : stepX;
  std::uint32_t* pixel = bits + a.y * stride + a.x;
  int x = a.x, y = a.y;
  int error = -dMajor;  // 2 k dMinor + dMajor - 2 dMajor (offset + 1)
  for (int k = 0; k < dMajor; ++k) {
    if (!TestPixels || (x >= 0 && y >= 0 && x < PlainAreaWidth && y < PlainAreaHeight)) *pixel = pen;
    pixel += majorStep;
    if (TestPixels) (xMajor ? x : y) += xMajor ? stepX : stepY;
    error += 2 * dMinor;
    if (error >= 0) {
      error -= 2 * dMajor;
      pixel += minorStep;
      if (TestPixels) (xMajor ? y : x) += xMajor ? stepY : stepX;
    }
  }
}

bool InsideArea(DevicePoint p) { return p.x >= 0 && p.y >= 0 && p.x < PlainAreaWidth && p.y < PlainAreaHeight; }

}  // namespace

DevicePoint DevicePixel(Double X, Double Y) {
  const Single px = static_cast<Single>(X * ViewScaleX + ViewBaseX);
  const Single py = static_cast<Single>(Y * ViewScaleY + ViewBaseY);
  return DevicePoint{RoundToLong(px), RoundToLong(static_cast<Single>(ViewPixMaxY) - py)};
}

void PlainBresenham(std::uint32_t* bits, long stride, DevicePoint a, DevicePoint b, std::uint32_t pen) {
  if (InsideArea(a) && InsideArea(b))
    BresenhamSteps<false>(bits, stride, a, b, pen);
  else
    BresenhamSteps<true>(bits, stride, a, b, pen);
}

}  // namespace lintavo
