// The shape and curve commands of the line-drawing module, chosen from the
// menus and tool bars and fed by clicks, typed values, Enter and Esc in a
// drawing window: what each stores, what it asks, what it refuses.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "commands/LineDraw.h"
#include "commands/LineDrawCurves.h"
#include "model/DataHand.h"
#include "model/LineDrawCodes.h"
#include "model/SnapSettings.h"
#include "model/Top.h"
#include "support/DrawingDriver.h"
#include "view/DisplayOptions.h"
#include "view/Rubber.h"
#include "view/DrawingWindowFixture.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

struct XY {
  Double X, Y;
};

class LineDrawShapesTest : public DrawingWindowFixture {
 protected:
  void SetUp() override {
    DrawingWindowFixture::SetUp();
    // 12 pixels per unit with the origin at view pixel (72, 72): world
    // -6 .. 27 across, -6 .. 19 up, every twelfth of a unit on a pixel.
    ShowAtScale(doc_, 12, 72);
    // A reach of 0.2 units at this zoom, kept by every redraw.
    SnapTolerance = 0.2F * static_cast<Single>(doc_->View_Scale);
    PickTolerance = 0.2F;
  }

  void ClickAll(const std::vector<XY>& points) {
    for (const XY& p : points) input_->ClickAt(p.X, p.Y);
  }
  static void ExpectPoints(Long obj, const std::vector<XY>& expected, double tolerance = 1e-6) {
    ASSERT_EQ(Objs[obj].NPoints, static_cast<Integer>(expected.size()));
    for (size_t k = 0; k < expected.size(); ++k) {
      EXPECT_NEAR(Point(obj, k + 1).X, expected[k].X, tolerance) << "point " << k + 1;
      EXPECT_NEAR(Point(obj, k + 1).Y, expected[k].Y, tolerance) << "point " << k + 1;
    }
  }
};

const double Root26 = std::sqrt(26.0);
const double Root2 = std::sqrt(2.0);

// ---- Every command: its prompts and what it stores ---------------------------------------

struct CommandCase {
  const char* menu;                  // menu item, or tool-bar button key
  std::vector<XY> clicks;
  const char* typed;                 // typed after the clicks and Enter; nullptr none
  Integer type;                      // the stored entity type
  std::vector<XY> points;            // its points in the stored order
  std::vector<const char*> prompts;  // panel 2 at the start and after each click but the last
  bool ends;                         // the command has ended after the clicks
};

