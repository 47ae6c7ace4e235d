// frmItemChooser: the list, count line, preview, rename and delete that every
// item chooser shares.
#include "windows/show/frmItemChooser.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "windows/controls/OptionBoxes.h"
#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/LayerItems.h"
#include "model/Top.h"
#include "picking/Measure.h"
#include "picking/Selection.h"
#include "platform/SurfaceWidget.h"

namespace lintavo {

frmItemChooser::frmItemChooser(Integer Kind, const char* ItemWord, std::span<const char* const> ActionWords,
                               Long& Selected, String& NameSought, QWidget* parent)
    : QDialog(parent),
      kind_(Kind),
      itemWord_(ItemWord),
      actionWords_(ActionWords),
      selected_(&Selected),
      nameSought_(&NameSought) {
  const QString word = QString::fromUtf8(ItemWord);
  setWindowTitle(word + " Select");
  List1 = new QListWidget(this);
  List1->setObjectName("List1");
  Picture1 = NamedPicture("Picture1", PictureWidth, PictureHeight, this);
  lblView = NamedLabel("lblView", "", this);
  lblLines = NamedLabel("lblLines", "Lines", this);
  lblWidth = NamedLabel("lblWidth", "Width", this);
  lblHeight = NamedLabel("lblHeight", "Height", this);
  lblCname = NamedLabel("lblCname", "Edit/Change " + word + " Name", this);
  Label1 = NamedLabel("Label1", "Items", this);
  Label2 = NamedLabel("Label2", "", this);
  Label2->setWordWrap(true);
  TxtName = new QLineEdit(this);
  TxtName->setObjectName("TxtName");
  Command1 = new QPushButton("Add New " + word, this);
  Command2 = new QPushButton("Delete This " + word, this);
  OKButton = new QPushButton("OK", this);
  CancelButton = new QPushButton("Cancel", this);
  for (auto [button, name] : {std::pair{Command1, "Command1"}, std::pair{Command2, "Command2"},
                              std::pair{OKButton, "OKButton"}, std::pair{CancelButton, "CancelButton"}}) {
    button->setObjectName(name);
    button->setAutoDefault(false);  // Enter belongs to the name box
  }

  auto* listColumn = new QVBoxLayout;
  listColumn->addWidget(List1);
  listColumn->addWidget(Label1);
  listColumn->addWidget(lblCname);
  listColumn->addWidget(TxtName);
  listColumn->addWidget(Command1);
  listColumn->addWidget(Command2);
  // The texts beside the picture change with every row clicked: they take
  // the picture's width and never widen the column, so nothing moves.
  for (QLabel* shown : {lblView, lblLines, lblWidth, lblHeight}) {
    shown->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    shown->setMinimumWidth(0);
  }
  auto* pictureColumn = new QVBoxLayout;
  pictureColumn->addWidget(lblView);
  pictureColumn->addWidget(Picture1);
  for (QLabel* shown : {lblLines, lblWidth, lblHeight}) pictureColumn->addWidget(shown);  // one line each: whole
  pictureColumn->addWidget(Label2);
  auto* top = new QHBoxLayout;
  top->addLayout(listColumn);
  top->addLayout(pictureColumn);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);

  connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { List1_Click(List1->row(item)); });
  connect(TxtName, &QLineEdit::returnPressed, this, &frmItemChooser::TxtName_Enter);
  connect(Command1, &QPushButton::clicked, this, &frmItemChooser::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &frmItemChooser::Command2_Click);
  connect(OKButton, &QPushButton::clicked, this, &frmItemChooser::accept);
  connect(CancelButton, &QPushButton::clicked, this, &frmItemChooser::reject);
}

frmItemChooser::~frmItemChooser() = default;

// ---- Opening and closing -----------------------------------------------------------------

void frmItemChooser::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!preview_.Holding()) Form_Load();
}

void frmItemChooser::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  preview_.GiveBack();
}

void frmItemChooser::Form_Load() {
  Picture1->ResizeImage(PictureWidth, PictureHeight);
  Picture1->Cls();
  InitPreviewSurface(preview_, *Picture1, PictureWidth, PictureHeight);
  ChosenIndex = 0;
  ChosenName.clear();
  ClearResults();
  UpdateNotedItemExtents();  // the previews fit the items' extents as they are now
  FillList();
}

void frmItemChooser::accept() {
  AcceptChoice();
  DlgCancelled = FlagFalse;
  QDialog::accept();
}

void frmItemChooser::reject() {
  ClearResults();
  DlgCancelled = FlagTrue;
  QDialog::reject();
}

// ---- The results ---------------------------------------------------------------------------

void frmItemChooser::ClearResults() {
  *selected_ = 0;
  nameSought_->clear();
}

void frmItemChooser::TakeChoice(Long Index, const String& Name) {
  *nameSought_ = Name;
  *selected_ = Index;
}

bool ChosenItem(Long Selected, const String& NameSought, String& Name, Long& ItemNo) {
  if (DlgCancelled || Selected < 1) return false;
  Name = NameSought;
  ItemNo = Selected;
  return true;
}

