// LineDrawCurves: the step routines of the line-drawing commands that make
// curves through clicked points: the spline (code 21), the continuous Bezier
// curve (22) and the single Bezier span with a chosen end direction (25),
// and the construction of Bezier control points from three points.
//
// Stored vertex layouts:
//   Spline (7)            the clicked points in order, 3 to 100
//   Bezier (8)            start, first control point, second control point, end
//   Continuous Bezier (9) 3 n + 1 points, at most 100: the start, then per
//                         span two control points and the span's end; the
//                         last span of a curve still being drawn has its end
//                         as its second control point until the next click
//
// The spline and the continuous Bezier exist from the third click on and
// grow by one click at a time: the old drawing is wiped (drawn once more in
// the background colour) before the point goes in, and the curve is drawn
// again. A click back on the first point closes either curve exactly on it
// and ends the command; so does the 100th point. Enter adds nothing.
//
// Sections:
//   Control points
//   Curves
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Control points ------------------------------------------------------------------
// The span from P1 to P2 of a curve going on to P3: OutX1, OutY1 its first
// control point (a quarter of the chord along the chord while
// ChainFirstSegment is set, which this clears; else the P0 the previous call
// left), OutX2, OutY2 its second; P0 := the first control point of the span
// after P2. The tangent at P2 bisects the two chords; each control point
// lies a quarter of its own chord from its end. Chords shorter than 1e-7
// count as 1e-7.
void ComputeBezierControlPoints(Double& OutX1, Double& OutY1, Double& OutX2, Double& OutY2);

// ---- Curves -----------------------------------------------------------------------------
void DrawSplineCurve();       // 21: a spline through every click
void DrawContinuousBezier();  // 22: smooth cubic spans through every click
void DrawSingleBezier();      // 25: start, end, and a point beyond the end that sets its direction

}  // namespace lintavo
