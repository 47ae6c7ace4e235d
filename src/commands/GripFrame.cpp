// GripFrame: the grip frame of the selection.
#include "commands/GripFrame.h"

#include "model/ProgramState.h"
#include "model/ServicesAbove.h"
#include "model/Top.h"
#include "view/Zooms.h"

namespace lintavo {

Integer FrameShown = 0;

void CancelGroupEdit() { GroupDragOn = 0; }

void GroupEditMouseDown(Single, Single) {}

void GroupEditMouseMove(Single, Single) {}

void GroupEditMouseUp() {}

void ResetGripFrame() { FrameShown = 0; }

namespace {
// The grip frame is on the surface until a full redraw wipes it.
void ForgetFrame() { FrameShown = FlagFalse; }
void PlugGripFrame() {
  ServicesAbove.CancelGroupEdit = CancelGroupEdit;
  RegisterRedrawHook(ForgetFrame);
}
const ModuleRegistrar Registered({"GripFrame", FloorCommands, ResetGripFrame, {}, PlugGripFrame});
}  // namespace

}  // namespace lintavo
