// The fill and hatch options dialog, run through Options, Fills/Hatches of the main window.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <set>

#include "annotation/Areas.h"
#include "annotation/Fills.h"
#include "annotation/Hatches.h"
#include "windows/options/frmFillOptions.h"
#include "windows/options/OptionDialogFixture.h"
#include "app/Setings.h"
#include "model/DataHand.h"
#include "model/LayerItems.h"
#include "model/SupportLists.h"
#include "platform/SurfaceWidget.h"
#include "support/DialogKeys.h"
#include "view/DisplayOptions.h"

namespace lintavo {
namespace {

class frmFillOptionsTest : public OptionDialogFixture<frmFillOptions> {
 protected:
  frmFillOptionsTest() : OptionDialogFixture("mnuOptionsFills") {}
};

// The colours in the picture other than its background.
std::set<Long> InkColours(const SurfaceWidget& picture) {
  std::set<Long> colours;
  const Long back = picture.PixelAt(0, 0);
  for (int y = 0; y < picture.Image().height(); ++y)
    for (int x = 0; x < picture.Image().width(); ++x)
      if (const Long c = picture.PixelAt(x, y); c != back) colours.insert(c);
  return colours;
}

// The scale box takes a number as it is typed: 0, negatives and a lone
// minus sign leave the scale alone.
TEST_F(frmFillOptionsTest, ScaleAndRotationTakeNumbersAsTyped) {
  HatchScale = 1;
  struct Step {
    const char* box;
    const char* typed;
    Single scale, rotation;
  };
  const Step steps[] = {
      {"Text1", "0", 1, 0}, {"Text1", "2", 2, 0},   {"Text1", "-", 2, 0},
      {"Text1", "-3", 2, 0}, {"Text2", "45", 2, 45}, {"Text2", "x", 2, 45},
  };
  std::vector<std::pair<Single, Single>> seen;
  Options([&](frmFillOptions& dialog) {
    HatchRotation = 0;
    for (const Step& step : steps) {
      Retype(dialog.findChild<QLineEdit*>(step.box), step.typed);
      seen.emplace_back(HatchScale, HatchRotation);
    }
  });
  for (size_t i = 0; i < std::size(steps); ++i)
    EXPECT_EQ(seen[i], std::make_pair(steps[i].scale, steps[i].rotation)) << steps[i].box << " " << steps[i].typed;
}

// "Transparent" shows only the outline in the boundary colour; a solid fill
// shows its colour even while fills are not shown.
TEST_F(frmFillOptionsTest, PreviewFillShowsTheShapeWhateverShowFills) {
  BoundaryColor = 0x00FF00;
  CurFillColor = 0x0000FF;
  ShowFills = FlagFalse;
  std::set<Long> transparent, solid;
  Options([&](frmFillOptions& dialog) {
    dialog.Combo5->setCurrentIndex(1);
    emit dialog.Combo5->activated(1);
    dialog.Command3->click();
    transparent = InkColours(*dialog.Picture1);
    dialog.Combo5->setCurrentIndex(0);
    emit dialog.Combo5->activated(0);
    dialog.Command3->click();
    solid = InkColours(*dialog.Picture1);
  });
  EXPECT_EQ(transparent, std::set<Long>{0x00FF00});
  EXPECT_TRUE(solid.count(0x0000FF));
  EXPECT_EQ(CurFillPattern, 0);
}

// However the dialog closes, from its first opening on and after previews,
// the model, the drawing's counts and the reference-point option are as
// before: the dialog makes none of its three layers.
TEST_F(frmFillOptionsTest, EveryWayOfClosingLeavesTheModelAsItWas) {
  ShowRefPnts = FlagTrue;
  ShowHatches = FlagTrue;
  const QImage picture = doc_->Image();
  ExpectClosingsLeaveTheModel(
      {
          [](frmFillOptions& d) { d.cmdClose->click(); },
          [](frmFillOptions& d) { PressEscapeIn(d.Text1); },
          [](frmFillOptions& d) { d.close(); },
          [](frmFillOptions& d) {
            d.Command5->click();
            d.Command3->click();
            d.Check5->click();
            PressEscapeIn(d.Text1);
          },
      },
      [&] {
        EXPECT_EQ(ShowRefPnts, FlagTrue);
        EXPECT_EQ(doc_->Image(), picture);
      });
  EXPECT_EQ(ShowHatches, FlagFalse);  // the options keep what the boxes set
}

// Preview Hatch draws the square's crossings in the boundary colour and the
// pattern in the hatch colour.
TEST_F(frmFillOptionsTest, PreviewHatchDrawsTheSquareAndThePattern) {
  // One pattern of one continuous family of lines at 45 degrees.
  HatchPatterns.assign(2, PatternRec{});
  HatchPatterns[1].PatternID = 7;
  HatchPatterns[1].Name = "Qz Lines";
  HatchPatternLines.assign(2, PatternLineRec{});
  HatchPatternLines[1].PatternID = 7;
  HatchPatternLines[1].ANGLE = 45;
  HatchPatternLines[1].DeltaY = 0.25F;
  PatternCount = PatternLineCount = 1;
  CurPatternName = "Qz Lines";
  BoundaryColor = 0x00FF00;
  HatchColor = 0xFF0000;
  UsePatternColor = FlagFalse;
  ShowHatches = FlagTrue;
  HatchScale = 1;
  std::set<Long> colours;
  Options([&](frmFillOptions& dialog) {
    dialog.Command5->click();
    colours = InkColours(*dialog.Picture1);
  });
  EXPECT_TRUE(colours.count(0x00FF00));
  EXPECT_TRUE(colours.count(0xFF0000));
}

// A pattern name that names no pattern (the empty start value) shows the
// first pattern, and that pattern is the one Preview Hatch draws.
TEST_F(frmFillOptionsTest, ThePatternShownFirstIsThePatternUsed) {
  HatchPatterns.assign(3, PatternRec{});
  HatchPatternLines.assign(2, PatternLineRec{});
  HatchPatterns[1].PatternID = 7;
  HatchPatterns[1].Name = "Qz First";
  HatchPatterns[2].PatternID = 8;
  HatchPatterns[2].Name = "Qz Second";
  HatchPatternLines[1].PatternID = 7;
  HatchPatternLines[1].ANGLE = 45;
  HatchPatternLines[1].DeltaY = 0.25F;
  PatternCount = 2;
  PatternLineCount = 1;
  BoundaryColor = 0x00FF00;
  HatchColor = 0xFF0000;
  UsePatternColor = FlagFalse;
  ShowHatches = FlagTrue;
  HatchScale = 1;
  for (const char* stored : {"", "Qz Gone"}) {
    CurPatternName = stored;
    QString shown;
    std::set<Long> colours;
    Options([&](frmFillOptions& dialog) {
      shown = dialog.Combo6->currentText();
      dialog.Command5->click();
      colours = InkColours(*dialog.Picture1);
    });
    EXPECT_EQ(shown, "Qz First") << stored;
    EXPECT_EQ(CurPatternName, "Qz First") << stored;
    EXPECT_TRUE(colours.count(0xFF0000)) << stored;  // the hatch is drawn
  }
}

}  // namespace
}  // namespace lintavo
