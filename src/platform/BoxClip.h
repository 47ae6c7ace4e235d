// BoxClip: straight segments and polygons cut to an axis-parallel box in
// floating point, before their points become whole pixels.
//
// A point far beyond a surface cannot be held in range coordinate by
// coordinate without bending the straight pieces through it: a segment from
// the view towards (4e7, 2e7) pixels, both held at 4e6, would run at 45
// degrees instead of its own slope. Cut where it leaves the box, a segment
// keeps its course inside the box, and a polygon keeps its inside there.
// The surface cuts the radius lines of curves far larger than itself to
// the area it walks them in; the view cuts every straight piece of the
// drawing to its guard box (model/ViewCache.h).
//
// Both cuts are pure functions of their input: a shape drawn twice with the
// XOR pen is cut alike both times and leaves every pixel as it was.
#pragma once

#include <vector>

namespace lintavo {

// An axis-parallel box, its sides included. Units are the caller's: view
// pixels with y upward, or device pixels with rows downward (MinY the top).
struct ClipBox {
  double MinX = 0, MinY = 0;  // the smaller x and y
  double MaxX = 0, MaxY = 0;  // the larger x and y
  // Whether (x, y) lies in the box; a NaN never does.
  bool Holds(double x, double y) const { return x >= MinX && x <= MaxX && y >= MinY && y <= MaxY; }
};

// A point of a polygon to cut, in the box's units.
struct ClipPoint {
  double X = 0;
  double Y = 0;
};

// Cuts the segment (x0, y0)-(x1, y1) to the box (Liang-Barsky); false, the
// ends untouched, when no part of it lies in the box or a coordinate or the
// segment's run is not finite. An end that lies in the box keeps its exact
// value; a cut end lies on a side of the box (to rounding).
bool ClipSegmentToBox(const ClipBox& box, double& x0, double& y0, double& x1, double& y1);

// The polygon Points[0..Count) (closed from the last point back to the
// first) cut to the box, one side of the box after the other
// (Sutherland-Hodgman), into Out[0..result). Within the box the cut polygon
// encloses every point as often as the polygon does, so an even-odd fill of
// it sets the same pixels there; its parts outside are drawn along the
// box's sides. Scratch is working room: both vectors keep their storage
// from call to call, so a call allocates only when a polygon is larger
// than any before. Returns the number of points in Out: 0 when nothing of
// the polygon lies in the box or a coordinate is not finite.
int ClipPolygonToBox(const ClipBox& box, const ClipPoint* Points, int Count, std::vector<ClipPoint>& Out,
                     std::vector<ClipPoint>& Scratch);

}  // namespace lintavo
