// Picks: the picked lists, the chosen vertex, the count of the selection
// and the internal clipboard.
#include "model/Picks.h"

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

Long SelectedCount(Long Enough) {
  Long count = 0;
  const Long last = ObjCount;
  for (Long i = BaseObjCount + 1; i <= last && count < Enough; ++i)
    if (IsDrawnSelected(Objs[i])) ++count;
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
  ClearClipboard();
}

void ResetPicks() {
  PickedLines.fill(0);
  PickedPoints.fill(WorldXY{});
  PickedSegments.fill(0);
  PickedCount = 0;
  PickedPntIndex = 0;
  ClearClipboard();
}

namespace {
const ModuleRegistrar Registered({"Picks", FloorModel, ResetPicks});
}  // namespace

}  // namespace lintavo
