// Layers: the layer commands of tool 14 and the layer routines the layer
// dialogs share.
//
// Sections:
//   Command state
//   Dispatcher
//   Choosing commands (set current, show, hide)
//   Whole-drawing commands (show all, hide all, modes)
//   Shared layer routines
//   Reset and registration
#include "organisation/Layers.h"

#include <iterator>

#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/MainWindowLink.h"
#include "model/MessageBar.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/ServicesAbove.h"
#include "model/Top.h"
#include "model/UndoRedo.h"
#include "picking/Selection.h"
#include "platform/Prompts.h"
#include "view/Zooms.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------

Integer LayerCommand = 0;
Integer LayerActive = 0;
Long SelectedLayer = 0;
LayerDialogsRec LayerDialogs;

namespace {

// Titles of the sub-commands in panel 1, by LayerCode from ShowLayerCode.
constexpr const char* LayerTitles[] = {
    "SHOW A Layer",
    "HIDE A Layer",
    "SHOW All Layers",
    "HIDE All Layers",
    "SET New Current(Top) Layer",
    "View ALL Showing Layers",
    "View Current Layer Only",
    "Edit ALL Showing Layers",
    "Edit Current Layer Only",
    "",
};
static_assert(std::size(LayerTitles) == NewLayerCode - ShowLayerCode + 1, "one title per layer command");

void ShowTitle(Integer code) { ShowStatus(LayerTitles[code - ShowLayerCode], 1); }


// Shows a layer dialog for an action; a dialog nobody plugged is cancelled.
void ShowLayerDialog(void (*show)(), Integer action) {
  SelectAction = action;
  SelectedLayer = 0;
  LayerNameSought.clear();
  DlgCancelled = FlagTrue;
  if (show) show();
}

bool LayerChosen() { return !DlgCancelled && SelectedLayer > 0 && SelectedLayer <= ItemCount; }

// The status bar's layer read-out and the layer buttons. The read-out gives
// both modes back when there is no current layer, so without one only the
// buttons follow the modes (HIDE All keeps View_Layers off).
void ShowLayerReadout() {
  const DrawingWindow* window = ActiveDocForm();
  if (window && window->Current_Layer > 0) ShowLayerStatus();
  else ShowLayerButtons();
}

void RedrawWindow(DrawingWindow* window) {
  if (window) RefreshDocView(window);
  else RefreshActiveView();
}

// Every object of the current drawing that is selected goes on the layer.
void MoveSelectionToLayer(Long layer) {
  const Long last = ObjCount;
  for (Long i = 1; i <= last; ++i) {
    ObjRec& obj = Objs[i];
    if (!IsDrawnSelected(obj)) continue;
    obj.LayerID = layer;
    EntityChanged(i);
    WidenExtentsByEntity(i);  // the layer's box holds its new entity
  }
}

// ---- Choosing commands (set current, show, hide) -------------------------------------

void SetCurrentLayer() {
  ShowTitle(SetCurrentLayerCode);
  ShowLayerDialog(LayerDialogs.ShowLayerSelect, LayerActionSelect);
  DrawingWindow* window = TargetActiveWindow();
  if (LayerChosen() && window) {
    if (LayerNameSought.empty()) {
      ShowStatus("Layer : " + LayerNameSought + " Not Found", 2);
    } else {
      const ItemRec& layer = Items[SelectedLayer];
      SaveViewWindow();
      window->Current_Layer = SelectedLayer;
      window->View_Layers = FlagFalse;
      SetItemFlag(SelectedLayer, &ItemRec::Show, FlagTrue);
      // An empty layer has no extents to fit: the view stays where it is,
      // its world window too (an empty box is inside out, or of no size
      // with no lines). Lines on one level, or upright, or one point, are
      // given the size that shows them.
      if (ItemHoldsFigure(layer)) {
        ViewWindowRect box{layer.Xmin, layer.Ymin, layer.Xmax, layer.Ymax};
        SizeFigureBoxForWindow(box);
        FitViewToBox(box);
      }
      ShowStatus("Layer: " + layer.Name + " is Top Layer", 2);
      if (AnythingSelected() &&
          MsgBox("Do you want to move the currently selected lines to this Layer?", vbYesNo, "Select Layer") == vbYes)
        MoveSelectionToLayer(SelectedLayer);
    }
  }
  RefreshActiveView();
  ShowLayerReadout();
  EndLayerCommand();
}

void ShowLayer() {
  ShowTitle(ShowLayerCode);
  ShowLayerDialog(LayerDialogs.ShowLayerControl, LayerActionShow);
  DrawingWindow* window = TargetActiveWindow();
  if (LayerChosen()) {
    SetItemFlag(SelectedLayer, &ItemRec::Show, FlagTrue);
    RedrawWindow(window);
    ShowStatus("Layer: " + LayerNameSought + " Showing", 2);
  } else {
    RefreshActiveView();
  }
  ShowLayerReadout();
  EndLayerCommand();
}

void HideLayer() {
  ShowTitle(HideLayerCode);
  ShowLayerDialog(LayerDialogs.ShowLayerSelect, LayerActionHide);
  DrawingWindow* window = TargetActiveWindow();
  if (!LayerChosen() || !window) {
    RefreshActiveView();
    EndLayerCommand();
    return;
  }
  window->View_Layers = FlagFalse;
  const ItemRec& layer = Items[SelectedLayer];
  if (window->Current_Layer == SelectedLayer) {
    ShowStatus("Can Not Hide Current Layer!!", 2);
    EndLayerCommand();
    return;
  }
  SetItemFlag(SelectedLayer, &ItemRec::Show, FlagFalse);
  RedrawWindow(window);
  ShowStatus("Layer: " + layer.Name + " Hidden", 2);
  EndLayerCommand();
}

// ---- Whole-drawing commands (show all, hide all, modes) ------------------------------

void ShowOrHideAll(Integer code) {
  ShowTitle(code);
  DrawingWindow* window = TargetActiveWindow();
  const bool show = code == ShowAllLayersCode;
  SetAllLayersShow(Flag(show));
  if (window) {
    window->View_Layers = Flag(show);
    if (!show) window->Current_Layer = 0;
  }
  RedrawWindow(window);
  ShowLayerReadout();
  EndLayerCommand();
}

void SetLayerMode(Integer code) {
  ShowTitle(code);
  DrawingWindow* window = TargetActiveWindow();
  if (window) {
    switch (code) {
      case ViewAllLayersCode: window->View_Layers = FlagTrue; break;
      case ViewCurrentLayerOnlyCode:
        window->View_Layers = FlagFalse;
        window->Edit_layers = FlagFalse;
        break;
      case EditAllLayersCode: window->Edit_layers = FlagTrue; break;
      case EditCurrentLayerOnlyCode: window->Edit_layers = FlagFalse; break;
      default: break;
    }
  }
  RedrawWindow(window);
  ShowLayerReadout();
  EndLayerCommand();
}

void ShowAllLayers() { ShowOrHideAll(ShowAllLayersCode); }
void HideAllLayers() { ShowOrHideAll(HideAllLayersCode); }
void ViewAllLayers() { SetLayerMode(ViewAllLayersCode); }
void ViewCurrentLayerOnly() { SetLayerMode(ViewCurrentLayerOnlyCode); }
void EditAllLayers() { SetLayerMode(EditAllLayersCode); }
void EditCurrentLayerOnly() { SetLayerMode(EditCurrentLayerOnlyCode); }

}  // namespace

