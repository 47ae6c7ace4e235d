// LoadFonts: the stroke fonts of the fonts database and the glyphs loaded
// from it. A glyph is an item of kind 2 named by its glyph key (font name,
// "-", character code in decimal) whose strokes are entities of no drawing
// (DwgNo 0) owned by it.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Glyph lookup ----------------------------------------------------------------------
// The first glyph item named Key exactly (same letter case): true with
// CurItem its index; false and CurItem unchanged when no glyph has that key.
bool FindFontChar(const String& Key);
// Reads the glyph Key with its strokes from the fonts database and appends
// it: true with CurItem the new item.
// Not built yet: the fonts database is not read, so no glyph is found and
// the result is false, without a message.
bool LoadFontChar(const String& Key);

}  // namespace lintavo
