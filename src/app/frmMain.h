// frmMain: the main window, a multiple-document parent that holds the
// drawing windows. Its menus, tool bars, message bar and entry box are added
// by the modules that own them.
#pragma once

#include <QMainWindow>

class QMdiArea;

namespace lintavo {

class frmMain : public QMainWindow {
  Q_OBJECT
 public:
  explicit frmMain(QWidget* parent = nullptr);

  QMdiArea* MdiArea() const { return mdiArea_; }  // parent of the drawing windows

 private:
  QMdiArea* mdiArea_ = nullptr;
};

}  // namespace lintavo
