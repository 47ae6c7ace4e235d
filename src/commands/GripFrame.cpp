// GripFrame: the grip frame of the selection.
#include "commands/GripFrame.h"

#include "app/Top.h"

namespace lintavo {

void CancelGroupEdit() { GroupDragOn = 0; }

}  // namespace lintavo