// ---- The list ------------------------------------------------------------------------------

void frmItemChooser::FillList() {
  const bool worded = SelectAction >= 1 && static_cast<size_t>(SelectAction) <= actionWords_.size();
  setWindowTitle(QString::fromUtf8(worded ? actionWords_[SelectAction - 1] : "") + QString::fromStdString(itemWord_));
  List1->clear();
  for (Long i = 1; i <= ItemCount; ++i) {
    const ItemRec& item = Items[i];
    if (item.Rtype == kind_ && item.DwgNo == CurDwg) List1->addItem(QString::fromStdString(item.Name));
  }
  // The count line counts what the list holds now, after an addition or a delete too.
  const int listed = List1->count();
  const QString word = QString::fromStdString(itemWord_);
  Label1->setText(listed >= 1 ? " " + QString::number(listed) + "  " + word + "s Available" : "NO " + word + "s Available");
}

bool frmItemChooser::FindItemIndex(const String& Name, Long& Index) const {
  for (Long i = 1; i <= ItemCount; ++i) {
    const ItemRec& item = Items[i];
    if (item.Rtype == kind_ && item.DwgNo == CurDwg && item.Name == Name) {
      Index = i;
      return true;
    }
  }
  return false;
}

void frmItemChooser::List1_Click(int row) {
  if (row < 0 || row >= List1->count()) return;
  const String name = List1->item(row)->text().toStdString();
  ChosenName = name;
  Long index = 0;
  if (name.empty() || !FindItemIndex(name, index)) return;
  ChosenIndex = index;
  TxtName->setText(QString::fromStdString(name));
  TakeChoice(index, name);
  ShowPreview(index);
}

// ---- The preview ---------------------------------------------------------------------------

void frmItemChooser::ClearPicture() { Picture1->Cls(); }

void frmItemChooser::ShowNothingChosen() {
  ClearPicture();
  for (QLabel* shown : {lblView, lblLines, lblWidth, lblHeight}) ShowDesignText(shown);
}

void frmItemChooser::ShowPreview(Long Index) {
  ClearPicture();
  const ItemRec& item = Items[Index];
  lblView->setText(QString::fromStdString(PreviewCaption(Index)));
  if (!HasPreviewWindow(Index)) {
    for (QLabel* size : {lblLines, lblWidth, lblHeight}) ShowDesignText(size);
    Picture1->update();
    return;
  }
  SetPreviewWindow(item, EmptyWindowCorner());
  if (ShowsMemberCount()) lblLines->setText("Lines = " + QString::number(MemberCount(Index)));
  lblHeight->setText(QString::fromStdString(FormatHeightLabel(PreviewHeight())));
  lblWidth->setText(QString::fromStdString(FormatWidthLabel(PreviewWidth())));
  FitPreviewToView();
  DrawItemPreview(Index);
  Picture1->update();
}

String frmItemChooser::PreviewCaption(Long Index) const { return Items[Index].Name + " Selected"; }

void frmItemChooser::DrawItemPreview(Long Index) {
  if (kind_ == ItemLayer) DrawLayerPreview(Index);
}

void frmItemChooser::RenameChosen(Long Index, const String& Name) {
  Items[Index].Name = Name;
  ItemChanged(Index);
}

// ---- Buttons and the name box ------------------------------------------------------------------

void frmItemChooser::TxtName_Enter() {
  if (ChosenIndex < 1 || ChosenIndex > ItemCount) return;  // nothing chosen: nothing renamed
  const String name = TxtName->text().toStdString();
  if (name.empty()) return;
  ChosenName = name;
  RenameChosen(ChosenIndex, name);
  FillList();
  // The renamed item stays the choice: its row, the caption and the result
  // carry the new name.
  const QList<QListWidgetItem*> rows = List1->findItems(QString::fromStdString(name), Qt::MatchExactly);
  if (!rows.isEmpty()) List1->setCurrentItem(rows.first());
  TakeChoice(ChosenIndex, name);
  ShowPreview(ChosenIndex);
}

void frmItemChooser::Command2_Click() {
  if (ChosenIndex < 1 || ChosenIndex > ItemCount) return;  // nothing chosen: nothing deleted
  const Long before = ItemCount;
  const Integer kindBefore = Items[ChosenIndex].Rtype;
  DeleteChosen(ChosenIndex);
  // Asked and refused: the item is still there.
  if (ItemCount == before && Items[ChosenIndex].Rtype == kindBefore) return;
  // The deleted item is no choice any more: OK after the delete chooses nothing.
  if (*selected_ == ChosenIndex) ClearResults();
  ChosenIndex = 0;
  ChosenName.clear();
  TxtName->clear();
  ShowNothingChosen();  // nothing beside the picture describes the deleted item
  FillList();
}

void frmItemChooser::Command1_Click() {
  // The picture's preview mode holds while the chooser is open, so the model
  // takes the addition for a sample: the chooser marks its drawing itself.
  const Long before = ItemCount;
  AddNewItem();
  if (ItemCount > before) ItemChanged(ItemCount);
  ClearPicture();
  FillList();
}

}  // namespace lintavo
