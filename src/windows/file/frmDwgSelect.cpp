// frmDwgSelect: the drawing chooser: its controls, the list of stored
// drawings, the row shown, the preview and the switch to another database.
//
// Sections:
//   Construction
//   Opening and closing
//   The list and the row shown
//   Fitting the preview
//   Buttons
#include "windows/file/frmDwgSelect.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "windows/controls/ChooserLayout.h"
#include "windows/controls/OptionBoxes.h"
#include "model/DataHand.h"
#include "model/Top.h"
#include "organisation/ChooserPreview.h"
#include "organisation/Layers.h"
#include "picking/Measure.h"
#include "platform/CommonDialogs.h"
#include "platform/Database.h"
#include "platform/Prompts.h"
#include "platform/Recordset.h"
#include "platform/Services.h"
#include "platform/SurfaceWidget.h"
#include "platform/TextBoxes.h"
#include "platform/TextCompare.h"
#include "storage/RowReader.h"
#include "view/Preview.h"
#include "view/Zooms.h"
#include "windows/main/frmDocument.h"

namespace lintavo {

namespace {

constexpr int PictureWidth = 360;   // preview surface, pixels
constexpr int PictureHeight = 270;
const char* const DatabaseSuffix = "_DWG.MDB";  // a drawings database's file name ends so, any case

void ShowUnexpectedError(const DbError& error) { MsgBox("Unexpected Error: " + error.Description); }

// The DrawID and Name of every Drawing row of the database at path, in
// DrawID order (a Null name as an empty entry). False, with error, when the
// database or the table cannot be read.
// A name that several stored drawings share is listed with each one's revision,
// so that the rows can be told apart; a name stored once is listed alone.
void NameSharedRows(QStringList& names, const QStringList& revisions) {
  QHash<QString, int> uses;
  for (const QString& name : names) ++uses[name];
  for (qsizetype i = 0; i < names.size(); ++i) {
    if (uses.value(names[i]) < 2) continue;
    const QString& revision = revisions[i];
    names[i] += revision.isEmpty() ? QStringLiteral("  (no revision)") : "  (" + revision + ")";
  }
}

bool ReadDrawingList(const String& path, std::vector<Long>& keys, QStringList& names, DbError& error) {
  Connection connection;
  Recordset rows;
  QStringList revisions;
  if (connection.Open(path, OpenMode::ReadOnly) && rows.Open(connection, "Drawing")) {
    const int key = rows.FieldIndex("DrawID"), name = rows.FieldIndex("Name");
    const int revision = rows.FieldIndex("Revision");
    for (; !rows.Eof(); rows.MoveNext()) {
      Long drawId = 0;
      if (!ReadLong(rows, key, drawId)) continue;  // a key that is no number names no drawing
      keys.push_back(drawId);
      names.push_back(QString::fromStdString(TextOrEmpty(rows, name)));
      revisions.push_back(QString::fromStdString(TextOrEmpty(rows, revision)));
    }
  }
  error = connection.Error().Number ? connection.Error() : rows.Error();
  NameSharedRows(names, revisions);
  return error.Number == DbErrNone;
}

// The box gets the field's text unless the field is Null.
void ShowField(Recordset& row, const char* column, QLineEdit* box) {
  FieldRef field = row.Field(row.FieldIndex(column));
  if (!field.IsNull()) ShowWholeText(*box, QString::fromStdString(field.AsText()));
}

}  // namespace

// ---- Construction ----------------------------------------------------------------------

frmDwgSelect::frmDwgSelect(QWidget* parent) : QDialog(parent) {
  setObjectName("frmDwgSelect");
  setWindowTitle("Drawing Select");
  BuildControls();
}

frmDwgSelect::~frmDwgSelect() { Form_Unload(); }

void frmDwgSelect::BuildControls() {
  Picture1 = NamedPicture("Picture1", PictureWidth, PictureHeight, this);
  cmdShow = NamedButton("cmdShow", "Preview Drawing", this);
  cmdPath = NamedButton("cmdPath", "Select New Drawing Database", this);
  cmdOK = NamedButton("cmdOK", "OK", this);
  cmdCancel = NamedButton("cmdCancel", "Cancel", this);
  const ChooserControls frame =
      LayOutChooser(*this, "Drawings Available", "Current Drawing DataBase Path", Picture1, {cmdShow, cmdPath, cmdOK, cmdCancel});
  List1 = frame.List1;
  txtCount = frame.txtCount;
  txtPath = frame.txtPath;
  QGridLayout* fields = frame.Fields;
  TxtName = CaptionedField(fields, 0, "TxtName", "Name", this);
  TxtType = CaptionedField(fields, 1, "TxtType", "Type", this);
  TxtRevision = CaptionedField(fields, 2, "TxtRevision", "Revision", this);
  TxtCategory = CaptionedField(fields, 3, "TxtCategory", "Category", this);
  TxtPart = CaptionedField(fields, 4, "TxtPart", "Part Number", this);
  TxtDesc = CaptionedField(fields, 5, "TxtDesc", "Description", this);
  TextNl = CaptionedField(fields, 6, "TextNl", "Number of Lines", this);
  TxtAuthor = CaptionedField(fields, 7, "TxtAuthor", "Author", this);
  TxtDate = CaptionedField(fields, 8, "TxtDate", "Creation Date", this);
  TextH = CaptionedField(fields, 9, "TextH", "Height", this);
  TextW = CaptionedField(fields, 10, "TextW", "Width", this);

  connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { List1_Click(List1->row(item)); });
  connect(cmdShow, &QPushButton::clicked, this, &frmDwgSelect::cmdShow_Click);
  connect(cmdPath, &QPushButton::clicked, this, &frmDwgSelect::cmdPath_Click);
  connect(cmdOK, &QPushButton::clicked, this, &frmDwgSelect::cmdOK_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &frmDwgSelect::cmdCancel_Click);
}

