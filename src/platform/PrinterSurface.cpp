// PrinterSurface: drawing on printer pages.
#include "platform/PrinterSurface.h"

#include <QPainter>
#include <algorithm>
#include <QPrinter>

namespace lintavo {

namespace {

constexpr double ScreenDpi = 96;  // pixels per inch of the usual screen, the program's sizes are given in

}  // namespace

PrinterSurface::PrinterSurface(QPrinter& printer) : printer_(printer) {}

PrinterSurface::~PrinterSurface() { EndDoc(); }

QPaintDevice* PrinterSurface::PaintDevice() { return &printer_; }

int PrinterSurface::DeviceWidth() const {
  return printer_.pageLayout().paintRectPixels(printer_.resolution()).width();
}

int PrinterSurface::DeviceHeight() const {
  return printer_.pageLayout().paintRectPixels(printer_.resolution()).height();
}

double PrinterSurface::DeviceDpi() const { return printer_.resolution(); }

double PrinterSurface::PixelSpan() const { return std::max(1.0, DeviceDpi() / ScreenDpi); }

void PrinterSurface::WithPainter(const std::function<void(QPainter&)>& draw) {
  if (!painter_) painter_ = std::make_unique<QPainter>(&printer_);
  if (!painter_->isActive()) return;  // the printer refused the job
  painter_->save();
  draw(*painter_);
  painter_->restore();
}

void PrinterSurface::NewPage() {
  if (painter_ && painter_->isActive()) printer_.newPage();
}

void PrinterSurface::EndDoc() {
  if (painter_) painter_->end();
  painter_.reset();
}

void PrinterSurface::PaintPicture(const QImage& picture, int x, int y, int width, int height) {
  WithPainter([&](QPainter& painter) { painter.drawImage(QRect(x, y, width, height), picture); });
}

}  // namespace lintavo
