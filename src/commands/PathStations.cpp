// PathStations: measuring a path, the side of a clicked point, and the
// station table laid along it, by the kind of entity the path is.
//
// Sections:
//   Path points and pieces
//   Circles, arcs and ellipses
//   Measures
//   Station table
//   Straight pieces and splines
//   Curves
//   Stations
//   Reset
#include "commands/PathStations.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/ProgramState.h"
#include "picking/Measure.h"
#include "platform/Numbers.h"
#include "view/DrawDispatch.h"
#include "view/ObjectDrawers.h"

namespace lintavo {

Long PathLine = 0;
Double PathLength = 0;
Integer PathSideFlag = 0;
Double PathOffset = 0;

namespace {

constexpr Long PathShowColor = 0xFF00FF;    // magenta: the path being laid along
constexpr Double CurveSpacingFactor = 1.25;  // curves widen a spacing given without a count
constexpr Double ParallelLimit = 0.0001;     // end directions closer than this give a straight span
constexpr int CurveLengthSteps = 1024;       // chords summed for the length of an ellipse
constexpr Long TableFactor = 2;  // the table holds this many stations per one asked for

struct PathStation {
  Double X = 0, Y = 0;   // world units
  Single Direction = 0;  // of travel, radians
};
std::vector<PathStation> Stations;  // entries 1..StationCount; storage reused from walk to walk
Long StationCount = 0;              // stations stored
Long StationLimit = 0;              // stations the table holds; later ones are not stored
Double StationSpacing = 0;          // world units between stations

// ---- Path points and pieces -----------------------------------------------------------------

bool PathValid() { return PathLine > BaseObjCount && PathLine <= ObjCount; }
Integer PathType() { return PathValid() ? Objs[PathLine].Rtype : 0; }
const PntRec& Pt(Long k) { return Pnts[Objs[PathLine].PointID + k - 1]; }  // point k, from 1

bool IsStraightPath(Integer type) {
  return type == EntityLine || type == EntityPolyline || type == EntityPolygon;
}
bool IsChordPath(Integer type) { return IsStraightPath(type) || type == EntitySpline; }

// Pieces of a straight path or spans of a spline: piece k joins its points k and k + 1.
Long PieceCount() {
  if (!IsChordPath(PathType())) return 0;
  const ObjRec& obj = Objs[PathLine];
  return obj.NPoints >= 2 ? obj.NPoints - 1 : 0;
}

// A line or polyline is walked from its end with the smaller X: one drawn
// from right to left, or whose first piece runs leftwards, backwards.
bool WalkedBackwards() {
  const ObjRec& obj = Objs[PathLine];
  const bool reversible = obj.Rtype == EntityLine || obj.Rtype == EntityPolyline;
  return reversible && obj.NPoints >= 2 && Pt(1).X > Pt(2).X;
}

const PntRec& PiecePoint(Long k) { return Pt(WalkedBackwards() ? Objs[PathLine].NPoints + 1 - k : k); }

Double PieceLength(Long k) {
  const PntRec& a = PiecePoint(k);
  const PntRec& b = PiecePoint(k + 1);
  return std::hypot(b.X - a.X, b.Y - a.Y);
}

// +1 when the stations lie left of the direction of travel, else -1.
Double SideSign() { return PathSideFlag ? 1.0 : -1.0; }

// ---- Circles, arcs and ellipses ---------------------------------------------------------------

// An arc's counterclockwise start angle and its sweep (0, 2 pi], as drawn.
void ArcSweep(Double& Start, Double& Sweep) {
  const PntRec& c = Pt(1);
  Single a1 = LineAngleD(c.X, c.Y, Pt(2).X, Pt(2).Y);
  const Single a2 = LineAngleD(c.X, c.Y, Pt(3).X, Pt(3).Y);
  Single a3 = LineAngleD(c.X, c.Y, Pt(4).X, Pt(4).Y);
  if (ArcRunsBackward(a1, a2, a3)) std::swap(a1, a3);
  Start = a1;
  Sweep = Double{a3} - a1;
  // An arc through angle 0 ends below its start: it goes once more round.
  if (Sweep <= 0) Sweep += TwicePi;
}

// The ellipse of the path's axis points, both half axes grown by Grow:
// point(t) = C + cos t U + sin t K U', U' being U turned a quarter left.
struct PathEllipse {
  Double CX = 0, CY = 0, UX = 0, UY = 0, K = 0;
  bool Valid = false;
  void At(Double t, Double& X, Double& Y) const {
    X = CX + std::cos(t) * UX - std::sin(t) * K * UY;
    Y = CY + std::cos(t) * UY + std::sin(t) * K * UX;
  }
  // Direction of travel with t falling.
  Double BackwardDirection(Double t) const {
    const Double dx = -std::sin(t) * UX - std::cos(t) * K * UY;
    const Double dy = -std::sin(t) * UY + std::cos(t) * K * UX;
    return std::atan2(-dy, -dx);
  }
  Double Length(Double From, Double Sweep) const {
    Double x0 = 0, y0 = 0, sum = 0;
    At(From, x0, y0);
    for (int k = 1; k <= CurveLengthSteps; ++k) {
      Double x1 = 0, y1 = 0;
      At(From + Sweep * k / CurveLengthSteps, x1, y1);
      sum += std::hypot(x1 - x0, y1 - y0);
      x0 = x1;
      y0 = y1;
    }
    return sum;
  }
};

PathEllipse EllipseOf(Double Grow) {
  PathEllipse e;
  e.CX = (Pt(1).X + Pt(2).X) / 2;
  e.CY = (Pt(1).Y + Pt(2).Y) / 2;
  const Double a = std::hypot(Pt(2).X - e.CX, Pt(2).Y - e.CY);
  const Double b = std::hypot(Pt(3).X - e.CX, Pt(3).Y - e.CY);
  if (!(a > 0) || !(a + Grow > 0) || !(b + Grow > 0)) return e;
  e.UX = (Pt(2).X - e.CX) * (a + Grow) / a;
  e.UY = (Pt(2).Y - e.CY) * (a + Grow) / a;
  e.K = (b + Grow) / (a + Grow);
  e.Valid = true;
  return e;
}

// Parameter of the point (X, Y) seen from the centre of the path's ellipse.
Double EllipseParamOf(Double X, Double Y) {
  const Double cx = (Pt(1).X + Pt(2).X) / 2, cy = (Pt(1).Y + Pt(2).Y) / 2;
  const Double a = std::hypot(Pt(2).X - cx, Pt(2).Y - cy), b = std::hypot(Pt(3).X - cx, Pt(3).Y - cy);
  const Single ratio = b > 0 ? static_cast<Single>(a / b) : 0;
  return EllipseParamAngle(cx, cy, X, Y, ratio, LineAngleD(cx, cy, Pt(2).X, Pt(2).Y));
}

// Start parameter and sweep of an ellipse (whole) or elliptical arc.
void EllipseSweep(Double& Start, Double& Sweep) {
  if (PathType() == EntityEllipse) {
    Start = 0;
    Sweep = TwicePi;
    return;
  }
  Start = EllipseParamOf(Pt(5).X, Pt(5).Y);
  Double end = EllipseParamOf(Pt(6).X, Pt(6).Y);
  if (Start > end) end += TwicePi;
  Sweep = end - Start;
}

Double RadiusOf() { return std::hypot(Pt(2).X - Pt(1).X, Pt(2).Y - Pt(1).Y); }

// ---- Measures --------------------------------------------------------------------

Double ChordLength() {
  Double sum = 0;
  for (Long k = 1, n = PieceCount(); k <= n; ++k) sum += PieceLength(k);
  return sum;
}

Double LengthOfPath() {
  Double start = 0, sweep = 0;
  switch (PathType()) {
    case EntityLine: return ChordLength();
    case EntitySpline:
    case EntityBezier:
    case EntityContBezier:
    case EntityPolyline:
    case EntityPolygon: return EntityPathLength(PathLine);  // along the stored points
    case EntityCircle: return TwicePi * RadiusOf();
    case EntityArc: ArcSweep(start, sweep); return RadiusOf() * sweep;
    case EntityEllipticArc:
    case EntityEllipse: {
      const PathEllipse e = EllipseOf(0);
      if (!e.Valid) return 0;
      EllipseSweep(start, sweep);
      return e.Length(start, sweep);
    }
    default: return 0;
  }
}

// Distance from the nearest piece or span, and its side of that piece's direction.
void ProjectOnChords(Double X, Double Y) {
  Double best = -1;
  for (Long k = 1, n = PieceCount(); k <= n; ++k) {
    const PntRec& a = PiecePoint(k);
    const PntRec& b = PiecePoint(k + 1);
    const Double dx = b.X - a.X, dy = b.Y - a.Y;
    const Double len2 = dx * dx + dy * dy;
    const Double t = len2 > 0 ? std::clamp(((X - a.X) * dx + (Y - a.Y) * dy) / len2, 0.0, 1.0) : 0;
    const Double distance = std::hypot(X - (a.X + t * dx), Y - (a.Y + t * dy));
    if (best >= 0 && distance >= best) continue;
    best = distance;
    PathOffset = distance;
    PathSideFlag = dx * (Y - a.Y) - dy * (X - a.X) > 0 ? FlagTrue : FlagFalse;
  }
}

// Distance |r - d| from the rim, outside being the side of the flag.
void ProjectRadially(Double Rim, Double FromCentre) {
  PathOffset = std::fabs(Rim - FromCentre);
  PathSideFlag = FromCentre > Rim ? FlagTrue : FlagFalse;
}

// ---- Station table ----------------------------------------------------------------------------

void StartTable(Long Limit) {
  StationCount = 0;
  StationLimit = std::max<Long>(Limit, 0);
  if (Stations.size() < static_cast<size_t>(StationLimit) + 1) Stations.resize(static_cast<size_t>(StationLimit) + 1);
}

// A station at (X, Y); its direction is kept in [0, 2 pi).
void Store(Double X, Double Y, Double Direction) {
  if (StationCount >= StationLimit) return;
  Direction = std::fmod(Direction, TwicePi);
  if (Direction < 0) Direction += TwicePi;
  Stations[++StationCount] = {X, Y, static_cast<Single>(Direction)};
}

// ---- Straight pieces and splines --------------------------------------------------------------

// Count stations StationSpacing apart along the pieces, the distance
// carried from piece to piece, each set off at right angles to its piece.
void WalkStraight(Integer Count) {
  const Long pieces = PieceCount();
  const Double side = SideSign() * PathOffset;
  Long k = 1;
  Double pieceStart = 0;  // distance along the path where piece k starts
  for (Long i = 1; i <= Count; ++i) {
    const Double along = (i - 1) * StationSpacing;
    while (k < pieces && along > pieceStart + PieceLength(k)) pieceStart += PieceLength(k++);
    const PntRec& a = PiecePoint(k);
    const PntRec& b = PiecePoint(k + 1);
    const Double length = PieceLength(k);
    const Double t = length > 0 ? (along - pieceStart) / length : 0;
    const Double direction = LineAngleD(a.X, a.Y, b.X, b.Y);
    Store(a.X + t * (b.X - a.X) - side * std::sin(direction), a.Y + t * (b.Y - a.Y) + side * std::cos(direction),
          direction);
  }
}

struct Vec {
  Double X = 0, Y = 0;
};
Vec Between(const PntRec& From, const PntRec& To) { return {To.X - From.X, To.Y - From.Y}; }
Vec Unit(Vec v) {
  const Double n = std::hypot(v.X, v.Y);
  return n > 0 ? Vec{v.X / n, v.Y / n} : Vec{};
}

// Stations of one span from E1 to E2 (the span's ends set off to the side),
// leaving along U0 and arriving along U1: on the piece of curve about the
// crossing of the two normals whose radius blends from one end's to the
// other's, or on the chord when the directions are parallel.
void SpanStations(Vec E1, Vec E2, Vec U0, Vec U1) {
  const Double chord = std::hypot(E2.X - E1.X, E2.Y - E1.Y);
  const Long n = chord > StationSpacing ? static_cast<Long>(std::min(chord / StationSpacing, Double(StationLimit))) : 1;
  const Double cross = U0.X * U1.Y - U0.Y * U1.X;
  if (std::fabs(cross) > ParallelLimit) {
    const Double s = ((E2.X - E1.X) * U1.X + (E2.Y - E1.Y) * U1.Y) / cross;
    const Vec c{E1.X - s * U0.Y, E1.Y + s * U0.X};
    const Double r1 = std::hypot(E1.X - c.X, E1.Y - c.Y), r2 = std::hypot(E2.X - c.X, E2.Y - c.Y);
    if (r1 > 0 && r2 > 0) {
      Double t1 = LineAngleD(c.X, c.Y, E1.X, E1.Y), t2 = LineAngleD(c.X, c.Y, E2.X, E2.Y);
      if (std::fabs(t1 - t2) > Pi) (t1 > t2 ? t1 : t2) -= TwicePi;
      const Double e = std::log(0.5) / std::log((r2 / (r1 + r2) - 0.5) * 0.8 + 0.5);
      const Double turn = t2 < t1 ? -Pi / 2 : Pi / 2;  // clockwise or counterclockwise about c
      for (Long k = 0; k < n; ++k) {
        const Double t = static_cast<Double>(k) / n;
        const Double angle = t1 - (t1 - t2) * t;
        const Double r = r1 - (r1 - r2) * (1 - std::cos(Pi * std::pow(t, e))) / 2;
        Store(c.X + r * std::cos(angle), c.Y + r * std::sin(angle), angle + turn);
      }
      return;
    }
  }
  const Double a = std::atan2(E2.Y - E1.Y, E2.X - E1.X);
  for (Long k = 0; k < n; ++k)
    Store(E1.X + k * StationSpacing * std::cos(a), E1.Y + k * StationSpacing * std::sin(a), a);
}

// Span by span from the first point; the end directions are those of the
// chords between each point's neighbours, as the spline is drawn.
void WalkSpline() {
  const Long n = Objs[PathLine].NPoints;
  if (n < 2) return;
  const bool closed = Pt(1).X == Pt(n).X && Pt(1).Y == Pt(n).Y;
  const Double side = SideSign() * PathOffset;
  Vec u0 = Unit(closed && n > 2 ? Between(Pt(n - 1), Pt(2)) : Between(Pt(1), Pt(2)));
  for (Long i = 1; i < n; ++i) {
    Vec u1;
    if (i == n - 1)
      u1 = Unit(closed ? Between(Pt(i), Pt(2)) : Between(Pt(i), Pt(i + 1)));
    else
      u1 = Unit(Between(Pt(i), Pt(i + 2)));
    const Double a = std::atan2(Pt(i + 1).Y - Pt(i).Y, Pt(i + 1).X - Pt(i).X);
    const Double ox = -side * std::sin(a), oy = side * std::cos(a);
    SpanStations({Pt(i).X + ox, Pt(i).Y + oy}, {Pt(i + 1).X + ox, Pt(i + 1).Y + oy}, u0, u1);
    u0 = u1;
  }
}

// ---- Curves -----------------------------------------------------------------------------------

// Circles, arcs, ellipses and elliptical arcs: the curve at the offset
// (radius or half axes grown outside, shrunk inside) walked clockwise from
// the first station. A count given divides its length; else 1.25 x Spacing
// is the spacing and the count is how many fit, at least one.
void CurveStations(bool CountGiven, Single Spacing, Integer& Count) {
  const Double grow = SideSign() * PathOffset;
  const bool circular = PathType() == EntityCircle || PathType() == EntityArc;
  Double first = Pi, sweep = TwicePi, radius = 0, length = 0;
  PathEllipse ellipse;
  if (circular) {
    radius = RadiusOf() + grow;
    if (PathType() == EntityArc) {
      ArcSweep(first, sweep);
      first += sweep;  // the arc is walked back from its end
    }
    length = radius * sweep;
    if (!(radius > 0)) return;
  } else {
    ellipse = EllipseOf(grow);
    if (!ellipse.Valid) return;
    EllipseSweep(first, sweep);
    length = ellipse.Length(first, sweep);
    first += sweep;
  }
  PathLength = length;
  if (CountGiven) {
    StationSpacing = length / Count;
  } else {
    StationSpacing = CurveSpacingFactor * Spacing;
    Count = std::max<Integer>(1, RoundToInteger(std::floor(length / StationSpacing)));
  }
  StartTable(Count);
  const Double step = sweep / Count;
  for (Long k = 0; k < Count; ++k) {
    const Double t = first - k * step;
    if (circular) {
      Store(Pt(1).X + radius * std::cos(t), Pt(1).Y + radius * std::sin(t), t - Pi / 2);
    } else {
      Double x = 0, y = 0;
      ellipse.At(t, x, y);
      Store(x, y, ellipse.BackwardDirection(t));
    }
  }
}

}  // namespace

// ---- The current path ----------------------------------------------------------------

void MeasurePath(Long ObjNo, Double& Length) {
  PathLine = ObjNo;
  PathOffset = 0;
  PathSideFlag = FlagFalse;
  StationCount = 0;
  PathLength = LengthOfPath();
  Length = PathLength;
}

void ProjectOnPath(Double X, Double Y) {
  PathOffset = 0;
  PathSideFlag = FlagFalse;
  switch (PathType()) {
    case EntityLine:
    case EntityPolyline:
    case EntityPolygon:
    case EntitySpline: ProjectOnChords(X, Y); break;
    case EntityCircle:
    case EntityArc: ProjectRadially(RadiusOf(), std::hypot(X - Pt(1).X, Y - Pt(1).Y)); break;
    case EntityEllipticArc:
    case EntityEllipse: {
      const PathEllipse e = EllipseOf(0);
      if (!e.Valid) break;
      Double rx = 0, ry = 0;
      e.At(EllipseParamOf(X, Y), rx, ry);
      ProjectRadially(std::hypot(rx - e.CX, ry - e.CY), std::hypot(X - e.CX, Y - e.CY));
      break;
    }
    default: break;  // Bezier curves and the rest: no offset
  }
}

void ResetPathLine() {
  if (!PathValid()) return;
  ObjRec& obj = Objs[PathLine];
  const Long own = obj.Color;
  obj.Color = PathShowColor;
  DrawObject(PathLine);
  obj.Color = own;
}

// ---- Stations ------------------------------------------------------------------------------

void DividePath(Single& Spacing, Integer& Count) {
  StationCount = 0;
  StationSpacing = 0;
  const bool countGiven = Count >= 1;
  if (!countGiven && Spacing > 0) Count = RoundToInteger(PathLength / Spacing);
  if (Count < 1) {
    // Neither a count nor a spacing: one place, and no station to give.
    Count = 1;
    return;
  }
  StartTable(TableFactor * Count);
  switch (PathType()) {
    case EntityLine:
    case EntityPolyline:
    case EntityPolygon:
      StationSpacing = PathLength / Count;
      WalkStraight(Count);
      break;
    case EntitySpline:
      StationSpacing = countGiven ? PathLength / Count : Double{Spacing};
      if (StationSpacing > 0) WalkSpline();
      break;
    case EntityCircle:
    case EntityArc:
    case EntityEllipticArc:
    case EntityEllipse: CurveStations(countGiven, Spacing, Count); break;
    default: break;  // Bezier curves: no stations
  }
  Count = static_cast<Integer>(std::min<Long>(StationCount, std::numeric_limits<Integer>::max()));
  Spacing = ToSingle(StationSpacing);
}

void GetPathPoint(Double& X, Double& Y, Single& Direction, Integer I) {
  if (I < 1 || I > StationCount) return;
  const PathStation& s = Stations[I];
  X = s.X;
  Y = s.Y;
  Direction = s.Direction;
}

void ResetPathStations() {
  PathLine = 0;
  PathLength = PathOffset = 0;
  PathSideFlag = FlagFalse;
  StationSpacing = 0;
  StationCount = StationLimit = 0;
}

namespace {
const ModuleRegistrar Registered({"PathStations", FloorCommands, ResetPathStations});
}  // namespace

}  // namespace lintavo