// ---- Dispatcher ----------------------------------------------------------------

void RunLayerCommand() {
  // Layers belong to a drawing window: without one there is nothing to do.
  MainWindowLink* main = MainLink();
  if (main && !main->ActiveDrawingWindow()) {
    EndLayerCommand();
    return;
  }
  if (!LayerActive) {
    BeginCommand(LayerActive);
    LayerNameSought.clear();
  }
  switch (LayerCommand) {
    case ShowLayerCode: ShowLayer(); break;
    case HideLayerCode: HideLayer(); break;
    case ShowAllLayersCode: ShowAllLayers(); break;
    case HideAllLayersCode: HideAllLayers(); break;
    case SetCurrentLayerCode: SetCurrentLayer(); break;
    case ViewAllLayersCode: ViewAllLayers(); break;
    case ViewCurrentLayerOnlyCode: ViewCurrentLayerOnly(); break;
    case EditAllLayersCode: EditAllLayers(); break;
    case EditCurrentLayerOnlyCode: EditCurrentLayerOnly(); break;
    case NewLayerCode:
      TargetActiveWindow();
      NewLayer();  // ends the command itself
      break;
    default: EndLayerCommand(); break;  // codes 1 and 2 name no command
  }
}

void EndLayerCommand() {
  EndCommand(LayerActive);
}

