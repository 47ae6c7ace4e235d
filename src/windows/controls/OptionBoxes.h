// OptionBoxes: the controls the option and properties dialogs share, and the
// rules by which their boxes take numbers.
//
// A number box commits its text on Enter only; other keys edit the text as
// usual, and Enter never reaches the dialog's default button. A text is a
// number when it is one decimal number (sign, point and exponent allowed,
// blanks around it ignored); anything else, the empty text and infinities
// included, is not, and the dialogs then change nothing.
//
// Lengths are held in inches. With MetricUnits set the length boxes are in
// centimetres: they show the stored inches times 2.54 (CmToInch) and an
// entry is divided by 2.54 before it is stored (EnteredLength), so a value
// typed and shown again reads the same.
//
// Sections:
//   Named controls
//   Number boxes
//   Lengths in the boxes
//   Line types
//   Colour swatches
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "platform/Types.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace lintavo {

class SurfaceWidget;

// ---- Named controls ------------------------------------------------------------------
// Controls carry their program names as object names, so tests and the
// screen reader find them.
QCheckBox* NamedCheckBox(const char* name, const char* caption, QWidget* parent);
// A button that is never the dialog's default: Enter in a box does not press it.
QPushButton* NamedButton(const char* name, const char* caption, QWidget* parent);
QLabel* Caption(const char* text, QWidget* parent);
// A label that describes what a dialog has chosen, made showing its design
// text; ShowDesignText shows that text again once nothing it described is
// chosen any more (the item was deleted), SetDesignText gives it another.
QLabel* NamedLabel(const char* name, const QString& designText, QWidget* parent);
void SetDesignText(QLabel* label, const QString& designText);
void ShowDesignText(QLabel* label);
// A picture box of a fixed size in pixels; its image takes that size when it is first shown.
SurfaceWidget* NamedPicture(const char* name, int width, int height, QWidget* parent);  // a label showing the text as it stands
// The window made at least wide enough that the window manager's title bar
// shows its whole title beside the frame's buttons. Call after setWindowTitle.
void WidenForTitle(QWidget& window);
QComboBox* NamedCombo(const char* name, QWidget* parent);
// A list showing entries. With rowsShown above 0 it is that many entries
// high (fewer when it holds fewer) and scrolls for the rest; with 0 it takes
// its natural height.
QListWidget* NamedList(const char* name, const QStringList& entries, QWidget* parent, int rowsShown = 0);
// The texts[0..count-1] as list entries.
QStringList Entries(const char* const* texts, int count);
// Selects the entry of a 1-based code; a code without an entry selects none.
void SelectCode(QListWidget* list, Integer code);
// A named one-line box in column 1 of the grid's row, its caption beside it in column 0.
QLineEdit* CaptionedField(QGridLayout* grid, int row, const char* name, const char* caption, QWidget* parent);

// The option dialogs' bottom row: a "Settings Database" box holding the set
// list under "Set Current <kind> Option" with the update and default buttons
// beside it, and the close button at the right.
QBoxLayout* OptionSetRow(const char* listCaption, QComboBox* list, QPushButton* update, QPushButton* defaults,
                         QPushButton* close, QWidget* parent);

// ---- Number boxes --------------------------------------------------------------------
// A one-line box that runs onEnter with its text when Enter (either key) is
// pressed in it; the key goes no further.
QLineEdit* NumberBox(const char* name, QWidget* parent, std::function<void(const String&)> onEnter);
// Installs the same Enter handling on any line edit.
void OnEnterKey(QLineEdit* box, std::function<void(const String&)> onEnter);
// And on an editable list: the list holds the keyboard focus and hands its
// keys to its box without the box's own filters seeing them, so Enter is
// taken where it arrives, at the list or (sent to it directly) at the box.
void OnEnterKey(QComboBox* list, std::function<void(const String&)> onEnter);
// True, with value, when text is one decimal number.
bool BoxNumber(const String& text, Double& value);
// The shortest decimal text of a Single, as the boxes show numbers.
QString BoxText(Single value);

// ---- Lengths in the boxes ----------------------------------------------------------------
constexpr Double CmPerInch = 2.54;
// The number a length box shows for a stored length in inches: itself in
// English units; in metric units the centimetres, rounded to 3 decimals
// (halves to even).
Single CmToInch(Single inches);
// The inches to store for a number typed into a length box.
Double EnteredLength(Double typed);
// The unit caption beside the length boxes: "cm" or "inch".
const char* LengthUnitCaption();

// ---- Line types ----------------------------------------------------------------------------
// Line types are the pen styles 0..6. A typed line type is taken when it is
// below 6; it is then rounded (halves to even), so 5.5 gives 6, and a value
// that rounds below 0 is ignored.
constexpr Integer MaxLineType = 6;
bool TypedLineType(Double value, Integer& lineType);

// ---- Colour swatches ------------------------------------------------------------------------
// A button or frame showing an RGB Long (red in the low byte) as its background.
void ShowSwatch(QWidget& swatch, Long color);
QFrame* NamedSwatch(const char* name, QWidget* parent);  // a framed box for ShowSwatch
Long SwatchColor(const QWidget& swatch);  // the colour it shows

}  // namespace lintavo
