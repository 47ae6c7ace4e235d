// frmDwgOptions: the drawing options dialog's controls, refresh and handlers.
//
// Sections:
//   Building
//   Refresh
//   Switches and lists
//   Number boxes
//   Line colour
//   Closing
#include "windows/options/frmDwgOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "windows/controls/OptionBoxes.h"
#include "windows/controls/OptionSetList.h"
#include "app/Setings.h"
#include "windows/main/frmMain.h"
#include "commands/Edits.h"
#include "commands/LineDraw.h"
#include "commands/Trims.h"
#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/SnapSettings.h"
#include "model/Top.h"
#include "model/Units.h"
#include "model/ViewCache.h"
#include "platform/Modal.h"
#include "platform/Numbers.h"
#include "platform/Prompts.h"

namespace lintavo {

namespace {

constexpr Double HeightPerWidth = 0.75;     // a sheet width typed gives this share as its height
constexpr Double WidthPerHeight = 1.33333;  // a sheet height typed gives this times as its width
constexpr int WidthDecimals = 3;            // the width derived from a height is rounded to 3 decimals
constexpr Double MaxSnapTolerance = 1;      // snap tolerances from 1 up are refused
constexpr Double MaxLineWeight = 10;        // line weights are above 0 and below this
constexpr int ListRowsShown = 5;            // unit lists are this many entries high; they scroll for the rest
constexpr const char* NewDrawingName = "New Drawing";  // a drawing never saved
constexpr const char* LimitsQuestion =
    "Limit Settings do not match Current Drawing Limits, Do you want to set the New Drawing limits? ";

// A length box: on Enter a number typed is converted to inches and applied;
// numeric or not, the box then shows its option again.
void LengthBox(QLineEdit* box, std::function<Single()> shown, std::function<void(Double)> apply) {
  OnEnterKey(box, [box, shown, apply](const String& text) {
    Double value = 0;
    if (BoxNumber(text, value)) apply(EnteredLength(value));
    box->setText(BoxText(CmToInch(shown())));
  });
}

// A whole-number box: on Enter a number typed is applied; the box keeps the typed text.
void WholeBox(QLineEdit* box, std::function<void(Double)> apply) {
  OnEnterKey(box, [apply](const String& text) {
    Double value = 0;
    if (BoxNumber(text, value)) apply(value);
  });
}

}  // namespace

// ---- Building ---------------------------------------------------------------------------

frmDwgOptions::frmDwgOptions(QWidget* parent)
    : OptionFrame(parent, {"Drawing Options", SettingDrawing, EchoInput::Show, "Apply Setting Changes to Current Option",
                           "Set Current Drawing Option as Default", "Set Current Drawing Option"}) {
  BuildControls();
  LayOut();
  BindSetList([this] { SetUnits(); });
  SetUnits();
  ConnectControls();  // after the first refresh: a refresh is not a user action
}

void frmDwgOptions::BuildControls() {
  Check1 = NamedCheckBox("Check1", "Snap to Grid", this);
  Check2 = NamedCheckBox("Check2", "Snap to Nearest Point", this);
  Check3 = NamedCheckBox("Check3", "Snap Orthongonal", this);
  Check4 = NamedCheckBox("Check4", "Snap to Point in Tolerance Range", this);
  Check5 = NamedCheckBox("Check5", "Automatic Fillet Continuous Lines", this);
  Check6 = NamedCheckBox("Check6", "Automatic Chamfer Continuous Lines", this);
  Check7 = NamedCheckBox("Check7", "Metric", this);
  Check8 = NamedCheckBox("Check8", "English", this);
  Check9 = NamedCheckBox("Check9", "Fractions Display", this);
  Check10 = NamedCheckBox("Check10", "Decimal Display", this);
  Check11 = NamedCheckBox("Check11", "Auto Scale", this);
  List1 = NamedList("List1", Entries(EnglishEntries, EnglishEntryCount), this, ListRowsShown);
  List2 = NamedList("List2", {"Millimeters", "Centimeters", "Decimeters", "Meters", "Kilometers"}, this,
                    ListRowsShown);
  List3 = NamedList("List3", Entries(DecimalEntries, DecimalEntryCount), this, ListRowsShown);
  List4 = NamedList("List4", {"Degrees", "Minutes", "Radians"}, this, ListRowsShown);
  List5 = NamedList("List5", Entries(FractionEntries, FractionEntryCount), this, ListRowsShown);
  Command1 = NamedButton("Command1", "Default Line Color", this);
  Shape1 = NamedSwatch("Shape1", this);
  QLineEdit** boxes[] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9};
  for (size_t i = 0; i < std::size(boxes); ++i) {
    *boxes[i] = new QLineEdit(this);
    (*boxes[i])->setObjectName(QStringLiteral("Text%1").arg(i + 1));
    // Wide enough for a length such as 12345.678 whatever the layout leaves.
    (*boxes[i])->setMinimumWidth((*boxes[i])->fontMetrics().horizontalAdvance(QStringLiteral("00000.0000")));
  }
  for (size_t i = 0; i < Label13a.size(); ++i) {
    Label13a[i] = new QLabel(this);
    Label13a[i]->setObjectName(QStringLiteral("Label13a_%1").arg(i));
  }
}

