// A save killed at random moments never damages what is stored. The test
// program runs itself as the child that saves ("--save-until-killed <file>",
// see TestMain.cpp): a drawing of 100,000 lines, saved over and over as
// revision "Rev. 1", replacing the stored one, beside a "Rev. 0" that no
// save touches.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "platform/Database.h"
#include "platform/Prompts.h"
#include "storage/DbSchema.h"
#include "storage/RoundDrawing.h"
#include "storage/SaveData.h"
#include "storage/TestDatabase.h"
#include "support/ProgramTest.h"

namespace lintavo {

namespace {

constexpr long ChildLines = 100000;  // lines of the revision the child saves
constexpr long StoredLines = 1000;   // lines of the revision stored before

// Drawing 1, "Shed" at that revision (RoundDrawing).
void MakeDrawing(const String& revision, long lines, int round) { MakeRoundDrawing("Shed", revision, lines, round); }

// The child's prompts have nobody to answer them: a message means a failed
// save, which ends the child with exit code 3 for the test to see.
class ExitOnPrompt final : public PromptResponder {
 public:
  int MessageBox(const MessageBoxPrompt& prompt) override {
    std::fprintf(stderr, "%s: %s\n", prompt.title.c_str(), prompt.prompt.c_str());
    std::_Exit(3);
  }
  FileAnswer FileDialog(const FilePrompt&) override { return {false, "", 1}; }
  ColorAnswer ColorDialog(const ColorPrompt&) override { return {false, 0}; }
  bool PrinterSetupDialog(const PrinterPrompt&, QPrinter&) override { return false; }
  bool PrintDialog(const PrinterPrompt&, QPrinter&) override { return false; }
  void ModalWindowShown(QDialog&) override {}
};

}  // namespace

// The child: saves "Rev. 1" over and over, each time replacing the stored
// one with rows of the next round, until it is killed.
int SaveUntilKilled(const char* path) {
  ExitOnPrompt responder;
  SetPromptResponder(&responder);
  std::printf("ready\n");
  std::fflush(stdout);
  for (int round = 1;; ++round) {
    MakeDrawing("Rev. 1", ChildLines, round);
    DwgDbPath = path;
    if (!SaveDrawing(1, {}, true)) return 4;
  }
}

namespace {

class SaveCrashTest : public ProgramTest {
 protected:
  // The rows of drawing drawId: its Drawing row, Objects, Lines and Points.
  static std::vector<std::vector<String>> RowsOf(TestDatabase& db, const String& drawId) {
    std::vector<std::vector<String>> rows;
    const String lines = "SELECT LineID FROM Lines WHERE DrawingID = " + drawId;
    for (const String& sql : {"SELECT * FROM Drawing WHERE DrawID = " + drawId,
                              "SELECT * FROM Objects WHERE DrawingID = " + drawId + " ORDER BY ObjectID",
                              "SELECT * FROM Lines WHERE DrawingID = " + drawId + " ORDER BY LineID",
                              "SELECT * FROM Points WHERE LineID IN (" + lines + ") ORDER BY PointID"}) {
      for (auto& row : db.Rows(sql)) rows.push_back(row);
    }
    return rows;
  }

  // Runs the child and kills it after delayMs from its first save; false
  // when it ended by itself (a failed save).
  bool KillChildAfter(const String& path, int delayMs) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {"--save-until-killed", QString::fromStdString(path)});
    if (!child.waitForStarted(5000)) return false;
    while (!child.canReadLine() && child.state() == QProcess::Running) child.waitForReadyRead(100);
    QThread::msleep(static_cast<unsigned long>(delayMs));
    const bool running = child.state() == QProcess::Running;
    child.kill();
    child.waitForFinished(5000);
    if (!running) ADD_FAILURE() << "child ended: " << child.readAllStandardError().toStdString();
    return running;
  }
};

TEST_F(SaveCrashTest, KilledSaveNeverDamagesTheStoredRevision) {
  const String path = ScratchPath("Crash_dwg.mdb");
  CreateEmptyDrawingsDb(path);
  MakeDrawing("Rev. 0", StoredLines, 0);
  DwgDbPath = path;
  ASSERT_TRUE(SaveDrawing(1));
  const String stored = std::to_string(Dwgs[1].DrawID);
  MakeDrawing("Rev. 1", ChildLines, 1000);  // the revision every child replaces
  DwgDbPath = path;
  ASSERT_TRUE(SaveDrawing(1));
  std::vector<std::vector<String>> storedRows;
  {
    TestDatabase db(path);
    storedRows = RowsOf(db, stored);
  }
  ASSERT_EQ(storedRows.size(), 1u + 1u + StoredLines * 3u);

  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> delay(0, 1000);
  int interrupted = 0;  // kills that left a half-written transaction behind
  for (int kill = 1; kill <= 20; ++kill) {
    const int ms = delay(random);
    SCOPED_TRACE("kill " + std::to_string(kill) + " after " + std::to_string(ms) + " ms");
    ASSERT_TRUE(KillChildAfter(path, ms));
    if (QFile::exists(QString::fromStdString(path + "-journal"))) ++interrupted;
    // The program opens the file as a save does, which rolls an interrupted
    // save back; after that it reads like any database.
    Connection connection;
    ASSERT_TRUE(connection.Open(path, OpenMode::ReadWrite)) << ErrorText(connection.Error());
    connection.Close();
    TestDatabase db(path);
    ASSERT_EQ(db.Text("PRAGMA integrity_check"), "ok");
    ASSERT_EQ(RowsOf(db, stored), storedRows);

    // The replaced revision is whole: all its rows come from one save.
    const auto revision = db.Rows("SELECT DrawID, Nlines FROM Drawing WHERE Revision = 'Rev. 1'");
    ASSERT_EQ(revision.size(), 1u);
    const double lines = db.Number("SELECT count(*) FROM Lines");
    const double points = db.Number("SELECT count(*) FROM Points");
    const String child = revision[0][0];
    EXPECT_EQ(revision[0][1], std::to_string(ChildLines));
    EXPECT_EQ(lines, StoredLines + ChildLines);
    EXPECT_EQ(points, 2 * (StoredLines + ChildLines));
    EXPECT_EQ(db.Number("SELECT count(DISTINCT Flag) FROM Lines WHERE DrawingID = " + child), 1);
    EXPECT_EQ(db.Text("SELECT count(DISTINCT PY) || ',' || max(PY) FROM Points WHERE PY > 0"),
              "1," + db.Text("SELECT Flag FROM Lines WHERE DrawingID = " + child + " LIMIT 1") + ".0");
  }
  EXPECT_GT(interrupted, 0);
}

}  // namespace
}  // namespace lintavo
