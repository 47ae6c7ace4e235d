// Picks: what the user has picked for the running command and the
// selection: the line picker's lists, the vertex chosen for MOVE POINT, the
// selection of the current drawing and the internal clipboard.
//
// The picking and modify commands write these; the geometry routines (the
// crossing nearer the first pick, the vertex tolerance test), the undo
// module and the outline preview read them.
#pragma once

#include <array>
#include <limits>
#include <vector>

#include "model/DataHand.h"
#include "model/Top.h"  // CurDwg
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
// Each open drawing keeps its own set (DwgRec.SelectSet): a set started,
// emptied or renumbered in one window leaves every other drawing's alone.
// An entity is selected when its Selected flag is set; what a window draws
// selected is what its commands act on (IsDrawnSelected), and the count is
// taken from those flags whenever it is asked, never kept beside them.
//
// The number of the current drawing's set, 1..32767; 0 while it has none.
// An entity of a drawing carries a positive Select only while it is in
// that drawing's current set: every new set takes the stamps of earlier
// ones off first, so no entity joins a set by a number left on it.
Integer SelectionSetNumber();
// Whether an entity is drawn selected in the current drawing: of that
// drawing, selected, shown and not erased. The selection every command acts on.
inline bool IsDrawnSelected(const ObjRec& obj) {
  return obj.DwgNo == CurDwg && obj.DwgNo >= 1 && obj.Selected && obj.Show && !obj.Erased;
}
// The entities drawn selected in the current drawing, counted up to Enough
// at most. The count walks the drawing's list of selected entities (below),
// not the entity table: it costs what the selection holds, and stops as
// soon as Enough are found. (Only the questions whether and how many cost
// that: the edit commands' visit of each selected entity, ForEachSelected,
// walks the entity table in table order and costs what the table holds.)
Long SelectedCount(Long Enough = std::numeric_limits<Long>::max());
// Whether the current drawing draws anything selected: the pass stops at
// the first such entity.
inline bool AnythingSelected() { return SelectedCount(1) >= 1; }
// Sets entity ObjNo's Selected flag. Every write that selects an entity
// goes through here, which notes it in its drawing's list of selected
// entities; the list may also hold entities deselected, erased or gone
// since, and drops them as it is next read. (A write that only puts the
// flag back as it found it, to draw an entity in other colours for a
// moment, may write the field itself.)
void SetSelectedFlag(Long ObjNo, Integer Value);

// ---- Internal clipboard ----------------------------------------------------------------
// The clipboard is a list of its own: ClipBoard Copy replaces it with the
// entities it took, in table order, of whichever drawing; no mark on the
// entities says so, so an erase batch or a set is never touched by it.
// Paste places those still selected, shown, not erased and in a drawing.
void ClearClipboard();               // the clipboard holds nothing
void TakeOntoClipboard(Long ObjNo);  // appends an entity to the clipboard
// Calls visit(ObjNo) for every entity on the clipboard that Paste places,
// in the order Copy took them; the list is read as it stands at the call.
template <typename Visit>
void ForEachOnClipboard(Visit visit);

// No drawing has a set and the clipboard is empty: the entities they named
// are gone (the model cut back to its base counts, or never filled).
void ForgetSelections();
void ResetPicks();  // the variables above to their start values; the clipboard emptied

// ---- Inline definitions ------------------------------------------------------------------
// The clipboard's list, read through ForEachOnClipboard.
extern std::vector<Long> ClipboardTaken;
// Whether Paste places entity ObjNo of the list: still in the table (a reset
// of the model empties the list), in a drawing, shown, selected, not erased.
bool IsPlacedByPaste(Long ObjNo);

template <typename Visit>
void ForEachOnClipboard(Visit visit) {
  const size_t count = ClipboardTaken.size();
  for (size_t k = 0; k < count; ++k)
    if (IsPlacedByPaste(ClipboardTaken[k])) visit(ClipboardTaken[k]);
}

}  // namespace lintavo
