// Prompts: the current responder, message boxes, and the default responder
// that shows real Qt windows.
//
// Sections:
//   Message box buttons
//   File dialog filters
//   The Qt responder
//   Current responder, the end of a prompt and MsgBox
#include "platform/Prompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <algorithm>

#include "platform/Colors.h"
#include "platform/CommonDialogs.h"

namespace lintavo {

// ---- Message box buttons ---------------------------------------------------

std::vector<int> MsgBoxButtons(int buttons) {
  switch (buttons & 7) {
    case vbOKCancel: return {vbOK, vbCancel};
    case vbYesNoCancel: return {vbYes, vbNo, vbCancel};
    case vbYesNo: return {vbYes, vbNo};
    default: return {vbOK};
  }
}

bool MsgBoxHasButton(int buttons, int result) {
  const std::vector<int> results = MsgBoxButtons(buttons);
  return std::find(results.begin(), results.end(), result) != results.end();
}

int MsgBoxSafeAnswer(int buttons) {
  if (MsgBoxHasButton(buttons, vbCancel)) return vbCancel;
  if (MsgBoxHasButton(buttons, vbNo)) return vbNo;
  return vbOK;
}

// ---- File dialog filters ---------------------------------------------------

QStringList QtNameFilters(const String& filter) {
  const QStringList parts = QString::fromStdString(filter).split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = QString(parts[i + 1]).replace(u';', u' ').simplified();
    if (patterns.isEmpty()) continue;
    const QString description = parts[i].trimmed();
    filters.append((description + QStringLiteral(" (") + patterns + QStringLiteral(")")).trimmed());
  }
  return filters;
}

namespace {

// ---- The Qt responder ------------------------------------------------------

QString Q(const String& text) { return QString::fromStdString(text); }

// Dialogs open over the window the user is working in.
QWidget* DialogParent() { return QApplication::activeWindow(); }

void SetTitle(QWidget& window, const String& title) {
  if (!title.empty()) window.setWindowTitle(Q(title));
}

QMessageBox::StandardButton QtButton(int result) {
  switch (result) {
    case vbCancel: return QMessageBox::Cancel;
    case vbYes: return QMessageBox::Yes;
    case vbNo: return QMessageBox::No;
    default: return QMessageBox::Ok;
  }
}

QMessageBox::Icon QtIcon(int buttons) {
  switch (buttons & 0x70) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// 0-based index of the default button; the first when the flag names a
// button the set lacks.
size_t DefaultButtonIndex(int buttons, size_t buttonCount) {
  const size_t index = static_cast<size_t>((buttons >> 8) & 3);
  return index < buttonCount ? index : 0;
}

// Message texts break lines with CR LF; a Qt label wants LF alone.
QString PlainLines(const String& text) {
  return Q(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

class QtResponder final : public PromptResponder {
 public:
  int MessageBox(const MessageBoxPrompt& prompt) override;
  FileAnswer FileDialog(const FilePrompt& prompt) override;
  ColorAnswer ColorDialog(const ColorPrompt& prompt) override;
  bool PrinterSetupDialog(const PrinterPrompt& prompt, QPrinter& printer) override;
  bool PrintDialog(const PrinterPrompt& prompt, QPrinter& printer) override;
  void ModalWindowShown(QDialog&) override {}
};

int QtResponder::MessageBox(const MessageBoxPrompt& prompt) {
  QMessageBox box(QtIcon(prompt.buttons), Q(prompt.title), PlainLines(prompt.prompt),
                  QMessageBox::NoButton, DialogParent());
  box.setTextFormat(Qt::PlainText);  // a "<" in a message is text, not markup
  const std::vector<int> results = MsgBoxButtons(prompt.buttons);
  for (int result : results) box.addButton(QtButton(result));
  box.setDefaultButton(QtButton(results[DefaultButtonIndex(prompt.buttons, results.size())]));
  box.setEscapeButton(box.button(QtButton(MsgBoxSafeAnswer(prompt.buttons))));
  box.exec();
  for (int result : results) {
    if (box.clickedButton() == box.button(QtButton(result))) return result;
  }
  return MsgBoxSafeAnswer(prompt.buttons);
}

FileAnswer QtResponder::FileDialog(const FilePrompt& prompt) {
  QFileDialog dialog(DialogParent(), Q(prompt.title), Q(prompt.initDir));
  dialog.setAcceptMode(prompt.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(prompt.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = QtNameFilters(prompt.filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(prompt.filterIndex - 1, filters.first()));
  }
  if (!prompt.fileName.empty()) dialog.selectFile(Q(prompt.fileName));

  FileAnswer answer{false, "", prompt.filterIndex};
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return answer;
  answer.accepted = true;
  answer.fileName = dialog.selectedFiles().first().toStdString();
  const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
  if (chosen >= 0) answer.filterIndex = static_cast<int>(chosen) + 1;
  return answer;
}

ColorAnswer QtResponder::ColorDialog(const ColorPrompt& prompt) {
  QColorDialog dialog(ToQColor(prompt.color), DialogParent());
  SetTitle(dialog, prompt.title);
  if (dialog.exec() != QDialog::Accepted) return {false, prompt.color};
  return {true, FromQColor(dialog.selectedColor())};
}

bool QtResponder::PrinterSetupDialog(const PrinterPrompt& prompt, QPrinter& printer) {
  // The print dialog, which chooses the printer (or a file) and through its
  // properties the paper; it sets the printer up without printing.
  QPrintDialog dialog(&printer, DialogParent());
  SetTitle(dialog, prompt.title);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText("OK");
  return dialog.exec() == QDialog::Accepted;
}

bool QtResponder::PrintDialog(const PrinterPrompt& prompt, QPrinter& printer) {
  QPrintDialog dialog(&printer, DialogParent());
  SetTitle(dialog, prompt.title);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, (prompt.flags & cdlPDSelection) != 0);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, (prompt.flags & cdlPDNoPageNums) == 0);
  return dialog.exec() == QDialog::Accepted;
}

// ---- Current responder, the end of a prompt and MsgBox ----------------------

PromptResponder* InstalledResponder = nullptr;  // from SetPromptResponder; nullptr: the Qt one
void (*ModalEndRoutine)() = nullptr;            // from SetModalEndRoutine; nullptr: none

}  // namespace

void SetPromptResponder(PromptResponder* responder) { InstalledResponder = responder; }

PromptResponder& CurrentPromptResponder() {
  static QtResponder qtResponder;
  return InstalledResponder ? *InstalledResponder : qtResponder;
}

void SetModalEndRoutine(void (*routine)()) { ModalEndRoutine = routine; }

void ModalPromptEnded() {
  // A prompt asked from another modal window leaves the keyboard to that window.
  if (ModalEndRoutine && !QApplication::activeModalWidget()) ModalEndRoutine();
}

int MsgBox(const String& prompt, int buttons, const String& title) {
  const MessageBoxPrompt request{prompt, title.empty() ? String(LINTAVO_PROGRAM_NAME) : title, buttons};
  const int answer = CurrentPromptResponder().MessageBox(request);
  ModalPromptEnded();
  return answer;
}

}  // namespace lintavo
