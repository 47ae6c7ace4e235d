// frmTextOptions: the text options dialog's controls, refresh, handlers and sample.
//
// Sections:
//   Building
//   Refresh
//   Handlers
//   Number boxes
//   Sample
//   Showing
#include "windows/options/frmTextOptions.h"

#include <QCheckBox>
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

#include "annotation/AnnotationOptionLists.h"
#include "annotation/TextChars.h"
#include "annotation/Texthand.h"
#include "windows/controls/OptionBoxes.h"
#include "windows/controls/OptionSetList.h"
#include "app/Setings.h"
#include "windows/main/frmMain.h"
#include "commands/Edits.h"
#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/LayerItems.h"
#include "model/SupportLists.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "platform/Modal.h"
#include "platform/Numbers.h"
#include "platform/SurfaceWidget.h"
#include "view/FastDraw.h"
#include "view/ObjectDrawers.h"
#include "view/SurfaceDraw.h"
#include "view/Zooms.h"

namespace lintavo {

namespace {

constexpr int PictureSide = 160;  // the sample picture, pixels square
constexpr Double MaxBoldWeight = 9;     // bold weights are above 0 and below this
constexpr Double MinAspect = 0.25;
constexpr Double MaxAspect = 2;
constexpr Single SampleMargin = 0.075F;  // the sample's origin, in heights from the corner
constexpr Single RightGap = 0.1F;        // right-aligned sample: this far from the right edge
constexpr const char* SampleCode = "65";  // the capital "A"
enum AlignRow { AlignLeftRow = 0, AlignRightRow, AlignCenterRow, AlignJustifyRow };

QLineEdit* Box(const char* name, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

}  // namespace

// ---- Building ---------------------------------------------------------------------------

frmTextOptions::frmTextOptions(QWidget* parent)
    : OptionFrame(parent, {"Text Options", SettingText, EchoInput::Silent, "Apply Setting Changes To Current Option",
                           "Set Current Text Option as Default", "Set Current Text Option", PictureSide, PictureSide}) {
  BuildControls();
  LayOut();
  BindSetList([this] { SetUnits(); });
  SetUnits();
  lblhgt->setText(QString::fromLatin1(LengthUnitCaption()));
  lblwid->setText(QString::fromLatin1(LengthUnitCaption()));
  ConnectControls();  // after the first refresh: a refresh is not a user action
}

void frmTextOptions::BuildControls() {
  Combo3 = NamedCombo("Combo3", this);
  txtCount = Box("txtCount", this);
  txtCount->setReadOnly(true);
  Combo2 = NamedCombo("Combo2", this);
  Combo2->setEditable(true);
  Text1 = Box("Text1", this);
  Text2 = Box("Text2", this);
  Text3 = Box("Text3", this);
  Text4 = Box("Text4", this);
  Text5 = Box("Text5", this);
  Text6 = Box("Text6", this);
  lblhgt = new QLabel(this);
  lblwid = new QLabel(this);
  Check1 = NamedCheckBox("Check1", "Box Outline Text Characters", this);
  Check2 = NamedCheckBox("Check2", "Bold", this);
  Check3 = NamedCheckBox("Check3", "Italic", this);
  Check4 = NamedCheckBox("Check4", "Underline", this);
  Check5 = NamedCheckBox("Check5", "Auto Text Angle", this);
  Check6 = NamedCheckBox("Check6", "Auto Text Size", this);
  List1 = new QListWidget(this);
  List1->setObjectName(QStringLiteral("List1"));
  List1->addItems({"Left", "Right", "Center", "Justify"});
  Command1 = NamedButton("Command1", "Text Color", this);
  Command2 = NamedButton("Command2", "Background Color", this);
  Shape1 = NamedSwatch("Shape1", this);
  Shape2 = NamedSwatch("Shape2", this);
  MakeSamplePicture();
  Label16 = new QLabel(this);
  Label17 = new QLabel(this);
  Label18 = new QLabel(this);
}

void frmTextOptions::LayOut() {
  auto* grid = new QGridLayout;
  grid->addWidget(Caption("Font Name", this), 0, 0);
  grid->addWidget(Combo3, 0, 1);
  grid->addWidget(Caption("Fonts Available", this), 1, 0);
  grid->addWidget(txtCount, 1, 1);
  grid->addWidget(Caption("Text Layer", this), 2, 0);
  grid->addWidget(Combo2, 2, 1);
  const std::tuple<const char*, QLineEdit*, QLabel*> rows[] = {
      {"Bold Weight", Text1, nullptr},           {"Text Height", Text2, lblhgt},
      {"Text Aspect", Text3, Caption("ratio", this)}, {"Text Width", Text4, lblwid},
      {"Text Slant", Text5, Caption("degrees", this)}, {"Text Angle", Text6, Caption("degrees", this)}};
  int r = 3;
  for (const auto& [caption, box, unit] : rows) {
    grid->addWidget(Caption(caption, this), r, 0);
    grid->addWidget(box, r, 1);
    if (unit) grid->addWidget(unit, r, 2);
    ++r;
  }
  grid->addWidget(Caption("Note: Numerical entries changed by the Enter Key", this), r, 0, 1, 3);

  auto* checks = new QVBoxLayout;
  for (QCheckBox* c : {Check1, Check2, Check3, Check4, Check5, Check6}) checks->addWidget(c);
  checks->addWidget(Caption("Text Alignment", this));
  checks->addWidget(List1);
  auto* colours = new QGridLayout;
  colours->addWidget(Command1, 0, 0);
  colours->addWidget(Shape1, 0, 1);
  colours->addWidget(Command2, 1, 0);
  colours->addWidget(Shape2, 1, 1);
  checks->addLayout(colours);

  auto* sample = new QVBoxLayout;
  sample->addWidget(Caption("Current Text Settings", this));
  sample->addWidget(Picture1);
  // The sample is drawn one letter height to the inch; the figures give that
  // scale in drawing units, each beside what it measures.
  sample->addWidget(Caption("Sample scale, drawing units:", this));
  auto* scale = new QGridLayout;
  const std::pair<const char*, QLabel*> figures[] = {
      {"One letter up", Label16}, {"One letter across", Label17}, {"Two letters across", Label18}};
  for (int row = 0; row < static_cast<int>(std::size(figures)); ++row) {
    QLabel* caption = Caption(figures[row].first, this);
    caption->setBuddy(figures[row].second);
    scale->addWidget(caption, row, 0);
    scale->addWidget(figures[row].second, row, 1);
  }
  sample->addLayout(scale);
  sample->addStretch();

  auto* top = new QHBoxLayout;
  top->addLayout(grid);
  top->addLayout(checks);
  top->addLayout(sample);

  LayOutFrame({top});
}

// ---- Refresh -----------------------------------------------------------------------------

void frmTextOptions::SetUnits() {
  const QSignalBlocker quiet[] = {QSignalBlocker(Combo2), QSignalBlocker(Combo3), QSignalBlocker(List1)};
  txtCount->setText(QString::number(FontCount));
  Sets->Fill();
  FillLayerNames(*Combo2, TextLayer);
  FillFontNames(*Combo3, FontName);
  ShowNumbers();
  Check1->setChecked(TextBoxOutline != 0);
  Check2->setChecked(TextBold != 0);
  Check3->setChecked(TextItalic != 0);
  Check4->setChecked(TextUnderline != 0);
  Check6->setChecked(AutoTextSize != 0);
  Check5->setChecked(AutoTextAngle != 0);
  int row = AlignLeftRow;  // later flags win: Justify beats Center beats Right
  if (TextAlignRight) row = AlignRightRow;
  if (TextAlignCenter) row = AlignCenterRow;
  if (TextJustify) row = AlignJustifyRow;
  List1->setCurrentRow(row);
  ShowSwatch(*Shape1, TextColor);
  ShowSwatch(*Shape2, TextBackColor);
  DrawTextPreview();
}

void frmTextOptions::ShowNumbers() {
  Text1->setText(QString::number(BoldWeight));
  Text2->setText(BoxText(CmToInch(TextHeight)));
  Text3->setText(BoxText(TextAspect));
  Text4->setText(BoxText(CmToInch(TextWidth)));
  Text5->setText(BoxText(TextSlant));
  Text6->setText(BoxText(TextAngle));
}

// ---- Handlers ------------------------------------------------------------------------------

void frmTextOptions::ConnectControls() {
  BindSampleLayer(*Combo2, TextLayer, [this] { SetUnits(); });
  BindFontList(*Combo3, FontName, [this] { DrawTextPreview(); });
  const std::pair<QCheckBox*, Integer*> styles[] = {
      {Check1, &TextBoxOutline}, {Check2, &TextBold}, {Check3, &TextItalic}, {Check4, &TextUnderline}};
  for (const auto& [box, flag] : styles) {
    Integer* target = flag;
    connect(box, &QCheckBox::clicked, this, [this, target](bool checked) {
      *target = Flag(checked);
      DrawTextPreview();
    });
  }
  connect(Check5, &QCheckBox::clicked, this, [](bool checked) { AutoTextAngle = Flag(checked); });
  connect(Check6, &QCheckBox::clicked, this, [](bool checked) { AutoTextSize = Flag(checked); });
  connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0) return;
    TextAlignLeft = Flag(row == AlignLeftRow);
    TextAlignRight = Flag(row == AlignRightRow);
    TextAlignCenter = Flag(row == AlignCenterRow);
    TextJustify = Flag(row == AlignJustifyRow);
    DrawTextPreview();
  });
  connect(Command1, &QPushButton::clicked, this, [this] {
    if (ChooseColour("Change Text Color", TextColor, *Shape1)) DrawTextPreview();
  });
  connect(Command2, &QPushButton::clicked, this, [this] {
    if (ChooseColour("Change Text Background Color", TextBackColor, *Shape2)) DrawTextPreview();
  });
  ConnectNumberBoxes();
}

