// The dot grid with its thinning and snap guard, and the rulers with their
// unit and decade, on an 800 by 600 pixel drawing area at 96 pixels per inch.
#include <QAction>
#include <QImage>
#include <QMdiSubWindow>
#include <cmath>

#include "model/MessageBar.h"
#include "model/SnapSettings.h"
#include "model/Units.h"
#include "support/DrawingDriver.h"
#include "view/Grids.h"
#include "view/DrawingWindowFixture.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

constexpr Long White = 0xFFFFFF;

class GridsTest : public DrawingWindowFixture {
 protected:
  void SetUp() override {
    DrawingWindowFixture::SetUp();
    QWidget* sub = doc_->parentWidget();
    sub->resize(sub->size() + QSize(800, 600) - doc_->size());
    SetZoom(1);
  }

  // Zoom factor z with the world origin in the bottom left corner.
  void SetZoom(Double z) {
    ActiveDoc = doc_;
    doc_->View_Scale = z;
    doc_->XVscale = doc_->YVscale = 96 * z;
    doc_->VbaseX = doc_->Vbasey = 0;
    UpdateWorldWindow();
    LoadViewCache();
  }

  // A white surface without a grid on it.
  void ClearArea() {
    doc_->BackColor = White;
    doc_->Cls();
    GridShown = 0;
  }

  Integer Bottom() const { return doc_->View_Maxy; }
  bool InkAt(int x, int viewY) const { return doc_->PixelAt(x, Bottom() - viewY) != White; }
  // Ink within a pixel of (x, viewY): the dots are two pixels wide.
  bool InkNear(int x, int viewY) const {
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        if (InkAt(x + dx, viewY + dy)) return true;
    return false;
  }
  int InkedPixels() const {
    int count = 0;
    for (int y = 0; y < doc_->Image().height(); ++y)
      for (int x = 0; x < doc_->Image().width(); ++x) count += doc_->PixelAt(x, y) != White;
    return count;
  }
  bool MenuChecked(const char* item) const { return main_->MenuItem(item)->isChecked(); }
  // A pixel within one of (x, viewY) in the ruler colour.
  bool RulerInkNear(int x, int viewY) const {
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        if (doc_->PixelAt(x + dx, Bottom() - viewY - dy) == RulerColor) return true;
    return false;
  }
};

TEST_F(GridsTest, TheGridIsThinnedAndGuardsTheGridSnap) {
  struct Case {
    Single grid;         // world units
    Double zoom;
    int step;            // pixels between dots; 0: nothing drawn
    const char* message;  // panel 2
    bool snapKept;
  };
  const Case cases[] = {
      {1.0F, 1, 96, "", true},
      {0.25F, 1, 24, "", true},
      {0.25F, 0.25, 24, "", true},  // 133 steps: every fourth position
      {2.0F, 1, 192, "Grid Too Large, Snap Disabled!", false},
      {10.0F, 1, 0, "Grid Too Large, Snap Disabled!", false},
      {0.0001F, 1, 0, "Grid Too Small to Show!", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "grid " << c.grid << " zoom " << c.zoom);
    SetZoom(c.zoom);
    ClearArea();
    ShowStatus("", 2);
    GridX = GridY = c.grid;
    GridSnap = FlagTrue;
    Integer show = FlagTrue;
    DrawGrid(show);
    EXPECT_EQ(MessagePanel(2), c.message);
    EXPECT_EQ(GridSnap != 0, c.snapKept);
    if (c.step == 0) {
      EXPECT_EQ(InkedPixels(), 0);
      continue;
    }
    for (int i = 1; i <= 3; ++i) {
      EXPECT_TRUE(InkNear(i * c.step, c.step)) << "dot " << i;
      EXPECT_FALSE(InkNear(i * c.step - c.step / 2, c.step)) << "between dots " << i;
      EXPECT_FALSE(InkNear(i * c.step, c.step + c.step / 2)) << "between rows " << i;
    }
  }
}

