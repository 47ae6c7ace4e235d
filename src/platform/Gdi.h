// Gdi: the line-level drawing calls of the surface, in device pixels (rows
// down from the top), with the surface's pen (ForeColor, DrawWidth,
// DrawStyle), brush (FillStyle, FillColor) and draw mode.
//
// Lines leave out their end pixel, so a closed outline drawn segment by
// segment sets each pixel once and the XOR pen can draw and remove it.
#pragma once

#include "platform/Surface.h"

namespace lintavo {

using HDC = Surface*;  // the device context of a surface: the surface itself

struct GdiPoint {
  Long X;  // device pixels
  Long Y;
};

// Moves the current position; the previous one goes to previous when given.
void MoveToEx(HDC dc, int x, int y, GdiPoint* previous);
// Line from the current position to (x, y), end pixel left out; the current
// position becomes (x, y).
void LineTo(HDC dc, int x, int y);
// Line from the current position to the start of the arc, then the arc about
// (x, y) of the given radius from startDegrees through sweepDegrees
// (counterclockwise on the screen when positive); the current position
// becomes the arc's end.
void AngleArc(HDC dc, int x, int y, unsigned radius, float startDegrees, float sweepDegrees);
// Connected lines through the points; the current position is not used.
void Polyline(HDC dc, const GdiPoint* points, int count);
// Closed polygon, filled with the brush (alternate rule), outlined with the pen.
void Polygon(HDC dc, const GdiPoint* points, int count);
// Cubic Bezier segments: the first point, then three points per segment.
void PolyBezier(HDC dc, const GdiPoint* points, int count);
// Rectangle filled with the brush and outlined with the pen; it covers
// left..right-1 and top..bottom-1.
void Rectangle(HDC dc, int left, int top, int right, int bottom);
// One pixel in the given colour, whatever the draw mode.
void SetPixelV(HDC dc, int x, int y, Long color);

}  // namespace lintavo
