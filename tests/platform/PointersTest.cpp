// Pointer codes and cursor files.
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include "platform/Pointers.h"
#include "platform/Services.h"
#include "support/ProgramTest.h"

namespace lintavo {
namespace {

using PointersTest = ProgramTest;

QByteArray ReadFile(const String& path) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const String& path, const QByteArray& bytes) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TEST_F(PointersTest, CursorFileGivesItsPictureAndHotSpot) {
  const QCursor magnify = LoadCursorFile(AppFilePath("magnify.cur"));
  EXPECT_EQ(magnify.shape(), Qt::BitmapCursor);
  EXPECT_EQ(magnify.hotSpot(), QPoint(12, 12));
  const QImage picture = magnify.pixmap().toImage();
  ASSERT_EQ(picture.size(), QSize(32, 32));
  EXPECT_EQ(picture.pixelColor(0, 0).alpha(), 0);         // outside the lens
  EXPECT_EQ(picture.pixelColor(8, 0), QColor(Qt::black));  // rim, top row
  EXPECT_EQ(picture.pixelColor(8, 1), QColor(Qt::white));  // glass, second row

  EXPECT_EQ(LoadCursorFile(AppFilePath("hwe.cur")).hotSpot(), QPoint(15, 15));

  QByteArray moved = ReadFile(AppFilePath("magnify.cur"));
  ASSERT_GT(moved.size(), 14);
  moved[10] = 3;   // hot spot x
  moved[12] = 20;  // hot spot y
  ASSERT_TRUE(WriteFile(ScratchPath("moved.cur"), moved));
  EXPECT_EQ(LoadCursorFile(ScratchPath("moved.cur")).hotSpot(), QPoint(3, 20));
}

TEST_F(PointersTest, MissingCursorFileGivesTheFallback) {
  EXPECT_EQ(LoadCursorFile(AppFilePath("nothere.cur")).shape(), Qt::ArrowCursor);
  EXPECT_EQ(LoadCursorFile(AppFilePath("nothere.cur"), BlankCursor()).shape(), Qt::BlankCursor);
  EXPECT_EQ(LoadCursorFile(AppFolder(), BlankCursor()).shape(), Qt::BlankCursor);
}

TEST_F(PointersTest, DamagedCursorFileGivesTheFallback) {
  const QByteArray good = ReadFile(AppFilePath("magnify.cur"));
  ASSERT_GT(good.size(), 100);
  QByteArray icon = good;
  icon[2] = 1;  // an icon file, not a cursor
  QByteArray farHotSpot = good;
  farHotSpot[10] = 40;  // hot spot outside the 32 x 32 picture
  QByteArray lostPicture = good;
  lostPicture[19] = 0x7F;  // picture offset far past the end of the file

  const std::vector<QByteArray> damaged = {good.left(20), good.left(60), icon, farHotSpot,
                                           lostPicture};
  for (size_t i = 0; i < damaged.size(); ++i) {
    const String path = ScratchPath("damaged.cur");
    ASSERT_TRUE(WriteFile(path, damaged[i]));
    EXPECT_EQ(LoadCursorFile(path, BlankCursor()).shape(), Qt::BlankCursor) << "damage " << i;
  }
}

TEST(Pointers, PointerCodesGiveTheirShapes) {
  EXPECT_EQ(PointerCursor(vbDefault).shape(), Qt::ArrowCursor);
  EXPECT_EQ(PointerCursor(vbArrow).shape(), Qt::ArrowCursor);
  EXPECT_EQ(PointerCursor(vbCrosshair).shape(), Qt::CrossCursor);
  EXPECT_EQ(PointerCursor(vbHourglass).shape(), Qt::WaitCursor);
  EXPECT_EQ(PointerCursor(vbSizeAll).shape(), Qt::SizeAllCursor);
  EXPECT_EQ(PointerCursor(vbCustom, BlankCursor()).shape(), Qt::BlankCursor);
  EXPECT_EQ(PointerCursor(42).shape(), Qt::ArrowCursor);
}

}  // namespace
}  // namespace lintavo
