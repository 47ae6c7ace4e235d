// frmLayerMgr: the layer manager.
#include "windows/options/frmLayerMgr.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "windows/controls/OptionBoxes.h"
#include "model/DataHand.h"
#include "model/LayerItems.h"
#include "model/MainWindowLink.h"
#include "model/SupportLists.h"
#include "model/Top.h"
#include "platform/Modal.h"
#include "platform/Prompts.h"

namespace lintavo {

namespace {
const QString ListAll = QStringLiteral("List All");  // entry 0 of the category box
}  // namespace

frmLayerMgr::frmLayerMgr(QWidget* parent) : QDialog(parent) {
  setObjectName("frmLayerMgr");
  setWindowTitle("Layer Manager");
  Combo1 = new QComboBox(this);
  Combo1->setObjectName("Combo1");
  lstLeft = new QListWidget(this);
  lstLeft->setObjectName("lstLeft");
  lstLeft->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lstRight = new QListWidget(this);
  lstRight->setObjectName("lstRight");
  lstRight->setSelectionMode(QAbstractItemView::ExtendedSelection);
  auto box = [this](const char* name) {
    auto* made = new QLineEdit(this);
    made->setObjectName(name);
    return made;
  };
  Text1 = box("Text1");
  Text1->setReadOnly(true);
  Text2 = box("Text2");
  Text3 = box("Text3");
  cmdMove = NamedButton("cmdMove", ">", this);
  cmdMoveAll = NamedButton("cmdMoveAll", ">>", this);
  cmdBack = NamedButton("cmdBack", "<", this);
  cmdBackAll = NamedButton("cmdBackAll", "<<", this);
  cmdAddCat = NamedButton("cmdAddCat", "Add New Category", this);
  cmdAddLayer = NamedButton("cmdAddLayer", "Add New Layer Name", this);
  cmdOK = NamedButton("cmdOK", "OK", this);
  cmdCancel = NamedButton("cmdCancel", "Cancel", this);

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel("Current Drawing", this), 0, 0);
  grid->addWidget(Text1, 0, 1, 1, 2);
  grid->addWidget(new QLabel("Category Select", this), 1, 0);
  grid->addWidget(Combo1, 1, 1, 1, 2);
  grid->addWidget(new QLabel("Available Layer Names", this), 2, 0);
  grid->addWidget(new QLabel("Layers used in this Drawing", this), 2, 2);
  grid->addWidget(lstLeft, 3, 0, 4, 1);
  grid->addWidget(cmdMove, 3, 1);
  grid->addWidget(cmdMoveAll, 4, 1);
  grid->addWidget(cmdBack, 5, 1);
  grid->addWidget(cmdBackAll, 6, 1);
  grid->addWidget(lstRight, 3, 2, 4, 1);
  grid->addWidget(new QLabel("New Layer Name", this), 7, 0);
  grid->addWidget(Text2, 7, 1, 1, 2);
  grid->addWidget(new QLabel("New Category", this), 8, 0);
  grid->addWidget(Text3, 8, 1, 1, 2);
  grid->addWidget(cmdAddCat, 9, 0);
  grid->addWidget(cmdAddLayer, 9, 1);
  grid->addWidget(cmdOK, 10, 1);
  grid->addWidget(cmdCancel, 10, 2);

  connect(cmdMove, &QPushButton::clicked, this, [this] { MoveRight(false); });
  connect(cmdMoveAll, &QPushButton::clicked, this, [this] { MoveRight(true); });
  connect(cmdBack, &QPushButton::clicked, this, [this] { MoveLeft(false); });
  connect(cmdBackAll, &QPushButton::clicked, this, [this] { MoveLeft(true); });
  connect(lstLeft, &QListWidget::itemDoubleClicked, this, [this] { MoveRight(false); });
  connect(lstRight, &QListWidget::itemDoubleClicked, this, [this] { MoveLeft(false); });
  connect(lstLeft, &QListWidget::itemSelectionChanged, this, &frmLayerMgr::UpdateMoveButtons);
  connect(lstRight, &QListWidget::itemSelectionChanged, this, &frmLayerMgr::UpdateMoveButtons);
  connect(Combo1, &QComboBox::activated, this, &frmLayerMgr::FillAvailableNames);
  connect(cmdAddCat, &QPushButton::clicked, this, &frmLayerMgr::AddNewName);
  connect(cmdAddLayer, &QPushButton::clicked, this, &frmLayerMgr::AddNewName);
  connect(cmdOK, &QPushButton::clicked, this, &frmLayerMgr::accept);
  connect(cmdCancel, &QPushButton::clicked, this, &frmLayerMgr::reject);

  // Load.
  if (CurDwg >= 1) Text1->setText(QString::fromStdString(Dwgs[CurDwg].Name));
  FillCategoryCombo();
  FillAvailableNames();
  FillDrawingLayers();
  UpdateMoveButtons();
}

// ---- The lists ---------------------------------------------------------------------------------

