// Picks: the picked lists, the chosen vertex, the count of the selection
// and the internal clipboard.
#include "model/Picks.h"

#include <algorithm>
#include <cstddef>

#include "model/ProgramState.h"

namespace lintavo {

std::array<Long, 5> PickedLines{};
std::array<WorldXY, 5> PickedPoints{};
std::array<Long, 3> PickedSegments{};
Integer PickedCount = 0;
Long PickedPntIndex = 0;
std::vector<Long> ClipboardTaken;

// ---- Selection set --------------------------------------------------------------------

Integer SelectionSetNumber() { return CurDwg >= 0 && CurDwg <= MaxDwgNo ? Dwgs[CurDwg].SelectSet : 0; }

namespace {

// Each drawing's list of the entities selected in it (1..10; 0 unused), in
// the order they were selected, and the drawing whose list holds each entity
// (by Objs index: 0 none, else the drawing number + 1), so that an entity is
// listed once however often it is selected again.
std::array<std::vector<Long>, MaxDwgNo + 1> SelectedLists;
std::vector<Integer> ListedIn;

Integer ListMark(Integer DwgNo) { return static_cast<Integer>(DwgNo + 1); }

// Whether entry ObjNo of drawing DwgNo's list still names a selected entity
// of that drawing; an entry that does not is dropped from the list.
// An entity past the end of the table (dropped with a dialog's sample) is
// no longer listed either, so that the entity given its index later is
// listed when it is selected.
bool StillListed(Long ObjNo, Integer DwgNo) {
  Integer& listed = ListedIn[static_cast<size_t>(ObjNo)];
  if (listed != ListMark(DwgNo)) return false;  // listed in another drawing's since
  if (ObjNo > BaseObjCount && ObjNo <= ObjCount) {
    const ObjRec& obj = Objs[ObjNo];
    if (obj.Selected && obj.DwgNo == DwgNo) return true;
  }
  listed = 0;
  return false;
}

void ForgetSelectedLists() {
  for (std::vector<Long>& list : SelectedLists) list.clear();
  ListedIn.clear();
}

}  // namespace

void SetSelectedFlag(Long ObjNo, Integer Value) {
  if (ObjNo < 1 || ObjNo > ObjCount) return;
  ObjRec& obj = Objs[ObjNo];
  obj.Selected = Value;
  if (!Value || !IsOpenDrawingNumber(obj.DwgNo)) return;
  const size_t at = static_cast<size_t>(ObjNo);
  if (at >= ListedIn.size()) ListedIn.resize(std::max<size_t>(at + 1, static_cast<size_t>(ObjsMax) + 1), 0);
  if (ListedIn[at] == ListMark(obj.DwgNo)) return;
  ListedIn[at] = ListMark(obj.DwgNo);
  SelectedLists[static_cast<size_t>(obj.DwgNo)].push_back(ObjNo);
}

// The entries passed on the way are dropped when they no longer name a
// selected entity of the drawing, so the list shrinks as it is read.
Long SelectedCount(Long Enough) {
  if (!IsOpenDrawingNumber(CurDwg)) return 0;
  std::vector<Long>& list = SelectedLists[static_cast<size_t>(CurDwg)];
  Long count = 0;
  size_t kept = 0, read = 0;
  for (; read < list.size() && count < Enough; ++read) {
    const Long i = list[read];
    if (!StillListed(i, CurDwg)) continue;
    list[kept++] = i;
    if (IsDrawnSelected(Objs[i])) ++count;
  }
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(kept), list.begin() + static_cast<std::ptrdiff_t>(read));
  return count;
}

// ---- Internal clipboard ----------------------------------------------------------------

void ClearClipboard() { ClipboardTaken.clear(); }

void TakeOntoClipboard(Long ObjNo) { ClipboardTaken.push_back(ObjNo); }

bool IsPlacedByPaste(Long ObjNo) {
  if (ObjNo <= BaseObjCount || ObjNo > ObjCount) return false;
  const ObjRec& obj = Objs[ObjNo];
  return obj.DwgNo >= 1 && obj.Show && obj.Selected && !obj.Erased;
}

// ---- Reset ------------------------------------------------------------------------------

void ForgetSelections() {
  for (DwgRec& dwg : Dwgs) dwg.SelectSet = 0;
  ForgetSelectedLists();
  ClearClipboard();
}

void ResetPicks() {
  PickedLines.fill(0);
  PickedPoints.fill(WorldXY{});
  PickedSegments.fill(0);
  PickedCount = 0;
  PickedPntIndex = 0;
  ForgetSelectedLists();
  ClearClipboard();
}

namespace {
const ModuleRegistrar Registered({"Picks", FloorModel, ResetPicks});
}  // namespace

}  // namespace lintavo
