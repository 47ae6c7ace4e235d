// FastDraw: the renderer of simple entities (types 1 to 11) whose
// visibility the caller has already decided: the members of components and
// dimensions under their placement, the strokes of glyphs, and the rows of a
// stored drawing drawn straight from the staging record into the drawing
// chooser's preview. It makes no layer, view-window or pixel-bound decisions
// (the surface clips). It draws with the one pen of SurfaceDraw (PenColor,
// PenStyle, PenWidthFactor, PenWeight, PenPntCount), and a member drawn while
// DrawObject is inside DrawCompound gives the enclosing entity's pen back.
// Coordinates are carried in single precision from the point list onward.
//
// Sections:
//   Entries
//   World wrappers in single precision
//   Drawers by type
//   Reset
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Entries ---------------------------------------------------------------------------
// Draws entity ObjNo of Objs. Nothing at all (not even the width reset) when
// its Show is 0. Colour, first rule that holds: the background while
// EraseDraw; SelectedLineColor and SelectedLineType when it or the enclosing
// compound is selected; GlyphColor while a character draws; MemberColor
// while a component draws; else its own. Not-XOR pen while XorDraw. Its
// points pass through the placement of the enclosing compound. Leaves width
// 1, and the pen variables as they were before the call.
void FastDrawObject(Long ObjNo);
// Draws LoadObj with LoadPnts(1..NPoints) in its own colour, line type and
// weight with the copy pen, no placement; the caller has pointed ActiveDoc
// and the view cache at the surface. Leaves the entity's own width and pen.
void FastDrawLoadedObject();

// ---- World wrappers in single precision ------------------------------------------------
// As the world wrappers of SurfaceDraw, through the view cache, with Single
// world coordinates; radii are taken as absolute values.
void FastWorldPoint(Single X, Single Y);
void FastWorldLine(Single X1, Single Y1, Single X2, Single Y2);
void FastWorldCircle(Single X, Single Y, Single R);
void FastWorldCircleArc(Single X, Single Y, Single R, Single Start, Single End);  // radians
void FastWorldCircleEllipse(Single X, Single Y, Single RX, Single RY);
void FastWorldCircleEllipticArc(Single X, Single Y, Single RX, Single RY, Single Start, Single End);

// ---- Drawers by type -------------------------------------------------------------------
// On ScrPts(1..PenPntCount) and the pen; called by the entries only.
void FastDrawPoint();        // 1
void FastDrawLine();         // 2
void FastDrawWideLine();     // 2 with a width: the filled band
void FastDrawCircle();       // 3
void FastDrawArc();          // 4
void FastDrawEllipticArc();  // 5
void FastDrawEllipse();      // 6
void FastDrawSpline();       // 7
void FastDrawBezier();       // 8
void FastDrawContBezier();   // 9
void FastDrawPolyline();     // 10
void FastDrawPolygon();      // 11

}  // namespace lintavo
