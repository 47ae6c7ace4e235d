// RubberObject: the dotted ghost of the object whose vertex is dragged: its
// pixel copy, the image of each type, and the pen around them.
//
// Sections:
//   Drag state
//   Images by type
//   Drag
//   Reset
#include "view/RubberObject.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "platform/Gdi.h"
#include "platform/Numbers.h"
#include "platform/Surface.h"
#include "view/DisplayOptions.h"
#include "view/ObjectDrawers.h"
#include "view/SurfaceDraw.h"

namespace lintavo {

// ---- Drag state ----------------------------------------------------------------------

std::vector<SinglePoint> RubberObjPts;
Integer RubberObjCount = 0;
Integer RubberObjType = 0;
Long RubberDragPnt = 0;
Integer RubberObjShown = 0;

namespace {

constexpr Integer GhostStyle = 2;           // dotted
constexpr Single EllipseStep = 0.1F;        // radians per piece of the ellipse image
constexpr Single SplineStep = 0.1F;         // parameter step of a curved spline segment
constexpr Single ParallelCross = 0.0001F;   // tangents this close to parallel give a chord
constexpr Integer DragCentre = 1, DragStart = 2, DragMiddle = 3, DragEnd = 4;  // arc points

// W1..W4: scratch copies the arc and ellipse images may change.
SinglePoint W1, W2, W3, W4;

const SinglePoint& P(Integer k) { return RubberObjPts[static_cast<size_t>(k)]; }

// A view pixel of a point as the ghost keeps it: whole, not clamped to the
// pixel limit (its lines are cut to the guard box as they are drawn), held
// within what a Single holds.
Single GhostPixel(Double pixel) {
  constexpr Double Most = std::numeric_limits<Single>::max();
  return static_cast<Single>(std::clamp(RoundHalfEven(pixel), -Most, Most));
}

Single DistanceS(const SinglePoint& a, const SinglePoint& b) {
  return std::sqrt(SquareSingle(a.Y - b.Y) + SquareSingle(a.X - b.X));
}

Single AngleS(const SinglePoint& from, const SinglePoint& to) {
  return LineAngleV(from.X, from.Y, to.X, to.Y);
}

SinglePoint PolarS(const SinglePoint& c, Single r, Single angle) {
  return {c.X + r * std::cos(angle), c.Y + r * std::sin(angle)};
}

void LineS(const SinglePoint& a, const SinglePoint& b) { GdiLine(a.X, a.Y, b.X, b.Y); }

// ---- Images by type ------------------------------------------------------------------

// The arc through W1 (centre), W2 (start), W3 (middle), W4 (end), its
// construction made consistent by the point being dragged; drawn solid.
void DrawRubberArc() {
  SinglePoint& C = W1;
  SinglePoint& S = W2;
  SinglePoint& M = W3;
  SinglePoint& E = W4;
  Single r = 0;
  switch (RubberDragPnt) {
    case DragCentre:
      r = (DistanceS(C, S) + DistanceS(C, E)) / 2;
      M = PolarS(C, r, AngleS(C, M));
      CircleThrough3PointsS(C.X, C.Y, S.X, S.Y, M.X, M.Y, E.X, E.Y);
      break;
    case DragStart:
      r = DistanceS(C, M);
      S = PolarS(C, r, AngleS(C, S));
      break;
    case DragMiddle:
      CircleThrough3PointsS(C.X, C.Y, S.X, S.Y, M.X, M.Y, E.X, E.Y);
      r = DistanceS(C, S);
      break;
    default:
      r = DistanceS(C, M);
      E = PolarS(C, r, AngleS(C, E));
      break;
  }
  const Single aS = AngleS(C, S), aM = AngleS(C, M), aE = AngleS(C, E);
  if (aS == aE) return;
  const bool swap = ArcRunsBackward(aS, aM, aE);
  SetDrawStyle(vbSolid);
  SurfaceArc(C.X, C.Y, r, swap ? aE : aS, swap ? aS : aE);
}

// The ellipse with W1-W2 as one axis and the half-axis |C - W3| across it,
// in pieces of 0.1 radian from W2 until a full turn is passed (63 pieces).
void DrawRubberEllipse() {
  const SinglePoint C{(W1.X + W2.X) / 2, (W1.Y + W2.Y) / 2};
  const Single a = DistanceS(C, W2), b = DistanceS(C, W3);
  if (a == 0 || b == 0) return;
  const Single dx = W2.X - W1.X, dy = W2.Y - W1.Y;
  const auto at = [&](Single t) {
    return SinglePoint{C.X + std::cos(t) * dx / 2 - std::sin(t) * b * dy / (2 * a),
                       C.Y + std::cos(t) * dy / 2 + std::sin(t) * b * dx / (2 * a)};
  };
  Single t = 0;
  SinglePoint from = at(t);
  do {
    t += EllipseStep;
    const SinglePoint to = at(t);
    LineS(from, to);
    from = to;
  } while (t < TwoPiSingle);
}

// One spline segment from A to B leaving along T0 and arriving along T1, in
// ten pieces about the crossing of the end normals; a chord when the
// tangents are parallel or a radius is 0.
void RubberSplineSegment(const SinglePoint& A, const SinglePoint& B, const SinglePoint& T0,
                         const SinglePoint& T1) {
  const Single cross = T1.Y * T0.X - T0.Y * T1.X;
  if (std::fabs(cross) < ParallelCross) {
    LineS(A, B);
    return;
  }
  const Single s = ((B.X - A.X) * T1.X + (B.Y - A.Y) * T1.Y) / cross;
  const SinglePoint O{A.X - s * T0.Y, A.Y + s * T0.X};
  const Single r0 = DistanceS(O, A), r1 = DistanceS(O, B);
  if (r0 == 0 || r1 == 0) {
    LineS(A, B);
    return;
  }
  Single b0 = AngleS(O, A), b1 = AngleS(O, B);
  if (std::fabs(b1 - b0) > static_cast<Single>(Pi)) {
    if (b0 > b1)
      b0 -= TwoPiSingle;
    else
      b1 -= TwoPiSingle;
  }
  const Single q = r1 / (r0 + r1);
  const Single k = (q - 0.5F) * 0.8F + 0.5F;
  const Single e = static_cast<Single>(std::log(0.5) / std::log(k));
  SinglePoint prev = A;
  for (Single t = 0; t < 1;) {
    t = std::min(t + SplineStep, 1.0F);
    SinglePoint next = B;
    if (t < 1) {
      const Single angle = b0 - (b0 - b1) * t;
      const Single blend = static_cast<Single>((1 - std::cos(Pi * std::pow(t, e))) * 0.5);
      next = PolarS(O, r0 - (r0 - r1) * blend, angle);
    }
    LineS(prev, next);
    prev = next;
  }
}

SinglePoint Difference(const SinglePoint& to, const SinglePoint& from) { return {to.X - from.X, to.Y - from.Y}; }

void DrawRubberSpline() {
  const Integer n = RubberObjCount;
  if (n < 2) return;
  const bool closed = P(1).X == P(n).X && P(1).Y == P(n).Y;
  SinglePoint T0 = closed && n > 2 ? Difference(P(2), P(n - 1)) : Difference(P(2), P(1));
  for (Long i = 1; i <= n - 1; ++i) {
    SinglePoint T1;
    if (i == n - 1)
      T1 = closed ? Difference(P(2), P(i)) : Difference(P(i + 1), P(i));
    else
      T1 = Difference(P(i + 2), P(i));
    RubberSplineSegment(P(i), P(i + 1), T0, T1);
    T0 = T1;
  }
}

void RoundPixelPoints(Integer n) {
  for (Long k = 1; k <= n; ++k) RoundPixelPoint(k);
}

// ViewPts(1..n) := the points, for the polyline and polygon roads, which
// cut them to the guard box.
void LoadGhostViewPts(Integer n) {
  for (Long k = 1; k <= n; ++k) ViewPts[static_cast<size_t>(k)] = {P(k).X, P(k).Y};
}

// The image of the points as they stand, by RubberObjType.
void DrawRubberImage() {
  const Integer n = RubberObjCount;
  if (n < 1) return;
  W1 = P(1);
  if (n >= 2) W2 = P(2);
  switch (RubberObjType) {
    case EntityLine:
      if (n >= 2) LineS(P(1), P(2));
      break;
    case EntityCircle: {
      if (n < 2) break;
      const Single r = DistanceS(P(1), P(2));
      if (r > 0) GdiCircle(P(1).X, P(1).Y, r);
      break;
    }
    case EntityArc:
      if (n < 4) break;
      W3 = P(3);
      W4 = P(4);
      DrawRubberArc();
      break;
    case EntityEllipse:
      if (n < 4) break;
      W3 = P(3);
      W4 = P(4);
      DrawRubberEllipse();
      break;
    case EntitySpline: DrawRubberSpline(); break;
    case EntityBezier:
      if (n < 4) break;
      LineS(P(1), P(2));
      LineS(P(3), P(4));
      RoundPixelPoints(4);
      PolyBezier(ActiveDoc->hDC(), &GdiPts[1], 4);
      break;
    case EntityContBezier: {
      RoundPixelPoint(1);
      Integer whole = 1;  // points of whole spans
      for (Long k = 1; k + 3 <= n; k += 3) {
        RoundPixelPoint(k + 1);
        RoundPixelPoint(k + 2);
        RoundPixelPoint(k + 3);
        LineS(P(k), P(k + 1));
        LineS(P(k + 2), P(k + 3));
        whole = k + 3;
      }
      if (whole >= 4) PolyBezier(ActiveDoc->hDC(), &GdiPts[1], whole);
      break;
    }
    case EntityPolyline:
      LoadGhostViewPts(n);
      ViewPolyline(n);
      break;
    case EntityPolygon:
      LoadGhostViewPts(n);
      ViewPolygon(vbFSTransparent, DwgBackColor, n);
      break;
    default: break;  // points, elliptical arcs and compound objects show no ghost
  }
}

}  // namespace

// ---- Drag ----------------------------------------------------------------------------

Single SquareSingle(Single x) { return x * x; }

void RoundPixelPoint(Integer k) {
  const SinglePoint& p = P(k);
  GdiPts[static_cast<size_t>(k)] = {RoundToLong(ClampPixel(p.X)), ViewPixMaxY - RoundToLong(ClampPixel(p.Y))};
}

void LoadRubberObject(Long ObjNo) {
  const ObjRec& obj = Objs[ObjNo];
  RubberObjType = obj.Rtype;
  RubberObjCount = obj.NPoints;
  RubberObjPts.assign(static_cast<size_t>(RubberObjCount) + 4, SinglePoint{});
  if (static_cast<Long>(GdiPts.size()) <= RubberObjCount) ResizeScrPts(static_cast<Integer>(std::min<Long>(Long{RubberObjCount} + 4, MaxScrPts)));
  for (Long i = 1; i <= RubberObjCount; ++i) {
    const PntRec& p = Pnts[obj.PointID + i - 1];
    RubberObjPts[static_cast<size_t>(i)] = {GhostPixel(UnclampedPixelX(p.X)), GhostPixel(UnclampedPixelY(p.Y))};
  }
  RubberDragPnt = 1;
  RubberObjShown = FlagFalse;
  if (RubberObjCount >= 1) DrawRubberObject(P(1).X, P(1).Y);
}

void DrawRubberObject(Single x, Single y) {
  if (!ActiveDoc || RubberDragPnt < 1 || RubberDragPnt > RubberObjCount) return;
  SetForeColor(RubberColor);
  SetDrawStyle(GhostStyle);
  SetDrawMode(vbNotXorPen);
  if (RubberObjShown) {
    DrawRubberImage();
    RubberObjShown = FlagFalse;
  }
  RubberObjPts[static_cast<size_t>(RubberDragPnt)] = {x, y};
  SetDrawStyle(GhostStyle);
  DrawRubberImage();
  RubberObjShown = FlagTrue;
  SetDrawMode(vbCopyPen);
  SetDrawStyle(CurLineType);
  SetForeColor(CurColor);
}

void EraseRubberObject() {
  if (!RubberObjShown || !ActiveDoc) return;
  SetForeColor(RubberColor);
  SetDrawStyle(GhostStyle);
  SetDrawMode(vbNotXorPen);
  DrawRubberImage();
  RubberObjShown = FlagFalse;
  SetDrawMode(vbCopyPen);
  SetDrawStyle(CurLineType);
  SetForeColor(CurColor);
}

// ---- Reset ---------------------------------------------------------------------------

void ResetRubberObject() {
  RubberObjPts.clear();
  RubberObjCount = RubberObjType = 0;
  RubberDragPnt = 0;
  RubberObjShown = 0;
}

namespace {
const ModuleRegistrar Registered({"RubberObject", FloorView, ResetRubberObject});
}  // namespace

}  // namespace lintavo
