// Unit codes: typed lengths to inches, the unit read-out, and the units
// dialog operated as a person would.
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

#include "windows/options/frmUnitsOptions.h"
#include "model/Units.h"
#include "platform/Modal.h"
#include "support/ProgramTest.h"

namespace lintavo {
namespace {

using UnitsTest = ProgramTest;

Single Inches(Single typed) {
  ToInches(typed);
  return typed;
}

// ---- Typed lengths ---------------------------------------------------------------------

TEST_F(UnitsTest, MetricTypedLengthsAreDividedByTheUnitFactor) {
  MetricUnits = FlagTrue;
  MetricUnit = 2;
  EXPECT_FLOAT_EQ(Inches(2.54F), 1);
  MetricUnit = 6;  // micrometres convert like the others
  EXPECT_FLOAT_EQ(Inches(25400), 1);
}

TEST_F(UnitsTest, EnglishTypedLengthsUseTheSameCodesAsTheFormatters) {
  const struct {
    Integer code;
    Single inches;  // of one typed unit
  } rows[] = {{1, 1}, {2, 1}, {3, 12}, {4, 36}, {5, 36}, {6, 63360}, {0, 1}, {7, 1}};
  for (const auto& row : rows) {
    EnglishUnit = row.code;
    EXPECT_FLOAT_EQ(Inches(1), row.inches) << row.code;
  }
  EnglishUnit = 3;
  EXPECT_FLOAT_EQ(Inches(2), 24);
}

TEST_F(UnitsTest, TheReadOutNamesYardsForFiveAndMilesForSix) {
  EnglishUnit = 5;
  EXPECT_EQ(UnitReadOut(), "Units = Yards");
  EnglishUnit = 6;
  EXPECT_EQ(UnitReadOut(), "Units = Miles");
}

// The one mapping both unit dialogs use between the English list and the codes.
TEST_F(UnitsTest, TheEnglishListMapsEachCodeToOneEntryAndBack) {
  const struct {
    Integer code;
    int position;  // -1: no entry
  } shown[] = {{0, -1}, {1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 3}, {6, 4}, {7, -1}};
  for (const auto& row : shown) EXPECT_EQ(EnglishPosition(row.code), row.position) << row.code;
  EXPECT_STREQ(EnglishEntries[EnglishPosition(6)], "Miles");

  const struct {
    int position;
    Integer held, stored;
  } chosen[] = {{3, 5, 5}, {3, 6, 4}, {4, 5, 6}, {0, 5, 1}, {-1, 3, 0}, {EnglishEntryCount, 3, 0}};
  for (const auto& row : chosen)
    EXPECT_EQ(EnglishCodeChosen(row.position, row.held), row.stored) << row.position << " " << row.held;
}

// ---- The units dialog ------------------------------------------------------------------

class UnitsDialogTest : public ProgramTest {
 protected:
  // Opens the dialog, lets operate work its controls, then presses EXIT.
  template <typename Operate>
  void OperateDialog(Operate operate) {
    frmUnitsOptions dialog;
    Responder().OnDialog<frmUnitsOptions>([&](frmUnitsOptions& shown) {
      operate(shown);
      shown.CancelButton->click();
    });
    ShowModal(dialog);
    EXPECT_FALSE(dialog.isVisible());
  }
};

TEST_F(UnitsDialogTest, OpeningShowsTheSettingsWithoutChangingThem) {
  MetricUnits = FlagTrue;
  MetricUnit = 7;  // no entry in the metric list
  EnglishUnit = 6;
  FractionDenom = 12;  // not offered
  OperateDialog([](frmUnitsOptions& form) {
    EXPECT_FALSE(form.Check1->isChecked());
    EXPECT_TRUE(form.Check2->isChecked());
    EXPECT_EQ(form.List1->currentItem()->text(), "Miles");
    EXPECT_EQ(form.List2->currentRow(), -1);
    EXPECT_EQ(form.List5->currentItem()->text(), "1/2");
  });
  EXPECT_EQ(MetricUnit, 7);
  EXPECT_EQ(FractionDenom, 12);
}

TEST_F(UnitsDialogTest, ChoicesChangeTheSettingsAtOnceAndOutlastExit) {
  MetricUnits = FlagTrue;
  EnglishUnit = 1;
  FractionDenom = 12;
  OperateDialog([](frmUnitsOptions& form) {
    form.List1->setCurrentRow(4);
    EXPECT_EQ(EnglishUnit, 6);  // "Miles"
    form.List1->setCurrentRow(3);
    EXPECT_EQ(EnglishUnit, 4);  // "Yards"
    emit form.List5->itemClicked(form.List5->currentItem());  // "1/2", already shown
    EXPECT_EQ(FractionDenom, 2);
    form.List5->setCurrentRow(7);
    form.List3->setCurrentRow(1);
    form.Check2->click();  // unchecking "Metric" checks "English"
    EXPECT_TRUE(form.Check1->isChecked());
  });
  EXPECT_EQ(EnglishUnit, 4);
  EXPECT_EQ(FractionDenom, 1000);
  EXPECT_EQ(DecimalPlaces, 2);
  EXPECT_EQ(MetricUnits, FlagFalse);
}

TEST_F(UnitsDialogTest, TheEnglishListShowsEachUnitOnceAndKeepsBothYardsCodes) {
  const struct {
    Integer stored;     // EnglishUnit when the dialog opens
    const char* shown;  // the entry chosen in the list
  } cases[] = {{1, "Inches"}, {2, "Feet/Inch"}, {3, "Feet"}, {4, "Yards"}, {5, "Yards"}, {6, "Miles"}};
  for (const auto& c : cases) {
    EnglishUnit = c.stored;
    OperateDialog([&](frmUnitsOptions& form) {
      QStringList entries;
      for (int row = 0; row < form.List1->count(); ++row) entries << form.List1->item(row)->text();
      EXPECT_EQ(entries, QStringList({"Inches", "Feet/Inch", "Feet", "Yards", "Miles"}));
      ASSERT_NE(form.List1->currentItem(), nullptr) << c.stored;
      EXPECT_EQ(form.List1->currentItem()->text(), c.shown) << c.stored;
      emit form.List1->itemClicked(form.List1->currentItem());  // the unit shown, clicked again
    });
    EXPECT_EQ(EnglishUnit, c.stored) << c.shown;  // a click on what is shown changes no code
  }
}

}  // namespace
}  // namespace lintavo
