// SnapSettings: the drawing snap switches the drawing window applies to
// every click and cursor position, and the snap reach.
//
// Flags, -1 on. Grid, ortho and tolerance snap exclude each other (whoever
// switches one on clears the other two); nearest snap is independent. The
// first that applies wins, in the order grid, ortho, tolerance, nearest. Set
// by the snap menu items, the drawing options dialog and the drawing option
// sets; read by the pointer road, the full redraw (the grid is drawn while
// grid snap is on) and the snap searches.
#pragma once

#include "platform/Types.h"

namespace lintavo {

extern Integer GridSnap;       // flag: clicks snap to the grid (the grid is then drawn too)
extern Integer OrthoSnap;      // flag: from the second point on, clicks line up with the last pick
extern Integer ToleranceSnap;  // flag: clicks within PickTolerance of a stored point take it
extern Integer NearestSnap;    // flag: clicks take the nearest stored point the search finds
extern Single SnapTolerance;   // pick and snap reach at zoom 1, world units; 0 until options apply

void ResetSnapSettings();  // every switch off, the reach 0

}  // namespace lintavo
