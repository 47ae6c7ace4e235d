// ScriptedResponder: answers every modal prompt from answers a test queued
// beforehand, and records every prompt it was asked.
//
// Each kind of prompt has its own queue, answered first in, first out. A
// prompt with no queued answer (or an answer the prompt cannot take) fails
// the test with a message that names the prompt, and gets the safe answer:
// Cancel, No or the only button of a message box; cancel for a dialog; a
// window shown modally is closed with its Reject result. Nothing ever waits
// for a person.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

#include "platform/Prompts.h"

namespace lintavo {

enum class PromptKind { MessageBox, OpenFile, SaveFile, Color, PrinterSetup, Print, ModalWindow };

const char* PromptKindName(PromptKind kind);

// One prompt as it was asked.
struct PromptRecord {
  PromptKind kind;
  String text;   // message box text; file dialog filter; class name of a modal window; else ""
  String title;  // caption as asked (a message box's is never empty)
  Long style;    // message box buttons + icon + default flag; a dialog's flags; 0 for a window
};

class ScriptedResponder final : public PromptResponder {
 public:
  // ---- Queuing answers -----------------------------------------------------
  void AnswerMsgBox(int button);  // vbOK, vbCancel, vbYes or vbNo
  // Answers every message box that finds no queued answer with button (any
  // number of them, each still recorded): for tests that provoke reports
  // they cannot count beforehand, such as loads of damaged files.
  void AnswerEveryMsgBox(int button);
  void AnswerFile(const String& fileName, int filterIndex = 1);
  void CancelFile();
  void AnswerColor(Long color);
  void CancelColor();
  // Printer set-up and print dialogs share this queue. An accepted answer may
  // first change the printer's settings, as a person choosing in the dialog.
  void AnswerPrinter(bool accepted, std::function<void(QPrinter&)> choose = {});
  // The operation runs from the window's event loop once it is shown; it
  // should close the window. A window it leaves open may close itself (by a
  // timer, say) within the time limit; after that the test fails and the
  // window is rejected.
  void OnModalWindow(std::function<void(QDialog&)> operate);
  // The next modal window must be a Dialog: operate works it, and when the
  // window is still open afterwards its button closer is pressed (without a
  // button it is rejected).
  template <class Dialog>
  void OnDialog(std::function<void(Dialog&)> operate, QPushButton* Dialog::*closer = nullptr) {
    OnModalWindow([operate = std::move(operate), closer](QDialog& shown) {
      auto* dialog = qobject_cast<Dialog*>(&shown);
      ASSERT_NE(dialog, nullptr) << "the window shown is not the dialog expected";
      operate(*dialog);
      if (!dialog->isVisible()) return;
      if (closer != nullptr)
        (dialog->*closer)->click();
      else
        static_cast<QDialog*>(dialog)->reject();
    });
  }
  void SetModalTimeLimit(int milliseconds);  // 5000 unless set
  // Rejects every modal window that finds no queued operation (each still
  // recorded): for tests that choose commands whose choosers and dialogs
  // they cannot count beforehand.
  void RejectEveryModalWindow();

  // ---- What was asked ------------------------------------------------------
  const std::vector<PromptRecord>& Prompts() const { return prompts_; }
  // The message boxes among them, in order, from prompt number from (0-based) on.
  std::vector<PromptRecord> MessageBoxes(size_t from = 0) const;
  std::vector<String> MessageTexts() const;  // the texts of all the message boxes, in order
  PromptRecord LastMessageBox() const;       // an empty record when none was asked
  // Fails the test once for each kind with answers left unused, then drops them.
  void ExpectAllAnswersUsed();

  // ---- PromptResponder -----------------------------------------------------
  int MessageBox(const MessageBoxPrompt& prompt) override;
  FileAnswer FileDialog(const FilePrompt& prompt) override;
  ColorAnswer ColorDialog(const ColorPrompt& prompt) override;
  bool PrinterSetupDialog(const PrinterPrompt& prompt, QPrinter& printer) override;
  bool PrintDialog(const PrinterPrompt& prompt, QPrinter& printer) override;
  void ModalWindowShown(QDialog& dialog) override;

 private:
  struct PrinterChoice {
    bool accepted = false;
    std::function<void(QPrinter&)> choose;
  };
  bool PrinterAnswer(PromptKind kind, const PrinterPrompt& prompt, QPrinter& printer);

  std::deque<int> msgBoxAnswers_;
  int everyMsgBoxAnswer_ = 0;  // 0 none; else the answer of a box with none queued
  std::deque<FileAnswer> fileAnswers_;
  std::deque<ColorAnswer> colorAnswers_;
  std::deque<PrinterChoice> printerAnswers_;
  std::deque<std::function<void(QDialog&)>> modalOperations_;
  bool rejectEveryModal_ = false;  // a window with no queued operation is rejected without a failure
  int modalTimeLimit_ = 5000;  // milliseconds a window may stay open after its operation
  std::vector<PromptRecord> prompts_;
};

}  // namespace lintavo
