// EntityNames: the display names of the entity types (ObjRec.Rtype), the
// words every window that shows an entity's kind uses. The names are the
// program's own, spelled as they have always been shown ("Continous
// Bezier" among them): never respell them.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// The display name of an entity type, 1..16 ("Point" .. "Hatch"); "" for
// any other code.
const char* EntityTypeName(Integer type);

}  // namespace lintavo
