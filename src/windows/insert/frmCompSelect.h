// frmCompSelect: the component chooser ("Component Select"). Lists the
// components of the component database CompDbPath with the fields of the
// row clicked, loads the clicked component and previews it; Place and Place
// Image show it modally and read ComponentNo, ComponentName and DlgCancelled.
//
// A component loaded for a preview stays loaded after OK. Cancel, and the
// preview of another component that is not loaded yet, cut the point,
// entity and item tables back to their size when the chooser opened.
#pragma once

#include <QDialog>
#include <vector>

#include "model/ModelMark.h"
#include "model/TargetBorrow.h"
#include "windows/controls/ComponentFacts.h"
#include "platform/Types.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lintavo {

class SurfaceWidget;

class frmCompSelect : public QDialog {
  Q_OBJECT
 public:
  explicit frmCompSelect(QWidget* parent = nullptr);
  ~frmCompSelect() override;

  QListWidget* List1 = nullptr;  // names of the components
  QLineEdit* txtCount = nullptr;
  QLineEdit* txtPath = nullptr;
  QLineEdit* TxtName = nullptr;
  QLineEdit* TxtCategory = nullptr;
  QLineEdit* TxtAuthor = nullptr;
  QLineEdit* TxtDate = nullptr;
  QLineEdit* TextNl = nullptr;
  QLineEdit* TxtPart = nullptr;
  QLineEdit* TxtDesc = nullptr;
  QLabel* lblWidth = nullptr;
  QLabel* lblHeight = nullptr;
  SurfaceWidget* Picture1 = nullptr;
  QPushButton* cmdPath = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;

  static constexpr int PictureWidth = 320;  // preview surface, pixels
  static constexpr int PictureHeight = 240;

  // One row of the Components table as listed.
  struct ComponentRow {
    Long ObjectID = 0;
    String Name;
    Long Nlines = 0;
    ComponentFacts Facts;  // its other columns as the dialog shows them
  };

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void reject() override;

 private:
  void BuildControls();
  void Form_Load();
  void Form_Unload();
  bool ChooseDatabase(const String& title);
  void FillComponentList();
  void ShowComponentRecord(int row);
  void LoadPreviewComponent();
  void CutTablesBack();
  void List1_Click(int row);
  void cmdPath_Click();
  void cmdOK_Click();

  std::vector<ComponentRow> rows_;
  TargetBorrow preview_;  // Picture1 as the drawing target while the chooser is open
  ModelMark kept_;  // the model when the chooser opened: the previews are dropped back to it
  Integer keptRefPnts_ = 0;
  bool loaded_ = false;
};

// Shows the chooser modally and returns when it closes.
void ShowCompSelect();

}  // namespace lintavo
