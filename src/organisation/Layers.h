// Layers: the layer commands of a drawing.
//
// The layer items themselves, with their show and lock rules and the
// routines that find and make them, are model data (LayerItems.h); the
// library of remembered layer names is a support list (SupportLists.h).
#pragma once

#include "model/LayerItems.h"
#include "model/SupportLists.h"
#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer LayerCommand;  // sub-command chosen by the menus and tool bars
extern Integer LayerActive;  // flag: the module's dispatcher has taken the current command

void ResetLayers();  // the module's globals to their start values

}  // namespace lintavo
