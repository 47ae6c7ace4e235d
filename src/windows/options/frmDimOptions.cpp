// frmDimOptions: the dimension options dialog's controls, handlers and sample.
//
// Sections:
//   The lists
//   Building
//   Refresh
//   Handlers
//   Sample
//   Showing
#include "windows/options/frmDimOptions.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>
#include <numbers>

#include "annotation/DimAngular.h"
#include "annotation/DimLinear.h"
#include "annotation/DimPrimitives.h"
#include "annotation/Dimension.h"
#include "annotation/Texthand.h"
#include "windows/controls/OptionBoxes.h"
#include "windows/controls/OptionSetList.h"
#include "app/Setings.h"
#include "windows/main/frmMain.h"
#include "commands/Edits.h"
#include "model/DataHand.h"
#include "model/LayerItems.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "platform/Modal.h"
#include "platform/Numbers.h"
#include "platform/SurfaceWidget.h"
#include "view/DisplayOptions.h"
#include "view/DrawDispatch.h"
#include "view/Zooms.h"

namespace lintavo {

namespace {

constexpr int PictureSide = 240;  // the sample picture, pixels square
constexpr Double WindowInHeights = 10;  // the sample's world window is this many letter heights square
constexpr Integer MeasuredLine = 2, MeasuredArc = 4;  // entity types of the measured objects

// ---- The lists ----------------------------------------------------------------------------
// How a list shows its option: a number shows the entry value - 1, a flag
// entry 0 for True and 1 for False.
enum class ListKind { Number, Flag };
struct ListSpec {
  const char* caption;
  QStringList entries;
  ListKind kind;
  Integer* option;
};

std::array<ListSpec, frmDimOptions::ListCount> ListSpecs() {
  return {{
      {"Dimension Mode", {"Single", "Partitioned", "Cumulative"}, ListKind::Number, &DimMode},
      {"Dimension Direction", {"Aligned", "Horizontal", "Vertical"}, ListKind::Number, &DimDirection},
      {"Letter Direction", {"Aligned", "Horizontal"}, ListKind::Number, &DimLetterDirection},
      {"Letter Placement", {"In Line", "Above Line", "Below Line"}, ListKind::Number, &DimLetterPlacement},
      {"Letter Size", {"Fixed Height", "Auto Scale"}, ListKind::Flag, &DimFixedLetterHeight},
      {"Arrow Head Base", {"Closed", "Open"}, ListKind::Flag, &DimArrowClosed},
      {"Arrow Head Type", {"15 Degree", "30 Degree", "45 Degree", "60 Degree", "Circle", "Slash"}, ListKind::Number,
       &DimArrowType},
      {"Extension Lines", {"Proximity Fixed", "Proximity Variable"}, ListKind::Flag, &DimExtProximityFixed},
      {"Witness Lines", {"Variable Length", "Fixed Length", "Letter Height"}, ListKind::Number, &DimWitnessMode},
      {"Arrow Head Size", {"Large", "Medium", "Small"}, ListKind::Number, &DimArrowSize},
  }};
}
constexpr int ArrowTypeList = 6;  // List7

// The arrowhead half-angle of an arrow type: 15, 30, 45 degrees, else 60.
Single ArrowAngleOf(Integer type) {
  constexpr Double pi = std::numbers::pi;
  switch (type) {
    case 1: return ToSingle(pi / 12);
    case 2: return ToSingle(pi / 6);
    case 3: return ToSingle(pi / 4);
    default: return ToSingle(pi / 3);
  }
}

int RowOf(ListKind kind, Integer value) { return kind == ListKind::Flag ? (value ? 0 : 1) : value - 1; }
Integer ValueOf(ListKind kind, int row) {
  return kind == ListKind::Flag ? Flag(row <= 0) : static_cast<Integer>(row + 1);
}

// The five length boxes and the option each shows and takes.
struct BoxSpec {
  const char* caption;
  Single* option;
};
const std::array<BoxSpec, frmDimOptions::BoxCount> BoxSpecs = {{{"Letter Height", &DimLetterHeight},
                                                                 {"Extension Line Offset", &DimExtOffset},
                                                                 {"Extension Line Above", &DimExtAbove},
                                                                 {"Extension Line Below", &DimExtBelow},
                                                                 {"Leader Line Length", &DimLeaderLength}}};

}  // namespace

// ---- Building ---------------------------------------------------------------------------

frmDimOptions::frmDimOptions(QWidget* parent)
    : OptionFrame(parent, {"Dimensioning Options", SettingDimension, EchoInput::Silent,
                           "Apply Setting Changes to Current Option", "Set Current Dimensioning Option as Default",
                           "Set Current Dimensioning Option", PictureSide, PictureSide}) {
  BuildControls();
  LayOut();
  BindSetList([this] { SetUnits(); });
  ShowRefPnts = FlagFalse;
  SetUnits();
  ConnectControls();  // after the first refresh: a refresh is not a user action
}

void frmDimOptions::BuildControls() {
  Combo2 = NamedCombo("Combo2", this);
  Combo3 = NamedCombo("Combo3", this);
  const auto specs = ListSpecs();
  for (int i = 0; i < ListCount; ++i) {
    Lists[i] = new QListWidget(this);
    Lists[i]->setObjectName(QStringLiteral("List%1").arg(i + 1));
    Lists[i]->addItems(specs[i].entries);
  }
  for (int i = 0; i < BoxCount; ++i) {
    Boxes[i] = new QLineEdit(this);
    Boxes[i]->setObjectName(QStringLiteral("Text%1").arg(i + 1));
    Label2a[i] = new QLabel(this);
  }
  Command1 = NamedButton("Command1", "Line Color", this);
  Command2 = NamedButton("Command2", "Font Color", this);
  Command3 = NamedButton("Command3", "Show Angular", this);
  Shape1 = NamedSwatch("Shape1", this);
  Shape2 = NamedSwatch("Shape2", this);
  MakeSamplePicture();
}

void frmDimOptions::LayOut() {
  auto* lists = new QGridLayout;
  const auto specs = ListSpecs();
  for (int i = 0; i < ListCount; ++i) {
    lists->addWidget(Caption(specs[i].caption, this), (i / 5) * 2, i % 5);
    lists->addWidget(Lists[i], (i / 5) * 2 + 1, i % 5);
  }
  auto* boxes = new QGridLayout;
  boxes->addWidget(Caption("Dimension Layer", this), 0, 0);
  boxes->addWidget(Combo2, 0, 1);
  boxes->addWidget(Caption("Letter Font", this), 1, 0);
  boxes->addWidget(Combo3, 1, 1);
  for (int i = 0; i < BoxCount; ++i) {
    boxes->addWidget(Caption(BoxSpecs[i].caption, this), i + 2, 0);
    boxes->addWidget(Boxes[i], i + 2, 1);
    boxes->addWidget(Label2a[i], i + 2, 2);
  }
  boxes->addWidget(Caption("* Hit Enter Key to make changes", this), BoxCount + 2, 0, 1, 3);
  boxes->addWidget(Command1, BoxCount + 3, 0);
  boxes->addWidget(Shape1, BoxCount + 3, 1);
  boxes->addWidget(Command2, BoxCount + 4, 0);
  boxes->addWidget(Shape2, BoxCount + 4, 1);
  auto* sample = new QVBoxLayout;
  sample->addWidget(Caption("Current Dimensioning Settings", this));
  sample->addWidget(Picture1);
  sample->addWidget(Command3);
  auto* top = new QHBoxLayout;
  top->addLayout(boxes);
  top->addLayout(sample);
  LayOutFrame({lists, top});
}

// ---- Refresh -----------------------------------------------------------------------------

void frmDimOptions::SetUnits() {
  for (QLabel* unit : Label2a) unit->setText(QString::fromLatin1(LengthUnitCaption()));
  Sets->Fill();
  {
    const QSignalBlocker quiet2(Combo2), quiet3(Combo3);
    FillLayerNames(*Combo2, DimLayerName);
    FillFontNames(*Combo3, DimFontName);
  }
  ShowLists();
  ShowNumbers();
  ShowSwatch(*Shape1, DimLineColor);
  ShowSwatch(*Shape2, DimLetterColor);
  DrawDimensionPreview();
}

void frmDimOptions::ShowLists() {
  const auto specs = ListSpecs();
  for (int i = 0; i < ListCount; ++i) {
    const QSignalBlocker quiet(Lists[i]);
    const int row = RowOf(specs[i].kind, *specs[i].option);
    Lists[i]->setCurrentRow(row >= 0 && row < Lists[i]->count() ? row : -1);
  }
}

void frmDimOptions::ShowNumbers() {
  for (int i = 0; i < BoxCount; ++i) Boxes[i]->setText(BoxText(CmToInch(*BoxSpecs[i].option)));
}

// ---- Handlers ------------------------------------------------------------------------------

void frmDimOptions::ConnectControls() {
  BindSampleLayer(*Combo2, DimLayerName, [this] { SetUnits(); });
  BindFontList(*Combo3, DimFontName, [this] { DrawDimensionPreview(); });
  const auto specs = ListSpecs();
  for (int i = 0; i < ListCount; ++i) {
    const ListSpec spec = specs[i];
    const bool arrowType = i == ArrowTypeList;
    connect(Lists[i], &QListWidget::currentRowChanged, this, [this, spec, arrowType](int row) {
      const Integer value = ValueOf(spec.kind, row);
      if (value == *spec.option) return;
      *spec.option = value;
      if (arrowType) DimArrowAngle = ArrowAngleOf(value);
      DrawDimensionPreview();
    });
  }
  for (int i = 0; i < BoxCount; ++i) {
    Single* option = BoxSpecs[i].option;
    const bool letterHeight = i == 0;
    OnEnterKey(Boxes[i], [this, option, letterHeight](const String& text) {
      Double typed = 0;
      if (BoxNumber(text, typed)) {
        *option = ToSingle(EnteredLength(typed));
        if (letterHeight) DimLetterWidth = *option * TextAspect;
        DrawDimensionPreview();
      }
      ShowNumbers();
    });
  }
  connect(Command1, &QPushButton::clicked, this,
          [this] { ChooseColour("Change Dimension Line Color", DimLineColor, Shape1, Command1); });
  connect(Command2, &QPushButton::clicked, this,
          [this] { ChooseColour("Change Letter Color", DimLetterColor, Shape2, Command2); });
  connect(Command3, &QPushButton::clicked, this, [this] {
    ShowLinearSample = Flag(!ShowLinearSample);
    Command3->setText(ShowLinearSample ? QStringLiteral("Show Angular") : QStringLiteral("Show Linear"));
    DrawDimensionPreview();
  });
}

// The button shows the colour too, changed or not.
void frmDimOptions::ChooseColour(const char* title, Long& colour, QFrame* swatch, QPushButton* button) {
  if (OptionFrame::ChooseColour(title, colour, *swatch)) DrawDimensionPreview();
  ShowSwatch(*button, colour);
}

// ---- Sample ------------------------------------------------------------------------------------

// Drops the previous sample and fits a window of ten letter heights into
// the picture. False, and nothing fitted, for a letter height of 0.
bool frmDimOptions::FitSample() {
  sample_.Mark.GiveBack();
  const Double side = WindowInHeights * DimLetterHeight;
  if (!(side > 0) || !std::isfinite(side)) return false;
  DimArrowLength = DimLetterHeight / 2;
  FitSampleWindow(side);
  return true;
}

// The measured object and its dimension(s), built on the drawing window so
// they take its current layer as the dimension command's would.
void frmDimOptions::BuildSample() {
  const Double W = ViewWinMaxX, H = ViewWinMaxY;
  Integer first = FlagTrue;
  if (ShowLinearSample) {
    const Single x1 = ToSingle(0.1 * W), y1 = ToSingle(0.2 * H), x2 = ToSingle(0.7 * W), y2 = ToSingle(0.8 * H);
    AddObj(MeasuredLine, 2);
    AddPnt(x1, y1);
    AddPnt(x2, y2);
    const DimPointRec p1{x1, y1}, p2{x2, y2}, mid{(x1 + x2) / 2.0, (y1 + y2) / 2.0};
    DimLoc = {W / 2, y1 + 1.0};
    const auto build = [&first](DimPointRec from, DimPointRec to) {
      DimF = DimS = from;
      DimE = to;
      BuildLinearDimension(first);
      first = FlagFalse;
    };
    if (DimMode == DimPartitioned) {
      build(p1, mid);
      build(mid, p2);
    } else if (DimMode == DimCumulative) {
      build(p1, p2);
      build(p1, mid);
    } else {
      build(p1, p2);
    }
    return;
  }
  DimC = {0.1 * W, 0.9 * H};
  DimF = {0.8 * W, 0.9 * H};
  DimE = {0.1 * W, 0.2 * H};
  DimS = {(DimF.X + DimE.X) / 2, (DimF.Y + DimE.Y) / 2};
  AddObj(MeasuredArc, 4);
  for (const DimPointRec& p : {DimC, DimF, DimS, DimE}) AddPnt(p.X, p.Y);
  DimLoc = {0.8 * W, 0.5 * H};
  BuildAngularDimension(first);
}

void frmDimOptions::DrawDimensionPreview() {
  RedrawSample([this] {
    const DimensionWorkKept waiting;  // a dimension command waiting meanwhile keeps its own
    if (!FitSample() || DrawingTarget() == nullptr) return;
    const Long before = ObjCount;
    BuildOnDrawingTarget([this] { BuildSample(); });
    for (Long i = before + 1; i <= ObjCount; ++i)
      if (Objs[i].DwgNo == CurDwg) DrawObject(i);
  });
}

// ---- Showing ------------------------------------------------------------------------------------

void ShowDimOptions() {
  frmDimOptions dialog(MainForm);
  ShowModal(dialog);
}

}  // namespace lintavo
