// Fills: solid fills inside boundaries, and the filled boxes other modules
// ask for (the box behind a boxed text character). The module has no
// dispatcher; its flag is cleared when another tool takes over.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state and options ---------------------------------------------------------
extern Integer FillCmdActive;  // flag: a fill command is under way
extern Integer ShowFills;      // flag: fills of every kind are drawn; off, bands and polygons are outlines (-1 at start)
// Fill options, "" or 0 until an option set is applied (built-in defaults in the comments).
extern String CurFillLayer;          // layer of new fill objects ("Fills 1")
extern Integer CurFillPattern;       // fill style 0..7 of new fills: 0 solid, 1 transparent, 2..7 hatched (1)
extern Long CurFillColor;            // RGB of new fills (yellow)
extern Integer GradientFill;         // flag: kept in the option set only (0)
extern Long GradientColor;           // RGB: kept in the option set only (white)
extern Integer FillUseBoundaryLayer;  // flag: kept in the option set only (0)

// ---- Drawing ---------------------------------------------------------------------------
// Draws Fill entity ObjNo over the boundary of its area item.
// Not built yet: area boundaries do not exist, so nothing is drawn.
void FillObjectArea(Long ObjNo);
// Fills the quadrilateral with world corners 1 to 4 solid in Colour
// (DwgBackColor while EraseDraw): nothing unless ShowFills, nothing when
// corners 1 and 3 lie beyond the same side of the view window.
void FillQuad(Double X1, Double Y1, Double X2, Double Y2, Double X3, Double Y3, Double X4, Double Y4,
              Long Colour);

void ResetFills();  // the module's globals to their start values

}  // namespace lintavo
