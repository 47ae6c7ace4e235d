// Dimension: the dimension dispatcher, its end, and the leader, radius and
// arc-angle dimensions.
#include "annotation/Dimension.h"

#include <cmath>

#include "annotation/DimAngular.h"
#include "annotation/DimLinear.h"
#include "annotation/DimPrimitives.h"
#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/Geometry.h"
#include "model/MessageBar.h"
#include "model/ObjIndex.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "picking/Identify.h"
#include "picking/Measure.h"
#include "platform/Numbers.h"
#include "view/DrawDispatch.h"

namespace lintavo {

Integer DimKind = 0;
Integer DimActive = 0;
Integer DimStep = 0;
Integer DimSegmentStep = 0;
Integer DimFirstSegment = 0;
DimPointRec DimF, DimS, DimE, DimLoc, DimC;

String DimFontName;
String DimLayerName;
Integer DimArrowClosed = 0;
Integer DimExtProximityFixed = 0;
Integer DimFixedLetterHeight = 0;
Integer DimMode = 0;
Integer DimDirection = 0;
Integer DimLetterDirection = 0;
Integer DimLetterPlacement = 0;
Integer DimArrowType = 0;
Integer DimWitnessMode = 0;
Integer DimArrowSize = 0;
Long DimLineColor = 0;
Long DimLetterColor = 0;
Single DimLetterHeight = 0;
Single DimLetterWidth = 0;
Single DimArrowAngle = 0;
Single DimArrowLength = 0;
Single DimExtOffset = 0;
Single DimExtAbove = 0;
Single DimExtBelow = 0;
Single DimLeaderLength = 0;

namespace {

// What the command changed that Esc puts back: the table counts, the
// drawing's record (its counts, extents and undo position) and its changed flag.
struct CutBackRec {
  Long Pnts = 0, Objs = 0, Items = 0;
  DwgRec Drawing;
  Integer Dirty = 0;
  Integer Kind = 0;  // DimKind the command runs
};
CutBackRec Start;

void RememberStart() {
  Start.Pnts = PntCount;
  Start.Objs = ObjCount;
  Start.Items = ItemCount;
  Start.Drawing = Dwgs[CurDwg];
  const DrawingWindow* window = ActiveDocForm();
  Start.Dirty = window ? window->IsDirty : 0;
  Start.Kind = DimKind;
}

void CutBack() {
  PntCount = LastPnt = Start.Pnts;
  ObjCount = LastObj = Start.Objs;
  ItemCount = Start.Items;
  if (CurItem > ItemCount) CurItem = ItemCount;
  Dwgs[CurDwg] = Start.Drawing;
  if (DrawingWindow* window = ActiveDocForm()) window->IsDirty = Start.Dirty;
  ObjIndexCutBack();
}

void DrawNewObjects() {
  if (!ActiveDoc) return;
  for (Long i = Start.Objs + 1; i <= ObjCount; ++i)
    if (Objs[i].DwgNo == CurDwg && !Objs[i].Erased) DrawObject(i);
}

// Whether the command has built anything in the current drawing (glyphs
// loaded meanwhile belong to no drawing).
bool BuiltAnything() {
  for (Long i = Start.Objs + 1; i <= ObjCount; ++i)
    if (Objs[i].DwgNo == CurDwg) return true;
  return false;
}

void AcceptDimension() {
  Integer accept = FlagTrue;
  EndDimensionCommand(accept);
}

// ---- Leader, radius and arc angle ---------------------------------------------------

// Leg from the circle toward the location, the tail, the arrowhead at the
// circle; T gets the tail end. Right: the tail runs to the right.
void AddRadialLeader(Double Radius, DimPointRec& T, bool& Right) {
  const Double leg = DimFixedLetterHeight ? DimLeaderLength : Radius / 2;
  const Double a = LineAngleD(DimC.X, DimC.Y, DimLoc.X, DimLoc.Y);
  DimS = DimC;
  PolarPoint(Radius, DimS.X, DimS.Y, a);
  DimE = DimS;
  PolarPoint(leg, DimE.X, DimE.Y, a);
  AddDimensionLine(DimS.X, DimS.Y, DimE.X, DimE.Y);
  Right = DimE.X >= DimS.X;
  T = DimE;
  PolarPoint(leg, T.X, T.Y, Right ? 0 : Pi);
  AddDimensionLine(DimE.X, DimE.Y, T.X, T.Y);
  DimSpecialArrows = FlagFalse;
  DrawArrowHead(DimS.X, DimS.Y, LineAngleD(DimE.X, DimE.Y, DimS.X, DimS.Y));
  DimTextAngle = 0;
}

void LeaderDimensionCommand() {
  if (ToolStep == 0) {
    ShowStatus("Dimensioning Leader", TitlePanel);
    DimSegmentStep = 1;
    DimStep = 2;
    ShowStatus("Set Starting Point ", PromptPanel);
  } else if (DimStep == 2) {
    TakeDimensionPoint(DimF);
    DimStep = 3;
    ShowStatus("ENTER Elbow Point", PromptPanel);
  } else if (ToolStep > 1 && DimStep == 3) {
    TakeDimensionPoint(DimS);
    const Double tail = DimF.X <= DimS.X ? 0 : Pi;
    DimE = DimS;
    PolarPoint(DimLeaderLength, DimE.X, DimE.Y, tail);
    DimSpecialArrows = FlagFalse;
    AddDimensionLine(DimF.X, DimF.Y, DimS.X, DimS.Y);
    AddDimensionLine(DimS.X, DimS.Y, DimE.X, DimE.Y);
    DrawArrowHead(DimF.X, DimF.Y, LineAngleD(DimS.X, DimS.Y, DimF.X, DimF.Y));
    AcceptDimension();
  }
}

void BuildRadiusDimension() {
  const Double radius = std::hypot(DimF.X - DimC.X, DimF.Y - DimC.Y);
  DimText = "r" + FormatLength(radius);
  SetDimensionLetterSize(radius);
  DimPointRec tail;
  bool right = true;
  AddRadialLeader(radius, tail, right);
  DrawDimensionText(DimText, right ? tail.X : tail.X - DimTextLength, tail.Y);
}

// The text is the arc's own sweep, as Measure, Arc gives it: the turn from
// its start through its middle to its end, whichever way round the arc is
// stored (the arc commands and the fillet store their ends in either order).
void BuildArcAngleDimension() {
  const Double a1 = LineAngleD(DimC.X, DimC.Y, DimF.X, DimF.Y);
  const Double middle = LineAngleD(DimC.X, DimC.Y, DimS.X, DimS.Y);
  const Double a2 = LineAngleD(DimC.X, DimC.Y, DimE.X, DimE.Y);
  const Double radius = std::hypot(DimF.X - DimC.X, DimF.Y - DimC.Y);
  Single sweep = ToSingle(ArcSweep(a1, middle, a2));
  DimText = FormatAngleValue(sweep);
  SetDimensionLetterSize(radius);
  DimPointRec tail;
  bool right = true;
  AddRadialLeader(radius, tail, right);
  const Double x = tail.X + DimTextHalfWidth - (right ? 0 : DimTextLength);
  DrawDimensionText(DimText, x, tail.Y);
}

// Radius (ArcsOnly false) and arc angle (true): an object, then the location.
void RadialDimensionCommand(bool ArcsOnly) {
  if (ToolStep == 0) {
    ShowStatus(ArcsOnly ? "Arc Angle Dimension " : "Radius Dimension ", TitlePanel);
    DimSegmentStep = 1;
    DimStep = 2;
    ShowStatus(ArcsOnly ? "Select an Arc " : "Select a Circle or Arc ", PromptPanel);
  } else if (DimStep == 2) {
    const Long objNo = PickDimensionObject(ArcsOnly);
    if (objNo == 0) return;
    const PntRec* p = &Pnts[Objs[objNo].PointID];
    DimC = {p[0].X, p[0].Y};
    DimF = {p[1].X, p[1].Y};
    if (ArcsOnly) {
      DimS = {p[2].X, p[2].Y};
      DimE = {p[3].X, p[3].Y};
    }
    DimStep = 3;
    ShowStatus(ArcsOnly ? "ENTER Location Of Dimension > " : "ENTER Location Of Dimension", PromptPanel);
  } else if (ToolStep > 1 && DimStep == 3) {
    TakeDimensionPoint(DimLoc);
    if (ArcsOnly)
      BuildArcAngleDimension();
    else
      BuildRadiusDimension();
    AcceptDimension();
  }
}

void RadiusDimensionCommand() { RadialDimensionCommand(false); }
void ArcDimensionCommand() { RadialDimensionCommand(true); }

void RunStepRoutine() {
  switch (DimKind) {
    case DimLinear: LinearDimensionCommand(); break;
    case DimAngular: AngularDimensionCommand(); break;
    case DimLeader: LeaderDimensionCommand(); break;
    case DimRadius: RadiusDimensionCommand(); break;
    case DimArcAngle: ArcDimensionCommand(); break;
    default: break;
  }
}

}  // namespace

void TakeDimensionPoint(DimPointRec& P) { TakePickPoint(P.X, P.Y); }

Long PickDimensionObject(bool ArcsOnly) {
  Double x = 0, y = 0;
  TakePickPoint(x, y);
  Long objNo = 0;
  Double dist = 0;
  FindObjAt(objNo, x, y, dist);
  if (objNo < 1 || objNo > ObjCount || ToSingle(dist) > PickTolerance) {
    ShowStatus("Line NOT Found, Try Again", ResultPanel);
    ToolStep = 0;
    return 0;
  }
  ClearPanel(ResultPanel);
  const Integer type = Objs[objNo].Rtype;
  const bool wanted = type == EntityArc || (!ArcsOnly && type == EntityCircle);
  if (!wanted) {
    ShowStatus(ArcsOnly ? "Line NOT an Arc, Try Again" : "Line NOT Circle or Arc, Try Again", ResultPanel);
    ToolStep = 0;
    return 0;
  }
  DimF = {x, y};
  return objNo;
}

void DoDimensionCommand() {
  // Another kind chosen from the menu while a dimension runs: what the
  // running one built is kept, and the new kind starts afresh.
  if (DimActive && DimKind != Start.Kind) AcceptDimension();
  if (!DimActive) {
    ActiveTool = ToolDimension;
    BeginCommand(DimActive);
    RememberStart();
    BeginDimensionSettings();
    DimStep = 1;
  }
  RunStepRoutine();
}

void EndDimensionCommand(Integer& Accept) {
  ClearPrompts();
  if (Accept)
    DrawNewObjects();
  else
    CutBack();
  EndDimensionSettings();
  EndCommand(DimActive);
}

void ResetDimension() {
  DimKind = 0;
  DimActive = 0;
  DimStep = DimSegmentStep = DimFirstSegment = 0;
  DimF = DimS = DimE = DimLoc = DimC = DimPointRec{};
  Start = CutBackRec{};
  DimFontName.clear();
  DimLayerName.clear();
  DimArrowClosed = DimExtProximityFixed = DimFixedLetterHeight = 0;
  DimMode = DimDirection = DimLetterDirection = DimLetterPlacement = 0;
  DimArrowType = DimWitnessMode = DimArrowSize = 0;
  DimLineColor = DimLetterColor = 0;
  DimLetterHeight = DimLetterWidth = DimArrowAngle = DimArrowLength = 0;
  DimExtOffset = DimExtAbove = DimExtBelow = DimLeaderLength = 0;
}

namespace {
// Esc drops an unfinished dimension; the finished segments of a chain stay.
// Another tool keeps what was built.
void CancelDimension() {
  if (!DimActive) return;
  Integer keep = BuiltAnything() ? FlagTrue : FlagFalse;
  EndDimensionCommand(keep);
}
void LeaveDimension() {
  if (DimActive) AcceptDimension();
}
const ModuleRegistrar Registered({"Dimension",
                                  FloorAnnotation,
                                  ResetDimension,
                                  {ToolDimension, &DimActive, DoDimensionCommand, LeaveDimension, CancelDimension}});
}  // namespace

}  // namespace lintavo
