// Drawings databases a save cannot write into as they are, met as a user
// meets them, through File, Open and File, Save: a Drawing row keyed below
// 1 (component definitions are stored under DrawingID 0). Nothing is
// reported saved that does not reload whole, and no other drawing or
// component definition changes.
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <limits>

#include "platform/Prompts.h"
#include "storage/SaveFixture.h"
#include "support/DrawingDriver.h"
#include "support/ListClicks.h"
#include "windows/file/frmDwgSave.h"
#include "windows/file/frmDwgSelect.h"

namespace lintavo {
namespace {

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
    EXPECT_TRUE(QFile::copy(QString::fromStdString(stored), QString::fromStdString(path)));
    TestDatabase db(path, true);
    for (const String& sql : statements) db.Exec(sql);
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

}  // namespace
}  // namespace lintavo
