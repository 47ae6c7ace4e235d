// Dimension: the dimension dispatcher, its end, and the leader, radius and
// arc-angle dimensions.
#include "annotation/Dimension.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "annotation/DimAngular.h"
#include "annotation/DimLinear.h"
#include "annotation/DimPrimitives.h"
#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/Geometry.h"
#include "model/LayerItems.h"
#include "model/MainWindowLink.h"
#include "model/MessageBar.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/UndoRedo.h"
#include "model/ViewCache.h"
#include "picking/Identify.h"
#include "picking/Measure.h"
#include "platform/Numbers.h"
#include "view/DrawDispatch.h"
#include "view/Zooms.h"

namespace lintavo {

Integer DimKind = 0;
Integer DimActive = 0;
Integer& DimStep = DimWork.DimStep;
Integer& DimSegmentStep = DimWork.DimSegmentStep;
Integer& DimFirstSegment = DimWork.DimFirstSegment;
DimPointRec& DimF = DimWork.DimF;
DimPointRec& DimS = DimWork.DimS;
DimPointRec& DimE = DimWork.DimE;
DimPointRec& DimLoc = DimWork.DimLoc;
DimPointRec& DimC = DimWork.DimC;

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

// What the running command made itself: the drawing it began in, the
// dimension layer it had to make there, and the entities its steps appended.
// Other commands and dialogs may run between two steps (a save, Undo, the
// layer manager, another window), so the command's entities are kept as the
// runs of indexes each step appended, and nothing of the drawing's record or
// its undo position is remembered: those are not the command's to put back.
// The drawing's changed mark is given back with the layer only when nothing
// but the command marked or cleared it meanwhile.
struct OwnWorkRec {
  Integer DwgNo = 0;    // drawing the command began in
  KeptMark Mark;        // that drawing's changed mark when the command began
  Long MadeLayer = 0;   // Items index of the layer it made there; 0 when the layer was there already
  Integer Kind = 0;     // DimKind the command runs
  Long StepFrom = 0;    // first entity index the running step may append; 0 between steps
  std::vector<std::pair<Long, Long>> Runs;  // first and last index of the entities of each step
  size_t Shown = 0;     // runs drawn so far: a chain's segments are drawn as they are built
  bool RedrawnWaiting = false;  // its window was redrawn whole while its layer was lent there
};
OwnWorkRec Own;

// The entities the running step appended become the command's own.
void NoteStepEntities() {
  if (Own.StepFrom > 0 && ObjCount >= Own.StepFrom) Own.Runs.emplace_back(Own.StepFrom, ObjCount);
  Own.StepFrom = 0;
}

// Calls visit(i) for each entity the command appended, in the runs from
// run From on, that is still in the table.
template <typename Visit>
void ForEachOwnEntity(Visit&& visit, size_t From = 0) {
  for (size_t r = From; r < Own.Runs.size(); ++r) {
    const auto& [first, last] = Own.Runs[r];
    for (Long i = first; i <= std::min(last, ObjCount); ++i) visit(i);
  }
}

// Draws in the active window the entities of the runs not drawn yet: each
// is drawn once, as it is stored, when its step has built it.
void DrawNewOwnEntities() {
  const Integer current = CurDwg;
  if (ActiveDoc) {
    ForEachOwnEntity(
        [current](Long i) {
          if (Objs[i].DwgNo == current && !Objs[i].Erased) DrawObject(i);
        },
        Own.Shown);
  }
  Own.Shown = Own.Runs.size();
}

// Whether the command has built anything that is still in a drawing (an
// entity refused for a point that is not finite left its drawing).
bool BuiltAnything() {
  bool built = false;
  ForEachOwnEntity([&built](Long i) { built = built || Objs[i].DwgNo >= 1; });
  return built;
}

// The finished dimension is shown at once: its entities not drawn yet are
// drawn in the active window; the window of another drawing that got some
// (points clicked there meanwhile) is redrawn whole, and the active one after it.
void DrawOwnEntities() {
  DrawingWindow* here = ActiveDocForm();
  const Integer current = CurDwg;
  std::array<bool, MaxDwgNo + 1> elsewhere{};  // by drawing number
  ForEachOwnEntity([&](Long i) {
    const Integer dwg = Objs[i].DwgNo;
    if (IsOpenDrawingNumber(dwg) && dwg != current) elsewhere[static_cast<size_t>(dwg)] = true;
  });
  bool redrawn = false;
  for (Integer dwg = 1; dwg <= MaxDwgNo; ++dwg) {
    DrawingWindow* window = elsewhere[static_cast<size_t>(dwg)] ? WindowOfDrawing(dwg) : nullptr;
    if (!window) continue;
    RefreshDocView(window);
    redrawn = true;
  }
  if (redrawn) {
    if (here) RefreshDocView(here);
    return;
  }
  DrawNewOwnEntities();
}

// Takes back the layer the command made while the command has built
// nothing (so nothing lies on it), and while it is still a layer of its
// drawing that no save has stored: a stored layer belongs to the stored
// drawing now.
void TakeBackMadeLayer() {
  const Long layer = Own.MadeLayer;
  if (!IsLayerOfDrawing(layer, Own.DwgNo) || Items[layer].ObjectID != 0 || BuiltAnything()) return;
  Own.Mark.Own([layer] {
    DwgRec& dwg = Dwgs[Own.DwgNo];
    if (dwg.Nobjects > 0) --dwg.Nobjects;
    if (dwg.Nlayers > 0) --dwg.Nlayers;
    DeleteLayerObjs(layer);
  });
  Own.Mark.GiveBack();
}

// FindObjAt judged by the layer current before the command made its
// dimension layer current: the circle the user sees on the top layer is
// found in View Top Layer, where only the current layer may be picked.
void FindObjAtOnUserLayer(Long& ObjNo, Double X, Double Y, Double& Dist) {
  DrawingWindow* window = ActiveDocForm();
  const Long kept = window ? window->Current_Layer : 0;
  if (window) window->Current_Layer = LayerBeforeDimension(window);
  FindObjAt(ObjNo, X, Y, Dist);
  if (window) window->Current_Layer = kept;
}

// A full redraw of the command's window while its layer is lent there shows
// the dimension layer whole, other dimensions on it too, beside the user's
// layer: noted, for the end to take away what the layer put back hides.
void NoteRedrawWhileWaiting() {
  if (DimActive && IsLayerLentIn(ActiveDocForm())) Own.RedrawnWaiting = true;
}

// Redraws Window whole; the drawing window that was the surface is the
// surface again after it, redrawn too when it is another.
void RedrawCommandWindow(DrawingWindow* Window) {
  DrawingWindow* here = ActiveDocForm();
  RefreshDocView(Window);
  if (here && here != Window) RefreshDocView(here);
}

// From the start the command's window shows what a redraw would show while
// its layer is lent there: in View Top Layer the dimension layer beside the
// user's, drawn afresh (the redraw hook notes it, so the end takes away what
// the layer put back hides); and the status bar names the dimension layer,
// as every redraw of the wait names it.
void ShowTheLentLayer() {
  DrawingWindow* window = ActiveDocForm();
  if (!window || !IsLayerLentIn(window) || UserLayerOf(window) == window->Current_Layer) return;
  if (!window->View_Layers) {
    RedrawCommandWindow(window);
    return;
  }
  MainWindowLink* main = MainLink();
  if (main && window == main->ActiveDrawingWindow()) ShowLayerStatus();
}

// Whether something the command built in the current drawing is hidden now.
bool BuiltIsHidden() {
  bool hidden = false;
  const Integer current = CurDwg;
  ForEachOwnEntity([&hidden, current](Long i) {
    hidden = hidden || (Objs[i].DwgNo == current && !Objs[i].Erased && !IsObjLayerVisible(i));
  });
  return hidden;
}

// The current layer put back (in PutBackIn, nullptr when it went back
// nowhere) may hide what the window shows of the dimension layer, as in View
// Top Layer only the current layer shows: the whole layer, when the window
// was redrawn while the command waited, however the command ends; what an
// accepted command built, drawn as it was built. The window is then redrawn,
// so that it shows what the layer mode shows.
void RedrawWhereTheLayerPutBackHides(bool Accepted, DrawingWindow* PutBackIn) {
  if (Own.RedrawnWaiting && PutBackIn && !PutBackIn->View_Layers) {
    RedrawCommandWindow(PutBackIn);
    return;
  }
  if (Accepted && BuiltIsHidden()) RefreshActiveView();
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
  FindObjAtOnUserLayer(objNo, x, y, dist);
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
  // Another kind dispatched while a dimension runs (a choice from the menu
  // ends the running one as Esc does before it gets here): what the running
  // one built is kept, and the new kind starts afresh.
  if (DimActive && DimKind != Own.Kind) AcceptDimension();
  if (!DimActive) {
    ActiveTool = ToolDimension;
    BeginCommand(DimActive);
    Own = OwnWorkRec{};
    Own.DwgNo = CurDwg;
    Own.Mark.Keep(CurDwg);
    const Long items = ItemCount;
    Own.Mark.Own(BeginDimensionSettings);
    Own.MadeLayer = ItemCount > items ? ItemCount : 0;
    Own.Kind = DimKind;
    DimStep = 1;
    ShowTheLentLayer();
  }
  Own.StepFrom = ObjCount + 1;
  RunStepRoutine();
  NoteStepEntities();
  // A chain goes on after each segment: what the step built is shown now,
  // so the user sees each segment as it is made.
  if (DimActive) DrawNewOwnEntities();
}

void EndDimensionCommand(Integer& Accept) {
  NoteStepEntities();
  ClearPrompts();
  if (Accept)
    DrawOwnEntities();
  else
    TakeBackMadeLayer();
  DrawingWindow* putBackIn = EndDimensionSettings();
  RedrawWhereTheLayerPutBackHides(Accept != 0, putBackIn);
  EndCommand(DimActive);
}

bool DimensionWaitsIn(Long DwgNo) { return DimActive && Own.DwgNo == DwgNo; }

void ResetDimension() {
  DimKind = 0;
  DimActive = 0;
  Own = OwnWorkRec{};
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
// Esc drops an unfinished dimension; the finished segments of a chain stay,
// wherever the Esc was pressed. Another tool keeps what was built.
void CancelDimension() {
  if (!DimActive) return;
  Integer keep = BuiltAnything() ? FlagTrue : FlagFalse;
  EndDimensionCommand(keep);
}
void LeaveDimension() {
  if (DimActive) AcceptDimension();
}
void PlugDimension() { RegisterRedrawHook(NoteRedrawWhileWaiting); }
const ModuleRegistrar Registered({"Dimension",
                                  FloorAnnotation,
                                  ResetDimension,
                                  {ToolDimension, &DimActive, DoDimensionCommand, LeaveDimension, CancelDimension},
                                  PlugDimension});
}  // namespace

}  // namespace lintavo
