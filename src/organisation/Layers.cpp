// Layers: the layer commands.
#include "organisation/Layers.h"

#include "model/ProgramState.h"
#include "model/Top.h"

namespace lintavo {

Integer LayerCommand = 0;
Integer LayerActive = 0;

void ResetLayers() {
  LayerCommand = 0;
  LayerActive = 0;
}

namespace {
const ModuleRegistrar Registered({"Layers", FloorOrganisation, ResetLayers, {ToolLayers, &LayerActive}});
}  // namespace

}  // namespace lintavo