// ---- Number boxes ------------------------------------------------------------------------------

// Each box takes a number on Enter when its test passes; every box but the
// bold weight then shows the options again, so a refused entry or a text
// that is no number is replaced.
void frmTextOptions::ConnectNumberBoxes() {
  const auto onEnter = [this](QLineEdit* box, std::function<void(Double)> apply, bool rewrite) {
    OnEnterKey(box, [this, apply, rewrite](const String& text) {
      Double value = 0;
      if (BoxNumber(text, value)) {
        TypedText = text;
        apply(value);
        DrawTextPreview();
      }
      if (rewrite) ShowNumbers();
    });
  };
  onEnter(Text1, [](Double value) {
    if (value > 0 && value < MaxBoldWeight) BoldWeight = RoundToInteger(value);
  }, false);
  onEnter(Text2, [](Double typed) {
    if (typed == 0) return;  // the width follows the height
    TextHeight = ToSingle(EnteredLength(typed));
    TextWidth = TextHeight * TextAspect;
  }, true);
  onEnter(Text3, [](Double value) {
    if (value < MinAspect || value > MaxAspect) return;
    TextAspect = ToSingle(value);
    TextWidth = TextHeight * TextAspect;
  }, true);
  onEnter(Text4, [](Double typed) {
    if (typed == 0) return;  // the height follows the width
    TextWidth = ToSingle(EnteredLength(typed));
    TextHeight = TextWidth / TextAspect;
  }, true);
  onEnter(Text5, [](Double value) { TextSlant = ToSingle(value); }, true);
  onEnter(Text6, [](Double value) { TextAngle = ToSingle(value); }, true);
}

