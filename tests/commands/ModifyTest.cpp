// The modify commands of tool 9, chosen from the Modify menu and fed by
// clicks in a drawing window: MOVE POINT with its prompts, the vertex
// search and the arc repair; BREAK LINE on every kind of entity.
#include <cmath>
#include <vector>

#include "commands/EditFixture.h"
#include "commands/Modify.h"
#include "model/UndoRedo.h"
#include "model/ViewCache.h"
#include "support/ModelBuilders.h"

namespace lintavo {
namespace {

using PointList = std::vector<std::pair<Double, Double>>;

class ModifyTest : public EditFixture {
 protected:
  static PointList PointsOf(Long obj) {
    PointList points;
    for (Integer k = 1; k <= Objs[obj].NPoints; ++k) points.emplace_back(PX(obj, k), PY(obj, k));
    return points;
  }
  static void ExpectNear(const PointList& got, const PointList& want, Double reach = 1e-6) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i) {
      EXPECT_NEAR(got[i].first, want[i].first, reach) << "point " << i + 1;
      EXPECT_NEAR(got[i].second, want[i].second, reach) << "point " << i + 1;
    }
  }
  // The live entities of drawing 1, in table order.
  static std::vector<Long> LiveEntities() {
    std::vector<Long> live;
    for (Long i = 1; i <= ObjCount; ++i)
      if (Objs[i].DwgNo == 1 && !Objs[i].Erased) live.push_back(i);
    return live;
  }
};

// ---- MOVE POINT ----------------------------------------------------------------------

