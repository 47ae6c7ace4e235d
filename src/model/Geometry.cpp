// Geometry: angles, polar points, circles, crossings and feet in the plane.
//
// Arc tangents, sines and cosines are always taken in Double, also of Single
// values; the Single forms round their differences, ratios and results to
// Single where their callers expect Single arithmetic.
#include "model/Geometry.h"

#include <algorithm>
#include <cmath>

#include "model/DataHand.h"
#include "model/Picks.h"
#include "model/ViewCache.h"

namespace lintavo {

Double LineCrossX = 0, LineCrossY = 0;
Double LineCircleX = 0, LineCircleY = 0;
Double CircleCircleX = 0, CircleCircleY = 0;
Double Cross1X = 0, Cross1Y = 0;
Double Cross2X = 0, Cross2Y = 0;
Double IntersectX = 0, IntersectY = 0;

namespace {

bool Between(Double value, Double a, Double b) {
  return std::min(a, b) <= value && value <= std::max(a, b);
}

// The LineAngle rule on the differences P2 - P1: the arc tangent of the
// slope, turned by pi when going left and folded into [0, 2 pi).
template <typename Real>
Single AngleBySlope(Real dx, Real dy) {
  if (dx == 0) return static_cast<Single>(dy <= 0 ? ThreeHalvesPi : HalfPi);
  Double a = std::atan(static_cast<Double>(dy / dx));
  if (dx < 0) a += Pi;
  if (a < 0) a += TwoPi;
  return static_cast<Single>(a);
}

// The LineAngleD rule on the differences P2 - P1: quadrant by quadrant from
// the arc tangent of a ratio that is never negative.
template <typename Real>
Single AngleByQuadrant(Real dx, Real dy) {
  if (dx == 0) return static_cast<Single>(dy < 0 ? ThreeHalvesPi : HalfPi);
  Double a;
  if (dx > 0) {
    a = dy >= 0 ? std::atan(static_cast<Double>(dy / dx)) : TwoPi - std::atan(static_cast<Double>(-dy / dx));
  } else {
    a = dy >= 0 ? Pi - std::atan(static_cast<Double>(-dy / dx)) : Pi + std::atan(static_cast<Double>(dy / dx));
  }
  return static_cast<Single>(a);
}

// Parametric angle from the direction of the point seen from the centre. The
// limits are compared in Single, as the direction is a Single.
Single ParamAngle(Single direction, Single Ratio, Single Rotation) {
  const Single t = direction - Rotation;
  Double offset = 0;
  if (t >= static_cast<Single>(HalfPi)) offset = t < static_cast<Single>(ThreeHalvesPi) ? Pi : TwoPi;
  return static_cast<Single>(std::atan(std::tan(static_cast<Double>(t)) * Ratio) + offset);
}

// Centre of the circle through three points as the crossing of the
// perpendicular bisectors of P1 P2 and P2 P3, in the precision of Real.
template <typename Real>
void CentreThrough3(Real& OutX, Real& OutY, Real X1, Real Y1, Real X2, Real Y2, Real X3, Real Y3,
                    Double limit) {
  const Real m1x = (X1 + X2) / 2, m1y = (Y1 + Y2) / 2;
  const Real m2x = (X2 + X3) / 2, m2y = (Y2 + Y3) / 2;
  const Real d1x = X2 - X1, d1y = Y2 - Y1;
  const Real d2x = X3 - X2, d2y = Y3 - Y2;
  const Real k1 = m1x * d1x + m1y * d1y;
  const Real k2 = m2x * d2x + m2y * d2y;
  Real det = d1x * d2y - d1y * d2x;
  if (std::abs(static_cast<Double>(det)) < limit) det = 1;  // points in a line: no centre, but no division by zero
  OutX = (d2y * k1 - d1y * k2) / det;
  OutY = (d1x * k2 - d2x * k1) / det;
}

}  // namespace

// ---- Line angles ---------------------------------------------------------------

Single LineAngle(Double X1, Double Y1, Double X2, Double Y2) { return AngleBySlope(X2 - X1, Y2 - Y1); }

Single LineAngleS(Single X1, Single Y1, Single X2, Single Y2) { return AngleBySlope(X2 - X1, Y2 - Y1); }

Single LineAngleD(Double X1, Double Y1, Double X2, Double Y2) { return AngleByQuadrant(X2 - X1, Y2 - Y1); }

Single LineAngleV(Double X1, Single Y1, Double X2, Single Y2) {
  return AngleByQuadrant(static_cast<Single>(X2 - X1), Y2 - Y1);
}

Single EllipseParamAngle(Double X1, Double Y1, Double X2, Double Y2, Single Ratio, Single Rotation) {
  return ParamAngle(LineAngleD(X1, Y1, X2, Y2), Ratio, Rotation);
}

Single EllipseParamAngleS(Double X1, Single Y1, Double X2, Single Y2, Single Ratio, Single Rotation) {
  return ParamAngle(LineAngleV(X1, Y1, X2, Y2), Ratio, Rotation);
}

// ---- Polar points and ellipse points ---------------------------------------------

void PolarPointD(Double X, Double Y, Single Angle, Double R, Double& OutX, Double& OutY) {
  OutX = X + R * std::cos(static_cast<Double>(Angle));
  OutY = Y + R * std::sin(static_cast<Double>(Angle));
}

void PolarPointS(Single X, Single Y, Single Angle, Single R, Single& OutX, Single& OutY) {
  Double x = 0, y = 0;
  PolarPointD(X, Y, Angle, R, x, y);
  OutX = static_cast<Single>(x);
  OutY = static_cast<Single>(y);
}

void PolarPointV(Double R, Double X, Double Y, Double& OutX, Double& OutY, Single Angle) {
  PolarPointD(X, Y, Angle, R, OutX, OutY);
}

void PolarPairV(Double& Out1X, Double& Out1Y, Double& Out2X, Double& Out2Y,
                Double BaseX, Double BaseY, Double Dist, Single Angle) {
  PolarPointD(BaseX, BaseY, Angle, Dist, Out1X, Out1Y);
  PolarPointD(BaseX, BaseY, Angle, -Dist, Out2X, Out2Y);
}

void EllipseAxisPoint(Single W, Single H, Single Angle, Single F, Single G, Double& OutX, Double& OutY) {
  const Double c = std::cos(static_cast<Double>(Angle));
  const Double s = std::sin(static_cast<Double>(Angle));
  const Double twoG = 2 * static_cast<Double>(G);
  OutX = c * W / 2 - s * H * F / twoG;
  OutY = s * W * F / twoG + c * H / 2;
}

// ---- Circle through three points -------------------------------------------------

void CircleThrough3Points(Double& OutX, Double& OutY, Double X1, Double Y1, Double X2, Double Y2,
                          Double X3, Double Y3) {
  CentreThrough3(OutX, OutY, X1, Y1, X2, Y2, X3, Y3, 1e-10);
}

void CircleThrough3PointsS(Single& OutX, Single& OutY, Single X1, Single Y1, Single X2, Single Y2,
                           Single X3, Single Y3) {
  CentreThrough3(OutX, OutY, X1, Y1, X2, Y2, X3, Y3, 1e-6);
}

// ---- Crossings -------------------------------------------------------------------

void LineLineIntersect(Double& OutX, Double& OutY, Double X1, Double Y1, Double X2, Double Y2,
                       Double X3, Double Y3, Double X4, Double Y4) {
  const bool aVertical = X1 == X2;
  const bool bVertical = X3 == X4;
  const Double m1 = aVertical ? 0 : (Y2 - Y1) / (X2 - X1);
  const Double m2 = bVertical ? 0 : (Y4 - Y3) / (X4 - X3);
  const Double b1 = Y1 - m1 * X1;
  const Double b2 = Y3 - m2 * X3;
  Double x = X3, y = Y3;  // two vertical lines keep P3
  if (!aVertical && !bVertical) {
    if (std::abs(m1 - m2) <= 0.0002) {
      x = X1;  // parallel: no crossing to compute
      y = Y1;
    } else {
      x = (b1 - b2) / (m2 - m1);
      y = (m2 * b1 - m1 * b2) / (m2 - m1);
    }
  } else if (!aVertical) {
    x = X4;
    y = m1 * X4 + b1;
  } else if (!bVertical) {
    x = X1;
    y = m2 * X1 + b2;
  }
  OutX = LineCrossX = x;
  OutY = LineCrossY = y;
}

void LineCircleIntersectNear(Double X1, Double Y1, Double X2, Double Y2, Double CX, Double CY,
                             Double RX, Double RY, Double NearX, Double NearY) {
  PerpendicularFoot(IntersectX, IntersectY, CX, CY, X1, Y1, X2, Y2);
  const Single a = LineAngle(X1, Y1, X2, Y2);
  const Double r = Distance(CX, CY, RX, RY);
  const Double d = Distance(CX, CY, IntersectX, IntersectY);
  if (r < d) {  // the line misses the circle
    Cross1X = Cross2X = IntersectX;
    Cross1Y = Cross2Y = IntersectY;
    return;
  }
  PolarPairV(Cross1X, Cross1Y, Cross2X, Cross2Y, IntersectX, IntersectY, std::sqrt(r * r - d * d), a);
  NearerPoint(LineCircleX, LineCircleY, NearX, NearY, Cross1X, Cross1Y, Cross2X, Cross2Y);
}

void CircleCircleIntersectNear(Double Q1X, Double Q1Y, Double R1X, Double R1Y, Double Q2X, Double Q2Y,
                               Double R2X, Double R2Y, Double NearX, Double NearY) {
  const Single a0 = LineAngle(Q1X, Q1Y, Q2X, Q2Y);
  const Double r1 = Distance(Q1X, Q1Y, R1X, R1Y);
  const Double r2 = Distance(Q2X, Q2Y, R2X, R2Y);
  const Double d = Distance(Q1X, Q1Y, Q2X, Q2Y);
  if (d < 1e-6) {  // concentric: no line of centres to work along
    Cross1X = Cross2X = CircleCircleX = Q1X;
    Cross1Y = Cross2Y = CircleCircleY = Q1Y;
    return;
  }
  // a: distance from Q1 to the chord along the line of centres. Beyond r1 on
  // either side the circles do not meet (apart, or one inside the other) and
  // the two candidates fall together on the line of centres.
  const Double a = (d * d + r1 * r1 - r2 * r2) / (2 * d);
  const Double h = std::abs(a) <= r1 ? std::sqrt(r1 * r1 - a * a) : 0;
  Double mx = 0, my = 0;
  PolarPointD(Q1X, Q1Y, a0, a, mx, my);
  PolarPairV(Cross1X, Cross1Y, Cross2X, Cross2Y, mx, my, h, static_cast<Single>(a0 + HalfPi));
  NearerPoint(CircleCircleX, CircleCircleY, NearX, NearY, Cross1X, Cross1Y, Cross2X, Cross2Y);
}

void NearerPoint(Double& OutX, Double& OutY, Double PX, Double PY, Double AX, Double AY, Double BX,
                 Double BY) {
  const Double da = (AX - PX) * (AX - PX) + (AY - PY) * (AY - PY);
  const Double db = (BX - PX) * (BX - PX) + (BY - PY) * (BY - PY);
  OutX = da < db ? AX : BX;
  OutY = da < db ? AY : BY;
}

// ---- Perpendicular feet and hit tests ----------------------------------------------

void PerpendicularFoot(Double& OutX, Double& OutY, Double PX, Double PY, Double X1, Double Y1,
                       Double X2, Double Y2) {
  if (X1 == X2) {
    OutX = X1;
    OutY = PY;
    return;
  }
  if (Y1 == Y2) {
    OutX = PX;
    OutY = Y1;
    return;
  }
  const Double m = (Y2 - Y1) / (X2 - X1);
  const Double b1 = Y1 - m * X1;
  const Double n = -1 / m;  // slope of the perpendicular through P
  const Double b2 = PY - n * PX;
  OutX = (b1 - b2) / (n - m);
  OutY = (n * b1 - m * b2) / (n - m);
}

bool SegmentHit(Double X1, Double Y1, Double PX, Double PY, Double X2, Double Y2) {
  PerpendicularFoot(IntersectX, IntersectY, PX, PY, X1, Y1, X2, Y2);
  return Between(IntersectX, X1, X2) && Between(IntersectY, Y1, Y2);
}

void ProjectPointToLine(Double& X0, Double& Y0, Double X1, Double Y1, Double X2, Double Y2) {
  const Double dx = X2 - X1;
  const Double dy = Y2 - Y1;
  const Double s3 = dx * dx + dy * dy;
  if (s3 <= 1e-12) {  // P1 and P2 coincide: there is no line
    X0 = X1;
    Y0 = Y1;
    return;
  }
  const Double s1 = X1 * Y2 - X2 * Y1;
  const Double s2 = dy * Y0 + dx * X0;
  X0 = (dy * s1 + dx * s2) / s3;
  Y0 = (dy * s2 - dx * s1) / s3;
}

// ---- Arc steps ---------------------------------------------------------------------

Single PixelArcStepAngle(Double PX, Single PY, Double R) {
  // A floor of 0.1 rad keeps a full circle at 63 steps at most, whatever the zoom.
  const Single step = static_cast<Single>(0.1);
  const Single angle = LineAngleV(PX, PY, PX + R, PY + 1);
  return angle < step ? step : angle;
}

// ---- Arc sweeps ---------------------------------------------------------------------

bool ArcRunsBackward(Single a1, Single a2, Single a3) {
  // The surface draws counterclockwise: when the middle point does not lie
  // on the counterclockwise sweep from start to end, the ends change places.
  return (a1 <= a2 && a1 < a3 && a3 < a2) || (a1 > a2 && a2 > a3) || (a2 <= a3 && a2 < a1 && a1 < a3);
}

void ArcDrawnAngles(Double CX, Double CY, Double X2, Double Y2, Double X3, Double Y3, Double X4, Double Y4,
                    Single& Start, Single& End) {
  const Single a1 = LineAngleD(CX, CY, X2, Y2);
  const Single a2 = LineAngleD(CX, CY, X3, Y3);
  const Single a3 = LineAngleD(CX, CY, X4, Y4);
  const bool backward = ArcRunsBackward(a1, a2, a3);
  Start = backward ? a3 : a1;
  End = backward ? a1 : a3;
}

bool SweepHolds(Double SX, Double SY, Double EX, Double EY, Double QX, Double QY) {
  const Double se = SX * EY - SY * EX;  // > 0: E less than half a turn on from S
  const Double sq = SX * QY - SY * QX;  // >= 0: Q at most half a turn on from S
  const Double qe = QX * EY - QY * EX;  // >= 0: E at most half a turn on from Q
  if (se > 0) return sq >= 0 && qe >= 0;
  // More than half a turn: Q lies on it unless strictly inside the rest, E to S.
  if (se < 0) return sq >= 0 || qe >= 0;
  if (SX * EX + SY * EY > 0) return true;  // one direction: the whole circle
  return sq >= 0;                          // half a turn
}

}  // namespace lintavo

