// A drawings database that another program saves into while the program
// reads it: File, Open previews and loads a drawing as one save left it.
#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include "model/ChangeMarks.h"
#include "platform/SurfaceWidget.h"
#include "storage/SaveFixture.h"
#include "storage/SpoiltDatabase.h"
#include "storage/Verify.h"
#include "support/SqliteProbes.h"
#include "windows/file/frmDwgSave.h"
#include "windows/file/frmDwgSelect.h"

namespace lintavo {
namespace {

class SharedDatabaseTest : public SaveFixture {
 protected:
  // Another program's save of stored drawing drawId, number v: the Drawing
  // row described "Save v" with extents 0..200 by 0..100, and afresh, under
  // keys of their own, its layer "Layer v" with two lines of colour v from
  // (v, 0) to (v, 40) and (v, 60) to (v, 100). A save that finds the file
  // locked is given up, as that program would.
  static void SaveVersion(TestDatabase& other, Long drawId, int v) {
    if (sqlite3_exec(other.Handle(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) return;
    const DbValue key(drawId), layer(Long{1000 + v}), colour(Long{v}), x(Double{1.0 * v});
    other.Exec("UPDATE Drawing SET Description = ?, Nobjects = 1, Nlines = 2, Xmin = 0, Ymin = 0, Xmax = 200, "
               "Ymax = 100 WHERE DrawID = ?",
               {DbValue("Save " + std::to_string(v)), key});
    other.Exec("DELETE FROM Points WHERE LineID IN (SELECT LineID FROM Lines WHERE DrawingID = ?)", {key});
    other.Exec("DELETE FROM Lines WHERE DrawingID = ?", {key});
    other.Exec("DELETE FROM Objects WHERE DrawingID = ?", {key});
    other.Exec("INSERT INTO Objects (ObjectID, Rtype, Name, Show, Lock, Nlines, Xorigin, Yorigin, Xmin, Ymin, "
               "Xmax, Ymax, DrawingID) VALUES (?, 6, ?, -1, 0, 2, 0, 0, 0, 0, 200, 100, ?)",
               {layer, DbValue("Layer " + std::to_string(v)), key});
    for (const Double y : {0.0, 60.0}) {
      other.Exec("INSERT INTO Lines (Rtype, Name, Show, Erased, Flag, Selected, \"Select\", Color, Ltype, Weight, "
                 "Width, Area, NPoints, PointID, LayerID, OwnerID, ObjectID, DrawingID) "
                 "VALUES (2, '', -1, 0, 0, 0, 0, ?, 0, 1, 0, 0, 2, 1, ?, 0, 0, ?)",
                 {colour, layer, key});
      for (const Double py : {y, y + 40})
        other.Exec("INSERT INTO Points (LineID, PX, PY) SELECT max(LineID), ?, ? FROM Lines", {x, DbValue(py)});
    }
    if (sqlite3_exec(other.Handle(), "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
      sqlite3_exec(other.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
  }

  // File, Save, then Save Drawing in the dialog: the dialog's result line.
  String SaveByMenu() {
    String result;
    Responder().OnDialog<frmDwgSave>(
        [&](frmDwgSave& dialog) {
          dialog.cmdSave->click();
          result = dialog.lblMsg->text().toStdString();
        },
        &frmDwgSave::cmdExit);
    main_->MenuItem("mnuFileSave")->trigger();
    return result;
  }

  // The colours of the preview picture other than its white background.
  static std::set<Long> InkColours(const SurfaceWidget& picture) {
    std::set<Long> colours;
    for (int y = 0; y < picture.DeviceHeight(); ++y)
      for (int x = 0; x < picture.DeviceWidth(); ++x)
        if (picture.PixelAt(x, y) != 0xFFFFFF) colours.insert(picture.PixelAt(x, y));
    return colours;
  }
};

// The other program saves at the start of every statement the program runs
// on any database: between the reads of the drawing row, its items and its
// lines, and between the preview's lines and points. Whichever save the
// program reads, it reads that one whole: the row's description, the
// layer and every line's colour and place are of one save, and nothing is
// reported missing.
TEST_F(SharedDatabaseTest, FileOpenPreviewsAndLoadsADrawingAsOneSaveLeftIt) {
  Responder().AnswerEveryMsgBox(vbOK);  // a mixed load reports the layers it misses
  Long window = 1;
  for (const char* journal : {"DELETE", "WAL"}) {
    SCOPED_TRACE(journal);
    DwgDbPath = MakeDrawingsDb(String("Shared") + journal + "_dwg.mdb");
    TestDatabase other(DwgDbPath, true);
    other.Rows(String("PRAGMA journal_mode = ") + journal);
    ASSERT_TRUE(SaveDrawing(1));
    const Long drawId = Dwgs[1].DrawID;
    int saves = 0;
    SaveVersion(other, drawId, ++saves);
    FixedDpiDocument* loaded = Open(++window);
    std::set<Long> previewInk;
    {
      StatementHook everyStatement([&] { SaveVersion(other, drawId, ++saves); });
      Responder().OnDialog<frmDwgSelect>(
          [&](frmDwgSelect& chooser) {
            chooser.List1->setCurrentRow(0);
            chooser.cmdShow->click();
            previewInk = InkColours(*chooser.Picture1);
          },
          &frmDwgSelect::cmdOK);
      main_->MenuItem("mnuFileOpen")->trigger();
    }
    ASSERT_GT(saves, 3);  // the other program did save meanwhile

    EXPECT_EQ(previewInk.size(), 1u);
    const DwgRec& dwg = Dwgs[window];
    ASSERT_EQ(dwg.Description.rfind("Save ", 0), 0u);
    const int v = std::stoi(dwg.Description.substr(5));
    EXPECT_EQ(loaded->FileName(), "Shed");
    const std::vector<Long> lines = EntitiesOf(static_cast<Integer>(window));
    ASSERT_EQ(lines.size(), 2u);
    for (const Long j : lines) {
      const ObjRec& line = Objs[j];
      EXPECT_EQ(line.Color, v);
      EXPECT_EQ(Pnts[line.PointID].X, v);
      EXPECT_EQ(line.LayerID >= 1 ? Items[line.LayerID].Name : "no layer", "Layer " + std::to_string(v));
    }
    EXPECT_EQ(Responder().MessageTexts(), std::vector<String>{});
  }
}

// The check before a save reads the whole file; it is made again only when
// someone else has written the file since this program's last save into it,
// in either journal mode (the other program lets the file go between
// saves): saved twice, the file is checked once; after
// another program's save it is checked again and takes the save; after
// another program left an index lacking a line, it is checked and refused.
TEST_F(SharedDatabaseTest, TheCheckBeforeASaveReadsTheFileAgainOnlyAfterAnotherProgramWroteIt) {
  const struct {
    std::vector<String> other;  // what the other program runs before the save
    std::vector<int> answers;   // to the question whether to over write, and to the refusal
    const char* result;         // the save's result line
    int checks;                 // checks of the whole file so far
  } steps[] = {
      {{}, {}, "Drawing: Shed  Saved!", 1},
      {{}, {vbYes}, "Drawing: Shed  Saved!", 1},
      {{"UPDATE Drawing SET Description = 'theirs'"}, {vbYes}, "Drawing: Shed  Saved!", 2},
      {PastIndex("Lines_DrawingID", {"INSERT INTO Lines (DrawingID) SELECT max(DrawID) FROM Drawing"}),
       {vbYes, vbOK}, "Error Saving Drawing: Shed", 3},
  };
  for (const char* journal : {"DELETE", "WAL"}) {
    SCOPED_TRACE(journal);
    DwgDbPath = MakeDrawingsDb(String("Checked") + journal + "_dwg.mdb");
    TestDatabase(DwgDbPath, true).Rows(String("PRAGMA journal_mode = ") + journal);
    int checks = 0;
    StatementHook counting([&](const char* sql) { checks += String(sql).rfind("PRAGMA integrity_check", 0) == 0; });
    for (const auto& step : steps) {
      if (!step.other.empty()) {
        TestDatabase other(DwgDbPath, true);  // the other program writes, then lets the file go
        for (const String& sql : step.other) other.Exec(sql);
      }
      for (const int answer : step.answers) Responder().AnswerMsgBox(answer);
      EXPECT_EQ(SaveByMenu(), step.result);
      EXPECT_EQ(checks, step.checks) << step.result;
    }
  }
}

// A damaged copy written back over the file in place with the file's old
// time given back, as a copy that keeps times or a restore from a backup
// leaves it: the same file, size, time and header as the program's last
// save left. Only the time of the inode's change tells, and the check
// before the next save reads the file again and refuses it.
TEST_F(SharedDatabaseTest, ADamagedCopyWrittenBackInPlaceWithItsTimePutBackIsCheckedAndRefused) {
  for (const char* journal : {"DELETE", "WAL"}) {
    SCOPED_TRACE(journal);
    DwgDbPath = MakeDrawingsDb(String("InPlace") + journal + "_dwg.mdb");
    TestDatabase(DwgDbPath, true).Rows(String("PRAGMA journal_mode = ") + journal);
    ASSERT_EQ(SaveByMenu(), "Drawing: Shed  Saved!");
    const String copy = DwgDbPath + ".copy";
    ASSERT_TRUE(QFile::copy(QString::fromStdString(DwgDbPath), QString::fromStdString(copy)));
    BreakPageOf(copy, "Components");  // a table this save does not write
    const FileStamp saved = StampOf(DwgDbPath);
    {
      QFile file(QString::fromStdString(DwgDbPath));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));  // the same file, emptied and written again
      ASSERT_EQ(file.write(FileBytes(copy)), saved.Size);
    }
    const timespec times[2] = {{0, UTIME_OMIT}, {saved.Modified / 1000000000, saved.Modified % 1000000000}};
    ASSERT_EQ(utimensat(AT_FDCWD, DwgDbPath.c_str(), times, 0), 0);
    FileStamp written = StampOf(DwgDbPath);
    ASSERT_NE(written.Changed, saved.Changed);
    written.Changed = saved.Changed;
    ASSERT_EQ(written, saved);  // all else is as the save left it

    Responder().AnswerMsgBox(vbYes);
    Responder().AnswerMsgBox(vbOK);
    const size_t asked = Responder().Prompts().size();
    EXPECT_EQ(SaveByMenu(), "Error Saving Drawing: Shed");
    const std::vector<PromptRecord> boxes = Responder().MessageBoxes(asked);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_NE(boxes[1].text.find("' is damaged ("), String::npos) << boxes[1].text;
  }
}

// Where the stamp of what a save left does not see everything SQLite will
// read for the file, the next save checks the file: while another program
// holds it in WAL mode (its log then keeps commits, whose frames and index
// may be written past the locks), and while the file has a second name
// (through which another program commits into a journal of its own; in WAL
// mode such a file takes no save, below). The program alone, or another
// program holding a file in rollback mode, costs no check, nor does a save
// through a symbolic link, which is no second name.
TEST_F(SharedDatabaseTest, TheNextSaveChecksTheFileWhereTheStampCannotSeeEverythingSqliteReads) {
  enum class Beside { Nothing, AnotherProgramHoldingIt, ASecondName, ASymbolicLinkSavedThrough };
  const struct {
    const char* journal;
    Beside beside;
    int checksOfTheSecondSave;
  } rows[] = {
      {"DELETE", Beside::Nothing, 0},     {"WAL", Beside::Nothing, 0},
      {"DELETE", Beside::AnotherProgramHoldingIt, 0}, {"WAL", Beside::AnotherProgramHoldingIt, 1},
      {"DELETE", Beside::ASecondName, 1}, {"WAL", Beside::ASymbolicLinkSavedThrough, 0},
  };
  int made = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.journal << " beside " << static_cast<int>(row.beside));
    DwgDbPath = MakeDrawingsDb("Beside" + std::to_string(++made) + "_dwg.mdb");
    TestDatabase(DwgDbPath, true).Rows(String("PRAGMA journal_mode = ") + row.journal);
    std::optional<TestDatabase> holding;
    if (row.beside == Beside::AnotherProgramHoldingIt) {
      holding.emplace(DwgDbPath);
      ASSERT_EQ(holding->Number("SELECT count(*) FROM Drawing"), 0);
    }
    const String secondName = DwgDbPath + ".link";
    if (row.beside == Beside::ASecondName) ASSERT_EQ(link(DwgDbPath.c_str(), secondName.c_str()), 0);
    if (row.beside == Beside::ASymbolicLinkSavedThrough) {
      ASSERT_EQ(symlink(DwgDbPath.c_str(), secondName.c_str()), 0);
      DwgDbPath = secondName;
    }
    int checks = 0;
    StatementHook counting([&](const char* sql) { checks += String(sql).rfind("PRAGMA integrity_check", 0) == 0; });
    ASSERT_EQ(SaveByMenu(), "Drawing: Shed  Saved!");
    EXPECT_EQ(checks, 1);
    checks = 0;
    Responder().AnswerMsgBox(vbYes);
    EXPECT_EQ(SaveByMenu(), "Drawing: Shed  Saved!");
    EXPECT_EQ(checks, row.checksOfTheSecondSave);
    if (row.beside == Beside::ASecondName) std::remove(secondName.c_str());
  }
}

// A file in WAL mode that has a second name (a hard link) takes no save:
// another program committing through the other name writes a log of its
// own, which this program never reads, and one program's commits would be
// lost. The save stores nothing, says why, and the drawing stays changed.
TEST_F(SharedDatabaseTest, ASaveIntoAWalFileWithASecondNameStoresNothingAndSaysWhy) {
  Responder().AnswerEveryMsgBox(vbOK);
  TestDatabase(DwgDbPath, true).Rows("PRAGMA journal_mode = WAL");
  ASSERT_EQ(link(DwgDbPath.c_str(), (DwgDbPath + ".link").c_str()), 0);
  EXPECT_EQ(SaveByMenu(), "Error Saving Drawing: Shed");
  const std::vector<PromptRecord> boxes = Responder().MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find("has another name (a hard link): another name of the file may hold commits this "
                               "program cannot see, and nothing was saved into it. Save into a database with one name."),
            String::npos)
      << boxes[0].text;
  EXPECT_TRUE(IsDrawingChanged(1));
  EXPECT_EQ(TestDatabase(DwgDbPath).Number("SELECT count(*) FROM Drawing"), 0);
}

// What another program does to the drawings database past SQLite's locks,
// and when, as told by the statements the program runs.
enum class Spoiling {
  BrokenPage,        // one byte of the Components table's first page written in place, as dd does
  OlderCopyPutBack,  // a copy taken after the first save put back over the file, times kept, as cp -p does
  LogLeftBeside,     // a log whose one commit breaks that page, put beside a file in rollback mode
  HotJournal,        // a hot journal whose playback breaks that page, put beside the file
  ModeChanged,       // the file's permissions changed (chmod): nothing of its contents
  Checkpointed,      // a browser holding the file in WAL mode since the first save copies its log into it,
                     //   as SQLite's checkpoints rightly do
};
enum class Moment {
  BetweenSaves,    // after one save, before the next
  AfterTheCheck,   // within a save: after its check, at its first write
  AtTheCommit,     // within a save: as its COMMIT starts
  BeforeTheStamp,  // after the save's commit, as the first statement after it starts (the stamp's reading)
};

// What the save under way tells, and what it stored.
enum class Outcome {
  Saved,         // "Saved!", its rows there
  NothingSaved,  // refused before its commit: written meanwhile, nothing saved
  NotWhole,      // its commit was made, but what it stored cannot be told whole
  DamagedAfter,  // its commit was made, and a check after it found the file damaged
};

// Whether the save under way makes the check of the whole file itself,
// before it writes, and why.
enum class Before {
  LeftSound,         // no: the program alone with its file, its last save's stamp is trusted
  FirstSaveOfARun,   // yes: the program starts anew and remembers no save into the file
  AnotherHoldsTheFile,  // yes: a browser holds the file in WAL mode since the first save, its log keeping
                        //   the saves' commits
};

struct SpoilingRow {
  Spoiling spoiling;
  Moment moment;
  const char* journal;
  Before before = Before::LeftSound;
};

std::vector<SpoilingRow> SpoilingRows() {
  std::vector<SpoilingRow> rows;
  for (const char* journal : {"DELETE", "WAL"}) {
    for (const Spoiling spoiling : {Spoiling::BrokenPage, Spoiling::OlderCopyPutBack})
      for (const Moment moment :
           {Moment::BetweenSaves, Moment::AfterTheCheck, Moment::AtTheCommit, Moment::BeforeTheStamp})
        rows.push_back({spoiling, moment, journal});
    rows.push_back({Spoiling::ModeChanged, Moment::AtTheCommit, journal});
  }
  for (const Moment moment : {Moment::AfterTheCheck, Moment::AtTheCommit}) {
    rows.push_back({Spoiling::Checkpointed, moment, "WAL", Before::AnotherHoldsTheFile});
    for (const Before before : {Before::FirstSaveOfARun, Before::AnotherHoldsTheFile})
      rows.push_back({Spoiling::BrokenPage, moment, "WAL", before});
  }
  for (const Moment moment : {Moment::BetweenSaves, Moment::AfterTheCheck, Moment::AtTheCommit})
    rows.push_back({Spoiling::LogLeftBeside, moment, "DELETE"});
  rows.push_back({Spoiling::HotJournal, Moment::BeforeTheStamp, "DELETE"});
  return rows;
}

// The spoilings that damage the file.
bool Damages(Spoiling spoiling) {
  return spoiling != Spoiling::OlderCopyPutBack && spoiling != Spoiling::ModeChanged &&
         spoiling != Spoiling::Checkpointed;
}

// Whether the save's rows are there to be read after it: not when an older
// copy was put back after its commit, nor with a journal beside the file
// that the reading would play back. A broken page is of another table.
bool RowsLeftAsSaved(const SpoilingRow& r) {
  if (r.spoiling == Spoiling::HotJournal) return false;
  return r.spoiling != Spoiling::OlderCopyPutBack || r.moment != Moment::BeforeTheStamp;
}

// What the save under way must tell. In rollback-journal mode its commit
// goes into the file: a write (or a log put beside it) after its check and
// before COMMIT refuses it, one during COMMIT leaves it not whole. In WAL
// mode the commit goes into the log, and a write into the file is checked
// after the commit. After the commit the save is done.
Outcome Expected(const SpoilingRow& r) {
  if (r.moment == Moment::BeforeTheStamp) return Outcome::Saved;
  if (String(r.journal) == "DELETE") return r.moment == Moment::AfterTheCheck ? Outcome::NothingSaved : Outcome::NotWhole;
  return r.spoiling == Spoiling::BrokenPage ? Outcome::DamagedAfter : Outcome::Saved;
}

class SpoiledBehindTheLocksTest : public SharedDatabaseTest {
 protected:
  // Runs program with args as another program; it must succeed.
  static void RunOther(const QString& program, const QStringList& args) {
    EXPECT_EQ(QProcess::execute(program, args), 0) << program.toStdString();
  }

