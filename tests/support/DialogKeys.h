// DialogKeys: works a dialog's boxes from the keyboard as a person does, by
// sending the boxes the key events the keyboard delivers.
#pragma once

#include <QString>

class QWidget;

namespace lintavo {

void PressKeyIn(QWidget* widget, int key, const QString& text = QString(),
                Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Selects the box's whole text (Ctrl+A) and types text over it key by key.
void Retype(QWidget* box, const QString& text);
void RetypeAndEnter(QWidget* box, const QString& text);  // Retype, then Enter
void PressEscapeIn(QWidget* widget);  // Esc, as the dialog receives it from a focused control
// As a person does it: box's window made active and a click into box gives
// it the keyboard focus; then Ctrl+A, the text and Enter, each key sent to
// the widget that has the focus, as the keyboard sends it. Returns that
// widget (nullptr when nothing took the focus, and nothing is typed).
QWidget* ClickRetypeAndEnter(QWidget* box, const QString& text);
// Each character of text sent, as the keyboard sends it, to the widget that
// has the keyboard focus when it is typed; '\r' is Enter. A failure of the
// test when nothing has the focus.
void TypeAtFocus(const QString& text);

}  // namespace lintavo