void frmDwgOptions::LayOut() {
  auto* controls = new QGroupBox(QStringLiteral("Current Drawing Control Settings"), this);
  auto* left = new QVBoxLayout;
  for (QWidget* w : {static_cast<QWidget*>(Check1), static_cast<QWidget*>(Check2), static_cast<QWidget*>(Check3),
                     static_cast<QWidget*>(Check4), static_cast<QWidget*>(Check5), static_cast<QWidget*>(Check6),
                     static_cast<QWidget*>(Check11)})
    left->addWidget(w);
  auto* colour = new QHBoxLayout;
  colour->addWidget(Command1);
  colour->addWidget(Shape1);
  left->addLayout(colour);
  left->addStretch();

  auto* units = new QGridLayout;
  units->addWidget(Check8, 0, 0);
  units->addWidget(Check7, 0, 1);
  units->addWidget(List1, 1, 0);
  units->addWidget(List2, 1, 1);
  units->addWidget(Check9, 2, 0);
  units->addWidget(Check10, 2, 1);
  units->addWidget(Caption("Fractions Value", this), 3, 0);
  units->addWidget(Caption("Decimal Point Display", this), 3, 1);
  units->addWidget(List5, 4, 0);
  units->addWidget(List3, 4, 1);
  units->addWidget(Caption("Angle Display", this), 5, 0);
  units->addWidget(List4, 6, 0);

  auto* numbers = new QGridLayout;
  const std::pair<const char*, QLineEdit*> rows[] = {
      {"Drawing Width Limit", Text1}, {"Drawing Height Limit", Text2}, {"Double Line Width", Text3},
      {"Snap Tolerance", Text4},      {"Fillet Radius", Text5},        {"Chamfer Distance", Text6},
      {"Solid Line Width", Text9},    {"Default Line Type", Text7},    {"Default Line Weight", Text8}};
  for (int r = 0; r < static_cast<int>(std::size(rows)); ++r) {
    numbers->addWidget(Caption(rows[r].first, this), r, 0);
    numbers->addWidget(rows[r].second, r, 1);
    if (r < LengthBoxCount) numbers->addWidget(Label13a[r], r, 2);
  }
  auto* note = Caption("Note: Numerical entries changed by the Enter Key", this);
  note->setWordWrap(true);
  numbers->addWidget(note, static_cast<int>(std::size(rows)), 0, 1, 3);
  numbers->setRowStretch(static_cast<int>(std::size(rows)) + 1, 1);

  auto* top = new QHBoxLayout;
  controls->setLayout(left);
  top->addWidget(controls);
  top->addLayout(units);
  top->addLayout(numbers);

  LayOutFrame({top});
}

// ---- Refresh -----------------------------------------------------------------------------

