// DialogKeys: key events sent to dialog boxes.
#include "support/DialogKeys.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

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

QWidget* ClickRetypeAndEnter(QWidget* box, const QString& text) {
  QWidget* window = box->window();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window)) return nullptr;
  QTest::mouseClick(box, Qt::LeftButton);
  QWidget* focused = QApplication::focusWidget();
  if (focused == nullptr) return nullptr;
  QTest::keyClick(focused, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(focused, text);
  QTest::keyClick(focused, Qt::Key_Return);
  return focused;
}

void TypeAtFocus(const QString& text) {
  for (const QChar c : text) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr) << "nothing has the keyboard to type " << text.toStdString();
    PressKeyIn(focused, c == '\r' ? int{Qt::Key_Return} : int{c.toUpper().unicode()}, QString(c));
  }
}

}  // namespace lintavo
