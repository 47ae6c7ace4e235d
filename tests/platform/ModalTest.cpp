// Windows shown modally, operated by the scripted responder.
#include <QDialog>
#include <QTimer>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "platform/Modal.h"
#include "platform/Prompts.h"
#include "support/ProgramTest.h"

namespace lintavo {
namespace {

using ModalTest = ProgramTest;

TEST_F(ModalTest, HookOperatesTheShownWindowAndShowModalReturnsItsResult) {
  QDialog dialog;
  dialog.setWindowTitle("Drawing Properties");
  bool shownWhenOperated = false;
  Responder().OnModalWindow([&](QDialog& shown) {
    shownWhenOperated = &shown == &dialog && shown.isVisible();
    shown.accept();
  });
  EXPECT_EQ(ShowModal(dialog), QDialog::Accepted);
  EXPECT_TRUE(shownWhenOperated);
  EXPECT_FALSE(dialog.isVisible());
  ASSERT_EQ(Responder().Prompts().size(), 1u);
  EXPECT_EQ(Responder().Prompts()[0].kind, PromptKind::ModalWindow);
  EXPECT_EQ(Responder().Prompts()[0].title, "Drawing Properties");
  EXPECT_EQ(Responder().Prompts()[0].text, "QDialog");
}

TEST_F(ModalTest, PromptsOfAModalWindowAreAnsweredInTurn) {
  QDialog dialog;
  int answer = 0;
  Responder().AnswerMsgBox(vbYes);
  Responder().OnModalWindow([&](QDialog& shown) {
    answer = MsgBox("Over Write?", vbYesNo, "Save Drawing");
    shown.reject();
  });
  EXPECT_EQ(ShowModal(dialog), QDialog::Rejected);
  EXPECT_EQ(answer, vbYes);
  ASSERT_EQ(Responder().Prompts().size(), 2u);
  EXPECT_EQ(Responder().Prompts()[1].kind, PromptKind::MessageBox);
}

TEST_F(ModalTest, WindowThatClosesItselfLaterIsWaitedFor) {
  QDialog dialog;
  Responder().OnModalWindow([](QDialog& shown) {
    QTimer::singleShot(50, &shown, [&shown] { shown.accept(); });
  });
  EXPECT_EQ(ShowModal(dialog), QDialog::Accepted);
}

TEST_F(ModalTest, WindowWithoutAnOperationIsClosedAndFailsTheTest) {
  QDialog dialog;
  dialog.setWindowTitle("Layer Control");
  int result = -1;
  EXPECT_NONFATAL_FAILURE(result = ShowModal(dialog),
                          "No answer queued for modal window titled \"Layer Control\"");
  EXPECT_EQ(result, QDialog::Rejected);
}

TEST_F(ModalTest, WindowLeftOpenPastTheTimeLimitIsClosedAndFailsTheTest) {
  QDialog dialog;
  Responder().SetModalTimeLimit(100);
  Responder().OnModalWindow([](QDialog&) {});
  int result = -1;
  EXPECT_NONFATAL_FAILURE(result = ShowModal(dialog), "still open 100 ms after its operation");
  EXPECT_EQ(result, QDialog::Rejected);
}

}  // namespace
}  // namespace lintavo
