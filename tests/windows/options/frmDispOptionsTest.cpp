// The display options dialog, run through Options, Display of the main window.
#include <QCheckBox>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTime>
#include <QToolBar>
#include <functional>
#include <tuple>

#include "windows/controls/OptionBoxes.h"
#include "windows/options/OptionDialogFixture.h"
#include "app/Setings.h"
#include "model/MessageBar.h"
#include "model/SnapSettings.h"
#include "model/Units.h"
#include "platform/Numbers.h"
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
  // The text of the label in the dialog's layout just right of box; "" when none.
  static QString UnitBeside(QLineEdit* box) {
    auto* grid = qobject_cast<QGridLayout*>(box->parentWidget()->layout());
    if (!grid || grid->indexOf(box) < 0) return {};
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(grid->indexOf(box), &row, &column, &rows, &columns);
    QLayoutItem* item = grid->itemAtPosition(row, column + 1);
    auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
    return label ? label->text() : QString();
  }
  // Grid ink within a pixel of view pixel (x, y) of the drawing window.
  bool GridInkNear(int x, int y) const {
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        if (doc_->PixelAt(x + dx, doc_->View_Maxy - y - dy) != DwgBackColor) return true;
    return false;
  }
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

// The two length boxes say their unit, as the other option dialogs' boxes
// do, and the grid box takes what it says: in a metric drawing 10 is a grid
// of 10 cm, drawn at that spacing with the grid snap kept.
TEST_F(frmDispOptionsTest, TheLengthBoxesSayTheirUnitAndTheGridIsDrawnInIt) {
  struct Case {
    Integer metric;
    const char* unit;    // caption beside the grid and cursor boxes
    const char* typed;   // into the grid box
    Single inches;       // the grid size then
    int step;            // pixels between dots at 19.2 pixels to the inch
  };
  const Case cases[] = {
      {FlagTrue, "cm", "10", ToSingle(10 / 2.54), 76},
      {FlagFalse, "inch", "1", 1, 19},
  };
  ShowAtScale(doc_, 19.2, 0);  // a fifth of full size, the origin in the corner
  for (const Case& c : cases) {
    SCOPED_TRACE(c.unit);
    MetricUnits = c.metric;
    MetricUnit = 1;  // millimetres
    GridOn = GridSnap = FlagTrue;
    GridSize = GridX = GridY = 0.25F;
    RefreshDocView(doc_);
    ShowStatus("", 2);
    QString gridUnit, cursorUnit, shown;
    Options([&](frmDispOptions& dialog) {
      gridUnit = UnitBeside(dialog.Text1);
      cursorUnit = UnitBeside(dialog.Text2);
      RetypeAndEnter(dialog.Text1, c.typed);
      shown = dialog.Text1->text();
    });
    EXPECT_EQ(gridUnit, c.unit);
    EXPECT_EQ(cursorUnit, c.unit);
    EXPECT_EQ(shown, c.typed);
    EXPECT_EQ(std::make_tuple(GridSize, GridX, GridY), std::make_tuple(c.inches, c.inches, c.inches));
    EXPECT_EQ(MessagePanel(2), "");  // no "Grid Too Large, Snap Disabled!"
    EXPECT_EQ(GridSnap, FlagTrue);
    EXPECT_TRUE(GridInkNear(c.step, c.step));
    EXPECT_FALSE(GridInkNear(c.step / 2, c.step));
  }
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
