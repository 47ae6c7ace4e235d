// PdfPages: loading and rendering through Qt's PDF reader.
#include "support/PdfPages.h"

#include <QPainter>
#include <QPdfDocument>
#include <cmath>

namespace lintavo {

namespace {

constexpr double PointsPerInch = 72;
constexpr int InkLevel = 200;  // a channel below this is ink; white is 255

}  // namespace

PdfFirstPage ReadPdfFirstPage(const QString& path, double dotsPerInch) {
  PdfFirstPage page;
  QPdfDocument document;
  if (document.load(path) != QPdfDocument::Error::None) return page;
  page.loaded = true;
  page.pageCount = document.pageCount();
  if (page.pageCount < 1) return page;
  page.points = document.pagePointSize(0);
  const QSize pixels(static_cast<int>(std::lround(page.points.width() * dotsPerInch / PointsPerInch)),
                     static_cast<int>(std::lround(page.points.height() * dotsPerInch / PointsPerInch)));
  // The reader leaves unpainted paper transparent: lay the page on white.
  page.image = QImage(pixels, QImage::Format_RGB32);
  page.image.fill(Qt::white);
  QPainter paper(&page.image);
  paper.drawImage(0, 0, document.render(0, pixels));
  return page;
}

bool InkAt(const QImage& image, int x, int y) {
  const QRgb pixel = image.pixel(x, y);
  return qRed(pixel) < InkLevel || qGreen(pixel) < InkLevel || qBlue(pixel) < InkLevel;
}

bool InkIn(const QImage& image, const QRect& box) {
  const QRect inside = box.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x)
      if (InkAt(image, x, y)) return true;
  return false;
}

bool InkOfColourIn(const QImage& image, const QRect& box, PrimaryInk colour) {
  constexpr int Stands = 80;  // how far the colour's channel stands above the others
  const QRect inside = box.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
      const int own = colour == PrimaryInk::Red ? r : colour == PrimaryInk::Green ? g : b;
      const int other1 = colour == PrimaryInk::Red ? g : r, other2 = colour == PrimaryInk::Blue ? g : b;
      if (own - other1 > Stands && own - other2 > Stands) return true;
    }
  return false;
}

}  // namespace lintavo
