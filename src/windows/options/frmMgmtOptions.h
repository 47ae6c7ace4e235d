// frmMgmtOptions: the "Options Management" dialog: the management profiles,
// each naming one option set of each type (drawing, display, text,
// dimension, fills). It lists the profiles, shows which sets the chosen
// profile names, lets the user change those names, stores the profile, and
// switches every option of the program to a profile at once.
//
// Shown modally from the Options menu; the main window zooms the active
// drawing to its limits afterwards. Choosing a profile in Combo1 only makes
// it the applied profile (its names); Command1 applies its stored sets. The
// five set lists edit the applied profile's names in memory until the
// profile is stored. "EXIT", Esc and the close box only close.
#pragma once

#include <QDialog>
#include <array>

#include "platform/Types.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lintavo {

class OptionSetList;

class frmMgmtOptions : public QDialog {
  Q_OBJECT
 public:
  explicit frmMgmtOptions(QWidget* parent = nullptr);

  // The profile list, the five set lists and the count from the sets;
  // each set list shows the set the applied profile names, else its first,
  // and the profile then names the set shown.
  void FillProfileLists();

  // ---- Profiles -------------------------------------------------------------------------
  QComboBox* Combo1 = nullptr;    // the profiles; "Set Current Options Group"
  QLineEdit* txtCount = nullptr;  // entries of Combo1
  OptionSetList* Profiles = nullptr;

  // ---- The sets the profile names ----------------------------------------------------------
  QComboBox* Combo6 = nullptr;  // drawing sets: ProfileSettingNames[2]
  QComboBox* Combo2 = nullptr;  // display sets: ProfileSettingNames[3]
  QComboBox* Combo3 = nullptr;  // text sets: ProfileSettingNames[4]
  QComboBox* Combo4 = nullptr;  // dimension sets: ProfileSettingNames[5]
  QComboBox* Combo5 = nullptr;  // fill and hatch sets: ProfileSettingNames[6]

  // ---- Buttons ------------------------------------------------------------------------------
  QPushButton* Command1 = nullptr;    // "Change ALL of the Current Program Operational Settings"
  QPushButton* cmdUpdate = nullptr;   // "Apply Setting Changes to Current Option Group"
  QPushButton* cmdDefault = nullptr;  // "Set Current Option Group as Default"
  QPushButton* cmdClose = nullptr;    // "EXIT"
  QLabel* lblResult = nullptr;        // what the last store did

 private:
  void BuildControls();
  void LayOut();
  void Command1_Click();
  // After a profile was stored: the lists again with it chosen, and a word on what was done.
  void ProfileStored(const String& name, bool added);
  // The set list of type t (1..5) and the profile name it edits.
  QComboBox* SetList(Integer Stype) const;
  void SetChosen(Integer Stype);  // the profile names the set the list shows
};

// Shows the dialog modally and returns when it closes.
void ShowMgmtOptions();

}  // namespace lintavo
