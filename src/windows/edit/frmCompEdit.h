// frmCompEdit: "Edit Component Placement". Lists every loaded component so
// that the placement being edited can show another one, edits the fields of
// the chosen component, renames it (a component placed more than once is
// duplicated under the new name) and previews it. Shown modally by Edit,
// Component, Edit and by the Edit command of tool 2.
//
// The placement being edited is the first selected placement of the current
// drawing; the dialog opens on its component, or, with none selected, on
// the component named by NewItemName.
#pragma once

#include <QDialog>

#include "model/TargetBorrow.h"
#include "platform/Types.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lintavo {

class SurfaceWidget;
struct ItemRec;

class frmCompEdit : public QDialog {
  Q_OBJECT
 public:
  explicit frmCompEdit(QWidget* parent = nullptr);
  ~frmCompEdit() override;

  QLabel* Label1 = nullptr;
  QListWidget* List1 = nullptr;
  QLineEdit* TxtName = nullptr;
  QLineEdit* TxtCategory = nullptr;
  QLineEdit* TxtAuthor = nullptr;
  QLineEdit* TxtPart = nullptr;
  QLineEdit* TxtDesc = nullptr;
  QLineEdit* TxtDate = nullptr;
  QLineEdit* txtLinked = nullptr;
  QLabel* lblLines = nullptr;
  QLabel* lblWidth = nullptr;
  QLabel* lblHeight = nullptr;
  QLabel* lblView = nullptr;
  QLabel* lblPlace = nullptr;
  QLabel* lblSelected = nullptr;
  SurfaceWidget* Picture1 = nullptr;
  QPushButton* cmdUpdate = nullptr;
  QPushButton* cmdLink = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;

  static constexpr int PictureWidth = 320;  // preview surface, pixels
  static constexpr int PictureHeight = 240;

  bool NothingToEdit() const { return List1Empty_; }  // no component is loaded

 protected:
  void reject() override;

 private:
  void BuildControls();
  void Form_Load();
  bool FindComponentByName(Long& Index) const;
  void FillEditList();
  void CountPlacements();
  // Whether a placement in another open drawing or inside another
  // definition shows the chosen component: a rename in place would rename
  // it there too, unasked.
  bool PlacedOutsideDrawing() const;
  void ShowEditComponent();
  void ShowRenamed();        // the component shown again under its new name, caption too
  void ShowPlacedCaption();  // "Edit Placed Component: " & the placed component's name
  void RenameComponentObjects();
  void List1_Click(int row);
  void cmdUpdate_Click();
  bool TakeBoxes(ItemRec& item) const;  // the typed boxes into item's fields; whether one changed
  void CopyUnderNewName();              // the edited placement's copy named ComponentName, stored
  bool NameTaken(const String& name) const;
  void cmdLink_Click();
  void OKButton_Click();

  String EditSearchName;
  Long EditChosenItem = 0;
  Long EditOpenedItem = 0;
  Long EditedPlacement = 0;  // the placement being edited; 0 none
  Long PlacementCount = 0;   // placements of the chosen component in the drawing, as wide as Objs
  bool List1Empty_ = true;
  TargetBorrow preview_;  // Picture1 as the drawing target while the chooser is open
};

// Shows the window modally and returns when it closes.
void ShowCompEdit();

}  // namespace lintavo
