// The dimension options dialog, run through Options, Dimensioning of the main window.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "annotation/Dimension.h"
#include "annotation/Texthand.h"
#include "windows/options/frmDimOptions.h"
#include "windows/options/OptionDialogFixture.h"
#include "app/Setings.h"
#include "model/DataHand.h"
#include "model/LayerItems.h"
#include "picking/Measure.h"
#include "platform/Numbers.h"
#include "platform/SurfaceWidget.h"
#include "support/DialogKeys.h"
#include "view/DisplayOptions.h"

namespace lintavo {
namespace {

class frmDimOptionsTest : public OptionDialogFixture<frmDimOptions> {
 protected:
  frmDimOptionsTest() : OptionDialogFixture("mnuOptionsDimension") {}
};

// Picture pixels that are not the background.
int InkIn(const SurfaceWidget& picture) {
  const QImage& image = picture.Image();
  const QRgb back = image.pixel(0, 0);
  int ink = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ink += image.pixel(x, y) != back;
  return ink;
}

TEST_F(frmDimOptionsTest, ListEntriesStoreTheirOptions) {
  constexpr Double pi = std::numbers::pi;
  struct Step {
    int list;  // List1..List10 as 1..10
    int row;
    std::function<Double()> option;
    Double expected;
  };
  DimArrowClosed = DimFixedLetterHeight = DimExtProximityFixed = FlagFalse;
  const Step steps[] = {
      {7, 1, [] { return DimArrowAngle; }, ToSingle(pi / 6)},  // "30 Degree"
      {7, 4, [] { return DimArrowAngle; }, ToSingle(pi / 3)},  // "Circle"
      {7, 0, [] { return DimArrowAngle; }, ToSingle(pi / 12)},
      {7, 5, [] { return DimArrowAngle; }, ToSingle(pi / 3)},  // "Slash"
      {7, 5, [] { return DimArrowType; }, 6},
      {6, 0, [] { return DimArrowClosed; }, FlagTrue},         // "Closed"
      {5, 0, [] { return DimFixedLetterHeight; }, FlagTrue},   // "Fixed Height"
      {8, 0, [] { return DimExtProximityFixed; }, FlagTrue},   // "Proximity Fixed"
      {8, 1, [] { return DimExtProximityFixed; }, FlagFalse},
      {2, 2, [] { return DimDirection; }, 3},
      {10, 0, [] { return DimArrowSize; }, 1},
  };
  std::vector<Double> seen;
  Options([&](frmDimOptions& dialog) {
    for (const Step& step : steps) {
      dialog.Lists[step.list - 1]->setCurrentRow(step.row);
      seen.push_back(step.option());
    }
  });
  for (size_t i = 0; i < std::size(steps); ++i)
    EXPECT_EQ(seen[i], steps[i].expected) << "List" << steps[i].list << " row " << steps[i].row;
}

// The texts of the sample's dimensions, in the order they were built: the
// letters of each run of text characters appended to the drawing after
// entity first (the strokes of the glyphs loaded meanwhile belong to none).
std::vector<String> SampleTexts(Long first) {
  std::vector<String> texts;
  bool inText = false;
  for (Long i = first + 1; i <= ObjCount; ++i) {
    if (Objs[i].DwgNo == 0) continue;
    const bool letter = Objs[i].Rtype == EntityTextChar;
    if (letter && !inText) texts.emplace_back();
    if (letter) texts.back() += static_cast<char>(std::stoi(Objs[i].Name.substr(Objs[i].Name.find('-') + 1)));
    inText = letter;
  }
  return texts;
}

// "Partitioned" measures the sample line in two halves, from its midpoint
// on, "Cumulative" both from its first point: the whole line, then half of
// it. The picture shows them, and the waiting dimension's working points are
// left alone.
TEST_F(frmDimOptionsTest, ModesBuildTheirSampleDimensions) {
  DimLetterHeight = 1;
  DimS = DimE = {-3, -4};
  const Long first = ObjCount;
  std::vector<std::vector<String>> seen;
  std::vector<int> ink;
  Options([&](frmDimOptions& dialog) {
    for (int row : {0, 1, 2}) {
      dialog.Lists[0]->setCurrentRow(row);
      seen.push_back(SampleTexts(first));
      ink.push_back(InkIn(*dialog.Picture1));
    }
  });
  ASSERT_EQ(seen.size(), 3u);
  // The window is 10 x 10: the line runs from (1, 2) to (7, 8), 8.485 long.
  ASSERT_EQ(seen[0].size(), 1u);
  const String whole = seen[0][0], half = FormatLength(std::hypot(3.0, 3.0));
  EXPECT_EQ(whole, FormatLength(std::hypot(6.0, 6.0)));
  EXPECT_EQ(seen[1], std::vector<String>({half, half}));
  EXPECT_EQ(seen[2], std::vector<String>({whole, half}));
  for (int n : ink) EXPECT_GT(n, 0);
  EXPECT_EQ(std::make_pair(DimS.X, DimE.Y), std::make_pair(-3.0, -4.0));
}

// Boxes take any number on Enter and show their option again; the letter
// width follows the height.
TEST_F(frmDimOptionsTest, NumberBoxesTakeAnyNumber) {
  TextAspect = 0.5F;
  QString shown;
  Options([&](frmDimOptions& dialog) {
    RetypeAndEnter(dialog.Boxes[0], "2");
    RetypeAndEnter(dialog.Boxes[1], "-0.5");
    RetypeAndEnter(dialog.Boxes[4], "0");
    RetypeAndEnter(dialog.Boxes[2], "abc");
    shown = dialog.Boxes[2]->text();
  });
  EXPECT_EQ(DimLetterHeight, 2);
  EXPECT_EQ(DimLetterWidth, 1);
  EXPECT_EQ(DimExtOffset, -0.5F);
  EXPECT_EQ(DimLeaderLength, 0);
  EXPECT_EQ(shown, QString::number(DimExtAbove));
}

// However the dialog closes, from its first opening on and after any number
// of samples, the model, the drawing's counts, the reference-point option
// and the picture of the drawing window are as before: the dialog makes no
// dimension layer.
TEST_F(frmDimOptionsTest, EveryWayOfClosingLeavesTheModelAsItWas) {
  ShowRefPnts = FlagTrue;
  const QImage picture = doc_->Image();
  ExpectClosingsLeaveTheModel(
      {
          [](frmDimOptions& d) { d.cmdClose->click(); },
          [](frmDimOptions& d) { PressEscapeIn(d.Boxes[0]); },
          [](frmDimOptions& d) { d.close(); },
          [](frmDimOptions& d) {
            d.Lists[0]->setCurrentRow(1);
            d.Command3->click();
            RetypeAndEnter(d.Boxes[0], "0");  // no sample at all
            RetypeAndEnter(d.Boxes[0], "1");
            PressEscapeIn(d.Boxes[0]);
          },
      },
      [&] {
        EXPECT_EQ(ShowRefPnts, FlagTrue);
        EXPECT_EQ(doc_->Image(), picture);
      });
}

}  // namespace
}  // namespace lintavo
