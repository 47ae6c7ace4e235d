// ChangeMarks: the changed mark of each open drawing, kept in its Dwgs slot.
#include "model/ChangeMarks.h"

#include "model/DataHand.h"
#include "model/Top.h"

namespace lintavo {
namespace {

bool IsOpenDrawingNumber(Long dwgNo) { return dwgNo >= 1 && dwgNo <= MaxDwgNo; }

}  // namespace

// ---- Marking -------------------------------------------------------------------------------

void MarkDrawingChanged(Long DwgNo) {
  if (IsOpenDrawingNumber(DwgNo)) Dwgs[static_cast<size_t>(DwgNo)].Changed = FlagTrue;
}

void EntityChanged(Long ObjNo) {
  if (ObjNo >= 1 && ObjNo <= ObjCount) MarkDrawingChanged(Objs[ObjNo].DwgNo);
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
  if (IsOpenDrawingNumber(DwgNo)) Dwgs[static_cast<size_t>(DwgNo)].Changed = FlagFalse;
}

void ClearEveryDrawingChanged() {
  for (DwgRec& dwg : Dwgs) dwg.Changed = FlagFalse;
}

bool IsDrawingChanged(Long DwgNo) {
  return IsOpenDrawingNumber(DwgNo) && Dwgs[static_cast<size_t>(DwgNo)].Changed != 0;
}

// ---- Work that leaves a drawing as it was ------------------------------------------------

DrawingMarkKept::DrawingMarkKept() : dwgNo_(CurDwg), wasChanged_(IsDrawingChanged(CurDwg)) {}

DrawingMarkKept::~DrawingMarkKept() {
  if (!wasChanged_) ClearDrawingChanged(dwgNo_);
}

}  // namespace lintavo
