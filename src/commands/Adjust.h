// Adjust: one affine transform (a reference point, X and Y scales, a
// rotation) and the routines that apply it to the stored points of one
// entity in place, or append a moved copy of an entity.
//
// Every command that moves, turns, scales, mirrors or copies geometry goes
// through here: a caller sets the transform once with SetAdjustTransform and
// then calls an applier for each entity. The linear part M takes a vector
// (x, y) to (XCos x + YSinNeg y, XSin x + YCos y): scaled by (ScaleX, ScaleY)
// first, then turned by Angle. The terms are Singles; the products are
// formed in double precision.
//
// Compound entities (types 12 to 16) have one position, point 1; point 2
// holds their (X scale, Y scale) and point 3's X their rotation in degrees;
// further points are flags. Only point 1 is moved as a position.
//
// Every applier tells the entity index of the entity it changed
// (ObjPointsChanged) once its points, its scale and its rotation all stand,
// so picking, snapping and the redraw of a part of the drawing find it
// where it now lies and as large as it now is (a text character covers its
// glyph through all three), and the extents of its own drawing and the box
// of its own layer, not the current layer's, widen to hold it.
//
// Sections:
//   The transform
//   Appliers
//   Copies
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- The transform -------------------------------------------------------------------
struct AdjustTransformRec {
  Single Angle = 0;    // rotation, radians, counter-clockwise
  Single CosA = 1;     // cos(Angle)
  Single SinA = 0;     // sin(Angle)
  Single XCos = 1;     // ScaleX * CosA
  Single XSin = 0;     // ScaleX * SinA
  Single YCos = 1;     // ScaleY * CosA
  Single YSinNeg = 0;  // -(ScaleY * SinA)
  Single ScaleX = 1;   // X scale factor
  Single ScaleY = 1;   // Y scale factor
  Double RefX = 0;     // reference point, world units
  Double RefY = 0;
};
// Written only by SetAdjustTransform; it keeps the last values set for as
// long as the program runs (the reset puts the identity back).
extern AdjustTransformRec AdjustTransform;

// Stores the reference point, the scales and the angle (radians) and derives
// the sine, cosine and the four matrix terms.
void SetAdjustTransform(Double RefX, Double RefY, Single ScaleX, Single ScaleY, Single Angle);

// ---- Appliers --------------------------------------------------------------------------
// The points as coordinates relative to the reference point: P' = Ref + M P.
// A compound's scale is multiplied and its rotation turned, and a
// dimension's, fill's or hatch's item extents recomputed.
void TransformObj(Long ObjNo);
// About the reference point: P' = Ref + M (P - Ref), as TransformObj for
// compounds. With unequal scales a circle first becomes an ellipse and an
// arc an elliptical arc (the new entity, selected; the old one erased);
// returns the entity that was scaled: ObjNo, or that replacement.
Long ScaleObj(Long ObjNo);
// About the reference point without the circle conversion: P' = Ref +
// M (P - Ref); a compound's rotation is turned, its scale left.
void ApplyTransformToPoints(Long ObjNo);
// Whether Ref + M (P + (Dx, Dy)) is a finite point for every moved point P
// of the entity (a circle's or an arc's whole extent included) and a
// compound's scale and rotation stay finite: a caller checks every entity
// before it changes any, so an edit that would overflow changes nothing.
bool TransformStaysFinite(Long ObjNo, Double Dx, Double Dy);

// ---- Copies ------------------------------------------------------------------------------
// Appends a copy of the entity moved by (Dx, Dy) (0, 0: an exact duplicate),
// with one "add" undo step; the copy is ObjCount. Dimensions, fills and
// hatches are not copied: nothing is appended. A compound's copy moves
// only its point 1.
void CopyObjOffset(Long ObjNo, Double Dx, Double Dy);
// Whether CopyObjOffset appends a copy of an entity of this type.
bool IsCopiedByOffset(Integer ObjType);

void ResetAdjust();  // the transform back to the identity about (0, 0)

}  // namespace lintavo
