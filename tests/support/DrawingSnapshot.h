// DrawingSnapshot: what one open drawing holds in the model tables, written
// as text so that a drawing can be compared with itself at another moment
// (before an Undo and after the Redo that follows it): one line per entity
// and per item of the drawing, in table order, with its index, every number
// exact to the bit.
#pragma once

#include <string>
#include <vector>

#include "platform/Types.h"

namespace lintavo {

// What a snapshot takes of the drawing.
enum class SnapshotOf {
  Everything,    // every entity, erased or not (its type, name, points, shown and
                 //   erased flags, style, layer, owner, item shown), and every item
  LiveEntities,  // the entities that are not erased, without the items: what Undo
                 //   alone gives back (items and erased records belong to no step)
};

std::vector<std::string> DrawingSnapshot(Integer dwgNo, SnapshotOf what = SnapshotOf::Everything);

}  // namespace lintavo
