// Snaps: the Snap To commands (tool 8), which move one end of a picked
// straight line onto a point constructed from the drawing (the nearest
// stored point, a line, a midpoint, an intersection, the foot of a
// perpendicular, a parallel, a centre, a tangent point), and the search for
// the nearest stored object point that they and the drawing snap switches
// (SnapSettings.h) use.
//
// A menu item stores the command word and tool 8 and calls SelectTool, which
// calls RunSnapCommand; every later click calls it again. The picks are taken
// by the line picker (PickLine.h): pick 1 is always the line whose end moves.
// A line is never edited in place: its moved copy is appended with the same
// style and the picked line erased, so the moved line has a new number and
// undo takes the move back in two steps (the erase, then the addition).
//
// Sections:
//   Command codes
//   Command state
//   Geometry of the picks
//   Commands
//   Moving an end
//   Constructions
//   Tangents and arcs
//   Nearest stored point
//   Reset
#pragma once

#include <array>

#include "model/SnapSettings.h"
#include "platform/Types.h"

namespace lintavo {

// ---- Command codes (values of SnapCommand, stored by the Snap To menu items) -------
enum SnapCode : Integer {
  SnapNearestCode = 1,        // "Nearest Point": each end onto the stored point nearest it
  SnapClosestCode = 2,        // "Closest Point To": an end onto the stored point nearest a click
  SnapLineCode = 3,           // "Line": onto a line (perpendicular foot) or a circle (radially)
  SnapMiddleCode = 4,         // "Middle": onto a line's midpoint, an arc's middle point
  SnapIntersectionCode = 5,   // "Intersection": onto the crossing of two objects
  SnapPerpendicularCode = 6,  // "Perpendicular": perpendicular to a line or a circle
  SnapParallelCode = 7,       // "Parallel": parallel to a line
  SnapTangentCode = 8,        // "Tangent": touching a circle or arc
  SnapCenterCode = 9,         // "Center": onto a centre, a line's midpoint
};
constexpr Integer SnapCodeCount = 9;
static_assert(SnapCodeCount == SnapCenterCode, "the count is the highest code");

// ---- Command state -------------------------------------------------------------
extern Integer SnapCommand;  // command word, SnapCode 1..9
extern Integer SnapActive;   // flag: a Snap To command is running

// ---- Geometry of the picks ---------------------------------------------------------------
// One picked object as LoadSnapObj reads it (world units). Fields a type
// does not use keep what an earlier load left in the slot.
struct SnapSlot {
  Integer SnapObjType = 0;        // entity type of the pick
  Double X1 = 0, Y1 = 0;          // line: start; circle: rim point; arc: one end
  Double X2 = 0, Y2 = 0;          // line: end; arc: the other end
  Double ArcMidX = 0, ArcMidY = 0;  // arc: its third stored point, on the arc between the ends
  Double CentreX = 0, CentreY = 0;  // circle and arc: centre
  Double Radius = 0;              // circle and arc: centre to (X1, Y1)
};
extern std::array<SnapSlot, 4> SnapSlots;  // picks 1..3; entry 0 unused
extern Double SnapMidX, SnapMidY;          // result of SnapMidpointOf

// Fills SnapSlots(n) (n 1..3) from the entity PickedLines(n).
void LoadSnapObj(Integer n);

// ---- Commands -------------------------------------------------------------------------------
void RunSnapCommand();  // dispatcher of tool 8
void EndSnapCommand();  // ends the running command: prompts cleared, tool released, picture redrawn

// ---- Moving an end --------------------------------------------------------------------------
// Moves the second (End) or the first (Start) point of straight line ObjNo
// to (X, Y) by replacement: a copy with the point moved is appended (one
// undo step), the line erased (another) and the copy drawn. Anything but a
// straight line, or a point that is not finite, changes nothing.
void SetPickedLineEnd(Double X, Double Y, Long ObjNo);
void SetPickedLineStart(Double X, Double Y, Long ObjNo);

// ---- Constructions ----------------------------------------------------------------------------
void SnapNearestPoint();             // code 1, on the line of pick 1
void SnapClosestPoint(Long ObjNo);   // code 2, on line ObjNo and a target click
void SnapToLine();                   // code 3
void SnapToMidpoint();               // code 4
void SnapToIntersection();           // code 5
void SnapPerpendicular();            // code 6
void SnapParallel();                 // code 7
void SnapTangent();                  // code 8
void SnapToCenter();                 // code 9
void SnapMidpointOf(Double X1, Double Y1, Double X2, Double Y2);  // into SnapMidX, SnapMidY
// The crossing of the objects in slots 1 and 2, into LineCrossX, LineCrossY;
// false when one of them is neither a line, a circle nor an arc.
bool SnapIntersectionPoint();
Double Square(Double x);             // x * x

// ---- Tangents and arcs ------------------------------------------------------------------------
// The points of contact of the two tangents from P to the circle of centre C
// and radius R, D being the distance from P to C (D > R): seen from C towards
// P, Out1 on the left and Out2 on the right.
void TangentPoints(Double& Out1X, Double& Out1Y, Double& Out2X, Double& Out2Y, Double D, Double R, Double CX,
                   Double CY, Double PX, Double PY);
// Whether the direction of P seen from the centre of the arc through A, M
// and B (A and B its ends, M a point between them) lies on the arc, with a
// slack of 0.001 radians.
bool PointOnArc(Double PX, Double PY, Double AX, Double AY, Double MX, Double MY, Double BX, Double BY);

// ---- Nearest stored point ------------------------------------------------------------
// Looks through the shown entities of drawing CurDwg in table order (no layer
// test), through every stored point of each (only the first point of a
// compound entity), measuring |dx| + |dy| to (X, Y). The search reaches
// 100 × PickTolerance; the first point nearer than PickTolerance ends it at
// once, otherwise the nearest point wins (the earlier of equally near ones).
// When a point was found, X and Y receive it, ObjNo its entity and Dist its
// distance; otherwise X and Y are unchanged and ObjNo and Dist are 0.
// It tests only the entities the entity index (ObjIndex) names near the
// point, in rounds of growing reach, in table order; the answers are those
// of testing every entity. Points outside the point table in use are never read.
void NearestObjPoint(Double& X, Double& Y, Long& ObjNo, Single& Dist);
// The same answer by testing every entity of the table; NearestObjPoint
// takes this road when the index cannot serve (a tolerance that is not a
// positive finite number, a point that is not finite, no open drawing current).
void NearestObjPointByScan(Double& X, Double& Y, Long& ObjNo, Single& Dist);

// ---- Reset ----------------------------------------------------------------------------
void ResetSnaps();  // the module's globals to their start values

}  // namespace lintavo