  // Another program spoils the file: only other processes touch it, as the
  // program may hold it open.
  void Spoil(Spoiling spoiling) {
    const QString db = QString::fromStdString(DwgDbPath);
    if (spoiling == Spoiling::BrokenPage)
      RunOther("dd", {"if=" + QString::fromStdString(zeroByte_), "of=" + db, "bs=1", "count=1",
                      "seek=" + QString::number(brokenOffset_), "conv=notrunc", "status=none"});
    if (spoiling == Spoiling::OlderCopyPutBack) RunOther("cp", {"-p", QString::fromStdString(older_), db});
    if (spoiling == Spoiling::LogLeftBeside) RunOther("cp", {QString::fromStdString(log_), db + "-wal"});
    if (spoiling == Spoiling::HotJournal) RunOther("cp", {QString::fromStdString(journal_), db + "-journal"});
    if (spoiling == Spoiling::ModeChanged) RunOther("chmod", {"g+w", db});
    if (spoiling == Spoiling::Checkpointed) {
      const std::vector<std::vector<String>> done = browser_->Rows("PRAGMA wal_checkpoint(PASSIVE)");
      ASSERT_EQ(done.size(), 1u);
      EXPECT_GT(std::stoi(done[0].at(2)), 0) << "frames copied into the file";
    }
  }

