// MainWindowLink: the main window as the model sees it.
#include "model/MainWindowLink.h"

#include "model/DrawingWindow.h"
#include "model/Top.h"

namespace lintavo {

namespace {
MainWindowLink* (*MainLinkLookup)() = nullptr;  // gives MainForm as the interface
}  // namespace

MainWindowLink* MainLink() { return MainLinkLookup ? MainLinkLookup() : nullptr; }

void SetMainLinkLookup(MainWindowLink* (*lookup)()) { MainLinkLookup = lookup; }

DrawingWindow* TargetActiveWindow() {
  MainWindowLink* main = MainLink();
  if (DrawingWindow* window = main ? main->ActiveDrawingWindow() : nullptr) {
    ActiveDoc = &window->DrawingSurface();
    return window;
  }
  return ActiveDocForm();
}

DrawingWindow* WindowOfDrawing(Integer DwgNo) {
  if (MainWindowLink* main = MainLink()) return main->DrawingWindowOf(DwgNo);
  DrawingWindow* window = ActiveDocForm();
  return window && window->ID == DwgNo ? window : nullptr;
}

}  // namespace lintavo
