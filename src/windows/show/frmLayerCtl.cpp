// frmLayerCtl: the layer control dialog.
//
// Sections:
//   Layout
//   Opening and closing
//   The list
//   The preview
//   Buttons
#include "windows/show/frmLayerCtl.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "windows/controls/OptionBoxes.h"
#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/MainWindowLink.h"
#include "model/MessageBar.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "organisation/ChooserPreview.h"
#include "organisation/Layers.h"
#include "picking/Measure.h"
#include "picking/Selection.h"
#include "platform/Colors.h"
#include "platform/Modal.h"
#include "platform/Prompts.h"
#include "platform/SurfaceWidget.h"
#include "view/DisplayOptions.h"

namespace lintavo {

namespace {
constexpr Long RowGreen = 65280;  // RGB Long of a shown or unlocked cell
constexpr Long RowRed = 255;      // RGB Long of a hidden or locked cell
// The list is dark behind its green and red cells: pure green on white can
// hardly be read, on near black both colours stand out.
constexpr Long ListBackground = 0x101010;  // RGB Long, near black
constexpr Long ListHighlight = 0x805000;   // RGB Long: dark blue behind the chosen row
constexpr Long ListPlainText = 0xFFFFFF;   // RGB Long: the header-less plain text, white
const char* const Yes = "Yes";
const char* const No = "No";
// Caption words by SelectAction 1..4.
constexpr const char* LayerCtlWords[4] = {"Select ", "Show/Edit ", "Remove ", "Hide "};
}  // namespace

// ---- Layout -------------------------------------------------------------------------------

frmLayerCtl::frmLayerCtl(QWidget* parent) : QDialog(parent) {
  setObjectName("frmLayerCtl");
  setWindowTitle("Layer Control");
  lv = new QTreeWidget(this);
  lv->setObjectName("lv");
  lv->setRootIsDecorated(false);
  lv->setColumnCount(3);
  lv->setHeaderLabels({"Layer", "Hidden", "Locked"});
  lv->setColumnWidth(ColumnName, 120);
  lv->setColumnWidth(ColumnHidden, 50);
  lv->setColumnWidth(ColumnLocked, 50);
  QPalette dark = lv->palette();
  dark.setColor(QPalette::Base, ToQColor(ListBackground));
  dark.setColor(QPalette::AlternateBase, ToQColor(ListBackground));
  dark.setColor(QPalette::Text, ToQColor(ListPlainText));
  dark.setColor(QPalette::Highlight, ToQColor(ListHighlight));
  lv->setPalette(dark);
  QFont bold = lv->font();
  bold.setBold(true);
  lv->setFont(bold);
  lv->header()->setFont(font());  // the column titles keep the dialog's face
  cmdShows = NamedButton("cmdShows", "Hide Current Layer", this);
  cmdLocks = NamedButton("cmdLocks", "Lock Current Layer", this);
  cmdHide = NamedButton("cmdHide", "Hide All Layers", this);
  cmdShow = NamedButton("cmdShow", "Show All Layers", this);
  cmdLock = NamedButton("cmdLock", "Lock All Layers", this);
  cmdUnlock = NamedButton("cmdUnlock", "Unlock All Layers", this);
  cmdDelete = NamedButton("cmdDelete", "Delete Current Layer", this);
  cmdOK = NamedButton("cmdOK", "OK", this);
  cmdCancel = NamedButton("cmdCancel", "Cancel", this);
  chkEdit = new QCheckBox("Edit Top Layer Only", this);
  chkEdit->setObjectName("chkEdit");
  chkShow = new QCheckBox("ShowTop Layer Only", this);
  chkShow->setObjectName("chkShow");
  TxtName = new QLineEdit(this);
  TxtName->setObjectName("TxtName");
  Picture1 = NamedPicture("Picture1", PictureWidth, PictureHeight, this);
  lblView = NamedLabel("lblView", "", this);
  lblLines = NamedLabel("lblLines", "Number of Lines", this);
  lblWidth = NamedLabel("lblWidth", "Width", this);
  lblHeight = NamedLabel("lblHeight", "Height", this);
  Label1 = NamedLabel("Label1", "Layers", this);

  auto* listColumn = new QVBoxLayout;
  listColumn->addWidget(Label1);
  listColumn->addWidget(lv);
  listColumn->addWidget(new QLabel("Edit/Change Layer Name", this));
  listColumn->addWidget(TxtName);
  auto* buttons = new QGridLayout;
  QPushButton* grid[4][2] = {{cmdShows, cmdLocks}, {cmdHide, cmdShow}, {cmdLock, cmdUnlock}, {cmdDelete, nullptr}};
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 2; ++c)
      if (grid[r][c]) buttons->addWidget(grid[r][c], r, c);
  buttons->addWidget(chkEdit, 4, 0);
  buttons->addWidget(chkShow, 4, 1);
  listColumn->addLayout(buttons);
  auto* pictureColumn = new QVBoxLayout;
  pictureColumn->addWidget(lblView);
  pictureColumn->addWidget(Picture1);
  for (QLabel* shown : {lblLines, lblWidth, lblHeight}) pictureColumn->addWidget(shown);
  pictureColumn->addStretch();
  auto* top = new QHBoxLayout;
  top->addLayout(listColumn);
  top->addLayout(pictureColumn);
  auto* closing = new QHBoxLayout;
  closing->addStretch();
  closing->addWidget(cmdOK);
  closing->addWidget(cmdCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(closing);

  connect(lv, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* row, int) { lv_Click(row); });
  connect(cmdShows, &QPushButton::clicked, this, &frmLayerCtl::cmdShows_Click);
  connect(cmdLocks, &QPushButton::clicked, this, &frmLayerCtl::cmdLocks_Click);
  connect(cmdHide, &QPushButton::clicked, this, [this] {
    SetAllLayersShow(FlagFalse);
    SetAllCells(ColumnHidden, Yes);
  });
  connect(cmdShow, &QPushButton::clicked, this, [this] {
    SetAllLayersShow(FlagTrue);
    SetAllCells(ColumnHidden, No);
  });
  connect(cmdLock, &QPushButton::clicked, this, [this] {
    SetAllLayersLock(FlagTrue);
    SetAllCells(ColumnLocked, Yes);
  });
  connect(cmdUnlock, &QPushButton::clicked, this, [this] {
    SetAllLayersLock(FlagFalse);
    SetAllCells(ColumnLocked, No);
  });
  connect(cmdDelete, &QPushButton::clicked, this, &frmLayerCtl::cmdDelete_Click);
  connect(TxtName, &QLineEdit::returnPressed, this, &frmLayerCtl::TxtName_Enter);
  connect(chkEdit, &QCheckBox::clicked, this, [this](bool checked) { PendingEditAll = Flag(!checked); });
  connect(chkShow, &QCheckBox::clicked, this, [this](bool checked) { PendingViewAll = Flag(!checked); });
  connect(cmdOK, &QPushButton::clicked, this, &frmLayerCtl::accept);
  connect(cmdCancel, &QPushButton::clicked, this, &frmLayerCtl::reject);
}