// ---- Opening and closing -----------------------------------------------------------------

void frmDwgSelect::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Every opening reconnects to the current database and refills the list.
  if (loaded_ && !unloaded_) return;
  unloaded_ = false;
  Form_Load();
}

void frmDwgSelect::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  Form_Unload();
}

void frmDwgSelect::Form_Load() {
  loaded_ = true;
  Picture1->ResizeImage(PictureWidth, PictureHeight);
  Picture1->Cls();
  // True size until a row is shown: world 0..width, 0..height inches.
  InitPreviewSurface(target_, *Picture1, PictureWidth, PictureHeight);
  PreviewAllLayers = FlagTrue;
  FillList();
  // No drawings database where the settings point: the browser is offered
  // at once, its title saying where the program looked.
  if (!FileExists(DwgDbPath)) BrowseForDatabase("Can't Find " + DwgDbPath);
}

void frmDwgSelect::Form_Unload() {
  if (!loaded_ || unloaded_) return;
  unloaded_ = true;
  // The picture goes with the dialog: the surface goes back to the window
  // that had it, with that window's view.
  target_.GiveBack();
}

void frmDwgSelect::reject() {
  SetResults(true);
  QDialog::reject();
}

void frmDwgSelect::SetResults(bool cancelled) {
  SelDwgName = cancelled ? String() : TxtName->text().toStdString();
  SelDwgID = cancelled ? 0 : currentDrawID_;
  DlgCancelled = cancelled ? FlagTrue : FlagFalse;
}

// ---- The list and the row shown -------------------------------------------------------------

void frmDwgSelect::FillList() {
  ShowWholeText(*txtPath, QString::fromStdString(DwgDbPath));
  if (!FileExists(DwgDbPath)) return;  // the list and the count stay as they are
  std::vector<Long> keys;
  QStringList names;
  DbError error;
  if (!ReadDrawingList(DwgDbPath, keys, names, error)) {
    ShowUnexpectedError(error);
    return;
  }
  rowKeys_ = std::move(keys);
  List1->clear();
  List1->addItems(names);
  position_ = -1;
  if (!rowKeys_.empty()) List1_Click(0);
  List1->clearSelection();
  txtCount->setText(QString::number(List1->count()));
}

void frmDwgSelect::List1_Click(int row) {
  if (row < 0 || row >= static_cast<int>(rowKeys_.size())) return;
  ShowRow(row);
  FitPreview();
}

void frmDwgSelect::ShowRow(int row) {
  position_ = row;
  Connection connection;
  Recordset rs;
  if (connection.Open(DwgDbPath, OpenMode::ReadOnly) &&
      rs.Open(connection, "Drawing", "DrawID", DbValue(rowKeys_[static_cast<size_t>(row)])) && !rs.Eof()) {
    const std::pair<const char*, QLineEdit*> boxes[] = {
        {"Name", TxtName},         {"Rtype", TxtType},     {"Revision", TxtRevision},
        {"Category", TxtCategory}, {"PartNumber", TxtPart}, {"Description", TxtDesc},
        {"Nlines", TextNl},        {"Author", TxtAuthor},  {"CreationDate", TxtDate}};
    for (const auto& [column, box] : boxes) ShowField(rs, column, box);
    ReadKey(rs, rs.FieldIndex("DrawID"), currentDrawID_);
    if (!ReadLong(rs, rs.FieldIndex("Nlines"), storedLines_)) storedLines_ = 0;
    Double box[4] = {0, 0, 0, 0};
    const char* const columns[4] = {"Xmin", "Ymin", "Xmax", "Ymax"};
    bool extents = true;
    for (int i = 0; i < 4; ++i) extents = ReadDouble(rs, rs.FieldIndex(columns[i]), box[i]) && extents;
    if (extents) {
      std::copy(box, box + 4, extents_);
      TextH->setText(QString::fromStdString(FormatLengthFixed(extents_[3] - extents_[1])));
      TextW->setText(QString::fromStdString(FormatLengthFixed(extents_[2] - extents_[0])));
    }
  }
  const DbError& error = connection.Error().Number ? connection.Error() : rs.Error();
  if (error.Number != DbErrNone) ShowUnexpectedError(error);
}

