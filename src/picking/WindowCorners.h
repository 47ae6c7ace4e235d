// WindowCorners: the window a command draws with two clicks, or takes from
// a stored box, and the test whether an entity lies inside it.
//
// Select Window and the view commands take the two corners of a window
// through GetWindowCorners, step by step, with the rubber window box
// following the cursor from the first corner; Select View sets the window
// from a stored view. IsObjInWindow then tells whether an entity's stored
// points lie inside.
//
// Sections:
//   The stored window
//   Taking the corners
//   Testing entities
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- The stored window (world units; bounds count as inside) --------------------------
extern Double SelWinMinX, SelWinMinY;  // lower left corner
extern Double SelWinMaxX, SelWinMaxY;  // upper right corner
extern Double SelCorner1X, SelCorner1Y;  // first corner taken at step 2

// ---- Taking the corners ----------------------------------------------------------------
// Step 1: prompts for the first corner, switches pick marking off and the
// rubber window box on. Step 2: takes the first corner and prompts for the
// opposite one. Step 3: switches the box and marking off, takes the opposite
// corner and stores the window ordered into minimum and maximum; false when
// the corners share their X or their Y (that axis keeps its old bounds).
// Other steps give false.
bool GetWindowCorners(Integer Step);
// The stored window := the box spanned by the two corners, each axis
// ordered; false when it has no width or no height (that axis is still stored).
bool SetWindowFromView(Double Xmin, Double Ymin, Double Xmax, Double Ymax);

// ---- Testing entities ------------------------------------------------------------------
bool IsPointInWindow(Double X, Double Y);  // inside the stored window, bounds included
// False for hidden entities; a compound by its insertion point; others when
// every stored point lies inside the window (an arc's centre is not tested).
bool IsObjInWindow(Long ObjNo);

void ResetWindowCorners();  // the window and the corner to 0

}  // namespace lintavo
