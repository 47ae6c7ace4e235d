// Grids: the dot grid and the rulers drawn over the drawing surface of the
// active window with the not-XOR pen, so that drawing them again removes
// them. A full redraw draws them last.
//
// Only the switches and the shown-state bookkeeping stand so far: the dots
// and the ruler ticks themselves are not drawn yet.
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

// ---- Drawing -----------------------------------------------------------------------
// Puts the grid on the surface when Show is set and it is not shown, takes it
// off when Show is clear and it is shown; nothing otherwise.
void DrawGrid(Integer& Show);
// Draws the rulers once more (no shown-state guard); RulerOn and
// RulersShown become Show.
void DrawRulers(Integer& Show);

void ResetGrids();  // the module's globals to their start values

}  // namespace lintavo
