// Trims: trim, extend, corner trim, fillet and chamfer.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer TrimCommand;  // sub-command chosen by the menus and tool bars
extern Integer TrimActive;  // flag: the module's dispatcher has taken the current command

void ResetTrims();  // the module's globals to their start values

}  // namespace lintavo
