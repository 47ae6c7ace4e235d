// UndoRedo: flag changes of erase, undo, redo, item deletion and closing.
#include "model/UndoRedo.h"

#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/LayerItems.h"
#include "model/MainWindowLink.h"
#include "model/ObjIndex.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/ServicesAbove.h"
#include "model/Top.h"
#include "model/ViewCache.h"

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

// Paints an entity in the background colour, wiping it from the surface.
void PaintErased(Long objNo) {
  if (ServicesAbove.WipeEntity) ServicesAbove.WipeEntity(objNo);
}

void ShowEntity(Long objNo) {
  ObjRec& obj = Objs[objNo];
  obj.Erased = FlagFalse;
  obj.Show = FlagTrue;
  if (ServicesAbove.DrawEntity) ServicesAbove.DrawEntity(objNo);
}

void HideEntity(Long objNo) {
  PaintErased(objNo);
  ObjRec& obj = Objs[objNo];
  obj.Erased = FlagTrue;
  obj.Show = FlagFalse;
}

// The entity of the current drawing that carries a step number, searched
// from the top of the table down through the drawing entities (support
// geometry carries no steps); 0 when none does.
Long FindStepEntity(Long step) {
  for (Long i = ObjCount; i > BaseObjCount; --i) {
    const ObjRec& obj = Objs[i];
    if (obj.Flag == step && obj.DwgNo == CurDwg) return i;
  }
  return 0;
}

void StopRedo(DwgRec& dwg) {
  dwg.RedoAvailable = FlagFalse;
  SetEnabled(RedoItem, false);
}

bool IsOpenDrawing(Integer dwgNo) { return dwgNo >= 1 && dwgNo <= MaxDwgNo; }

// Whether the entity at an index next to a step's entity is erased; an index
// outside the entities in use counts as not erased.
bool IsErasedEntity(Long objNo) { return objNo >= 1 && objNo <= ObjCount && Objs[objNo].Erased; }

}  // namespace

// ---- Undo steps ------------------------------------------------------------------------

void PushUndo(Integer Kind) {
  if (PreviewMode) return;
  DwgRec& dwg = Dwgs[CurDwg];
  ++dwg.UndoStep;
  dwg.UndoPos = dwg.UndoStep;
  dwg.RedoAvailable = FlagFalse;
  if (!MainLink()) return;
  SetEnabled(RedoItem, false);
  SetCaption(UndoItem, Kind == UndoAdd ? UndoAddLine : UndoEraseLine);
  SetEnabled(UndoItem, true);
}

void Undo() {
  DwgRec& dwg = Dwgs[CurDwg];
  if (dwg.UndoPos < 1) {
    SetEnabled(UndoItem, false);
    return;
  }
  const Long i = FindStepEntity(dwg.UndoPos);
  if (i == 0) return;
  if (Objs[i].Erased) {
    ShowEntity(i);
    SetCaption(RedoItem, RedoEraseLineNext);
  } else {
    HideEntity(i);
    SetCaption(RedoItem, RedoAddLine);
  }
  --dwg.UndoPos;
  // The caption guesses the next step from the entity below; it only guides
  // the user and never decides what is undone.
  if (dwg.UndoPos >= 1) {
    SetCaption(UndoItem, IsErasedEntity(i - 1) ? UndoEraseLine : UndoAddLineNext);
  } else {
    SetEnabled(UndoItem, false);
  }
  dwg.RedoAvailable = FlagTrue;
  SetEnabled(RedoItem, true);
}