TEST_F(LineDrawShapesTest, EveryCommandAsksForItsPointsAndStoresItsLayout) {
  const double r2 = 2 / Root2;
  const std::vector<CommandCase> cases = {
      {"mnuDrawShapeRectangle2", {{1, 1}, {3, 4}}, nullptr, EntityPolygon,
       {{1, 1}, {3, 1}, {3, 4}, {1, 4}, {1, 1}},
       {"Enter First Corner of RECTANGLE", "Enter Opposite Corner of RECTANGLE"}, true},
      {"Rectangle2", {{0, 0}, {2, 2}, {0, 2}}, nullptr, EntityPolygon,
       {{0, 0}, {2, 2}, {1, 3}, {-1, 1}, {0, 0}},
       {"Enter First Corner of RECTANGLE", "Enter Second Corner of RECTANGLE", "Enter Third Corner of RECTANGLE"},
       true},
      {"mnuDrawShapeRectangle3", {{0, 0}, {4, 0}, {1, 3}}, nullptr, EntityPolygon,
       {{0, 0}, {4, 0}, {4, 3}, {0, 3}, {0, 0}}, {}, true},
      {"mnuDrawShapeTrapazoid", {{0, 0}, {4, 0}, {5, 2}}, nullptr, EntityPolygon,
       {{0, 0}, {4, 0}, {5, 2}, {1, 2}, {0, 0}},
       {"Enter First Corner of TRAPAZOID", "Enter Second Corner of TRAPAZOID", "Enter Third Corner of TRAPAZOID"},
       true},
      {"mnuDrawShapePolygon", {{0, 0}, {2, 0}, {0, 2}}, nullptr, EntityPolygon,
       {{2, 0}, {0, 2}, {-2, 0}, {0, -2}, {2, 0}},
       {"Enter the Center of Polygon >", "Enter First Point On the Polygon >",
        "Enter Last Point or Number of Sides >"},
       true},
      {"Polygon1", {{0, 0}, {1, 0}}, "6", EntityPolygon,
       {{1, 0}, {0.5, 0.866025}, {-0.5, 0.866025}, {-1, 0}, {-0.5, -0.866025}, {0.5, -0.866025}, {1, 0}}, {},
       true},
      {"mnuDrawShapeIllreg", {{0, 0}, {4, 0}, {4, 3}, {0, 3}, {1.0 / 12, 1.0 / 12}}, nullptr, EntityPolygon,
       {{0, 0}, {4, 0}, {4, 3}, {0, 3}, {0, 0}},
       {"Enter First point on POLYGON", "Enter Second point on POLYGON", "Enter Next point on POLYGON",
        "Enter Next point on POLYGON", "Enter Next point on POLYGON"},
       true},
      {"mnuDrawShapeIllreg", {{0, 0}, {4, 0}, {4, 3}}, nullptr, EntityPolyline, {{0, 0}, {4, 0}, {4, 3}}, {},
       false},
      {"mnuDrawCircle2a", {{1, 1}, {3, 1}}, nullptr, EntityCircle, {{1, 1}, {3, 1}},
       {"Enter Center Point of CIRCLE", "Enter Outside Point on CIRCLE"}, true},
      {"Circle3", {{0, 0}, {4, 0}}, nullptr, EntityCircle, {{2, 0}, {0, 0}},
       {"Enter a Point on CIRCLE", "Enter Opposite Point on CIRCLE"}, true},
      {"mnuDrawCircle3", {{1, 0}, {0, 1}, {-1, 0}}, nullptr, EntityCircle, {{0, 0}, {1, 0}},
       {"Enter First Point on CIRCLE", "Enter Second Point on CIRCLE", "Enter Third Point on CIRCLE"}, true},
      {"mnuDrawArc3", {{2, 0}, {0, 2}, {-2, 0}}, nullptr, EntityArc, {{0, 0}, {2, 0}, {0, 2}, {-2, 0}},
       {"Enter Start of the ARC", "Enter Midpoint of the ARC", "Enter End of the ARC"}, true},
      {"Arc3", {{-2, 0}, {0, 2}, {2, 0}}, nullptr, EntityArc, {{0, 0}, {2, 0}, {0, 2}, {-2, 0}}, {}, true},
      {"mnuDrawArc4", {{-2, 0}, {2, 0}, {0, -2}}, nullptr, EntityArc, {{0, 0}, {2, 0}, {0, -2}, {-2, 0}},
       {"Enter Start Point of ARC", "Enter End Point of ARC", "Enter Mid Point of ARC"}, true},
      {"mnuDrawEllipse2", {{0, 0}, {4, 2}}, nullptr, EntityEllipse, {{0, 1}, {4, 1}, {2, 2}, {2, 0}},
       {"Enter Base Point of Ellipse", "Enter Opposite Point of Ellipse"}, true},
      {"mnuDrawEllipse3", {{0, 0}, {2, 0}, {5, 1}}, nullptr, EntityEllipse,
       {{-2, 0}, {2, 0}, {0, Root26}, {0, -Root26}},
       {"Enter Center Point of ELLIPSE", "Enter End Point of Major Axis", "Enter End Point of Minor Axis"}, true},
      {"Ellipse2", {{-2, 0}, {2, 0}, {5, 1}}, nullptr, EntityEllipse, {{-2, 0}, {2, 0}, {0, Root26}, {0, -Root26}},
       {"Enter Start of Major Axis", "Enter End Point of Major Axis", "Enter End Point of Minor Axis"}, true},
      {"mnuDrawEllipseArc", {{0, 0}, {4, 2}, {4, 1.5}, {1, 2}}, nullptr, EntityEllipticArc,
       {{0, 1}, {4, 1}, {2, 2}, {2, 0}, {4, 1.5}, {1, 2}},
       {"Enter Base Point of Ellipse", "Enter Opposite Point of Ellipse ", "Enter Start of ARC", "Enter End of ARC"},
       true},
      {"mnuDrawCurveSpline", {{0, 0}, {2, 1}, {4, 0}, {6, 1}}, nullptr, EntitySpline,
       {{0, 0}, {2, 1}, {4, 0}, {6, 1}},
       {"Enter First Point on CURVE", "Enter Next Point on CURVE", "Enter Next Point on CURVE",
        "Enter Next Point on CURVE"},
       false},
      {"Bezier1", {{0, 0}, {8, 0}, {16, 0}}, nullptr, EntityBezier, {{0, 0}, {2, 0}, {6, 0}, {8, 0}},
       {"Enter First Point of CURVE", "Enter End Point of CURVE", "Enter End CURVE Direction"}, true},
      {"mnuDrawCurveBezier2", {{0, 0}, {4, 0}, {4, 4}}, nullptr, EntityBezier,
       {{0, 0}, {1, 0}, {4 - 1 / Root2, -1 / Root2}, {4, 0}}, {}, true},
      {"mnuDrawCurveBezier", {{0, 0}, {4, 0}, {4, 4}}, nullptr, EntityContBezier,
       {{0, 0}, {1, 0}, {4 - 1 / Root2, -1 / Root2}, {4, 0}, {4 + 1 / Root2, 1 / Root2}, {4, 4}, {4, 4}},
       {"Enter First Point on CURVE", "Enter Next Point on CURVE", "Enter Next Point on CURVE"}, false},
  };
  // The arc by centre, start and end without a preview: counterclockwise
  // from the start, its middle half-way round.
  RubberBanding = FlagFalse;
  RubberArcSweep = 5;  // as an earlier preview might have left it
  DrawingDriver::Choose("mnuDrawArc2");
  EXPECT_EQ(MessagePanel(2), "Enter Center Point of ARC");
  ClickAll({{0, 0}, {2, 0}, {0, -2}});
  ExpectPoints(ObjCount, {{0, 0}, {2, 0}, {-r2, r2}, {0, -2}}, 1e-5);
  EXPECT_EQ(Objs[ObjCount].Rtype, EntityArc);
  RubberBanding = FlagTrue;

  for (const CommandCase& c : cases) {
    SCOPED_TRACE(c.menu);
    CancelTools();
    const QString name = QString::fromLatin1(c.menu);
    if (name.startsWith("mnu")) {
      DrawingDriver::Choose(name);
    } else {
      DrawingDriver::PressButton(name);
    }
    EXPECT_EQ(MessagePanel(1), LineDrawTitle(LineDrawCommand));
    const Long objsBefore = ObjCount;
    for (size_t k = 0; k < c.clicks.size(); ++k) {
      if (k < c.prompts.size()) {
        EXPECT_EQ(MessagePanel(2), c.prompts[k]) << "before click " << k + 1;
      }
      input_->ClickAt(c.clicks[k].X, c.clicks[k].Y);
    }
    if (c.typed) {
      input_->Type(c.typed);
      input_->Enter();
    }
    ASSERT_EQ(ObjCount, objsBefore + 1);
    EXPECT_EQ(Objs[ObjCount].Rtype, c.type);
    if (c.type == EntityPolygon) {
      EXPECT_EQ(Objs[ObjCount].Ltype, 1);
    }
    ExpectPoints(ObjCount, c.points, 1e-5);
    EXPECT_EQ(LineDrawActive, c.ends ? 0 : FlagTrue);
    if (c.ends) {
      EXPECT_EQ(ActiveTool, 0);
      EXPECT_EQ(MessagePanel(2), "");
    }
  }
}

