// ViewCache: the cached view of the current surface.
#include "model/ViewCache.h"

#include "model/DrawingWindow.h"
#include "model/ProgramState.h"
#include "platform/Numbers.h"

namespace lintavo {

Long ViewPixMinX = 0, ViewPixMinY = 0, ViewPixMaxX = 0, ViewPixMaxY = 0;
Single ViewBaseX = 0, ViewBaseY = 0;
Double ViewWinMinX = 0, ViewWinMinY = 0, ViewWinMaxX = 0, ViewWinMaxY = 0;
Single ViewScaleX = 1, ViewScaleY = 1;
Single ViewZoom = 1;
Single PickTolerance = 0;

// ---- Saving and loading ------------------------------------------------------------------

ViewCacheState SaveViewCache() {
  return {ViewPixMinX, ViewPixMinY, ViewPixMaxX, ViewPixMaxY, ViewBaseX, ViewBaseY, ViewWinMinX,
          ViewWinMinY, ViewWinMaxX, ViewWinMaxY, ViewScaleX, ViewScaleY, ViewZoom};
}

void RestoreViewCache(const ViewCacheState& State) {
  ViewPixMinX = State.PixMinX;
  ViewPixMinY = State.PixMinY;
  ViewPixMaxX = State.PixMaxX;
  ViewPixMaxY = State.PixMaxY;
  ViewBaseX = State.BaseX;
  ViewBaseY = State.BaseY;
  ViewWinMinX = State.WinMinX;
  ViewWinMinY = State.WinMinY;
  ViewWinMaxX = State.WinMaxX;
  ViewWinMaxY = State.WinMaxY;
  ViewScaleX = State.ScaleX;
  ViewScaleY = State.ScaleY;
  ViewZoom = State.Zoom;
}

void LoadViewCache() {
  const DrawingWindow* window = ActiveDocForm();
  if (!window) return;
  ViewPixMinX = window->View_MinX;
  ViewPixMinY = window->View_Miny;
  ViewPixMaxX = window->View_Maxx;
  ViewPixMaxY = window->View_Maxy;
  ViewBaseX = window->VbaseX;
  ViewBaseY = window->Vbasey;
  ViewWinMinX = window->XVmin;
  ViewWinMinY = window->YVmin;
  ViewWinMaxX = window->XVmax;
  ViewWinMaxY = window->YVmax;
  ViewScaleX = ToSingle(window->XVscale);
  ViewScaleY = ToSingle(window->YVscale);
  ViewZoom = ToSingle(window->View_Scale);
}

// ---- Reset ---------------------------------------------------------------------------------

void ResetViewCache() {
  ViewPixMinX = ViewPixMinY = ViewPixMaxX = ViewPixMaxY = 0;
  ViewBaseX = ViewBaseY = 0;
  ViewWinMinX = ViewWinMinY = ViewWinMaxX = ViewWinMaxY = 0;
  ViewScaleX = ViewScaleY = 1;
  ViewZoom = 1;
  PickTolerance = 0;
}

namespace {
const ModuleRegistrar Registered({"ViewCache", FloorModel, ResetViewCache});
}  // namespace

}  // namespace lintavo
