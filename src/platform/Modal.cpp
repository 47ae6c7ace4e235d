// Modal: ShowModal on QDialog::exec.
//
// The responder is told through a zero-time timer posted before exec(): it
// fires inside exec()'s event loop, when the window is visible. The flag
// "ended" keeps a timer that did not fire before exec() returned (a window
// that closed itself at once) from telling the responder after the window
// is gone from the screen.
#include "platform/Modal.h"

#include <QDialog>
#include <QTimer>
#include <memory>

#include "platform/Prompts.h"

namespace lintavo {

int ShowModal(QDialog& dialog) {
  PromptResponder& responder = CurrentPromptResponder();
  auto ended = std::make_shared<bool>(false);
  QTimer::singleShot(0, &dialog, [&responder, &dialog, ended] {
    if (!*ended) responder.ModalWindowShown(dialog);
  });
  const int result = dialog.exec();
  *ended = true;
  return result;
}

}  // namespace lintavo