TEST_F(LineDrawShapesTest, ClosedShapesRepeatTheirFirstPointExactly) {
  DrawingDriver::Choose("mnuDrawShapeIllreg");
  ClickAll({{0.5, 0.25}, {4, 0}, {4, 3}, {0, 3}, {0.5 + 1.0 / 12, 0.25 - 1.0 / 12}});
  const ObjRec& polygon = Objs[ObjCount];
  ASSERT_EQ(polygon.Rtype, EntityPolygon);
  ASSERT_EQ(polygon.NPoints, 5);
  EXPECT_EQ(Point(ObjCount, 5).X, Point(ObjCount, 1).X);
  EXPECT_EQ(Point(ObjCount, 5).Y, Point(ObjCount, 1).Y);
}

// ---- Refused and degenerate input ---------------------------------------------------------

TEST_F(LineDrawShapesTest, ArcPointsTooCloseAreAskedForAgain) {
  struct Case {
    const char* menu;
    std::vector<XY> clicks;  // the last one too close
    const char* prompt;
    Integer stepAfter;
  };
  const std::vector<Case> cases = {
      {"mnuDrawArc3", {{2, 0}, {2, 0}}, "Re-Enter Midpoint of the ARC", 1},
      {"mnuDrawArc3", {{2, 0}, {0, 2}, {0, 2}}, "Re-Enter End Point of the ARC", 2},
      {"mnuDrawArc4", {{2, 0}, {2, 0}}, "Re-Enter End Point of the ARC", 1},
      {"mnuDrawArc4", {{2, 0}, {-2, 0}, {-2, 0}}, "Re-Enter Mid Point of ARC", 2},
      {"mnuDrawArc2", {{0, 0}, {2, 0}, {2, 0}}, "Re-Enter the End of ARC", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.prompt);
    CancelTools();
    DrawingDriver::Choose(c.menu);
    const Long objsBefore = ObjCount;
    ClickAll(c.clicks);
    EXPECT_EQ(MessagePanel(3), "Error! Points Too Close!");
    EXPECT_EQ(MessagePanel(2), c.prompt);
    EXPECT_EQ(ToolStep, c.stepAfter);
    EXPECT_EQ(LineDrawActive, FlagTrue);
    EXPECT_EQ(ObjCount, objsBefore);
  }
  // The next click is taken as the refused point; the message goes.
  ClickAll({{0, 2}});
  ASSERT_EQ(Objs[ObjCount].Rtype, EntityArc);
  EXPECT_NEAR(Point(ObjCount, 4).X, 0, 1e-6);
  EXPECT_NEAR(Point(ObjCount, 4).Y, 2, 1e-6);
}

