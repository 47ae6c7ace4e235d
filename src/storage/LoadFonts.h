// LoadFonts: the stroke fonts of the fonts database and the layer-name
// library of the settings database, read into memory.
//
// A glyph is an item of kind 2 named by its glyph key (font name, "-",
// character code in decimal) whose strokes are entities of no drawing
// (DwgNo 0) owned by it. At start-up the glyphs of codes 32 to 126 of the
// font "TEXT" are loaded; others load on demand when a character needs them.
// Every reader opens its own connection and closes it before it returns;
// errors show in a message box titled after the reader, and what was read
// before an error stays.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Support libraries -------------------------------------------------------------------
void LoadFontNames();   // FontNames and FontCount from the Fonts table
void LoadLayerNames();  // empties LayerNameList and refills it from LayerNames

// ---- Glyphs --------------------------------------------------------------------------------
// Appends the glyphs of codes 32 to 126 of font FontName that are stored,
// with their strokes.
void LoadFont(const String& FontName);

// The first glyph item named Key, letter case ignored as the database
// ignores it: true with CurItem its index; false and CurItem unchanged when
// no glyph has that key.
// Hashed by name; see the glyph look-up in LoadFonts.cpp.
bool FindFontChar(const String& Key);

// Reads glyph Key with its strokes from the fonts database and appends it:
// true with CurItem the new item; false, without a message, when the fonts
// database has no such glyph.
bool LoadFontChar(const String& Key);

// ---- Reset ---------------------------------------------------------------------------------
void ResetLoadFonts();  // forgets the glyph look-up's index

}  // namespace lintavo
