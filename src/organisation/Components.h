// Components: component definitions and their placements, and the component
// commands of tool 2 (Place, Place Image, Create, Edit, Explode, Make Into).
//
// A definition is an item of kind 1 with geometry of no drawing (DwgNo 0)
// owned by the item, stored relative to its reference point, the origin. A
// placement is an entity of type 12 naming the definition, with points
// (insertion X, Y), (X scale, Y scale) and (rotation in degrees, 0); a
// definition point (x, y) lies at insertion + R(angle) (sx x, sy y).
//
// Sections:
//   Command state
//   Definitions and extents
//   Dialogs of the floor above
//   Commands
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
enum ComponentCode : Integer {
  PlaceComponentCode = 1,     // "Place Component"
  PlaceImageCode = 2,         // "Place Component Image"
  CreateComponentCode = 3,    // "Create Component"
  EditComponentsCode = 4,     // "Edit Components"
  ExplodeComponentCode = 5,   // "Component Explode "
  MakeIntoComponentCode = 6,  // "Make Into a Component"
};
constexpr Integer HighestComponentCode = MakeIntoComponentCode;  // codes 1..this; a new code takes the next number
enum ComponentStageCode : Integer {
  StageStarted = 1,  // after the first entry of a command
  StageWaiting = 2,  // waiting for the location or the reference point
};

extern Integer ComponentCommand;  // sub-command chosen by the menus and tool bars
extern Integer ComponentActive;   // flag: the module's dispatcher has taken the current command
extern Integer ComponentStage;    // ComponentStageCode of the running command
extern Long ComponentItem;        // item index of the current component; 0 none
extern Long ComponentNo;          // item index chosen in the chooser; 0 none
extern String EditComponentName;  // component chosen in the edit dialog
extern Double CompRefX, CompRefY;  // reference point of the running command
extern Double CompMinX, CompMinY, CompMaxX, CompMaxY;  // running extents (WidenComponentExtents)
extern Double CompPickX, CompPickY;  // location picked by Place Image
extern Double PlaceAtX, PlaceAtY;    // the same location, kept for the copies
extern Long PlacedObj;               // placement Place and Place Image move
extern Integer PlacementFound;       // flag: the last GetComponentRefPoint found one
extern Long FoundPlacement;          // the placement it found

// The name of the current component, ComponentName, is with the other names
// of the drawing dialogs in DataHand.h.

// ---- Definitions and extents -------------------------------------------------------
// True when a loaded component (kind 1, DwgNo 0) is named exactly
// ComponentName (Index that item), else whether the drawings database's
// Components table has a row of that name (Index 0).
bool ComponentNameExists(Long& Index);
// Adds a component item with the first free name "New Component n";
// ComponentName and ComponentItem name it.
void NewComponent();
// The running extents start empty: the first point widened sets all four.
void StartComponentExtents();
void WidenComponentExtents(Double X, Double Y);
// Widens the running extents by one entity, by type: circles by their four
// quadrant points, arcs by their rim points, placements and text characters
// by their insertion point and their item's scaled extents (not rotated).
void GetEntitiesExtents(Long ObjNo);
// A new definition named ComponentName with exact copies of the geometry of
// definition Index; Index becomes the new item. False when nothing was copied.
bool DuplicateComponent(Long& Index);
// Placement ObjNo shows component Item, under Name. Its owner follows the
// component only while the placement is free (owned by the component it
// showed, or by nothing): one in a group or an area, or nested in a
// definition, stays with its owner.
void RepointPlacement(Long ObjNo, Long Item, const String& Name);
// The preview of definition Index in a component dialog's picture (the
// borrowed target, ChooserPreview): the view fitted to the item's extents
// moved by its origin, with a tenth of their width and height as margin on
// each side (no width or height: the upper corner from drawing 1's
// extents), then its geometry, whatever layer it was stored with, and the
// reference-point mark at its origin. The item is shown (Show -1).
void PreviewDefinition(Long Index);

// ---- Dialogs of the floor above ----------------------------------------------------
// The windows put their routines here when they register; a dialog nobody
// plugged counts as cancelled.
struct ComponentDialogsRec {
  void (*ShowCompSelect)() = nullptr;  // frmCompSelect: sets ComponentNo, ComponentName, DlgCancelled
  void (*ShowCompEdit)() = nullptr;    // frmCompEdit: edits a placement
};
extern ComponentDialogsRec ComponentDialogs;  // filled at registration; never reset

// Whether a file name chosen for a component database ends in ".mdb", in
// any letter case (the choosers and the save dialog take no other).
bool IsMdbFileName(const String& Path);

// ---- Commands ---------------------------------------------------------------------------
void RunComponentCommand();  // the dispatcher of tool 2
// Ends the command: prompts cleared when ClearTheirPrompts, then the tool state.
void EndComponentCommand(Integer ClearTheirPrompts);
// Explode's pick: the nearest placement of the current drawing by |dx| + |dy|
// within twice the pick tolerance of the click.
Integer GetComponentRefPoint();

void ResetComponents();  // the module's globals to their start values

}  // namespace lintavo