// ---- Fitting the preview --------------------------------------------------------------------

namespace {

// One axis of the window: the extents with a tenth of their size added on
// each side; a unit window about the point when they still have no size (or
// are damaged), which no scale could fit.
void GrowAxis(Double low, Double high, Double& from, Double& to) {
  const Double size = high - low;
  if (!(size > 0) || !std::isfinite(size)) {
    const Double centre = std::isfinite(low + high) ? (low + high) / 2 : 0;
    from = centre - 0.5;
    to = centre + 0.5;
    return;
  }
  from = low - size / 10;
  to = high + size / 10;
}

}  // namespace

void frmDwgSelect::FitPreview() {
  const Double w = Picture1->DeviceWidth(), h = Picture1->DeviceHeight();
  // Lines on one level, or upright, or one point: the box is given the size
  // that shows them at true size in the picture.
  ViewWindowRect stored{extents_[0], extents_[1], extents_[2], extents_[3]};
  if (HoldsFigure(stored, storedLines_)) SizeFigureBox(stored, w, h, PixelsPerUnit);
  Double minX = 0, maxX = 0, minY = 0, maxY = 0;
  GrowAxis(stored.MinX, stored.MaxX, minX, maxX);
  GrowAxis(stored.MinY, stored.MaxY, minY, maxY);
  const Double sx = (w / PixelsPerUnit) / (maxX - minX);
  const Double sy = (h / PixelsPerUnit) / (maxY - minY);
  const Double zoom = sx < sy ? sx : sy;
  const Double scale = zoom * PixelsPerUnit;
  ViewPixMinX = ViewPixMinY = 0;
  ViewPixMaxX = static_cast<Long>(w);
  ViewPixMaxY = static_cast<Long>(h);
  ViewZoom = static_cast<Single>(zoom);
  ViewScaleX = ViewScaleY = static_cast<Single>(scale);
  ViewBaseX = static_cast<Single>(w / 2 + ViewPixMinX - scale * (minX + maxX) / 2);
  ViewBaseY = static_cast<Single>(h / 2 + ViewPixMinY - scale * (minY + maxY) / 2);
  // The world window is what the picture shows, margins included.
  ViewWinMinX = (ViewPixMinX - ViewBaseX) / scale;
  ViewWinMaxX = (ViewPixMaxX - ViewBaseX) / scale;
  ViewWinMinY = (ViewPixMinY - ViewBaseY) / scale;
  ViewWinMaxY = (ViewPixMaxY - ViewBaseY) / scale;
}

// ---- Buttons ----------------------------------------------------------------------------------

void frmDwgSelect::cmdShow_Click() {
  if (List1->currentRow() < 0 || position_ < 0) return;
  List1->setCurrentRow(position_);
  ShowRow(position_);
  Picture1->Cls();
  FitPreview();
  OpenDbPath = DwgDbPath;
  SelRecordID = currentDrawID_;
  if (SelRecordID > 0) PreviewStoredDrawing(SelRecordID);
}

void frmDwgSelect::cmdPath_Click() {
  Picture1->Cls();
  BrowseForDatabase("Locate New *_dwg.mdb");
}

bool frmDwgSelect::BrowseForDatabase(const String& Title) {
  CommonDialog dialog;
  dialog.DialogTitle = Title;
  dialog.Filter = "(*.MDB)|*.mdb";
  dialog.ShowOpen();
  const String chosen = dialog.FileName;
  const bool drawingsDatabase =
      chosen.size() >= 8 && SameTextNoCase(chosen.substr(chosen.size() - 8), DatabaseSuffix);
  if (!drawingsDatabase || chosen == DwgDbPath) return false;
  // The new database is taken only when its drawings can be listed; the
  // old path stays in force otherwise.
  std::vector<Long> keys;
  QStringList names;
  DbError error;
  if (!ReadDrawingList(chosen, keys, names, error)) {
    ShowUnexpectedError(error);
    return false;
  }
  DwgDbPath = chosen;
  FillList();
  return true;
}

void frmDwgSelect::cmdOK_Click() {
  if (txtCount->text().toInt() < 1) {
    cmdCancel_Click();
    return;
  }
  SetResults(false);
  accept();
}

void frmDwgSelect::cmdCancel_Click() { reject(); }

}  // namespace lintavo
