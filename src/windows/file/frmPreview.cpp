// frmPreview: the print preview dialog.
#include "windows/file/frmPreview.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "windows/controls/OptionBoxes.h"
#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/LayerItems.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "platform/CommonDialogs.h"
#include "platform/Modal.h"
#include "platform/Numbers.h"
#include "platform/PrinterSurface.h"
#include "platform/Prompts.h"
#include "platform/SurfaceWidget.h"
#include "view/DrawDispatch.h"
#include "view/SurfaceDraw.h"
#include "view/Zooms.h"

namespace lintavo {

namespace {

constexpr int PictureWidth = 560;  // the preview, wider than tall like the landscape page
constexpr int PictureHeight = 400;
constexpr Long White = 0xFFFFFF;
constexpr Long SetupFlags = 0x148;  // printer set-up form, no page numbers, a device context
const char* const PreviewTitle = "Print Preview";

// Preview border and title block, picture pixels.
constexpr Integer PreviewBorderWidth = 3;
constexpr Integer PreviewBorderInset = 2;
constexpr Integer PreviewTitleWidth = 2;
constexpr Integer PreviewTitleBoxX = 144, PreviewTitleBoxY = 36;
constexpr Integer PreviewTitleTextX = 9, PreviewTitleTextY = 24;
constexpr int PreviewTitlePointSize = 12;

// Printed border and title block.
constexpr Integer FineMargin = 5;     // printer pixels, up to FineMarginMaxDpi
constexpr Integer CoarseMargin = 10;  //   and above it
constexpr Integer FineMarginMaxDpi = 300;

// The pen of the printed frame: solid in CurColor, whatever line style the
// last object drawn left. Up to FineMarginMaxDpi it is the margin's width in
// printer pixels; on finer paper, where that would be a hairline, it is the
// preview's pen at its size on the screen.
void SetFramePen(Integer margin, Integer previewWidth) {
  SetDrawStyle(vbSolid);
  SetForeColor(CurColor);
  if (margin == FineMargin)
    SetDrawWidth(margin);
  else
    SetDrawWeight(previewWidth);
}

}  // namespace

void DrawPageFrame(const PrinterPage& Page, bool Border, bool Title, const String& FileName) {
  const Integer w = Page.PixPerInch <= FineMarginMaxDpi ? FineMargin : CoarseMargin;
  if (Border) {
    SetFramePen(w, PreviewBorderWidth);
    SurfaceLine(Page.LeftPx + w, Page.TopPx + w, Page.WidthPx - w, Page.HeightPx - w);
    SetDrawWidth(1);
  }
  if (Title) {
    const Integer ppi = Page.PixPerInch;
    SetFramePen(w, PreviewTitleWidth);
    SurfaceLine(Page.LeftPx + w, Page.TopPx + w, ToSingle(2.0 * ppi), ToSingle(0.5 * ppi));
    DrawTextAt(ToSingle(0.2 * ppi), ToSingle(0.3 * ppi), FileName);
    SetDrawWidth(1);
  }
}

void ShowPreview(const String& Caption) {
  frmPreview dialog;
  dialog.setWindowTitle(QString::fromStdString(Caption));
  dialog.Form_Load();
  ShowModal(dialog);
}

frmPreview::frmPreview(QWidget* parent) : QDialog(parent) {
  setObjectName("frmPreview");
  setWindowTitle("Print Preview");
  Picture1 = NamedPicture("Picture1", PictureWidth, PictureHeight, this);
  Picture1->ResizeImage(PictureWidth, PictureHeight);
  const auto button = [this](const char* name, const char* caption, void (frmPreview::*handler)()) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, handler);
    return b;
  };
  cboPrintImage = button("cboPrintImage", "Print Full Page Image", &frmPreview::cboPrintImage_Click);
  cboPrintScale = button("cboPrintScale", "Print  To Scale", &frmPreview::cboPrintScale_Click);
  cboSetup = button("cboSetup", "Printer Setup", &frmPreview::cboSetup_Click);
  cboClose = button("cboClose", "EXIT", &frmPreview::cboClose_Click);
  chkBorder = new QCheckBox("Draw Border", this);
  chkBorder->setObjectName("chkBorder");
  connect(chkBorder, &QCheckBox::clicked, this, &frmPreview::chkBorder_Click);
  chkTitle = new QCheckBox("Draw Title Block", this);
  chkTitle->setObjectName("chkTitle");
  connect(chkTitle, &QCheckBox::clicked, this, &frmPreview::chkTitle_Click);
  Text1 = new QLineEdit(this);
  Text2 = new QLineEdit(this);
  Text3 = new QLineEdit(this);
  Text1->setObjectName("Text1");
  Text2->setObjectName("Text2");
  Text3->setObjectName("Text3");

  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel("Print Scale", this), 0, 0);
  fields->addWidget(Text1, 0, 1);
  fields->addWidget(new QLabel(" To  1", this), 0, 2);
  fields->addWidget(new QLabel("Print Resolution", this), 1, 0);
  fields->addWidget(Text2, 1, 1);
  fields->addWidget(new QLabel("DPI", this), 1, 2);
  fields->addWidget(new QLabel("Selected Printer", this), 2, 0);
  fields->addWidget(Text3, 2, 1, 1, 2);
  auto* side = new QVBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{cboPrintImage, cboPrintScale, cboSetup, chkBorder, chkTitle})
    side->addWidget(w);
  side->addLayout(fields);
  side->addStretch();
  side->addWidget(cboClose);
  auto* top = new QHBoxLayout(this);
  top->addWidget(Picture1);
  top->addLayout(side);
}

