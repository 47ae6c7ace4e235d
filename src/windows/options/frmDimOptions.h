// frmDimOptions: the "Dimensioning Options" dialog: mode, direction, letters,
// arrowheads, extension and witness lines, leader length, layer, letter font
// and colours of new dimensions, and their named option sets (type 4).
// Shown modally from the Options menu.
//
// Every control writes its dimension option at once (number boxes on Enter,
// any number taken); EXIT, Esc and the close box only close. Picture1 shows
// a linear or an angular sample built by the dimension builders from fixed
// points, so it shows what the dimension command would append; each sample
// is dropped before the next, and closing drops the last one and puts back
// the reference-point option and the current drawing. The picture is the
// drawing target only while a sample is drawn (OptionFrame).
#pragma once

#include <array>

#include "platform/Types.h"
#include "windows/controls/OptionFrame.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lintavo {

// The frame's set list holds the dimension sets ("Set Current Dimensioning
// Option"); cmdUpdate reads "Apply Setting Changes to Current Option",
// cmdDefault "Set Current Dimensioning Option as Default"; Picture1 is
// 240 x 240 pixels.
class frmDimOptions : public OptionFrame {
  Q_OBJECT
 public:
  explicit frmDimOptions(QWidget* parent = nullptr);

  // Every control from the dimension options, then the sample; changes no option.
  void SetUnits();

  QComboBox* Combo2 = nullptr;  // layers: DimLayerName
  QComboBox* Combo3 = nullptr;  // fonts: DimFontName

  static constexpr int ListCount = 10;
  // List1..List10 (index 0..9): mode, direction, letter direction, letter
  // placement, letter size, arrow head base, arrow head type, extension
  // lines, witness lines, arrow head size.
  std::array<QListWidget*, ListCount> Lists{};
  static constexpr int BoxCount = 5;
  // Text1..Text5: letter height, extension line offset, above, below, leader length.
  std::array<QLineEdit*, BoxCount> Boxes{};
  std::array<QLabel*, BoxCount> Label2a{};  // "cm" or "inch"
  QPushButton* Command1 = nullptr;  // "Line Color"
  QPushButton* Command2 = nullptr;  // "Font Color"
  QPushButton* Command3 = nullptr;  // "Show Angular" / "Show Linear"
  QFrame* Shape1 = nullptr;
  QFrame* Shape2 = nullptr;
  Integer ShowLinearSample = FlagTrue;

  // Drops the previous sample and builds and draws the current one; with a
  // letter height of 0 the picture stays empty.
  void DrawDimensionPreview();

 private:
  void BuildControls();
  void LayOut();
  void ConnectControls();
  void ShowLists();
  void ShowNumbers();
  bool FitSample();
  void BuildSample();
  void ChooseColour(const char* title, Long& colour, QFrame* swatch, QPushButton* button);
};

// Shows the dialog modally and returns when it closes.
void ShowDimOptions();

}  // namespace lintavo