void frmDwgOptions::SetUnits() {
  // Setting the controls must not run their handlers.
  const QSignalBlocker quiet[] = {QSignalBlocker(List1), QSignalBlocker(List2), QSignalBlocker(List3),
                                  QSignalBlocker(List4), QSignalBlocker(List5)};
  Sets->Fill();
  if (MainForm) MainForm->ShowOptionChecks();
  Check1->setChecked(GridSnap != 0);
  Check2->setChecked(NearestSnap != 0);
  Check3->setChecked(OrthoSnap != 0);
  Check4->setChecked(ToleranceSnap != 0);
  Check5->setChecked(AutoFillet != 0);
  Check6->setChecked(AutoChamfer != 0);
  ShowLengths();
  Text7->setText(QString::number(CurLineType));
  Text8->setText(QString::number(CurLineWeight));
  Check7->setChecked(MetricUnits != 0);
  Check8->setChecked(!MetricUnits);
  Check9->setChecked(FractionDisplay != 0);
  Check10->setChecked(!FractionDisplay);
  Check11->setChecked(AutoScale != 0);
  List1->setCurrentRow(EnglishPosition(EnglishUnit));
  SelectCode(List2, MetricUnit);  // codes without an entry (metric 6 and 7) select none
  SelectCode(List3, DecimalPlaces);
  SelectCode(List4, AngleUnit);
  List5->setCurrentRow(FractionPosition(FractionDenom));
  ShowSwatch(*Shape1, CurColor);
}

void frmDwgOptions::ShowLengths() {
  for (QLabel* caption : Label13a) caption->setText(QString::fromLatin1(LengthUnitCaption()));
  Text1->setText(BoxText(CmToInch(DefDwgWidth)));
  Text2->setText(BoxText(CmToInch(DefDwgHeight)));
  Text3->setText(BoxText(CmToInch(ToSingle(DoubleLineWidth2 + DoubleLineWidth1))));
  Text4->setText(BoxText(CmToInch(SnapTolerance)));
  Text5->setText(BoxText(CmToInch(ToSingle(FilletRadius))));
  Text6->setText(BoxText(CmToInch(ToSingle(ChamferDist1))));
  Text9->setText(BoxText(CmToInch(SolidLineWidth)));
}

// ---- Switches and lists -----------------------------------------------------------------------

void frmDwgOptions::ConnectControls() {
  const std::pair<QCheckBox*, Integer*> snaps[] = {{Check1, &GridSnap},     {Check2, &NearestSnap},
                                                   {Check3, &OrthoSnap},    {Check4, &ToleranceSnap},
                                                   {Check5, &AutoFillet},   {Check6, &AutoChamfer}};
  for (const auto& [box, flag] : snaps) {
    Integer* target = flag;
    connect(box, &QCheckBox::clicked, this, [this, target](bool checked) {
      *target = Flag(checked);
      SnapChanged();
    });
  }
  // Each pair keeps one box checked; either box sets the flag and refreshes.
  const auto pair = [this](QCheckBox* sets, QCheckBox* clears, Integer* flag) {
    connect(sets, &QCheckBox::clicked, this, [this, flag](bool checked) {
      *flag = Flag(checked);
      SetUnits();
    });
    connect(clears, &QCheckBox::clicked, this, [this, flag](bool checked) {
      *flag = Flag(!checked);
      SetUnits();
    });
  };
  pair(Check7, Check8, &MetricUnits);
  pair(Check9, Check10, &FractionDisplay);
  connect(Check11, &QCheckBox::clicked, this, [](bool checked) { AutoScale = Flag(checked); });

  const auto onRow = [this](QListWidget* list, std::function<void(int)> apply, bool refresh) {
    connect(list, &QListWidget::currentRowChanged, this, [this, apply, refresh](int row) {
      if (row < 0) return;
      apply(row);
      if (refresh) SetUnits();
    });
  };
  onRow(List1, [](int row) { EnglishUnit = EnglishCodeChosen(row, EnglishUnit); }, true);
  onRow(List2, [](int row) { MetricUnit = static_cast<Integer>(row + 1); }, true);
  onRow(List3, [](int row) { DecimalPlaces = static_cast<Integer>(row + 1); }, true);
  onRow(List4, [](int row) { AngleUnit = static_cast<Integer>(row + 1); }, false);
  onRow(List5, [](int row) { FractionDenom = FractionDenomAt(row); }, true);

  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  ConnectNumberBoxes();
}

