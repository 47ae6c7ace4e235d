// LineDraw: the line drawing commands: points, lines, shapes and curves drawn from snapped clicks.
//
// Sections:
//   Command state
//   Helpers
//   Step helpers
//   Points and lines
//   Continuous line
//   Sub-commands
//   Dispatcher and end
//   Reset
#include "commands/LineDraw.h"

#include <cmath>
#include <iterator>
#include <numbers>

#include "commands/LineDrawCurves.h"
#include "commands/LineDrawShapes.h"
#include "commands/Trims.h"
#include "model/DrawingWindow.h"
#include "model/Geometry.h"
#include "model/MessageBar.h"
#include "model/ObjIndex.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "platform/Pointers.h"
#include "platform/Services.h"
#include "view/DisplayOptions.h"
#include "view/DrawDispatch.h"
#include "view/SurfaceDraw.h"
#include "view/Zooms.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------

Integer LineDrawActive = 0;
Integer LineDrawPrevCommand = 0;
Integer LineDrawDone = 0;
Integer LineDrawSavedConPnts = 0;

std::array<WorldXY, 5> LineDrawPoints{};
Double ChainStartX = 0, ChainStartY = 0;
Integer ChainFirstSegment = 0;
Long ChainObj = 0;
Integer LineDrawLastStep = 0;

Double DoubleLineWidth1 = 0;
Single DoubleLineWidth2 = 0;
Single SolidLineWidth = 0;

// ---- Helpers -----------------------------------------------------------------------

namespace {

// A continuous line ends by itself once its polyline has more vertices than this.
constexpr Integer ChainVertexLimit = 99;

// Prompts of the point and line commands, shown exactly so.
const char* const PromptStartOfLine = "Enter Starting Point of LINE";
const char* const PromptEndOfLine = "Enter Ending Point of LINE";

WorldXY& P(Integer n) { return LineDrawPoints[n]; }


// A repeating command after its object: the first prompt, the next click a new first point.
void WaitForNextObject() {
  ShowStatus(PromptStartOfLine, 2);
  ToolStep = 0;
}


// Steps 0 and 1 shared by the single, double and solid line: false once the
// second point is clicked and the step routine goes on.
bool TakeFirstPointOfLine() {
  if (ToolStep == 0) {
    ShowLineDrawStart(PromptStartOfLine);
    return true;
  }
  if (ToolStep == 1) {
    TakeLineDrawPoint(1);
    ShowStatus(PromptEndOfLine, 2);
    return true;
  }
  return false;
}

// The drawing window's pointer while the module runs: the system cross, or
// none so that only the program's own crosshair shows.
void SetDrawingPointer() {
  DrawingWindow* window = ActiveDocForm();
  if (!window) return;
  if (ShowRealCursor) {
    window->SetMousePointer(vbCrosshair);
    return;
  }
  // A missing or unreadable cursor file gives the blank pointer built in.
  window->SetPointerCursor(PointerCursor(vbCustom, LoadCursorFile(AppFilePath("Blank.cur"), BlankCursor())));
}

}  // namespace

void AddLineEntity(Double X1, Double Y1, Double X2, Double Y2) {
  AddObj(EntityLine, 2);
  AddPnt(X1, Y1);
  AddPnt(X2, Y2);
  DrawObject(ObjCount);
}

// ---- Step helpers ------------------------------------------------------------------------

void TakeLineDrawPoint(Integer n) { TakePickPoint(P(n).X, P(n).Y); }

void ShowLineDrawStart(const char* prompt) {
  ShowStatus(LineDrawTitle(LineDrawCommand), 1);
  ShowStatus(prompt, 2);
}

void FinishLineDrawCommand() {
  LineDrawDone = FlagTrue;
  EndLineDrawCommand();
  RedrawView();
}

bool SameLineDrawPoint(const WorldXY& a, const WorldXY& b) {
  return std::fabs(a.Y - b.Y) + std::fabs(a.X - b.X) <= SamePointLimit;
}

