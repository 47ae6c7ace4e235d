// UndoRedo: erasing entities, undo and redo, deleting an item's members, and
// what happens to the model when drawings close.
//
// No entity record is removed while its drawing is open. Erasing, undoing,
// redoing, deleting an item's members and closing a drawing change flags in
// the records (Show, Erased, Flag, DwgNo) and repaint the entity concerned.
//
// Undo works on steps. Every AddObj, CopyObj and EraseObj outside a dialog
// preview opens a new step in the current drawing: the drawing's counter
// (DwgRec.UndoStep) goes up by one, the entity's Flag gets the new number,
// and the drawing's list of steps notes which entity the step added or
// erased. Undo and Redo act on that list, not on the Flags, so an entity
// that later carries another step, or a loaded entity with a stored number,
// is never mistaken for another step's entity. A step may also carry
// in-place changes of other entities (the kept piece of a break, the
// characters a typed key moved along their line, the character a typed key
// wrote over), taken back and done again with it; changes alone are a step
// of their own.
//
// Each drawing keeps its own position (DwgRec.UndoPos, the step the next
// Undo acts on) and its own redo state, so Undo in one window never touches
// another window's entities; the Edit items show the state of the active
// drawing window. Undo and Redo pass over a step whose entities no longer
// belong to the current drawing (copies taken into a component's definition,
// deleted with their group, layer or area). A new step discards what was
// undone for good: Undo and Redo never reach those steps again. A load
// starts the drawing's steps afresh: nothing loaded can be undone.
//
// In-place edits (move, rotate, rescale, move point, hide, show, restyle)
// make no step, but like a new step they give up what was undone: a step
// redone over a drawing that went on without it would bring back what no
// longer fits it (a fill whose figure has moved since). Un Erase Last
// brings a whole erase batch back at once, outside the steps, and drops
// the steps that erased it. A step keeps its entity's flags, and its
// changes' shapes or looks, as they stand on its other side and swaps them
// with the entity's own, so that Undo then Redo gives back the drawing as
// it stood, hidden entities hidden.
//
// The Edit menu's Undo and Redo items show what the next step does. Their
// captions are fixed texts; three of them end in a blank.
//
// Sections:
//   Undo steps
//   In-place changes
//   Repainting
//   Erasing
//   Closing drawings
#pragma once

#include <vector>

#include "model/DataHand.h"
#include "platform/Types.h"

