// Modal: showing one of the program's windows modally.
//
// ShowModal returns when the window is closed, as a modal form does. Once
// the window is up, the current PromptResponder (Prompts.h) is told from the
// window's event loop; the tests' responder operates and closes the window
// there, so no test waits for a person. The caller owns the window: it must
// not delete itself on close.
//
// Enter presses a button of the window only when the window named that
// button its default (QPushButton::setDefault) before it is shown. Qt would
// otherwise make the first button the default, and Enter in a text box or a
// list would print, browse or close where the user only ended an entry.
#pragma once

class QDialog;

namespace lintavo {

// Shows the window modally, its buttons left out of Enter unless named its
// default; returns its result (QDialog::Accepted or Rejected).
int ShowModal(QDialog& dialog);

}  // namespace lintavo
