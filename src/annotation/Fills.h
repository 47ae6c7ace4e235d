// Fills: solid fills inside boundaries. The module has no dispatcher; its
// flag is cleared when another tool takes over.
#pragma once

#include "platform/Types.h"

namespace lintavo {

extern Integer FillCmdActive;  // flag: a fill command is under way

void ResetFills();  // the module's globals to their start values

}  // namespace lintavo
