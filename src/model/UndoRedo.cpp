// UndoRedo: the steps of each drawing, undo and redo over them, and the flag
// changes of erase, item deletion and closing.
#include "model/UndoRedo.h"

#include <algorithm>
#include <array>
#include <utility>

#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/Invariants.h"
#include "model/ItemMembers.h"
#include "model/LayerItems.h"
#include "model/MainWindowLink.h"
#include "model/ObjIndex.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/ServicesAbove.h"
#include "model/Top.h"

namespace lintavo {
namespace {

// ---- Menu captions -------------------------------------------------------------------------
// A trailing blank marks a caption chosen from the neighbouring entity after
// an undo or redo, as against one set by the step itself.
const char* const UndoAddLine = "Undo Add Line";
const char* const UndoEraseLine = "Undo Erase Line";
const char* const UndoAddLineNext = "Undo Add Line ";
const char* const RedoAddLine = "Redo Add Line";
const char* const RedoEraseLineNext = "Redo Erase Line ";
const char* const RedoAddLineNext = "Redo Add Line ";
const char* const RedoEraseLine = "Redo Erase Line";
// The items' own captions, shown while a drawing has made no step.
const char* const UndoCaptionPlain = "Undo";
const char* const RedoCaptionPlain = "Redo";

// The two items of the Edit menu the module keeps, on the main window when
// there is one.
enum EditItem { UndoItem, RedoItem };

void SetCaption(EditItem item, const char* text) {
  MainWindowLink* main = MainLink();
  if (!main) return;
  if (item == UndoItem)
    main->SetUndoItem(text);
  else
    main->SetRedoItem(text);
}

void SetEnabled(EditItem item, bool enabled) {
  MainWindowLink* main = MainLink();
  if (!main) return;
  if (item == UndoItem)
    main->EnableUndoItem(enabled);
  else
    main->EnableRedoItem(enabled);
}

// ---- Entity states ---------------------------------------------------------------------------

// Holders of a WholeRedrawFollows: while there is one, no entity is wiped or
// drawn on its own.
Long WholeRedrawHolders = 0;

// Paints an entity in the background colour, wiping it from the surface.
void PaintErased(Long objNo) {
  if (WholeRedrawHolders == 0 && ServicesAbove.WipeEntity) ServicesAbove.WipeEntity(objNo);
}

// Draws an entity with its own pen.
void PaintShown(Long objNo) {
  if (WholeRedrawHolders == 0 && ServicesAbove.DrawEntity) ServicesAbove.DrawEntity(objNo);
}

// Whether entity objNo is one of the current drawing's: in the table, not
// detached by a close, a load or the deletion of its owner.
bool InCurrentDrawing(Long objNo) {
  if (objNo <= BaseObjCount || objNo > ObjCount) return false;
  const ObjRec& obj = Objs[objNo];
  return obj.DwgNo == CurDwg && obj.Flag != FlagDeletedWithOwner;
}

// ---- The steps of each drawing -----------------------------------------------------------------

// An in-place change of one entity: of its shape, or of its look.
struct ShapeChange {
  Long ObjNo = 0;        // the entity changed in place
  bool OfLook = false;   // a change of its look (OtherLook), else of its shape (Other)
  EntityShape Other;     // its shape on the other side of the step: before the change until undone
  EntityLook OtherLook;  // its look on the other side of the step, likewise
};

// One step of a drawing, found by its number (entry step - 1). A step keeps
// its entity's flags, and its changes' shapes or looks, as they stand on the
// other side of it: Undo and Redo swap them with the entity's own, so a step
// run back and forth gives back exactly what it found, whatever the entity
// went through outside the steps (hidden, hidden as an area's boundary).
struct UndoEntry {
  Integer Kind = 0;     // UndoAdd, UndoErase, UndoChange; 0 discarded or never noted
  Long ObjNo = 0;       // the entity added or erased; 0 for a change alone
  Integer OtherShow = FlagFalse;   // the entity's Show on the other side; before an add: hidden
  Integer OtherErased = FlagTrue;  // the entity's Erased on the other side; before an add: erased
  Long Batch = 0;  // the erase batch the entity carries while the step's erase stands; 0 none
  Integer OtherSelected = FlagFalse;  // whether the entity was selected when the step last erased it
  Long OtherSet = 0;  // which set of its drawing was current then (DwgRec.SetsStarted)
  std::vector<ShapeChange> Changes;  // in-place changes taken back with the step, in the order made
};

// The steps of each drawing number, 1..10 (0 unused), as long as the
// drawing's counter. An add step names the entity AddObj or CopyObj appends
// right after PushUndo; EraseObj names the entity it erases.
std::array<std::vector<UndoEntry>, MaxDwgNo + 1> Steps;

// The erase batches of each drawing number that wait for Un Erase Last, the
// last at the back.
std::array<std::vector<Long>, MaxDwgNo + 1> WaitingBatches;

// The entry of step `step` of the current drawing; nullptr when it has none.
UndoEntry* StepEntry(Long step) {
  if (!IsOpenDrawingNumber(CurDwg) || step < 1) return nullptr;
  std::vector<UndoEntry>& steps = Steps[static_cast<size_t>(CurDwg)];
  if (step > static_cast<Long>(steps.size())) return nullptr;
  return &steps[static_cast<size_t>(step - 1)];
}

// A step that still names an entity of the current drawing; others are
// passed over.
bool IsLive(Long step) {
  const UndoEntry* entry = StepEntry(step);
  if (!entry || entry->Kind == 0) return false;
  if (InCurrentDrawing(entry->ObjNo)) return true;
  for (const ShapeChange& change : entry->Changes)
    if (InCurrentDrawing(change.ObjNo)) return true;
  return false;
}

// The highest live step at or below `from`; 0 none.
Long LiveStepAtOrBelow(Long from) {
  for (Long step = from; step >= 1; --step)
    if (IsLive(step)) return step;
  return 0;
}

// The lowest live step above `from` up to the drawing's counter; 0 none.
Long LiveStepAbove(Long from) {
  const Long last = Dwgs[CurDwg].UndoStep;
  for (Long step = from + 1; step <= last; ++step)
    if (IsLive(step)) return step;
  return 0;
}

// Gives an entity a shape: its type, line type and points, written into its
// own run of Pnts. A shape longer than the run the entity was appended with
// cannot be given back and is left alone (false).
bool GiveShape(Long objNo, const EntityShape& shape) {
  ObjRec& obj = Objs[objNo];
  const Long count = static_cast<Long>(shape.Points.size());
  if (obj.PointID < 1 || obj.PointID + count - 1 > PntCount) return false;
  for (Long k = 0; k < count; ++k)
    if (Pnts[obj.PointID + k].ObjNo != objNo) return false;
  const bool shown = obj.Show && !obj.Erased;
  if (shown) PaintErased(objNo);
  obj.Rtype = shape.Rtype;
  obj.Ltype = shape.Ltype;
  obj.NPoints = static_cast<Integer>(count);
  for (Long k = 0; k < count; ++k) {
    PntRec& pnt = Pnts[obj.PointID + k];
    pnt.X = shape.Points[static_cast<size_t>(k)].X;
    pnt.Y = shape.Points[static_cast<size_t>(k)].Y;
  }
  ObjPointsChanged(objNo);
  if (shown) PaintShown(objNo);
  return true;
}

Long CurrentSetOf(Integer dwgNo) { return IsOpenDrawingNumber(dwgNo) ? Dwgs[dwgNo].SetsStarted : 0; }

// An entity the step erases leaves the selection: no set holds what is gone,
// and a number left on it would make it join a later set. The step keeps
// whether it was selected, and in which set, and the entity carries the
// step's erase batch.
void LeaveSelection(UndoEntry& entry, ObjRec& obj) {
  entry.OtherSelected = obj.Selected;
  entry.OtherSet = CurrentSetOf(obj.DwgNo);
  obj.Selected = FlagFalse;
  obj.Select = entry.Batch;
}

// An entity the step brings back carries no erase batch, and is selected
// again only when it left the set its drawing still has; otherwise it
// carries no set number either.
void RejoinSelection(UndoEntry& entry, Long objNo) {
  ObjRec& obj = Objs[objNo];
  const bool rejoin = entry.OtherSelected && entry.OtherSet == CurrentSetOf(obj.DwgNo);
  entry.OtherSelected = FlagFalse;
  obj.Select = rejoin ? Dwgs[obj.DwgNo].SelectSet : 0;
  SetSelectedFlag(objNo, Flag(rejoin));
}

// The entity's flags and the step's swapped: wiped when it was drawn, drawn
// when it is no longer erased (a hidden entity draws nothing). It leaves or
// rejoins the selection as above, and leaves or joins its drawing's live
// entities (SetEntityDrawing), as an erase and an add do.
void SwapFlags(UndoEntry& entry) {
  const Long objNo = entry.ObjNo;
  ObjRec& obj = Objs[objNo];
  if (!obj.Erased) PaintErased(objNo);
  std::swap(obj.Show, entry.OtherShow);
  const Integer erased = entry.OtherErased;
  entry.OtherErased = obj.Erased;
  SetEntityDrawing(objNo, obj.DwgNo, erased);
  if (obj.Erased)
    LeaveSelection(entry, obj);
  else
    RejoinSelection(entry, objNo);
  EntityChanged(objNo);
  MarkExtentsChanged(obj.DwgNo);  // it left its drawing or came back
  if (!obj.Erased) PaintShown(objNo);
}

// The entity's look and the change's swapped: wiped as it looked, drawn as
// it looks now.
void SwapLook(Long objNo, EntityLook& other) {
  ObjRec& obj = Objs[objNo];
  const bool shown = obj.Show && !obj.Erased;
  if (shown) PaintErased(objNo);
  // Another glyph covers another box; a colour alone changes no extents.
  if (obj.ObjectID != other.ObjectID) MarkExtentsChanged(obj.DwgNo);
  std::swap(obj.Name, other.Name);
  std::swap(obj.ObjectID, other.ObjectID);
  std::swap(obj.OwnerID, other.OwnerID);
  std::swap(obj.Color, other.Color);
  EntityChanged(objNo);
  EntityLinksChanged(objNo);
  ObjIndexShownItemChanged(objNo);
  if (shown) PaintShown(objNo);
}

// The entity's shape, or look, and the change's swapped.
void SwapChange(ShapeChange& change) {
  if (!InCurrentDrawing(change.ObjNo)) return;
  if (change.OfLook) {
    SwapLook(change.ObjNo, change.OtherLook);
    return;
  }
  EntityShape now = ShapeOf(change.ObjNo);
  if (GiveShape(change.ObjNo, change.Other)) change.Other = std::move(now);
}

// Set while Undo or Redo swaps a step: the entity changes it makes are the
// steps' own and give up nothing undone.
bool RunningStep = false;

// Takes a step back (undo) or does it again (redo), for each of its entities
// that is still in the current drawing: both ways swap what the step keeps
// with what the entities hold. The changes are taken back last first and
// done again first first, so that an entity changed twice in one step ends
// as the step found or left it.
void RunStep(UndoEntry& entry, bool undo) {
  const bool outer = RunningStep;
  RunningStep = true;
  struct Done {
    bool outer;
    ~Done() { RunningStep = outer; }
  } done{outer};
  const size_t count = entry.Changes.size();
  for (size_t k = 0; k < count; ++k) SwapChange(entry.Changes[undo ? count - 1 - k : k]);
  if (InCurrentDrawing(entry.ObjNo)) SwapFlags(entry);
}

// ---- Menu state of each drawing -------------------------------------------------------------

// The Edit items as the undo routines last set them for each drawing, so
// that they follow the active window.
struct EditItemsState {
  const char* UndoCaption = nullptr;  // nullptr: the menu's own caption
  const char* RedoCaption = nullptr;
  bool UndoOn = false;
  bool RedoOn = false;
};
std::array<EditItemsState, MaxDwgNo + 1> ItemsState;

EditItemsState* CurrentItemsState() {
  return CurDwg >= 0 && CurDwg <= MaxDwgNo ? &ItemsState[static_cast<size_t>(CurDwg)] : nullptr;
}

// While a WholeRedrawFollows is held the items are only noted: the last
// holder shows them once (a Select All, Erase makes a step per entity).
void Caption(EditItem item, const char* text) {
  EditItemsState* state = CurrentItemsState();
  if (state) (item == UndoItem ? state->UndoCaption : state->RedoCaption) = text;
  if (!state || WholeRedrawHolders == 0) SetCaption(item, text);
}

void Enable(EditItem item, bool enabled) {
  EditItemsState* state = CurrentItemsState();
  if (state) (item == UndoItem ? state->UndoOn : state->RedoOn) = enabled;
  if (!state || WholeRedrawHolders == 0) SetEnabled(item, enabled);
}

void StopRedo(DwgRec& dwg) {
  dwg.RedoAvailable = FlagFalse;
  Enable(RedoItem, false);
}

// The steps of drawing dwgNo above its position are given up for good:
// neither Undo nor Redo reaches them again.
void DiscardStepsAbovePosition(Integer dwgNo) {
  std::vector<UndoEntry>& steps = Steps[static_cast<size_t>(dwgNo)];
  const DwgRec& dwg = Dwgs[dwgNo];
  const Long last = std::min<Long>(dwg.UndoStep, static_cast<Long>(steps.size()));
  for (Long step = std::max<Long>(dwg.UndoPos, 0) + 1; step <= last; ++step)
    steps[static_cast<size_t>(step - 1)] = UndoEntry{};
}

// The Undo item names the live step the next Undo acts on; off when none is left.
void NameNextUndo(const DwgRec& dwg) {
  const Long next = LiveStepAtOrBelow(dwg.UndoPos);
  if (next >= 1) Caption(UndoItem, StepEntry(next)->Kind == UndoAdd ? UndoAddLineNext : UndoEraseLine);
  Enable(UndoItem, next >= 1);
}

// The Redo item names the live step the next Redo acts on; redo stops when none is left.
void NameNextRedo(DwgRec& dwg) {
  const Long next = LiveStepAbove(dwg.UndoPos);
  if (next >= 1) Caption(RedoItem, StepEntry(next)->Kind == UndoAdd ? RedoAddLineNext : RedoEraseLine);
  dwg.RedoAvailable = Flag(next >= 1);
  Enable(RedoItem, next >= 1);
}

// A step was dropped while a WholeRedrawFollows was held: the last holder
// names the Edit items anew, once.
bool ItemNamesStale = false;

// Both Edit items name the live steps next to the current drawing's position.
void NameLiveSteps() {
  DwgRec& dwg = Dwgs[CurDwg];
  NameNextUndo(dwg);
  if (dwg.RedoAvailable) NameNextRedo(dwg);
}

}  // namespace

// ---- Undo steps ------------------------------------------------------------------------

// A new step discards the steps above the position for good.
void PushUndo(Integer Kind) {
  if (PreviewMode) return;
  DwgRec& dwg = Dwgs[CurDwg];
  if (IsOpenDrawingNumber(CurDwg)) {
    std::vector<UndoEntry>& steps = Steps[static_cast<size_t>(CurDwg)];
    steps.resize(static_cast<size_t>(dwg.UndoStep));
    DiscardStepsAbovePosition(CurDwg);
    UndoEntry entry;
    entry.Kind = Kind;
    entry.ObjNo = Kind == UndoAdd ? ObjCount + 1 : 0;  // AddObj and CopyObj append next
    steps.push_back(entry);
    MODEL_INVARIANT(static_cast<Long>(steps.size()) == dwg.UndoStep + 1);  // one entry per step
  }
  ++dwg.UndoStep;
  dwg.UndoPos = dwg.UndoStep;
  dwg.RedoAvailable = FlagFalse;
  Enable(RedoItem, false);
  Caption(UndoItem, Kind == UndoAdd ? UndoAddLine : UndoEraseLine);
  Enable(UndoItem, true);
}

void Undo() {
  DwgRec& dwg = Dwgs[CurDwg];
  const Long step = LiveStepAtOrBelow(dwg.UndoPos);
  if (step < 1) {
    Enable(UndoItem, false);
    return;
  }
  UndoEntry& entry = *StepEntry(step);
  RunStep(entry, true);
  Caption(RedoItem, entry.Kind == UndoAdd ? RedoAddLine : RedoEraseLineNext);
  dwg.UndoPos = step - 1;
  NameNextUndo(dwg);
  dwg.RedoAvailable = FlagTrue;
  Enable(RedoItem, true);
}

void Redo() {
  DwgRec& dwg = Dwgs[CurDwg];
  if (!dwg.RedoAvailable) {
    Enable(RedoItem, false);
    return;
  }
  const Long step = LiveStepAbove(dwg.UndoPos);
  if (step < 1) {
    StopRedo(dwg);
    return;
  }
  UndoEntry& entry = *StepEntry(step);
  RunStep(entry, false);
  Caption(UndoItem, entry.Kind == UndoAdd ? UndoAddLine : UndoEraseLine);
  Enable(UndoItem, true);
  dwg.UndoPos = step;
  NameNextRedo(dwg);
}

void GiveUpUndone(Long DwgNo) {
  if (RunningStep || PreviewMode || !IsOpenDrawingNumber(static_cast<Integer>(DwgNo))) return;
  const Integer dwgNo = static_cast<Integer>(DwgNo);
  DwgRec& dwg = Dwgs[dwgNo];
  if (!dwg.RedoAvailable) return;  // nothing undone is left to redo
  DiscardStepsAbovePosition(dwgNo);
  dwg.RedoAvailable = FlagFalse;
  ItemsState[static_cast<size_t>(dwgNo)].RedoOn = false;
  if (dwgNo == CurDwg && WholeRedrawHolders == 0) SetEnabled(RedoItem, false);
}

void StartUndoHistory(Integer DwgNo) {
  if (!IsOpenDrawingNumber(DwgNo)) return;
  Steps[static_cast<size_t>(DwgNo)].clear();
  DwgRec& dwg = Dwgs[DwgNo];
  dwg.UndoStep = 0;
  dwg.UndoPos = 0;
  dwg.RedoAvailable = FlagFalse;
  dwg.EraseBatch = 0;  // the entities of its batches are gone with the drawing they were erased in
  WaitingBatches[static_cast<size_t>(DwgNo)].clear();
  ItemsState[static_cast<size_t>(DwgNo)] = EditItemsState{};
  if (DwgNo == CurDwg) ShowUndoState();
}

void ShowUndoState() {
  const EditItemsState* state = CurrentItemsState();
  if (!state) return;
  SetCaption(UndoItem, state->UndoCaption ? state->UndoCaption : UndoCaptionPlain);
  SetCaption(RedoItem, state->RedoCaption ? state->RedoCaption : RedoCaptionPlain);
  SetEnabled(UndoItem, state->UndoOn);
  SetEnabled(RedoItem, state->RedoOn);
}

// ---- In-place changes ----------------------------------------------------------------------

EntityShape ShapeOf(Long ObjNo) {
  EntityShape shape;
  if (ObjNo < 1 || ObjNo > ObjCount) return shape;
  const ObjRec& obj = Objs[ObjNo];
  shape.Rtype = obj.Rtype;
  shape.Ltype = obj.Ltype;
  for (Long k = 0; k < obj.NPoints; ++k) {
    const PntRec& pnt = Pnts[obj.PointID + k];
    shape.Points.push_back({pnt.X, pnt.Y});
  }
  return shape;
}

namespace {
// The change joins the current drawing's last step, or with OwnStep a step
// of its own opened for it.
void NoteChange(ShapeChange&& Change, bool OwnStep) {
  if (PreviewMode || Change.ObjNo < 1 || Change.ObjNo > ObjCount) return;
  if (OwnStep) PushUndo(UndoChange);
  UndoEntry* entry = StepEntry(Dwgs[CurDwg].UndoStep);
  if (!entry || entry->Kind == 0) return;
  entry->Changes.push_back(std::move(Change));
}
}  // namespace

void JoinShapeChange(Long ObjNo, const EntityShape& Before) { NoteChange({ObjNo, false, Before, {}}, false); }

void PushShapeChange(Long ObjNo, const EntityShape& Before) { NoteChange({ObjNo, false, Before, {}}, true); }

EntityLook LookOf(Long ObjNo) {
  if (ObjNo < 1 || ObjNo > ObjCount) return {};
  const ObjRec& obj = Objs[ObjNo];
  return {obj.Name, obj.ObjectID, obj.OwnerID, obj.Color};
}

void PushLookChange(Long ObjNo, const EntityLook& Before) { NoteChange({ObjNo, true, {}, Before}, true); }

// ---- Repainting ------------------------------------------------------------------------------

WholeRedrawFollows::WholeRedrawFollows() { ++WholeRedrawHolders; }
WholeRedrawFollows::~WholeRedrawFollows() {
  if (--WholeRedrawHolders != 0) return;
  if (ItemNamesStale) NameLiveSteps();
  ItemNamesStale = false;
  ShowUndoState();
}

// ---- Erasing -------------------------------------------------------------------------------

void EraseObj(Long ObjNo, Long Batch, ComesBack Back) {
  if (ObjNo < 1 || ObjNo > ObjCount) return;
  PaintErased(ObjNo);
  PushUndo(UndoErase);
  DwgRec& dwg = Dwgs[CurDwg];
  ObjRec& obj = Objs[ObjNo];
  UndoEntry* entry = PreviewMode ? nullptr : StepEntry(dwg.UndoStep);
  UndoEntry unnoted;  // a dialog's sample makes no step
  if (!entry) entry = &unnoted;
  entry->ObjNo = ObjNo;
  entry->OtherShow = obj.Show;  // Undo gives the entity back as it stood
  entry->OtherErased = obj.Erased;
  entry->Batch = Batch;
  LeaveSelection(*entry, obj);
  if (Back == ComesBack::Unselected) entry->OtherSelected = FlagFalse;
  obj.Flag = dwg.UndoStep;
  obj.Show = FlagFalse;
  SetEntityDrawing(ObjNo, obj.DwgNo, FlagTrue);
  EntityChanged(ObjNo);
  MarkExtentsChanged(obj.DwgNo);
}

Long NewEraseBatch() {
  if (!IsOpenDrawingNumber(CurDwg)) return 0;
  const Long batch = --Dwgs[CurDwg].EraseBatch;
  WaitingBatches[static_cast<size_t>(CurDwg)].push_back(batch);
  return batch;
}

Long TakeLastEraseBatch() {
  if (!IsOpenDrawingNumber(CurDwg)) return 0;
  std::vector<Long>& waiting = WaitingBatches[static_cast<size_t>(CurDwg)];
  if (waiting.empty()) return 0;
  const Long batch = waiting.back();
  waiting.pop_back();
  return batch;
}

// The step that erased the entity is the one its Flag names; a step of
// another entity, or of an earlier history, is left alone.
void DropEraseStep(Long ObjNo) {
  if (PreviewMode || ObjNo < 1 || ObjNo > ObjCount) return;
  UndoEntry* entry = StepEntry(Objs[ObjNo].Flag);
  if (!entry || entry->Kind != UndoErase || entry->ObjNo != ObjNo) return;
  *entry = UndoEntry{};
  if (WholeRedrawHolders > 0)
    ItemNamesStale = true;
  else
    NameLiveSteps();
}

// The members leave every drawing and carry no step, so neither Undo nor Redo
// can bring them back.
namespace {

// Which entities go with an item that is deleted.
enum class Membership { Owner, Layer };

// Whether entity i goes with item ItemIndex when the item is deleted. A
// layer takes the current drawing's entities on it; an owner takes its
// members of its own drawing and its own geometry (drawing 0), never an
// entity of another open drawing that still names it.
bool GoesWithItem(Long i, Long ItemIndex, Membership membership) {
  const ObjRec& member = Objs[i];
  if (membership == Membership::Layer) return member.LayerID == ItemIndex && member.DwgNo == CurDwg;
  return member.OwnerID == ItemIndex && (member.DwgNo == 0 || member.DwgNo == Items[ItemIndex].DwgNo);
}

// Deletes item ItemIndex and, for good, every entity it owns or that lies on
// it: each is wiped from the surface, flagged as deleted with its owner and
// detached from its drawing. The last item of the table is dropped; another
// is left as a deleted, hidden entry so later indexes keep their meaning.
void DeleteItemWith(Long ItemIndex, Membership membership) {
  if (ItemIndex < 1 || ItemIndex > ItemCount) return;
  ItemChanged(ItemIndex);
  Long detached = 0;
  for (Long i = 1; i <= ObjCount; ++i) {
    if (!GoesWithItem(i, ItemIndex, membership)) continue;
    PaintErased(i);
    DetachWithOwner(i);
    ++detached;
  }
  ObjIndexDetached(detached);
  if (ItemIndex == ItemCount) {
    --ItemCount;
    return;
  }
  ItemRec& item = Items[ItemIndex];
  item.Show = FlagFalse;
  item.DwgNo = 0;
  item.Rtype = ItemDeleted;
}

}  // namespace

bool DeleteChosenItem(Long Index, Integer Kind, void (*Delete)(Long), Long& Selected, String& NameSought) {
  if (Index < 1 || Index > ItemCount || Items[Index].Rtype != Kind) return false;
  Delete(Index);
  if (Selected == Index) {
    Selected = 0;
    NameSought.clear();
  }
  return true;
}

// The entity keeps no owner either: with drawing number 0 and its owner's
// number it would count as that item's own geometry, and the next item
// given the number (a dropped last item's is given again) would take it in.
void DetachWithOwner(Long ObjNo) {
  EntityChanged(ObjNo);  // while it still names its drawing
  ObjRec& obj = Objs[ObjNo];
  MarkExtentsChanged(obj.DwgNo);
  obj.Flag = FlagDeletedWithOwner;
  obj.Show = FlagFalse;
  SetEntityDrawing(ObjNo, 0, obj.Erased);  // a live one leaves its drawing's count
  obj.OwnerID = 0;
  EntityLinksChanged(ObjNo);
}

void DeleteItemObjs(Long ItemIndex) { DeleteItemWith(ItemIndex, Membership::Owner); }

void DeleteLayerObjs(Long LayerIndex) { DeleteItemWith(LayerIndex, Membership::Layer); }

// ---- Closing drawings -------------------------------------------------------------------------

// The records stay where they are; with drawing number 0 no scan of an open
// drawing finds them, so a window that gets the same number starts empty.
// They lose their owner too: support geometry also has drawing number 0, and
// a closed drawing's placements, which name their component as owner, would
// otherwise count as that component's own members.
// Nothing is repainted. Drawing 0 is the support geometry and is never closed.
void EraseDwgObjs(Integer DwgNo) {
  if (!IsOpenDrawingNumber(DwgNo)) return;
  StartUndoHistory(DwgNo);
  Long detached = 0;
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
    ObjRec& obj = Objs[i];
    if (obj.DwgNo != DwgNo) continue;
    obj.Flag = 0;
    obj.Show = FlagFalse;
    SetEntityDrawing(i, 0, FlagTrue);
    obj.OwnerID = 0;
    EntityLinksChanged(i);
    ++detached;
  }
  ObjIndexDetached(detached);
  Dwgs[DwgNo].SelectSet = 0;  // its set went with its entities: the next starts afresh
}

