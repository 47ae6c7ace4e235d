// Outline: the ghost of the selection that follows the cursor while a
// transform command (move, copy, rotate, mirror, paste) waits for its point.
#pragma once

#include "platform/Types.h"

namespace lintavo {

extern Integer OutlineOn;  // flag: the outline preview follows the mouse

void ResetOutline();  // the module's globals to their start values

}  // namespace lintavo
