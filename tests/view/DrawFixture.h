// DrawFixture: a drawing window of 200 × 200 pixels as the active surface,
// with the view cache set by hand: 10 pixels per world unit and the world
// origin at the centre, so the view window is -10..10 on both axes and the
// world point (X, Y) lands on device pixel (100 + 10 X, 100 - 10 Y).
#pragma once

#include <initializer_list>
#include <utility>

#include "platform/Colors.h"
#include "platform/Gdi.h"
#include "platform/Numbers.h"
#include "support/ModelBuilders.h"
#include "support/ModelFixture.h"
#include "view/Zooms.h"

namespace lintavo {

class DrawFixture : public ModelFixture {
 protected:
  static constexpr int Size = 200;  // pixels each way

  void SetUp() override {
    ModelFixture::SetUp();
    doc_.ResizeImage(Size, Size);
    doc_.BackColor = ColorWhite;
    doc_.Cls();
    SetView(10, 100, 100);
  }

  // Scale in pixels per unit and the view pixel of the world origin.
  static void SetView(Single scale, Single baseX, Single baseY) {
    ViewPixMinX = ViewPixMinY = 0;
    ViewPixMaxX = ViewPixMaxY = Size;
    ViewScaleX = ViewScaleY = scale;
    ViewBaseX = baseX;
    ViewBaseY = baseY;
    ViewWinMinX = -baseX / scale;
    ViewWinMaxX = (Size - baseX) / scale;
    ViewWinMinY = -baseY / scale;
    ViewWinMaxY = (Size - baseY) / scale;
  }

  // Device pixel of a world point.
  static int Column(Double X) { return RoundToLong(X * ViewScaleX + ViewBaseX); }
  static int Row(Double Y) { return Size - RoundToLong(Y * ViewScaleY + ViewBaseY); }

  Long ColourAt(Double X, Double Y) const { return doc_.PixelAt(Column(X), Row(Y)); }
  bool InkAt(Double X, Double Y) const { return ColourAt(X, Y) != ColorWhite; }
  // Whether any pixel within r pixels of the world point is not white.
  bool InkNear(Double X, Double Y, int r = 1) const {
    for (int dy = -r; dy <= r; ++dy)
      for (int dx = -r; dx <= r; ++dx)
        if (doc_.PixelAt(Column(X) + dx, Row(Y) + dy) != ColorWhite) return true;
    return false;
  }
  int InkCount() const {
    int count = 0;
    for (int y = 0; y < Size; ++y)
      for (int x = 0; x < Size; ++x) count += doc_.PixelAt(x, y) != ColorWhite;
    return count;
  }

  // Many colours, so that a pixel put back wrongly shows.
  void PaintStripes() {
    for (int y = 0; y < Size; ++y)
      for (int x = 0; x < Size; ++x) SetPixelV(&doc_, x, y, RGB(x * 7, y * 5, (x + y) * 3));
  }
};

}  // namespace lintavo
