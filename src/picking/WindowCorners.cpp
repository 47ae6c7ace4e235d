// WindowCorners: the two-click window and the inside test.
#include "picking/WindowCorners.h"

#include "model/DataHand.h"
#include "model/MessageBar.h"
#include "model/ProgramState.h"
#include "model/Top.h"

namespace lintavo {

Double WindowMinX = 0, WindowMinY = 0;
Double WindowMaxX = 0, WindowMaxY = 0;
Double WindowCornerX = 0, WindowCornerY = 0;

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

bool Inside(Double x, Double y) {
  return x >= WindowMinX && x <= WindowMaxX && y >= WindowMinY && y <= WindowMaxY;
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
      TakePickPoint(WindowCornerX, WindowCornerY);
      ShowStatus(PromptOppositeCorner, 2);
      return false;
    case 3: {
      RubberWindowOn = FlagFalse;
      ShowConPnts = FlagFalse;
      Double x = WindowCornerX, y = WindowCornerY;
      TakePickPoint(x, y);
      const bool wide = StoreAxis(WindowCornerX, x, WindowMinX, WindowMaxX);
      const bool high = StoreAxis(WindowCornerY, y, WindowMinY, WindowMaxY);
      return wide && high;
    }
    default: return false;
  }
}

bool SetWindowFromView(Double Xmin, Double Ymin, Double Xmax, Double Ymax) {
  const bool wide = StoreAxis(Xmin, Xmax, WindowMinX, WindowMaxX);
  const bool high = StoreAxis(Ymin, Ymax, WindowMinY, WindowMaxY);
  if (!wide) WindowMinX = WindowMaxX = Xmin;
  if (!high) WindowMinY = WindowMaxY = Ymin;
  return wide && high;
}

// ---- Testing entities ------------------------------------------------------------------

bool IsObjInWindow(Long ObjNo) {
  if (ObjNo < 1 || ObjNo > ObjCount) return false;
  const ObjRec& obj = Objs[ObjNo];
  if (!obj.Show || obj.NPoints < 1) return false;
  const Long first = obj.PointID;
  if (obj.Rtype >= FirstCompoundType) return Inside(Pnts[first].X, Pnts[first].Y);
  const Long start = obj.Rtype == EntityArc ? first + 1 : first;
  for (Long k = start; k < first + obj.NPoints; ++k)
    if (!Inside(Pnts[k].X, Pnts[k].Y)) return false;
  return true;
}

void ResetWindowCorners() {
  WindowMinX = WindowMinY = WindowMaxX = WindowMaxY = 0;
  WindowCornerX = WindowCornerY = 0;
}

namespace {
const ModuleRegistrar Registered({"WindowCorners", FloorPicking, ResetWindowCorners});
}  // namespace

}  // namespace lintavo
