// Hatches: hatch patterns generated at drawing time inside the boundary of
// an area. A Hatch entity (type 16) records only its area, pattern, scale
// and rotation; its lines are never stored.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Options ---------------------------------------------------------------------------
// ShowHatches lives with the display options (DisplayOptions.h).
// Hatch options, "" or 0 until an option set is applied (built-in defaults in the comments).
extern String CurPatternName;          // pattern of new hatches, by name ("")
extern String HatchLayer;              // layer of new hatch objects ("Hatches 1")
extern Long HatchColor;                // RGB of new hatches (green)
extern Integer UsePatternColor;        // flag: hatches take their pattern's colour instead (0)
extern Single HatchScale;              // scale of new hatches (1.0)
extern Single HatchRotation;           // rotation of new hatches, degrees (0)
extern Integer HatchUseBoundaryLayer;  // flag: kept in the option set only (0)

// The pattern library the hatches draw with is in SupportLists.h.

// ---- Drawing ---------------------------------------------------------------------------
// Draws Hatch entity ObjNo inside its area's boundary.
// Not built yet: the pattern generator does not exist, so nothing is drawn.
void DrawHatchObj(Long ObjNo);

void ResetHatches();  // the module's globals to their start values

}  // namespace lintavo
