// GripFrame: the frame with grips around the selection, dragged to move,
// scale or rotate it.
#pragma once

#include "platform/Types.h"

namespace lintavo {

extern Integer FrameShown;  // flag: the grip frame is on the surface; a full redraw clears it

// Removes the grip frame when it is shown and ends any drag.
void CancelGroupEdit();

// The drawing window hands its mouse events to these while GroupDragOn is
// set; X, Y are view pixels. Grips and drags are not built yet: they do nothing.
void GroupEditMouseDown(Single X, Single Y);  // takes a grip or starts a drag
void GroupEditMouseMove(Single X, Single Y);  // moves the dragged frame or previews the grip
void GroupEditMouseUp();                       // ends the drag or grip

void ResetGripFrame();  // the module's globals to their start values

}  // namespace lintavo
