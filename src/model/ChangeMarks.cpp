// ChangeMarks: the changed mark of each open drawing, kept in its Dwgs slot.
#include "model/ChangeMarks.h"

#include <array>
#include <cstdint>

#include "model/DataHand.h"
#include "model/Top.h"

namespace lintavo {

void (*StandingChangeHook)(Long DwgNo) = nullptr;  // UndoRedo's GiveUpUndone once it registered

namespace {

// By drawing number: how many keepers' own work is running on the drawing
// now, and how many times work of no keeper set or cleared its mark.
std::array<int, MaxDwgNo + 1> OwnWorkDepth{};
std::array<std::uint64_t, MaxDwgNo + 1> OtherMarks{};

void SetMark(Long dwgNo, Integer value) {
  const size_t slot = static_cast<size_t>(dwgNo);
  Dwgs[slot].Changed = value;
  if (OwnWorkDepth[slot] == 0) ++OtherMarks[slot];
}

void BeginOwnWork(Long dwgNo) {
  if (IsOpenDrawingNumber(dwgNo)) ++OwnWorkDepth[static_cast<size_t>(dwgNo)];
}

void EndOwnWork(Long dwgNo) {
  if (IsOpenDrawingNumber(dwgNo)) --OwnWorkDepth[static_cast<size_t>(dwgNo)];
}

// Held while a keeper's own work runs on drawing dwgNo.
class OwnWork {
 public:
  explicit OwnWork(Long dwgNo) : dwgNo_(dwgNo) { BeginOwnWork(dwgNo_); }
  ~OwnWork() { EndOwnWork(dwgNo_); }
  OwnWork(const OwnWork&) = delete;
  OwnWork& operator=(const OwnWork&) = delete;

 private:
  Long dwgNo_;
};

}  // namespace

// ---- Marking -------------------------------------------------------------------------------

void MarkDrawingChanged(Long DwgNo) {
  if (IsOpenDrawingNumber(DwgNo)) SetMark(DwgNo, FlagTrue);
}

void EntityChanged(Long ObjNo) {
  if (ObjNo < 1 || ObjNo > ObjCount) return;
  const Long dwgNo = Objs[ObjNo].DwgNo;
  MarkDrawingChanged(dwgNo);
  // A change that stands gives up what was undone there; work a keeper
  // takes back again does not.
  if (IsOpenDrawingNumber(dwgNo) && OwnWorkDepth[static_cast<size_t>(dwgNo)] == 0 && StandingChangeHook)
    StandingChangeHook(dwgNo);
}

void ItemChanged(Long ItemNo) {
  if (ItemNo >= 1 && ItemNo <= ItemCount) MarkDrawingChanged(Items[ItemNo].DwgNo);
}

void SetItemFlag(Long ItemNo, Integer ItemRec::*Field, Integer Value) {
  if (ItemNo < 1 || ItemNo > ItemCount) return;
  Integer& flag = Items[ItemNo].*Field;
  if (flag == Value) return;
  flag = Value;
  ItemChanged(ItemNo);
}

// ---- Clearing and asking ------------------------------------------------------------------

void ClearDrawingChanged(Long DwgNo) {
  if (IsOpenDrawingNumber(DwgNo)) SetMark(DwgNo, FlagFalse);
}

void ClearEveryDrawingChanged() {
  for (Long dwgNo = 0; dwgNo <= MaxDwgNo; ++dwgNo) SetMark(dwgNo, FlagFalse);
}

bool IsDrawingChanged(Long DwgNo) {
  return IsOpenDrawingNumber(DwgNo) && Dwgs[static_cast<size_t>(DwgNo)].Changed != 0;
}

// ---- Work that leaves a drawing as it was ------------------------------------------------

void KeptMark::Keep(Long DwgNo) {
  dwgNo_ = IsOpenDrawingNumber(DwgNo) ? DwgNo : 0;
  if (dwgNo_ == 0) return;
  wasChanged_ = IsDrawingChanged(dwgNo_);
  others_ = OtherMarks[static_cast<size_t>(dwgNo_)];
}

void KeptMark::Own(const std::function<void()>& Work) {
  const OwnWork own(dwgNo_);
  Work();
}

void KeptMark::GiveBack() {
  const Long dwgNo = dwgNo_;
  dwgNo_ = 0;
  if (dwgNo == 0 || OtherMarks[static_cast<size_t>(dwgNo)] != others_) return;
  const OwnWork own(dwgNo);  // giving the mark back is no other work's either
  SetMark(dwgNo, wasChanged_ ? FlagTrue : FlagFalse);
}

DrawingMarkKept::DrawingMarkKept() : dwgNo_(CurDwg) {
  kept_.Keep(dwgNo_);
  BeginOwnWork(dwgNo_);
}

DrawingMarkKept::~DrawingMarkKept() {
  kept_.GiveBack();
  EndOwnWork(dwgNo_);
}

}  // namespace lintavo
