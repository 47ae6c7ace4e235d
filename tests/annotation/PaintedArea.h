// PaintedArea: a figure made an area through the menus and painted, as a
// user paints one: its lines picked with Create Area, Lines, then Insert,
// Fill and Insert, Hatch with the area chosen in the chooser.
#pragma once

#include <QImage>
#include <utility>
#include <vector>

#include "platform/Types.h"
#include "support/DrawingDriver.h"
#include "support/ScriptedResponder.h"

namespace lintavo {

// The pattern library holds one pattern, "Qz Lines" (red), of one
// continuous family at ANGLE, spacing apart (world units at scale 1).
void OnePattern(Single angle, Single spacing = 0.5F);

// The area made last filled solid in fill and hatched in hatch with level
// lines every other pixel row at 48 pixels to the unit, each chosen in the
// chooser of Insert, Fill and Insert, Hatch; fills and hatches shown.
void PaintLastArea(ScriptedResponder& responder, Long fill, Long hatch);

// The lines from each corner to the next and from the last back to the
// first, made an area by its lines (each picked at its middle in that
// order, then the first again) and painted as PaintLastArea paints it.
// Returns the lines.
std::vector<Long> PaintedFigure(DrawingDriver& input, ScriptedResponder& responder,
                                const std::vector<std::pair<Double, Double>>& corners, Long fill, Long hatch);

// The square (x, y)-(x + side, y + side) as PaintedFigure paints it, its
// lines from the bottom anticlockwise.
std::vector<Long> PaintedSquare(DrawingDriver& input, ScriptedResponder& responder, Double x, Double y,
                                Double side, Long fill, Long hatch);

// Pixels of the image in colour rgb (RGB Long, red in the low byte).
int PixelsOfColour(const QImage& image, Long rgb);

}  // namespace lintavo
