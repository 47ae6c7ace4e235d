// Dimensions built through the Insert menu and clicks: their values and
// letters, chains, the settings swap, Esc and the change of tool.
#include <QComboBox>
#include <QImage>
#include <QRadioButton>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <tuple>

#include "annotation/DimensionFixture.h"
#include "commands/Trims.h"
#include "model/LayerItems.h"
#include "model/SupportLists.h"
#include "model/UndoRedo.h"
#include "support/DialogKeys.h"
#include "view/DisplayOptions.h"
#include "windows/edit/frmLineType.h"

namespace lintavo {
namespace {

class DimensionTest : public DimensionFixture {
 protected:
  // Glyphs of font for those character codes, and the dimension letters drawn
  // with it half a unit wide and level.
  static void AddGlyphs(const char* font, std::initializer_list<const char*> codes) {
    DimFontName = font;
    for (const char* code : codes) {
      NewItemName = String(font) + "-" + code;
      AddItem(ItemGlyph);
    }
    DimTextWidth = 0.5F;
    DimTextAngle = 0;
  }
  // Any menu item, then the clicks.
  void Run(const char* menuItem, const std::vector<std::pair<Double, Double>>& clicks) {
    DrawingDriver::Choose(menuItem);
    input_->ClickEach(clicks);
  }
};

TEST_F(DimensionTest, AutomaticLetterAndArrowSize) {
  struct Case {
    const char* text;
    Double length;
    Single height, width, arrow, textLength;
  };
  const Case cases[] = {
      {"", 10, 0.5F, 0.375F, 0.5F, 0.0703125F},
      {"", 100, 2, 1.5F, 2, 1.125F},
      {"", 30, 2, 1.5F, 2, 1.125F},
      {"2.5", 10, 0.5F, 0.375F, 0.5F, 1.1953125F},
      {"90\xC2\xB0", 10, 0.5F, 0.375F, 0.5F, 1.1953125F},  // the degree sign is one character
  };
  for (const Case& c : cases) {
    DimText = c.text;
    SetDimensionLetterSize(c.length);
    EXPECT_FLOAT_EQ(DimTextHeight, c.height) << c.length;
    EXPECT_FLOAT_EQ(DimTextWidth, c.width) << c.length;
    EXPECT_FLOAT_EQ(DimArrowLength, c.arrow) << c.length;
    EXPECT_FLOAT_EQ(DimTextLength, c.textLength) << c.text;
  }
  // Metric units pick the display unit and size the letters by the same bands.
  MetricUnits = FlagTrue;
  DimTextHeight = 7;
  SetDimensionLetterSize(10);
  EXPECT_FLOAT_EQ(DimTextHeight, 0.5F);
  EXPECT_EQ(MetricUnit, 2);
}

TEST_F(DimensionTest, LinearValueByDirection) {
  struct Case {
    Integer direction;
    Double value;
  };
  for (const Case c : {Case{DimHorizontal, 3}, Case{DimVertical, 4}, Case{DimAligned, 5}}) {
    DimDirection = c.direction;
    const Long before = ObjCount;
    Dimension("mnuInsertLinearDim", {{0, 0}, {3, 4}, {4, 1}});
    EXPECT_DOUBLE_EQ(DimValue, c.value);
    EXPECT_EQ(Letters(before), FormatLength(c.value));
    for (Long i : NewObjs(before)) EXPECT_EQ(Items[Objs[i].LayerID].Name, "Dimension 1");
    EXPECT_FALSE(DimActive);
    EXPECT_EQ(ActiveTool, 0);
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

TEST_F(DimensionTest, LettersReadUprightAndOnlyTheSideOfTheLocationCounts) {
  struct Case {
    Double ex, ey;  // end point from (4, 2)
    Single angle;   // letter angle, degrees
    Integer flipped;
  };
  const Double a200 = 200 * Pi / 180;
  const Case cases[] = {
      {1, 2, 360, FlagFalse},
      {4 + 3 * std::cos(a200), 2 + 3 * std::sin(a200), 20, FlagTrue},
  };
  for (const Case& c : cases) {
    std::vector<std::pair<Double, Double>> first;
    for (Double far : {0.5, 2.5}) {  // two locations on the same side
      const Long before = ObjCount;
      Dimension("mnuInsertLinearDim", {{4, 2}, {c.ex, c.ey}, {2.5, 2 + far}});
      EXPECT_NEAR(DimTextAngle, c.angle, 0.5);
      EXPECT_EQ(DimTextFlipped, c.flipped);
      std::vector<std::pair<Double, Double>> points;
      for (Long i : NewObjs(before)) points.emplace_back(PX(i, 1), PY(i, 1));
      if (first.empty())
        first = points;
      else
        EXPECT_EQ(points, first);
    }
  }
}

TEST_F(DimensionTest, ArcThroughPointsInALineIsALine) {
  const Long before = ObjCount;
  AddDimensionArc(1, 1, 2, 2, 3, 3);
  const std::vector<Long> objs = NewObjs(before);
  ASSERT_EQ(objs.size(), 1U);
  EXPECT_EQ(Objs[objs[0]].Rtype, EntityLine);
  EXPECT_DOUBLE_EQ(PX(objs[0], 2), 3);
  AddDimensionArc(1, 1, 2, 1.5, 3, 1);
  EXPECT_EQ(Objs[ObjCount].Rtype, EntityArc);
}

TEST_F(DimensionTest, ZeroLengthBuildsNothing) {
  const Long before = ObjCount;
  DrawingDriver::Choose("mnuInsertLinearDim");
  EXPECT_EQ(MessagePanel(1), "Linear Dimension ");
  EXPECT_EQ(MessagePanel(2), "ENTER Starting Point > ");
  input_->ClickAt(1, 1);
  EXPECT_EQ(MessagePanel(2), "ENTER Ending Point > ");
  input_->ClickAt(1, 1);
  EXPECT_EQ(MessagePanel(2), "ENTER Location Of Dimension > ");
  input_->ClickAt(2, 2);
  EXPECT_TRUE(NewObjs(before).empty());
  EXPECT_FALSE(DimActive);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(DimensionTest, ChainsOfPartitionedAndCumulativeDimensions) {
  struct Case {
    Integer mode;
    Double second;
  };
  for (const Case c : {Case{DimPartitioned, 3}, Case{DimCumulative, 5}}) {
    DimMode = c.mode;
    const Long before = ObjCount;
    Dimension("mnuInsertLinearDim", {{0, 1}, {2, 1}, {1, 2}});
    EXPECT_EQ(Letters(before), FormatLength(2));
    const Single firstDistance = DimExtDistance;
    const Single H = DimTextHeight;
    const Long middle = ObjCount;
    input_->ClickAt(5, 1);
    EXPECT_EQ(MessagePanel(2), "ENTER NEXT Ending Point > ");
    EXPECT_EQ(Letters(middle), FormatLength(c.second));
    const Single step = c.mode == DimCumulative ? std::max(2 * H, DimExtAbove + DimExtBelow) : 0.0F;
    EXPECT_FLOAT_EQ(DimExtDistance, firstDistance + step);
    // Esc keeps the finished segments and draws them.
    input_->Escape();
    EXPECT_FALSE(DimActive);
    EXPECT_EQ(Letters(before), FormatLength(2) + FormatLength(c.second));
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

// Each segment of a chain is drawn when its click builds it: after every
// such click the window is what a fresh redraw shows, the new segment in it.
TEST_F(DimensionTest, EachSegmentOfAChainIsSeenAsItIsMade) {
  const Double cx = 3, cy = 2.5, r = 1.5;
  const auto onCircle = [&](Double degrees) {
    return std::pair{cx + r * std::cos(degrees * Pi / 180), cy + r * std::sin(degrees * Pi / 180)};
  };
  struct Row {
    const char* name;
    const char* menuItem;
    Integer mode;
    std::vector<std::pair<Double, Double>> before;    // clicks before the first segment is built
    std::vector<std::pair<Double, Double>> segments;  // each click builds one segment
  };
  const Row rows[] = {
      {"linear partitioned", "mnuInsertLinearDim", DimPartitioned, {{0, 0.5}, {2, 0.5}}, {{1, 0}, {4, 0.5}, {6, 0.5}}},
      {"linear cumulative", "mnuInsertLinearDim", DimCumulative, {{0, 5}, {2, 5}}, {{1, 5.5}, {4, 5}, {6, 5}}},
      {"angular partitioned", "mnuInsertAngularDim", DimPartitioned, {{cx + r, cy}, onCircle(10), onCircle(60)},
       {{cx, cy + 2.2}, onCircle(120), onCircle(170)}},
      {"angular cumulative", "mnuInsertAngularDim", DimCumulative, {{cx - r, cy}, onCircle(200), onCircle(240)},
       {{cx, cy - 2}, onCircle(280), onCircle(320)}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    DimMode = row.mode;
    const Long circle = AddCircle(cx, cy, r);
    RefreshDocView(doc_);
    Dimension(row.menuItem, {});
    input_->ClickEach(row.before);
    for (const auto& [x, y] : row.segments) {
      const Long built = ObjCount;
      input_->ClickAt(x, y);
      EXPECT_TRUE(DimActive);
      EXPECT_FALSE(Letters(built).empty()) << "a segment is built at " << x << ", " << y;
      EXPECT_TRUE(EqualsFreshRedraw()) << "the segment built at " << x << ", " << y << " shows";
    }
    input_->Escape();
    EXPECT_TRUE(EqualsFreshRedraw());
    EraseObj(circle);
  }
}

// In View Top Layer only the current layer may be picked. The dimension
// commands that pick a circle or an arc make their own layer current, and
// still find what lies on the layer the user works on; the layer goes back
// when they end, and the window shows what that layer mode shows.
TEST_F(DimensionTest, DimensionsPickTheCircleOrArcOfTheTopLayerInViewTopLayer) {
  const Long circle = AddCircle(2, 2.5, 1);
  const Long arc = AddArc(5.5, 2.5, 1, 0, 45, 90);
  RefreshDocView(doc_);
  const Long layer = doc_->Current_Layer;
  ASSERT_EQ(Objs[circle].LayerID, layer);
  ASSERT_EQ(Objs[arc].LayerID, layer);
  DrawingDriver::PressButton("ViewLayers");
  ASSERT_EQ(doc_->View_Layers, FlagFalse);
  // The letters of a value as Letters reads them back: one character code each.
  const auto letters = [](const String& value) {
    String codes;
    for (unsigned c : DimTextCodes(value)) codes += static_cast<char>(c);
    return codes;
  };
  Single quarterTurn = static_cast<Single>(Pi / 2);
  const String ninety = letters(FormatAngleValue(quarterTurn));
  struct Row {
    const char* menuItem;
    std::vector<std::pair<Double, Double>> clicks;  // the pick first
    String letters;
  };
  const Row rows[] = {
      {"mnuInsertAngularDim", {{3, 2.5}, {3, 2.5}, {2, 3.5}, {3, 4}}, ninety},
      {"mnuInsertRadiusDim", {{1, 2.5}, {0, 2.5}}, "r" + FormatLength(1)},
      {"mnuInsertArcDim", {{5.5 + std::sqrt(0.5), 2.5 + std::sqrt(0.5)}, {7, 4}}, ninety},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.menuItem);
    const Long before = ObjCount;
    DrawingDriver::Choose(row.menuItem);
    input_->ClickAt(row.clicks[0].first, row.clicks[0].second);
    EXPECT_EQ(MessagePanel(3), "");
    input_->ClickEach({row.clicks.begin() + 1, row.clicks.end()});
    EXPECT_EQ(Letters(before), row.letters);
    EXPECT_FALSE(DimActive);
    EXPECT_EQ(doc_->Current_Layer, layer);
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

// In View Top Layer a dimension waiting for its clicks shows the layer the
// user works on beside its own: redrawn while it waits (the Redraw button,
// or View All released), the window still shows the circle to be picked.
// However the command ends (its last click, Esc, another command), the
// window then shows what a fresh redraw shows: the dimension layer, with
// the dimensions built before on it, hidden again.
TEST_F(DimensionTest, AWaitingDimensionShowsTheTopLayerItPicksOnInViewTopLayer) {
  const Double cx = 2, cy = 2.5, r = 1;
  AddCircle(cx, cy, r);
  RefreshDocView(doc_);
  const Long layer = doc_->Current_Layer;
  DrawingDriver::PressButton("ViewLayers");
  ASSERT_EQ(doc_->View_Layers, FlagFalse);
  // Pixels of ink within two pixels of the circle's rim on the window.
  const auto rimInk = [&] {
    const QImage& image = doc_->Image();
    const QPointF centre = input_->PositionOf(cx, cy);
    const Double radius = r * doc_->XVscale;
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const bool onRim = std::abs(std::hypot(x - centre.x(), y - centre.y()) - radius) <= 2;
        ink += onRim && image.pixel(x, y) != image.pixel(0, 0);
      }
    return ink;
  };
  const int rimShown = rimInk();
  ASSERT_GT(rimShown, 250);
  struct Row {
    const char* name;
    const char* menuItem;
    std::vector<std::pair<Double, Double>> before;  // clicks before the redraw
    bool viewAllReleased;  // the redraw: Enter, then View All (switched on before the command) released; else Redraw
    std::vector<std::pair<Double, Double>> after;  // clicks after it: the pick on the circle and the rest
    std::function<void()> end;                     // how it ends; nullptr: its last click
    bool built;                                    // a dimension with letters is built
  };
  const Row rows[] = {
      {"Radius", "mnuInsertRadiusDim", {}, false, {{1, 2.5}, {0, 2.5}}, nullptr, true},
      {"Angular", "mnuInsertAngularDim", {}, false, {{3, 2.5}, {3, 2.5}, {2, 3.5}, {3, 4}}, nullptr, true},
      {"Leader, one click, Enter, then Esc", "mnuInsertLeaderDim", {{5, 1}}, true, {},
       [this] { input_->Escape(); }, false},
      {"Radius, then another command", "mnuInsertRadiusDim", {}, false, {},
       [] { DrawingDriver::Choose("mnuInsertText"); }, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const Long before = ObjCount;
    if (row.viewAllReleased) DrawingDriver::PressButton("ViewLayers");
    DrawingDriver::Choose(row.menuItem);
    input_->ClickEach(row.before);
    if (row.viewAllReleased) {
      input_->Enter();
      DrawingDriver::PressButton("ViewLayers");
      ASSERT_EQ(doc_->View_Layers, FlagFalse);
    } else {
      DrawingDriver::PressButton("Redraw");
    }
    ASSERT_TRUE(DimActive);
    EXPECT_GE(rimInk(), rimShown) << "the circle on the user's layer shows while the dimension waits";
    input_->ClickEach(row.after);
    if (row.end) row.end();
    EXPECT_FALSE(DimActive);
    EXPECT_EQ(!Letters(before).empty(), row.built);
    EXPECT_EQ(doc_->Current_Layer, layer);
    EXPECT_TRUE(EqualsFreshRedraw());
    input_->Escape();  // the other command, where one was chosen
  }
}

// A dimension started in View Top Layer, with an earlier dimension on its
// layer, shows from its start what a redraw shows while it waits: the
// dimension layer beside the user's; the layer panel names the dimension
// layer throughout the wait; Esc shows the user's layer alone again.
TEST_F(DimensionTest, ADimensionStartedInViewTopLayerShowsWhatARedrawShows) {
  AddCircle(2, 2.5, 1);
  RefreshDocView(doc_);
  Dimension("mnuInsertRadiusDim", {{3, 2.5}, {4.5, 4}});  // on the dimension layer, shown with View All
  ASSERT_FALSE(DimActive);
  const Long layer = doc_->Current_Layer;
  DrawingDriver::PressButton("ViewLayers");
  ASSERT_EQ(doc_->View_Layers, FlagFalse);
  const QImage topLayerAlone = doc_->Image().copy();
  for (const char* item : {"mnuInsertAngularDim", "mnuInsertLeaderDim", "mnuInsertRadiusDim"}) {
    SCOPED_TRACE(item);
    DrawingDriver::Choose(item);
    ASSERT_TRUE(DimActive);
    ASSERT_NE(doc_->Current_Layer, layer);
    const String panel = StatusPanel(2);
    EXPECT_EQ(panel, Items[doc_->Current_Layer].Name);
    EXPECT_FALSE(doc_->Image() == topLayerAlone) << "the dimension layer shows";
    EXPECT_TRUE(EqualsFreshRedraw());
    EXPECT_EQ(StatusPanel(2), panel);
    input_->Escape();
    EXPECT_EQ(doc_->Current_Layer, layer);
    EXPECT_TRUE(doc_->Image() == topLayerAlone);
  }
}

TEST_F(DimensionTest, AngularSweepsCounterClockwiseAndWritesTheDegreeSign) {
  const Double cx = 3, cy = 3, r = 2;
  AddCircle(cx, cy, r);
  RefreshDocView(doc_);
  const Long before = ObjCount;
  const Double a = 10 * Pi / 180;
  Dimension("mnuInsertAngularDim", {{cx - r, cy}});
  EXPECT_EQ(MessagePanel(2), "ENTER First Point on Radius");
  input_->ClickAt(cx + r * std::cos(a), cy + r * std::sin(a));
  input_->ClickAt(cx + r * std::cos(-a), cy + r * std::sin(-a));
  input_->ClickAt(cx, cy + 2.5);
  // 340 degrees, to the pixels the clicks fell on, and the degree sign of the
  // program's own font after the number.
  const String letters = Letters(before);
  EXPECT_NEAR(std::stod(letters), 340, 0.5);
  EXPECT_EQ(letters.back(), '\xB0');
  EXPECT_FALSE(DimActive);
  EXPECT_TRUE(EqualsFreshRedraw());
}

// Counter-clockwise turn from angle From to angle To, in [0, 2 pi).
Double Turn(Double From, Double To) {
  const Double turn = std::fmod(To - From, 2 * Pi);
  return turn < 0 ? turn + 2 * Pi : turn;
}

TEST_F(DimensionTest, AngularArcsStayOnTheMeasuredSide) {
  struct Case {
    Double from, to;  // radius points, degrees
    Double radius;
    Single letters;   // fixed letter height, 0 for automatic
    int arcs;         // two beside a text gap, one without
  };
  // Tall letters on a right angle leave a text gap wider than half the sweep;
  // the reflex angle and the large circle leave a narrow one; the small angle none.
  const Case cases[] = {
      {0, 90, 1, 0.4F, 2}, {90, 0, 1, 0.4F, 2}, {0, 90, 3, 0, 2}, {30, 50, 1, 0.4F, 1}};
  Double cx = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.radius);
    DimFixedLetterHeight = c.letters > 0 ? FlagTrue : FlagFalse;
    DimLetterHeight = c.letters;
    DimLetterWidth = 0.75F * c.letters;
    const Double cy = 4;
    cx += 2 * c.radius + 2;
    AddCircle(cx, cy, c.radius);
    RefreshDocView(doc_);
    const Long before = ObjCount;
    const auto onCircle = [&](Double deg) {
      return std::pair{cx + c.radius * std::cos(deg * Pi / 180), cy + c.radius * std::sin(deg * Pi / 180)};
    };
    const auto [fx, fy] = onCircle(c.from);
    const auto [ex, ey] = onCircle(c.to);
    Dimension("mnuInsertAngularDim", {{fx, fy}, {fx, fy}, {ex, ey}, {cx + c.radius, cy + c.radius}});
    ASSERT_FALSE(DimActive);
    // The builder keeps its angles in single precision: the measured angle
    // is widened by a little on each side.
    const Double slack = 1e-5;
    const Double a1 = std::atan2(DimS.Y - cy, DimS.X - cx) - slack;
    const Double sweep = Turn(a1, std::atan2(DimE.Y - cy, DimE.X - cx)) + slack;
    int arcs = 0;
    for (Long i : NewObjs(before)) {
      if (Objs[i].Rtype != EntityArc) continue;
      ++arcs;
      Double at[3];  // first, middle and last point, turned from the first radius point
      for (int k = 0; k < 3; ++k) at[k] = Turn(a1, std::atan2(PY(i, k + 2) - cy, PX(i, k + 2) - cx));
      // The arc runs counter-clockwise from its first point through its middle to its last...
      EXPECT_LT(at[0], at[1]);
      EXPECT_LT(at[1], at[2]);
      // ...inside the measured angle.
      EXPECT_LE(at[2], sweep);
    }
    EXPECT_EQ(arcs, c.arcs);
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

TEST_F(DimensionTest, SmallRadiusKeepsItsLettersAndArrowhead) {
  struct Case {
    Double radius;
    Single height;  // a tenth (a twentieth from 1) of the radius, to its first significant digit
  };
  // Each height rounds to 0 at the decimals of its length band.
  const Case cases[] = {{0.5, 0.05F}, {0.3, 0.03F}, {0.03, 0.003F}, {1, 0.05F}};
  Double cx = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.radius);
    cx += 2.5;
    AddCircle(cx, 2, c.radius);
    RefreshDocView(doc_);
    const Long before = ObjCount;
    Dimension("mnuInsertRadiusDim", {{cx + c.radius, 2}, {cx + c.radius / 2, 2}});  // located inside
    EXPECT_EQ(Letters(before), "r" + FormatLength(c.radius));
    const std::vector<Long> objs = NewObjs(before);
    ASSERT_GE(objs.size(), 5U);  // leg, tail, two arrow legs, letters
    EXPECT_FLOAT_EQ(Length(objs[2]), c.height);  // a Medium arrowhead is one letter high
    EXPECT_FLOAT_EQ(Length(objs[3]), c.height);
    for (size_t k = 4; k < objs.size(); ++k) {
      EXPECT_FLOAT_EQ(PY(objs[k], 2), c.height);
      EXPECT_FLOAT_EQ(PX(objs[k], 2), 0.75F * c.height);
    }
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

TEST_F(DimensionTest, WrongPicksAskAgain) {
  AddLine(1, 1, 3, 1);
  RefreshDocView(doc_);
  Dimension("mnuInsertRadiusDim", {{5, 5}});
  EXPECT_EQ(MessagePanel(3), "Line NOT Found, Try Again");
  input_->ClickAt(2, 1);
  EXPECT_EQ(MessagePanel(3), "Line NOT Circle or Arc, Try Again");
  EXPECT_EQ(ToolStep, 0);
  input_->Escape();
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(DimensionTest, RadiusLegTailAndText) {
  struct Case {
    Integer fixed;
    Double leg;
  };
  for (const Case c : {Case{FlagFalse, 2}, Case{FlagTrue, 1}}) {
    DimFixedLetterHeight = c.fixed;
    AddCircle(4, 1.5, 4);
    RefreshDocView(doc_);
    const Long before = ObjCount;
    Dimension("mnuInsertRadiusDim", {{8, 1.5}});
    EXPECT_EQ(MessagePanel(2), "ENTER Location Of Dimension");
    input_->ClickAt(6, 1.5);
    const std::vector<Long> objs = NewObjs(before);
    ASSERT_GE(objs.size(), 2U);
    EXPECT_DOUBLE_EQ(Length(objs[0]), c.leg);
    EXPECT_DOUBLE_EQ(Length(objs[1]), c.leg);
    EXPECT_GT(PX(objs[1], 2), PX(objs[1], 1));  // location right of the centre: tail to the right
    EXPECT_EQ(Letters(before), "r" + FormatLength(4));
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

TEST_F(DimensionTest, ArcAngleOfAnArcAndOfNothingElse) {
  AddCircle(2, 2, 1);
  AddArc(5, 2, 1.5, 0, 45, 90);
  RefreshDocView(doc_);
  Dimension("mnuInsertArcDim", {{3, 2}});
  EXPECT_EQ(MessagePanel(1), "Arc Angle Dimension ");
  EXPECT_EQ(MessagePanel(3), "Line NOT an Arc, Try Again");
  const Long before = ObjCount;
  input_->ClickAt(5 + 1.5 * std::cos(Pi / 4), 2 + 1.5 * std::sin(Pi / 4));
  EXPECT_EQ(MessagePanel(2), "ENTER Location Of Dimension > ");
  input_->ClickAt(7, 4);
  EXPECT_NEAR(std::stod(Letters(before)), 90, 1e-3);
  const std::vector<Long> objs = NewObjs(before);
  ASSERT_GE(objs.size(), 5U);
  const Long tail = objs[1];
  const Long firstLetter = objs[4];
  ASSERT_EQ(Objs[firstLetter].Rtype, EntityTextChar);
  EXPECT_NEAR(PX(firstLetter, 1), PX(tail, 2) + DimTextWidth / 2, 1e-6);  // half a letter after the tail
  EXPECT_FALSE(DimActive);
  EXPECT_TRUE(EqualsFreshRedraw());
}

// The arc angle written is the arc's own sweep, the number Measure, Arc
// shows, for fillet arcs at the four corners of a square and for arcs drawn
// through three points either way round, across the 0-degree direction.
TEST_F(DimensionTest, ArcAngleWritesTheSweepMeasureArcShows) {
  struct Case {
    const char* name;
    std::function<void()> make;  // appends the arc through the menus and clicks
    Double sweep;                // degrees
  };
  const auto fillet = [this](Double cornerX, Double cornerY, Double armX, Double armY) {
    return [=, this] {
      AddLine(cornerX, cornerY, cornerX + armX, cornerY);
      AddLine(cornerX, cornerY, cornerX, cornerY + armY);
      RefreshDocView(doc_);
      Run("mnuTrimsFIllet", {{cornerX + 0.9 * armX, cornerY}, {cornerX, cornerY + 0.9 * armY}});
    };
  };
  // About (4, 3), radius 2.5: 53.13 degrees at (5.5, 5), 0 at (6.5, 3), 323.13 at (6, 1.5).
  const auto threePoints = [this](std::pair<Double, Double> a, std::pair<Double, Double> b) {
    return [=, this] { Run("mnuDrawArc3", {a, {6.5, 3}, b}); };
  };
  const Case cases[] = {
      {"fillet top right", fillet(5, 4, -2, -2), 90},
      {"fillet top left", fillet(3, 4, 2, -2), 90},
      {"fillet bottom left", fillet(3, 2, 2, 2), 90},
      {"fillet bottom right", fillet(5, 2, -2, 2), 90},
      {"drawn counterclockwise", threePoints({6, 1.5}, {5.5, 5}), 90},
      {"drawn clockwise", threePoints({5.5, 5}, {6, 1.5}), 90},
  };
  FilletRadius = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CancelTools();
    for (Long i : NewObjs(BaseObjCount)) EraseObj(i);
    const Long first = ObjCount;
    c.make();
    Long arc = 0;
    for (Long i : NewObjs(first))
      if (Objs[i].Rtype == EntityArc) arc = i;
    ASSERT_NE(arc, 0);
    const Double onX = PX(arc, 3), onY = PY(arc, 3);  // its middle point

    Run("mnuControlsMeasureArc", {{onX, onY}});
    const String measured = MessagePanel(3);
    const String prefix = "Arc Angle = ";
    ASSERT_EQ(measured.rfind(prefix, 0), 0U) << measured;
    const String measuredAngle = measured.substr(prefix.size(), measured.find("\xC2\xB0") - prefix.size());
    EXPECT_NEAR(std::stod(measuredAngle), c.sweep, 0.01) << measured;

    const Long before = ObjCount;
    Dimension("mnuInsertArcDim", {{onX, onY}, {7, 5}});
    EXPECT_EQ(Letters(before), measuredAngle + "\xB0");
    EXPECT_FALSE(DimActive);
  }
}

TEST_F(DimensionTest, LeaderElbowAboveStartTurnsRight) {
  const Long before = ObjCount;
  Dimension("mnuInsertLeaderDim", {{2, 1}, {2, 3}});
  const std::vector<Long> objs = NewObjs(before);
  ASSERT_EQ(objs.size(), 4U);  // leader, tail, two arrow legs
  EXPECT_DOUBLE_EQ(PX(objs[1], 2), 3);
  EXPECT_DOUBLE_EQ(PY(objs[1], 2), 3);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(DimensionTest, EscAndEndRestoreTablesAndSettings) {
  FontName = "Roman";
  CurColor = 0x123456;
  CurLineType = 3;
  CurLineWeight = 2;
  ShowConPnts = FlagTrue;
  ShowRefPnts = FlagTrue;
  AddLine(0, 0, 1, 1);
  RefreshDocView(doc_);
  const Long layer = doc_->Current_Layer;
  const Long counts[] = {PntCount, ObjCount, ItemCount};
  const DwgRec dwg = Dwgs[CurDwg];
  const Integer dirty = doc_->IsDirty;
  auto settingsBack = [&] {
    EXPECT_EQ(FontName, "Roman");
    EXPECT_EQ(CurColor, 0x123456);
    EXPECT_EQ(CurLineType, 3);
    EXPECT_EQ(CurLineWeight, 2);
    EXPECT_EQ(ShowConPnts, FlagTrue);
    EXPECT_EQ(ShowRefPnts, FlagTrue);
    EXPECT_EQ(doc_->Current_Layer, layer);
  };
  Dimension("mnuInsertLinearDim", {{1, 1}, {3, 1}});
  EXPECT_EQ(CurColor, DimLineColor);  // the dimension's settings are in force
  input_->Escape();
  EXPECT_EQ(PntCount, counts[0]);
  EXPECT_EQ(ObjCount, counts[1]);
  EXPECT_EQ(ItemCount, counts[2]);
  EXPECT_EQ(Dwgs[CurDwg].UndoStep, dwg.UndoStep);
  EXPECT_EQ(Dwgs[CurDwg].UndoPos, dwg.UndoPos);
  EXPECT_EQ(Dwgs[CurDwg].Nobjects, dwg.Nobjects);
  EXPECT_EQ(Dwgs[CurDwg].Nlayers, dwg.Nlayers);
  EXPECT_EQ(doc_->IsDirty, dirty);
  settingsBack();
  EXPECT_TRUE(EqualsFreshRedraw());
  Dimension("mnuInsertLinearDim", {{1, 1}, {3, 1}, {2, 2}});
  EXPECT_GT(ObjCount, counts[1]);
  settingsBack();
}

TEST_F(DimensionTest, ASettingChosenWhileADimensionWaitsOutlastsItAndTheStatusBarNamesTheLayerPutBack) {
  using Settings = std::tuple<String, Long, Integer, Integer>;  // font, colour, line type, weight
  const Settings before{"Roman", 0x123456, 3, 2};
  const std::pair<std::function<void()>, Settings> rows[] = {  // chosen while it waits; kept after Esc
      {[] {}, before},  // nothing: the command's own settings go back
      {[this] { PressKeyIn(main_->Combo1, Qt::Key_Down); }, {"Script", 0x123456, 3, 2}},  // the next font
      {[this] { Responder().AnswerColor(0x00FF00); DrawingDriver::PressButton("Line Color"); }, {"Roman", 0x00FF00, 3, 2}},
      {[this] {
         Responder().OnDialog<frmLineType>([](frmLineType& d) { d.Option1[1]->click(); d.Option2[2]->click(); },
                                           &frmLineType::OKButton);  // line type 1, weight 3
         DrawingDriver::PressButton("Style");
       },
       {"Roman", 0x123456, 1, 3}},
  };
  FontCount = 2;
  FontNames[1] = "Text";
  FontNames[2] = "Script";
  for (const auto& [choose, kept] : rows) {
    std::tie(FontName, CurColor, CurLineType, CurLineWeight) = before;
    main_->FillFontBox();
    Dimension("mnuInsertLinearDim", {{1, 1}, {3, 1}});
    choose();
    input_->Escape();
    EXPECT_EQ(std::tie(FontName, CurColor, CurLineType, CurLineWeight), kept);
    // The choosers redraw, which showed the dimension's layer in the status bar.
    EXPECT_EQ(main_->StatusPanel(2)->text().toStdString(), Items[doc_->Current_Layer].Name);
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

TEST_F(DimensionTest, UndoAfterEscTakesBackTheObjectBeforeTheCommand) {
  DimMode = DimPartitioned;
  const Long line = AddLine(0, 0, 1, 1);
  RefreshDocView(doc_);
  // A zero-length first segment loads no letters but the chain runs on; Esc drops it.
  Dimension("mnuInsertLinearDim", {{1, 3}, {1, 3}, {2, 4}});
  input_->Escape();
  EXPECT_EQ(ObjCount, line);
  AddLine(2, 0, 3, 1);
  DrawingDriver::Choose("mnuEditUndo");
  DrawingDriver::Choose("mnuEditUndo");
  EXPECT_TRUE(Objs[line].Erased);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(DimensionTest, AnotherToolAcceptsTheRunningChain) {
  DimMode = DimPartitioned;
  CurColor = 0x00FF00;
  const Long before = ObjCount;
  Dimension("mnuInsertLinearDim", {{0, 1}, {2, 1}, {1, 2}, {5, 1}});
  DrawingDriver::Choose("mnuInsertText");
  EXPECT_FALSE(DimActive);
  EXPECT_EQ(CurColor, 0x00FF00);
  EXPECT_EQ(Letters(before), FormatLength(2) + FormatLength(3));
  input_->Escape();
  EXPECT_TRUE(EqualsFreshRedraw());

  // Another dimension kind from the menu: the chain stays, the new kind starts at its first step.
  const Long second = ObjCount;
  Dimension("mnuInsertLinearDim", {{0, 3}, {2, 3}, {1, 4}});
  DrawingDriver::Choose("mnuInsertRadiusDim");
  EXPECT_TRUE(DimActive);
  EXPECT_EQ(MessagePanel(2), "Select a Circle or Arc ");
  EXPECT_EQ(Letters(second), FormatLength(2));
  input_->Escape();
  EXPECT_EQ(CurColor, 0x00FF00);
  EXPECT_EQ(Letters(second), FormatLength(2));
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(DimensionTest, ArrowHeadStyles) {
  DimArrowLength = 1;
  DimArrowAngle = static_cast<Single>(Pi / 3);
  DimArrowType = 5;
  struct Case {
    Integer special;
    Integer type;  // entity type of the first object
    size_t count;
  };
  for (const Case c : {Case{FlagTrue, EntityCircle, 1}, Case{FlagFalse, EntityLine, 2}}) {
    DimSpecialArrows = c.special;
    const Long before = ObjCount;
    DrawArrowHead(1, 1, 0);
    const std::vector<Long> objs = NewObjs(before);
    ASSERT_EQ(objs.size(), c.count);
    EXPECT_EQ(Objs[objs[0]].Rtype, c.type);
    if (c.type != EntityLine) continue;
    for (Long i : objs) {  // each leg at pi/3 from the line behind the tip
      const Double leg = std::atan2(PY(i, 2) - 1, PX(i, 2) - 1);
      EXPECT_NEAR(std::fabs(std::fabs(leg) - Pi), Pi / 3, 1e-6);
    }
  }
}

TEST_F(DimensionTest, MissingGlyphTakesNoRoom) {
  AddGlyphs("NoPoint", {"49", "50", "53"});  // "1", "2", "5"
  const Long before = ObjCount;
  DrawDimensionText("12.5", 1, 1);
  ASSERT_EQ(Letters(before), "125");
  const std::vector<Long> objs = NewObjs(before);
  EXPECT_DOUBLE_EQ(PX(objs[2], 1), 2);  // "5" where the point would stand
}

TEST_F(DimensionTest, TheDegreeSignIsDrawnByItsCharacterCodeNotItsBytes) {
  AddGlyphs("Deg", {"57", "48", "176", "194"});  // "9", "0", the degree sign, and the lead byte's code
  const Long before = ObjCount;
  DrawDimensionText("90\xC2\xB0", 1, 1);
  EXPECT_EQ(Letters(before), "90\xB0");
}

}  // namespace
}  // namespace lintavo
