// frmLayerSelect: the layer chooser, and its place in the layer commands
// and in Select Layer.
#include "windows/show/frmLayerSelect.h"

#include <QLabel>

#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/LayerItems.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "organisation/Layers.h"
#include "windows/show/frmAreaSelect.h"
#include "windows/show/frmGroupSelect.h"
#include "windows/show/frmViewSelect.h"
#include "picking/Selection.h"
#include "platform/Modal.h"
#include "platform/Prompts.h"

namespace lintavo {

namespace {
// Caption words by SelectAction 1..4.
constexpr const char* const LayerSelectWords[4] = {"Select Top ", "Show/Edit ", "Remove ", "Hide "};
}  // namespace

frmLayerSelect::frmLayerSelect(QWidget* parent)
    : frmItemChooser(ItemLayer, "Layer", LayerSelectWords, SelectedLayer, LayerNameSought, parent) {
  setObjectName("frmLayerSelect");
  Label2->setText("Note: Selecting a top layer automatically unlocks that Layer.");
}

Long frmLayerSelect::MemberCount(Long Index) const { return CountLayerObjs(Index); }

void frmLayerSelect::DeleteChosen(Long Index) {
  // The question hangs on the entities really on the layer, not on a stored
  // count that a later extents pass would only refresh.
  if (CountLayerObjs(Index) > 0 &&
      MsgBox("The Lines on this Layer will be Deleted with the Layer, Continue With the Delete?", vbYesNo,
             "Delete Layer") != vbYes)
    return;
  DeleteLayer(Index);
}

void frmLayerSelect::AddNewItem() {
  Long index = 0;
  for (Long n = 1;; ++n) {
    ChosenName = "New Layer " + std::to_string(n);
    if (!FindItemIndex(ChosenName, index)) break;
  }
  AddViewLayer(ChosenName);
}

void frmLayerSelect::AcceptChoice() {
  if (SelectedLayer < 1 || SelectedLayer > ItemCount) return;
  SetItemFlag(SelectedLayer, &ItemRec::Show, FlagTrue);
  SetItemFlag(SelectedLayer, &ItemRec::Lock, FlagFalse);
}

void ShowLayerSelect() {
  frmLayerSelect dialog;
  ShowModal(dialog);
}

namespace {

// The choosers of Select Layer, Area, Group and View; any other kind counts
// as cancelled.
bool ChooseItemOfKind(Integer Kind, String& Name, Long& ItemNo) {
  if (Kind == SelectKindArea) return ChooseAreaItem(Name, ItemNo);
  if (Kind == SelectKindGroup) return ChooseGroupItem(Name, ItemNo);
  if (Kind == SelectKindView) return ChooseViewItem(Name, ItemNo);
  if (Kind != SelectKindLayer) return false;
  ShowLayerSelect();
  return ChosenItem(SelectedLayer, LayerNameSought, Name, ItemNo);
}

void PlugLayerSelect() {
  LayerDialogs.ShowLayerSelect = ShowLayerSelect;
  SelectionServices.ChooseItem = ChooseItemOfKind;
}

const ModuleRegistrar Registered({"frmLayerSelect", FloorApp, nullptr, {}, PlugLayerSelect});

}  // namespace

}  // namespace lintavo
