// Connections: opening only existing database files, transactions, and the
// list of user tables.
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "platform/Database.h"
#include "platform/Recordset.h"
#include "support/ScratchDatabase.h"

namespace lintavo {
namespace {

using DatabaseTest = ScratchDatabaseTest;

constexpr OpenMode BothModes[] = {OpenMode::ReadOnly, OpenMode::ReadWrite};

const char* const NamesTable =
    "CREATE TABLE Names (NameID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT)";

QByteArray FileBytes(const String& path) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void AddName(Recordset& names, const String& name) {
  ASSERT_TRUE(names.AddNew());
  ASSERT_TRUE(names.Field("Name").SetText(name));
  ASSERT_TRUE(names.Update()) << ErrorText(names.Error());
}

std::vector<String> ReadNames(Connection& connection) {
  std::vector<String> names;
  Recordset rows;
  EXPECT_TRUE(rows.Open(connection, "Names")) << ErrorText(rows.Error());
  for (; !rows.Eof(); rows.MoveNext()) names.push_back(rows.Field("Name").AsText());
  EXPECT_FALSE(rows.Failed()) << ErrorText(rows.Error());
  return names;
}

TEST_F(DatabaseTest, OpeningAMissingPathFailsAndCreatesNoFile) {
  const String path = ScratchPath("Missing_dwg.mdb");
  for (OpenMode mode : BothModes) {
    Connection connection;
    EXPECT_FALSE(connection.Open(path, mode));
    EXPECT_FALSE(connection.IsOpen());
    EXPECT_EQ(connection.Error().Number, DbErrFileNotFound);
    EXPECT_EQ(ErrorText(connection.Error()), "10001: Could not find file '" + path + "'");
  }
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(path)));
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(path + "-journal")));

  Connection folder;
  EXPECT_FALSE(folder.Open(AppFolder(), OpenMode::ReadWrite));
  EXPECT_EQ(folder.Error().Number, DbErrFileNotFound);
}

TEST_F(DatabaseTest, OpeningATextFileFailsWithAClearMessage) {
  const String path = ScratchPath("Notes_dwg.mdb");
  QByteArray text;
  for (int i = 0; i < 200; ++i) text += "These are notes, not a drawing.\n";
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
  file.close();

  for (OpenMode mode : BothModes) {
    Connection connection;
    EXPECT_FALSE(connection.Open(path, mode));
    EXPECT_FALSE(connection.IsOpen());
    EXPECT_EQ(ErrorText(connection.Error()), "10002: The file '" + path + "' is not a database");
    Recordset rows;  // using the failed connection fails too, without a crash
    EXPECT_FALSE(rows.Open(connection, "Lines"));
    EXPECT_EQ(rows.Error().Number, DbErrNotOpen);
  }
  EXPECT_EQ(FileBytes(path), text);
}

TEST_F(DatabaseTest, ReadOnlyConnectionRefusesChanges) {
  Connection setup;
  const String path = OpenNewDatabase(setup, NamesTable);
  setup.Close();

  Connection connection;
  ASSERT_TRUE(connection.Open(path, OpenMode::ReadOnly));
  Recordset names;
  ASSERT_TRUE(names.Open(connection, "Names"));
  ASSERT_TRUE(names.AddNew());
  ASSERT_TRUE(names.Field("Name").SetText("Plan A"));
  EXPECT_FALSE(names.Update());
  EXPECT_EQ(names.Error().Number, 8);  // SQLITE_READONLY
  EXPECT_FALSE(connection.Execute("DROP TABLE Names"));
  EXPECT_TRUE(ReadNames(connection).empty());
}

TEST_F(DatabaseTest, RollbackLeavesTheFileAsItWas) {
  Connection connection;
  const String path = OpenNewDatabase(connection, NamesTable);
  Recordset names;
  ASSERT_TRUE(names.Open(connection, "Names"));
  AddName(names, "Plan A");
  AddName(names, "Plan B");
  names.Close();
  connection.Close();
  const QByteArray before = FileBytes(path);

  ASSERT_TRUE(connection.Open(path, OpenMode::ReadWrite));
  ASSERT_TRUE(connection.BeginTrans());
  ASSERT_TRUE(names.Open(connection, "Names"));
  ASSERT_TRUE(names.Field("Name").SetText("Plan A changed"));
  ASSERT_TRUE(names.Update());
  ASSERT_TRUE(names.MoveNext());
  ASSERT_TRUE(names.Delete());
  AddName(names, "Plan C");
  ASSERT_TRUE(connection.RollbackTrans()) << ErrorText(connection.Error());

  EXPECT_EQ(ReadNames(connection), (std::vector<String>{"Plan A", "Plan B"}));
  names.Close();
  connection.Close();
  EXPECT_EQ(FileBytes(path), before);
}

TEST_F(DatabaseTest, CommittedRowsReachTheNextConnection) {
  Connection connection;
  const String path = OpenNewDatabase(connection, NamesTable);
  ASSERT_TRUE(connection.BeginTrans());
  Recordset names;
  ASSERT_TRUE(names.Open(connection, "Names"));
  AddName(names, "Plan A");
  ASSERT_TRUE(connection.CommitTrans()) << ErrorText(connection.Error());
  EXPECT_FALSE(connection.CommitTrans());  // no transaction is open any more
  names.Close();
  connection.Close();

  ASSERT_TRUE(connection.Open(path, OpenMode::ReadOnly));
  EXPECT_EQ(ReadNames(connection), std::vector<String>{"Plan A"});
}

