// ImageSurface: the QImage backing store of windows and picture boxes.
#include "platform/ImageSurface.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "platform/Colors.h"

namespace lintavo {

ImageSurface::ImageSurface(int width, int height)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32) {
  image_.fill(ToQColor(BackColor));
  BindTarget();
}

void ImageSurface::BindTarget() {
  target_.bits = reinterpret_cast<std::uint32_t*>(image_.bits());
  target_.stride = static_cast<int>(image_.bytesPerLine() / 4);
  target_.width = image_.width();
  target_.height = image_.height();
}

void ImageSurface::ResizeImage(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (width == image_.width() && height == image_.height()) return;
  QImage resized(width, height, QImage::Format_RGB32);
  resized.fill(ToQColor(BackColor));
  {
    QPainter painter(&resized);
    painter.drawImage(0, 0, image_);
  }
  // Moved, not shared: a shared image would be copied whole by the bits()
  // that BindTarget asks for.
  image_ = std::move(resized);
  BindTarget();
  Touched();
}

Long ImageSurface::PixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return 0;
  return FromPixel(image_.pixel(x, y));
}

double ImageSurface::DeviceDpi() const {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInch() : 96.0;
}

}  // namespace lintavo
