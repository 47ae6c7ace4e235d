// Trims: tool 4, the commands that cut picked lines and arcs against each
// other: Trim Line, Extend Line, Corner Trim, Corner Chamfer and Corner
// Fillet, and the corner joins of the continuous line's automatic fillet and
// chamfer.
//
// Every object a trim command changes is replaced, never edited in place:
// the new object is appended (one "add" undo step) and the old one erased
// with EraseObj (one erase step), so undo takes a trim back one object at a
// time. The commands copy the picked objects into the work geometry
// (TrimGeom1, TrimGeom2) first and construct from there.
//
// Sections:
//   Command state and options
//   Work geometry
//   Writers
//   Constructions
//   Commands
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state and options ---------------------------------------------------
// Trim command codes (values of TrimCommand), written by the Modify menu's
// Trims items. Code 6, the double-line trim, is chosen by no menu item and
// has no command here.
enum TrimCode : Integer {
  TrimLineCode = 1,      // "Trim Line"
  ExtendLineCode = 2,    // "Extend Line"
  CornerTrimCode = 3,    // "Corner Trim": a fillet of radius 0
  CornerChamferCode = 4, // "Corner Chamfer"
  CornerFilletCode = 5,  // "Corner Fillet"
};
constexpr Integer TrimCodeCount = 5;  // codes 1..5 have a command
static_assert(TrimCodeCount == CornerFilletCode, "the count is the highest code");

extern Integer TrimCommand;  // sub-command chosen by the menus and tool bars
extern Integer TrimActive;   // flag: the module's dispatcher has taken the current command

// Drawing options, 0 until an option set is applied. Auto fillet and auto
// chamfer exclude each other: switching one on clears the other.
extern Integer AutoFillet;     // flag: continuous lines are filleted at each corner (default 0)
extern Integer AutoChamfer;    // flag: continuous lines are chamfered at each corner (default 0)
extern Integer TrimsSetting3;  // flag: kept in the drawing option set only (default 0)
extern Double FilletRadius;    // fillet radius, world units (0.5 built in)
extern Double ChamferDist1;    // chamfer distance on the first line, world units (0.5 built in)
extern Double ChamferDist2;    // chamfer distance on the second line; follows ChamferDist1 (0.5 built in)
extern Double FilletWorkRadius;  // radius of the running fillet construction, world units

// ---- Work geometry -----------------------------------------------------------------
// One picked object, world units. What is set depends on its type:
// line: Start, End; circle: Center, Start (its stored rim point), Radius;
// arc: Center, Start (point 2), Mid (point 3), End (point 4), Radius;
// polyline or polygon: Start, End = the picked segment's two vertices.
struct TrimGeom {
  Double StartX = 0, StartY = 0;    // first point (see above)
  Double EndX = 0, EndY = 0;        // second point; not set for a circle
  Double MidX = 0, MidY = 0;        // arc: its middle point
  Double CenterX = 0, CenterY = 0;  // circle and arc: the centre
  Double Radius = 0;                // distance from the centre to Start
};

extern Integer TrimObjType1, TrimObjType2;  // entity type of the first and second pick; 0 none
extern TrimGeom TrimGeom1, TrimGeom2;       // work geometry of the first and second pick
extern Double TrimCopyX, TrimCopyY;         // the vertex being copied by the polyline writers

// Loads PickedLines entry N (1 or 2) into TrimObjType and TrimGeom of that
// slot; a polyline or polygon loads its picked segment (PickedSegments N).
void LoadTrimEntity(Integer N);

// ---- Writers -------------------------------------------------------------------------
// Each appends one object with the attributes of new objects and draws it.
void AddLineObj(Double X1, Double Y1, Double X2, Double Y2);  // a straight line
// An arc through A (start), B (middle) and C (end); stored as centre, A, B, C.
void AddArcObj(Double AX, Double AY, Double BX, Double BY, Double CX, Double CY);
// A polyline of the first pick's vertices 1 to PickedSegments(1), then (X, Y).
void AddPolylineHead(Double X, Double Y);
// A polyline of (X, Y), then the first pick's vertices after PickedSegments(2).
void AddPolylineTail(Double X, Double Y);
// Replaces the straight line ObjNo by a copy of it (colour, line type,
// weight and layer kept) running from (X1, Y1) to (X2, Y2): two undo steps.
// Any other type is left alone.
void ReplaceTrimmedObj(Long ObjNo, Double X1, Double Y1, Double X2, Double Y2);
// May swap B1 and B2 so that B2 is the end of line B on the side of the
// crossing with line A where the reference point R lies.
void OrientLineToCorner(Double RX, Double RY, Double A1X, Double A1Y, Double A2X, Double A2Y,
                        Double& B1X, Double& B1Y, Double& B2X, Double& B2Y);

// ---- Constructions --------------------------------------------------------------------
// Two lines, A1 and B1 the ends towards the corner, A2 and B2 the kept far
// ends: appends the piece of line A, the fillet arc of FilletWorkRadius and
// the piece of line B in this order; a plain corner (two lines from the
// crossing) when the radius is below 1e-05, the lines are within 5 degrees
// of parallel or the arc does not fit; both lines unchanged within 3 degrees.
void FilletLineLine(Double A1X, Double A1Y, Double A2X, Double A2Y, Double B1X, Double B1Y,
                    Double B2X, Double B2Y);
// The fillet arc between the line and the arc of the work geometry (LineFirst:
// the line is slot 1); the picked objects stay. Pick 1 is the line's pick.
void FilletLineArc(bool LineFirst);
// The fillet arc between the two arcs of the work geometry, from the first
// to the second; concentric arcs have none.
void FilletArcArc();

// ---- Commands --------------------------------------------------------------------------
void RunTrimCommand();  // the dispatcher: one pick per click, then the operation
void EndTrimCommand();  // prompts cleared, the tool left, the picture the model's own
// Trim Line and Extend Line: Ent1 cut back or lengthened to its crossing
// with the boundary Ent2, on the side where it was picked.
void TrimExtendLine(Long Ent1, Long Ent2);
// Join two objects at their corner with a fillet of FilletRadius (radius 0:
// Corner Trim) or a chamfer set back by ChamferDist1 and ChamferDist2; the
// piece of ObjB is appended last, its kept end as its second point.
void CornerFillet(Long ObjA, Long ObjB);
void CornerChamfer(Long ObjA, Long ObjB);

void ResetTrims();  // the module's globals to their start values

}  // namespace lintavo
