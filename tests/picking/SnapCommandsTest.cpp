// The line picker and the Snap To commands of tool 8, chosen from the Modify
// menu and fed by clicks in a drawing window at 48 pixels to the unit.
#include <cmath>
#include <functional>
#include <vector>

#include "commands/EditFixture.h"
#include "model/Picks.h"
#include "model/UndoRedo.h"
#include "model/ViewCache.h"
#include "picking/Snaps.h"
#include "support/ModelBuilders.h"

namespace lintavo {
namespace {

class SnapCommandsTest : public EditFixture {
 protected:
  void Click(Double x, Double y) { input_->ClickAt(x, y); }
  using Clicks = std::vector<std::pair<Double, Double>>;
  // One case of a command on entities of its own.
  struct Played {
    Long first;  // the first entity the case drew
    Long drawn;  // the entity count once drawn
  };
  // Draws the case's entities, shows them, chooses the item and clicks in turn.
  Played Play(const char* item, const std::function<void()>& draw, const Clicks& clicks) {
    const Long first = ObjCount + 1;
    draw();
    const Long drawn = ObjCount;
    RefreshDocView(doc_);
    DrawingDriver::Choose(item);
    input_->ClickEach(clicks);
    return {first, drawn};
  }
  // The picture is a fresh redraw's; then the case's entities are erased,
  // out of the way of the next case.
  void ExpectFreshPictureAndClear(const Played& played) {
    EXPECT_TRUE(EqualsFreshRedraw());
    for (Long i = played.first; i <= ObjCount; ++i) EraseObj(i);
  }
  // The line that replaced the picked one: the last entity, shown.
  static void ExpectLastLine(Double x1, Double y1, Double x2, Double y2, Double tolerance = 1e-6) {
    ASSERT_EQ(Objs[ObjCount].Rtype, EntityLine);
    EXPECT_EQ(Objs[ObjCount].Show, FlagTrue);
    EXPECT_NEAR(PX(ObjCount, 1), x1, tolerance);
    EXPECT_NEAR(PY(ObjCount, 1), y1, tolerance);
    EXPECT_NEAR(PX(ObjCount, 2), x2, tolerance);
    EXPECT_NEAR(PY(ObjCount, 2), y2, tolerance);
  }
};

// ---- The line picker -------------------------------------------------------------------

TEST_F(SnapCommandsTest, TheTangentPickerPromptsForTwoLinesAndRefusesAPolyline) {
  AddPolyline({{1, 4}, {3, 4}, {3, 5}});
  AddLine(1, 1, 4, 4);
  PickedSegments = {0, 7, 9};  // left by an earlier command
  DrawingDriver::Choose("mnuSnapsTangent");
  EXPECT_EQ(MessagePanel(1), "SNAP Tangent To");
  EXPECT_EQ(MessagePanel(2), "Select First Line1 >");
  EXPECT_EQ(PickedSegments[1], 0);  // cleared when the command starts
  EXPECT_EQ(PickedSegments[2], 0);

  Click(2, 4);  // the polyline is not the straight line whose end moves
  EXPECT_EQ(MessagePanel(3), "Pick a Straight Line!! Try Again !");
  EXPECT_EQ(PickedCount, 0);
  EXPECT_EQ(MessagePanel(2), "Select First Line1 >");

  // |dx| + |dy| to the foot on the line is 1.5 tolerances: beyond the
  // measure commands' reach, within the picker's.
  Click(2 + 1.5 * PickTolerance, 2);
  EXPECT_EQ(PickedCount, 1);
  EXPECT_EQ(MessagePanel(2), "Select Target Line");
  input_->Escape();
  EXPECT_EQ(ActiveTool, 0);
  EXPECT_TRUE(EqualsFreshRedraw());  // the highlight of the first pick is gone
}

TEST_F(SnapCommandsTest, TwoPicksOnOnePolylineKeepTheLowerSegmentFirst) {
  const Long poly = AddPolyline({{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {6, 3}});
  DrawingDriver::Choose("mnuTrimsChamfer");  // its picks take polylines
  Click(5.5, 1);  // chord 5
  Click(1.5, 1);  // chord 1
  EXPECT_EQ(PickedLines[1], poly);
  EXPECT_EQ(PickedLines[2], poly);
  EXPECT_EQ(PickedSegments[1], 1);
  EXPECT_EQ(PickedSegments[2], 5);
  input_->Escape();
}

TEST_F(SnapCommandsTest, APickTheSnapCannotUseIsRefusedWithAWordAndTheCommandWaits) {
  struct Case {
    const char* name;
    const char* item;
    std::function<void()> draw;
    Clicks clicks;  // the last is refused
    const char* said;
  };
  // A rectangle as Draw, Shape makes it: a closed polygon from (3, 1) to (6, 4).
  const auto rectangle = [] {
    AddEntity(EntityPolygon, {{3, 1}, {6, 1}, {6, 4}, {3, 4}, {3, 1}});
  };
  const Case cases[] = {
      {"perpendicular to a rectangle's edge", "mnuSnapsPerp", [&] { AddLine(0, 0, 2, 2); rectangle(); },
       {{1, 1}, {4.5, 1}}, "Pick a Line, Circle or Arc!! Try Again !"},
      {"a rectangle's edge as the line to move", "mnuSnapsPerp", [&] { rectangle(); },
       {{4.5, 1}}, "Pick a Straight Line!! Try Again !"},
      {"center of a polyline", "mnuSnapsCenter", [] { AddLine(0, 0, 2, 0); AddPolyline({{4, 1}, {6, 1}, {6, 3}}); },
       {{1, 0}, {5, 1}}, "Pick a Line, Circle or Arc!! Try Again !"},
      {"intersection with a polyline", "mnuSnapsInter",
       [] { AddLine(0, 0, 1, 1); AddLine(3, 0, 3, 5); AddPolyline({{2, 2}, {6, 2}, {6, 4}}); },
       {{0.5, 0.5}, {3, 0.5}, {5, 2}}, "Pick a Line, Circle or Arc!! Try Again !"},
      {"tangent to a line", "mnuSnapsTangent", [] { AddLine(1, 1, 2, 1); AddLine(1, 3, 5, 3); },
       {{1.5, 1}, {4, 3}}, "Pick a Circle or Arc!! Try Again !"},
      {"middle with a circle as the line to move", "mnuSnapsMiddle", [] { AddCircle(2, 2, 1); },
       {{3, 2}}, "Pick a Straight Line!! Try Again !"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Played played = Play(c.item, c.draw, c.clicks);
    EXPECT_EQ(MessagePanel(3), c.said);
    EXPECT_EQ(PickedCount, static_cast<Integer>(c.clicks.size()) - 1);
    EXPECT_EQ(ActiveTool, ToolSnaps);  // waiting for another pick
    EXPECT_EQ(ObjCount, played.drawn);
    EXPECT_EQ(Objs[played.first].Erased, 0);
    input_->Escape();
    EXPECT_EQ(ActiveTool, 0);
    ExpectFreshPictureAndClear(played);
  }
}

// ---- The constructions ------------------------------------------------------------------

struct SnapCase {
  const char* name;
  const char* item;
  std::function<void()> draw;  // the line to move first, then the references
  std::vector<std::pair<Double, Double>> clicks;
  Double x1, y1, x2, y2;       // the moved line
  Double tolerance;
};

TEST_F(SnapCommandsTest, EachConstructionMovesTheRightEndByReplacement) {
  const SnapCase cases[] = {
      {"center of a circle", "mnuSnapsCenter", [] { AddLine(0, 0, 2, 0); AddCircle(5, 1, 1); },
       {{1, 0}, {6, 1}}, 0, 0, 5, 1, 1e-9},
      {"perpendicular to a line", "mnuSnapsPerp", [] { AddLine(1, 2, 5, 5); AddLine(0, 1, 7, 1); },
       {{3, 3.5}, {6, 1}}, 5, 1, 5, 5, 1e-9},
      {"line onto a line", "mnuSnapsLine", [] { AddLine(1, 2, 5, 5); AddLine(0, 1, 7, 1); },
       {{3, 3.5}, {6, 1}}, 5, 1, 5, 5, 1e-9},
      {"line onto a circle", "mnuSnapsLine", [] { AddLine(1, 0.5, 2.5, 2.5); AddCircle(2.5, 4.5, 1); },
       {{1.75, 1.5}, {3.5, 4.5}}, 1, 0.5, 2.5, 3.5, 1e-6},
      {"middle of a circle", "mnuSnapsMiddle", [] { AddLine(0, 1, 3, 1); AddCircle(5, 1, 1); },
       {{2.9, 1}, {5, 2}}, 0, 1, 4, 1, 1e-6},
      {"middle of a line", "mnuSnapsMiddle", [] { AddLine(0, 1, 3, 1); AddLine(4, 3, 6, 5); },
       {{1, 1}, {5, 4}}, 0, 1, 5, 4, 1e-9},
      {"middle of an arc is its third point", "mnuSnapsMiddle",
       [] { AddLine(0, 1, 1, 1); AddArc(4, 2, 1, 90, 180, 270); }, {{0.5, 1}, {3, 2}}, 0, 1, 3, 2, 1e-9},
      {"parallel: the start moves", "mnuSnapsPara", [] { AddLine(1, 1, 1.5, 5); AddLine(3, 0.5, 7, 0.5); },
       {{1.25, 3}, {5, 0.5}}, 1.5, 1, 1.5, 5, 1e-9},
      {"parallel: the end moves", "mnuSnapsPara", [] { AddLine(1, 1, 6, 1.5); AddLine(1, 4, 6, 4); },
       {{3.5, 1.25}, {3, 4}}, 1, 1, 6, 1, 1e-9},
      {"intersection of two lines", "mnuSnapsInter",
       [] { AddLine(0, 0, 1, 1); AddLine(3, 0, 3, 5); AddLine(2, 2, 6, 2); },
       {{0.5, 0.5}, {3, 0.5}, {5, 2}}, 0, 0, 3, 2, 1e-9},
      {"intersection of a line and a circle nearer the pick", "mnuSnapsInter",
       [] { AddLine(0, 3, 1, 3); AddLine(2, 2, 7, 2); AddCircle(4, 2, 1); },
       {{0.9, 3}, {6, 2}, {4, 3}}, 0, 3, 3, 2, 1e-6},
      {"intersection of a line with a circle it misses: the foot of the centre", "mnuSnapsInter",
       [] { AddLine(0, 4, 1, 4); AddLine(2, 2, 7, 2); AddCircle(4, 4.5, 1); },
       {{0.5, 4}, {6, 2}, {5, 4.5}}, 0, 4, 4, 2, 1e-9},
      {"tangent to a circle", "mnuSnapsTangent", [] { AddLine(3.2, 2.5, 7, 2); AddCircle(2, 2, 1); },
       {{6, 2.5 - 2.8 * 0.5 / 3.8}, {1, 2}}, 2.2, 2 + 0.9797959, 7, 2, 1e-5},
      {"tangent to an arc: the left contact point first", "mnuSnapsTangent",
       [] { AddLine(3.5, 1, 7, 2); AddArc(2, 2, 1, 270, 0, 90); }, {{5.25, 1.5}, {3, 2}},
       2.2, 2 + 0.9797959, 7, 2, 1e-5},
      {"nearest point: the end with the nearer point", "mnuSnapsNear",
       [] { AddLine(1, 1, 3, 1); AddCircle(3.5, 2, 0.5); AddLine(0, 3, 0.5, 3); },
       {{2, 1}}, 1, 1, 3.5, 2, 1e-9},
      {"closest point to a click", "mnuSnapsClose", [] { AddLine(1, 1, 3, 1); AddCircle(5, 3, 0.5); },
       {{2, 1}, {4.9, 3.1}}, 1, 1, 5, 3, 1e-9},
  };
  for (const SnapCase& c : cases) {
    SCOPED_TRACE(c.name);
    // The line to move is drawn first, in a colour and line type of its own.
    const auto draw = [&c] {
      const Long line = ObjCount + 1;
      c.draw();
      Objs[line].Color = 0x0000FF;
      Objs[line].Ltype = 2;
    };
    const Played played = Play(c.item, draw, c.clicks);
    EXPECT_EQ(ActiveTool, 0);
    EXPECT_EQ(ObjCount, played.drawn + 1);
    EXPECT_EQ(Objs[played.first].Erased, FlagTrue);
    EXPECT_EQ(Objs[ObjCount].Color, 0x0000FF);
    EXPECT_EQ(Objs[ObjCount].Ltype, 2);
    ExpectLastLine(c.x1, c.y1, c.x2, c.y2, c.tolerance);
    ExpectFreshPictureAndClear(played);
  }
}

TEST_F(SnapCommandsTest, UndoTakesASnapBackInTwoSteps) {
  const Long line = AddLine(0, 0, 2, 0);
  AddCircle(5, 1, 1);
  RefreshDocView(doc_);
  DrawingDriver::Choose("mnuSnapsCenter");
  Click(1, 0);
  Click(6, 1);
  EXPECT_EQ(MessagePanel(1), "");  // the prompts are cleared when the command ends
  const Long copy = ObjCount;
  ASSERT_EQ(copy, line + 2);
  DrawingDriver::Choose("mnuEditUndo");
  EXPECT_EQ(Objs[line].Show, FlagTrue);  // the erase is taken back first
  EXPECT_EQ(Objs[copy].Show, FlagTrue);
  EXPECT_TRUE(EqualsFreshRedraw());
  DrawingDriver::Choose("mnuEditUndo");
  EXPECT_EQ(Objs[copy].Show, FlagFalse);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(SnapCommandsTest, TheIntersectionTitleKeepsItsBlankAndThePicksAreRotated) {
  const Long line = AddLine(0, 0, 1, 1);
  const Long vertical = AddLine(3, 0, 3, 5);
  const Long horizontal = AddLine(2, 2, 6, 2);
  DrawingDriver::Choose("mnuSnapsInter");
  EXPECT_EQ(MessagePanel(1), "SNAP To Intersection Of ");
  Click(0.5, 0.5);
  EXPECT_EQ(MessagePanel(2), "Select Line 2 >");
  Click(3, 0.5);
  EXPECT_EQ(MessagePanel(2), "Select Target Line");
  Click(5, 2);
  EXPECT_EQ(PickedLines[1], vertical);
  EXPECT_EQ(PickedLines[2], horizontal);
  EXPECT_EQ(PickedLines[3], line);
  ExpectLastLine(0, 0, 3, 2);
}

TEST_F(SnapCommandsTest, ConstructionsWithoutAResultEndTheCommandAndChangeNothing) {
  struct Case {
    const char* name;
    const char* item;
    std::function<void()> draw;
    Clicks clicks;
  };
  const Case cases[] = {
      {"tangent from inside the circle", "mnuSnapsTangent",
       [] { AddLine(2.2, 2.2, 2.5, 2.3); AddCircle(2, 2, 1); }, {{2.35, 2.25}, {1, 2}}},
      {"tangent from the rim of the circle", "mnuSnapsTangent",
       [] { AddLine(2.5, 2.2, 3, 2); AddCircle(2, 2, 1); }, {{2.75, 2.1}, {2, 3}}},
      {"tangent points both off the arc", "mnuSnapsTangent",
       [] { AddLine(5, 2, 7, 2); AddArc(2, 2, 1, 160, 180, 200); }, {{6, 2}, {1, 2}}},
      {"closest point with nothing in reach", "mnuSnapsClose", [] { AddLine(0, 0, 0.5, 0); },
       {{0.25, 0}, {7.5, 5.5}}},
  };
  SnapTolerance = static_cast<Single>(0.05 * doc_->View_Scale);  // the point search reaches 5
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Played played = Play(c.item, c.draw, c.clicks);
    EXPECT_EQ(ActiveTool, 0);
    EXPECT_EQ(SnapActive, 0);
    EXPECT_EQ(ObjCount, played.drawn);
    EXPECT_EQ(Objs[played.first].Erased, 0);
    EXPECT_EQ(MessagePanel(3), "");
    ExpectFreshPictureAndClear(played);
  }
}

// ---- Tangents and arcs ---------------------------------------------------------------------

TEST(SnapGeometry, TangentPointsLieLeftThenRightSeenFromTheCentre) {
  Double t1x = 0, t1y = 0, t2x = 0, t2y = 0;
  TangentPoints(t1x, t1y, t2x, t2y, 5, 1, 0, 0, 5, 0);
  EXPECT_NEAR(t1x, 0.2, 1e-6);
  EXPECT_NEAR(t1y, 0.9797959, 1e-6);
  EXPECT_NEAR(t2x, 0.2, 1e-6);
  EXPECT_NEAR(t2y, -0.9797959, 1e-6);
}

TEST(SnapGeometry, PointOnArcFollowsTheSideOfTheMiddlePoint) {
  const auto at = [](Double deg, Double& x, Double& y) {
    x = std::cos(deg * Pi / 180);
    y = std::sin(deg * Pi / 180);
  };
  Double ax, ay, mx, my, bx, by;
  at(350, ax, ay);
  at(0, mx, my);
  at(10, bx, by);
  struct Row {
    Double deg;
    bool on;
  };
  for (const Row& row : {Row{180, false}, Row{5, true}, Row{355, true}, Row{10.05, true}, Row{20, false}}) {
    Double px, py;
    at(row.deg, px, py);
    EXPECT_EQ(PointOnArc(px, py, ax, ay, mx, my, bx, by), row.on) << row.deg;
  }
  at(90, mx, my);  // the arc from 10 to 350 through 90 does not pass 0
  EXPECT_TRUE(PointOnArc(-1, 0, ax, ay, mx, my, bx, by));
  EXPECT_FALSE(PointOnArc(1, 0, ax, ay, mx, my, bx, by));
}

}  // namespace
}  // namespace lintavo