TEST_F(LineDrawShapesTest, DegenerateInputMakesNoObjectEndsTheCommandAndSaysWhy) {
  struct Case {
    const char* menu;
    std::vector<XY> clicks;
    const char* typed;
    bool said = true;  // "Error! Points Too Close!"; a side count out of range ends silently
  };
  const std::vector<Case> cases = {
      {"mnuDrawShapeRectangle2", {{1, 1}, {1, 1}}, nullptr},
      {"mnuDrawShapeRectangle2", {{1, 1}, {4, 1}}, nullptr},  // no height
      {"mnuDrawShapeRectangle3", {{1, 1}, {4, 1}, {6, 1}}, nullptr},
      {"mnuDrawShapeTrapazoid", {{0, 0}, {1, 1}, {2, 2}}, nullptr},
      {"mnuDrawShapePolygon", {{1, 1}, {1, 1}}, "4"},              // no radius
      {"mnuDrawShapePolygon", {{0, 0}, {2, 0}, {2, 0}}, nullptr, false},   // no angle
      {"mnuDrawShapePolygon", {{0, 0}, {2, 0}, {2, 1.0 / 12}}, nullptr, false},  // 151 sides
      {"mnuDrawShapePolygon", {{0, 0}, {2, 0}}, "2", false},
      {"mnuDrawShapePolygon", {{0, 0}, {2, 0}}, "six", false},
      {"mnuDrawCircle2a", {{1, 1}, {1, 1}}, nullptr},
      {"mnuDrawCircle2b", {{1, 1}, {1, 1}}, nullptr},
      {"mnuDrawCircle3", {{0, 0}, {1, 1}, {3, 3}}, nullptr},
      {"mnuDrawCircle3", {{0, 0}, {0, 0}, {3, 3}}, nullptr},
      {"mnuDrawArc2", {{1, 1}, {1, 1}, {3, 3}}, nullptr},  // the start on the centre
      {"mnuDrawArc3", {{0, 0}, {1, 1}, {3, 3}}, nullptr},
      {"mnuDrawArc4", {{0, 0}, {3, 3}, {1, 1}}, nullptr},
      {"mnuDrawEllipse2", {{0, 0}, {4, 0}}, nullptr},
      {"mnuDrawEllipse3", {{0, 0}, {0, 0}, {2, 2}}, nullptr},
      {"mnuDrawEllipse3", {{0, 0}, {2, 0}, {0, 0}}, nullptr},
      {"mnuDrawEllipse4", {{1, 1}, {1, 1}, {2, 2}}, nullptr},
      {"mnuDrawEllipseArc", {{0, 0}, {4, 0}, {4, 0}, {0, 0}}, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.menu) + " " + std::to_string(c.clicks.back().X) + "," +
                 std::to_string(c.clicks.back().Y));
    CancelTools();
    DrawingDriver::Choose(c.menu);
    const Long objsBefore = ObjCount;
    ClickAll(c.clicks);
    if (c.typed) {
      input_->Type(c.typed);
      input_->Enter();
    }
    EXPECT_EQ(ObjCount, objsBefore);
    EXPECT_EQ(LineDrawActive, 0);
    EXPECT_EQ(ActiveTool, 0);
    EXPECT_EQ(MessagePanel(3), c.said ? "Error! Points Too Close!" : "");
  }
}