// A file deleted or replaced while a transaction writes it: the commit
// fails, saying so, and never reports rows stored that are not in the file
// at the path.
TEST_F(DatabaseTest, ACommitFailsWhenItsFileWasDeletedOrReplacedMeanwhile) {
  for (const bool replaced : {false, true}) {
    SCOPED_TRACE(replaced ? "replaced" : "deleted");
    Connection connection;
    const String path = OpenNewDatabase(connection, NamesTable);
    ASSERT_TRUE(connection.BeginTrans());
    Recordset names;
    ASSERT_TRUE(names.Open(connection, "Names"));
    AddName(names, "Plan A");
    ASSERT_TRUE(QFile::remove(QString::fromStdString(path)));
    if (replaced) {
      QFile other(QString::fromStdString(path));
      ASSERT_TRUE(other.open(QIODevice::WriteOnly));  // another file under the same name
      other.write("another file");
    }
    EXPECT_FALSE(connection.CommitTrans());
    EXPECT_EQ(connection.Error().Number, DbErrFileMoved);
    EXPECT_NE(ErrorText(connection.Error()).find(path), String::npos);
  }
}

TEST_F(DatabaseTest, ClosingInsideATransactionDiscardsItsChanges) {
  Connection connection;
  const String path = OpenNewDatabase(connection, NamesTable);
  ASSERT_TRUE(connection.BeginTrans());
  {
    Recordset names;
    ASSERT_TRUE(names.Open(connection, "Names"));
    AddName(names, "Plan A");
  }
  connection.Close();

  ASSERT_TRUE(connection.Open(path, OpenMode::ReadWrite));
  EXPECT_TRUE(ReadNames(connection).empty());
}

// A path is a file name: "file:Plan_dwg.mdb", which reads as an SQLite URI,
// opens, reads and writes the file of that name in the current folder, in
// either mode, never "Plan_dwg.mdb".
TEST_F(DatabaseTest, APathLikeAUriIsTheFileOfThatName) {
  const auto makeNamed = [this](const String& file, const String& name) {
    Connection setup;
    OpenNewDatabase(setup, NamesTable, file);
    Recordset names;
    ASSERT_TRUE(names.Open(setup, "Names"));
    AddName(names, name);
  };
  makeNamed("Plan_dwg.mdb", "the file a URI names");
  WorkInScratchFolder();
  const String file = "file:Plan_dwg.mdb";
  makeNamed(file, "the file of that name");
  Connection writer;
  ASSERT_TRUE(writer.Open(file, OpenMode::ReadWrite)) << ErrorText(writer.Error());
  Recordset names;
  ASSERT_TRUE(names.Open(writer, "Names")) << ErrorText(names.Error());
  AddName(names, "written");
  names.Close();
  writer.Close();
  Connection reader;
  ASSERT_TRUE(reader.Open(file, OpenMode::ReadOnly));
  EXPECT_EQ(ReadNames(reader), (std::vector<String>{"the file of that name", "written"}));
  Connection other;
  ASSERT_TRUE(other.Open("Plan_dwg.mdb", OpenMode::ReadOnly));
  EXPECT_EQ(ReadNames(other), std::vector<String>{"the file a URI names"});
}

TEST_F(DatabaseTest, TableListingNamesUserTablesOnly) {
  Connection connection;
  OpenNewDatabase(connection,
                  "CREATE TABLE Lines (LineID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT);"
                  "CREATE TABLE Drawing (DrawID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT);"
                  "CREATE INDEX LinesByName ON Lines (Name);"
                  "CREATE VIEW NamedLines AS SELECT Name FROM Lines;"
                  "INSERT INTO Lines (Name) VALUES ('x');");  // fills sqlite_sequence
  std::vector<String> names;
  ASSERT_TRUE(connection.TableNames(names)) << ErrorText(connection.Error());
  EXPECT_EQ(names, (std::vector<String>{"Drawing", "Lines"}));
}

}  // namespace
}  // namespace lintavo

namespace lintavo {
namespace {

// A copy of a database taken in the middle of a big write: the file with
// half the new pages and the journal that can undo them, as a killed save
// leaves them.
TEST_F(DatabaseTest, ReaderOpensAFileLeftByAnInterruptedSaveWithTheLastCompleteSave) {
  Connection writer;
  const String path = OpenNewDatabase(writer, NamesTable);
  {
    Recordset names;
    ASSERT_TRUE(names.Open(writer, "Names"));
    AddName(names, "kept");
  }
  ASSERT_TRUE(writer.Execute("PRAGMA cache_size = 1"));  // spill pages before the commit
  ASSERT_TRUE(writer.BeginTrans());
  ASSERT_TRUE(writer.Execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
                             "INSERT INTO Names (Name) SELECT printf('%0200d', i) FROM n"));
  const String copy = ScratchPath("Interrupted_dwg.mdb");
  ASSERT_TRUE(QFile::copy(QString::fromStdString(path), QString::fromStdString(copy)));
  ASSERT_TRUE(QFile::copy(QString::fromStdString(path + "-journal"), QString::fromStdString(copy + "-journal")));
  writer.Close();

  Connection reader;
  ASSERT_TRUE(reader.Open(copy, OpenMode::ReadOnly)) << ErrorText(reader.Error());
  EXPECT_EQ(ReadNames(reader), std::vector<String>{"kept"});
}

}  // namespace
}  // namespace lintavo
