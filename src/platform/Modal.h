// Modal: showing one of the program's windows modally.
//
// ShowModal returns when the window is closed, as a modal form does. Once
// the window is up, the current PromptResponder (Prompts.h) is told from the
// window's event loop; the tests' responder operates and closes the window
// there, so no test waits for a person. The caller owns the window: it must
// not delete itself on close.
#pragma once

class QDialog;

namespace lintavo {

// Shows the window modally; returns its result (QDialog::Accepted or Rejected).
int ShowModal(QDialog& dialog);

}  // namespace lintavo
