// Top: command state and the tool dispatcher.
//
// ---- Command states ---------------------------------------------------------------------
// The command state is ActiveTool, PrevTool, AwaitingInput, ToolStep and the
// active flags of the command modules (each module names its flag in its row
// of the tool table). Outside a call of SelectTool it is one of these:
//
//   NO TOOL    ActiveTool 0, every active flag 0, AwaitingInput 0, ToolStep 0.
//              The state at start, after a command ends and after Esc;
//              PrevTool still names the tool that ran last. Clicks on a
//              drawing still add to ToolStep here; nothing reads that count,
//              and no command starts from it (see the checks below).
//
//   CHOSEN     A menu, tool-bar or key handler has written a module's command
//              word and ActiveTool and calls SelectTool. Only the module of
//              PrevTool (the command being left) may still have its flag up.
//
//   STARTED    The module's dispatcher called BeginCommand: its flag up,
//              AwaitingInput -1, ToolStep 0, the prompt for the first point
//              or value shown. ActiveTool equals PrevTool.
//
//   STEP N     The click handler added 1 to ToolStep and called SelectTool,
//              which re-entered the module with N points taken (N >= 1).
//
//   RESTING    A module that has shown its result put its flag down and left
//              the tool chosen (a finished measurement): the next click
//              starts the command afresh.
//
// Transitions:
//
//   any -> CHOSEN           the handler writes the command word and calls
//                           ChooseTool, which writes ActiveTool
//   CHOSEN -> STARTED       SelectTool; when ActiveTool differs from PrevTool,
//                           EndTool ends PrevTool's command first, the step
//                           goes to 0 and PrevTool takes ActiveTool; then the
//                           module's dispatcher calls BeginCommand
//   STARTED, STEP N         ChooseTool of the tool whose command runs (another
//     -> CHOSEN             of its sub-commands, or the same one again): that
//                           command ends as Esc ends it, then as above
//   STARTED -> STEP 1       a click (frmDocument::TakeLeftClick) and SelectTool
//   STEP N -> STEP N+1      the same
//   STEP N -> STARTED       the module writes ToolStep = 0: its object is done
//                           and the next click is a new first point, or the
//                           pick missed and the next click picks again
//   STEP N -> RESTING       the module puts its own flag down
//   any -> NO TOOL          End*Command, through EndCommand: the command
//                           finished, failed or was left for another tool
//   any -> NO TOOL          CancelTools (Esc): every module's cancel routine,
//                           then every flag down
//
// CommandStateListed checks the rules every state keeps: no tool means
// nothing awaits input, no point is taken and no flag is up; a flag is up only
// for the module of PrevTool, the tool SelectTool last started. SelectTool
// checks them on entry and on exit, and a broken rule stops the program
// (MODEL_INVARIANT): a command would take clicks meant for another, or a
// module would go on with a step it never took. The clicks counted under NO
// TOOL never reach the check: a click hands nothing on unless a command awaits
// input, and a command chosen starts from step 0.
#include "model/Top.h"

#include "model/Invariants.h"
#include "model/MainWindowLink.h"
#include "model/MessageBar.h"
#include "model/ProgramState.h"
#include "model/ServicesAbove.h"
#include "model/TargetBorrow.h"
#include "model/ViewCache.h"

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
Integer CommandDwg = 0;

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
  CommandDwg = 0;
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

bool ToolFlagUp(Integer code) {
  const ToolRow* row = RegisteredTool(code);
  return row && row->ActiveFlag && *row->ActiveFlag;
}

// Whether the command being left drew on the screen what only a redraw takes
// off: the marks of the points it took and of what it drew while the
// construction points show, and previews that keep no state to be drawn
// again from.
bool LeftCommandDrewMarks() { return ToolFlagUp(PrevTool) && (ShowConPnts || ToolStep > 0); }

void ClearEveryActiveFlag() {
  for (Integer code = 1; code < ToolCodeCount; ++code)
    if (const ToolRow* row = RegisteredTool(code); row && row->ActiveFlag) *row->ActiveFlag = 0;
}

// The command chosen belongs to the tool whose command runs: another of its
// sub-commands, or the same one chosen again while it waits. The same one
// starts afresh too: a step routine re-entered with no new input would run
// its step again at once (Copy would make a second copy, Erase find nothing
// selected, Distance measure nothing).
bool ChosenWhileItsToolRuns() { return ActiveTool == PrevTool && ToolFlagUp(ActiveTool); }

