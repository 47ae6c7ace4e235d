// LoadFonts: font names, layer names and glyphs from the support databases.
#include "storage/LoadFonts.h"

#include <algorithm>

#include "annotation/Texthand.h"
#include "app/DataHand.h"
#include "organisation/Layers.h"
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
  for (Integer i = 1; i <= FontCount; ++i)
    if (FontNames[i] == name) return true;
  if (FontCount >= MaxFontNames) return false;
  FontNames[++FontCount] = name;
  return true;
}

// ---- Glyph items and strokes -------------------------------------------------------------------

// Column positions of a Fonts row.
struct GlyphFields {
  int objectId, rtype, name, description, nlines, xorigin, yorigin, xmin, ymin, xmax, ymax, author, created;
  explicit GlyphFields(Recordset& rs)
      : objectId(rs.FieldIndex("ObjectID")), rtype(rs.FieldIndex("Rtype")), name(rs.FieldIndex("Name")),
        description(rs.FieldIndex("Description")), nlines(rs.FieldIndex("Nlines")),
        xorigin(rs.FieldIndex("Xorigin")), yorigin(rs.FieldIndex("Yorigin")), xmin(rs.FieldIndex("Xmin")),
        ymin(rs.FieldIndex("Ymin")), xmax(rs.FieldIndex("Xmax")), ymax(rs.FieldIndex("Ymax")),
        author(rs.FieldIndex("Author")), created(rs.FieldIndex("CreationDate")) {}
};

// Appends the glyph item of the current Fonts row; false (nothing appended)
// when a number of the row is Null.
bool AppendGlyph(Recordset& fonts, const GlyphFields& f) {
  for (int field : {f.objectId, f.rtype, f.nlines, f.xorigin, f.yorigin, f.xmin, f.ymin, f.xmax, f.ymax})
    if (fonts.Field(field).IsNull()) return false;
  NewItemName = TextOrEmpty(fonts, f.name);
  AddItem(ItemGlyph);
  ItemRec& glyph = Items[ItemCount];
  glyph.ObjectID = fonts.Field(f.objectId).AsLong();
  glyph.Rtype = fonts.Field(f.rtype).AsInteger();  // kept as stored, even when not a glyph kind
  glyph.Description = TextOrEmpty(fonts, f.description);
  glyph.Nlines = fonts.Field(f.nlines).AsLong();
  glyph.Xorigin = fonts.Field(f.xorigin).AsDouble();
  glyph.Yorigin = fonts.Field(f.yorigin).AsDouble();
  glyph.Xmin = fonts.Field(f.xmin).AsDouble();
  glyph.Ymin = fonts.Field(f.ymin).AsDouble();
  glyph.Xmax = fonts.Field(f.xmax).AsDouble();
  glyph.Ymax = fonts.Field(f.ymax).AsDouble();
  glyph.Author = TextOrEmpty(fonts, f.author);
  if (!fonts.Field(f.created).IsNull()) glyph.CreationDate = fonts.Field(f.created).AsDate();
  CurItem = ItemCount;
  return true;
}

// Stages the vertices of the stroke in LoadObj into LoadPnts. Returns 0
// when all were read, else the number of the first vertex missing.
Long StageStrokePoints(Connection& connection, Recordset& points, PointRowReader& reader) {
  if (!points.Open(connection, "Points", "LineID", DbValue(LoadObj.LineID)))
    return 1;
  reader.Resolve(points);
  if (LoadObj.NPoints > LoadPntsMax) {
    LoadPntsMax = static_cast<Integer>(std::min<Long>(LoadObj.NPoints + 100, 32767));
    LoadPnts.assign(LoadPntsMax + 1, PntRec{});
  }
  for (Long k = 1; k <= LoadObj.NPoints; ++k, points.MoveNext())
    if (points.Eof() || !reader.Read(points, LoadPnts[k])) return k;
  return 0;
}

String MissingPointText(Long k) {
  if (k == 1) return "First Point Not Found for Line: " + std::to_string(LoadObj.LineID);
  return "Point " + std::to_string(k) + " Not Found for Line: " + std::to_string(LoadObj.LineID);
}

