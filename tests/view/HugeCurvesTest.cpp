// Curves far larger than the window, reached by zooming in, by their own
// size or by edits: the window shows the part of them that crosses it, and
// a redraw walks no more than the window holds.
#include <cstdlib>
#include <functional>
#include <string>

#include "commands/EditFixture.h"
#include "model/ViewCache.h"
#include "platform/Colors.h"
#include "platform/Numbers.h"

namespace lintavo {
namespace {

class HugeCurvesTest : public EditFixture {
 public:
  // The device column of a world X, and the rows of the window.
  int Column(Double x) const { return RoundToLong(x * ViewScaleX + ViewBaseX); }
  // Pixels of the picture that are not the background, in that column and elsewhere.
  void CountDrawn(int column, int& inColumn, int& elsewhere) const {
    const QImage& image = doc_->Image();
    const QRgb background = image.pixel(image.width() - 1, 0);
    inColumn = elsewhere = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) == background) continue;
        (std::abs(x - column) <= 1 ? inColumn : elsewhere) += 1;
      }
  }
  void ZoomInAt(Double x, Double y, int clicks) {
    DrawingDriver::Choose("mnuViewZoomIn");
    for (int i = 0; i < clicks; ++i) input_->ClickAt(x, y);
    input_->Escape();
  }
};

TEST_F(HugeCurvesTest, ACurveFarLargerThanTheWindowShowsAsTheLineItIsThere) {
  // Each curve passes upright through world x = 3 at the window's middle
  // height and bends away by far less than a pixel across the window.
  const struct {
    const char* name;
    std::function<void(HugeCurvesTest&)> make;
  } rows[] = {
      {"a circle zoomed in 25 times", [](HugeCurvesTest& t) {
         AddCircle(4, 3, 1);
         t.ZoomInAt(3, 3, 25);
       }},
      {"a circle of radius 1e8", [](HugeCurvesTest&) { AddCircle(3 + 1e8, 3, 1e8); }},
      {"a half circle of radius 1e8", [](HugeCurvesTest&) {
         AddObj(EntityArc, 4);
         AddPnt(3 + 1e8, 3);  // centre, start, the leftmost point (3, 3), end
         AddPnt(3 + 1e8, 3 + 1e8);
         AddPnt(3, 3);
         AddPnt(3 + 1e8, 3 - 1e8);
       }},
      {"a ten-point polyline zoomed in 20 times", [](HugeCurvesTest& t) {
         AddObj(EntityPolyline, 10);
         for (int k = 0; k < 10; ++k) AddPnt(3 + (k % 2) * 1e-9, k - 2.0);
         t.ZoomInAt(3, 3, 20);
       }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ShowAtScale(doc_, 48, 24);
    RefreshDocView(doc_);
    row.make(*this);
    RefreshDocView(doc_);
    int inColumn = 0, elsewhere = 0;
    CountDrawn(Column(3), inColumn, elsewhere);
    EXPECT_GE(inColumn, doc_->Image().height() - 2);
    EXPECT_EQ(elsewhere, 0);
    EXPECT_TRUE(EqualsFreshRedraw());
    for (Long i = 1; i <= ObjCount; ++i) Objs[i].DwgNo = 0;
  }
}

TEST_F(HugeCurvesTest, EditsThatMakeACurveHugeLeaveAPictureOfTheWindowsSize) {
  const struct {
    const char* name;
    std::function<void()> edit;
  } rows[] = {
      {"a circle rescaled by 3e38 twice", [this] {
         AddCircle(3, 3, 1);
         SelectWindow(1.5, 1.5, 4.5, 4.5);
         for (int i = 0; i < 2; ++i) {
           DrawingDriver::Choose("mnuEditRescale");
           input_->ClickAt(3, 3);  // about the centre: the circle grows round the window
           for (const char* scale : {"300000000000000000000000000000000000000", "300000000000000000000000000000000000000"}) {
             input_->Type(scale);
             input_->Enter();
           }
         }
         ASSERT_NEAR(PX(ObjCount, 2) - PX(ObjCount, 1), 9e76, 1e70);
         ASSERT_EQ(PX(ObjCount, 1), 3);
       }},
      {"move point on an arc whose points coincide", [this] {
         AddObj(EntityArc, 4);
         for (int k = 0; k < 4; ++k) AddPnt(3, 3);
         RefreshDocView(doc_);
         DrawingDriver::Choose("mnuTrimsMP");
         input_->ClickAt(3, 3);
         input_->ClickAt(3, 3);
         input_->MoveTo(3.2, 3.1);
         input_->MoveTo(3.4, 3.3);
         input_->Escape();
       }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ShowAtScale(doc_, 48, 24);
    RefreshDocView(doc_);
    row.edit();
    EXPECT_TRUE(EqualsFreshRedraw());
    for (Long i = 1; i <= ObjCount; ++i) Objs[i].DwgNo = 0;
  }
}

}  // namespace
}  // namespace lintavo
