// TextBoxes: a text box widened to show all of its text.
#include "platform/TextBoxes.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
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

}  // namespace lintavo
