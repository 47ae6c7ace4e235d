// Print: the printer, the page measurement, the printer transform and the job.
#include "view/Print.h"

#include <QPrinter>
#include <cmath>
#include <memory>

#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/LayerItems.h"
#include "model/MessageBar.h"
#include "model/TargetBorrow.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "platform/Numbers.h"
#include "platform/Prompts.h"
#include "view/DrawDispatch.h"

namespace lintavo {

namespace {

constexpr Integer MessagePanel = 3;  // results and errors

const char* OutcomeMessage(PrintOutcome outcome) {
  switch (outcome) {
    case PrintOutcome::Printed: return "Drawing printed.";
    case PrintOutcome::NoPrinter: return "Not printed: no printer is installed.";
    case PrintOutcome::EmptyModel: return "Not printed: the drawing is empty.";
    case PrintOutcome::NoScale: return "Not printed: the view window or the page has no size.";
    case PrintOutcome::Refused: return "Not printed: the printer did not accept the job.";
    case PrintOutcome::NotWritten: return "Not printed: the job could not be written in full.";
  }
  return "";
}

PrintOutcome Report(PrintOutcome outcome) {
  ShowStatus(OutcomeMessage(outcome), MessagePanel);
  return outcome;
}

}  // namespace

namespace {

std::unique_ptr<QPrinter> ProgramPrinter;  // made on first use: a program that never prints never asks for one
bool JobOpen = false;                      // a PrintJob holds the printer
bool JobFailed = false;                    // the last job was not written whole

// A new printer with the printer, paper and settings of old, but no file:
// a file is chosen for one job only.
std::unique_ptr<QPrinter> FreshPrinter(const QPrinter* old) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!old) return printer;
  if (old->outputFormat() == QPrinter::NativeFormat) printer->setPrinterName(old->printerName());
  printer->setPageLayout(old->pageLayout());
  printer->setResolution(old->resolution());
  printer->setColorMode(old->colorMode());
  printer->setCopyCount(old->copyCount());
  printer->setDuplex(old->duplex());
  printer->setFullPage(old->fullPage());
  return printer;
}

// A job whose start failed can leave the printer active for good, and it
// then refuses every later job and every change of settings. A job that
// failed to be written can leave the printer's engine holding that job's
// fonts, so that the next job with text is cut short.
bool IsStale(const QPrinter& printer) {
  const QPrinter::PrinterState state = printer.printerState();
  return JobFailed || state == QPrinter::Active || state == QPrinter::Error;
}

}  // namespace

QPrinter& Printer() {
  if (!ProgramPrinter || (!JobOpen && IsStale(*ProgramPrinter))) {
    ProgramPrinter = FreshPrinter(ProgramPrinter.get());
    JobFailed = false;
  }
  return *ProgramPrinter;
}

void ApplyPrintJobSettings(QPrinter& printer) {
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setColorMode(QPrinter::Color);
  printer.setCopyCount(1);
  printer.setDuplex(QPrinter::DuplexNone);  // one side: one job is one page
}

void ApplyPrintJobSettings() { ApplyPrintJobSettings(Printer()); }

bool HasPrintTarget(const QPrinter& printer) {
  if (!printer.outputFileName().isEmpty()) return true;
  // With no printer installed the platform's printer is a PDF writer with no file.
  return printer.outputFormat() == QPrinter::NativeFormat && printer.isValid();
}

String PrintTargetName(const QPrinter& printer) {
  if (!HasPrintTarget(printer)) return String();
  const QString file = printer.outputFileName();
  return (file.isEmpty() ? printer.printerName() : "File " + file).toStdString();
}

PrinterPage PageFromMeasures(Single WidthIn, Single HeightIn, Single LeftPx, Single TopPx,
                             Single WidthPx, Single HeightPx) {
  PrinterPage page{WidthIn, HeightIn, LeftPx, TopPx, WidthPx, HeightPx, 0};
  if (HeightIn > 0) page.PixPerInch = RoundToInteger(HeightPx / HeightIn);
  return page;
}

PrinterPage MeasurePrinterPage(Surface& printer) {
  printer.ScaleMode = vbInches;
  const Double widthIn = printer.ScaleWidth(), heightIn = printer.ScaleHeight();
  printer.ScaleMode = vbPixels;
  return PageFromMeasures(ToSingle(widthIn), ToSingle(heightIn), ToSingle(printer.ScaleLeft()),
                          ToSingle(printer.ScaleTop()), ToSingle(printer.ScaleWidth()),
                          ToSingle(printer.ScaleHeight()));
}

