// frmDispOptions: the "Display Options" dialog: which bars of the main window
// show, rubber banding, grid and rulers, the snap and real cursors, the
// coordinate read-out, the point marks, the grid size, the snap-cursor size,
// the line style of selected entities, eight display colours, and the named
// display option sets.
//
// Shown modally from the Options menu; the main window redraws the active
// drawing afterwards. Every control changes its option at once and pushes
// it to where it shows: bars, Display menu check marks, the read-out panels
// of the status bar, the grid and rulers of the active drawing window and
// its background. A set changes only through the set list and its buttons
// (OptionSetList). "EXIT", Esc and the close box only close.
#pragma once

#include "platform/Types.h"
#include "windows/controls/OptionFrame.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lintavo {

// The frame's set list holds the display sets ("Set Current Display
// Option"); cmdUpdate reads "Apply Setting Changes To Current Option",
// cmdDefault "Set Current Display Option as Default". No sample.
class frmDispOptions : public OptionFrame {
  Q_OBJECT
 public:
  explicit frmDispOptions(QWidget* parent = nullptr);

  // Every control from the options, and the bars, check marks, read-out
  // panels and background from them; applies nothing, draws no grid.
  void SetUnits();

  // ---- Switches ----------------------------------------------------------------------
  QCheckBox* Check1 = nullptr;   // "Tool Bar": ShowToolBar
  QCheckBox* Check2 = nullptr;   // "Message Bar": ShowMessageBar
  QCheckBox* Check3 = nullptr;   // "Text Bar": ShowTextBar
  QCheckBox* Check4 = nullptr;   // "Status Bar": ShowStatusBar
  QCheckBox* Check5 = nullptr;   // "Rubber Banding": RubberBanding
  QCheckBox* Check6 = nullptr;   // "Grid Display": GridOn; the grid drawn or wiped
  QCheckBox* Check7 = nullptr;   // "Snap Cursor Display": ShowSnapCursor
  QCheckBox* Check8 = nullptr;   // "Real Cursor Display": ShowRealCursor
  QCheckBox* Check9 = nullptr;   // "Absolute Coordinates": CoordAbsolute
  QCheckBox* Check10 = nullptr;  // "Relative Coordinates": CoordRelative; excludes polar
  QCheckBox* Check11 = nullptr;  // "Polar Coordinates": CoordPolar; excludes relative
  QCheckBox* Check12 = nullptr;  // "Standard Points": ShowStdPnts
  QCheckBox* Check13 = nullptr;  // "Reference Points": ShowRefPnts
  QCheckBox* Check14 = nullptr;  // "Construction Points": ShowConPnts
  QCheckBox* Check15 = nullptr;  // "Ruler Display": RulerOn; the rulers drawn or wiped

  // ---- Number boxes (committed by Enter) ---------------------------------------------------
  QLineEdit* Text1 = nullptr;  // "Grid Size": GridSize, GridX, GridY; above 0.001 only
  QLineEdit* Text2 = nullptr;  // "Cursor Size": CursorSize, at most 20
  QLineEdit* Text3 = nullptr;  // "Selected Line Type": SelectedLineType (TypedLineType)
  // The unit of the two length boxes beside them: "cm" when MetricUnits is
  // set, else "inch", as in the other option dialogs.
  QLabel* lblGridUnit = nullptr;
  QLabel* lblCursorUnit = nullptr;

  // ---- Colour buttons (each shows its colour) ---------------------------------------------
  QPushButton* cmdBackClr = nullptr;     // "Background Color": DwgBackColor
  QPushButton* cmdGridClr = nullptr;     // "Grid Color": GridColor
  QPushButton* cmdCursorClr = nullptr;   // "Snap Cursor Color": CursorColor
  QPushButton* cmdSelectClr = nullptr;   // "Selected Line Color": SelectedLineColor
  QPushButton* cmdRubberClr = nullptr;   // "Rubber Line Color": RubberColor
  QPushButton* cmdCPointsClr = nullptr;  // "Construction Points Color": ConPntColor
  QPushButton* cmdRpointsClr = nullptr;  // "Reference Points Color": RefPntColor
  QPushButton* cmdRulerClr = nullptr;    // "Ruler Color": RulerColor

 private:
  void BuildControls();
  void LayOut();
  void ConnectSwitches();
  void ConnectNumberBoxes();
  void ConnectColours();

  // ---- Effects of the switches ------------------------------------------------------------
  void GridSwitched();    // the grid drawn or wiped to match GridOn
  void RulersSwitched();  // the rulers drawn or wiped to match RulerOn
  void AbsoluteSwitched();
  // Relative or polar switched to flag: on, the other goes off; panels 7 and 8 follow.
  void ReadOutSwitched(Integer flag, QCheckBox* other, Integer* otherFlag);
  void ShowColours();
};

// Shows the dialog modally and returns when it closes.
void ShowDispOptions();

}  // namespace lintavo
