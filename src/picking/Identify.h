// Identify: the object under a point. FindObjAt scans the objects of the
// current drawing that can be picked, asks the distance routine of each
// object's type how far the point lies from it, and returns the nearest
// object with its distance. It decides nothing: every caller compares the
// distance with its own reach (PickTolerance, or twice that for picking lines).
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
// Part of a multi-part object found nearest: for a polyline or polygon the
// chord number (1-based, chord n joins points n and n + 1), for a continuous
// Bezier the offset of its piece's first point (0, 3, 6 ...). Kept from the
// last object that set it; meaningful right after a hit on one of those types.
extern Integer HitSegment;

// ---- Finding the object under a point --------------------------------------------
// ObjNo := the shown object of drawing CurDwg on an editable layer nearest to
// (X, Y), Dist := its distance; of equal distances the later object wins.
// ObjNo 0 and Dist the sentinel when no object passes the skips. Dimensions,
// fills and hatches are never within reach.
void FindObjAt(Long& ObjNo, Double X, Double Y, Double& Dist);

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
