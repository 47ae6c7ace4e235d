// frmLinkData: the link data dialog.
//
// Sections:
//   Construction
//   Opening
//   The source database: tree and grid
//   The picture
//   Buttons
#include "organisation/frmLinkData.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/DataHand.h"
#include "model/Top.h"
#include "organisation/LinkHand.h"
#include "platform/Colors.h"
#include "platform/CommonDialogs.h"
#include "platform/Database.h"
#include "platform/Modal.h"
#include "platform/Prompts.h"
#include "platform/Recordset.h"
#include "platform/Services.h"
#include "platform/TextBoxes.h"
#include "storage/SaveData.h"

namespace lintavo {

namespace {

constexpr Long LinkedColor = 65280;    // green
constexpr Long UnlinkedColor = 255;    // red
constexpr int ColumnMargin = 16;       // pixels added to a column's widest text
constexpr int NodeTagRole = Qt::UserRole;
constexpr const char* TableTag = "Table";
constexpr const char* ColumnTag = "Column";
constexpr const char* ImageField = "IMAGE";
constexpr const char* NullCellText = " ";

QString Text(const String& s) { return QString::fromStdString(s); }
String Std(const QString& s) { return s.toStdString(); }

QLabel* AddLabel(QWidget* parent, QGridLayout* grid, int row, const char* caption) {
  auto* label = new QLabel(caption, parent);
  grid->addWidget(label, row, 0);
  return label;
}

QLineEdit* AddBox(QWidget* parent, QGridLayout* grid, int row, const char* name, const char* caption) {
  AddLabel(parent, grid, row, caption);
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  grid->addWidget(box, row, 1);
  return box;
}

// A cell's value as the grid shows it: a Null as one blank, a picture or
// other bytes as nothing.
QString CellText(Recordset& rows, int field) {
  if (rows.Field(field).IsNull()) return NullCellText;
  String text;
  return rows.Field(field).TryText(text) ? Text(text) : QString();
}

}  // namespace

// ---- Construction ----------------------------------------------------------------------

frmLinkData::frmLinkData(QWidget* parent) : QDialog(parent), SourceConn(std::make_unique<Connection>()) {
  setObjectName("frmLinkData");
  setWindowTitle("Link Data For:");
  BuildControls();
  Form_Load();
}

frmLinkData::~frmLinkData() { CloseSource(); }

void frmLinkData::BuildControls() {
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel("1. Select a Source Database", this));
  txtPath = new QLineEdit(this);
  txtPath->setObjectName("txtPath");
  cmdBrowse = new QPushButton("Browse for Database", this);
  cmdBrowse->setObjectName("cmdBrowse");
  left->addWidget(txtPath);
  left->addWidget(cmdBrowse);
  left->addWidget(new QLabel("2. Select a Database Table Name", this));
  trvData = new QTreeWidget(this);
  trvData->setObjectName("trvData");
  trvData->setHeaderHidden(true);
  left->addWidget(trvData);

  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel("3. Click on a Field below to Select a Link", this));
  MSFlexGrid1 = new QTableWidget(this);
  MSFlexGrid1->setObjectName("MSFlexGrid1");
  MSFlexGrid1->horizontalHeader()->hide();
  MSFlexGrid1->verticalHeader()->hide();
  MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  right->addWidget(MSFlexGrid1);
  auto* boxes = new QGridLayout;
  lblCount = AddLabel(this, boxes, 0, "Records in Table:");
  txtCount = new QLineEdit(this);
  txtCount->setObjectName("txtCount");
  boxes->addWidget(txtCount, 0, 1);
  txtTable = AddBox(this, boxes, 1, "txtTable", "Selected Table");
  txtField = AddBox(this, boxes, 2, "txtField", "Selected Field");
  txtData = AddBox(this, boxes, 3, "txtData", "Selected Data");
  right->addLayout(boxes);
  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  right->addWidget(Image1);

  Frame1 = new QGroupBox("4. Create Link", this);
  cmdLink = new QPushButton("Set Link", Frame1);
  cmdClear = new QPushButton("Clear Link", Frame1);
  lblLinked = new QLabel(Frame1);
  lblLinked->setObjectName("lblLinked");
  auto* frame = new QHBoxLayout(Frame1);
  frame->addWidget(cmdLink);
  frame->addWidget(cmdClear);
  frame->addWidget(lblLinked);
  cmdOK = new QPushButton("EXIT", this);
  for (auto [button, name] : {std::pair{cmdLink, "cmdLink"}, std::pair{cmdClear, "cmdClear"}, std::pair{cmdOK, "cmdOK"}}) {
    button->setObjectName(name);
    button->setAutoDefault(false);
  }
  right->addWidget(Frame1);
  right->addWidget(cmdOK);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addLayout(right);

  connect(cmdBrowse, &QPushButton::clicked, this, &frmLinkData::cmdBrowse_Click);
  connect(trvData, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) {
    if (node->data(0, NodeTagRole).toString() == TableTag) FillLinkGrid(node);
  });
  connect(MSFlexGrid1, &QTableWidget::cellClicked, this, &frmLinkData::ClickCell);
  connect(cmdLink, &QPushButton::clicked, this, &frmLinkData::cmdLink_Click);
  connect(cmdClear, &QPushButton::clicked, this, &frmLinkData::cmdClear_Click);
  connect(cmdOK, &QPushButton::clicked, this, &frmLinkData::cmdOK_Click);
}

