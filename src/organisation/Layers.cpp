// Layers: layers of a drawing with their show and lock rules.
#include "organisation/Layers.h"

#include <string>

#include "app/DataHand.h"
#include "app/Top.h"
#include "app/frmMain.h"
#include "view/Zooms.h"
#include "view/frmDocument.h"

namespace lintavo {

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
  // Not yet done: the name is not added to the layer-name library, and the
  // layer command is not ended.
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
  // Not yet done: the name is not added to the layer-name library.
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

void ResetLayers() {
  LayerCommand = 0;
  LayerActive = 0;
  PreviewMode = 0;
  PreviewLayer = 0;
  PreviewAllLayers = 0;
  LayerNameSought.clear();
}

}  // namespace lintavo
