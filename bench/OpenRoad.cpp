// OpenRoad: start-up, the window size and the timed File, Open road.
//
// The chooser is answered by a responder put in front of the current one
// for the length of the open: it presses "Select New Drawing Database",
// answers the file dialog with the file, clicks the drawing's row and OK.
// Every other prompt goes to the responder that was there.
#include "OpenRoad.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMdiSubWindow>
#include <chrono>

#include "windows/main/Startup.h"
#include "windows/main/frmMain.h"
#include "model/DataHand.h"
#include "model/Top.h"
#include "organisation/Layers.h"
#include "platform/Prompts.h"
#include "platform/Repaint.h"
#include "platform/Services.h"
#include "windows/file/frmDwgSelect.h"
#include "view/Zooms.h"
#include "windows/main/frmDocument.h"

namespace lintavo {

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Answers the drawing chooser with one drawing of one database file.
class ChooserResponder final : public PromptResponder {
 public:
  ChooserResponder(PromptResponder& next, String file, String drawing)
      : next_(next), file_(std::move(file)), drawing_(std::move(drawing)) {}

  int MessageBox(const MessageBoxPrompt& prompt) override { return next_.MessageBox(prompt); }
  FileAnswer FileDialog(const FilePrompt& prompt) override {
    if (!choosing_) return next_.FileDialog(prompt);
    return {true, file_, 1};
  }
  ColorAnswer ColorDialog(const ColorPrompt& prompt) override { return next_.ColorDialog(prompt); }
  bool PrinterSetupDialog(const PrinterPrompt& prompt, QPrinter& printer) override {
    return next_.PrinterSetupDialog(prompt, printer);
  }
  bool PrintDialog(const PrinterPrompt& prompt, QPrinter& printer) override {
    return next_.PrintDialog(prompt, printer);
  }
  void ModalWindowShown(QDialog& dialog) override {
    auto* chooser = qobject_cast<frmDwgSelect*>(&dialog);
    if (!chooser) {
      next_.ModalWindowShown(dialog);
      return;
    }
    choosing_ = true;
    chooser->cmdPath_Click();
    choosing_ = false;
    const QList<QListWidgetItem*> rows =
        chooser->List1->findItems(QString::fromStdString(drawing_), Qt::MatchExactly);
    if (rows.isEmpty()) {
      chooser->cmdCancel_Click();
      return;
    }
    chooser->List1->setCurrentItem(rows.front());
    chooser->List1_Click(chooser->List1->row(rows.front()));
    chooser->cmdOK_Click();
  }

 private:
  PromptResponder& next_;  // answers everything but the chooser
  String file_;            // the drawings database chosen
  String drawing_;         // the drawing's Name
  bool choosing_ = false;  // the chooser's file dialog is up
};

// ZOOM ALL: the world window on the drawing's extents, fitted in the window.
void FitDrawingExtents() {
  DrawingWindow* window = ActiveDocForm();
  if (!window) return;
  ComputeDrawingExtents();
  const DwgRec& dwg = Dwgs[CurDwg];
  window->XVmin = dwg.Xmin;
  window->YVmin = dwg.Ymin;
  window->XVmax = dwg.Xmax;
  window->YVmax = dwg.Ymax;
  FitViewToWindow();
  UpdateWorldWindow();
}

}  // namespace

bool StartProgramWithoutSplash(StartPhases& phases) {
  Clock::time_point start = Clock::now();
  UserName = UserLoginName();
  if (UserName.empty()) UserName = "Unknown";
  MainForm = new frmMain;
  MainForm->MDIForm_Load();
  MainForm->show();
  if (frmDocument* window = MainForm->ActiveChild()) ActiveDoc = window;
  RepaintWithoutInput();
  phases.MainWindow = MillisecondsSince(start);
  start = Clock::now();
  InitApplication();
  phases.Initialise = MillisecondsSince(start);
  if (ProgramEnded) return false;
  start = Clock::now();
  frmDocument* window = MainForm->ActiveChild();
  if (!window) return false;
  ActiveDoc = window;
  CurDwg = static_cast<Integer>(window->ID);
  NewFirstLayer(*window);
  RefreshActiveView();
  RepaintWithoutInput();
  phases.FirstWindow = MillisecondsSince(start);
  return true;
}

void EndProgramStarted() {
  delete MainForm;
  MainForm = nullptr;
}

bool SizeActiveDrawingArea(int width, int height) {
  frmDocument* window = MainForm ? MainForm->ActiveChild() : nullptr;
  auto* sub = window ? qobject_cast<QMdiSubWindow*>(window->parentWidget()) : nullptr;
  if (!sub) return false;
  if (MainForm->width() < width + 100 || MainForm->height() < height + 200)
    MainForm->resize(std::max(MainForm->width(), width + 100), std::max(MainForm->height(), height + 200));
  sub->resize(sub->size() + QSize(width, height) - window->size());
  RepaintWithoutInput();
  return window->width() == width && window->height() == height;
}

namespace {

// File, Open through the menu item and the chooser, timed into openMs; the
// load ends with the program's own ZOOM ALL and its redraw. False when the
// drawing did not load whole (expectedLines objects; negative: any).
bool OpenThroughMenu(const String& file, const String& drawingName, long expectedLines, double& openMs) {
  PromptResponder& previous = CurrentPromptResponder();
  ChooserResponder chooser(previous, file, drawingName);
  SetPromptResponder(&chooser);
  const Clock::time_point start = Clock::now();
  MainForm->MenuItem("mnuFileOpen")->trigger();
  openMs = MillisecondsSince(start);
  SetPromptResponder(&previous);
  return expectedLines < 0 || ObjCount - BaseObjCount == expectedLines;
}

}  // namespace

bool OpenAsTheUserDoes(const String& file, const String& drawingName, OpenPhases& phases) {
  if (!OpenThroughMenu(file, drawingName, -1, phases.Open)) return false;
  const Clock::time_point start = Clock::now();
  RepaintWithoutInput();
  phases.Redraw = MillisecondsSince(start);
  return true;
}

bool OpenFitAndDraw(const String& file, const String& drawingName, long expectedLines, OpenPhases& phases) {
  if (!OpenThroughMenu(file, drawingName, expectedLines, phases.Open)) return false;

  Clock::time_point start = Clock::now();
  FitDrawingExtents();
  phases.Fit = MillisecondsSince(start);

  start = Clock::now();
  RedrawView();
  RepaintWithoutInput();
  phases.Redraw = MillisecondsSince(start);
  return true;
}

}  // namespace lintavo
