// DialogKeys: key events sent to dialog boxes.
#include "support/DialogKeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace lintavo {

void PressKeyIn(QWidget* widget, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QCoreApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QCoreApplication::sendEvent(widget, &release);
}

void Retype(QWidget* box, const QString& text) {
  PressKeyIn(box, Qt::Key_A, QString(), Qt::ControlModifier);
  // Qt's key codes of the printable ASCII characters are their upper-case codes.
  for (const QChar c : text) PressKeyIn(box, c.toUpper().unicode(), QString(c));
}

void RetypeAndEnter(QWidget* box, const QString& text) {
  Retype(box, text);
  PressKeyIn(box, Qt::Key_Return, QStringLiteral("\r"));
}

void PressEscapeIn(QWidget* widget) { PressKeyIn(widget, Qt::Key_Escape, QString(QChar(27))); }

}  // namespace lintavo
