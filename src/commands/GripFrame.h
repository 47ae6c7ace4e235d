// GripFrame: the frame with grips around the selection, dragged to move,
// scale or rotate it.
#pragma once

#include "platform/Types.h"

namespace lintavo {

extern Integer FrameShown;  // flag: the grip frame is on the surface; a full redraw clears it

// Removes the grip frame when it is shown and ends any drag.
void CancelGroupEdit();

void ResetGripFrame();  // the module's globals to their start values

}  // namespace lintavo
