// Rubber-band previews: the line-drawing preview by command and step, the
// window box, the centre line and the polygon box, drawn on a drawing window
// through its own mouse handlers, and removed again without a trace.
#include <QImage>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "commands/EditFixture.h"
#include "commands/LineDraw.h"
#include "model/LineDrawCodes.h"
#include "model/Units.h"
#include "platform/Colors.h"
#include "platform/Gdi.h"
#include "support/DrawingDriver.h"
#include "view/DisplayOptions.h"
#include "view/Grids.h"
#include "view/Rubber.h"
#include "view/RubberShapes.h"
#include "view/SurfaceDraw.h"
#include "view/DrawingWindowFixture.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

struct Pixel {
  double x, y;  // device pixel
};

class RubberTest : public DrawingWindowFixture {
 protected:
  void SetUp() override {
    DrawingWindowFixture::SetUp();
    // 48 pixels to the unit, the world origin at view pixel (24, 24).
    ShowAtScale(doc_, 48, 24);
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
  // Some pixels changed, and every changed pixel lies on one of the
  // segments (within a pixel).
  void ExpectChangesOnlyOn(const std::vector<std::pair<Pixel, Pixel>>& segments) const {
    const std::vector<Pixel> changed = Changed();
    ASSERT_FALSE(changed.empty());
    for (const Pixel& p : changed) {
      bool on = false;
      for (const auto& [a, b] : segments) on = on || DistanceToSegment(p, a, b) <= 1.0;
      EXPECT_TRUE(on) << "stray pixel at " << p.x << ", " << p.y;
    }
  }
  // That, and each segment has changed pixels near its middle.
  void ExpectOnlySegments(const std::vector<std::pair<Pixel, Pixel>>& segments) const {
    ExpectChangesOnlyOn(segments);
    for (const auto& [a, b] : segments) {
      const Pixel middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
      EXPECT_TRUE(ChangedNear(middle)) << "nothing drawn near " << middle.x << ", " << middle.y;
    }
  }

  static void StartLineCommand(Integer code) {
    LineDrawCommand = code;
    LineDrawActive = FlagTrue;
  }

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

// ---- Curve and arc shapes -------------------------------------------------------------

TEST_F(RubberTest, TheRegularPolygonHasOneSidePerAngleBetweenTheFirstVertexAndTheCursor) {
  const double pi = std::acos(-1.0);
  for (const int degrees : {120, 90, 72, 60, 45}) {
    SCOPED_TRACE(std::to_string(degrees) + " degrees");
    input_->Escape();
    ToolStep = 0;
    StartLineCommand(DrawRegularPolygonCode);
    input_->ClickAt(3.5, 2.75);  // the centre
    input_->MoveTo(5.5, 2.75);
    input_->ClickAt(5.5, 2.75);  // the first vertex, 96 pixels away
    const double a = degrees * pi / 180;
    input_->MoveTo(3.5 + 2 * std::cos(a), 2.75 + 2 * std::sin(a));
    const int sides = 360 / degrees;
    std::vector<std::pair<Pixel, Pixel>> edges;
    for (int k = 0; k < sides; ++k) {
      const double b = k * 2 * pi / sides, c = (k + 1) * 2 * pi / sides;
      edges.push_back({At(3.5 + 2 * std::cos(b), 2.75 + 2 * std::sin(b)),
                       At(3.5 + 2 * std::cos(c), 2.75 + 2 * std::sin(c))});
    }
    ExpectOnlySegments(edges);
    EraseRubber();
    EXPECT_TRUE(Unchanged());
  }
}

// The pen the line-drawing previews draw with, for calling a shape directly.
void SetPreviewPen() {
  SetForeColor(RubberColor);
  SetDrawMode(vbXorPen);
  SetDrawStyle(2);
  SetDrawWidth(1);
}

TEST_F(RubberTest, ARegularPolygonOfTooManySidesForSixteenBitsShowsItsCircleOnly) {
  SetPreviewPen();
  RubberAnchorPts[0] = {200, 150};
  RubberAnchorPts[2] = {296, 150};
  RubberAnchorPts[3] = {296, 150.0001F};  // a millionth of a radian round
  RubberRegularPolygon();
  EXPECT_FALSE(Unchanged());
  EXPECT_FLOAT_EQ(RubberRadius, 96);
  RubberCentreCircle();  // the same circle: the two cancel
  EXPECT_TRUE(Unchanged());
}

TEST_F(RubberTest, TheCentreArcIsASectorOutlineEvenFromTheZeroDirection) {
  StartLineCommand(DrawArcCentreCode);
  input_->ClickAt(3, 2.5);
  input_->MoveTo(5, 2.5);
  input_->ClickAt(5, 2.5);  // the start, straight right of the centre
  input_->MoveTo(5, 2.5 + 1.0 / 48);  // leaving it counterclockwise
  input_->MoveTo(3, 4.5);
  EXPECT_EQ(ArcSweepReversed, FlagTrue);
  EXPECT_FLOAT_EQ(RubberArcStart, 0);
  EXPECT_NEAR(RubberArcSweep, std::acos(-1.0) / 4, 1e-5);
  EXPECT_TRUE(ChangedNear(At(4, 2.5)));  // both radii ...
  EXPECT_TRUE(ChangedNear(At(3, 3.5)));
  EXPECT_TRUE(ChangedNear(At(3 + 2 / std::sqrt(2.0), 2.5 + 2 / std::sqrt(2.0))));  // ... and the arc between
  EXPECT_FALSE(ChangedNear(At(1, 2.5)));  // not the long way round
  input_->ClickAt(3, 4.5);
  EXPECT_TRUE(Unchanged());
}

TEST_F(RubberTest, AThreePointArcRunsCounterclockwiseBetweenItsEndsThroughItsMiddle) {
  struct Case {
    Single start, middle, end;     // angles of R1, R2, R3 about R0
    Single arcStart, arcEnd;       // the arc drawn
  };
  const Case cases[] = {{1.0F, 2.0F, 3.0F, 1.0F, 3.0F}, {3.0F, 2.0F, 1.0F, 1.0F, 3.0F}, {0.5F, 3.0F, 1.0F, 1.0F, 0.5F}};
  SetPreviewPen();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.start) + " " + std::to_string(c.middle) + " " + std::to_string(c.end));
    const auto onCircle = [](Single angle) { return RubberPoint{200 + 100 * std::cos(angle), 150 + 100 * std::sin(angle)}; };
    RubberAnchorPts[0] = {200, 150};
    RubberAnchorPts[1] = onCircle(c.start);
    RubberAnchorPts[2] = onCircle(c.middle);
    RubberAnchorPts[3] = onCircle(c.end);
    RubberArcThreePoints();
    EXPECT_NEAR(RubberArcStart, c.arcStart, 1e-5);
    EXPECT_NEAR(RubberArcEnd, c.arcEnd, 1e-5);
    EXPECT_FLOAT_EQ(RubberRadius, 100);
    EXPECT_FALSE(Unchanged());
    RubberArcThreePoints();
    EXPECT_TRUE(Unchanged());
  }
}

