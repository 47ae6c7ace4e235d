// Selection: the selection sets and the Select commands (tool 10).
//
// The selection lives on the entities and belongs to the drawing that shows
// it: an entity is selected when its Selected flag is set, and each open
// drawing numbers its own sets (DwgRec.SelectSet, read as
// SelectionSetNumber). An entity in the current set of its drawing carries
// the set's number in its Select field (the same field holds an erase
// batch, -1, -2 ..., after Erase). Every new set, De-Select All and Select
// All Items in Drawing take the numbers of earlier sets off the drawing's
// entities first, so a set holds exactly what it stamps, whatever numbers
// come back. ApplySelectionSet brings the flags and the picture in line
// with the current number: afterwards an entity of the current drawing is
// selected exactly when its Select equals the set's number. The count is
// never kept: it is taken from the flags when asked (SelectedCount, Picks.h).
//
// A menu item or button writes its sub-command into SelectionCommand,
// ActiveTool := ToolSelection and calls SelectTool, which calls
// RunSelectionCommand. Select Line and Select Window keep taking picks or
// windows until another tool or Esc; the others run to their end at once.
// The choosers of Select View, Area, Group and Layer, and the area
// boundaries, belong to the floors above; they plug their routines into
// SelectionServices, and a chooser that is missing counts as cancelled.
//
// Sections:
//   Sub-commands
//   Command state
//   Services of the floors above
//   Commands
//   The set
//   Reset
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Sub-commands (values of SelectionCommand) -------------------------------------------
enum SelectionCode : Integer {
  SelectLineCode = 3,         // "Select Line": toggles single entities in the set
  SelectWindowCode = 4,       // "Select Window ": adds the entities inside a window
  SelectViewCode = 5,         // "Select View": new set, the entities inside a named view
  SelectAreaCode = 6,         // "Select Area": new set, the entities inside an area's boundary
  SelectGroupCode = 7,        // "Select Group": new set, the members of a group
  SelectLayerCode = 8,        // "Select Layer": new set, the entities of a layer
  SelectAllVisibleCode = 9,   // "Select All Visable Lines": new set, entities on visible layers
  SelectDrawingCode = 10,     // "Select All Items in Drawing": set 1, every shown entity
  DeselectAllCode = 11,       // "De-Select All Lines": empties the selection
  SelectTopLayerCode = 12,    // "Select All Items on Current Layer": new set, the current layer
};
constexpr Integer HighestSelectionCode = SelectTopLayerCode;  // codes 3..this; a new code takes the next number

// Kinds of item a chooser is shown for (values of SelectKind; item kinds of DataHand.h).
enum SelectKindCode : Integer {
  SelectKindGroup = 3,
  SelectKindArea = 4,
  SelectKindView = 5,
  SelectKindLayer = 6,
};
constexpr Integer SelectActionSelect = 1;  // SelectAction: the chooser is shown to select
constexpr Integer MaxSelectionSet = 32767;  // highest set number of a drawing; the next new set starts at 1 again

// ---- Command state -------------------------------------------------------------
extern Integer SelectionCommand;      // sub-command chosen by the menus and tool bars
extern Integer SelectionActive;       // flag: a Select command runs
extern Integer SelectionPrevCommand;  // sub-command of the previous call, to see a change
extern Integer SelectKind;            // item kind of the chooser about to be shown (SelectKindCode)
extern Integer SelectAction;          // what the chooser is shown for (1 select)
extern Integer KeptConPnts;           // ShowConPnts as it was when the command started
extern Double SelectPickX, SelectPickY;  // point taken by Select Line, world units
extern Double SelectPickDist;            // FindObjAt's distance for that point, world units

// ---- Services of the floors above ---------------------------------------------------------
struct SelectionServicesRec {
  // The chooser of items of one kind of the current drawing, modal. True with
  // the chosen item's name and Items index; false when cancelled.
  bool (*ChooseItem)(Integer Kind, String& Name, Long& ItemNo) = nullptr;
  // The boundary of an area item built for the inside test; false when the
  // area has none.
  bool (*BuildBoundarySpans)(Long AreaItem) = nullptr;
  // Whether an entity lies inside the boundary built last.
  bool (*IsObjectInsideBoundary)(Long ObjNo) = nullptr;
};
extern SelectionServicesRec SelectionServices;  // filled at registration; never reset

// ---- Commands ------------------------------------------------------------------------------
void RunSelectionCommand();  // the dispatcher of tool 10
void EndSelectionCommand();  // the command ends: its flags, ActiveTool, AwaitingInput and ToolStep to 0

// ---- The set ----------------------------------------------------------------------------------
// Flags and picture in line with the current drawing's set; panel 3
// " n: Lines Selected", n the entities drawn selected.
void ApplySelectionSet();
void SelectObj(Long ObjNo);    // into the current set, drawn selected
void DeselectObj(Long ObjNo);  // out of the set when selected, drawn in its own style
// The De-Select All command; also called by commands that drop the
// selection first (component placement).
void DeselectAll();
// No set is current any more in the current drawing: every entity of it
// leaves the selection and is drawn in its own style, and its set number
// goes to 0. For the commands that end with nothing selected (component
// Create and Make Into). Other drawings keep their selections.
void DropSelection();
// A new set of the current drawing: the stamps of its earlier sets come
// off, and its number goes up by 1 (past MaxSelectionSet back to 1).
void StartNewSelectionSet();

void ResetSelection();  // the module's globals to their start values

}  // namespace lintavo