TEST_F(LineDrawShapesTest, ASideCountTypedBeforeThePointsIsIgnored) {
  DrawingDriver::Choose("mnuDrawShapePolygon");
  input_->Type("5");
  input_->Enter();
  input_->ClickAt(0, 0);
  input_->Type("4");
  input_->Enter();
  EXPECT_EQ(LineDrawActive, FlagTrue);
  input_->ClickAt(2, 0);
  EXPECT_EQ(LineDrawActive, FlagTrue);  // still waiting for the last point or the count
  input_->Type("3");
  input_->Enter();
  EXPECT_EQ(Objs[ObjCount].Rtype, EntityPolygon);
  EXPECT_EQ(Objs[ObjCount].NPoints, 4);
}

TEST_F(LineDrawShapesTest, ACodeWithoutACommandStartsNothing) {
  LineDrawCommand = DrawNothingCode;
  ActiveTool = ToolLineDraw;
  SelectTool();
  EXPECT_EQ(ActiveTool, 0);
  EXPECT_EQ(LineDrawActive, 0);
  EXPECT_EQ(AwaitingInput, 0);
  EXPECT_EQ(MessagePanel(1), "");
  const Long objsBefore = ObjCount;
  ClickAll({{1, 1}, {2, 2}, {3, 1}});
  EXPECT_EQ(ObjCount, objsBefore);
  EXPECT_EQ(LineDrawActive, 0);
}

// ---- Arc directions ------------------------------------------------------------------------

