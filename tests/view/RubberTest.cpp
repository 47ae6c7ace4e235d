// Rubber-band previews: the line-drawing preview by command and step, the
// window box, the centre line and the polygon box, drawn on a drawing window
// through its own mouse handlers, and removed again without a trace.
#include <QImage>
#include <cmath>
#include <vector>

#include "commands/LineDraw.h"
#include "platform/Colors.h"
#include "platform/Gdi.h"
#include "support/DrawingDriver.h"
#include "view/DisplayOptions.h"
#include "view/Rubber.h"
#include "view/SurfaceDraw.h"
#include "view/ViewFixture.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

struct Pixel {
  double x, y;  // device pixel
};

class RubberTest : public ViewFixture {
 protected:
  void SetUp() override {
    ViewFixture::SetUp();
    doc_ = Open(1);
    input_ = std::make_unique<DrawingDriver>(*doc_);
    // 48 pixels to the unit, the world origin at view pixel (24, 24).
    doc_->XVscale = doc_->YVscale = 48;
    doc_->View_Scale = 48 / PixelsPerUnit;
    doc_->VbaseX = doc_->Vbasey = 24;
    UpdateWorldWindow();
    LoadViewCache();
    // Many colours, so that a pixel put back wrongly shows.
    for (int y = 0; y < doc_->DeviceHeight(); ++y)
      for (int x = 0; x < doc_->DeviceWidth(); ++x)
        SetPixelV(doc_, x, y, RGB(x * 7, y * 5, (x + y) * 3));
    before_ = doc_->Image().copy();
  }

  // The device pixel of a world point.
  Pixel At(Double X, Double Y) const { return {24 + 48 * X, doc_->View_Maxy - (24 + 48 * Y)}; }

  std::vector<Pixel> Changed() const {
    std::vector<Pixel> changed;
    const QImage& now = doc_->Image();
    for (int y = 0; y < now.height(); ++y)
      for (int x = 0; x < now.width(); ++x)
        if (now.pixel(x, y) != before_.pixel(x, y)) changed.push_back({double(x), double(y)});
    return changed;
  }
  bool Unchanged() const { return doc_->Image() == before_; }
  Long BeforeAt(Pixel p) const { return FromPixel(before_.pixel(int(p.x), int(p.y))); }
  bool ChangedAt(Pixel p) const { return doc_->PixelAt(int(p.x), int(p.y)) != BeforeAt(p); }
  // A dotted outline has gaps: some pixel within a few of p changed.
  bool ChangedNear(Pixel p) const {
    for (const Pixel& c : Changed())
      if (std::hypot(c.x - p.x, c.y - p.y) <= 4) return true;
    return false;
  }

  static double DistanceToSegment(Pixel p, Pixel a, Pixel b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::fmax(0, std::fmin(1, t));
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
  }
  // Every changed pixel lies on one of the segments (within a pixel), and
  // each segment has changed pixels near its middle.
  void ExpectOnlySegments(const std::vector<std::pair<Pixel, Pixel>>& segments) const {
    const std::vector<Pixel> changed = Changed();
    ASSERT_FALSE(changed.empty());
    for (const Pixel& p : changed) {
      bool on = false;
      for (const auto& [a, b] : segments) on = on || DistanceToSegment(p, a, b) <= 1.0;
      EXPECT_TRUE(on) << "stray pixel at " << p.x << ", " << p.y;
    }
    for (const auto& [a, b] : segments) {
      const Pixel middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
      EXPECT_TRUE(ChangedNear(middle)) << "nothing drawn near " << middle.x << ", " << middle.y;
    }
  }

  static void StartLineCommand(Integer code) {
    LineDrawCommand = code;
    LineDrawActive = FlagTrue;
  }

  FixedDpiDocument* doc_ = nullptr;
  std::unique_ptr<DrawingDriver> input_;
  QImage before_;
};

// ---- Line-drawing preview ------------------------------------------------------------

TEST_F(RubberTest, ASingleLineShowsOneDottedLineFromTheFirstClickAndLeavesNothingBehind) {
  StartLineCommand(2);
  input_->ClickAt(1, 1);
  input_->MoveTo(5, 3);
  input_->MoveTo(6, 4);
  ExpectOnlySegments({{At(1, 1), At(6, 4)}});
  const double length = std::hypot(5 * 48.0, 3 * 48.0);
  const size_t count = Changed().size();
  EXPECT_LT(count, length);      // dotted: gaps between the dots
  EXPECT_GT(count, length / 4);
  EXPECT_EQ(RubberBusy, FlagTrue);

  input_->ClickAt(6, 4);
  EXPECT_TRUE(Unchanged());
  EXPECT_EQ(RubberBusy, FlagFalse);
}

