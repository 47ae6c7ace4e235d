// DimAngular: the angular dimension command and its builder.
#include "annotation/DimAngular.h"

#include <cmath>

#include "annotation/DimLinear.h"
#include "annotation/DimPrimitives.h"
#include "annotation/Dimension.h"
#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/MessageBar.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "picking/Measure.h"

namespace lintavo {

namespace {

constexpr Integer FixedWitness = 2;  // DimWitnessMode: extension lines of fixed length

bool& OnArc = DimWork.OnArc;
Double& ArcRadius = DimWork.ArcRadius;

DimPointRec OnCircle(Double R, Double Angle) {
  DimPointRec p = DimC;
  PolarPoint(R, p.X, p.Y, Angle);
  return p;
}

// Start and end angles, counter-clockwise from A1 to A2.
void SweepAngles(Single& A1, Single& A2) {
  A1 = LineAngleD(DimC.X, DimC.Y, DimS.X, DimS.Y);
  A2 = LineAngleD(DimC.X, DimC.Y, DimE.X, DimE.Y);
  if (OnArc) {
    const Single aF = LineAngleD(DimC.X, DimC.Y, DimF.X, DimF.Y);
    const Single aS = A1, aE = A2;
    A1 = aF;
    A2 = aE;
    if ((aS < aF && aE < aS) || (aF < aE && (aE < aS || aS < aF))) std::swap(A1, A2);
    DimS = DimF;
  }
  if (A2 < A1) A1 -= TwoPiSingle;
}

// Counter-clockwise turn from angle From to angle To, in [0, 2 pi).
Double TurnFrom(Double From, Double To) {
  const Double turn = std::fmod(To - From, 2 * Pi);
  return turn < 0 ? turn + 2 * Pi : turn;
}

// The angle of the middle point of the piece of dimension arc that runs
// counter-clockwise from Start to End. A piece beside the text gap takes its
// middle a quarter of the sweep in from the gap; when the gap is so wide that
// this falls outside the piece, the three points would describe the rest of
// the circle, so the piece takes its own middle instead.
Double PieceMiddle(Double Start, Double End, Double Preferred) {
  const Double span = TurnFrom(Start, End);
  const Double into = TurnFrom(Start, Preferred);
  return into > 0 && into < span ? Preferred : Start + span / 2;
}

}  // namespace

void BuildAngularDimension(Integer& First) {
  Single a1 = 0, a2 = 0;
  SweepAngles(a1, a2);
  const Double am = a1 + (a2 - a1) / 2;
  const Double q = std::fabs(a2 - a1) / 4;
  Single sweep = std::fabs(a2 - a1);
  DimText = FormatAngleValue(sweep);
  const Double r = std::hypot(DimS.X - DimC.X, DimS.Y - DimC.Y);
  SetDimensionLetterSize(r);
  const Single H = DimTextHeight;
  DimTextAngle = 0;
  const Double textRoom = 2 * H + std::fabs(std::sin(am)) * DimTextLength;

  if (First) {
    const Double k = DimExtProximityFixed ? DimExtOffset + DimExtBelow : H + H / 2;
    const bool outside = std::hypot(DimLoc.X - DimC.X, DimLoc.Y - DimC.Y) > r;
    DimOtherSide = outside ? FlagFalse : FlagTrue;
    ArcRadius = outside ? r + k : r - k;
  } else if (DimMode == DimCumulative) {
    ArcRadius += DimOtherSide ? -H : H;
  }
  const Double R = ArcRadius;
  const Double far = R + DimExtAbove;
  const Double near = DimWitnessMode == FixedWitness ? R - DimExtBelow : DimExtOffset;
  const DimPointRec e2a = OnCircle(near, a1), e2b = OnCircle(far, a1);
  const DimPointRec e1a = OnCircle(near, a2), e1b = OnCircle(far, a2);
  const DimPointRec D2 = OnCircle(R, a1), D1 = OnCircle(R, a2), M = OnCircle(R, am);
  DimSpecialArrows = FlagFalse;

  AddDimensionLine(e2a.X, e2a.Y, e2b.X, e2b.Y);
  DrawArrowHead(D2.X, D2.Y, a1 - Pi / 2);
  const Double chord = std::hypot(D1.X - D2.X, D1.Y - D2.Y);
  if (chord <= textRoom) {
    AddDimensionArc(D2.X, D2.Y, M.X, M.Y, D1.X, D1.Y);
  } else {
    const Double b = LineAngle(D1.X, D1.Y, D2.X, D2.Y);
    const Double t = textRoom / 2;
    DimPointRec m1 = M, m2 = M;
    PolarPoint(-t, m1.X, m1.Y, b);
    PolarPoint(t, m2.X, m2.Y, b);
    const Double g1 = LineAngle(DimC.X, DimC.Y, m1.X, m1.Y);
    const Double g2 = LineAngle(DimC.X, DimC.Y, m2.X, m2.Y);
    const DimPointRec G1 = OnCircle(R, g1), G2 = OnCircle(R, g2);
    const DimPointRec Q1 = OnCircle(R, PieceMiddle(g1, a2, g1 + q));
    const DimPointRec Q2 = OnCircle(R, PieceMiddle(a1, g2, g2 - q));
    AddDimensionArc(D2.X, D2.Y, Q2.X, Q2.Y, G2.X, G2.Y);
    AddDimensionArc(G1.X, G1.Y, Q1.X, Q1.Y, D1.X, D1.Y);
  }
  AddDimensionLine(e1a.X, e1a.Y, e1b.X, e1b.Y);
  DrawArrowHead(D1.X, D1.Y, a2 + Pi / 2);
  if (chord <= textRoom)
    DrawDimensionText(DimText, M.X, M.Y);
  else
    DrawDimensionText(DimText, M.X - DimTextLength / 2, M.Y - H / 2);
}

void AngularDimensionCommand() {
  if (ToolStep == 0) {
    ShowStatus("Angular Dimension ", TitlePanel);
    DimSegmentStep = 1;
    DimStep = 2;
    ShowStatus("Select a Circle or Arc ", PromptPanel);
    return;
  }
  if (DimStep == 2) {
    const Long objNo = PickDimensionObject(false);
    if (objNo == 0) return;
    const PntRec* p = &Pnts[Objs[objNo].PointID];
    DimC = {p[0].X, p[0].Y};
    OnArc = Objs[objNo].Rtype == EntityArc;
    if (OnArc) {
      DimF = {p[1].X, p[1].Y};
      DimS = {p[2].X, p[2].Y};
      DimE = {p[3].X, p[3].Y};
      DimStep = 5;
      ShowStatus("ENTER Location Of Dimension > ", PromptPanel);
    } else {
      DimStep = 3;
      ShowStatus("ENTER First Point on Radius", PromptPanel);
    }
    return;
  }
  if (ToolStep > 1 && DimStep == 3) {
    TakeDimensionPoint(DimF);
    DimS = DimF;
    DimStep = 4;
    ShowStatus("ENTER Next Point on Radius", PromptPanel);
    return;
  }
  if (ToolStep > 2 && DimStep == 4) {
    TakeDimensionPoint(DimE);
    ShowStatus(" ", ResultPanel);
    DimStep = 5;
    DimSegmentStep = ToolStep;
    ShowStatus("ENTER Location Of Dimension > ", PromptPanel);
    return;
  }
  if (ToolStep > DimSegmentStep && DimStep == 5) {
    TakeDimensionPoint(DimLoc);
    DimFirstSegment = FlagTrue;
    DimStep = 6;
  }
  if (ToolStep <= DimSegmentStep || DimStep <= 5) return;
  if (DimStep == 7) {
    DimSegmentStep = ToolStep;
    DimS = DimMode == DimCumulative ? DimF : DimE;
    TakeDimensionPoint(DimE);
  }
  BuildAngularDimension(DimFirstSegment);
  if (!OnArc && DimMode != DimSingle) {
    DimFirstSegment = FlagFalse;
    DimStep = 7;
    ShowStatus("ENTER Next Point on Radius", PromptPanel);
    return;
  }
  Integer accept = FlagTrue;
  EndDimensionCommand(accept);
}

}  // namespace lintavo
