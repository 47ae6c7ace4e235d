// ObjectDrawers: one drawer per simple entity type (1 to 11) that turns the
// entity's points into surface output, the drawer of a text character's
// strokes, and the pair that puts a compound entity's placement on and takes
// it off again.
//
// The dispatcher sets the pen (PenColor, PenStyle, PenWidthFactor, ...),
// the draw mode and loads the entity's points into ScrPts(1..n), already
// through any placement; the simple drawers take no arguments and read those.
// Each returns at once unless DrawEnabled (only the circle and the arc work
// in an extents pass, where they add the outermost points of their rim) and
// skips an entity
// lying beyond one side of the view window before converting any point.
//
// Points per type (ScrPts index 1 = the entity's first point):
//   1 Point            P1
//   2 Straight Line    P1, P2 the ends
//   3 Circle           P1 centre, P2 on the rim
//   4 Arc              P1 centre, P2 start, P3 between (picks the direction), P4 end
//   5 Elliptical Arc   P1, P2 ends of one axis (centre their midpoint), P3, P4 ends of the other, P5 start, P6 end
//   6 Ellipse          P1, P2 ends of one axis, P3, P4 ends of the other
//   7 Spline Curve     P1..Pn the points passed through; closed when Pn equals P1
//   8 Bezier Curve     P1 start, P2, P3 control points, P4 end
//   9 Continous Bezier P1..Pn, n = 3k + 1: segments P1..P4, P4..P7, ...
//  10 Polyline         P1..Pn, open
//  11 Polygon          P1..Pn, closed and filled
// Placement points of a compound (types 12 and 13; each an X and a Y):
//   p0 insertion point; p1 X and Y scale; p2 rotation and slant, degrees;
//   p3 (text) bold and underline when non-zero; p4 (text) box when X is
//   non-zero, box colour in Y (RGB as a whole number).
//
// Sections:
//   Glyph colour
//   Simple drawers
//   Shapes shared with the fast renderer
//   Text characters and placements
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Text options the drawers read ------------------------------------------------------
// Kept in the text option sets with the other text options (Texthand).
extern Integer BoldWeight;  // pen weight in pixels of the strokes of bold characters (2 at start)

// ---- Glyph colour --------------------------------------------------------------------
extern Integer GlyphColorOn;  // flag: glyph strokes are drawn in GlyphColor (set while a character draws)
extern Long GlyphColor;       // RGB colour of the character being drawn

// ---- Simple drawers --------------------------------------------------------------------
void DrawObjPoint();        // 1: a standard mark while ShowStdPnts, else one pixel
void DrawObjLine();         // 2: a line, or a band when it has a width
void DrawWideObjLine();     // 2 with a width: the band, filled with the line type as pattern
void DrawObjCircle();       // 3: the circle; its rim's outermost points in an extents pass
// The outermost points of the rim of the circle (Type 3) or arc (Type 4)
// whose points are in ScrPts, as it is drawn (WidenByRim): the extents take
// them beside the entity's points. Returns how many it wrote (none for
// another type).
Integer DrawnRimPoints(Integer Type, Double (&X)[4], Double (&Y)[4]);
void DrawObjArc();          // 4: the arc; its rim's outermost points in an extents pass
void DrawObjEllipticArc();  // 5
void DrawObjEllipse();      // 6
void DrawObjSpline();       // 7: arc-like pieces through every point
void DrawObjBezier();       // 8: one cubic segment
void DrawObjContBezier();   // 9: every whole cubic segment
void DrawObjPolyline();     // 10
void DrawObjPolygon();      // 11: filled with the line type as pattern

// The drawer of a simple type (1 to 11) on ScrPts and the pen as set;
// another type draws nothing.
void DrawObjByType(Integer Rtype);

// ---- Shapes shared with the fast renderer --------------------------------------------------
// The constructions of the drawers above, on ScrPts and the pen of
// SurfaceDraw, that the fast renderer (FastDraw) draws too, without culling.
// Where the constructions put their output, in world units.
struct ShapeOutput {
  void (*Line)(Double X1, Double Y1, Double X2, Double Y2);  // a piece of a stepped shape
  void (*Ellipse)(Double X, Double Y, Double RX, Double RY);  // the surface's axis-parallel ellipse
  void (*EllipticArc)(Double X, Double Y, Double RX, Double RY, Double Start, Double End);  // its arc, radians
};
extern const ShapeOutput WorldShapes;  // the world wrappers of SurfaceDraw

// ViewPts(1..4) := the view pixels of the corners of the band of width W
// (world units) along ScrPts(1)..ScrPts(2), drawn by ViewPolygon.
void LoadBandCorners(Double W);
// Fill pattern and colour of bands and polygons: PenStyle and PenColor
// while fills are shown, else transparent in DwgBackColor.
void BandFill(Integer& style, Long& color);
void EllipseShape(const ShapeOutput& Out);      // ScrPts(1..4); stepped unless its first axis is level
void EllipticArcShape(const ShapeOutput& Out);  // ScrPts(1..6); likewise
// The spline through ScrPts(1..Count); with Cull a segment lying beyond one
// side of the view window is left out.
void SplineShape(int Count, bool Cull, const ShapeOutput& Out);

// ---- Filled quadrilaterals ---------------------------------------------------------------
// Fills the quadrilateral with world corners 1 to 4 solid in Colour
// (DwgBackColor while EraseDraw): nothing unless ShowFills, nothing when
// all four corners lie beyond the same side of the view window. The box
// behind a boxed text character is drawn so.
void FillQuad(Double X1, Double Y1, Double X2, Double Y2, Double X3, Double Y3, Double X4, Double Y4,
              Long Colour);

// ---- Text characters and placements ----------------------------------------------------
// The strokes of text character ObjNo, with its box and underline; its
// placement must already be applied.
void DrawTextObj(Long ObjNo);
// Composes compound ObjNo's placement onto the current one (and marks its
// reference point while ShowRefPnts, for a component).
void ApplyPlacement(Long ObjNo);
// Takes ObjNo's placement off again: after ApplyPlacement of the same
// entity the enclosing placement is back (its slant is cleared).
void RemovePlacement(Long ObjNo);

void ResetObjectDrawers();  // the module's globals to their start values

}  // namespace lintavo
