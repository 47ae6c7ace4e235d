// Layers: layers of a drawing with their show and lock rules.
#include "organisation/Layers.h"

#include "app/DataHand.h"
#include "app/Top.h"
#include "app/frmMain.h"
#include "view/frmDocument.h"

namespace lintavo {

Integer LayerCommand = 0;
Integer LayerActive = 0;
Integer PreviewMode = 0;
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

void ResetLayers() {
  LayerCommand = 0;
  LayerActive = 0;
  PreviewMode = 0;
  LayerNameSought.clear();
}

}  // namespace lintavo
