// frmCompSelect: the component chooser.
//
// Sections:
//   Construction
//   Opening and closing
//   The list and the row shown
//   Preview
//   Buttons
//   Registration
#include "windows/insert/frmCompSelect.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "windows/controls/ChooserLayout.h"
#include "windows/controls/OptionBoxes.h"
#include "model/DataHand.h"
#include "model/LayerItems.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "organisation/ChooserPreview.h"
#include "organisation/Components.h"
#include "platform/CommonDialogs.h"
#include "platform/Database.h"
#include "platform/Modal.h"
#include "platform/Prompts.h"
#include "platform/Recordset.h"
#include "platform/Services.h"
#include "platform/SurfaceWidget.h"
#include "platform/TextBoxes.h"
#include "storage/LoadObjects.h"
#include "storage/RowReader.h"
#include "storage/Verify.h"
#include "view/DisplayOptions.h"

namespace lintavo {

namespace {

const char* const DatabaseFilter = "(*.MDB)|*.mdb";

void ShowUnexpectedError(const DbError& error) { MsgBox("Unexpected Error: " + error.Description); }

bool VerifyComponentDb(const String& path) {
  return !path.empty() && FileExists(path) && VerifyDatabase(path, DbKindComponents);
}

// The component rows (Rtype 1) of the database at path, in the order read.
bool ReadComponentRows(const String& path, std::vector<frmCompSelect::ComponentRow>& rows, DbError& error) {
  Connection connection;
  Recordset rs;
  if (connection.Open(path, OpenMode::ReadOnly) &&
      rs.Open(connection, "Components", "Rtype", DbValue(Long{ItemComponent}))) {
    const int key = rs.FieldIndex("ObjectID"), name = rs.FieldIndex("Name");
    const int category = rs.FieldIndex("Category"), part = rs.FieldIndex("PartNumber");
    const int description = rs.FieldIndex("Description"), author = rs.FieldIndex("Author");
    const int created = rs.FieldIndex("CreationDate"), nlines = rs.FieldIndex("Nlines");
    const int extents[4] = {rs.FieldIndex("Xmin"), rs.FieldIndex("Ymin"), rs.FieldIndex("Xmax"),
                            rs.FieldIndex("Ymax")};
    for (; !rs.Eof(); rs.MoveNext()) {
      frmCompSelect::ComponentRow row;
      ReadLong(rs, key, row.ObjectID);
      row.Name = TextOrEmpty(rs, name);
      ComponentFacts& facts = row.Facts;
      facts.Category = TextOrEmpty(rs, category);
      facts.PartNumber = TextOrEmpty(rs, part);
      facts.Description = TextOrEmpty(rs, description);
      facts.Author = TextOrEmpty(rs, author);
      facts.CreationDate = TextOrEmpty(rs, created);
      ReadLong(rs, nlines, row.Nlines);
      Double box[4] = {0, 0, 0, 0};  // Xmin, Ymin, Xmax, Ymax
      for (int k = 0; k < 4; ++k) ReadDouble(rs, extents[k], box[k]);
      facts.Width = box[2] - box[0];
      facts.Height = box[3] - box[1];
      rows.push_back(std::move(row));
    }
  }
  error = connection.Error().Number ? connection.Error() : rs.Error();
  return error.Number == DbErrNone;
}

}  // namespace

// ---- Construction ----------------------------------------------------------------------

frmCompSelect::frmCompSelect(QWidget* parent) : QDialog(parent) {
  setObjectName("frmCompSelect");
  setWindowTitle("Component Select");
  BuildControls();
}

frmCompSelect::~frmCompSelect() { Form_Unload(); }

void frmCompSelect::BuildControls() {
  Picture1 = NamedPicture("Picture1", PictureWidth, PictureHeight, this);
  cmdPath = NamedButton("cmdPath", "Select New Component Database", this);
  cmdOK = NamedButton("cmdOK", "OK", this);
  cmdCancel = NamedButton("cmdCancel", "Cancel", this);
  const ChooserControls frame =
      LayOutChooser(*this, "Components Available", "Current Component DataBase Path", Picture1, {cmdPath, cmdOK, cmdCancel});
  List1 = frame.List1;
  txtCount = frame.txtCount;
  txtPath = frame.txtPath;
  QGridLayout* fields = frame.Fields;
  TxtName = CaptionedField(fields, 0, "TxtName", "Name", this);
  TxtCategory = CaptionedField(fields, 1, "TxtCategory", "Category", this);
  TxtAuthor = CaptionedField(fields, 2, "TxtAuthor", "Author", this);
  TxtDate = CaptionedField(fields, 3, "TxtDate", "Creation Date", this);
  TextNl = CaptionedField(fields, 4, "TextNl", "Number of Lines", this);
  TxtPart = CaptionedField(fields, 5, "TxtPart", "Part Number", this);
  TxtDesc = CaptionedField(fields, 6, "TxtDesc", "Description", this);
  lblWidth = new QLabel(this);
  lblWidth->setObjectName("lblWidth");
  lblHeight = new QLabel(this);
  lblHeight->setObjectName("lblHeight");
  fields->addWidget(lblWidth, 7, 0, 1, 2);
  fields->addWidget(lblHeight, 8, 0, 1, 2);

  connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { List1_Click(List1->row(item)); });
  connect(cmdPath, &QPushButton::clicked, this, &frmCompSelect::cmdPath_Click);
  connect(cmdOK, &QPushButton::clicked, this, &frmCompSelect::cmdOK_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &frmCompSelect::reject);
}

