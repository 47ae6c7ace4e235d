// frmMain: the main window, a multiple-document parent that holds the
// drawing windows. Its menus, tool bars, message bar and entry box are added
// by the modules that own them.
#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QLineEdit;
class QStatusBar;
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

  // ---- Status bar: read-outs in numbered panels ----------------------------------
  // 1 zoom scale, 2 current layer, 3 layer visibility, 4 display unit,
  // 5 and 6 cursor X and Y, 7 and 8 relative or polar read-out.
  static constexpr int StatusPanelCount = 8;
  QStatusBar* sbStatusBar = nullptr;
  QLabel* StatusPanel(int panel) const;  // panel 1..StatusPanelCount, else nullptr
  bool StatusBarVisible() const;

  // ---- Menu items --------------------------------------------------------------
  QAction* mnuEditUndo = nullptr;  // caption set by the undo module
  QAction* mnuEditRedo = nullptr;

 private:
  QMdiArea* mdiArea_ = nullptr;
  QToolBar* messageBar_ = nullptr;
  QLabel* statusPanels_[StatusPanelCount] = {};
};

}  // namespace lintavo
