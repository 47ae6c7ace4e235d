// PlainRaster: the yardsticks' drawing: world points to device pixels as
// the redraw rounds them, and the textbook integer Bresenham loop written
// straight into a 1600 x 1000 image's rows.
#pragma once

#include <cstdint>

#include "platform/PixelRaster.h"
#include "platform/Types.h"

namespace lintavo {

constexpr int PlainAreaWidth = 1600;  // pixels of the image, as the benchmark drawing area
constexpr int PlainAreaHeight = 1000;

// The device pixel of a world point through the current view, as the
// redraw rounds it: to a view pixel in single precision, the row turned
// over, then half to even.
DevicePoint DevicePixel(Double X, Double Y);

// The segment a-b without its end pixel, set to pen in the rows of bits
// (stride pixels a row): the pixel at step k lies at minor offset
// floor((2 k dMinor + dMajor) / (2 dMajor)), as the program's lines. A
// segment with both ends inside the image is drawn without testing its
// pixels; one reaching outside tests every pixel.
void PlainBresenham(std::uint32_t* bits, long stride, DevicePoint a, DevicePoint b, std::uint32_t pen);

}  // namespace lintavo
