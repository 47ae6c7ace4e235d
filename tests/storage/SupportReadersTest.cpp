// Reading the support libraries: hatch patterns, font names, glyphs with
// their strokes, and the layer-name library.
#include <QFile>
#include <functional>

#include "annotation/Hatches.h"
#include "annotation/Texthand.h"
#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/ServicesAbove.h"
#include "model/SupportLists.h"
#include "organisation/Layers.h"
#include "platform/TextCompare.h"
#include "storage/DbSchema.h"
#include "storage/LoadData.h"
#include "storage/LoadFonts.h"
#include "storage/SaveData.h"
#include "storage/SupportFiles.h"
#include "storage/TestDatabase.h"
#include "support/ProgramTest.h"

namespace lintavo {
namespace {

class SupportReadersTest : public ProgramTest {
 protected:
  String SupportPath(const String& file) const { return AppFolder() + "/Support/" + file; }

  // Replaces a support database of the test's application folder by an
  // empty one with the tables of the set, and runs the statements on it.
  void MakeSupportDatabase(const String& file, SchemaSet set, const std::vector<String>& statements) {
    QFile::remove(QString::fromStdString(SupportPath(file)));
    TestDatabase db(SupportPath(file), true);
    String error;
    ASSERT_TRUE(CreateSchemaTables(db.Handle(), set, error)) << error;
    for (const String& sql : statements) db.Exec(sql);
  }

  // A glyph row with one stroke of two points, keyed objectId.
  static std::vector<String> Glyph(int objectId, const String& name, int strokes = 1) {
    std::vector<String> sql = {
        "INSERT INTO Fonts (ObjectID, Rtype, Name, Description, Nlines, Xorigin, Yorigin, Xmin, Ymin, Xmax, Ymax, "
        "Author) VALUES (" + std::to_string(objectId) + ", 2, '" + name + "', '', " + std::to_string(strokes) +
        ", 0, 0, 0, 0, 1, 1, 'test')"};
    for (int s = 1; s <= strokes; ++s) {
      int line = objectId * 10 + s;
      sql.push_back("INSERT INTO Lines (LineID, Rtype, Name, Show, Erased, Flag, Selected, \"Select\", Color, Ltype, "
                    "Weight, Width, Area, NPoints, PointID, LayerID, OwnerID, ObjectID, DrawingID) VALUES (" +
                    std::to_string(line) + ", 2, '', -1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 2, 0, 0, " +
                    std::to_string(objectId) + ", 0, 0)");
      sql.push_back("INSERT INTO Points (LineID, PX, PY) VALUES (" + std::to_string(line) + ", 0.25, 0)");
      sql.push_back("INSERT INTO Points (LineID, PX, PY) VALUES (" + std::to_string(line) + ", 0.75, " +
                    std::to_string(s) + ")");
    }
    return sql;
  }