TEST_F(LineDrawShapesTest, TheCentreArcRunsTheWayItsPreviewWasDraggedWithOrWithoutGridSnap) {
  const double step = 1.0 / 12;  // one pixel
  // With the grid snap the pixel off the start snaps back onto it, and the
  // next place jumps a grid step (a quarter unit) round: the direction comes
  // from there. The snapped rows follow each other in both directions, so a
  // direction left by the row before cannot pass.
  const struct {
    bool clockwise, gridSnap;
  } rows[] = {{false, false}, {true, false}, {true, true}, {false, true}};
  for (const auto& row : rows) {
    const bool clockwise = row.clockwise;
    SCOPED_TRACE(std::string(clockwise ? "clockwise" : "counterclockwise") + (row.gridSnap ? ", grid snap" : ""));
    CancelTools();
    if ((GridSnap != 0) != row.gridSnap) DrawingDriver::Choose("mnuControlsSnapsGrid");
    ASSERT_EQ(GridSnap != 0, row.gridSnap);
    DrawingDriver::Choose("mnuDrawArc2");
    ClickAll({{0, 0}, {4, 0}});
    // Leave the start to one side, then go round to the end at the top.
    input_->MoveTo(4, clockwise ? -step : step);
    input_->MoveTo(clockwise ? 0 : 2.8, clockwise ? -4 : 2.8);
    EXPECT_EQ(ArcSweepReversed, clockwise ? 0 : FlagTrue);
    input_->MoveTo(-4, 0);
    input_->MoveTo(0, 4);
    EXPECT_NE(MessagePanel(2).find("Angle = "), std::string::npos);
    EXPECT_EQ(MessagePanel(3).rfind(" Radius = ", 0), 0u);
    input_->ClickAt(0, 4);
    // The middle lies half-way along the arc shown: at 45 degrees
    // counterclockwise, at 225 degrees the other way round.
    const double c = 4 / Root2 * (clockwise ? -1 : 1);
    ExpectPoints(ObjCount, {{0, 0}, {4, 0}, {c, c}, {0, 4}}, 0.05);
  }
}

// Arc, Center/Start/End under grid snap: an end clicked on the circle is
// stored as clicked, whatever its angle; one clicked off it is moved along
// its ray onto the circle. A line drawn on from the same grid point then
// shares the arc's end, and Area by Lines takes the outline in its order.
TEST_F(LineDrawShapesTest, TheCentreArcKeepsAnEndClickedOnItsCircleAndMovesOneClickedOffOntoIt) {
  if (!GridSnap) DrawingDriver::Choose("mnuControlsSnapsGrid");
  const struct {
    XY centre, start, end, stored;
    Double tolerance;  // 0: exactly as clicked
  } rows[] = {
      {{8, 4}, {8, 2}, {6, 4}, {6, 4}, 0},           // 180 degrees
      {{8, 4}, {10, 4}, {8, 2}, {8, 2}, 0},          // 270 degrees
      {{2.5, 2}, {7.5, 2}, {5.5, 6}, {5.5, 6}, 0},   // on a 3-4-5 circle
      {{8, 4}, {8, 2}, {8, 7}, {8, 6}, 1e-12},       // beyond the circle
      {{8, 4}, {8, 2}, {11, 8}, {9.2, 5.6}, 1e-12},  // beyond it, on a 3-4-5 ray
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.end.X) + ", " + std::to_string(row.end.Y));
    DrawingDriver::Choose("mnuDrawArc2");
    ClickAll({row.centre, row.start, row.end});
    ASSERT_EQ(Objs[ObjCount].Rtype, EntityArc);
    EXPECT_NEAR(Point(ObjCount, 4).X, row.stored.X, row.tolerance);
    EXPECT_NEAR(Point(ObjCount, 4).Y, row.stored.Y, row.tolerance);
  }
  // At 90 degrees: a counterclockwise half circle from (8, 2) through (10, 4)
  // to (8, 6), then three sides of a square drawn on from its end to its start.
  DrawingDriver::Choose("mnuDrawArc2");
  ClickAll({{8, 4}, {8, 2}});
  input_->MoveTo(10, 4);
  input_->ClickAt(8, 6);
  EXPECT_EQ(Point(ObjCount, 4).X, 8);
  DrawingDriver::Choose("mnuDrawLineSingle");
  ClickAll({{8, 6}, {4, 6}, {4, 6}, {4, 2}, {4, 2}, {8, 2}});
  DrawingDriver::Choose("mnuViewAreasLines");
  ClickAll({{10, 4}, {6, 6}, {4, 4}, {6, 2}});
  EXPECT_EQ(MessagePanel(3), "Lines SELECTED: 4");
  input_->ClickAt(10, 4);  // the arc again closes the outline
  EXPECT_EQ(MessagePanel(2), "Area : New Area 1 CREATED");
}

