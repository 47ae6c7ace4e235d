// frmDwgSave: the save dialog's controls, its checks and the save.
#include "windows/file/frmDwgSave.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <limits>

#include "model/DataHand.h"
#include "model/Top.h"
#include "platform/Colors.h"
#include "platform/Pointers.h"
#include "platform/Prompts.h"
#include "platform/Repaint.h"
#include "platform/Services.h"
#include "platform/TextBoxes.h"
#include "storage/SaveData.h"
#include "storage/Verify.h"
#include "windows/main/frmDocument.h"

namespace lintavo {

namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

String TextOf(const QLineEdit* box) { return box->text().toStdString(); }

// The red line of a drawings database another program holds locked.
constexpr const char* DatabaseLockedText =
    "ERROR.. Drawing Database Locked (In Use by Another Program)! Nothing Saved.";

// Lines of text the result line holds: each fixed message takes at most two
// at the dialog's narrowest; the third is for a long drawing name.
constexpr int MessageLines = 3;

// A drawings database is chosen by its file name: "*_dwg.mdb", any letter case.
bool IsDrawingsFileName(const String& path) {
  return QString::fromStdString(path).endsWith(QStringLiteral("_DWG.MDB"), Qt::CaseInsensitive);
}

}  // namespace

frmDwgSave::frmDwgSave(frmDocument* document, QWidget* parent)
    : QDialog(parent), document_(document) {
  BuildControls();
  Form_Load();
  // After loading: filling the boxes is not an edit.
  connect(Text1, &QLineEdit::textChanged, lblMsg, &QLabel::clear);
  connect(Text2, &QLineEdit::textChanged, lblMsg, &QLabel::clear);
  connect(cmdBrowse, &QPushButton::clicked, this, &frmDwgSave::cmdBrowse_Click);
  connect(cmdSave, &QPushButton::clicked, this, &frmDwgSave::cmdSave_Click);
  connect(cmdExit, &QPushButton::clicked, this, &QDialog::reject);
}

void frmDwgSave::BuildControls() {
  Label1 = Named(new QLabel(QStringLiteral("Enter a  Name for This Drawing"), this), "Label1");
  Text1 = Named(new QLineEdit(this), "Text1");
  Label2 = Named(new QLabel(QStringLiteral("And/Or Revision Level"), this), "Label2");
  Text2 = Named(new QLineEdit(this), "Text2");
  Label3 = Named(new QLabel(QStringLiteral("Save To Drawing Database"), this), "Label3");
  Text3 = Named(new QLineEdit(this), "Text3");
  cmdBrowse = Named(new QPushButton(QStringLiteral("Browse for Database"), this), "cmdBrowse");
  cmdSave = Named(new QPushButton(QStringLiteral("Save Drawing"), this), "cmdSave");
  cmdExit = Named(new QPushButton(QStringLiteral("Exit"), this), "cmdExit");
  lblMsg = Named(new QLabel(this), "lblMsg");
  cmdSave->setAutoDefault(false);  // Enter in a box does not save
  // The result line wraps within the dialog's width and keeps the height of
  // MessageLines lines whatever it says: a long message never widens or
  // lengthens the dialog, so no button moves from under the pointer.
  lblMsg->setWordWrap(true);
  lblMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblMsg->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  lblMsg->setFixedHeight(MessageLines * lblMsg->fontMetrics().lineSpacing() + lblMsg->contentsMargins().top() +
                         lblMsg->contentsMargins().bottom());
  // The boxes take whatever is typed or pasted, however long: a name too long
  // to store is refused when saving, never cut short by the box.
  for (QLineEdit* box : {Text1, Text2}) box->setMaxLength(std::numeric_limits<int>::max());

  auto* grid = new QGridLayout(this);
  grid->addWidget(Label1, 0, 0, 1, 2);
  grid->addWidget(Text1, 1, 0, 1, 2);
  grid->addWidget(Label2, 2, 0, 1, 2);
  grid->addWidget(Text2, 3, 0, 1, 2);
  grid->addWidget(Label3, 4, 0, 1, 2);
  grid->addWidget(Text3, 5, 0);
  grid->addWidget(cmdBrowse, 5, 1);
  grid->addWidget(lblMsg, 6, 0, 1, 2);
  grid->addWidget(cmdSave, 7, 0);
  grid->addWidget(cmdExit, 7, 1);
}

