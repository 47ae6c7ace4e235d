// frmLayerSelect: the layer chooser. The user picks one layer of the current
// drawing, seeing a preview of that layer's entities alone; a numbered new
// layer can be added, a layer deleted with its entities and a layer renamed.
//
// Opened by SET New Current(Top) Layer, HIDE A Layer and Select Layer. OK
// shows and unlocks the chosen layer ("Selecting a top layer automatically
// unlocks that Layer."). Results: SelectedLayer and LayerNameSought (0 and
// empty when nothing was chosen, cancelled or the chosen layer deleted),
// DlgCancelled.
#pragma once

#include "windows/show/frmItemChooser.h"

namespace lintavo {

class frmLayerSelect : public frmItemChooser {
  Q_OBJECT
 public:
  explicit frmLayerSelect(QWidget* parent = nullptr);

 protected:
  void DeleteChosen(Long Index) override;
  void AddNewItem() override;  // AddNumberedLayer
  void AcceptChoice() override;
  Long MemberCount(Long Index) const override;
};

// Shows the chooser modally for the current SelectAction.
void ShowLayerSelect();

}  // namespace lintavo
