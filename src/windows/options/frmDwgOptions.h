// frmDwgOptions: the "Drawing Options" dialog: snaps, automatic fillet and
// chamfer of continuous lines, units, the default line colour, type, weight
// and widths, the default sheet size, fillet radius, chamfer distance and
// snap tolerance, and the named drawing option sets.
//
// Shown modally from the Options menu; the main window zooms the active
// drawing to its limits afterwards. Every control writes its option at once
// (number boxes on Enter); a set changes only through the set list and its
// buttons (OptionSetList). "EXIT" offers the default sheet size to the
// current drawing when its width differs; Esc and the close box only close.
// Lengths show in centimetres in metric units (OptionBoxes).
#pragma once

#include <array>

#include "platform/Types.h"
#include "windows/controls/OptionFrame.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lintavo {

// The frame's set list holds the drawing sets ("Set Current Drawing
// Option") and echoes a name entered; cmdUpdate reads "Apply Setting
// Changes to Current Option", cmdDefault "Set Current Drawing Option as
// Default"; cmdClose ("EXIT") asks the sheet-size question, then closes.
// No sample.
class frmDwgOptions : public OptionFrame {
  Q_OBJECT
 public:
  explicit frmDwgOptions(QWidget* parent = nullptr);

  // Every control from the option variables; applies nothing, changes no option.
  void SetUnits();

  // ---- Switches ----------------------------------------------------------------------
  QCheckBox* Check1 = nullptr;   // "Snap to Grid": GridSnap
  QCheckBox* Check2 = nullptr;   // "Snap to Nearest Point": NearestSnap
  QCheckBox* Check3 = nullptr;   // "Snap Orthongonal": OrthoSnap
  QCheckBox* Check4 = nullptr;   // "Snap to Point in Tolerance Range": ToleranceSnap
  QCheckBox* Check5 = nullptr;   // "Automatic Fillet Continuous Lines": AutoFillet
  QCheckBox* Check6 = nullptr;   // "Automatic Chamfer Continuous Lines": AutoChamfer
  QCheckBox* Check7 = nullptr;   // "Metric": MetricUnits set
  QCheckBox* Check8 = nullptr;   // "English": MetricUnits clear
  QCheckBox* Check9 = nullptr;   // "Fractions Display": FractionDisplay set
  QCheckBox* Check10 = nullptr;  // "Decimal Display": FractionDisplay clear
  QCheckBox* Check11 = nullptr;  // "Auto Scale": AutoScale

  // ---- Unit lists ----------------------------------------------------------------------
  QListWidget* List1 = nullptr;  // English units: EnglishUnit = position + 1
  QListWidget* List2 = nullptr;  // metric units: MetricUnit = position + 1
  QListWidget* List3 = nullptr;  // "Decimal Point Display": DecimalPlaces = position + 1
  QListWidget* List4 = nullptr;  // "Angle Display": AngleUnit = position + 1
  QListWidget* List5 = nullptr;  // "Fractions Value": FractionDenom of the entry

  // ---- Line colour ---------------------------------------------------------------------
  QPushButton* Command1 = nullptr;  // "Default Line Color": chooses CurColor
  QFrame* Shape1 = nullptr;         // shows CurColor

  // ---- Number boxes (committed by Enter) ---------------------------------------------------
  QLineEdit* Text1 = nullptr;  // "Drawing Width Limit": DefDwgWidth (height follows: x 0.75)
  QLineEdit* Text2 = nullptr;  // "Drawing Height Limit": DefDwgHeight (width follows: x 1.33333)
  QLineEdit* Text3 = nullptr;  // "Double Line Width": both double-line offsets, half each
  QLineEdit* Text4 = nullptr;  // "Snap Tolerance": SnapTolerance, below 1 only
  QLineEdit* Text5 = nullptr;  // "Fillet Radius": FilletRadius
  QLineEdit* Text6 = nullptr;  // "Chamfer Distance": both chamfer distances
  QLineEdit* Text7 = nullptr;  // "Default Line Type": CurLineType (TypedLineType)
  QLineEdit* Text8 = nullptr;  // "Default Line Weight": CurLineWeight, above 0 and below 10
  QLineEdit* Text9 = nullptr;  // "Solid Line Width": SolidLineWidth
  static constexpr int LengthBoxCount = 7;
  std::array<QLabel*, LengthBoxCount> Label13a{};  // "cm" or "inch" beside Text1..6 and Text9

 private:
  void BuildControls();
  void LayOut();
  void ConnectControls();
  void ConnectNumberBoxes();

  // ---- Handlers --------------------------------------------------------------------------
  void SnapChanged();  // a switch of Check1..6: the main window's check marks follow
  void Command1_Click();
  void cmdClose_Click() override;
  // Applies the number of one box; the box is rewritten from its option afterwards.
  void Text1_Enter(Double inches);
  void Text2_Enter(Double inches);
  void ShowLengths();  // the seven length boxes and their unit captions
};

// Shows the dialog modally and returns when it closes.
void ShowDwgOptions();

}  // namespace lintavo
