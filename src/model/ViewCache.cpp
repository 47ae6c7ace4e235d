// ViewCache: the cached view of the current surface.
#include "model/ViewCache.h"

#include "model/ProgramState.h"

namespace lintavo {

Long ViewPixMinX = 0, ViewPixMinY = 0, ViewPixMaxX = 0, ViewPixMaxY = 0;
Single ViewBaseX = 0, ViewBaseY = 0;
Double ViewWinMinX = 0, ViewWinMinY = 0, ViewWinMaxX = 0, ViewWinMaxY = 0;
Single ViewScaleX = 1, ViewScaleY = 1;
Single ViewZoom = 1;
Single PickTolerance = 0;
Integer ExtentsChanged = 0;

void ResetViewCache() {
  ViewPixMinX = ViewPixMinY = ViewPixMaxX = ViewPixMaxY = 0;
  ViewBaseX = ViewBaseY = 0;
  ViewWinMinX = ViewWinMinY = ViewWinMaxX = ViewWinMaxY = 0;
  ViewScaleX = ViewScaleY = 1;
  ViewZoom = 1;
  PickTolerance = 0;
  ExtentsChanged = 0;
}

namespace {
const ModuleRegistrar Registered({"ViewCache", FloorModel, ResetViewCache});
}  // namespace

}  // namespace lintavo