bool FitWindowToPage(const PrinterPage& page, PrinterTransform& transform) {
  const Double winWidth = ViewWinMaxX - ViewWinMinX, winHeight = ViewWinMaxY - ViewWinMinY;
  if (page.PixPerInch <= 0 || !(winWidth > 0) || !(winHeight > 0)) return false;
  // Differences, not sums: the usable page is the size less its origin.
  const Double w = RoundHalfEven(page.WidthPx - page.LeftPx);
  const Double h = RoundHalfEven(page.HeightPx - page.TopPx);
  if (!(w > 0) || !(h > 0)) return false;
  const Single wi = ToSingle(w / page.PixPerInch), hi = ToSingle(h / page.PixPerInch);
  const Double zx = wi / winWidth, zy = hi / winHeight;
  transform.Zoom = ToSingle(zx < zy ? zx : zy);
  transform.Scale = ToSingle(page.PixPerInch * static_cast<Double>(transform.Zoom));
  transform.BaseX = ToSingle(w / 2 - transform.Scale * (ViewWinMinX + ViewWinMaxX) / 2);
  transform.BaseY = ToSingle(h / 2 - transform.Scale * (ViewWinMinY + ViewWinMaxY) / 2);
  transform.PixMaxY = RoundToLong(page.HeightPx);
  return true;
}

void LoadPrinterView(const PrinterPage& page, const PrinterTransform& transform) {
  ViewPixMinX = RoundToLong(page.LeftPx);
  ViewPixMinY = RoundToLong(page.TopPx);
  ViewPixMaxX = RoundToLong(page.WidthPx);
  ViewPixMaxY = transform.PixMaxY;
  ViewScaleX = ViewScaleY = transform.Scale;
  ViewBaseX = transform.BaseX;
  ViewBaseY = transform.BaseY;
}

bool SetPrinterScale(TargetBorrow& onPage, Surface& page, const PrinterPage& measured) {
  PrinterTransform transform;
  if (!FitWindowToPage(measured, transform)) return false;
  onPage.Borrow(page);
  PreviewAllLayers = FlagTrue;
  LoadPrinterView(measured, transform);
  ViewZoom = transform.Zoom;
  return true;
}

namespace {

// The same for page measured now.
bool SetPrinterScale(TargetBorrow& onPage, Surface& page) {
  return SetPrinterScale(onPage, page, MeasurePrinterPage(page));
}

}  // namespace

void DrawPaperObjects(Long DwgNo) {
  const Integer kept = PaperDraw;
  PaperDraw = FlagTrue;
  for (Long i = 1; i <= ObjCount; ++i) {
    const ObjRec& obj = Objs[i];
    // Erased objects have Show 0; other drawings and the support geometry
    // (drawing 0) fail the drawing-number test.
    if (obj.DwgNo == DwgNo && obj.Show != 0) DrawObject(i);
  }
  PaperDraw = kept;
}

bool DrawPrintedPage(Surface& page, Long DwgNo) {
  TargetBorrow onPage;
  if (!SetPrinterScale(onPage, page)) return false;
  DrawPaperObjects(DwgNo);
  return true;
}

PrintJob::PrintJob(const String& Title) : printer_(Printer()), page_(printer_) {
  JobOpen = true;
  printer_.setDocName(QString::fromStdString(Title));
}

PrintJob::~PrintJob() { End(); }

bool PrintJob::Open() { return page_.BeginDoc(); }

bool PrintJob::End() {
  if (ended_) return written_;
  ended_ = true;
  written_ = page_.EndDoc();
  JobOpen = false;
  JobFailed = !written_;
  ForgetPrintFile();
  return written_;
}

void ReportUnprinted(bool Opened, bool Written, const String& Caption) {
  if (!Opened)
    MsgBox("The printer did not accept the job.", vbOKOnly | vbExclamation, Caption);
  else if (!Written)
    MsgBox("The job could not be written in full: nothing was printed.", vbOKOnly | vbExclamation, Caption);
}

void ForgetPrintFile() { Printer().setOutputFileName(QString()); }

String PrintTitle() {
  const DrawingWindow* window = ActiveDocForm();
  return window ? window->FileName() : String();
}

PrintOutcome PrintDrawing() {
  if (!HasPrintTarget(Printer())) return Report(PrintOutcome::NoPrinter);
  if (ObjCount < 1) return Report(PrintOutcome::EmptyModel);
  const Long printDwgNo = CurDwg;
  PrintJob job(PrintTitle());
  ApplyPrintJobSettings(job.Device());
  {
    TargetBorrow onPage;  // given back before the job ends, however the block is left
    if (!SetPrinterScale(onPage, job.Page())) return Report(PrintOutcome::NoScale);
    // The page opens even when nothing is shown, so a blank one still prints.
    if (!job.Open()) return Report(PrintOutcome::Refused);
    DrawPaperObjects(printDwgNo);
  }
  return Report(job.End() ? PrintOutcome::Printed : PrintOutcome::NotWritten);
}

}  // namespace lintavo
