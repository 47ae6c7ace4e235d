// DrawingWindow: the active drawing window behind ActiveDoc.
#include "model/DrawingWindow.h"

#include "model/ProgramState.h"
#include "model/Top.h"
#include "platform/Pointers.h"
#include "platform/Surface.h"

namespace lintavo {

namespace {
const Surface* LastSurface = nullptr;  // the surface of the window found last
DrawingWindow* LastWindow = nullptr;   // that window; nullptr when it was destroyed
}  // namespace

DrawingWindow::~DrawingWindow() {
  if (LastWindow == this) {
    LastWindow = nullptr;
    LastSurface = nullptr;
  }
}

DrawingWindow* ActiveDocForm() {
  if (ActiveDoc == nullptr) return nullptr;
  if (ActiveDoc == LastSurface && LastWindow) return LastWindow;
  DrawingWindow* window = dynamic_cast<DrawingWindow*>(ActiveDoc);
  if (window) {
    LastSurface = ActiveDoc;
    LastWindow = window;
  }
  return window;
}

void ArrowPointer() {
  if (DrawingWindow* window = ActiveDocForm()) window->SetMousePointer(vbArrow);
}

void ResetDrawingWindow() {
  LastSurface = nullptr;
  LastWindow = nullptr;
}

namespace {
const ModuleRegistrar Registered({"DrawingWindow", FloorModel, ResetDrawingWindow});
}  // namespace

}  // namespace lintavo
