// Drawings databases a save cannot write into as they are, met as a user
// meets them, through File, Open and File, Save: a Drawing row keyed below
// 1 (component definitions are stored under DrawingID 0), tables an outside
// repair left without their key, files found damaged, and a Drawing table
// that is no table. Nothing is reported saved that does not reload whole,
// and no other drawing or component definition changes; a refused drawing
// stays in its window and is saved into another database.
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <limits>

#include "platform/Prompts.h"
#include "storage/SaveFixture.h"
#include "storage/SpoiltDatabase.h"
#include "support/DrawingDriver.h"
#include "support/ListClicks.h"
#include "windows/file/frmDwgSave.h"
#include "windows/file/frmDwgSelect.h"

namespace lintavo {
namespace {

const char* const OverwriteQuestion =
    "This Drawing Name already Exists at this Revision Level in The Selected Database, Do you want to "
    "Over Write? (Over Writing is time consuming!)";

class UnsafeDatabaseTest : public SaveFixture {
 protected:
  // Stores into DwgDbPath "Shed" (the polygon in its group, a line and a
  // placement of component "Bolt") and, from a second window closed
  // afterwards, "Other" (a line and a placement of Bolt); its path.
  String StoreDrawings() {
    const Long bolt = AddComponent("Bolt");
    AddLine(5, 5, 8, 5);
    Place(bolt, 2, 2);
    EXPECT_TRUE(SaveDrawing(1));
    FixedDpiDocument* other = Open(2, "Other");
    AddLine(0, 9, 9, 9);
    Place(bolt, 6, 6);
    EXPECT_TRUE(SaveDrawing(2));
    other->IsDirty = FlagFalse;
    Close(other);
    Activate(doc_);
    return DwgDbPath;
  }

  static void Place(Long component, Double x, Double y) {
    ObjRec& placement = Objs[AddEntity(EntityComponent, {{x, y}, {1, 1}, {0, 0}})];
    placement.ObjectID = component;
    placement.Name = Items[component].Name;
  }

  // A copy of the stored file, spoilt by the statements; it becomes DwgDbPath.
  String SpoiltCopy(const String& stored, const String& name, const std::vector<String>& statements) {
    const String path = ScratchPath(name);
    lintavo::SpoiltCopy(stored, path, statements);
    DwgDbPath = path;
    return path;
  }

  // File, Open of the drawing listed so in the chooser (the last of the rows
  // listed so when last), into the active window, whose changes are let go.
  void FileOpen(const QString& listed, bool last = false) {
    if (frmDocument* active = main_->ActiveChild()) active->IsDirty = FlagFalse;
    Responder().OnDialog<frmDwgSelect>([listed, last](frmDwgSelect& chooser) {
      const QList<QListWidgetItem*> rows = chooser.List1->findItems(listed, Qt::MatchExactly);
      ASSERT_TRUE(rows.size() == 1 || (last && !rows.empty())) << listed.toStdString();
      ClickRow(chooser.List1, chooser.List1->row(rows.back()));
      chooser.cmdOK->click();
    });
    DrawingDriver::Choose("mnuFileOpen");
  }

  // File, Save pressing Save once into the database shown and, when
  // elsewhere is given, once more into that one; the result lines.
  std::vector<String> FileSave(const String& elsewhere = "") {
    std::vector<String> lines;
    Responder().OnDialog<frmDwgSave>(
        [&](frmDwgSave& dialog) {
          dialog.cmdSave->click();
          lines.push_back(dialog.lblMsg->text().toStdString());
          if (elsewhere.empty()) return;
          dialog.Text3->setText(QString::fromStdString(elsewhere));
          dialog.cmdSave->click();
          lines.push_back(dialog.lblMsg->text().toStdString());
        },
        &frmDwgSave::cmdExit);
    DrawingDriver::Choose("mnuFileSave");
    return lines;
  }

