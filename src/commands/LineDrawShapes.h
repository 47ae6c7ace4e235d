// LineDrawShapes: the step routines of the line-drawing commands that make
// closed shapes and round objects: rectangles and polygons (codes 6 to 10),
// circles (11 to 13), arcs (14 to 16), the elliptical arc (17) and ellipses
// (18 to 20). LineDraw's dispatcher runs them; they keep their points in
// LineDrawPoints (P0..P4) and end the command after one object.
//
// Stored vertex layouts (every drawer, picker, snap and the database read them):
//   Polygon (11)        the corners, the first repeated as the last; line type 1
//   Polyline (10)       the vertices of an irregular polygon left open
//   Circle (3)          the centre, a point on the circle
//   Arc (4)             the centre, one end, a point on the arc between the ends, the other end
//   Ellipse (6)         the ends of one axis, then the ends of the other
//   Elliptical arc (5)  the ellipse's four points (axes parallel to x and y), then the two arc ends as clicked
//
// Points that must differ for an arc and lie within 1e-6 (|dx| + |dy|) are
// refused with "Error! Points Too Close!" and asked for again. Other
// degenerate input (a shape whose corners coincide, three points in a line,
// a zero radius or axis) makes no object and ends the command.
//
// Sections:
//   Rectangles and polygons
//   Circles
//   Arcs
//   Ellipses
#pragma once

namespace lintavo {

// ---- Rectangles and polygons --------------------------------------------------------
void DrawRectangle2();        // 6: two opposite corners, sides parallel to the axes
void DrawRectangle3();        // 7: a base by two corners and the distance of a third click
void DrawTrapezoid();         // 8: three corners of a parallelogram
// 9: centre, first vertex, then a last vertex (the angle between neighbours)
// or a typed number of sides; 3 to 90 sides, else the command ends with none.
void DrawRegularPolygon();
// 10: vertex by vertex; a polyline from the third click, a polygon once a
// click closes it on the first vertex.
void DrawIrregularPolygon();

// ---- Circles -------------------------------------------------------------------------
void DrawCircleCenterRadius();  // 11: centre and a point on the circle
void DrawCircle2Points();       // 12: the two ends of a diameter
void DrawCircle3Points();       // 13: three points on the circle

// ---- Arcs ----------------------------------------------------------------------------
// 14: centre, start and end; the arc runs the way the preview was dragged,
// counterclockwise from start to end when no preview chose a direction.
void DrawArcCenterStartEnd();
void DrawArcStartMidEnd();  // 15: start, a point on the arc, end
void DrawArcStartEndMid();  // 16: start, end, a point on the arc (moved onto the circle)

// ---- Ellipses ------------------------------------------------------------------------
// 17: the box of the ellipse, then the arc's start and end; the arc runs the
// way the preview was dragged, counterclockwise from start to end when no
// preview chose a direction.
void DrawEllipticalArc();
void DrawEllipse2Corners();    // 18: inscribed in the box of two corners
void DrawEllipseCenterAxes();  // 19: centre, an axis end, and the other half axis's length
void DrawEllipse3Points();     // 20: both ends of one axis and the other half axis's length

}  // namespace lintavo
