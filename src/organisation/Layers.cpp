// Layers: layers of a drawing with their show and lock rules.
#include "organisation/Layers.h"

namespace lintavo {

Integer LayerCommand = 0;
Integer LayerActive = 0;

void ResetLayers() {
  LayerCommand = 0;
  LayerActive = 0;
}

}  // namespace lintavo
