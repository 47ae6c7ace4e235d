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

}  // namespace lintavo