namespace lintavo {

// Kinds of undo step (the argument of PushUndo).
enum UndoKind : Integer {
  UndoAdd = 1,     // an entity was added
  UndoErase = 2,   // an entity was erased
  UndoChange = 3,  // an entity was changed in place (PushShapeChange, PushLookChange)
};

constexpr Long FlagDeletedWithOwner = -1000;  // ObjRec.Flag of a member deleted with its item

// ---- Undo steps ------------------------------------------------------------------------
void PushUndo(Integer Kind);  // opens a new step in the current drawing (none in a dialog preview)
void Undo();  // takes back the highest step at or below the undo position that is still live
void Redo();  // does again the lowest live step above the undo position
// An entity of drawing DwgNo was changed in place, outside the steps: what
// was undone there is given up for good and Redo goes off, as after a new
// step. The changes Undo and Redo make themselves, and a dialog's sample,
// give up nothing. ChangeMarks calls it, through the hook this module puts
// there when it registers, for every entity change it marks.
void GiveUpUndone(Long DwgNo);
// Forgets every step of drawing DwgNo (1..10): counter and position 0, nothing
// to redo, and no erase batch left for Un Erase Last; the Edit items follow
// when it is the current drawing.
void StartUndoHistory(Integer DwgNo);
// The Edit menu's Undo and Redo items, and the tool bar's buttons, show the
// current drawing's state: called when a drawing window becomes active.
void ShowUndoState();

// ---- In-place changes ----------------------------------------------------------------------
// An entity's shape as an in-place change leaves or finds it.
struct EntityShape {
  Integer Rtype = 0;            // entity type
  Integer Ltype = 0;            // line type 0..6
  std::vector<WorldXY> Points;  // its points in order, 0-based
};
EntityShape ShapeOf(Long ObjNo);  // the entity's shape now
// Entity ObjNo was changed in place from Before: the change is taken back and
// done again with the current drawing's last step (the step just opened),
// beside the changes joined to it before.
void JoinShapeChange(Long ObjNo, const EntityShape& Before);
// The same as a step of its own.
void PushShapeChange(Long ObjNo, const EntityShape& Before);
// What a character written over shows, as an in-place change leaves or
// finds it: the fields a new glyph or colour writes, its points aside.
struct EntityLook {
  String Name;        // glyph key
  Long ObjectID = 0;  // Items index of the glyph shown
  Long OwnerID = 0;   // Items index of the item it belongs to; 0 none
  Long Color = 0;     // RGB, red in the low byte
};
EntityLook LookOf(Long ObjNo);  // the entity's look now
// Entity ObjNo's look was changed in place from Before: a step of its own.
void PushLookChange(Long ObjNo, const EntityLook& Before);

// ---- Repainting ------------------------------------------------------------------------------
// Erase, undo and redo wipe and draw each entity they change, so that the
// surface shows the change at once. A caller that redraws the whole view
// right after holds a WholeRedrawFollows while it works: the entities are
// then neither wiped nor drawn one by one, as the redraw shows them all, and
// the Edit menu's Undo and Redo items are set once, when the last holder
// goes, rather than at every step.
class WholeRedrawFollows {
 public:
  WholeRedrawFollows();
  ~WholeRedrawFollows();
  WholeRedrawFollows(const WholeRedrawFollows&) = delete;
  WholeRedrawFollows& operator=(const WholeRedrawFollows&) = delete;
};

// ---- Erasing -------------------------------------------------------------------------------
// Erases one entity as an undoable step. It leaves the selection (Selected
// cleared, no set number) and carries Batch as its Select: the erase batch
// of Erase Selected, which Un Erase Last brings back; 0 for an erase that
// Un Erase Last does not reach. Redo of the step gives the batch back. An
// entity live again (Undo, Redo, Un Erase Last) carries no batch; one that
// a step brings back is selected again only when it was selected as the
// step erased it and its drawing's set is still the one it left (Undo then
// Redo of a placement just made shows it selected as before), and
// otherwise carries no set number either. Back says whether the Undo of
// this erase may bring it back selected at all.
enum class ComesBack {
  AsItWas,     // selected again, as above: a line a break or trim replaced
  Unselected,  // never: it was erased out of the selection (Erase Selected, Place Image, Make Into)
};
void EraseObj(Long ObjNo, Long Batch = 0, ComesBack Back = ComesBack::AsItWas);
// Erase batches of the current drawing. Each Erase Selected and Make Into
// takes a new number (-1, -2 ...; DwgRec.EraseBatch is the last one given),
// never given again while the drawing's steps last, so no two erases share
// one; Un Erase Last takes back the waiting batches, the last first.
Long NewEraseBatch();       // a new number, waiting for Un Erase Last
Long TakeLastEraseBatch();  // the last waiting number, no longer waiting; 0 when none waits
// Entity ObjNo was brought back outside the steps: the step that erased it is
// dropped, so that Undo and Redo pass over it. The Edit items name the live
// steps again at once, or when the last WholeRedrawFollows goes.
void DropEraseStep(Long ObjNo);
// Deletes an item and, for good, every entity it owns in its own drawing and
// its own geometry (drawing 0); another open drawing's entities are not touched.
void DeleteItemObjs(Long ItemIndex);
// Deletes a layer item and, for good, every entity of the current drawing on it.
void DeleteLayerObjs(Long LayerIndex);
// Deletes item Index when it is of kind Kind, with its entities by Delete
// (DeleteItemObjs or DeleteLayerObjs); when it was the chosen item, Selected
// and NameSought are cleared. False, with nothing changed, for another item.
bool DeleteChosenItem(Long Index, Integer Kind, void (*Delete)(Long), Long& Selected, String& NameSought);
// Entity ObjNo leaves its drawing for good as a member deleted with its owner
// (flagged, hidden, drawing 0, owned by nothing), and that drawing is marked
// changed; nothing is repainted and the caller tells the entity index how
// many left (ObjIndexDetached).
void DetachWithOwner(Long ObjNo);

// ---- Closing drawings -------------------------------------------------------------------------
void EraseDwgObjs(Integer DwgNo);   // detaches every entity of drawing DwgNo (1..10)
void EraseDwgItems(Integer DwgNo);  // deletes every item of drawing DwgNo (1..10)
void CloseDwg(Integer DwgNo);       // both of the above, then frees the slot's name and key
void ResetModel();                  // cuts every table back to the support data
// Times ResetModel ran: a drawing window that prepared its drawing before the
// last reset prepares it again on its next activation.
extern Long ModelResets;

void ResetUndoRedo();  // the module's globals to their start values

}  // namespace lintavo
