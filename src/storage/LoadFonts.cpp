// LoadFonts: glyph lookup among the loaded items and glyph loading.
#include "storage/LoadFonts.h"

#include "app/DataHand.h"

namespace lintavo {

bool FindFontChar(const String& Key) {
  for (Long i = 1; i <= ItemCount; ++i) {
    if (Items[i].Rtype == ItemGlyph && Items[i].Name == Key) {
      CurItem = i;
      return true;
    }
  }
  return false;
}

bool LoadFontChar(const String& Key) {
  (void)Key;  // the fonts database reader is not built yet
  return false;
}

}  // namespace lintavo
