// SurfaceWidget: a widget whose client area is an image surface: the drawing
// window and the picture boxes of dialogs. The image follows the widget's
// size; painting shows the image as it stands.
#pragma once

#include <QWidget>

#include "platform/ImageSurface.h"

namespace lintavo {

class SurfaceWidget : public QWidget, public ImageSurface {
  Q_OBJECT
 public:
  explicit SurfaceWidget(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void Touched() override;

 private:
  bool repaintPending_ = false;  // an update is scheduled for what was drawn
};

}  // namespace lintavo