void Redo() {
  DwgRec& dwg = Dwgs[CurDwg];
  if (!dwg.RedoAvailable) {
    SetEnabled(RedoItem, false);
    return;
  }
  ++dwg.UndoPos;
  if (dwg.UndoPos > dwg.UndoStep) {
    StopRedo(dwg);
    return;
  }
  const Long i = FindStepEntity(dwg.UndoPos);
  if (i == 0) {
    StopRedo(dwg);
    return;
  }
  if (Objs[i].Erased) {
    ShowEntity(i);
    SetCaption(UndoItem, UndoAddLine);
  } else {
    HideEntity(i);
    SetCaption(UndoItem, UndoEraseLine);
  }
  SetEnabled(UndoItem, true);
  // As in Undo, the caption guesses the next step from the entity above.
  if (dwg.UndoPos < dwg.UndoStep) {
    SetCaption(RedoItem, IsErasedEntity(i + 1) ? RedoAddLineNext : RedoEraseLine);
    dwg.RedoAvailable = FlagTrue;
  } else {
    dwg.RedoAvailable = FlagFalse;
  }
  SetEnabled(RedoItem, dwg.RedoAvailable != 0);
}

// ---- Erasing -------------------------------------------------------------------------------

void EraseObj(Long ObjNo) {
  if (ObjNo < 1 || ObjNo > ObjCount) return;
  PaintErased(ObjNo);
  PushUndo(UndoErase);
  DwgRec& dwg = Dwgs[CurDwg];
  ObjRec& obj = Objs[ObjNo];
  obj.Flag = dwg.UndoStep;
  obj.Show = FlagFalse;
  obj.Erased = FlagTrue;
  --dwg.Nlines;
}

// The members leave every drawing and carry no step, so neither Undo nor Redo
// can bring them back.
namespace {

// Which entities go with an item that is deleted.
enum class Membership { Owner, Layer };

// Deletes item ItemIndex and, for good, every entity it owns or that lies on
// it: each is wiped from the surface, flagged as deleted with its owner and
// detached from its drawing. The last item of the table is dropped; another
// is left as a deleted, hidden entry so later indexes keep their meaning.
void DeleteItemWith(Long ItemIndex, Membership membership) {
  if (ItemIndex < 1 || ItemIndex > ItemCount) return;
  Long detached = 0;
  for (Long i = 1; i <= ObjCount; ++i) {
    const ObjRec& member = Objs[i];
    const Long link = membership == Membership::Owner ? member.OwnerID : member.LayerID;
    if (link != ItemIndex || (membership == Membership::Layer && member.DwgNo != CurDwg)) continue;
    PaintErased(i);
    ObjRec& obj = Objs[i];
    obj.Flag = FlagDeletedWithOwner;
    obj.Show = FlagFalse;
    obj.DwgNo = 0;
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
  if (!IsOpenDrawing(DwgNo)) return;
  Long detached = 0;
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
    ObjRec& obj = Objs[i];
    if (obj.DwgNo != DwgNo) continue;
    obj.Flag = 0;
    obj.Erased = FlagTrue;
    obj.Show = FlagFalse;
    obj.DwgNo = 0;
    obj.OwnerID = 0;
    ++detached;
  }
  ObjIndexDetached(detached);
  Dwgs[DwgNo].Nlines = 0;
}

void EraseDwgItems(Integer DwgNo) {
  if (!IsOpenDrawing(DwgNo)) return;
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
  if (!IsOpenDrawing(DwgNo)) return;
  EraseDwgObjs(DwgNo);
  EraseDwgItems(DwgNo);
  DwgRec& dwg = Dwgs[DwgNo];
  dwg.Name.clear();
  dwg.DrawID = 0;
  dwg.Nlayers = 0;
}

Long ModelResets = 0;

// Every entity, point and item above the base counts, of every drawing, is
// dropped; the next appends reuse those slots. The Dwgs slots are untouched.
void ResetModel() {
  ++ModelResets;
  PntCount = LastPnt = BasePntCount;
  ObjCount = LastObj = BaseObjCount;
  ItemCount = CurItem = BaseItemCount;
  ObjIndexCutBack();
  SelectedCount = 0;
  SelectionSetNumber = 0;
  if (DrawingWindow* window = ActiveDocForm()) window->IsDirty = FlagFalse;
  ExtentsChanged = FlagTrue;
}

void ResetUndoRedo() { ModelResets = 0; }

namespace {
const ModuleRegistrar Registered({"UndoRedo", FloorModel, ResetUndoRedo});
}  // namespace

}  // namespace lintavo
