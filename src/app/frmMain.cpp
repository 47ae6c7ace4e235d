// frmMain: the main window's frame.
#include "app/frmMain.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QLineEdit>
#include <QMenuBar>
#include <QToolBar>

#include "app/AppInfo.h"
#include "view/frmDocument.h"

namespace lintavo {

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QString::fromUtf8(AppTitle));
  mdiArea_ = new QMdiArea(this);
  setCentralWidget(mdiArea_);
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
  resize(900, 650);
}

bool frmMain::MessageBarVisible() const { return !messageBar_->isHidden(); }

frmDocument* frmMain::ActiveChild() const {
  QMdiSubWindow* sub = mdiArea_->currentSubWindow();  // also while another program has the focus
  return sub ? qobject_cast<frmDocument*>(sub->widget()) : nullptr;
}

}  // namespace lintavo
