// RubberShapes: the curve and arc shapes of the line-drawing previews.
//
// Sections:
//   Read-out texts
//   Point helpers
//   Circles and arcs
//   Polygon
//   Ellipses
//   Curves
#include "view/RubberShapes.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/Geometry.h"
#include "model/LineDrawCodes.h"
#include "model/MessageBar.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "platform/Gdi.h"
#include "platform/Numbers.h"
#include "platform/Surface.h"
#include "view/Rubber.h"
#include "view/SurfaceDraw.h"
#include "view/Zooms.h"

namespace lintavo {

// ---- Read-out texts ----------------------------------------------------------------

String (*RubberAngleText)(Single Angle) = nullptr;
String (*RubberRadiusText)(Double Radius) = nullptr;

namespace {

// ---- Point helpers -------------------------------------------------------------------

RubberPoint& R(int index) { return RubberAnchorPts[static_cast<size_t>(index)]; }

Single AngleOf(const RubberPoint& from, const RubberPoint& to) { return LineAngleV(from.X, from.Y, to.X, to.Y); }

Single DistanceOf(const RubberPoint& a, const RubberPoint& b) {
  return static_cast<Single>(std::hypot(a.X - b.X, a.Y - b.Y));
}

RubberPoint Polar(const RubberPoint& centre, Single angle, Single radius) {
  return {centre.X + radius * std::cos(angle), centre.Y + radius * std::sin(angle)};
}

void LineBetween(const RubberPoint& a, const RubberPoint& b) { RubberLine(a.X, a.Y, b.X, b.Y); }

// An angle of a sector outline: negative, so that the arc routine also draws
// the radius to that end. The zero direction is passed as -2 pi, since -0
// would not count as negative.
Single SectorAngle(Single angle) { return -(angle == 0 ? TwoPiSingle : angle); }

// Counterclockwise length from angle a to angle b, in [0, 2 pi).
Single SweepFrom(Single a, Single b) {
  Single d = b - a;
  if (d < 0) d += TwoPiSingle;
  return d;
}

// The mid angle of the counterclockwise arc from start to end, in [0, 2 pi].
Single MidAngle(Single start, Single end) {
  Single mid = start + SweepFrom(start, end) / 2;
  if (mid > TwoPiSingle) mid -= TwoPiSingle;
  return mid;
}

// A read-out in a panel, after one blank.
void ShowReadOut(const String& text, Integer panel) {
  String line(" ");
  line += text;
  ShowStatus(line, panel);
}

void ShowRadiusReadOut(Single pixels) {
  if (RubberRadiusText && ViewScaleX != 0) ShowReadOut(RubberRadiusText(pixels / ViewScaleX), 3);
}

}  // namespace

// ---- Circles and arcs -------------------------------------------------------------

namespace {
constexpr Single CentreArcNearStart = 0.03F;  // radians about the start within which no arc is shown
}  // namespace

void RubberCentreCircle() {
  RubberRadius = static_cast<Single>(RoundHalfEven(DistanceOf(R(0), R(2))));
  if (RubberRadius > 0) RubberCircle(R(0).X, R(0).Y, RubberRadius);
}

void RubberCentreArc() {
  const Single s = AngleOf(R(0), R(1));
  const Single e = AngleOf(R(0), R(3));
  const Single ahead = SweepFrom(s, e);
  const bool nearStart = std::min(ahead, TwoPiSingle - ahead) <= CentreArcNearStart;
  // The side of the start the cursor is on decides the direction,
  // counterclockwise when it is ahead: while it is near the start, and at
  // the first place off the start's angle when no arc is shown yet, as a
  // snapped cursor jumps from the start past the near reach.
  if (ahead != 0 && (nearStart || RubberArcSweep == 0)) ArcSweepReversed = Flag(ahead < PiSingle);
  if (nearStart) {
    RubberArcSweep = 0;
    return;
  }
  if (ArcSweepReversed) {
    RubberArcStart = s;
    RubberArcEnd = e;
  } else {
    RubberArcStart = e;
    RubberArcEnd = s;
  }
  RubberArcSweep = MidAngle(RubberArcStart, RubberArcEnd);
  SetDrawStyle(vbSolid);
  RubberArc(R(0).X, R(0).Y, RubberRadius, SectorAngle(RubberArcStart), SectorAngle(RubberArcEnd));
  if (RubberAngleText) ShowReadOut(RubberAngleText(RubberArcEnd), 2);
  ShowRadiusReadOut(RubberRadius);
}

namespace {

// The counterclockwise arc about R0 between the angles of start and end that
// contains the angle of via.
void ArcThrough(const RubberPoint& start, const RubberPoint& via, const RubberPoint& end) {
  RubberRadius = static_cast<Single>(RoundHalfEven(DistanceOf(R(0), R(1))));
  const Single a = AngleOf(R(0), start), b = AngleOf(R(0), via), c = AngleOf(R(0), end);
  if (a == c || RubberRadius == 0) {
    RubberArcSweep = 0;
    return;
  }
  const bool fromEnd = (a > b && b > c) || (a < c && c < b) || (b < a && a < c);
  RubberArcStart = fromEnd ? c : a;
  RubberArcEnd = fromEnd ? a : c;
  RubberArcSweep = MidAngle(RubberArcStart, RubberArcEnd);
  SetDrawStyle(vbSolid);
  RubberArc(R(0).X, R(0).Y, RubberRadius, RubberArcStart, RubberArcEnd);
}

}  // namespace

void RubberArcThreePoints() { ArcThrough(R(1), R(2), R(3)); }

void RubberArcEndsFirst() { ArcThrough(R(1), R(3), R(2)); }

// ---- Polygon ----------------------------------------------------------------------

void RubberRegularPolygon() {
  const Single r = static_cast<Single>(RoundHalfEven(DistanceOf(R(0), R(2))));
  RubberRadius = r;
  Single a = AngleOf(R(0), R(2));
  const Single d = std::fabs(a - AngleOf(R(0), R(3)));
  const Single sides = d == 0 ? 0 : 360 / (d * 180 / PiSingle);
  if (d == 0 || !(sides < 32767.5F)) {
    RubberCentreCircle();
    return;
  }
  const Integer n = RoundToInteger(sides);
  const Single step = (360.0F / n) / 180 * PiSingle;
  RubberPoint p = R(2);
  for (Long i = 1; i <= n; ++i) {
    a += step;
    const RubberPoint q = Polar(R(0), a, r);
    LineBetween(p, q);
    p = q;
  }
}

// ---- Ellipses ---------------------------------------------------------------------

void RubberBoxEllipse() {
  R(0) = {(R(1).X + R(2).X) / 2, (R(1).Y + R(2).Y) / 2};
  RubberRadiusX = std::fabs(R(1).X - R(2).X) / 2;
  RubberRadiusY = std::fabs(R(1).Y - R(2).Y) / 2;
  if (RubberRadiusX == 0 || RubberRadiusY == 0) return;
  RubberRadius = std::max(RubberRadiusX, RubberRadiusY);
  RubberAspect = RubberRadiusY / RubberRadiusX;
  RubberEllipse(R(0).X, R(0).Y, RubberRadius, RubberAspect);
}

namespace {

// The parametric angle of the box ellipse's point in the direction th from
// its centre, in the same quadrant as th.
Single ParamAngleOf(Single th) {
  Single k = 0;
  if (th >= HalfPiSingle && th < 3 * HalfPiSingle)
    k = PiSingle;
  else if (th >= 3 * HalfPiSingle)
    k = TwoPiSingle;
  return static_cast<Single>(std::atan(std::tan(th) * RubberRadiusX / RubberRadiusY) + k);
}

// The first drawn preview after the cursor left the start chooses the
// direction; RubberArcSweep, no longer 0, marks it chosen until the cursor
// comes back.
void ChooseEllipticSweep(Single ts, Single te, Single h) {
  if (RubberArcSweep != 0) return;
  RubberArcSweep = ts + h;
  ArcSweepReversed = FlagTrue;
  if (ts > 0) {
    if (te < ts) ArcSweepReversed = FlagFalse;
  } else if (te > HalfPiSingle) {
    ArcSweepReversed = FlagFalse;
    RubberArcSweep = te + h;
  }
}

}  // namespace

void RubberEllipticArc() {
  if (RubberRadiusX == 0 || RubberRadiusY == 0) return;
  const Single thStart = AngleOf(R(0), R(3)), thEnd = AngleOf(R(0), R(4));
  const Single ts = ParamAngleOf(thStart), te = ParamAngleOf(thEnd);
  const Single h = (te - ts) / 2;
  if (std::fabs(h) <= 0.01F) {
    RubberArcSweep = 0;
    ArcSweepReversed = FlagTrue;
    return;
  }
  ChooseEllipticSweep(ts, te, h);
  const bool forward = ArcSweepReversed != 0;
  RubberArcStart = forward ? ts : te;
  RubberArcEnd = forward ? te : ts;
  // The surface places the ends of an elliptic arc by their directions from
  // the centre: the directions of the start and the cursor.
  SetDrawStyle(vbSolid);
  RubberEllipseArc(R(0).X, R(0).Y, RubberRadius, RubberAspect, SectorAngle(forward ? thStart : thEnd),
                   SectorAngle(forward ? thEnd : thStart));
  const Single end = RubberArcEnd;
  ShowStatus("Angle = " + std::to_string(RoundToLong(end * 180 / Pi)), 2);
  ShowRadiusReadOut(static_cast<Single>(
      std::hypot(RubberRadiusX * std::cos(end), RubberRadiusY * std::sin(end))));
}

void RubberAxisEllipse() {
  const Single a = DistanceOf(R(0), R(2)), b = DistanceOf(R(0), R(3));
  if (a == 0 || b == 0) return;
  RubberPoint end;
  PolarPointS(R(0).X, R(0).Y, AngleOf(R(0), R(2)) + HalfPiSingle, b, end.X, end.Y);
  LineBetween(R(0), end);
  const Single k1 = (R(2).X - R(1).X) / 2, k3 = (R(2).Y - R(1).Y) / 2;
  const Single k2 = b * (R(2).Y - R(1).Y) / (2 * a), k4 = b * (R(2).X - R(1).X) / (2 * a);
  const auto at = [&](Single t) {
    return RubberPoint{R(0).X + k1 * std::cos(t) - k2 * std::sin(t), R(0).Y + k3 * std::cos(t) + k4 * std::sin(t)};
  };
  Single t = 0;
  RubberPoint p = at(t);
  do {
    t += 0.1F;
    const RubberPoint q = at(t);
    LineBetween(p, q);
    p = q;
  } while (t < TwoPiSingle);
}

// ---- Curves -----------------------------------------------------------------------

namespace {

struct Direction {
  Single X = 0;
  Single Y = 0;
};

// One spline segment from a to b leaving a along u; v, the direction at b,
// is the chord from a to the cursor R3 and leads the next segment.
Direction SplineSegment(const RubberPoint& a, const RubberPoint& b, const Direction& u) {
  const Direction v{R(3).X - a.X, R(3).Y - a.Y};
  const Single cross = v.Y * u.X - u.Y * v.X;
  if (std::fabs(cross) < 0.0001F) return v;
  // The centre is where the normal to u through a meets the normal to v through b.
  const Single p = a.X * u.X + a.Y * u.Y;
  const Single q = b.X * v.X + b.Y * v.Y;
  R(0) = {(v.Y * p - u.Y * q) / cross, (u.X * q - v.X * p) / cross};
  const RubberPoint c = R(0);
  const Single r1 = DistanceOf(c, a), r2 = DistanceOf(c, b);
  if (r1 == 0 || r2 == 0) return v;
  Single a1 = AngleOf(c, a), a2 = AngleOf(c, b);
  const Single step = std::max(std::fabs(PixelsPerUnit / cross), 0.05F);
  if (std::fabs(a2 - a1) > PiSingle) {
    if (a1 > a2)
      a1 -= TwoPiSingle;
    else
      a2 -= TwoPiSingle;
  }
  // The radius moves from r1 to r2 along a smooth step, half-way at t = q2.
  const Single q1 = r2 / (r1 + r2);
  const Single q2 = (q1 - 0.5F) * 0.8F + 0.5F;
  const Single e = static_cast<Single>(-std::log(2.0) / std::log(q2));
  RubberPoint from = a;
  for (Single t = 0; t < 1;) {
    t = std::min(t + step, 1.0F);
    const Single angle = a1 - (a1 - a2) * t;
    const Single w = static_cast<Single>((1 - std::cos(Pi * std::pow(t, e))) / 2);
    const RubberPoint to = Polar(c, angle, r1 - (r1 - r2) * w);
    LineBetween(from, to);
    from = to;
  }
  return v;
}

}  // namespace

void RubberSpline() {
  const Direction u{R(2).X - R(4).X, R(2).Y - R(4).Y};
  const Direction v = SplineSegment(R(1), R(2), u);
  SplineSegment(R(2), R(3), v);
}

void AddRubberBezierPoint(Single x, Single y) {
  ++RubberBezierCount;
  GdiPts[static_cast<size_t>(RubberBezierCount)] = {RoundToLong(x), ViewPixMaxY - RoundToLong(y)};
}

namespace {

// The chords of the Bezier preview: R1-R2 and R2-R3 (the cursor).
struct BezierChords {
  Single a1 = 0, d1 = 0;  // angle (radians) and length (pixels, at least 0.0001) of R1-R2
  Single a2 = 0, d2 = 0;  // the same of R2-R3, a2 taken below a1
  Single turn = 0;        // from the first to the second, in (-pi, pi]
};

BezierChords ChordsOfBezier() {
  BezierChords c;
  c.a1 = AngleOf(R(1), R(2));
  c.d1 = std::max(DistanceOf(R(1), R(2)), 0.0001F);
  c.a2 = AngleOf(R(2), R(3));
  c.d2 = std::max(DistanceOf(R(2), R(3)), 0.0001F);
  if (c.a2 >= c.a1) c.a2 -= TwoPiSingle;
  c.turn = c.a1 - c.a2;
  if (c.turn > PiSingle) c.turn -= TwoPiSingle;
  return c;
}

RubberPoint OutPointOf(const BezierChords& c) { return Polar(R(2), c.a2 + c.turn / 2, c.d2 / 4); }

}  // namespace

void RubberBezierOutPoint() { R(4) = OutPointOf(ChordsOfBezier()); }

void RubberBezier() {
  const BezierChords c = ChordsOfBezier();
  const Single d1 = c.d1, a2 = c.a2, d2 = c.d2;
  // The first preview after a click: the segment from R1 leaves along the
  // tangent the previous segment left at its end, or along its chord.
  if (ToolStep != RubberStep) {
    if (R(4).X != 0 || R(4).Y != 0) {
      R(5) = R(4);
    } else {
      R(5) = Polar(R(1), c.a1, d1 / 4);
      RubberStepStart = FlagFalse;
    }
  }
  R(4) = OutPointOf(c);
  const RubberPoint in{R(2).X + (R(2).X - R(4).X) * d1 / d2, R(2).Y + (R(2).Y - R(4).Y) * d1 / d2};
  const RubberPoint last = Polar(R(3), a2, -d2 / 4);
  RubberMark(R(5).X, R(5).Y);
  RubberMark(in.X, in.Y);
  RubberMark(last.X, last.Y);
  RubberBezierCount = 0;
  for (const RubberPoint& p : {R(1), R(5), in, R(2), R(4), last, R(3)}) AddRubberBezierPoint(p.X, p.Y);
  PolyBezier(ActiveDoc->hDC(), &GdiPts[1], 7);
}

}  // namespace lintavo
