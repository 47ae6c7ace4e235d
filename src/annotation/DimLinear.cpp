// DimLinear: the linear dimension command and its builder.
#include "annotation/DimLinear.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "annotation/DimPrimitives.h"
#include "annotation/Dimension.h"
#include "model/Geometry.h"
#include "model/MessageBar.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "picking/Measure.h"

namespace lintavo {

Double& DimValue = DimWork.DimValue;
Integer& DimOtherSide = DimWork.DimOtherSide;
Integer& DimTextFlipped = DimWork.DimTextFlipped;
Single& DimExtDistance = DimWork.DimExtDistance;

namespace {

constexpr Single VerticalSlope = 32767;      // slope taken for a vertical segment
constexpr Single SteepSlope = 100;           // slopes above this keep one letter height of room
constexpr Integer HorizontalLetters = 2;     // DimLetterDirection: letters stay level
constexpr Integer FixedWitness = 2;          // DimWitnessMode: extension lines of fixed length

Single& Theta = DimWork.Theta;
Single& Slope = DimWork.Slope;
DimPointRec& P1 = DimWork.P1;
DimPointRec& P2 = DimWork.P2;

void SwapDimensionPoints() { std::swap(P1, P2); }

Single SlopeOf(Double dx, Double dy) { return dx == 0 ? VerticalSlope : static_cast<Single>(dy / dx); }

// DimOtherSide from the base points and the location.
void DimensionSideTest(const DimPointRec& Loc) {
  DimOtherSide = FlagFalse;
  const Double ux = P2.X - P1.X, uy = P2.Y - P1.Y;
  const Double wx = Loc.X - P1.X, wy = Loc.Y - P1.Y;
  const Single mu = SlopeOf(ux, uy);
  const Single mw = wx == 0 ? std::copysign(VerticalSlope, static_cast<Single>(wy)) : static_cast<Single>(wy / wx);
  bool other = false;
  if (ux == 0)
    other = wx > 0;
  else if (uy == 0)
    other = wy < 0;
  else if (uy > 0)
    other = wx > 0 && mw < mu;
  else
    other = mw < mu || wx < 0;
  if (other) DimOtherSide = FlagTrue;
}

void DimensionSideTestProjected(const DimPointRec& Loc) {
  DimensionSideTest(Loc);
  if (DimDirection == DimHorizontal) Theta = 0;
  if (DimDirection == DimVertical) Theta = static_cast<Single>(HalfPiSingleDigits);
}

Double MeasuredValue() {
  switch (DimDirection) {
    case DimHorizontal: return std::fabs(DimE.X - DimS.X);
    case DimVertical: return std::fabs(DimE.Y - DimS.Y);
    default: return std::hypot(DimE.X - DimS.X, DimE.Y - DimS.Y);
  }
}

// Loc moved to the middle of the segment, on its side and at its distance.
DimPointRec PlacedLocation(const DimPointRec& Ep) {
  Double fx = 0, fy = 0;
  PerpendicularFoot(fx, fy, DimLoc.X, DimLoc.Y, DimS.X, DimS.Y, Ep.X, Ep.Y);
  const Double d = std::hypot(DimLoc.X - fx, DimLoc.Y - fy);
  const Double a = LineAngle(fx, fy, DimLoc.X, DimLoc.Y);
  DimPointRec loc{(DimS.X + Ep.X) / 2, (DimS.Y + Ep.Y) / 2};
  PolarPoint(d, loc.X, loc.Y, a);
  return loc;
}

void SetLetterAngle(Single Alpha) {
  DimTextFlipped = FlagFalse;
  if (DimLetterDirection == HorizontalLetters) {
    DimTextAngle = 0;
    return;
  }
  Single deg = static_cast<Single>(Alpha * 180 / Pi);
  if (deg > 90 && deg < 135) DimTextFlipped = FlagTrue;
  if (deg >= 135 && deg < 315) {
    deg += 180;
    if (deg > 360) DimTextFlipped = FlagTrue;
  }
  if (deg > 360) deg -= 360;
  DimTextAngle = deg;
}

DimPointRec Along(DimPointRec P, Double Dist, Double Angle) {
  PolarPoint(Dist, P.X, P.Y, Angle);
  return P;
}

// Where the letters start with the arrows inside (and, for want of a better
// place, outside): by direction, letter direction and placement.
DimPointRec TextStart(const DimPointRec& M, const DimPointRec& T1, const DimPointRec& T2) {
  const Single H = DimTextHeight, h = DimTextHalfHeight, w = DimTextHalfWidth, TL = DimTextLength;
  const Integer place = DimLetterPlacement;
  const Single r = place == DimBelow ? H + h : h;
  if (DimDirection == DimHorizontal) {
    const Double b = place == DimAbove ? Theta + HalfPiSingleDigits : Theta + ThreeHalvesPiSingleDigits;
    return Along(Along(T2, r, b), w, Theta);
  }
  if (DimLetterDirection == HorizontalLetters) return {M.X - TL / 2, M.Y - h};
  if (Slope == VerticalSlope) {
    const Double dx = place == DimAbove ? -h : place == DimBelow ? H + h : h;
    return {M.X + dx, M.Y - TL / 2};
  }
  const bool above = place == DimAbove;
  const Double b1 = above ? Theta + ThreeHalvesPiSingleDigits : Theta + HalfPiSingleDigits;
  const Double b2 = above ? Theta + HalfPiSingleDigits : Theta + ThreeHalvesPiSingleDigits;
  if (Slope >= 0 || !DimTextFlipped) return Along(Along(T2, r, b2), w, Theta);
  return Along(Along(T1, r, b1), w, Theta + Pi);
}

// The ends of the gap left in the dimension line for the text.
void TextGap(const DimPointRec& M, const DimPointRec& D1, const DimPointRec& D2, DimPointRec& T1,
             DimPointRec& T2) {
  const Single H = DimTextHeight, TL = DimTextLength;
  Double half = TL / 2;
  if (DimDirection == DimVertical && DimLetterDirection == HorizontalLetters) {
    half = 2 * H;
  } else if (DimDirection == DimAligned && DimLetterDirection == HorizontalLetters) {
    const Double s = std::fabs(std::sin(Theta)), c = std::fabs(std::cos(Theta));
    if (std::fabs(Slope) > H / TL)
      half = s == 0 ? TL / 2 : (H / 2) / s;
    else
      half = c == 0 ? H / 2 : (TL / 2) / c;
  } else if (DimDirection != DimHorizontal) {
    // Letters along the line: the gap is measured in from both ends.
    Double g = (DimValue - TL) * 0.5;
    if (g < 0) g = TL;
    T2 = Along(D1, g, Theta);
    T1 = Along(D2, -g, Theta);
    return;
  }
  T2 = Along(M, -half, Theta);
  T1 = Along(M, half, Theta);
}

Single TextRoom() {
  if (DimLetterDirection != HorizontalLetters) return DimTextLength;
  const Single TL = DimTextLength == 0 ? 1 : DimTextLength;
  const Single H = DimTextHeight, m = std::fabs(Slope);
  if (m > SteepSlope) return H;
  if (H / TL <= m) return static_cast<Single>(H / std::fabs(std::sin(Theta)));
  return TL;
}

// Base points set level for a horizontal or vertical dimension; the
// returned Delta lengthens the moved point's extension line.
Double LevelBasePoints(Integer& Moved) {
  Double delta = 0;
  Moved = 0;
  if (DimDirection == DimHorizontal) {
    delta = Slope >= 0 ? P1.Y - P2.Y : P2.Y - P1.Y;
    const Double y = DimOtherSide ? std::min(P1.Y, P2.Y) : std::max(P1.Y, P2.Y);
    Moved = P1.Y != y ? 1 : 2;
    P1.Y = P2.Y = y;
    Slope = 0;
  } else if (DimDirection == DimVertical) {
    delta = Slope >= 0 ? P1.X - P2.X : P2.X - P1.X;
    const Double x = DimOtherSide ? std::max(P1.X, P2.X) : std::min(P1.X, P2.X);
    Moved = P1.X != x ? 1 : 2;
    P1.X = P2.X = x;
    Slope = VerticalSlope;
  }
  return -std::fabs(delta);
}

}  // namespace

void BuildLinearDimension(Integer& First) {
  DimValue = MeasuredValue();
  if (DimValue == 0) {
    ShowStatus("DIMENSION is Zero Length!", PromptPanel);
    return;
  }
  DimPointRec ep = DimE;
  if (DimDirection == DimHorizontal) ep.Y = DimS.Y;
  if (DimDirection == DimVertical) ep.X = DimS.X;
  const DimPointRec loc = PlacedLocation(ep);
  if (DimMode == DimSingle) First = FlagTrue;

  DimText = FormatLength(DimValue);
  if (First)
    SetDimensionLetterSize(DimValue);
  else
    DimTextLength = DimTextRoom(DimText);
  SetLetterAngle(LineAngle(DimS.X, DimS.Y, ep.X, ep.Y));

  Slope = SlopeOf(DimS.X - DimE.X, DimS.Y - DimE.Y);
  P1 = DimS;
  P2 = DimE;
  if (P2.X < P1.X || (P2.X == P1.X && P2.Y < P1.Y)) SwapDimensionPoints();
  if (DimDirection == DimAligned) Theta = std::atan(Slope);
  if (DimDirection == DimHorizontal) Theta = 0;
  if (DimDirection == DimVertical) Theta = static_cast<Single>(HalfPiSingleDigits);

  const Single H = DimTextHeight;
  if (First) {
    DimensionSideTestProjected(loc);
    DimExtDistance = DimExtProximityFixed ? DimExtOffset + DimExtBelow : DimExtOffset + H;
    if (DimDirection == DimVertical && Slope < 0) DimOtherSide = DimOtherSide ? FlagFalse : FlagTrue;
  } else if (DimMode == DimCumulative) {
    DimExtDistance += std::max(2 * H, DimExtAbove + DimExtBelow);
  }
  if (DimDirection == DimVertical && P2.Y < P1.Y) SwapDimensionPoints();

  Integer moved = 0;
  const Double delta = LevelBasePoints(moved);
  const Double far = DimExtDistance + DimExtAbove;
  const Double near = DimWitnessMode == FixedWitness ? DimExtDistance - DimExtBelow : DimExtOffset;
  Double near1 = near, near2 = near;
  if (DimWitnessMode != FixedWitness && moved == 1) near1 += delta;
  if (DimWitnessMode != FixedWitness && moved == 2) near2 += delta;

  const Double phi = DimOtherSide ? Theta + ThreeHalvesPiSingleDigits : Theta + HalfPiSingleDigits;
  const DimPointRec D1 = Along(P1, DimExtDistance, phi), D2 = Along(P2, DimExtDistance, phi);
  const DimPointRec M{(D1.X + D2.X) / 2, (D1.Y + D2.Y) / 2};
  DimPointRec T1 = M, T2 = M;
  TextGap(M, D1, D2, T1, T2);

  const Double b = 2 * DimArrowLength * std::cos(DimArrowAngle);
  const Double room = DimValue - b;
  DimSpecialArrows = FlagTrue;
  const DimPointRec e1a = Along(P1, near1, phi), e1b = Along(P1, far, phi);
  const DimPointRec e2a = Along(P2, near2, phi), e2b = Along(P2, far, phi);
  AddDimensionLine(e1a.X, e1a.Y, e1b.X, e1b.Y);
  if (room > 0) {
    DrawArrowHead(D1.X, D1.Y, Theta + Pi);
    const bool gap = (DimLetterPlacement == DimInLine || DimLetterDirection == HorizontalLetters) && TextRoom() < room;
    if (gap) {
      AddDimensionLine(D1.X, D1.Y, T2.X, T2.Y);
      AddDimensionLine(D2.X, D2.Y, T1.X, T1.Y);
    } else {
      AddDimensionLine(D1.X, D1.Y, D2.X, D2.Y);
    }
    AddDimensionLine(e2a.X, e2a.Y, e2b.X, e2b.Y);
    DrawArrowHead(D2.X, D2.Y, Theta);
  } else {
    DrawArrowHead(D1.X, D1.Y, Theta);
    const DimPointRec U1 = Along(D1, b, Theta + Pi), U2 = Along(D2, b, Theta);
    AddDimensionLine(D1.X, D1.Y, U1.X, U1.Y);
    AddDimensionLine(D2.X, D2.Y, U2.X, U2.Y);
    AddDimensionLine(e2a.X, e2a.Y, e2b.X, e2b.Y);
    DrawArrowHead(D2.X, D2.Y, Theta + Pi);
  }
  const DimPointRec start = TextStart(M, T1, T2);
  if (!DimText.empty()) DrawDimensionText(DimText, start.X, start.Y);
}

void LinearDimensionCommand() {
  if (ToolStep == 0) {
    ShowStatus("Linear Dimension ", TitlePanel);
    DimSegmentStep = 2;
    DimStep = 2;
    ShowStatus("ENTER Starting Point > ", PromptPanel);
    return;
  }
  if (ToolStep == 1 && DimStep == 2) {
    TakeDimensionPoint(DimF);
    DimS = DimF;
    DimStep = 3;
    ShowStatus("ENTER Ending Point > ", PromptPanel);
    return;
  }
  if (ToolStep == 2 && DimStep == 3) {
    TakeDimensionPoint(DimE);
    DimStep = 4;
    ShowStatus("ENTER Location Of Dimension > ", PromptPanel);
    return;
  }
  if (ToolStep == 3 && DimStep == 4) {
    TakeDimensionPoint(DimLoc);
    DimFirstSegment = FlagTrue;
    DimStep = 5;
  }
  if (ToolStep <= DimSegmentStep || DimStep <= 4) return;
  if (DimStep == 6) {
    DimS = DimMode == DimCumulative ? DimF : DimE;
    TakeDimensionPoint(DimE);
  }
  BuildLinearDimension(DimFirstSegment);
  if (DimMode == DimSingle) {
    Integer accept = FlagTrue;
    EndDimensionCommand(accept);
    return;
  }
  // A zero-length first segment builds nothing: the chain still waits for its first.
  if (DimValue != 0) DimFirstSegment = FlagFalse;
  DimStep = 6;
  DimSegmentStep = ToolStep;
  ShowStatus("ENTER NEXT Ending Point > ", PromptPanel);
}

}  // namespace lintavo