  // File, Open of the drawing listed so (the last such) from the database
  // at path in a fresh window: what it loads.
  std::vector<SavedShape> Reload(const String& path, const QString& listed) {
    DwgDbPath = path;
    FixedDpiDocument* fresh = Open(3, "Fresh");
    FileOpen(listed, true);
    const std::vector<SavedShape> shapes = LiveShapes(3);
    Close(fresh);
    Activate(doc_);
    return shapes;
  }
};

// A Drawing row keyed 0 shares its key with the rows of no drawing (the
// geometry of Bolt), one keyed -3 with none; neither is loaded, and a
// drawing saved under its name and revision gets a row of its own, no
// question asked, leaving every other row as it was.
TEST_F(UnsafeDatabaseTest, ADrawingKeyedBelowOneIsNotLoadedAndNoSaveTakesItsRowsForADrawings) {
  const String stored = StoreDrawings();
  const DbKey none = std::numeric_limits<DbKey>::min();  // the key of no drawing
  for (const DbKey key : {DbKey{0}, DbKey{-3}}) [&] {
    SCOPED_TRACE(key);
    // A whole row, as the program writes one, counting one item and one line.
    const String copy = SpoiltCopy(
        stored, "Keyed" + std::to_string(-key) + "_dwg.mdb",
        {"INSERT INTO Drawing (DrawID, Name, Revision, Rtype, Category, Description, PartNumber, Show, Nobjects, "
         "Nlines, Nlayers, BaseX, BaseY, Xmin, Ymin, Xmax, Ymax, Author, Xlimit, Ylimit) VALUES (" +
         std::to_string(key) + ", 'Zero', 'Rev. 0', 'Plan', '', '', '', -1, 1, 1, 1, 0, 0, 0, 0, 10, 10, 'Tester', "
                               "17, 11)"});
    std::vector<String> before, after;
    ASSERT_TRUE(RowsBesides(copy, none, none, before));
    const size_t asked = Responder().Prompts().size();
    Responder().AnswerMsgBox(vbOK);
    FileOpen("Zero");
    const std::vector<PromptRecord> boxes = Responder().MessageBoxes(asked);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, " Drawing Zero is stored under the key " + std::to_string(key) +
                                 ", which names no drawing: it was not loaded.");
    EXPECT_EQ(boxes[0].title, "Load Drawing");
    EXPECT_TRUE(EntitiesOf(1).empty());

    AddLine(1, 1, 3, 2);
    const std::vector<SavedShape> drawn = LiveShapes(1);
    const size_t saving = Responder().Prompts().size();
    EXPECT_EQ(FileSave(), std::vector<String>{"Drawing: Zero  Saved!"});
    EXPECT_TRUE(Responder().MessageBoxes(saving).empty());  // no question, no message
    ASSERT_GE(Dwgs[1].DrawID, 1);
    // Every row but those of the drawing saved is as it was: Zero's own row
    // and the geometry of Bolt too.
    ASSERT_TRUE(RowsBesides(copy, none, Dwgs[1].DrawID, after));
    EXPECT_EQ(after, before);
    EXPECT_EQ(Reload(copy, "Zero  (Rev. 0)"), drawn);
  }();
}

// A save over a database it cannot write safely is refused before anything
// is written, with a message saying why; the drawing stays in the window and
// is saved whole into another database.
TEST_F(UnsafeDatabaseTest, ASaveOverADatabaseItCannotWriteSafelyIsRefusedAndTheDrawingGoesElsewhereWhole) {
  const String stored = StoreDrawings();
  const String line =
      "INSERT INTO Lines (Rtype, Name, Show, Erased, Flag, Selected, \"Select\", Color, Ltype, Weight, Width, Area, "
      "NPoints, PointID, LayerID, OwnerID, ObjectID, DrawingID) VALUES (2, '', -1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 2, 0, "
      "0, 0, 0, " + std::to_string(Dwgs[1].DrawID) + ")";
  const String point = "INSERT INTO Points (LineID, PX, PY) VALUES ((SELECT max(LineID) FROM Lines), 7, 1)";
  struct Case {
    String what;
    std::vector<String> spoil;  // statements run on the copy
    const char* brokenPage;     // the table whose page is broken; nullptr none
    const char* loadMessage;    // the first message of the load; "" none
    const char* number;         // the refusal's error number
    String says;                // what the refusal says after the database's path
  };
  const auto keyless = [](const String& table, const String& key) {
    return Case{table, WithoutKey(table), nullptr, "", "10012",
                "has no key of its own (its column " + key + " does not key its rows): nothing was saved into it."};
  };
  const Case cases[] = {
      keyless("Drawing", "DrawID"),
      keyless("Objects", "ObjectID"),
      keyless("Lines", "LineID"),
      keyless("Points", "PointID"),
      keyless("Components", "ObjectID"),
      keyless("LinkTable", "LinkID"),
      {"a damaged page met by the load", {}, "Objects", "11: database disk image is malformed", "10013",
       "is damaged (it was found so when it was read): nothing was saved into it. Save into another database."},
      {"a damaged page the load never meets", {}, "LinkTable", "", "10013", "is damaged ("},
      {"an index lacking a line of the drawing", PastIndex("Lines_DrawingID", {line, point, point}), nullptr, "",
       "10013", "is damaged (row "},
  };
  int round = 0;
  for (const Case& c : cases) [&] {
    SCOPED_TRACE(c.what);
    const String copy = SpoiltCopy(stored, "Spoilt" + std::to_string(++round) + "_dwg.mdb", c.spoil);
    if (c.brokenPage) BreakPageOf(copy, c.brokenPage);
    size_t asked = Responder().Prompts().size();
    if (*c.loadMessage) Responder().AnswerEveryMsgBox(vbOK);
    FileOpen("Shed");
    Responder().AnswerEveryMsgBox(0);
    const std::vector<PromptRecord> loadBoxes = Responder().MessageBoxes(asked);
    ASSERT_EQ(loadBoxes.empty(), !*c.loadMessage);
    if (*c.loadMessage) EXPECT_EQ(loadBoxes[0].text, c.loadMessage);

    AddLine(1, 1, 3, 2);
    doc_->IsDirty = FlagTrue;
    const std::vector<SavedShape> drawn = LiveShapes(1);
    const QByteArray bytes = FileBytes(copy);
    const String elsewhere = MakeDrawingsDb("Elsewhere" + std::to_string(round) + "_dwg.mdb");
    asked = Responder().Prompts().size();
    Responder().AnswerMsgBox(vbYes);  // replace the stored Shed
    Responder().AnswerMsgBox(vbOK);   // the refusal
    EXPECT_EQ(FileSave(elsewhere), (std::vector<String>{"Error Saving Drawing: Shed", "Drawing: Shed  Saved!"}));
    const std::vector<PromptRecord> boxes = Responder().MessageBoxes(asked);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, OverwriteQuestion);
    EXPECT_EQ(boxes[1].text.rfind(String(c.number) + ": ", 0), 0u) << boxes[1].text;
    EXPECT_NE(boxes[1].text.find("'" + copy + "' " + c.says), String::npos) << boxes[1].text;
    EXPECT_EQ(boxes[1].title, "Save Drawing Record");
    EXPECT_TRUE(FileBytes(copy) == bytes) << "the refused database was written";
    EXPECT_FALSE(doc_->IsDirty);  // saved elsewhere
    EXPECT_EQ(Reload(elsewhere, "Shed"), drawn);
  }();
}

