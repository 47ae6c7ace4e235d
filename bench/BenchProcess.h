// BenchProcess: what the benchmark programs share: the application folder
// they work in (a copy of the build's support databases in a temporary
// folder, so that what the program writes there, a new layer name or a
// setting, never reaches the build's application folder), and the
// responder that answers every prompt at once.
#pragma once

#include <QString>

#include "platform/Prompts.h"

namespace lintavo {

// Copies the build's Support folder into folder; false when it cannot.
bool CopySupportFolder(const QString& folder);

// Answers every prompt with its safe button and writes it to the error
// stream, so that no benchmark ever waits for a person; dialogs are cancelled.
class AnsweringResponder final : public PromptResponder {
 public:
  int MessageBox(const MessageBoxPrompt& prompt) override;
  FileAnswer FileDialog(const FilePrompt&) override { return {false, "", 1}; }
  ColorAnswer ColorDialog(const ColorPrompt& prompt) override { return {false, prompt.color}; }
  bool PrinterSetupDialog(const PrinterPrompt&, QPrinter&) override { return false; }
  bool PrintDialog(const PrinterPrompt&, QPrinter&) override { return false; }
  void ModalWindowShown(QDialog&) override {}
};

}  // namespace lintavo
