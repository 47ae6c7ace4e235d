// Top: command state and the tool dispatcher.
#include "app/Top.h"

#include "annotation/Areas.h"
#include "annotation/Dimension.h"
#include "annotation/Fills.h"
#include "annotation/Texthand.h"
#include "app/MessageBar.h"
#include "app/frmMain.h"
#include "commands/Edits.h"
#include "commands/GripFrame.h"
#include "commands/LineDraw.h"
#include "commands/Modify.h"
#include "commands/Trims.h"
#include "organisation/Components.h"
#include "organisation/Groups.h"
#include "organisation/Layers.h"
#include "organisation/ViewHand.h"
#include "picking/Measure.h"
#include "picking/Selection.h"
#include "picking/Snaps.h"
#include "view/Outline.h"
#include "view/Rubber.h"
#include "view/SurfaceDraw.h"
#include "view/Zooms.h"
#include "view/frmDocument.h"

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
frmMain* MainForm = nullptr;
String UserName;

frmDocument* ActiveDocForm() { return dynamic_cast<frmDocument*>(ActiveDoc); }

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
  MainForm = nullptr;
  UserName.clear();
}

// ---- Tool table ----------------------------------------------------------------------

namespace {

// One row per tool code: the module's active flag and its dispatcher. A
// module whose commands are not built yet has no dispatcher, and choosing
// its tool starts nothing.
struct ToolModule {
  Integer* activeFlag;  // the module's active flag
  void (*dispatch)();   // the module's dispatcher, or nullptr
};

const ToolModule* ToolModuleOf(Integer code) {
  static const ToolModule table[17] = {
      {nullptr, nullptr},           // 0: none
      {&LineDrawActive, &RunLineDrawCommand},  // 1: LineDraw
      {&ComponentActive, nullptr},  // 2: Components
      {&TextActive, nullptr},       // 3: Texthand
      {&TrimActive, nullptr},       // 4: Trims
      {&FillCmdActive, nullptr},    // 5: Fills, never dispatched
      {&MeasureActive, nullptr},    // 6: Measure
      {&DimActive, nullptr},        // 7: Dimension
      {&SnapActive, nullptr},       // 8: Snaps
      {&ModifyActive, nullptr},     // 9: Modify
      {&SelectionActive, nullptr},  // 10: Selection
      {&EditActive, nullptr},       // 11: Edits
      {&ZoomActive, nullptr},       // 12: Zooms
      {&ViewActive, nullptr},       // 13: ViewHand
      {&LayerActive, nullptr},      // 14: Layers
      {&GroupActive, nullptr},      // 15: Groups
      {&AreaActive, nullptr},       // 16: Areas
  };
  if (code < 1 || code > 16) return nullptr;
  return &table[code];
}

// The end action for a tool being left when another tool is chosen.
void EndPreviousTool(Integer code) {
  Integer keepPrompts = FlagTrue;
  switch (code) {
    case ToolLineDraw: EndLineDrawCommand(); break;
    case ToolText:
      if (TextKeyEntry)
        EndTextCommand(keepPrompts);
      else
        TextActive = 0;
      break;
    case ToolAreas:
      if (AreaCreating)
        ResetAreaState();
      else
        AreaActive = 0;
      break;
    default:
      if (const ToolModule* module = ToolModuleOf(code)) *module->activeFlag = 0;
      break;
  }
}

}  // namespace

// ---- Dispatcher ------------------------------------------------------------------------

void SelectTool() {
  frmDocument* document = MainForm ? MainForm->ActiveChild() : nullptr;
  if (!document) return;
  ActiveDoc = document;
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
  if (const ToolModule* module = ToolModuleOf(ActiveTool))
    if (module->dispatch) module->dispatch();
}

void EndTool() {
  Integer newTool = ActiveTool;
  if (GroupDragOn) CancelGroupEdit();
  EndPreviousTool(PrevTool);
  ActiveTool = newTool;  // the end routines set it to 0
}

void CancelTools() {
  if (RubberBusy) EraseRubber();
  ClearPrompts();
  if (LineDrawActive) EndLineDrawCommand();
  Integer dropDimension = 0, keepPrompts = FlagTrue;
  if (DimActive) EndDimensionCommand(dropDimension);
  if (TextActive) EndTextCommand(keepPrompts);
  if (AreaCreating) ResetAreaState();
  for (Integer* flag : {&AreaActive, &ComponentActive, &EditActive, &FillCmdActive, &GroupActive,
                        &LayerActive, &MeasureActive, &ModifyActive, &SelectionActive, &SnapActive,
                        &TrimActive, &ViewActive, &ZoomActive})
    *flag = 0;
  OutlineOn = 0;
  RubberLineOn = RubberPolygonOn = RubberWindowOn = RubberCentreOn = RubberObjectOn = GroupDragOn = 0;
  DlgCancelled = SnapCursorOn = AwaitingInput = ActiveTool = ToolStep = 0;
}

void TakePickPoint(Double& X, Double& Y) {
  if (ToolStep <= 0) return;
  X = PickX;
  Y = PickY;
  if (ShowConPnts) DrawConPntMark(X, Y);
}

}  // namespace lintavo
