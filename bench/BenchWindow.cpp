// BenchWindow: making and closing a benchmark's main and drawing window.
#include "BenchWindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "windows/main/frmMain.h"
#include "model/ProgramState.h"
#include "windows/main/frmDocument.h"

namespace lintavo {

BenchWindow::BenchWindow(const char* fileName) {
  ResetProgramState();
  main_ = std::make_unique<frmMain>();
  MainForm = main_.get();
  document_ = new frmDocument;
  document_->ID = 1;
  document_->SetFileName(fileName);
  QMdiSubWindow* sub = main_->MdiArea()->addSubWindow(document_);
  main_->resize(AreaWidth + 200, AreaHeight + 200);
  main_->show();
  sub->show();
  sub->resize(sub->size() + QSize(AreaWidth, AreaHeight) - document_->size());
  main_->MdiArea()->setActiveSubWindow(sub);
}

BenchWindow::~BenchWindow() {
  MainForm = nullptr;
  main_.reset();
  ResetProgramState();
}

}  // namespace lintavo
