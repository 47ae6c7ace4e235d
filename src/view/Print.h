// Print: sends the current drawing to the system printer, fitted to one
// landscape page, and keeps the program's one printer with the standard job
// settings the print commands give it.
#pragma once

class QPrinter;

namespace lintavo {

QPrinter& Printer();            // the program's printer; the print dialogs change it in place
// The standard job settings (landscape, colour, high quality) and printing
// the current drawing on one page. Not built yet: the printer keeps its
// settings and nothing is printed.
void ApplyPrintJobSettings();
void PrintDrawing();

}  // namespace lintavo
