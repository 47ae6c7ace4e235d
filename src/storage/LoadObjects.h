// LoadObjects: named definitions brought from a database into the model on
// demand: component definitions (items of kind 1) with their geometry, as
// entities of no drawing (DwgNo 0) owned by the item.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Components ------------------------------------------------------------------------
// The first item of kind 1 named NewItemName (letter case ignored, as the
// database finds names), whatever its drawing: true with Index and CurItem its
// index; false with Index 0 and CurItem
// unchanged when none is loaded.
bool FindLoadedComponent(Long& Index);
// Reads component Name with its geometry from the component database
// CompDbPath and appends it: true with CurItem the new item.
// Not built yet: the database is not read, so no component is found and
// the result is false, without a message.
bool LoadComponent(const String& Name);

}  // namespace lintavo
