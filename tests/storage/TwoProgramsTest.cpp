// Two programs on one drawings database: each saves a drawing of its own
// into it over and over (twice in a row each round, as a user saving again)
// and loads the other's, both at once, through the program's own save and
// load. The test program runs itself as the second program
// ("--share-database <file> <seconds>", see TestMain.cpp). Each keeps its
// state from one save to the next as a running program does: only its
// drawing model is made anew, so it remembers the files it saved into.
//
// Whatever the two do to each other, the file stays sound, every load
// gives a drawing as one save left it or is refused with a message, and
// every save is stored whole or refused with a message, the stored rows
// then as the last save left them. A save right after the program's own
// may skip the check of the whole file, and in rollback-journal mode some
// do.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>

#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "platform/Prompts.h"
#include "storage/LoadData.h"
#include "storage/RoundDrawing.h"
#include "storage/SaveData.h"
#include "storage/TestDatabase.h"
#include "support/ProgramTest.h"
#include "support/SqliteProbes.h"

namespace lintavo {

namespace {

constexpr const char* Revision = "Rev. 0";
constexpr double ShareSeconds = 10;  // how long both programs work on the file, per journal mode
constexpr int ReadWaitMs = 60000;    // how long a check's read waits for the other program

// A drawing of one program: its name and how many lines it has.
struct Side {
  const char* name;
  long lines;
};
constexpr Side TestSide{"Big", 20000};    // saved by this test program
constexpr Side SecondSide{"Small", 2000};  // saved by the second program

// What one program saw of its saves and loads.
struct Tally {
  long saves = 0;              // stored whole
  long savesUnchecked = 0;     // of those, stored without a check of the whole file
  long savesRefused = 0;       // refused with a message, the stored rows as before
  long loads = 0;              // read whole
  long loadsRefused = 0;       // refused with a message
  std::vector<String> faults;  // anything else, described
};

// A drawing as stored, read with plain SQL in one read transaction.
struct Stored {
  DbKey key = 0;       // 0: none stored
  int round = -1;      // the round its Drawing row names
  bool whole = false;  // the row counts as many lines as the side has, and every line and point is of that round
  String error;        // why it could not be read; empty when it was
  bool operator==(const Stored& other) const = default;
};

// The first row of sql over db, with the key bound to its "?" if it has one,
// as numbers; none when there is no row.
bool ReadNumbers(sqlite3* db, const char* sql, sqlite3_int64 key, std::vector<double>& numbers, String& error) {
  sqlite3_stmt* stmt = nullptr;
  bool read = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK &&
              (sqlite3_bind_parameter_count(stmt) == 0 || sqlite3_bind_int64(stmt, 1, key) == SQLITE_OK);
  const int rc = read ? sqlite3_step(stmt) : SQLITE_ERROR;
  read = rc == SQLITE_ROW || rc == SQLITE_DONE;
  numbers.clear();
  for (int i = 0; rc == SQLITE_ROW && i < sqlite3_column_count(stmt); ++i)
    numbers.push_back(sqlite3_column_double(stmt, i));
  if (!read) error = sqlite3_errmsg(db);
  sqlite3_finalize(stmt);
  return read;
}

Stored ReadStored(const String& path, const Side& side) {
  Stored stored;
  sqlite3* db = nullptr;
  std::vector<double> row, lines, points;
  bool read = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
              sqlite3_busy_timeout(db, ReadWaitMs) == SQLITE_OK &&
              sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
  const String find = "SELECT DrawID, CAST(Description AS INTEGER), Nlines FROM Drawing WHERE Name = '" +
                      String(side.name) + "' AND Revision = '" + Revision + "'";
  read = read && ReadNumbers(db, find.c_str(), 0, row, stored.error);
  if (read && row.size() == 3) {
    stored.key = static_cast<DbKey>(row[0]);
    stored.round = static_cast<int>(row[1]);
    read = ReadNumbers(db, "SELECT count(*), min(Flag), max(Flag) FROM Lines WHERE DrawingID = ?", stored.key,
                       lines, stored.error) &&
           ReadNumbers(db,
                       "SELECT count(*), total(PY) FROM Points WHERE LineID IN "
                       "(SELECT LineID FROM Lines WHERE DrawingID = ?)",
                       stored.key, points, stored.error);
    stored.whole = read && row[2] == side.lines && lines[0] == side.lines && lines[1] == stored.round &&
                   lines[2] == stored.round && points[0] == 2.0 * side.lines &&
                   points[1] == 1.0 * side.lines * stored.round;
  }
  if (!read && stored.error.empty()) stored.error = db ? sqlite3_errmsg(db) : "cannot open";
  sqlite3_close_v2(db);
  return stored;
}

String Describe(const Stored& stored) {
  if (!stored.error.empty()) return "unreadable (" + stored.error + ")";
  return "round " + std::to_string(stored.round) + (stored.whole ? " whole" : " torn");
}

// The texts of the message boxes shown since prompt number from.
String MessagesSince(const ScriptedResponder& responder, size_t from) {
  String texts;
  for (const PromptRecord& box : responder.MessageBoxes(from)) texts += "[" + box.title + ": " + box.text + "]";
  return texts;
}

// Saves round `round` of the side's drawing; kept is what the last save
// that said it stored left stored.
void SaveRound(const String& path, const Side& mine, int round, ScriptedResponder& responder, Stored& kept,
               Tally& tally) {
  MakeRoundDrawing(mine.name, Revision, mine.lines, round, Fresh::Model);
  Dwgs[1].Description = std::to_string(round);
  DwgDbPath = path;
  const size_t from = responder.Prompts().size();
  int checks = 0;
  bool saved = false;
  {
    StatementHook counting([&](const char* sql) { checks += String(sql).rfind("PRAGMA integrity_check", 0) == 0; });
    saved = SaveDrawing(1, {}, true);
  }
  const String told = MessagesSince(responder, from);
  const Stored now = ReadStored(path, mine);
  if (saved && told.empty() && now.error.empty() && now.whole && now.round == round) {
    ++tally.saves;
    tally.savesUnchecked += checks == 0;
    kept = now;
  } else if (!saved && !told.empty() && now == kept) {
    ++tally.savesRefused;
  } else {
    tally.faults.push_back("save of round " + std::to_string(round) + (saved ? " said stored" : " refused") +
                           told + ", stored: " + Describe(now) + ", before: " + Describe(kept));
  }
}

// Whether drawing 2 holds the other side's drawing whole, as one save left it.
bool LoadedWhole(const Side& other) {
  const int round = std::atoi(Dwgs[2].Description.c_str());
  long lines = 0;
  for (Long j = BaseObjCount + 1; j <= ObjCount; ++j) {
    const ObjRec& obj = Objs[j];
    if (obj.DwgNo != 2) continue;
    ++lines;
    if (obj.Rtype != EntityLine || obj.Flag != round || obj.NPoints != 2 || Pnts[obj.PointID + 1].Y != round)
      return false;
  }
  return lines == other.lines && Dwgs[2].Nlines == other.lines;
}

void LoadOther(const String& path, const Side& other, ScriptedResponder& responder, Tally& tally) {
  const Stored stored = ReadStored(path, other);
  if (!stored.error.empty()) tally.faults.push_back(String("the stored ") + other.name + " is " + Describe(stored));
  if (stored.key == 0) return;
  ResetDrawingModel();
  CurDwg = 2;
  Dwgs[2].Name = other.name;
  Dwgs[2].DrawID = stored.key;
  DwgDbPath = path;
  const size_t from = responder.Prompts().size();
  const bool loaded = LoadDrawing();
  const String told = MessagesSince(responder, from);
  if (loaded && told.empty() && LoadedWhole(other)) {
    ++tally.loads;
  } else if (!loaded && !told.empty()) {
    ++tally.loadsRefused;
  } else {
    tally.faults.push_back(String("load of ") + other.name + (loaded ? " said loaded" : " refused") + told +
                           (LoadedWhole(other) ? " whole" : " torn"));
  }
}

// One program's part: rounds of saving its own drawing and loading the
// other's until seconds have passed.
Tally WorkOnSharedFile(const String& path, const Side& mine, const Side& other, double seconds,
                       ScriptedResponder& responder) {
  Tally tally;
  Stored kept = ReadStored(path, mine);
  QElapsedTimer clock;
  clock.start();
  for (int round = 1; clock.elapsed() < seconds * 1000; ++round) {
    SaveRound(path, mine, round, responder, kept, tally);
    SaveRound(path, mine, round, responder, kept, tally);
    LoadOther(path, other, responder, tally);
  }
  return tally;
}

}  // namespace

// The second program: prints "ready", works for the seconds given, then
// prints its tally ("tally <saves> <unchecked> <refused> <loads> <refused>")
// and one line per fault.
int ShareDatabase(const char* path, const char* seconds) {
  ScriptedResponder responder;
  responder.AnswerEveryMsgBox(vbOK);
  SetPromptResponder(&responder);
  std::printf("ready\n");
  std::fflush(stdout);
  const Tally tally = WorkOnSharedFile(path, SecondSide, TestSide, std::atof(seconds), responder);
  std::printf("tally %ld %ld %ld %ld %ld\n", tally.saves, tally.savesUnchecked, tally.savesRefused, tally.loads,
              tally.loadsRefused);
  for (const String& fault : tally.faults) std::printf("fault: %s\n", fault.c_str());
  std::fflush(stdout);
  SetPromptResponder(nullptr);
  return 0;
}

namespace {

class TwoProgramsTest : public ProgramTest {
 protected:
  // A drawings database in the journal mode with both drawings stored at round 0.
  String SharedFile(const String& journal) {
    const String path = ScratchPath("Shared" + journal + "_dwg.mdb");
    CreateEmptyDrawingsDb(path);
    {
      TestDatabase db(path, true);
      db.Rows("PRAGMA journal_mode = " + journal);
    }
    for (const Side& side : {TestSide, SecondSide}) {
      MakeRoundDrawing(side.name, Revision, side.lines, 0);
      Dwgs[1].Description = "0";
      DwgDbPath = path;
      EXPECT_TRUE(SaveDrawing(1, {}, true));
    }
    return path;
  }

