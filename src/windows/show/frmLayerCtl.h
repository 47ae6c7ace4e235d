// frmLayerCtl: the "Layer Control" dialog behind SHOW A Layer. Lists the
// current drawing's layers with their Hidden and Locked states; shows,
// hides, locks and unlocks one layer or all, deletes and renames a layer,
// previews a layer, and chooses the drawing window's two layer modes.
//
// Show and lock changes, renames and deletions take effect on the layer
// items at once, also when the dialog is cancelled; OK makes the last
// clicked layer current and writes the modes into the active drawing window
// and the layer buttons. The per-layer buttons, Delete and Rename act only
// on a clicked row (ChosenIndex >= 1).
#pragma once

#include <QDialog>

#include "model/TargetBorrow.h"
#include "platform/Types.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace lintavo {

class SurfaceWidget;

class frmLayerCtl : public QDialog {
  Q_OBJECT
 public:
  explicit frmLayerCtl(QWidget* parent = nullptr);
  ~frmLayerCtl() override;

  QTreeWidget* lv = nullptr;          // one row per layer: name, "Hidden", "Locked"
  QPushButton* cmdShows = nullptr;    // toggles the chosen layer's Show
  QPushButton* cmdLocks = nullptr;    // toggles the chosen layer's Lock
  QPushButton* cmdHide = nullptr;     // "Hide All Layers"
  QPushButton* cmdShow = nullptr;     // "Show All Layers"
  QPushButton* cmdLock = nullptr;     // "Lock All Layers"
  QPushButton* cmdUnlock = nullptr;   // "Unlock All Layers"
  QPushButton* cmdDelete = nullptr;   // "Delete Current Layer"
  QCheckBox* chkEdit = nullptr;       // "Edit Top Layer Only": PendingEditAll clear
  QCheckBox* chkShow = nullptr;       // "ShowTop Layer Only": PendingViewAll clear
  QLineEdit* TxtName = nullptr;       // chosen name; Enter renames
  SurfaceWidget* Picture1 = nullptr;  // preview surface
  QLabel* lblView = nullptr;          // "Current Layer = " & the chosen name
  QLabel* lblLines = nullptr;         // "Lines = " & its entity count
  QLabel* lblWidth = nullptr;
  QLabel* lblHeight = nullptr;
  QLabel* Label1 = nullptr;           // count line
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;

  // ---- Dialog state --------------------------------------------------------------------
  Long PendingLayer = 0;       // the layer OK makes current
  Integer PendingViewAll = 0;  // flag OK writes into View_Layers
  Integer PendingEditAll = 0;  // flag OK writes into Edit_layers
  Long ChosenIndex = 0;        // Items index of the layer last clicked; 0 none
  int ChosenRow = 0;           // its row, 1-based; 0 none

  static constexpr int PictureWidth = 240;  // preview surface, pixels
  static constexpr int PictureHeight = 180;

  enum Column { ColumnName = 0, ColumnHidden = 1, ColumnLocked = 2 };

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void accept() override;
  void reject() override;

 private:
  void Form_Load();
  void FillLayerView();
  void ColourLayerRows();
  void lv_Click(QTreeWidgetItem* row);
  void ShowLayerCtlPreview();
  void ShowChosenName();     // lblView := "Current Layer = " & LayerNameSought
  void ShowNothingChosen();  // the picture cleared, the labels beside it at their design texts
  void cmdShows_Click();
  void cmdLocks_Click();
  void SetAllCells(Column column, const char* text);
  void cmdDelete_Click();
  void TxtName_Enter();
  bool ChosenValid() const;

  TargetBorrow preview_;  // Picture1 as the drawing target while the chooser is open
};

void ShowLayerControl();  // shows the dialog modally for the current SelectAction

}  // namespace lintavo
