// DrawingWindow: the changed mark of a window's drawing, and the active
// drawing window behind ActiveDoc.
#include "model/DrawingWindow.h"

#include "model/ChangeMarks.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "platform/Pointers.h"
#include "platform/Surface.h"

namespace lintavo {

// ---- The changed mark of the window's drawing --------------------------------------

DrawingChangedFlag::operator Integer() const { return Flag(IsDrawingChanged(dwgNo_)); }

DrawingChangedFlag& DrawingChangedFlag::operator=(Integer Value) {
  if (Value)
    MarkDrawingChanged(dwgNo_);
  else
    ClearDrawingChanged(dwgNo_);
  return *this;
}

// ---- The active drawing window -----------------------------------------------------

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
