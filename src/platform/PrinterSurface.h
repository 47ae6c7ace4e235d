// PrinterSurface: the printer page as a surface. It draws through QPainter
// on a QPrinter with the copy pen only (a printer has no raster operations).
// Drawing (or BeginDoc) starts the print job; NewPage and EndDoc close a
// page and the job. EndDoc says whether the job was written whole: the
// printer took it and ended it, and a job printed to a file left a complete
// document there (a full disk leaves an empty or cut file behind).
#pragma once

#include <QImage>
#include <memory>

#include "platform/Surface.h"

class QPrinter;
class QTextDocument;

namespace lintavo {

class PrinterSurface : public Surface {
 public:
  explicit PrinterSurface(QPrinter& printer);
  ~PrinterSurface() override;

  QPrinter& Printer() { return printer_; }
  bool BeginDoc();  // opens the job's first page; false when the printer refused the job
  void NewPage();
  // Finishes the job; the next drawing starts a new one. False when the job
  // never began or was not written whole; a surface that drew nothing
  // since the last EndDoc has nothing to finish and gives true.
  bool EndDoc();
  // Draws a picture stretched over the rectangle (device pixels).
  void PaintPicture(const QImage& picture, int x, int y, int width, int height);
  // Prints a text document laid out for the printer's page, within margins
  // of 2 cm, over as many pages as it takes.
  void PrintText(const QTextDocument& text);

  int DeviceWidth() const override;
  int DeviceHeight() const override;
  double DeviceDpi() const override;
  double PixelSpan() const override;  // the printer's pixels in a pixel of the usual screen

 protected:
  QPaintDevice* PaintDevice() override;
  bool SupportsDrawModes() const override { return false; }
  void WithPainter(const std::function<void(QPainter&)>& draw) override;

 private:
  QPrinter& printer_;
  std::unique_ptr<QPainter> painter_;  // open while a job is printing
};

// Whether the file at path holds a whole PDF document: not empty, and its
// end-of-file marker written.
bool IsCompletePdfFile(const QString& path);

}  // namespace lintavo
