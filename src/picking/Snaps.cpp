// Snaps: snap switches and the nearest stored point.
#include "picking/Snaps.h"

#include <cmath>

#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "platform/Numbers.h"

namespace lintavo {

Integer SnapCommand = 0;
Integer SnapActive = 0;

// ---- Nearest stored point ------------------------------------------------------------

namespace {

constexpr Single SearchReach = 100;  // the search reaches this many pick tolerances

// The points of an entity the search tests: a compound entity offers only
// its insertion point, since its other points are not positions in the drawing.
Long SearchedPointCount(const ObjRec& obj) {
  return obj.Rtype >= FirstCompoundType ? 1 : obj.NPoints;
}

}  // namespace

void NearestObjPoint(Double& X, Double& Y, Long& ObjNo, Single& Dist) {
  Single best = ToSingle(PickTolerance * SearchReach);
  ObjNo = 0;
  Dist = 0;
  Double bestX = X, bestY = Y;
  const Long last = ObjCount;
  for (Long i = 1; i <= last; ++i) {
    const ObjRec& obj = Objs[i];
    // Support geometry (drawing number 0) is never a point of the drawing.
    if (obj.DwgNo != CurDwg || obj.DwgNo == 0 || !obj.Show) continue;
    const Long count = SearchedPointCount(obj);
    for (Long k = 0; k < count; ++k) {
      const PntRec& p = Pnts[obj.PointID + k];
      const Single d = ToSingle(std::fabs(X - p.X) + std::fabs(p.Y - Y));
      if (d >= best) continue;
      ObjNo = i;
      bestX = p.X;
      bestY = p.Y;
      best = d;
      if (d < PickTolerance) {
        Dist = d;
        X = bestX;
        Y = bestY;
        return;
      }
    }
  }
  if (ObjNo == 0) return;
  Dist = best;
  X = bestX;
  Y = bestY;
}

// ---- Reset ----------------------------------------------------------------------------

void ResetSnaps() {
  SnapCommand = 0;
  SnapActive = 0;
}

namespace {
const ModuleRegistrar Registered({"Snaps", FloorPicking, ResetSnaps, {ToolSnaps, &SnapActive}});
}  // namespace

}  // namespace lintavo
