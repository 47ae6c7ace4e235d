// PathStations: straight-piece paths and their stations.
#include "commands/PathStations.h"

#include <cmath>

#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/ProgramState.h"
#include "platform/Numbers.h"
#include "view/DrawDispatch.h"

namespace lintavo {

Long PathObjNo = 0;
Double PathLength = 0;
Double PathSideOffset = 0;

namespace {

Double StationSpacing = 0;  // world units between stations
Integer StationCount = 0;   // stations GetPathPoint gives, 1..StationCount; 0 none

bool IsStraightPath(Integer type) {
  return type == EntityLine || type == EntityPolyline || type == EntityPolygon;
}

// Pieces of the current path: piece k joins its points k and k + 1 (1-based).
Long PieceCount() {
  if (PathObjNo < 1 || PathObjNo > ObjCount) return 0;
  const ObjRec& obj = Objs[PathObjNo];
  return IsStraightPath(obj.Rtype) && obj.NPoints >= 2 ? obj.NPoints - 1 : 0;
}

// A path is walked from its end with the smaller X: a line drawn from right
// to left, or a polyline whose first piece runs leftwards, backwards.
bool WalkedBackwards() {
  const ObjRec& obj = Objs[PathObjNo];
  const PntRec* p = &Pnts[obj.PointID];
  return obj.NPoints >= 2 && p[0].X > p[1].X && obj.Rtype != EntityPolygon;
}

const PntRec& PiecePoint(Long k) {
  const ObjRec& obj = Objs[PathObjNo];
  return Pnts[obj.PointID + (WalkedBackwards() ? obj.NPoints - k : k - 1)];
}

Double PieceLength(Long k) {
  const PntRec& a = PiecePoint(k);
  const PntRec& b = PiecePoint(k + 1);
  return std::hypot(b.X - a.X, b.Y - a.Y);
}

}  // namespace

// ---- The current path ----------------------------------------------------------------

void MeasurePath(Long ObjNo, Double& Length) {
  PathObjNo = ObjNo;
  PathSideOffset = 0;
  PathLength = 0;
  const Long pieces = PieceCount();
  for (Long k = 1; k <= pieces; ++k) PathLength += PieceLength(k);
  Length = PathLength;
}

void ProjectOnPath(Double X, Double Y) {
  const Long pieces = PieceCount();
  Double best = -1;
  for (Long k = 1; k <= pieces; ++k) {
    const PntRec& a = PiecePoint(k);
    const PntRec& b = PiecePoint(k + 1);
    const Double dx = b.X - a.X, dy = b.Y - a.Y;
    const Double len2 = dx * dx + dy * dy;
    Double t = len2 > 0 ? ((X - a.X) * dx + (Y - a.Y) * dy) / len2 : 0;
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    const Double distance = std::hypot(X - (a.X + t * dx), Y - (a.Y + t * dy));
    if (best >= 0 && distance >= best) continue;
    best = distance;
    // Left of the piece's direction is positive.
    const Double cross = dx * (Y - a.Y) - dy * (X - a.X);
    PathSideOffset = cross < 0 ? -distance : distance;
  }
}

void ResetPathLine() {
  if (PathObjNo >= 1 && PathObjNo <= ObjCount) DrawObject(PathObjNo);
}

// ---- Stations ------------------------------------------------------------------------------

void DividePath(Single& Spacing, Integer& Count) {
  StationCount = 0;
  if (Count < 1 && Spacing > 0) Count = static_cast<Integer>(RoundHalfEven(PathLength / Spacing));
  if (Count < 1) {
    // Neither a count nor a spacing: one place, and no station to give.
    Count = 1;
    StationSpacing = 0;
    return;
  }
  StationSpacing = PathLength / Count;
  Spacing = ToSingle(StationSpacing);
  StationCount = PieceCount() > 0 ? Count : 0;
}

void GetPathPoint(Double& X, Double& Y, Single& Direction, Integer I) {
  const Long pieces = PieceCount();
  if (pieces < 1 || I < 1 || I > StationCount) return;
  Double along = (I - 1) * StationSpacing;
  Long k = 1;
  while (k < pieces && along > PieceLength(k)) {
    along -= PieceLength(k);
    ++k;
  }
  const PntRec& a = PiecePoint(k);
  const PntRec& b = PiecePoint(k + 1);
  const Double length = PieceLength(k);
  const Double t = length > 0 ? along / length : 0;
  Direction = LineAngleD(a.X, a.Y, b.X, b.Y);
  X = a.X + t * (b.X - a.X) - PathSideOffset * std::sin(Direction);
  Y = a.Y + t * (b.Y - a.Y) + PathSideOffset * std::cos(Direction);
}

void ResetPathStations() {
  PathObjNo = 0;
  PathLength = PathSideOffset = 0;
  StationSpacing = 0;
  StationCount = 0;
}

namespace {
const ModuleRegistrar Registered({"PathStations", FloorCommands, ResetPathStations});
}  // namespace

}  // namespace lintavo
