// DbSchema: tables made in a database of the test's own, and how their keys,
// dates, names and lookups behave.
#include <ctime>
#include <gtest/gtest.h>

#include "storage/DbSchema.h"
#include "storage/TestDatabase.h"

namespace lintavo {
namespace {

class DbSchemaTest : public ::testing::Test {
 protected:
  void Create(SchemaSet set) {
    String error;
    ASSERT_TRUE(CreateSchemaTables(db_.Handle(), set, error)) << error;
  }
  // The plan of a query, which names the index it searches with.
  String Plan(const String& sql) {
    std::vector<std::vector<String>> rows = db_.Rows("EXPLAIN QUERY PLAN " + sql);
    return rows.empty() ? "" : rows[0].back();
  }

  TestDatabase db_{":memory:", true};
};

TEST_F(DbSchemaTest, CreatingATableThatExistsKeepsTheTableAndItsRows) {
  Create(SchemaDrawings);
  db_.Exec("INSERT INTO LinkTable (ObjectID, ObjectName) VALUES (4, 'Valve')");
  String error;
  EXPECT_TRUE(CreateSchemaTable(db_.Handle(), "LinkTable", error)) << error;
  EXPECT_EQ(db_.Text("SELECT ObjectName FROM LinkTable WHERE ObjectID = 4"), "Valve");
  EXPECT_EQ(db_.ColumnNames("LinkTable").size(), 12u);
}

TEST_F(DbSchemaTest, KeysAreNeverReusedAfterTheLastRowIsDeleted) {
  Create(SchemaDrawings);
  db_.Exec("INSERT INTO Lines (Rtype) VALUES (2)");
  db_.Exec("INSERT INTO Lines (Rtype) VALUES (2)");
  db_.Exec("DELETE FROM Lines WHERE LineID = 2");
  db_.Exec("INSERT INTO Lines (Rtype) VALUES (3)");
  EXPECT_EQ(db_.Text("SELECT LineID FROM Lines WHERE Rtype = 3"), "3");
}

TEST_F(DbSchemaTest, CreationDateIsTheLocalTimeTheRowWasAdded) {
  Create(SchemaDrawings);
  std::time_t before = std::time(nullptr);
  db_.Exec("INSERT INTO Drawing (Name, Revision) VALUES ('Plan', 'Rev. 0')");
  db_.Exec("INSERT INTO Components (Name) VALUES ('Valve')");
  std::time_t after = std::time(nullptr);

  String stored = db_.Text("SELECT CreationDate FROM Drawing");
  std::tm local{};
  ASSERT_NE(strptime(stored.c_str(), "%Y-%m-%d %H:%M:%S", &local), nullptr) << stored;
  local.tm_isdst = -1;
  std::time_t added = std::mktime(&local);  // read back as local time
  EXPECT_GE(added, before - 1);
  EXPECT_LE(added, after + 1);
  EXPECT_FALSE(db_.Text("SELECT CreationDate FROM Components").empty());
}

TEST_F(DbSchemaTest, NameLookupsIgnoreLetterCaseThroughAnIndex) {
  Create(SchemaFonts);
  Create(SchemaSettings);
  db_.Exec("INSERT INTO Fonts (Name) VALUES ('TEXT-65')");
  db_.Exec("INSERT INTO LayerNames (Name, Category) VALUES ('Walls', 'Architectural')");

  EXPECT_EQ(db_.Text("SELECT Name FROM Fonts WHERE [Name] = 'Text-65'"), "TEXT-65");
  EXPECT_EQ(db_.Text("SELECT Category FROM LayerNames WHERE [Name] = 'WALLS'"), "Architectural");
  EXPECT_NE(Plan("SELECT * FROM Fonts WHERE [Name] = 'Text-65'").find("USING INDEX"), String::npos);
  EXPECT_NE(Plan("SELECT * FROM LayerNames WHERE [Name] = 'WALLS'").find("USING INDEX"), String::npos);
}

TEST_F(DbSchemaTest, OtherTextsCompareExactly) {
  Create(SchemaDrawings);
  db_.Exec("INSERT INTO Drawing (Name, Revision) VALUES ('Plan', 'Rev. 0')");
  EXPECT_EQ(db_.Text("SELECT COUNT(*) FROM Drawing WHERE [Name] = 'PLAN' AND Revision = 'rev. 0'"), "0");
  EXPECT_EQ(db_.Text("SELECT COUNT(*) FROM Drawing WHERE [Name] = 'PLAN' AND Revision = 'Rev. 0'"), "1");
}

TEST_F(DbSchemaTest, LookupsOfTheLoadersAndWritersUseAnIndex) {
  Create(SchemaDrawings);
  Create(SchemaPatterns);
  const char* lookups[] = {
      "SELECT * FROM Drawing WHERE [Name] = 'Plan'",
      "SELECT * FROM Objects WHERE [DrawingID] = 3",
      "SELECT * FROM Objects WHERE [Name] = 'Layer 1'",
      "SELECT * FROM Components WHERE [Name] = 'Valve'",
      "SELECT * FROM Lines WHERE [DrawingID] = 3",
      "SELECT * FROM Lines WHERE [OwnerID] = 7",
      "SELECT * FROM Points WHERE [LineID] = 12",
      "SELECT * FROM PatternLines WHERE [PatternID] = 2",
      "SELECT * FROM LinkTable WHERE [ObjectID] = '5'",
  };
  for (const char* sql : lookups) {
    EXPECT_NE(Plan(sql).find("USING INDEX"), String::npos) << sql << ": " << Plan(sql);
  }
}

TEST_F(DbSchemaTest, LinkRowIsFoundByItsComponentIndexWrittenAsText) {
  Create(SchemaDrawings);
  db_.Exec("INSERT INTO LinkTable (ObjectID, ObjectName) VALUES (5, 'Pump')");
  EXPECT_EQ(db_.Text("SELECT ObjectName FROM LinkTable WHERE [ObjectID] = '5'"), "Pump");
}

TEST_F(DbSchemaTest, UnknownTableIsRefusedByName) {
  String error;
  EXPECT_FALSE(CreateSchemaTable(db_.Handle(), "lines", error));  // names keep their case
  EXPECT_NE(error.find("lines"), String::npos) << error;
  EXPECT_TRUE(db_.TableNames().empty());
}

TEST_F(DbSchemaTest, FailedCreationLeavesNoTableBehind) {
  db_.Exec("CREATE VIEW Points AS SELECT 1 AS LineID");  // the Points index cannot be made on a view
  String error;
  EXPECT_FALSE(CreateSchemaTables(db_.Handle(), SchemaFonts, error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(db_.TableNames().empty()) << "Fonts and Lines must be rolled back";
}

}  // namespace
}  // namespace lintavo