// ---- Opening ---------------------------------------------------------------------------------

void frmLinkData::Form_Load() {
  HasImageField = false;
  SourceConnOpen = false;
  SourcePath = AppPath();
  ShowWholeText(*txtPath, Text(SourcePath));
  if (LinkItemIndex < 1 || LinkItemIndex > ItemCount) return;
  setWindowTitle(Text("Link Data For: " + Items[LinkItemIndex].Name));
  if (!GetObjectLink(LinkItemIndex)) {
    ShowLinked(false);
    return;
  }
  SourcePath = LinkPath;
  OpenSourceDatabase();
  bool matched = false;
  for (int i = 0; i < trvData->topLevelItemCount(); ++i) {
    QTreeWidgetItem* node = trvData->topLevelItem(i);
    if (Std(node->text(0)) != LinkTableName) continue;
    FillLinkGrid(node);
    matched = true;
  }
  if (!matched) return;
  SelectLinkedCell();
  ShowLinked(true);
}

void frmLinkData::cmdBrowse_Click() {
  PreviousPath = SourcePath;
  CommonDialog dialog;
  dialog.DialogTitle = "Locate New Information Database";
  dialog.Filter = "(*.MDB)|*.mdb";
  dialog.ShowOpen();
  const String chosen = dialog.FileName;
  if (chosen.size() < 4 || Std(Text(chosen.substr(chosen.size() - 4)).toUpper()) != ".MDB" || chosen == PreviousPath)
    return;
  ChosenFile = SourcePath = chosen;
  OpenSourceDatabase();
}

// ---- The source database: tree and grid ------------------------------------------------------

void frmLinkData::CloseSource() {
  if (SourceConnOpen) SourceConn->Close();
  SourceConnOpen = false;
}

void frmLinkData::OpenSourceDatabase() {
  ShowWholeText(*txtPath, Text(SourcePath));
  Image1->clear();
  CloseSource();
  trvData->clear();
  if (!SourceConn->Open(SourcePath, OpenMode::ReadOnly)) {
    MsgBox("Unexpected Error: " + SourceConn->Error().Description);
    return;
  }
  SourceConnOpen = true;
  FillTableTree();
  for (int i = 0; i < trvData->topLevelItemCount(); ++i) AddColumnNodes(trvData->topLevelItem(i));
}

void frmLinkData::FillTableTree() {
  trvData->clear();
  std::vector<String> names;
  if (!SourceConn->TableNames(names)) return;
  for (const String& name : names) {
    auto* node = new QTreeWidgetItem(trvData, QStringList{Text(name)});
    node->setData(0, NodeTagRole, TableTag);
  }
}

void frmLinkData::AddColumnNodes(QTreeWidgetItem* node) {
  if (node->childCount() > 0) return;
  Recordset rows;
  if (!rows.Open(*SourceConn, Std(node->text(0)))) return;
  for (int i = 0; i < rows.FieldCount(); ++i) {
    auto* child = new QTreeWidgetItem(node, QStringList{Text(rows.FieldName(i))});
    child->setData(0, NodeTagRole, ColumnTag);
  }
}

void frmLinkData::FillLinkGrid(QTreeWidgetItem* node) {
  const String table = Std(node->text(0));
  lblCount->setText(Text("Records in Table: " + table));
  Image1->clear();
  HasImageField = false;
  LastImageRow = -1;
  MSFlexGrid1->clear();
  MSFlexGrid1->setRowCount(1);
  Recordset rows;
  if (!rows.Open(*SourceConn, table)) {
    MSFlexGrid1->setColumnCount(0);
    return;
  }
  const QFontMetrics metrics(MSFlexGrid1->font());
  const int fields = rows.FieldCount();
  MSFlexGrid1->setColumnCount(fields);
  std::vector<int> widths(static_cast<size_t>(fields));
  for (int i = 0; i < fields; ++i) {
    const QString name = Text(rows.FieldName(i));
    MSFlexGrid1->setItem(0, i, new QTableWidgetItem(name));
    if (name.toUpper() == ImageField) HasImageField = true;
    widths[static_cast<size_t>(i)] = metrics.horizontalAdvance(name);
  }
  int row = 0;
  for (; !rows.Eof(); rows.MoveNext()) {
    MSFlexGrid1->setRowCount(++row + 1);
    for (int i = 0; i < fields; ++i) {
      const QString text = CellText(rows, i);
      MSFlexGrid1->setItem(row, i, new QTableWidgetItem(text));
      widths[static_cast<size_t>(i)] = std::max(widths[static_cast<size_t>(i)], metrics.horizontalAdvance(text));
    }
  }
  ShowWholeText(*txtTable, Text(table));
  txtCount->setText(QString::number(row));
  for (int i = 0; i < fields; ++i) MSFlexGrid1->setColumnWidth(i, widths[static_cast<size_t>(i)] + ColumnMargin);
}

