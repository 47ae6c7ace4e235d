// CommonDialogs: the Show routines of the common dialog; each hands its
// fields to the current responder, takes the answer back and tells that the
// prompt has ended.
#include "platform/CommonDialogs.h"

#include "platform/Prompts.h"

namespace lintavo {
namespace {

// The Show result of an answered or cancelled dialog.
Long ShowResult(const CommonDialog& dialog, bool accepted) {
  return accepted || !dialog.CancelError ? 0 : cdlCancel;
}

Long ShowFile(CommonDialog& dialog, bool save) {
  const FilePrompt prompt{save,           dialog.DialogTitle, dialog.Filter, dialog.FilterIndex,
                          dialog.FileName, dialog.InitDir,     dialog.Flags};
  const FileAnswer answer = CurrentPromptResponder().FileDialog(prompt);
  ModalPromptEnded();
  // A cancel empties the name, so a caller that keeps CancelError off never
  // takes the name it showed first for a choice.
  dialog.FileName = answer.accepted ? answer.fileName : String();
  if (answer.accepted) dialog.FilterIndex = answer.filterIndex;
  return ShowResult(dialog, answer.accepted);
}

}  // namespace

Long CommonDialog::ShowOpen() { return ShowFile(*this, false); }

Long CommonDialog::ShowSave() { return ShowFile(*this, true); }

Long CommonDialog::ShowColor() {
  const ColorAnswer answer = CurrentPromptResponder().ColorDialog({DialogTitle, Color, Flags});
  ModalPromptEnded();
  if (answer.accepted) Color = answer.color;
  return ShowResult(*this, answer.accepted);
}

Long CommonDialog::ShowPrinter(QPrinter& printer) {
  const PrinterPrompt prompt{DialogTitle, Flags};
  PromptResponder& responder = CurrentPromptResponder();
  const bool accepted = (Flags & cdlPDPrintSetup) ? responder.PrinterSetupDialog(prompt, printer)
                                                   : responder.PrintDialog(prompt, printer);
  ModalPromptEnded();
  return ShowResult(*this, accepted);
}

}  // namespace lintavo
