// LineDraw: the line drawing commands: points, lines, shapes and curves drawn from snapped clicks.
//
// Sections:
//   Sub-commands
//   Command state
//   Helpers
//   Points and lines
//   Continuous line
//   Dispatcher and end
//   Reset
#include "commands/LineDraw.h"

#include <cmath>
#include <iterator>
#include <numbers>

#include "commands/Trims.h"
#include "model/DrawingWindow.h"
#include "model/Geometry.h"
#include "model/MessageBar.h"
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

// ---- Sub-commands ----------------------------------------------------------------

namespace {
// One title per code, 0 to LineDrawCodeCount.
constexpr const char* LineDrawTitles[] = {
      "",
      "Standard POINT ",
      "Single LINE",
      "Single Double LINE",
      "SOLID LINE",
      "Reference LINE",
      "RECTANGLE - Opposite Corners ",
      "RECTANGLE - 3 Corners",
      "TRAPAZOID - 4 Corners",
      "REGULAR POLYGON ",
      "ILREGULAR POLYGON ",
      "CIRCLE - Center/Radius",
      "CIRCLE - 2 Points Diameter",
      "CIRCLE - 3 Points on Circle",
      "ARC - Center/Start/End ",
      "ARC - Start/Midddle/End Points",
      "ARC - Start/End/Middle Points",
      "Elliptical Arc",
      "Ellipse - 2 Points on Corners",
      "Ellipse - Center, 2 Points on Axis",
      "Ellipse - 3 Points on Axis",
      "SPLINE CURVE ",
      "Continuous BEZIER CURVE ",
      "Continuous Single LINE ",
      "",
      "Single BEZIER CURVES ",
};
static_assert(std::size(LineDrawTitles) == LineDrawCodeCount + 1, "one title per line-drawing code");
}  // namespace

const char* LineDrawTitle(Integer code) {
  if (code < 1 || code > LineDrawCodeCount) return "";
  return LineDrawTitles[code];
}

// ---- Command state -------------------------------------------------------------

Integer LineDrawActive = 0;
Integer LineDrawPrevCommand = 0;
Integer LineDrawDone = 0;
Integer LineDrawSavedConPnts = 0;

std::array<WorldXY, 5> LineDrawPoints{};
Double ChainStartX = 0, ChainStartY = 0;
Integer ChainFirstSegment = 0;
Integer ChainLastStep = 0;
Long ChainObj = 0;

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

void TakePoint(Integer n) { TakePickPoint(P(n).X, P(n).Y); }

// Step 0 of every command: its title and its first prompt.
void ShowTitleAndPrompt(const char* prompt) {
  ShowStatus(LineDrawTitle(LineDrawCommand), 1);
  ShowStatus(prompt, 2);
}

// A repeating command after its object: the first prompt, the next click a new first point.
void WaitForNextObject() {
  ShowStatus(PromptStartOfLine, 2);
  ToolStep = 0;
}

// The finished object ends a command that does not repeat; the marks of
// its points and its previews go with it: the model is drawn afresh.
void FinishCommand() {
  LineDrawDone = FlagTrue;
  EndLineDrawCommand();
  RedrawView();
}

