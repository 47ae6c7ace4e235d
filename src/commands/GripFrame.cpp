// GripFrame: the grip frame of the selection.
#include "commands/GripFrame.h"

#include "app/Top.h"

namespace lintavo {

Integer FrameShown = 0;

void CancelGroupEdit() { GroupDragOn = 0; }

void GroupEditMouseDown(Single, Single) {}

void GroupEditMouseMove(Single, Single) {}

void GroupEditMouseUp() {}

void ResetGripFrame() { FrameShown = 0; }

}  // namespace lintavo
