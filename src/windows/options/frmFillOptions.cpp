// frmFillOptions: the fill and hatch options dialog's controls, handlers and previews.
//
// Sections:
//   Building
//   Refresh
//   Handlers
//   Previews
//   Showing
#include "windows/options/frmFillOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "annotation/Areas.h"
#include "annotation/Boundaries.h"
#include "annotation/Fills.h"
#include "annotation/Hatches.h"
#include "windows/controls/OptionBoxes.h"
#include "windows/controls/OptionSetList.h"
#include "app/Setings.h"
#include "windows/main/frmMain.h"
#include "commands/Edits.h"
#include "model/DataHand.h"
#include "model/LayerItems.h"
#include "model/SupportLists.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "platform/Modal.h"
#include "platform/Numbers.h"
#include "platform/SurfaceWidget.h"
#include "view/DisplayOptions.h"
#include "view/SurfaceDraw.h"
#include "view/Zooms.h"

namespace lintavo {

namespace {

constexpr int PictureSide = 240;  // the sample picture, pixels square
// The fill preview's five corners, device pixels (y downward).
constexpr GdiPoint FillShape[] = {{30, 40}, {20, 100}, {100, 200}, {210, 110}, {150, 20}};
// The hatch preview's square, in hatch scales, inside a window of 2 x 2 scales.
constexpr Double SquareLow = 0.1, SquareHigh = 1.8, WindowInScales = 2;

// A point of the hatch square as a view pixel, held as a Single.
Single SquarePixel(Double at, Single scale, Single base) {
  return static_cast<Single>(RoundToLong(HatchScale * at * scale + base));
}

}  // namespace

// ---- Building ---------------------------------------------------------------------------

frmFillOptions::frmFillOptions(QWidget* parent)
    : OptionFrame(parent, {"Fill & Hatch Options", SettingFills, EchoInput::Silent,
                           "Apply Setting Changes to Current Option", "Set Current Fill/Hatch Option as Default",
                           "Set Current Fill / Hatch Option", PictureSide, PictureSide}) {
  BuildControls();
  LayOut();
  BindSetList([this] { ShowFillOptions(); });
  ShowRefPnts = FlagFalse;  // the previews show no reference points; closing puts the option back
  ShowFillOptions();
  ConnectControls();  // after the first refresh: a refresh is not a user action
}

void frmFillOptions::BuildControls() {
  Combo2 = NamedCombo("Combo2", this);
  Combo3 = NamedCombo("Combo3", this);
  Combo4 = NamedCombo("Combo4", this);
  Combo5 = NamedCombo("Combo5", this);
  Combo5->addItems({"Solid Fill", "Transparent", "Horizontal Line", "Vertical Line", "Diagonal Up",
                    "Diagonal Down", "Cross", "Diagonal Cross"});
  Combo6 = NamedCombo("Combo6", this);
  Check1 = NamedCheckBox("Check1", "Gradient Fill", this);
  Check2 = NamedCheckBox("Check2", "Show Fills", this);
  Check3 = NamedCheckBox("Check3", "Use Boundary Layer", this);
  Check4 = NamedCheckBox("Check4", "Use Pattern Color", this);
  Check5 = NamedCheckBox("Check5", "Show Hatches", this);
  Check6 = NamedCheckBox("Check6", "Use Boundary Layer", this);
  Text1 = new QLineEdit(this);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text2 = new QLineEdit(this);
  Text2->setObjectName(QStringLiteral("Text2"));
  Text3 = new QLineEdit(this);
  Text3->setObjectName(QStringLiteral("Text3"));
  Text3->setReadOnly(true);
  Command1 = NamedButton("Command1", "Gradient Color", this);
  Command2 = NamedButton("Command2", "Fill Color", this);
  Command3 = NamedButton("Command3", "Preview Fill", this);
  Command4 = NamedButton("Command4", "Boundary Color", this);
  Command5 = NamedButton("Command5", "Preview Hatch", this);
  Command6 = NamedButton("Command6", "Hatch Color", this);
  Shape1 = NamedSwatch("Shape1", this);
  Shape2 = NamedSwatch("Shape2", this);
  Shape3 = NamedSwatch("Shape3", this);
  Shape4 = NamedSwatch("Shape4", this);
  MakeSamplePicture();
}

void frmFillOptions::LayOut() {
  auto* fill = new QGroupBox(QStringLiteral("FIll Settings"), this);
  auto* fillGrid = new QGridLayout(fill);
  fillGrid->addWidget(Caption("Fill Pattern", this), 0, 0);
  fillGrid->addWidget(Combo5, 0, 1);
  fillGrid->addWidget(Caption("Fill Layer", this), 1, 0);
  fillGrid->addWidget(Combo3, 1, 1);
  fillGrid->addWidget(Command2, 2, 0);
  fillGrid->addWidget(Shape1, 2, 1);
  fillGrid->addWidget(Command1, 3, 0);
  fillGrid->addWidget(Shape2, 3, 1);
  fillGrid->addWidget(Check1, 4, 0);
  fillGrid->addWidget(Check2, 4, 1);
  fillGrid->addWidget(Check3, 5, 0);
  fillGrid->addWidget(Command3, 5, 1);

  auto* hatch = new QGroupBox(QStringLiteral("Hatch Settings"), this);
  auto* hatchGrid = new QGridLayout(hatch);
  hatchGrid->addWidget(Caption("Hatch Patterns", this), 0, 0);
  hatchGrid->addWidget(Combo6, 0, 1);
  hatchGrid->addWidget(Text3, 0, 2);
  hatchGrid->addWidget(Caption("Hatch Layer", this), 1, 0);
  hatchGrid->addWidget(Combo4, 1, 1);
  hatchGrid->addWidget(Caption("Hatch Scale", this), 2, 0);
  hatchGrid->addWidget(Text1, 2, 1);
  hatchGrid->addWidget(Caption("Hatch Rotation", this), 3, 0);
  hatchGrid->addWidget(Text2, 3, 1);
  hatchGrid->addWidget(Command6, 4, 0);
  hatchGrid->addWidget(Shape3, 4, 1);
  hatchGrid->addWidget(Check4, 5, 0);
  hatchGrid->addWidget(Check5, 5, 1);
  hatchGrid->addWidget(Check6, 6, 0);
  hatchGrid->addWidget(Command5, 6, 1);

  auto* boundary = new QGridLayout;
  boundary->addWidget(Caption("Boundary Settings", this), 0, 0);
  boundary->addWidget(Caption("Boundary Layer", this), 1, 0);
  boundary->addWidget(Combo2, 1, 1);
  boundary->addWidget(Command4, 2, 0);
  boundary->addWidget(Shape4, 2, 1);

  auto* left = new QVBoxLayout;
  left->addWidget(fill);
  left->addWidget(hatch);
  left->addLayout(boundary);
  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addWidget(Picture1, 0, Qt::AlignTop);

  LayOutFrame({top});
}

// ---- Refresh -----------------------------------------------------------------------------

void frmFillOptions::ShowFillOptions() {
  const QSignalBlocker quiet[] = {QSignalBlocker(Combo2), QSignalBlocker(Combo3), QSignalBlocker(Combo4),
                                  QSignalBlocker(Combo5), QSignalBlocker(Combo6), QSignalBlocker(Text1),
                                  QSignalBlocker(Text2)};
  Sets->Fill();
  FillLayerNames(*Combo2, BoundaryLayer);
  FillLayerNames(*Combo3, CurFillLayer);
  FillLayerNames(*Combo4, HatchLayer);
  Combo6->clear();
  const Long pattern = CurrentHatchPattern();  // the list shows the pattern new hatches take
  for (Long i = 1; i <= PatternCount; ++i)
    Combo6->addItem(QString::fromStdString(HatchPatterns[static_cast<size_t>(i)].Name));
  if (pattern >= 1) Combo6->setCurrentIndex(static_cast<int>(pattern - 1));
  Text3->setText(QString::number(Combo6->count()));
  const std::pair<QCheckBox*, Integer> checks[] = {{Check1, GradientFill},   {Check2, ShowFills},
                                                   {Check3, FillUseBoundaryLayer}, {Check4, UsePatternColor},
                                                   {Check5, ShowHatches}, {Check6, HatchUseBoundaryLayer}};
  for (const auto& [box, flag] : checks) box->setChecked(flag != 0);
  Combo5->setCurrentIndex(CurFillPattern >= 0 && CurFillPattern < Combo5->count() ? CurFillPattern : -1);
  Text1->setText(BoxText(HatchScale));
  Text2->setText(BoxText(HatchRotation));
  ShowSwatch(*Shape1, CurFillColor);
  ShowSwatch(*Shape2, GradientColor);
  ShowSwatch(*Shape3, HatchColor);
  ShowSwatch(*Shape4, BoundaryColor);
}

// ---- Handlers ------------------------------------------------------------------------------

void frmFillOptions::ConnectControls() {
  const std::pair<QComboBox*, String*> layers[] = {
      {Combo2, &BoundaryLayer}, {Combo3, &CurFillLayer}, {Combo4, &HatchLayer}};
  for (const auto& [list, layer] : layers) BindSampleLayer(*list, *layer, [this] { ShowFillOptions(); });
  connect(Combo5, &QComboBox::activated, this, [](int position) {
    if (position >= 0) CurFillPattern = static_cast<Integer>(position);
  });
  connect(Combo6, &QComboBox::activated, this, [this](int position) {
    if (position >= 0) CurPatternName = Combo6->itemText(position).toStdString();
  });
  const std::pair<QCheckBox*, Integer*> checks[] = {{Check1, &GradientFill},   {Check2, &ShowFills},
                                                    {Check3, &FillUseBoundaryLayer}, {Check4, &UsePatternColor},
                                                    {Check5, &ShowHatches}, {Check6, &HatchUseBoundaryLayer}};
  for (const auto& [box, flag] : checks) {
    Integer* target = flag;
    connect(box, &QCheckBox::clicked, this, [target](bool checked) { *target = Flag(checked); });
  }
  // The boxes take a number as it is typed; a scale of 0 or below is refused.
  connect(Text1, &QLineEdit::textChanged, this, [](const QString& text) {
    Double value = 0;
    if (BoxNumber(text.toStdString(), value) && value > 0) HatchScale = ToSingle(value);
  });
  connect(Text2, &QLineEdit::textChanged, this, [](const QString& text) {
    Double value = 0;
    if (BoxNumber(text.toStdString(), value)) HatchRotation = ToSingle(value);
  });
  connect(Command1, &QPushButton::clicked, this,
          [this] { ChooseColour("Change Gradient Color", GradientColor, Shape2, Command1); });
  connect(Command2, &QPushButton::clicked, this,
          [this] { ChooseColour("Change Fill Color", CurFillColor, Shape1, Command2); });
  connect(Command4, &QPushButton::clicked, this,
          [this] { ChooseColour("Change Boundary Color", BoundaryColor, Shape4, Command4); });
  connect(Command6, &QPushButton::clicked, this,
          [this] { ChooseColour("Change Hatch Color", HatchColor, Shape3, Command6); });
  connect(Command3, &QPushButton::clicked, this, [this] { PreviewFill(); });
  connect(Command5, &QPushButton::clicked, this, [this] { PreviewHatch(); });
}

// The button shows the colour too, changed or not.
void frmFillOptions::ChooseColour(const char* title, Long& colour, QFrame* swatch, QPushButton* button) {
  OptionFrame::ChooseColour(title, colour, *swatch);
  ShowSwatch(*button, colour);
}

// ---- Previews ------------------------------------------------------------------------------------

// The fixed shape, outlined in the boundary colour and filled with the fill
// options; shown whether fills are shown or not.
void frmFillOptions::PreviewFill() {
  RedrawSample([] {
    SetForeColor(BoundaryColor);
    const Integer count = static_cast<Integer>(std::size(FillShape));
    std::copy(std::begin(FillShape), std::end(FillShape), GdiPts.begin() + 1);
    GdiPolygon(CurFillPattern, CurFillColor, count);
  });
}

// A square boundary two tenths of a scale inside a window of two scales,
// hatched with the hatch options. Nothing for a scale of 0 or below.
void frmFillOptions::PreviewHatch() {
  RedrawSample([this] {
    sample_.Mark.GiveBack();
    const Double side = WindowInScales * HatchScale;
    if (!(side > 0 && std::isfinite(side))) return;
    FitSampleWindow(side);
    const Single left = SquarePixel(SquareLow, ViewScaleX, ViewBaseX);
    const Single bottom = SquarePixel(SquareLow, ViewScaleY, ViewBaseY);
    const Single right = SquarePixel(SquareHigh, ViewScaleX, ViewBaseX);
    const Single top = SquarePixel(SquareHigh, ViewScaleY, ViewBaseY);
    BoundaryBox = {static_cast<Long>(left), static_cast<Long>(bottom), static_cast<Long>(right),
                   static_cast<Long>(top)};
    SurfaceLine(left, bottom, right, top);
    BoundaryRows = BoundaryBox.Top - BoundaryBox.Bottom + 1;
    BoundarySpans.assign(static_cast<size_t>(BoundaryRows) + 1, SpanRow{});
    const Single corners[][2] = {{left, bottom}, {right, bottom}, {right, top}, {left, top}};
    for (int k = 0; k < 4; ++k) {
      const auto& from = corners[k];
      const auto& to = corners[(k + 1) % 4];
      StoreBoundaryEdge(from[0], from[1], to[0], to[1]);
    }
    PreviewFillOptionsHatch();  // the hatch, then the crossings in the boundary colour
  });
}

// ---- Showing ------------------------------------------------------------------------------------

void ShowFillOptions() {
  frmFillOptions dialog(MainForm);
  ShowModal(dialog);
}

}  // namespace lintavo
