// Colors: conversions between RGB Longs and Qt's colour and pixel forms.
#include "platform/Colors.h"

namespace lintavo {

QColor ToQColor(Long color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

Long FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

Long FromPixel(unsigned int pixel) {
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace lintavo