frmLayerCtl::~frmLayerCtl() = default;

// ---- Opening and closing -----------------------------------------------------------------

void frmLayerCtl::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!preview_.Holding()) Form_Load();
}

void frmLayerCtl::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  preview_.GiveBack();
}

void frmLayerCtl::Form_Load() {
  // The modes are read before the preview takes the drawing target.
  if (const DrawingWindow* window = ActiveDocForm()) {
    PendingViewAll = window->View_Layers;
    PendingEditAll = window->Edit_layers;
    PendingLayer = window->Current_Layer;
  }
  Picture1->ResizeImage(PictureWidth, PictureHeight);
  Picture1->Cls();
  InitPreviewSurface(preview_, *Picture1, PictureWidth, PictureHeight);
  SelectedLayer = 0;
  LayerNameSought.clear();
  ChosenIndex = 0;
  FillLayerView();
  chkEdit->setChecked(!PendingEditAll);
  chkShow->setChecked(!PendingViewAll);
}

void frmLayerCtl::accept() {
  MainWindowLink* main = MainLink();
  if (DrawingWindow* window = main ? main->ActiveDrawingWindow() : nullptr) {
    window->View_Layers = PendingViewAll;
    window->Edit_layers = PendingEditAll;
    window->Current_Layer = PendingLayer;
    main->ShowLayerButtons(PendingViewAll != 0, PendingEditAll != 0);
  }
  DlgCancelled = FlagFalse;
  QDialog::accept();
}

