// Breaks: the break routines by type and the searches they share.
//
// Sections:
//   Shared routines
//   Straight lines
//   Circles and arcs
//   Ellipses and elliptical arcs
//   Splines, polylines and polygons
//   Continuous Bezier curves
//   Dispatch
#include "commands/Breaks.h"

#include <cmath>
#include <vector>

#include "commands/Adjust.h"
#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/ItemMembers.h"
#include "model/ObjIndex.h"
#include "model/UndoRedo.h"
#include "model/ViewCache.h"
#include "view/DrawDispatch.h"

namespace lintavo {

namespace {

// ---- Shared routines ---------------------------------------------------------------

using Points = std::vector<WorldXY>;

constexpr Integer NotAtEnd = 0, AtFirstEnd = 1, AtSecondEnd = 2;  // results of EndWhich

WorldXY Point(Long ObjNo, Integer k) {
  const PntRec& p = Pnts[Objs[ObjNo].PointID + k - 1];
  return {p.X, p.Y};
}

// Every point of the entity, 1-based (entry 0 unused): copies, so appending
// pieces may grow Pnts meanwhile.
Points AllPoints(Long ObjNo) {
  Points pts(static_cast<size_t>(Objs[ObjNo].NPoints) + 1);
  for (Long k = 1; k <= Objs[ObjNo].NPoints; ++k) pts[static_cast<size_t>(k)] = Point(ObjNo, k);
  return pts;
}

void SetPoint(Long ObjNo, Integer k, const WorldXY& p) {
  PntRec& pnt = Pnts[Objs[ObjNo].PointID + k - 1];
  pnt.X = p.X;
  pnt.Y = p.Y;
}

// The entity's points or count changed in place: the pick index follows,
// and the entity is drawn.
void Changed(Long ObjNo) {
  ObjPointsChanged(ObjNo);
  DrawObject(ObjNo);
}

// The line type of a piece of the entity: its own, but a polygon's pieces
// are open polylines drawn solid, as the polygon's outline was drawn
// whatever its fill style.
Integer PieceLineType(const ObjRec& entity) { return entity.Rtype == EntityPolygon ? 0 : entity.Ltype; }

// Appends a piece of entity (a copy of its record taken before the break)
// of the type with the points (1-based) and draws it. The piece looks as
// the entity did and keeps its links: its colour, line type, weight, width
// and layer, its owner and the item it shows (a piece of an area's boundary
// stays the area's), not those of new entities.
void AppendPiece(const ObjRec& entity, Integer type, const Points& pts) {
  AddObj(type, static_cast<Integer>(pts.size() - 1));
  ObjRec& piece = Objs[ObjCount];
  piece.Color = entity.Color;
  piece.Ltype = PieceLineType(entity);
  piece.Weight = entity.Weight;
  piece.Width = entity.Width;
  piece.LayerID = entity.LayerID;
  piece.OwnerID = entity.OwnerID;
  piece.ObjectID = entity.ObjectID;
  piece.Name = entity.Name;
  EntityLinksChanged(ObjCount);
  for (size_t k = 1; k < pts.size(); ++k) AddPnt(pts[k].X, pts[k].Y);
  DrawObject(ObjCount);
}

// Which of the two ends the point lies at, within PickTolerance in X and in
// Y separately; the first end is tested first.
Integer EndWhich(const WorldXY& p, const WorldXY& first, const WorldXY& second) {
  const auto near = [&p](const WorldXY& end) {
    return std::fabs(p.X - end.X) <= PickTolerance && std::fabs(p.Y - end.Y) <= PickTolerance;
  };
  if (near(first)) return AtFirstEnd;
  if (near(second)) return AtSecondEnd;
  return NotAtEnd;
}

// The point moved to its perpendicular foot on the line through A and B; onto
// A when A and B coincide.
void ModifyScan(WorldXY& p, const WorldXY& a, const WorldXY& b) {
  const Double dx = b.X - a.X, dy = b.Y - a.Y;
  const Double d2 = dx * dx + dy * dy;
  if (d2 <= 1e-12) {
    p = a;
    return;
  }
  const Double t = ((p.X - a.X) * dx + (p.Y - a.Y) * dy) / d2;
  p = {a.X + t * dx, a.Y + t * dy};
}

// The point at the angle on the circle about c of radius r, to double
// precision: it lies on the circle the entity drew.
WorldXY Polar(const WorldXY& c, Double r, Single angle) {
  const Double a = angle;
  return {c.X + r * std::cos(a), c.Y + r * std::sin(a)};
}

Single AngleTo(const WorldXY& c, const WorldXY& p) { return LineAngle(c.X, c.Y, p.X, p.Y); }

// ---- Straight lines ------------------------------------------------------------------

BreakResult BreakStraightLine(Long ObjNo, WorldXY b1, WorldXY b2) {
  const WorldXY a = Point(ObjNo, 1), b = Point(ObjNo, 2);
  const Integer w1 = EndWhich(b1, a, b), w2 = EndWhich(b2, a, b);
  if (w1 != NotAtEnd && w2 != NotAtEnd) {
    if (w1 == w2) return BreakUnchanged;
    EraseObj(ObjNo);
    return BreakDone;
  }
  const EntityShape before = ShapeOf(ObjNo);
  if (w1 != NotAtEnd || w2 != NotAtEnd) {
    // The end is cut back to the break point inside the line, taken onto it.
    WorldXY inner = w1 != NotAtEnd ? b2 : b1;
    ModifyScan(inner, a, b);
    SetPoint(ObjNo, w1 != NotAtEnd ? w1 : w2, inner);
    Changed(ObjNo);
    PushShapeChange(ObjNo, before);
    return BreakDone;
  }
  ModifyScan(b1, a, b);
  ModifyScan(b2, a, b);
  // The break point nearer to B starts the far piece; on a tie B2.
  const bool b2Far = Distance(b2, b) <= Distance(b1, b);
  const WorldXY nearEnd = b2Far ? b1 : b2, farStart = b2Far ? b2 : b1;
  SetPoint(ObjNo, 2, nearEnd);
  Changed(ObjNo);
  CopyObjOffset(ObjNo, 0, 0);  // keeps the line's colour, style and layer
  const Long copy = ObjCount;
  SetPoint(copy, 1, farStart);
  SetPoint(copy, 2, b);
  Changed(copy);
  JoinShapeChange(ObjNo, before);
  return BreakDone;
}

// ---- Circles and arcs ------------------------------------------------------------------

// An arc about C of radius r from angle A to angle B (sorted), through their
// middle, or through the opposite middle when both ends of the broken arc
// lie within [A, B].
void AddArcPiece(const ObjRec& entity, const WorldXY& c, Double r, Single aS, Single aE, Single A, Single B) {
  if (B < A) std::swap(A, B);
  Single m = (A + B) / 2;
  if (A <= aS && A <= aE && aS <= B && aE <= B) {
    m += PiSingle;
    if (m > TwoPiSingle) m -= TwoPiSingle;
  }
  AppendPiece(entity, EntityArc, {{}, c, Polar(c, r, A), Polar(c, r, m), Polar(c, r, B)});
}

BreakResult BreakCircle(Long ObjNo, const WorldXY& b1, const WorldXY& b2) {
  const ObjRec entity = Objs[ObjNo];
  const WorldXY c = Point(ObjNo, 1);
  const Double r = Distance(c, Point(ObjNo, 2));
  EraseObj(ObjNo);
  Single a1 = AngleTo(c, b1), a2 = AngleTo(c, b2);
  if (a2 < a1) std::swap(a1, a2);
  const Single s = a2 - a1;
  // The shorter of the two arcs between the break points goes.
  const Single m = s >= PiSingle ? a1 + s / 2 : a1 + s / 2 + PiSingle;
  AppendPiece(entity, EntityArc, {{}, c, Polar(c, r, a1), Polar(c, r, m), Polar(c, r, a2)});
  return BreakDone;
}

// Angle from aS counterclockwise, in [0, 2 pi).
Single FromStart(Single angle, Single aS) {
  Single d = angle - aS;
  if (d < 0) d += TwoPiSingle;
  return d;
}

BreakResult BreakArc(Long ObjNo, const WorldXY& b1, const WorldXY& b2) {
  const WorldXY c = Point(ObjNo, 1), S = Point(ObjNo, 2), M = Point(ObjNo, 3), E = Point(ObjNo, 4);
  const Integer w1 = EndWhich(b1, S, E), w2 = EndWhich(b2, S, E);
  if (w1 != NotAtEnd && w1 == w2) return BreakTooClose;  // the arc is kept
  const Double r = Distance(c, S);
  const Single aS = AngleTo(c, S), aM = AngleTo(c, M), aE = AngleTo(c, E);
  const Single a1 = AngleTo(c, b1), a2 = AngleTo(c, b2);
  const ObjRec entity = Objs[ObjNo];
  EraseObj(ObjNo);
  const auto piece = [&](Single A, Single B) { AddArcPiece(entity, c, r, aS, aE, A, B); };
  if (w1 != NotAtEnd && w2 != NotAtEnd) return BreakDone;  // from end to end: nothing left
  if (w1 != NotAtEnd) {
    w1 == AtFirstEnd ? piece(a2, aE) : piece(aS, a2);
    return BreakDone;
  }
  if (w2 != NotAtEnd) {
    w2 == AtSecondEnd ? piece(aS, a1) : piece(a1, aE);
    return BreakDone;
  }
  const Single dM = FromStart(aM, aS), dE = FromStart(aE, aS);
  const Single d1 = FromStart(a1, aS), d2 = FromStart(a2, aS);
  if (dM > dE) {  // clockwise from S to E
    if (d1 > d2) {
      piece(aE, a2);
      piece(a1, aS);
    } else {
      piece(aE, a1);
      piece(a2, aS);
    }
  } else if (d1 > d2) {
    piece(aS, a2);
    piece(a1, aE);
  } else {
    piece(aS, a1);
    piece(a2, aE);
  }
  return BreakDone;
}

// ---- Ellipses and elliptical arcs -------------------------------------------------------

// The point of the entity's ellipse (its axis points 1 to 4) in the
// direction of p from the centre: where an arc end at p is drawn, so the
// drawing stays as it was. p itself when the ellipse or the direction has
// no length.
WorldXY OntoEllipse(Long ObjNo, const WorldXY& p) {
  const WorldXY p1 = Point(ObjNo, 1), p2 = Point(ObjNo, 2);
  const WorldXY c{(p1.X + p2.X) / 2, (p1.Y + p2.Y) / 2};
  const Double a = Distance(c, p1), b = Distance(c, Point(ObjNo, 3));
  if (a <= 0 || b <= 0) return p;
  const Double ux = (p2.X - p1.X) / (2 * a), uy = (p2.Y - p1.Y) / (2 * a);  // along the first axis
  const Double dx = p.X - c.X, dy = p.Y - c.Y;
  const Double along = (dx * ux + dy * uy) / a, across = (dy * ux - dx * uy) / b;
  const Double scale = std::hypot(along, across);
  if (scale <= 0) return p;
  return {c.X + dx / scale, c.Y + dy / scale};
}

// The four axis points, then the two arc ends taken onto the ellipse.
Points EllipticArcPoints(Long ObjNo, const WorldXY& from, const WorldXY& to) {
  return {{}, Point(ObjNo, 1), Point(ObjNo, 2), Point(ObjNo, 3), Point(ObjNo, 4),
          OntoEllipse(ObjNo, from), OntoEllipse(ObjNo, to)};
}

BreakResult BreakEllipse(Long ObjNo, const WorldXY& b1, const WorldXY& b2) {
  const ObjRec entity = Objs[ObjNo];
  const Points pts = EllipticArcPoints(ObjNo, b1, b2);
  EraseObj(ObjNo);
  AppendPiece(entity, EntityEllipticArc, pts);
  return BreakDone;
}

// The arc runs counterclockwise from its point 5 to its point 6: the break
// point nearer its point 5 along it, measured from there counterclockwise,
// ends the kept piece and the other starts the far piece, whichever was
// clicked first. Raw angles would misorder an arc that runs through angle 0.
BreakResult BreakEllipticalArc(Long ObjNo, const WorldXY& b1, const WorldXY& b2) {
  const ObjRec entity = Objs[ObjNo];
  const WorldXY p1 = Point(ObjNo, 1), p2 = Point(ObjNo, 2);
  const WorldXY c{(p1.X + p2.X) / 2, (p1.Y + p2.Y) / 2};
  const Single aS = AngleTo(c, Point(ObjNo, 5));
  const bool b1First = FromStart(AngleTo(c, b1), aS) <= FromStart(AngleTo(c, b2), aS);
  const WorldXY& nearEnd = b1First ? b1 : b2;
  const WorldXY& farStart = b1First ? b2 : b1;
  const Points far = EllipticArcPoints(ObjNo, farStart, Point(ObjNo, 6));
  const EntityShape before = ShapeOf(ObjNo);
  SetPoint(ObjNo, 6, OntoEllipse(ObjNo, nearEnd));
  Changed(ObjNo);
  AppendPiece(entity, EntityEllipticArc, far);
  JoinShapeChange(ObjNo, before);
  return BreakDone;
}

// ---- Splines, polylines and polygons ------------------------------------------------------

// The first segment pk -> pk+1 within the tolerance of the point; 0 none.
Integer FindPolySegment(const Points& pts, const WorldXY& p) {
  const Integer n = static_cast<Integer>(pts.size() - 1);
  for (Long k = 1; k < n; ++k) {
    const WorldXY& a = pts[static_cast<size_t>(k)];
    const WorldXY& b = pts[static_cast<size_t>(k + 1)];
    if (SegmentHitTol(a.X, a.Y, p.X, p.Y, b.X, b.Y)) return k;
  }
  return 0;
}

// The first span j of a continuous Bezier whose chord p(3j-2) -> p(3j+1)
// holds the point's foot; 0 none.
Integer FindBezierSpan(const Points& pts, const WorldXY& p) {
  const Integer n = static_cast<Integer>(pts.size() - 1);
  for (Long j = 1; 3 * j + 1 <= n; ++j) {
    const WorldXY& a = pts[static_cast<size_t>(3 * j - 2)];
    const WorldXY& b = pts[static_cast<size_t>(3 * j + 1)];
    if (SegmentHit(a.X, a.Y, p.X, p.Y, b.X, b.Y)) return j;
  }
  return 0;
}

// The break points in the order of the entity: F with the smaller index;
// on one index, F is the one nearer the index's first point.
struct OrderedBreak {
  WorldXY F, G;
  Integer kF = 0, kG = 0;
};
OrderedBreak OrderBreakPoints(const WorldXY& b1, Integer k1, const WorldXY& b2, Integer k2,
                              const WorldXY& first) {
  if (k1 != k2) return k1 < k2 ? OrderedBreak{b1, b2, k1, k2} : OrderedBreak{b2, b1, k2, k1};
  WorldXY f;
  NearerPoint(f.X, f.Y, first.X, first.Y, b1.X, b1.Y, b2.X, b2.Y);
  const bool b1First = f.X == b1.X && f.Y == b1.Y;
  return b1First ? OrderedBreak{b1, b2, k1, k1} : OrderedBreak{b2, b1, k1, k1};
}

// The point taken onto segment k of the points, at the foot of its
// perpendicular (FindPolySegment found the foot within the segment).
WorldXY OntoSegment(const Points& pts, Integer k, WorldXY p) {
  ModifyScan(p, pts[static_cast<size_t>(k)], pts[static_cast<size_t>(k + 1)]);
  return p;
}

// A polyline or polygon is cut at the break points taken onto its sides. A
// spline passes through its points but not along the segments between
// them: its cut points stay as clicked.
BreakResult BreakPolyline(Long ObjNo, const WorldXY& b1, const WorldXY& b2) {
  const ObjRec entity = Objs[ObjNo];
  const Points pts = AllPoints(ObjNo);
  const Integer n = static_cast<Integer>(pts.size() - 1);
  const Integer k1 = FindPolySegment(pts, b1), k2 = FindPolySegment(pts, b2);
  if (k1 == 0 || k2 == 0) return BreakPointMissing;
  const bool spline = entity.Rtype == EntitySpline;
  const WorldXY c1 = spline ? b1 : OntoSegment(pts, k1, b1), c2 = spline ? b2 : OntoSegment(pts, k2, b2);
  const OrderedBreak o = OrderBreakPoints(c1, k1, c2, k2, pts[static_cast<size_t>(k1 == k2 ? k1 : 1)]);
  Points far{{}, o.G};
  for (Long k = o.kG + 1; k <= n; ++k) far.push_back(pts[static_cast<size_t>(k)]);
  const EntityShape before = ShapeOf(ObjNo);
  AppendPiece(entity, spline ? EntitySpline : EntityPolyline, far);
  Objs[ObjNo].NPoints = static_cast<Integer>(o.kF + 1);
  SetPoint(ObjNo, o.kF + 1, o.F);
  if (!spline) {  // a broken polygon is two open polylines
    Objs[ObjNo].Rtype = EntityPolyline;
    Objs[ObjNo].Ltype = PieceLineType(entity);
  }
  Changed(ObjNo);
  JoinShapeChange(ObjNo, before);
  return BreakDone;
}

// A spline breaks as a polyline does; its pieces stay splines.
BreakResult BreakSpline(Long ObjNo, const WorldXY& b1, const WorldXY& b2) { return BreakPolyline(ObjNo, b1, b2); }

// ---- Continuous Bezier curves ----------------------------------------------------------------

// Both pieces are whole spans: the near piece's last span ends at F in place
// of the joint of F's span, the far piece's first span starts at G in place
// of the joint of G's span. F inside the first span leaves no near piece.
BreakResult BreakContinuousBezier(Long ObjNo, const WorldXY& b1, const WorldXY& b2) {
  const ObjRec entity = Objs[ObjNo];
  const Points pts = AllPoints(ObjNo);
  const Integer n = static_cast<Integer>(pts.size() - 1);
  const Integer s1 = FindBezierSpan(pts, b1), s2 = FindBezierSpan(pts, b2);
  if (s1 == 0 || s2 == 0) return BreakPointMissing;
  const OrderedBreak o =
      OrderBreakPoints(b1, s1, b2, s2, pts[static_cast<size_t>(s1 == s2 ? 3 * s1 - 2 : 1)]);
  const Integer oF = static_cast<Integer>(3 * (o.kF - 1)), oG = static_cast<Integer>(3 * (o.kG - 1));
  if (oG == 0) return BreakUnchanged;  // both in the first span: no whole span lies between
  Points far{{}, o.G};
  for (Long k = oG + 2; k <= n; ++k) far.push_back(pts[static_cast<size_t>(k)]);
  const EntityShape before = ShapeOf(ObjNo);
  AppendPiece(entity, EntityContBezier, far);
  if (oF == 0) {
    EraseObj(ObjNo);
    return BreakDone;
  }
  Objs[ObjNo].NPoints = static_cast<Integer>(oF + 1);
  SetPoint(ObjNo, oF + 1, o.F);
  Changed(ObjNo);
  JoinShapeChange(ObjNo, before);
  return BreakDone;
}

}  // namespace

// ---- Dispatch ----------------------------------------------------------------------------------

BreakResult BreakObject(Long ObjNo, Double X1, Double Y1, Double X2, Double Y2) {
  const WorldXY b1{X1, Y1}, b2{X2, Y2};
  switch (Objs[ObjNo].Rtype) {
    case EntityLine: return BreakStraightLine(ObjNo, b1, b2);
    case EntityCircle: return BreakCircle(ObjNo, b1, b2);
    case EntityArc: return BreakArc(ObjNo, b1, b2);
    case EntityEllipticArc: return BreakEllipticalArc(ObjNo, b1, b2);
    case EntityEllipse: return BreakEllipse(ObjNo, b1, b2);
    case EntitySpline: return BreakSpline(ObjNo, b1, b2);
    case EntityPolyline:
    case EntityPolygon: return BreakPolyline(ObjNo, b1, b2);
    case EntityContBezier: return BreakContinuousBezier(ObjNo, b1, b2);
    default: return BreakNotBreakable;
  }
}

}  // namespace lintavo
