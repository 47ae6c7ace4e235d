// frmTextOptions: the "Text Options" dialog: font, layer, style and size of
// new text, and their named option sets (type 3). Shown modally from the
// Options menu.
//
// Every control writes its text option at once (number boxes on Enter);
// there is no Cancel: EXIT, Esc and the close box only close. A set changes
// only through the set list and its buttons (OptionSetList). Picture1 shows
// a capital "A" in the current style, drawn by the character drawer on the
// picture, which is the drawing target only while the letter is drawn
// (OptionFrame); whatever the sample loads into the model (glyphs) is
// dropped again when the dialog closes. Lengths show in centimetres in metric units (OptionBoxes).
#pragma once

#include "platform/Types.h"
#include "windows/controls/OptionFrame.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lintavo {

// The frame's set list holds the text sets ("Set Current Text Option");
// cmdUpdate reads "Apply Setting Changes To Current Option", cmdDefault
// "Set Current Text Option as Default"; Picture1 is 160 x 160 pixels.
class frmTextOptions : public OptionFrame {
  Q_OBJECT
 public:
  explicit frmTextOptions(QWidget* parent = nullptr);

  // Every control from the text options, then the sample; changes no option.
  void SetUnits();

  // ---- Font and layer ------------------------------------------------------------------
  QComboBox* Combo3 = nullptr;   // font names: FontName
  QLineEdit* txtCount = nullptr; // "Fonts Available"
  QComboBox* Combo2 = nullptr;   // layers of the current drawing: TextLayer

  // ---- Number boxes (committed by Enter) -----------------------------------------------
  QLineEdit* Text1 = nullptr;  // "Bold Weight": BoldWeight, above 0 and below 9
  QLineEdit* Text2 = nullptr;  // "Text Height": TextHeight, not 0; the width follows
  QLineEdit* Text3 = nullptr;  // "Text Aspect": TextAspect, 0.25..2; the width follows
  QLineEdit* Text4 = nullptr;  // "Text Width": TextWidth, not 0; the height follows
  QLineEdit* Text5 = nullptr;  // "Text Slant": TextSlant
  QLineEdit* Text6 = nullptr;  // "Text Angle": TextAngle
  QLabel* lblhgt = nullptr;    // "cm" or "inch"
  QLabel* lblwid = nullptr;

  // ---- Switches, alignment and colours -------------------------------------------------
  QCheckBox* Check1 = nullptr;  // "Box Outline Text Characters": TextBoxOutline
  QCheckBox* Check2 = nullptr;  // "Bold": TextBold
  QCheckBox* Check3 = nullptr;  // "Italic": TextItalic
  QCheckBox* Check4 = nullptr;  // "Underline": TextUnderline
  QCheckBox* Check5 = nullptr;  // "Auto Text Angle": AutoTextAngle
  QCheckBox* Check6 = nullptr;  // "Auto Text Size": AutoTextSize
  QListWidget* List1 = nullptr; // "Left", "Right", "Center", "Justify"
  QPushButton* Command1 = nullptr;  // "Text Color"
  QPushButton* Command2 = nullptr;  // "Background Color"
  QFrame* Shape1 = nullptr;         // shows TextColor
  QFrame* Shape2 = nullptr;         // shows TextBackColor

  // ---- Sample (Picture1) ---------------------------------------------------------------------
  QLabel* Label16 = nullptr;  // the height, whole units
  QLabel* Label17 = nullptr;
  QLabel* Label18 = nullptr;  // twice the height

  // Draws the sample "A" on Picture1; nothing but the labels when the height
  // is 0 or the font has no "A".
  void DrawTextPreview();

 private:
  void BuildControls();
  void LayOut();
  void ConnectControls();
  void ConnectNumberBoxes();
  void ShowNumbers();
  void DrawSample();  // the letter, on Picture1 made the drawing target
};

// Shows the dialog modally and returns when it closes.
void ShowTextOptions();

}  // namespace lintavo