TEST_F(RubberTest, NoPreviewWhileRubberBandingIsOffAndAPointPreviewDrawsNothing) {
  RubberBanding = FlagFalse;
  StartLineCommand(2);
  input_->ClickAt(1, 1);
  input_->MoveTo(5, 3);
  EXPECT_TRUE(Unchanged());

  RubberBanding = FlagTrue;
  ToolStep = 0;
  StartLineCommand(1);
  input_->ClickAt(1, 1);
  input_->MoveTo(5, 3);
  EXPECT_EQ(RubberBusy, FlagTrue);  // counts as shown ...
  input_->ClickAt(5, 3);            // ... and its erase draws nothing
  EXPECT_EQ(RubberBusy, FlagFalse);
  EXPECT_TRUE(Unchanged());
}

TEST_F(RubberTest, AReferenceLineRunsThroughTheAnchorAndVanishesOnIt) {
  StartLineCommand(5);
  input_->ClickAt(3, 3);
  input_->MoveTo(3, 3);
  EXPECT_TRUE(Unchanged());
  EXPECT_EQ(RubberBusy, FlagTrue);
  input_->MoveTo(4, 3.5);
  ExpectOnlySegments({{At(4, 3.5), At(2, 2.5)}});
  input_->ClickAt(4, 3.5);
  EXPECT_TRUE(Unchanged());
}

TEST_F(RubberTest, ARectangleByThreePointsOnAHorizontalBaseHasUprightSides) {
  StartLineCommand(7);
  input_->ClickAt(1, 1);
  input_->MoveTo(4, 1);
  input_->ClickAt(4, 1);
  input_->MoveTo(2.5, 3);
  EXPECT_FLOAT_EQ(RubberAnchorPts[4].X, 72);  // above the anchor ...
  EXPECT_FLOAT_EQ(RubberAnchorPts[3].X, 216);  // ... and above the second point
  EXPECT_FLOAT_EQ(RubberAnchorPts[3].Y, 168);
  ExpectOnlySegments({{At(4, 1), At(4, 3)}, {At(4, 3), At(1, 3)}, {At(1, 3), At(1, 1)}});
}

TEST_F(RubberTest, ATrapezoidShowsTheParallelogramOfTheCursorAndKeepsItsBaseAfterwards) {
  StartLineCommand(8);
  input_->ClickAt(1, 1);
  input_->MoveTo(3, 2);
  input_->ClickAt(3, 2);
  input_->MoveTo(5, 4);  // the fourth corner: (1, 1) + ((5, 4) - (3, 2)) = (3, 3)
  ExpectOnlySegments({{At(3, 2), At(5, 4)}, {At(5, 4), At(3, 3)}, {At(3, 3), At(1, 1)}});
  input_->MoveTo(4, 5);
  input_->ClickAt(4, 5);
  // The sides are gone; the base the second click took stays drawn.
  ExpectOnlySegments({{At(1, 1), At(3, 2)}});
}

TEST_F(RubberTest, ACircleByTwoPointsHasTheClickAndTheCursorAsDiameter) {
  StartLineCommand(12);
  input_->ClickAt(2, 2);
  input_->MoveTo(4, 2);
  const Pixel centre = At(3, 2);
  for (const Pixel& p : Changed()) EXPECT_NEAR(std::hypot(p.x - centre.x, p.y - centre.y), 48, 1.0);
  EXPECT_TRUE(ChangedNear(At(3, 3)));  // the top of the circle ...
  EXPECT_TRUE(ChangedNear(At(2, 2)));  // ... and the first click
  input_->ClickAt(4, 2);
  EXPECT_TRUE(Unchanged());
}

TEST_F(RubberTest, EscAndACommandChangeEraseThePreviewByTheCommandItWasDrawnFor) {
  StartLineCommand(6);
  input_->ClickAt(1, 1);
  input_->MoveTo(4, 3);
  EXPECT_FALSE(Unchanged());
  LineDrawCommand = 2;  // the rectangle on the screen still goes as a rectangle
  input_->ClickAt(4, 3);
  EXPECT_TRUE(Unchanged());

  ToolStep = 0;
  input_->ClickAt(1, 1);
  input_->MoveTo(4, 3);
  input_->Escape();
  EXPECT_TRUE(Unchanged());
  EXPECT_EQ(RubberBusy, FlagFalse);
}

TEST_F(RubberTest, ACommandCancelledAtItsFirstStepLeavesNoCircleOfTheNextBehind) {
  StartLineCommand(13);  // changes shape at step 2: marks the step-1 start
  input_->ClickAt(1, 1);
  input_->MoveTo(2, 2);
  input_->Escape();
  StartLineCommand(11);
  input_->ClickAt(3, 3);
  input_->MoveTo(4, 3);
  input_->MoveTo(4.5, 3);
  input_->ClickAt(4.5, 3);
  EXPECT_TRUE(Unchanged());
}

