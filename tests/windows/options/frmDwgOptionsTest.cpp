// The drawing options dialog, run through Options, Drawing of the main window.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <functional>

#include "windows/controls/OptionBoxes.h"
#include "windows/options/OptionDialogFixture.h"
#include "windows/controls/OptionSetList.h"
#include "app/Setings.h"
#include "windows/options/frmDwgOptions.h"
#include "commands/LineDraw.h"
#include "commands/Trims.h"
#include "model/DataHand.h"
#include "model/SnapSettings.h"
#include "model/Units.h"
#include "platform/Numbers.h"
#include "platform/Prompts.h"
#include "support/DialogKeys.h"
#include "support/ListClicks.h"

namespace lintavo {
namespace {

class frmDwgOptionsTest : public OptionDialogFixture<frmDwgOptions> {
 protected:
  frmDwgOptionsTest() : OptionDialogFixture("mnuOptionsDrawing") {}
};

TEST_F(frmDwgOptionsTest, NumberBoxesTakeWhatTheyAcceptOnEnter) {
  std::vector<QString> shown;
  struct Step {
    const char* box;
    const char* typed;
    std::function<Double()> result;
    Double expected;
  };
  const Step steps[] = {
      {"Text1", "48", [] { return DefDwgHeight; }, 36},
      {"Text2", "24", [] { return DefDwgWidth; }, 32},  // 24 x 1.33333, to 3 decimals
      {"Text3", "3", [] { return DoubleLineWidth1 + DoubleLineWidth2; }, 3},
      {"Text4", "1", [] { return SnapTolerance; }, ToSingle(0.2)},  // 1 or more is refused
      {"Text4", "0.5", [] { return SnapTolerance; }, 0.5},
      {"Text5", "abc", [] { return FilletRadius; }, 0.5},
      {"Text6", "0.25", [] { return ChamferDist1 + ChamferDist2; }, 0.5},
      {"Text7", "6", [] { return CurLineType; }, 0},
      {"Text7", "5", [] { return CurLineType; }, 5},
      {"Text7", "-3", [] { return CurLineType; }, 5},  // no line type below 0
      {"Text8", "10", [] { return CurLineWeight; }, 1},
      {"Text8", "9.5", [] { return CurLineWeight; }, 10},
      {"Text9", "0.75", [] { return SolidLineWidth; }, 0.75},
  };
  std::vector<Double> results;
  Options([&](frmDwgOptions& dialog) {
    for (const Step& step : steps) {
      auto* box = dialog.findChild<QLineEdit*>(step.box);
      RetypeAndEnter(box, step.typed);
      results.push_back(step.result());
      shown.push_back(box->text());
    }
  });
  for (size_t i = 0; i < std::size(steps); ++i)
    EXPECT_EQ(results[i], steps[i].expected) << steps[i].box << " " << steps[i].typed;
  EXPECT_EQ(ChamferDist1, 0.25);
  EXPECT_EQ(shown[2], "3");    // both offsets, shown as their sum
  EXPECT_EQ(shown[3], "0.2");  // a refused entry shows the value again
  EXPECT_EQ(shown[5], "0.5");
  EXPECT_EQ(shown[9], "-3");   // line type boxes keep the typed text
}

TEST_F(frmDwgOptionsTest, ListsSetTheUnitsAndMetricBoxesAreInCentimetres) {
  DefDwgWidth = 36;
  FractionDenom = 12;  // no entry: "1/2" shown
  int fractionShown = -1;
  QString unit, width, widthAfterEnter;
  Options([&](frmDwgOptions& dialog) {
    fractionShown = dialog.List5->currentRow();
    ClickRow(dialog.List5, 6);  // "1/100"
    dialog.Check7->click();     // "Metric"
    unit = dialog.Label13a[0]->text();
    width = dialog.Text1->text();
    RetypeAndEnter(dialog.Text1, "254");
    widthAfterEnter = dialog.Text1->text();
  });
  EXPECT_EQ(fractionShown, 0);
  EXPECT_EQ(FractionDenom, 100);
  EXPECT_EQ(MetricUnits, FlagTrue);
  EXPECT_EQ(unit, "cm");
  EXPECT_EQ(width, "91.44");  // 36 inches
  EXPECT_EQ(DefDwgWidth, 100);
  EXPECT_EQ(widthAfterEnter, "254");
}

// Each entry of the English list stores its unit's code, and a stored code
// shows its entry: yards 4 (5 is yards too), miles 6, which the read-out
// and typed lengths take as miles.
TEST_F(frmDwgOptionsTest, EnglishEntriesStoreTheirUnitCodesAndShowThem) {
  const Integer codes[] = {1, 2, 3, 4, 6};
  std::vector<Integer> chosen;
  Options([&](frmDwgOptions& dialog) {
    for (int row = 0; row < dialog.List1->count(); ++row) {
      ClickRow(dialog.List1, row);
      chosen.push_back(EnglishUnit);
    }
  });
  EXPECT_EQ(chosen, std::vector<Integer>(std::begin(codes), std::end(codes)));
  EXPECT_EQ(UnitReadOut(), "Units = Miles");
  Single typed = 1;
  ToInches(typed);
  EXPECT_EQ(typed, 63360);

  const std::pair<Integer, int> shown[] = {{4, 3}, {5, 3}, {6, 4}, {7, -1}};
  for (const auto& [code, row] : shown) {
    EnglishUnit = code;
    int current = -2;
    Options([&](frmDwgOptions& dialog) { current = dialog.List1->currentRow(); });
    EXPECT_EQ(current, row) << "code " << code;
  }
}

// EXIT gives the current drawing the default sheet when its width differs:
// silently while it is a "New Drawing", after Yes once it was saved. Esc and
// the close box leave the drawing's limits alone.
TEST_F(frmDwgOptionsTest, ExitOffersTheDefaultSheetAndEscOrTheCloseBoxDoNot) {
  const char* const question =
      "Limit Settings do not match Current Drawing Limits, Do you want to set the New Drawing limits? ";
  const auto limits = [] { return std::make_pair(Dwgs[1].Xlimit, Dwgs[1].Ylimit); };
  Dwgs[1].Name = "New Drawing";
  Dwgs[1].Xlimit = 20;
  Dwgs[1].Ylimit = 10;
  Options([](frmDwgOptions& dialog) { PressEscapeIn(dialog.Text1); });
  Options([](frmDwgOptions& dialog) { dialog.close(); });
  EXPECT_EQ(limits(), std::make_pair(20.0, 10.0));
  Options([](frmDwgOptions&) {});
  EXPECT_EQ(limits(), std::make_pair(36.0, 24.0));
  EXPECT_TRUE(Responder().Prompts().size() == 3u);  // three windows, no question

  Dwgs[1].Name = "Shed";
  Dwgs[1].Xlimit = 20;
  Responder().AnswerMsgBox(vbNo);
  Options([](frmDwgOptions&) {});
  EXPECT_EQ(limits(), std::make_pair(20.0, 24.0));
  Responder().AnswerMsgBox(vbYes);
  Options([](frmDwgOptions&) {});
  EXPECT_EQ(limits(), std::make_pair(36.0, 24.0));
  EXPECT_EQ(Responder().Prompts().back().text, question);
}

TEST_F(frmDwgOptionsTest, SnapSwitchesFollowInTheMenuAndColourCancelKeepsTheColour) {
  CurColor = 0x123456;
  Responder().CancelColor();
  Responder().AnswerColor(0x00FF00);
  Long afterCancel = 0, shape = 0;
  Options([&](frmDwgOptions& dialog) {
    dialog.Check1->click();
    dialog.Check4->click();
    dialog.Command1->click();
    afterCancel = CurColor;
    dialog.Command1->click();
    shape = SwatchColor(*dialog.Shape1);
  });
  EXPECT_EQ(GridSnap, FlagTrue);
  EXPECT_EQ(ToleranceSnap, FlagTrue);  // the boxes are independent of each other
  EXPECT_TRUE(main_->MenuItem("mnuControlsSnapsGrid")->isChecked());
  EXPECT_TRUE(main_->MenuItem("mnuControlsSnapsTol")->isChecked());
  EXPECT_EQ(afterCancel, 0x123456);
  EXPECT_EQ(CurColor, 0x00FF00);
  EXPECT_EQ(shape, 0x00FF00);
  EXPECT_EQ(Responder().Prompts()[1].title, "Change Line Color");
}

// Enter on a new name echoes it and stores a set of the current values;
// on a listed name it only echoes. Choosing a set applies it at once.
TEST_F(frmDwgOptionsTest, SetListStoresNewNamesAndAppliesChosenSets) {
  ASSERT_TRUE(LoadSettings());
  String profile = DefaultsSetName;
  InitSettings(profile);
  Responder().AnswerMsgBox(vbOK);
  Responder().AnswerMsgBox(vbOK);
  Long stored = 0;
  Options([&](frmDwgOptions& dialog) {
    RetypeAndEnter(dialog.Text5, "2");
    RetypeAndEnter(dialog.Combo1->lineEdit(), "Big");
    stored = FindSettingSet("Big", SettingDrawing);
    RetypeAndEnter(dialog.Combo1->lineEdit(), "Defaults");
  });
  ASSERT_NE(stored, 0);
  EXPECT_EQ(SettingSets[stored].SngSlot[2], 2.0f);
  EXPECT_NE(SettingSets[stored].SettingID, 0);  // saved
  EXPECT_EQ(Responder().Prompts()[1].text, " input = Big");
  EXPECT_EQ(Responder().Prompts()[2].text, " input = Defaults");
  EXPECT_EQ(FindSettingSet("Defaults", SettingDrawing), 1);  // no second "Defaults"

  FilletRadius = 1;
  std::vector<QString> listed, fillets;
  Options([&](frmDwgOptions& dialog) {
    for (int i = 0; i < dialog.Combo1->count(); ++i) listed.push_back(dialog.Combo1->itemText(i));
    fillets.push_back(dialog.Text5->text());
    PressKeyIn(dialog.Combo1->lineEdit(), Qt::Key_Down);  // "Big"
    fillets.push_back(dialog.Text5->text());
    PressKeyIn(dialog.Combo1->lineEdit(), Qt::Key_Up);  // "Defaults"
    fillets.push_back(dialog.Text5->text());
  });
  EXPECT_EQ(listed, (std::vector<QString>{"Defaults", "Big"}));
  EXPECT_EQ(fillets, (std::vector<QString>{"1", "2", "0.5"}));
  EXPECT_EQ(FilletRadius, ToSingle(0.5));
  EXPECT_EQ(CurrentSettingNames[SettingDrawing], "Defaults");
}

}  // namespace
}  // namespace lintavo
