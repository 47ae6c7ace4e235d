// CarriedAreas: the areas a selection's fills and hatches are drawn from.
#include "commands/CarriedAreas.h"

#include <algorithm>

#include "commands/Edits.h"
#include "model/Top.h"

namespace lintavo {

namespace {

bool IsPaint(const ObjRec& obj) { return obj.Rtype == EntityFill || obj.Rtype == EntityHatch; }

// Whether area item Item belongs to the current drawing.
bool IsAreaOfCurrentDrawing(Long Item) {
  return Item >= 1 && Item <= ItemCount && Items[Item].Rtype == ItemArea && Items[Item].DwgNo == CurDwg;
}

}  // namespace

std::vector<CarriedArea> SelectionCarriedAreas() {
  std::vector<Long> areas;
  ForEachSelected([&areas](Long i) {
    const ObjRec& obj = Objs[i];
    if (IsPaint(obj) && IsAreaOfCurrentDrawing(obj.ObjectID)) areas.push_back(obj.ObjectID);
  });
  std::sort(areas.begin(), areas.end());
  areas.erase(std::unique(areas.begin(), areas.end()), areas.end());
  std::vector<CarriedArea> carried;
  for (const Long area : areas) {
    const Long boundary = AreaBoundary(area);
    if (boundary == 0 || Objs[boundary].DwgNo != CurDwg || IsEditSelected(boundary)) continue;
    carried.push_back({area, boundary});
  }
  return carried;
}

}  // namespace lintavo