TEST_F(RubberTest, CancellingAfterTheWindowWentErasesNothing) {
  StartLineCommand(2);
  input_->ClickAt(1, 1);
  input_->MoveTo(5, 3);
  ActiveDoc = nullptr;  // as when the drawing window was closed meanwhile
  CancelTools();
  EXPECT_EQ(RubberBusy, FlagFalse);
}

// The preview of every line-drawing code at each of its first three steps:
// once its one-time work at a step is done (a shape change marked at step 1,
// a base restored by the first erase of step 2, points shifted along for a
// new curve segment), drawing it and erasing it leaves the picture as it
// was, however often the cursor moved in between. The draw and the erase
// are two switches kept in step by hand: a code drawn one way and erased
// another leaves pixels here.
TEST_F(RubberTest, EveryCodeAndStepErasesExactlyWhatItDrew) {
  const WorldXY clicks[] = {{1, 1}, {4, 1.5}, {3, 4}};
  const WorldXY cursors[] = {{5, 3}, {2, 5}, {4.5, 4.2}, {1.5, 3.3}};
  for (Integer code = DrawSingleCode; code <= LineDrawCodeCount; ++code) {
    for (int steps = 1; steps <= 3; ++steps) {
      SCOPED_TRACE("code " + std::to_string(code) + ", step " + std::to_string(steps));
      input_->Escape();
      ToolStep = 0;
      StartLineCommand(code);
      for (int k = 0; k < steps; ++k) {
        input_->MoveTo(clicks[k].X, clicks[k].Y);
        input_->ClickAt(clicks[k].X, clicks[k].Y);
      }
      input_->MoveTo(cursors[0].X, cursors[0].Y);
      input_->MoveTo(cursors[1].X, cursors[1].Y);
      EraseRubber();
      const QImage settled = doc_->Image().copy();
      input_->MoveTo(cursors[2].X, cursors[2].Y);
      EXPECT_FALSE(doc_->Image() == settled) << "the preview shows";
      EraseRubber();
      EXPECT_TRUE(doc_->Image() == settled) << "one preview drawn and erased";
      input_->MoveTo(cursors[3].X, cursors[3].Y);
      input_->MoveTo(cursors[0].X, cursors[0].Y);
      EraseRubber();
      EXPECT_TRUE(doc_->Image() == settled) << "a preview moved, then erased";
    }
  }
}

// ---- Window box, centre line and polygon box -----------------------------------------

TEST_F(RubberTest, TheWindowBoxFollowsTheCursorAndTheClickRemovesIt) {
  input_->ClickAt(1, 1);
  RubberWindowOn = FlagTrue;
  input_->MoveTo(3, 2);
  input_->MoveTo(4, 3);
  const Pixel a = At(1, 1), b = At(4, 3);
  // The box covers the corners' columns and rows up to the pixel before the far ones.
  const Pixel ll{a.x, a.y - 1}, lr{b.x - 1, a.y - 1}, ur{b.x - 1, b.y}, ul{a.x, b.y};
  ExpectOnlySegments({{ll, lr}, {lr, ur}, {ur, ul}, {ul, ll}});
  EXPECT_EQ(RubberShown, FlagTrue);
  input_->ClickAt(4, 3);
  EXPECT_TRUE(Unchanged());
  EXPECT_EQ(RubberShown, FlagFalse);
}

TEST_F(RubberTest, TheCentreLineTurnsAboutTheFirstPoint) {
  input_->ClickAt(3, 3);
  RubberCentreOn = FlagTrue;
  input_->MoveTo(4, 3.5);
  input_->MoveTo(5, 3);
  ExpectOnlySegments({{At(5, 3), At(1, 3)}});
}

TEST_F(RubberTest, ThePolygonBoxStartsAtTheSecondVertexAndFillsEachPixelOnce) {
  ShowFills = FlagTrue;
  RubberPolygonOn = FlagTrue;
  input_->ClickAt(1, 1);
  input_->MoveTo(2, 3);
  EXPECT_TRUE(Unchanged());
  input_->ClickAt(4, 1);
  input_->MoveTo(3, 4);
  EXPECT_TRUE(ChangedAt(At(8.0 / 3, 2)));  // inside the triangle
  EXPECT_FALSE(ChangedAt(At(6, 4)));
  input_->ClickAt(3, 4);
  input_->MoveTo(1, 4);
  for (const Pixel& inside : {At(8.0 / 3, 2), At(1.5, 3.5)})
    EXPECT_EQ(doc_->PixelAt(int(inside.x), int(inside.y)), BeforeAt(inside) ^ ColorGreen);
  // Drawing the last polygon once more leaves the picture as it was: no
  // earlier step left anything behind.
  SetForeColor(ColorGreen);
  SetDrawMode(vbXorPen);
  SetDrawStyle(2);
  RubberPolygon(vbFSSolid, ColorGreen, 4);
  EXPECT_TRUE(Unchanged());
}

}  // namespace
}  // namespace lintavo
