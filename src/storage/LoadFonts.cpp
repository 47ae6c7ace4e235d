// LoadFonts: font names, layer names and glyphs from the support databases.
#include "storage/LoadFonts.h"

#include <algorithm>
#include <unordered_map>

#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/SupportLists.h"
#include "platform/Database.h"
#include "platform/Prompts.h"
#include "platform/Recordset.h"
#include "platform/TextCompare.h"
#include "storage/RowReader.h"
#include "storage/SupportFiles.h"

namespace lintavo {

namespace {

const char* const LoadFontNamesTitle = "Load Font Names ";
const char* const LoadLayerNamesTitle = "Load Layer Names ";
const char* const LoadFontTitle = "Load Font";
const char* const LoadFontLinesTitle = "Load Font Lines";
constexpr int FirstCharCode = 32;  // the printable characters a font load brings in
constexpr int LastCharCode = 126;

// A support database opened read-only with one table; the error of whichever failed.
struct OpenTable {
  Connection connection;
  Recordset table;
  bool Open(const char* file, const String& name) {
    return connection.Open(SupportFilePath(file), OpenMode::ReadOnly) && table.Open(connection, name);
  }
  const DbError& Error() const { return connection.Error().Number ? connection.Error() : table.Error(); }
  bool Failed() const { return Error().Number != DbErrNone; }
};

void ShowError(const DbError& error, const String& title) { MsgBox(ErrorText(error), vbOKOnly, title); }

// ---- Font names ------------------------------------------------------------------------------

// Adds a font name unless listed; false when the list is full.
bool AddFontName(const String& name) {
  for (Long i = 1; i <= FontCount; ++i)
    if (FontNames[i] == name) return true;
  if (FontCount >= MaxFontNames) return false;
  FontNames[++FontCount] = name;
  return true;
}

// ---- Glyph items ---------------------------------------------------------------------------

// Appends the glyph of the current Fonts row with its strokes. False when
// the row was damaged (reported) and nothing was appended.
bool LoadGlyphRow(Connection& connection, Recordset& fonts, const ItemRowReader& reader,
                  DefinitionGeometry& strokes, DamageReport& damage) {
  ItemRec glyph;
  if (!reader.Read(fonts, glyph)) {
    if (!fonts.Failed()) damage.Report("The glyph " + reader.Name(fonts) + " has an empty value and was skipped.");
    return false;
  }
  GrowItems();
  Items[++ItemCount] = glyph;  // kind kept as stored, even when not a glyph kind
  CurItem = ItemCount;
  if (glyph.Nlines > 0) strokes.Append(connection, ItemCount, damage, LoadFontLinesTitle);
  return true;
}

}  // namespace

// ---- Support libraries -------------------------------------------------------------------

void LoadFontNames() {
  FontCount = 0;
  OpenTable fonts;
  DamageReport damage(LoadFontNamesTitle);
  if (fonts.Open(FontsDbFile, "Fonts")) {
    int name = fonts.table.FieldIndex("Name");
    for (; !fonts.table.Eof(); fonts.table.MoveNext()) {
      String key = TextOrEmpty(fonts.table, name);
      size_t hyphen = key.find('-');
      if (hyphen == String::npos) {
        damage.Report("The glyph name \"" + key + "\" has no \"-\" and was skipped.");
      } else if (!AddFontName(key.substr(0, hyphen))) {
        damage.Report("Only " + std::to_string(MaxFontNames) + " font names can be listed; \"" +
                      key.substr(0, hyphen) + "\" was left out.");
      }
    }
  }
  if (fonts.Failed()) ShowError(fonts.Error(), LoadFontNamesTitle);
}

void LoadLayerNames() {
  LayerNameCount = 0;
  LayerNameBound = 0;
  LayerNameList.assign(1, LayerNameRec{});
  OpenTable names;
  DamageReport damage(LoadLayerNamesTitle);
  if (names.Open(SettingsDbFile, "LayerNames")) {
    int name = names.table.FieldIndex("Name"), category = names.table.FieldIndex("Category");
    for (; !names.table.Eof(); names.table.MoveNext()) {
      if (names.table.Field(name).IsNull()) {
        if (!names.table.Failed()) damage.Report("A layer name row without a name was skipped.");
        continue;
      }
      // The rows are the stored library: listed, not stored again.
      ListLayerName(names.table.Field(name).AsText(), TextOrEmpty(names.table, category));
    }
  }
  if (names.Failed()) ShowError(names.Error(), LoadLayerNamesTitle);
}

// ---- Glyphs --------------------------------------------------------------------------------

void LoadFont(const String& FontName) {
  GrowItems();
  OpenTable fonts;
  DamageReport damage(LoadFontTitle);
  OpenDbPath = SupportFilePath(FontsDbFile);
  if (fonts.Open(FontsDbFile, "Fonts") && !fonts.table.Eof()) {
    ItemRowReader reader;
    reader.Resolve(fonts.table, ItemColumns::Fonts);
    DefinitionGeometry strokes;  // one pair of reading statements for every glyph
    const String prefix = FontName + "-";
    // A font stored in code order is read in one pass: each search starts
    // after the glyph found last, and only a failed search starts over.
    for (int code = FirstCharCode; code <= LastCharCode; ++code) {
      if (!fonts.table.Find("Name", DbValue(prefix + std::to_string(code)))) break;
      if (fonts.table.Eof()) {
        fonts.table.MoveFirst();
        continue;
      }
      LoadGlyphRow(fonts.connection, fonts.table, reader, strokes, damage);
      fonts.table.MoveNext();
    }
  }
  if (fonts.Failed()) ShowError(fonts.Error(), LoadFontTitle);
}

// ---- Glyph look-up --------------------------------------------------------------------------
// The glyph items by name, letter case ignored, each name giving its first
// glyph item. Items only grow at the end between loads, so the index takes
// in the items appended since it last looked; when there are fewer items
// than it has taken in, the table was cut or emptied and it starts over. An
// item changed in place is caught as well: an answer is checked against
// the item before it is given, and a name the index does not know is
// searched for in the table, as are stale answers.

namespace {

class GlyphIndex {
 public:
  // The first glyph item named key; 0 when there is none.
  Long Find(const String& key) {
    if (ItemCount < taken_) Clear();
    TakeInNewItems();
    auto at = first_.find(key);
    if (at != first_.end() && IsGlyphNamed(at->second, key)) return at->second;
    const Long found = Search(key);
    if (found != 0) {
      first_[key] = found;
    } else if (at != first_.end()) {
      first_.erase(at);
    }
    return found;
  }
  void Clear() {
    first_.clear();
    taken_ = 0;
  }

