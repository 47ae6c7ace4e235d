// Identify: the object under a point.
//
// Sections:
//   State of the last test
//   Helpers
//   Distance routines by type
//   Finding the object under a point
//   Segments
//   Reset
#include "picking/Identify.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/LayerItems.h"
#include "model/ObjIndex.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/ViewCache.h"

namespace lintavo {

// ---- State of the last test ------------------------------------------------------

Double HitTestX = 0, HitTestY = 0;
Double CandidateDistance = 0;
Integer HitSegment = 0;

// ---- Helpers -----------------------------------------------------------------------

namespace {

constexpr Double SentinelFactor = 100;  // a miss is this many tolerances away

// Point k (1-based) of an object.
const PntRec& PointOf(const ObjRec& obj, Integer k) { return Pnts[obj.PointID + k - 1]; }

Double DistanceTo(const PntRec& p, Double X, Double Y) {
  return std::sqrt((X - p.X) * (X - p.X) + (Y - p.Y) * (Y - p.Y));
}

// Points the distance routine of a type reads; 0 for types never hit. The
// types with a free count need only their own count.
Integer PointsRead(const ObjRec& obj) {
  switch (obj.Rtype) {
    case EntityPoint:
    case EntityComponent:
    case EntityTextChar: return 1;
    case EntityLine:
    case EntityCircle: return 2;
    case EntityArc:
    case EntityEllipse:
    case EntityBezier: return 4;
    case EntityEllipticArc: return 6;
    case EntitySpline:
    case EntityContBezier:
    case EntityPolyline:
    case EntityPolygon: return std::max<Integer>(obj.NPoints, 1);
    default: return 0;
  }
}

// Whether the points a routine reads are the object's own and lie in Pnts: a
// damaged record is never measured, so it can never be read past the table.
bool HasPointsToRead(const ObjRec& obj) {
  const Integer needed = PointsRead(obj);
  if (needed == 0 || obj.NPoints < needed) return false;
  return obj.PointID >= 1 && obj.PointID + needed - 1 <= PntCount;
}

// The smallest chord distance of a chain of points first..last, and the
// number (from 1) of the chord that gave it; 0 when there is no chord.
Double NearestChord(const ObjRec& obj, Integer first, Integer last, Integer& chord) {
  Double best = CandidateDistance;
  chord = 0;
  for (Long n = first; n < last; ++n) {
    const PntRec& a = PointOf(obj, n);
    const PntRec& b = PointOf(obj, n + 1);
    const Double d = DistancePointToSegment(a.X, a.Y, b.X, b.Y, HitTestX, HitTestY);
    if (d < best) {
      best = d;
      chord = n - first + 1;
    }
  }
  return best;
}

// Radial distance of the hit point from the ellipse whose axis ends are
// points first..first + 3 (one axis first and first + 1, the other the next
// two); Cx, Cy receive its centre. A degenerate ellipse gives false.
bool EllipseRadialDistance(const ObjRec& obj, Integer first, Double& d, Double& Cx, Double& Cy) {
  const PntRec& p1 = PointOf(obj, first);
  const PntRec& p2 = PointOf(obj, first + 1);
  const PntRec& p3 = PointOf(obj, first + 2);
  const PntRec& p4 = PointOf(obj, first + 3);
  const Single s1 = static_cast<Single>(((p1.X - p2.X) * (p1.X - p2.X) + (p1.Y - p2.Y) * (p1.Y - p2.Y)) / 4);
  const Single s2 = static_cast<Single>(((p3.X - p4.X) * (p3.X - p4.X) + (p3.Y - p4.Y) * (p3.Y - p4.Y)) / 4);
  const bool firstMajor = s1 >= s2;
  const PntRec& m = firstMajor ? p1 : p3;
  const PntRec& n = firstMajor ? p2 : p4;
  const Double a2 = firstMajor ? s1 : s2;
  const Double b2 = firstMajor ? s2 : s1;
  Cx = (m.X + n.X) / 2;
  Cy = (m.Y + n.Y) / 2;
  Single rotation = LineAngleD(Cx, Cy, m.X, m.Y);
  if (rotation > std::numbers::pi_v<Single>) rotation -= std::numbers::pi_v<Single>;
  const Single theta = LineAngleD(Cx, Cy, HitTestX, HitTestY) - rotation;
  const Double sine = std::sin(theta), cosine = std::cos(theta);
  const Double divisor = a2 * sine * sine + b2 * cosine * cosine;
  if (!(divisor > 0)) return false;
  const Double r = std::sqrt(a2 * b2 / divisor);
  d = std::fabs(r - std::sqrt((HitTestX - Cx) * (HitTestX - Cx) + (HitTestY - Cy) * (HitTestY - Cy)));
  return true;
}

// The smallest of the three chord distances of the cubic P0, P1, P2, P3
// (points first..first + 3), cut at t = 1/3 and 2/3; false when all four
// control segments lie beyond the pick box.
bool BezierChordDistance(const ObjRec& obj, Integer first, Double& d) {
  const PntRec& p0 = PointOf(obj, first);
  const PntRec& p1 = PointOf(obj, first + 1);
  const PntRec& p2 = PointOf(obj, first + 2);
  const PntRec& p3 = PointOf(obj, first + 3);
  if (IsSegmentOutsidePickBox(p0.X, p0.Y, p2.X, p2.Y) && IsSegmentOutsidePickBox(p0.X, p0.Y, p1.X, p1.Y) &&
      IsSegmentOutsidePickBox(p3.X, p3.Y, p1.X, p1.Y) && IsSegmentOutsidePickBox(p3.X, p3.Y, p2.X, p2.Y))
    return false;
  // Power basis: B(t) = a t^3 + b t^2 + c t + P0.
  const Double cX = 3 * (p1.X - p0.X), cY = 3 * (p1.Y - p0.Y);
  const Double bX = 3 * (p0.X + p2.X) - 6 * p1.X, bY = 3 * (p0.Y + p2.Y) - 6 * p1.Y;
  const Double aX = 3 * (p1.X - p2.X) - p0.X + p3.X, aY = 3 * (p1.Y - p2.Y) - p0.Y + p3.Y;
  const Double b1X = aX / 27 + bX / 9 + cX / 3 + p0.X, b1Y = aY / 27 + bY / 9 + cY / 3 + p0.Y;
  const Double b2X = 8 * aX / 27 + 4 * bX / 9 + 2 * cX / 3 + p0.X;
  const Double b2Y = 8 * aY / 27 + 4 * bY / 9 + 2 * cY / 3 + p0.Y;
  d = std::min({DistancePointToSegment(p0.X, p0.Y, b1X, b1Y, HitTestX, HitTestY),
                DistancePointToSegment(b1X, b1Y, b2X, b2Y, HitTestX, HitTestY),
                DistancePointToSegment(b2X, b2Y, p3.X, p3.Y, HitTestX, HitTestY)});
  return true;
}

// ---- Distance routines by type ---------------------------------------------------
// Each writes CandidateDistance, or leaves the sentinel for a miss.

void PointHitDistance(const ObjRec& obj) {
  const PntRec& p = PointOf(obj, 1);
  CandidateDistance = std::fabs(p.X - HitTestX) + std::fabs(p.Y - HitTestY);
}

void LineHitDistance(const ObjRec& obj) {
  const PntRec& a = PointOf(obj, 1);
  const PntRec& b = PointOf(obj, 2);
  if (IsSegmentOutsidePickBox(a.X, a.Y, b.X, b.Y)) return;
  CandidateDistance = DistancePointToSegment(a.X, a.Y, b.X, b.Y, HitTestX, HitTestY);
}

void CircleHitDistance(const ObjRec& obj) {
  const PntRec& c = PointOf(obj, 1);
  const Double r = DistanceTo(c, PointOf(obj, 2).X, PointOf(obj, 2).Y);
  CandidateDistance = std::fabs(r - DistanceTo(c, HitTestX, HitTestY));
}

// Point 1 the centre; points 2 and 4 the ends, point 3 on the arc between them.
void ArcHitDistance(const ObjRec& obj) {
  const PntRec& c = PointOf(obj, 1);
  const PntRec& p2 = PointOf(obj, 2);
  const PntRec& p3 = PointOf(obj, 3);
  const PntRec& p4 = PointOf(obj, 4);
  const Double d = std::fabs(DistanceTo(c, p2.X, p2.Y) - DistanceTo(c, HitTestX, HitTestY));
  if (static_cast<Single>(d) > PickTolerance) return;
  const Single a = LineAngleD(c.X, c.Y, HitTestX, HitTestY);
  const Single a2 = LineAngleD(c.X, c.Y, p2.X, p2.Y);
  const Single a3 = LineAngleD(c.X, c.Y, p3.X, p3.Y);
  const Single a4 = LineAngleD(c.X, c.Y, p4.X, p4.Y);
  const Single lo = a2 < a4 ? a2 : a4;
  const Single hi = a2 < a4 ? a4 : a2;
  // Point 3 strictly between the ends: the arc covers [lo, hi]; else the rest.
  const bool inside = lo < a3 && a3 < hi;
  const bool within = inside ? (lo <= a && a <= hi) : (a >= hi || a <= lo);
  if (within) CandidateDistance = d;
}

void EllipseHitDistance(const ObjRec& obj) {
  Double d = 0, cx = 0, cy = 0;
  if (EllipseRadialDistance(obj, 1, d, cx, cy)) CandidateDistance = d;
}

// Points 1 to 4 the axis ends, 5 the start and 6 the end, anticlockwise.
void EllipticalArcHitDistance(const ObjRec& obj) {
  Double d = 0, cx = 0, cy = 0;
  if (!EllipseRadialDistance(obj, 1, d, cx, cy)) return;
  if (static_cast<Single>(d) > PickTolerance) return;
  const Single a = LineAngleD(cx, cy, HitTestX, HitTestY);
  const Single a5 = LineAngleD(cx, cy, PointOf(obj, 5).X, PointOf(obj, 5).Y);
  const Single a6 = LineAngleD(cx, cy, PointOf(obj, 6).X, PointOf(obj, 6).Y);
  // An arc whose end angle is below its start passes through angle 0.
  const bool within = a5 < a6 ? (a5 <= a && a <= a6) : (a >= a5 || a <= a6);
  if (within) CandidateDistance = d;
}

// The curve itself is not evaluated: its stored points are close enough.
void SplineHitDistance(const ObjRec& obj) {
  Integer chord = 0;
  CandidateDistance = NearestChord(obj, 1, obj.NPoints, chord);
}

void BezierHitDistance(const ObjRec& obj) {
  Double d = 0;
  if (BezierChordDistance(obj, 1, d)) CandidateDistance = d;
}

// Cubic pieces sharing their ends: points 1-4, 4-7, 7-10 ...
void ContinuousBezierHitDistance(const ObjRec& obj) {
  for (Long k = 0; k + 4 <= obj.NPoints; k += 3) {
    Double d = 0;
    if (!BezierChordDistance(obj, k + 1, d)) continue;
    if (d < CandidateDistance) {
      CandidateDistance = d;
      HitSegment = k;
    }
  }
}

// Every chord is measured and the nearest one counts, so the chord reported
// is the one the user pointed at at any reach a caller accepts.
void PolylineHitDistance(const ObjRec& obj) {
  Integer chord = 0;
  CandidateDistance = NearestChord(obj, 1, obj.NPoints, chord);
  if (chord != 0) HitSegment = chord;
}

void MeasureObject(const ObjRec& obj) {
  if (!HasPointsToRead(obj)) return;
  switch (obj.Rtype) {
    case EntityPoint:
    case EntityComponent:
    case EntityTextChar: PointHitDistance(obj); break;
    case EntityLine: LineHitDistance(obj); break;
    case EntityCircle: CircleHitDistance(obj); break;
    case EntityArc: ArcHitDistance(obj); break;
    case EntityEllipticArc: EllipticalArcHitDistance(obj); break;
    case EntityEllipse: EllipseHitDistance(obj); break;
    case EntitySpline: SplineHitDistance(obj); break;
    case EntityBezier: BezierHitDistance(obj); break;
    case EntityContBezier: ContinuousBezierHitDistance(obj); break;
    case EntityPolyline:
    case EntityPolygon: PolylineHitDistance(obj); break;
    default: break;  // dimensions, fills, hatches: never within reach
  }
}

}  // namespace

// ---- Finding the object under a point --------------------------------------------

namespace {

constexpr Integer SegmentNotSet = -1;  // HitSegment while no routine set it for the object under test

// Reaches of the rounds of a search through the index, in pick tolerances:
// the callers' largest reach first, the sentinel last.
constexpr Double SearchRounds[] = {2, 8, 32, SentinelFactor};

// The best object so far of one search.
struct HitSearch {
  Double Sentinel = 0;                    // the miss distance, world units
  const DrawingWindow* Window = nullptr;  // the active drawing window, looked up once
  Long ObjNo = 0;                         // best object; 0 none
  Double Dist = 0;                        // its distance; the sentinel while none is nearer
  Integer Segment = SegmentNotSet;        // the part of it its routine set in HitSegment
};

std::vector<Long> Candidates;  // the index's answer, kept so that a click allocates nothing

void StartSearch(HitSearch& search) {
  search.ObjNo = 0;
  search.Dist = search.Sentinel;
  search.Segment = SegmentNotSet;
}

// Measures object i unless a skip applies. Less or equal: of equal distances
// the later object wins, and one whose routine left the sentinel still
// replaces a best that is itself the sentinel.
void Consider(HitSearch& search, Long i) {
  const ObjRec& obj = Objs[i];
  if (!obj.Show || obj.DwgNo != CurDwg || !IsLayerEditableIn(search.Window, obj.LayerID)) return;
  CandidateDistance = search.Sentinel;
  HitSegment = SegmentNotSet;
  MeasureObject(obj);
  if (CandidateDistance <= search.Dist) {
    search.ObjNo = i;
    search.Dist = CandidateDistance;
    search.Segment = HitSegment;
  }
}

// Objects at or below the base count are support geometry.
void SearchAll(HitSearch& search) {
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) Consider(search, i);
}

// Rounds of growing reach. An object the index leaves out lies beyond the
// reach by every distance the routines compute, or its routine leaves the
// sentinel; so a best within the reach and nearer than the sentinel is the
// answer of the whole table, ties included. When nothing is nearer than the
// sentinel, the answer is the last object whose routine left it: the table
// is searched for it from the top down.
void SearchIndexed(HitSearch& search) {
  for (const Double round : SearchRounds) {
    const Double reach = round * PickTolerance;
    ObjIndexCandidates(HitTestX, HitTestY, reach, Candidates);
    StartSearch(search);
    for (const Long i : Candidates)
      if (i > BaseObjCount) Consider(search, i);
    if (search.Dist < search.Sentinel && search.Dist <= reach) return;
  }
  for (Long i = ObjCount; i > std::max(search.ObjNo, BaseObjCount); --i) {
    Consider(search, i);
    if (search.ObjNo == i) return;
  }
}

// The index serves a positive finite tolerance about a finite point of an
// open drawing (it holds no support geometry); anything else is scanned.
bool IndexServes(Double X, Double Y) {
  return PickTolerance > 0 && std::isfinite(SentinelFactor * PickTolerance) && std::isfinite(X) &&
         std::isfinite(Y) && IsOpenDrawingNumber(CurDwg);
}

void FindObject(bool useIndex, Long& ObjNo, Double X, Double Y, Double& Dist) {
  HitTestX = X;
  HitTestY = Y;
  const Integer segmentBefore = HitSegment;
  HitSearch search;
  search.Sentinel = SentinelFactor * PickTolerance;
  search.Window = ActiveDocForm();
  StartSearch(search);
  if (useIndex)
    SearchIndexed(search);
  else
    SearchAll(search);
  ObjNo = search.ObjNo;
  Dist = search.Dist;
  HitSegment = search.Segment != SegmentNotSet ? search.Segment : segmentBefore;
}

}  // namespace