namespace lintavo {

// ---- Entry points on the program's state -------------------------------------------

void LineCircleIntersect(Double X1, Double Y1, Double X2, Double Y2, Double CX, Double CY, Double RX,
                         Double RY) {
  LineCircleIntersectNear(X1, Y1, X2, Y2, CX, CY, RX, RY, PickedPoints[1].X, PickedPoints[1].Y);
}

void CircleCircleIntersect(Double Q1X, Double Q1Y, Double R1X, Double R1Y, Double Q2X, Double Q2Y,
                           Double R2X, Double R2Y) {
  CircleCircleIntersectNear(Q1X, Q1Y, R1X, R1Y, Q2X, Q2Y, R2X, R2Y, PickedPoints[1].X,
                            PickedPoints[1].Y);
}

bool SegmentHitTol(Double X1, Double Y1, Double PX, Double PY, Double X2, Double Y2) {
  if (!SegmentHit(X1, Y1, PX, PY, X2, Y2)) return false;
  return std::fabs(PX - IntersectX) + std::fabs(PY - IntersectY) < PickTolerance;
}

namespace {

bool WithinTolerance(Double X, Double Y, Long pointIndex) {
  if (pointIndex < 1 || pointIndex > PntCount) return false;
  return std::fabs(X - Pnts[pointIndex].X) < PickTolerance && std::fabs(Pnts[pointIndex].Y - Y) < PickTolerance;
}

// The end points of a line (points 1 and 2) or an arc (points 2 and 4).
bool EndPointsOf(Long objNo, const PntRec*& first, const PntRec*& second) {
  if (objNo < 1 || objNo > ObjCount) return false;
  const ObjRec& obj = Objs[objNo];
  Long base = obj.PointID;
  Long a, b;
  if (obj.Rtype == EntityLine && obj.NPoints >= 2) {
    a = base, b = base + 1;
  } else if (obj.Rtype == EntityArc && obj.NPoints >= 4) {
    a = base + 1, b = base + 3;
  } else {
    return false;
  }
  if (a < 1 || b > PntCount) return false;
  first = &Pnts[a];
  second = &Pnts[b];
  return true;
}

bool SamePoint(const PntRec* p, const PntRec* q) { return p->X == q->X && p->Y == q->Y; }

}  // namespace

bool NearPntTest(Double X, Double Y, Integer& Which) {
  Which = 0;
  if (PickedPntIndex < 1) return false;  // no vertex chosen
  if (WithinTolerance(X, Y, PickedPntIndex)) {
    Which = 1;
  } else if (WithinTolerance(X, Y, PickedPntIndex + 1)) {
    Which = 2;
  }
  return Which != 0;
}

bool LinesShareEndPoint(Long I, Long J) {
  const PntRec *i1, *i2, *j1, *j2;
  if (!EndPointsOf(I, i1, i2) || !EndPointsOf(J, j1, j2)) return false;
  return SamePoint(i1, j1) || SamePoint(i1, j2) || SamePoint(i2, j1) || SamePoint(i2, j2);
}

Single ArcStepAngle(Double X, Double Y, Double R) {
  Double r = std::fabs(R * ViewScaleX);
  return PixelArcStepAngle(X * ViewScaleX, static_cast<Single>(Y * ViewScaleY), r);
}

Single ArcStepAngleS(Single X, Single Y, Single R) {
  Single r = std::fabs(R * ViewScaleX);
  Single px = X * ViewScaleX, py = Y * ViewScaleY;
  return PixelArcStepAngle(px, py, r);
}

}  // namespace lintavo