void frmDwgOptions::SnapChanged() {
  if (MainForm) MainForm->ShowOptionChecks();
}

// ---- Number boxes ------------------------------------------------------------------------------

void frmDwgOptions::ConnectNumberBoxes() {
  OnEnterKey(Text1, [this](const String& text) {
    Double value = 0;
    if (BoxNumber(text, value)) Text1_Enter(EnteredLength(value));
    Text1->setText(BoxText(CmToInch(DefDwgWidth)));
  });
  OnEnterKey(Text2, [this](const String& text) {
    Double value = 0;
    if (BoxNumber(text, value)) Text2_Enter(EnteredLength(value));
    Text2->setText(BoxText(CmToInch(DefDwgHeight)));
  });
  LengthBox(Text3, [] { return ToSingle(DoubleLineWidth2 + DoubleLineWidth1); }, [](Double width) {
    DoubleLineWidth1 = width * 0.5;
    DoubleLineWidth2 = ToSingle(width * 0.5);
  });
  LengthBox(Text4, [] { return SnapTolerance; }, [](Double tolerance) {
    if (!(tolerance < MaxSnapTolerance)) return;
    SnapTolerance = ToSingle(tolerance);
    if (ViewZoom != 0) PickTolerance = SnapTolerance / ViewZoom;
  });
  LengthBox(Text5, [] { return ToSingle(FilletRadius); }, [](Double radius) { FilletRadius = radius; });
  LengthBox(Text6, [] { return ToSingle(ChamferDist1); }, [](Double distance) {
    ChamferDist1 = distance;
    ChamferDist2 = distance;
  });
  LengthBox(Text9, [] { return SolidLineWidth; }, [](Double width) { SolidLineWidth = ToSingle(width); });
  WholeBox(Text7, [](Double value) { TypedLineType(value, CurLineType); });
  WholeBox(Text8, [](Double value) {
    if (value > 0 && value < MaxLineWeight) CurLineWeight = RoundToInteger(value);
  });
}

void frmDwgOptions::Text1_Enter(Double inches) {
  DefDwgWidth = ToSingle(inches);
  DefDwgHeight = ToSingle(inches * HeightPerWidth);
  Text2->setText(BoxText(CmToInch(DefDwgHeight)));
}

void frmDwgOptions::Text2_Enter(Double inches) {
  DefDwgHeight = ToSingle(inches);
  DefDwgWidth = ToSingle(RoundHalfEven(inches * WidthPerHeight, WidthDecimals));
  Text1->setText(BoxText(CmToInch(DefDwgWidth)));
}

// ---- Line colour --------------------------------------------------------------------------------

void frmDwgOptions::Command1_Click() { ChooseColour("Change Line Color", CurColor, *Shape1); }

// ---- Closing ------------------------------------------------------------------------------------

// A drawing whose sheet width differs from the default takes the default
// sheet: at once when it has none or was never saved, after asking otherwise.
void frmDwgOptions::cmdClose_Click() {
  if (CurDwg >= 1 && CurDwg <= MaxDwgNo) {
    DwgRec& dwg = Dwgs[CurDwg];
    if (ToSingle(dwg.Xlimit) != DefDwgWidth) {
      const bool take = dwg.Xlimit == 0 || dwg.Name == NewDrawingName || MsgBox(LimitsQuestion, vbYesNo) == vbYes;
      if (take) {
        dwg.Xlimit = DefDwgWidth;
        dwg.Ylimit = DefDwgHeight;
        MarkDrawingChanged(CurDwg);
      }
    }
  }
  accept();
}

void ShowDwgOptions() {
  frmDwgOptions dialog(MainForm);
  ShowModal(dialog);
}

}  // namespace lintavo
