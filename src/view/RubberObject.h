// RubberObject: the ghost of an object whose vertex MOVE POINT drags. The
// object is copied once into view pixels (LoadRubberObject); after every
// mouse move the ghost is drawn with the dragged vertex at the cursor, dotted
// in RubberColor with the not-XOR pen, the previous ghost removed first by
// drawing it once more. The model is never touched: the command erases and
// redraws the real object when the new place is clicked.
//
// The image of each type is a pure function of RubberObjPts (arcs and
// ellipses derive their construction in scratch points), so drawing the same
// points twice leaves the surface as it was.
//
// Sections:
//   Drag state
//   Drag
//   Reset
#pragma once

#include <vector>

#include "platform/Types.h"

namespace lintavo {

// ---- Drag state ----------------------------------------------------------------------
// A view pixel, y counted upward; whole pixels once loaded.
struct SinglePoint {
  Single X = 0;
  Single Y = 0;
};
extern std::vector<SinglePoint> RubberObjPts;  // the object's points 1..RubberObjCount; entry 0 unused
extern Integer RubberObjCount;  // points in RubberObjPts (the object's NPoints)
extern Integer RubberObjType;   // the object's Rtype, 1..16
extern Long RubberDragPnt;      // 1-based position of the dragged point; 1 after loading
extern Integer RubberObjShown;  // flag: a ghost is on the surface

// ---- Drag ----------------------------------------------------------------------------
// Copies entity ObjNo into whole view pixels, not clamped (no placement
// transform): its lines, polyline and polygon are cut to the view's guard
// box as they are drawn, so a side towards a vertex far beyond the view
// keeps its course. Then shows its ghost once, unchanged.
void LoadRubberObject(Long ObjNo);
// Removes the ghost shown, puts point RubberDragPnt at (x, y) (view pixels,
// y up) and shows the new ghost; the pen goes back to the copy pen with
// CurLineType and CurColor afterwards.
void DrawRubberObject(Single x, Single y);
// Removes the ghost shown, if any, leaving the points as they stand.
void EraseRubberObject();
// The device pixel of point k into GdiPts(k): (round x, ViewPixMaxY - round y),
// x and y clamped first (ViewCache.h), for the Bezier ghosts.
void RoundPixelPoint(Integer k);
Single SquareSingle(Single x);  // x * x in single precision

// ---- Reset ---------------------------------------------------------------------------
void ResetRubberObject();  // the module's globals to their start values

}  // namespace lintavo