  // What the spoilings put in place, right after the first save: where
  // BrokenPage writes (the first byte of the Components table's first
  // page), and, made while no connection holds the file, the older copy,
  // the log and the journal.
  void PrepareSpoilings() {
    brokenOffset_ = FirstPageOf(DwgDbPath, "Components").Offset();
    zeroByte_ = ScratchPath("zero.byte");
    QFile zero(QString::fromStdString(zeroByte_));
    ASSERT_TRUE(zero.open(QIODevice::WriteOnly) && zero.write(QByteArray(1, '\0')) == 1);
    if (browser_) return;  // the copies read the file with plain file calls
    older_ = DwgDbPath + ".older";
    QFile::remove(QString::fromStdString(older_));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(DwgDbPath), QString::fromStdString(older_)));
    log_ = DwgDbPath + ".log";
    LogBreakingPageOf(DwgDbPath, "Components", log_);
    journal_ = DwgDbPath + ".journal";
    JournalBreakingPageOf(DwgDbPath, "Components", journal_);
  }

  // The lines stored for drawing 1 under its key.
  Long StoredLines() {
    return static_cast<Long>(TestDatabase(DwgDbPath).Number("SELECT count(*) FROM Lines WHERE DrawingID = " +
                                                            std::to_string(Dwgs[1].DrawID)));
  }

