// SaveData: writing an open drawing into the drawings database.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// Writes drawing Dwgs(index) with its items and its lines and points into
// the drawings database DwgDbPath. True when the drawing was written; false
// when it was not (its own messages say why).
// Not built yet: it writes nothing and reports false, without a message.
bool SaveDrawing(Long index);

// Stores a layer name with its category in the settings database's
// LayerNames table unless a row of that name is there already (its category
// is then left as it is). Errors show in a box titled "Save Layer Name".
void SaveLayerName(String& name, String& category);

}  // namespace lintavo
