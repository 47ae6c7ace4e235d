// DrawingSnapshot: the entities and items of one drawing number as text lines.
#include "support/DrawingSnapshot.h"

#include <sstream>

#include "model/DataHand.h"

namespace lintavo {
namespace {

std::string EntityText(Long i) {
  const ObjRec& obj = Objs[i];
  std::ostringstream line;
  line.precision(17);
  line << "entity " << i << ": type " << obj.Rtype << " '" << obj.Name << "' show " << obj.Show << " erased "
       << obj.Erased << " layer " << obj.LayerID << " owner " << obj.OwnerID << " shows " << obj.ObjectID
       << " colour " << obj.Color << " type " << obj.Ltype << " weight " << obj.Weight << " width " << obj.Width
       << " points";
  for (Long k = obj.PointID; k < obj.PointID + obj.NPoints; ++k) {
    line << " (" << Pnts[k].X << ", " << Pnts[k].Y << ")";
    // A point numbered otherwise than its place in the entity is stored so.
    if (Pnts[k].Seq != k - obj.PointID + 1 || Pnts[k].ObjNo != i)
      line << " numbered " << Pnts[k].Seq << " of " << Pnts[k].ObjNo;
  }
  return line.str();
}

std::string ItemText(Long i) {
  const ItemRec& item = Items[i];
  std::ostringstream line;
  line.precision(17);
  line << "item " << i << ": kind " << item.Rtype << " '" << item.Name << "' show " << item.Show << " lock "
       << item.Lock << " lines " << item.Nlines << " origin (" << item.Xorigin << ", " << item.Yorigin << ") box ("
       << item.Xmin << ", " << item.Ymin << ")-(" << item.Xmax << ", " << item.Ymax << ")";
  return line.str();
}

}  // namespace

std::vector<std::string> DrawingSnapshot(Integer dwgNo, SnapshotOf what) {
  std::vector<std::string> lines;
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
    const ObjRec& obj = Objs[i];
    if (obj.DwgNo != dwgNo || (what == SnapshotOf::LiveEntities && obj.Erased)) continue;
    lines.push_back(EntityText(i));
  }
  if (what == SnapshotOf::LiveEntities) return lines;
  for (Long i = BaseItemCount + 1; i <= ItemCount; ++i)
    if (Items[i].DwgNo == dwgNo) lines.push_back(ItemText(i));
  return lines;
}

}  // namespace lintavo
