// The text options dialog, run through Options, Text of the main window.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "annotation/Texthand.h"
#include "windows/options/frmTextOptions.h"
#include "windows/options/OptionDialogFixture.h"
#include "app/Setings.h"
#include "model/DataHand.h"
#include "model/LayerItems.h"
#include "model/Units.h"
#include "platform/SurfaceWidget.h"
#include "support/DialogKeys.h"
#include "view/ObjectDrawers.h"

namespace lintavo {
namespace {

class frmTextOptionsTest : public OptionDialogFixture<frmTextOptions> {
 protected:
  frmTextOptionsTest() : OptionDialogFixture("mnuOptionsText") {}
};

TEST_F(frmTextOptionsTest, NumberBoxesTakeWhatTheyAcceptOnEnter) {
  TextHeight = 1;
  TextAspect = 0.75F;
  TextWidth = 0.75F;
  BoldWeight = 2;
  struct Step {
    const char* box;
    const char* typed;
    Single height, width, aspect;
    Integer bold;
    const char* shown;  // the box's text afterwards
  };
  const Step steps[] = {
      {"Text2", "0", 1, 0.75F, 0.75F, 2, "1"},          // height 0 refused
      {"Text2", "-1", -1, -0.75F, 0.75F, 2, "-1"},      // negative heights are taken
      {"Text2", "2", 2, 1.5F, 0.75F, 2, "2"},
      {"Text3", "0.2", 2, 1.5F, 0.75F, 2, "0.75"},      // aspect below 0.25 refused, box rewritten
      {"Text3", "0.25", 2, 0.5F, 0.25F, 2, "0.25"},
      {"Text3", "2", 2, 4, 2, 2, "2"},
      {"Text4", "1", 0.5F, 1, 2, 2, "1"},               // the height follows the width
      {"Text4", "x", 0.5F, 1, 2, 2, "1"},               // no number: nothing changes
      {"Text1", "9", 0.5F, 1, 2, 2, "9"},               // refused, the typed text stays
      {"Text1", "8.5", 0.5F, 1, 2, 8, "8.5"},           // halves to even
  };
  std::vector<std::tuple<Single, Single, Single, Integer, QString>> seen;
  Options([&](frmTextOptions& dialog) {
    for (const Step& step : steps) {
      auto* box = dialog.findChild<QLineEdit*>(step.box);
      RetypeAndEnter(box, step.typed);
      seen.emplace_back(TextHeight, TextWidth, TextAspect, BoldWeight, box->text());
    }
  });
  for (size_t i = 0; i < std::size(steps); ++i) {
    const Step& s = steps[i];
    EXPECT_EQ(seen[i], std::make_tuple(s.height, s.width, s.aspect, s.bold, QString::fromLatin1(s.shown)))
        << s.box << " " << s.typed;
  }
}

// However the dialog closes, from its first opening on, the model holds
// what it held before, preview mode is off and the drawing is unchanged.
TEST_F(frmTextOptionsTest, EveryWayOfClosingLeavesTheModelAsItWas) {
  // The text layer is listed, and chosen, without being made in the drawing.
  QString listed;
  Options([&](frmTextOptions& d) { listed = d.Combo2->currentText(); });
  EXPECT_EQ(listed.toStdString(), TextLayer);
  LayerNameSought = TextLayer;
  Long found = 0;
  EXPECT_FALSE(FindLayerByName(found));
  ExpectClosingsLeaveTheModel({
      [](frmTextOptions& d) { d.cmdClose->click(); },
      [](frmTextOptions& d) { PressEscapeIn(d.Text2); },
      [](frmTextOptions& d) { d.close(); },
      [](frmTextOptions& d) {
        RetypeAndEnter(d.Text2, "3");
        d.Check1->click();
        d.Check4->click();
        PressEscapeIn(d.Text2);
      },
  });
  EXPECT_EQ(TextHeight, 3);  // the options keep the last values entered
}

// With no set of the text type the list is empty and Update with no name
// stores nothing; a new name and Enter makes a set.
TEST_F(frmTextOptionsTest, SetListStoresANewNameOnEnter) {
  const Long before = SettingCount;
  int listed = -1;
  Options([&](frmTextOptions& dialog) {
    listed = dialog.Combo1->count();
    dialog.Combo1->setCurrentText(QString());
    dialog.cmdUpdate->click();
    EXPECT_EQ(SettingCount, before);
    RetypeAndEnter(dialog.Combo1->lineEdit(), "Labels");
  });
  EXPECT_EQ(listed, 0);
  EXPECT_NE(FindSettingSet("Labels", SettingText), 0);
}

// A layer typed into the layer list is made in the drawing, selected, and
// stays after the sample is dropped; choosing any listed layer makes it the
// text layer.
TEST_F(frmTextOptionsTest, TypedLayerIsMadeAndKeptChosenLayerIsTaken) {
  const Integer layers = Dwgs[1].Nlayers;
  QString selected, chosen;
  Options([&](frmTextOptions& dialog) {
    RetypeAndEnter(dialog.Combo2->lineEdit(), "Notes");
    selected = dialog.Combo2->currentText();
    RetypeAndEnter(dialog.Text2, "2");  // a sample drawn after the layer
    PressKeyIn(dialog.Combo2->lineEdit(), Qt::Key_Up);
    chosen = QString::fromStdString(TextLayer);
  });
  EXPECT_EQ(selected, "Notes");
  EXPECT_NE(chosen, "Notes");  // the entry above it
  LayerNameSought = "Notes";
  Long found = 0;
  EXPECT_TRUE(FindLayerByName(found));
  EXPECT_GT(Dwgs[1].Nlayers, layers);
}

// The sample "A" is drawn in the text colour; italic slants it whatever the
// slant holds; a height of 0 leaves the picture empty instead of failing.
TEST_F(frmTextOptionsTest, SampleFollowsTheStyleAndHeightZeroDrawsNothing) {
  FontName = "Text";
  TextHeight = 1;
  TextSlant = 0;
  TextItalic = FlagFalse;
  TextColor = 0x0000FF;
  QImage upright, italic, empty;
  bool inTextColour = false;
  Options([&](frmTextOptions& dialog) {
    upright = dialog.Picture1->Image().copy();
    for (int y = 0; y < upright.height() && !inTextColour; ++y)
      for (int x = 0; x < upright.width() && !inTextColour; ++x) inTextColour = dialog.Picture1->PixelAt(x, y) == 0x0000FF;
    dialog.Check3->click();
    italic = dialog.Picture1->Image().copy();
    TextHeight = 0;
    dialog.DrawTextPreview();
    empty = dialog.Picture1->Image().copy();
  });
  EXPECT_TRUE(inTextColour);
  EXPECT_NE(upright, italic);
  QImage blank(empty.size(), empty.format());
  blank.fill(empty.pixel(0, 0));
  EXPECT_EQ(empty, blank);
}

TEST_F(frmTextOptionsTest, TheSampleScaleFiguresEachHaveACaption) {
  TextHeight = 3;
  std::vector<std::pair<QString, QString>> shown;  // caption, figure
  Options([&](frmTextOptions& dialog) {
    for (QLabel* figure : {dialog.Label16, dialog.Label17, dialog.Label18}) {
      QString caption;
      for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy() == figure && label->isVisibleTo(&dialog)) caption = label->text();
      shown.emplace_back(caption, figure->text());
    }
  });
  EXPECT_EQ(shown, (std::vector<std::pair<QString, QString>>{
                       {"One letter up", "3"}, {"One letter across", "3"}, {"Two letters across", "6"}}));
}

// With no text set of the name applied last the first text set is shown;
// choosing another applies it and the boxes show its values.
TEST_F(frmTextOptionsTest, FirstSetShownWhenNoneMatchesAndAChosenSetIsApplied) {
  TextHeight = 2;
  StoreSettings("Big", SettingText);
  TextHeight = 0.5F;
  StoreSettings("Small", SettingText);
  CurrentSettingNames[SettingText] = "Gone";
  QString shown, heightAfter;
  Options([&](frmTextOptions& dialog) {
    shown = dialog.Combo1->currentText();
    PressKeyIn(dialog.Combo1->lineEdit(), Qt::Key_Down);  // "Small"
    heightAfter = dialog.Text2->text();
  });
  EXPECT_EQ(shown, "Big");
  EXPECT_EQ(heightAfter, "0.5");
  EXPECT_EQ(CurrentSettingNames[SettingText], "Small");
}

// In metric units the length boxes are in centimetres: they show the
// stored inches x 2.54 and an entry is divided by 2.54.
TEST_F(frmTextOptionsTest, MetricLengthBoxesAreInCentimetres) {
  MetricUnits = FlagTrue;
  TextHeight = 1;
  TextAspect = 0.75F;
  QString unit, height;
  Options([&](frmTextOptions& dialog) {
    unit = dialog.lblhgt->text();
    height = dialog.Text2->text();
    RetypeAndEnter(dialog.Text2, "5.08");
  });
  EXPECT_EQ(unit, "cm");
  EXPECT_EQ(height, "2.54");
  EXPECT_EQ(TextHeight, 2);
  EXPECT_EQ(TextWidth, 1.5F);
}

}  // namespace
}  // namespace lintavo
