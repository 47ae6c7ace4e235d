// Areas: named areas and the area commands (tool 16).
//
// A named area is an item of kind 4 whose geometry is one hidden boundary
// polygon (Boundaries.h) owned by the item. The commands create an area
// from a window, points or connected lines; show an area by zooming to it;
// hide it; and attach a Fill entity (type 15) or a Hatch entity (type 16)
// whose ObjectID is the area, drawn from the boundary at every redraw.
// Deleting an area erases its boundary, fills and hatches with it.
//
// Sections:
//   Command codes and state
//   Boundary options
//   Area chooser
//   Commands
//   Area items
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command codes (values of AreaCommand; stored by the menus) ---------------------------
enum AreaCommandCode : Integer {
  AreaShowCode = 1,     // "SHOW an Area": zoom to a chosen area
  AreaAddCode = 2,      // "ADD Area": no menu entry
  AreaHideCode = 4,     // "HIDE an Area": no menu entry
  AreaWindowCode = 5,   // create from a window
  AreaPointsCode = 6,   // create from points
  AreaLinesCode = 7,    // create from connected lines and arcs
  AreaFillCode = 9,     // "Area Fill"
  AreaHatchCode = 10,   // "Area Hatch"
};
constexpr Integer HighestAreaCode = AreaHatchCode;  // codes 1..this, 3 and 8 unused; a new code takes the next number

// ---- Command state -------------------------------------------------------------------------
extern Integer AreaCommand;   // sub-command chosen by the menus and tool bars (AreaCommandCode)
extern Integer AreaActive;    // flag: the module's dispatcher has taken the current command
extern Integer AreaCreating;  // flag: an area is being created; ending early erases its boundary
extern Integer AreaStep;      // creation step: 1 start, 3 collecting, 4 boundary closed
extern String AreaName;       // name of the current area
extern Long AreaItem;         // Items index of the current area; 0 none

// ---- Boundary options ---------------------------------------------------------------
// Fill option sets write these; "" or 0 until an option set is applied.
extern String BoundaryLayer;   // layer of new area boundaries ("Boundary 1" built in)
extern Long BoundaryColor;     // RGB of new area boundaries (green built in)
extern Integer BoundaryStyle;  // kept in the option set only (1 built in)

// ---- Area chooser ---------------------------------------------------------------------------
// The modal area chooser, plugged by its window; it sets AreaItem, AreaName
// and DlgCancelled. Unplugged, a command counts it as cancelled.
extern void (*ShowAreaChooser)();
// The chooser's action codes (SelectAction).
enum AreaChooserAction : Integer {
  AreaActionSelect = 1,
  AreaActionShow = 2,
  AreaActionHide = 4,
  AreaActionFill = 5,
  AreaActionHatch = 6,
};

// ---- Commands -----------------------------------------------------------------------------
// The dispatcher of tool 16. Another area command chosen while one runs
// ends that one first; Enter, taking no click, takes no boundary point.
void RunAreaCommand();
// Ends an area command; an area being created loses its boundary (the item
// stays), and no other entity is touched.
void ResetAreaState();

// ---- Area items -----------------------------------------------------------------------------
// The first area of the current drawing named AreaName (exact); false none.
bool FindAreaByName(Long& Index);
// A new area "New Area n" with the smallest free n; AreaName and AreaItem name it.
void NewAreaName();
// Deletes area Item with its boundary, fills and hatches.
void DeleteArea(Long Item);
// Renames area Item and every entity that carries its name.
void RenameArea(Long Item, const String& Name);

// UpdateItemExtents, which the renderer calls too, is a model routine (DataHand.h).

void ResetAreas();  // the module's globals to their start values

}  // namespace lintavo
