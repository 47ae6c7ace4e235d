// Layers: layers of a drawing with their show and lock rules.
#include "organisation/Layers.h"

#include <string>

#include "app/DataHand.h"
#include "app/Top.h"
#include "app/frmMain.h"
#include "storage/SaveData.h"
#include "view/Zooms.h"
#include "view/frmDocument.h"

namespace lintavo {

namespace {
const String GeneralUseCategory = "General Use";  // category of names the program makes
}  // namespace


Integer LayerCommand = 0;
Integer LayerActive = 0;
Integer PreviewMode = 0;
Long PreviewLayer = 0;
Integer PreviewAllLayers = 0;
String LayerNameSought;

bool FindLayerByName(Long& index) {
  index = 0;
  for (Long i = 1; i <= ItemCount; ++i) {
    index = i;
    const ItemRec& item = Items[i];
    if (item.DwgNo == CurDwg && item.Rtype == ItemLayer && item.Name == LayerNameSought) return true;
  }
  return false;
}

void NewLayer() {
  Long index = 0;
  for (Long n = 1;; ++n) {
    LayerNameSought = "New Layer " + std::to_string(n);
    if (!FindLayerByName(index)) break;
  }
  NewItemName = LayerNameSought;
  AddItem(ItemLayer);
  ItemRec& layer = Items[ItemCount];
  layer.Name = NewItemName;
  layer.Xorigin = layer.Yorigin = 0;
  layer.Xmin = ViewWinMinX;
  layer.Ymin = ViewWinMinY;
  layer.Xmax = ViewWinMaxX;
  layer.Ymax = ViewWinMaxY;
  layer.Show = FlagTrue;
  layer.Lock = FlagFalse;
  AddLayerName(layer.Name, GeneralUseCategory);
  // Not yet done: the layer command is not ended (its commands come later).
}

Long EnsureLayer(const String& Name) {
  // The layer belongs to the window the user works in; without a main window
  // or an active child the surface stays as it is.
  if (MainForm) {
    if (frmDocument* child = MainForm->ActiveChild()) ActiveDoc = child;
  }
  LayerNameSought = Name;
  Long index = 0;
  if (FindLayerByName(index)) return index;
  NewItemName = Name;
  AddItem(ItemLayer);
  ItemRec& layer = Items[ItemCount];
  layer.Xmin = layer.Ymin = 0;
  layer.Xmax = layer.Ymax = 1;
  layer.Show = FlagTrue;
  AddLayerName(Name, GeneralUseCategory);
  return ItemCount;
}

bool IsObjLayerVisible(Long ObjNo) {
  const Long layer = Objs[ObjNo].LayerID;
  // A layer link out of the table reads as the blank entry: hidden.
  const bool shown = layer >= 0 && layer <= ItemCount && Items[layer].Show;
  if (PreviewMode) return layer == PreviewLayer || (PreviewAllLayers && shown);
  const frmDocument* window = ActiveDocForm();
  // Without a drawing window there is no current layer and every layer shows.
  if (!window) return true;
  if (layer == window->Current_Layer) return true;
  if (!window->View_Layers) return false;
  return window->Current_Layer == 0 || shown;
}

bool IsObjLayerEditable(Long ObjNo) { return IsLayerEditableIn(ActiveDocForm(), Objs[ObjNo].LayerID); }

bool IsLayerEditableIn(const frmDocument* window, Long layer) {
  if (!window || layer == window->Current_Layer) return true;
  if (!window->View_Layers) return false;
  // A layer link out of the table reads as the blank entry: hidden.
  if (layer < 0 || layer > ItemCount) return false;
  const ItemRec& item = Items[layer];
  return item.Show && !item.Lock;
}

std::vector<LayerNameRec> LayerNameList(1);
Long LayerNameBound = 0;
Long LayerNameCount = 0;

void AddLayerName(const String& Name, const String& Category) {
  for (Long i = 1; i <= LayerNameCount; ++i)
    if (LayerNameList[i].Name == Name) return;  // the stored category stays
  if (LayerNameCount + 10 > LayerNameBound) {
    LayerNameBound += 100;
    LayerNameList.resize(LayerNameBound + 1);
  }
  ++LayerNameCount;
  LayerNameList[LayerNameCount] = LayerNameRec{Name, Category};
  String name = Name, category = Category;
  SaveLayerName(name, category);
}

void ResetLayers() {
  LayerNameList.assign(1, LayerNameRec{});
  LayerNameBound = LayerNameCount = 0;
  LayerCommand = 0;
  LayerActive = 0;
  PreviewMode = 0;
  PreviewLayer = 0;
  PreviewAllLayers = 0;
  LayerNameSought.clear();
}

}  // namespace lintavo