  static std::vector<String> Join(std::vector<std::vector<String>> parts) {
    std::vector<String> all;
    for (auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
  }
};

// ---- Patterns ------------------------------------------------------------------------------

TEST_F(SupportReadersTest, PatternsLoadInRowOrderWithTheirLines) {
  MakeSupportDatabase(PatternsDbFile, SchemaPatterns,
                      {"INSERT INTO Patterns VALUES (1, 'P', 'one line', 1, 255, 1)",
                       "INSERT INTO Patterns VALUES (2, 'Q', 'three lines', 1, 0, 3)",
                       "INSERT INTO Patterns VALUES (3, 'R', 'stored without lines', 1, 0, 0)",
                       "INSERT INTO PatternLines VALUES (1, 2, 45, 0, 0, 0, 0.1, 0, 0, 0, 0, 0, 0)",
                       "INSERT INTO PatternLines VALUES (2, 1, 0, 0, 0, 0, 0.2, 0.5, 0.25, 0, 0, 0, 0)",
                       "INSERT INTO PatternLines VALUES (3, 2, 90, 0, 0, 0, 0.1, 0, 0, 0, 0, 0, 0)",
                       "INSERT INTO PatternLines VALUES (4, 2, 135, 0, 0, 0, 0.1, 0, 0, 0, 0, 0, 0)",
                       "INSERT INTO PatternLines VALUES (5, 3, 0, 0, 0, 0, 0.1, 0, 0, 0, 0, 0, 0)",
                       "INSERT INTO PatternLines VALUES (6, 9, 0, 0, 0, 0, 0.1, 0, 0, 0, 0, 0, 0)"});
  LoadPatterns();
  ASSERT_EQ(PatternCount, 3);
  EXPECT_EQ(HatchPatterns[1].Name, "P");
  EXPECT_EQ(HatchPatterns[1].Color, 255);
  EXPECT_EQ(HatchPatterns[2].Name, "Q");
  ASSERT_EQ(PatternLineCount, 4);  // P's one and Q's three; R and the orphan give none
  EXPECT_EQ(HatchPatternLines[1].PatternID, 1);
  EXPECT_FLOAT_EQ(HatchPatternLines[1].Dash1, 0.5f);
  EXPECT_FLOAT_EQ(HatchPatternLines[2].ANGLE, 45.0f);
  EXPECT_FLOAT_EQ(HatchPatternLines[4].ANGLE, 135.0f);
  EXPECT_TRUE(Responder().Prompts().empty());
}

TEST_F(SupportReadersTest, DamagedPatternRowIsSkippedWithOneMessage) {
  MakeSupportDatabase(PatternsDbFile, SchemaPatterns,
                      {"INSERT INTO Patterns VALUES (1, 'A', '', 1, NULL, 0)",
                       "INSERT INTO Patterns VALUES (2, 'B', '', NULL, 0, 0)",
                       "INSERT INTO Patterns VALUES (3, 'C', '', 1, 0, 0)"});
  Responder().AnswerMsgBox(vbOK);
  LoadPatterns();
  ASSERT_EQ(PatternCount, 1);
  EXPECT_EQ(HatchPatterns[1].Name, "C");
  ASSERT_EQ(Responder().Prompts().size(), 1u);
  EXPECT_EQ(Responder().Prompts()[0].title, "Load Patterns");
}

TEST_F(SupportReadersTest, BuiltPatternLibraryLoads) {
  LoadPatterns();
  EXPECT_GE(PatternCount, 12);
  EXPECT_GE(PatternLineCount, PatternCount);
  EXPECT_TRUE(Responder().Prompts().empty());
}

// ---- Font names and glyphs --------------------------------------------------------------------

TEST_F(SupportReadersTest, FontNamesAreTheTextBeforeTheHyphenOnceEach) {
  MakeSupportDatabase(FontsDbFile, SchemaFonts,
                      Join({Glyph(1, "Roman-65"), Glyph(2, "Roman-66"), Glyph(3, "TEXT-65")}));
  LoadFontNames();
  ASSERT_EQ(FontCount, 2);
  EXPECT_EQ(FontNames[1], "Roman");
  EXPECT_EQ(FontNames[2], "TEXT");
}

TEST_F(SupportReadersTest, NameWithoutHyphenOrBeyondTheListIsSkippedNotFatal) {
  std::vector<String> rows = {"INSERT INTO Fonts (Rtype, Name, Nlines, Xorigin, Yorigin, Xmin, Ymin, Xmax, Ymax) "
                              "VALUES (2, 'NoHyphen', 0, 0, 0, 0, 0, 0, 0)"};
  for (int font = 1; font <= 202; ++font)
    rows.push_back("INSERT INTO Fonts (Rtype, Name, Nlines, Xorigin, Yorigin, Xmin, Ymin, Xmax, Ymax) VALUES (2, 'F" +
                   std::to_string(font) + "-65', 0, 0, 0, 0, 0, 0, 0)");
  MakeSupportDatabase(FontsDbFile, SchemaFonts, rows);
  Responder().AnswerMsgBox(vbOK);
  LoadFontNames();
  EXPECT_EQ(FontCount, 200);
  EXPECT_EQ(FontNames[1], "F1");
  EXPECT_EQ(FontNames[200], "F200");
  ASSERT_EQ(Responder().Prompts().size(), 1u);  // one message for the whole load
  EXPECT_EQ(Responder().Prompts()[0].title, "Load Font Names ");
}

TEST_F(SupportReadersTest, LoadFontAppendsTheFontsGlyphsWithTheirStrokes) {
  MakeSupportDatabase(FontsDbFile, SchemaFonts,
                      Join({Glyph(1, "Roman-65"), Glyph(2, "TEXT-65", 2), Glyph(3, "Roman-66")}));
  LoadFont("TEXT");
  ASSERT_EQ(ItemCount, 1);
  EXPECT_EQ(Items[1].Name, "TEXT-65");
  EXPECT_EQ(Items[1].Rtype, ItemGlyph);
  EXPECT_EQ(Items[1].DwgNo, 0);
  ASSERT_EQ(ObjCount, 2);
  EXPECT_EQ(Objs[2].OwnerID, 1);
  EXPECT_EQ(Objs[2].ObjectID, 1);
  EXPECT_EQ(Objs[2].NPoints, 2);
  EXPECT_DOUBLE_EQ(Pnts[Objs[2].PointID + 1].Y, 2.0);  // the second stroke's own points, in order
  EXPECT_EQ(PntCount, 4);
}

TEST_F(SupportReadersTest, GlyphsStoredOutOfOrderAreSkippedAtLoadAndFoundOnDemand) {
  MakeSupportDatabase(FontsDbFile, SchemaFonts,
                      Join({Glyph(1, "TEXT-65"), Glyph(2, "TEXT-64"), Glyph(3, "TEXT-66")}));
  LoadFont("TEXT");
  ASSERT_EQ(ItemCount, 2);  // 64 found; 65 lies before it and is skipped; 66 after a fresh start
  EXPECT_EQ(Items[1].Name, "TEXT-64");
  EXPECT_EQ(Items[2].Name, "TEXT-66");
  EXPECT_FALSE(FindFontChar("TEXT-65"));
  EXPECT_TRUE(LoadFontChar("TEXT-65"));
  EXPECT_EQ(CurItem, 3);
}

TEST_F(SupportReadersTest, LookupsIgnoreLetterCaseAsTheDatabaseDoes) {
  MakeSupportDatabase(FontsDbFile, SchemaFonts, Glyph(1, "Text-65"));
  LoadFont("TEXT");
  ASSERT_EQ(ItemCount, 1);
  EXPECT_EQ(Items[1].Name, "Text-65");  // the name as stored
  EXPECT_TRUE(FindFontChar("TEXT-65"));  // so a redraw never loads a second copy
  EXPECT_EQ(CurItem, 1);
}

TEST_F(SupportReadersTest, AbsentGlyphIsFalseWithoutAMessage) {
  MakeSupportDatabase(FontsDbFile, SchemaFonts, Glyph(1, "TEXT-65"));
  EXPECT_FALSE(LoadFontChar("TEXT-90"));
  EXPECT_FALSE(LoadFontChar("O'Brien-65"));  // a quote is an ordinary character
  EXPECT_EQ(ItemCount, 0);
  EXPECT_TRUE(Responder().Prompts().empty());
}

TEST_F(SupportReadersTest, StrokeWithAMissingPointIsSkippedAndTheOthersLoad) {
  std::vector<String> rows = Glyph(1, "TEXT-65", 3);
  rows.push_back("DELETE FROM Points WHERE LineID = 12 AND PY <> 0");  // stroke 2 loses its second point
  MakeSupportDatabase(FontsDbFile, SchemaFonts, rows);
  Responder().AnswerMsgBox(vbOK);
  EXPECT_TRUE(LoadFontChar("TEXT-65"));
  EXPECT_EQ(ObjCount, 2);  // strokes 1 and 3
  EXPECT_DOUBLE_EQ(Pnts[Objs[2].PointID + 1].Y, 3.0);
  ASSERT_EQ(Responder().Prompts().size(), 1u);
  EXPECT_EQ(Responder().Prompts()[0].text, "Point 2 Not Found for Line: 12");
}

// The first glyph item named key, letter case ignored, by a plain scan of
// the items: what the glyph look-up must answer. 0 for none.
Long FirstGlyphByScan(const String& key) {
  for (Long i = 1; i <= ItemCount; ++i)
    if (Items[i].Rtype == ItemGlyph && SameTextNoCase(Items[i].Name, key)) return i;
  return 0;
}

TEST_F(SupportReadersTest, GlyphLookUpAnswersAsAScanOfTheItemsThroughLoadsAndChanges) {
  MakeSupportDatabase(FontsDbFile, SchemaFonts,
                      Join({Glyph(1, "TEXT-65"), Glyph(2, "Text-66"), Glyph(3, "Roman-65"), Glyph(4, "TEXT-67")}));
  const auto loadGlyph = [](const char* key) { return [key] { LoadFontChar(key); }; };
  const auto appendItem = [](Integer kind, const char* name) {
    return [kind, name] {
      NewItemName = name;
      AddItem(kind);
    };
  };
  const std::vector<std::pair<const char*, std::function<void()>>> changes = {
      {"nothing loaded", [] {}},
      {"the font loaded", [] { LoadFont("TEXT"); }},
      {"a glyph loaded mid-session by another case of its name", loadGlyph("ROMAN-65")},
      {"a layer named like a glyph appended", appendItem(ItemLayer, "TEXT-68")},
      {"a second copy of a glyph loaded", loadGlyph("text-65")},
      {"a glyph renamed in place", [] { Items[1].Name = "TEXT-68"; }},
      {"a glyph made a group in place", [] { Items[2].Rtype = ItemGroup; }},
      {"a layer made a glyph in place", [] { Items[FirstGlyphByScan("ROMAN-65") + 1].Rtype = ItemGlyph; }},
      {"the items cut back", [] { ItemCount = 2; }},
      {"the items cut and grown back to their count with other glyphs",
       [] {
         const Long count = ItemCount;
         ItemCount -= 2;
         LoadFontChar("TEXT-67");
         LoadFontChar("ROMAN-65");
         ASSERT_EQ(ItemCount, count);
       }},
      {"the program reset and a glyph loaded", [] {
         ResetProgramState();
         LoadFontChar("TEXT-66");
       }}};
  const char* const keys[] = {"TEXT-65", "text-65", "Text-66", "TEXT-66", "TEXT-67", "roman-65", "TEXT-68",
                              "TEXT-6",  "TEXT-650", "TEXT_65", ""};
  for (const auto& [change, apply] : changes) {
    SCOPED_TRACE(change);
    apply();
    for (const char* key : keys) {
      CurItem = -7;
      const Long expected = FirstGlyphByScan(key);
      EXPECT_EQ(FindFontChar(key), expected != 0) << key;
      EXPECT_EQ(CurItem, expected != 0 ? expected : -7) << key;
    }
  }
}

TEST_F(SupportReadersTest, BuiltFontsDatabaseHasTheWholeTextFont) {
  LoadFontNames();
  EXPECT_GE(FontCount, 2);
  LoadFont("TEXT");
  EXPECT_EQ(ItemCount, 95);
  EXPECT_TRUE(FindFontChar("TEXT-65"));
  EXPECT_GT(Items[CurItem].Nlines, 0);
  EXPECT_TRUE(Responder().Prompts().empty());
}

// ---- Layer names ------------------------------------------------------------------------------

TEST_F(SupportReadersTest, StoredLayerNameKeepsItsCategoryAndAddsNoRow) {
  MakeSupportDatabase(SettingsDbFile, SchemaSettings,
                      {"INSERT INTO LayerNames VALUES ('Walls', 'General Use')"});
  String name = "Walls", category = "Architecture";
  SaveLayerName(name, category);
  name = "O'Neil's \"layer\"";
  SaveLayerName(name, category);
  TestDatabase db(SupportPath(SettingsDbFile));
  EXPECT_EQ(db.Rows("SELECT Name, Category FROM LayerNames ORDER BY rowid"),
            (std::vector<std::vector<String>>{{"Walls", "General Use"}, {"O'Neil's \"layer\"", "Architecture"}}));
}

TEST_F(SupportReadersTest, LayerNamesLoadOncePerNameWithTheFirstCategory) {
  MakeSupportDatabase(SettingsDbFile, SchemaSettings,
                      {"INSERT INTO LayerNames VALUES ('Walls', 'Building')",
                       "INSERT INTO LayerNames VALUES ('Walls', 'Other')",
                       "INSERT INTO LayerNames VALUES ('Doors', NULL)"});
  LoadLayerNames();
  ASSERT_EQ(LayerNameCount, 2);
  EXPECT_EQ(LayerNameBound, 100);
  EXPECT_EQ(LayerNameList[1].Category, "Building");
  EXPECT_EQ(LayerNameList[2].Name, "Doors");
  TestDatabase db(SupportPath(SettingsDbFile));
  EXPECT_EQ(db.Number("SELECT COUNT(*) FROM LayerNames"), 3);  // nothing written back
}

// The library's rows are stored already: reading them asks the store for
// nothing, while a name the program makes is stored once.
TEST_F(SupportReadersTest, ReadingTheLayerNameLibraryStoresNothingBack) {
  static std::vector<String> stored;
  stored.clear();
  auto* const saved = ServicesAbove.StoreLayerName;
  ServicesAbove.StoreLayerName = [](const String& Name, const String&) { stored.push_back(Name); };
  MakeSupportDatabase(SettingsDbFile, SchemaSettings,
                      {"INSERT INTO LayerNames VALUES ('Walls', 'Building')",
                       "INSERT INTO LayerNames VALUES ('Doors', 'Building')"});
  LoadLayerNames();
  const size_t storedByTheReader = stored.size();
  AddLayerName("Windows", "General Use");
  AddLayerName("Walls", "General Use");  // listed: not stored again
  ServicesAbove.StoreLayerName = saved;
  EXPECT_EQ(LayerNameCount, 3);
  EXPECT_EQ(storedByTheReader, 0u);
  EXPECT_EQ(stored, std::vector<String>{"Windows"});
}

TEST_F(SupportReadersTest, LayerNameListGrowsBeforeItFills) {
  for (int i = 1; i <= 90; ++i) AddLayerName("L" + std::to_string(i), "General Use");
  EXPECT_EQ(LayerNameBound, 100);
  AddLayerName("L91", "General Use");
  EXPECT_EQ(LayerNameBound, 100);
  AddLayerName("L92", "General Use");  // 91 + 10 > 100
  EXPECT_EQ(LayerNameBound, 200);
  AddLayerName("l92", "General Use");  // differs in case: a second entry
  EXPECT_EQ(LayerNameCount, 93);
}

}  // namespace
}  // namespace lintavo
