// Edits: the frame of the edit commands and erase, un-erase, move, copy,
// hide, show, restyle and the internal clipboard.
//
// Sections:
//   Module state
//   Shared routines
//   Frame: start, end, errors, the offset step
//   Erase and Un Erase Last
//   Move and Copy
//   Hide and Show
//   Restyle
//   Internal clipboard
//   Dispatcher
//   Reset and registration
#include "commands/Edits.h"

#include <vector>

#include "commands/Adjust.h"
#include "commands/CarriedAreas.h"
#include "commands/EditTransforms.h"
#include "commands/GripFrame.h"
#include "model/ChangeMarks.h"
#include "model/DrawingWindow.h"
#include "model/ItemMembers.h"
#include "model/MainWindowLink.h"
#include "model/MessageBar.h"
#include "model/ObjIndex.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/TypedEntry.h"
#include "model/UndoRedo.h"
#include "picking/Selection.h"
#include "platform/Pointers.h"
#include "platform/Services.h"
#include "view/DrawDispatch.h"
#include "view/Outline.h"
#include "view/Zooms.h"

namespace lintavo {

// ---- Module state ------------------------------------------------------------------

Integer EditCommand = 0;
Integer EditActive = 0;
Integer EditPrevCommand = 0;
Integer OffsetTaken = 0;
Integer OffsetResult = 0;
Double EditRefX = 0, EditRefY = 0;
Double EditPointX = 0, EditPointY = 0;
Integer EditStep = 0;
Double EditCentreX = 0, EditCentreY = 0;
Double EditOffsetX = 0, EditOffsetY = 0;
Single RescaleX = 0, RescaleY = 0;
Single RadialTotalAngle = 0;
Long PathObj = 0;
Integer MaxPathCopies = 99;
Single PathSpacing = 0;
Long ChosenColor = 0;
Integer ChosenLineType = 0;
Integer ChosenLineWeight = 0;
Double ClipboardRefX = 0, ClipboardRefY = 0;

namespace {

constexpr const char* PasteItem = "mnuEditPaste";
constexpr const char* MoveCursorFile = "\\hwe.cur";  // in the application folder
constexpr Integer MinCopyCount = 2;   // a typed count below adds nothing
constexpr Integer MaxCopyCount = 99;  // a typed count above adds nothing

void EnablePaste(bool enabled) {
  if (MainWindowLink* main = MainLink()) main->EnableMenuItem(PasteItem, enabled);
}

// The ghost off the surface, its points back, and no preview line left on.
void EndPreviews() {
  RedrawSelectionOutline();
  OutlineOn = FlagFalse;
  RubberCentreOn = FlagFalse;
}

// The running command's flags down; a Selection command that ran beside it
// gives the user's point marking back.
void ClearCommandFlags() {
  if (SelectionActive) EndSelectionCommand();
  EndCommand(EditActive);
}

}  // namespace

// ---- Shared routines ----------------------------------------------------------------

void BeforeSelectionPointsChange() {
  const Long entities = ObjCount - BaseObjCount;
  if (SelectedCount(entities / 4 + 1) > entities / 4) ResetObjIndex();
}

void DrawEntity(Long ObjNo) { DrawObject(ObjNo); }

bool CheckSelection(const char* Title) {
  if (AnythingSelected()) return true;
  ShowStatus(Title, 1);
  NoSelectionError();
  return false;
}

// ---- Frame: start, end, errors, the offset step ------------------------------------------

void EndEditCommand() {
  EndPreviews();
  ClearPrompts();
  if (EditCommand < FirstClipboardCode) EnablePaste(false);
  ArrowPointer();
  ClearCommandFlags();
  RefreshActiveView();
}

void NoSelectionError() {
  EndPreviews();
  ShowStatus("ERROR... No Lines Selected", 2);
  ShowStatus("You Must Pre-Select lines", 3);
  EnablePaste(false);
  ArrowPointer();
  ClearCommandFlags();
}

Integer TakeMoveOffset() {
  switch (ToolStep) {
    case 0:
      OffsetResult = FlagFalse;
      ShowStatus("Enter a Reference Point near Lines >", 2);
      if (!OutlineEnabled) RubberCentreOn = FlagTrue;
      return OffsetResult;
    case 1:
      TakePickPoint(EditRefX, EditRefY);
      if (OutlineEnabled) {
        Single angle = 0;
        SetOutlineTransform(EditRefX, EditRefY, 1, 1, angle);
        OutlineOn = FlagTrue;
      }
      ShowStatus("Enter a Placement Location >", 2);
      return OffsetResult;
    case 2:
      TakePickPoint(EditPointX, EditPointY);
      RubberCentreOn = FlagFalse;
      OutlineOn = FlagFalse;
      RedrawSelectionOutline();
      EditRefX = EditPointX - EditRefX;
      EditRefY = EditPointY - EditRefY;
      OffsetResult = FlagTrue;
      return OffsetResult;
    default: return OffsetResult;
  }
}

namespace {

// ---- Erase and Un Erase Last ------------------------------------------------------------

void EraseSelected() {
  ShowStatus("Erase Selected Lines", 1);
  ShowStatus("", 2);
  if (!EditActive || !AnythingSelected()) {
    NoSelectionError();
    return;
  }
  const Long batch = NewEraseBatch();
  Long count = 0;
  const WholeRedrawFollows redraw;  // the end's redraw shows every erased entity gone
  ForEachSelected([&count, batch](Long i) {
    EraseObj(i, batch, ComesBack::Unselected);  // erased out of the selection
    ++count;
  });
  RefreshActiveView();
  ShowStatus("Erased " + std::to_string(count) + " Lines", 2);
}

void UneraseLast() {
  ShowStatus("Un Erase Last", 1);
  ShowStatus("", 2);
  const Long batch = TakeLastEraseBatch();
  if (batch == 0) {
    ShowStatus("NOTHING TO UNERASE !", 2);
    return;
  }
  Long count = 0;
  const Long last = ObjCount;
  const WholeRedrawFollows redraw;  // the end's redraw shows every entity back
  for (Long i = BaseObjCount + 1; i <= last; ++i) {
    ObjRec& obj = Objs[i];
    if (obj.DwgNo != CurDwg || !obj.Erased || obj.Select != batch) continue;
    obj.Show = FlagTrue;
    SetEntityDrawing(i, obj.DwgNo, FlagFalse);
    obj.Selected = FlagFalse;
    DropEraseStep(i);  // Redo must not erase it again
    obj.Select = 0;    // live again: the batch is spent
    EntityChanged(i);
    ++count;
  }
  if (count > 0) MarkExtentsChanged(CurDwg);
  RefreshActiveView();
  ShowStatus("Un Erased " + std::to_string(count) + " Lines", 2);
}

}  // namespace

// ---- Move and Copy -----------------------------------------------------------------------

void MoveEntityBy(Long ObjNo, Double Dx, Double Dy) {
  const ObjRec& obj = Objs[ObjNo];
  const Long first = obj.PointID;
  const Long count = obj.Rtype >= FirstCompoundType ? 1 : obj.NPoints;
  for (Long k = first; k < first + count; ++k) {
    Pnts[k].X += Dx;
    Pnts[k].Y += Dy;
  }
  if (obj.Rtype >= EntityDimension) UpdateItemExtents(obj.ObjectID);
  // A dimension covers its item's box: told once that box stands. Its own
  // drawing and layer widen to hold it, whichever layer is current.
  ObjPointsChanged(ObjNo);
}

void ShowMoveCursor() {
  DrawingWindow* window = ActiveDocForm();
  if (!window) return;
  const QCursor cursor = LoadCursorFile(AppFilePath(MoveCursorFile), PointerCursor(vbSizeAll));
  window->SetPointerCursor(PointerCursor(vbCustom, cursor));
}

namespace {

void MoveSelected() {
  if (!CheckSelection("Move Selected Lines")) return;
  ShowMoveCursor();
  if (ToolStep == 0) {
    OffsetTaken = FlagFalse;
    ShowStatus("Move Selected Lines", 1);
    ShowStatus("", 2);
  }
  if (!OffsetTaken) OffsetTaken = TakeMoveOffset();
  if (!OffsetTaken) return;
  const Double dx = EditRefX, dy = EditRefY;
  BeforeSelectionPointsChange();
  const std::vector<CarriedArea> carried = SelectionCarriedAreas();
  // The end redraws the whole view: no entity is wiped or drawn on its own.
  const auto move = [dx, dy](Long i) { MoveEntityBy(i, dx, dy); };
  ForEachSelected(move);
  CarryBoundaries(carried, move);
  EndEditCommand();
}

void CopySelectedOnce(Double dx, Double dy) {
  ForEachSelected([dx, dy](Long i) {
    const Long before = ObjCount;
    CopyObjOffset(i, dx, dy);
    if (ObjCount != before) DrawEntity(ObjCount);
  });
}

void CopySelected() {
  if (!CheckSelection("Copy Selected Lines")) return;
  if (ToolStep == 0) {
    OffsetTaken = FlagFalse;
    ShowStatus("Copy Selected Lines", 1);
    ShowStatus("", 2);
    OffsetTaken = TakeMoveOffset();
    return;
  }
  if (!OffsetTaken) {
    OffsetTaken = TakeMoveOffset();
    if (OffsetTaken) {
      ShowStatus("ENTER NUMBER OF COPIES > ", 2);
      ClearPanel(3);
    }
  }
  if (ToolStep <= 1 || !OffsetTaken) return;
  const Double dx = EditRefX, dy = EditRefY;
  if (!TypedReady) {
    // The placement click and every click after it: one more copy each.
    CopySelectedOnce(dx, dy);
    return;
  }
  const Integer n = GetTypedInt();
  TypedReady = FlagFalse;
  if (n >= MinCopyCount && n <= MaxCopyCount) {
    const WholeRedrawFollows redraw;  // the end's redraw shows the copies
    ForEachSelected([n, dx, dy](Long i) {
      for (Integer k = MinCopyCount; k <= n; ++k) CopyObjOffset(i, k * dx, k * dy);
    });
  }
  EndEditCommand();
}

}  // namespace

// ---- Hide and Show --------------------------------------------------------------------------

void HideSelected() {
  ShowStatus("Hide Selected Lines", 1);
  ShowStatus("", 2);
  if (!AnythingSelected()) {
    NoSelectionError();
    return;
  }
  Long count = 0;
  ForEachSelected([&count](Long i) {
    ObjRec& obj = Objs[i];
    obj.Show = FlagFalse;
    obj.Select = 0;
    obj.Selected = FlagFalse;
    EntityChanged(i);
    ++count;
  });
  if (count > 0) MarkExtentsChanged(CurDwg);  // Show All fits what is still shown
  RefreshActiveView();
  ShowStatus(" " + std::to_string(count) + " Lines Hidden", 2);
}

void ShowHiddenLines() {
  ShowStatus("Show Hidden Lines", 1);
  ShowStatus("", 2);
  if (!EditActive) {
    NoSelectionError();
    return;
  }
  Long count = 0;
  const Long last = ObjCount;
  for (Long i = BaseObjCount + 1; i <= last; ++i) {
    ObjRec& obj = Objs[i];
    if (obj.DwgNo != CurDwg || obj.Show || obj.Erased) continue;
    obj.Show = FlagTrue;
    EntityChanged(i);
    ++count;
  }
  if (count > 0) MarkExtentsChanged(CurDwg);  // Show All fits what is shown again
  RefreshActiveView();
  ShowStatus(" " + std::to_string(count) + " Lines Un Hidden", 2);
}

// ---- Restyle ------------------------------------------------------------------------------------

namespace {

// One field of every selected entity set to a value; the running command
// ends in every case, and its end redraws the whole view.
template <typename Field, typename Value>
void RestyleSelected(const char* title, Field ObjRec::*field, Value value) {
  ShowStatus(title, 1);
  if (AnythingSelected()) {
    ForEachSelected([&](Long i) {
      Objs[i].*field = value;
      EntityChanged(i);
    });
  }
  EndEditCommand();
}

}  // namespace

void ChangeSelectedColor() { RestyleSelected(" Change Selected Lines Color", &ObjRec::Color, ChosenColor); }
void ChangeSelectedType() { RestyleSelected(" Change Selected Lines Type", &ObjRec::Ltype, ChosenLineType); }
void ChangeSelectedWeight() {
  RestyleSelected(" Change Selected Lines Weight", &ObjRec::Weight, ChosenLineWeight);
}

// ---- Internal clipboard -----------------------------------------------------------------------

void ClipboardCopy() {
  ShowStatus("ClipBoard Copy", 1);
  ShowStatus("", 2);
  // Refused before its click as well as at it: an empty selection leaves
  // the clipboard as it was.
  if (!AnythingSelected()) {
    NoSelectionError();
    return;
  }
  if (ToolStep == 0) ShowStatus("Enter a Reference Point on Copy Lines >", 2);
  if (ToolStep != 1) return;
  TakePickPoint(ClipboardRefX, ClipboardRefY);
  ClearClipboard();  // a Copy replaces what the clipboard held
  Long count = 0;
  ForEachSelected([&count](Long i) {
    TakeOntoClipboard(i);
    ++count;
  });
  EnablePaste(true);
  EndEditCommand();
  // The result stays in view after the end, which clears the prompts.
  ShowStatus(" " + std::to_string(count) + " Lines on ClipBoard", 2);
}

namespace {

// A copy pasted from another drawing goes on this drawing's current layer
// and keeps no link to an item of the drawing it came from (its group or
// area): deleting that item there must leave the copy here alone, and a
// save here must not store a link to another drawing's item. Components and
// glyphs belong to no drawing and stay linked.
void TakeIntoThisDrawing(Long copyNo, const DrawingWindow* window) {
  ObjRec& copy = Objs[copyNo];
  if (window) copy.LayerID = window->Current_Layer;
  for (Long* link : {&copy.OwnerID, &copy.ObjectID}) {
    if (*link >= 1 && *link <= ItemCount && Items[*link].DwgNo != 0 && Items[*link].DwgNo != CurDwg) *link = 0;
  }
  EntityLinksChanged(copyNo);
  WidenExtentsByEntity(copyNo);  // its points widened no layer here as they were added: its new one takes them
}

// Whether Paste has anything to place.
bool ClipboardHoldsAny() {
  bool any = false;
  ForEachOnClipboard([&any](Long) { any = true; });
  return any;
}

// Paste with nothing to place says so at once, shows no ghost and goes off.
void NothingToPaste() {
  ShowStatus("ClipBoard Paste", 1);
  EndEditCommand();
  EnablePaste(false);
  ShowStatus(" 0 ClipBoard Lines Pasted ", 2);
}

}  // namespace

// Paste asks nothing of the pasting window's selection: it places what the
// clipboard holds.
void ClipboardPaste() {
  if (ToolStep == 0) {
    if (!ClipboardHoldsAny()) return NothingToPaste();
    ToolStep = 1;  // the paste waits for one click only
    ShowStatus("ClipBoard Paste", 1);
    ShowStatus("Enter an Insertion Location >", 2);
    if (OutlineEnabled) {
      Single angle = 0;
      SetOutlineTransform(ClipboardRefX, ClipboardRefY, 1, 1, angle);
      OutlineOfClipboard = FlagTrue;  // the ghost is what the click places
      OutlineOn = FlagTrue;
    }
  }
  if (ToolStep < 2) return;
  TakePickPoint(EditPointX, EditPointY);
  OutlineOn = FlagFalse;
  RedrawSelectionOutline();
  EditRefX = EditPointX - ClipboardRefX;
  EditRefY = EditPointY - ClipboardRefY;
  const DrawingWindow* window = ActiveDocForm();
  Long count = 0;
  const WholeRedrawFollows redraw;  // the end's redraw shows the pasted copies
  // The copies are appended beyond the list's entities: none is pasted twice.
  ForEachOnClipboard([&count, window](Long i) {
    const Long before = ObjCount;
    CopyObjOffset(i, EditRefX, EditRefY);
    if (ObjCount == before) return;
    if (Objs[i].DwgNo != CurDwg) TakeIntoThisDrawing(ObjCount, window);
    ++count;
  });
  EndEditCommand();
  ShowStatus(" " + std::to_string(count) + " ClipBoard Lines Pasted ", 2);
}

// ---- Dispatcher ----------------------------------------------------------------------------

void RunEditCommand() {
  // A new sub-command while another still runs (Erase, Hide and Show stay
  // on) starts afresh instead of taking over the other's step.
  if (EditActive && EditCommand != EditPrevCommand) {
    EndPreviews();
    EditActive = FlagFalse;
  }
  if (!EditActive) {
    BeginCommand(EditActive);
    EditPrevCommand = EditCommand;
    ClearPrompts();
    ArrowPointer();
  }
  switch (EditCommand) {
    case EditEraseCode: EraseSelected(); break;
    case EditUneraseCode: UneraseLast(); break;
    case EditCopyCode: CopySelected(); break;
    case EditMoveCode: MoveSelected(); break;
    case EditRotateCode: RotateSelected(); break;
    case EditMirrorCode: MirrorSelected(); break;
    case EditRescaleCode: RescaleSelected(); break;
    case EditRadialCopyCode: RadialCopySelected(); break;
    case EditHideCode: HideSelected(); break;
    case EditShowCode: ShowHiddenLines(); break;
    case EditInternalCopyCode: ClipboardCopy(); break;
    case EditPasteCode: ClipboardPaste(); break;
    case EditPathCopyCode: PathCopySelected(); break;
    case EditModifySelectedCode: StartModifySelected(); break;
    default: break;  // the restyle codes are started elsewhere
  }
}

// ---- Reset and registration ---------------------------------------------------------------

void ResetEdits() {
  EditCommand = EditActive = EditPrevCommand = 0;
  OffsetTaken = OffsetResult = 0;
  EditRefX = EditRefY = EditPointX = EditPointY = 0;
  EditStep = 0;
  EditCentreX = EditCentreY = EditOffsetX = EditOffsetY = 0;
  RescaleX = RescaleY = RadialTotalAngle = 0;
  PathObj = 0;
  MaxPathCopies = 99;
  PathSpacing = 0;
  ChosenColor = 0;
  ChosenLineType = ChosenLineWeight = 0;
  ClipboardRefX = ClipboardRefY = 0;
}

namespace {
// Another tool or Esc: the previews go (the dispatcher ends the outline as
// well) and the pointer is the arrow again; a path shown in its show colour
// gets its own colour back from a redraw.
void LeaveEdits() {
  if (!EditActive) return;
  const bool pathShown = PathCopyShowsPath();
  if (GroupDragOn) CancelGroupEdit();  // Esc takes the grip frame of Modify Selected down
  EndPreviews();
  ArrowPointer();
  EditActive = FlagFalse;
  if (pathShown) RedrawView();
}
const ModuleRegistrar Registered({"Edits", FloorCommands, ResetEdits,
                                  {ToolEdits, &EditActive, RunEditCommand, LeaveEdits, LeaveEdits}});
}  // namespace

}  // namespace lintavo