frmPreview::~frmPreview() { Form_Unload(); }

// ---- Opening and closing ----------------------------------------------------------------------

void frmPreview::Form_Load() {
  if (loaded_) return;
  loaded_ = true;
  borderDrawn_ = titleDrawn_ = FlagFalse;
  if (const DrawingWindow* window = ActiveDocForm()) previewFileName_ = window->FileName();
  previewDwgNo_ = CurDwg;
  Picture1->Cls();
  RestorePageScale();
  // The page measured as it prints: landscape, at the resolution chosen.
  Printer().setPageOrientation(QPageLayout::Landscape);
  MeasurePage();
  if (ObjCount > 0) {
    DrawPreviewObjects();
    chkBorder_Click();
  }
}

void frmPreview::Form_Unload() {
  if (!loaded_ || unloaded_) return;
  unloaded_ = true;
  target_.GiveBack();
}

void frmPreview::done(int result) {
  Form_Unload();
  QDialog::done(result);
}

void frmPreview::cboClose_Click() {
  DlgCancelled = FlagTrue;
  accept();
}

// ---- Surfaces -----------------------------------------------------------------------------------

void frmPreview::RestorePageScale() {
  target_.Borrow(*Picture1);
  PreviewAllLayers = FlagTrue;
  ViewPixMinX = RoundToLong(Picture1->ScaleLeft());
  ViewPixMinY = RoundToLong(Picture1->ScaleTop());
  ViewPixMaxX = RoundToLong(Picture1->ScaleWidth());
  ViewPixMaxY = RoundToLong(Picture1->ScaleHeight());
  const Long w = ViewPixMaxX - ViewPixMinX, h = ViewPixMaxY - ViewPixMinY;
  const Double winWidth = ViewWinMaxX - ViewWinMinX, winHeight = ViewWinMaxY - ViewWinMinY;
  if (!(winWidth > 0) || !(winHeight > 0)) return;  // no scale fits: the view stays as it is
  const Double zx = (w / PixelsPerUnit) / winWidth, zy = (h / PixelsPerUnit) / winHeight;
  ViewZoom = ToSingle(zx < zy ? zx : zy);
  ViewScaleX = ViewScaleY = ViewZoom * PixelsPerUnit;
  ViewBaseX = ToSingle(w / 2.0 + ViewPixMinX - ViewScaleX * (ViewWinMinX + ViewWinMaxX) / 2);
  ViewBaseY = ToSingle(h / 2.0 + ViewPixMinY - ViewScaleY * (ViewWinMinY + ViewWinMaxY) / 2);
}

void frmPreview::MeasurePage() {
  PrinterSurface printer(Printer());
  page_ = MeasurePrinterPage(printer);
  Text3->setText(QString::fromStdString(PrintTargetName(Printer())));
  Text2->setText(QString::number(page_.PixPerInch));
}

