// Print: the printer and the print job; the job itself is not built yet.
#include "view/Print.h"

#include <QPrinter>

namespace lintavo {

QPrinter& Printer() {
  static QPrinter printer;  // made on first use: a program that never prints never asks for one
  return printer;
}

void ApplyPrintJobSettings() {}

void PrintDrawing() {}

}  // namespace lintavo