  String older_;    // the copy OlderCopyPutBack puts back
  String log_;      // the log LogLeftBeside puts beside the file
  String journal_;  // the journal HotJournal puts beside the file
  String zeroByte_;  // a file of one zero byte
  qint64 brokenOffset_ = 0;
  std::optional<TestDatabase> browser_;  // a database browser left open on the file
};

// What the message boxes shown must say for each outcome but Saved.
const char* ToldFor(Outcome outcome) {
  switch (outcome) {
    case Outcome::NothingSaved: return "while this save was writing into it: nothing was saved into it";
    case Outcome::NotWhole: return "while this save was writing into it: what was stored cannot be told whole";
    case Outcome::DamagedAfter: return "while this save was writing into it, and what was stored cannot be told whole";
    case Outcome::Saved: break;
  }
  return "";
}

// Whatever another program writes into the file past SQLite's locks, and
// whenever, the save under way says "Saved!" only when its rows are there
// and the file is sound; otherwise it says it stored nothing, or that what
// it stored cannot be told whole. The save after it checks the file again,
// refuses a damaged one, and stores the drawing once, a commit made though
// it was not whole having kept its keys.
TEST_F(SpoiledBehindTheLocksTest, TheNextSaveChecksTheFileWhenTheWriteCameAtAnyMoment) {
  Responder().AnswerEveryMsgBox(vbOK);  // the error boxes; Yes to over write is queued before each save
  int row = 0;
  for (const SpoilingRow& r : SpoilingRows()) {
    SCOPED_TRACE(::testing::Message() << r.journal << " spoiling " << static_cast<int>(r.spoiling) << " at moment "
                                      << static_cast<int>(r.moment) << " before " << static_cast<int>(r.before));
    DwgDbPath = MakeDrawingsDb("Spoiled" + std::to_string(++row) + "_dwg.mdb");
    TestDatabase(DwgDbPath, true).Rows(String("PRAGMA journal_mode = ") + r.journal);
    browser_.reset();
    if (r.before == Before::AnotherHoldsTheFile) {
      browser_.emplace(DwgDbPath, true);  // it holds the log, which then keeps the saves' commits
      EXPECT_EQ(browser_->Number("SELECT count(*) FROM Drawing"), 0);
    }
    ASSERT_EQ(SaveByMenu(), "Drawing: Shed  Saved!");
    PrepareSpoilings();
    if (r.before == Before::FirstSaveOfARun) ResetVerify();
    AddEntity(EntityLine, {{10, 10}, {20, 10}});  // the next save stores more than the older copy holds

    // Which statement of the save under way the moment is.
    bool inSave = false, committed = false, spoiled = false;
    int checks = 0;
    StatementHook watching([&](const char* sql) {
      const String text = sql;
      checks += text.rfind("PRAGMA integrity_check", 0) == 0;
      if (spoiled || r.moment == Moment::BetweenSaves) return;
      const bool writes = text.rfind("INSERT", 0) == 0 || text.rfind("UPDATE", 0) == 0 || text.rfind("DELETE", 0) == 0;
      const bool now = (r.moment == Moment::AfterTheCheck && inSave && writes) ||
                       (r.moment == Moment::AtTheCommit && inSave && text == "COMMIT") ||
                       (r.moment == Moment::BeforeTheStamp && committed);
      if (text == "BEGIN EXCLUSIVE") inSave = true;
      if (inSave && text == "COMMIT") committed = true;
      if (!now) return;
      spoiled = true;
      Spoil(r.spoiling);
    });
    if (r.moment == Moment::BetweenSaves) {
      Spoil(r.spoiling);
      if (r.spoiling == Spoiling::LogLeftBeside) {
        browser_.emplace(DwgDbPath);  // it reads the log, and keeps the file from folding it in
        EXPECT_EQ(browser_->Number("SELECT count(*) FROM Drawing"), 1);
      }
    } else {
      const size_t asked = Responder().Prompts().size();
      Responder().AnswerMsgBox(vbYes);
      const String result = SaveByMenu();
      EXPECT_TRUE(spoiled);
      String told;
      for (const PromptRecord& box : Responder().MessageBoxes(asked)) told += box.text + "\n";
      const Outcome outcome = Expected(r);
      if (outcome == Outcome::Saved) {
        EXPECT_EQ(result, "Drawing: Shed  Saved!") << told;
        if (RowsLeftAsSaved(r)) EXPECT_EQ(StoredLines(), static_cast<Long>(EntitiesOf(1).size()));
      } else {
        EXPECT_EQ(result, "Error Saving Drawing: Shed");
        EXPECT_NE(told.find(ToldFor(outcome)), String::npos) << told;
      }
    }

    // The next save.
    checks = 0;
    const size_t asked = Responder().Prompts().size();
    Responder().AnswerMsgBox(vbYes);
    const String result = SaveByMenu();
    const std::vector<PromptRecord> boxes = Responder().MessageBoxes(asked);
    // It checks the file, unless a read (of the save dialog's) met the damage first.
    const bool foundByARead =
        !boxes.empty() && boxes.back().text.find("(it was found so when it was read)") != String::npos;
    EXPECT_EQ(checks, foundByARead ? 0 : 1) << result;
    if (result == "Drawing: Shed  Saved!") {
      EXPECT_FALSE(Damages(r.spoiling)) << "a damaged file took the save";
      EXPECT_EQ(TestDatabase(DwgDbPath).Text("PRAGMA integrity_check"), "ok");
      EXPECT_EQ(StoredLines(), static_cast<Long>(EntitiesOf(1).size()));
    } else {
      EXPECT_EQ(result, "Error Saving Drawing: Shed");
      EXPECT_EQ(boxes.size(), 2u);
      EXPECT_NE(boxes.back().text.find("' is damaged ("), String::npos) << boxes.back().text;
    }
  }
}