// ---- Shared layer routines -------------------------------------------------------

namespace {

// The layer that becomes current in drawing DwgNo in place of a deleted
// one: its first layer, or a numbered new one when none is left, so that
// what is drawn next lies on a layer of the drawing. The dialog results
// that name the chosen layer are kept.
Long LayerInPlaceOfDeleted(Integer DwgNo) {
  const Long first = FirstLayerOfDrawing(DwgNo);
  if (first > 0 || DwgNo != CurDwg) return first;
  const String sought = LayerNameSought;
  AddNumberedLayer();
  LayerNameSought = sought;
  return ItemCount;
}

}  // namespace

void DeleteLayer(Long LayerIndex) {
  if (LayerIndex < 1 || LayerIndex > ItemCount) return;
  const Integer dwgNo = Items[LayerIndex].DwgNo;
  if (!DeleteChosenItem(LayerIndex, ItemLayer, DeleteLayerObjs, SelectedLayer, LayerNameSought)) return;
  // Whichever of these windows had the layer current takes another of its
  // drawing: the layer's number may be given to the next item made.
  MainWindowLink* main = MainLink();
  DrawingWindow* windows[] = {WindowOfDrawing(dwgNo), ActiveDocForm(), main ? main->ActiveDrawingWindow() : nullptr};
  Long inPlace = -1;  // found once, when a window needs it
  for (DrawingWindow* window : windows) {
    if (!window || window->Current_Layer != LayerIndex) continue;
    if (inPlace < 0) inPlace = LayerInPlaceOfDeleted(dwgNo);
    window->Current_Layer = inPlace;
  }
}

Long CountLayerObjs(Long LayerIndex) {
  Long count = 0;
  const Long last = ObjCount;
  for (Long i = 1; i <= last; ++i) {
    const ObjRec& obj = Objs[i];
    if (obj.LayerID == LayerIndex && obj.DwgNo == CurDwg && !obj.Erased) ++count;
  }
  return count;
}

namespace {
void SetEveryLayer(Integer ItemRec::*field, Integer value) {
  for (Long i = 1; i <= ItemCount; ++i) {
    const ItemRec& item = Items[i];
    if (item.Rtype == ItemLayer && item.DwgNo == CurDwg) SetItemFlag(i, field, value);
  }
}
}  // namespace

void SetAllLayersShow(Integer Value) { SetEveryLayer(&ItemRec::Show, Value); }
void SetAllLayersLock(Integer Value) { SetEveryLayer(&ItemRec::Lock, Value); }

// ---- Reset and registration -------------------------------------------------------

void ResetLayers() {
  LayerCommand = 0;
  LayerActive = 0;
  SelectedLayer = 0;
}

namespace {
void PlugLayers() { ServicesAbove.EndLayerCommand = EndLayerCommand; }
const ModuleRegistrar Registered({"Layers", FloorOrganisation, ResetLayers,
                                  {ToolLayers, &LayerActive, RunLayerCommand},
                                  PlugLayers});
}  // namespace

}  // namespace lintavo