void StageGlyphStroke(Long glyphIndex) {
  LoadObj.OwnerID = glyphIndex;
  if (LoadObj.Rtype < FirstCompoundType) LoadObj.ObjectID = glyphIndex;
  LoadObj.Selected = 0;
  LoadObj.Select = 0;
  LoadObj.Area = 0;
  LoadObj.DrawingID = 0;
  LoadObj.DwgNo = 0;
}

// Appends the strokes of the glyph last appended. A stroke that cannot be
// read whole (a Null value, a missing vertex) is skipped with one message
// and the glyph's other strokes still load. False on a database error.
bool LoadGlyphGeometry(Connection& connection, DamageReport& damage) {
  const Long glyphIndex = ItemCount;
  Recordset lines, points;
  LineRowReader lineReader;
  PointRowReader pointReader;
  if (!lines.Open(connection, "Lines", "OwnerID", DbValue(Items[glyphIndex].ObjectID))) {
    ShowError(lines.Error(), LoadFontLinesTitle);
    return false;
  }
  lineReader.Resolve(lines);
  for (; !lines.Eof(); lines.MoveNext()) {
    if (lineReader.DrawingIdIsNull(lines)) continue;  // geometry of no known drawing
    LoadObj = ObjRec{};
    if (!lineReader.Read(lines, LoadObj)) {
      if (lines.Failed()) break;
      damage.Report("A stroke with an empty value was skipped (LineID " + std::to_string(LoadObj.LineID) + ").");
      continue;
    }
    if (LoadObj.DrawingID != 0) continue;  // a stroke row of some drawing, not of the glyph
    StageGlyphStroke(glyphIndex);
    if (LoadObj.NPoints > 0) {
      Long missing = StageStrokePoints(connection, points, pointReader);
      if (points.Failed()) {
        ShowError(points.Error(), LoadFontLinesTitle);
        return false;
      }
      if (missing) {
        damage.Report(MissingPointText(missing));
        continue;
      }
    }
    AddLoadedObj();
  }
  if (lines.Failed()) {
    ShowError(lines.Error(), LoadFontLinesTitle);
    return false;
  }
  return true;
}

// Appends the glyph of the current Fonts row with its strokes. False when
// the row was damaged (reported) and nothing was appended.
bool LoadGlyphRow(Connection& connection, Recordset& fonts, const GlyphFields& fields, DamageReport& damage) {
  if (!AppendGlyph(fonts, fields)) {
    if (!fonts.Failed()) damage.Report("The glyph " + TextOrEmpty(fonts, fields.name) + " has an empty value and was skipped.");
    return false;
  }
  if (Items[ItemCount].Nlines > 0) LoadGlyphGeometry(connection, damage);
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
      AddLayerName(names.table.Field(name).AsText(), TextOrEmpty(names.table, category));
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
    GlyphFields fields(fonts.table);
    const String prefix = FontName + "-";
    // A font stored in code order is read in one pass: each search starts
    // after the glyph found last, and only a failed search starts over.
    for (int code = FirstCharCode; code <= LastCharCode; ++code) {
      if (!fonts.table.Find("Name", DbValue(prefix + std::to_string(code)))) break;
      if (fonts.table.Eof()) {
        fonts.table.MoveFirst();
        continue;
      }
      LoadGlyphRow(fonts.connection, fonts.table, fields, damage);
      fonts.table.MoveNext();
    }
  }
  if (fonts.Failed()) ShowError(fonts.Error(), LoadFontTitle);
}

bool FindFontChar(const String& Key) {
  for (Long i = 1; i <= ItemCount; ++i) {
    if (Items[i].Rtype == ItemGlyph && SameTextNoCase(Items[i].Name, Key)) {
      CurItem = i;
      return true;
    }
  }
  return false;
}

bool LoadFontChar(const String& Key) {
  GrowItems();
  const String title = "Loading Character: " + Key;
  OpenTable fonts;
  DamageReport damage(title);
  bool loaded = false;
  OpenDbPath = SupportFilePath(FontsDbFile);
  if (fonts.Open(FontsDbFile, "Fonts") && fonts.table.Find("Name", DbValue(Key)) && !fonts.table.Eof()) {
    GlyphFields fields(fonts.table);
    loaded = LoadGlyphRow(fonts.connection, fonts.table, fields, damage);
  }
  if (fonts.Failed()) {
    ShowError(fonts.Error(), title);
    return false;
  }
  return loaded;
}

}  // namespace lintavo
