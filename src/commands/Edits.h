// Edits: the edit commands on the selection (tool 11): erase, un-erase,
// move, copy, hide, show, restyle and the internal clipboard here; rotate,
// mirror, rescale, radial and path copy in EditTransforms.
//
// A menu item, button or the Delete key writes the sub-command into
// EditCommand, ActiveTool := ToolEdits and calls SelectTool, which calls
// RunEditCommand on the choice and on every click or Enter after it. The
// selection of a command is every shown, selected, not erased entity of the
// current drawing above the support data, as the table stands when the
// scan starts: entities appended during a scan are not visited by it.
//
// Erase stamps the entities it erases with a batch number of their drawing
// (NewEraseBatch: -1, -2 ..., never given twice), which Un Erase Last brings
// back batch by batch, the last first: each drawing counts its own batches,
// so an erase in one window never changes what Un Erase Last brings back in
// another. An entity live again carries no batch.
// The internal clipboard is a list of its own (Picks.h): ClipBoard Copy
// puts the selection on it, and Paste copies those of its entities that are
// still selected, shown and not erased, whatever the pasting window selects.
//
// Every command that changes the model in place marks the drawing changed
// (no undo step); appends and erases go through the model's routines with
// their undo steps. When a command ends or does its work, the picture is
// drawn afresh from the model.
//
// Sections:
//   Sub-commands
//   Command state
//   Clipboard and restyle values
//   Dispatcher and frame
//   Shared by the edit commands
//   Hide, show, restyle, clipboard
//   Reset
#pragma once

#include "model/DataHand.h"
#include "model/Picks.h"  // IsDrawnSelected
#include "platform/Types.h"

namespace lintavo {

// ---- Sub-commands (values of EditCommand) --------------------------------------------
enum EditCode : Integer {
  EditEraseCode = 1,          // "Erase Selected Lines"
  EditUneraseCode = 2,        // "Un Erase Last"
  EditCopyCode = 3,           // "Copy Selected Lines"
  EditMoveCode = 4,           // "Move Selected Lines"
  EditRotateCode = 5,         // "Rotate Selected Lines"
  EditMirrorCode = 6,         // "Mirror Selected Lines"
  EditRescaleCode = 7,        // "Rescale Selected Lines"
  EditRadialCopyCode = 8,     // "Radial Copy Selected Lines"
  EditHideCode = 9,           // "Hide Selected Lines"
  EditShowCode = 10,          // "Show Hidden Lines"
  EditChangeColorCode = 11,   // called directly: the colour button
  EditChangeTypeCode = 12,    // called directly: the line style dialog
  EditChangeWeightCode = 14,  // called directly: the line style dialog
  EditInternalCopyCode = 15,  // "ClipBoard Copy"
  EditPasteCode = 16,         // "ClipBoard Paste"
  EditPathCopyCode = 17,      // "Path Copy Selected Lines"
  EditModifySelectedCode = 18,  // the grip frame "Modify Selected"
};
constexpr Integer HighestEditCode = EditModifySelectedCode;  // codes 1..this, 13 unused; a new code takes the next number
// Commands from this code on keep the Edit menu's Paste item as it is when they end.
constexpr Integer FirstClipboardCode = EditInternalCopyCode;

// ---- Command state -------------------------------------------------------------
extern Integer EditCommand;      // sub-command chosen by the menus and tool bars
extern Integer EditActive;       // flag: an Edits command runs
extern Integer EditPrevCommand;  // the sub-command the running one started as
extern Integer OffsetTaken;      // flag: Move and Copy have their offset
extern Integer OffsetResult;     // flag: TakeMoveOffset's last result
extern Double EditRefX, EditRefY;      // reference point; the offset (dx, dy) once the placement is known
extern Double EditPointX, EditPointY;  // second point: placement, insertion or offset location
extern Integer EditStep;               // sub-step of Rescale, Radial Copy and Path Copy: 1, 2, 3
extern Double EditCentreX, EditCentreY;  // radial centre, mirror reference, path pick point
extern Double EditOffsetX, EditOffsetY;  // path offset point, then the offset of a station
extern Single RescaleX, RescaleY;        // typed width and height scale
extern Single RadialTotalAngle;          // typed total turn of a radial copy, degrees
extern Long PathObj;                     // entity picked as the path
extern Integer MaxPathCopies;            // the path copy count must stay below it (99)
extern Single PathSpacing;               // station spacing, world units

// ---- Clipboard and restyle values --------------------------------------------------
extern Long ChosenColor;          // RGB applied by ChangeSelectedColor (0 at start)
extern Integer ChosenLineType;    // line type 0..6 applied by ChangeSelectedType
extern Integer ChosenLineWeight;  // line weight applied by ChangeSelectedWeight
extern Double ClipboardRefX, ClipboardRefY;  // reference point of the internal clipboard

// ---- Dispatcher and frame -------------------------------------------------------------
void RunEditCommand();    // the dispatcher of tool 11
void EndEditCommand();    // the running command ends; the picture is drawn afresh
// "ERROR... No Lines Selected" and "You Must Pre-Select lines"; the command ends.
void NoSelectionError();
// The two clicks of Move and Copy: a reference point, then the placement;
// true once the offset (EditRefX, EditRefY) is known.
Integer TakeMoveOffset();

// ---- Shared by the edit commands -------------------------------------------------------
// Whether an entity belongs to the selection of a command: drawn selected
// in the current drawing.
inline bool IsEditSelected(Long ObjNo) { return IsDrawnSelected(Objs[ObjNo]); }
// Calls visit(ObjNo) for the selection in table order, the bound fixed when
// the scan starts: a walk of the whole entity table, so it costs what the
// table holds, however few are selected.
template <typename Visit>
void ForEachSelected(Visit visit) {
  const Long last = ObjCount;
  for (Long i = BaseObjCount + 1; i <= last; ++i)
    if (IsEditSelected(i)) visit(i);
}
// The selection's points are about to change in place: a selection of more
// than a quarter of the entities drops the object index, which the next pick
// lays out again in one pass, instead of moving each entity within it.
void BeforeSelectionPointsChange();
// Entity ObjNo moved by (Dx, Dy) in place: a compound by its insertion point
// (and a dimension's, fill's or hatch's item extents recomputed), any other
// entity by every point, widening its own drawing's extents and its own layer's box.
void MoveEntityBy(Long ObjNo, Double Dx, Double Dy);
void DrawEntity(Long ObjNo);    // drawn with its own pen
void ShowMoveCursor();          // the move pointer "hwe.cur" of the application folder
// Panel 1 title; with nothing selected NoSelectionError and false.
bool CheckSelection(const char* Title);

// ---- Hide, show, restyle, clipboard ------------------------------------------------------
void HideSelected();
void ShowHiddenLines();
// The selection restyled: ChosenColor, ChosenLineType, ChosenLineWeight; the
// running Selection or Edits command ends.
void ChangeSelectedColor();
void ChangeSelectedType();
void ChangeSelectedWeight();
void ClipboardCopy();
void ClipboardPaste();

void ResetEdits();  // the module's globals to their start values

}  // namespace lintavo
