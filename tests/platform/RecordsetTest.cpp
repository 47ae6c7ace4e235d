// Recordsets: key order, Find, adding, changing and deleting rows, field
// types and names, Null, related child rows, and failures; row cursors.
#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "platform/Database.h"
#include "platform/Recordset.h"
#include "support/ScratchDatabase.h"

namespace lintavo {
namespace {

// Lines and Points as a drawings database keeps them, with a column named
// by a keyword and an index that orders points other than by key.
const char* const DrawingTables =
    "CREATE TABLE Lines (LineID INTEGER PRIMARY KEY AUTOINCREMENT, Rtype INTEGER, Name TEXT,"
    " \"Select\" INTEGER, Width REAL, DrawingID INTEGER,"
    " CreationDate TEXT DEFAULT (datetime('now', 'localtime')));"
    "CREATE TABLE Points (PointID INTEGER PRIMARY KEY AUTOINCREMENT, LineID INTEGER,"
    " PX REAL, PY REAL);"
    "CREATE INDEX PointsByLine ON Points (LineID, PX);";

class RecordsetTest : public ScratchDatabaseTest {
 protected:
  void SetUp() override {
    ScratchDatabaseTest::SetUp();
    OpenNewDatabase(connection_, DrawingTables);
    ASSERT_TRUE(lines_.Open(connection_, "Lines")) << ErrorText(lines_.Error());
  }

  // Adds a line row; its new key.
  Long AddLine(const String& name, Long rtype = 2, Long drawingID = 1) {
    EXPECT_TRUE(lines_.AddNew());
    EXPECT_TRUE(lines_.Field("Name").SetText(name));
    EXPECT_TRUE(lines_.Field("Rtype").SetLong(rtype));
    EXPECT_TRUE(lines_.Field("DrawingID").SetLong(drawingID));
    EXPECT_TRUE(lines_.Update()) << ErrorText(lines_.Error());
    return lines_.Field("LineID").AsLong();
  }

  void AddPoint(Long lineID, Double x) {
    ASSERT_TRUE(connection_.Execute("INSERT INTO Points (LineID, PX, PY) VALUES (" +
                                    std::to_string(lineID) + ", " + std::to_string(x) + ", 0)"));
  }

