// Modify: the modify commands (tool 9), which change one existing entity:
// MOVE POINT drags one stored vertex to a new place, BREAK LINE cuts the
// piece between two points out of an entity (the routines by type are in
// Breaks). Both pick the entity first, keep their own step counter that
// advances only on a successful pick, and end after one change.
//
// MOVE POINT changes the entity in place: it keeps its index and no undo
// step is recorded; the drawing is marked changed. While the new place is
// sought, the entity's ghost follows the mouse (RubberObject).
//
// Sections:
//   Command state
//   Dispatcher and end
//   Picks
//   Reset
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
// Sub-commands (values of ModifyCommand), set by the Modify menu.
enum ModifyCode : Integer {
  ModifyMovePointCode = 1,  // "Move Point"
  ModifyBreakLineCode = 2,  // "Break Line"
};
constexpr Integer HighestModifyCode = ModifyBreakLineCode;  // codes 1..this; a new code takes the next number
extern Integer ModifyCommand;  // sub-command chosen by the menus; any other value runs nothing
extern Integer ModifyActive;   // flag: the module's dispatcher has taken the current command
extern Integer ModifyStep;     // the command's own step 1..3, advanced only by a successful pick
extern Long ModifyPickedObj;   // Objs index of the entity picked in step 1
extern Double BreakX1, BreakY1;  // world: first break point; MOVE POINT's vertex click
extern Double BreakX2, BreakY2;  // world: second break point
extern Integer ModifySavedConPnts;  // ShowConPnts when the command started; given back at its end

// The vertex chosen for MOVE POINT is PickedPntIndex (Picks.h).

// ---- Dispatcher and end ------------------------------------------------------------
void RunModifyCommand();  // SelectTool's entry while ActiveTool is 9
// Ends the command: the ghost goes, ShowConPnts comes back, the flags and
// steps clear, the picked entity, vertex and break points are forgotten and
// the view is redrawn; the prompts stay when KeepPrompts.
void EndModifyCommand(bool KeepPrompts);

// ---- Picks ---------------------------------------------------------------------------
// The click's entity within PickTolerance into ObjNo, its vertices marked and
// "Line Selected: " and its type name in panel 3; on a miss "Line NOT
// Found! Try Again!" and ToolStep 0.
bool PickEntityForModify(Long& ObjNo);
// PickedPntIndex := the Pnts index of ModifyPickedObj's vertex nearest (X, Y)
// by |dx| + |dy| when within PickTolerance (the first of equals), and
// RubberDragPnt its position; 0 and unchanged when none is.
void FindNearestVertex(Double X, Double Y);

// ---- Reset -----------------------------------------------------------------------------
void ResetModify();  // the module's globals to their start values

}  // namespace lintavo
