// TextCompare: comparing names the way the database compares them. Names of
// glyphs and components are found in the database without regard to letter
// case (A to Z only), so the lookups among loaded items must match the same
// way, or a redraw would load another copy of a glyph stored as "Text-65"
// when it asks for "TEXT-65".
#pragma once

#include <cstddef>

#include "platform/Types.h"

namespace lintavo {

bool SameTextNoCase(const String& a, const String& b);

// A hash that ignores letter case as SameTextNoCase does, and that equality,
// for hashed look-ups of names: texts SameTextNoCase finds equal hash alike.
struct NoCaseHash {
  std::size_t operator()(const String& text) const;
};
struct NoCaseEqual {
  bool operator()(const String& a, const String& b) const { return SameTextNoCase(a, b); }
};

}  // namespace lintavo
