// The database files the build puts into the application folder: the three
// support databases and the empty default drawings database.
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "storage/TestDatabase.h"
#include "support/ProgramTest.h"

namespace lintavo {
namespace {

const char* DrawingsFile = "Drawings_dwg.mdb";
const char* SettingsFile = "Support/Settings_qz.mdb";
const char* FontsFile = "Support/Fonts_qz.mdb";
const char* PatternsFile = "Support/Patterns_qz.mdb";

class SupportDatabasesTest : public ProgramTest {
 protected:
  String PathOf(const char* file) const { return AppFolder() + "/" + file; }
};

// ---- Tables and columns -----------------------------------------------------

TEST_F(SupportDatabasesTest, EachFileHoldsExactlyItsTables) {
  const std::map<String, std::vector<String>> tables = {
      {DrawingsFile, {"Components", "Drawing", "Lines", "LinkTable", "Objects", "Points"}},
      {SettingsFile, {"LayerNames", "Settings"}},
      {FontsFile, {"Fonts", "Lines", "Points"}},
      {PatternsFile, {"PatternLines", "Patterns"}},
  };
  for (const auto& [file, names] : tables) {
    TestDatabase db(PathOf(file.c_str()));
    EXPECT_EQ(db.TableNames(), names) << file;
  }
}

TEST_F(SupportDatabasesTest, TablesHoldTheirColumnsInOrder) {
  const std::vector<String> lines = {"LineID", "Rtype", "Name", "Show", "Erased", "Flag", "Selected",
                                     "Select", "Color", "Ltype", "Weight", "Width", "Area", "NPoints",
                                     "PointID", "LayerID", "OwnerID", "ObjectID", "DrawingID"};
  const std::vector<String> points = {"PointID", "LineID", "PX", "PY"};
  struct Expected {
    const char* file;
    const char* table;
    std::vector<String> columns;
  };
  const Expected expected[] = {
      {DrawingsFile, "Drawing",
       {"DrawID", "Name", "Revision", "Rtype", "Category", "Description", "PartNumber", "Show", "Nobjects",
        "Nlines", "Nlayers", "BaseX", "BaseY", "Xmin", "Ymin", "Xmax", "Ymax", "Author", "CreationDate",
        "Xlimit", "Ylimit"}},
      {DrawingsFile, "Objects",
       {"ObjectID", "Rtype", "Name", "Category", "Description", "Show", "Lock", "Nlines", "Xorigin",
        "Yorigin", "Xmin", "Ymin", "Xmax", "Ymax", "DrawingID", "Author", "CreationDate"}},
      {DrawingsFile, "Components",
       {"ObjectID", "Rtype", "Name", "Category", "Description", "PartNumber", "LinkType", "LinkTable",
        "LinkField", "Nlines", "Xorigin", "Yorigin", "Xmin", "Ymin", "Xmax", "Ymax", "Author",
        "CreationDate"}},
      {DrawingsFile, "Lines", lines},
      {DrawingsFile, "Points", points},
      {DrawingsFile, "LinkTable",
       {"LinkID", "ObjectID", "ObjectRtype", "ObjectName", "Path", "FileName", "TableName", "FieldName",
        "LinkData", "UserID", "Password", "CreationDate"}},
      {SettingsFile, "LayerNames", {"Name", "Category"}},
      {FontsFile, "Fonts",
       {"ObjectID", "Rtype", "Name", "Description", "Nlines", "Xorigin", "Yorigin", "Xmin", "Ymin", "Xmax",
        "Ymax", "Author", "CreationDate"}},
      {FontsFile, "Lines", lines},
      {FontsFile, "Points", points},
      {PatternsFile, "Patterns", {"PatternID", "Name", "Description", "Type", "Color", "Nlines"}},
      {PatternsFile, "PatternLines",
       {"PlineID", "PatternID", "ANGLE", "Xorigin", "Yorigin", "DeltaX", "DeltaY", "Dash1", "Dash2", "Dash3",
        "Dash4", "Dash5", "Dash6"}},
  };
  for (const Expected& table : expected) {
    TestDatabase db(PathOf(table.file));
    EXPECT_EQ(db.ColumnNames(table.table), table.columns) << table.file << " " << table.table;
  }
}

// Option sets are read and written by column position: key, type, then eight
// texts, sixteen yes/no, eight Integers, eight Longs and eight Singles.
TEST_F(SupportDatabasesTest, SettingsTableHasFiftyColumnsTypedByPosition) {
  TestDatabase db(PathOf(SettingsFile));
  std::vector<String> types = db.ColumnTypes("Settings");
  ASSERT_EQ(types.size(), 50u);
  EXPECT_EQ(db.ColumnNames("Settings")[0], "SettingID");
  EXPECT_EQ(db.Text("SELECT pk FROM pragma_table_info('Settings') WHERE cid = 0"), "1");
  EXPECT_EQ(db.ColumnNames("Settings")[1], "Stype");
  for (size_t i = 1; i < types.size(); ++i) {
    String expected = i >= 2 && i <= 9 ? "TEXT" : i >= 42 ? "REAL" : "INTEGER";
    EXPECT_EQ(types[i].substr(0, expected.size()), expected) << "column " << i;
  }
}

TEST_F(SupportDatabasesTest, DefaultDrawingsDatabaseIsEmpty) {
  TestDatabase db(PathOf(DrawingsFile));
  for (const String& table : db.TableNames()) {
    EXPECT_EQ(db.Text("SELECT COUNT(*) FROM \"" + table + "\""), "0") << table;
  }
}

// ---- Layer names --------------------------------------------------------------

TEST_F(SupportDatabasesTest, LayerLibraryHoldsTheLayersTheDefaultOptionsName) {
  TestDatabase db(PathOf(SettingsFile));
  for (const char* name : {"Layer 1", "Text 1", "Dimension 1", "Boundary 1", "Fills 1", "Hatches 1"}) {
    EXPECT_FALSE(db.Text("SELECT Category FROM LayerNames WHERE Name = '" + String(name) + "'").empty())
        << name;
  }
  EXPECT_NE(db.Text("SELECT COUNT(*) FROM LayerNames WHERE Category = 'General Use'"), "0");
  EXPECT_EQ(db.Text("SELECT COUNT(*) - COUNT(DISTINCT Name) FROM LayerNames"), "0");
  EXPECT_EQ(db.Text("SELECT COUNT(*) FROM LayerNames WHERE IFNULL(Name, '') = '' OR IFNULL(Category, '') = ''"),
            "0");
}

// ---- Stroke fonts -------------------------------------------------------------

// The start-up loader searches the glyphs of "TEXT" forward, code after code.
TEST_F(SupportDatabasesTest, EveryFontHoldsCodes32To126AndTheDegreeSignInAscendingOrder) {
  TestDatabase db(PathOf(FontsFile));
  std::vector<String> names = db.FirstColumn("SELECT Name FROM Fonts ORDER BY ObjectID");
  std::vector<String> fonts;
  for (const String& name : names) {
    String font = name.substr(0, name.find('-'));
    if (fonts.empty() || fonts.back() != font) fonts.push_back(font);
  }
  ASSERT_GE(fonts.size(), 4u);
  EXPECT_EQ(fonts[0], "TEXT");
  std::vector<String> expected;
  for (const String& font : fonts) {
    for (int code = 32; code <= 126; ++code) expected.push_back(font + "-" + std::to_string(code));
    expected.push_back(font + "-176");  // the degree sign angle dimensions write
  }
  EXPECT_EQ(names, expected);  // each font once, all its codes, in order
  EXPECT_EQ(db.Text("SELECT Name FROM Fonts WHERE Name = 'Text-65'"), "TEXT-65");
}

TEST_F(SupportDatabasesTest, GlyphRowsAreCompleteAndCountTheirStrokesAndPoints) {
  TestDatabase db(PathOf(FontsFile));
  EXPECT_EQ(db.Text("SELECT COUNT(*) FROM Fonts WHERE Rtype IS NOT 2 OR Name IS NULL OR Description IS NULL "
                    "OR Nlines IS NULL OR Xorigin IS NOT 0 OR Yorigin IS NOT 0 OR Xmin IS NULL OR Ymin IS NULL "
                    "OR Xmax IS NULL OR Ymax IS NULL OR Author IS NULL OR CreationDate IS NULL"),
            "0");
  EXPECT_EQ(db.Text("SELECT COUNT(*) FROM Fonts f WHERE Nlines <> "
                    "(SELECT COUNT(*) FROM Lines l WHERE l.OwnerID = f.ObjectID AND l.DrawingID = 0)"),
            "0");
  EXPECT_EQ(db.Text("SELECT COUNT(*) FROM Lines l WHERE NPoints <> "
                    "(SELECT COUNT(*) FROM Points p WHERE p.LineID = l.LineID)"),
            "0");
  // Strokes are shown, not erased, of no drawing, and drawn as lines of their glyph.
  EXPECT_EQ(db.Text("SELECT COUNT(*) FROM Lines WHERE Show IS NOT -1 OR Erased IS NOT 0 OR DrawingID IS NOT 0 "
                    "OR ObjectID IS NOT OwnerID OR Rtype IS NOT (CASE WHEN NPoints = 2 THEN 2 ELSE 10 END) "
                    "OR NPoints < 2 OR Name IS NULL OR Flag IS NULL OR Color IS NULL OR Ltype IS NULL "
                    "OR Weight IS NULL OR Width IS NULL OR PointID IS NULL OR LayerID IS NULL"),
            "0");
  EXPECT_EQ(db.Text("SELECT Nlines FROM Fonts WHERE Name = 'TEXT-65'"), "3");  // two sides and the bar
  EXPECT_EQ(db.Text("SELECT Nlines FROM Fonts WHERE Name = 'TEXT-32'"), "0");  // the blank
}

// The loader takes a glyph's strokes forward from its first, and each
// stroke's points forward from the end of the previous stroke.
TEST_F(SupportDatabasesTest, StrokesAndPointsFollowOneAnotherInOrder) {
  TestDatabase db(PathOf(FontsFile));
  EXPECT_EQ(db.Text("SELECT COUNT(*) FROM (SELECT OwnerID, LAG(OwnerID) OVER (ORDER BY LineID) AS prev "
                    "FROM Lines) WHERE OwnerID < prev"),
            "0");
  EXPECT_EQ(db.Text("SELECT COUNT(*) FROM (SELECT LineID, LAG(LineID) OVER (ORDER BY PointID) AS prev "
                    "FROM Points) WHERE LineID < prev"),
            "0");
}

// A glyph's cell runs from (0, 0) on the base line to (1, 1): capitals fill
// its height, centred across it.
TEST_F(SupportDatabasesTest, CapitalsStandOnTheBaseLineAndFillTheCell) {
  TestDatabase db(PathOf(FontsFile));
  const String glyphPoints =
      " FROM Points p JOIN Lines l ON p.LineID = l.LineID JOIN Fonts f ON l.OwnerID = f.ObjectID ";
  std::vector<std::vector<String>> h =
      db.Rows("SELECT MIN(PX), MAX(PX), MIN(PY), MAX(PY)" + glyphPoints + "WHERE f.Name = 'TEXT-72'");
  ASSERT_EQ(h.size(), 1u);
  EXPECT_DOUBLE_EQ(std::stod(h[0][2]), 0.0);
  EXPECT_DOUBLE_EQ(std::stod(h[0][3]), 1.0);
  EXPECT_DOUBLE_EQ((std::stod(h[0][0]) + std::stod(h[0][1])) / 2, 0.5);
  EXPECT_LT(db.Number("SELECT MIN(PY)" + glyphPoints + "WHERE f.Name = 'TEXT-103'"), -0.25);  // 'g'
  // Every stroke of TEXT keeps within its own advance, give or take a twentieth.
  EXPECT_EQ(db.Text("SELECT COUNT(*)" + glyphPoints +
                    "WHERE f.Name LIKE 'TEXT-%' AND (PX < -0.05 OR PX > 1.05)"),
            "0");
}

// Extents decide culling and the dot shown for tiny text: they hold every
// stroke and the whole cell, so a blank is culled like a letter.
TEST_F(SupportDatabasesTest, GlyphExtentsHoldTheCellAndEveryStroke) {
  TestDatabase db(PathOf(FontsFile));
  EXPECT_EQ(db.Text("SELECT COUNT(*) FROM Fonts WHERE Xmin > 0 OR Ymin > 0 OR Xmax < 1 OR Ymax < 1"), "0");
  EXPECT_EQ(db.Text("SELECT COUNT(*) FROM Points p JOIN Lines l ON p.LineID = l.LineID "
                    "JOIN Fonts f ON l.OwnerID = f.ObjectID "
                    "WHERE PX < Xmin OR PX > Xmax OR PY < Ymin OR PY > Ymax"),
            "0");
  EXPECT_EQ(db.Rows("SELECT Xmin, Ymin, Xmax, Ymax FROM Fonts WHERE Name = 'TEXT-32'"),
            (std::vector<std::vector<String>>{{"0.0", "0.0", "1.0", "1.0"}}));
  EXPECT_LT(db.Number("SELECT Ymin FROM Fonts WHERE Name = 'TEXT-103'"), -0.25);
}

// ---- Hatch patterns -----------------------------------------------------------

TEST_F(SupportDatabasesTest, PatternLibraryHasTwelveFamiliesOrMoreEachWithItsLines) {
  TestDatabase db(PathOf(PatternsFile));
  EXPECT_GE(db.Number("SELECT COUNT(*) FROM Patterns"), 12);
  EXPECT_EQ(db.Text("SELECT COUNT(*) - COUNT(DISTINCT Name) FROM Patterns"), "0");
  EXPECT_EQ(db.Text("SELECT COUNT(*) FROM Patterns p WHERE Nlines < 1 OR Nlines <> "
                    "(SELECT COUNT(*) FROM PatternLines l WHERE l.PatternID = p.PatternID)"),
            "0");
  EXPECT_EQ(db.Text("SELECT COUNT(*) FROM PatternLines WHERE PatternID NOT IN (SELECT PatternID FROM Patterns)"),
            "0");
}

// Hatching steps from one line of a family to the next by its spacing.
TEST_F(SupportDatabasesTest, EveryPatternLineHasASpacingAboveZero) {
  TestDatabase db(PathOf(PatternsFile));
  EXPECT_EQ(db.Text("SELECT COUNT(*) FROM PatternLines WHERE NOT DeltaY > 0"), "0");
}

TEST_F(SupportDatabasesTest, PatternColoursKeepRedInTheLowByte) {
  TestDatabase db(PathOf(PatternsFile));
  long water = std::stol(db.Text("SELECT Color FROM Patterns WHERE Name = 'Water'"));
  long brick = std::stol(db.Text("SELECT Color FROM Patterns WHERE Name = 'Brick'"));
  EXPECT_GT((water >> 16) & 0xFF, water & 0xFF);  // blue above red
  EXPECT_GT(brick & 0xFF, (brick >> 16) & 0xFF);  // red above blue
}

}  // namespace
}  // namespace lintavo