// Ends the command under way as Esc ends it, so that the command chosen
// starts at its first step: its end routines see a cancel, its previews go,
// what it built on the way is taken back and what it picked goes with it, so
// the command chosen cannot go on from its step or work on its picks. The
// picture is the model's again. RubberLineOn stays as the handler left it:
// a tool-bar button switches it on for the line command it starts.
void EndCommandUnderWay() {
  const Integer chosen = ActiveTool, rubberLine = RubberLineOn;
  const bool redraw = LeftCommandDrewMarks();
  DlgCancelled = FlagTrue;
  CancelTools();
  ActiveTool = chosen;
  RubberLineOn = rubberLine;
  if (redraw && ServicesAbove.RedrawView) ServicesAbove.RedrawView();
}

}  // namespace

// ---- Command life cycle ------------------------------------------------------------------

namespace {

// Nothing runs and nothing waits; PrevTool is kept.
void ClearCommandState() {
  AwaitingInput = 0;
  ActiveTool = ToolNone;
  ToolStep = 0;
}

// Checks the command state on entry to SelectTool and again on its way out.
class CommandStateCheck {
 public:
  CommandStateCheck() { MODEL_INVARIANT(CommandStateListed()); }
  ~CommandStateCheck() { MODEL_INVARIANT(CommandStateListed()); }
  CommandStateCheck(const CommandStateCheck&) = delete;
  CommandStateCheck& operator=(const CommandStateCheck&) = delete;
};

}  // namespace

void BeginCommand(Integer& ActiveFlag) {
  ActiveFlag = FlagTrue;
  AwaitingInput = FlagTrue;
  ToolStep = 0;
}

void EndCommand(Integer& ActiveFlag) {
  ActiveFlag = 0;
  ClearCommandState();
}

bool CommandRunning() {
  if (ActiveTool != ToolNone || AwaitingInput || GroupDragOn) return true;
  for (Integer code = 1; code < ToolCodeCount; ++code)
    if (ToolFlagUp(code)) return true;
  return false;
}

bool CommandStateListed() {
  if (ActiveTool < ToolNone || ActiveTool >= ToolCodeCount) return false;
  if (ActiveTool == ToolNone && (AwaitingInput || ToolStep != 0)) return false;
  for (Integer code = 1; code < ToolCodeCount; ++code) {
    const ToolRow* row = RegisteredTool(code);
    if (!row || !row->ActiveFlag || !*row->ActiveFlag) continue;
    if (ActiveTool == ToolNone || code != PrevTool) return false;
  }
  return true;
}

// ---- Dispatcher ------------------------------------------------------------------------

namespace {

// SelectTool's work; Chosen when the user chose the command (ChooseTool).
void Dispatch(bool Chosen) {
  const CommandStateCheck check;
  // A picture box or the printer holding the target would get the command's drawing.
  MODEL_INVARIANT(!TargetBorrowed());
  MainWindowLink* main = MainLink();
  DrawingWindow* document = main ? main->ActiveDrawingWindow() : nullptr;
  if (!document) return;
  // The command works in the active window's drawing, on its surface and view.
  CurDwg = static_cast<Integer>(document->ID);
  CommandDwg = CurDwg;
  if (ActiveDoc != &document->DrawingSurface()) {
    ActiveDoc = &document->DrawingSurface();
    LoadViewCache();
  }
  if (Chosen && ChosenWhileItsToolRuns()) EndCommandUnderWay();
  if (ActiveTool != PrevTool) {
    const bool redraw = LeftCommandDrewMarks();
    EndTool();
    SnapCursorOn = 0;
    PrevTool = ActiveTool;
    ClearPrompts();
    RubberLineOn = RubberCentreOn = RubberWindowOn = 0;
    DlgCancelled = 0;
    ToolStep = 0;
    // The command left is ended: the picture is the model's again before
    // the next one draws.
    if (redraw && ServicesAbove.RedrawView) ServicesAbove.RedrawView();
  }
  if (ActiveTool == ToolFills) return;
  if (const ToolRow* row = RegisteredTool(ActiveTool))
    if (row->Dispatch) row->Dispatch();
}

}  // namespace

void SelectTool() { Dispatch(false); }

void ChooseTool(Integer tool) {
  DlgCancelled = 0;
  ActiveTool = tool;
  Dispatch(true);
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
  DlgCancelled = SnapCursorOn = 0;
  ClearCommandState();
}

void TakePickPoint(Double& X, Double& Y) {
  if (ToolStep <= 0) return;
  X = PickX;
  Y = PickY;
  if (ShowConPnts && ServicesAbove.MarkPickPoint) ServicesAbove.MarkPickPoint(X, Y);
}

}  // namespace lintavo
