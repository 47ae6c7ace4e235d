// Message boxes through the scripted responder and through real Qt windows,
// and file dialog filters.
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "platform/Colors.h"
#include "platform/CommonDialogs.h"
#include "platform/Prompts.h"
#include "support/ProgramTest.h"

namespace lintavo {
namespace {

using PromptsTest = ProgramTest;

TEST_F(PromptsTest, YesNoCancelBoxReturnsTheButtonPressed) {
  Responder().AnswerMsgBox(vbYes);
  Responder().AnswerMsgBox(vbNo);
  Responder().AnswerMsgBox(vbCancel);
  const int style = vbYesNoCancel + vbQuestion;
  EXPECT_EQ(MsgBox("Drawing Has Changed!", style, "Close Drawing: Plan"), 6);
  EXPECT_EQ(MsgBox("Drawing Has Changed!", style, "Close Drawing: Plan"), 7);
  EXPECT_EQ(MsgBox("Drawing Has Changed!", style, "Close Drawing: Plan"), 2);

  ASSERT_EQ(Responder().Prompts().size(), 3u);
  const PromptRecord& first = Responder().Prompts()[0];
  EXPECT_EQ(first.kind, PromptKind::MessageBox);
  EXPECT_EQ(first.text, "Drawing Has Changed!");
  EXPECT_EQ(first.title, "Close Drawing: Plan");
  EXPECT_EQ(first.style, 35);
}

TEST_F(PromptsTest, EmptyTitleGivesTheProgramName) {
  Responder().AnswerMsgBox(vbOK);
  EXPECT_EQ(MsgBox("ERROR.. Settings database not found"), vbOK);
  ASSERT_EQ(Responder().Prompts().size(), 1u);
  EXPECT_EQ(Responder().Prompts()[0].title, "Lintavo");
  EXPECT_EQ(Responder().Prompts()[0].style, vbOKOnly);
}

TEST_F(PromptsTest, UnansweredBoxFailsTheTestAndGetsTheSafeAnswer) {
  int answer = 0;
  EXPECT_NONFATAL_FAILURE(answer = MsgBox("Save?", vbYesNo), "No answer queued for message box");
  EXPECT_EQ(answer, vbNo);
  EXPECT_NONFATAL_FAILURE(answer = MsgBox("Save?", vbYesNoCancel), "No answer queued");
  EXPECT_EQ(answer, vbCancel);
  EXPECT_NONFATAL_FAILURE(answer = MsgBox("Done"), "No answer queued");
  EXPECT_EQ(answer, vbOK);
}

TEST_F(PromptsTest, AnswerThatIsNotAButtonOfTheBoxFailsTheTest) {
  Responder().AnswerMsgBox(vbYes);
  int answer = 0;
  EXPECT_NONFATAL_FAILURE(answer = MsgBox("Continue?", vbOKCancel), "is not a button");
  EXPECT_EQ(answer, vbCancel);
}

TEST_F(PromptsTest, AnswersLeftUnusedFailTheTest) {
  Responder().CancelColor();
  Responder().CancelColor();
  EXPECT_NONFATAL_FAILURE(Responder().ExpectAllAnswersUsed(),
                          "2 colour dialog answer(s) queued but never asked for");
}

TEST(QtNameFilters, PairsBecomeQtFilters) {
  EXPECT_EQ(QtNameFilters("Drawings|*.mdb|All Files|*.*"),
            QStringList({"Drawings (*.mdb)", "All Files (*.*)"}));
  EXPECT_EQ(QtNameFilters("(*.MDB)|*.mdb"), QStringList({"(*.MDB) (*.mdb)"}));
  EXPECT_EQ(QtNameFilters("Pictures|*.bmp;*.jpg"), QStringList({"Pictures (*.bmp *.jpg)"}));
}

TEST(QtNameFilters, DescriptionWithoutPatternIsDropped) {
  EXPECT_TRUE(QtNameFilters("").isEmpty());
  EXPECT_EQ(QtNameFilters("Text|*.txt|Other"), QStringList({"Text (*.txt)"}));
  EXPECT_EQ(QtNameFilters("Empty||Text|*.txt"), QStringList({"Text (*.txt)"}));
}

// ---- The Qt responder: real windows, operated from their event loop ----------

// Runs operate on the window that is modal once the event loop runs; a
// window of another kind, or one left open, is closed and fails the test.
template <class Window>
void OperateNextModal(std::function<void(Window&)> operate) {
  QTimer::singleShot(0, [operate] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* window = qobject_cast<Window*>(modal);
    if (!window) {
      ADD_FAILURE() << "The modal window is not of the expected kind";
      if (modal) modal->close();
      return;
    }
    operate(*window);
    if (window->isVisible()) {
      ADD_FAILURE() << "The window was left open";
      window->close();
    }
  });
}

class QtPromptsTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    SetPromptResponder(nullptr);
  }
};

