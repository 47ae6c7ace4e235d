// ObjectDrawers: the drawers of the simple entity types, text characters and
// compound placements.
//
// Sections:
//   Helpers
//   Points, lines and circles
//   Arcs and ellipses
//   Splines and Beziers
//   Polylines and polygons
//   Dispatch by type
//   Placements and text characters
#include "view/ObjectDrawers.h"

#include <algorithm>
#include <cmath>

#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/ItemMembers.h"
#include "model/ProgramState.h"
#include "model/ViewCache.h"
#include "platform/Numbers.h"
#include "platform/Surface.h"
#include "view/DisplayOptions.h"
#include "view/DrawDispatch.h"
#include "view/FastDraw.h"
#include "view/SurfaceDraw.h"

namespace lintavo {

constexpr Integer StartBoldWeight = 2;  // pixels
Integer BoldWeight = StartBoldWeight;
Integer GlyphColorOn = FlagFalse;
Long GlyphColor = 0;

namespace {

// ---- Helpers ---------------------------------------------------------------------------

// A world point (X, Y Doubles), the element type of ScrPts.
using XY = WorldXY;

const XY& P(int i) { return ScrPts[i]; }

// Whether ScrPts(first..last) all lie beyond the same side of the view window.
bool ScrPtsBeyondView(int first, int last) {
  bool left = true, below = true, right = true, above = true;
  for (int i = first; i <= last; ++i) {
    left = left && P(i).X < ViewWinMinX;
    below = below && P(i).Y < ViewWinMinY;
    right = right && P(i).X > ViewWinMaxX;
    above = above && P(i).Y > ViewWinMaxY;
  }
  return left || below || right || above;
}

// The view pixel of a world point, not clamped: the polygons it goes into
// are cut to the guard box whole.
ClipPoint ViewPixelOf(Double X, Double Y) { return {UnclampedPixelX(X), UnclampedPixelY(Y)}; }

// Whether the square centre +/- r meets the view window.
bool SquareMeetsView(Double CX, Double CY, Double r) {
  return CX - r <= ViewWinMaxX && CX + r >= ViewWinMinX && CY - r <= ViewWinMaxY && CY + r >= ViewWinMinY;
}

// An ellipse or elliptical arc walked in line pieces: centre C, half the
// first axis U, the second axis k times as long as the first.
struct SteppedEllipse {
  Double CX, CY, UX, UY, k;
  void At(Double t, Double& X, Double& Y) const {
    const Double c = std::cos(t), s = std::sin(t);
    X = CX + c * UX - s * k * UY;
    Y = CY + c * UY + s * k * UX;
  }
  // Lines from parameter From on, step by step, until the first point at or
  // past To (not clamped to To).
  void Walk(Single From, Single To, Single Step, const ShapeOutput& Out) const {
    Double x0 = 0, y0 = 0;
    At(From, x0, y0);
    for (Single t = From; t < To;) {
      t += Step;
      Double x1 = 0, y1 = 0;
      At(t, x1, y1);
      Out.Line(x0, y0, x1, y1);
      x0 = x1;
      y0 = y1;
    }
  }
};

// The ellipse of ScrPts(1..4): centre, the two half axes a and b, and its walk.
SteppedEllipse EllipseOfPoints(Double& a, Double& b) {
  const XY c{(P(1).X + P(2).X) / 2, (P(1).Y + P(2).Y) / 2};
  a = Distance(c, P(1));
  b = Distance(c, P(3));
  return SteppedEllipse{c.X, c.Y, (P(2).X - P(1).X) / 2, (P(2).Y - P(1).Y) / 2, b / a};
}

// The extents pass: the rim of the circle or arc in ScrPts as it is drawn,
// wherever the view stands, so that fitting the drawing never cuts it.
void ExtendByDrawnRim(Integer Type) {
  Double x[4], y[4];
  const Integer n = DrawnRimPoints(Type, x, y);
  for (Integer k = 0; k < n; ++k) ExtendExtents(x[k], y[k]);
}

}  // namespace

// ---- Points, lines and circles ----------------------------------------------------------

void DrawObjPoint() {
  if (!DrawEnabled) return;
  const XY& p = P(1);
  if (p.X < ViewWinMinX || p.X > ViewWinMaxX || p.Y < ViewWinMinY || p.Y > ViewWinMaxY) return;
  if (ShowStdPnts)
    DrawStdPntMark(p.X, p.Y);
  else
    WorldPoint(p.X, p.Y);
}

void DrawObjLine() {
  if (!DrawEnabled || ScrPtsBeyondView(1, 2)) return;
  if (PenWidthFactor == 0)
    WorldLine(P(1).X, P(1).Y, P(2).X, P(2).Y);
  else
    DrawWideObjLine();
}

void DrawWideObjLine() {
  LoadBandCorners(PenWidthFactor);
  Integer style = 0;
  Long color = 0;
  BandFill(style, color);
  SetDrawStyle(0);
  ViewPolygon(style, color, 4);
}

void DrawObjCircle() {
  const XY& c = P(1);
  const Double r = Distance(c, P(2));
  if (DrawEnabled) {
    if (SquareMeetsView(c.X, c.Y, r) && r != 0) WorldCircle(c.X, c.Y, r);
    return;
  }
  if (ExtentsPass) ExtendByDrawnRim(EntityCircle);
}

Integer DrawnRimPoints(Integer Type, Double (&X)[4], Double (&Y)[4]) {
  if (Type != EntityCircle && Type != EntityArc) return 0;
  Integer n = 0;
  auto take = [&](Double x, Double y) {
    X[n] = x;
    Y[n] = y;
    ++n;
  };
  WidenByRim(Type, &P(1), [] { return Distance(P(1), P(2)); }, take);
  return n;
}

// ---- Arcs and ellipses -------------------------------------------------------------------

void DrawObjArc() {
  if (!DrawEnabled) {
    if (ExtentsPass) ExtendByDrawnRim(EntityArc);
    return;
  }
  if (ScrPtsBeyondView(2, 4)) return;
  const XY& c = P(1);
  const Double r = Distance(c, P(2));
  // An arc the surface shows as nothing needs no angles.
  if (r == 0 || WorldCircleArcShowsNothing(c.X, c.Y, r)) return;
  Single start = 0, end = 0;
  ArcDrawnAngles(c.X, c.Y, P(2).X, P(2).Y, P(3).X, P(3).Y, P(4).X, P(4).Y, start, end);
  WorldCircleArc(c.X, c.Y, r, start, end);
}

void DrawObjEllipse() {
  if (!DrawEnabled) return;
  Double a = 0, b = 0;
  const SteppedEllipse e = EllipseOfPoints(a, b);
  // The larger half axis bounds the ellipse whichever axis it lies on.
  if (!SquareMeetsView(e.CX, e.CY, std::max(a, b))) return;
  EllipseShape(WorldShapes);
}

void DrawObjEllipticArc() {
  if (!DrawEnabled || ScrPtsBeyondView(5, 6)) return;
  EllipticArcShape(WorldShapes);
}

// ---- Shapes shared with the fast renderer ------------------------------------------------------

namespace {

void WorldEllipseShape(Double X, Double Y, Double RX, Double RY) { WorldCircleEllipse(X, Y, RX, RY); }

}  // namespace

const ShapeOutput WorldShapes = {WorldLine, WorldEllipseShape, WorldCircleEllipticArc};

void LoadBandCorners(Double W) {
  const Double w = W * 0.5;
  const Double a = LineAngle(P(1).X, P(1).Y, P(2).X, P(2).Y) + Pi / 2;
  const Double dx = w * std::cos(a), dy = w * std::sin(a);
  ViewPts[1] = ViewPixelOf(P(1).X + dx, P(1).Y + dy);
  ViewPts[2] = ViewPixelOf(P(2).X + dx, P(2).Y + dy);
  ViewPts[3] = ViewPixelOf(P(2).X - dx, P(2).Y - dy);
  ViewPts[4] = ViewPixelOf(P(1).X - dx, P(1).Y - dy);
}

void BandFill(Integer& style, Long& color) {
  style = ShowFills ? PenStyle : vbFSTransparent;
  color = ShowFills ? PenColor : DwgBackColor;
}

void EllipseShape(const ShapeOutput& Out) {
  Double a = 0, b = 0;
  const SteppedEllipse e = EllipseOfPoints(a, b);
  if (P(1).Y == P(2).Y) {
    Out.Ellipse(e.CX, e.CY, a, b);
    return;
  }
  e.Walk(0, TwoPiSingle, ArcStepAngle(e.CX, e.CY, std::max(a, b)), Out);
}

void EllipticArcShape(const ShapeOutput& Out) {
  Double a = 0, b = 0;
  const SteppedEllipse e = EllipseOfPoints(a, b);
  if (P(1).Y == P(2).Y) {
    // The surface takes the directions of the arc's ends from the centre and
    // finds their places on the ellipse itself.
    Out.EllipticArc(e.CX, e.CY, a, b, LineAngleD(e.CX, e.CY, P(5).X, P(5).Y), LineAngleD(e.CX, e.CY, P(6).X, P(6).Y));
    return;
  }
  // Parameters are measured from the first axis, the axis the walk starts on.
  const Single ratio = static_cast<Single>(a / b);
  const Single rotation = LineAngleD(e.CX, e.CY, P(2).X, P(2).Y);
  const Single t1 = EllipseParamAngle(e.CX, e.CY, P(5).X, P(5).Y, ratio, rotation);
  Single t2 = EllipseParamAngle(e.CX, e.CY, P(6).X, P(6).Y, ratio, rotation);
  if (t1 > t2) t2 = static_cast<Single>(t2 + TwoPi);
  e.Walk(t1, t2, ArcStepAngle(e.CX, e.CY, std::max(a, b)), Out);
}

// ---- Splines and Beziers -------------------------------------------------------------------

namespace {

// One spline segment from A to B, leaving A along T0 and arriving along T1:
// an arc-like piece about the crossing of the two normals whose radius blends
// from one end's to the other's; a chord when the piece is too short or the
// tangents give no centre.
void DrawSplineSegment(const XY& A, const XY& B, const XY& T0, const XY& T1, const ShapeOutput& Out) {
  const Double pixels = std::hypot(T0.X, T0.Y) * ViewScaleX;
  const Double cross = T1.Y * T0.X - T0.Y * T1.X;
  if (pixels < 4.0 || std::fabs(cross) < 0.0001) {
    Out.Line(A.X, A.Y, B.X, B.Y);
    return;
  }
  // The normals A + s (-T0.Y, T0.X) and B + u (-T1.Y, T1.X) meet where
  // s = ((B - A) x N1) / (N0 x N1), and N0 x N1 is the tangents' cross product.
  const Double s = ((B.X - A.X) * T1.X + (B.Y - A.Y) * T1.Y) / cross;
  const XY O{A.X - s * T0.Y, A.Y + s * T0.X};
  const Double r0 = Distance(O, A), r1 = Distance(O, B);
  if (r0 == 0 || r1 == 0) {
    Out.Line(A.X, A.Y, B.X, B.Y);
    return;
  }
  Double b0 = LineAngleD(O.X, O.Y, A.X, A.Y), b1 = LineAngleD(O.X, O.Y, B.X, B.Y);
  if (std::fabs(b1 - b0) > Pi) {
    if (b0 > b1)
      b0 -= TwoPi;
    else
      b1 -= TwoPi;
  }
  const Double dt = std::max(1.0 / pixels, 0.05);
  const Double q = r1 / (r0 + r1);
  const Double k = (q - 0.5) * 0.8 + 0.5;
  const Double e = std::log(0.5) / std::log(k);
  XY prev = A;
  for (Double t = 0; t < 1;) {
    t = std::min(t + dt, 1.0);
    XY next = B;
    if (t < 1) {
      const Double angle = b0 - (b0 - b1) * t;
      const Double blend = (1 - std::cos(Pi * std::pow(t, e))) * 0.5;
      const Double radius = r0 - (r0 - r1) * blend;
      next = XY{O.X + radius * std::cos(angle), O.Y + radius * std::sin(angle)};
    }
    Out.Line(prev.X, prev.Y, next.X, next.Y);
    prev = next;
  }
}

XY Difference(const XY& to, const XY& from) { return {to.X - from.X, to.Y - from.Y}; }

}  // namespace

void DrawObjSpline() {
  if (!DrawEnabled) return;
  SplineShape(PenPntCount, true, WorldShapes);
}

void SplineShape(int Count, bool Cull, const ShapeOutput& Out) {
  const int n = Count;
  if (n < 2) return;
  const bool closed = P(1).X == P(n).X && P(1).Y == P(n).Y;
  XY T0 = closed ? Difference(P(2), P(n - 1)) : Difference(P(2), P(1));
  for (int i = 1; i <= n - 1; ++i) {
    XY T1;
    if (i == n - 1)
      T1 = closed ? Difference(P(2), P(i)) : Difference(P(i + 1), P(i));
    else
      T1 = Difference(P(i + 2), P(i));
    // A segment out of view is skipped, but its end tangent still leads the next.
    if (!Cull || !ScrPtsBeyondView(i, i + 1)) DrawSplineSegment(P(i), P(i + 1), T0, T1, Out);
    T0 = T1;
  }
}

void DrawObjBezier() {
  if (!DrawEnabled) return;
  GdiPolyBezier(P(1).X, P(1).Y, P(2).X, P(2).Y, P(3).X, P(3).Y, P(4).X, P(4).Y);
}

void DrawObjContBezier() {
  if (!DrawEnabled) return;
  // Only whole segments: a segment needs its three points after Pi.
  for (int i = 1; i + 3 <= PenPntCount; i += 3) {
    GdiPolyBezier(P(i).X, P(i).Y, P(i + 1).X, P(i + 1).Y, P(i + 2).X, P(i + 2).Y, P(i + 3).X, P(i + 3).Y);
  }
}

// ---- Polylines and polygons ------------------------------------------------------------------

namespace {

// Converts ScrPts(1..n) into ViewPts; false, before any point is converted,
// when the pixel box of the points lies wholly outside the surface's bounds.
bool LoadViewPtsInView(int n) {
  if (n < 1) return false;
  Double minX = P(1).X, maxX = P(1).X, minY = P(1).Y, maxY = P(1).Y;
  for (int i = 2; i <= n; ++i) {
    minX = std::min(minX, P(i).X);
    maxX = std::max(maxX, P(i).X);
    minY = std::min(minY, P(i).Y);
    maxY = std::max(maxY, P(i).Y);
  }
  const GdiPoint a = WorldToGdi(minX, minY), b = WorldToGdi(maxX, maxY);
  if (std::max(a.X, b.X) < ViewPixMinX || std::min(a.X, b.X) > ViewPixMaxX ||
      std::max(a.Y, b.Y) < ViewPixMinY || std::min(a.Y, b.Y) > ViewPixMaxY)
    return false;
  LoadViewPts(n);
  return true;
}

}  // namespace

void DrawObjPolyline() {
  if (!DrawEnabled || !LoadViewPtsInView(PenPntCount)) return;
  ViewPolyline(PenPntCount);
}

void DrawObjPolygon() {
  if (!DrawEnabled || !LoadViewPtsInView(PenPntCount)) return;
  Integer style = 0;
  Long color = 0;
  BandFill(style, color);
  SetDrawStyle(0);
  ViewPolygon(style, color, PenPntCount);
}

// ---- Dispatch by type ------------------------------------------------------------------------

void DrawObjByType(Integer Rtype) {
  switch (Rtype) {
    case EntityPoint: DrawObjPoint(); break;
    case EntityLine: DrawObjLine(); break;
    case EntityCircle: DrawObjCircle(); break;
    case EntityArc: DrawObjArc(); break;
    case EntityEllipticArc: DrawObjEllipticArc(); break;
    case EntityEllipse: DrawObjEllipse(); break;
    case EntitySpline: DrawObjSpline(); break;
    case EntityBezier: DrawObjBezier(); break;
    case EntityContBezier: DrawObjContBezier(); break;
    case EntityPolyline: DrawObjPolyline(); break;
    case EntityPolygon: DrawObjPolygon(); break;
    default: break;
  }
}

// ---- Placements and text characters ----------------------------------------------------------

namespace {

// Placement point k (0..4) of a compound entity.
const PntRec& PlacementPoint(Long ObjNo, int k) { return Pnts[Objs[ObjNo].PointID + k]; }

// The insertion point p0 through the current placement matrix.
void InsertionOffset(Long ObjNo, Double& dX, Double& dY) {
  const PntRec& p0 = PlacementPoint(ObjNo, 0);
  dX = PlaceMatrix.m00 * p0.X + PlaceMatrix.m01 * p0.Y;
  dY = PlaceMatrix.m10 * p0.X + PlaceMatrix.m11 * p0.Y;
}

}  // namespace

void ApplyPlacement(Long ObjNo) {
  Double dX = 0, dY = 0;
  InsertionOffset(ObjNo, dX, dY);
  PlaceX += dX;
  PlaceY += dY;
  if (ShowRefPnts && Objs[ObjNo].Rtype == EntityComponent) DrawRefPntMark(PlaceX, PlaceY);
  const PntRec& scale = PlacementPoint(ObjNo, 1);
  const PntRec& turn = PlacementPoint(ObjNo, 2);
  PlaceScaleX = static_cast<Single>(PlaceScaleX * scale.X);
  PlaceScaleY = static_cast<Single>(PlaceScaleY * scale.Y);
  PlaceAngle = static_cast<Single>(PlaceAngle + turn.X);
  if (PlaceAngle > 360) PlaceAngle -= 360;
  SetGlyphTransform();
  if (turn.Y != 0) {
    PlaceSlant = static_cast<Single>(turn.Y);
    SlantSin = static_cast<Single>(std::sin(PlaceSlant * DegToRad));
    SlantCos = static_cast<Single>(std::cos(PlaceSlant * DegToRad));
    SlantRefY = PlaceY;
  }
}

void RemovePlacement(Long ObjNo) {
  const PntRec& scale = PlacementPoint(ObjNo, 1);
  const PntRec& turn = PlacementPoint(ObjNo, 2);
  PlaceSlant = 0;
  PlaceScaleX = static_cast<Single>(PlaceScaleX / scale.X);
  PlaceScaleY = static_cast<Single>(PlaceScaleY / scale.Y);
  PlaceAngle = static_cast<Single>(PlaceAngle - turn.X);
  if (PlaceAngle < 0) PlaceAngle += 360;
  SetGlyphTransform();
  Double dX = 0, dY = 0;
  InsertionOffset(ObjNo, dX, dY);
  PlaceX -= dX;
  PlaceY -= dY;
}

void DrawTextObj(Long ObjNo) {
  const ObjRec& obj = Objs[ObjNo];
  const PntRec& turn = PlacementPoint(ObjNo, 2);
  const PntRec& style = PlacementPoint(ObjNo, 3);
  const PntRec& box = PlacementPoint(ObjNo, 4);
  GlyphColorOn = FlagTrue;
  PlaceSlant = 0;
  GlyphColor = obj.Color;
  const Long glyph = obj.ObjectID;

  if (box.X != 0) {  // the cell (0, 0)..(1, 1) filled behind the strokes
    Double x[4] = {0, 1, 1, 0}, y[4] = {0, 0, 1, 1};
    for (int k = 0; k < 4; ++k) PlacePoint(x[k], y[k]);
    FillQuad(x[0], y[0], x[1], y[1], x[2], y[2], x[3], y[3], static_cast<Long>(Trunc(box.Y)));
  }
  if (style.Y != 0) {  // underline along the cell's base
    Double x0 = 0, y0 = 0, x1 = 1, y1 = 0;
    PlacePoint(x0, y0);
    PlacePoint(x1, y1);
    SetForeColor(GlyphColor);
    WorldLine(x0, y0, x1, y1);
  }
  PlaceSlant = static_cast<Single>(turn.Y);

  for (const Long j : GlyphStrokes(glyph)) {
    ObjRec& stroke = Objs[j];
    if (style.X != 0) stroke.Weight = BoldWeight;
    if (stroke.Rtype < FirstCompoundType) FastDrawObject(j);
    stroke.Weight = 0;
  }
  GlyphColorOn = FlagFalse;
}

// ---- Filled quadrilaterals ---------------------------------------------------------------

void FillQuad(Double X1, Double Y1, Double X2, Double Y2, Double X3, Double Y3, Double X4, Double Y4,
              Long Colour) {
  if (!ShowFills || QuadBeyondViewSide(X1, Y1, X2, Y2, X3, Y3, X4, Y4)) return;
  ViewPts[1] = ViewPixelOf(X1, Y1);
  ViewPts[2] = ViewPixelOf(X2, Y2);
  ViewPts[3] = ViewPixelOf(X3, Y3);
  ViewPts[4] = ViewPixelOf(X4, Y4);
  if (EraseDraw) Colour = DwgBackColor;
  SetForeColor(Colour);
  SetDrawWidth(1);
  ViewPolygon(vbFSSolid, Colour, 4);
}

void ResetObjectDrawers() {
  BoldWeight = StartBoldWeight;
  GlyphColorOn = FlagFalse;
  GlyphColor = 0;
}

namespace {
const ModuleRegistrar Registered({"ObjectDrawers", FloorView, ResetObjectDrawers});
}  // namespace

}  // namespace lintavo
