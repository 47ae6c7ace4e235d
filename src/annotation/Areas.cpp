// Areas: named areas and the area commands.
#include "annotation/Areas.h"

#include "app/DataHand.h"
#include "app/Top.h"

namespace lintavo {

Integer AreaCommand = 0;
Integer AreaActive = 0;

Integer AreaCreating = 0;

String BoundaryLayer;
Long BoundaryColor = 0;
Integer BoundaryStyle = 0;

void ResetAreaState() {
  AreaCreating = 0;
  AreaActive = 0;
  AwaitingInput = 0;
  ActiveTool = 0;
  ToolStep = 0;
}

void UpdateItemExtents(Long ItemNo) {
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
    const ObjRec& obj = Objs[i];
    if (obj.Rtype != EntityPolygon || obj.OwnerID != ItemNo) continue;
    Double minX = 100000, minY = 100000, maxX = -100000, maxY = -100000;
    for (Long k = obj.PointID; k < obj.PointID + obj.NPoints; ++k) {
      if (Pnts[k].X < minX) minX = Pnts[k].X;
      if (Pnts[k].Y < minY) minY = Pnts[k].Y;
      if (Pnts[k].X > maxX) maxX = Pnts[k].X;
      if (Pnts[k].Y > maxY) maxY = Pnts[k].Y;
    }
    ItemRec& item = Items[ItemNo];
    item.Xmin = minX;
    item.Ymin = minY;
    item.Xmax = maxX;
    item.Ymax = maxY;
    return;  // only the first polygon counts
  }
}

void ResetAreas() {
  AreaCommand = 0;
  AreaActive = 0;
  AreaCreating = 0;
  BoundaryLayer.clear();
  BoundaryColor = 0;
  BoundaryStyle = 0;
}

}  // namespace lintavo