TEST_F(GridsTest, TheGridIsDrawnOnceAndRemovedAgain) {
  ClearArea();
  GridX = GridY = 1.0F;
  Integer show = FlagTrue;
  DrawGrid(show);
  const QImage once = doc_->Image().copy();
  DrawGrid(show);
  EXPECT_EQ(doc_->Image(), once);
  EXPECT_GT(InkedPixels(), 50);
  Integer hide = FlagFalse;
  DrawGrid(hide);
  EXPECT_EQ(InkedPixels(), 0);
  EXPECT_EQ(GridShown, 0);
}

TEST_F(GridsTest, GridDisplayShowsTheGridOnEveryRedrawUntilSwitchedOff) {
  GridX = GridY = 1.0F;
  main_->ShowOptionChecks();  // the check marks from the flags, as the option sets leave them
  DrawingDriver::Choose("mnuDisplayGrid");
  ASSERT_EQ(GridOn, FlagTrue);
  EXPECT_TRUE(MenuChecked("mnuDisplayGrid"));
  EXPECT_TRUE(InkNear(96, 96));
  DrawingDriver::Choose("mnuViewPanRight");  // the origin moves to x = 400: so does the grid
  EXPECT_FALSE(InkNear(96, 96));
  EXPECT_TRUE(InkNear(400 - 3 * 96, 96));
  EXPECT_TRUE(InkNear(400 + 96, 96));
  DrawingDriver::Choose("mnuDisplayGrid");
  EXPECT_EQ(GridOn, 0);
  EXPECT_EQ(InkedPixels(), 0);
}

TEST_F(GridsTest, TheRulerTicksFollowTheDisplayUnitAndItsDecade) {
  struct Case {
    Integer metric, unit, autoScale;
    Double zoom;
    Double tick;   // display units per tick
    Double step;   // pixels per tick
    Integer unitAfter;
  };
  const Case cases[] = {
      {FlagTrue, 1, 0, 1, 10, 96 / 2.54, 1},       // millimetres: every 10 mm
      {FlagTrue, 2, 0, 1, 1, 96 / 2.54, 2},        // centimetres: every centimetre
      {FlagFalse, 1, 0, 1, 1, 96, 1},              // inches: every inch
      {FlagFalse, 1, FlagTrue, 0.4, 1, 460.8, 2},  // 20.8 inches across: feet and inches, every foot
      {FlagTrue, 1, 0, 0.01, 1000, 96 / 2.54, 1},  // 833 inches in millimetres: every metre
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "unit " << c.unit << " zoom " << c.zoom);
    SetZoom(c.zoom);
    MetricUnits = c.metric;
    AutoScale = c.autoScale;
    (c.metric ? MetricUnit : EnglishUnit) = c.unit;
    RulerSpacing spacing;
    ASSERT_TRUE(MeasureRulerSpacing(spacing));
    EXPECT_NEAR(spacing.TickValue, c.tick, 1e-9 * c.tick);
    EXPECT_NEAR(spacing.StepX, c.step, 1e-3);
    EXPECT_NEAR(spacing.StepY, c.step, 1e-3);
    EXPECT_EQ(c.metric ? MetricUnit : EnglishUnit, c.unitAfter);
  }
}

