// LayerItems: finding and making layers, and their show and lock rules.
#include "model/LayerItems.h"

#include <string>

#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/MainWindowLink.h"
#include "model/ProgramState.h"
#include "model/ServicesAbove.h"
#include "model/SupportLists.h"
#include "model/Top.h"
#include "model/ViewCache.h"

namespace lintavo {

namespace {
const String GeneralUseCategory = "General Use";  // category of names the program makes
}  // namespace

Integer PreviewMode = 0;
Long PreviewLayer = 0;
Integer PreviewAllLayers = 0;
String LayerNameSought;
LayerLendRec LayerLend;

// ---- Finding and making layers ---------------------------------------------------

bool FindLayerByName(Long& index) { return FindItemOfDrawing(ItemLayer, LayerNameSought, index); }

void AddNumberedLayer() {
  FirstFreeName(LayerNameSought, "New Layer ", FindLayerByName);
  AddViewLayer(LayerNameSought);
  AddLayerName(LayerNameSought, GeneralUseCategory);
}

void NewLayer() {
  AddNumberedLayer();
  // Making a layer is a whole layer command: it ends with the tool state cleared.
  if (ServicesAbove.EndLayerCommand) ServicesAbove.EndLayerCommand();
}

void NewFirstLayer(DrawingWindow& window) {
  NewLayer();
  window.Current_Layer = ItemCount;
  ClearDrawingChanged(CurDwg);
}

void AddViewLayer(const String& name) {
  ItemRec& layer = NewItemNamed(ItemLayer, name);
  layer.Xmin = ViewWinMinX;
  layer.Ymin = ViewWinMinY;
  layer.Xmax = ViewWinMaxX;
  layer.Ymax = ViewWinMaxY;
}

bool IsLayerOfDrawing(Long Index, Integer DwgNo) {
  return Index >= 1 && Index <= ItemCount && Items[Index].Rtype == ItemLayer && Items[Index].DwgNo == DwgNo;
}

Long FirstLayerOfDrawing(Integer DwgNo) {
  for (Long i = BaseItemCount + 1; i <= ItemCount; ++i)
    if (IsLayerOfDrawing(i, DwgNo)) return i;
  return 0;
}

Long EnsureLayer(const String& Name) {
  // The layer belongs to the window the user works in; without a main window
  // or an active child the surface stays as it is.
  TargetActiveWindow();
  // Layers belong to a drawing: without one open there is none to find or make.
  if (CurDwg < 1) return 0;
  LayerNameSought = Name;
  Long index = 0;
  if (FindLayerByName(index)) return index;
  ItemRec& layer = NewItemNamed(ItemLayer, Name);
  layer.Xmin = layer.Ymin = 0;
  layer.Xmax = layer.Ymax = 1;
  AddLayerName(Name, GeneralUseCategory);
  return ItemCount;
}

// ---- The current layer lent to a command ---------------------------------------

void LendCurrentLayer(const DrawingWindow* Window, Long OwnLayer, Long UserLayer) {
  LayerLend = {Window, Window ? Window->ID : 0, OwnLayer, UserLayer};
}

void EndLayerLend() { LayerLend = LayerLendRec{}; }

bool IsLayerLentIn(const DrawingWindow* Window) {
  return Window && Window == LayerLend.Window && Window->ID == LayerLend.DwgNo &&
         Window->Current_Layer == LayerLend.OwnLayer;
}

Long UserLayerOf(const DrawingWindow* Window) {
  if (!Window) return 0;
  return IsLayerLentIn(Window) ? LayerLend.UserLayer : Window->Current_Layer;
}

// ---- Visibility ------------------------------------------------------------------

bool IsObjLayerVisible(Long ObjNo) { return IsLayerVisible(Objs[ObjNo].LayerID); }

bool IsLayerVisible(Long layer) {
  // A layer link out of the table reads as the blank entry: hidden.
  const bool shown = layer >= 0 && layer <= ItemCount && Items[layer].Show;
  if (PreviewMode) return layer == PreviewLayer || (PreviewAllLayers && shown);
  const DrawingWindow* window = ActiveDocForm();
  // Without a drawing window there is no current layer and every layer shows.
  if (!window) return true;
  if (layer == window->Current_Layer) return true;
  // The layer the user had current shows beside a command's own while the
  // command waits, as it showed before the command made its layer current.
  if (!window->View_Layers) return layer == LayerLend.UserLayer && IsLayerLentIn(window);
  // Without a current layer (after HIDE All) a layer is still drawn by its
  // own flag: every full redraw turns View_Layers on in that state, and a
  // rule that drew every layer then would undo the hiding at once.
  return shown;
}

bool IsObjLayerEditable(Long ObjNo) { return IsLayerEditableIn(ActiveDocForm(), Objs[ObjNo].LayerID); }

bool IsLayerEditableIn(const DrawingWindow* window, Long layer) {
  if (!window || layer == window->Current_Layer) return true;
  if (!window->View_Layers) return false;
  // A layer link out of the table reads as the blank entry: hidden.
  if (layer < 0 || layer > ItemCount) return false;
  const ItemRec& item = Items[layer];
  return item.Show && !item.Lock;
}

// ---- Reset ---------------------------------------------------------------------------

void ResetLayerItems() {
  PreviewMode = 0;
  PreviewLayer = 0;
  PreviewAllLayers = 0;
  LayerNameSought.clear();
  EndLayerLend();
}

namespace {
const ModuleRegistrar Registered({"LayerItems", FloorModel, ResetLayerItems});
}  // namespace

}  // namespace lintavo
