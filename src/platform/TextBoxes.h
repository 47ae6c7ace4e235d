// TextBoxes: text boxes that show their whole text, and which widgets are
// boxes the user types text into. A box that holds a path or a date shows it
// from its first character and is made wide enough for all of it (up to the
// width of the screen), instead of the end of the text cut off at its left
// edge.
#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace lintavo {

// The box's text := text, shown from its first character; the box's least
// width grows to fit the text, never beyond the screen's free width.
void ShowWholeText(QLineEdit& box, const QString& text);

// Pixels the box needs to show text whole: the text's advance plus the
// box's frame and margins.
int WholeTextWidth(const QLineEdit& box, const QString& text);

// Whether the widget takes typed text: a line edit, text edit or spin box
// that is not read-only, or a combo box whose text can be edited. Such a box
// keeps the keys typed into it; nullptr takes none.
bool TakesTypedText(const QWidget* widget);

}  // namespace lintavo
