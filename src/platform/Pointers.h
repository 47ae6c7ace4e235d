// Pointers: the mouse pointers a window shows, by the program's pointer
// codes, and custom pointers read from cursor files.
//
// A cursor file ("magnify.cur", "hwe.cur", "Blank.cur") holds one picture
// and its hot spot. A file that is missing or cannot be read gives a standard
// shape chosen by the caller instead, so a lost file never leaves a window
// without a pointer.
#pragma once

#include <QCursor>

#include "platform/Types.h"

namespace lintavo {

// ---- Pointer codes ---------------------------------------------------------
// Values of a window's MousePointer as the program's code sets them.
constexpr int vbDefault = 0;     // the window's usual pointer (the arrow)
constexpr int vbArrow = 1;       // arrow
constexpr int vbCrosshair = 2;   // thin cross
constexpr int vbHourglass = 11;  // busy
constexpr int vbSizeAll = 15;    // four-way move
constexpr int vbCustom = 99;     // the window's custom cursor (MouseIcon)

// ---- Cursors ---------------------------------------------------------------
// The cursor of a pointer code; vbCustom gives custom, an unknown code the arrow.
QCursor PointerCursor(int pointer, const QCursor& custom = QCursor());
QCursor BlankCursor();  // no visible pointer
// The cursor in a cursor file, with the file's hot spot; fallback when the
// file is missing or unreadable (the arrow, or BlankCursor() for "Blank.cur").
QCursor LoadCursorFile(const String& path, const QCursor& fallback = QCursor());

}  // namespace lintavo
