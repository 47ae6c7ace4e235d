// Fits of a box without width or height: a drawing, a layer or a group that
// holds one level line, one upright line or one point is shown by Show All,
// Full Drawing, the top layer chosen, Select Layer, Add, Select and Show
// Group, and previewed by the layer and group choosers, centred on the
// figure: a line fills the window along its length, a point is shown at the
// view's present scale.
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <cmath>
#include <functional>
#include <ostream>
#include <vector>

#include "commands/EditFixture.h"
#include "model/DataHand.h"
#include "model/ViewCache.h"
#include "support/ListClicks.h"
#include "support/ModelBuilders.h"
#include "support/ScriptedResponder.h"
#include "windows/show/frmGroupSelect.h"
#include "windows/show/frmLayerSelect.h"

namespace lintavo {
namespace {

struct Figure {
  const char* name;
  Integer type;                     // EntityLine or EntityPoint
  std::vector<BuilderPoint> points;  // world units
};

void PrintTo(const Figure& figure, std::ostream* out) { *out << figure.name; }

const Figure Figures[] = {
    {"a level line far from the sheet", EntityLine, {{60, 45}, {90, 45}}},
    {"an upright line", EntityLine, {{70, 10}, {70, 40}}},
    {"one point", EntityPoint, {{70, 30}}},
};

constexpr Double ShownScale = 48;      // pixels per unit of the view every fit starts from
constexpr Double FitMargin = 0.01;     // the share of its size each fit of an item or the drawing adds on each side
constexpr Double NoMargin = 0;         // the top layer is fitted to its box as it is

// Whether a pixel within one pixel of at is drawn (not white).
bool DrawnNear(const QImage& picture, QPoint at) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const QPoint p = at + QPoint(dx, dy);
      if (picture.rect().contains(p) && picture.pixel(p) != qRgb(255, 255, 255)) return true;
    }
  return false;
}

// The device pixel of world (x, y) in the view the cache holds.
QPoint CachedPixel(Double x, Double y) {
  return {static_cast<int>(std::lround(x * ViewScaleX + ViewBaseX)),
          static_cast<int>(std::lround(ViewPixMaxY - (y * ViewScaleY + ViewBaseY)))};
}

// Whether the picture shows the figure from (x1, y1) to (x2, y2) in the view
// the cache holds: drawn near most of 21 points along it (a selected line
// is dashed), or near the point itself.
bool ShowsFigure(const QImage& picture, Double x1, Double y1, Double x2, Double y2) {
  constexpr int Steps = 20;
  int drawn = 0;
  for (int k = 0; k <= Steps; ++k) {
    const Double t = static_cast<Double>(k) / Steps;
    if (DrawnNear(picture, CachedPixel(x1 + (x2 - x1) * t, y1 + (y2 - y1) * t))) ++drawn;
  }
  return 2 * drawn > Steps;
}

class FigureFitTest : public EditFixture, public testing::WithParamInterface<Figure> {
 protected:
  void SetUp() override {
    EditFixture::SetUp();
    const Figure& figure = GetParam();
    entity_ = AddEntity(figure.type, figure.points);
    const BuilderPoint first = figure.points.front(), last = figure.points.back();
    minX_ = std::min(first.first, last.first);
    maxX_ = std::max(first.first, last.first);
    minY_ = std::min(first.second, last.second);
    maxY_ = std::max(first.second, last.second);
  }

  // The view every fit starts from: the figure out of it.
  void StartAway() { ShowWithReach(ShownScale, 24); }

