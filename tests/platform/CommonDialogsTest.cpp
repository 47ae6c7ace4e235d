// The common dialog's fields and results, answered by the scripted responder.
#include <QPrinter>
#include <gtest/gtest.h>

#include "platform/Colors.h"
#include "platform/CommonDialogs.h"
#include "support/ProgramTest.h"

namespace lintavo {
namespace {

using CommonDialogTest = ProgramTest;

TEST_F(CommonDialogTest, ColourCancelKeepsTheStartColourAndReportsCancel) {
  Responder().CancelColor();
  Responder().CancelColor();
  CommonDialog dialog;
  dialog.DialogTitle = "Change Item Color";
  dialog.Flags = cdlCCRGBInit | cdlCCFullOpen;
  dialog.Color = RGB(10, 20, 30);
  dialog.CancelError = true;
  EXPECT_EQ(dialog.ShowColor(), 32755);
  EXPECT_EQ(dialog.Color, RGB(10, 20, 30));

  dialog.CancelError = false;
  EXPECT_EQ(dialog.ShowColor(), 0);
  EXPECT_EQ(dialog.Color, RGB(10, 20, 30));

  ASSERT_EQ(Responder().Prompts().size(), 2u);
  EXPECT_EQ(Responder().Prompts()[0].kind, PromptKind::Color);
  EXPECT_EQ(Responder().Prompts()[0].title, "Change Item Color");
  EXPECT_EQ(Responder().Prompts()[0].style, 3);
}

TEST_F(CommonDialogTest, ColourChoiceReplacesTheColour) {
  Responder().AnswerColor(RGB(200, 100, 50));
  CommonDialog dialog;
  dialog.Color = ColorBlack;
  dialog.CancelError = true;
  EXPECT_EQ(dialog.ShowColor(), 0);
  EXPECT_EQ(dialog.Color, RGB(200, 100, 50));
}

TEST_F(CommonDialogTest, OpenReturnsTheChosenFileAndFilter) {
  Responder().AnswerFile("/data/Plans_dwg.mdb", 2);
  CommonDialog dialog;
  dialog.DialogTitle = "Locate New Information Database";
  dialog.Filter = "Text|*.txt|(*.MDB)|*.mdb";
  EXPECT_EQ(dialog.ShowOpen(), 0);
  EXPECT_EQ(dialog.FileName, "/data/Plans_dwg.mdb");
  EXPECT_EQ(dialog.FilterIndex, 2);
  ASSERT_EQ(Responder().Prompts().size(), 1u);
  EXPECT_EQ(Responder().Prompts()[0].kind, PromptKind::OpenFile);
  EXPECT_EQ(Responder().Prompts()[0].text, "Text|*.txt|(*.MDB)|*.mdb");
}

TEST_F(CommonDialogTest, CancelledFileDialogLeavesNoFileName) {
  Responder().CancelFile();
  Responder().CancelFile();
  CommonDialog dialog;
  dialog.FileName = "/data/Old_dwg.mdb";
  EXPECT_EQ(dialog.ShowOpen(), 0);
  EXPECT_EQ(dialog.FileName, "");

  dialog.FileName = "/data/Old_dwg.mdb";
  dialog.CancelError = true;
  EXPECT_EQ(dialog.ShowSave(), cdlCancel);
  EXPECT_EQ(dialog.FileName, "");
  ASSERT_EQ(Responder().Prompts().size(), 2u);
  EXPECT_EQ(Responder().Prompts()[1].kind, PromptKind::SaveFile);
}

TEST_F(CommonDialogTest, PrinterFlagsChooseSetUpOrPrint) {
  Responder().AnswerPrinter(true);
  Responder().AnswerPrinter(false);
  QPrinter printer;
  CommonDialog dialog;
  dialog.DialogTitle = "Lintavo Printer Setup";
  dialog.Flags = 328;
  dialog.CancelError = true;
  EXPECT_EQ(dialog.ShowPrinter(printer), 0);
  dialog.DialogTitle = "Print";
  dialog.Flags = 264;
  EXPECT_EQ(dialog.ShowPrinter(printer), cdlCancel);

  ASSERT_EQ(Responder().Prompts().size(), 2u);
  EXPECT_EQ(Responder().Prompts()[0].kind, PromptKind::PrinterSetup);
  EXPECT_EQ(Responder().Prompts()[0].title, "Lintavo Printer Setup");
  EXPECT_EQ(Responder().Prompts()[1].kind, PromptKind::Print);
}

}  // namespace
}  // namespace lintavo