void frmLayerCtl::reject() {
  SelectedLayer = 0;
  LayerNameSought.clear();
  DlgCancelled = FlagTrue;
  QDialog::reject();
}

// ---- The list --------------------------------------------------------------------------------

void frmLayerCtl::FillLayerView() {
  const bool worded = SelectAction >= 1 && SelectAction <= 4;
  setWindowTitle(QString::fromUtf8(worded ? LayerCtlWords[SelectAction - 1] : "") + "Layer");
  lv->clear();
  ChosenRow = 0;
  for (Long i = 1; i <= ItemCount; ++i) {
    const ItemRec& item = Items[i];
    if (item.Rtype != ItemLayer || item.DwgNo != CurDwg) continue;
    auto* row = new QTreeWidgetItem(lv, {QString::fromStdString(item.Name), item.Show ? No : Yes,
                                         item.Lock ? Yes : No});
    if (i == PendingLayer) ChosenRow = lv->indexOfTopLevelItem(row) + 1;
  }
  const int rows = lv->topLevelItemCount();
  if (rows >= 1) {
    ColourLayerRows();
    Label1->setText(" " + QString::number(rows) + "  Layers Available");
  } else {
    Label1->setText("NO Layers Available");
  }
}

void frmLayerCtl::ColourLayerRows() {
  const QBrush green(ToQColor(RowGreen)), red(ToQColor(RowRed));
  for (int r = 0; r < lv->topLevelItemCount(); ++r) {
    QTreeWidgetItem* row = lv->topLevelItem(r);
    const QBrush& shown = row->text(ColumnHidden) != Yes ? green : red;
    row->setForeground(ColumnName, shown);
    row->setForeground(ColumnHidden, shown);
    row->setForeground(ColumnLocked, row->text(ColumnLocked) != Yes ? green : red);
  }
  if (ChosenRow >= 1 && ChosenRow <= lv->topLevelItemCount())
    lv->setCurrentItem(lv->topLevelItem(ChosenRow - 1));
}

void frmLayerCtl::lv_Click(QTreeWidgetItem* row) {
  if (!row) return;
  const String name = row->text(ColumnName).toStdString();
  ChosenRow = lv->indexOfTopLevelItem(row) + 1;
  if (name.empty()) return;
  for (Long i = 1; i <= ItemCount; ++i) {
    const ItemRec& item = Items[i];
    if (item.Rtype != ItemLayer || item.DwgNo != CurDwg || item.Name != name) continue;
    PendingLayer = SelectedLayer = ChosenIndex = i;
    TxtName->setText(QString::fromStdString(name));
    LayerNameSought = name;
    cmdShows->setText(item.Show ? "Hide Current Layer" : "Show Current Layer");
    cmdLocks->setText(item.Lock ? "Unlock Current Layer" : "Lock Current Layer");
    ShowLayerCtlPreview();
    return;
  }
}

// ---- The preview ----------------------------------------------------------------------------

void frmLayerCtl::ShowLayerCtlPreview() {
  Picture1->Cls();
  ShowChosenName();
  const ItemRec& item = Items[SelectedLayer];
  SetPreviewWindow(item);
  lblLines->setText("Lines = " + QString::number(CountLayerObjs(SelectedLayer)));
  lblHeight->setText(QString::fromStdString(FormatHeightLabel(PreviewHeight())));
  lblWidth->setText(QString::fromStdString(FormatWidthLabel(PreviewWidth())));
  FitPreviewToView();
  // The preview shows the clicked layer alone; the pending modes are left
  // as the check boxes show them.
  DrawLayerPreview(SelectedLayer);
  Picture1->update();
}

