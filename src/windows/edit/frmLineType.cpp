// frmLineType: the line style dialog's controls, sample lines, loading and
// buttons.
#include "windows/edit/frmLineType.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "windows/controls/OptionBoxes.h"
#include "windows/main/frmMain.h"
#include "commands/Edits.h"
#include "commands/LineDraw.h"
#include "model/DataHand.h"
#include "model/Top.h"
#include "model/Units.h"
#include "picking/Measure.h"
#include "platform/Modal.h"

namespace lintavo {

namespace {

constexpr int SampleLength = 60;  // pixels

// Qt's dash patterns in the order of the line types 0..4.
constexpr Qt::PenStyle SampleStyles[frmLineType::TypeCount] = {
    Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine};

// A sample line beside an option button, drawn in the style it stands for.
class SampleLine : public QWidget {
 public:
  SampleLine(Qt::PenStyle style, int width, QWidget* parent) : QWidget(parent), style_(style), width_(width) {
    setFixedSize(SampleLength + 8, width + 8);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, width_, style_, Qt::FlatCap));
    painter.drawLine(4, height() / 2, 4 + SampleLength, height() / 2);
  }

 private:
  Qt::PenStyle style_;
  int width_;  // pixels
};

QRadioButton* NamedOption(const QString& name, const QString& caption, QWidget* parent) {
  auto* button = new QRadioButton(caption, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

frmLineType::frmLineType(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Set Line Style"));
  BuildControls();
  Form_Load();
}

void frmLineType::BuildControls() {
  auto* frame1 = new QGroupBox(QStringLiteral("Line Type"), this);
  frame1->setObjectName(QStringLiteral("Frame1"));
  auto* types = new QGridLayout(frame1);
  auto* typeGroup = new QButtonGroup(this);
  for (int i = 0; i < TypeCount; ++i) {
    Option1[static_cast<size_t>(i)] = NamedOption(QStringLiteral("Option1_%1").arg(i + 1), QString(), frame1);
    typeGroup->addButton(Option1[static_cast<size_t>(i)]);
    types->addWidget(Option1[static_cast<size_t>(i)], i, 0);
    types->addWidget(new SampleLine(SampleStyles[i], 1, frame1), i, 1);
    connect(Option1[static_cast<size_t>(i)], &QRadioButton::toggled, this, [this, i](bool on) {
      if (!on) return;
      LineType = static_cast<Integer>(i);
      workingType_ = LineType;
    });
  }
  auto* frame2 = new QGroupBox(QStringLiteral("Line Weight"), this);
  frame2->setObjectName(QStringLiteral("Frame2"));
  auto* weights = new QGridLayout(frame2);
  auto* weightGroup = new QButtonGroup(this);
  for (int i = 0; i < WeightCount; ++i) {
    Option2[static_cast<size_t>(i)] = NamedOption(QStringLiteral("Option2_%1").arg(i + 1), QString(), frame2);
    weightGroup->addButton(Option2[static_cast<size_t>(i)]);
    weights->addWidget(Option2[static_cast<size_t>(i)], i, 0);
    weights->addWidget(new SampleLine(Qt::SolidLine, i + 1, frame2), i, 1);
    connect(Option2[static_cast<size_t>(i)], &QRadioButton::toggled, this, [this, i](bool on) {
      if (!on) return;
      LineWeight = static_cast<Integer>(i + 1);
      workingWeight_ = LineWeight;
    });
  }
  Text9 = NumberBox("Text9", this, [this](const String& text) { Text9_Enter(text); });
  OKButton = NamedButton("OKButton", "OK", this);
  CancelButton = NamedButton("CancelButton", "Cancel", this);
  connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

  auto* grid = new QGridLayout(this);
  grid->addWidget(frame1, 0, 0);
  grid->addWidget(frame2, 0, 1, 4, 1);
  grid->addWidget(Caption("Solid Line Width", this), 1, 0);
  grid->addWidget(Text9, 2, 0);
  auto* note = Caption("Note: Setting a Line Width greator than 0, overrides Line Weight.", this);
  note->setObjectName(QStringLiteral("Label1"));
  note->setWordWrap(true);
  grid->addWidget(note, 3, 0);
  grid->addWidget(OKButton, 4, 0);
  grid->addWidget(CancelButton, 4, 1);
}

void frmLineType::Form_Load() {
  workingType_ = CurLineType;
  workingWeight_ = CurLineWeight;
  const bool knownType = CurLineType >= 0 && CurLineType < TypeCount;
  Option1[static_cast<size_t>(knownType ? CurLineType : 0)]->setChecked(true);
  if (CurLineWeight >= 1 && CurLineWeight <= WeightCount)
    Option2[static_cast<size_t>(CurLineWeight - 1)]->setChecked(true);
  Text9->setText(QString::fromStdString(FormatLengthFixed(SolidLineWidth)));
}

// A width is taken as typed in the display unit; a negative width, or one
// the solid line refuses, is not taken. The box shows the width in force.
void frmLineType::Text9_Enter(const String& text) {
  TypedText = text;
  Double typed = 0;
  if (BoxNumber(text, typed)) {
    Single value = static_cast<Single>(typed);
    ToInches(value);
    if (value >= 0 && value < SolidLineWidthLimit) SolidLineWidth = value;
  }
  Text9->setText(QString::fromStdString(FormatLengthFixed(SolidLineWidth)));
}

void frmLineType::OKButton_Click() {
  if (ActiveTool == ToolEdits || ActiveTool == ToolSelection) {
    ChosenLineType = workingType_;
    if (ChosenLineType != CurLineType) ChangeSelectedType();
    ChosenLineWeight = workingWeight_;
    if (ChosenLineWeight != CurLineWeight) ChangeSelectedWeight();
  } else {
    CurLineType = workingType_;
    CurLineWeight = workingWeight_;
  }
  accept();
}

void ShowLineType() {
  frmLineType dialog(MainForm);
  ShowModal(dialog);
}

}  // namespace lintavo
