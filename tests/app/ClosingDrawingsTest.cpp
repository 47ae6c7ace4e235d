// Letting a changed drawing go, as a user meets it: the close box, File,
// Close and File, Exit ask one question; Esc keeps the drawing; Yes saves
// through the save dialog and never replaces a stored drawing unasked. And
// the window's name after a save and a load.
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "model/DataHand.h"
#include "platform/Prompts.h"
#include "storage/SaveFixture.h"
#include "windows/file/frmDwgSave.h"

namespace lintavo {
namespace {

constexpr const char* OverwriteQuestion =
    "This Drawing Name already Exists at this Revision Level in The Selected Database, Do you want to Over "
    "Write? (Over Writing is time consuming!)";

class ClosingDrawingsTest : public SaveFixture {
 protected:
  // The save dialog, answered as a user would: name and revision typed,
  // Save pressed, then Exit.
  void SaveInDialogAs(const String& name, const String& revision) {
    Responder().OnDialog<frmDwgSave>([this, name, revision](frmDwgSave& dialog) {
      offeredName_ = dialog.Text1->text().toStdString();
      dialog.Text1->setText(QString::fromStdString(name));
      dialog.Text2->setText(QString::fromStdString(revision));
      dialog.cmdSave->click();
      dialog.cmdExit->click();
    });
  }
  // A second window with a changed, never saved drawing of one line.
  FixedDpiDocument* OpenNewChangedDrawing() {
    FixedDpiDocument* doc = Open(2);
    AddEntity(EntityLine, {{0, 0}, {5, 5}});
    doc->IsDirty = FlagTrue;
    return doc;
  }
  bool Asked(const String& text) {
    for (const PromptRecord& prompt : Responder().Prompts())
      if (prompt.text == text) return true;
    return false;
  }

  String offeredName_;  // the name the save dialog offered
};

TEST_F(ClosingDrawingsTest, EscOnTheCloseQuestionKeepsTheWindowAndTheDrawing) {
  // Esc, and the question's own close box, answer what a box closed without
  // a choice answers: Cancel, on every road.
  EXPECT_EQ(MsgBoxSafeAnswer(vbYesNoCancel), vbCancel);
  doc_->IsDirty = FlagTrue;
  QPointer<frmDocument> alive(doc_);
  Responder().AnswerMsgBox(vbCancel);
  Close(doc_);
  ASSERT_EQ(Responder().Prompts().size(), 1u);
  EXPECT_EQ(Responder().Prompts()[0].style, vbYesNoCancel);
  ASSERT_TRUE(alive);
  EXPECT_TRUE(doc_->parentWidget()->isVisible());
  EXPECT_EQ(Objs[polygon_].DwgNo, 1);
  EXPECT_EQ(Objs[polygon_].Erased, 0);
  EXPECT_EQ(doc_->IsDirty, FlagTrue);

  // File, Exit (the main window's close) is cancelled the same way.
  Responder().AnswerMsgBox(vbCancel);
  main_->MenuItem("mnuFileExit")->trigger();
  EXPECT_TRUE(main_->isVisible());
  EXPECT_EQ(main_->DocWindowCount(), 1);
  EXPECT_EQ(Objs[polygon_].DwgNo, 1);
}

TEST_F(ClosingDrawingsTest, YesOnANeverSavedDrawingOpensTheSaveDialogToNameIt) {
  FixedDpiDocument* fresh = OpenNewChangedDrawing();
  CurRevision = "Rev. 1";  // left by an earlier save of another drawing: not used
  Responder().AnswerMsgBox(vbYes);
  SaveInDialogAs("Barn", "Rev. 0");
  QPointer<frmDocument> alive(fresh);
  Close(fresh);
  EXPECT_EQ(offeredName_, "New Drawing");
  EXPECT_EQ(Column("SELECT Name || '/' || Revision FROM Drawing"), std::vector<String>({"Barn/Rev. 0"}));
  EXPECT_EQ(Count("SELECT count(*) FROM Lines"), 1);
  EXPECT_FALSE(alive && alive->parentWidget()->isVisible());  // saved: the window went
}

TEST_F(ClosingDrawingsTest, YesNeverReplacesAStoredDrawingWithoutTheOverwriteQuestion) {
  // "Shed" Rev. 1 stored by File, Save.
  SaveInDialogAs("Shed", "Rev. 1");
  main_->mnuFileSave_Click();
  ASSERT_EQ(Count("SELECT count(*) FROM Drawing"), 1);
  const auto stored = Dump(DwgDbPath);

  // Another drawing closed with Yes and saved under the same name and
  // revision: the question comes, and No keeps both drawings.
  FixedDpiDocument* other = OpenNewChangedDrawing();
  Responder().AnswerMsgBox(vbYes);
  SaveInDialogAs("Shed", "Rev. 1");
  Responder().AnswerMsgBox(vbNo);
  Close(other);
  EXPECT_TRUE(Asked(OverwriteQuestion));
  EXPECT_EQ(Dump(DwgDbPath), stored);
  EXPECT_TRUE(other->parentWidget()->isVisible());  // not saved: the drawing stays
  EXPECT_EQ(other->IsDirty, FlagTrue);
}

TEST_F(ClosingDrawingsTest, AfterASaveAndALoadTheWindowIsNamedForTheDrawing) {
  SaveInDialogAs("Cabin", "Rev. 0");
  main_->mnuFileSave_Click();
  EXPECT_EQ(doc_->FileName(), "Cabin");
  EXPECT_EQ(doc_->windowTitle(), "Cabin");

  FixedDpiDocument* other = Open(2);
  SelDwgName = "Cabin";
  SelDwgID = static_cast<Long>(Count("SELECT DrawID FROM Drawing"));
  other->LoadFile(SelDwgName);
  EXPECT_EQ(other->windowTitle(), "Cabin");
  EXPECT_EQ(other->parentWidget()->windowTitle(), "Cabin");  // the caption and the Window menu's entry
  EXPECT_EQ(MessagePanel(1), "Drawing Loaded");
  EXPECT_EQ(MessagePanel(3), "");  // no "Please Wait" once the load is done
}

}  // namespace
}  // namespace lintavo
