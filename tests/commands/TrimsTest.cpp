// The trim module, tool 4: trim, extend, corner trim, fillet and chamfer
// chosen from the Modify menu and fed by clicks in a drawing window at 20
// pixels to the unit (world -2 .. 18 across, -2 .. 13 up), and the automatic
// fillet of the continuous line.
#include <cmath>
#include <functional>
#include <vector>

#include "commands/EditFixture.h"
#include "commands/Trims.h"
#include "model/LayerItems.h"
#include "model/Picks.h"
#include "model/UndoRedo.h"
#include "model/ViewCache.h"
#include "picking/Identify.h"
#include "support/ModelBuilders.h"

namespace lintavo {
namespace {

constexpr Double Deg = Pi / 180;

class TrimsTest : public EditFixture {
 protected:
  void SetUp() override {
    EditFixture::SetUp();
    ShowWithReach(20, 40);
    FilletRadius = 0.5;
    ChamferDist1 = ChamferDist2 = 0.5;
  }
  void Run(const char* item, const std::vector<std::pair<Double, Double>>& clicks) {
    DrawingDriver::Choose(item);
    input_->ClickEach(clicks);
  }
  static void ExpectLine(Long objNo, Double x1, Double y1, Double x2, Double y2, Double tolerance = 1e-6) {
    ASSERT_EQ(Objs[objNo].Rtype, EntityLine) << "object " << objNo;
    EXPECT_NEAR(PX(objNo, 1), x1, tolerance) << "object " << objNo;
    EXPECT_NEAR(PY(objNo, 1), y1, tolerance) << "object " << objNo;
    EXPECT_NEAR(PX(objNo, 2), x2, tolerance) << "object " << objNo;
    EXPECT_NEAR(PY(objNo, 2), y2, tolerance) << "object " << objNo;
  }
  // The angle of point k of an arc seen from its centre, degrees in [0, 360).
  static Double ArcDeg(Long objNo, Integer k) {
    const Double a = std::atan2(PY(objNo, k) - PY(objNo, 1), PX(objNo, k) - PX(objNo, 1)) / Deg;
    return a < -1e-9 ? a + 360 : a;
  }
  // The command has ended and left the picture and the pick index sound.
  void ExpectCleanEnd() {
    EXPECT_EQ(ActiveTool, 0);
    EXPECT_EQ(TrimActive, 0);
    EXPECT_EQ(MessagePanel(2), "");
    EXPECT_EQ(MessagePanel(3), "");
    EXPECT_TRUE(EqualsFreshRedraw());
    for (Long k = 1; k <= PntCount; ++k) {
      Long obj = -1, scanObj = -1;
      Double dist = -1, scanDist = -1;
      FindObjAt(obj, Pnts[k].X + 0.01, Pnts[k].Y, dist);
      FindObjAtByScan(scanObj, Pnts[k].X + 0.01, Pnts[k].Y, scanDist);
      EXPECT_EQ(obj, scanObj) << "near point " << k;
    }
  }
};

// ---- Trim and extend -----------------------------------------------------------------------

struct TrimLineCase {
  const char* name;
  const char* item;
  std::function<void()> draw;  // the object to change first, then the boundary
  std::vector<std::pair<Double, Double>> clicks;
  Double x1, y1, x2, y2;  // the replacement line
};

TEST_F(TrimsTest, TrimAndExtendKeepThePickedSideOfTheLine) {
  const Double rimX = 7 - 2 * std::cos(30 * Deg), rimY = 2 * std::sin(30 * Deg);  // the circle near (5, 0)
  const TrimLineCase cases[] = {
      {"trim picked right of the boundary", "mnuTrimsTrim", [] { AddLine(0, 0, 10, 0); AddLine(5, -1, 5, 2); },
       {{8, 0}, {5, 1.5}}, 5, 0, 10, 0},
      {"trim picked left of the boundary", "mnuTrimsTrim", [] { AddLine(0, 0, 10, 0); AddLine(5, -1, 5, 2); },
       {{2, 0}, {5, 1.5}}, 5, 0, 0, 0},
      {"extend to the boundary", "mnuTrimsExtend", [] { AddLine(0, 0, 3, 0); AddLine(5, -1, 5, 2); },
       {{1, 0}, {5, 1.5}}, 5, 0, 0, 0},
      {"trim at a circle, the far end moves", "mnuTrimsTrim", [] { AddLine(0, 0, 10, 0); AddCircle(7, 0, 2); },
       {{8, 0}, {rimX, rimY}}, 0, 0, 5, 0},
      {"trim at a circle, the near end moves", "mnuTrimsTrim", [] { AddLine(0, 0, 10, 0); AddCircle(7, 0, 2); },
       {{2, 0}, {rimX, rimY}}, 10, 0, 5, 0},
  };
  for (const TrimLineCase& c : cases) {
    SCOPED_TRACE(c.name);
    ResetModel();
    CurColor = 0x00FF00;
    c.draw();
    const Long picked = ObjCount - 1;
    Objs[picked].Color = 0x0000FF;  // the replacement keeps the picked line's own colour
    RefreshDocView(doc_);
    const Long stepBefore = Dwgs[1].UndoStep;
    Run(c.item, c.clicks);
    ExpectLine(ObjCount, c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(Objs[ObjCount].Color, 0x0000FF);
    EXPECT_EQ(Objs[picked].Erased, FlagTrue);
    EXPECT_EQ(Dwgs[1].UndoStep, stepBefore + 2);  // the copy's addition and the erase
    ExpectCleanEnd();
  }
}

TEST_F(TrimsTest, ParallelLinesHaveNoCrossingAndBothStay) {
  const Long a = AddLine(0, 0, 10, 0);
  const Long b = AddLine(0, 3, 10, 3);
  RefreshDocView(doc_);
  const auto before = AllPoints();
  Run("mnuTrimsTrim", {{8, 0}, {5, 3}});
  EXPECT_EQ(ObjCount, b);
  EXPECT_EQ(Objs[a].Erased, 0);
  EXPECT_EQ(Objs[b].Erased, 0);
  EXPECT_EQ(AllPoints(), before);
  ExpectCleanEnd();
}

struct TrimArcCase {
  const char* name;
  Double boundaryDeg;  // a radial boundary line at this direction from the centre
  Double pickDeg;      // where the arc is picked
  Double startDeg, endDeg;
};

TEST_F(TrimsTest, AnArcRunsFromTheKeptEndToTheCrossing) {
  const TrimArcCase cases[] = {
      {"extended from 90 to 120 degrees", 120, 45, 0, 120},
      {"trimmed at 60 degrees, picked at 75", 60, 75, 60, 90},
  };
  for (const TrimArcCase& c : cases) {
    SCOPED_TRACE(c.name);
    ResetModel();
    const Long arc = AddArc(6, 4, 2, 0, 45, 90);
    const Double dx = std::cos(c.boundaryDeg * Deg), dy = std::sin(c.boundaryDeg * Deg);
    AddLine(6 + 0.5 * dx, 4 + 0.5 * dy, 6 + 4 * dx, 4 + 4 * dy);
    RefreshDocView(doc_);
    Run("mnuTrimsExtend", {{6 + 2 * std::cos(c.pickDeg * Deg), 4 + 2 * std::sin(c.pickDeg * Deg)},
                           {6 + 3.5 * dx, 4 + 3.5 * dy}});
    ASSERT_EQ(Objs[ObjCount].Rtype, EntityArc);
    EXPECT_EQ(Objs[arc].Erased, FlagTrue);
    EXPECT_NEAR(PX(ObjCount, 1), 6, 1e-9);
    EXPECT_NEAR(PY(ObjCount, 1), 4, 1e-9);
    EXPECT_NEAR(ArcDeg(ObjCount, 2), c.startDeg, 1e-3);
    EXPECT_NEAR(ArcDeg(ObjCount, 3), (c.startDeg + c.endDeg) / 2, 1e-3);
    EXPECT_NEAR(ArcDeg(ObjCount, 4), c.endDeg, 1e-3);
    ExpectCleanEnd();
  }
}

TEST_F(TrimsTest, ReplaceTrimmedObjKeepsTheLayerOfALineAndLeavesAnArcAlone) {
  const Long line = AddLine(0, 0, 4, 0);
  const Long layer = EnsureLayer("Kerbs");
  ASSERT_NE(layer, Objs[line].LayerID);
  Objs[line].LayerID = layer;
  Objs[line].Color = 0x123456;
  const Long stepBefore = Dwgs[1].UndoStep;
  ReplaceTrimmedObj(line, 1, 1, 2, 2);
  ExpectLine(ObjCount, 1, 1, 2, 2);
  EXPECT_EQ(Objs[ObjCount].Color, 0x123456);
  EXPECT_EQ(Objs[ObjCount].LayerID, layer);
  EXPECT_EQ(Dwgs[1].UndoStep, stepBefore + 2);
  Undo();
  Undo();
  EXPECT_EQ(Objs[line].Erased, 0);
  EXPECT_EQ(Objs[line].Show, FlagTrue);

  const Long arc = AddArc(3, 3, 1, 0, 45, 90);
  const Long count = ObjCount;
  const auto before = AllPoints();
  ReplaceTrimmedObj(arc, 0, 0, 1, 1);
  EXPECT_EQ(ObjCount, count);
  EXPECT_EQ(AllPoints(), before);
}

// ---- Chamfer ---------------------------------------------------------------------------------

TEST_F(TrimsTest, AChamferNeedsLinesAtLeastAsLongAsBothDistances) {
  AddLine(1, 1, 1.9, 1);
  AddLine(1, 1, 1, 1.9);
  RefreshDocView(doc_);
  const Long count = ObjCount;
  Run("mnuTrimsChamfer", {{1.5, 1}, {1, 1.5}});
  EXPECT_EQ(ObjCount, count);
  EXPECT_EQ(Objs[count].Erased, 0);
  ExpectCleanEnd();
}

TEST_F(TrimsTest, AChamferOfTwoLinesCutsTheCornerOnThePickedSides) {
  const Long a = AddLine(0, 2, 6, 2);  // overshoots the corner at (4, 2)
  const Long b = AddLine(4, 0, 4, 6);
  RefreshDocView(doc_);
  Run("mnuTrimsChamfer", {{1, 2}, {4, 5}});
  ASSERT_EQ(ObjCount, b + 3);
  EXPECT_EQ(Objs[a].Erased, FlagTrue);
  EXPECT_EQ(Objs[b].Erased, FlagTrue);
  ExpectLine(b + 1, 0, 2, 3.5, 2);
  ExpectLine(b + 2, 3.5, 2, 4, 2.5);
  ExpectLine(b + 3, 4, 2.5, 4, 6);
  ExpectCleanEnd();
}

TEST_F(TrimsTest, AChamferOfNeighbouringPolylineSegmentsSplitsThePolyline) {
  const Long poly = AddPolyline({{1, 1}, {3, 1}, {5, 1}, {5, 4}, {8, 4}});
  RefreshDocView(doc_);
  Run("mnuTrimsChamfer", {{5, 2.5}, {4, 1}});  // segment 3 first, then segment 2
  ASSERT_EQ(ObjCount, poly + 3);
  EXPECT_EQ(Objs[poly].Erased, FlagTrue);
  const Long head = poly + 1, chamfer = poly + 2, tail = poly + 3;
  ASSERT_EQ(Objs[head].Rtype, EntityPolyline);
  ASSERT_EQ(Objs[head].NPoints, 3);
  EXPECT_DOUBLE_EQ(PX(head, 2), 3);
  EXPECT_NEAR(PX(head, 3), 4.5, 1e-6);
  EXPECT_NEAR(PY(head, 3), 1, 1e-6);
  ExpectLine(chamfer, 4.5, 1, 5, 1.5);
  ASSERT_EQ(Objs[tail].Rtype, EntityPolyline);
  ASSERT_EQ(Objs[tail].NPoints, 3);
  EXPECT_NEAR(PX(tail, 1), 5, 1e-6);
  EXPECT_NEAR(PY(tail, 1), 1.5, 1e-6);
  EXPECT_DOUBLE_EQ(PX(tail, 3), 8);
  ExpectCleanEnd();
}

TEST_F(TrimsTest, AChamferOfParallelSegmentsOrOfAPolygonsClosingCornerChangesNothing) {
  struct Case {
    Integer type;
    std::pair<Double, Double> clicks[2];
  };
  // Segments 1 and 4 of the polyline are parallel; segments 1 and 4 of the
  // polygon (its last) meet at its closing corner (1, 1).
  for (const Case& c : {Case{EntityPolyline, {{2, 1}, {6, 4}}}, Case{EntityPolygon, {{2, 1}, {1, 2.5}}}}) {
    AddObj(c.type, 5);
    const bool closed = c.type == EntityPolygon;
    for (const auto& [x, y] : closed ? std::vector<std::pair<Double, Double>>{{1, 1}, {3, 1}, {3, 4}, {1, 4}, {1, 1}}
                                     : std::vector<std::pair<Double, Double>>{{1, 1}, {3, 1}, {5, 1}, {5, 4}, {8, 4}})
      AddPnt(x, y);
    const Long poly = ObjCount;
    RefreshDocView(doc_);
    Run("mnuTrimsChamfer", {c.clicks[0], c.clicks[1]});
    EXPECT_EQ(ObjCount, poly) << c.type;
    EXPECT_EQ(Objs[poly].Erased, 0) << c.type;
    ExpectCleanEnd();
    EraseObj(poly);
  }
}

TEST_F(TrimsTest, AChamferOfSegmentsTwoAndFiveCutsAwayTheSegmentsBetween) {
  using Points = std::vector<std::pair<Double, Double>>;
  const auto expectPolyline = [](Long objNo, const Points& points) {
    ASSERT_EQ(Objs[objNo].Rtype, EntityPolyline);
    ASSERT_EQ(Objs[objNo].NPoints, static_cast<Integer>(points.size()));
    for (Integer k = 1; k <= Objs[objNo].NPoints; ++k) {
      EXPECT_NEAR(PX(objNo, k), points[k - 1].first, 1e-6) << "point " << k;
      EXPECT_NEAR(PY(objNo, k), points[k - 1].second, 1e-6) << "point " << k;
    }
  };
  // Segment 2 runs along y = 1 and segment 5 along x = 8: their lines cross at (8, 1).
  for (Integer type : {EntityPolyline, EntityPolygon}) {
    SCOPED_TRACE(type);
    AddObj(type, 8);
    for (const auto& [x, y] : Points{{1, 3}, {2, 1}, {5, 1}, {6, 3}, {8, 4}, {8, 6}, {10, 6}, {11, 8}}) AddPnt(x, y);
    const Long poly = ObjCount;
    RefreshDocView(doc_);
    Run("mnuTrimsChamfer", {{8, 5}, {3, 1}});  // segment 5 first
    ASSERT_EQ(ObjCount, poly + 3);
    EXPECT_EQ(Objs[poly].Erased, FlagTrue);
    expectPolyline(poly + 1, {{1, 3}, {2, 1}, {7.5, 1}});
    ExpectLine(poly + 2, 7.5, 1, 8, 1.5);
    expectPolyline(poly + 3, {{8, 1.5}, {8, 6}, {10, 6}, {11, 8}});
    ExpectCleanEnd();
    for (Long i = poly + 1; i <= ObjCount; ++i) EraseObj(i);
  }
}

// ---- Fillet and corner trim -----------------------------------------------------------------

TEST_F(TrimsTest, AFilletOfTwoLinesAppendsLineArcLineInOrder) {
  FilletRadius = 2;
  const Long a = AddLine(0, 0, 10, 0);
  const Long b = AddLine(0, 0, 0, 10);
  RefreshDocView(doc_);
  Run("mnuTrimsFIllet", {{8, 0}, {0, 8}});
  ASSERT_EQ(ObjCount, b + 3);
  EXPECT_EQ(Objs[a].Erased, FlagTrue);
  EXPECT_EQ(Objs[b].Erased, FlagTrue);
  ExpectLine(b + 1, 10, 0, 2, 0);
  const Long arc = b + 2;
  ASSERT_EQ(Objs[arc].Rtype, EntityArc);
  EXPECT_NEAR(PX(arc, 1), 2, 1e-6);
  EXPECT_NEAR(PY(arc, 1), 2, 1e-6);
  EXPECT_NEAR(PX(arc, 2), 2, 1e-6);
  EXPECT_NEAR(PY(arc, 2), 0, 1e-6);
  EXPECT_NEAR(PX(arc, 3), 2 - std::sqrt(2.0), 1e-6);
  EXPECT_NEAR(PX(arc, 4), 0, 1e-6);
  EXPECT_NEAR(PY(arc, 4), 2, 1e-6);
  ExpectLine(b + 3, 0, 2, 0, 10);
  EXPECT_EQ(FilletRadius, 2);
  ExpectCleanEnd();
}

struct CornerCase {
  const char* name;
  const char* item;
  Double radius;
  Double degreesApart;  // the second line's direction from the corner
  Integer arcs;         // arcs appended
  bool sharp;           // the two new lines start at the corner
};

TEST_F(TrimsTest, TheAngleBetweenTheLinesDecidesFilletCornerOrNothing) {
  const CornerCase cases[] = {
      {"perpendicular, radius 0.5", "mnuTrimsFIllet", 0.5, 90, 1, false},
      {"corner trim", "mnuTrimsCorner", 0.5, 90, 0, true},
      {"4 degrees apart: a sharp corner", "mnuTrimsFIllet", 0.5, 4, 0, true},
      {"2 degrees apart: unchanged", "mnuTrimsFIllet", 0.5, 2, 0, false},
  };
  for (const CornerCase& c : cases) {
    SCOPED_TRACE(c.name);
    ResetModel();
    FilletRadius = c.radius;
    const Double dx = std::cos(c.degreesApart * Deg), dy = std::sin(c.degreesApart * Deg);
    // Both lines overshoot the corner at (2, 2) by one unit.
    const Long a = AddLine(1, 2, 12, 2);
    const Long b = AddLine(2 - dx, 2 - dy, 2 + 10 * dx, 2 + 10 * dy);
    RefreshDocView(doc_);
    Run(c.item, {{11, 2}, {2 + 9 * dx, 2 + 9 * dy}});
    EXPECT_EQ(Objs[a].Erased, FlagTrue);
    EXPECT_EQ(Objs[b].Erased, FlagTrue);
    ASSERT_EQ(ObjCount, b + 2 + c.arcs);
    const Long last = ObjCount;
    if (c.arcs == 1) {
      EXPECT_EQ(Objs[b + 2].Rtype, EntityArc);
      EXPECT_NEAR(std::hypot(PX(b + 2, 2) - PX(b + 2, 1), PY(b + 2, 2) - PY(b + 2, 1)), 0.5, 1e-6);
      ExpectLine(b + 1, 12, 2, 2.5, 2);
      ExpectLine(last, 2, 2.5, 2, 12);
    } else if (c.sharp) {
      ExpectLine(b + 1, 2, 2, 12, 2, 1e-6);
      ExpectLine(last, 2, 2, 2 + 10 * dx, 2 + 10 * dy, 1e-6);
    } else {
      ExpectLine(b + 1, 1, 2, 12, 2);
      ExpectLine(last, 2 - dx, 2 - dy, 2 + 10 * dx, 2 + 10 * dy);
    }
    EXPECT_EQ(FilletRadius, c.radius);  // Corner Trim puts the radius back
    ExpectCleanEnd();
  }
}

TEST_F(TrimsTest, AFilletOfALineThroughAnArcsCentreRunsOnTheArcsPickedSide) {
  FilletRadius = 1;
  const Long line = AddLine(-2, 5, 18, 5);
  const Long arc = AddArc(8, 5, 5, 0, 45, 90);
  RefreshDocView(doc_);
  Run("mnuTrimsFIllet", {{0, 5}, {11, 9}});
  ASSERT_EQ(ObjCount, arc + 1);  // only the fillet arc; the line and the arc keep their length
  const Double root = std::sqrt(35.0);
  EXPECT_NEAR(PX(ObjCount, 1), 8 - root, 1e-6);  // the fillet centre
  EXPECT_NEAR(PY(ObjCount, 1), 6, 1e-6);
  EXPECT_NEAR(PX(ObjCount, 2), 8 - 5 * root / 6, 1e-6);
  EXPECT_NEAR(PY(ObjCount, 2), 5 + 5.0 / 6, 1e-6);
  EXPECT_NEAR(PX(ObjCount, 4), 8 - root, 1e-6);
  EXPECT_NEAR(PY(ObjCount, 4), 5, 1e-6);
  EXPECT_EQ(Objs[line].Erased, 0);
  EXPECT_EQ(Objs[arc].Erased, 0);
  ExpectCleanEnd();
}

TEST_F(TrimsTest, AFilletOfTwoArcsRunsFromTheFirstPickedArcToTheSecond) {
  FilletRadius = 1;
  const Long a = AddArc(2, 2, 1, -90, 0, 90);
  const Long b = AddArc(6, 2, 1, 90, 180, 270);
  RefreshDocView(doc_);
  Run("mnuTrimsFIllet", {{2 + std::sqrt(0.5), 2 + std::sqrt(0.5)}, {6 - std::sqrt(0.5), 2 + std::sqrt(0.5)}});
  ASSERT_EQ(ObjCount, b + 1);
  EXPECT_NEAR(PX(ObjCount, 2), 3, 1e-6);  // on the first arc
  EXPECT_NEAR(PY(ObjCount, 2), 2, 1e-6);
  EXPECT_NEAR(PX(ObjCount, 3), 4, 1e-6);
  EXPECT_NEAR(PY(ObjCount, 3), 3, 1e-6);
  EXPECT_NEAR(PX(ObjCount, 4), 5, 1e-6);  // on the second
  EXPECT_NEAR(PY(ObjCount, 4), 2, 1e-6);
  EXPECT_EQ(Objs[a].Erased, 0);
  EXPECT_EQ(Objs[b].Erased, 0);
  ExpectCleanEnd();
}

TEST_F(TrimsTest, ConcentricArcsHaveNoFillet) {
  FilletRadius = 1;
  const Long a = AddArc(3, 3, 2, 0, 45, 90);
  const Long b = AddArc(3, 3, 4, 0, 45, 90);
  PickedPoints[1] = {5, 3};
  PickedPoints[2] = {7, 3};
  CornerFillet(a, b);
  EXPECT_EQ(ObjCount, b);
}

struct AutoCornerCase {
  const char* item;             // the Controls menu switch
  std::vector<Integer> types;   // the live objects of the chain, in order
  Double x1, y1;                // the first point of the last piece
};

TEST_F(TrimsTest, AContinuousLineWithAutoCornersIsJoinedAtItsCorner) {
  const AutoCornerCase cases[] = {
      {"mnuControlsFillet", {EntityLine, EntityArc, EntityLine}, 8, 1.5},
      {"mnuControlsChamfer", {EntityLine, EntityLine, EntityLine}, 8, 1.5},
  };
  for (const AutoCornerCase& c : cases) {
    SCOPED_TRACE(c.item);
    ResetModel();
    DrawingDriver::Choose(c.item);
    ASSERT_TRUE(AutoFillet || AutoChamfer);
    PickedPoints = {};  // whatever the picks of earlier commands were, the chain decides its corners
    PickedPoints[1] = {9, 9};
    PickedPoints[2] = {0, 9};
    DrawingDriver::PressButton("Line4");
    input_->ClickAt(1, 1);
    input_->ClickAt(8, 1);
    input_->ClickAt(8, 7);
    input_->Escape();
    std::vector<Integer> types;
    Long first = 0;
    for (Long k = 1; k <= ObjCount; ++k) {
      if (Objs[k].Erased) continue;
      types.push_back(Objs[k].Rtype);
      if (!first) first = k;
    }
    EXPECT_EQ(types, c.types);
    ExpectLine(first, 1, 1, 7.5, 1, 1e-6);  // cut back on its own side of the corner
    ExpectLine(ObjCount, c.x1, c.y1, 8, 7, 1e-6);
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

}  // namespace
}  // namespace lintavo