bool CloseOnChainStart(WorldXY& p) {
  if (std::fabs(static_cast<Single>(p.X - ChainStartX)) >= PickTolerance ||
      std::fabs(static_cast<Single>(p.Y - ChainStartY)) >= PickTolerance)
    return false;
  p = {ChainStartX, ChainStartY};
  return true;
}

bool ChainCanGrow() {
  if (ChainObj < 1 || ChainObj != ObjCount) return false;
  const ObjRec& obj = Objs[ChainObj];
  return obj.DwgNo == CurDwg && obj.Show && !obj.Erased && obj.PointID + obj.NPoints - 1 == PntCount;
}

void AppendChainPoint(const WorldXY& p) {
  AddPnt(p.X, p.Y);
  ++Objs[ChainObj].NPoints;
  ObjPointsChanged(ChainObj);
}

// ---- Points and lines -----------------------------------------------------------------

namespace {

// The point itself carries no construction cross.
void DrawPointCmd() {
  ShowConPnts = FlagFalse;
  if (ToolStep == 0) {
    ShowLineDrawStart("Enter a Point");
    return;
  }
  TakeLineDrawPoint(1);
  AddObj(EntityPoint, 1);
  AddPnt(P(1).X, P(1).Y);
  DrawObject(ObjCount);
  ToolStep = 0;
}

void DrawSingleLine() {
  if (TakeFirstPointOfLine()) return;
  TakeLineDrawPoint(2);
  AddLineEntity(P(1).X, P(1).Y, P(2).X, P(2).Y);
  WaitForNextObject();
}

// The first line lies DoubleLineWidth1 to the left of P1->P2, the second
// DoubleLineWidth2 to the right; the clicked line itself is not stored.
void DrawDoubleLine() {
  if (TakeFirstPointOfLine()) return;
  TakeLineDrawPoint(2);
  const WorldXY p1 = P(1), p2 = P(2);
  if (DoubleLineWidth1 > 0 || DoubleLineWidth2 > 0) {
    const Single a = LineAngle(p1.X, p1.Y, p2.X, p2.Y) + std::numbers::pi_v<Single> / 2;
    const Single c = std::cos(a), s = std::sin(a);
    const Double w1 = DoubleLineWidth1, w2 = DoubleLineWidth2;
    AddLineEntity(p1.X + w1 * c, p1.Y + w1 * s, p2.X + w1 * c, p2.Y + w1 * s);
    AddLineEntity(p1.X - w2 * c, p1.Y - w2 * s, p2.X - w2 * c, p2.Y - w2 * s);
    DrawConPntMark(p1.X, p1.Y);
    DrawConPntMark(p2.X, p2.Y);
  } else {
    ShowStatus("Zero Double Line Width!!", 3);
    AddLineEntity(p1.X, p1.Y, p2.X, p2.Y);
  }
  WaitForNextObject();
}

// The new line's width is the solid width; CurLineWidth is 0 afterwards.
void DrawSolidLine() {
  if (TakeFirstPointOfLine()) return;
  TakeLineDrawPoint(2);
  if (SolidLineWidth > 0 && SolidLineWidth < SolidLineWidthLimit) {
    CurLineWidth = SolidLineWidth;
  } else {
    ShowStatus("Zero Solid Line Width!!", 3);
    CurLineWidth = 0;
  }
  AddLineEntity(P(1).X, P(1).Y, P(2).X, P(2).Y);
  CurLineWidth = 0;
  WaitForNextObject();
}

// From the clicked end through the axis point to the end's mirror image.
void DrawReferenceLine() {
  if (ToolStep == 0) {
    ShowLineDrawStart("Enter Axis Point of LINE");
    return;
  }
  if (ToolStep == 1) {
    TakeLineDrawPoint(1);
    ShowStatus(PromptEndOfLine, 2);
    return;
  }
  TakeLineDrawPoint(2);
  P(3).X = P(1).X - P(2).X + P(1).X;
  P(3).Y = P(1).Y - P(2).Y + P(1).Y;
  AddObj(EntityLine, 2);
  AddPnt(P(2).X, P(2).Y);
  AddPnt(P(3).X, P(3).Y);
  Objs[ObjCount].Ltype = 3;
  DrawObject(ObjCount);
  FinishLineDrawCommand();
}

}  // namespace

