// Snaps: the Snap To constructions that place points on computed positions,
// the drawing snap switches the drawing window applies to every click and
// cursor position, and the search for the nearest stored object point that
// both use.
//
// Sections:
//   Command state
//   Drawing snap options
//   Nearest stored point
//   Reset
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer SnapCommand;  // sub-command chosen by the menus and tool bars
extern Integer SnapActive;  // flag: the module's dispatcher has taken the current command

// ---- Drawing snap options ----------------------------------------------------------
// Flags, -1 on. Grid, ortho and tolerance snap exclude each other (whoever
// switches one on clears the other two); nearest snap is independent. The
// first that applies wins, in the order grid, ortho, tolerance, nearest.
extern Integer GridSnap;       // flag: clicks snap to the grid (the grid is then drawn too)
extern Integer OrthoSnap;      // flag: from the second point on, clicks line up with the last pick
extern Integer ToleranceSnap;  // flag: clicks within PickTolerance of a stored point take it
extern Integer NearestSnap;    // flag: clicks take the nearest stored point the search finds
extern Single SnapTolerance;   // pick and snap reach at zoom 1, world units; 0 until options apply

// ---- Nearest stored point ------------------------------------------------------------
// Looks through the shown entities of drawing CurDwg in table order (no layer
// test), through every stored point of each (only the first point of a
// compound entity), measuring |dx| + |dy| to (X, Y). The search reaches
// 100 × PickTolerance; the first point nearer than PickTolerance ends it at
// once, otherwise the nearest point wins (the earlier of equally near ones).
// When a point was found, X and Y receive it, ObjNo its entity and Dist its
// distance; otherwise X and Y are unchanged and ObjNo and Dist are 0.
void NearestObjPoint(Double& X, Double& Y, Long& ObjNo, Single& Dist);

// ---- Reset ----------------------------------------------------------------------------
void ResetSnaps();  // the module's globals to their start values

}  // namespace lintavo