  Connection connection_;
  Recordset lines_;  // the whole Lines table
};

TEST_F(RecordsetTest, FindMatchesQuotesPercentAndUnderscoreLiterally) {
  const Long wildcardMatch = AddLine("500 off");  // what LIKE '50%_off' would find first
  const Long percent = AddLine("50%_off");
  const Long quoted = AddLine("O'Brien's plan");

  ASSERT_TRUE(lines_.MoveFirst());
  ASSERT_TRUE(lines_.Find("Name", "O'Brien's plan"));
  EXPECT_EQ(lines_.Field("LineID").AsLong(), quoted);
  ASSERT_TRUE(lines_.MoveFirst());
  ASSERT_TRUE(lines_.Find("Name", "50%_off"));
  EXPECT_EQ(lines_.Field("LineID").AsLong(), percent);
  EXPECT_NE(percent, wildcardMatch);

  for (const char* absent : {"50%", "50_off", "O'Brien", "'"}) {
    ASSERT_TRUE(lines_.MoveFirst());
    ASSERT_TRUE(lines_.Find("Name", absent)) << ErrorText(lines_.Error());
    EXPECT_TRUE(lines_.Eof()) << absent;
  }
}

TEST_F(RecordsetTest, FindIgnoresCaseUnlessAskedToMatchExactly) {
  const Long glyph = AddLine("Text-65");
  ASSERT_TRUE(lines_.MoveFirst());
  ASSERT_TRUE(lines_.Find("Name", "TEXT-65"));
  EXPECT_EQ(lines_.Field("LineID").AsLong(), glyph);

  ASSERT_TRUE(lines_.MoveFirst());
  ASSERT_TRUE(lines_.Find("Name", "TEXT-65", TextMatch::Exact));
  EXPECT_TRUE(lines_.Eof());
  ASSERT_TRUE(lines_.MoveFirst());
  ASSERT_TRUE(lines_.Find("Name", "Text-65", TextMatch::Exact));
  EXPECT_EQ(lines_.Field("LineID").AsLong(), glyph);
}

TEST_F(RecordsetTest, FindSearchesFromTheCurrentRowForward) {
  const Long first = AddLine("a", 2);
  AddLine("b", 3);
  const Long third = AddLine("c", 2);

  ASSERT_TRUE(lines_.MoveFirst());
  ASSERT_TRUE(lines_.Find("Rtype", 2));
  EXPECT_EQ(lines_.Field("LineID").AsLong(), first);
  ASSERT_TRUE(lines_.Find("Rtype", 2));  // the current row is searched too
  EXPECT_EQ(lines_.Field("LineID").AsLong(), first);
  ASSERT_TRUE(lines_.MoveNext());
  ASSERT_TRUE(lines_.Find("Rtype", 2));
  EXPECT_EQ(lines_.Field("LineID").AsLong(), third);
  ASSERT_TRUE(lines_.MoveNext());
  ASSERT_TRUE(lines_.Find("Rtype", 2));
  EXPECT_TRUE(lines_.Eof());
}

TEST_F(RecordsetTest, AddedRowGetsAFreshKeyNeverReusedAfterDelete) {
  const Long first = AddLine("a");
  const Long second = AddLine("b");
  EXPECT_GT(second, first);
  ASSERT_TRUE(lines_.Delete());  // the row just added
  const Long third = AddLine("c");
  EXPECT_GT(third, second);

  ASSERT_TRUE(lines_.MoveFirst());
  ASSERT_TRUE(lines_.Find("LineID", second));
  EXPECT_TRUE(lines_.Eof());
}

TEST_F(RecordsetTest, AddedRowReadsBackItsDefaultCreationDate) {
  AddLine("a");
  const QDateTime created = lines_.Field("CreationDate").AsDate();
  ASSERT_TRUE(created.isValid()) << ErrorText(lines_.Error());
  EXPECT_LE(std::abs(created.secsTo(QDateTime::currentDateTime())), 60);
  EXPECT_EQ(lines_.Field("Name").AsText(), "a");
}

TEST_F(RecordsetTest, SingleWrittenAsPointOneReadsBackAsSinglePointOne) {
  ASSERT_TRUE(lines_.AddNew());
  ASSERT_TRUE(lines_.Field("Width").SetSingle(0.1));
  ASSERT_TRUE(lines_.Update());
  ASSERT_TRUE(lines_.AddNew());
  ASSERT_TRUE(lines_.Field("Width").SetDouble(0.1));
  ASSERT_TRUE(lines_.Update());

  Recordset stored;
  ASSERT_TRUE(stored.Open(connection_, "Lines"));
  EXPECT_EQ(stored.Field("Width").AsSingle(), 0.1f);
  EXPECT_EQ(stored.Field("Width").AsDouble(), static_cast<Double>(0.1f));
  ASSERT_TRUE(stored.MoveNext());
  EXPECT_EQ(stored.Field("Width").AsDouble(), 0.1);
  EXPECT_EQ(stored.Field("Width").AsSingle(), 0.1f);  // rounded on read
}

TEST_F(RecordsetTest, NullStaysDistinctFromEmptyTextAndZero) {
  ASSERT_TRUE(connection_.Execute("INSERT INTO Lines (Name, Rtype) VALUES (NULL, NULL), ('', 0)"));
  Recordset rows;
  ASSERT_TRUE(rows.Open(connection_, "Lines"));
  ASSERT_TRUE(rows.MoveNext());
  EXPECT_FALSE(rows.Field("Name").IsNull());
  EXPECT_FALSE(rows.Field("Rtype").IsNull());
  EXPECT_EQ(rows.Field("Name").AsText(), "");
  EXPECT_EQ(rows.Field("Rtype").AsLong(), 0);

  ASSERT_TRUE(rows.MoveFirst());
  EXPECT_TRUE(rows.Field("Name").IsNull());
  EXPECT_TRUE(rows.Field("Rtype").IsNull());
  EXPECT_EQ(rows.Field("Name").AsText(), "");  // a Null is no text: a failure
  EXPECT_EQ(rows.Error().Number, DbErrInvalidNull);
  EXPECT_TRUE(rows.Eof());
}

TEST_F(RecordsetTest, FieldsByNameIgnoreCaseAndByOrdinalFollowColumnOrder) {
  ASSERT_EQ(lines_.FieldCount(), 7);
  EXPECT_EQ(lines_.FieldName(0), "LineID");
  EXPECT_EQ(lines_.FieldName(3), "Select");
  EXPECT_EQ(lines_.FieldIndex("SELECT"), 3);
  EXPECT_EQ(lines_.FieldIndex("drawingid"), 5);
  EXPECT_EQ(lines_.FieldIndex("Selected"), -1);

  ASSERT_TRUE(lines_.AddNew());
  ASSERT_TRUE(lines_.Field("select").SetLong(Flag(true)));  // a keyword as column name
  ASSERT_TRUE(lines_.Field(2).SetText("by ordinal"));
  ASSERT_TRUE(lines_.Update()) << ErrorText(lines_.Error());
  Recordset stored;
  ASSERT_TRUE(stored.Open(connection_, "Lines"));
  EXPECT_EQ(stored.Field(3).AsInteger(), -1);
  EXPECT_EQ(stored.Field("NAME").AsText(), "by ordinal");

  EXPECT_EQ(stored.Field("Selected").AsLong(), 0);
  EXPECT_EQ(ErrorText(stored.Error()), "10005: Field not found: Selected");
}

TEST_F(RecordsetTest, ChildRowsBelongToTheirParentInKeyOrder) {
  const Long a = AddLine("a");
  const Long b = AddLine("b");
  AddLine("no points");
  const Long other = AddLine("other drawing", 2, 7);
  for (auto [line, x] : {std::pair{a, 9.0}, {b, 5.0}, {a, 3.0}, {other, 1.0}, {a, 7.0}, {b, 2.0}}) {
    AddPoint(line, x);
  }

  Recordset drawing;
  ASSERT_TRUE(drawing.Open(connection_, "Lines", "DrawingID", 1));
  ASSERT_TRUE(drawing.Relate("Points", "LineID", "LineID")) << ErrorText(drawing.Error());
  Recordset& points = drawing.Children();
  const int px = points.FieldIndex("PX");
  std::vector<std::vector<Double>> read;
  for (; !drawing.Eof(); drawing.MoveNext()) {
    read.emplace_back();
    for (; !points.Eof(); points.MoveNext()) read.back().push_back(points.Field(px).AsDouble());
  }
  EXPECT_FALSE(drawing.Failed() || points.Failed());
  EXPECT_EQ(read, (std::vector<std::vector<Double>>{{9, 3, 7}, {5, 2}, {}}));
}

TEST_F(RecordsetTest, RequerySelectsTheRowsOfEachNewValueWithTheirChildRows) {
  const Long a = AddLine("a", 2, 1);
  const Long b = AddLine("b", 2, 7);
  const Long c = AddLine("c", 2, 1);
  for (auto [line, x] : {std::pair{a, 1.0}, {b, 2.0}, {c, 3.0}, {a, 4.0}}) AddPoint(line, x);

  Recordset drawing;
  ASSERT_TRUE(drawing.Open(connection_, "Lines", "DrawingID", 7));
  ASSERT_TRUE(drawing.Relate("Points", "LineID", "LineID"));
  Recordset& points = drawing.Children();
  const int name = drawing.FieldIndex("Name"), px = points.FieldIndex("PX");
  // Each value read as a fresh Open on it reads: names, each with its points.
  const std::vector<std::pair<Long, std::vector<std::pair<String, std::vector<Double>>>>> cases = {
      {1, {{"a", {1, 4}}, {"c", {3}}}}, {7, {{"b", {2}}}}, {5, {}}, {1, {{"a", {1, 4}}, {"c", {3}}}}};
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE("DrawingID " + std::to_string(value));
    ASSERT_TRUE(drawing.Requery(value)) << ErrorText(drawing.Error());
    std::vector<std::pair<String, std::vector<Double>>> read;
    for (; !drawing.Eof(); drawing.MoveNext()) {
      read.push_back({drawing.Field(name).AsText(), {}});
      for (; !points.Eof(); points.MoveNext()) read.back().second.push_back(points.Field(px).AsDouble());
    }
    EXPECT_FALSE(drawing.Failed() || points.Failed());
    EXPECT_EQ(read, expected);
  }
  // A recordset of the whole table has no value to select by.
  EXPECT_FALSE(lines_.Requery(1));
  EXPECT_TRUE(lines_.Failed());
}

TEST_F(RecordsetTest, ChangingRowsInAReadLoopWritesEachRowOnce) {
  for (const char* name : {"a", "b", "c", "d"}) AddLine(name, 2);
  int visited = 0;
  ASSERT_TRUE(lines_.MoveFirst());
  for (; !lines_.Eof(); lines_.MoveNext()) {
    ASSERT_TRUE(lines_.Field("Rtype").SetLong(lines_.Field("Rtype").AsLong() + 10));
    ASSERT_TRUE(lines_.Update()) << ErrorText(lines_.Error());
    ++visited;
  }
  EXPECT_EQ(visited, 4);

  ASSERT_TRUE(lines_.MoveFirst());
  ASSERT_TRUE(lines_.Find("Name", "c"));
  const Long changed = lines_.Field("LineID").AsLong();
  ASSERT_TRUE(lines_.Field("Name").SetText("C changed"));
  ASSERT_TRUE(lines_.Update());
  EXPECT_EQ(lines_.Field("LineID").AsLong(), changed);  // the row's other fields stay readable
  EXPECT_EQ(lines_.Field("Rtype").AsLong(), 12);

  std::vector<String> names;
  Recordset stored;
  ASSERT_TRUE(stored.Open(connection_, "Lines"));
  for (; !stored.Eof(); stored.MoveNext()) {
    EXPECT_EQ(stored.Field("Rtype").AsLong(), 12);
    names.push_back(stored.Field("Name").AsText());
  }
  EXPECT_EQ(names, (std::vector<String>{"a", "b", "C changed", "d"}));
}

TEST_F(RecordsetTest, MoveStepsForwardAndBackInKeyOrder) {
  for (const char* name : {"a", "b", "c", "d"}) AddLine(name);
  ASSERT_TRUE(lines_.MoveFirst());
  ASSERT_TRUE(lines_.Move(2));
  EXPECT_EQ(lines_.Field("Name").AsText(), "c");
  ASSERT_TRUE(lines_.Move(-1));
  EXPECT_EQ(lines_.Field("Name").AsText(), "b");
  ASSERT_TRUE(lines_.Move(5));
  EXPECT_TRUE(lines_.Eof());
  ASSERT_TRUE(lines_.Move(-1));  // from the end back to the last row
  EXPECT_EQ(lines_.Field("Name").AsText(), "d");
  ASSERT_TRUE(lines_.MoveFirst());
  AddLine("e");  // the recordset stands on the new row, the last one
  ASSERT_TRUE(lines_.MoveNext());
  EXPECT_TRUE(lines_.Eof());
  ASSERT_TRUE(lines_.Move(-5));
  EXPECT_EQ(lines_.Field("Name").AsText(), "a");
  EXPECT_FALSE(lines_.Move(-1));
  EXPECT_EQ(lines_.Error().Number, DbErrNoCurrentRow);
}

TEST_F(RecordsetTest, NumbersOutsideTheirTypeFailInsteadOfWrapping) {
  ASSERT_TRUE(
      connection_.Execute("INSERT INTO Lines (Rtype, DrawingID, Width) "
                          "VALUES (40000, 3000000000, 2.5)"));
  Recordset rows;
  ASSERT_TRUE(rows.Open(connection_, "Lines"));
  EXPECT_EQ(rows.Field("Width").AsLong(), 2);  // half to even
  EXPECT_EQ(rows.Field("Rtype").AsLong(), 40000);
  EXPECT_EQ(rows.Field("Rtype").AsInteger(), 0);
  EXPECT_EQ(ErrorText(rows.Error()), "10008: Overflow (field Rtype)");
  rows.Close();
  ASSERT_TRUE(rows.Open(connection_, "Lines"));
  EXPECT_EQ(rows.Field("DrawingID").AsLong(), 0);
  EXPECT_EQ(rows.Error().Number, DbErrOverflow);
}

TEST_F(RecordsetTest, ClosingInAnyOrderLeavesNothingDangling) {
  AddLine("a");
  AddLine("b");
  Recordset drawing;
  ASSERT_TRUE(drawing.Open(connection_, "Lines"));
  ASSERT_TRUE(drawing.Relate("Points", "LineID", "LineID"));
  Recordset& points = drawing.Children();
  connection_.Close();  // the recordsets keep the database open
  EXPECT_EQ(drawing.Field("Name").AsText(), "a");
  ASSERT_TRUE(drawing.MoveNext());
  EXPECT_EQ(drawing.Field("Name").AsText(), "b");

  drawing.Close();  // closes the child rows, which stay a valid object
  EXPECT_TRUE(points.Eof());
  EXPECT_EQ(points.Error().Number, DbErrNotOpen);
}

TEST_F(RecordsetTest, AFailureCarriesNumberAndTextAndStopsTheRecordset) {
  AddLine("a");
  Recordset rows;
  EXPECT_FALSE(rows.Open(connection_, "Drawing"));
  EXPECT_EQ(ErrorText(rows.Error()), "1: no such table: Drawing");
  EXPECT_TRUE(rows.Eof());
  EXPECT_FALSE(rows.MoveNext());
  EXPECT_FALSE(rows.AddNew());
  EXPECT_EQ(rows.Field(0).AsLong(), 0);
  EXPECT_FALSE(rows.Open(connection_, "Lines", "Colour", 3));
  EXPECT_EQ(ErrorText(rows.Error()), "1: no such column: Colour");

  ASSERT_TRUE(lines_.MoveFirst());
  EXPECT_FALSE(lines_.Find("Colour", 3));
  EXPECT_EQ(ErrorText(lines_.Error()), "1: no such column: Colour");
  EXPECT_TRUE(lines_.Eof());
  EXPECT_FALSE(lines_.MoveFirst());  // the first failure stays until Close
}

// ---- Row cursors ---------------------------------------------------------------------------

TEST_F(RecordsetTest, RowCursorMergesChildRowsInTheOrderOfTheirParentsKeys) {
  const Long first = AddLine("first");
  const Long other = AddLine("other drawing", 2, 7);
  const Long second = AddLine("second");
  // Points added out of the order of their lines, another drawing's between.
  for (const auto& [line, x] : std::vector<std::pair<Long, Double>>{
           {second, 1}, {first, 2}, {other, 3}, {second, 4}, {first, 5}, {first, 6}})
    AddPoint(line, x);
  const RowSelection drawing{"Lines", "DrawingID", DbValue(Long{1})};
  RowCursor lines, points;
  ASSERT_TRUE(lines.Open(connection_, drawing, {"Name"})) << ErrorText(lines.Error());
  ASSERT_TRUE(points.OpenChildren(connection_, drawing, "LineID", "Points", "LineID", {"PX"}));
  std::vector<std::pair<std::int64_t, String>> lineRows;
  for (String name; !lines.Eof(); lines.MoveNext()) {
    ASSERT_EQ(lines.ReadText(0, name), CellRead::Value);
    lineRows.emplace_back(lines.Key(), name);
  }
  EXPECT_EQ(lineRows, (std::vector<std::pair<std::int64_t, String>>{{first, "first"}, {second, "second"}}));
  std::vector<std::pair<std::int64_t, Double>> pointRows;
  for (Double x = 0; !points.Eof(); points.MoveNext()) {
    ASSERT_EQ(points.ReadReal(0, x), CellRead::Value);
    pointRows.emplace_back(points.Key(), x);
  }
  EXPECT_EQ(pointRows, (std::vector<std::pair<std::int64_t, Double>>{
                           {first, 2}, {first, 5}, {first, 6}, {second, 1}, {second, 4}}));
  EXPECT_EQ(points.Key(), 0);
  EXPECT_TRUE(points.MoveNext());  // at the end it stays there
  EXPECT_FALSE(points.Failed());
}

TEST_F(RecordsetTest, RowCursorReadsByTypeTellingNullAndOutOfRangeApartFromFailure) {
  ASSERT_TRUE(connection_.Execute("INSERT INTO Lines (Rtype, Name, \"Select\", Width, DrawingID) VALUES "
                                  "(70000, NULL, 2.5, 1e999, 1), (3, 'x', 7, 1.5, 'plan')"));
  RowCursor rows;
  ASSERT_TRUE(rows.Open(connection_, RowSelection{"Lines"}, {"Rtype", "Name", "Select", "Width", "DrawingID"}));
  std::int64_t whole = -1;
  String text = "kept";
  Double real = -1;
  EXPECT_EQ(rows.ReadWhole(0, -32768, 32767, whole), CellRead::Outside);
  EXPECT_EQ(rows.ReadWhole(0, 0, 100000, whole), CellRead::Value);
  EXPECT_EQ(whole, 70000);
  EXPECT_EQ(rows.ReadText(1, text), CellRead::Null);
  EXPECT_EQ(text, "kept");
  EXPECT_TRUE(rows.IsNull(1));
  EXPECT_EQ(rows.ReadWhole(2, 0, 10, whole), CellRead::Value);
  EXPECT_EQ(whole, 2);  // 2.5 rounds half to even
  EXPECT_EQ(rows.ReadReal(3, real), CellRead::Outside);  // not finite
  EXPECT_EQ(rows.ReadText(0, text), CellRead::Value);
  EXPECT_EQ(text, "70000");
  ASSERT_TRUE(rows.MoveNext());
  // A text where a number belongs is a damaged value of this row: the
  // cursor goes on to the row's other fields and to the next rows.
  EXPECT_EQ(rows.ReadWhole(4, 0, 10, whole), CellRead::Mismatch);
  EXPECT_EQ(whole, 2);
  EXPECT_FALSE(rows.Failed());
  EXPECT_EQ(rows.ReadReal(3, real), CellRead::Value);
  EXPECT_EQ(real, 1.5);
  ASSERT_TRUE(rows.MoveNext());
  EXPECT_TRUE(rows.Eof());

  EXPECT_FALSE(rows.Open(connection_, RowSelection{"Lines"}, {"Colour"}));
  EXPECT_EQ(ErrorText(rows.Error()), "1: no such column: Colour");
  ASSERT_TRUE(rows.Open(connection_, RowSelection{"Lines", "Name", DbValue("X")}, {"Name"}));
  EXPECT_EQ(rows.ReadText(0, text), CellRead::Value);  // text filters ignore case as recordsets do
  EXPECT_EQ(text, "x");
  EXPECT_EQ(rows.ReadText(1, text), CellRead::Failed);
  EXPECT_EQ(rows.Error().Number, DbErrNoSuchField);
}

// A table may name a column rowid (or oid, _rowid_): its rows are still
// addressed by their true rowid, so rows whose rowid column holds Null
// read, change and delete like any other. A table with no rowid under any
// name is refused with a clear message; TableRows reads it whole.
// Only a lone INTEGER PRIMARY KEY of a table with rowids is the rowid under
// another name: the load merges points with lines by it only then.
TEST_F(RecordsetTest, DeclarationTellsWhetherAColumnIsTheRowidUnderAnotherName) {
  const std::vector<std::pair<const char*, bool>> tables = {
      {"K INTEGER PRIMARY KEY AUTOINCREMENT, V REAL", true},
      {"k integer primary key, V REAL", true},
      {"V REAL, K INTEGER, PRIMARY KEY (K)", true},
      {"K INTEGER PRIMARY KEY DESC, V REAL", false},
      {"K INT PRIMARY KEY, V REAL", false},
      {"K BIGINT PRIMARY KEY, V REAL", false},
      {"K INTEGER, V REAL, PRIMARY KEY (K, V)", false},
      {"K INTEGER, V REAL", false},
  };
  for (size_t t = 0; t < tables.size(); ++t) {
    SCOPED_TRACE(tables[t].first);
    const String name = "T" + std::to_string(t);
    ASSERT_TRUE(connection_.Execute("CREATE TABLE " + name + " (" + tables[t].first + ")"));
    ColumnDeclaration declared;
    DbError error;
    ASSERT_TRUE(DeclarationOf(connection_, name, "k", declared, error)) << error.Description;
    EXPECT_EQ(declared.RowKey, tables[t].second);
  }
  ASSERT_TRUE(connection_.Execute("CREATE TABLE Keyed (K INTEGER PRIMARY KEY, V REAL) WITHOUT ROWID"));
  ColumnDeclaration declared;
  DbError error;
  ASSERT_TRUE(DeclarationOf(connection_, "Keyed", "K", declared, error));
  EXPECT_FALSE(declared.RowKey);
  EXPECT_EQ(declared.Type, "INTEGER");
  EXPECT_FALSE(DeclarationOf(connection_, "Keyed", "Missing", declared, error));
}

TEST_F(RecordsetTest, TablesWhoseColumnsTakeTheRowidNameReadChangeAndDeleteEveryRow) {
  ASSERT_TRUE(connection_.Execute("CREATE TABLE Shadowed (rowid TEXT, oid TEXT, Code TEXT);"
                                  "INSERT INTO Shadowed VALUES (NULL, NULL, 'a'), ('9', 'x', 'b'), (NULL, NULL, 'c');"
                                  "CREATE TABLE Keyless (Code TEXT PRIMARY KEY, Note TEXT) WITHOUT ROWID;"
                                  "INSERT INTO Keyless VALUES ('k2', 'y'), ('k1', 'x');"
                                  "CREATE TABLE Taken (rowid TEXT, oid TEXT, _rowid_ TEXT);"));
  Recordset rows;
  ASSERT_TRUE(rows.Open(connection_, "Shadowed")) << ErrorText(rows.Error());
  EXPECT_EQ(rows.FieldCount(), 3);
  String codes;
  for (; !rows.Eof(); rows.MoveNext()) codes += rows.Field("Code").AsText();
  EXPECT_EQ(codes, "abc");
  ASSERT_TRUE(rows.MoveFirst());
  ASSERT_TRUE(rows.Find("Code", DbValue("c")));
  ASSERT_TRUE(rows.Field("Code").SetText("C") && rows.Update()) << ErrorText(rows.Error());
  ASSERT_TRUE(rows.MoveFirst() && rows.Delete()) << ErrorText(rows.Error());
  ASSERT_TRUE(rows.MoveFirst());
  codes.clear();
  for (; !rows.Eof(); rows.MoveNext()) codes += rows.Field("Code").AsText();
  EXPECT_EQ(codes, "bC");

  for (const char* table : {"Keyless", "Taken"}) {
    Recordset refused;
    EXPECT_FALSE(refused.Open(connection_, table));
    EXPECT_EQ(refused.Error().Number, DbErrNoRowKey) << table;
    EXPECT_NE(refused.Error().Description.find("has no rowid"), String::npos) << refused.Error().Description;
  }
  TableRows whole;
  ASSERT_TRUE(whole.Open(connection_, RowSelection{"Keyless"})) << ErrorText(whole.Error());
  EXPECT_EQ(whole.FieldNames(), (std::vector<String>{"Code", "Note"}));
  std::vector<DbValue> values;
  codes.clear();
  while (whole.Next(values)) codes += std::get<String>(values[0].Get());
  EXPECT_FALSE(whole.Failed());
  EXPECT_EQ(codes, "k1k2");  // in key order
}

}  // namespace
}  // namespace lintavo
