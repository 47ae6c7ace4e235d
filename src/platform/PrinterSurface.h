// PrinterSurface: the printer page as a surface. It draws through QPainter
// on a QPrinter with the copy pen only (a printer has no raster operations).
// Drawing starts the print job; NewPage and EndDoc close a page and the job.
#pragma once

#include <QImage>
#include <memory>

#include "platform/Surface.h"

class QPrinter;

namespace lintavo {

class PrinterSurface : public Surface {
 public:
  explicit PrinterSurface(QPrinter& printer);
  ~PrinterSurface() override;

  QPrinter& Printer() { return printer_; }
  void NewPage();
  void EndDoc();  // finishes the job; the next drawing starts a new one
  // Draws a picture stretched over the rectangle (device pixels).
  void PaintPicture(const QImage& picture, int x, int y, int width, int height);

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

}  // namespace lintavo