TEST_F(LineDrawShapesTest, TheEllipticalArcStoresItsEndsInTheDraggedOrder) {
  for (const bool clockwise : {false, true}) {
    SCOPED_TRACE(clockwise ? "clockwise" : "counterclockwise");
    CancelTools();
    DrawingDriver::Choose("mnuDrawEllipseArc");
    ClickAll({{0, 0}, {8, 4}, {6, 4}});
    input_->MoveTo(clockwise ? 8 : 2, clockwise ? 2 : 4);
    input_->ClickAt(clockwise ? 8 : 2, clockwise ? 2 : 4);
    const XY start{6, 4}, end{clockwise ? 8.0 : 2.0, clockwise ? 2.0 : 4.0};
    ASSERT_EQ(Objs[ObjCount].Rtype, EntityEllipticArc);
    const XY first = clockwise ? end : start, second = clockwise ? start : end;
    EXPECT_EQ(Point(ObjCount, 5).X, first.X);
    EXPECT_EQ(Point(ObjCount, 5).Y, first.Y);
    EXPECT_EQ(Point(ObjCount, 6).X, second.X);
    EXPECT_EQ(Point(ObjCount, 6).Y, second.Y);
  }
}

// ---- Curves --------------------------------------------------------------------------------

TEST_F(LineDrawShapesTest, ASplineGrowsByOneClickAtATimeAndEnterAddsNothing) {
  DrawingDriver::PressButton("Spline");
  const Long objsBefore = ObjCount;
  ClickAll({{0, 0}, {2, 1}});
  EXPECT_EQ(ObjCount, objsBefore);
  input_->ClickAt(4, 0);
  ASSERT_EQ(ObjCount, objsBefore + 1);
  EXPECT_EQ(Objs[ObjCount].Rtype, EntitySpline);
  EXPECT_EQ(Objs[ObjCount].NPoints, 3);
  input_->Enter();
  input_->Enter();
  EXPECT_EQ(Objs[ObjCount].NPoints, 3);
  input_->ClickAt(6, 1);
  input_->Enter();
  ClickAll({{8, 0}});
  ExpectPoints(ObjCount, {{0, 0}, {2, 1}, {4, 0}, {6, 1}, {8, 0}});
  // A click near the first point closes the spline exactly on it.
  input_->ClickAt(1.0 / 12, -1.0 / 12);
  EXPECT_EQ(Objs[ObjCount].NPoints, 6);
  EXPECT_EQ(Point(ObjCount, 6).X, 0);
  EXPECT_EQ(Point(ObjCount, 6).Y, 0);
  EXPECT_EQ(LineDrawActive, 0);
}

