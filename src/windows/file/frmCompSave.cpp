// frmCompSave: the save components dialog.
//
// The selection of a list entry is the component's mark: Save writes the
// components whose entries are selected.
#include "windows/file/frmCompSave.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>

#include "model/DataHand.h"
#include "model/Top.h"
#include "organisation/Components.h"
#include "platform/CommonDialogs.h"
#include "platform/Modal.h"
#include "platform/Services.h"
#include "storage/SaveData.h"
#include "storage/Verify.h"

namespace lintavo {

namespace {

QPushButton* AddButton(QWidget* parent, QBoxLayout* row, const char* name, const char* caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  row->addWidget(button);
  return button;
}

}  // namespace

frmCompSave::frmCompSave(QWidget* parent) : QDialog(parent) {
  setObjectName("frmCompSave");
  setWindowTitle("Save Components");
  Label1 = new QLabel("Available Components", this);
  Label1->setObjectName("Label1");
  List1 = new QListWidget(this);
  List1->setObjectName("List1");
  List1->setSelectionMode(QAbstractItemView::MultiSelection);
  Text2 = new QLineEdit(this);
  Text2->setObjectName("Text2");
  lblMsg = new QLabel(this);
  lblMsg->setObjectName("lblMsg");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(List1);
  auto* marks = new QHBoxLayout;
  Command1 = AddButton(this, marks, "Command1", "Select ALL");
  Command2 = AddButton(this, marks, "Command2", "De-Select ALL");
  layout->addLayout(marks);
  layout->addWidget(new QLabel("Save to Database", this));
  layout->addWidget(Text2);
  auto* buttons = new QHBoxLayout;
  cmdBrowse = AddButton(this, buttons, "cmdBrowse", "Browse for Database");
  cmdSave = AddButton(this, buttons, "cmdSave", "Save Selected Components");
  OKButton = AddButton(this, buttons, "OKButton", "EXIT");
  layout->addLayout(buttons);
  layout->addWidget(lblMsg);

  connect(Command1, &QPushButton::clicked, this, [this] { SelectEvery(true); });
  connect(Command2, &QPushButton::clicked, this, [this] { SelectEvery(false); });
  connect(cmdBrowse, &QPushButton::clicked, this, &frmCompSave::cmdBrowse_Click);
  connect(cmdSave, &QPushButton::clicked, this, &frmCompSave::cmdSave_Click);
  connect(OKButton, &QPushButton::clicked, this, [this] {
    DlgCancelled = FlagFalse;
    accept();
  });

  FillSaveList();
  const int count = List1->count();
  Label1->setText(count > 0 ? QString::number(count) + "  Components Available"
                            : QString("NO Components Available"));
  Text2->setText(QString::fromStdString(CompDbPath));
}

void frmCompSave::FillSaveList() {
  List1->clear();
  entries_.clear();
  for (Long i = 1; i <= ItemCount; ++i) {
    if (Items[i].Rtype != ItemComponent) continue;
    entries_.push_back(i);
    List1->addItem(QString::fromStdString(Items[i].Name));
    List1->item(List1->count() - 1)->setSelected(true);
  }
}

void frmCompSave::SelectEvery(bool selected) {
  for (int row = 0; row < List1->count(); ++row) List1->item(row)->setSelected(selected);
}

void frmCompSave::cmdBrowse_Click() {
  CommonDialog dialog;
  dialog.DialogTitle = "Locate New *.mdb";
  dialog.Filter = "(*.MDB)|*.mdb";
  dialog.ShowOpen();
  if (!IsMdbFileName(dialog.FileName) || dialog.FileName == CompDbPath) return;
  CompDbPath = dialog.FileName;
  Text2->setText(QString::fromStdString(CompDbPath));
}

void frmCompSave::cmdSave_Click() {
  const String path = Text2->text().toStdString();
  if (!FileExists(path)) {
    lblMsg->setText("ERROR.. Database NOT Found!");
    return;
  }
  if (!VerifyDatabase(path, DbKindComponents)) {
    lblMsg->setText("ERROR.. Database NOT a Component Database!");
    return;
  }
  CompDbPath = path;
  OpenDbPath = CompDbPath;
  lblMsg->setText(QString::fromStdString("Saving Components to " + path));
  Long saved = 0;
  for (int row = 0; row < List1->count(); ++row) {
    if (!List1->item(row)->isSelected()) continue;
    Long item = entries_[static_cast<size_t>(row)];
    if (SaveComponentTree(item)) ++saved;  // a failed save has told its own error
  }
  lblMsg->setText(QString::fromStdString("Saved " + std::to_string(saved) + "  Components"));
}

void ShowCompSave() {
  frmCompSave dialog;
  ShowModal(dialog);
}

}  // namespace lintavo
