// WindowCorners: the two-click window and the inside test.
#include "picking/WindowCorners.h"

#include "model/DataHand.h"
#include "model/MessageBar.h"
#include "model/ProgramState.h"
#include "model/Top.h"

namespace lintavo {

Double SelWinMinX = 0, SelWinMinY = 0;
Double SelWinMaxX = 0, SelWinMaxY = 0;
Double SelCorner1X = 0, SelCorner1Y = 0;

namespace {

constexpr const char* PromptFirstCorner = "Place First Corner of Window ";
constexpr const char* PromptOppositeCorner = "Place Opposite Corner of Window ";

// One axis of the window from two values; false when they are equal (the
// bounds are then left as they were).
bool StoreAxis(Double a, Double b, Double& low, Double& high) {
  if (a == b) return false;
  low = a < b ? a : b;
  high = a < b ? b : a;
  return true;
}

}  // namespace

// ---- Taking the corners ----------------------------------------------------------------

bool GetWindowCorners(Integer Step) {
  switch (Step) {
    case 1:
      ShowStatus(PromptFirstCorner, 2);
      ShowConPnts = FlagFalse;
      RubberWindowOn = FlagTrue;
      return false;
    case 2:
      TakePickPoint(SelCorner1X, SelCorner1Y);
      ShowStatus(PromptOppositeCorner, 2);
      return false;
    case 3: {
      RubberWindowOn = FlagFalse;
      ShowConPnts = FlagFalse;
      Double x = SelCorner1X, y = SelCorner1Y;
      TakePickPoint(x, y);
      const bool wide = StoreAxis(SelCorner1X, x, SelWinMinX, SelWinMaxX);
      const bool high = StoreAxis(SelCorner1Y, y, SelWinMinY, SelWinMaxY);
      return wide && high;
    }
    default: return false;
  }
}

bool SetWindowFromView(Double Xmin, Double Ymin, Double Xmax, Double Ymax) {
  const bool wide = StoreAxis(Xmin, Xmax, SelWinMinX, SelWinMaxX);
  const bool high = StoreAxis(Ymin, Ymax, SelWinMinY, SelWinMaxY);
  if (!wide) SelWinMinX = SelWinMaxX = Xmin;
  if (!high) SelWinMinY = SelWinMaxY = Ymin;
  return wide && high;
}

// ---- Testing entities ------------------------------------------------------------------

bool IsPointInWindow(Double X, Double Y) {
  return X >= SelWinMinX && X <= SelWinMaxX && Y >= SelWinMinY && Y <= SelWinMaxY;
}

bool IsObjInWindow(Long ObjNo) {
  if (ObjNo < 1 || ObjNo > ObjCount) return false;
  const ObjRec& obj = Objs[ObjNo];
  if (!obj.Show || obj.NPoints < 1) return false;
  const Long first = obj.PointID;
  if (obj.Rtype >= FirstCompoundType) return IsPointInWindow(Pnts[first].X, Pnts[first].Y);
  const Long start = obj.Rtype == EntityArc ? first + 1 : first;
  for (Long k = start; k < first + obj.NPoints; ++k)
    if (!IsPointInWindow(Pnts[k].X, Pnts[k].Y)) return false;
  return true;
}

void ResetWindowCorners() {
  SelWinMinX = SelWinMinY = SelWinMaxX = SelWinMaxY = 0;
  SelCorner1X = SelCorner1Y = 0;
}

namespace {
const ModuleRegistrar Registered({"WindowCorners", FloorPicking, ResetWindowCorners});
}  // namespace

}  // namespace lintavo