  // The window shows the figure centred, drawn; a line fills it along its
  // length with margin on each end, a point is shown at ShownScale.
  void ExpectShown(const char* fit, Double margin) {
    SCOPED_TRACE(fit);
    const Double pixel = 1 / doc_->XVscale;
    const Double centreX = (minX_ + maxX_) / 2, centreY = (minY_ + maxY_) / 2;
    EXPECT_NEAR((doc_->XVmin + doc_->XVmax) / 2, centreX, pixel);
    EXPECT_NEAR((doc_->YVmin + doc_->YVmax) / 2, centreY, pixel);
    if (maxX_ > minX_) EXPECT_NEAR(doc_->XVmax - doc_->XVmin, (maxX_ - minX_) * (1 + 2 * margin), 2 * pixel);
    if (maxY_ > minY_) EXPECT_NEAR(doc_->YVmax - doc_->YVmin, (maxY_ - minY_) * (1 + 2 * margin), 2 * pixel);
    // The fit takes the area's size in inches in single precision.
    if (maxX_ == minX_ && maxY_ == minY_) EXPECT_NEAR(doc_->XVscale, ShownScale, ShownScale * 1e-6);
    LoadViewCache();
    EXPECT_TRUE(ShowsFigure(doc_->Image(), minX_, minY_, maxX_, maxY_));
  }

  // Whether a chooser's preview, the picture it drew on, shows the figure.
  bool PreviewShowsFigure(const SurfaceWidget& picture) const {
    return ShowsFigure(picture.Image(), minX_, minY_, maxX_, maxY_);
  }

  // A chooser of Chooser opened by run: its row named name clicked, the
  // preview judged, then OK. Whether the preview showed the figure.
  template <typename Chooser>
  bool ChooseAndPreview(const String& name, const std::function<void()>& run) {
    bool previewed = false;
    Responder().OnDialog<Chooser>(
        [&](Chooser& dialog) {
          const auto found = dialog.List1->findItems(QString::fromStdString(name), Qt::MatchExactly);
          ASSERT_EQ(found.size(), 1);
          ClickRow(dialog.List1, dialog.List1->row(found[0]));
          previewed = PreviewShowsFigure(*dialog.Picture1);
          dialog.OKButton->click();
        },
        &Chooser::CancelButton);
    run();
    return previewed;
  }

  Long entity_ = 0;
  Double minX_ = 0, minY_ = 0, maxX_ = 0, maxY_ = 0;  // the figure's box
};

TEST_P(FigureFitTest, EveryFitShowsAFigureWithoutWidthOrHeight) {
  StartAway();
  DrawingDriver::Choose("mnuViewShowAll");
  ExpectShown("Show All", FitMargin);
  EXPECT_TRUE(EqualsFreshRedraw());

  StartAway();
  DrawingDriver::Choose("mnuViewZoomFit");
  ExpectShown("Full Drawing", FitMargin);

  const String layer = Items[Objs[entity_].LayerID].Name;
  StartAway();
  EXPECT_TRUE(ChooseAndPreview<frmLayerSelect>(
      layer, [this] { main_->BarButton(main_->tbToolBar, "Layers")->trigger(); }))
      << "the top layer's preview";
  ExpectShown("the top layer chosen", NoMargin);

  StartAway();
  EXPECT_TRUE(ChooseAndPreview<frmLayerSelect>(layer, [] { DrawingDriver::Choose("mnuSelectLayer"); }));
  ExpectShown("Select Layer", FitMargin);
  EXPECT_EQ(SelectedCount(), 1);

  DrawingDriver::Choose("mnuSelectAll");
  ASSERT_EQ(SelectedCount(), 1);
  StartAway();
  GroupTheSelection();
  const Long group = Objs[entity_].OwnerID;
  ASSERT_EQ(Items[group].Rtype, ItemGroup);
  ExpectShown("Add Group", FitMargin);

  StartAway();
  EXPECT_TRUE(ChooseAndPreview<frmGroupSelect>(Items[group].Name, [] { DrawingDriver::Choose("mnuSelectGroup"); }))
      << "the group's preview";
  ExpectShown("Select Group", FitMargin);

  StartAway();
  ChooseAndPreview<frmGroupSelect>(Items[group].Name, [] { DrawingDriver::Choose("mnuGroupsShow"); });
  ExpectShown("Show Group", FitMargin);
}

std::string FigureTestName(const testing::TestParamInfo<Figure>& info) {
  const char* const names[] = {"LevelLine", "UprightLine", "Point"};
  return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(EveryFigure, FigureFitTest, testing::ValuesIn(Figures), FigureTestName);

}  // namespace
}  // namespace lintavo
