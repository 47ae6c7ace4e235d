// frmLinkData: the link data dialog.
//
// Sections:
//   Construction
//   Opening
//   The data sources
//   The source database: tree and grid
//   The picture
//   Buttons
#include "windows/edit/frmLinkData.h"

#include <QComboBox>
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
#include <limits>

#include "model/DataHand.h"
#include "model/Top.h"
#include "organisation/LinkHand.h"
#include "organisation/LinkSource.h"
#include "platform/Colors.h"
#include "platform/CommonDialogs.h"
#include "platform/Modal.h"
#include "platform/Numbers.h"
#include "platform/Odbc.h"
#include "platform/Prompts.h"
#include "platform/Services.h"
#include "platform/TextBoxes.h"
#include "platform/TextCompare.h"
#include "storage/SaveData.h"

namespace lintavo {

namespace {

constexpr Long LinkedColor = 65280;    // green
constexpr Long UnlinkedColor = 255;    // red
constexpr int ColumnMargin = 16;       // pixels added to a column's widest text
constexpr int NodeTagRole = Qt::UserRole;  // of a tree node
constexpr int KeyRole = Qt::UserRole;      // of a grid cell: its value as a key (KeyData)
constexpr const char* TableTag = "Table";
constexpr const char* ColumnTag = "Column";
constexpr const char* ImageField = "Image";  // compared without regard to case
constexpr const char* NullCellText = " ";
constexpr const char* NoDataSourceText = "No data source is configured.";
constexpr int GridRowsKept = 8;         // rows of the grid always in view
constexpr int PictureBoxWidth = 200;    // the Image field's picture box, pixels
constexpr int PictureBoxHeight = 150;

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

// A cell's value as the grid shows it: a Null as one blank, a number in the
// program's number form, a picture or other bytes as nothing.
QString CellText(const DbValue& value) {
  const auto& v = value.Get();
  if (value.IsNull()) return NullCellText;
  if (const auto* whole = std::get_if<std::int64_t>(&v)) return QString::number(*whole);
  if (const auto* real = std::get_if<Double>(&v)) return Text(NumberText(*real));
  if (const auto* text = std::get_if<String>(&v)) return Text(*text);
  return QString();
}

// A cell's value as a link's key: a text's bytes as stored, a number as the
// grid shows it; nothing (an invalid variant) for a Null or bytes.
QVariant KeyData(const DbValue& value) {
  const auto& v = value.Get();
  if (const auto* text = std::get_if<String>(&v)) return QByteArray(text->data(), static_cast<qsizetype>(text->size()));
  if (std::holds_alternative<std::int64_t>(v) || std::holds_alternative<Double>(v))
    return CellText(value).toUtf8();
  return QVariant();
}

String KeyOf(const QTableWidgetItem* cell) {
  const QByteArray bytes = cell ? cell->data(KeyRole).toByteArray() : QByteArray();
  return String(bytes.constData(), static_cast<size_t>(bytes.size()));
}

bool HasKey(const QTableWidgetItem* cell) { return cell != nullptr && cell->data(KeyRole).isValid(); }

// The bytes of a picture value (a text's bytes for a source that keeps
// pictures as text); nothing for a Null or a number.
Bytes PictureBytes(const DbValue& value) {
  if (const auto* bytes = std::get_if<Bytes>(&value.Get())) return *bytes;
  if (const auto* text = std::get_if<String>(&value.Get())) return Bytes(text->begin(), text->end());
  return {};
}

}  // namespace

// ---- Construction ----------------------------------------------------------------------

frmLinkData::frmLinkData(QWidget* parent) : QDialog(parent) {
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
  auto* sources = new QHBoxLayout;
  sources->addWidget(new QLabel("Data Source (ODBC):", this));
  cboDataSource = new QComboBox(this);
  cboDataSource->setObjectName("cboDataSource");
  cboDataSource->setPlaceholderText("(Choose a data source)");
  lblDataSources = new QLabel(this);
  lblDataSources->setObjectName("lblDataSources");
  sources->addWidget(cboDataSource, 1);
  sources->addWidget(lblDataSources, 1);
  left->addLayout(sources);
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
  // The grid keeps room for its rows whatever picture is shown below it.
  MSFlexGrid1->setMinimumHeight(GridRowsKept * MSFlexGrid1->verticalHeader()->defaultSectionSize());
  right->addWidget(MSFlexGrid1, 1);
  auto* boxes = new QGridLayout;
  lblCount = AddLabel(this, boxes, 0, "Records in Table:");
  txtCount = new QLineEdit(this);
  txtCount->setObjectName("txtCount");
  boxes->addWidget(txtCount, 0, 1);
  txtTable = AddBox(this, boxes, 1, "txtTable", "Selected Table");
  txtField = AddBox(this, boxes, 2, "txtField", "Selected Field");
  txtData = AddBox(this, boxes, 3, "txtData", "Selected Data");
  // The boxes show what was chosen in the grid, whole; a link takes its key from the cell itself.
  for (QLineEdit* box : {txtCount, txtTable, txtField, txtData}) {
    box->setReadOnly(true);
    box->setMaxLength(std::numeric_limits<int>::max());
  }
  right->addLayout(boxes);
  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->setFixedSize(PictureBoxWidth, PictureBoxHeight);
  Image1->setAlignment(Qt::AlignCenter);
  right->addWidget(Image1, 0, Qt::AlignHCenter);

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
  connect(cboDataSource, &QComboBox::activated, this, &frmLinkData::cboDataSource_Click);
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
  ListDataSources();
  if (LinkItemIndex < 1 || LinkItemIndex > ItemCount) return;
  setWindowTitle(Text("Link Data For: " + Items[LinkItemIndex].Name));
  if (!GetObjectLink(LinkItemIndex)) {
    ShowLinked(false);
    return;
  }
  ShowLinked(true);  // the item is linked, whatever its source holds now
  SourcePath = LinkPath;
  OpenSourceDatabase();
  if (!SourceConnOpen) return;  // the failure is shown
  bool matched = false;
  for (int i = 0; i < trvData->topLevelItemCount(); ++i) {
    QTreeWidgetItem* node = trvData->topLevelItem(i);
    if (Std(node->text(0)) != LinkTableName) continue;
    FillLinkGrid(node);
    matched = true;
  }
  if (matched) SelectLinkedCell();
  if (!ValueChosen) ReportMissingLink();
}

// Says which part of the reopened link the open source no longer holds.
void frmLinkData::ReportMissingLink() {
  String missing;
  if (txtTable->text().isEmpty()) {
    missing = "The linked table " + LinkTableName + " is not in " + SourcePath + ".";
  } else {
    bool hasField = false;
    for (int c = 0; c < MSFlexGrid1->columnCount(); ++c)
      hasField = hasField || Std(MSFlexGrid1->item(0, c)->text()) == LinkFieldName;
    missing = hasField ? "No row of table " + LinkTableName + " holds the linked value in field " + LinkFieldName + "."
                       : "The linked field " + LinkFieldName + " is not in table " + LinkTableName + ".";
  }
  MsgBox(missing, vbOKOnly, "Get Link Data: " + LinkObjectName);
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

// ---- The data sources ---------------------------------------------------------------------

// The configured data sources into the list, none chosen; without any, the
// message in the list's place.
void frmLinkData::ListDataSources() {
  const OdbcCatalogue catalogue = ReadOdbcCatalogue();
  cboDataSource->clear();
  for (const String& name : catalogue.DataSources) cboDataSource->addItem(Text(name));
  cboDataSource->setCurrentIndex(-1);
  const bool none = catalogue.DataSources.empty();
  cboDataSource->setVisible(!none);
  lblDataSources->setVisible(none);
  if (catalogue.Error.Number != DbErrNone)
    lblDataSources->setText(Text("The data sources cannot be listed: " + catalogue.Error.Description));
  else
    lblDataSources->setText(NoDataSourceText);
}

void frmLinkData::cboDataSource_Click(int index) {
  if (index < 0) return;
  const String path = DataSourcePath(Std(cboDataSource->itemText(index)));
  if (path == SourcePath && SourceConnOpen) return;  // a source that failed to open is tried again
  PreviousPath = SourcePath;
  SourcePath = path;
  OpenSourceDatabase();
}

// ---- The source database: tree and grid ------------------------------------------------------

void frmLinkData::CloseSource() {
  SourceConn.reset();
  SourceConnOpen = false;
}

// The grid, its table and the chosen cell emptied: nothing of another
// source or table stays to be linked to.
void frmLinkData::ClearGrid() {
  lblCount->setText("Records in Table:");
  txtCount->clear();
  txtTable->clear();
  Image1->clear();
  HasImageField = false;
  LastImageRow = -1;
  RowPictures.clear();
  MSFlexGrid1->clear();
  MSFlexGrid1->setRowCount(0);
  MSFlexGrid1->setColumnCount(0);
  ClearChoice();
}

void frmLinkData::ClearChoice() {
  txtField->clear();
  txtData->clear();
  ValueChosen = false;
  ChosenValue.clear();
}

void frmLinkData::OpenSourceDatabase() {
  ShowWholeText(*txtPath, Text(SourcePath));
  cboDataSource->setCurrentIndex(cboDataSource->findText(Text(DataSourceOfPath(SourcePath)), Qt::MatchExactly));
  ClearGrid();
  CloseSource();
  trvData->clear();
  DbError error;
  SourceConn = OpenLinkSource(SourcePath, error);
  if (SourceConn == nullptr) {
    MsgBox("Unexpected Error: " + error.Description);
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
  std::vector<SourceField> fields;
  if (!SourceConn->Fields(Std(node->text(0)), fields)) return;
  for (const SourceField& field : fields) {
    auto* child = new QTreeWidgetItem(node, QStringList{Text(field.Name)});
    child->setData(0, NodeTagRole, ColumnTag);
  }
}

// The grid: row 0 the field names, then one row per record. A column is as
// wide as its name, or as its widest value when its field is an ordinary
// one; long text and binary fields keep the width of their name.
void frmLinkData::FillLinkGrid(QTreeWidgetItem* node) {
  const String table = Std(node->text(0));
  ClearGrid();
  lblCount->setText(Text("Records in Table: " + table));
  MSFlexGrid1->setRowCount(1);
  MSFlexGrid1->setColumnCount(0);
  if (!SourceConnOpen) return;
  const QFontMetrics metrics(MSFlexGrid1->font());
  std::vector<int> widths;   // widest text of each column so far, pixels
  std::vector<bool> widens;  // the column's values widen it
  size_t imageField = 0;     // the Image field's ordinal when HasImageField
  int row = 0;
  const auto header = [&](const std::vector<SourceField>& fields) {
    MSFlexGrid1->setColumnCount(static_cast<int>(fields.size()));
    for (size_t i = 0; i < fields.size(); ++i) {
      const QString name = Text(fields[i].Name);
      MSFlexGrid1->setItem(0, static_cast<int>(i), new QTableWidgetItem(name));
      if (!HasImageField && SameTextNoCase(fields[i].Name, ImageField)) {
        HasImageField = true;
        imageField = i;
      }
      widths.push_back(metrics.horizontalAdvance(name));
      widens.push_back(!fields[i].Long);
    }
  };
  const auto record = [&](const std::vector<DbValue>& values) {
    MSFlexGrid1->setRowCount(++row + 1);
    for (size_t i = 0; i < values.size() && i < widths.size(); ++i) {
      const QString text = CellText(values[i]);
      auto* cell = new QTableWidgetItem(text);
      cell->setData(KeyRole, KeyData(values[i]));
      MSFlexGrid1->setItem(row, static_cast<int>(i), cell);
      if (widens[i]) widths[i] = std::max(widths[i], metrics.horizontalAdvance(text));
    }
    if (HasImageField) RowPictures.push_back(imageField < values.size() ? PictureBytes(values[imageField]) : Bytes{});
    return true;
  };
  const bool read = SourceConn->ReadRows(table, header, record);
  ShowWholeText(*txtTable, Text(table));
  txtCount->setText(QString::number(row));
  for (size_t i = 0; i < widths.size(); ++i) MSFlexGrid1->setColumnWidth(static_cast<int>(i), widths[i] + ColumnMargin);
  if (!read) MsgBox("Unexpected Error: " + SourceConn->Error().Description);
}

void frmLinkData::ClickCell(int row, int column) {
  if (row < 1 || row >= MSFlexGrid1->rowCount() || column < 0 || column >= MSFlexGrid1->columnCount()) return;
  MSFlexGrid1->setCurrentCell(row, column);
  const QTableWidgetItem* cell = MSFlexGrid1->item(row, column);
  ShowWholeText(*txtField, MSFlexGrid1->item(0, column)->text());
  ShowWholeText(*txtData, cell->text());
  ValueChosen = HasKey(cell);
  ChosenValue = KeyOf(cell);
  if (HasImageField && row != LastImageRow) ShowLinkImage();
  LastImageRow = row;
}

void frmLinkData::SelectLinkedCell() {
  const int columns = MSFlexGrid1->columnCount();
  const int rows = MSFlexGrid1->rowCount();
  for (int c = 0; c < columns; ++c) {
    if (Std(MSFlexGrid1->item(0, c)->text()) != LinkFieldName) continue;
    for (int r = 1; r < rows; ++r) {
      const QTableWidgetItem* cell = MSFlexGrid1->item(r, c);
      if (!HasKey(cell) || KeyOf(cell) != LinkDataValue) continue;
      MSFlexGrid1->setCurrentCell(r, c);
      MSFlexGrid1->scrollToItem(cell);
      ShowWholeText(*txtField, Text(LinkFieldName));
      ShowWholeText(*txtData, cell->text());
      ValueChosen = true;
      ChosenValue = LinkDataValue;
      ShowLinkImage();
      LastImageRow = r;
      return;
    }
    return;
  }
}

// ---- The picture -------------------------------------------------------------------------------

// The picture of the current grid row's Image field, from the bytes kept
// when the grid was filled: the row shown is the row read, whatever order
// the source gives its rows in. Bytes that are no picture leave it empty.
void frmLinkData::ShowLinkImage() {
  Image1->clear();
  ++imageLoads_;
  const int row = MSFlexGrid1->currentRow();
  if (row < 1 || static_cast<size_t>(row) > RowPictures.size()) return;
  const Bytes& bytes = RowPictures[static_cast<size_t>(row) - 1];
  QImage picture;
  if (bytes.empty() || !picture.loadFromData(bytes.data(), static_cast<int>(bytes.size()))) return;
  // A picture larger than its box is shown whole, made smaller; a smaller one as it is.
  if (picture.width() > PictureBoxWidth || picture.height() > PictureBoxHeight)
    picture = picture.scaled(PictureBoxWidth, PictureBoxHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
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
  if (LinkItemIndex < 1 || LinkItemIndex > ItemCount) return;
  if (!SourceConnOpen || !ValueChosen || ChosenValue.empty()) {
    MsgBox("Choose the value to link to in the grid of the source shown; an empty cell is no value.", vbOKOnly,
           "Set Link");
    return;
  }
  LinkPath = Std(txtPath->text());
  LinkTableName = Std(txtTable->text());
  LinkFieldName = Std(txtField->text());
  LinkDataValue = ChosenValue;
  if (LinkPath.empty() || LinkTableName.empty() || LinkFieldName.empty()) return;
  if (StoreLink(LinkPath == DwgDbPath ? LinkCurrent : LinkRemote)) ShowLinked(true);
}

// Gives the component the link of the link variables (kind LinkNone: none)
// and stores it: a remote link's LinkTable row first, then the component.
// When either write fails (the message is shown) the item keeps the link
// it had and the result is false.
bool frmLinkData::StoreLink(Integer kind) {
  ItemRec& item = Items[LinkItemIndex];
  const ItemRec before = item;
  if (kind == LinkRemote && !SaveObjectLink(LinkItemIndex)) return false;
  item.LinkType = kind;
  item.LinkTable = kind == LinkNone ? String() : LinkTableName;
  item.LinkField = kind == LinkNone ? String() : LinkFieldName;
  item.PartNumber = kind == LinkNone ? String() : LinkDataValue;
  Long index = LinkItemIndex;
  if (SaveComponent(index)) return true;
  item.LinkType = before.LinkType;
  item.LinkTable = before.LinkTable;
  item.LinkField = before.LinkField;
  item.PartNumber = before.PartNumber;
  return false;
}

void frmLinkData::cmdClear_Click() {
  if (LinkItemIndex < 1 || LinkItemIndex > ItemCount) return;
  if (StoreLink(LinkNone)) ShowLinked(false);
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
