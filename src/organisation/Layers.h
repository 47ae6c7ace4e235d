// Layers: layers of a drawing with their show and lock rules.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer LayerCommand;  // sub-command chosen by the menus and tool bars
extern Integer LayerActive;  // flag: the module's dispatcher has taken the current command

void ResetLayers();  // the module's globals to their start values

}  // namespace lintavo