TEST_F(QtPromptsTest, MessageBoxHasTheButtonsIconAndDefaultOfItsStyle) {
  OperateNextModal<QMessageBox>([](QMessageBox& box) {
    EXPECT_EQ(box.windowTitle(), "Close Drawing: Plan");
    EXPECT_EQ(box.text(), "Drawing Has Changed!\n<Plan>");
    EXPECT_EQ(box.textFormat(), Qt::PlainText);
    EXPECT_EQ(box.icon(), QMessageBox::Question);
    EXPECT_EQ(box.buttons().size(), 3);
    EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::No));
    box.button(QMessageBox::Yes)->click();
  });
  EXPECT_EQ(MsgBox("Drawing Has Changed!\r\n<Plan>", vbYesNoCancel + vbQuestion + vbDefaultButton2,
                   "Close Drawing: Plan"),
            vbYes);
}

TEST_F(QtPromptsTest, ClosedMessageBoxGivesTheSafeAnswer) {
  OperateNextModal<QMessageBox>([](QMessageBox& box) {
    EXPECT_EQ(box.windowTitle(), "Lintavo");
    EXPECT_EQ(box.buttons().size(), 2);
    box.close();
  });
  EXPECT_EQ(MsgBox("Limit Settings do not match", vbYesNo), vbNo);
}

TEST_F(QtPromptsTest, ColourDialogStartsFromTheColourAndReturnsTheChoice) {
  OperateNextModal<QColorDialog>([](QColorDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Change Text Color");
    EXPECT_EQ(dialog.currentColor(), QColor(255, 0, 0));
    dialog.setCurrentColor(QColor(0, 0, 255));
    dialog.accept();
  });
  CommonDialog chooser;
  chooser.DialogTitle = "Change Text Color";
  chooser.Color = ColorRed;
  EXPECT_EQ(chooser.ShowColor(), 0);
  EXPECT_EQ(chooser.Color, ColorBlue);
}

TEST_F(QtPromptsTest, OpenDialogShowsTheFiltersAndReturnsTheChosenFile) {
  const QString chosen = QString::fromStdString(AppFolder()) + "/magnify.cur";
  OperateNextModal<QFileDialog>([chosen](QFileDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Locate New *_dwg.mdb");
    EXPECT_EQ(dialog.nameFilters(), QStringList({"Text (*.txt)", "Cursors (*.cur)"}));
    EXPECT_EQ(dialog.selectedNameFilter(), "Cursors (*.cur)");
    dialog.selectFile(chosen);
    static_cast<QDialog&>(dialog).accept();  // the file dialog's own accept checks the file
  });
  CommonDialog chooser;
  chooser.DialogTitle = "Locate New *_dwg.mdb";
  chooser.Filter = "Text|*.txt|Cursors|*.cur";
  chooser.FilterIndex = 2;
  chooser.InitDir = AppFolder();
  EXPECT_EQ(chooser.ShowOpen(), 0);
  EXPECT_EQ(chooser.FileName, chosen.toStdString());
  EXPECT_EQ(chooser.FilterIndex, 2);
}

TEST_F(QtPromptsTest, PrinterSetupIsThePrintDialogWhereThePrinterIsChosen) {
  OperateNextModal<QPrintDialog>([](QPrintDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Lintavo Printer Setup");
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Ok)->text(), "OK");  // it sets up, it does not print
    dialog.reject();
  });
  QPrinter printer;
  CommonDialog setup;
  setup.DialogTitle = "Lintavo Printer Setup";
  setup.CancelError = true;
  setup.Flags = cdlPDPrintSetup | cdlPDNoPageNums;
  EXPECT_EQ(setup.ShowPrinter(printer), cdlCancel);
}

}  // namespace
}  // namespace lintavo
