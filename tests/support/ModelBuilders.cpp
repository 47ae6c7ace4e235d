// ModelBuilders: entities are appended with AddObj and their points with
// AddPnt, so extents, layers and undo steps are kept as for any new entity.
#include "support/ModelBuilders.h"

#include <cmath>
#include <cstdio>

#include "model/Units.h"

namespace lintavo {
namespace {

Long AddEntityOf(Integer type, const BuilderPoint* points, size_t count) {
  AddObj(type, static_cast<Integer>(count));
  for (size_t k = 0; k < count; ++k) AddPnt(points[k].first, points[k].second);
  return ObjCount;
}

}  // namespace

// ---- Entities of the current drawing ---------------------------------------------------

Long AddEntity(Integer type, std::initializer_list<BuilderPoint> points) {
  return AddEntityOf(type, points.begin(), points.size());
}

Long AddEntity(Integer type, const std::vector<BuilderPoint>& points) {
  return AddEntityOf(type, points.data(), points.size());
}

Long AddPolyline(std::initializer_list<BuilderPoint> points) { return AddEntity(EntityPolyline, points); }

Long AddLine(Double x1, Double y1, Double x2, Double y2) { return AddEntity(EntityLine, {{x1, y1}, {x2, y2}}); }

Long AddCircle(Double cx, Double cy, Double r) { return AddEntity(EntityCircle, {{cx, cy}, {cx + r, cy}}); }

Long AddArc(Double cx, Double cy, Double r, Double startDeg, Double midDeg, Double endDeg) {
  AddObj(EntityArc, 4);
  AddPnt(cx, cy);
  for (Double deg : {startDeg, midDeg, endDeg}) {
    const Double a = deg * Pi / 180;
    AddPnt(cx + r * std::cos(a), cy + r * std::sin(a));
  }
  return ObjCount;
}

Long AddCompound(Integer type, Double x, Double y, Double rotation, Double scaleX, Double scaleY,
                 std::initializer_list<BuilderPoint> flags) {
  AddObj(type, static_cast<Integer>(3 + flags.size()));
  AddPnt(x, y);
  AddPnt(scaleX, scaleY);
  AddPnt(rotation, 0);
  for (const auto& [fx, fy] : flags) AddPnt(fx, fy);
  return ObjCount;
}

// ---- Items ---------------------------------------------------------------------------

Long AddNamedItem(Integer kind, const String& name, Double xmax, Double ymax) {
  NewItemName = name;
  AddItem(kind);
  Items[ItemCount].Xmax = xmax;
  Items[ItemCount].Ymax = ymax;
  return ItemCount;
}

String ChainName(long k) {
  char name[24];
  std::snprintf(name, sizeof name, "C%ld", k);
  return name;
}

std::vector<SavedShape> LiveShapes(Integer dwgNo) {
  std::vector<SavedShape> shapes;
  for (Long i = 1; i <= ObjCount; ++i) {
    const ObjRec& obj = Objs[i];
    if (obj.DwgNo != dwgNo || obj.Erased) continue;
    SavedShape shape{obj.Rtype, {}};
    for (Long k = obj.PointID; k < obj.PointID + obj.NPoints; ++k) shape.second.emplace_back(Pnts[k].X, Pnts[k].Y);
    shapes.push_back(shape);
  }
  return shapes;
}

ItemTag TagOf(Long item) {
  if (item < 1 || item > ItemCount) return {0, "", 0};
  const ItemRec& it = Items[item];
  int nth = 0;
  for (Long j = 1; j < item; ++j)
    nth += Items[j].DwgNo == it.DwgNo && Items[j].Rtype == it.Rtype && Items[j].Name == it.Name ? 1 : 0;
  return {it.Rtype, it.Name, nth};
}

// ---- Settings -------------------------------------------------------------------------

void UseDecimalInches() {
  MetricUnits = FlagFalse;
  EnglishUnit = 1;
  FractionDisplay = FlagFalse;
  DecimalPlaces = 3;
  AutoScale = FlagFalse;
  AngleUnit = 1;
}

}  // namespace lintavo