// A save whose commit was made while another program wrote the file (here
// only its permissions, as COMMIT starts) says that what it stored cannot
// be told whole, and the drawing stays changed; the commit keeps the keys
// of the rows it stored, so the window's next save, which rewrites the
// stored rows by their keys, stores every line once.
TEST_F(SpoiledBehindTheLocksTest, ACommitMadeThoughNotWholeKeepsItsKeysAndTheNextSaveStoresEveryLineOnce) {
  Responder().AnswerEveryMsgBox(vbOK);
  DwgDbPath = MakeDrawingsDb("NotWhole_dwg.mdb");
  for (int i = 0; i < 300; ++i) AddEntity(EntityLine, {{0, 1.0 * i}, {10, 1.0 * i}});
  doc_->SaveFile("Shed");
  ASSERT_FALSE(IsDrawingChanged(1));
  for (int i = 0; i < 5; ++i) AddEntity(EntityLine, {{20, 1.0 * i}, {30, 1.0 * i}});
  const Long lines = static_cast<Long>(EntitiesOf(1).size());
  const size_t asked = Responder().Prompts().size();
  {
    bool spoiled = false;
    StatementHook atTheCommit([&](const char* sql) {
      if (spoiled || String(sql) != "COMMIT") return;
      spoiled = true;
      RunOther("chmod", {"g+w", QString::fromStdString(DwgDbPath)});
    });
    doc_->SaveFile("Shed");
    ASSERT_TRUE(spoiled);
  }
  const std::vector<PromptRecord> boxes = Responder().MessageBoxes(asked);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find(ToldFor(Outcome::NotWhole)), String::npos) << boxes[0].text;
  EXPECT_TRUE(IsDrawingChanged(1));
  EXPECT_EQ(StoredLines(), lines);  // the commit was made

  doc_->SaveFile("Shed");
  EXPECT_EQ(Responder().MessageBoxes(asked).size(), 1u);
  EXPECT_FALSE(IsDrawingChanged(1));
  EXPECT_EQ(StoredLines(), lines);
}

