// OptionBoxes: shared controls of the dialogs and their number rules.
#include "windows/controls/OptionBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QVariant>
#include <algorithm>
#include <cmath>

#include "model/Units.h"
#include "platform/Colors.h"
#include "platform/Numbers.h"
#include "platform/SurfaceWidget.h"

namespace lintavo {

namespace {

constexpr int LengthDecimals = 3;  // decimals of a length shown in centimetres

// Takes Enter (Return or the keypad's Enter) arriving at one widget, the
// box itself or the list that holds it, and hands the box's text on.
class EnterFilter : public QObject {
 public:
  EnterFilter(QWidget* watched, QLineEdit* box, std::function<void(const String&)> onEnter)
      : QObject(watched), watched_(watched), box_(box), onEnter_(std::move(onEnter)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != watched_ || event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    onEnter_(box_->text().toStdString());
    return true;
  }

 private:
  QWidget* watched_;
  QLineEdit* box_;
  std::function<void(const String&)> onEnter_;
};

}  // namespace

// ---- Named controls ------------------------------------------------------------------

QCheckBox* NamedCheckBox(const char* name, const char* caption, QWidget* parent) {
  auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QPushButton* NamedButton(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

QComboBox* NamedCombo(const char* name, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QString::fromLatin1(name));
  return combo;
}

QListWidget* NamedList(const char* name, const QStringList& entries, QWidget* parent, int rowsShown) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->addItems(entries);
  if (rowsShown > 0) {
    const int rows = std::min(rowsShown, list->count());
    list->setFixedHeight(rows * list->sizeHintForRow(0) + 2 * list->frameWidth() + 2);
  }
  return list;
}

QStringList Entries(const char* const* texts, int count) {
  QStringList entries;
  for (int i = 0; i < count; ++i) entries << QString::fromLatin1(texts[i]);
  return entries;
}

void SelectCode(QListWidget* list, Integer code) {
  list->setCurrentRow(code >= 1 && code <= list->count() ? code - 1 : -1);
}

SurfaceWidget* NamedPicture(const char* name, int width, int height, QWidget* parent) {
  auto* picture = new SurfaceWidget(parent);
  picture->setObjectName(QString::fromLatin1(name));
  picture->setFixedSize(width, height);
  return picture;
}

QLabel* Caption(const char* text, QWidget* parent) { return new QLabel(QString::fromLatin1(text), parent); }

namespace {
constexpr const char* DesignTextProperty = "designText";  // the label's text while nothing is chosen
}  // namespace

QLabel* NamedLabel(const char* name, const QString& designText, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  SetDesignText(label, designText);
  return label;
}

void SetDesignText(QLabel* label, const QString& designText) {
  label->setProperty(DesignTextProperty, designText);
  label->setText(designText);
}

void ShowDesignText(QLabel* label) { label->setText(label->property(DesignTextProperty).toString()); }

void WidenForTitle(QWidget& window) {
  // Title bars draw in a bold face, often larger than the dialog's; the icon
  // and the three frame buttons take about 120 pixels beside it.
  constexpr double TitleFontAllowance = 1.25;
  constexpr int FrameButtonsRoom = 120;
  QFont bold = window.font();
  bold.setBold(true);
  const int title = QFontMetrics(bold).horizontalAdvance(window.windowTitle());
  const int wanted = static_cast<int>(std::ceil(title * TitleFontAllowance)) + FrameButtonsRoom;
  if (window.minimumWidth() < wanted) window.setMinimumWidth(wanted);
}

QLineEdit* CaptionedField(QGridLayout* grid, int row, const char* name, const char* caption, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  grid->addWidget(Caption(caption, parent), row, 0);
  grid->addWidget(box, row, 1);
  return box;
}

QBoxLayout* OptionSetRow(const char* listCaption, QComboBox* list, QPushButton* update, QPushButton* defaults,
                         QPushButton* close, QWidget* parent) {
  auto* sets = new QGroupBox(QStringLiteral("Settings Database"), parent);
  auto* setRow = new QGridLayout(sets);
  setRow->addWidget(Caption(listCaption, parent), 0, 0);
  setRow->addWidget(list, 1, 0);
  setRow->addWidget(update, 0, 1);
  setRow->addWidget(defaults, 1, 1);
  setRow->setColumnStretch(0, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(sets, 1);
  bottom->addWidget(close, 0, Qt::AlignBottom);
  return bottom;
}

// ---- Number boxes --------------------------------------------------------------------

void OnEnterKey(QLineEdit* box, std::function<void(const String&)> onEnter) {
  box->installEventFilter(new EnterFilter(box, box, std::move(onEnter)));
}

void OnEnterKey(QComboBox* list, std::function<void(const String&)> onEnter) {
  QLineEdit* box = list->lineEdit();
  list->installEventFilter(new EnterFilter(list, box, onEnter));
  box->installEventFilter(new EnterFilter(box, box, std::move(onEnter)));
}

QLineEdit* NumberBox(const char* name, QWidget* parent, std::function<void(const String&)> onEnter) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  OnEnterKey(box, std::move(onEnter));
  return box;
}

bool BoxNumber(const String& text, Double& value) {
  bool ok = false;
  // QString::toDouble reads the C locale: "." is the decimal point whatever the user's locale.
  const Double read = QString::fromStdString(text).trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(read)) return false;
  value = read;
  return true;
}

QString BoxText(Single value) { return QString::fromStdString(NumberText(value)); }

// ---- Lengths in the boxes ----------------------------------------------------------------

Single CmToInch(Single inches) {
  if (!MetricUnits) return inches;
  return ToSingle(RoundHalfEven(static_cast<Double>(inches) * CmPerInch, LengthDecimals));
}

Double EnteredLength(Double typed) { return MetricUnits ? typed / CmPerInch : typed; }

const char* LengthUnitCaption() { return MetricUnits ? "cm" : "inch"; }

// ---- Line types ----------------------------------------------------------------------------

bool TypedLineType(Double value, Integer& lineType) {
  if (!(value < MaxLineType)) return false;
  const Integer rounded = RoundToInteger(value);
  if (rounded < 0) return false;
  lineType = rounded;
  return true;
}

// ---- Colour swatches ------------------------------------------------------------------------

void ShowSwatch(QWidget& swatch, Long color) {
  QPalette palette = swatch.palette();
  palette.setColor(QPalette::Button, ToQColor(color));
  palette.setColor(QPalette::Window, ToQColor(color));
  // The caption stays readable: white on dark colours, black on light ones.
  const int lightness = RedOf(color) * 299 + GreenOf(color) * 587 + BlueOf(color) * 114;
  palette.setColor(QPalette::ButtonText, lightness < 128000 ? Qt::white : Qt::black);
  swatch.setPalette(palette);
  swatch.setAutoFillBackground(true);
}

Long SwatchColor(const QWidget& swatch) { return FromQColor(swatch.palette().color(QPalette::Window)); }

QFrame* NamedSwatch(const char* name, QWidget* parent) {
  auto* swatch = new QFrame(parent);
  swatch->setObjectName(QString::fromLatin1(name));
  swatch->setFrameShape(QFrame::Box);
  swatch->setMinimumSize(40, 20);
  return swatch;
}

}  // namespace lintavo
