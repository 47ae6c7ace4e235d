// SurfaceWidget: shows its image surface and keeps it the widget's size.
#include "platform/SurfaceWidget.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace lintavo {

SurfaceWidget::SurfaceWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
  repaintPending_ = false;
  QPainter painter(this);
  painter.drawImage(event->rect(), Image(), event->rect());
}

void SurfaceWidget::resizeEvent(QResizeEvent* event) {
  ResizeImage(event->size().width(), event->size().height());
  QWidget::resizeEvent(event);
}

void SurfaceWidget::Touched() {
  // One update per burst of drawing: the paint shows everything drawn since.
  if (repaintPending_) return;
  repaintPending_ = true;
  update();
}

}  // namespace lintavo