// ---- A copy put back at a random moment ----------------------------------------

// The drawing as stored, read with plain SQL as another program reads it,
// in whatever state the file is.
struct StoredRound {
  String integrity;  // the first line of PRAGMA integrity_check, or why the file could not be read
  int round = -1;    // the colour of each of the drawing's lines when all are there in one colour; else -1
};

StoredRound ReadRound(const String& path, DbKey key, size_t lines) {
  StoredRound stored;
  sqlite3* db = nullptr;
  sqlite3_stmt* check = nullptr;
  sqlite3_stmt* colours = nullptr;
  const String sql = "SELECT count(*), min(Color), max(Color) FROM Lines WHERE DrawingID = " + std::to_string(key);
  const bool checked = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
                       sqlite3_prepare_v2(db, "PRAGMA integrity_check(1)", -1, &check, nullptr) == SQLITE_OK &&
                       sqlite3_step(check) == SQLITE_ROW;
  stored.integrity = checked ? reinterpret_cast<const char*>(sqlite3_column_text(check, 0)) : sqlite3_errmsg(db);
  const bool read = sqlite3_prepare_v2(db, sql.c_str(), -1, &colours, nullptr) == SQLITE_OK &&
                    sqlite3_step(colours) == SQLITE_ROW;
  if (read && sqlite3_column_int64(colours, 0) == static_cast<sqlite3_int64>(lines) &&
      sqlite3_column_int(colours, 1) == sqlite3_column_int(colours, 2))
    stored.round = sqlite3_column_int(colours, 1);
  sqlite3_finalize(check);
  sqlite3_finalize(colours);
  sqlite3_close_v2(db);
  return stored;
}

