// The display options dialog, run through Options, Display of the main window.
#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTime>
#include <QToolBar>
#include <functional>

#include "windows/controls/OptionBoxes.h"
#include "windows/options/OptionDialogFixture.h"
#include "app/Setings.h"
#include "model/MessageBar.h"
#include "support/DialogKeys.h"
#include "view/DisplayOptions.h"
#include "view/Grids.h"
#include "windows/options/frmDispOptions.h"

namespace lintavo {
namespace {

class frmDispOptionsTest : public OptionDialogFixture<frmDispOptions> {
 protected:
  frmDispOptionsTest() : OptionDialogFixture("mnuOptionsDisplay") {}
  frmMain::PanelStyle Style(int panel) const { return main_->StatusPanelStyle(panel); }
};

TEST_F(frmDispOptionsTest, ReadOutSwitchesSetThePanels) {
  CoordPolar = FlagTrue;
  CoordRelative = FlagFalse;
  SetPanelText("X = 1", 5);
  SetPanelText("Y = 2", 6);
  bool polarBox = true;
  Options([&](frmDispOptions& dialog) {
    dialog.Check10->click();  // relative on
    polarBox = dialog.Check11->isChecked();
  });
  EXPECT_EQ(CoordRelative, FlagTrue);
  EXPECT_EQ(CoordPolar, 0);
  EXPECT_FALSE(polarBox);
  EXPECT_FALSE(main_->MenuItem("mnuDisplayCoordPolar")->isChecked());
  SetPanelText("^X = 3", 7);
  SetPanelText("^Y = 4", 8);
  EXPECT_EQ(std::make_pair(StatusPanel(7), StatusPanel(8)), std::make_pair(String("^X = 3"), String("^Y = 4")));

  Options([](frmDispOptions& dialog) {
    dialog.Check10->click();  // relative off: neither read-out
    dialog.Check9->click();   // absolute off
  });
  EXPECT_EQ(std::make_pair(Style(7), Style(8)), std::make_pair(frmMain::PanelDate, frmMain::PanelTime));
  const QLocale locale;
  EXPECT_EQ(main_->StatusPanel(7)->text(), locale.toString(QDate::currentDate(), QLocale::ShortFormat));
  EXPECT_TRUE(locale.toTime(main_->StatusPanel(8)->text(), QLocale::ShortFormat).isValid()) << StatusPanel(8);
  SetPanelText("^X = 5", 7);  // the clock keeps its panel
  EXPECT_NE(StatusPanel(7), "^X = 5");
  EXPECT_EQ(StatusPanel(5) + StatusPanel(6), "");
  EXPECT_EQ(CoordAbsolute, 0);
}

TEST_F(frmDispOptionsTest, NumberBoxesTakeWhatTheyAcceptOnEnter) {
  std::vector<QString> gridShown;
  std::vector<Single> grid;
  std::vector<Integer> lineTypes;
  QString cursorShown;
  Options([&](frmDispOptions& dialog) {
    for (const char* typed : {"0.002", "0.001", "x"}) {
      RetypeAndEnter(dialog.Text1, typed);
      grid.push_back(GridSize);
      gridShown.push_back(dialog.Text1->text());
    }
    RetypeAndEnter(dialog.Text2, "25");
    cursorShown = dialog.Text2->text();
    for (const char* typed : {"4.5", "5", "6", "-1", "5.5"}) {
      RetypeAndEnter(dialog.Text3, typed);
      lineTypes.push_back(SelectedLineType);
    }
  });
  EXPECT_EQ(grid, (std::vector<Single>{0.002f, 0.002f, 0.002f}));
  EXPECT_EQ(gridShown, (std::vector<QString>{"0.002", "0.002", "0.002"}));
  EXPECT_EQ(std::make_pair(GridX, GridY), std::make_pair(0.002f, 0.002f));
  EXPECT_EQ(CursorSize, 20);
  EXPECT_EQ(cursorShown, "20");
  EXPECT_EQ(lineTypes, (std::vector<Integer>{4, 5, 5, 5, 6}));
}

// Switches show at once: bars, grid; colours through the colour dialog,
// where Cancel keeps the colour.
TEST_F(frmDispOptionsTest, SwitchesAndColoursShowAtOnce) {
  GridSize = GridX = GridY = 1;
  Responder().CancelColor();
  Responder().AnswerColor(0x0000FF);
  Long afterCancel = -1, swatch = -1;
  bool barShown = true;
  Integer gridShown = 0;
  Options([&](frmDispOptions& dialog) {
    dialog.Check1->click();  // tool bar off
    barShown = main_->tbToolBar->isVisible();
    dialog.Check6->click();  // grid on
    gridShown = GridShown;
    dialog.cmdBackClr->click();
    afterCancel = DwgBackColor;
    dialog.cmdBackClr->click();
    swatch = SwatchColor(*dialog.cmdBackClr);
  });
  EXPECT_EQ(ShowToolBar, 0);
  EXPECT_FALSE(barShown);
  EXPECT_FALSE(main_->MenuItem("mnuDisplayToolbar")->isChecked());
  EXPECT_EQ(gridShown, FlagTrue);
  EXPECT_EQ(afterCancel, 0xFFFFFF);
  EXPECT_EQ(DwgBackColor, 0x0000FF);
  EXPECT_EQ(swatch, 0x0000FF);
  EXPECT_EQ(Responder().Prompts()[1].title, "Change Background Color");
}

TEST_F(frmDispOptionsTest, EscAndTheCloseBoxOnlyClose) {
  StoreSettings("Mine", SettingDisplay);
  const SettingRecord before = SettingSets[1];
  for (const std::function<void(frmDispOptions&)>& closeIt :
       {std::function<void(frmDispOptions&)>([](frmDispOptions& d) { PressEscapeIn(d.Text2); }),
        std::function<void(frmDispOptions&)>([](frmDispOptions& d) { d.close(); })}) {
    bool closed = false;
    Options([&](frmDispOptions& dialog) {
      Retype(dialog.Text2, "3");  // typed, not entered
      closeIt(dialog);
      closed = !dialog.isVisible();
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(CursorSize, 0.5f);
  }
  EXPECT_EQ(SettingSets[1], before);
  EXPECT_EQ(SettingCount, 1);
}

}  // namespace
}  // namespace lintavo
