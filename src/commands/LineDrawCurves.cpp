// LineDrawCurves: splines and Bezier curves from clicks.
//
// Sections:
//   Control points
//   Growing curves
//   Curves
#include "commands/LineDrawCurves.h"

#include <algorithm>
#include <cmath>

#include "commands/LineDraw.h"
#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/MessageBar.h"
#include "model/Top.h"
#include "view/DrawDispatch.h"

namespace lintavo {

namespace {

constexpr Double ShortestChord = 1e-7;  // world units; shorter chords count as this long
constexpr Integer CurvePointLimit = 99;  // a curve with more points than this is finished

WorldXY& P(Integer n) { return LineDrawPoints[n]; }

WorldXY Along(const WorldXY& from, Single angle, Double length) {
  return {from.X + length * std::cos(angle), from.Y + length * std::sin(angle)};
}

}  // namespace

// ---- Control points ------------------------------------------------------------------

void ComputeBezierControlPoints(Double& OutX1, Double& OutY1, Double& OutX2, Double& OutY2) {
  const Single a1 = LineAngle(P(1).X, P(1).Y, P(2).X, P(2).Y);
  Single a2 = LineAngle(P(2).X, P(2).Y, P(3).X, P(3).Y);
  const Double d1 = std::max(std::hypot(P(2).X - P(1).X, P(2).Y - P(1).Y), ShortestChord);
  const Double d2 = std::max(std::hypot(P(3).X - P(2).X, P(3).Y - P(2).Y), ShortestChord);
  // t: the turn from the first chord to the second, in (-pi, pi].
  if (a2 >= a1) a2 -= TwoPiSingle;
  Single t = a1 - a2;
  if (t > PiSingle) t -= TwoPiSingle;
  WorldXY first = P(0);
  if (ChainFirstSegment) {
    first = Along(P(1), a1, d1 / 4);
    ChainFirstSegment = FlagFalse;
  }
  OutX1 = first.X;
  OutY1 = first.Y;
  P(0) = Along(P(2), a2 + t / 2, d2 / 4);
  OutX2 = P(2).X + (P(2).X - P(0).X) * d1 / d2;
  OutY2 = P(2).Y + (P(2).Y - P(0).Y) * d1 / d2;
}

// ---- Growing curves -----------------------------------------------------------------------

namespace {

// Steps 0 and 1 of the spline and the continuous Bezier: the first point is
// the chain start. False from step 2 on.
bool TakeFirstPointOfCurve() {
  if (ToolStep == 0) {
    ShowLineDrawStart("Enter First Point on CURVE");
    return true;
  }
  if (ToolStep != 1) return false;
  TakeLineDrawPoint(1);
  ChainStartX = P(1).X;
  ChainStartY = P(1).Y;
  ShowStatus("Enter Next Point on CURVE", 2);
  return true;
}

// The click of step 4 on into P3, closed on the chain start when it lies
// within reach of it. False when the curve went meanwhile (undone): the
// command then ends, as nothing is left to add to.
bool TakeNextPointOfCurve() {
  if (!ChainCanGrow()) {
    FinishLineDrawCommand();
    return false;
  }
  TakeLineDrawPoint(3);
  if (CloseOnChainStart(P(3))) LineDrawDone = FlagTrue;
  return true;
}

// The curve's drawing as it stands goes before its points change.
void WipeChain() {
  EraseDraw = FlagTrue;
  DrawObject(ChainObj);
  EraseDraw = FlagFalse;
}

// The curve with its new points drawn; the command ends once it is closed or full.
void RedrawChain() {
  DrawObject(ChainObj);
  if (Objs[ChainObj].NPoints > CurvePointLimit) LineDrawDone = FlagTrue;
  if (LineDrawDone) FinishLineDrawCommand();
}

void AddCurve(Integer type, std::initializer_list<WorldXY> points) {
  AddObj(type, static_cast<Integer>(points.size()));
  for (const WorldXY& p : points) AddPnt(p.X, p.Y);
  ChainObj = ObjCount;
  DrawObject(ObjCount);
}

}  // namespace

// ---- Curves -----------------------------------------------------------------------------

void DrawSplineCurve() {
  if (TakeFirstPointOfCurve()) return;
  if (ToolStep == 2) {
    TakeLineDrawPoint(2);
    return;
  }
  if (ToolStep == 3) {
    TakeLineDrawPoint(3);
    AddCurve(EntitySpline, {P(1), P(2), P(3)});
    return;
  }
  if (!TakeNextPointOfCurve()) return;
  WipeChain();
  AppendChainPoint(P(3));
  RedrawChain();
}

void DrawContinuousBezier() {
  if (TakeFirstPointOfCurve()) return;
  if (ToolStep == 2) {
    TakeLineDrawPoint(2);
    P(0) = {0, 0};
    ChainFirstSegment = FlagTrue;
    return;
  }
  WorldXY k1, k2;
  if (ToolStep == 3) {
    TakeLineDrawPoint(3);
    ComputeBezierControlPoints(k1.X, k1.Y, k2.X, k2.Y);
    AddCurve(EntityContBezier, {P(1), k1, k2, P(2), P(0), P(3), P(3)});
    P(1) = P(2);
    P(2) = P(3);
    return;
  }
  if (!TakeNextPointOfCurve()) return;
  WipeChain();
  ComputeBezierControlPoints(k1.X, k1.Y, k2.X, k2.Y);
  // The last span's provisional second control point, its end until now.
  PntRec& provisional = Pnts[PntCount - 1];
  provisional.X = k2.X;
  provisional.Y = k2.Y;
  AppendChainPoint(P(0));
  AppendChainPoint(P(3));
  AppendChainPoint(P(3));
  P(1) = P(2);
  P(2) = P(3);
  RedrawChain();
}

void DrawSingleBezier() {
  switch (ToolStep) {
    case 0: ShowLineDrawStart("Enter First Point of CURVE"); return;
    case 1:
      TakeLineDrawPoint(1);
      ShowStatus("Enter End Point of CURVE", 2);
      return;
    case 2:
      TakeLineDrawPoint(2);
      ShowStatus("Enter End CURVE Direction", 2);
      return;
    default: break;
  }
  TakeLineDrawPoint(3);
  ChainFirstSegment = FlagTrue;
  WorldXY k1, k2;
  ComputeBezierControlPoints(k1.X, k1.Y, k2.X, k2.Y);
  AddObj(EntityBezier, 4);
  for (const WorldXY& p : {P(1), k1, k2, P(2)}) AddPnt(p.X, p.Y);
  DrawObject(ObjCount);
  FinishLineDrawCommand();
}

}  // namespace lintavo
