// Hatches: hatch patterns generated at drawing time inside the boundary of
// an area. A Hatch entity (type 16) records only its area, pattern, scale
// and rotation; its lines are never stored.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Options ---------------------------------------------------------------------------
extern Integer ShowHatches;  // flag: hatches are drawn (-1 at start)

// ---- Drawing ---------------------------------------------------------------------------
// Draws Hatch entity ObjNo inside its area's boundary.
// Not built yet: the pattern generator does not exist, so nothing is drawn.
void DrawHatchObj(Long ObjNo);

void ResetHatches();  // the module's globals to their start values

}  // namespace lintavo
