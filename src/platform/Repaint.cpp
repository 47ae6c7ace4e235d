// Repaint: pending events but user input.
#include "platform/Repaint.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace lintavo {

void RepaintWithoutInput() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

}  // namespace lintavo