void frmDwgSave::Form_Load() {
  n_ = document_ ? document_->ID : CurDwg;
  if (n_ < 0 || n_ > MaxDwgNo) n_ = 0;
  const DwgRec& dwg = Dwgs[n_];
  ShowTitle();
  Text1->setText(QString::fromStdString(dwg.Name));
  Text2->setText(QString::fromStdString(dwg.Revision));
  ShowWholeText(*Text3, QString::fromStdString(DwgDbPath));
  lblMsg->clear();
}

// The caption names the drawing as it is named now: after a save, the name it was saved under.
void frmDwgSave::ShowTitle() { setWindowTitle(QString::fromStdString("Save Drawing As: " + Dwgs[n_].Name)); }

void frmDwgSave::ShowMessage(const String& text, Long color) {
  msgColor_ = color;
  QPalette palette = lblMsg->palette();
  palette.setColor(QPalette::WindowText, ToQColor(color));
  lblMsg->setPalette(palette);
  lblMsg->setText(QString::fromStdString(text));
}

// ---- Browse ----------------------------------------------------------------------

void frmDwgSave::cmdBrowse_Click() {
  lblMsg->clear();
  const String remembered = DwgDbPath;
  dlgDialog.DialogTitle = "Locate New *_dwg.mdb";
  dlgDialog.Filter = "(*.MDB)|*.mdb";
  dlgDialog.FileName.clear();
  if (dlgDialog.ShowOpen() != 0) return;
  const String chosen = dlgDialog.FileName;
  if (!IsDrawingsFileName(chosen) || chosen == remembered) return;
  // Only a drawings database becomes the target: a text file or a locked
  // one is reported here and changes nothing.
  if (!IsDrawingsDatabase(chosen)) return;
  DwgDbPath = chosen;
  ShowWholeText(*Text3, QString::fromStdString(DwgDbPath));
}

// ---- Save ------------------------------------------------------------------------

void frmDwgSave::cmdSave_Click() {
  if (!CheckTarget()) return;
  DwgRec& dwg = Dwgs[n_];
  const String oldName = dwg.Name, oldRevision = dwg.Revision;
  const String oldCurName = CurDwgName, oldCurRevision = CurRevision;
  CurDwgName = dwg.Name = TextOf(Text1);
  CurRevision = dwg.Revision = TextOf(Text2);
  // Another program may store a drawing of that name and revision between
  // the question and the save: the save then writes nothing, says so, and
  // the question is asked again about what is stored now.
  bool overwrite = false, again = true;
  DbKey asked = 0;
  while (again) again = AskOverwrite(overwrite, asked) && !RunSave(overwrite, asked) && DrawingStoredMeanwhile;
  if (saved_) return;
  // Not stored: the drawing keeps the name and revision it had.
  dwg.Name = oldName;
  dwg.Revision = oldRevision;
  CurDwgName = oldCurName;
  CurRevision = oldCurRevision;
}

bool frmDwgSave::CheckTarget() {
  if (saved_) {
    ShowMessage("ERROR.. Drawing Already Saved!", ColorRed);
    return false;
  }
  const String path = TextOf(Text3);
  if (!FileExists(path)) {
    ShowMessage("ERROR.. Drawing Database NOT Found!", ColorRed);
    return false;
  }
  if (!IsDrawingsDatabase(path)) return false;
  DwgDbPath = path;
  if (Text1->text().isEmpty()) {
    ShowMessage("ERROR.. NOT a Valid Drawing Name!", ColorRed);
    return false;
  }
  return NameFits(*Text1, "drawing name") && NameFits(*Text2, "revision");
}

