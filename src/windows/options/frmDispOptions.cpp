// frmDispOptions: the display options dialog's controls, refresh and handlers.
//
// Sections:
//   Building
//   Refresh
//   Switches
//   Number boxes
//   Colours
#include "windows/options/frmDispOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <functional>
#include <tuple>

#include "windows/controls/OptionBoxes.h"
#include "windows/controls/OptionSetList.h"
#include "app/Setings.h"
#include "windows/main/frmMain.h"
#include "model/Top.h"
#include "platform/Modal.h"
#include "platform/Numbers.h"
#include "view/DisplayOptions.h"
#include "view/Grids.h"
#include "view/SurfaceDraw.h"

namespace lintavo {

namespace {

constexpr Double MinGridSize = 0.001;  // grid sizes must be above this, inches
constexpr Double MaxCursorSize = 20;   // cursor sizes above this are cut to it, inches

// A switch and the option it sets.
struct Switch {
  QCheckBox* box;
  Integer* flag;
};

void ShowBackground() {
  if (ActiveDoc) SetBackColor(DwgBackColor);
}

}  // namespace

// ---- Building ---------------------------------------------------------------------------

frmDispOptions::frmDispOptions(QWidget* parent)
    : OptionFrame(parent, {"Display Options", SettingDisplay, EchoInput::Silent, "Apply Setting Changes To Current Option",
                           "Set Current Display Option as Default", "Set Current Display Option"}) {
  BuildControls();
  LayOut();
  BindSetList([this] { SetUnits(); });
  SetUnits();
  ConnectSwitches();  // after the first refresh: a refresh is not a user action
  ConnectNumberBoxes();
  ConnectColours();
}

void frmDispOptions::BuildControls() {
  Check1 = NamedCheckBox("Check1", "Tool Bar", this);
  Check2 = NamedCheckBox("Check2", "Message Bar", this);
  Check3 = NamedCheckBox("Check3", "Text Bar", this);
  Check4 = NamedCheckBox("Check4", "Status Bar", this);
  Check5 = NamedCheckBox("Check5", "Rubber Banding", this);
  Check6 = NamedCheckBox("Check6", "Grid Display", this);
  Check7 = NamedCheckBox("Check7", "Snap Cursor Display", this);
  Check8 = NamedCheckBox("Check8", "Real Cursor Display", this);
  Check9 = NamedCheckBox("Check9", "Absolute Coordinates", this);
  Check10 = NamedCheckBox("Check10", "Relative Coordinates", this);
  Check11 = NamedCheckBox("Check11", "Polar Coordinates", this);
  Check12 = NamedCheckBox("Check12", "Standard Points", this);
  Check13 = NamedCheckBox("Check13", "Reference Points", this);
  Check14 = NamedCheckBox("Check14", "Construction Points", this);
  Check15 = NamedCheckBox("Check15", "Ruler Display", this);
  const std::pair<QLineEdit**, const char*> boxes[] = {{&Text1, "Text1"}, {&Text2, "Text2"}, {&Text3, "Text3"}};
  for (const auto& [box, name] : boxes) {
    *box = new QLineEdit(this);
    (*box)->setObjectName(QString::fromLatin1(name));
  }
  lblGridUnit = new QLabel(this);
  lblGridUnit->setObjectName(QStringLiteral("lblGridUnit"));
  lblCursorUnit = new QLabel(this);
  lblCursorUnit->setObjectName(QStringLiteral("lblCursorUnit"));
  cmdBackClr = NamedButton("cmdBackClr", "Background Color", this);
  cmdGridClr = NamedButton("cmdGridClr", "Grid Color", this);
  cmdCursorClr = NamedButton("cmdCursorClr", "Snap Cursor Color", this);
  cmdSelectClr = NamedButton("cmdSelectClr", "Selected Line Color", this);
  cmdRubberClr = NamedButton("cmdRubberClr", "Rubber Line Color", this);
  cmdCPointsClr = NamedButton("cmdCPointsClr", "Construction Points Color", this);
  cmdRpointsClr = NamedButton("cmdRpointsClr", "Reference Points Color", this);
  cmdRulerClr = NamedButton("cmdRulerClr", "Ruler Color", this);
}

void frmDispOptions::LayOut() {
  auto* bars = new QGroupBox(QStringLiteral("Toolbar Display"), this);
  auto* barList = new QVBoxLayout(bars);
  for (QCheckBox* box : {Check1, Check2, Check3, Check4}) barList->addWidget(box);

  auto* coords = new QGroupBox(QStringLiteral("Coordinate Display"), this);
  auto* coordList = new QVBoxLayout(coords);
  for (QCheckBox* box : {Check9, Check10, Check11}) coordList->addWidget(box);

  auto* current = new QGroupBox(QStringLiteral("Current Display Settings"), this);
  auto* switches = new QGridLayout(current);
  const QCheckBox* const order[] = {Check5, Check6, Check15, Check7, Check8, Check12, Check13, Check14};
  for (int i = 0; i < static_cast<int>(std::size(order)); ++i)
    switches->addWidget(const_cast<QCheckBox*>(order[i]), i % 4, i / 4);
  const std::tuple<const char*, QLineEdit*, QLabel*> sizes[] = {
      {"Grid Size", Text1, lblGridUnit}, {"Cursor Size", Text2, lblCursorUnit}, {"Selected Line Type", Text3, nullptr}};
  for (int r = 0; r < static_cast<int>(std::size(sizes)); ++r) {
    const auto& [caption, box, unit] = sizes[r];
    switches->addWidget(Caption(caption, this), 4 + r, 0);
    switches->addWidget(box, 4 + r, 1);
    if (unit) switches->addWidget(unit, 4 + r, 2);
  }
  auto* note = Caption("Note: Numerical entries changed by the Enter Key", this);
  switches->addWidget(note, 7, 0, 1, 3);

  auto* colours = new QGridLayout;
  const std::pair<const char*, QPushButton*> swatches[] = {
      {"Background", cmdBackClr},         {nullptr, cmdGridClr},           {nullptr, cmdCursorClr},
      {"Selected Lines", cmdSelectClr},   {"Rubber Lines", cmdRubberClr},  {"Con. Points", cmdCPointsClr},
      {"Ref. Points", cmdRpointsClr},     {"Ruler Lines", cmdRulerClr}};
  for (int r = 0; r < static_cast<int>(std::size(swatches)); ++r) {
    if (swatches[r].first) colours->addWidget(Caption(swatches[r].first, this), r, 0);
    colours->addWidget(swatches[r].second, r, 1);
  }

  auto* left = new QVBoxLayout;
  left->addWidget(bars);
  left->addWidget(coords);
  left->addStretch();
  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addWidget(current);
  top->addLayout(colours);

  LayOutFrame({top});
}

// ---- Refresh -----------------------------------------------------------------------------

void frmDispOptions::SetUnits() {
  Sets->Fill();
  // Relative and polar exclude each other; relative wins when a set holds both.
  if (CoordRelative) CoordPolar = FlagFalse;
  if (MainForm) {
    MainForm->ShowOptionChecks();  // Display menu check marks, bars shown or hidden
    if (!CoordAbsolute) {
      MainForm->StatusPanel(5)->clear();
      MainForm->StatusPanel(6)->clear();
    }
    MainForm->ShowReadOutPanels();
  }
  const Switch switches[] = {{Check1, &ShowToolBar},     {Check2, &ShowMessageBar}, {Check3, &ShowTextBar},
                             {Check4, &ShowStatusBar},   {Check5, &RubberBanding},  {Check6, &GridOn},
                             {Check7, &ShowSnapCursor},  {Check8, &ShowRealCursor}, {Check9, &CoordAbsolute},
                             {Check10, &CoordRelative},  {Check11, &CoordPolar},    {Check12, &ShowStdPnts},
                             {Check13, &ShowRefPnts},    {Check14, &ShowConPnts},   {Check15, &RulerOn}};
  for (const Switch& s : switches) s.box->setChecked(*s.flag != 0);  // setChecked is not a click
  for (QLabel* unit : {lblGridUnit, lblCursorUnit}) unit->setText(QString::fromLatin1(LengthUnitCaption()));
  Text1->setText(BoxText(CmToInch(GridSize)));
  Text2->setText(BoxText(CmToInch(CursorSize)));
  Text3->setText(QString::number(SelectedLineType));
  ShowColours();
  ShowBackground();
}

void frmDispOptions::ShowColours() {
  const std::pair<QPushButton*, Long> colours[] = {
      {cmdBackClr, DwgBackColor}, {cmdCPointsClr, ConPntColor}, {cmdCursorClr, CursorColor},
      {cmdGridClr, GridColor},    {cmdRpointsClr, RefPntColor}, {cmdRubberClr, RubberColor},
      {cmdRulerClr, RulerColor},  {cmdSelectClr, SelectedLineColor}};
  for (const auto& [button, colour] : colours) ShowSwatch(*button, colour);
}

// ---- Switches -----------------------------------------------------------------------------

void frmDispOptions::ConnectSwitches() {
  // Every switch sets its option, runs its own effect, and the main window's
  // bars and Display menu follow.
  const std::tuple<QCheckBox*, Integer*, std::function<void()>> switches[] = {
      {Check1, &ShowToolBar, nullptr},
      {Check2, &ShowMessageBar, nullptr},
      {Check3, &ShowTextBar, nullptr},
      {Check4, &ShowStatusBar, nullptr},
      {Check5, &RubberBanding, nullptr},
      {Check6, &GridOn, [this] { GridSwitched(); }},
      {Check7, &ShowSnapCursor, nullptr},
      {Check8, &ShowRealCursor, nullptr},
      {Check9, &CoordAbsolute, [this] { AbsoluteSwitched(); }},
      {Check10, &CoordRelative, [this] { ReadOutSwitched(CoordRelative, Check11, &CoordPolar); }},
      {Check11, &CoordPolar, [this] { ReadOutSwitched(CoordPolar, Check10, &CoordRelative); }},
      {Check12, &ShowStdPnts, nullptr},
      {Check13, &ShowRefPnts, nullptr},
      {Check14, &ShowConPnts, nullptr},
      {Check15, &RulerOn, [this] { RulersSwitched(); }},
  };
  for (const auto& [box, flag, effect] : switches) {
    Integer* target = flag;
    std::function<void()> run = effect;
    connect(box, &QCheckBox::clicked, this, [target, run](bool checked) {
      *target = Flag(checked);
      if (run) run();
      if (MainForm) MainForm->ShowOptionChecks();
    });
  }
}

// DrawGrid itself leaves a grid alone that is already as asked.
void frmDispOptions::GridSwitched() {
  Integer show = GridOn;
  DrawGrid(show);
}

// DrawRulers draws them once more whatever is shown: called only on a change.
void frmDispOptions::RulersSwitched() {
  Integer show = RulerOn;
  if ((RulerOn != 0) != (RulersShown != 0)) DrawRulers(show);
}

void frmDispOptions::AbsoluteSwitched() {
  if (CoordAbsolute || !MainForm) return;
  MainForm->StatusPanel(5)->clear();
  MainForm->StatusPanel(6)->clear();
}

void frmDispOptions::ReadOutSwitched(Integer flag, QCheckBox* other, Integer* otherFlag) {
  if (flag) {
    *otherFlag = FlagFalse;
    other->setChecked(false);
  }
  if (MainForm) MainForm->ShowReadOutPanels();
}

// ---- Number boxes ------------------------------------------------------------------------------

void frmDispOptions::ConnectNumberBoxes() {
  OnEnterKey(Text1, [this](const String& text) {
    Double value = 0;
    if (BoxNumber(text, value)) {
      const Double inches = EnteredLength(value);
      if (inches > MinGridSize) {
        Integer off = FlagFalse;
        if (GridShown) DrawGrid(off);
        GridSize = GridX = GridY = ToSingle(inches);
        Integer on = FlagTrue;
        if (GridOn) DrawGrid(on);
      }
    }
    Text1->setText(BoxText(CmToInch(GridSize)));
  });
  OnEnterKey(Text2, [this](const String& text) {
    Double value = 0;
    if (BoxNumber(text, value)) CursorSize = ToSingle(std::min(EnteredLength(value), MaxCursorSize));
    Text2->setText(BoxText(CmToInch(CursorSize)));
  });
  OnEnterKey(Text3, [](const String& text) {
    Double value = 0;
    if (BoxNumber(text, value)) TypedLineType(value, SelectedLineType);
  });
}

// ---- Colours ---------------------------------------------------------------------------------

void frmDispOptions::ConnectColours() {
  // Button, its dialog's title, its colour, and what a new colour changes beside it.
  struct ColourButton {
    QPushButton* button;
    const char* title;
    Long* colour;
    std::function<void(Long)> change;  // nullptr: only the variable
  };
  const ColourButton buttons[] = {
      {cmdBackClr, "Change Background Color", &DwgBackColor,
       [](Long c) {
         DwgBackColor = c;
         ShowBackground();
       }},
      {cmdGridClr, "Change Grid Color", &GridColor,
       [](Long c) {
         Integer off = FlagFalse, on = FlagTrue;
         if (GridShown) DrawGrid(off);
         GridColor = c;
         if (GridOn) DrawGrid(on);
       }},
      {cmdCursorClr, "Change Snap Cursor Color", &CursorColor, nullptr},
      {cmdSelectClr, "Selected Line Color", &SelectedLineColor, nullptr},
      {cmdRubberClr, "Rubber Line Color", &RubberColor, nullptr},
      {cmdCPointsClr, "Construction Point Color", &ConPntColor, nullptr},
      {cmdRpointsClr, "Reference Point Color", &RefPntColor, nullptr},
      {cmdRulerClr, "Change Ruler Color", &RulerColor,
       [](Long c) {
         Integer wasOn = RulerOn, off = FlagFalse;
         if (RulersShown) DrawRulers(off);
         RulerColor = c;
         if (wasOn) DrawRulers(wasOn);
       }},
  };
  for (const ColourButton& b : buttons) {
    const ColourButton entry = b;
    connect(entry.button, &QPushButton::clicked, this, [entry] {
      Long edited = *entry.colour;
      frmMain::ChooseColor(entry.title, edited, edited);
      if (edited == *entry.colour) return;
      if (entry.change) entry.change(edited);
      else *entry.colour = edited;
      ShowSwatch(*entry.button, *entry.colour);
    });
  }
}

void ShowDispOptions() {
  frmDispOptions dialog(MainForm);
  ShowModal(dialog);
}

}  // namespace lintavo