// ---- Continuous line ------------------------------------------------------------------

namespace {

// Corner mode: every segment an object of its own, joined to the one
// before by the corner command; the next segment starts at the free end of
// the piece the corner command left last.
void AddCornerSegment() {
  AddLineEntity(P(1).X, P(1).Y, P(2).X, P(2).Y);
  if (!ChainFirstSegment) {
    if (AutoFillet)
      CornerFillet(ObjCount - 1, ObjCount);
    else
      CornerChamfer(ObjCount - 1, ObjCount);
  }
  const PntRec& end = Pnts[Objs[ObjCount].PointID + 1];
  P(1).X = end.X;
  P(1).Y = end.Y;
}

// Plain mode: the whole chain one polyline, a polygon once closed.
void AddPlainVertex() {
  if (ChainFirstSegment || !ChainCanGrow()) {
    AddObj(EntityPolyline, 1);
    AddPnt(P(1).X, P(1).Y);
    ChainObj = ObjCount;
  }
  if (LineDrawDone) {
    Objs[ChainObj].Rtype = EntityPolygon;
    Objs[ChainObj].Ltype = 1;
  }
  AppendChainPoint(P(2));
  DrawObject(ChainObj);
  P(1) = P(2);  // where a chain that cannot grow any more starts again
}

void DrawContinuousLine() {
  if (ToolStep == 0) {
    ShowLineDrawStart("Enter Beginning Point");
    return;
  }
  if (ToolStep == 1) {
    TakeLineDrawPoint(1);
    ChainStartX = P(1).X;
    ChainStartY = P(1).Y;
    ChainFirstSegment = FlagTrue;
    ShowStatus("Enter End Point of Line", 2);
    return;
  }
  TakeLineDrawPoint(2);
  ShowStatus("Enter End Point of Next Line", 2);
  // A click within reach of the start closes the chain exactly on it.
  if (CloseOnChainStart(P(2))) LineDrawDone = FlagTrue;
  if (AutoFillet || AutoChamfer)
    AddCornerSegment();
  else
    AddPlainVertex();
  ChainFirstSegment = FlagFalse;
  if (Objs[ObjCount].NPoints > ChainVertexLimit) LineDrawDone = FlagTrue;
  if (LineDrawDone) FinishLineDrawCommand();
}

}  // namespace

// ---- Sub-commands ----------------------------------------------------------------

namespace {

// One row per code, 0 to LineDrawCodeCount.
struct LineDrawRow {
  const char* Title;     // panel 1 while the command runs, trailing blanks kept
  void (*Step)();        // the step routine; nullptr: the code starts nothing
  bool ReadsTypedEntry;  // Enter without a click runs the step again: it reads a typed value
};
constexpr LineDrawRow LineDrawRows[] = {
      {"", nullptr, false},
      {"Standard POINT ", DrawPointCmd, false},
      {"Single LINE", DrawSingleLine, false},
      {"Single Double LINE", DrawDoubleLine, false},
      {"SOLID LINE", DrawSolidLine, false},
      {"Reference LINE", DrawReferenceLine, false},
      {"RECTANGLE - Opposite Corners ", DrawRectangle2, false},
      {"RECTANGLE - 3 Corners", DrawRectangle3, false},
      {"TRAPAZOID - 4 Corners", DrawTrapezoid, false},
      {"REGULAR POLYGON ", DrawRegularPolygon, true},
      {"ILREGULAR POLYGON ", DrawIrregularPolygon, false},
      {"CIRCLE - Center/Radius", DrawCircleCenterRadius, false},
      {"CIRCLE - 2 Points Diameter", DrawCircle2Points, false},
      {"CIRCLE - 3 Points on Circle", DrawCircle3Points, false},
      {"ARC - Center/Start/End ", DrawArcCenterStartEnd, false},
      {"ARC - Start/Midddle/End Points", DrawArcStartMidEnd, false},
      {"ARC - Start/End/Middle Points", DrawArcStartEndMid, false},
      {"Elliptical Arc", DrawEllipticalArc, false},
      {"Ellipse - 2 Points on Corners", DrawEllipse2Corners, false},
      {"Ellipse - Center, 2 Points on Axis", DrawEllipseCenterAxes, false},
      {"Ellipse - 3 Points on Axis", DrawEllipse3Points, false},
      {"SPLINE CURVE ", DrawSplineCurve, false},
      {"Continuous BEZIER CURVE ", DrawContinuousBezier, false},
      {"Continuous Single LINE ", DrawContinuousLine, false},
      {"", nullptr, false},
      {"Single BEZIER CURVES ", DrawSingleBezier, false},
};
static_assert(std::size(LineDrawRows) == LineDrawCodeCount + 1, "one row per line-drawing code");

const LineDrawRow* RowOf(Integer code) {
  if (code < 1 || code > LineDrawCodeCount) return nullptr;
  return &LineDrawRows[code];
}

// A code without a command takes no clicks: nothing shows, no tool runs, and
// no count is left of clicks taken while nothing ran.
void RefuseCommand() {
  if (LineDrawActive) EndLineDrawCommand();
  EndCommand(LineDrawActive);
}

// Enter repeats the step of the last click with no new point: from the
// second point on that would take the last click again (a repeated vertex,
// or the centre a step put into the pick point), so only a step that reads a
// typed value runs again. The first point may be taken again: a right click
// makes the next click step 1 whatever ran before.
bool RepeatsLastClick(const LineDrawRow& row) {
  return ToolStep >= 2 && ToolStep == LineDrawLastStep && !row.ReadsTypedEntry;
}

}  // namespace

