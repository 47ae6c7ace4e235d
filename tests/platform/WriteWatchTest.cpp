// The watch over a save's writes: another program's write into the file a
// transaction commits into is told from the program's own, whenever it
// comes, and the program's own writes (its cache spilled many times over)
// are never taken for another's.
#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

#include "platform/Database.h"
#include "platform/WriteWatch.h"
#include "support/ScratchDatabase.h"

namespace lintavo {
namespace {

using WriteWatchTest = ScratchDatabaseTest;

// When another program writes, as seen from the transaction.
enum class Foreign { None, BeforeOurFirstWrite, BetweenOurWrites, AfterOurLastWrite };

// Another program (dd) writes 64 zero bytes at the end of the file at path,
// in place: past SQLite's locks, as a tool that knows nothing of them.
void WriteAsAnotherProgram(const String& path) {
  const QString file = QString::fromStdString(path);
  const qint64 end = static_cast<qint64>(StampOf(path).Size);
  EXPECT_EQ(QProcess::execute("dd", {"if=/dev/zero", "of=" + file, "bs=1", "count=64",
                                     "seek=" + QString::number(end), "conv=notrunc", "status=none"}),
            0);
}

// Adds rows enough to fill a cache of a few pages many times over.
void AddRows(Connection& connection) {
  ASSERT_TRUE(connection.Execute(
      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 400) "
      "INSERT INTO Rows (Data) SELECT randomblob(200) FROM n"))
      << ErrorText(connection.Error());
}

TEST_F(WriteWatchTest, AnotherProgramsWriteIsToldFromTheProgramsOwnWheneverItComes) {
  int made = 0;
  for (const char* journal : {"DELETE", "WAL"}) {
    const bool log = String(journal) == "WAL";
    const WatchedFile target = log ? WatchedFile::Log : WatchedFile::Database;
    for (const Foreign foreign : {Foreign::None, Foreign::BeforeOurFirstWrite, Foreign::BetweenOurWrites,
                                  Foreign::AfterOurLastWrite}) {
      SCOPED_TRACE(::testing::Message() << journal << " foreign write " << static_cast<int>(foreign));
      Connection connection;
      const String path = OpenNewDatabase(
          connection, "CREATE TABLE Rows (RowID INTEGER PRIMARY KEY AUTOINCREMENT, Data BLOB)",
          "Watched" + std::to_string(++made) + "_dwg.mdb");
      ASSERT_TRUE(connection.Execute(String("PRAGMA journal_mode = ") + journal));
      ASSERT_TRUE(connection.Execute("PRAGMA cache_size = 4"));  // pages: the cache spills again and again
      AddRows(connection);  // the log, in WAL mode, holds commits before the watch starts
      ASSERT_TRUE(connection.BeginTrans());
      const String written = connection.FullPath() + (log ? "-wal" : "");
      const WriteWatch watch(connection.FullPath());
      if (foreign == Foreign::BeforeOurFirstWrite) WriteAsAnotherProgram(written);
      AddRows(connection);
      if (foreign == Foreign::BetweenOurWrites) WriteAsAnotherProgram(written);
      AddRows(connection);
      ASSERT_TRUE(connection.CommitTrans()) << ErrorText(connection.Error());
      if (foreign == Foreign::AfterOurLastWrite) WriteAsAnotherProgram(written);

      const bool between = foreign == Foreign::BeforeOurFirstWrite || foreign == Foreign::BetweenOurWrites;
      EXPECT_EQ(watch.WrittenBetweenOurs(target), between);
      EXPECT_EQ(watch.LeftAsOurs(target), foreign == Foreign::None);
      EXPECT_EQ(watch.LeftAsOurs(connection.Stamp()), foreign == Foreign::None);
      EXPECT_FALSE(watch.WrittenBetweenOurs(log ? WatchedFile::Database : WatchedFile::Log));
      connection.Close();
    }
  }
}

// A save trusts the stamp of a file it left sound only where the stamp sees
// everything SQLite will read for the file: one name, no log holding a
// commit, and times finer than a second (a file system that keeps whole
// seconds, as some do, hides a same-size write within the second; such a
// file system is told by a time of last change that falls on a second).
TEST_F(WriteWatchTest, AStampIsTrustedOnlyWhereItSeesEverythingSqliteReads) {
  Connection connection;
  OpenNewDatabase(connection, "CREATE TABLE Rows (Data BLOB)", "Stamped_dwg.mdb");
  DatabaseStamp taken = connection.Stamp();
  constexpr std::int64_t NsPerSecond = 1000000000;
  taken.File.Modified = taken.File.Modified / NsPerSecond * NsPerSecond + NsPerSecond / 2;
  ASSERT_EQ(taken.File.Links, 1u);
  ASSERT_EQ(taken.Log.Inode, 0u);
  const struct {
    const char* what;
    void (*change)(DatabaseStamp&);
    bool trusted;
  } rows[] = {
      {"as taken", [](DatabaseStamp&) {}, true},
      {"no such file", [](DatabaseStamp& s) { s.File = FileStamp{}; }, false},
      {"a second name", [](DatabaseStamp& s) { s.File.Links = 2; }, false},
      {"times in whole seconds", [](DatabaseStamp& s) { s.File.Modified -= NsPerSecond / 2; }, false},
      {"a log holding a commit", [](DatabaseStamp& s) { s.Log = s.File, s.Log.Size = LogHeaderSize + 1; }, false},
  };
  for (const auto& row : rows) {
    DatabaseStamp stamp = taken;
    row.change(stamp);
    EXPECT_EQ(StampSeesAll(stamp), row.trusted) << row.what;
  }
}

}  // namespace
}  // namespace lintavo
