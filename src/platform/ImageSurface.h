// ImageSurface: a surface whose pixels live in a QImage (Format_RGB32, no
// antialiasing). A drawing window and a picture box draw into one and show
// it when they paint; the image is the backing store, nothing else keeps a
// copy of the picture.
#pragma once

#include <QImage>

#include "platform/Surface.h"

namespace lintavo {

class ImageSurface : public Surface {
 public:
  ImageSurface(int width = 1, int height = 1);

  // New size in device pixels; the old picture stays at the top left and
  // the new area gets BackColor.
  void ResizeImage(int width, int height);
  const QImage& Image() const { return image_; }
  Long PixelAt(int x, int y) const;  // colour of a device pixel (tests, snapping of colours)

  int DeviceWidth() const override { return image_.width(); }
  int DeviceHeight() const override { return image_.height(); }
  double DeviceDpi() const override;

 protected:
  const RasterTarget* Raster() override { return &target_; }
  QPaintDevice* PaintDevice() override { return &image_; }

 private:
  void BindTarget();

  QImage image_;
  RasterTarget target_;
};

}  // namespace lintavo
