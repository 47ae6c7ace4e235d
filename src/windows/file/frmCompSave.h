// frmCompSave: "Save Components". Lists the loaded components, lets the user
// mark those to save and choose a component database, and saves each marked
// component with every component placed inside it. Shown modally by File,
// Save Component.
#pragma once

#include <QDialog>
#include <vector>

#include "platform/Types.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lintavo {

class frmCompSave : public QDialog {
  Q_OBJECT
 public:
  explicit frmCompSave(QWidget* parent = nullptr);

  QListWidget* List1 = nullptr;  // loaded components; several selectable; a selected entry is marked
  QLabel* Label1 = nullptr;      // count of the entries
  QPushButton* Command1 = nullptr;  // "Select ALL"
  QPushButton* Command2 = nullptr;  // "De-Select ALL"
  QLineEdit* Text2 = nullptr;       // target database path
  QPushButton* cmdBrowse = nullptr;
  QPushButton* cmdSave = nullptr;
  QLabel* lblMsg = nullptr;         // progress and error messages
  QPushButton* OKButton = nullptr;  // "EXIT"

 private:
  void FillSaveList();
  void SelectEvery(bool selected);
  void cmdBrowse_Click();
  void cmdSave_Click();

  std::vector<Long> entries_;  // item index of each list entry
};

// Shows the window and returns when it closes.
void ShowCompSave();

}  // namespace lintavo
