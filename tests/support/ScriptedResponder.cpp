// ScriptedResponder: queues, records and the safe answers.
#include "support/ScriptedResponder.h"

#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

namespace lintavo {
namespace {

// Takes the next answer for a prompt; fails the test when there is none.
template <class Answer>
bool TakeAnswer(std::deque<Answer>& queue, const PromptRecord& prompt, Answer& answer) {
  if (queue.empty()) {
    ADD_FAILURE() << "No answer queued for " << PromptKindName(prompt.kind) << " titled \""
                  << prompt.title << "\": \"" << prompt.text << "\"";
    return false;
  }
  answer = std::move(queue.front());
  queue.pop_front();
  return true;
}

template <class Answer>
void ExpectEmpty(std::deque<Answer>& queue, const char* what) {
  if (!queue.empty()) ADD_FAILURE() << queue.size() << " " << what << " queued but never asked for";
  queue.clear();
}

// Closes a window whatever its own reject routine would do.
void CloseRejected(QDialog& dialog) { dialog.QDialog::done(QDialog::Rejected); }

}  // namespace

const char* PromptKindName(PromptKind kind) {
  switch (kind) {
    case PromptKind::MessageBox: return "message box";
    case PromptKind::OpenFile: return "file open dialog";
    case PromptKind::SaveFile: return "file save dialog";
    case PromptKind::Color: return "colour dialog";
    case PromptKind::PrinterSetup: return "printer set-up dialog";
    case PromptKind::Print: return "print dialog";
    case PromptKind::ModalWindow: return "modal window";
  }
  return "prompt";
}

// ---- Queuing answers -------------------------------------------------------

void ScriptedResponder::AnswerMsgBox(int button) { msgBoxAnswers_.push_back(button); }

void ScriptedResponder::AnswerEveryMsgBox(int button) { everyMsgBoxAnswer_ = button; }

void ScriptedResponder::AnswerFile(const String& fileName, int filterIndex) {
  fileAnswers_.push_back({true, fileName, filterIndex});
}

void ScriptedResponder::CancelFile() { fileAnswers_.push_back({false, "", 1}); }

void ScriptedResponder::AnswerColor(Long color) { colorAnswers_.push_back({true, color}); }

void ScriptedResponder::CancelColor() { colorAnswers_.push_back({false, 0}); }

void ScriptedResponder::AnswerPrinter(bool accepted, std::function<void(QPrinter&)> choose) {
  printerAnswers_.push_back({accepted, std::move(choose)});
}

void ScriptedResponder::OnModalWindow(std::function<void(QDialog&)> operate) {
  modalOperations_.push_back(std::move(operate));
}

void ScriptedResponder::SetModalTimeLimit(int milliseconds) { modalTimeLimit_ = milliseconds; }

void ScriptedResponder::RejectEveryModalWindow() { rejectEveryModal_ = true; }

void ScriptedResponder::ExpectAllAnswersUsed() {
  ExpectEmpty(msgBoxAnswers_, "message box answer(s)");
  ExpectEmpty(fileAnswers_, "file dialog answer(s)");
  ExpectEmpty(colorAnswers_, "colour dialog answer(s)");
  ExpectEmpty(printerAnswers_, "printer dialog answer(s)");
  ExpectEmpty(modalOperations_, "modal window operation(s)");
}

// ---- PromptResponder -------------------------------------------------------

int ScriptedResponder::MessageBox(const MessageBoxPrompt& prompt) {
  prompts_.push_back({PromptKind::MessageBox, prompt.prompt, prompt.title, prompt.buttons});
  int answer = 0;
  if (msgBoxAnswers_.empty() && everyMsgBoxAnswer_ != 0) {
    answer = everyMsgBoxAnswer_;
  } else if (!TakeAnswer(msgBoxAnswers_, prompts_.back(), answer)) {
    return MsgBoxSafeAnswer(prompt.buttons);
  }
  if (!MsgBoxHasButton(prompt.buttons, answer)) {
    ADD_FAILURE() << "Answer " << answer << " is not a button of the message box \""
                  << prompt.prompt << "\" (style " << prompt.buttons << ")";
    return MsgBoxSafeAnswer(prompt.buttons);
  }
  return answer;
}

FileAnswer ScriptedResponder::FileDialog(const FilePrompt& prompt) {
  const PromptKind kind = prompt.save ? PromptKind::SaveFile : PromptKind::OpenFile;
  prompts_.push_back({kind, prompt.filter, prompt.title, prompt.flags});
  FileAnswer answer{false, "", prompt.filterIndex};
  TakeAnswer(fileAnswers_, prompts_.back(), answer);
  return answer;
}

ColorAnswer ScriptedResponder::ColorDialog(const ColorPrompt& prompt) {
  prompts_.push_back({PromptKind::Color, "", prompt.title, prompt.flags});
  ColorAnswer answer{false, prompt.color};
  TakeAnswer(colorAnswers_, prompts_.back(), answer);
  return answer;
}

bool ScriptedResponder::PrinterAnswer(PromptKind kind, const PrinterPrompt& prompt, QPrinter& printer) {
  prompts_.push_back({kind, "", prompt.title, prompt.flags});
  PrinterChoice answer;
  TakeAnswer(printerAnswers_, prompts_.back(), answer);
  if (answer.accepted && answer.choose) answer.choose(printer);
  return answer.accepted;
}

bool ScriptedResponder::PrinterSetupDialog(const PrinterPrompt& prompt, QPrinter& printer) {
  return PrinterAnswer(PromptKind::PrinterSetup, prompt, printer);
}

bool ScriptedResponder::PrintDialog(const PrinterPrompt& prompt, QPrinter& printer) {
  return PrinterAnswer(PromptKind::Print, prompt, printer);
}

std::vector<PromptRecord> ScriptedResponder::MessageBoxes(size_t from) const {
  std::vector<PromptRecord> boxes;
  for (size_t i = from; i < prompts_.size(); ++i)
    if (prompts_[i].kind == PromptKind::MessageBox) boxes.push_back(prompts_[i]);
  return boxes;
}

std::vector<String> ScriptedResponder::MessageTexts() const {
  std::vector<String> texts;
  for (const PromptRecord& box : MessageBoxes()) texts.push_back(box.text);
  return texts;
}

PromptRecord ScriptedResponder::LastMessageBox() const {
  const std::vector<PromptRecord> boxes = MessageBoxes();
  return boxes.empty() ? PromptRecord{} : boxes.back();
}

void ScriptedResponder::ModalWindowShown(QDialog& dialog) {
  const String title = dialog.windowTitle().toStdString();
  prompts_.push_back({PromptKind::ModalWindow, dialog.metaObject()->className(), title, 0});
  std::function<void(QDialog&)> operate;
  if (modalOperations_.empty() && rejectEveryModal_) {
    CloseRejected(dialog);
    return;
  }
  if (!TakeAnswer(modalOperations_, prompts_.back(), operate)) {
    CloseRejected(dialog);
    return;
  }
  operate(dialog);
  if (!dialog.isVisible()) return;

  // Left open: the window may close itself within the time limit.
  auto* guard = new QTimer(&dialog);
  guard->setSingleShot(true);
  QObject::connect(guard, &QTimer::timeout, &dialog, [&dialog, title, limit = modalTimeLimit_] {
    if (!dialog.isVisible()) return;
    ADD_FAILURE() << "Modal window \"" << title << "\" still open " << limit
                  << " ms after its operation; closed";
    CloseRejected(dialog);
  });
  QObject::connect(&dialog, &QDialog::finished, guard, &QObject::deleteLater);
  guard->start(modalTimeLimit_);
}

}  // namespace lintavo