// A name or revision is stored whole or not at all: too long a one, or one
// holding a NUL character (which would end it when read back), is refused
// before anything is written.
bool frmDwgSave::NameFits(const QLineEdit& box, const char* what) {
  const qsizetype length = box.text().size();
  const bool hasNul = box.text().contains(QChar(u'\0'));
  if (length <= MaxStoredNameLength && !hasNul) return true;
  if (hasNul)
    MsgBox("The " + String(what) + " holds a NUL character, which cannot be stored. Remove it and save again.",
           vbOKOnly, "Save Drawing");
  else
    MsgBox("The " + String(what) + " has " + std::to_string(length) + " characters; at most " +
               std::to_string(MaxStoredNameLength) + " can be stored. Shorten it and save again.",
           vbOKOnly, "Save Drawing");
  ShowMessage("ERROR.. NOT a Valid Drawing Name!", ColorRed);
  return false;
}

// A file another program holds locked cannot be read now, which says
// nothing of its kind: the red line says so.
bool frmDwgSave::IsDrawingsDatabase(const String& path) {
  DbError error;
  if (VerifyDatabase(path, DbKindDrawings, error)) return true;
  if (IsLockError(error)) {
    ShowMessage(DatabaseLockedText, ColorRed);
    return false;
  }
  if (error.Number != DbErrNone) MsgBox(ErrorText(error), vbOKOnly, "Verify Database");
  ShowMessage("ERROR.. Database NOT a Drawing Database!", ColorRed);
  return false;
}

bool frmDwgSave::AskOverwrite(bool& overwrite, DbKey& asked) {
  DlgCancelled = FlagFalse;
  overwrite = false;
  // Another program may take the lock between the check of the database's
  // kind and this look: that is said as the check says it.
  DbError error;
  const bool exists = CheckDrawingExists(n_, asked, error);
  if (IsLockError(error)) {
    ShowMessage(DatabaseLockedText, ColorRed);
    return false;
  }
  if (error.Number != DbErrNone) MsgBox(ErrorText(error), vbOKOnly, "Check Drawing");
  if (DlgCancelled) {
    ShowMessage("Error Saving Drawing: " + CurDwgName, ColorRed);
    return false;
  }
  if (!exists) {
    ShowMessage("Now Saving Drawing: " + CurDwgName, ColorBlue);
    return true;
  }
  const int answer = MsgBox(
      "This Drawing Name already Exists at this Revision Level in The Selected Database, Do you want "
      "to Over Write? (Over Writing is time consuming!)",
      vbYesNo, "Save Drawing");
  if (answer != vbYes) {
    ShowMessage("Error - Duplicate Drawing Name and Revision in Database!", ColorRed);
    return false;
  }
  ShowMessage("Please Wait - Over Writing Duplicate Drawing Name and Revision in Database!", ColorBlue);
  overwrite = true;
  return true;
}

bool frmDwgSave::RunSave(bool overwrite, DbKey asked) {
  SetBusy(true);
  OpenDbPath = DwgDbPath;
  CompDbPath = DwgDbPath;
  DlgCancelled = FlagFalse;
  // The window drawn in is measured; another one keeps the extents it had.
  const bool current = document_ && ActiveDoc == static_cast<Surface*>(document_.data()) && CurDwg == n_;
  if (current) document_->MeasureDrawingForSave();
  const bool stored = SaveDrawing(n_, ComponentsMissingFromDb(n_), overwrite, asked);
  if (stored) {
    ShowMessage("Drawing: " + CurDwgName + "  Saved!", ColorGreen);
    saved_ = true;
    ShowTitle();
    // The window is named for the drawing it now holds: caption and Window menu.
    if (document_) document_->SetFileName(Dwgs[n_].Name);
  } else {
    ShowMessage("Error Saving Drawing: " + CurDwgName, ColorRed);
  }
  SetBusy(false);
  return stored;
}

void frmDwgSave::SetBusy(bool busy) {
  const QCursor cursor = PointerCursor(busy ? vbHourglass : vbArrow);
  setCursor(cursor);
  if (QWidget* main = parentWidget()) main->setCursor(cursor);
  if (busy) RepaintWithoutInput();  // the blue line shows before the work starts
}

}  // namespace lintavo
