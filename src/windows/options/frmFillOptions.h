// frmFillOptions: the "Fill & Hatch Options" dialog: fill pattern, colours
// and layer; hatch pattern, scale, rotation, colour and layer; boundary
// colour and layer; whether fills and hatches are shown; and their named
// option sets (type 5). Shown modally from the Options menu.
//
// Every control writes its option at once; the two number boxes take a
// number as it is typed (no Enter). Nothing redraws the preview but its two
// buttons: Preview Fill draws a fixed five-corner shape with the fill
// settings (whether fills are shown or not), Preview Hatch a square hatched
// with the hatch settings. EXIT, Esc and the close box only close; closing
// drops what the preview loaded and puts back the reference-point option.
#pragma once

#include "platform/Types.h"
#include "windows/controls/OptionFrame.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;

namespace lintavo {

// The frame's set list holds the fill and hatch sets ("Set Current Fill /
// Hatch Option"); cmdUpdate reads "Apply Setting Changes to Current
// Option", cmdDefault "Set Current Fill/Hatch Option as Default"; Picture1
// is 240 x 240 pixels.
class frmFillOptions : public OptionFrame {
  Q_OBJECT
 public:
  explicit frmFillOptions(QWidget* parent = nullptr);

  // Every control from the options.
  void ShowFillOptions();

  QComboBox* Combo2 = nullptr;  // BoundaryLayer
  QComboBox* Combo3 = nullptr;  // CurFillLayer
  QComboBox* Combo4 = nullptr;  // HatchLayer
  QComboBox* Combo5 = nullptr;  // fill styles: CurFillPattern
  QComboBox* Combo6 = nullptr;  // hatch patterns: CurPatternName
  QCheckBox* Check1 = nullptr;  // "Gradient Fill"
  QCheckBox* Check2 = nullptr;  // "Show Fills"
  QCheckBox* Check3 = nullptr;  // "Use Boundary Layer" (fills)
  QCheckBox* Check4 = nullptr;  // "Use Pattern Color"
  QCheckBox* Check5 = nullptr;  // "Show Hatches"
  QCheckBox* Check6 = nullptr;  // "Use Boundary Layer" (hatches)
  QLineEdit* Text1 = nullptr;   // "Hatch Scale", taken as typed: not 0, not negative
  QLineEdit* Text2 = nullptr;   // "Hatch Rotation", taken as typed
  QLineEdit* Text3 = nullptr;   // patterns listed
  QPushButton* Command1 = nullptr;  // "Gradient Color"
  QPushButton* Command2 = nullptr;  // "Fill Color"
  QPushButton* Command3 = nullptr;  // "Preview Fill"
  QPushButton* Command4 = nullptr;  // "Boundary Color"
  QPushButton* Command5 = nullptr;  // "Preview Hatch"
  QPushButton* Command6 = nullptr;  // "Hatch Color"
  QFrame* Shape1 = nullptr;  // CurFillColor
  QFrame* Shape2 = nullptr;  // GradientColor
  QFrame* Shape3 = nullptr;  // HatchColor
  QFrame* Shape4 = nullptr;  // BoundaryColor

  void PreviewFill();
  void PreviewHatch();

 private:
  void BuildControls();
  void LayOut();
  void ConnectControls();
  void ChooseColour(const char* title, Long& colour, QFrame* swatch, QPushButton* button);
};

// Shows the dialog modally and returns when it closes.
void ShowFillOptions();

}  // namespace lintavo
