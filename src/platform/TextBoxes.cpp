// TextBoxes: a text box widened to show all of its text; the boxes that take typed text.
#include "platform/TextBoxes.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextEdit>
#include <algorithm>

namespace lintavo {

namespace {
constexpr int FrameAllowance = 16;  // pixels: the box's frame, text margins and cursor
constexpr int FallbackScreenWidth = 1024;
}  // namespace

int WholeTextWidth(const QLineEdit& box, const QString& text) {
  const QMargins margins = box.textMargins();
  return box.fontMetrics().horizontalAdvance(text) + margins.left() + margins.right() + FrameAllowance;
}

void ShowWholeText(QLineEdit& box, const QString& text) {
  box.setText(text);
  box.setCursorPosition(0);  // the start of a long text shows, not its end
  const QScreen* screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
  const int limit = screen ? screen->availableGeometry().width() * 3 / 4 : FallbackScreenWidth;
  const int needed = std::min(WholeTextWidth(box, text), limit);
  if (box.minimumWidth() < needed) box.setMinimumWidth(needed);
}

bool TakesTypedText(const QWidget* widget) {
  if (const auto* line = qobject_cast<const QLineEdit*>(widget)) return !line->isReadOnly();
  if (const auto* text = qobject_cast<const QTextEdit*>(widget)) return !text->isReadOnly();
  if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget)) return !plain->isReadOnly();
  if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(widget)) return !spin->isReadOnly();
  if (const auto* combo = qobject_cast<const QComboBox*>(widget)) return combo->isEditable();
  return false;
}

}  // namespace lintavo