TEST_F(RubberTest, ABoxEllipseTwiceAsWideAsHighHasHalfTheWidthAsRadiusAndAspectOneHalf) {
  StartLineCommand(DrawEllipse2Code);
  input_->ClickAt(1, 1);
  input_->MoveTo(5, 3);
  EXPECT_FLOAT_EQ(RubberRadius, 96);
  EXPECT_FLOAT_EQ(RubberAspect, 0.5F);
  EXPECT_FLOAT_EQ(RubberRadiusX, 96);
  EXPECT_FLOAT_EQ(RubberRadiusY, 48);
  const Pixel centre = At(3, 2);
  ASSERT_FALSE(Changed().empty());
  for (const Pixel& p : Changed()) {
    const double u = (p.x - centre.x) / 96, v = (p.y - centre.y) / 48;
    EXPECT_NEAR(std::hypot(u, v), 1, 0.05) << p.x << ", " << p.y;
  }
  EXPECT_TRUE(ChangedNear(At(3, 3)));  // its top and its left end
  EXPECT_TRUE(ChangedNear(At(1, 2)));
}

TEST_F(RubberTest, AnAxisEllipseIsSixtyThreeChordsWhateverItsSize) {
  SetPreviewPen();
  // A small ellipse and one so large that a chord lies two pixels inside
  // the true curve where it crosses the window.
  struct Case {
    RubberPoint centre;
    Single a, b;  // half axes, pixels; the first axis along x
  };
  for (const Case& c : {Case{{200, 150}, 40, 25}, Case{{200, -1850}, 2000, 2000}}) {
    SCOPED_TRACE(std::to_string(c.a));
    RubberAnchorPts[0] = c.centre;
    RubberAnchorPts[1] = {c.centre.X - c.a, c.centre.Y};
    RubberAnchorPts[2] = {c.centre.X + c.a, c.centre.Y};
    RubberAnchorPts[3] = {c.centre.X, c.centre.Y + c.b};
    RubberAxisEllipse();
    const auto device = [this](Single x, Single y) { return Pixel{x, doc_->View_Maxy - y}; };
    // The second half axis, then the chords at every tenth of a radian up to 6.3.
    std::vector<std::pair<Pixel, Pixel>> lines = {{device(c.centre.X, c.centre.Y), device(c.centre.X, c.centre.Y + c.b)}};
    Single t = 0;
    int chords = 0;
    do {
      const Single next = t + 0.1F;
      lines.push_back({device(c.centre.X + c.a * std::cos(t), c.centre.Y + c.b * std::sin(t)),
                       device(c.centre.X + c.a * std::cos(next), c.centre.Y + c.b * std::sin(next))});
      t = next;
      ++chords;
    } while (t < 6.2831855F);
    EXPECT_EQ(chords, 63);
    ExpectChangesOnlyOn(lines);  // on the chords
    RubberAxisEllipse();
    EXPECT_TRUE(Unchanged());
  }
}

