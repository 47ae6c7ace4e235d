// Snaps: snap switches and the nearest stored point.
#include "picking/Snaps.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/DataHand.h"
#include "model/ObjIndex.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "platform/Numbers.h"

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
  return PickTolerance > 0 && std::isfinite(fullReach) && std::isfinite(X) && std::isfinite(Y) && CurDwg >= 1 &&
         CurDwg <= MaxDwgNo;
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

// ---- Reset ----------------------------------------------------------------------------

void ResetSnaps() {
  SnapCommand = 0;
  SnapActive = 0;
}

namespace {
const ModuleRegistrar Registered({"Snaps", FloorPicking, ResetSnaps, {ToolSnaps, &SnapActive}});
}  // namespace

}  // namespace lintavo
