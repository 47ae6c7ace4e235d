// RubberShapes: the curve and arc shapes of the line-drawing previews:
// circles, arcs by centre or by three points, the regular polygon, ellipses
// by a box or by axes, the elliptical arc, the spline and the Bezier curves,
// and the angle and radius read-outs of the arcs.
//
// Each shape reads the preview points R0..R5 and the preview state of
// Rubber, and draws with the pen the line-drawing preview has set (dotted,
// RubberColor, XOR); the arcs switch to the solid style just before their
// arc. Drawing a shape is a pure function of that state: what a shape
// computes and stores (a radius, a centre, a sweep direction) comes out the
// same when it is called again on the same state, so calling a shape twice
// in a row leaves the surface as it was. That is how a preview is removed.
//
// All points are view pixels with y upward; angles are radians
// counterclockwise from +x. Degenerate input draws nothing: a rounded radius
// of 0, equal arc ends, a zero box side or axis, parallel spline tangents.
//
// Sections:
//   Read-out texts
//   Circles and arcs
//   Polygon
//   Ellipses
//   Curves
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Read-out texts --------------------------------------------------------------
// The texts of the arc read-outs in the user's units, put here by the
// measuring module (a floor above) when it registers. While either is
// missing that read-out is not shown.
extern String (*RubberAngleText)(Single Angle);    // "Angle = " and the angle; radians in
extern String (*RubberRadiusText)(Double Radius);  // "Radius = " and the length; world units in

// ---- Circles and arcs -----------------------------------------------------------
// The circle about R0 through R2: RubberRadius := |R0 - R2| rounded to whole
// pixels; nothing is drawn when that is 0.
void RubberCentreCircle();
// The sector about R0 from the start R1 to the cursor R3 with the radius of
// step 1, in the direction chosen while the cursor left the start
// (ArcSweepReversed); RubberArcSweep := its mid angle. The end angle and the
// radius go to panels 2 and 3. Within 0.03 rad of the start nothing is drawn,
// RubberArcSweep is 0 and the direction is chosen afresh; a cursor that
// leaves the start by a jump past that reach (a snapped one) chooses it at
// its first place off the start's angle.
void RubberCentreArc();
void RubberArcThreePoints();  // arc about R0 from R1 to R3 passing R2
void RubberArcEndsFirst();    // arc about R0 from R1 to R2 passing the cursor R3

// ---- Polygon --------------------------------------------------------------------
// Regular polygon about R0 with a vertex at R2; the angle from R2 to the
// cursor R3 about R0 is the angle between two neighbouring vertices. Only
// the circle through R2 is drawn while that angle is 0 or so small that the
// side count does not fit 16 bits.
void RubberRegularPolygon();

// ---- Ellipses -------------------------------------------------------------------
// Axis-parallel ellipse inscribed in the box R1, R2: R0 := its centre,
// RubberRadiusX and RubberRadiusY its half sides, RubberRadius the larger,
// RubberAspect Y over X. Nothing is drawn while a side is 0.
void RubberBoxEllipse();
// Sector of the box ellipse from the start R3 to the cursor R4, its
// direction chosen as the cursor leaves the start (ArcSweepReversed). The
// parametric end angle in whole degrees goes to panel 2, the distance from
// the centre to the end's point of the ellipse to panel 3. Nothing is drawn
// while the box had a zero side.
void RubberEllipticArc();
// Ellipse about R0 with the axis R1-R2 and the other half axis as long as
// R0-R3, a quarter turn on from the first; with the line from R0 to the end
// of that half axis. Always 63 chords of 0.1 rad.
void RubberAxisEllipse();

// ---- Curves ---------------------------------------------------------------------
// The last two spline segments, R1 to R2 and R2 to the cursor R3, R4 being
// the point before R1; each a spiral piece about the crossing of its end
// normals, whose centre is left in R0.
void RubberSpline();
// Two cubic segments R1 to R2 to the cursor R3, smooth at R2, with crosses at
// three of their control points; R5 the control point after R1 (carried from
// the previous segment's R4 after a click), R4 the one after R2. R4 = (0, 0)
// marks that no control point is carried.
void RubberBezier();
// R4 := the control point after R2 that RubberBezier draws with the cursor
// at R3: a quarter of the chord R2-R3 from R2, turned half the way from the
// chord R1-R2 to it. Drawing nothing.
void RubberBezierOutPoint();
// Appends (round(x), ViewPixMaxY - round(y)) to GdiPts after the
// RubberBezierCount points already there.
void AddRubberBezierPoint(Single x, Single y);

}  // namespace lintavo
