// Modal: ShowModal on QDialog::exec.
//
// The responder is told through a zero-time timer posted before exec(): it
// fires inside exec()'s event loop, when the window is visible. The flag
// "ended" keeps a timer that did not fire before exec() returned (a window
// that closed itself at once) from telling the responder after the window
// is gone from the screen. Once the window is closed, the end of the prompt
// is told (Prompts.h).
#include "platform/Modal.h"

#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "platform/Prompts.h"

namespace lintavo {

namespace {

// A button that is no default of its own making takes no Enter: not when a
// box ignores the key, nor by coming first in the window, nor by having had
// the focus once (Qt makes such a button the default for good).
void KeepEnterToNamedDefault(QDialog& dialog) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (!button->isDefault()) button->setAutoDefault(false);
}

}  // namespace

int ShowModal(QDialog& dialog) {
  KeepEnterToNamedDefault(dialog);
  PromptResponder& responder = CurrentPromptResponder();
  auto ended = std::make_shared<bool>(false);
  QTimer::singleShot(0, &dialog, [&responder, &dialog, ended] {
    if (!*ended) responder.ModalWindowShown(dialog);
  });
  const int result = dialog.exec();
  *ended = true;
  ModalPromptEnded();
  return result;
}

}  // namespace lintavo
