// OptionFrame: the option dialogs' set-list row, sample picture and closing.
//
// Sections:
//   Borrowing the drawing target
//   Building
//   Sample
//   Closing
#include "windows/controls/OptionFrame.h"

#include <QComboBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "commands/Edits.h"
#include "model/DrawingWindow.h"
#include "model/LayerItems.h"
#include "model/TargetBorrow.h"
#include "model/Top.h"
#include "platform/Numbers.h"
#include "platform/SurfaceWidget.h"
#include "view/DisplayOptions.h"
#include "view/Zooms.h"
#include "windows/controls/OptionBoxes.h"
#include "windows/main/frmMain.h"

namespace lintavo {

// ---- Building ---------------------------------------------------------------------------------

OptionFrame::OptionFrame(QWidget* parent, const OptionFrameSpec& spec) : QDialog(parent), spec_(spec) {
  setWindowTitle(QString::fromLatin1(spec_.title));
  if (spec_.pictureWidth > 0) sample_.Begin();
  Combo1 = NamedCombo("Combo1", this);
  cmdUpdate = NamedButton("cmdUpdate", spec_.updateCaption, this);
  cmdDefault = NamedButton("cmdDefault", spec_.defaultCaption, this);
  cmdClose = NamedButton("cmdClose", "EXIT", this);
  connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

void OptionFrame::MakeSamplePicture() {
  Picture1 = NamedPicture("Picture1", spec_.pictureWidth, spec_.pictureHeight, this);
  Picture1->ResizeImage(spec_.pictureWidth, spec_.pictureHeight);
}

void OptionFrame::LayOutFrame(std::initializer_list<QLayout*> body) {
  auto* all = new QVBoxLayout(this);
  for (QLayout* part : body) all->addLayout(part);
  all->addLayout(OptionSetRow(spec_.listCaption, Combo1, cmdUpdate, cmdDefault, cmdClose, this));
}

void OptionFrame::BindSetList(std::function<void()> refresh) {
  Sets = new OptionSetList(*Combo1, spec_.Stype, spec_.echo, std::move(refresh));
  Sets->BindButtons(cmdUpdate, cmdDefault);
}

void OptionFrame::BindSampleLayer(QComboBox& list, String& layer, std::function<void()> refresh) {
  String* option = &layer;
  BindLayerList(list, layer, [this, option, refresh = std::move(refresh)] {
    KeepLayer(sample_.Mark, *option);
    refresh();
  });
}

void OptionFrame::BindFontList(QComboBox& list, String& font, std::function<void()> redraw) {
  connect(&list, &QComboBox::activated, this, [&list, &font, redraw = std::move(redraw)](int position) {
    const String name = list.itemText(position).toStdString();
    if (name == font) return;
    font = name;
    redraw();
  });
}

bool OptionFrame::ChooseColour(const char* title, Long& colour, QWidget& swatch) {
  ChosenColor = colour;
  frmMain::ChooseColor(title, ChosenColor, ChosenColor);
  if (ChosenColor == colour) return false;
  colour = ChosenColor;
  ShowSwatch(swatch, colour);
  return true;
}

// ---- Sample -----------------------------------------------------------------------------------

void OptionFrame::RedrawSample(const std::function<void()>& draw) {
  Picture1->Cls();
  {
    // The picture is the drawing target, in preview mode with every layer
    // shown, while the sample is drawn; then the target, the switches and
    // the target's view are as before.
    TargetBorrow borrowed(*Picture1);
    PreviewAllLayers = FlagTrue;
    // A command waiting under the dialog may have the construction marks on
    // (a chain, an area boundary): the sample is drawn without them, as with
    // nothing running, and the command gets its switch back.
    const Integer conPnts = ShowConPnts;
    ShowConPnts = FlagFalse;
    borrowed_ = &borrowed;
    InitPreviewSurface();
    draw();
    borrowed_ = nullptr;
    ShowConPnts = conPnts;
  }
  Picture1->update();
}

void OptionFrame::InitPreviewSurface() {
  ViewPixMinX = ViewPixMinY = 0;
  ViewPixMaxX = spec_.pictureWidth;
  ViewPixMaxY = spec_.pictureHeight;
  ViewWinMinX = ViewWinMinY = 0;
  ViewWinMaxX = spec_.pictureWidth / PixelsPerUnit;
  ViewWinMaxY = spec_.pictureHeight / PixelsPerUnit;
  ViewScaleX = ViewScaleY = PixelsPerUnit;
  ViewBaseX = ViewBaseY = 0;
  ViewZoom = 1;
}

void OptionFrame::FitSampleWindow(Double side) {
  const int width = spec_.pictureWidth, height = spec_.pictureHeight;  // pixels
  ViewWinMinX = ViewWinMinY = 0;
  ViewWinMaxX = ViewWinMaxY = side;
  ViewZoom = ToSingle(std::min(width / PixelsPerUnit, height / PixelsPerUnit) / side);
  ViewScaleX = ViewScaleY = ViewZoom * PixelsPerUnit;
  ViewBaseX = ToSingle(width / 2.0 - ViewScaleX * side / 2);
  ViewBaseY = ToSingle(height / 2.0 - ViewScaleY * side / 2);
}

Surface* OptionFrame::DrawingTarget() const { return borrowed_ != nullptr ? borrowed_->Lender() : nullptr; }

void OptionFrame::BuildOnDrawingTarget(const std::function<void()>& build) {
  Surface* lender = DrawingTarget();
  if (lender == nullptr) return;
  const TargetBorrow onLender(*lender);  // the sample's picture is the target again after
  build();
}

// ---- Closing ----------------------------------------------------------------------------------

OptionFrame::~OptionFrame() { OptionFrame::Unload(); }

void OptionFrame::done(int result) {
  Unload();
  QDialog::done(result);
}

void OptionFrame::Unload() {
  if (Picture1 != nullptr) sample_.End();
}

void OptionFrame::cmdClose_Click() { accept(); }

}  // namespace lintavo