TEST_F(ModifyTest, MovePointOnALineEndPromptsAndMovesOnlyThatPoint) {
  const Long line = AddLine(1, 1, 4, 2);
  const Long undoBefore = Dwgs[1].UndoStep;
  DrawingDriver::Choose("mnuTrimsMP");
  EXPECT_EQ(MessagePanel(1), "MOVE POINT");
  EXPECT_EQ(MessagePanel(2), "Select Line to Move Point");
  input_->ClickAt(6, 5);  // nothing there
  EXPECT_EQ(MessagePanel(3), "Line NOT Found! Try Again!");
  input_->ClickAt(2.5, 1.5);
  EXPECT_EQ(MessagePanel(2), "Select a Point to be Moved > ");
  EXPECT_EQ(MessagePanel(3), "Line Selected: Straight Line");
  input_->ClickAt(2.5, 1.5);  // on the line, but at no vertex
  EXPECT_EQ(MessagePanel(3), "Point NOT Found! Try Again!");
  input_->ClickAt(4, 2);
  EXPECT_EQ(MessagePanel(2), "Enter New Point Location >");
  EXPECT_EQ(PickedPntIndex, Objs[line].PointID + 1);
  input_->MoveTo(5, 4);
  input_->MoveTo(5.5, 3.5);
  input_->ClickAt(5, 3);
  ExpectNear(PointsOf(line), {{1, 1}, {5, 3}});
  EXPECT_EQ(ObjCount, line);
  EXPECT_EQ(Dwgs[1].UndoStep, undoBefore);
  EXPECT_EQ(doc_->IsDirty, FlagTrue);
  EXPECT_EQ(ActiveTool, ToolNone);
  EXPECT_EQ(ShowConPnts, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(ModifyTest, MovePointByTypeKeepsTheRestOfTheEntity) {
  const Double h = std::sqrt(0.5);
  const struct {
    const char* name;
    Integer type;
    PointList points;
    std::pair<Double, Double> vertex, target;
    PointList want;
  } rows[] = {
      // The rectangle's first corner moves; its closing fifth point stays.
      {"rectangle corner", EntityPolygon, {{1, 1}, {3, 1}, {3, 2}, {1, 2}, {1, 1}}, {1, 1}, {0.5, 0.5},
       {{0.5, 0.5}, {3, 1}, {3, 2}, {1, 2}, {1, 1}}},
      // An arc end is pulled onto the circle along its direction from the centre.
      {"arc end", EntityArc, {{3, 3}, {4, 3}, {3, 4}, {2, 3}}, {4, 3}, {5, 5},
       {{3, 3}, {3 + h, 3 + h}, {3, 4}, {2, 3}}},
      // A moved middle gives the arc through both ends and the new middle.
      {"arc middle", EntityArc, {{3, 3}, {4, 3}, {3, 4}, {2, 3}}, {3, 4}, {3, 3.5},
       {{3, 2.25}, {4, 3}, {3, 3.5}, {2, 3}}},
      {"circle rim", EntityCircle, {{3, 3}, {4, 3}}, {4, 3}, {5, 3}, {{3, 3}, {5, 3}}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Long obj = AddEntity(row.type, row.points);
    DrawingDriver::Choose("mnuTrimsMP");
    // Pick the entity at a vertex, choose the vertex, click the new place.
    input_->ClickEach({row.vertex, row.vertex, row.target});
    ExpectNear(PointsOf(obj), row.want, 1e-5);
    EXPECT_EQ(ActiveTool, ToolNone);
    EXPECT_TRUE(EqualsFreshRedraw());
    EraseObj(obj);
    RefreshDocView(doc_);
  }
}

TEST_F(ModifyTest, EscapeDuringTheDragLeavesTheEntityAndAFreshPicture) {
  const Long line = AddLine(1, 1, 4, 2);
  DrawingDriver::Choose("mnuTrimsMP");
  input_->ClickEach({{2.5, 1.5}, {4, 2}});
  input_->MoveTo(5, 4);
  input_->Escape();
  ExpectNear(PointsOf(line), {{1, 1}, {4, 2}});
  EXPECT_EQ(ModifyActive, 0);
  EXPECT_EQ(ShowConPnts, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
}

// ---- BREAK LINE -----------------------------------------------------------------------

struct BreakRow {
  const char* name;
  Integer type;
  PointList points;
  PointList clicks;  // the pick, then the two break points
  // The live entities after the break, in table order: type and points.
  std::vector<std::pair<Integer, PointList>> want;
};

TEST_F(ModifyTest, BreakLineLeavesThePiecesOfEachType) {
  const Double h = std::sqrt(0.5), s = std::sqrt(0.75), t = 2 / std::sqrt(5.0);
  const Double m = 43.0 / 48, n = 34.0 / 48;  // whole pixels at 48 to the unit
  const BreakRow rows[] = {
      {"line inside", EntityLine, {{1, 1}, {6, 1}}, {{5, 1}, {2, 1.0625}, {4, 1}},
       {{EntityLine, {{1, 1}, {2, 1}}}, {EntityLine, {{4, 1}, {6, 1}}}}},
      {"line inside, far point first", EntityLine, {{1, 1}, {6, 1}}, {{5, 1}, {4, 1}, {2, 1}},
       {{EntityLine, {{1, 1}, {2, 1}}}, {EntityLine, {{4, 1}, {6, 1}}}}},
      {"line from its start", EntityLine, {{1, 1}, {6, 1}}, {{5, 1}, {1, 1}, {3, 1}},
       {{EntityLine, {{3, 1}, {6, 1}}}}},
      {"line end to end", EntityLine, {{1, 1}, {6, 1}}, {{5, 1}, {1, 1}, {6, 1}}, {}},
      // The quarter between the break points goes; the kept arc passes 5 pi / 4.
      {"circle", EntityCircle, {{3, 3}, {4, 3}}, {{2, 3}, {4, 3}, {3, 4}},
       {{EntityArc, {{3, 3}, {4, 3}, {3 - h, 3 - h}, {3, 4}}}}},
      {"arc inside", EntityArc, {{3, 3}, {4, 3}, {3, 4}, {2, 3}}, {{3, 4}, {3 + h, 3 + h}, {3 - h, 3 + h}},
       {{EntityArc, {{3, 3}, {4, 3}, {3 + std::cos(Pi / 8), 3 + std::sin(Pi / 8)}, {3 + h, 3 + h}}},
        {EntityArc, {{3, 3}, {3 - h, 3 + h}, {3 + std::cos(7 * Pi / 8), 3 + std::sin(7 * Pi / 8)}, {2, 3}}}}},
      {"polyline", EntityPolyline, {{1, 1}, {5, 1}, {5, 5}}, {{2, 1}, {3, 1}, {5, 3}},
       {{EntityPolyline, {{1, 1}, {3, 1}}}, {EntityPolyline, {{5, 3}, {5, 5}}}}},
      {"polygon", EntityPolygon, {{1, 1}, {5, 1}, {5, 4}, {1, 1}}, {{3, 1}, {4, 1}, {2, 1}},
       {{EntityPolyline, {{1, 1}, {2, 1}}}, {EntityPolyline, {{4, 1}, {5, 1}, {5, 4}, {1, 1}}}}},
      {"ellipse", EntityEllipse, {{1, 3}, {5, 3}, {3, 4}, {3, 2}}, {{5, 3}, {1, 3}, {3, 4}},
       {{EntityEllipticArc, {{1, 3}, {5, 3}, {3, 4}, {3, 2}, {1, 3}, {3, 4}}}}},
      // The part between the break points goes whichever was clicked first:
      // the kept piece ends at the one nearer the arc's start along the arc.
      // Each click lies on a whole pixel of a ray from the centre, and cuts
      // where the ray meets the ellipse.
      {"elliptical arc, clicked from its end side", EntityEllipticArc,
       {{1, 3}, {5, 3}, {3, 4}, {3, 2}, {5, 3}, {1, 3}}, {{3, 4}, {3 - m, 3 + m}, {3 + m, 3 + m}},
       {{EntityEllipticArc, {{1, 3}, {5, 3}, {3, 4}, {3, 2}, {5, 3}, {3 + t, 3 + t}}},
        {EntityEllipticArc, {{1, 3}, {5, 3}, {3, 4}, {3, 2}, {3 - t, 3 + t}, {1, 3}}}}},
      // From -41 to 41 degrees through 0: the click below the axis lies
      // nearer the start along the arc, though its angle is the larger.
      {"elliptical arc through angle 0", EntityEllipticArc,
       {{1, 3}, {5, 3}, {3, 4}, {3, 2}, {4, 3 - s}, {4, 3 + s}}, {{5, 3}, {3 + 2 * n, 3 - n}, {3 + 2 * n, 3 + n}},
       {{EntityEllipticArc, {{1, 3}, {5, 3}, {3, 4}, {3, 2}, {4, 3 - s}, {3 + 2 * h, 3 - h}}},
        {EntityEllipticArc, {{1, 3}, {5, 3}, {3, 4}, {3, 2}, {3 + 2 * h, 3 + h}, {4, 3 + s}}}}},
      // Three spans; the break takes the second span out: each piece is whole spans.
      {"continuous bezier", EntityContBezier,
       {{1, 1}, {1.5, 1}, {2, 1}, {2.5, 1}, {3, 1}, {3.5, 1}, {4, 1}, {4.5, 1}, {5, 1}, {5.5, 1}},
       {{1, 1}, {3, 1}, {5, 1}},
       {{EntityContBezier, {{1, 1}, {1.5, 1}, {2, 1}, {3, 1}}},
        {EntityContBezier, {{5, 1}, {4.5, 1}, {5, 1}, {5.5, 1}}}}},
  };
  for (const BreakRow& row : rows) {
    SCOPED_TRACE(row.name);
    const Long first = ObjCount + 1;
    const Long obj = AddEntity(row.type, row.points);
    Objs[obj].Ltype = 3;
    RefreshDocView(doc_);
    DrawingDriver::Choose("mnuTrimsBreak");
    EXPECT_EQ(MessagePanel(1), "BREAK LINE");
    EXPECT_EQ(MessagePanel(2), "Select Line to Break");
    input_->ClickEach(row.clicks);
    std::vector<Long> live;
    for (Long i : LiveEntities())
      if (i >= first) live.push_back(i);
    ASSERT_EQ(live.size(), row.want.size());
    for (size_t i = 0; i < live.size(); ++i) {
      EXPECT_EQ(Objs[live[i]].Rtype, row.want[i].first) << "piece " << i + 1;
      ExpectNear(PointsOf(live[i]), row.want[i].second, 1e-5);
    }
    EXPECT_EQ(ActiveTool, ToolNone);
    EXPECT_EQ(doc_->IsDirty, FlagTrue);
    EXPECT_TRUE(EqualsFreshRedraw());
    for (Long i : live) EraseObj(i);
    doc_->IsDirty = 0;
  }
}

TEST_F(ModifyTest, APolygonBrokenBecomesPolylinesOfLineTypeZero) {
  const Long polygon = AddEntity(EntityPolygon, {{1, 1}, {5, 1}, {5, 4}, {1, 1}});
  Objs[polygon].Ltype = 3;
  DrawingDriver::Choose("mnuTrimsBreak");
  input_->ClickEach({{3, 1}, {2, 1}, {4, 1}});
  EXPECT_EQ(Objs[polygon].Rtype, EntityPolyline);
  EXPECT_EQ(Objs[polygon].Ltype, 0);
  EXPECT_EQ(Objs[ObjCount].Rtype, EntityPolyline);
}

TEST_F(ModifyTest, BreaksThatWouldLoseOrDuplicateKeepTheEntity) {
  const struct {
    const char* name;
    Integer type;
    PointList points;
    PointList clicks;
    const char* panel2;
    const char* panel3;
  } rows[] = {
      {"point", EntityPoint, {{3, 3}}, {{3, 3}, {3, 3}, {3, 3}}, "OBJECT NOT BREAKABLE !",
       "Line Selected: Point"},
      {"bezier curve", EntityBezier, {{1, 1}, {2, 2}, {3, 2}, {4, 1}}, {{1, 1}, {1, 1}, {4, 1}},
       "OBJECT NOT BREAKABLE !", "Line Selected: Bezier Curve"},
      {"arc, both at one end", EntityArc, {{3, 3}, {4, 3}, {3, 4}, {2, 3}}, {{3, 4}, {4, 3}, {4, 3}},
       "Enter Second Break Point >", "BREAK POINTS TOO CLOSE !"},
      {"continuous bezier, first span", EntityContBezier,
       {{1, 1}, {1.5, 1}, {2, 1}, {2.5, 1}, {3, 1}, {3.5, 1}, {4, 1}}, {{1, 1}, {1.5, 1}, {2, 1}},
       "", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Long obj = AddEntity(row.type, row.points);
    const Long count = ObjCount;
    RefreshDocView(doc_);
    DrawingDriver::Choose("mnuTrimsBreak");
    input_->ClickEach(row.clicks);
    EXPECT_EQ(ObjCount, count);
    EXPECT_EQ(Objs[obj].Erased, 0);
    ExpectNear(PointsOf(obj), row.points);
    EXPECT_EQ(MessagePanel(2), row.panel2);
    EXPECT_EQ(MessagePanel(3), row.panel3);
    EXPECT_EQ(ActiveTool, ToolNone);
    EXPECT_TRUE(EqualsFreshRedraw());
    EraseObj(obj);
  }
}

TEST_F(ModifyTest, ABreakPointOffEverySegmentIsAskedForAgain) {
  // Within reach of the polyline's last vertex, but past the end of every
  // segment: the break would keep the whole polyline beside its far piece.
  const Long poly = AddEntity(EntityPolyline, {{1, 1}, {5, 1}, {5, 4}});
  DrawingDriver::Choose("mnuTrimsBreak");
  input_->ClickEach({{3, 1}, {3, 1}, {5 + 1.0 / 24, 4 + 1.0 / 24}});
  EXPECT_EQ(MessagePanel(3), "Break Point NOT Found! Try Again!");
  EXPECT_EQ(MessagePanel(2), "Enter First Break Point >");
  EXPECT_EQ(ObjCount, poly);
  EXPECT_EQ(Objs[poly].NPoints, 3);
  input_->ClickEach({{2, 1}, {4, 1}});
  EXPECT_EQ(ObjCount, poly + 1);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(ModifyTest, BreakPointsOffThePickedEntityAreRefused) {
  AddLine(1, 1, 6, 1);
  AddLine(1, 1.25, 6, 1.25);
  DrawingDriver::Choose("mnuTrimsBreak");
  input_->ClickEach({{3, 1}, {3, 3}});
  EXPECT_EQ(MessagePanel(3), "Break Point NOT Found! Try Again!");
  input_->ClickEach({{2, 1}, {3, 1.25}});  // the second lies on the other line
  EXPECT_EQ(MessagePanel(3), "Break Point Not Found! Try Again!");
  EXPECT_EQ(ObjCount, 2);
  EXPECT_EQ(ModifyActive, FlagTrue);
  input_->Escape();
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(ModifyTest, UndoOfABreakGivesTheLineBackWhole) {
  const Long line = AddLine(1, 1, 6, 1);
  const Long stepsBefore = Dwgs[1].UndoStep;
  DrawingDriver::Choose("mnuTrimsBreak");
  input_->ClickEach({{5, 1}, {2, 1}, {4, 1}});
  ASSERT_EQ(ObjCount, line + 1);
  ExpectNear(PointsOf(line), {{1, 1}, {2, 1}});
  for (Long step = stepsBefore; step < Dwgs[1].UndoStep; ++step) DrawingDriver::Choose("mnuEditUndo");
  EXPECT_EQ(LiveEntities(), std::vector<Long>{line});
  ExpectNear(PointsOf(line), {{1, 1}, {6, 1}}, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
}

// Every kind that a break shortens in place comes back whole, type, line
// type and points, by as many Undos as the break made steps; as many Redos
// break it again.
TEST_F(ModifyTest, UndoOfABreakGivesEveryKindBackWholeAndRedoBreaksItAgain) {
  const struct {
    const char* name;
    Integer type;
    PointList points;
    PointList clicks;  // the pick, then the two break points
  } rows[] = {
      {"line from its start", EntityLine, {{1, 1}, {6, 1}}, {{5, 1}, {1, 1}, {3, 1}}},
      {"elliptical arc", EntityEllipticArc, {{1, 3}, {5, 3}, {3, 4}, {3, 2}, {5, 3}, {1, 3}}, {{3, 4}, {4, 3.866}, {2, 3.866}}},
      {"spline", EntitySpline, {{1, 1}, {3, 1}, {5, 1}, {7, 1}}, {{4, 1}, {2, 1}, {6, 1}}},
      {"polyline", EntityPolyline, {{1, 1}, {5, 1}, {5, 5}}, {{2, 1}, {3, 1}, {5, 3}}},
      {"polygon", EntityPolygon, {{1, 1}, {5, 1}, {5, 4}, {1, 1}}, {{3, 1}, {4, 1}, {2, 1}}},
      {"continuous bezier", EntityContBezier,
       {{1, 1}, {1.5, 1}, {2, 1}, {2.5, 1}, {3, 1}, {3.5, 1}, {4, 1}, {4.5, 1}, {5, 1}, {5.5, 1}},
       {{1, 1}, {3.25, 1}, {5.25, 1}}},
  };
  struct Piece {
    Integer type, ltype;
    PointList points;
    bool operator==(const Piece&) const = default;
  };
  const auto live = [] {
    std::vector<Piece> pieces;
    for (Long i : LiveEntities()) pieces.push_back({Objs[i].Rtype, Objs[i].Ltype, PointsOf(i)});
    return pieces;
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Long obj = AddEntity(row.type, row.points);
    Objs[obj].Ltype = 3;
    RefreshDocView(doc_);
    const std::vector<Piece> whole = live();
    const Long stepsBefore = Dwgs[1].UndoStep;
    DrawingDriver::Choose("mnuTrimsBreak");
    input_->ClickEach(row.clicks);
    const std::vector<Piece> broken = live();
    ASSERT_NE(broken, whole);
    const Long steps = Dwgs[1].UndoStep - stepsBefore;
    ASSERT_GE(steps, 1);
    for (Long k = 0; k < steps; ++k) DrawingDriver::Choose("mnuEditUndo");
    EXPECT_EQ(live(), whole);
    EXPECT_TRUE(EqualsFreshRedraw());
    for (Long k = 0; k < steps; ++k) DrawingDriver::Choose("mnuEditRedo");
    EXPECT_EQ(live(), broken);
    EXPECT_TRUE(EqualsFreshRedraw());
    for (Long i : LiveEntities()) EraseObj(i);
  }
}

}  // namespace
}  // namespace lintavo
