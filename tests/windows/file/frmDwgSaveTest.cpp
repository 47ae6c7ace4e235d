// The save drawing dialog, run through File, Save of the main window.
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <iterator>

#include "platform/Colors.h"
#include "platform/Prompts.h"
#include "storage/SaveData.h"
#include "storage/SaveFixture.h"
#include "support/SqliteProbes.h"
#include "windows/file/frmDwgSave.h"
#include "windows/file/frmDwgSelect.h"

namespace lintavo {
namespace {

class frmDwgSaveTest : public SaveFixture {
 protected:
  // File, Save with the dialog operated by operate, then closed with Exit.
  void FileSave(const std::function<void(frmDwgSave&)>& operate) {
    Responder().OnDialog<frmDwgSave>(operate, &frmDwgSave::cmdExit);
    main_->mnuFileSave_Click();
  }

  // Clicks Save; the result line's text and colour.
  static std::pair<String, Long> Save(frmDwgSave& dialog) {
    dialog.cmdSave->click();
    return {dialog.lblMsg->text().toStdString(), dialog.MsgColor()};
  }
};

const char* const OverwriteQuestion =
    "This Drawing Name already Exists at this Revision Level in The Selected Database, Do you want to "
    "Over Write? (Over Writing is time consuming!)";

TEST_F(frmDwgSaveTest, SavesOnceShowingGreenAndClearsTheChangedFlag) {
  doc_->IsDirty = FlagTrue;
  DlgCancelled = FlagTrue;  // left by an earlier Esc: not a failure of this save
  String caption;
  std::vector<String> boxes;
  std::pair<String, Long> first, second;
  FileSave([&](frmDwgSave& dialog) {
    caption = dialog.windowTitle().toStdString();
    for (const QString& text : {dialog.Label1->text(), dialog.Text1->text(), dialog.Label2->text(),
                                dialog.Text2->text(), dialog.Label3->text(), dialog.Text3->text(),
                                dialog.cmdBrowse->text(), dialog.cmdSave->text(), dialog.cmdExit->text()})
      boxes.push_back(text.toStdString());
    first = Save(dialog);
    second = Save(dialog);
  });

  EXPECT_EQ(caption, "Save Drawing As: Shed");
  EXPECT_EQ(boxes, (std::vector<String>{"Enter a  Name for This Drawing", "Shed", "And/Or Revision Level", "Rev. 0",
                                        "Save To Drawing Database", DwgDbPath, "Browse for Database",
                                        "Save Drawing", "Exit"}));
  EXPECT_EQ(first, std::make_pair(String("Drawing: Shed  Saved!"), ColorGreen));
  EXPECT_EQ(second, std::make_pair(String("ERROR.. Drawing Already Saved!"), ColorRed));
  EXPECT_FALSE(doc_->IsDirty);
  EXPECT_EQ(Count("SELECT count(*) FROM Drawing") + Count("SELECT count(*) FROM Lines"), 2);
}

TEST_F(frmDwgSaveTest, TheCaptionFollowsTheNameTheDrawingIsSavedUnder) {
  Dwgs[doc_->ID].Name = "New Drawing";
  QString before, after, refused;
  FileSave([&](frmDwgSave& dialog) {
    before = dialog.windowTitle();
    dialog.Text1->setText("Floor Plan A");
    Save(dialog);
    after = dialog.windowTitle();
    dialog.Text1->setText("Something Else");
    Save(dialog);  // refused: already saved
    refused = dialog.windowTitle();
  });
  EXPECT_EQ(before, "Save Drawing As: New Drawing");
  EXPECT_EQ(after, "Save Drawing As: Floor Plan A");
  EXPECT_EQ(refused, "Save Drawing As: Floor Plan A");
}

TEST_F(frmDwgSaveTest, RefusedDatabaseOrNameShowsItsRedLine) {
  const String components = ScratchPath("Parts_dwg.mdb");
  TestDatabase(components, true).Exec("CREATE TABLE Components (ObjectID INTEGER)");
  const String target = DwgDbPath;
  std::vector<std::pair<String, Long>> results;
  String pathAfterWrongKind;
  bool clearedByEdit = false;
  DwgDbPath = ScratchPath("Old_dwg.mdb");
  FileSave([&](frmDwgSave& dialog) {
    dialog.Text3->setText(QString::fromStdString(ScratchPath("Missing_dwg.mdb")));
    results.push_back(Save(dialog));
    dialog.Text3->setText(QString::fromStdString(components));
    results.push_back(Save(dialog));
    pathAfterWrongKind = DwgDbPath;
    dialog.Text3->setText(QString::fromStdString(target));
    dialog.Text1->clear();
    results.push_back(Save(dialog));
    dialog.Text1->setText("Shed");
    clearedByEdit = dialog.lblMsg->text().isEmpty();
  });

  EXPECT_EQ(results, (std::vector<std::pair<String, Long>>{{"ERROR.. Drawing Database NOT Found!", ColorRed},
                                                            {"ERROR.. Database NOT a Drawing Database!", ColorRed},
                                                            {"ERROR.. NOT a Valid Drawing Name!", ColorRed}}));
  EXPECT_EQ(pathAfterWrongKind, ScratchPath("Old_dwg.mdb"));
  EXPECT_EQ(DwgDbPath, target);  // a valid database is taken before the name is checked
  EXPECT_TRUE(clearedByEdit);
  EXPECT_EQ(Count("SELECT count(*) FROM Drawing"), 0);
}

// A name or revision the database cannot hold whole: 40,000 characters
// pasted as the name, a revision one character too long, a NUL that would
// end either when read back. The box keeps every character, the save
// refuses with a message and stores nothing; the longest storable name is
// then saved whole.
TEST_F(frmDwgSaveTest, ANameOrRevisionThatCannotBeStoredWholeIsRefusedNeverCut) {
  const QString withNul = QStringLiteral("Shed") + QChar(u'\0') + QStringLiteral("Annex");
  const QString longest(MaxStoredNameLength, QChar('L'));
  const struct {
    QString name;      // typed as the drawing name
    QString revision;  // typed as the revision; empty: the one the dialog showed
    const char* message;
  } cases[] = {
      {QString(40000, QChar('N')), "",
       "The drawing name has 40000 characters; at most 255 can be stored. Shorten it and save again."},
      {"Shed", QString(MaxStoredNameLength + 1, QChar('R')),
       "The revision has 256 characters; at most 255 can be stored. Shorten it and save again."},
      {withNul, "", "The drawing name holds a NUL character, which cannot be stored. Remove it and save again."},
      {"Shed", withNul, "The revision holds a NUL character, which cannot be stored. Remove it and save again."},
  };
  for (size_t k = 0; k < std::size(cases); ++k) Responder().AnswerMsgBox(vbOK);
  std::pair<String, Long> saved;
  FileSave([&](frmDwgSave& dialog) {
    const QString shownRevision = dialog.Text2->text();
    for (const auto& c : cases) {
      SCOPED_TRACE(c.message);
      dialog.Text1->setText(c.name);
      dialog.Text2->setText(c.revision.isEmpty() ? shownRevision : c.revision);
      if (c.name.size() > MaxStoredNameLength) EXPECT_EQ(dialog.Text1->text().size(), c.name.size());
      const size_t shown = Responder().MessageTexts().size();
      EXPECT_EQ(Save(dialog).first, "ERROR.. NOT a Valid Drawing Name!");
      ASSERT_EQ(Responder().MessageTexts().size(), shown + 1);
      EXPECT_EQ(Responder().MessageTexts().back(), c.message);
      EXPECT_EQ(Text("SELECT count(*) FROM Drawing"), "0");
    }
    dialog.Text1->setText(longest);
    dialog.Text2->setText("Rev. 1");
    saved = Save(dialog);
  });
  EXPECT_EQ(saved.second, ColorGreen);
  EXPECT_EQ(Text("SELECT Name FROM Drawing"), longest.toStdString());
}

TEST_F(frmDwgSaveTest, FailedRevisionCheckStopsTheSave) {
  // The tables of a drawings database, but not their columns.
  const String odd = ScratchPath("Odd_dwg.mdb");
  TestDatabase db(odd, true);
  for (const char* table : {"Drawing", "Components", "Objects", "Lines", "Points"})
    db.Exec("CREATE TABLE \"" + String(table) + "\" (Name TEXT)");
  db.Exec("INSERT INTO Drawing VALUES ('Shed')");
  Responder().AnswerMsgBox(vbOK);
  std::pair<String, Long> result;
  FileSave([&](frmDwgSave& dialog) {
    dialog.Text3->setText(QString::fromStdString(odd));
    result = Save(dialog);
  });
  EXPECT_EQ(Responder().Prompts()[1].title, "Check Drawing");
  EXPECT_EQ(result, std::make_pair(String("Error Saving Drawing: Shed"), ColorRed));
  EXPECT_EQ(db.Number("SELECT count(*) FROM Drawing"), 1);
}

TEST_F(frmDwgSaveTest, StoredNameAndRevisionAreOnlyReplacedAfterYes) {
  Dwgs[1].Name = "Barn";
  Dwgs[1].Revision = "Rev. 1";
  ASSERT_TRUE(SaveDrawing(1));
  Dwgs[1] = DwgRec{};  // a new drawing, never saved
  Dwgs[1].Name = "Shed";
  Dwgs[1].Revision = "Rev. 0";
  for (Long j = 1; j <= ObjCount; ++j) Objs[j].LineID = 0;
  AddEntity(EntityLine, {{1, 1}, {2, 2}});

  Responder().AnswerMsgBox(vbNo);
  Responder().AnswerMsgBox(vbYes);
  std::pair<String, Long> no, yes;
  String nameAfterNo, revisionAfterNo;
  FileSave([&](frmDwgSave& dialog) {
    dialog.Text1->setText("Barn");
    dialog.Text2->setText("Rev. 1");
    no = Save(dialog);
    nameAfterNo = Dwgs[1].Name;
    revisionAfterNo = Dwgs[1].Revision;
    yes = Save(dialog);
  });

  const PromptRecord& question = Responder().Prompts()[1];
  EXPECT_EQ(question.text, OverwriteQuestion);
  EXPECT_EQ(question.title, "Save Drawing");
  EXPECT_EQ(question.style, vbYesNo);
  EXPECT_EQ(no, std::make_pair(String("Error - Duplicate Drawing Name and Revision in Database!"), ColorRed));
  EXPECT_EQ(nameAfterNo + "|" + revisionAfterNo, "Shed|Rev. 0");
  EXPECT_EQ(yes, std::make_pair(String("Drawing: Barn  Saved!"), ColorGreen));
  EXPECT_EQ(Count("SELECT count(*) FROM Drawing"), 1);
  EXPECT_EQ(Count("SELECT count(*) FROM Lines"), 2);
  EXPECT_EQ(Count("SELECT count(*) FROM Points"), 7);
}

// Yes to the overwrite question: its message, and then the one of a long
// drawing name, wrap in the result line and show whole; the dialog keeps its
// size and its buttons stay where they were, so a click meant for Exit never
// lands on Save Drawing.
TEST_F(frmDwgSaveTest, MessagesWrapAndLeaveTheDialogAndItsButtonsWhereTheyWere) {
  Dwgs[1].Name = "Garden Shed With A Lean To Roof And Two Doors On The North Side";
  ASSERT_TRUE(SaveDrawing(1));  // stored: the save asks before replacing it
  Responder().AnswerMsgBox(vbYes);
  std::vector<QRect> before, after;  // the dialog, Save Drawing, Exit
  int shown = 0, needed = 0;         // pixels of the result line's height
  FileSave([&](frmDwgSave& dialog) {
    const auto geometry = [&dialog] {
      return std::vector<QRect>{dialog.rect(), dialog.cmdSave->geometry(), dialog.cmdExit->geometry()};
    };
    before = geometry();
    Save(dialog);
    QCoreApplication::processEvents();  // the layout follows the message
    after = geometry();
    shown = dialog.lblMsg->height();
    needed = dialog.lblMsg->heightForWidth(dialog.lblMsg->width());
  });
  EXPECT_EQ(after, before);
  EXPECT_LE(needed, shown);
}

TEST_F(frmDwgSaveTest, FailedSaveShowsRedAndLeavesTheDrawingChanged) {
  doc_->IsDirty = FlagTrue;
  FailPointInsert(3);
  Responder().AnswerMsgBox(vbOK);
  std::pair<String, Long> result;
  FileSave([&](frmDwgSave& dialog) {
    dialog.Text1->setText("Shed 2");
    result = Save(dialog);
  });
  EXPECT_EQ(result, std::make_pair(String("Error Saving Drawing: Shed 2"), ColorRed));
  EXPECT_TRUE(doc_->IsDirty);
  EXPECT_EQ(Dwgs[1].Name, "Shed");
  EXPECT_EQ(Dwgs[1].DrawID, 0);
  EXPECT_EQ(Count("SELECT count(*) FROM Drawing"), 0);
}

TEST_F(frmDwgSaveTest, PlacedComponentsTheDatabaseLacksAreSavedOnceBeforeTheDrawing) {
  const Long stored = AddComponent("Stored");
  CompDbPath = DwgDbPath;
  Long storedIndex = stored;
  SaveComponent(storedIndex);
  AddDefinitionEntity(stored, EntityLine, 0);  // changed since: left as stored

  const Long inner = AddComponent("Inner"), outer = AddComponent("Outer"), door = AddComponent("Door");
  AddDefinitionEntity(outer, EntityComponent, inner);
  for (Long c : {door, outer, door, stored}) {
    const Long placement = AddEntity(EntityComponent, {{0, 0}, {1, 1}, {0, 0}});
    Objs[placement].ObjectID = c;
    Objs[placement].Name = Items[c].Name;
  }
  std::pair<String, Long> result;
  FileSave([&](frmDwgSave& dialog) { result = Save(dialog); });

  EXPECT_EQ(result.second, ColorGreen);
  EXPECT_EQ(Column("SELECT Name FROM Components ORDER BY ObjectID"),
            (std::vector<String>{"Stored", "Door", "Inner", "Outer"}));
  EXPECT_EQ(Count("SELECT count(*) FROM Lines WHERE DrawingID = 0 AND OwnerID = " +
                  std::to_string(Items[stored].ObjectID)),
            1);
  EXPECT_EQ(Count("SELECT Nlines FROM Components WHERE Name = 'Stored'"), 1);
  EXPECT_EQ(Count("SELECT count(*) FROM Lines WHERE DrawingID <> 0 AND Rtype = 12 AND ObjectID = " +
                  std::to_string(Items[door].ObjectID)),
            2);
}

TEST_F(frmDwgSaveTest, BrowseTakesOnlyADrawingsDatabase) {
  const String other = MakeDrawingsDb("Other_dwg.mdb");
  QFile text(QString::fromStdString(ScratchPath("Notes_dwg.mdb")));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write(QByteArray(2048, 'x'));
  text.close();
  const String start = DwgDbPath;
  Responder().AnswerFile(ScratchPath("Other.mdb"));
  Responder().AnswerFile(ScratchPath("Notes_dwg.mdb"));
  Responder().AnswerMsgBox(vbOK);
  Responder().AnswerFile(other);
  std::vector<String> paths;
  String refused;
  FileSave([&](frmDwgSave& dialog) {
    dialog.cmdBrowse->click();
    paths.push_back(dialog.Text3->text().toStdString());
    dialog.cmdBrowse->click();
    refused = dialog.lblMsg->text().toStdString();
    paths.push_back(DwgDbPath);
    dialog.cmdBrowse->click();
    paths.push_back(dialog.Text3->text().toStdString());
  });
  EXPECT_EQ(paths, (std::vector<String>{start, start, other}));
  EXPECT_EQ(refused, "ERROR.. Database NOT a Drawing Database!");
  EXPECT_EQ(DwgDbPath, other);
  EXPECT_EQ(Responder().Prompts()[1].title, "Locate New *_dwg.mdb");
  EXPECT_EQ(Responder().Prompts()[1].text, "(*.MDB)|*.mdb");
}

// A database path typed as "file:Real_dwg.mdb" names the file of that name
// in the current folder, for the save and for File, Open after it: never
// "Real_dwg.mdb", which the database library would read it as.
TEST_F(frmDwgSaveTest, APathBeginningWithFileNamesThatFileForSaveAndOpen) {
  const String literal = MakeDrawingsDb("file:Real_dwg.mdb"), plain = MakeDrawingsDb("Real_dwg.mdb");
  WorkInScratchFolder();
  std::pair<String, Long> result;
  FileSave([&](frmDwgSave& dialog) {
    dialog.Text3->setText("file:Real_dwg.mdb");
    result = Save(dialog);
  });
  EXPECT_EQ(result, std::make_pair(String("Drawing: Shed  Saved!"), ColorGreen));
  EXPECT_EQ(TestDatabase(literal).Text("SELECT Name FROM Drawing"), "Shed");
  EXPECT_EQ(TestDatabase(plain).Text("SELECT count(*) FROM Drawing"), "0");

  FixedDpiDocument* fresh = Open(2);
  QStringList listed;
  Responder().OnDialog<frmDwgSelect>(
      [&](frmDwgSelect& chooser) {
        for (int i = 0; i < chooser.List1->count(); ++i) listed << chooser.List1->item(i)->text();
      },
      &frmDwgSelect::cmdOK);
  main_->MenuItem("mnuFileOpen")->trigger();
  EXPECT_EQ(listed, QStringList{"Shed"});
  EXPECT_EQ(fresh->FileName(), "Shed");
  const std::vector<Long> loaded = EntitiesOf(2);
  ASSERT_EQ(loaded.size(), 1u);
  const ObjRec& polygon = Objs[loaded[0]];
  ASSERT_EQ(polygon.NPoints, Objs[polygon_].NPoints);
  for (Integer k = 0; k < polygon.NPoints; ++k) {
    EXPECT_EQ(Pnts[polygon.PointID + k].X, Pnts[Objs[polygon_].PointID + k].X);
    EXPECT_EQ(Pnts[polygon.PointID + k].Y, Pnts[Objs[polygon_].PointID + k].Y);
  }
}

// ---- Another program holding the database -----------------------------------------------

// A save of 30,000 lines, larger than SQLite's page cache, while another
// connection holds the database: a save that took only a reservation would
// wait again for a reader each time its cache filled, and at the commit.
// Each save gives up within one connection's wait, says why, and leaves
// every stored row as it was.
TEST_F(frmDwgSaveTest, ASaveMeetingAnotherProgramsLockGivesUpWithinOneWaitAndChangesNothing) {
  const struct {
    const char* journal;                // the database's journal mode
    std::vector<const char*> holding;  // what the other program runs and holds
  } others[] = {
      {"DELETE", {"BEGIN", "SELECT count(*) FROM Lines"}},  // reading
      {"DELETE", {"BEGIN IMMEDIATE"}},                      // saving
      {"WAL", {"BEGIN IMMEDIATE"}},                         // saving
  };
  for (int i = 0; i < 30000; ++i) AddLine(i % 200, i / 200, i % 200 + 0.5, i / 200 + 0.5);
  Responder().AnswerEveryMsgBox(vbOK);
  int k = 0;
  for (const auto& other : others) {
    SCOPED_TRACE(String(other.journal) + ": " + other.holding.back());
    DwgDbPath = MakeDrawingsDb("Held" + std::to_string(++k) + "_dwg.mdb");
    TestDatabase(DwgDbPath, true).Rows(String("PRAGMA journal_mode = ") + other.journal);
    ASSERT_TRUE(SaveDrawing(1));
    const Long drawId = Dwgs[1].DrawID;
    const auto stored = Dump(DwgDbPath);
    AddLine(0, 0, 9, 9);
    doc_->IsDirty = FlagTrue;

    TestDatabase holder(DwgDbPath, true);
    for (const char* sql : other.holding) holder.Exec(sql);
    const size_t asked = Responder().Prompts().size();
    std::pair<String, Long> result;
    LockWaitMeter meter;
    Responder().AnswerMsgBox(vbYes);  // over writing the stored revision
    FileSave([&](frmDwgSave& dialog) { result = Save(dialog); });
    const long long waited = meter.WaitedMs(), waits = meter.Waits();
    holder.Exec("ROLLBACK");

    EXPECT_EQ(result, std::make_pair(String("Error Saving Drawing: Shed"), ColorRed));
    const std::vector<PromptRecord> boxes = Responder().MessageBoxes(asked);
    ASSERT_EQ(boxes.size(), 2u);  // the overwrite question, then the failure
    EXPECT_EQ(boxes[1].text, "5: database is locked");
    EXPECT_EQ(boxes[1].title, "Save Drawing Record");
    EXPECT_GT(waits, 0);
    EXPECT_LE(waited, BusyWaitMs);
    EXPECT_EQ(Dump(DwgDbPath), stored);
    EXPECT_EQ(Dwgs[1].DrawID, drawId);
    EXPECT_TRUE(doc_->IsDirty);
  }
}

// Another program stores drawing "Plan", revision "A", after the dialog
// looked at the database and before the save takes it: where nothing of
// that name was stored (so nothing was asked), or in place of the stored
// drawing the user agreed to replace. The save writes nothing and says so,
// and asks about the drawing stored now: No leaves it as the other program
// stored it, Yes replaces it with the user's drawing.
TEST_F(frmDwgSaveTest, ADrawingAnotherProgramStoresBeforeTheSaveIsOnlyReplacedWhenAskedAbout) {
  const struct {
    bool storedBefore;  // the other program's Plan is stored when the dialog looks
    int answer;         // to the question asked again
    const char* line;   // the result line then
  } cases[] = {
      {false, vbNo, "Error - Duplicate Drawing Name and Revision in Database!"},
      {true, vbYes, "Drawing: Plan  Saved!"},
  };
  const auto storePlan = [](TestDatabase& other) {
    other.Exec("DELETE FROM Drawing WHERE Name = 'Plan'");
    other.Exec("INSERT INTO Drawing (Name, Revision, Nobjects, Nlines) VALUES ('Plan', 'A', 0, 0)");
  };
  int round = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    DwgDbPath = MakeDrawingsDb("Race" + std::to_string(++round) + "_dwg.mdb");
    TestDatabase other(DwgDbPath, true);
    if (c.storedBefore) storePlan(other);
    std::vector<std::vector<String>> storedMeanwhile;
    StatementHook beforeTheSave([&](const char* sql) {
      if (!storedMeanwhile.empty() || String(sql).rfind("BEGIN EXCLUSIVE", 0) != 0) return;
      storePlan(other);
      storedMeanwhile = Dump(DwgDbPath);
    });
    const size_t asked = Responder().Prompts().size();
    if (c.storedBefore) Responder().AnswerMsgBox(vbYes);
    Responder().AnswerMsgBox(vbOK);
    Responder().AnswerMsgBox(c.answer);
    std::pair<String, Long> result;
    FileSave([&](frmDwgSave& dialog) {
      dialog.Text1->setText("Plan");
      dialog.Text2->setText("A");
      result = Save(dialog);
    });

    std::vector<String> boxes, expected = {"10014: Another program has stored a drawing named Plan, revision A, in "
                                           "this database since it was looked at: nothing was saved.",
                                           OverwriteQuestion};
    for (const PromptRecord& box : Responder().MessageBoxes(asked)) boxes.push_back(box.text);
    if (c.storedBefore) expected.insert(expected.begin(), OverwriteQuestion);
    EXPECT_EQ(boxes, expected);
    EXPECT_EQ(result.first, c.line);
    if (c.answer == vbNo) EXPECT_EQ(Dump(DwgDbPath), storedMeanwhile);
    if (c.answer == vbYes) EXPECT_EQ(Column("SELECT Name || ' ' || Revision || ' ' || Nlines FROM Drawing"),
                                     std::vector<String>{"Plan A 1"});
  }
}

// Another program holds the database locked while the dialog looks at it,
// typed or browsed to, or takes the lock just after the dialog found it a
// drawings database: the red line says it is locked and nothing was saved,
// no box asks about it, and a database not found of its kind is not taken.
TEST_F(frmDwgSaveTest, ADatabaseLockedByAnotherProgramIsReportedLockedAndNothingIsSaved) {
  const String locked = MakeDrawingsDb("Locked_dwg.mdb"), start = DwgDbPath;
  TestDatabase holder(locked, true);
  LockWaitMeter meter;
  Responder().AnswerEveryMsgBox(vbOK);
  enum When { Typed, Browsed, AfterTheKindCheck };
  for (const When when : {Typed, Browsed, AfterTheKindCheck}) {
    SCOPED_TRACE(when);
    bool lockTaken = when != AfterTheKindCheck;
    if (lockTaken) holder.Exec("BEGIN EXCLUSIVE");
    // The first statement on the table Drawing comes after the kind check.
    StatementHook takeLock([&](const char* sql) {
      if (lockTaken || String(sql).find("\"Drawing\"") == String::npos) return;
      holder.Exec("BEGIN EXCLUSIVE");
      lockTaken = true;
    });
    const size_t asked = Responder().Prompts().size();
    if (when == Browsed) Responder().AnswerFile(locked);
    String line;
    FileSave([&](frmDwgSave& dialog) {
      if (when != Browsed) dialog.Text3->setText(QString::fromStdString(locked));
      (when == Browsed ? dialog.cmdBrowse : dialog.cmdSave)->click();
      line = dialog.lblMsg->text().toStdString();
    });
    EXPECT_TRUE(lockTaken);
    EXPECT_EQ(line, "ERROR.. Drawing Database Locked (In Use by Another Program)! Nothing Saved.");
    EXPECT_TRUE(Responder().MessageBoxes(asked).empty());
    EXPECT_EQ(DwgDbPath, when == AfterTheKindCheck ? locked : start);
    holder.Exec("ROLLBACK");
  }
  EXPECT_EQ(holder.Text("SELECT count(*) FROM Drawing"), "0");
}

TEST_F(frmDwgSaveTest, FileSaveWithoutDrawingEntitiesShowsNothing) {
  BaseObjCount = ObjCount;
  main_->mnuFileSave_Click();
  EXPECT_TRUE(Responder().Prompts().empty());
}

}  // namespace
}  // namespace lintavo