// ---- Opening and closing -----------------------------------------------------------------

void frmCompSelect::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!loaded_) Form_Load();
}

void frmCompSelect::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  Form_Unload();
}

void frmCompSelect::Form_Load() {
  loaded_ = true;
  kept_.Take();
  keptRefPnts_ = ShowRefPnts;
  ComponentNo = 0;
  ComponentName.clear();
  SelRecordID = 0;
  if (CompDbPath.empty()) CompDbPath = DwgDbPath;
  Picture1->ResizeImage(PictureWidth, PictureHeight);
  Picture1->Cls();
  InitPreviewSurface(preview_, *Picture1, PictureWidth, PictureHeight);
  PreviewAllLayers = FlagTrue;
  if (VerifyComponentDb(CompDbPath) || ChooseDatabase("Can't Find " + CompDbPath)) FillComponentList();
}

void frmCompSelect::Form_Unload() {
  if (!loaded_) return;
  loaded_ = false;
  ShowRefPnts = keptRefPnts_;
  preview_.GiveBack();
}

// The open-file dialog titled title; a chosen component database becomes CompDbPath.
bool frmCompSelect::ChooseDatabase(const String& title) {
  CommonDialog dialog;
  dialog.DialogTitle = title;
  dialog.Filter = DatabaseFilter;
  dialog.ShowOpen();
  if (!IsMdbFileName(dialog.FileName) || !VerifyComponentDb(dialog.FileName)) return false;
  CompDbPath = dialog.FileName;
  return true;
}

// ---- The list and the row shown -------------------------------------------------------------

void frmCompSelect::FillComponentList() {
  ShowWholeText(*txtPath, QString::fromStdString(CompDbPath));
  if (!CompDbPath.empty()) {
    std::vector<ComponentRow> rows;
    DbError error;
    if (!ReadComponentRows(CompDbPath, rows, error)) {
      ShowUnexpectedError(error);
    } else {
      rows_ = std::move(rows);
      List1->clear();
      for (const ComponentRow& row : rows_) List1->addItem(QString::fromStdString(row.Name));
      if (!rows_.empty()) ShowComponentRecord(0);
    }
  }
  txtCount->setText(QString::number(List1->count()));
}

void frmCompSelect::ShowComponentRecord(int row) {
  const ComponentRow& r = rows_[static_cast<size_t>(row)];
  SelRecordID = r.ObjectID;
  NewItemName = r.Name;
  ShowWholeText(*TxtName, QString::fromStdString(r.Name));
  TextNl->setText(QString::number(r.Nlines));
  ShowComponentFacts(r.Facts, {TxtCategory, TxtAuthor, TxtDate, TxtPart, TxtDesc, lblWidth, lblHeight});
}

void frmCompSelect::List1_Click(int row) {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  ShowComponentRecord(row);
  LoadPreviewComponent();
}

// ---- Preview ------------------------------------------------------------------------------------

// Whatever this chooser loaded goes again.
void frmCompSelect::CutTablesBack() { kept_.GiveBack(); }

void frmCompSelect::LoadPreviewComponent() {
  Picture1->Cls();
  NewItemKind = ItemComponent;
  const String name = NewItemName;
  Long index = 0;
  if (!FindLoadedComponent(index)) {
    CutTablesBack();
    if (!LoadComponent(name)) return;
    index = CurItem;
  }
  SelRecordID = index;
  ComponentNo = index;
  ComponentName = name;
  PreviewDefinition(index);
  ShowRefPnts = FlagFalse;
}

// ---- Buttons ------------------------------------------------------------------------------------

void frmCompSelect::cmdPath_Click() {
  Picture1->Cls();
  if (ChooseDatabase("Locate New Component Database")) FillComponentList();
}

void frmCompSelect::cmdOK_Click() {
  if (SelRecordID == 0) {
    CurItem = 0;
    NewItemName.clear();
    DlgCancelled = FlagTrue;
  } else {
    DlgCancelled = FlagFalse;
  }
  accept();
}

void frmCompSelect::reject() {
  CutTablesBack();
  CurItem = 0;
  NewItemName.clear();
  SelRecordID = 0;
  ComponentNo = 0;
  DlgCancelled = FlagTrue;
  QDialog::reject();
}

void ShowCompSelect() {
  frmCompSelect dialog;
  ShowModal(dialog);
}

// ---- Registration -------------------------------------------------------------------------------

namespace {
void PlugCompSelect() { ComponentDialogs.ShowCompSelect = ShowCompSelect; }
const ModuleRegistrar Registered({"frmCompSelect", FloorApp, nullptr, {}, PlugCompSelect});
}  // namespace

}  // namespace lintavo
