// PrintedPage: where a world point of the printed view window lies on the
// image of a printed PDF page. The window is fitted to the printable area
// of the printer's page layout (the page less its margins), one scale on
// both axes, centred, world Y upward: worked out here from the layout and
// the window, not from the program's own transform. And the choice a print
// dialog makes to print to a PDF file, and File, Print to one.
#pragma once

#include <QImage>
#include <QPageLayout>
#include <QPointF>
#include <QPrinter>
#include <QRect>
#include <QString>
#include <algorithm>
#include <cmath>
#include <functional>

#include "model/ViewCache.h"
#include "platform/Types.h"
#include "support/DrawingDriver.h"
#include "support/PdfPages.h"
#include "support/ScriptedResponder.h"
#include "view/Print.h"

namespace lintavo {

class PrintedPageMap {
 public:
  // The view window as it is now, printed with layout onto image.
  PrintedPageMap(const QPageLayout& layout, const QImage& image)
      : minX_(ViewWinMinX), minY_(ViewWinMinY), maxX_(ViewWinMaxX), maxY_(ViewWinMaxY) {
    const QRectF page = layout.fullRect(QPageLayout::Point);
    const QRectF printable = layout.paintRect(QPageLayout::Point);
    const double imagePerPoint = image.width() / page.width();
    // The printable area on the image, and image pixels per world unit.
    area_ = QRectF(printable.left() * imagePerPoint, printable.top() * imagePerPoint,
                   printable.width() * imagePerPoint, printable.height() * imagePerPoint);
    scale_ = std::min(area_.width() / (maxX_ - minX_), area_.height() / (maxY_ - minY_));
  }

  QPointF At(Double X, Double Y) const {
    return {area_.center().x() + scale_ * (X - (minX_ + maxX_) / 2),
            area_.center().y() - scale_ * (Y - (minY_ + maxY_) / 2)};
  }
  // The image pixels of the world box (x1, y1)-(x2, y2) shrunk by inset world units on each side.
  QRect Box(Double x1, Double y1, Double x2, Double y2, Double inset = 0) const {
    const QPointF a = At(x1 + inset, y2 - inset), b = At(x2 - inset, y1 + inset);
    return QRect(QPoint(static_cast<int>(std::ceil(a.x())), static_cast<int>(std::ceil(a.y()))),
                 QPoint(static_cast<int>(std::floor(b.x())), static_cast<int>(std::floor(b.y()))));
  }
 private:
  Double minX_, minY_, maxX_, maxY_;
  QRectF area_;
  double scale_ = 0;
};

// The program's printer prints to the PDF file at path, until its file name
// is set back to empty (the native printer).
inline void PrintToPdf(const QString& path) {
  Printer().setOutputFormat(QPrinter::PdfFormat);
  Printer().setOutputFileName(path);
}

// A print or printer set-up dialog's answer, as a person choosing to print to
// the PDF file at path, at dotsPerInch when given.
inline std::function<void(QPrinter&)> ChoosePdfFile(const QString& path, int dotsPerInch = 0) {
  return [path, dotsPerInch](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    if (dotsPerInch > 0) printer.setResolution(dotsPerInch);
  };
}

// File, Print, with the print dialog (answered by responder) choosing to
// print to the file at path.
inline void FilePrintTo(ScriptedResponder& responder, const QString& path) {
  responder.AnswerPrinter(true, ChoosePdfFile(path));
  DrawingDriver::Choose("mnuFilePrint");
}

// FilePrintTo the file at path, and its first page read back at dotsPerInch.
inline PdfFirstPage FilePrintedPage(ScriptedResponder& responder, const QString& path, int dotsPerInch) {
  FilePrintTo(responder, path);
  return ReadPdfFirstPage(path, dotsPerInch);
}

}  // namespace lintavo
