// frmLayerMgr: the "Layer Manager": gives the current drawing layers chosen
// from the layer-name library. The left list shows the library's names of
// the chosen category, the right list the drawing's layers; names move
// between them, new names can be typed into the library (for this run of
// the program), and OK makes every layer of the right list that the
// drawing lacks (EnsureLayer). It never deletes or renames a layer.
// Shown modally from the Options menu.
#pragma once

#include <QDialog>

#include "platform/Types.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lintavo {

class frmLayerMgr : public QDialog {
  Q_OBJECT
 public:
  explicit frmLayerMgr(QWidget* parent = nullptr);

  QComboBox* Combo1 = nullptr;      // category filter: "List All", then each category once
  QListWidget* lstLeft = nullptr;   // "Available Layer Names" of the category
  QListWidget* lstRight = nullptr;  // "Layers used in this Drawing"
  QLineEdit* Text1 = nullptr;       // "Current Drawing"
  QLineEdit* Text2 = nullptr;       // "New Layer Name"
  QLineEdit* Text3 = nullptr;       // "New Category"
  QPushButton* cmdMove = nullptr;     // ">": chosen names left to right
  QPushButton* cmdMoveAll = nullptr;  // ">>"
  QPushButton* cmdBack = nullptr;     // "<": chosen names right to left
  QPushButton* cmdBackAll = nullptr;  // "<<"
  QPushButton* cmdAddCat = nullptr;   // "Add New Category": appends Text2 under Text3
  QPushButton* cmdAddLayer = nullptr; // "Add New Layer Name": the same, from the name's side
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;

  String NewLayerName;  // the pair the two add buttons append
  String NewCategory;

 protected:
  void accept() override;

 private:
  void FillCategoryCombo();
  void FillAvailableNames();
  void FillDrawingLayers();
  bool NameNotInUsedList(const QString& name) const;
  void UpdateMoveButtons();
  void MoveRight(bool everyRow);
  void MoveLeft(bool everyRow);
  // Both add buttons: Text2 joins the library under Text3 (the category
  // chosen in Combo1 when Text3 is empty), is listed and chosen on the left;
  // an empty name, or one the library lists already (under any category), is
  // refused with a message that says why.
  void AddNewName();
  void ShowNewName(const QString& category);
};

// Shows the window and returns when it closes.
void ShowLayerMgr();

}  // namespace lintavo
