// LineDrawShapes: rectangles, polygons, circles, arcs and ellipses from clicks.
//
// Sections:
//   Helpers
//   Rectangles and polygons
//   Circles
//   Arcs
//   Ellipses
#include "commands/LineDrawShapes.h"

#include <cmath>
#include <initializer_list>
#include <limits>

#include "commands/LineDraw.h"
#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/MessageBar.h"
#include "model/ObjIndex.h"
#include "model/Top.h"
#include "model/TypedEntry.h"
#include "platform/Numbers.h"
#include "view/DrawDispatch.h"
#include "view/Rubber.h"

namespace lintavo {

// ---- Helpers -----------------------------------------------------------------------

namespace {

constexpr const char* PointsTooClose = "Error! Points Too Close!";
constexpr Integer FewestSides = 3;  // regular polygons of 3 to 90 sides
constexpr Integer MostSides = 90;

WorldXY& P(Integer n) { return LineDrawPoints[n]; }

void Prompt(const char* text) { ShowStatus(text, 2); }

// One click of a command: the slot it goes into and the prompt that asks for it.
struct PointStep {
  Integer Slot;        // 0..4: P0..P4
  const char* Prompt;  // shown before the click, exactly so
};

// The steps of a command that takes points only: step 0 shows the title
// and the first prompt; step k takes the k-th click into its slot and asks
// for the next. True while points are still to come; false once the last
// click is taken, when the routine goes on to make its object.
bool StillCollecting(std::initializer_list<PointStep> steps) {
  const auto count = static_cast<Integer>(steps.size());
  if (ToolStep <= 0) {
    ShowLineDrawStart(steps.begin()->Prompt);
    return true;
  }
  const Integer taken = ToolStep < count ? ToolStep : count;
  TakeLineDrawPoint(steps.begin()[taken - 1].Slot);
  if (taken == count) return false;
  Prompt(steps.begin()[taken].Prompt);
  return true;
}

// A point that must differ from another was clicked on it: the same point
// is asked for again at the step before.
void RefusePoint(Integer step, const char* prompt) {
  ToolStep = step;
  ShowStatus(PointsTooClose, 3);
  Prompt(prompt);
}

// The command ends; a shape refused for points that make none (on one
// another, in one line, a box without width) says so, as a refused click does.
void FinishShape(bool made) {
  FinishLineDrawCommand();
  if (!made) ShowStatus(PointsTooClose, 3);
}

void AddPoints(std::initializer_list<WorldXY> points) {
  for (const WorldXY& p : points) AddPnt(p.X, p.Y);
}

// An object of that type with these points, drawn.
void AddShape(Integer type, std::initializer_list<WorldXY> points) {
  AddObj(type, static_cast<Integer>(points.size()));
  AddPoints(points);
  DrawObject(ObjCount);
}

// A polygon (type 11, line type 1) through the corners, the first repeated as the last.
void AddClosedShape(std::initializer_list<WorldXY> corners) {
  AddObj(EntityPolygon, static_cast<Integer>(corners.size() + 1));
  Objs[ObjCount].Ltype = 1;
  AddPoints(corners);
  AddPoints({*corners.begin()});
  DrawObject(ObjCount);
}

WorldXY Midpoint(const WorldXY& a, const WorldXY& b) { return {(a.X + b.X) / 2, (a.Y + b.Y) / 2}; }

WorldXY Mirror(const WorldXY& centre, const WorldXY& p) { return {2 * centre.X - p.X, 2 * centre.Y - p.Y}; }

WorldXY Polar(const WorldXY& centre, Single angle, Double radius) {
  WorldXY p;
  PolarPointD(centre.X, centre.Y, angle, radius, p.X, p.Y);
  return p;
}

Double DistanceOf(const WorldXY& a, const WorldXY& b) { return std::hypot(a.X - b.X, a.Y - b.Y); }

// Three points with no circle through them (coincident points among them):
// the test of the centre routine, which gives no centre then.
bool InLine(const WorldXY& a, const WorldXY& b, const WorldXY& c) {
  return std::fabs((b.X - a.X) * (c.Y - b.Y) - (b.Y - a.Y) * (c.X - b.X)) < 1e-10;
}

WorldXY CentreThrough(const WorldXY& a, const WorldXY& b, const WorldXY& c) {
  WorldXY centre;
  CircleThrough3Points(centre.X, centre.Y, a.X, a.Y, b.X, b.Y, c.X, c.Y);
  return centre;
}

}  // namespace

// ---- Rectangles and polygons --------------------------------------------------------

void DrawRectangle2() {
  if (StillCollecting({{1, "Enter First Corner of RECTANGLE"}, {2, "Enter Opposite Corner of RECTANGLE"}}))
    return;
  const WorldXY a = P(1), c = P(2);
  const WorldXY b{c.X, a.Y}, d{a.X, c.Y};
  const bool made = !SameLineDrawPoint(a, b) && !SameLineDrawPoint(a, d);
  if (made) AddClosedShape({a, b, c, d});
  FinishShape(made);
}

void DrawRectangle3() {
  if (StillCollecting({{1, "Enter First Corner of RECTANGLE"},
                       {2, "Enter Second Corner of RECTANGLE"},
                       {3, "Enter Third Corner of RECTANGLE"}}))
    return;
  // P4: the corner next to P1, on the perpendicular to P1P2 through P1, as
  // far from the line P1P2 as the third click.
  const Double dx = P(1).X - P(2).X, dy = P(1).Y - P(2).Y;
  if (std::fabs(dx) < 1e-7) {
    P(4) = {P(3).X, P(1).Y};
  } else if (std::fabs(dy) < 1e-7) {
    P(4) = {P(1).X, P(3).Y};
  } else {
    const Double m = dy / dx;
    P(4).X = (P(1).X / m + P(1).Y + P(3).X * m - P(3).Y) / (m + 1 / m);
    P(4).Y = (P(1).X - P(4).X) / m + P(1).Y;
  }
  P(3) = {P(4).X - P(1).X + P(2).X, P(4).Y - P(1).Y + P(2).Y};
  const bool made = !SameLineDrawPoint(P(1), P(2)) && !SameLineDrawPoint(P(1), P(4));
  if (made) AddClosedShape({P(1), P(2), P(3), P(4)});
  FinishShape(made);
}

void DrawTrapezoid() {
  if (StillCollecting({{1, "Enter First Corner of TRAPAZOID"},
                       {2, "Enter Second Corner of TRAPAZOID"},
                       {3, "Enter Third Corner of TRAPAZOID"}}))
    return;
  P(4) = {P(1).X - (P(2).X - P(3).X), P(1).Y - (P(2).Y - P(3).Y)};
  const bool made = !InLine(P(1), P(2), P(3));
  if (made) AddClosedShape({P(1), P(2), P(3), P(4)});
  FinishShape(made);
}

namespace {

// The side count of a regular polygon from its last vertex P2: the angle
// from the first vertex to it about the centre is the angle between two
// neighbours.
Integer SidesFromLastVertex() {
  const Single a1 = LineAngle(P(0).X, P(0).Y, P(1).X, P(1).Y);
  const Single a2 = LineAngle(P(0).X, P(0).Y, P(2).X, P(2).Y);
  const Single degrees = std::fabs((a1 - a2) * static_cast<Single>(180 / Pi));
  return RoundToInteger(360 / degrees);  // the same direction: no count that fits
}

// n vertices counterclockwise from P1 about P0; the angle accumulates in
// single precision, so the last point meets the first only up to rounding.
void AddRegularPolygon(Integer n) {
  const Double r = DistanceOf(P(0), P(1));
  Single a = LineAngle(P(0).X, P(0).Y, P(1).X, P(1).Y);
  const Single step = static_cast<Single>(360.0F / n / 180 * Pi);
  AddObj(EntityPolygon, n + 1);
  Objs[ObjCount].Ltype = 1;
  AddPoints({P(1)});
  for (Long i = 1; i <= n; ++i) {
    a += step;
    const WorldXY q{P(0).X + r * std::cos(a), P(0).Y + r * std::sin(a)};
    AddPoints({q});
  }
  DrawObject(ObjCount);
}

}  // namespace

void DrawRegularPolygon() {
  // Enter after the first vertex gives the number of sides; a count typed
  // before both points are clicked has nothing to build on and is refused.
  const bool typed = ToolStep >= 2 && TypedReady;
  if (ToolStep < 2 && TypedReady) TypedValueNotTaken();
  if (!typed && StillCollecting({{0, "Enter the Center of Polygon >"},
                                 {1, "Enter First Point On the Polygon >"},
                                 {2, "Enter Last Point or Number of Sides >"}})) {
    if (ToolStep == 2) ShowStatus("", 3);
    return;
  }
  const Integer n = typed ? GetTypedInt() : SidesFromLastVertex();
  const bool apart = !SameLineDrawPoint(P(0), P(1));
  if (n >= FewestSides && n <= MostSides && apart) AddRegularPolygon(n);
  FinishShape(apart);
}

void DrawIrregularPolygon() {
  if (StillCollecting({{1, "Enter First point on POLYGON"},
                       {2, "Enter Second point on POLYGON"},
                       {3, "Enter Next point on POLYGON"}})) {
    if (ToolStep == 1) {
      ChainStartX = P(1).X;
      ChainStartY = P(1).Y;
    }
    return;
  }
  if (ToolStep == 3) {
    AddObj(EntityPolyline, 2);
    AddPoints({P(1), P(2)});
    ChainObj = ObjCount;
  } else if (!ChainCanGrow()) {
    // The polygon went meanwhile (undone): nothing is left to add to.
    FinishLineDrawCommand();
    return;
  }
  if (CloseOnChainStart(P(3))) {
    LineDrawDone = FlagTrue;
    Objs[ChainObj].Rtype = EntityPolygon;
    Objs[ChainObj].Ltype = 1;
  }
  AppendChainPoint(P(3));
  DrawObject(ChainObj);
  if (LineDrawDone) FinishLineDrawCommand();
}

// ---- Circles -------------------------------------------------------------------------

void DrawCircleCenterRadius() {
  if (StillCollecting({{1, "Enter Center Point of CIRCLE"}, {2, "Enter Outside Point on CIRCLE"}})) return;
  const bool made = !SameLineDrawPoint(P(1), P(2));
  if (made) AddShape(EntityCircle, {P(1), P(2)});
  FinishShape(made);
}

void DrawCircle2Points() {
  if (StillCollecting({{1, "Enter a Point on CIRCLE"}, {2, "Enter Opposite Point on CIRCLE"}})) return;
  P(0) = Midpoint(P(1), P(2));
  const bool made = !SameLineDrawPoint(P(1), P(2));
  if (made) AddShape(EntityCircle, {P(0), P(1)});
  FinishShape(made);
}

void DrawCircle3Points() {
  if (StillCollecting({{1, "Enter First Point on CIRCLE"},
                       {2, "Enter Second Point on CIRCLE"},
                       {3, "Enter Third Point on CIRCLE"}}))
    return;
  const bool made = !InLine(P(1), P(2), P(3));
  if (made) {
    P(0) = CentreThrough(P(1), P(2), P(3));
    AddShape(EntityCircle, {P(0), P(1)});
  }
  FinishShape(made);
}

// ---- Arcs ----------------------------------------------------------------------------

namespace {

// The arc of three points about P0, its ends in the order the commands
// store them: from the start when the deciding point's X is not greater.
void AddArcThrough(bool startFirst) {
  if (startFirst)
    AddShape(EntityArc, {P(0), P(1), P(2), P(3)});
  else
    AddShape(EntityArc, {P(0), P(3), P(2), P(1)});
}

// The mid angle of the arc from the start P1 to the end P3 about P0: the
// preview's, or the counterclockwise one's when no preview chose a direction.
Single ArcMiddleAngle(Single endAngle) {
  if (RubberArcSweep != 0) return RubberArcSweep;
  const Single start = LineAngle(P(0).X, P(0).Y, P(1).X, P(1).Y);
  Single sweep = endAngle - start;
  if (sweep < 0) sweep += TwoPiSingle;
  return start + sweep / 2;
}

// Point p moved along its ray from the centre onto the circle of radius r
// about it, in double precision. A point already on the circle (within the
// rounding of its distance) stays exactly as clicked, so a line drawn on
// from the same point shares the arc's end; a point on the centre goes
// straight down, as its direction angle points.
WorldXY OntoCircle(const WorldXY& centre, Double r, const WorldXY& p) {
  constexpr Double OnCircleUlps = 8;  // distance rounding allowed, in units of the last place
  const Double d = DistanceOf(centre, p);
  if (d == 0) return {centre.X, centre.Y - r};
  if (std::fabs(d - r) <= OnCircleUlps * std::numeric_limits<Double>::epsilon() * r) return p;
  const Double k = r / d;
  return {centre.X + (p.X - centre.X) * k, centre.Y + (p.Y - centre.Y) * k};
}

}  // namespace

void DrawArcCenterStartEnd() {
  if (StillCollecting({{0, "Enter Center Point of ARC"}, {1, "Enter Start Point of ARC"}, {3, "Enter End Point of ARC"}})) {
    if (ToolStep == 2) {
      // The next click and its preview measure from the centre, and the
      // direction is the one this arc's preview chooses.
      PickX = P(0).X;
      PickY = P(0).Y;
      RubberArcSweep = 0;
    }
    return;
  }
  if (SameLineDrawPoint(P(1), P(3))) {
    RefusePoint(2, "Re-Enter the End of ARC");
    return;
  }
  const Double r = DistanceOf(P(0), P(1));
  if (r > 0) {
    const Single end = LineAngle(P(0).X, P(0).Y, P(3).X, P(3).Y);
    P(2) = Polar(P(0), ArcMiddleAngle(end), r);
    P(3) = OntoCircle(P(0), r, P(3));
    AddShape(EntityArc, {P(0), P(1), P(2), P(3)});
  }
  FinishShape(r > 0);
}

void DrawArcStartMidEnd() {
  if (StillCollecting({{1, "Enter Start of the ARC"}, {2, "Enter Midpoint of the ARC"}, {3, "Enter End of the ARC"}})) {
    if (ToolStep != 2) return;
    if (SameLineDrawPoint(P(1), P(2)))
      RefusePoint(1, "Re-Enter Midpoint of the ARC");
    else
      ShowStatus(" ", 3);
    return;
  }
  if (SameLineDrawPoint(P(3), P(2)) || SameLineDrawPoint(P(1), P(3))) {
    RefusePoint(2, "Re-Enter End Point of the ARC");
    return;
  }
  const bool made = !InLine(P(1), P(2), P(3));
  if (made) {
    P(0) = CentreThrough(P(1), P(2), P(3));
    AddArcThrough(P(2).X <= P(1).X);
  }
  FinishShape(made);
}

void DrawArcStartEndMid() {
  if (StillCollecting({{1, "Enter Start Point of ARC"}, {3, "Enter End Point of ARC"}, {2, "Enter Mid Point of ARC"}})) {
    if (ToolStep != 2) return;
    if (SameLineDrawPoint(P(1), P(3)))
      RefusePoint(1, "Re-Enter End Point of the ARC");
    else
      ShowStatus(" ", 3);
    return;
  }
  if (SameLineDrawPoint(P(3), P(2)) || SameLineDrawPoint(P(1), P(2))) {
    RefusePoint(2, "Re-Enter Mid Point of ARC");
    return;
  }
  const bool made = !InLine(P(1), P(2), P(3));
  if (made) {
    P(0) = CentreThrough(P(1), P(2), P(3));
    const Double r = DistanceOf(P(0), P(1));
    P(2) = Polar(P(0), LineAngle(P(0).X, P(0).Y, P(2).X, P(2).Y), r);
    AddArcThrough(P(3).X <= P(1).X);
  }
  FinishShape(made);
}

// ---- Ellipses ------------------------------------------------------------------------

namespace {

// A box with a side of no length holds no ellipse.
bool FlatBox(const WorldXY& a, const WorldXY& b) {
  return std::fabs(a.X - b.X) <= SamePointLimit || std::fabs(a.Y - b.Y) <= SamePointLimit;
}

// The ellipse about P0 with the axis P1-P2 (P1 := 2 P0 - P2 when the centre
// was clicked) and the other half axis as long as P0-P3, a quarter turn on
// from the first. False, and nothing added, when either axis has no length.
bool AddAxisEllipse(bool fromCentre) {
  const Double b = DistanceOf(P(0), P(3));
  if (SameLineDrawPoint(P(0), P(2)) || b <= SamePointLimit) return false;
  const Single a = LineAngle(P(0).X, P(0).Y, P(2).X, P(2).Y) + HalfPiSingle;
  P(3) = Polar(P(0), a, b);
  if (fromCentre) P(1) = Mirror(P(0), P(2));
  P(4) = Mirror(P(0), P(3));
  AddShape(EntityEllipse, {P(1), P(2), P(3), P(4)});
  return true;
}

}  // namespace

void DrawEllipticalArc() {
  if (StillCollecting({{1, "Enter Base Point of Ellipse"},
                       {2, "Enter Opposite Point of Ellipse "},
                       {3, "Enter Start of ARC"},
                       {4, "Enter End of ARC"}})) {
    if (ToolStep == 2) P(0) = Midpoint(P(1), P(2));
    if (ToolStep >= 2) {
      // The arc's ends are measured from the centre.
      PickX = P(0).X;
      PickY = P(0).Y;
    }
    if (ToolStep == 3) RubberArcSweep = 0;  // the arc's preview chooses its direction afresh
    return;
  }
  const bool made = !FlatBox(P(1), P(2));
  if (made) {
    // Without a preview that chose a direction the arc runs counterclockwise from its start.
    const bool startFirst = ArcSweepReversed || RubberArcSweep == 0;
    const WorldXY first = startFirst ? P(3) : P(4), second = startFirst ? P(4) : P(3);
    AddShape(EntityEllipticArc, {{P(1).X, P(0).Y}, {P(2).X, P(0).Y}, {P(0).X, P(2).Y}, {P(0).X, P(1).Y}, first, second});
  }
  FinishShape(made);
}

void DrawEllipse2Corners() {
  if (StillCollecting({{1, "Enter Base Point of Ellipse"}, {2, "Enter Opposite Point of Ellipse"}})) return;
  const WorldXY c = Midpoint(P(1), P(2));
  const bool made = !FlatBox(P(1), P(2));
  if (made) AddShape(EntityEllipse, {{P(1).X, c.Y}, {P(2).X, c.Y}, {c.X, P(2).Y}, {c.X, P(1).Y}});
  FinishShape(made);
}

void DrawEllipseCenterAxes() {
  if (StillCollecting({{0, "Enter Center Point of ELLIPSE"},
                       {2, "Enter End Point of Major Axis"},
                       {3, "Enter End Point of Minor Axis"}}))
    return;
  FinishShape(AddAxisEllipse(true));
}

void DrawEllipse3Points() {
  if (StillCollecting({{1, "Enter Start of Major Axis"},
                       {2, "Enter End Point of Major Axis"},
                       {3, "Enter End Point of Minor Axis"}}))
    return;
  P(0) = Midpoint(P(1), P(2));
  FinishShape(AddAxisEllipse(false));
}

}  // namespace lintavo
