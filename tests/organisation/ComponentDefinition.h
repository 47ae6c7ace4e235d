// ComponentDefinition: a component item as a component database gives one
// when it is loaded, for the tests of components, their dialogs and storage.
#pragma once

#include <algorithm>

#include "model/DataHand.h"
#include "model/Top.h"
#include "support/ModelBuilders.h"

namespace lintavo {

// A component item of no drawing holding the line (x1, y1)-(x2, y2); its index.
inline Long AddDefinition(const String& name, Double x1 = 0, Double y1 = 0, Double x2 = 1, Double y2 = 1) {
  NewItemName = name;
  AddItem(ItemComponent);
  const Long item = ItemCount;
  AddLine(x1, y1, x2, y2);
  ObjRec& line = Objs[ObjCount];
  line.DwgNo = 0;
  line.DrawingID = 0;
  line.OwnerID = line.ObjectID = item;
  line.Name = name;
  ItemRec& def = Items[item];
  def.Nlines = 1;
  def.Xmin = std::min(x1, x2);
  def.Ymin = std::min(y1, y2);
  def.Xmax = std::max(x1, x2);
  def.Ymax = std::max(y1, y2);
  return item;
}

}  // namespace lintavo
