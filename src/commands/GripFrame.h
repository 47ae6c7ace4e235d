// GripFrame: the frame with grips around the selection, dragged to move,
// scale or rotate it.
#pragma once

namespace lintavo {

// Removes the grip frame when it is shown and ends any drag.
void CancelGroupEdit();

}  // namespace lintavo