TEST_F(GridsTest, MillimetreRulersTickEveryTenMillimetresWithTheirCoordinates) {
  MetricUnits = FlagTrue;
  MetricUnit = 1;
  RulerSpacing spacing;
  ASSERT_TRUE(MeasureRulerSpacing(spacing));
  EXPECT_EQ(BottomRulerLabel(1, spacing.TickValue), "10");
  EXPECT_EQ(BottomRulerLabel(2, spacing.TickValue), "20");
  EXPECT_EQ(BottomRulerLabel(3, spacing.TickValue), "30");
  EXPECT_EQ(LeftRulerLabel(21, spacing.TickValue), "210");

  main_->ShowOptionChecks();
  DrawingDriver::Choose("mnuDisplayRuler");
  ASSERT_EQ(RulerOn, FlagTrue);
  EXPECT_TRUE(MenuChecked("mnuDisplayRuler"));
  // The bottom ruler's ticks rise 20 pixels at 37.8, 75.6 and 113.4 pixels;
  // between them only the band behind the rulers shows. The left ruler's likewise.
  for (const int x : {38, 76, 113}) EXPECT_TRUE(RulerInkNear(x, 5)) << x;
  for (const int x : {19, 57, 95}) EXPECT_FALSE(RulerInkNear(x, 5)) << x;
  for (const int y : {38, 76, 113}) EXPECT_TRUE(RulerInkNear(5, y)) << y;
  EXPECT_FALSE(RulerInkNear(5, 57));
  EXPECT_FALSE(InkNear(400, 300));  // nothing in the middle of the area

  DrawingDriver::Choose("mnuDisplayRuler");
  EXPECT_EQ(RulerOn, 0);
  EXPECT_EQ(InkedPixels(), 0);
}

// WCAG contrast ratio of two RGB Longs: 1 (same) to 21 (black on white).
double Contrast(Long a, Long b) {
  const auto luminance = [](Long c) {
    double sum = 0;
    const double weights[3] = {0.2126, 0.7152, 0.0722};  // red, green, blue
    for (int k = 0; k < 3; ++k) {
      const double v = ((c >> (8 * k)) & 0xFF) / 255.0;
      sum += weights[k] * (v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
    }
    return sum + 0.05;
  };
  const double la = luminance(a), lb = luminance(b);
  return la > lb ? la / lb : lb / la;
}

TEST_F(GridsTest, RulersStandOnABandTheyCanBeReadOnAndGoWhenDrawnAgain) {
  const struct {
    Long ruler;  // RulerColor, RGB Long
    Long band;   // what shows behind the ticks
  } cases[] = {{0x00FFFF, 0x202020},   // the yellow rulers start with, on a dark band
               {0x000000, 0xE0E0E0},   // a black ruler on a light one
               {0x00FF00, 0x202020}};  // green
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.ruler);
    ClearArea();
    RulerColor = c.ruler;
    Integer show = FlagTrue;
    DrawRulers(show);
    // Inches at 96 pixels: a tick of the bottom ruler at x 96 and the band between ticks.
    EXPECT_TRUE(RulerInkNear(96, 5));
    EXPECT_EQ(doc_->PixelAt(48, Bottom() - 5), c.band);
    EXPECT_EQ(doc_->PixelAt(5, Bottom() - 48), c.band);  // the left ruler's band
    EXPECT_GE(Contrast(c.ruler, c.band), 4.5);
    // Ticks and figures of the bottom ruler show the ruler colour itself: the
    // strip holds that and the band, nothing else.
    int rulerPixels = 0, otherPixels = 0;
    for (int x = 60; x < 380; ++x)
      for (int viewY = 1; viewY <= 32; ++viewY) {
        const Long pixel = doc_->PixelAt(x, Bottom() - viewY);
        rulerPixels += pixel == c.ruler;
        otherPixels += pixel != c.ruler && pixel != c.band;
      }
    EXPECT_GT(rulerPixels, 100);
    EXPECT_EQ(otherPixels, 0);
    EXPECT_EQ(doc_->PixelAt(400, Bottom() - 300), White);  // the drawing area stays clear
    DrawRulers(show);
    EXPECT_EQ(InkedPixels(), 0);  // drawn twice: every pixel back
  }
}

TEST_F(GridsTest, AnAreaWithoutWidthOrScaleGetsNoRulers) {
  RulerSpacing spacing;
  doc_->XVscale = 0;
  EXPECT_FALSE(MeasureRulerSpacing(spacing));
  SetZoom(1);
  doc_->View_Maxx = 5;  // narrower than one tick
  EXPECT_FALSE(MeasureRulerSpacing(spacing));
}

}  // namespace
}  // namespace lintavo