TEST_F(RubberTest, TheEllipticalArcReadsOutTheDistanceToItsEndOnATallEllipse) {
  EnglishUnit = 1;  // inches to three places
  DecimalPlaces = 3;
  StartLineCommand(DrawEllipticalArcCode);
  input_->ClickAt(2, 0.5);
  input_->MoveTo(4, 5.5);
  input_->ClickAt(4, 5.5);  // 48 by 120 pixels about (3, 3)
  input_->MoveTo(3.5, 3.5);
  input_->ClickAt(3.5, 3.5);  // the start, 45 degrees round
  input_->MoveTo(2.5, 4.5);
  // The end's parametric angle: atan(tan(108.43 degrees) 48 / 120) + pi.
  const double end = std::atan(-3.0 * 0.4) + std::acos(-1.0);
  EXPECT_EQ(ArcSweepReversed, FlagTrue);
  EXPECT_NEAR(RubberArcEnd, end, 1e-5);
  EXPECT_EQ(MessagePanel(2), "Angle = 130");
  const String radius = MessagePanel(3);
  ASSERT_EQ(radius.rfind(" Radius = ", 0), 0u) << radius;
  const double expected = std::hypot(48 * std::cos(end), 120 * std::sin(end)) / 48;  // 2.024
  EXPECT_NEAR(std::stod(radius.substr(10)), expected, 0.006) << radius;
  input_->ClickAt(2.5, 4.5);
  EXPECT_TRUE(Unchanged());
}

