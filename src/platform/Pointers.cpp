// Pointers: pointer codes to Qt cursors, and the cursor-file reader.
//
// A cursor file starts with a 6-byte header (0, type 2, image count) and one
// 16-byte directory entry per image: width, height, colour count, a reserved
// byte, the hot spot x and y (16 bits each), the image size and its offset.
// Qt's image reader decodes the picture; the hot spot is read here from the
// first entry, which Qt does not report.
#include "platform/Pointers.h"

#include <QFile>
#include <QImage>
#include <QPixmap>

namespace lintavo {
namespace {

constexpr qint64 CursorHeaderSize = 6 + 16;     // header and the first directory entry
constexpr qint64 CursorFileLimit = 1024 * 1024;  // larger files are not cursors

unsigned ReadU16(const QByteArray& bytes, int at) {
  return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}

}  // namespace

QCursor PointerCursor(int pointer, const QCursor& custom) {
  switch (pointer) {
    case vbCrosshair: return QCursor(Qt::CrossCursor);
    case vbHourglass: return QCursor(Qt::WaitCursor);
    case vbSizeAll: return QCursor(Qt::SizeAllCursor);
    case vbCustom: return custom;
    default: return QCursor(Qt::ArrowCursor);
  }
}

QCursor BlankCursor() { return QCursor(Qt::BlankCursor); }

QCursor LoadCursorFile(const String& path, const QCursor& fallback) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly) || file.size() > CursorFileLimit) return fallback;
  const QByteArray bytes = file.readAll();
  if (bytes.size() < CursorHeaderSize) return fallback;
  if (ReadU16(bytes, 0) != 0 || ReadU16(bytes, 2) != 2 || ReadU16(bytes, 4) < 1) return fallback;

  const QImage picture = QImage::fromData(bytes, "CUR");
  if (picture.isNull()) return fallback;
  const int hotX = static_cast<int>(ReadU16(bytes, 10));
  const int hotY = static_cast<int>(ReadU16(bytes, 12));
  if (hotX >= picture.width() || hotY >= picture.height()) return fallback;
  return QCursor(QPixmap::fromImage(picture), hotX, hotY);
}

}  // namespace lintavo
