// PaintedArea: a figure made an area through the menus and painted, as a
// user paints one: its lines picked with Create Area, Lines, then Insert,
// Fill and Insert, Hatch with the area chosen in the chooser.
#pragma once

#include <QImage>
#include <vector>

#include "platform/Types.h"
#include "support/DrawingDriver.h"
#include "support/ScriptedResponder.h"

namespace lintavo {

// The pattern library holds one pattern, "Qz Lines" (red), of one
// continuous family at ANGLE, spacing apart (world units at scale 1).
void OnePattern(Single angle, Single spacing = 0.5F);

// The four lines of the square (x, y)-(x + side, y + side), made an area by
// its lines (the chain picked from the bottom, anticlockwise), filled solid
// in fill and hatched in hatch with level lines every other pixel row at
// 48 pixels to the unit; fills and hatches shown. Returns the lines.
std::vector<Long> PaintedSquare(DrawingDriver& input, ScriptedResponder& responder, Double x, Double y,
                                Double side, Long fill, Long hatch);

// Pixels of the image in colour rgb (RGB Long, red in the low byte).
int PixelsOfColour(const QImage& image, Long rgb);

}  // namespace lintavo