// ---- Sample ------------------------------------------------------------------------------------

void frmTextOptions::DrawTextPreview() {
  RedrawSample([this] { DrawSample(); });
}

void frmTextOptions::DrawSample() {
  Label16->setText(QString::number(RoundToInteger(TextHeight)));
  Label17->setText(QString::number(RoundToInteger(TextHeight)));
  Label18->setText(QString::number(RoundToInteger(2 * TextHeight)));
  // A height of 0 has no scale: the picture stays blank but for the labels.
  if (TextHeight == 0 || !std::isfinite(TextHeight)) return;
  // The letter is always drawn the same number of pixels high; the labels carry the size.
  ViewScaleX = ViewScaleY = PixelsPerUnit / TextHeight;
  ViewZoom = TextHeight;
  const Double y = SampleMargin * TextHeight;
  const Double width = ViewZoom * ViewWinMaxX;
  Double x = SampleMargin * TextHeight;
  if (!TextAlignLeft) x = TextAlignRight ? width - (TextWidth + RightGap) : (width - TextWidth) / 2;
  const Single slant = TextItalic ? ItalicSlant : TextSlant;
  const Single letterHeight = TextHeight;
  const Single letterWidth = TextAspect == DefaultAspect ? TextHeight : TextAspect / DefaultAspect * TextHeight;
  GlyphKey = FontName + "-" + SampleCode;
  Long glyph = 0;
  if (!FindGlyph(glyph)) return;
  DrawTextSample(0, x, y, letterWidth, letterHeight, 0);
  PlacementOn = FlagTrue;
  GlyphColorOn = FlagTrue;
  GlyphColor = TextColor;
  if (TextBoxOutline) {
    Double cx[4] = {0, 1, 1, 0}, cy[4] = {0, 0, 1, 1};
    for (int k = 0; k < 4; ++k) PlacePoint(cx[k], cy[k]);
    FillQuad(cx[0], cy[0], cx[1], cy[1], cx[2], cy[2], cx[3], cy[3], TextBackColor);
  }
  if (TextUnderline) {
    Double x0 = 0, y0 = 0, x1 = 1, y1 = 0;
    PlacePoint(x0, y0);
    PlacePoint(x1, y1);
    SetForeColor(GlyphColor);
    WorldLine(x0, y0, x1, y1);
  }
  DrawTextSample(0, x, y, letterWidth, letterHeight, slant);
  const Long last = ObjCount;
  for (Long j = 1; j <= last; ++j) {
    ObjRec& stroke = Objs[j];
    if (stroke.Rtype >= FirstCompoundType || stroke.ObjectID != glyph) continue;
    if (TextBold) stroke.Weight = BoldWeight;
    FastDrawObject(j);
    stroke.Weight = 0;
  }
  PlacementOn = FlagFalse;
  GlyphColorOn = FlagFalse;
}

// ---- Showing ------------------------------------------------------------------------------------

void ShowTextOptions() {
  frmTextOptions dialog(MainForm);
  ShowModal(dialog);
}

}  // namespace lintavo
