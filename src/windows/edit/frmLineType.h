// frmLineType: the "Set Line Style" dialog: a line type (dash pattern 0..4),
// a line weight (pen width 1..10 pixels) and the solid line width. Opened
// by the "Style" button of the second drawing tool bar. OK restyles the
// selection while the Selection or Edits tool runs, otherwise it sets the
// style of new entities; Cancel changes nothing but a solid line width
// already entered with Enter.
#pragma once

#include <QDialog>
#include <array>

#include "platform/Types.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lintavo {

class frmLineType : public QDialog {
  Q_OBJECT
 public:
  explicit frmLineType(QWidget* parent = nullptr);

  static constexpr int TypeCount = 5;     // line types 0..4
  static constexpr int WeightCount = 10;  // line weights 1..10

  // ---- Properties -----------------------------------------------------------------
  Integer LineType = 0;    // chosen line type, 0..4
  Integer LineWeight = 0;  // chosen line weight, 1..10

  // ---- Controls -------------------------------------------------------------------
  std::array<QRadioButton*, TypeCount> Option1{};     // line types 0..4 ("Line Type")
  std::array<QRadioButton*, WeightCount> Option2{};   // line weights 1..10 ("Line Weight")
  QLineEdit* Text9 = nullptr;          // "Solid Line Width" in the display unit; taken on Enter
  QPushButton* OKButton = nullptr;     // "OK"
  QPushButton* CancelButton = nullptr;  // "Cancel"

 private:
  void BuildControls();
  void Form_Load();
  void Text9_Enter(const String& text);
  void OKButton_Click();

  Integer workingType_ = 0;    // what OK applies
  Integer workingWeight_ = 0;
};

// Shows the dialog modally and returns when it closes.
void ShowLineType();

}  // namespace lintavo
