// Trims: trim, extend, corner trim, fillet and chamfer.
//
// Sections:
//   Command state and options
//   Work geometry
//   Writers
//   Constructions
//   Commands
//   Corners
//   Reset
#include "commands/Trims.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "commands/Adjust.h"
#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/MessageBar.h"
#include "model/ObjIndex.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/UndoRedo.h"
#include "picking/PickLine.h"
#include "view/DrawDispatch.h"

namespace lintavo {

// ---- Command state and options ------------------------------------------------------

Integer TrimCommand = 0;
Integer TrimActive = 0;

Integer AutoFillet = 0;
Integer AutoChamfer = 0;
Integer TrimsSetting3 = 0;
Double FilletRadius = 0;
Double ChamferDist1 = 0;
Double ChamferDist2 = 0;
Double FilletWorkRadius = 0;

Integer TrimObjType1 = 0, TrimObjType2 = 0;
TrimGeom TrimGeom1, TrimGeom2;
Double TrimCopyX = 0, TrimCopyY = 0;

namespace {

constexpr Double LeastRadius = 0.00001;      // a fillet radius at or below builds no arc
constexpr Double FarCrossing = 1000000;      // a crossing farther from the origin changes nothing
constexpr Single SameDirection = 0.001F;     // corner lines this close in angle run the same way
constexpr Double ChamferParallel = 0.0001;   // chamfer lines this close in angle are parallel
constexpr Double OnCorner = 1e-6;            // an end this close (|dx| + |dy|) lies on the corner
constexpr Double LeastCentreGap = 1e-9;      // centres closer are concentric

TrimGeom& GeomOf(Integer slot) { return slot == 1 ? TrimGeom1 : TrimGeom2; }

const PntRec& PointOfObj(Long objNo, Integer k) { return Pnts[Objs[objNo].PointID + k - 1]; }

// An angle brought into [0, 2 pi).
Double NormalAngle(Double a) {
  a = std::fmod(a, TwicePi);
  return a < 0 ? a + TwicePi : a;
}

// The middle direction of two directions, on the side of their smaller gap.
Double MiddleDirection(Double a, Double b) {
  a = NormalAngle(a);
  b = NormalAngle(b);
  Double mid = (a + b) / 2;
  if (static_cast<Single>(std::abs(a - b)) > static_cast<Single>(Pi)) mid += Pi;
  return mid;
}

// Whether two infinite lines have no crossing by the rule LineLineIntersect
// applies: both vertical, or slopes within 0.0002 of each other.
bool LinesParallel(Double x1, Double y1, Double x2, Double y2, Double x3, Double y3, Double x4, Double y4) {
  const bool aVertical = x1 == x2;
  const bool bVertical = x3 == x4;
  if (aVertical || bVertical) return aVertical && bVertical;
  return std::abs((y2 - y1) / (x2 - x1) - (y4 - y3) / (x4 - x3)) <= 0.0002;
}

}  // namespace

// ---- Work geometry -------------------------------------------------------------------

void LoadTrimEntity(Integer N) {
  const Long objNo = PickedLines[N];
  Integer& type = N == 1 ? TrimObjType1 : TrimObjType2;
  TrimGeom& g = GeomOf(N);
  type = 0;
  if (objNo < 1 || objNo > ObjCount) return;
  const ObjRec& obj = Objs[objNo];
  type = obj.Rtype;
  auto point = [&](Integer k, Double& x, Double& y) {
    if (k < 1 || k > obj.NPoints) return;
    x = PointOfObj(objNo, k).X;
    y = PointOfObj(objNo, k).Y;
  };
  switch (obj.Rtype) {
    case EntityLine:
      point(1, g.StartX, g.StartY);
      point(2, g.EndX, g.EndY);
      break;
    case EntityCircle:
      point(1, g.CenterX, g.CenterY);
      point(2, g.StartX, g.StartY);
      break;
    case EntityArc:
      point(1, g.CenterX, g.CenterY);
      point(2, g.StartX, g.StartY);
      point(3, g.MidX, g.MidY);
      point(4, g.EndX, g.EndY);
      break;
    case EntityPolyline:
    case EntityPolygon: {
      const Integer s = static_cast<Integer>(PickedSegments[N]);
      point(s, g.StartX, g.StartY);
      point(s + 1, g.EndX, g.EndY);
      break;
    }
    default:
      return;
  }
  g.Radius = Distance(g.CenterX, g.CenterY, g.StartX, g.StartY);
}

// ---- Writers ---------------------------------------------------------------------------

void AddLineObj(Double X1, Double Y1, Double X2, Double Y2) {
  AddObj(EntityLine, 2);
  AddPnt(X1, Y1);
  AddPnt(X2, Y2);
  DrawObject(ObjCount);
}

void AddArcObj(Double AX, Double AY, Double BX, Double BY, Double CX, Double CY) {
  Double kx = 0, ky = 0;
  CircleThrough3Points(kx, ky, AX, AY, BX, BY, CX, CY);
  AddObj(EntityArc, 4);
  AddPnt(kx, ky);
  AddPnt(AX, AY);
  AddPnt(BX, BY);
  AddPnt(CX, CY);
  DrawObject(ObjCount);
}

namespace {
// Appends vertices First..Last of entity ObjNo to the entity being built.
void CopyVertices(Long objNo, Integer first, Integer last) {
  for (Long k = first; k <= last; ++k) {
    // AddPnt may grow the point table: the vertex is read into the copy point first.
    TrimCopyX = PointOfObj(objNo, k).X;
    TrimCopyY = PointOfObj(objNo, k).Y;
    AddPnt(TrimCopyX, TrimCopyY);
  }
}
}  // namespace

void AddPolylineHead(Double X, Double Y) {
  const Long objNo = PickedLines[1];
  const Integer s = static_cast<Integer>(PickedSegments[1]);
  if (objNo < 1 || objNo > ObjCount || s < 1 || s > Objs[objNo].NPoints) return;
  AddObj(EntityPolyline, static_cast<Integer>(s + 1));
  CopyVertices(objNo, 1, s);
  AddPnt(X, Y);
  DrawObject(ObjCount);
}

void AddPolylineTail(Double X, Double Y) {
  // The tail is cut from the same polyline as the head; a second pick on
  // another entity gives no tail.
  const Long objNo = PickedLines[1];
  const Integer s = static_cast<Integer>(PickedSegments[2]);
  if (objNo < 1 || objNo > ObjCount || PickedLines[2] != objNo) return;
  const Integer n = Objs[objNo].NPoints;
  if (s < 1 || s > n) return;
  AddObj(EntityPolyline, static_cast<Integer>(n - s + 1));
  AddPnt(X, Y);
  CopyVertices(objNo, s + 1, n);
  DrawObject(ObjCount);
}

void ReplaceTrimmedObj(Long ObjNo, Double X1, Double Y1, Double X2, Double Y2) {
  if (ObjNo < 1 || ObjNo > ObjCount || Objs[ObjNo].Rtype != EntityLine) return;
  CopyObjOffset(ObjNo, 0, 0);
  const Long copy = ObjCount;
  EraseObj(ObjNo);
  PntRec& p1 = Pnts[Objs[copy].PointID];
  PntRec& p2 = Pnts[Objs[copy].PointID + 1];
  p1.X = X1;
  p1.Y = Y1;
  p2.X = X2;
  p2.Y = Y2;
  ObjPointsChanged(copy);  // widens the line's own layer, which the copy keeps
  DrawObject(copy);
}

void OrientLineToCorner(Double RX, Double RY, Double A1X, Double A1Y, Double A2X, Double A2Y,
                        Double& B1X, Double& B1Y, Double& B2X, Double& B2Y) {
  Double x = 0, y = 0;
  LineLineIntersect(x, y, A1X, A1Y, A2X, A2Y, B1X, B1Y, B2X, B2Y);
  if (!SegmentHit(x, y, RX, RY, B2X, B2Y)) {
    std::swap(B1X, B2X);
    std::swap(B1Y, B2Y);
  }
}

// ---- Constructions ----------------------------------------------------------------------

void FilletLineLine(Double A1X, Double A1Y, Double A2X, Double A2Y, Double B1X, Double B1Y,
                    Double B2X, Double B2Y) {
  Double xx = 0, xy = 0;
  LineLineIntersect(xx, xy, A1X, A1Y, A2X, A2Y, B1X, B1Y, B2X, B2Y);
  Single a1 = LineAngle(xx, xy, A2X, A2Y);
  Single a2 = LineAngle(xx, xy, B2X, B2Y);
  const Single d = std::abs(a1 - a2);
  const Single e = std::abs(d - static_cast<Single>(Pi));
  const Single fiveDeg = static_cast<Single>(5 * Pi / 180);
  const Single threeDeg = static_cast<Single>(3 * Pi / 180);
  const bool fillet = std::abs(FilletRadius) >= LeastRadius && d >= fiveDeg && e >= fiveDeg;
  if (!fillet) {
    if (d >= threeDeg && e >= threeDeg) {
      AddLineObj(xx, xy, A2X, A2Y);
      AddLineObj(xx, xy, B2X, B2Y);
    } else {
      AddLineObj(A1X, A1Y, A2X, A2Y);
      AddLineObj(B1X, B1Y, B2X, B2Y);
    }
    return;
  }
  // Line A' is the one at the smaller angle from the corner.
  const bool swapped = a1 > a2;
  Double lowX = A2X, lowY = A2Y, highX = B2X, highY = B2Y;
  if (swapped) {
    std::swap(a1, a2);
    std::swap(lowX, highX);
    std::swap(lowY, highY);
  }
  Single h = 0, b = 0;
  if (a2 - a1 < static_cast<Single>(Pi)) {
    h = (a2 - a1) / 2;
    b = a1 + h;
  } else {
    h = static_cast<Single>((TwicePi - a2 + a1) / 2);
    b = a1 - h;
  }
  if (std::sin(h) == 0) return;
  const Double r = FilletWorkRadius;
  const Double t = std::abs(r * std::cos(h) / std::sin(h));
  const Double c = std::abs(r / std::sin(h) - r);
  const Double t1x = xx + t * std::cos(a1), t1y = xy + t * std::sin(a1);
  const Double t2x = xx + t * std::cos(a2), t2y = xy + t * std::sin(a2);
  const Double mx = xx + c * std::cos(b), my = xy + c * std::sin(b);
  if (!SegmentHit(xx, xy, t1x, t1y, lowX, lowY) || !SegmentHit(xx, xy, t2x, t2y, highX, highY)) {
    AddLineObj(xx, xy, A2X, A2Y);
    AddLineObj(xx, xy, B2X, B2Y);
    return;
  }
  const Double onAX = swapped ? t2x : t1x, onAY = swapped ? t2y : t1y;
  const Double onBX = swapped ? t1x : t2x, onBY = swapped ? t1y : t2y;
  AddLineObj(A2X, A2Y, onAX, onAY);
  AddArcObj(t1x, t1y, mx, my, t2x, t2y);
  AddLineObj(onBX, onBY, B2X, B2Y);
}

void FilletLineArc(bool LineFirst) {
  const TrimGeom& line = LineFirst ? TrimGeom1 : TrimGeom2;
  const TrimGeom& arc = LineFirst ? TrimGeom2 : TrimGeom1;
  const Double r = FilletWorkRadius;
  if (r <= LeastRadius) return;
  const WorldXY pickLine = PickedPoints[1];
  const WorldXY pickArc = PickedPoints[2];
  const Double thetaL = LineAngle(line.StartX, line.StartY, line.EndX, line.EndY);
  const Double cx = arc.CenterX, cy = arc.CenterY;
  Double f0x = 0, f0y = 0;
  PerpendicularFoot(f0x, f0y, cx, cy, line.StartX, line.StartY, line.EndX, line.EndY);
  const Double dC = Distance(cx, cy, f0x, f0y);
  Double psi = LineAngle(cx, cy, f0x, f0y);
  Double psiToLine = 0;  // direction from the fillet centre towards the line
  Double delta = 0;      // distance from the arc's centre to the line the fillet centre runs on
  if (dC < LeastRadius) {
    Double f2x = 0, f2y = 0;
    PerpendicularFoot(f2x, f2y, pickArc.X, pickArc.Y, line.StartX, line.StartY, line.EndX, line.EndY);
    psi = LineAngle(f2x, f2y, pickArc.X, pickArc.Y);
    psiToLine = psi + Pi;
    delta = r;
  } else {
    bool separated = false;
    if (!LinesParallel(line.StartX, line.StartY, line.EndX, line.EndY, cx, cy, pickArc.X, pickArc.Y)) {
      Double kx = 0, ky = 0;
      LineLineIntersect(kx, ky, line.StartX, line.StartY, line.EndX, line.EndY, cx, cy, pickArc.X, pickArc.Y);
      separated = SegmentHit(cx, cy, kx, ky, pickArc.X, pickArc.Y);
    }
    if (separated) {
      delta = dC + r;
      psiToLine = psi + Pi;
    } else {
      delta = std::abs(dC - r);
      psiToLine = psi;
      if (dC < r) psi += Pi;
    }
  }
  const bool inside = Distance(pickLine.X, pickLine.Y, cx, cy) < arc.Radius;
  const Double rho = inside ? std::abs(arc.Radius - r) : arc.Radius + r;
  const Double h = rho >= delta ? std::sqrt(rho * rho - delta * delta) : 0;
  const Double gx = cx + delta * std::cos(psi), gy = cy + delta * std::sin(psi);
  Double c1x = 0, c1y = 0, c2x = 0, c2y = 0, fx = 0, fy = 0;
  PolarPairV(c1x, c1y, c2x, c2y, gx, gy, h, static_cast<Single>(thetaL));
  NearerPoint(fx, fy, pickLine.X, pickLine.Y, c1x, c1y, c2x, c2y);
  Double phi = LineAngle(cx, cy, fx, fy);
  if (!inside) phi += Pi;
  const Double tax = fx + r * std::cos(phi), tay = fy + r * std::sin(phi);
  const Double tlx = fx + r * std::cos(psiToLine), tly = fy + r * std::sin(psiToLine);
  const Double mu = MiddleDirection(phi, psiToLine);
  AddArcObj(tax, tay, fx + r * std::cos(mu), fy + r * std::sin(mu), tlx, tly);
}

void FilletArcArc() {
  const Double r = FilletWorkRadius;
  if (r <= LeastRadius) return;
  const TrimGeom& a = TrimGeom1;
  const TrimGeom& b = TrimGeom2;
  const Double d = Distance(a.CenterX, a.CenterY, b.CenterX, b.CenterY);
  if (d < LeastCentreGap) return;  // concentric: no circle touches both from one side
  const Single theta0 = LineAngle(a.CenterX, a.CenterY, b.CenterX, b.CenterY);
  const WorldXY pick1 = PickedPoints[1];
  const WorldXY pick2 = PickedPoints[2];
  bool insideA = false, insideB = false;
  if (a.Radius + b.Radius > d) {
    insideB = Distance(pick1.X, pick1.Y, b.CenterX, b.CenterY) < b.Radius;
    insideA = Distance(pick2.X, pick2.Y, a.CenterX, a.CenterY) < a.Radius;
  }
  const Double rhoA = insideA ? a.Radius - r : a.Radius + r;
  const Double rhoB = insideB ? b.Radius - r : b.Radius + r;
  const Double p = (rhoA * rhoA + d * d - rhoB * rhoB) / (2 * d);
  const Double h = std::abs(p) <= std::abs(rhoA) ? std::sqrt(rhoA * rhoA - p * p) : 0;
  const Double gx = a.CenterX + p * std::cos(theta0), gy = a.CenterY + p * std::sin(theta0);
  Double c1x = 0, c1y = 0, c2x = 0, c2y = 0, fx = 0, fy = 0;
  PolarPairV(c1x, c1y, c2x, c2y, gx, gy, h, static_cast<Single>(theta0 + Pi / 2));
  NearerPoint(fx, fy, pick1.X, pick1.Y, c1x, c1y, c2x, c2y);
  Double phiA = LineAngle(fx, fy, a.CenterX, a.CenterY);
  Double phiB = LineAngle(fx, fy, b.CenterX, b.CenterY);
  if (insideA) phiA += Pi;
  if (insideB) phiB += Pi;
  const Double mu = MiddleDirection(phiA, phiB);
  AddArcObj(fx + r * std::cos(phiA), fy + r * std::sin(phiA), fx + r * std::cos(mu), fy + r * std::sin(mu),
            fx + r * std::cos(phiB), fy + r * std::sin(phiB));
}

// ---- Commands ------------------------------------------------------------------------------

namespace {

void RunCornerTrim() {
  const Double saved = FilletRadius;
  FilletRadius = 0;
  CornerFillet(PickedLines[1], PickedLines[2]);
  FilletRadius = saved;
}
void RunTrimExtend() { TrimExtendLine(PickedLines[1], PickedLines[2]); }
void RunCornerChamfer() { CornerChamfer(PickedLines[1], PickedLines[2]); }
void RunCornerFillet() { CornerFillet(PickedLines[1], PickedLines[2]); }

// One row per command code: its title, its picks and their filter, its operation.
struct TrimCommandRow {
  Integer Code;
  const char* Title;   // panel 1
  Integer Picks;       // picks taken by PickLine
  Integer Filter;      // PickFilter of the picks
  void (*Operate)();   // run once the last pick is present
};

constexpr TrimCommandRow TrimCommandRows[] = {
    {TrimLineCode, "Trim Line", 2, PickLinesCirclesArcs, RunTrimExtend},
    {ExtendLineCode, "Extend Line", 2, PickLinesCirclesArcs, RunTrimExtend},
    {CornerTrimCode, "Corner Trim", 2, PickLinesCirclesArcs, RunCornerTrim},
    {CornerChamferCode, "Corner Chamfer", 2, PickLinesPolylines, RunCornerChamfer},
    {CornerFilletCode, "Corner Fillet", 2, PickLinesCirclesArcs, RunCornerFillet},
};
static_assert(std::size(TrimCommandRows) == TrimCodeCount, "one row per trim command code");

const TrimCommandRow* TrimRowOf(Integer code) {
  if (code < 1 || code > TrimCodeCount) return nullptr;
  return &TrimCommandRows[code - 1];
}

// The crossing of the two loaded slots when one of them is a circle or an
// arc: of the two candidates, the one nearer the boundary's pick.
void IntersectTrimEntities(Double& x, Double& y) {
  const TrimGeom& g1 = TrimGeom1;
  const TrimGeom& g2 = TrimGeom2;
  const bool round1 = TrimObjType1 == EntityCircle || TrimObjType1 == EntityArc;
  if (TrimObjType1 == EntityLine && TrimObjType2 == EntityLine) {
    LineLineIntersect(x, y, g1.StartX, g1.StartY, g1.EndX, g1.EndY, g2.StartX, g2.StartY, g2.EndX, g2.EndY);
    return;
  }
  if (TrimObjType1 == EntityLine) {
    LineCircleIntersect(g1.StartX, g1.StartY, g1.EndX, g1.EndY, g2.CenterX, g2.CenterY, g2.StartX, g2.StartY);
  } else if (round1 && TrimObjType2 == EntityLine) {
    LineCircleIntersect(g2.StartX, g2.StartY, g2.EndX, g2.EndY, g1.CenterX, g1.CenterY, g1.StartX, g1.StartY);
  } else if (TrimObjType1 == EntityArc) {
    CircleCircleIntersect(g1.CenterX, g1.CenterY, g1.StartX, g1.StartY, g2.CenterX, g2.CenterY, g2.StartX,
                          g2.StartY);
  } else {
    CircleCircleIntersect(g2.CenterX, g2.CenterY, g2.StartX, g2.StartY, g1.CenterX, g1.CenterY, g1.StartX,
                          g1.StartY);
  }
  NearerPoint(x, y, PickedPoints[2].X, PickedPoints[2].Y, Cross1X, Cross1Y, Cross2X, Cross2Y);
}

// The arc of slot 1 cut or lengthened to the crossing X, on the side of the pick.
void TrimArcTo(Long ent1, Double xx, Double xy) {
  const TrimGeom& g = TrimGeom1;
  const WorldXY pick = PickedPoints[1];
  Single thetaX = LineAngle(g.CenterX, g.CenterY, xx, xy);
  Single thetaP = LineAngle(g.CenterX, g.CenterY, pick.X, pick.Y);
  const Single thetaA = LineAngle(g.CenterX, g.CenterY, g.StartX, g.StartY);
  const Single thetaM = LineAngle(g.CenterX, g.CenterY, g.MidX, g.MidY);
  const Single thetaB = LineAngle(g.CenterX, g.CenterY, g.EndX, g.EndY);
  const Single lo = std::min(thetaA, thetaB), hi = std::max(thetaA, thetaB);
  Single s = lo, e = hi;
  if (thetaM < lo || thetaM > hi) {  // the arc passes through direction 0
    s = hi;
    e = lo + static_cast<Single>(TwicePi);
    if (thetaX < s - 0.1F) thetaX += static_cast<Single>(TwicePi);
    if (thetaP < s - 0.1F) thetaP += static_cast<Single>(TwicePi);
  }
  EraseObj(ent1);
  const Double from = thetaX > thetaP ? s : thetaX;
  const Double to = thetaX > thetaP ? thetaX : e;
  const Double mid = (from + to) / 2;
  const Double r = g.Radius;
  AddObj(EntityArc, 4);
  AddPnt(g.CenterX, g.CenterY);
  AddPnt(g.CenterX + r * std::cos(from), g.CenterY + r * std::sin(from));
  AddPnt(g.CenterX + r * std::cos(mid), g.CenterY + r * std::sin(mid));
  AddPnt(g.CenterX + r * std::cos(to), g.CenterY + r * std::sin(to));
  DrawObject(ObjCount);
}

}  // namespace

void RunTrimCommand() {
  if (!TrimActive) BeginCommand(TrimActive);
  const TrimCommandRow* row = TrimRowOf(TrimCommand);
  if (!row) return;
  ShowStatus(row->Title, TitlePanel);
  PickLine(row->Picks, row->Filter);
  if (PickedLines[row->Picks] < 1) return;
  row->Operate();
  EndTrimCommand();
}

void EndTrimCommand() {
  ClearPrompts();
  EndCommand(TrimActive);
  RemovePickHighlight();
}

void TrimExtendLine(Long Ent1, Long Ent2) {
  if (Ent1 == Ent2) return;
  LoadTrimEntity(1);
  LoadTrimEntity(2);
  const TrimGeom& g1 = TrimGeom1;
  const TrimGeom& g2 = TrimGeom2;
  const WorldXY pick = PickedPoints[1];
  Double xx = 0, xy = 0;
  if (TrimObjType1 == EntityLine && TrimObjType2 == EntityLine) {
    // Parallel lines have no crossing: both stay as they are.
    if (LinesParallel(g1.StartX, g1.StartY, g1.EndX, g1.EndY, g2.StartX, g2.StartY, g2.EndX, g2.EndY)) return;
    LineLineIntersect(xx, xy, g1.StartX, g1.StartY, g1.EndX, g1.EndY, g2.StartX, g2.StartY, g2.EndX, g2.EndY);
    PerpendicularFoot(xx, xy, xx, xy, g1.StartX, g1.StartY, g1.EndX, g1.EndY);
    const bool keepStart = SegmentHit(g1.StartX, g1.StartY, pick.X, pick.Y, xx, xy);
    ReplaceTrimmedObj(Ent1, xx, xy, keepStart ? g1.StartX : g1.EndX, keepStart ? g1.StartY : g1.EndY);
    return;
  }
  IntersectTrimEntities(xx, xy);
  if (!std::isfinite(xx) || !std::isfinite(xy) || std::sqrt(xx * xx + xy * xy) > FarCrossing) return;
  if (TrimObjType1 == EntityArc) return TrimArcTo(Ent1, xx, xy);
  if (TrimObjType1 != EntityLine) return;
  PerpendicularFoot(xx, xy, xx, xy, g1.StartX, g1.StartY, g1.EndX, g1.EndY);
  const Double dA = std::pow(pick.X - g1.StartX, 2) + std::pow(pick.Y - g1.StartY, 2);
  const Double dB = std::pow(pick.X - g1.EndX, 2) + std::pow(pick.Y - g1.EndY, 2);
  const bool keepStart = dA > dB;
  ReplaceTrimmedObj(Ent1, keepStart ? g1.StartX : g1.EndX, keepStart ? g1.StartY : g1.EndY, xx, xy);
}

// ---- Corners -------------------------------------------------------------------------------

namespace {

// A picked straight piece: First moves to the corner, Kept stays.
struct CornerLine {
  Double FirstX, FirstY, KeptX, KeptY;
};

CornerLine CornerLineOf(const TrimGeom& g) { return {g.StartX, g.StartY, g.EndX, g.EndY}; }

// Orients `line` against `other` with the pick R so that Kept is the end on
// the picked side of the crossing; a kept end on the crossing itself gives
// way to the other end, so a line that already ends at the corner keeps its
// far end.
void OrientToPick(CornerLine& line, const CornerLine& other, WorldXY pick) {
  OrientLineToCorner(pick.X, pick.Y, other.FirstX, other.FirstY, other.KeptX, other.KeptY, line.FirstX,
                     line.FirstY, line.KeptX, line.KeptY);
  if (std::abs(line.KeptX - LineCrossX) + std::abs(line.KeptY - LineCrossY) < OnCorner) {
    std::swap(line.FirstX, line.KeptX);
    std::swap(line.FirstY, line.KeptY);
  }
}

void OrientBothToPicks(CornerLine& line1, CornerLine& line2) {
  OrientToPick(line1, line2, PickedPoints[1]);
  OrientToPick(line2, line1, PickedPoints[2]);
}

bool IsPolyType(Integer type) { return type == EntityPolyline || type == EntityPolygon; }

}  // namespace

void CornerFillet(Long ObjA, Long ObjB) {
  if (ObjA == ObjB) return;
  FilletWorkRadius = FilletRadius;
  PickedLines[1] = ObjA;
  PickedLines[2] = ObjB;
  LoadTrimEntity(1);
  LoadTrimEntity(2);
  const bool line1 = TrimObjType1 == EntityLine, line2 = TrimObjType2 == EntityLine;
  if (!(line1 || TrimObjType1 == EntityArc) || !(line2 || TrimObjType2 == EntityArc)) return;
  const Single theta1 = LineAngle(TrimGeom1.StartX, TrimGeom1.StartY, TrimGeom1.EndX, TrimGeom1.EndY);
  const Single theta2 = LineAngle(TrimGeom2.StartX, TrimGeom2.StartY, TrimGeom2.EndX, TrimGeom2.EndY);
  if (line1 && line2) {
    if (std::abs(theta1 - theta2) < SameDirection) return;
    CornerLine a = CornerLineOf(TrimGeom1), b = CornerLineOf(TrimGeom2);
    OrientBothToPicks(a, b);
    EraseObj(ObjA);
    EraseObj(ObjB);
    FilletLineLine(a.FirstX, a.FirstY, a.KeptX, a.KeptY, b.FirstX, b.FirstY, b.KeptX, b.KeptY);
  } else if (line1) {
    FilletLineArc(true);
  } else if (line2) {
    std::swap(PickedPoints[1], PickedPoints[2]);
    FilletLineArc(false);
  } else {
    FilletArcArc();
  }
}

void CornerChamfer(Long ObjA, Long ObjB) {
  PickedLines[1] = ObjA;
  PickedLines[2] = ObjB;
  LoadTrimEntity(1);
  LoadTrimEntity(2);
  const bool twoLines = ObjA != ObjB && TrimObjType1 == EntityLine && TrimObjType2 == EntityLine;
  // Two segments of one polyline or polygon, neighbours or not: the corner
  // cuts away the segments between them. The picked segments come sorted. A
  // polygon's first and last segments meet at its closing corner, which
  // has no segments between them to cut away: that pair is refused.
  const Long lastSegment = Objs[ObjA].NPoints - 1;
  const bool closingCorner =
      TrimObjType1 == EntityPolygon && PickedSegments[1] == 1 && PickedSegments[2] == lastSegment;
  const bool onePoly = ObjA == ObjB && IsPolyType(TrimObjType1) && PickedSegments[1] >= 1 &&
                       PickedSegments[2] > PickedSegments[1] && PickedSegments[2] <= lastSegment && !closingCorner;
  if (!twoLines && !onePoly) return;
  CornerLine a = CornerLineOf(TrimGeom1), b = CornerLineOf(TrimGeom2);
  const Double least = ChamferDist1 + ChamferDist2;
  if (Distance(a.FirstX, a.FirstY, a.KeptX, a.KeptY) < least ||
      Distance(b.FirstX, b.FirstY, b.KeptX, b.KeptY) < least)
    return;
  const Double gap = LineAngle(a.FirstX, a.FirstY, a.KeptX, a.KeptY) -
                     static_cast<Double>(LineAngle(b.FirstX, b.FirstY, b.KeptX, b.KeptY));
  if (std::abs(gap) < ChamferParallel || std::abs(std::abs(gap) - Pi) < ChamferParallel ||
      std::abs(gap + Pi) < ChamferParallel)
    return;
  if (twoLines) {
    OrientBothToPicks(a, b);
  } else {
    // Two segments of one polyline meet where their lines cross: the lower
    // segment keeps its first vertex, the higher its last, as the head and
    // the tail do. The picks may have been taken in either order, so they
    // decide nothing.
    std::swap(a.FirstX, a.KeptX);
    std::swap(a.FirstY, a.KeptY);
  }
  Double xx = 0, xy = 0;
  LineLineIntersect(xx, xy, a.FirstX, a.FirstY, a.KeptX, a.KeptY, b.FirstX, b.FirstY, b.KeptX, b.KeptY);
  // Each chamfer point is set back from the corner towards the kept end.
  const Single phi1 = LineAngle(xx, xy, a.KeptX, a.KeptY);
  const Single phi2 = LineAngle(xx, xy, b.KeptX, b.KeptY);
  const Double q1x = xx + ChamferDist1 * std::cos(phi1), q1y = xy + ChamferDist1 * std::sin(phi1);
  const Double q2x = xx + ChamferDist2 * std::cos(phi2), q2y = xy + ChamferDist2 * std::sin(phi2);
  if (twoLines) {
    EraseObj(ObjA);
    EraseObj(ObjB);
    AddLineObj(a.KeptX, a.KeptY, q1x, q1y);
    AddLineObj(q1x, q1y, q2x, q2y);
    AddLineObj(q2x, q2y, b.KeptX, b.KeptY);
    return;
  }
  EraseObj(ObjA);
  AddPolylineHead(q1x, q1y);
  AddLineObj(q1x, q1y, q2x, q2y);
  AddPolylineTail(q2x, q2y);
}

// ---- Reset -------------------------------------------------------------------------------

void ResetTrims() {
  TrimCommand = 0;
  TrimActive = 0;
  AutoFillet = 0;
  AutoChamfer = 0;
  TrimsSetting3 = 0;
  FilletRadius = 0;
  ChamferDist1 = 0;
  ChamferDist2 = 0;
  FilletWorkRadius = 0;
  TrimObjType1 = TrimObjType2 = 0;
  TrimGeom1 = TrimGeom2 = TrimGeom{};
  TrimCopyX = TrimCopyY = 0;
}

namespace {
// Esc and a change of tool take the first pick's highlight off with the command.
void CancelTrimCommand() {
  if (TrimActive) RemovePickHighlight();
}
void EndTrimOnToolChange() {
  CancelTrimCommand();
  TrimActive = 0;
}
const ModuleRegistrar Registered({"Trims", FloorCommands, ResetTrims,
                                  {ToolTrims, &TrimActive, RunTrimCommand, EndTrimOnToolChange, CancelTrimCommand}});
}  // namespace

}  // namespace lintavo
