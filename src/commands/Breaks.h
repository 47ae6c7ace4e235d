// Breaks: the break routines of BREAK LINE, one per breakable entity type.
// Each removes the part of an entity between two break points on it and
// keeps what lies outside them: the entity is shortened in place or erased
// (one erase step), and the far piece is appended (one add step). An
// in-place change is taken back and done again with the step that added the
// far piece, or is a step of its own when the break adds none, so Undo gives
// the entity back whole. The caller has wiped the entity from the surface; a routine draws
// every piece it leaves.
//
// Every piece, kept in place or appended, looks as the entity did and keeps
// its links: colour, line type, weight, width, layer, owner and the item it
// shows (a broken area boundary stays the area's); the polylines a polygon
// breaks into are drawn solid, as its outline was. The cut points are the
// break points taken onto the entity: to the nearest point of a straight
// line or of a polyline's or polygon's side, along the direction from the
// centre onto a circle, an arc or an ellipse. Splines and continuous
// Beziers are cut at the points clicked: their curves pass through their
// points and change with them.
//
// A break that would lose or duplicate geometry changes nothing and says so
// in its result: both break points at one end of an arc, both inside the
// first span of a continuous Bezier, a break point on no segment of a
// spline, polyline, polygon or continuous Bezier.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// What a break did.
enum BreakResult : Integer {
  BreakDone = 0,          // the entity was broken; the drawing changed
  BreakUnchanged = 1,     // nothing to remove (both points at one end of a line)
  BreakTooClose = 2,      // both points at one end of an arc: nothing changed
  BreakPointMissing = 3,  // a point lies on no segment or span: nothing changed
  BreakNotBreakable = 4,  // points, single Bezier curves and compound entities
};

// Breaks entity ObjNo between B1 = (X1, Y1) and B2 = (X2, Y2), in the order
// clicked, by the routine of its type.
BreakResult BreakObject(Long ObjNo, Double X1, Double Y1, Double X2, Double Y2);

}  // namespace lintavo
