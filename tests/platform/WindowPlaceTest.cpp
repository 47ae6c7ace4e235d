// A window that belongs to another opens centred over it, and never beyond
// the free area of the owner's screen.
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/WindowPlace.h"

namespace lintavo {
namespace {

TEST(WindowPlaceTest, AnOwnedWindowOpensCentredOverItsOwnerAndInsideTheScreen) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  QWidget owner;
  owner.setGeometry(area.left() + 100, area.top() + 80, 300, 200);
  QWidget window(&owner, Qt::Window);
  window.resize(100, 60);
  CentreOverOwner(window);
  EXPECT_EQ(window.frameGeometry().center(), owner.frameGeometry().center());

  owner.move(area.right() - 50, area.bottom() - 40);  // the owner hangs off the screen's corner
  CentreOverOwner(window);
  EXPECT_TRUE(area.contains(QRect(window.pos(), window.size()))) << window.pos().x() << "," << window.pos().y();

  QWidget alone;
  alone.move(7, 9);
  CentreOverOwner(alone);
  EXPECT_EQ(alone.pos(), QPoint(7, 9));  // nothing to centre over
}

}  // namespace
}  // namespace lintavo
