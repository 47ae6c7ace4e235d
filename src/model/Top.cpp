// Top: command state and the tool dispatcher.
#include "model/Top.h"

#include "model/Invariants.h"
#include "model/MainWindowLink.h"
#include "model/MessageBar.h"
#include "model/ProgramState.h"
#include "model/ServicesAbove.h"
#include "model/TargetBorrow.h"

namespace lintavo {

// ---- Command state ----------------------------------------------------------------

Integer ActiveTool = 0;
Integer PrevTool = 0;
Integer AwaitingInput = 0;
Integer ToolStep = 0;
Double PickX = 0, PickY = 0;
Double PrevPickX = 0, PrevPickY = 0;
Single MouseX = 0, MouseY = 0;
String TypedText;
Integer TypedReady = 0;
Integer TypedKey = 0;
Integer DlgCancelled = 0;
Integer SnapCursorOn = 0;
Integer RubberLineOn = 0;
Integer RubberPolygonOn = 0;
Integer RubberCentreOn = 0;
Integer RubberWindowOn = 0;
Integer RubberObjectOn = 0;
Integer GroupDragOn = 0;

Integer ShowConPnts = 0;

Surface* ActiveDoc = nullptr;
Integer CurDwg = 0;
String UserName;
String DbUserID;
String DbPassword;

void ResetTop() {
  ActiveTool = PrevTool = AwaitingInput = ToolStep = 0;
  PickX = PickY = PrevPickX = PrevPickY = 0;
  MouseX = MouseY = 0;
  TypedText.clear();
  TypedReady = TypedKey = DlgCancelled = SnapCursorOn = 0;
  RubberLineOn = RubberPolygonOn = RubberCentreOn = RubberWindowOn = RubberObjectOn = GroupDragOn = 0;
  ShowConPnts = 0;
  ActiveDoc = nullptr;
  CurDwg = 0;
  UserName.clear();
  DbUserID.clear();
  DbPassword.clear();
}

namespace {

const ModuleRegistrar Registered({"Top", FloorModel, ResetTop});

// The modules whose end routines Esc runs first, in the order it runs them;
// the cancel routines of the others follow by tool code, and every module
// without one only has its active flag cleared.
constexpr Integer CancelOrder[] = {ToolLineDraw, ToolDimension, ToolText, ToolAreas};

bool RunsFirstOnCancel(Integer code) {
  for (Integer first : CancelOrder)
    if (first == code) return true;
  return false;
}

void RunCancelRoutine(Integer code) {
  if (const ToolRow* row = RegisteredTool(code); row && row->Cancel) row->Cancel();
}

// The end action for a tool being left when another tool is chosen.
void EndPreviousTool(Integer code) {
  const ToolRow* row = RegisteredTool(code);
  if (!row) return;
  if (row->EndOnToolChange)
    row->EndOnToolChange();
  else if (row->ActiveFlag)
    *row->ActiveFlag = 0;
}

void ClearEveryActiveFlag() {
  for (Integer code = 1; code < ToolCodeCount; ++code)
    if (const ToolRow* row = RegisteredTool(code); row && row->ActiveFlag) *row->ActiveFlag = 0;
}

}  // namespace

// ---- Dispatcher ------------------------------------------------------------------------

void SelectTool() {
  // A picture box or the printer holding the target would get the command's drawing.
  MODEL_INVARIANT(!TargetBorrowed());
  MainWindowLink* main = MainLink();
  DrawingWindow* document = main ? main->ActiveDrawingWindow() : nullptr;
  if (!document) return;
  ActiveDoc = &document->DrawingSurface();
  if (ActiveTool != PrevTool) {
    EndTool();
    SnapCursorOn = 0;
    PrevTool = ActiveTool;
    ClearPrompts();
    RubberLineOn = RubberCentreOn = RubberWindowOn = 0;
    DlgCancelled = 0;
    ToolStep = 0;
  }
  if (ActiveTool == ToolFills) return;
  if (const ToolRow* row = RegisteredTool(ActiveTool))
    if (row->Dispatch) row->Dispatch();
}

void EndTool() {
  Integer newTool = ActiveTool;
  // A transform preview moves the selection's own points: they go back first.
  if (ServicesAbove.EndOutline) ServicesAbove.EndOutline();
  if (GroupDragOn && ServicesAbove.CancelGroupEdit) ServicesAbove.CancelGroupEdit();
  EndPreviousTool(PrevTool);
  ActiveTool = newTool;  // the end routines set it to 0
}

void CancelTools() {
  if (ServicesAbove.EraseRubberBand) ServicesAbove.EraseRubberBand();
  ClearPrompts();
  for (Integer code : CancelOrder) RunCancelRoutine(code);
  for (Integer code = 1; code < ToolCodeCount; ++code)
    if (!RunsFirstOnCancel(code)) RunCancelRoutine(code);
  ClearEveryActiveFlag();
  if (ServicesAbove.EndOutline) ServicesAbove.EndOutline();
  RubberLineOn = RubberPolygonOn = RubberWindowOn = RubberCentreOn = RubberObjectOn = GroupDragOn = 0;
  DlgCancelled = SnapCursorOn = AwaitingInput = ActiveTool = ToolStep = 0;
}

void TakePickPoint(Double& X, Double& Y) {
  if (ToolStep <= 0) return;
  X = PickX;
  Y = PickY;
  if (ShowConPnts && ServicesAbove.MarkPickPoint) ServicesAbove.MarkPickPoint(X, Y);
}

}  // namespace lintavo
