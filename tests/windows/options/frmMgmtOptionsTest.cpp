// The options management dialog, run through Options, Management of the main window.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "app/Setings.h"
#include "windows/options/frmMgmtOptions.h"
#include "platform/Prompts.h"
#include "support/DialogKeys.h"
#include "view/DisplayOptions.h"
#include "view/Grids.h"
#include "view/ViewFixture.h"

namespace lintavo {
namespace {

class frmMgmtOptionsTest : public ViewFixture {
 protected:
  void SetUp() override {
    ViewFixture::SetUp();
    Open(1);
  }
  void Options(const std::function<void(frmMgmtOptions&)>& operate) {
    Responder().OnDialog<frmMgmtOptions>(operate, &frmMgmtOptions::cmdClose);
    main_->MenuItem("mnuOptionsSettings")->trigger();
  }
  static std::vector<QComboBox*> SetLists(const frmMgmtOptions& d) {
    return {d.Combo6, d.Combo2, d.Combo3, d.Combo4, d.Combo5};  // drawing .. fills
  }
  // The stored "Defaults" sets, and a second display set "Dark".
  static void LoadDefaultsAndDark() {
    ASSERT_TRUE(LoadSettings());
    String profile = DefaultsSetName;
    InitSettings(profile);
    const Long background = DwgBackColor;
    DwgBackColor = 0;
    StoreSettings("Dark", SettingDisplay);
    DwgBackColor = background;
  }
};

TEST_F(frmMgmtOptionsTest, WithNoSetsEveryListIsEmpty) {
  std::vector<int> counts;
  QString shown;
  Options([&](frmMgmtOptions& dialog) {
    counts.push_back(dialog.Combo1->count());
    for (QComboBox* list : SetLists(dialog)) counts.push_back(list->count());
    shown = dialog.txtCount->text();
    dialog.cmdDefault->click();  // no profile to make the default: nothing happens
  });
  EXPECT_EQ(counts, std::vector<int>(6, 0));
  EXPECT_EQ(shown, "0");
  EXPECT_EQ(SettingCount, 0);
}

// A new name and Enter echoes it and stores a profile naming the five sets shown.
TEST_F(frmMgmtOptionsTest, ANewProfileNamesTheSetsShown) {
  LoadDefaultsAndDark();
  Responder().AnswerMsgBox(vbOK);
  std::vector<String> shownNames;
  Options([&](frmMgmtOptions& dialog) {
    PressKeyIn(dialog.Combo2, Qt::Key_Down);  // display set "Dark"
    for (QComboBox* list : SetLists(dialog)) shownNames.push_back(list->currentText().toStdString());
    RetypeAndEnter(dialog.Combo1->lineEdit(), "Evening");
  });
  EXPECT_EQ(Responder().Prompts()[1].text, " input = Evening");
  const Long profile = FindSettingSet("Evening", SettingProfile);
  ASSERT_NE(profile, 0);
  EXPECT_NE(SettingSets[profile].SettingID, 0);
  EXPECT_EQ(shownNames, (std::vector<String>{"Defaults", "Dark", "Defaults", "Defaults", "Defaults"}));
  EXPECT_EQ(std::vector<String>(SettingSets[profile].StrSlot.begin() + 2, SettingSets[profile].StrSlot.begin() + 7),
            shownNames);
}

// Command1 applies the stored sets of the profile named in the list; a name
// that is not a stored profile applies "Defaults".
TEST_F(frmMgmtOptionsTest, ChangeAllAppliesTheStoredProfileOrDefaults) {
  LoadDefaultsAndDark();
  StoreSettings("Evening", SettingProfile);
  const Long evening = FindSettingSet("Evening", SettingProfile);
  SettingSets[evening].StrSlot[3] = "Dark";
  SaveSettings(evening);
  Options([](frmMgmtOptions& dialog) {
    Retype(dialog.Combo1->lineEdit(), "Evening");
    dialog.Command1->click();
  });
  EXPECT_EQ(DwgBackColor, 0);
  EXPECT_EQ(CurrentSettingNames[SettingDisplay], "Dark");

  GridSize = 3;
  Options([](frmMgmtOptions& dialog) {
    Retype(dialog.Combo1->lineEdit(), "Typed only");
    dialog.Command1->click();
  });
  EXPECT_EQ(CurrentSettingNames[SettingProfile], DefaultsSetName);
  EXPECT_EQ(DwgBackColor, 0xFFFFFF);
  EXPECT_EQ(GridSize, 0.25f);
  EXPECT_EQ(FindSettingSet("Typed only", SettingProfile), 0);  // nothing stored
}

// A changed set name lives in memory until the profile is stored: Esc and
// the close box store nothing.
TEST_F(frmMgmtOptionsTest, ChangedNamesAreStoredOnlyByUpdate) {
  LoadDefaultsAndDark();
  const Long defaults = FindSettingSet(DefaultsSetName, SettingProfile);
  for (const std::function<void(frmMgmtOptions&)>& closeIt :
       {std::function<void(frmMgmtOptions&)>([](frmMgmtOptions& d) { PressEscapeIn(d.Combo2); }),
        std::function<void(frmMgmtOptions&)>([](frmMgmtOptions& d) { d.close(); })}) {
    Options([&](frmMgmtOptions& dialog) {
      dialog.Combo2->setCurrentIndex(0);
      PressKeyIn(dialog.Combo2, Qt::Key_Down);
      closeIt(dialog);
    });
    EXPECT_EQ(ProfileSettingNames[3], "Dark");
    EXPECT_EQ(SettingSets[defaults].StrSlot[3], DefaultsSetName);
  }
  Options([](frmMgmtOptions& dialog) { dialog.cmdUpdate->click(); });
  EXPECT_EQ(SettingSets[defaults].StrSlot[3], "Dark");
}

TEST_F(frmMgmtOptionsTest, ApplySaysWhatItStoredAndTheCountFollows) {
  LoadDefaultsAndDark();
  struct Step {
    const char* typed;   // the profile name in Combo1 when Apply is clicked
    const char* said;
    const char* count;
  };
  const Step steps[] = {
      {"Evening", "New option group \"Evening\" stored with the sets Defaults, Defaults, Defaults, Defaults, Defaults.",
       "2"},
      {"Defaults", "Option group \"Defaults\" updated with the sets Defaults, Defaults, Defaults, Defaults, Defaults.",
       "2"},
  };
  Options([&](frmMgmtOptions& dialog) {
    EXPECT_EQ(dialog.txtCount->text(), "1");
    for (const Step& step : steps) {
      Retype(dialog.Combo1->lineEdit(), step.typed);
      dialog.cmdUpdate->click();
      EXPECT_EQ(dialog.lblResult->text().toStdString(), step.said);
      EXPECT_EQ(dialog.txtCount->text(), step.count) << step.typed;
      EXPECT_EQ(dialog.Combo1->currentText(), step.typed);
      EXPECT_EQ(dialog.Combo1->count(), dialog.txtCount->text().toInt());
    }
  });
  EXPECT_NE(FindSettingSet("Evening", SettingProfile), 0);
}

}  // namespace
}  // namespace lintavo