void frmLinkData::ClickCell(int row, int column) {
  if (row < 1 || row >= MSFlexGrid1->rowCount() || column < 0 || column >= MSFlexGrid1->columnCount()) return;
  MSFlexGrid1->setCurrentCell(row, column);
  ShowWholeText(*txtField, MSFlexGrid1->item(0, column)->text());
  ShowWholeText(*txtData, MSFlexGrid1->item(row, column)->text());
  if (HasImageField && row != LastImageRow) ShowLinkImage();
  LastImageRow = row;
}

void frmLinkData::SelectLinkedCell() {
  const int columns = MSFlexGrid1->columnCount();
  const int rows = MSFlexGrid1->rowCount();
  for (int c = 0; c < columns; ++c) {
    if (Std(MSFlexGrid1->item(0, c)->text()) != LinkFieldName) continue;
    for (int r = 1; r < rows; ++r) {
      if (Std(MSFlexGrid1->item(r, c)->text()) != LinkDataValue) continue;
      MSFlexGrid1->setCurrentCell(r, c);
      MSFlexGrid1->scrollToItem(MSFlexGrid1->item(r, c));
      ShowWholeText(*txtField, Text(LinkFieldName));
      ShowWholeText(*txtData, Text(LinkDataValue));
      ShowLinkImage();
      LastImageRow = r;
      return;
    }
    return;
  }
}

// ---- The picture -------------------------------------------------------------------------------

void frmLinkData::ShowLinkImage() {
  Image1->clear();
  ++imageLoads_;
  const int row = MSFlexGrid1->currentRow();
  if (row < 1 || !SourceConnOpen) return;
  Recordset rows;
  if (!rows.Open(*SourceConn, Std(txtTable->text())) || rows.FieldIndex(ImageField) < 0 || !rows.Move(row - 1) ||
      rows.Eof() || rows.Field(ImageField).IsNull())
    return;
  const Bytes bytes = rows.Field(ImageField).AsBytes();
  QImage picture;
  if (rows.Failed() || !picture.loadFromData(bytes.data(), static_cast<int>(bytes.size()))) return;
  Image1->setPixmap(QPixmap::fromImage(picture));
}

// ---- Buttons ---------------------------------------------------------------------------------

void frmLinkData::ShowLinked(bool linked) {
  lblLinked->setText(linked ? "Item Is Linked" : "Item NOT Linked");
  QPalette palette = lblLinked->palette();
  palette.setColor(QPalette::WindowText, ToQColor(linked ? LinkedColor : UnlinkedColor));
  lblLinked->setPalette(palette);
}

void frmLinkData::cmdLink_Click() {
  LinkPath = Std(txtPath->text());
  LinkTableName = Std(txtTable->text());
  LinkFieldName = Std(txtField->text());
  LinkDataValue = Std(txtData->text());
  if (LinkPath.empty() || LinkTableName.empty() || LinkFieldName.empty() || LinkDataValue.empty()) return;
  if (LinkItemIndex < 1 || LinkItemIndex > ItemCount) return;
  Integer kind = LinkCurrent;
  if (LinkPath != DwgDbPath) {
    if (!SaveObjectLink(LinkItemIndex)) return;  // the message is shown; the item keeps its link
    kind = LinkRemote;
  }
  ItemRec& item = Items[LinkItemIndex];
  item.LinkType = kind;
  item.LinkTable = LinkTableName;
  item.LinkField = LinkFieldName;
  item.PartNumber = LinkDataValue;
  ShowLinked(true);
  Long index = LinkItemIndex;
  SaveComponent(index);
}

void frmLinkData::cmdClear_Click() {
  if (LinkItemIndex < 1 || LinkItemIndex > ItemCount) return;
  ItemRec& item = Items[LinkItemIndex];
  item.LinkType = LinkNone;
  item.LinkTable.clear();
  item.LinkField.clear();
  item.PartNumber.clear();
  ShowLinked(false);
  Long index = LinkItemIndex;
  SaveComponent(index);
}

void frmLinkData::cmdOK_Click() {
  DlgCancelled = FlagFalse;
  CloseSource();
  accept();
}

void ShowLinkData() {
  frmLinkData dialog;
  ShowModal(dialog);
}

}  // namespace lintavo
