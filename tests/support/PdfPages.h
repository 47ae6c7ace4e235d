// PdfPages: a PDF file read back the way a reader shows it, so that what was
// printed to a file is checked on the page itself: the page count, the size
// of the first page in points and its content rendered to an image on white
// paper; and the ink tests used on such images.
#pragma once

#include <QImage>
#include <QRect>
#include <QSizeF>
#include <QString>

namespace lintavo {

struct PdfFirstPage {
  bool loaded = false;
  int pageCount = 0;
  QSizeF points;  // width and height in points (1/72 inch)
  QImage image;   // the page at the resolution asked for, on white, RGB
};

// Reads the file and renders its first page at dotsPerInch.
PdfFirstPage ReadPdfFirstPage(const QString& path, double dotsPerInch);

// Ink is any pixel clearly darker than white, so that the faint edge of
// an anti-aliased stroke counts only where it is more than a tint.
bool InkAt(const QImage& image, int x, int y);
bool InkIn(const QImage& image, const QRect& box);  // clipped to the image

// Ink of one primary colour: a pixel whose channel of that colour stands
// clearly above the other two (a tint of a stroke's edge does not count).
enum class PrimaryInk { Red, Green, Blue };
bool InkOfColourIn(const QImage& image, const QRect& box, PrimaryInk colour);  // clipped to the image

}  // namespace lintavo