TEST_F(RubberTest, ABezierSegmentLeavesItsStartAlongTheTangentTheLastOneLeftThere) {
  StartLineCommand(DrawContBezierCode);
  input_->ClickAt(1, 1);
  input_->MoveTo(3, 1);
  input_->ClickAt(3, 1);
  input_->MoveTo(4, 3);
  // The first segment leaves along its chord, a quarter of it from the start.
  EXPECT_FLOAT_EQ(RubberAnchorPts[5].X, 96);
  EXPECT_FLOAT_EQ(RubberAnchorPts[5].Y, 72);
  const RubberPoint outgoing = RubberAnchorPts[4];
  input_->ClickAt(4, 3);
  input_->MoveTo(5, 3.5);
  EXPECT_FLOAT_EQ(RubberAnchorPts[5].X, outgoing.X);
  EXPECT_FLOAT_EQ(RubberAnchorPts[5].Y, outgoing.Y);
  input_->ClickAt(5, 3.5);
  EXPECT_TRUE(Unchanged());
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
  // Each click stored as the points collector stores it: its boundary is
  // the entity the polygon box runs through.
  const auto clickVertex = [this](Double x, Double y) {
    input_->ClickAt(x, y);
    if (ToolStep == 1) {
      AddObj(EntityPolygon, 0);
      RubberPolygonEntity = ObjCount;
    }
    AddPnt(PickX, PickY);
    ++Objs[ObjCount].NPoints;
  };
  clickVertex(1, 1);
  input_->MoveTo(2, 3);
  EXPECT_TRUE(Unchanged());
  clickVertex(4, 1);
  input_->MoveTo(3, 4);
  EXPECT_TRUE(ChangedAt(At(8.0 / 3, 2)));  // inside the triangle
  EXPECT_FALSE(ChangedAt(At(6, 4)));
  clickVertex(3, 4);
  input_->MoveTo(1, 4);
  for (const Pixel& inside : {At(8.0 / 3, 2), At(1.5, 3.5)})
    EXPECT_EQ(doc_->PixelAt(int(inside.x), int(inside.y)), BeforeAt(inside) ^ ColorGreen);
  // Drawing the last polygon once more leaves the picture as it was: no
  // earlier step left anything behind.
  SetForeColor(ColorGreen);
  SetDrawMode(vbXorPen);
  SetDrawStyle(2);
  std::vector<GdiPoint> last;
  for (const Pixel& p : {At(1, 1), At(4, 1), At(3, 4), At(1, 4)}) last.push_back({Long(p.x), Long(p.y)});
  RubberPolygon(vbFSSolid, ColorGreen, last.data(), Long(last.size()));
  EXPECT_TRUE(Unchanged());
}

// ---- Previews under a snap ----------------------------------------------------------------

// Two windows of one size and view: the snapped commands run in the first,
// the same points clicked without the snap in the second.
class RubberSnapTest : public EditFixture {
 protected:
  // A click, the point the snap stores for it, and the moves that follow.
  struct Step {
    WorldXY click, stored;
    std::vector<WorldXY> moves;
  };
  struct Row {
    const char* command;
    const char* snap;                 // the snap's menu item
    std::function<void()> start;      // chooses the command
    const std::vector<Step>* steps;
    // The snap stays on for the clicks on the stored points, which it leaves
    // where they are: the tolerance snap draws its reach around the cursor.
    bool snapForBoth = false;
  };

  // Starts the command in window, clicks each step's point (its click
  // under the snap, else the point the snap stores) and moves on; the
  // pictures after every move. Esc ends the command.
  std::vector<QImage> Run(frmDocument* window, DrawingDriver& input, const Row& row, bool snapped) {
    std::vector<QImage> seen;
    row.start();
    for (const Step& step : *row.steps) {
      const WorldXY at = snapped ? step.click : step.stored;
      input.ClickAt(at.X, at.Y);
      for (const WorldXY& m : step.moves) {
        input.MoveTo(m.X, m.Y);
        seen.push_back(window->Image().copy());
      }
    }
    input.Escape();
    EXPECT_TRUE(EqualsFreshRedraw(window)) << (snapped ? "snapped" : "plain") << ", after Esc";
    return seen;
  }
};

