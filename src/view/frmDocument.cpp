// frmDocument: the drawing window.
#include "view/frmDocument.h"

namespace lintavo {

frmDocument::frmDocument(QWidget* parent) : SurfaceWidget(parent) {}

void frmDocument::SetFileName(const String& value) {
  docFileName_ = value;
  setWindowTitle(value.empty() ? QStringLiteral("(no Name)") : QString::fromStdString(value));
}

}  // namespace lintavo
