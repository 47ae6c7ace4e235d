// Grids: the dot grid and the rulers drawn over the drawing surface of the
// active window with the not-XOR pen, so that drawing them again removes
// them. A full redraw draws them last: the grid while GridOn or GridSnap is
// set, the rulers while RulerOn is set.
//
// The grid puts a dot on every grid position (GridX by GridY world units),
// or on every k-th one when they would crowd, so that about one dot per 20
// pixels of width remains. It also guards the grid snap: a grid with fewer
// than five steps across the area is too coarse to snap to, and GridSnap is
// switched off with a message.
//
// The rulers run along the left and the bottom edge: ticks 20 pixels long at
// whole multiples of a decade of the display unit counted from the world
// origin, each labelled with its coordinate in that unit.
//
// Sections:
//   Switches and state
//   Grid
//   Rulers
//   Reset
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Switches and state ------------------------------------------------------------
extern Integer GridOn;       // flag: grid display switched on (default 0)
extern Integer RulerOn;      // flag: ruler display switched on (default 0)
extern Integer GridShown;    // flag: the grid is on the surface at this moment
extern Integer RulersShown;  // flag: copy of the last argument of DrawRulers
extern Single GridX;         // grid spacing along X, world units (0.25 at start); grid snap uses it
extern Single GridY;         // grid spacing along Y, world units (0.25 at start)
extern Single GridSize;      // grid size of the display options, copied into both spacings (0.25 at start)
extern Long GridColor;       // RGB of the grid dots (green at start)
extern Long RulerColor;      // RGB of the rulers (yellow at start)

// ---- Grid ----------------------------------------------------------------------------
// Puts the grid on the surface when Show is set and it is not shown, takes it
// off when Show is clear and it is shown; nothing otherwise. Messages in
// panel 2: "Grid Too Small to Show!" (32000 steps or more across the area:
// nothing drawn), "Grid Too Large, Snap Disabled!" (fewer than one step:
// nothing drawn; fewer than five: drawn) with GridSnap cleared.
void DrawGrid(Integer& Show);

// ---- Rulers --------------------------------------------------------------------------
// Draws the rulers once more (no shown-state guard: a second call removes
// them); RulerOn and RulersShown become Show. With AutoScale set the display
// unit is first chosen from the width of the area, which changes the unit
// setting itself.
void DrawRulers(Integer& Show);

// The tick spacing of the rulers of the active drawing window, as DrawRulers
// computes it (after its automatic unit choice).
struct RulerSpacing {
  Double TickValue = 0;  // display units from one tick to the next (a power of 10)
  Double StepX = 0;      // pixels between the ticks of the bottom ruler
  Double StepY = 0;      // pixels between the ticks of the left ruler
};
// False, with nothing measured, when no drawing window is active or its area
// or scale gives no ticks.
bool MeasureRulerSpacing(RulerSpacing& Spacing);
// The label of tick Index (ticks counted from the world origin).
String LeftRulerLabel(Double Index, Double TickValue);    // the Single Index × TickValue
String BottomRulerLabel(Double Index, Double TickValue);  // Index × TickValue to 2 decimals

// ---- Reset ---------------------------------------------------------------------------
void ResetGrids();  // the module's globals to their start values

}  // namespace lintavo