void frmLayerMgr::FillCategoryCombo() {
  Combo1->clear();
  Combo1->addItem(ListAll);
  int stopped = 0;  // the box stays where the last comparison stopped
  for (Long i = 1; i <= LayerNameCount; ++i) {
    const QString category = QString::fromStdString(LayerNameList[i].Category);
    const int found = Combo1->findText(category, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found >= 0) {
      stopped = found;
      continue;
    }
    stopped = Combo1->count() - 1;
    Combo1->addItem(category);
  }
  Combo1->setCurrentIndex(stopped);
}

void frmLayerMgr::FillAvailableNames() {
  lstLeft->clear();
  const bool every = Combo1->currentIndex() == 0;
  const String category = Combo1->currentText().toStdString();
  for (Long i = 1; i <= LayerNameCount; ++i) {
    const LayerNameRec& entry = LayerNameList[i];
    if (every || entry.Category == category) lstLeft->addItem(QString::fromStdString(entry.Name));
  }
  UpdateMoveButtons();
}

void frmLayerMgr::FillDrawingLayers() {
  lstRight->clear();
  for (Long i = 1; i <= ItemCount; ++i) {
    const ItemRec& item = Items[i];
    if (item.Rtype == ItemLayer && item.DwgNo == CurDwg) lstRight->addItem(QString::fromStdString(item.Name));
  }
}

bool frmLayerMgr::NameNotInUsedList(const QString& name) const {
  for (int r = 0; r < lstRight->count(); ++r)
    if (lstRight->item(r)->text() == name) return false;
  return true;
}

void frmLayerMgr::UpdateMoveButtons() {
  cmdMove->setEnabled(lstLeft->count() > 0 && !lstLeft->selectedItems().isEmpty());
  cmdMoveAll->setEnabled(lstLeft->count() > 0);
  cmdBack->setEnabled(lstRight->count() > 0 && !lstRight->selectedItems().isEmpty());
  cmdBackAll->setEnabled(lstRight->count() > 0);
}

// ---- Moving names ---------------------------------------------------------------------------------

// Chosen (or every) names of the left list go right; a name the right list
// holds already stays on the left.
void frmLayerMgr::MoveRight(bool everyRow) {
  for (int r = 0; r < lstLeft->count();) {
    QListWidgetItem* row = lstLeft->item(r);
    if ((everyRow || row->isSelected()) && NameNotInUsedList(row->text())) {
      lstRight->addItem(row->text());
      delete lstLeft->takeItem(r);
      continue;
    }
    ++r;
  }
  UpdateMoveButtons();
}

void frmLayerMgr::MoveLeft(bool everyRow) {
  for (int r = 0; r < lstRight->count();) {
    QListWidgetItem* row = lstRight->item(r);
    if (everyRow || row->isSelected()) {
      lstLeft->addItem(row->text());
      delete lstRight->takeItem(r);
      continue;
    }
    ++r;
  }
  UpdateMoveButtons();
}

// ---- New names -----------------------------------------------------------------------------------

void frmLayerMgr::AddNewName() {
  if (Text2->text().trimmed().isEmpty()) {
    MsgBox("Type the new layer name in New Layer Name first.", vbInformation, "Layer Manager");
    return;
  }
  if (Text3->text().isEmpty()) Text3->setText(Combo1->currentText());
  NewLayerName = Text2->text().toStdString();
  NewCategory = Text3->text().toStdString();
  for (Long i = 1; i <= LayerNameCount; ++i) {
    if (LayerNameList[i].Name != NewLayerName) continue;
    MsgBox("The layer name \"" + NewLayerName + "\" is listed already, under the category \"" +
               LayerNameList[i].Category + "\": a name is listed once.",
           vbInformation, "Layer Manager");
    return;
  }
  // Kept for this run only: the settings database is not written.
  ListLayerName(NewLayerName, NewCategory);
  ShowNewName(Text3->text());
}

// The category box shows the new name's category (listed now when it is new)
// and the left list shows the name chosen.
void frmLayerMgr::ShowNewName(const QString& category) {
  int found = Combo1->findText(category, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (found < 0) {
    Combo1->addItem(category);
    found = Combo1->count() - 1;
  }
  Combo1->setCurrentIndex(found);
  FillAvailableNames();
  const QList<QListWidgetItem*> rows =
      lstLeft->findItems(QString::fromStdString(NewLayerName), Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (!rows.isEmpty()) lstLeft->setCurrentItem(rows.first());
  UpdateMoveButtons();
}

void frmLayerMgr::accept() {
  for (int r = 0; r < lstRight->count(); ++r) EnsureLayer(lstRight->item(r)->text().toStdString());
  QDialog::accept();
}

void ShowLayerMgr() {
  // The manager gives layers to the active drawing: without one it has nothing to show.
  MainWindowLink* main = MainLink();
  if (CurDwg < 1 || (main && !main->ActiveDrawingWindow())) return;
  frmLayerMgr dialog;
  ShowModal(dialog);
}

}  // namespace lintavo