TEST_F(LineDrawShapesTest, ContinuousBezierReplacesItsProvisionalControlPointAtEachClick) {
  DrawingDriver::Choose("mnuDrawCurveBezier");
  ClickAll({{0, 0}, {4, 0}, {4, 4}});
  ASSERT_EQ(Objs[ObjCount].NPoints, 7);
  input_->Enter();
  input_->ClickAt(0, 4);
  ASSERT_EQ(Objs[ObjCount].NPoints, 10);
  // The span from (4, 0) to (4, 4) now turns towards (0, 4): its second
  // control point lies a quarter of the chord back along the bisector at (4, 4).
  EXPECT_NEAR(Point(ObjCount, 6).X, 4 + 1 / Root2, 1e-5);
  EXPECT_NEAR(Point(ObjCount, 6).Y, 4 - 1 / Root2, 1e-5);
  EXPECT_NEAR(Point(ObjCount, 8).X, 4 - 1 / Root2, 1e-5);  // the first control point after the joint
  EXPECT_NEAR(Point(ObjCount, 8).Y, 4 + 1 / Root2, 1e-5);
  for (Integer k : {9, 10}) {
    EXPECT_EQ(Point(ObjCount, k).X, 0);
    EXPECT_EQ(Point(ObjCount, k).Y, 4);
  }
  // The 33rd span fills the curve and ends the command.
  for (int i = 0; LineDrawActive && i < 40; ++i) input_->ClickAt(1 + (i % 2) * 3, 5 + i * 0.25);
  EXPECT_EQ(Objs[ObjCount].NPoints, 100);
  EXPECT_EQ(LineDrawActive, 0);
}

TEST_F(LineDrawShapesTest, ASplineEndsAtItsHundredthPoint) {
  DrawingDriver::Choose("mnuDrawCurveSpline");
  for (int i = 0; LineDrawActive && i < 120; ++i) input_->ClickAt(1 + (i % 10) * 2, 1 + i / 10);
  EXPECT_EQ(Objs[ObjCount].Rtype, EntitySpline);
  EXPECT_EQ(Objs[ObjCount].NPoints, 100);
  EXPECT_EQ(LineDrawActive, 0);
}

TEST_F(LineDrawShapesTest, ACurveUndoneWhileItGrowsEndsTheCommandAndKeepsOtherEntitiesWhole) {
  DrawingDriver::Choose("mnuDrawCurveBezier");
  ClickAll({{0, 0}, {4, 0}, {4, 4}});
  const Long curve = ObjCount;
  DrawingDriver::Choose("mnuEditUndo");
  ASSERT_EQ(Objs[curve].Erased, FlagTrue);
  const Long pointsBefore = PntCount;
  input_->ClickAt(0, 4);
  EXPECT_EQ(PntCount, pointsBefore);
  EXPECT_EQ(LineDrawActive, 0);
}

TEST_F(LineDrawShapesTest, BezierControlPointsFollowTheTurnBetweenTheChords) {
  LineDrawPoints[1] = {0, 0};
  LineDrawPoints[2] = {4, 0};
  LineDrawPoints[3] = {4, 4};
  LineDrawPoints[0] = {9, 9};
  ChainFirstSegment = FlagTrue;
  Double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  ComputeBezierControlPoints(x1, y1, x2, y2);
  EXPECT_NEAR(x1, 1, 1e-6);
  EXPECT_NEAR(y1, 0, 1e-6);
  EXPECT_NEAR(x2, 4 - 1 / Root2, 1e-6);
  EXPECT_NEAR(y2, -1 / Root2, 1e-6);
  EXPECT_EQ(ChainFirstSegment, 0);
  // A later span starts from the control point the previous call left in P0.
  const WorldXY carried = LineDrawPoints[0];
  LineDrawPoints[1] = {4, 0};
  LineDrawPoints[2] = {4, 4};
  LineDrawPoints[3] = {4, 4};  // a click on the last: a chord of no length, no NaN
  ComputeBezierControlPoints(x1, y1, x2, y2);
  EXPECT_EQ(x1, carried.X);
  EXPECT_EQ(y1, carried.Y);
  EXPECT_TRUE(std::isfinite(x2) && std::isfinite(y2));
  EXPECT_TRUE(std::isfinite(LineDrawPoints[0].X) && std::isfinite(LineDrawPoints[0].Y));
}

}  // namespace
}  // namespace lintavo
