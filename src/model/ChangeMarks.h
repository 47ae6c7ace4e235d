// ChangeMarks: which open drawings differ from what was last saved or loaded.
//
// Every open drawing carries a changed mark (DwgRec.Changed). Whatever a
// save stores of a drawing (its record, its entities with their points and
// attributes, its items and layers) is changed through the model, and the
// model marks the drawing the changed record belongs to, found by the
// drawing number the record carries, never by the active window: a change
// made in drawing 2 while the window of drawing 1 is active marks drawing 2.
//
// Who marks:
//   - the model's own routines: AddObj and CopyObj, AddItem (a group, area,
//     view or layer), EraseObj, Undo and Redo, the deletion of an item with
//     its members (DeleteItemObjs, DeleteLayerObjs) and an entity's leaving
//     its drawing with its owner (DetachWithOwner), and ObjPointsChanged,
//     which every in-place change of an entity's points, point count or type
//     calls;
//   - a module that writes an entity's or an item's stored fields in place
//     calls EntityChanged or ItemChanged for the record once its writes
//     stand (or sets an item's Show or Lock through SetItemFlag), and one
//     that writes a drawing's record calls MarkDrawingChanged.
// What marks nothing: the support data (drawing number 0: fonts, patterns,
// component definitions, and the copies a definition is made of, which pass
// through the drawing: DrawingMarkKept), work a command or dialog takes back
// again (a dimension's layer, a group's preview, a view made for the chooser:
// KeptMark), a dialog's sample (appended while
// PreviewMode is set and dropped again; an item chooser, which holds that
// mode while it is open, marks what its buttons add itself), a preview that
// writes a field and puts it back (the transform outline), the selection
// (Selected, Select), and the counts and extents the view recomputes from
// the entities.
//
// Who clears: a save that said it saved (SaveDrawing), a load that completed
// (the drawing window's LoadFile), a fresh record for a new drawing
// (NewDwgRec, and NewFirstLayer, which gives it its first layer), and the
// closing of a drawing (CloseDwg, ResetModel). Besides these, a command or
// dialog that took back all it made in a drawing gives the drawing the mark
// it found (KeptMark), unless other work marked or cleared it meanwhile.
// Nothing else: an Undo back to the saved state still counts as a change.
//
// A change of an entity that stands (no keeper's own work) also gives up
// what was undone in its drawing. The undo module, which stands above this
// one, puts that routine in StandingChangeHook when it registers: this
// module includes nothing of it.
//
// Sections:
//   Marking
//   Clearing and asking
//   Work that leaves a drawing as it was
#pragma once

#include <cstdint>
#include <functional>

#include "model/DataHand.h"
#include "platform/Types.h"

namespace lintavo {

// ---- Marking -------------------------------------------------------------------------------
// Drawing DwgNo (1..10) now differs from what was stored; any other number
// (0, the support data) is passed over.
void MarkDrawingChanged(Long DwgNo);
// Entity ObjNo (1..ObjCount) was changed in place: its drawing is marked,
// and, unless a keeper's own work made the change, StandingChangeHook is
// called with the drawing's number.
void EntityChanged(Long ObjNo);
// Called by EntityChanged with the number (1..10) of a drawing where a
// change stands: UndoRedo's GiveUpUndone, put here when it registers.
// nullptr: nothing is called (the model run without that module). Filled
// at registration, before main; never reset.
extern void (*StandingChangeHook)(Long DwgNo);
// Item ItemNo (1..ItemCount) was changed in place: its drawing is marked.
void ItemChanged(Long ItemNo);
// A flag of item ItemNo (1..ItemCount; Show or Lock) := Value; its drawing
// is marked only when the stored value changes, so that a command showing a
// layer, group, view or area that is shown already changes nothing.
void SetItemFlag(Long ItemNo, Integer ItemRec::*Field, Integer Value);

// ---- Clearing and asking ------------------------------------------------------------------
// Drawing DwgNo (1..10) is as it was stored, or a fresh, empty drawing.
void ClearDrawingChanged(Long DwgNo);
void ClearEveryDrawingChanged();  // every drawing's contents are gone (ResetModel)
bool IsDrawingChanged(Long DwgNo);  // false for a number outside 1..10

// ---- Work that leaves a drawing as it was ------------------------------------------------
// A command or dialog that makes something in a drawing and may take it back
// again keeps the drawing's mark as it found it. The making and the taking
// back run as its own work (Own); once what it made is all taken back,
// GiveBack returns the drawing to the mark it found. Other work may run
// between (other commands while a command waits for a click, the rest of a
// dialog): when any of it marked or cleared the drawing, nothing is given
// back, since that change stands, or a save stored the drawing as it was.
class KeptMark {
 public:
  void Keep(Long DwgNo);  // the mark drawing DwgNo (1..10) has now is the one to give back
  void Own(const std::function<void()>& Work);  // Work's marks of the drawing kept are the keeper's own
  void GiveBack();  // what the keeper made is all taken back; then it keeps nothing

 private:
  Long dwgNo_ = 0;            // the drawing kept; 0 none
  bool wasChanged_ = false;   // its mark when it was kept
  std::uint64_t others_ = 0;  // its count of marks set or cleared by other work then
};

// Held around work of one routine that leaves drawing CurDwg as it was:
// entities copied into a component's definition pass through the current
// drawing (CopyObj appends them there, which marks it) and leave it at once
// for the definition, which is no drawing's. The whole scope is the
// keeper's own work, and its end gives the drawing its mark back.
class DrawingMarkKept {
 public:
  DrawingMarkKept();
  ~DrawingMarkKept();
  DrawingMarkKept(const DrawingMarkKept&) = delete;
  DrawingMarkKept& operator=(const DrawingMarkKept&) = delete;

 private:
  Long dwgNo_;     // CurDwg when the work began
  KeptMark kept_;  // its mark then
};

}  // namespace lintavo