void frmPreview::DrawPreviewObjects() {
  // The picture stands for the page: what is left out at small zooms (fine
  // hatches) is judged at the page's zoom, so that the picture shows what
  // prints, not what a picture this small would leave out.
  PrinterTransform paper;
  const Single pictureZoom = ViewZoom;
  if (FitWindowToPage(page_, paper)) ViewZoom = paper.Zoom;
  DrawPaperObjects(previewDwgNo_);
  ViewZoom = pictureZoom;
}

bool frmPreview::PrinterReady() {
  if (HasPrintTarget(Printer())) return true;
  MsgBox("No printer is chosen: choose a printer or a file in Printer Setup.", vbOKOnly | vbExclamation,
         PreviewTitle);
  return false;
}

void frmPreview::EndJob(PrintJob& Job, bool Opened) {
  const bool written = Job.End();
  MeasurePage();  // the printer the next job goes to: a file is not printed to twice
  ReportUnprinted(Opened, written, PreviewTitle);
}

// ---- Printing -----------------------------------------------------------------------------------

void frmPreview::cboPrintImage_Click() {
  if (!PrinterReady()) return;
  const QImage picture = Picture1->Image().copy();
  PrintJob job(previewFileName_);
  ApplyPrintJobSettings(job.Device());
  if (Picture1->height() > Picture1->width()) job.Device().setPageOrientation(QPageLayout::Portrait);
  PrinterSurface& page = job.Page();
  const bool opened = job.Open();
  if (opened) page.PaintPicture(picture, 0, 0, page.DeviceWidth(), page.DeviceHeight());
  EndJob(job, opened);
}

void frmPreview::cboPrintScale_Click() {
  if (!PrinterReady()) return;
  PrintJob job(previewFileName_);
  ApplyPrintJobSettings(job.Device());
  // A set-up may have chosen portrait or another printer since the page was
  // measured: frame the drawing for the page of this job.
  MeasurePage();
  bool framed = false, opened = false;
  {
    TargetBorrow onPage;  // the printer is the target until the block is left
    framed = SetPrinterScale(onPage, job.Page(), page_);
    opened = framed && job.Open();
    if (opened) {
      DrawPaperObjects(previewDwgNo_);
      DrawPageFrame(page_, chkBorder->isChecked(), chkTitle->isChecked(), previewFileName_);
    }
  }
  RestorePageScale();
  if (!framed) {
    job.End();
    MeasurePage();
    MsgBox("The view window or the page has no size: nothing was printed.", vbOKOnly | vbExclamation,
           PreviewTitle);
    return;
  }
  EndJob(job, opened);
}

void frmPreview::cboSetup_Click() {
  CommonDialog dialog;
  dialog.DialogTitle = "Lintavo Printer Setup";
  dialog.CancelError = true;
  dialog.Flags = SetupFlags;
  if (dialog.ShowPrinter(Printer()) == cdlCancel) return;
  MeasurePage();
}

// ---- Border and title block on the preview ------------------------------------------------------

void frmPreview::chkBorder_Click() {
  SetDrawWidth(PreviewBorderWidth);
  const bool checked = chkBorder->isChecked();
  if (checked || borderDrawn_) {
    SetForeColor(checked ? CurColor : White);
    SurfaceLine(ViewPixMinX + PreviewBorderInset, ViewPixMinY + PreviewBorderInset,
                ViewPixMaxX - PreviewBorderInset, ViewPixMaxY - PreviewBorderInset);
    borderDrawn_ = Flag(checked);
  }
  SetDrawWidth(1);
}

void frmPreview::chkTitle_Click() {
  SetDrawWidth(PreviewTitleWidth);
  Picture1->Font.setPointSize(PreviewTitlePointSize);
  Picture1->Font.setBold(true);
  const bool checked = chkTitle->isChecked();
  if (checked || titleDrawn_) {
    SetForeColor(checked ? CurColor : White);
    SurfaceLine(ViewPixMinX + PreviewBorderInset, ViewPixMinY + PreviewBorderInset,
                ViewPixMinX + PreviewTitleBoxX, ViewPixMinY + PreviewTitleBoxY);
    DrawTextAt(ViewPixMinX + PreviewTitleTextX, ViewPixMinY + PreviewTitleTextY, previewFileName_);
    titleDrawn_ = Flag(checked);
  }
  SetDrawWidth(1);
}

}  // namespace lintavo
