// Snaps: the Snap To commands and the nearest stored point.
//
// Sections:
//   Command state
//   Nearest stored point
//   Geometry of the picks
//   Commands
//   Moving an end
//   Constructions
//   Tangents and arcs
//   Reset
#include "picking/Snaps.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>
#include <vector>

#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/MessageBar.h"
#include "model/ObjIndex.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/UndoRedo.h"
#include "model/ViewCache.h"
#include "picking/PickLine.h"
#include "platform/Numbers.h"
#include "view/DrawDispatch.h"

namespace lintavo {

Integer SnapCommand = 0;
Integer SnapActive = 0;

// ---- Nearest stored point ------------------------------------------------------------

namespace {

constexpr Single SearchReach = 100;  // the search reaches this many pick tolerances

// Reaches of the rounds of a search through the index, in pick tolerances:
// the tolerance itself first, so that the first round already finds the
// point that ends a search; the last round reaches SearchReach.
constexpr Single SearchRounds[] = {1, 4, 16, 64};

// The best point so far of one search.
struct PointSearch {
  Double X = 0, Y = 0;  // the point searched about, world units
  Single Best = 0;      // distance to beat; starts at the reach
  Long ObjNo = 0;       // entity of the best point; 0 none yet
  Double BestX = 0, BestY = 0;
  bool Ended = false;   // a point nearer than PickTolerance ended the search
};

std::vector<Long> Candidates;  // the index's answer, kept so that a search allocates nothing

// The points of an entity the search tests: a compound entity offers only
// its insertion point, since its other points are not positions in the drawing.
Long SearchedPointCount(const ObjRec& obj) {
  return obj.Rtype >= FirstCompoundType ? 1 : obj.NPoints;
}

void StartSearch(PointSearch& search, Single reach) {
  search.Best = reach;
  search.ObjNo = 0;
  search.BestX = search.X;
  search.BestY = search.Y;
  search.Ended = false;
}

// Tests the points of entity i in their order; true when one ended the search.
// Points outside the table in use are not points of the drawing and are not read.
bool ConsiderPoints(PointSearch& search, Long i) {
  const ObjRec& obj = Objs[i];
  // Support geometry (drawing number 0) is never a point of the drawing.
  if (obj.DwgNo != CurDwg || obj.DwgNo == 0 || !obj.Show) return false;
  const Long first = std::max<Long>(obj.PointID, 1);
  const Long last = std::min<Long>(obj.PointID + SearchedPointCount(obj) - 1, PntCount);
  for (Long k = first; k <= last; ++k) {
    const PntRec& p = Pnts[k];
    const Single d = ToSingle(std::fabs(search.X - p.X) + std::fabs(p.Y - search.Y));
    if (!(d < search.Best)) continue;  // a point that is not a number is no nearer than any
    search.ObjNo = i;
    search.BestX = p.X;
    search.BestY = p.Y;
    search.Best = d;
    if (d < PickTolerance) {
      search.Ended = true;
      return true;
    }
  }
  return false;
}

void SearchAll(PointSearch& search) {
  const Long last = ObjCount;
  for (Long i = 1; i <= last; ++i)
    if (ConsiderPoints(search, i)) return;
}

// Rounds of growing reach. A point the index leaves out lies beyond the
// reach, so a point nearer than the tolerance, or a best within the reach,
// is the answer of the whole table; the last round reaches the full reach.
void SearchIndexed(PointSearch& search, Single fullReach) {
  for (const Single round : SearchRounds) {
    const Single reach = round * PickTolerance;
    if (!(reach < fullReach)) break;
    ObjIndexCandidates(search.X, search.Y, reach, Candidates);
    StartSearch(search, fullReach);
    for (const Long i : Candidates)
      if (ConsiderPoints(search, i)) return;
    if (search.ObjNo != 0 && search.Best <= reach) return;
  }
  ObjIndexCandidates(search.X, search.Y, fullReach, Candidates);
  StartSearch(search, fullReach);
  for (const Long i : Candidates)
    if (ConsiderPoints(search, i)) return;
}

// The index serves a positive finite tolerance about a finite point of an
// open drawing (it holds no support geometry); anything else is scanned.
bool IndexServes(Double X, Double Y, Single fullReach) {
  return PickTolerance > 0 && std::isfinite(fullReach) && std::isfinite(X) && std::isfinite(Y) &&
         IsOpenDrawingNumber(CurDwg);
}

void FindNearestPoint(bool useIndex, Double& X, Double& Y, Long& ObjNo, Single& Dist) {
  const Single fullReach = ToSingle(PickTolerance * SearchReach);
  PointSearch search;
  search.X = X;
  search.Y = Y;
  StartSearch(search, fullReach);
  if (useIndex && IndexServes(X, Y, fullReach))
    SearchIndexed(search, fullReach);
  else
    SearchAll(search);
  ObjNo = search.ObjNo;
  Dist = 0;
  if (ObjNo == 0) return;
  Dist = search.Best;
  X = search.BestX;
  Y = search.BestY;
}

}  // namespace

void NearestObjPoint(Double& X, Double& Y, Long& ObjNo, Single& Dist) { FindNearestPoint(true, X, Y, ObjNo, Dist); }

void NearestObjPointByScan(Double& X, Double& Y, Long& ObjNo, Single& Dist) {
  FindNearestPoint(false, X, Y, ObjNo, Dist);
}

// ---- Geometry of the picks ---------------------------------------------------------------

std::array<SnapSlot, 4> SnapSlots{};
Double SnapMidX = 0, SnapMidY = 0;

namespace {

// Point k (0-based) of an entity.
const PntRec& PointOf(const ObjRec& obj, Integer k) { return Pnts[obj.PointID + k]; }

// The points an entity of a snapped type needs: an entity with fewer is
// loaded as a type no construction uses.
Integer PointsNeeded(Integer type) {
  switch (type) {
    case EntityLine:
    case EntityCircle: return 2;
    case EntityArc: return 4;
    default: return 0;
  }
}

void ReadPoint(const ObjRec& obj, Integer k, Double& X, Double& Y) {
  X = PointOf(obj, k).X;
  Y = PointOf(obj, k).Y;
}

bool IsRound(Integer type) { return type == EntityCircle || type == EntityArc; }

}  // namespace

void LoadSnapObj(Integer n) {
  if (n < 1 || n > 3) return;
  SnapSlot& slot = SnapSlots[n];
  const Long o = PickedLines[n];
  if (o < 1 || o > ObjCount) {
    slot.SnapObjType = 0;
    return;
  }
  const ObjRec& obj = Objs[o];
  slot.SnapObjType = obj.Rtype;
  if (obj.NPoints < PointsNeeded(obj.Rtype)) {
    slot.SnapObjType = 0;
    return;
  }
  switch (obj.Rtype) {
    case EntityLine:
      ReadPoint(obj, 0, slot.X1, slot.Y1);
      ReadPoint(obj, 1, slot.X2, slot.Y2);
      return;
    case EntityArc:
      ReadPoint(obj, 3, slot.X2, slot.Y2);
      ReadPoint(obj, 2, slot.ArcMidX, slot.ArcMidY);
      [[fallthrough]];
    case EntityCircle:
      ReadPoint(obj, 1, slot.X1, slot.Y1);
      ReadPoint(obj, 0, slot.CentreX, slot.CentreY);
      slot.Radius = std::sqrt(Square(slot.CentreY - slot.Y1) + Square(slot.CentreX - slot.X1));
      return;
    default: return;
  }
}

Double Square(Double x) { return x * x; }

// ---- Commands ---------------------------------------------------------------------------------

namespace {

// One row per command code: its title, its picks and their filters, its
// construction. Pick 1 is the line whose end moves, so it must be a straight
// line; the other picks take only what the construction can use, and a click
// on anything else is refused with a word in panel 3.
struct SnapCommandRow {
  Integer Code;
  const char* Title;      // shown on panel 1 as it stands, trailing blank included
  Integer Picks;          // picks taken by PickLine
  Integer Filter;         // PickFilter of the picks after the first
  void (*Construct)();    // run once the last pick is present
};

void RunClosestPoint() { SnapClosestPoint(PickedLines[1]); }

constexpr SnapCommandRow SnapCommandRows[] = {
    {SnapNearestCode, "Snap Nearest Point", 1, PickLinesOnly, SnapNearestPoint},
    {SnapClosestCode, "Snap To Closest Point", 1, PickLinesOnly, RunClosestPoint},
    {SnapLineCode, "SNAP To a Line", 2, PickLinesCirclesArcs, SnapToLine},
    {SnapMiddleCode, "SNAP To Midpoint Of", 2, PickLinesCirclesArcs, SnapToMidpoint},
    {SnapIntersectionCode, "SNAP To Intersection Of ", 3, PickLinesCirclesArcs, SnapToIntersection},
    {SnapPerpendicularCode, "SNAP Perpendicular To", 2, PickLinesCirclesArcs, SnapPerpendicular},
    {SnapParallelCode, "SNAP Parallel To", 2, PickLinesOnly, SnapParallel},
    {SnapTangentCode, "SNAP Tangent To", 2, PickCirclesArcs, SnapTangent},
    {SnapCenterCode, "SNAP To Center Of", 2, PickLinesCirclesArcs, SnapToCenter},
};
static_assert(std::size(SnapCommandRows) == SnapCodeCount, "one row per snap command code");

const SnapCommandRow* SnapRowOf(Integer code) {
  if (code < 1 || code > SnapCodeCount) return nullptr;
  return &SnapCommandRows[code - 1];
}

}  // namespace

void RunSnapCommand() {
  if (!SnapActive) BeginCommand(SnapActive);
  const SnapCommandRow* row = SnapRowOf(SnapCommand);
  if (!row) return;
  ShowStatus(row->Title, TitlePanel);
  PickLine(row->Picks, row->Filter, PickLinesOnly);
  if (PickedLines[row->Picks] > 0) row->Construct();
}

void EndSnapCommand() {
  ClearPrompts();
  EndCommand(SnapActive);
  RemovePickHighlight();
}

// ---- Moving an end ----------------------------------------------------------------------------

namespace {

// Which of the line's two points moves.
enum LinePoint : Integer { LineStart = 0, LineEnd = 1 };

void MoveLinePoint(Long objNo, LinePoint which, Double X, Double Y) {
  if (objNo < 1 || objNo > ObjCount) return;
  if (Objs[objNo].Rtype != EntityLine || Objs[objNo].NPoints < 2) return;
  if (!std::isfinite(X) || !std::isfinite(Y)) return;
  // Read before the copy: appending may move the point table.
  const PntRec start = PointOf(Objs[objNo], 0);
  const PntRec end = PointOf(Objs[objNo], 1);
  CopyObj(objNo);
  const Long copy = ObjCount;
  AddPnt(which == LineStart ? X : start.X, which == LineStart ? Y : start.Y);
  AddPnt(which == LineEnd ? X : end.X, which == LineEnd ? Y : end.Y);
  EraseObj(objNo);
  DrawObject(copy);
}

// The end of slot n's line nearer to T by |dx| + |dy| moves onto T; equally
// near ends move the start.
void MoveNearerEnd(Integer n, Double TX, Double TY) {
  const SnapSlot& line = SnapSlots[n];
  const Double dS = std::fabs(line.X1 - TX) + std::fabs(line.Y1 - TY);
  const Double dE = std::fabs(line.X2 - TX) + std::fabs(line.Y2 - TY);
  if (dE < dS)
    SetPickedLineEnd(TX, TY, PickedLines[n]);
  else
    SetPickedLineStart(TX, TY, PickedLines[n]);
}

}  // namespace

void SetPickedLineEnd(Double X, Double Y, Long ObjNo) { MoveLinePoint(ObjNo, LineEnd, X, Y); }

void SetPickedLineStart(Double X, Double Y, Long ObjNo) { MoveLinePoint(ObjNo, LineStart, X, Y); }

// ---- Constructions ------------------------------------------------------------------------------

namespace {

Double Manhattan(Double X1, Double Y1, Double X2, Double Y2) { return std::fabs(X1 - X2) + std::fabs(Y1 - Y2); }

// Loads picks 1 and 2; false (the command stays running) when pick 1 is not
// a straight line.
bool LoadLineAndReference() {
  LoadSnapObj(1);
  LoadSnapObj(2);
  return SnapSlots[1].SnapObjType == EntityLine;
}

// The point of the reference circle in slot 2 in the direction of the fixed
// end K, on the side nearer to where the line was picked: the moved line
// then points at the centre.
void RadialPoint(Double KX, Double KY, Double& TX, Double& TY) {
  const SnapSlot& ref = SnapSlots[2];
  const Single a = LineAngle(ref.CentreX, ref.CentreY, KX, KY);
  Double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  PolarPairV(x1, y1, x2, y2, ref.CentreX, ref.CentreY, ref.Radius, a);
  NearerPoint(TX, TY, PickedPoints[1].X, PickedPoints[1].Y, x1, y1, x2, y2);
}

// The end nearer the centre of slot 2 moves onto the radial point built with
// the other end fixed.
void MoveOntoRadialPoint() {
  const SnapSlot& line = SnapSlots[1];
  const SnapSlot& ref = SnapSlots[2];
  const Double dS = Manhattan(line.X1, line.Y1, ref.CentreX, ref.CentreY);
  const Double dE = Manhattan(line.X2, line.Y2, ref.CentreX, ref.CentreY);
  Double tx = 0, ty = 0;
  if (dE < dS) {
    RadialPoint(line.X1, line.Y1, tx, ty);
    SetPickedLineEnd(tx, ty, PickedLines[1]);
  } else {
    RadialPoint(line.X2, line.Y2, tx, ty);
    SetPickedLineStart(tx, ty, PickedLines[1]);
  }
}

// The end nearer the reference line moves onto the foot of the perpendicular
// dropped from the other end, so the line becomes perpendicular to it.
void MoveByFootRule() {
  const SnapSlot& line = SnapSlots[1];
  const SnapSlot& ref = SnapSlots[2];
  Double fsx = 0, fsy = 0, fex = 0, fey = 0;
  PerpendicularFoot(fsx, fsy, line.X1, line.Y1, ref.X1, ref.Y1, ref.X2, ref.Y2);
  PerpendicularFoot(fex, fey, line.X2, line.Y2, ref.X1, ref.Y1, ref.X2, ref.Y2);
  const Double dS = Manhattan(line.X1, line.Y1, fsx, fsy);
  const Double dE = Manhattan(line.X2, line.Y2, fex, fey);
  if (dS <= dE)
    SetPickedLineStart(fex, fey, PickedLines[1]);
  else
    SetPickedLineEnd(fsx, fsy, PickedLines[1]);
}

}  // namespace

void SnapMidpointOf(Double X1, Double Y1, Double X2, Double Y2) {
  SnapMidX = (X1 + X2) / 2;
  SnapMidY = (Y1 + Y2) / 2;
}

// Nearest Point: each end of the picked line looks for the stored point
// nearest it; the end whose search found the nearer point moves onto it
// (equally near: the start). The line's own points are left out of the
// searches, or each end would find itself.
void SnapNearestPoint() {
  LoadSnapObj(1);
  const SnapSlot& line = SnapSlots[1];
  if (line.SnapObjType == EntityLine) {
    Double sx = line.X1, sy = line.Y1, ex = line.X2, ey = line.Y2;
    Long foundS = 0, foundE = 0;
    Single distS = 0, distE = 0;
    ObjRec& picked = Objs[PickedLines[1]];
    const Integer shown = picked.Show;
    picked.Show = FlagFalse;
    NearestObjPoint(sx, sy, foundS, distS);
    NearestObjPoint(ex, ey, foundE, distE);
    picked.Show = shown;
    const bool moveEnd = foundE != 0 && (foundS == 0 || distE < distS);
    if (moveEnd)
      SetPickedLineEnd(ex, ey, PickedLines[1]);
    else if (foundS != 0)
      SetPickedLineStart(sx, sy, PickedLines[1]);
  }
  EndSnapCommand();
}

void SnapClosestPoint(Long ObjNo) {
  if (ToolStep == 1) {
    ShowStatus("Input Target Area >", PromptPanel);
    return;
  }
  Double x = 0, y = 0;
  TakePickPoint(x, y);
  LoadSnapObj(1);
  if (ObjNo <= 0) return EndSnapCommand();
  Long found = 0;
  Single dist = 0;
  NearestObjPoint(x, y, found, dist);
  if (found == 0) return EndSnapCommand();
  const SnapSlot& line = SnapSlots[1];
  const Single dS = ToSingle(Manhattan(line.X1, line.Y1, x, y));
  const Single dE = ToSingle(Manhattan(line.X2, line.Y2, x, y));
  if (dS <= dE)
    SetPickedLineStart(x, y, ObjNo);
  else
    SetPickedLineEnd(x, y, ObjNo);
  EndSnapCommand();
}

void SnapToLine() {
  if (!LoadLineAndReference()) return;
  const SnapSlot& line = SnapSlots[1];
  const SnapSlot& ref = SnapSlots[2];
  if (ref.SnapObjType == EntityLine) {
    MoveByFootRule();
  } else if (IsRound(ref.SnapObjType)) {
    // The end nearer the centre goes radially onto the full circle.
    const bool moveStart = Manhattan(line.X1, line.Y1, ref.CentreX, ref.CentreY) <=
                           Manhattan(line.X2, line.Y2, ref.CentreX, ref.CentreY);
    const Double kx = moveStart ? line.X1 : line.X2;
    const Double ky = moveStart ? line.Y1 : line.Y2;
    Double tx = 0, ty = 0;
    PolarPointD(ref.CentreX, ref.CentreY, LineAngle(ref.CentreX, ref.CentreY, kx, ky), ref.Radius, tx, ty);
    if (moveStart)
      SetPickedLineStart(tx, ty, PickedLines[1]);
    else
      SetPickedLineEnd(tx, ty, PickedLines[1]);
  }
  EndSnapCommand();
}

void SnapToMidpoint() {
  if (!LoadLineAndReference()) return;
  const SnapSlot& ref = SnapSlots[2];
  switch (ref.SnapObjType) {
    case EntityLine:
      SnapMidpointOf(ref.X1, ref.Y1, ref.X2, ref.Y2);
      MoveNearerEnd(1, SnapMidX, SnapMidY);
      break;
    case EntityCircle: MoveOntoRadialPoint(); break;
    case EntityArc: MoveNearerEnd(1, ref.ArcMidX, ref.ArcMidY); break;
    default: break;
  }
  EndSnapCommand();
}

void SnapPerpendicular() {
  if (!LoadLineAndReference()) return;
  const Integer type = SnapSlots[2].SnapObjType;
  if (type == EntityLine)
    MoveByFootRule();
  else if (IsRound(type))
    MoveOntoRadialPoint();
  EndSnapCommand();
}

// The end moves onto the parallel to the reference through the start when
// that is nearer; otherwise the start moves and the line becomes perpendicular.
void SnapParallel() {
  if (!LoadLineAndReference()) return;
  const SnapSlot& line = SnapSlots[1];
  const SnapSlot& ref = SnapSlots[2];
  if (ref.SnapObjType == EntityLine) {
    Double qx = line.X1, qy = line.Y1 + 1;  // a vertical reference
    if (ref.X1 != ref.X2) {
      const Double m = (ref.Y2 - ref.Y1) / (ref.X2 - ref.X1);
      const Double b = line.Y1 - line.X1 * m;
      qx = line.X1 + 1;
      qy = (line.X1 + 1) * m + b;
    }
    Double fx = 0, fy = 0;
    PerpendicularFoot(fx, fy, line.X2, line.Y2, line.X1, line.Y1, qx, qy);
    if (Manhattan(line.X1, line.Y1, fx, fy) <= Manhattan(line.X2, line.Y2, fx, fy))
      SetPickedLineStart(fx, fy, PickedLines[1]);
    else
      SetPickedLineEnd(fx, fy, PickedLines[1]);
  }
  EndSnapCommand();
}

void SnapToCenter() {
  if (!LoadLineAndReference()) return;
  const SnapSlot& ref = SnapSlots[2];
  if (IsRound(ref.SnapObjType)) {
    MoveNearerEnd(1, ref.CentreX, ref.CentreY);
  } else if (ref.SnapObjType == EntityLine) {
    SnapMidpointOf(ref.X1, ref.Y1, ref.X2, ref.Y2);
    MoveNearerEnd(1, SnapMidX, SnapMidY);
  }
  EndSnapCommand();
}

bool SnapIntersectionPoint() {
  LoadSnapObj(1);
  LoadSnapObj(2);
  const SnapSlot& s1 = SnapSlots[1];
  const SnapSlot& s2 = SnapSlots[2];
  const Integer t1 = s1.SnapObjType, t2 = s2.SnapObjType;
  const bool line1 = t1 == EntityLine, line2 = t2 == EntityLine;
  if (!(line1 || IsRound(t1)) || !(line2 || IsRound(t2))) return false;
  const WorldXY near = PickedPoints[1];
  Double x = 0, y = 0;
  if (line1 && line2) {
    LineLineIntersect(x, y, s1.X1, s1.Y1, s1.X2, s1.Y2, s2.X1, s2.Y1, s2.X2, s2.Y2);
  } else if (line1 || line2) {
    const SnapSlot& l = line1 ? s1 : s2;
    const SnapSlot& c = line1 ? s2 : s1;
    LineCircleIntersect(l.X1, l.Y1, l.X2, l.Y2, c.CentreX, c.CentreY, c.X1, c.Y1);
    // A line that misses the circle leaves both candidates on the foot of the
    // centre; the nearer candidate is then that foot.
    NearerPoint(x, y, near.X, near.Y, Cross1X, Cross1Y, Cross2X, Cross2Y);
  } else if (t1 == EntityArc) {
    CircleCircleIntersect(s1.CentreX, s1.CentreY, s1.X1, s1.Y1, s2.CentreX, s2.CentreY, s2.X1, s2.Y1);
  } else {
    CircleCircleIntersect(s2.CentreX, s2.CentreY, s2.X1, s2.Y1, s1.CentreX, s1.CentreY, s1.X1, s1.Y1);
  }
  if (!line1 && !line2) {
    x = CircleCircleX;
    y = CircleCircleY;
  }
  LineCrossX = x;
  LineCrossY = y;
  return true;
}

// Picks 2 and 3 are the crossing objects; the rotation puts them in slots 1
// and 2 and the line to move in entry 3. PickedPoints is not rotated: its
// entry 1, where the line to move was picked, chooses between two crossings.
void SnapToIntersection() {
  const Long lineNo = PickedLines[1];
  if (lineNo < 1 || lineNo > ObjCount || Objs[lineNo].Rtype != EntityLine) return EndSnapCommand();
  PickedLines[1] = PickedLines[2];
  PickedLines[2] = PickedLines[3];
  const bool crossed = SnapIntersectionPoint();
  PickedLines[3] = lineNo;
  if (crossed) {
    LoadSnapObj(3);
    MoveNearerEnd(3, LineCrossX, LineCrossY);
  }
  EndSnapCommand();
}

namespace {

// The point of contact on the reference in slot 2 for a tangent from the
// fixed end P (at distance D from the centre) with the moving end at M: on
// a circle the contact point nearer M, on an arc the left one when it lies
// on the arc, else the right one; false when there is none.
bool TangentTarget(Double PX, Double PY, Double MX, Double MY, Double D, Double& TX, Double& TY) {
  const SnapSlot& ref = SnapSlots[2];
  if (!(D > ref.Radius)) return false;  // inside or on the circle: no tangent
  Double t1x = 0, t1y = 0, t2x = 0, t2y = 0;
  TangentPoints(t1x, t1y, t2x, t2y, D, ref.Radius, ref.CentreX, ref.CentreY, PX, PY);
  if (ref.SnapObjType == EntityCircle) {
    NearerPoint(TX, TY, MX, MY, t1x, t1y, t2x, t2y);
    return true;
  }
  for (const auto& [x, y] : {std::pair{t1x, t1y}, std::pair{t2x, t2y}}) {
    if (PointOnArc(x, y, ref.X1, ref.Y1, ref.ArcMidX, ref.ArcMidY, ref.X2, ref.Y2)) {
      TX = x;
      TY = y;
      return true;
    }
  }
  return false;
}

}  // namespace

// The end nearer the centre moves onto the point of contact of the tangent
// from the other end. A fixed end inside or on the circle has no tangent (and
// one at the centre no direction): nothing moves.
void SnapTangent() {
  if (!LoadLineAndReference()) return;
  const SnapSlot& line = SnapSlots[1];
  const SnapSlot& ref = SnapSlots[2];
  if (IsRound(ref.SnapObjType)) {
    const Double dS = std::sqrt(Square(line.Y1 - ref.CentreY) + Square(line.X1 - ref.CentreX));
    const Double dE = std::sqrt(Square(line.Y2 - ref.CentreY) + Square(line.X2 - ref.CentreX));
    const bool moveStart = dS <= dE;
    Double tx = 0, ty = 0;
    const bool found = moveStart ? TangentTarget(line.X2, line.Y2, line.X1, line.Y1, dE, tx, ty)
                                 : TangentTarget(line.X1, line.Y1, line.X2, line.Y2, dS, tx, ty);
    if (found && moveStart) SetPickedLineStart(tx, ty, PickedLines[1]);
    if (found && !moveStart) SetPickedLineEnd(tx, ty, PickedLines[1]);
  }
  EndSnapCommand();
}

// ---- Tangents and arcs --------------------------------------------------------------------------

void TangentPoints(Double& Out1X, Double& Out1Y, Double& Out2X, Double& Out2Y, Double D, Double R, Double CX,
                   Double CY, Double PX, Double PY) {
  const Double t = std::sqrt(D * D - R * R);
  const Double h = t * R / D;
  const Double k = R * R / D;
  const Single a = LineAngle(CX, CY, PX, PY);
  Double fx = 0, fy = 0;
  PolarPointD(CX, CY, a, k, fx, fy);  // foot of the chord of contact
  const Single a2 = ToSingle(a + HalfPi13Places);
  PolarPairV(Out1X, Out1Y, Out2X, Out2Y, fx, fy, h, a2);
}

bool PointOnArc(Double PX, Double PY, Double AX, Double AY, Double MX, Double MY, Double BX, Double BY) {
  constexpr Single Slack = 0.001F;
  Double ox = 0, oy = 0;
  CircleThrough3Points(ox, oy, AX, AY, MX, MY, BX, BY);
  const Single aP = LineAngle(ox, oy, PX, PY);
  const Single aA = LineAngle(ox, oy, AX, AY);
  const Single aM = LineAngle(ox, oy, MX, MY);
  const Single aB = LineAngle(ox, oy, BX, BY);
  const Single lo = std::min(aA, aB);
  const Single hi = std::max(aA, aB);
  if (lo < aM && aM < hi) return aP >= lo - Slack && aP <= hi + Slack;
  return !(lo + Slack < aP && aP < hi - Slack);
}

// ---- Reset ----------------------------------------------------------------------------

void ResetSnaps() {
  SnapCommand = 0;
  SnapActive = 0;
  SnapSlots.fill(SnapSlot{});
  SnapMidX = SnapMidY = 0;
}

namespace {
// Esc and a change of tool take the first pick's highlight off with the command.
void CancelSnapCommand() {
  if (SnapActive) RemovePickHighlight();
}
void EndSnapOnToolChange() {
  CancelSnapCommand();
  SnapActive = 0;
}
const ModuleRegistrar Registered({"Snaps", FloorPicking, ResetSnaps,
                                  {ToolSnaps, &SnapActive, RunSnapCommand, EndSnapOnToolChange, CancelSnapCommand}});
}  // namespace

}  // namespace lintavo
