// RubberShapes: the curve and arc shapes of the line-drawing previews:
// circles, arcs by centre or by three points, the regular polygon, ellipses
// by a box or by axes, the elliptical arc, the spline and the Bezier curves.
//
// Each shape reads the preview points R0..R5 and the preview state of
// Rubber, and draws with the pen the line-drawing preview has set (dotted,
// RubberColor, XOR). Drawing a shape is a pure function of that state, so
// calling a shape twice in a row leaves the surface as it was: that is how a
// preview is removed.
//
// Only the centre circle is drawn so far; the other shapes are not drawn
// yet and leave the state as it stands.
//
// Sections:
//   Circles and arcs
//   Polygon
//   Ellipses
//   Curves
#pragma once

namespace lintavo {

// ---- Circles and arcs -----------------------------------------------------------
// The circle about R0 through R2: RubberRadius := |R0 - R2| rounded to whole
// pixels; nothing is drawn when that is 0.
void RubberCentreCircle();
// Arc about R0 from R1 to the cursor R3 with the radius of step 1; not drawn yet.
void RubberCentreArc();
void RubberArcThreePoints();  // arc about R0 from R1 to R3 passing R2; not drawn yet
void RubberArcEndsFirst();    // arc about R0 from R1 to R2 passing the cursor R3; not drawn yet

// ---- Polygon --------------------------------------------------------------------
// Regular polygon about R0 with a vertex at R2, its side count from the
// cursor R3; not drawn yet.
void RubberRegularPolygon();

// ---- Ellipses -------------------------------------------------------------------
void RubberBoxEllipse();   // axis-parallel ellipse inscribed in the box R1, R2; not drawn yet
void RubberEllipticArc();  // arc of the box ellipse from R3 to the cursor R4; not drawn yet
void RubberAxisEllipse();  // ellipse about R0 with the axis R1-R2 through the cursor R3; not drawn yet

// ---- Curves ---------------------------------------------------------------------
void RubberSpline();  // the last two spline segments R1 to R2 to the cursor R3; not drawn yet
void RubberBezier();  // two cubic segments R1 to R2 to the cursor R3; not drawn yet

}  // namespace lintavo
