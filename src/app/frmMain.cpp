// frmMain: the main window's frame.
#include "app/frmMain.h"

#include <QMdiArea>

#include "app/AppInfo.h"

namespace lintavo {

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QString::fromUtf8(AppTitle));
  mdiArea_ = new QMdiArea(this);
  setCentralWidget(mdiArea_);
  resize(900, 650);
}

}  // namespace lintavo
