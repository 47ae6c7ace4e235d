// frmMain: the main window's frame.
#include "app/frmMain.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/AppInfo.h"
#include "view/frmDocument.h"

namespace lintavo {

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QString::fromUtf8(AppTitle));
  mdiArea_ = new QMdiArea(this);
  setCentralWidget(mdiArea_);
  // A drawing window learns of its activation from the area that activates it.
  connect(mdiArea_, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* sub) {
    if (auto* document = sub ? qobject_cast<frmDocument*>(sub->widget()) : nullptr)
      document->Form_Activate();
  });
  messageBar_ = addToolBar(QStringLiteral("Message Bar"));
  Text1 = new QLineEdit(messageBar_);
  Text2 = new QLineEdit(messageBar_);
  Text3 = new QLineEdit(messageBar_);
  Text1->setReadOnly(true);
  Text2->setReadOnly(true);
  messageBar_->addWidget(Text1);
  messageBar_->addWidget(Text2);
  messageBar_->addWidget(Text3);
  QMenu* editMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
  mnuEditUndo = editMenu->addAction(QStringLiteral("Undo"));
  mnuEditRedo = editMenu->addAction(QStringLiteral("Redo"));
  mnuEditUndo->setEnabled(false);
  mnuEditRedo->setEnabled(false);
  sbStatusBar = statusBar();
  for (QLabel*& panel : statusPanels_) {
    panel = new QLabel(sbStatusBar);
    sbStatusBar->addWidget(panel, 1);
  }
  resize(900, 650);
}

bool frmMain::MessageBarVisible() const { return !messageBar_->isHidden(); }

QLabel* frmMain::StatusPanel(int panel) const {
  if (panel < 1 || panel > StatusPanelCount) return nullptr;
  return statusPanels_[panel - 1];
}

bool frmMain::StatusBarVisible() const { return !sbStatusBar->isHidden(); }

frmDocument* frmMain::ActiveChild() const {
  QMdiSubWindow* sub = mdiArea_->currentSubWindow();  // also while another program has the focus
  return sub ? qobject_cast<frmDocument*>(sub->widget()) : nullptr;
}

}  // namespace lintavo
