// FileMenu: File, Open and File, Save through the main window's menu.
#include "storage/FileMenu.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <string>
#include <vector>

#include "model/DataHand.h"
#include "model/Top.h"
#include "platform/Prompts.h"
#include "support/DrawingDriver.h"
#include "view/ViewFixture.h"
#include "windows/file/frmDwgSave.h"

namespace lintavo {

void FileOpenStored(ScriptedResponder& responder, DbKey key, const String& name) {
  responder.OnModalWindow([key, name](QDialog& chooser) {
    SelDwgName = name;
    SelDwgID = key;
    DlgCancelled = FlagFalse;
    chooser.done(QDialog::Accepted);
  });
  DrawingDriver::Choose("mnuFileOpen");
}

void AnswerSaveAsOffered(ScriptedResponder& responder) {
  responder.OnDialog<frmDwgSave>(
      [](frmDwgSave& dialog) {
        dialog.cmdSave->click();
        EXPECT_TRUE(dialog.lblMsg->text().endsWith("  Saved!")) << dialog.lblMsg->text().toStdString();
      },
      &frmDwgSave::cmdExit);
}

void FileSaveAsOffered(ScriptedResponder& responder, bool stored) {
  if (stored) responder.AnswerMsgBox(vbYes);
  AnswerSaveAsOffered(responder);
  DrawingDriver::Choose("mnuFileSave");
}

void StoredDrawingMenuTest::SetUp() {
  StoredDrawingTest::SetUp();
  ShowMainWindow();
  main_->show();
}

void StoredDrawingMenuTest::OpenInNewWindow(Long id, const String& name) {
  ViewFixture::OpenIn(*main_, id);
  const std::vector<std::vector<String>> rows = Db().Rows("SELECT DrawID FROM Drawing WHERE Name = ?", {DbValue(name)});
  ASSERT_EQ(rows.size(), 1u) << name;
  FileOpenStored(Responder(), static_cast<DbKey>(std::stoll(rows[0][0])), name);
}

}  // namespace lintavo
