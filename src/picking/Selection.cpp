// Selection: the set counter, the Select commands and the routines that
// put entities into the set and take them out.
//
// Sections:
//   Module state
//   Drawing one entity
//   The set
//   Select Line and Select Window
//   Chooser commands
//   Whole-drawing commands
//   Dispatcher
//   Registration
#include "picking/Selection.h"

#include <iterator>
#include <string>

#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/LayerItems.h"
#include "model/MainWindowLink.h"
#include "model/MessageBar.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "picking/Identify.h"
#include "picking/WindowCorners.h"
#include "platform/Numbers.h"
#include "platform/Pointers.h"
#include "view/DrawDispatch.h"
#include "view/Zooms.h"

namespace lintavo {

// ---- Module state ------------------------------------------------------------------

Integer SelectionCommand = 0;
Integer SelectionActive = 0;
Integer SelectionPrevCommand = 0;
Integer SelectKind = 0;
Integer SelectAction = 0;
Integer KeptConPnts = 0;
Double SelectPickX = 0, SelectPickY = 0;
Double SelectPickDist = 0;
SelectionServicesRec SelectionServices;

namespace {

// ---- Drawing one entity ----------------------------------------------------------------

// SelectObj and DeselectObj draw one entity over its neighbours; the next
// count draws the picture again.
bool PictureStale = false;

void DrawIfShown(Long objNo) {
  if (!Objs[objNo].Show) return;
  DrawObject(objNo);
  PictureStale = true;
}

// The user's point marking, kept while a Select command runs, given back.
void GiveBackMarking() {
  if (SelectionActive) ShowConPnts = KeptConPnts;
}

void ShowCount(Long count) { ShowStatus(" " + std::to_string(count) + ": Lines Selected", 3); }

}  // namespace

// ---- The set ----------------------------------------------------------------------------------

namespace {

// The current drawing's set number: each drawing keeps its own.
Integer& SetNumber() { return Dwgs[CurDwg].SelectSet; }

// A set numbered Number starts in the current drawing: the stamps of its
// earlier sets come off first, so that the new set holds exactly what is
// stamped from now on. Erase batches (below 0) stay.
void StartSetNumbered(Integer Number) {
  const Long last = ObjCount;
  for (Long i = BaseObjCount + 1; i <= last; ++i) {
    ObjRec& obj = Objs[i];
    if (obj.DwgNo == CurDwg && obj.Select > 0) obj.Select = 0;
  }
  SetNumber() = Number;
  ++Dwgs[CurDwg].SetsStarted;  // an entity an Undo brings back no longer rejoins the set it left
}

}  // namespace

void ApplySelectionSet() {
  const Integer number = SetNumber();
  Long count = 0;
  if (number >= 1) {
    Long changed = 0;
    const Long last = ObjCount;
    for (Long i = BaseObjCount + 1; i <= last; ++i) {
      ObjRec& obj = Objs[i];
      if (obj.DwgNo != CurDwg) continue;
      const Integer selected = Flag(obj.Select == number);
      if (selected && obj.Show && !obj.Erased) ++count;
      if (obj.Selected == selected) continue;
      SetSelectedFlag(i, selected);
      if (obj.Show) ++changed;
    }
    // A selected entity is drawn over its neighbours in the selection style;
    // only the whole picture drawn again in table order is the model's own.
    if (changed > 0 || PictureStale) RefreshActiveView();
    PictureStale = false;
    GiveBackMarking();
  } else {
    count = SelectedCount();
  }
  ShowCount(count);
}

void SelectObj(Long ObjNo) {
  if (ObjNo < 1 || ObjNo > ObjCount) return;
  if (!Objs[ObjNo].Selected) WipeObj(ObjNo);
  ObjRec& obj = Objs[ObjNo];
  obj.Select = SetNumber();
  SetSelectedFlag(ObjNo, FlagTrue);
  DrawIfShown(ObjNo);
}

void DeselectObj(Long ObjNo) {
  if (ObjNo < 1 || ObjNo > ObjCount) return;
  ObjRec& obj = Objs[ObjNo];
  if (!obj.Selected) return;
  obj.Select = 0;
  obj.Selected = FlagFalse;
  DrawIfShown(ObjNo);
}

void DeselectAll() {
  ShowStatus("De-Select All Lines", 1);
  DropSelection();
  if (!SelectionActive) return;
  ApplySelectionSet();
  EndSelectionCommand();
}

void DropSelection() {
  const Long last = ObjCount;
  for (Long i = BaseObjCount + 1; i <= last; ++i)
    if (Objs[i].DwgNo == CurDwg) DeselectObj(i);
  StartSetNumbered(0);
  if (PictureStale) RefreshActiveView();
  PictureStale = false;
}

void StartNewSelectionSet() { StartSetNumbered(SetNumber() < MaxSelectionSet ? SetNumber() + 1 : 1); }

void EndSelectionCommand() {
  GiveBackMarking();
  RubberWindowOn = FlagFalse;
  EndCommand(SelectionActive);
}

namespace {

// ---- Select Line and Select Window -------------------------------------------------

void SelectLine() {
  if (ToolStep == 0) {
    ShowStatus("Select Line", 1);
    ShowStatus("Enter a Point on an Line >", 2);
    return;
  }
  TakePickPoint(SelectPickX, SelectPickY);
  Long objNo = 0;
  FindObjAt(objNo, SelectPickX, SelectPickY, SelectPickDist);
  if (objNo >= 1 && ToSingle(SelectPickDist) <= PickTolerance) {
    if (Objs[objNo].Selected) {
      DeselectObj(objNo);
    } else {
      SelectObj(objNo);
      LastObj = objNo;
    }
  }
  ApplySelectionSet();
}

// Adds the shown, editable entities of the drawing inside the stored window
// that are not in the set yet.
void AddWindowToSet() {
  const DrawingWindow* window = ActiveDocForm();
  const Integer number = SetNumber();
  const Long last = ObjCount;
  for (Long i = BaseObjCount + 1; i <= last; ++i) {
    const ObjRec& obj = Objs[i];
    if (obj.DwgNo != CurDwg || !obj.Show || obj.Select == number) continue;
    if (window && !IsLayerEditableIn(window, obj.LayerID)) continue;
    if (IsObjInWindow(i)) SelectObj(i);
  }
}

void SelectWindow() {
  switch (ToolStep) {
    case 0:
      ShowStatus("Select Window ", 1);
      GetWindowCorners(1);
      return;
    case 1: GetWindowCorners(2); return;
    default:
      // A window without width or height holds nothing: it adds nothing.
      if (GetWindowCorners(3)) AddWindowToSet();
      ApplySelectionSet();
      ToolStep = 0;
      GetWindowCorners(1);
      return;
  }
}

// ---- Chooser commands ------------------------------------------------------------------

struct ChooserRow {
  Integer Code;      // SelectionCode
  const char* Title;  // panel 1
  Integer Kind;      // SelectKindCode
  const char* Word;  // the kind word before the item's name in panel 2
};
constexpr ChooserRow ChooserRows[] = {
    {SelectViewCode, "Select View", SelectKindView, "View: "},
    {SelectAreaCode, "Select Area", SelectKindArea, "AREA: "},
    {SelectGroupCode, "Select Group", SelectKindGroup, "Group: "},
    {SelectLayerCode, "Select Layer", SelectKindLayer, "Layer: "},
};
static_assert(std::size(ChooserRows) == SelectLayerCode - SelectViewCode + 1,
              "one row per chooser command");

void EndWithRedraw() {
  RefreshActiveView();
  EndSelectionCommand();
}

// Whether an entity is a fill or hatch of area item itemNo: drawn within
// the area's boundary wherever its insertion point lies (the box corner of
// a turned or notched figure lies outside the figure).
bool IsPaintOf(const ObjRec& obj, Long itemNo) {
  return (obj.Rtype == EntityFill || obj.Rtype == EntityHatch) && obj.ObjectID == itemNo;
}

// Whether an entity of the current drawing belongs to the chosen item.
bool IsMember(const ChooserRow& row, Long objNo, Long itemNo, bool windowValid) {
  const ObjRec& obj = Objs[objNo];
  switch (row.Kind) {
    case SelectKindView: return windowValid && IsObjInWindow(objNo);
    case SelectKindArea:
      return IsPaintOf(obj, itemNo) ||
             (SelectionServices.IsObjectInsideBoundary && SelectionServices.IsObjectInsideBoundary(objNo));
    case SelectKindGroup: return obj.OwnerID == itemNo;
    case SelectKindLayer: return obj.LayerID == itemNo;
    default: return false;
  }
}

// The view is fitted to the item's stored box, with the fit's margin; the
// box of a group or layer whose lines lie on one level, or upright, or on
// one point, is given the size that shows them.
void ShowChosenItem(Long itemNo) {
  const ItemRec& item = Items[itemNo];
  SetItemFlag(itemNo, &ItemRec::Show, FlagTrue);
  FitViewToItemBox(item.Xmin, item.Ymin, item.Xmax, item.Ymax, ItemHoldsFigure(item));
}

void SelectByChooser(const ChooserRow& row) {
  ShowStatus(row.Title, 1);
  SelectKind = row.Kind;
  SelectAction = SelectActionSelect;
  String name;
  Long itemNo = 0;
  const bool chosen = SelectionServices.ChooseItem && SelectionServices.ChooseItem(row.Kind, name, itemNo);
  TargetActiveWindow();
  if (!chosen || itemNo < 1 || itemNo > ItemCount) {
    EndWithRedraw();
    return;
  }
  const String word = row.Word;
  if (name.empty()) {
    ShowStatus(word + name + " - Name Not Found", 2);
    EndWithRedraw();
    return;
  }
  // An area without a boundary selects nothing and leaves the selection
  // as it was: the new set starts only once there is something to test.
  if (row.Kind == SelectKindArea &&
      !(SelectionServices.BuildBoundarySpans && SelectionServices.BuildBoundarySpans(itemNo))) {
    RefreshActiveView();
    ShowStatus(word + name + " - Boundary Not Found", 2);
    EndSelectionCommand();
    return;
  }
  StartNewSelectionSet();
  bool windowValid = false;
  if (row.Kind == SelectKindView) {
    const ItemRec& view = Items[itemNo];
    windowValid = SetWindowFromView(view.Xmin, view.Ymin, view.Xmax, view.Ymax);
  }
  Long members = 0;
  const Integer number = SetNumber();
  const Long last = ObjCount;
  for (Long i = BaseObjCount + 1; i <= last; ++i) {
    ObjRec& obj = Objs[i];
    if (obj.DwgNo != CurDwg || !obj.Show || !IsMember(row, i, itemNo, windowValid)) continue;
    obj.Select = number;
    ++members;
  }
  if (members > 0) ShowChosenItem(itemNo);
  RefreshActiveView();
  ShowStatus(word + name + " - Selected", 2);
  ApplySelectionSet();
  EndSelectionCommand();
}

// ---- Whole-drawing commands -------------------------------------------------------------

enum class Stamp { VisibleLayers, EveryShown, CurrentLayer };

// Every shown entity of the drawing that passes the rule gets the current number.
void StampEntities(Stamp rule) {
  const DrawingWindow* window = ActiveDocForm();
  const Long currentLayer = window ? window->Current_Layer : 0;
  const Integer number = SetNumber();
  const Long last = ObjCount;
  for (Long i = BaseObjCount + 1; i <= last; ++i) {
    ObjRec& obj = Objs[i];
    if (obj.DwgNo != CurDwg || !obj.Show) continue;
    if (rule == Stamp::VisibleLayers && !IsObjLayerVisible(i)) continue;
    if (rule == Stamp::CurrentLayer && obj.LayerID != currentLayer) continue;
    obj.Select = number;
  }
}

void SelectAllVisible() {
  ShowStatus("Select All Visable Lines", 1);
  StartNewSelectionSet();
  StampEntities(Stamp::VisibleLayers);
  ApplySelectionSet();
  EndSelectionCommand();
}

void SelectDrawing() {
  ShowStatus("Select All Items in Drawing", 1);
  StartSetNumbered(1);
  StampEntities(Stamp::EveryShown);
  ApplySelectionSet();
  EndSelectionCommand();
}

void SelectTopLayer() {
  ShowStatus("Select All Items on Current Layer", 1);
  StartNewSelectionSet();
  if (ObjCount < 1) {
    EndSelectionCommand();
    return;
  }
  StampEntities(Stamp::CurrentLayer);
  ApplySelectionSet();
  EndSelectionCommand();
}

const ChooserRow* ChooserOf(Integer code) {
  for (const ChooserRow& row : ChooserRows)
    if (row.Code == code) return &row;
  return nullptr;
}

}  // namespace

// ---- Dispatcher ----------------------------------------------------------------------------

void RunSelectionCommand() {
  if (!SelectionActive) {
    BeginCommand(SelectionActive);
    SelectionPrevCommand = SelectionCommand;
    KeptConPnts = ShowConPnts;
    if (SetNumber() == 0) SetNumber() = 1;
    ClearPrompts();
  } else if (SelectionCommand != SelectionPrevCommand) {
    SelectionPrevCommand = SelectionCommand;
    RubberWindowOn = FlagFalse;
    BeginCommand(SelectionActive);
    ShowStatus("", 2);
  }
  // The points the command picks are never marked; the user's setting
  // comes back with the count.
  ShowConPnts = FlagFalse;
  SnapCursorOn = FlagFalse;
  ArrowPointer();
  switch (SelectionCommand) {
    case SelectLineCode: SelectLine(); break;
    case SelectWindowCode: SelectWindow(); break;
    case SelectAllVisibleCode: SelectAllVisible(); break;
    case SelectDrawingCode: SelectDrawing(); break;
    case DeselectAllCode: DeselectAll(); break;
    case SelectTopLayerCode: SelectTopLayer(); break;
    default:
      if (const ChooserRow* row = ChooserOf(SelectionCommand)) SelectByChooser(*row);
      break;
  }
}

// ---- Registration ---------------------------------------------------------------------------

void ResetSelection() {
  SelectionCommand = 0;
  SelectionActive = 0;
  SelectionPrevCommand = 0;
  SelectKind = SelectAction = 0;
  KeptConPnts = 0;
  SelectPickX = SelectPickY = SelectPickDist = 0;
  PictureStale = false;
}

namespace {
// Esc or another tool: the user's point marking comes back.
void LeaveSelection() {
  GiveBackMarking();
  SelectionActive = FlagFalse;
}
const ModuleRegistrar Registered({"Selection", FloorPicking, ResetSelection,
                                  {ToolSelection, &SelectionActive, RunSelectionCommand, LeaveSelection,
                                   LeaveSelection}});
}  // namespace

}  // namespace lintavo
