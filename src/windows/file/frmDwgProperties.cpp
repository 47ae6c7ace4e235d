// frmDwgProperties: the drawing properties dialog's controls, loading and writing back.
//
// Sections:
//   Building
//   Loading
//   Keeping the changes
#include "windows/file/frmDwgProperties.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "windows/controls/OptionBoxes.h"
#include "windows/main/frmMain.h"
#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/Top.h"
#include "picking/Measure.h"
#include "platform/Modal.h"
#include "platform/Numbers.h"
#include "platform/TextBoxes.h"
#include "windows/main/frmDocument.h"

namespace lintavo {

namespace {

constexpr int LimitDecimals = 3;             // the limits are shown to 3 decimals
constexpr Double HeightPerWidth = 0.75;      // a new width limit gives this share as the height

// What the dialog counts of one drawing.
struct DrawingCounts {
  Long layers = 0, views = 0, areas = 0, groups = 0;  // items by kind
  Long placements = 0, characters = 0;                // component placements and text characters
  Long items = 0;                                     // every item of the drawing, whatever its kind
};

// Erased and hidden entities count too: the counts are of what the drawing holds.
DrawingCounts CountDrawing(Integer dwgNo) {
  DrawingCounts c;
  const Long objCount = ObjCount;
  for (Long i = 1; i <= objCount; ++i) {
    const ObjRec& obj = Objs[i];
    if (obj.DwgNo != dwgNo) continue;
    if (obj.Rtype == EntityComponent) ++c.placements;
    else if (obj.Rtype == EntityTextChar) ++c.characters;
  }
  const Long itemCount = ItemCount;
  for (Long i = 1; i <= itemCount; ++i) {
    const ItemRec& item = Items[i];
    if (item.DwgNo != dwgNo) continue;
    ++c.items;
    switch (item.Rtype) {
      case ItemGroup: ++c.groups; break;
      case ItemArea: ++c.areas; break;
      case ItemView: ++c.views; break;
      case ItemLayer: ++c.layers; break;
      default: break;
    }
  }
  return c;
}

// The drawing's width or height as its extents give it. A box inside out,
// as a measure that found nothing shown leaves it, has no size: 0.
Double ExtentSize(Double min, Double max) { return max >= min ? max - min : 0; }

QString LimitText(Double value) { return QString::number(value, 'f', LimitDecimals); }

// A limit box's number when it was changed from the value it showed: a box
// left as shown changes nothing, however many decimals the limit has.
bool ChangedLimit(const QLineEdit& box, Double current, Double& value) {
  return BoxNumber(box.text().toStdString(), value) && value != RoundHalfEven(current, LimitDecimals);
}

// The drawing window of the current drawing.
DrawingWindow* CurrentDrawingWindow() {
  if (!MainForm) return nullptr;
  for (QMdiSubWindow* sub : MainForm->MdiArea()->subWindowList()) {
    auto* document = qobject_cast<frmDocument*>(sub->widget());
    if (document && document->ID == CurDwg) return document;
  }
  return nullptr;
}

}  // namespace

// ---- Building ---------------------------------------------------------------------------

frmDwgProperties::frmDwgProperties(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Drawing Properties"));
  BuildControls();
  Form_Load();
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* frmDwgProperties::AddBox(const char* name, bool editable) {
  auto* box = new QLineEdit(this);
  box->setObjectName(QString::fromLatin1(name));
  box->setReadOnly(!editable);
  return box;
}

void frmDwgProperties::BuildControls() {
  Text1 = AddBox("Text1", false);
  Text3 = AddBox("Text3", false);
  Text2 = AddBox("Text2", false);
  Text12 = AddBox("Text12", false);
  Text13 = AddBox("Text13", true);
  Text14 = AddBox("Text14", true);
  Text15 = AddBox("Text15", true);
  Text16 = AddBox("Text16", true);
  Text30 = AddBox("Text30", true);
  Text31 = AddBox("Text31", true);
  Text5 = AddBox("Text5", true);
  Text6 = AddBox("Text6", true);
  Text17 = AddBox("Text17", false);
  txtXmin = AddBox("txtXmin", false);
  txtYmin = AddBox("txtYmin", false);
  txtXmax = AddBox("txtXmax", false);
  txtYmax = AddBox("txtYmax", false);
  Text18 = AddBox("Text18", false);
  Text19 = AddBox("Text19", false);
  Text20 = AddBox("Text20", false);
  Text21 = AddBox("Text21", false);
  Text22 = AddBox("Text22", false);
  Text23 = AddBox("Text23", false);
  lblWidth = Caption("Real  Width", this);
  lblHeight = Caption("Real  Height", this);
  cmdOK = NamedButton("cmdOK", "Keep Changes", this);
  cmdCancel = NamedButton("cmdCancel", "Cancel", this);

  const auto rows = [this](std::initializer_list<std::pair<const char*, QLineEdit*>> fields) {
    auto* grid = new QGridLayout;
    int r = 0;
    for (const auto& [label, box] : fields) {
      grid->addWidget(Caption(label, this), r, 0);
      grid->addWidget(box, r++, 1);
    }
    return grid;
  };
  auto* record = rows({{"Current Drawing", Text1},    {"Drawing Source", Text3},      {"Destination Database", Text2},
                       {"Creation Date", Text12},     {"Author", Text13},             {"Revision  *", Text14},
                       {"Drawing Type  *", Text15},   {"Drawing Category  *", Text16}, {"Part Number", Text30},
                       {"Description", Text31}});
  auto* limits = new QGroupBox(QStringLiteral("Drawing Limits"), this);
  auto* limitGrid = rows({{" Width Limit *", Text5}, {"Height  Limit *", Text6}});
  limitGrid->addWidget(lblWidth, 2, 0, 1, 2);
  limitGrid->addWidget(lblHeight, 3, 0, 1, 2);
  limits->setLayout(limitGrid);
  auto* extents = new QGroupBox(QStringLiteral("Drawing Extants"), this);
  extents->setLayout(rows({{"X Min", txtXmin}, {"Y Min", txtYmin}, {"X Max", txtXmax}, {"Y Max", txtYmax}}));
  auto* counts = rows({{"Number of Lines", Text17},     {"Number of Layers", Text18}, {"Number of Views", Text19},
                       {"Number of Areas", Text20},     {"Number of Groups", Text21},
                       {"Component Placements", Text22}, {"Text Placements", Text23}});

  auto* right = new QVBoxLayout;
  right->addWidget(limits);
  right->addWidget(extents);
  right->addLayout(counts);
  auto* top = new QHBoxLayout;
  top->addLayout(record, 3);
  top->addLayout(right, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Caption("*  Accepts Changes", this));
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdCancel);
  auto* all = new QVBoxLayout(this);
  all->addLayout(top);
  all->addLayout(buttons);
}

// ---- Loading -----------------------------------------------------------------------------

void frmDwgProperties::Form_Load() {
  DwgRec& dwg = Dwgs[CurDwg];
  ShowWholeText(*Text1, QString::fromStdString(dwg.Name));
  ShowWholeText(*Text3, QString::fromStdString(dwg.SourceDbPath));
  ShowWholeText(*Text2, QString::fromStdString(DwgDbPath));
  if (dwg.Xlimit == 0) {  // a record without a sheet takes the default one, and keeps it
    dwg.Xlimit = DefDwgWidth;
    dwg.Ylimit = DefDwgHeight;
  }
  Text5->setText(LimitText(dwg.Xlimit));
  Text6->setText(LimitText(dwg.Ylimit));
  lblHeight->setText(QString::fromStdString("Current " + FormatHeightLabel(ExtentSize(dwg.Ymin, dwg.Ymax))));
  lblWidth->setText(QString::fromStdString("Current " + FormatWidthLabel(ExtentSize(dwg.Xmin, dwg.Xmax))));
  Text12->setText(dwg.CreationDate.isNull() ? QString() : QLocale().toString(dwg.CreationDate, QLocale::ShortFormat));
  Text13->setText(QString::fromStdString(dwg.Author));
  Text14->setText(QString::fromStdString(dwg.Revision));
  Text15->setText(QString::fromStdString(dwg.Rtype));
  Text16->setText(QString::fromStdString(dwg.Category));
  Text30->setText(QString::fromStdString(dwg.PartNumber));
  Text31->setText(QString::fromStdString(dwg.Description));
  Text17->setText(QString::number(dwg.Nlines));
  const std::pair<QLineEdit*, Double> extents[] = {
      {txtXmin, dwg.Xmin}, {txtYmin, dwg.Ymin}, {txtXmax, dwg.Xmax}, {txtYmax, dwg.Ymax}};
  for (const auto& [box, value] : extents) box->setText(QString::fromStdString(NumberText(value)));

  const DrawingCounts c = CountDrawing(static_cast<Integer>(CurDwg));
  const std::pair<QLineEdit*, Long> shown[] = {{Text18, c.layers}, {Text19, c.views},      {Text20, c.areas},
                                               {Text21, c.groups}, {Text22, c.placements}, {Text23, c.characters}};
  for (const auto& [box, count] : shown) box->setText(QString::number(count));
  dwg.Nlayers = static_cast<Integer>(std::min<Long>(c.layers, INT16_MAX));
  dwg.Nobjects = c.items + c.placements + c.characters;
}

// ---- Keeping the changes ------------------------------------------------------------------

void frmDwgProperties::cmdOK_Click() {
  DwgRec& dwg = Dwgs[CurDwg];
  bool changed = false;
  Double value = 0;
  if (ChangedLimit(*Text5, dwg.Xlimit, value)) {
    dwg.Xlimit = value;
    dwg.Ylimit = dwg.Xlimit * HeightPerWidth;
    changed = true;
  }
  if (ChangedLimit(*Text6, dwg.Ylimit, value)) {
    dwg.Ylimit = value;
    changed = true;
  }
  const std::pair<QLineEdit*, String*> fields[] = {{Text13, &dwg.Author},   {Text14, &dwg.Revision},
                                                   {Text15, &dwg.Rtype},    {Text16, &dwg.Category},
                                                   {Text30, &dwg.PartNumber}, {Text31, &dwg.Description}};
  for (const auto& [box, field] : fields) {
    const String text = box->text().toStdString();
    if (text == *field) continue;
    *field = text;
    changed = true;
  }
  // A changed record asks to be saved before the drawing closes; OK on what
  // was shown changes nothing.
  if (changed) MarkDrawingChanged(CurDwg);
  accept();
}

void ShowDwgProperties() {
  // The record of a drawing whose window was closed is no drawing any more.
  if (CurDwg < 1 || CurDwg > MaxDwgNo || !CurrentDrawingWindow()) return;
  frmDwgProperties dialog(MainForm);
  ShowModal(dialog);
}

}  // namespace lintavo
