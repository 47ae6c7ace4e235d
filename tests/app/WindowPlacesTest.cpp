// The main window and its drawing windows as a new user first sees them:
// sizes that fit the screen and the workspace, icons on every button and
// window, the standard keys in the menus, and boxes that show their whole text.
#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <memory>

#include "windows/main/frmMain.h"
#include "model/DataHand.h"
#include "platform/SettingsStore.h"
#include "platform/TextBoxes.h"
#include "windows/file/frmDwgSave.h"
#include "support/MainWindowFixture.h"
#include "windows/main/frmDocument.h"

namespace lintavo {
namespace {

// The main window loaded with no place stored: the first start.
class WindowPlacesTest : public MainWindowFixture {
 protected:
  QRect Workspace() const { return main_->MdiArea()->viewport()->rect(); }
  QList<QMdiSubWindow*> Windows() const { return main_->MdiArea()->subWindowList(); }
  // Wholly inside the workspace, and at least half of it each way.
  void ExpectUsableInside(const QMdiSubWindow* sub) const {
    const QRect area = Workspace();
    EXPECT_TRUE(area.contains(sub->geometry())) << sub->geometry().x() << "," << sub->geometry().y();
    EXPECT_GE(sub->width(), area.width() / 2);
    EXPECT_GE(sub->height(), area.height() / 2);
  }
};

TEST_F(WindowPlacesTest, TheFirstStartFillsMostOfTheScreenCentredAndTheDrawingFillsTheWorkspace) {
  const QRect screen = main_->screen()->availableGeometry();
  EXPECT_TRUE(screen.contains(main_->geometry()));
  EXPECT_GE(main_->width(), screen.width() * 8 / 10);
  EXPECT_GE(main_->height(), screen.height() * 8 / 10);
  EXPECT_NEAR(main_->geometry().center().x(), screen.center().x(), 2);
  EXPECT_NEAR(main_->geometry().center().y(), screen.center().y(), 2);
  ASSERT_EQ(Windows().size(), 1);
  EXPECT_EQ(Windows()[0]->geometry(), Workspace());
}

TEST_F(WindowPlacesTest, NewDrawingsAndCascadeStayInsideTheWorkspaceAtUsableSizes) {
  for (int i = 0; i < 3; ++i) main_->MenuItem("mnuFileNew")->trigger();
  ASSERT_EQ(Windows().size(), 4);
  for (QMdiSubWindow* sub : Windows()) ExpectUsableInside(sub);
  for (int i = 0; i < 4; ++i) main_->MenuItem("mnuFileNew")->trigger();  // eight: the most there may be
  main_->MenuItem("mnuWindowCascade")->trigger();
  ASSERT_EQ(Windows().size(), 8);
  for (QMdiSubWindow* sub : Windows()) ExpectUsableInside(sub);
  // The captions step down: no two windows at the same place.
  EXPECT_NE(Windows()[0]->pos(), Windows()[1]->pos());
}

TEST_F(WindowPlacesTest, EveryButtonAndWindowCarriesTheProgramsOwnIcon) {
  for (QToolBar* bar : {main_->tbToolBar, main_->tbTextbar, main_->Toolbar1, main_->Toolbar2}) {
    for (QAction* button : bar->actions()) {
      if (button->isSeparator() || button->objectName().isEmpty()) continue;  // the font box
      EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
      EXPECT_FALSE(button->toolTip().isEmpty());  // the words stay as the tool tip
    }
  }
  EXPECT_FALSE(main_->windowIcon().isNull());
  EXPECT_FALSE(Windows()[0]->windowIcon().isNull());
  EXPECT_EQ(main_->ToolBarButton("Undo")->toolTip(), "Undo");
}

TEST_F(WindowPlacesTest, StandardKeysStandOnTheirMenuItemsAndTakeNoKeyOfTheDrawingWindow) {
  const std::pair<const char*, QKeySequence::StandardKey> keys[] = {
      {"mnuFileNew", QKeySequence::New},   {"mnuFileOpen", QKeySequence::Open},
      {"mnuFileSave", QKeySequence::Save}, {"mnuFilePrint", QKeySequence::Print},
      {"mnuEditUndo", QKeySequence::Undo}, {"mnuEditRedo", QKeySequence::Redo},
      {"mnuEditcopy", QKeySequence::Copy}, {"mnuEditPaste", QKeySequence::Paste},
      {"mnuHelpContents", QKeySequence::HelpContents}};
  for (const auto& [item, key] : keys)
    EXPECT_EQ(main_->MenuItem(item)->shortcuts(), QKeySequence::keyBindings(key)) << item;
  EXPECT_FALSE(main_->MenuItem("mnuFileNew")->shortcut().isEmpty());
  // Keys the drawing window acts on: Delete, the arrows, the page keys and
  // every key that types a character.
  const int windowKeys[] = {Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                            Qt::Key_Down,   Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Return, Qt::Key_Escape};
  for (QAction* item : main_->menuBar()->findChildren<QAction*>()) {
    for (const QKeySequence& sequence : item->shortcuts()) {
      const QKeyCombination first = sequence[0];
      const Qt::KeyboardModifiers held = first.keyboardModifiers() & ~Qt::ShiftModifier;
      EXPECT_FALSE(held == Qt::NoModifier && first.key() < Qt::Key_Escape)
          << item->objectName().toStdString() << " takes a typed character";
      for (int key : windowKeys)
        EXPECT_FALSE(held == Qt::NoModifier && first.key() == key) << item->objectName().toStdString();
    }
  }
}

TEST_F(WindowPlacesTest, ThePathAndDateBoxesShowTheirWholeText) {
  QLineEdit box;
  const QString date = QStringLiteral("2026-12-07 10:11:12");
  ShowWholeText(box, date);
  EXPECT_GE(box.minimumWidth(), WholeTextWidth(box, date));
  EXPECT_EQ(box.cursorPosition(), 0);

  DwgDbPath = ScratchPath("a/rather/long/folder/name/for/the/drawings/Drawings_dwg.mdb");
  frmDwgSave dialog(main_->ActiveChild(), main_.get());
  dialog.show();
  const QString path = QString::fromStdString(DwgDbPath);
  EXPECT_EQ(dialog.Text3->text(), path);
  EXPECT_GE(dialog.Text3->width(), WholeTextWidth(*dialog.Text3, path));
  EXPECT_EQ(dialog.Text3->cursorPosition(), 0);  // shown from its start
  dialog.close();
}

}  // namespace
}  // namespace lintavo
