// frmIntro: the introduction window.
#include "windows/help/frmIntro.h"

#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/AppInfo.h"
#include "app/RtfReader.h"
#include "platform/CommonDialogs.h"
#include "platform/Modal.h"
#include "platform/PrinterSurface.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "view/Print.h"

namespace lintavo {

namespace {

constexpr const char* SettingsSection = "Options";
constexpr const char* ShowInfoKey = "Show Info at Startup";
constexpr Long PrintFlags = 0x108;  // a device context, no page numbers
constexpr Long MissingTextColour = 255;  // red, RGB Long

// The introduction file read into the box; false when it is missing or unreadable.
bool LoadIntroduction(QTextEdit& box) {
  QFile file(QString::fromStdString(AppFilePath(IntroFileName)));
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray rtf = file.readAll();
  if (file.error() != QFileDevice::NoError) return false;
  return ReadRtf(rtf, *box.document());
}

}  // namespace

frmIntro::frmIntro(QWidget* parent) : QDialog(parent) {
  setObjectName("frmIntro");
  setWindowTitle(QString("Introduction to ") + AppTitle);
  RichTextBox1 = new QTextEdit(this);
  RichTextBox1->setObjectName("RichTextBox1");
  RichTextBox1->setReadOnly(true);
  RichTextBox1->setMinimumSize(520, 360);
  chkLoadInfoAtStartup = new QCheckBox("Show on Start Up", this);
  connect(chkLoadInfoAtStartup, &QCheckBox::clicked, this, &frmIntro::chkLoadInfoAtStartup_Click);
  cmdPrint = new QPushButton("Print", this);
  connect(cmdPrint, &QPushButton::clicked, this, &frmIntro::cmdPrint_Click);
  CancelButton = new QPushButton("EXIT", this);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(chkLoadInfoAtStartup);
  buttons->addStretch();
  buttons->addWidget(cmdPrint);
  buttons->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(RichTextBox1);
  layout->addLayout(buttons);
}

void frmIntro::Form_Load() {
  const String value = GetSetting(AppTitle, SettingsSection, ShowInfoKey, "1");
  chkLoadInfoAtStartup->setChecked(QString::fromStdString(value).trimmed().toDouble() != 0);
  if (!LoadIntroduction(*RichTextBox1)) {
    RichTextBox1->clear();
    RichTextBox1->setTextColor(QColor(MissingTextColour & 0xFF, (MissingTextColour >> 8) & 0xFF,
                                      (MissingTextColour >> 16) & 0xFF));
    RichTextBox1->setText(IntroMissingText);
  }
  // The reader opens at the heading, whatever loading the text left the caret at.
  RichTextBox1->moveCursor(QTextCursor::Start);
  RichTextBox1->ensureCursorVisible();
}

void frmIntro::cmdPrint_Click() {
  const QTextCursor selection = RichTextBox1->textCursor();
  CommonDialog dialog;
  dialog.Flags = PrintFlags | (selection.hasSelection() ? cdlPDSelection : 0);
  dialog.CancelError = true;
  if (dialog.ShowPrinter(Printer()) != 0) return;
  QTextDocument part;
  if (selection.hasSelection()) {
    part.setDefaultFont(RichTextBox1->document()->defaultFont());
    QTextCursor(&part).insertFragment(selection.selection());
  }
  const String caption = windowTitle().toStdString();
  PrintJob job(caption);
  const bool opened = job.Open();
  if (opened) job.Page().PrintText(selection.hasSelection() ? part : *RichTextBox1->document());
  ReportUnprinted(opened, job.End(), caption);
}

void frmIntro::chkLoadInfoAtStartup_Click() {
  SaveSetting(AppTitle, SettingsSection, ShowInfoKey, chkLoadInfoAtStartup->isChecked() ? "1" : "0");
}

void ShowIntro() {
  frmIntro dialog;
  dialog.Form_Load();
  ShowModal(dialog);
}

}  // namespace lintavo
