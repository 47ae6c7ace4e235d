// frmMain: the main window, a multiple-document parent that holds the
// drawing windows. Its menus, tool bars, message bar and entry box are added
// by the modules that own them.
#pragma once

#include <QMainWindow>

class QAction;
class QLineEdit;
class QToolBar;
class QMdiArea;

namespace lintavo {

class frmMain : public QMainWindow {
  Q_OBJECT
 public:
  explicit frmMain(QWidget* parent = nullptr);

  QMdiArea* MdiArea() const { return mdiArea_; }  // parent of the drawing windows
  class frmDocument* ActiveChild() const;           // the active drawing window, or nullptr

  // ---- Message bar: title, prompt, and results with the entry box -----------------
  QLineEdit* Text1 = nullptr;
  QLineEdit* Text2 = nullptr;
  QLineEdit* Text3 = nullptr;
  bool MessageBarVisible() const;

  // ---- Menu items --------------------------------------------------------------
  QAction* mnuEditUndo = nullptr;  // caption set by the undo module
  QAction* mnuEditRedo = nullptr;

 private:
  QMdiArea* mdiArea_ = nullptr;
  QToolBar* messageBar_ = nullptr;
};

}  // namespace lintavo