// Another program puts the copy back over the file at path with cp -p,
// after delayMs from now; its process id.
pid_t CopyPutBackAfter(const String& copy, const String& path, double delayMs) {
  timespec at{};
  clock_gettime(CLOCK_MONOTONIC, &at);
  const std::int64_t ns = at.tv_nsec + static_cast<std::int64_t>(delayMs * 1e6);
  at.tv_sec += static_cast<time_t>(ns / 1000000000);
  at.tv_nsec = static_cast<long>(ns % 1000000000);
  const pid_t child = fork();
  if (child == 0) {  // only calls that are safe in the child of a program with threads
    clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr);
    execlp("cp", "cp", "-p", copy.c_str(), path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  return child;
}

// The drawing of the first save is kept with cp -p; a later save's COMMIT
// sets another program off to put that copy back with cp -p after a random
// delay, up to the time the save before took from its COMMIT to its end:
// the moments the save writes the file, lets it go and stamps it (the
// earlier moments are the table's). Whatever the moment, once both have
// let the file go: a save that said "Saved!" left its rows whole, or the
// copy put back after it took them back whole; the save after checks a
// damaged file and refuses it, and stores its rows whole when it says
// "Saved!". The seed is reported for a replay (LINTAVO_TEST_SEED).
TEST_F(SpoiledBehindTheLocksTest, ACopyPutBackAtARandomMomentOfASaveLeavesItsRowsWholeOrIsSeen) {
  constexpr int Lines = 3000, RoundsPerMode = 5;
  Responder().AnswerEveryMsgBox(vbOK);
  for (int i = 0; i < Lines; ++i) AddEntity(EntityLine, {{0, 1.0 * i}, {10, 1.0 * i}});
  const char* replay = std::getenv("LINTAVO_TEST_SEED");
  const unsigned seed = replay != nullptr ? static_cast<unsigned>(std::stoul(replay)) : std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  // Saves the drawing with its lines in the round's colour, running
  // atCommit as the save's COMMIT starts.
  struct Saved {
    bool whole;  // it said it stored the drawing, and showed no message
    int checks;  // PRAGMA integrity_check statements it ran
  };
  const auto saveRound = [&](int round, const std::function<void()>& atCommit) {
    for (const Long j : EntitiesOf(1)) Objs[j].Color = round;
    bool inSave = false;
    int checks = 0;
    StatementHook hook([&](const char* sql) {
      const String text = sql;
      checks += text.rfind("PRAGMA integrity_check", 0) == 0;
      if (inSave && text == "COMMIT") atCommit();
      inSave = text == "BEGIN EXCLUSIVE" || (inSave && text != "COMMIT");
    });
    const size_t asked = Responder().Prompts().size();
    const bool stored = SaveDrawing(1, {}, true);
    return Saved{stored && Responder().MessageBoxes(asked).empty(), checks};
  };
  int made = 0;
  for (const char* journal : {"DELETE", "WAL"}) {
    for (int round = 1; round <= RoundsPerMode; ++round) {
      DwgDbPath = MakeDrawingsDb("Restored" + std::to_string(++made) + "_dwg.mdb");
      TestDatabase(DwgDbPath, true).Rows(String("PRAGMA journal_mode = ") + journal);
      ASSERT_TRUE(saveRound(1, [] {}).whole);
      const String copy = DwgDbPath + ".copy";
      RunOther("cp", {"-p", QString::fromStdString(DwgDbPath), QString::fromStdString(copy)});
      QElapsedTimer clock;
      ASSERT_TRUE(saveRound(2, [&] { clock.start(); }).whole);
      ASSERT_TRUE(clock.isValid());
      const double spanMs = clock.nsecsElapsed() / 1e6;
      const double delayMs = std::uniform_real_distribution<double>(0, spanMs)(random);
      SCOPED_TRACE(::testing::Message() << journal << " round " << round << ": the copy put back " << delayMs
                                        << " ms after COMMIT, of " << spanMs << " ms");
      pid_t other = 0;
      const Saved attacked = saveRound(3, [&] { other = CopyPutBackAfter(copy, DwgDbPath, delayMs); });
      int status = 0;
      ASSERT_GT(other, 0);
      ASSERT_EQ(waitpid(other, &status, 0), other);
      ASSERT_EQ(status, 0);

      const StoredRound left = ReadRound(DwgDbPath, Dwgs[1].DrawID, EntitiesOf(1).size());
      if (attacked.whole) {
        EXPECT_EQ(left.integrity, "ok");
        EXPECT_TRUE(left.round == 3 || left.round == 1) << "lines of round " << left.round;
      }
      const size_t asked = Responder().Prompts().size();
      const Saved next = saveRound(4, [] {});
      const std::vector<PromptRecord> boxes = Responder().MessageBoxes(asked);
      const bool foundByARead =
          !boxes.empty() && boxes.back().text.find("(it was found so when it was read)") != String::npos;
      if (left.integrity != "ok") {
        EXPECT_FALSE(next.whole) << "a damaged file took the save";
        EXPECT_EQ(next.checks, foundByARead ? 0 : 1);
      }
      if (next.whole) {
        const StoredRound stored = ReadRound(DwgDbPath, Dwgs[1].DrawID, EntitiesOf(1).size());
        EXPECT_EQ(stored.integrity, "ok");
        EXPECT_EQ(stored.round, 4);
      }
    }
  }
}

}  // namespace
}  // namespace lintavo
