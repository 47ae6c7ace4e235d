// UndoRedo: erasing entities, undo and redo, deleting an item's members, and
// what happens to the model when drawings close.
//
// No entity record is removed while its drawing is open. Erasing, undoing,
// redoing, deleting an item's members and closing a drawing change flags in
// the records (Show, Erased, Flag, DwgNo) and repaint the entity concerned.
//
// Undo works on single entities. Every AddObj, CopyObj and EraseObj outside a
// dialog preview opens a new step in the current drawing: the drawing's
// counter (DwgRec.UndoStep) goes up by one and the entity's Flag gets the new
// number, so each step number marks exactly one entity of that drawing. Each
// drawing keeps its own position (DwgRec.UndoPos, the step the next Undo acts
// on) and its own redo state, so Undo in one window never touches another
// window's entities. Undo and redo switch one entity between shown and erased
// and move the position; a new step discards what was undone.
//
// The Edit menu's Undo and Redo items show what the next step does. Their
// captions are fixed texts; three of them end in a blank.
//
// Sections:
//   Undo steps
//   Erasing
//   Closing drawings
#pragma once

#include "platform/Types.h"

namespace lintavo {

// Kinds of undo step (the argument of PushUndo).
enum UndoKind : Integer {
  UndoAdd = 1,    // an entity was added
  UndoErase = 2,  // an entity was erased
};

constexpr Long FlagDeletedWithOwner = -1000;  // ObjRec.Flag of a member deleted with its item

// ---- Undo steps ------------------------------------------------------------------------
void PushUndo(Integer Kind);  // opens a new step in the current drawing (none in a dialog preview)
void Undo();                  // takes back the step at the current drawing's undo position
void Redo();                  // does the step above the undo position again

// ---- Erasing -------------------------------------------------------------------------------
void EraseObj(Long ObjNo);          // erases one entity as an undoable step
void DeleteItemObjs(Long ItemIndex);  // deletes an item and, for good, every entity it owns
// Deletes a layer item and, for good, every entity of the current drawing on it.
void DeleteLayerObjs(Long LayerIndex);

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
