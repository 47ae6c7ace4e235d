// TextCompare: comparing names the way the database compares them. Names of
// glyphs and components are found in the database without regard to letter
// case (A to Z only), so the lookups among loaded items must match the same
// way, or a redraw would load another copy of a glyph stored as "Text-65"
// when it asks for "TEXT-65".
#pragma once

#include "platform/Types.h"

namespace lintavo {

bool SameTextNoCase(const String& a, const String& b);

}  // namespace lintavo