// A file found damaged is refused only as long as it stays as it was found:
// put back from a good copy, it takes the save.
TEST_F(UnsafeDatabaseTest, ADatabasePutBackAfterItWasFoundDamagedTakesTheSave) {
  const String stored = StoreDrawings();
  const String copy = SpoiltCopy(stored, "PutBack_dwg.mdb", {});
  BreakPageOf(copy, "Objects");
  Responder().AnswerEveryMsgBox(vbOK);
  FileOpen("Shed");
  Responder().AnswerEveryMsgBox(0);
  ASSERT_FALSE(Responder().MessageTexts().empty());
  AddLine(1, 1, 3, 2);
  const std::vector<SavedShape> drawn = LiveShapes(1);
  ASSERT_TRUE(QFile::remove(QString::fromStdString(copy)));
  ASSERT_TRUE(QFile::copy(QString::fromStdString(stored), QString::fromStdString(copy)));
  Responder().AnswerMsgBox(vbYes);  // replace the stored Shed
  EXPECT_EQ(FileSave(), std::vector<String>{"Drawing: Shed  Saved!"});
  EXPECT_EQ(Reload(copy, "Shed"), drawn);
}

// The chooser lists the rows of the Drawing table by their row keys: a view
// or a table WITHOUT ROWID has none, and File, Open says so rather than
// showing an empty list.
TEST_F(UnsafeDatabaseTest, FileOpenSaysADrawingTableWithoutRowKeysCannotBeRead) {
  const String stored = StoreDrawings();
  const std::vector<String> keep = {"CREATE TABLE Kept AS SELECT * FROM Drawing", "DROP TABLE Drawing"};
  const std::pair<const char*, std::vector<String>> cases[] = {
      {"a view", {"CREATE VIEW Drawing AS SELECT * FROM Kept"}},
      {"a table WITHOUT ROWID",
       {"CREATE TABLE Drawing (DrawID INTEGER PRIMARY KEY, Name TEXT, Revision TEXT, Nlines INTEGER) WITHOUT ROWID",
        "INSERT INTO Drawing SELECT DrawID, Name, Revision, Nlines FROM Kept"}},
  };
  for (const auto& [what, sql] : cases) [&] {
    SCOPED_TRACE(what);
    std::vector<String> statements = keep;
    statements.insert(statements.end(), sql.begin(), sql.end());
    SpoiltCopy(stored, String("NoRowKeys ") + what + "_dwg.mdb", statements);
    const size_t asked = Responder().Prompts().size();
    Responder().AnswerMsgBox(vbOK);
    int listed = -1;
    Responder().OnDialog<frmDwgSelect>([&](frmDwgSelect& chooser) { listed = chooser.List1->count(); },
                                      &frmDwgSelect::cmdCancel);
    DrawingDriver::Choose("mnuFileOpen");
    const std::vector<PromptRecord> boxes = Responder().MessageBoxes(asked);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text.rfind("Unexpected Error: Table \"Drawing\" has no rowid", 0), 0u) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find("it cannot be opened here"), String::npos);
    EXPECT_EQ(listed, 0);
  }();
}

}  // namespace
}  // namespace lintavo
