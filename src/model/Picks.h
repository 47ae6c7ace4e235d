// Picks: what the user has picked for the running command and the
// selection: the line picker's lists, the vertex chosen for MOVE POINT, and
// the counters of the selection set.
//
// The picking and modify commands write these; the geometry routines (the
// crossing nearer the first pick, the vertex tolerance test), the undo
// module and the outline preview read them.
#pragma once

#include <array>

#include "model/DataHand.h"
#include "platform/Types.h"

namespace lintavo {

// ---- Picked lists of the line picker (entries 1 to 4; entry 0 unused) ---------------
extern std::array<Long, 5> PickedLines;      // Objs index of each pick; 0 not picked
extern std::array<WorldXY, 5> PickedPoints;  // snapped world point of each pick
extern std::array<Long, 3> PickedSegments;   // segment number of picks 1 and 2
extern Integer PickedCount;                  // picks taken so far

// ---- Vertex chosen for MOVE POINT ---------------------------------------------------
extern Long PickedPntIndex;  // Pnts index of the vertex chosen; 0 none

// ---- Selection set --------------------------------------------------------------------
extern Long SelectedCount;          // selected entities of the current drawing, as wide as Objs
extern Integer SelectionSetNumber;  // number of the current selection set, 1..32767; 0 none

// ---- Internal clipboard ----------------------------------------------------------------
// The clipboard lives in the entity table: Copy stamps the selection's
// Select with ClipboardStamp; a new selection overwrites the stamp.
constexpr Long ClipboardStamp = -1;  // ObjRec.Select of an entity on the internal clipboard
// Whether Paste places the entity: stamped, shown, still selected, not erased.
inline bool IsOnClipboard(const ObjRec& obj) {
  return obj.Show && obj.Selected && obj.Select == ClipboardStamp && !obj.Erased;
}

void ResetPicks();  // the variables above to their start values

}  // namespace lintavo
