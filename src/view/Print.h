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

#include "platform/Types.h"

class QPrinter;

namespace lintavo {

class Surface;

QPrinter& Printer();  // the program's printer; the print dialogs change it in place

// The standard job settings: landscape, colour, one copy, one-sided, high
// quality (the printer's high resolution). The paper chosen is kept.
void ApplyPrintJobSettings();
void ApplyPrintJobSettings(QPrinter& printer);

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

// ---- The job --------------------------------------------------------------------------
enum class PrintOutcome {
  Printed,
  NoPrinter,    // the platform offers no printer
  EmptyModel,   // nothing in the model: the printer is not touched
  NoScale,      // the view window or the page has no size
  Refused,      // the printer did not accept the job
};
// Prints the current drawing on one page of Printer() and says in message-bar
// panel 3 what came of it. ActiveDoc, the view cache and the layer-preview
// switches are what they were before, whatever the outcome.
PrintOutcome PrintDrawing();
// The page of a job: the shown objects of drawing DwgNo on page, fitted to
// it; false, with nothing drawn, when no scale fits. ActiveDoc, the view
// cache and the layer-preview switches are handed back afterwards.
bool DrawPrintedPage(Surface& page, Long DwgNo);

}  // namespace lintavo
