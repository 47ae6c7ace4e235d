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
// its points as whole view pixels, not clamped, in ViewPts (grown first
// when the boundary has more points than it holds), cut to the view's guard
// box by ViewPolygon: a boundary reaching far beyond the view keeps its
// sides' course and the fill its shape across the view.
extern Double FillOriginX, FillOriginY;  // world offset of the area: 0 for Fill entities

// Draws Fill entity ObjNo (its Ltype the fill style, in the background colour while erasing).
void FillObjectArea(Long ObjNo);
// The area chooser's preview: area Item in CurFillColor and CurFillPattern.
void FillAreaItem(Long Item);
// ViewPts(1..GdiPtsCount) and BoundaryBox for area Item; false when there is nothing to fill.
bool BuildAreaPolygon(Long Item);
extern Integer GdiPtsCount;  // points BuildAreaPolygon placed in ViewPts
// ShowFills lives with the display options (DisplayOptions.h), FillQuad
// with the drawers (ObjectDrawers.h): the renderers read them.

void ResetFills();  // the module's globals to their start values

}  // namespace lintavo