// Steps 0 and 1 shared by the single, double and solid line: false once the
// second point is clicked and the step routine goes on.
bool TakeFirstPointOfLine() {
  if (ToolStep == 0) {
    ShowTitleAndPrompt(PromptStartOfLine);
    return true;
  }
  if (ToolStep == 1) {
    TakePoint(1);
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

// ---- Points and lines -----------------------------------------------------------------

namespace {

// The point itself carries no construction cross.
void DrawPointCmd() {
  ShowConPnts = FlagFalse;
  if (ToolStep == 0) {
    ShowTitleAndPrompt("Enter a Point");
    return;
  }
  TakePoint(1);
  AddObj(EntityPoint, 1);
  AddPnt(P(1).X, P(1).Y);
  DrawObject(ObjCount);
  ToolStep = 0;
}

void DrawSingleLine() {
  if (TakeFirstPointOfLine()) return;
  TakePoint(2);
  AddLineEntity(P(1).X, P(1).Y, P(2).X, P(2).Y);
  WaitForNextObject();
}

// The first line lies DoubleLineWidth1 to the left of P1->P2, the second
// DoubleLineWidth2 to the right; the clicked line itself is not stored.
void DrawDoubleLine() {
  if (TakeFirstPointOfLine()) return;
  TakePoint(2);
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
  TakePoint(2);
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
    ShowTitleAndPrompt("Enter Axis Point of LINE");
    return;
  }
  if (ToolStep == 1) {
    TakePoint(1);
    ShowStatus(PromptEndOfLine, 2);
    return;
  }
  TakePoint(2);
  P(3).X = P(1).X - P(2).X + P(1).X;
  P(3).Y = P(1).Y - P(2).Y + P(1).Y;
  AddObj(EntityLine, 2);
  AddPnt(P(2).X, P(2).Y);
  AddPnt(P(3).X, P(3).Y);
  Objs[ObjCount].Ltype = 3;
  DrawObject(ObjCount);
  FinishCommand();
}

}  // namespace

// ---- Continuous line ------------------------------------------------------------------

namespace {

// Whether the chain's polyline is still the last object of the current
// drawing with the last points of the table, so that a vertex appended now
// belongs to it.
bool ChainCanGrow() {
  if (ChainObj < 1 || ChainObj != ObjCount) return false;
  const ObjRec& obj = Objs[ChainObj];
  return obj.DwgNo == CurDwg && obj.Show && obj.PointID + obj.NPoints - 1 == PntCount;
}

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
  AddPnt(P(2).X, P(2).Y);
  ObjRec& obj = Objs[ChainObj];
  ++obj.NPoints;
  if (LineDrawDone) {
    obj.Rtype = EntityPolygon;
    obj.Ltype = 1;
  }
  DrawObject(ChainObj);
  P(1) = P(2);  // where a chain that cannot grow any more starts again
}

void DrawContinuousLine() {
  if (ToolStep == 0) {
    ChainLastStep = 0;
    ShowTitleAndPrompt("Enter Beginning Point");
    return;
  }
  // Enter re-runs the step without a click: there is no new vertex to add.
  // (A right click makes the next click step 1 again, which always counts.)
  if (ToolStep >= 2 && ToolStep == ChainLastStep) return;
  ChainLastStep = ToolStep;
  if (ToolStep == 1) {
    TakePoint(1);
    ChainStartX = P(1).X;
    ChainStartY = P(1).Y;
    ChainFirstSegment = FlagTrue;
    ShowStatus("Enter End Point of Line", 2);
    return;
  }
  TakePoint(2);
  ShowStatus("Enter End Point of Next Line", 2);
  // A click within reach of the start closes the chain exactly on it.
  if (std::fabs(static_cast<Single>(P(2).X - ChainStartX)) < PickTolerance &&
      std::fabs(static_cast<Single>(P(2).Y - ChainStartY)) < PickTolerance) {
    P(2).X = ChainStartX;
    P(2).Y = ChainStartY;
    LineDrawDone = FlagTrue;
  }
  if (AutoFillet || AutoChamfer)
    AddCornerSegment();
  else
    AddPlainVertex();
  ChainFirstSegment = FlagFalse;
  if (Objs[ObjCount].NPoints > ChainVertexLimit) LineDrawDone = FlagTrue;
  if (LineDrawDone) FinishCommand();
}

void RunStepRoutine() {
  switch (LineDrawCommand) {
    case DrawPointCode: DrawPointCmd(); break;
    case DrawSingleCode: DrawSingleLine(); break;
    case DrawDoubleCode: DrawDoubleLine(); break;
    case DrawSolidCode: DrawSolidLine(); break;
    case DrawReferenceCode: DrawReferenceLine(); break;
    case DrawContinuousCode: DrawContinuousLine(); break;
    default: break;  // 24, codes not built yet, and codes outside 1..25 run nothing
  }
}

}  // namespace

// ---- Dispatcher and end ---------------------------------------------------------------

void RunLineDrawCommand() {
  if (!LineDrawActive) {
    LineDrawActive = FlagTrue;
    LineDrawPrevCommand = LineDrawCommand;
    AwaitingInput = FlagTrue;
    if (ShowSnapCursor) SnapCursorOn = FlagTrue;
    LineDrawDone = FlagFalse;
    LineDrawSavedConPnts = ShowConPnts;
    ToolStep = 0;
  } else if (LineDrawCommand != LineDrawPrevCommand) {
    // Another drawing command chosen while one runs: start it afresh.
    LineDrawPrevCommand = LineDrawCommand;
    AwaitingInput = FlagTrue;
    LineDrawDone = FlagFalse;
    ToolStep = 0;
  }
  ShowConPnts = FlagTrue;  // points taken and objects drawn show their crosses
  SetDrawingPointer();
  RunStepRoutine();
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
  LineDrawActive = 0;
  AwaitingInput = 0;
  ActiveTool = 0;
  ToolStep = 0;
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
  ChainLastStep = 0;
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
