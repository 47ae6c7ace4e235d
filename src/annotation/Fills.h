// Fills: solid fills inside boundaries, and the filled boxes other modules
// ask for (the box behind a boxed text character). The module has no
// dispatcher; its flag is cleared when another tool takes over.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state and options ---------------------------------------------------------
extern Integer FillCmdActive;  // flag: a fill command is under way
// Fill options, "" or 0 until an option set is applied (built-in defaults in the comments).
extern String CurFillLayer;          // layer of new fill objects ("Fills 1")
extern Integer CurFillPattern;       // fill style 0..7 of new fills: 0 solid, 1 transparent, 2..7 hatched (1)
extern Long CurFillColor;            // RGB of new fills (yellow)
extern Integer GradientFill;         // flag: kept in the option set only (0)
extern Long GradientColor;           // RGB: kept in the option set only (white)
extern Integer FillUseBoundaryLayer;  // flag: kept in the option set only (0)

// ---- Drawing ---------------------------------------------------------------------------
// Fills are drawn by the surface's polygon fill over the area's boundary,
// converted to device points in GdiPts (grown first when the boundary has
// more points than it holds).
extern Double FillOriginX, FillOriginY;  // world offset of the area: 0 for Fill entities

// Draws Fill entity ObjNo (its Ltype the fill style, in the background colour while erasing).
void FillObjectArea(Long ObjNo);
// The area chooser's preview: area Item in CurFillColor and CurFillPattern.
void FillAreaItem(Long Item);
// GdiPts(1..GdiPtsCount) and BoundaryBox for area Item; false when there is nothing to fill.
bool BuildAreaPolygon(Long Item);
extern Integer GdiPtsCount;  // device points BuildAreaPolygon placed
// ShowFills lives with the display options (DisplayOptions.h), FillQuad
// with the drawers (ObjectDrawers.h): the renderers read them.

void ResetFills();  // the module's globals to their start values

}  // namespace lintavo
