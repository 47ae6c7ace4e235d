// PixelRaster: the program's own rasteriser for one-pixel lines, single
// pixels and filled polygons on a 32-bit image, with the sixteen raster
// operations of the drawing modes, the dash patterns of the line styles and
// the hatch patterns of the fill styles.
//
// Drawing a shape twice with the XOR or not-XOR operation restores every
// pixel, because each routine here touches the same pixels, each once, for
// the same arguments. Lines are exact: the pixel at major-axis step k lies at
// minor offset floor((2 k d_minor + d_major) / (2 d_major)), so a clipped
// line hits the same pixels as the unclipped one.
#pragma once

#include <cstdint>
#include <vector>

namespace lintavo {

// Raster operations by drawing mode (1..16; 13 copies the pen, 10 is the
// not-XOR pen, 7 the XOR pen, 11 leaves the surface alone).
constexpr int RopCopyPen = 13;
constexpr int RopNotXorPen = 10;
constexpr int RopXorPen = 7;

// A device pixel position.
struct DevicePoint {
  int x, y;  // pixels, rows down from the top
};

// The pixels of a Format_RGB32 image; rows count down from the top.
struct RasterTarget {
  std::uint32_t* bits = nullptr;  // first pixel of the top row
  int stride = 0;                 // pixels from one row to the next
  int width = 0;                  // pixels
  int height = 0;                 // pixels
};

// A dash pattern: alternating on and off runs in pixels, starting with on.
// An empty pattern draws solid.
struct DashPattern {
  const int* runs = nullptr;  // run lengths
  int count = 0;              // number of runs (even)
  int period = 0;             // sum of the runs
};

DashPattern DashPatternOfStyle(int drawStyle);  // styles 1..4; solid otherwise

std::uint32_t ApplyRop(std::uint32_t destination, std::uint32_t pen, int drawMode);

// One pixel through the raster operation; outside the image nothing happens.
void RasterPixel(const RasterTarget& target, int x, int y, std::uint32_t pen, int drawMode);

// The line from (x0, y0) to (x1, y1); the end pixel only when includeLast.
// phase counts pattern pixels already used and is advanced by the line's
// length, so that a polyline continues its pattern across its vertices.
void RasterLine(const RasterTarget& target, int x0, int y0, int x1, int y1, bool includeLast,
                std::uint32_t pen, int drawMode, const DashPattern& pattern, long& phase);

// A pixel relative to the start of a shape.
struct RasterOffset {
  int dx, dy;  // pixels
};

// The pixels of the line from (x0, y0) to (x1, y1) without its end pixel,
// in drawing order and unclipped, appended to pixels. A line's pixels depend
// only on its end points' difference, so they serve the same line anywhere.
void CollectLinePixels(int x0, int y0, int x1, int y1, std::vector<RasterOffset>& pixels);

// Sets the pixels (x + dx, y + dy) in order through the raster operation,
// leaving out those outside the image. Pixels listed twice are set twice,
// as the lines they came from would set them.
void RasterPixels(const RasterTarget& target, int x, int y, const RasterOffset* pixels, int count,
                  std::uint32_t pen, int drawMode);

// Whether the fast paths are taken: solid lines in the copy pen written
// straight into the rows, and repeated shapes drawn from their remembered
// pixels (Surface). They set the same pixels as the general road; tests
// switch them off to compare the two. On by default.
extern bool RasterFastPaths;

// Hatch test of the fill styles at a device pixel: 0 solid, 2 horizontal,
// 3 vertical, 4 upward diagonal, 5 downward diagonal, 6 cross, 7 diagonal
// cross, on an 8-pixel grid; style 1 (transparent) never fills.
bool HatchCovers(int fillStyle, int x, int y);

// Fills the polygon (device coordinates, alternate rule): a pixel is inside
// when its centre (x + 0.5, y + 0.5) is. Only pixels the fill style covers
// are changed. The point buffer is the caller's; crossings is scratch space.
struct RasterPoint {
  double x, y;
};
void RasterFillPolygon(const RasterTarget& target, const RasterPoint* points, int count,
                       std::uint32_t pen, int drawMode, int fillStyle, std::vector<double>& crossings);

// Fills the rectangle x0..x1, y0..y1 (inclusive, any corner order).
void RasterFillRect(const RasterTarget& target, int x0, int y0, int x1, int y1, std::uint32_t pen,
                    int drawMode, int fillStyle);

}  // namespace lintavo