// The previews start from the points the clicks stored and take off exactly
// what they drew: under grid snap with clicks off the grid, under the
// tolerance snap with clicks near stored points, and under ortho
// snap, which lines the moving cursor up with the click before the last but
// a click with the last, every move shows what the same moves show after
// clicks on the points stored without the snap.
TEST_F(RubberSnapTest, APreviewUnderASnapShowsWhatClicksOnThePointsStoredShowWithoutIt) {
  // Grid 0.25: the clicks lie 0.1 off the grid points they are stored at.
  const std::vector<Step> offGrid = {{{1.1, 0.9}, {1, 1}, {{3, 2}}},
                                     {{3.9, 1.1}, {4, 1}, {{5, 3}, {4.5, 4}}},
                                     {{4.1, 3.1}, {4, 3}, {{2, 4}, {1.5, 2.5}}},
                                     {{1.9, 4.1}, {2, 4}, {{3, 5}}}};
  // An elliptical arc: the box's corners, then the start of the arc.
  const std::vector<Step> arcOffGrid = {{{1.1, 0.9}, {1, 1}, {{3, 2}}},
                                        {{5.1, 4.1}, {5, 4}, {{4, 3.5}}},
                                        {{4.1, 3.4}, {4, 3.5}, {{2, 3.5}, {1.5, 2}}}};
  // Ortho: the moves lie on a line through the click before the last, the
  // only places where the cursor is where the plain pointer is; from the
  // third click on, the cursor of the click's own move is not the point
  // stored ((4.2, 1) for (4, 3.5), (1, 1) for (1, 3.5)).
  const std::vector<Step> ortho = {{{1, 1}, {1, 1}, {{3, 1}}},
                                   {{4, 1.2}, {4, 1}, {{1, 4}, {5, 1}}},
                                   {{4.2, 3.5}, {4, 3.5}, {{4, 5}, {6, 1}}},
                                   {{1, 3.2}, {1, 3.5}, {{4, 5}, {6, 3.5}}}};
  // Tolerance: clicks within reach of the corners the first row stored, the
  // moves beyond the reach of every point stored.
  const std::vector<Step> nearPoints = {{{1.03, 0.98}, {1, 1}, {{2.6, 2.2}}},
                                        {{3.97, 1.02}, {4, 1}, {{5.6, 1.7}, {4.6, 2.2}}},
                                        {{4.02, 2.97}, {4, 3}, {{2.6, 4.7}}}};
  const auto button = [](const char* key) { return [key] { DrawingDriver::PressButton(key); }; };
  const auto menu = [](const char* item) { return [item] { DrawingDriver::Choose(item); }; };
  const Row rows[] = {
      {"continuous line", "mnuControlsSnapsGrid", button("Line4"), &offGrid},
      {"irregular polygon", "mnuControlsSnapsGrid", button("Polygon2"), &offGrid},
      {"elliptical arc", "mnuControlsSnapsGrid", button("Arc4"), &arcOffGrid},
      {"Area by Points", "mnuControlsSnapsOrtho", menu("mnuViewAreasPoints"), &ortho},
      {"spline", "mnuControlsSnapsOrtho", button("Spline"), &ortho},
      {"continuous Bezier", "mnuControlsSnapsOrtho", button("Bezier2"), &ortho},
      {"continuous line near points", "mnuControlsSnapsTol", button("Line4"), &nearPoints, true},
  };
  GridOn = FlagTrue;  // the grid shows without grid snap too
  FixedDpiDocument* plain = Open(2, "Plain");
  ShowAtScale(plain, 48, 24);
  DrawingDriver plainInput(*plain);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.command);
    Activate(doc_);
    DrawingDriver::Choose(row.snap);
    ASSERT_TRUE(GridSnap || OrthoSnap || ToleranceSnap);
    const std::vector<QImage> snapped = Run(doc_, *input_, row, true);
    if (!row.snapForBoth) {
      DrawingDriver::Choose(row.snap);
      ASSERT_FALSE(GridSnap || OrthoSnap || ToleranceSnap);
    }
    Activate(plain);
    const std::vector<QImage> clickedPlain = Run(plain, plainInput, row, false);
    if (row.snapForBoth) DrawingDriver::Choose(row.snap);
    ASSERT_EQ(snapped.size(), clickedPlain.size());
    for (size_t n = 0; n < snapped.size(); ++n) EXPECT_TRUE(snapped[n] == clickedPlain[n]) << "move " << n + 1;
  }
}

}  // namespace
}  // namespace lintavo
