// Adjust: the transform and its appliers.
//
// Sections:
//   The transform
//   Points of one entity
//   Compound entities
//   Circles and arcs under unequal scales
//   Appliers
//   Copies
//   Reset
#include "commands/Adjust.h"

#include <cmath>

#include "model/DataHand.h"
#include "model/ObjIndex.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/UndoRedo.h"
#include "platform/Numbers.h"

namespace lintavo {

AdjustTransformRec AdjustTransform;

namespace {

constexpr Single FullTurnDegrees = 360;
constexpr Integer ScalePoint = 2;     // a compound's (X scale, Y scale)
constexpr Integer RotationPoint = 3;  // a compound's rotation in degrees, in its X

}  // namespace

// ---- The transform -------------------------------------------------------------------

void SetAdjustTransform(Double RefX, Double RefY, Single ScaleX, Single ScaleY, Single Angle) {
  AdjustTransformRec& t = AdjustTransform;
  t.RefX = RefX;
  t.RefY = RefY;
  t.ScaleX = ScaleX;
  t.ScaleY = ScaleY;
  t.Angle = Angle;
  t.SinA = std::sin(Angle);
  t.CosA = std::cos(Angle);
  t.XCos = ScaleX * t.CosA;
  t.XSin = ScaleX * t.SinA;
  t.YCos = ScaleY * t.CosA;
  t.YSinNeg = -(ScaleY * t.SinA);
}

namespace {

// ---- Points of one entity ----------------------------------------------------------------

// The points an applier moves: all of them, or a compound's point 1.
Long CountedPoints(const ObjRec& obj) { return obj.Rtype >= FirstCompoundType ? 1 : obj.NPoints; }

// M (x, y) into (outX, outY).
void ApplyMatrix(Double x, Double y, Double& outX, Double& outY) {
  const AdjustTransformRec& t = AdjustTransform;
  outX = static_cast<Double>(t.XCos) * x + static_cast<Double>(t.YSinNeg) * y;
  outY = static_cast<Double>(t.XSin) * x + static_cast<Double>(t.YCos) * y;
}

// Every counted point P := Ref + M (P - origin), origin (0, 0) for relative
// points or the reference point. The entity index, the extents of the
// entity's drawing and its layer's box are told by the applier once the
// entity's scale and rotation have changed too: a text character covers its
// glyph through all three.
void MovePoints(Long objNo, bool aboutRef) {
  const AdjustTransformRec& t = AdjustTransform;
  const ObjRec& obj = Objs[objNo];
  const Long first = obj.PointID;
  const Long last = first + CountedPoints(obj) - 1;
  const Double originX = aboutRef ? t.RefX : 0;
  const Double originY = aboutRef ? t.RefY : 0;
  for (Long k = first; k <= last; ++k) {
    PntRec& p = Pnts[k];
    Double x = 0, y = 0;
    ApplyMatrix(p.X - originX, p.Y - originY, x, y);
    p.X = t.RefX + x;
    p.Y = t.RefY + y;
  }
}

// ---- Compound entities ---------------------------------------------------------------------

bool HasPoint(const ObjRec& obj, Integer n) { return obj.NPoints >= n; }

// The rotation (point 3's X, degrees) turned by the transform's angle; a
// result of a full turn or more comes down by one turn.
void TurnCompound(const ObjRec& obj) {
  if (!HasPoint(obj, RotationPoint)) return;
  Double& rotation = Pnts[obj.PointID + RotationPoint - 1].X;
  Single turned = ToSingle(rotation + AdjustTransform.Angle * RadToDeg);
  if (turned >= FullTurnDegrees) turned -= FullTurnDegrees;
  rotation = turned;
}

// The scale multiplied, the rotation turned and, for the entities that show
// an item's geometry in place (dimensions, fills, hatches), the item's
// extents recomputed.
void AdjustCompound(Long objNo) {
  const ObjRec& obj = Objs[objNo];
  if (obj.Rtype < FirstCompoundType) return;
  if (HasPoint(obj, ScalePoint)) {
    PntRec& scale = Pnts[obj.PointID + ScalePoint - 1];
    scale.X *= AdjustTransform.ScaleX;
    scale.Y *= AdjustTransform.ScaleY;
  }
  TurnCompound(obj);
  if (obj.Rtype >= EntityDimension) UpdateItemExtents(obj.ObjectID);
}

// ---- Circles and arcs under unequal scales ---------------------------------------------------

// Directions of the four axis ends of the replacement: left, right, upper, lower.
constexpr Double AxisEndAngles[4] = {Pi, 0, Pi / 2, -Pi / 2};

// A copy of the circle or arc as an ellipse-like entity of the given type
// and point count, its first points overwritten with the axis ends of the
// circle through point 2 and the rest appended; the source is erased.
// Extra holds the points appended after the axis ends (an arc's two ends).
void ReplaceByEllipse(Long objNo, Integer newType, Integer newCount, const WorldXY* extra,
                      Integer extraCount) {
  const ObjRec& src = Objs[objNo];
  const Long srcFirst = src.PointID;
  const Integer srcCount = src.NPoints;
  const WorldXY centre{Pnts[srcFirst].X, Pnts[srcFirst].Y};
  const Double r = std::hypot(Pnts[srcFirst + 1].X - centre.X, Pnts[srcFirst + 1].Y - centre.Y);
  CopyObjOffset(objNo, 0, 0);
  const Long copy = ObjCount;
  ObjRec& obj = Objs[copy];
  obj.Rtype = newType;
  obj.NPoints = newCount;
  SetSelectedFlag(copy, FlagTrue);
  // Stamped with the current set, so that the next count keeps it selected.
  obj.Select = SelectionSetNumber();
  Integer written = 0;
  for (Double a : AxisEndAngles) {
    const Double x = centre.X + r * std::cos(a);
    const Double y = centre.Y + r * std::sin(a);
    if (written < srcCount) {
      Pnts[obj.PointID + written] = PntRec{written + 1, copy, x, y};
    } else {
      AddPnt(x, y);
    }
    ++written;
  }
  for (Long k = 0; k < extraCount; ++k) AddPnt(extra[k].X, extra[k].Y);
  ObjPointsChanged(copy);
  EraseObj(objNo);
}

// A circle (centre, rim point) becomes an ellipse of four axis ends.
void CircleToEllipse(Long objNo) { ReplaceByEllipse(objNo, EntityEllipse, 4, nullptr, 0); }

// An arc (centre, start, mid, end) becomes an elliptical arc: the four axis
// ends, then its start and end.
void ArcToEllipticalArc(Long objNo) {
  const Long first = Objs[objNo].PointID;
  const WorldXY ends[2] = {{Pnts[first + 1].X, Pnts[first + 1].Y}, {Pnts[first + 3].X, Pnts[first + 3].Y}};
  ReplaceByEllipse(objNo, EntityEllipticArc, 6, ends, 2);
}

}  // namespace

// ---- Appliers --------------------------------------------------------------------------

void TransformObj(Long ObjNo) {
  if (ObjNo < 1 || ObjNo > ObjCount) return;
  MovePoints(ObjNo, false);
  AdjustCompound(ObjNo);
  ObjPointsChanged(ObjNo);
}

Long ScaleObj(Long ObjNo) {
  if (ObjNo < 1 || ObjNo > ObjCount) return ObjNo;
  Long target = ObjNo;
  if (AdjustTransform.ScaleX != AdjustTransform.ScaleY) {
    const Integer type = Objs[ObjNo].Rtype;
    if (type == EntityCircle && Objs[ObjNo].NPoints >= 2) {
      CircleToEllipse(ObjNo);
      target = ObjCount;
    } else if (type == EntityArc && Objs[ObjNo].NPoints >= 4) {
      ArcToEllipticalArc(ObjNo);
      target = ObjCount;
    }
  }
  MovePoints(target, true);
  AdjustCompound(target);
  ObjPointsChanged(target);
  return target;
}

void ApplyTransformToPoints(Long ObjNo) {
  if (ObjNo < 1 || ObjNo > ObjCount) return;
  MovePoints(ObjNo, true);
  const ObjRec& obj = Objs[ObjNo];
  if (obj.Rtype >= FirstCompoundType) TurnCompound(obj);
  ObjPointsChanged(ObjNo);
}

bool TransformStaysFinite(Long ObjNo, Double Dx, Double Dy) {
  if (ObjNo < 1 || ObjNo > ObjCount) return true;
  const AdjustTransformRec& t = AdjustTransform;
  const ObjRec& obj = Objs[ObjNo];
  const auto lands = [&t, Dx, Dy](Double x, Double y) {
    Double outX = 0, outY = 0;
    ApplyMatrix(x + Dx, y + Dy, outX, outY);
    return std::isfinite(t.RefX + outX) && std::isfinite(t.RefY + outY);
  };
  const Long first = obj.PointID;
  for (Long k = first; k < first + CountedPoints(obj); ++k)
    if (!lands(Pnts[k].X, Pnts[k].Y)) return false;
  if ((obj.Rtype == EntityCircle || obj.Rtype == EntityArc) && obj.NPoints >= 2) {
    // Unequal scales make an ellipse whose axis ends lie a radius off the centre.
    const Double cx = Pnts[first].X, cy = Pnts[first].Y;
    const Double r = std::hypot(Pnts[first + 1].X - cx, Pnts[first + 1].Y - cy);
    if (!lands(cx + r, cy + r) || !lands(cx - r, cy - r)) return false;
  }
  if (obj.Rtype < FirstCompoundType) return true;
  if (HasPoint(obj, ScalePoint)) {
    const PntRec& scale = Pnts[first + ScalePoint - 1];
    if (!std::isfinite(scale.X * t.ScaleX) || !std::isfinite(scale.Y * t.ScaleY)) return false;
  }
  return std::isfinite(t.Angle);
}

// ---- Copies ------------------------------------------------------------------------------

bool IsCopiedByOffset(Integer ObjType) { return ObjType < EntityDimension || ObjType > EntityHatch; }

void CopyObjOffset(Long ObjNo, Double Dx, Double Dy) {
  if (ObjNo < 1 || ObjNo > ObjCount) return;
  if (!IsCopiedByOffset(Objs[ObjNo].Rtype)) return;
  CopyObj(ObjNo);
  const ObjRec& src = Objs[ObjNo];
  const Long first = src.PointID;
  const Integer count = src.NPoints;
  const Long moved = src.Rtype >= FirstCompoundType ? 1 : count;
  for (Long k = 0; k < count; ++k) {
    // AddPnt may grow the point table: the source point is read first.
    const Double x = Pnts[first + k].X;
    const Double y = Pnts[first + k].Y;
    if (k < moved)
      AddPnt(x + Dx, y + Dy);
    else
      AddPnt(x, y);
  }
}

// ---- Reset ---------------------------------------------------------------------------------

void ResetAdjust() { AdjustTransform = AdjustTransformRec{}; }

namespace {
const ModuleRegistrar Registered({"Adjust", FloorCommands, ResetAdjust});
}  // namespace

}  // namespace lintavo