const char* LineDrawTitle(Integer code) {
  const LineDrawRow* row = RowOf(code);
  return row ? row->Title : "";
}

// ---- Dispatcher and end ---------------------------------------------------------------

void RunLineDrawCommand() {
  const LineDrawRow* row = RowOf(LineDrawCommand);
  if (!row || !row->Step) {
    RefuseCommand();
    return;
  }
  if (!LineDrawActive) {
    BeginCommand(LineDrawActive);
    LineDrawPrevCommand = LineDrawCommand;
    if (ShowSnapCursor) SnapCursorOn = FlagTrue;
    LineDrawDone = FlagFalse;
    LineDrawSavedConPnts = ShowConPnts;
  } else if (LineDrawCommand != LineDrawPrevCommand) {
    // Another drawing command chosen while one runs: start it afresh.
    LineDrawPrevCommand = LineDrawCommand;
    BeginCommand(LineDrawActive);
    LineDrawDone = FlagFalse;
  }
  if (RepeatsLastClick(*row)) return;
  ShowConPnts = FlagTrue;  // points taken and objects drawn show their crosses
  SetDrawingPointer();
  row->Step();
  LineDrawLastStep = ToolStep;
}

void EndLineDrawCommand() {
  if (LineDrawDone) {
    ClearPrompts();
    SnapCursorOn = 0;
    RubberLineOn = 0;
  }
  // Only a command that ran has a display option to put back; the tool
  // change may call this again after the command ended.
  if (LineDrawActive) ShowConPnts = LineDrawSavedConPnts;
  EndCommand(LineDrawActive);
}

// ---- Reset ---------------------------------------------------------------------------

void ResetLineDraw() {
  LineDrawActive = 0;
  LineDrawPrevCommand = 0;
  LineDrawDone = 0;
  LineDrawSavedConPnts = 0;
  LineDrawPoints = {};
  ChainStartX = ChainStartY = 0;
  ChainFirstSegment = 0;
  LineDrawLastStep = 0;
  ChainObj = 0;
  DoubleLineWidth1 = 0;
  DoubleLineWidth2 = 0;
  SolidLineWidth = 0;
}

namespace {
// Esc ends a line command at any step; so does choosing another tool.
void CancelLineDraw() {
  if (LineDrawActive) EndLineDrawCommand();
}
const ModuleRegistrar Registered({"LineDraw", FloorCommands, ResetLineDraw,
                                  {ToolLineDraw, &LineDrawActive, RunLineDrawCommand, EndLineDrawCommand,
                                   CancelLineDraw}});
}  // namespace

}  // namespace lintavo
