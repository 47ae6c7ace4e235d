// CarriedAreas: the areas a selection's fills and hatches are drawn from.
#include "commands/CarriedAreas.h"

#include <algorithm>
#include <utility>

#include "commands/Edits.h"
#include "model/ObjIndex.h"
#include "model/Top.h"

namespace lintavo {

namespace {

bool IsPaint(const ObjRec& obj) { return obj.Rtype == EntityFill || obj.Rtype == EntityHatch; }

// Whether area item Item belongs to the current drawing.
bool IsAreaOfCurrentDrawing(Long Item) {
  return Item >= 1 && Item <= ItemCount && Items[Item].Rtype == ItemArea && Items[Item].DwgNo == CurDwg;
}

// Whether entity ObjNo is selected and is the boundary of an area of the
// current drawing. Only a selected polygon of an area asks AreaBoundary,
// which reads the area's members.
bool IsSelectedBoundary(Long ObjNo) {
  const ObjRec& obj = Objs[ObjNo];
  return obj.Rtype == EntityPolygon && IsEditSelected(ObjNo) && IsAreaOfCurrentDrawing(obj.OwnerID) &&
         AreaBoundary(obj.OwnerID) == ObjNo;
}

}  // namespace

std::vector<CarriedArea> SelectionCarriedAreas() {
  // Every live fill and hatch of the drawing by its area, and the areas of
  // those selected and of the selected boundaries, in one pass.
  std::vector<std::pair<Long, Long>> paint;  // (area, entity)
  std::vector<Long> areas;
  const Long last = ObjCount;
  for (Long i = BaseObjCount + 1; i <= last; ++i) {
    const ObjRec& obj = Objs[i];
    if (IsSelectedBoundary(i)) areas.push_back(obj.OwnerID);
    if (!IsPaint(obj) || obj.DwgNo != CurDwg || obj.Erased || !IsAreaOfCurrentDrawing(obj.ObjectID)) continue;
    paint.emplace_back(obj.ObjectID, i);
    if (IsEditSelected(i)) areas.push_back(obj.ObjectID);
  }
  std::sort(areas.begin(), areas.end());
  areas.erase(std::unique(areas.begin(), areas.end()), areas.end());
  std::sort(paint.begin(), paint.end());
  std::vector<CarriedArea> carried;
  for (const Long area : areas) {
    const Long boundary = AreaBoundary(area);
    if (boundary == 0 || Objs[boundary].DwgNo != CurDwg) continue;
    CarriedArea entry{area, boundary, IsEditSelected(boundary), {}};
    auto at = std::lower_bound(paint.begin(), paint.end(), std::pair<Long, Long>{area, 0});
    for (; at != paint.end() && at->first == area; ++at) entry.Paint.push_back(at->second);
    carried.push_back(std::move(entry));
  }
  return carried;
}

void TakeCarriedAreaBox(const CarriedArea& Carried) {
  UpdateItemExtents(Carried.Area);
  const ItemRec& area = Items[Carried.Area];
  for (const Long i : Carried.Paint) {
    PntRec& at = Pnts[Objs[i].PointID];
    if (at.X == area.Xmin && at.Y == area.Ymin) continue;
    at.X = area.Xmin;
    at.Y = area.Ymin;
    ObjPointsChanged(i);
  }
}

}  // namespace lintavo
