// Print: sends the current drawing to the system printer, fitted to one
// landscape page, and keeps the program's one printer with the standard job
// settings the print commands give it.
//
// The drawing is not printed to a typed scale: the world window of the view
// is enlarged or reduced as a whole, one factor on both axes, until it just
// fits the printable page, and is centred on it. One job prints one page.
// The job settings and the page measurement are shared with the print
// preview.
#pragma once

#include "platform/PrinterSurface.h"
#include "platform/Types.h"

class QPrinter;

namespace lintavo {

class Surface;
class TargetBorrow;

// The program's printer; the print dialogs change it in place. It starts at
// the printer's high resolution. Outside a job it is always ready: a printer
// that an earlier job left active or in error (one whose start failed) is
// replaced by a fresh one with the same printer, paper and settings.
QPrinter& Printer();

// The standard job settings: landscape, colour, one copy, one-sided. The
// paper and the resolution chosen are kept.
void ApplyPrintJobSettings();
void ApplyPrintJobSettings(QPrinter& printer);

// Whether the printer has somewhere to print: an installed printer, or a
// file the user chose.
bool HasPrintTarget(const QPrinter& printer);
// What the printer prints on, as the user knows it: the printer's name, or
// the file; "" when it has nowhere to print.
String PrintTargetName(const QPrinter& printer);

// ---- Page measurement -----------------------------------------------------------------
// The printable page of a printer, in inches and in device pixels with its
// origin; PixPerInch is the vertical figure, which serves both axes.
struct PrinterPage {
  Single WidthIn = 0, HeightIn = 0;
  Single LeftPx = 0, TopPx = 0, WidthPx = 0, HeightPx = 0;
  Integer PixPerInch = 0;  // 0 when the page has no height
};
// The page from its measurements: pixels per inch is HeightPx / HeightIn,
// rounded half to even.
PrinterPage PageFromMeasures(Single WidthIn, Single HeightIn, Single LeftPx, Single TopPx,
                             Single WidthPx, Single HeightPx);
PrinterPage MeasurePrinterPage(Surface& printer);  // leaves the printer in pixel scale

// ---- The printer transform --------------------------------------------------------------
// The view of the printed page: the world window ViewWinMinX..ViewWinMaxX ×
// ViewWinMinY..ViewWinMaxY fitted to the usable page (width − left by
// height − top pixels), centred, the same scale on both axes.
struct PrinterTransform {
  Single Zoom = 0;    // inches of paper per world unit
  Single Scale = 0;   // printer pixels per world unit, both axes
  Single BaseX = 0, BaseY = 0;  // printer pixel of the world origin
  Long PixMaxY = 0;   // rows of the page: device y = PixMaxY − y
};
// False when the window or the page has no extent: no scale fits.
bool FitWindowToPage(const PrinterPage& page, PrinterTransform& transform);
// Loads the transform into the view cache with the page's pixel bounds, so
// that shapes are culled against the paper, not against the window the view
// came from. The view's zoom is left as it is.
void LoadPrinterView(const PrinterPage& page, const PrinterTransform& transform);
// Lends the drawing target to page through onPage and loads the transform
// that fits the view window onto measured (page as measured) into the view
// cache, at the paper's zoom, so that what is left out at small zooms is
// judged as on paper; the layer test then judges each object by its layer's
// own shown flag. The scale comes first: a page that cannot be framed
// borrows nothing and false is returned.
bool SetPrinterScale(TargetBorrow& onPage, Surface& page, const PrinterPage& measured);

// ---- The job --------------------------------------------------------------------------
// One job on Printer(), titled with the drawing's name (the job's name in
// the print queue and the title of a PDF). It starts from a ready printer;
// when it ends, a file the job printed to is forgotten, so that no later job
// writes there without the user choosing it again.
class PrintJob {
 public:
  explicit PrintJob(const String& Title);
  ~PrintJob();  // ends the job if End was not called
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

  QPrinter& Device() { return printer_; }
  PrinterSurface& Page() { return page_; }
  bool Open();  // opens the page; false when the printer refused the job
  bool End();   // true when the job was written whole; once

 private:
  QPrinter& printer_;
  PrinterSurface page_;
  bool ended_ = false;
  bool written_ = false;
};

// Says in a message box under Caption why a job that was not printed failed:
// the printer did not accept it (Opened false) or it was not written whole.
// A printed job says nothing.
void ReportUnprinted(bool Opened, bool Written, const String& Caption);

// Points the printer back at the printer chosen (if any) once a job has
// printed to a file: a file is chosen for one job.
void ForgetPrintFile();

// The name a job of the active drawing carries: its window's file name.
String PrintTitle();

enum class PrintOutcome {
  Printed,
  NoPrinter,    // no printer is installed and no file was chosen
  EmptyModel,   // nothing in the model: the printer is not touched
  NoScale,      // the view window or the page has no size
  Refused,      // the printer did not accept the job
  NotWritten,   // the job began but was not written whole (a full disk)
};
// Prints the current drawing on one page of Printer() and says in message-bar
// panel 3 what came of it. ActiveDoc, the view cache and the layer-preview
// switches are what they were before, whatever the outcome.
PrintOutcome PrintDrawing();
// Draws every shown entity of drawing DwgNo on the current target as paper
// shows it: each in its own colour and line style, the selection not marked.
// The print, the page of a job and the print preview all draw through it.
void DrawPaperObjects(Long DwgNo);
// The page of a job: the shown objects of drawing DwgNo on page, fitted to
// it; false, with nothing drawn, when no scale fits. ActiveDoc, the view
// cache and the layer-preview switches are handed back afterwards.
bool DrawPrintedPage(Surface& page, Long DwgNo);

}  // namespace lintavo