void FindObjAt(Long& ObjNo, Double X, Double Y, Double& Dist) { FindObject(IndexServes(X, Y), ObjNo, X, Y, Dist); }

void FindObjAtByScan(Long& ObjNo, Double X, Double Y, Double& Dist) { FindObject(false, ObjNo, X, Y, Dist); }

// ---- Segments ----------------------------------------------------------------------

Double DistancePointToSegment(Double X1, Double Y1, Double X2, Double Y2, Double X, Double Y) {
  Double fx = 0, fy = 0;
  PerpendicularFoot(fx, fy, X, Y, X1, Y1, X2, Y2);
  const bool outside = fx < std::min(X1, X2) || fx > std::max(X1, X2) || fy < std::min(Y1, Y2) ||
                       fy > std::max(Y1, Y2);
  if (outside) {
    const bool firstNearer = std::fabs(X - X1) + std::fabs(Y - Y1) < std::fabs(X - X2) + std::fabs(Y - Y2);
    fx = firstNearer ? X1 : X2;
    fy = firstNearer ? Y1 : Y2;
  }
  return std::fabs(fx - X) + std::fabs(fy - Y);
}

bool IsSegmentOutsidePickBox(Double X1, Double Y1, Double X2, Double Y2) {
  const Double left = HitTestX - PickTolerance, right = HitTestX + PickTolerance;
  const Double bottom = HitTestY - PickTolerance, top = HitTestY + PickTolerance;
  return (X1 < left && X2 < left) || (X1 > right && X2 > right) || (Y1 < bottom && Y2 < bottom) ||
         (Y1 > top && Y2 > top);
}

// ---- Reset -------------------------------------------------------------------------

void ResetIdentify() {
  HitTestX = HitTestY = 0;
  CandidateDistance = 0;
  HitSegment = 0;
}

namespace {
const ModuleRegistrar Registered({"Identify", FloorPicking, ResetIdentify});
}  // namespace

}  // namespace lintavo