  // Reads the second program's tally and faults from its output.
  static Tally TallyOf(const QString& output) {
    Tally tally;
    for (const QString& line : output.split('\n', Qt::SkipEmptyParts)) {
      const std::string text = line.toStdString();
      if (text.rfind("fault: ", 0) == 0) tally.faults.push_back(text.substr(7));
      if (text.rfind("tally ", 0) == 0)
        std::sscanf(text.c_str(), "tally %ld %ld %ld %ld %ld", &tally.saves, &tally.savesUnchecked,
                    &tally.savesRefused, &tally.loads, &tally.loadsRefused);
    }
    return tally;
  }

  static void ExpectSound(const Tally& tally, const char* who) {
    SCOPED_TRACE(who);
    // The first faults tell what went wrong; a damaged file brings hundreds more.
    const std::vector<String> first(tally.faults.begin(),
                                    tally.faults.begin() + std::min<std::ptrdiff_t>(3, tally.faults.size()));
    EXPECT_EQ(tally.faults.size(), 0u) << "the first: " << ::testing::PrintToString(first);
    // Each program got on with its work, not only refused it.
    EXPECT_GE(tally.saves, 2);
    EXPECT_GE(tally.loads, 2);
    std::printf("%s: %ld saves stored (%ld without the check), %ld refused; %ld loads whole, %ld refused; %zu faults\n",
                who, tally.saves, tally.savesUnchecked, tally.savesRefused, tally.loads, tally.loadsRefused,
                tally.faults.size());
  }
};

TEST_F(TwoProgramsTest, SavingAndLoadingOneDatabaseAtOnceLosesAndTearsNothing) {
  Responder().AnswerEveryMsgBox(vbOK);
  for (const String journal : {"DELETE", "WAL"}) {
    SCOPED_TRACE(journal);
    const String path = SharedFile(journal);
    QProcess second;
    second.start(QCoreApplication::applicationFilePath(),
                 {"--share-database", QString::fromStdString(path), QString::number(ShareSeconds)});
    ASSERT_TRUE(second.waitForStarted(5000));
    while (!second.canReadLine() && second.state() == QProcess::Running) second.waitForReadyRead(100);
    const Tally ours = WorkOnSharedFile(path, TestSide, SecondSide, ShareSeconds, Responder());
    ASSERT_TRUE(second.waitForFinished(ReadWaitMs)) << "the second program did not end";
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    const Tally theirs = TallyOf(QString::fromLocal8Bit(second.readAllStandardOutput()));

    ExpectSound(ours, "this program");
    ExpectSound(theirs, "the second program");
    // A save that follows the program's own, nobody having written since,
    // needs no check of the whole file. In WAL mode the other program
    // holds the file nearly all the time, and its log then keeps commits
    // that the stamp cannot vouch for: the saves check, as they must.
    if (journal == "DELETE") EXPECT_GE(ours.savesUnchecked + theirs.savesUnchecked, 1);
    TestDatabase db(path);
    EXPECT_EQ(db.Text("PRAGMA integrity_check"), "ok");
  }
}

}  // namespace
}  // namespace lintavo
