// Colors: RGB colours as one Long with red in the low byte (&HFF0000 is
// blue). The model, the settings and the stored rows keep this form; it is
// turned into a QColor only where Qt draws.
#pragma once

#include <QColor>

#include "platform/Types.h"

namespace lintavo {

constexpr Long RGB(int red, int green, int blue) {
  return static_cast<Long>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(Long color) { return color & 0xFF; }
constexpr int GreenOf(Long color) { return (color >> 8) & 0xFF; }
constexpr int BlueOf(Long color) { return (color >> 16) & 0xFF; }

constexpr Long ColorBlack = 0x000000;
constexpr Long ColorWhite = 0xFFFFFF;
constexpr Long ColorRed = 0x0000FF;
constexpr Long ColorGreen = 0x00FF00;
constexpr Long ColorBlue = 0xFF0000;

QColor ToQColor(Long color);    // Qt colour of an RGB Long
Long FromQColor(const QColor& color);
// 0xFFrrggbb pixel of a Format_RGB32 image; inline, as every stroke asks it.
constexpr unsigned int ToPixel(Long color) {
  return 0xFF000000u | (static_cast<unsigned int>(RedOf(color)) << 16) |
         (static_cast<unsigned int>(GreenOf(color)) << 8) | static_cast<unsigned int>(BlueOf(color));
}
Long FromPixel(unsigned int pixel);

}  // namespace lintavo