void EraseDwgItems(Integer DwgNo) {
  if (!IsOpenDrawingNumber(DwgNo)) return;
  for (Long i = BaseItemCount + 1; i <= ItemCount; ++i) {
    ItemRec& item = Items[i];
    if (item.DwgNo != DwgNo) continue;
    item.Rtype = ItemDeleted;
    item.Show = FlagFalse;
    item.DwgNo = 0;
  }
  Dwgs[DwgNo].Nobjects = 0;
  Dwgs[DwgNo].Nlayers = 0;
}

// The slot's other fields stay until NewDwgRec fills it for the next window.
void CloseDwg(Integer DwgNo) {
  if (!IsOpenDrawingNumber(DwgNo)) return;
  EraseDwgObjs(DwgNo);
  EraseDwgItems(DwgNo);
  DwgRec& dwg = Dwgs[DwgNo];
  dwg.Name.clear();
  dwg.DrawID = 0;
  dwg.Nlayers = 0;
  ClearDrawingChanged(DwgNo);  // no drawing is left to save
}

Long ModelResets = 0;

// Every entity, point and item above the base counts, of every drawing, is
// dropped; the next appends reuse those slots. The Dwgs slots are untouched:
// the window kept open fills its slot afresh (NewDwgRec).
void ResetModel() {
  ++ModelResets;
  for (std::vector<UndoEntry>& steps : Steps) steps.clear();  // the entities they name are gone
  for (std::vector<Long>& waiting : WaitingBatches) waiting.clear();
  PntCount = LastPnt = BasePntCount;
  ObjCount = LastObj = BaseObjCount;
  ItemCount = CurItem = BaseItemCount;
  ObjIndexCutBack();
  ForgetSelections();  // no entity is left in a set nor on the clipboard
  ClearEveryDrawingChanged();  // no drawing is left to save
  for (Integer dwgNo = 1; dwgNo <= MaxDwgNo; ++dwgNo) MarkExtentsChanged(dwgNo);
}

void ResetUndoRedo() {
  ModelResets = 0;
  ItemNamesStale = false;
  for (std::vector<UndoEntry>& steps : Steps) steps.clear();
  for (std::vector<Long>& waiting : WaitingBatches) waiting.clear();
  ItemsState.fill(EditItemsState{});
}

namespace {
// A change the marks module marks in place gives up what was undone.
void PlugUndoRedo() { StandingChangeHook = GiveUpUndone; }
const ModuleRegistrar Registered({"UndoRedo", FloorModel, ResetUndoRedo, {}, PlugUndoRedo});
}  // namespace

}  // namespace lintavo
