// WindowPlace: centring a window over the window that owns it.
#include "platform/WindowPlace.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace lintavo {

void CentreOverOwner(QWidget& window) {
  const QWidget* owner = window.parentWidget();
  if (owner == nullptr) return;
  owner = owner->window();
  QRect place(QPoint(0, 0), window.size());
  place.moveCenter(owner->frameGeometry().center());
  if (const QScreen* screen = owner->screen()) {
    const QRect area = screen->availableGeometry();
    place.moveLeft(std::max(area.left(), std::min(place.left(), area.right() - place.width() + 1)));
    place.moveTop(std::max(area.top(), std::min(place.top(), area.bottom() - place.height() + 1)));
  }
  window.move(place.topLeft());
}

}  // namespace lintavo