void frmLayerCtl::ShowChosenName() {
  lblView->setText(QString::fromStdString("Current Layer = " + LayerNameSought));
}

void frmLayerCtl::ShowNothingChosen() {
  Picture1->Cls();
  for (QLabel* shown : {lblView, lblLines, lblWidth, lblHeight}) ShowDesignText(shown);
}

// ---- Buttons ---------------------------------------------------------------------------------

bool frmLayerCtl::ChosenValid() const {
  return ChosenIndex >= 1 && ChosenIndex <= ItemCount && Items[ChosenIndex].Rtype == ItemLayer &&
         ChosenRow >= 1 && ChosenRow <= lv->topLevelItemCount();
}

void frmLayerCtl::cmdShows_Click() {
  if (!ChosenValid()) return;
  ItemRec& layer = Items[ChosenIndex];
  layer.Show = Flag(!layer.Show);
  ItemChanged(ChosenIndex);
  cmdShows->setText(layer.Show ? "Hide Current Layer" : "Show Current Layer");
  lv->topLevelItem(ChosenRow - 1)->setText(ColumnHidden, layer.Show ? No : Yes);
  ColourLayerRows();
}

void frmLayerCtl::cmdLocks_Click() {
  if (!ChosenValid()) return;
  ItemRec& layer = Items[ChosenIndex];
  layer.Lock = Flag(!layer.Lock);
  ItemChanged(ChosenIndex);
  cmdLocks->setText(layer.Lock ? "Unlock Current Layer" : "Lock Current Layer");
  lv->topLevelItem(ChosenRow - 1)->setText(ColumnLocked, layer.Lock ? Yes : No);
  ColourLayerRows();
}

void frmLayerCtl::SetAllCells(Column column, const char* text) {
  for (int r = 0; r < lv->topLevelItemCount(); ++r) lv->topLevelItem(r)->setText(column, text);
  ColourLayerRows();
}

void frmLayerCtl::cmdDelete_Click() {
  if (!ChosenValid()) return;
  if (CountLayerObjs(ChosenIndex) > 0 &&
      MsgBox("The Lines on this Layer will be Deleted with the Layer, Continue With the Delete?", vbYesNo,
             "Delete Layer") != vbYes)
    return;
  const Long deleted = ChosenIndex;
  DeleteLayer(deleted);
  // Nothing may name the deleted layer any more: OK then keeps the layer the
  // window has current now (the one put in place of the deleted one).
  if (PendingLayer == deleted) {
    MainWindowLink* main = MainLink();
    const DrawingWindow* window = main ? main->ActiveDrawingWindow() : nullptr;
    PendingLayer = window ? window->Current_Layer : 0;
  }
  ChosenIndex = 0;
  TxtName->clear();
  ShowNothingChosen();  // nothing beside the picture describes the deleted layer
  FillLayerView();
}

void frmLayerCtl::TxtName_Enter() {
  if (!ChosenValid()) return;
  const String name = TxtName->text().toStdString();
  if (name.empty()) return;
  Items[ChosenIndex].Name = name;
  ItemChanged(ChosenIndex);
  lv->topLevelItem(ChosenRow - 1)->setText(ColumnName, QString::fromStdString(name));
  // The chosen layer is the one renamed: the result and the label take its new name.
  if (SelectedLayer != ChosenIndex) return;
  LayerNameSought = name;
  ShowChosenName();
}

void ShowLayerControl() {
  frmLayerCtl dialog;
  ShowModal(dialog);
}

namespace {
void PlugLayerCtl() { LayerDialogs.ShowLayerControl = ShowLayerControl; }
const ModuleRegistrar Registered({"frmLayerCtl", FloorApp, nullptr, {}, PlugLayerCtl});
}  // namespace

}  // namespace lintavo