 private:
  static bool IsGlyphNamed(Long i, const String& key) {
    return i >= 1 && i <= ItemCount && Items[i].Rtype == ItemGlyph && SameTextNoCase(Items[i].Name, key);
  }
  static Long Search(const String& key) {
    for (Long i = 1; i <= ItemCount; ++i)
      if (IsGlyphNamed(i, key)) return i;
    return 0;
  }
  void TakeInNewItems() {
    for (; taken_ < ItemCount; ++taken_) {
      const ItemRec& item = Items[taken_ + 1];
      if (item.Rtype == ItemGlyph) first_.emplace(item.Name, taken_ + 1);  // an earlier one stays first
    }
  }

  std::unordered_map<String, Long, NoCaseHash, NoCaseEqual> first_;  // name -> its first glyph item
  Long taken_ = 0;  // items 1..taken_ are in the index
};

GlyphIndex Glyphs;

}  // namespace

bool FindFontChar(const String& Key) {
  const Long found = Glyphs.Find(Key);
  if (found == 0) return false;
  CurItem = found;
  return true;
}

void ResetLoadFonts() { Glyphs.Clear(); }

namespace {
const ModuleRegistrar Registered({"LoadFonts", FloorStorage, ResetLoadFonts});
}  // namespace

bool LoadFontChar(const String& Key) {
  GrowItems();
  const String title = "Loading Character: " + Key;
  OpenTable fonts;
  DamageReport damage(title);
  bool loaded = false;
  OpenDbPath = SupportFilePath(FontsDbFile);
  if (fonts.Open(FontsDbFile, "Fonts") && fonts.table.Find("Name", DbValue(Key)) && !fonts.table.Eof()) {
    ItemRowReader reader;
    reader.Resolve(fonts.table, ItemColumns::Fonts);
    DefinitionGeometry strokes;
    loaded = LoadGlyphRow(fonts.connection, fonts.table, reader, strokes, damage);
  }
  if (fonts.Failed()) {
    ShowError(fonts.Error(), title);
    return false;
  }
  return loaded;
}

}  // namespace lintavo
