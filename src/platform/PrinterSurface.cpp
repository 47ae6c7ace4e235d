// PrinterSurface: drawing on printer pages.
#include "platform/PrinterSurface.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextFrame>
#include <algorithm>
#include <memory>

namespace lintavo {

namespace {

constexpr double ScreenDpi = 96;  // pixels per inch of the usual screen, the program's sizes are given in
constexpr qint64 PdfTailBytes = 64;  // the end of a PDF file that holds its end-of-file marker
constexpr double TextMarginInches = 2 / 2.54;  // round a printed text

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

bool PrinterSurface::BeginDoc() {
  if (!painter_) painter_ = std::make_unique<QPainter>(&printer_);
  return painter_->isActive();
}

void PrinterSurface::NewPage() {
  if (painter_ && painter_->isActive()) printer_.newPage();
}

bool PrinterSurface::EndDoc() {
  if (!painter_) return true;
  const bool begun = painter_->isActive();
  const bool ended = begun && painter_->end();
  painter_.reset();
  if (!ended || printer_.printerState() == QPrinter::Error) return false;
  const QString file = printer_.outputFileName();
  return file.isEmpty() || IsCompletePdfFile(file);
}

bool IsCompletePdfFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const qint64 size = file.size();  // a device such as /dev/full has none
  if (size <= 0 || !file.seek(std::max<qint64>(0, size - PdfTailBytes))) return false;
  return file.read(PdfTailBytes).contains("%%EOF");
}

void PrinterSurface::PaintPicture(const QImage& picture, int x, int y, int width, int height) {
  WithPainter([&](QPainter& painter) { painter.drawImage(QRect(x, y, width, height), picture); });
}

void PrinterSurface::PrintText(const QTextDocument& text) {
  // A copy is laid out for the printer, so the window's text keeps its layout.
  // Its margin is given in the usual screen's pixels, which the layout scales
  // to the printer's.
  const std::unique_ptr<QTextDocument> copy(text.clone());
  QAbstractTextDocumentLayout* layout = copy->documentLayout();
  layout->setPaintDevice(&printer_);
  QTextFrameFormat frame = copy->rootFrame()->frameFormat();
  frame.setMargin(TextMarginInches * ScreenDpi);
  copy->rootFrame()->setFrameFormat(frame);
  const QSizeF page(printer_.width(), printer_.height());
  copy->setPageSize(page);
  WithPainter([&](QPainter& painter) {
    const int pages = copy->pageCount();
    for (int n = 0; n < pages; ++n) {
      if (n > 0) printer_.newPage();
      const QRectF shown(QPointF(0, n * page.height()), page);
      QAbstractTextDocumentLayout::PaintContext context;
      context.clip = shown;
      context.palette.setColor(QPalette::Text, Qt::black);  // black on paper, whatever the window's colours
      painter.save();
      painter.translate(0, -shown.top());
      painter.setClipRect(shown);
      layout->draw(&painter, context);
      painter.restore();
    }
  });
}

}  // namespace lintavo
