// Outline: the ghost of the selection that follows the cursor while a
// transform command (move, copy, rotate, mirror, paste) waits for its point.
#pragma once

#include "platform/Types.h"

namespace lintavo {

extern Integer OutlineOn;  // flag: the outline preview follows the mouse; set only by a running transform
extern Integer OutlineEnabled;  // flag: the user's display option "show the outline preview" (0 until options apply)

// Moves the ghost to the mouse point (X, Y world units). The ghost is not
// drawn yet, so nothing changes on the surface.
void DrawOutlinePreview(Double X, Double Y);

void ResetOutline();  // the module's globals to their start values

}  // namespace lintavo
