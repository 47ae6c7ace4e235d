// Identify: the object under a point. FindObjAt takes the objects of the
// current drawing that can be picked, asks the distance routine of each
// object's type how far the point lies from it, and returns the nearest
// object with its distance. It decides nothing: every caller compares the
// distance with its own reach (PickTolerance, or twice that for picking lines).
//
// It measures only the objects the entity index (ObjIndex) names near the
// point, in rounds of growing reach, in ascending object order, so its
// answers are those of measuring every object in table order.
//
// Distances are world units. Straight pieces are measured as |dx| + |dy| to
// the nearest point of the segment (no square root; at most sqrt(2) times
// the Euclidean distance); circles, arcs and ellipses radially. Some tests
// compare in single precision on purpose, as the tolerance is a Single.
//
// A miss is the sentinel distance, 100 * PickTolerance. When nothing is
// within reach, ObjNo may still name an object whose routine left the
// sentinel: callers decide by the distance, never by ObjNo alone.
//
// Sections:
//   State of the last test
//   Finding the object under a point
//   Segments
//   Reset
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- State of the last test ------------------------------------------------------
extern Double HitTestX, HitTestY;  // world point being tested; set by FindObjAt
extern Double CandidateDistance;   // distance of the object under test; starts at the sentinel
// Part of the object FindObjAt returned: for a polyline or polygon the
// chord number (1-based, chord n joins points n and n + 1) nearest the
// point, for a continuous Bezier the offset of its nearest piece's first
// point (0, 3, 6 ...). Set when the object returned is of one of those types
// and nearer than the sentinel; otherwise it keeps its value.
extern Integer HitSegment;

// ---- Finding the object under a point --------------------------------------------
// ObjNo := the shown object of drawing CurDwg on an editable layer nearest to
// (X, Y), Dist := its distance; of equal distances the later object wins.
// ObjNo 0 and Dist the sentinel when no object passes the skips. Dimensions,
// fills and hatches are never within reach.
void FindObjAt(Long& ObjNo, Double X, Double Y, Double& Dist);
// The same answer by measuring every object of the table; FindObjAt takes
// this road when the index cannot serve (a tolerance that is not a positive
// finite number, a point that is not finite, no open drawing current).
void FindObjAtByScan(Long& ObjNo, Double X, Double Y, Double& Dist);

// ---- Segments ----------------------------------------------------------------------
// |dx| + |dy| from (X, Y) to the segment P1-P2: to the perpendicular foot when
// it lies in the segment's box, else to the nearer end (a tie takes P2).
Double DistancePointToSegment(Double X1, Double Y1, Double X2, Double Y2, Double X, Double Y);
// True when both ends lie beyond the same side of the square of half-width
// PickTolerance about the point under test: the segment cannot be within reach.
bool IsSegmentOutsidePickBox(Double X1, Double Y1, Double X2, Double Y2);

// ---- Reset -------------------------------------------------------------------------
void ResetIdentify();  // the module's globals to their start values

}  // namespace lintavo
