// The About box and the tip of the day, opened from the Help menu.
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

#include "app/AppInfo.h"
#include "windows/help/frmAbout.h"
#include "windows/help/frmIntro.h"
#include "windows/help/frmTip.h"
#include "platform/SettingsStore.h"
#include "view/Print.h"
#include "view/PrintedPage.h"
#include "support/DrawingDriver.h"
#include "support/PdfPages.h"
#include "view/ViewFixture.h"

namespace lintavo {
namespace {

class HelpWindowsTest : public ViewFixture {
 protected:
  void WriteTips(const QByteArray& text) {
    QFile file(QString::fromStdString(AppFolder()) + "/TIPOFDAY.TXT");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
  }
  static String TipSetting() { return GetSetting(AppTitle, "Options", "Show Tips at Startup"); }
  // Opens a Help menu item and runs operate on its window, then closes it.
  void WithWindow(const char* item, const std::function<void(QDialog&)>& operate) {
    Responder().OnModalWindow([&](QDialog& dialog) {
      operate(dialog);
      dialog.accept();
    });
    DrawingDriver::Choose(item);
  }
};

TEST_F(HelpWindowsTest, AboutShowsTheProgramAndItsVersion) {
  EXPECT_EQ(VersionText(1, 4, 12), "Version 1.4.12");
  WithWindow("mnuHelpAbout", [](QDialog& dialog) {
    auto& about = static_cast<frmAbout&>(dialog);
    EXPECT_EQ(about.windowTitle(), QString("About ") + AppTitle);
    EXPECT_EQ(about.lblVersion->text().toStdString(), VersionText(AppMajor, AppMinor, AppRevision));
  });
  EXPECT_EQ(String("About ") + AppTitle, "About Lintavo");
}

TEST_F(HelpWindowsTest, TipsWalkTheLinesInOrderAndWrapAround) {
  WriteTips("first tip\r\nsecond tip\r\n");
  WithWindow("mnuHelpTips", [](QDialog& dialog) {
    auto& tip = static_cast<frmTip&>(dialog);
    EXPECT_EQ(tip.lblTipText->text(), "first tip");
    tip.cmdNextTip->click();
    EXPECT_EQ(tip.lblTipText->text(), "second tip");
    tip.cmdNextTip->click();
    EXPECT_EQ(tip.lblTipText->text(), "first tip");
  });
}

TEST_F(HelpWindowsTest, TheStartupChoiceIsWrittenAndOpeningTicksItAgain) {
  WriteTips("only tip\n");
  WithWindow("mnuHelpTips", [](QDialog& dialog) {
    static_cast<frmTip&>(dialog).chkLoadTipsAtStartup->click();
    EXPECT_EQ(TipSetting(), "0");
  });
  EXPECT_EQ(TipSetting(), "0");
  WithWindow("mnuHelpTips", [](QDialog& dialog) {
    EXPECT_TRUE(static_cast<frmTip&>(dialog).chkLoadTipsAtStartup->isChecked());
  });
  EXPECT_EQ(TipSetting(), "1");
}

TEST_F(HelpWindowsTest, AMissingTipFileSaysHowToMakeOneAndNextTipKeepsIt) {
  QFile::remove(QString::fromStdString(AppFolder()) + "/TIPOFDAY.TXT");
  WithWindow("mnuHelpTips", [](QDialog& dialog) {
    auto& tip = static_cast<frmTip&>(dialog);
    const QString missing =
        "That the TIPOFDAY.TXT file was not found? \r\n\r\nCreate a text file Named TIPOFDAY.TXT using "
        "NotePad with 1 tip per line. Then place it in the same directory as the application. ";
    EXPECT_EQ(tip.lblTipText->text(), missing);
    tip.cmdNextTip->click();
    EXPECT_EQ(tip.lblTipText->text(), missing);
    EXPECT_FALSE(tip.LoadTips(""));
  });
}

TEST_F(HelpWindowsTest, TheIntroductionShowsTheProgramsOwnOrSaysInRedThatItIsMissing) {
  const QString pdf = QString::fromStdString(ScratchPath("intro.pdf"));
  PrintToPdf(pdf);
  WithWindow("mnuHelpIntro", [this](QDialog& dialog) {
    auto& intro = static_cast<frmIntro&>(dialog);
    EXPECT_TRUE(intro.RichTextBox1->toPlainText().startsWith("Welcome to Lintavo"));
    EXPECT_TRUE(intro.chkLoadInfoAtStartup->isChecked());
    intro.chkLoadInfoAtStartup->click();
    EXPECT_EQ(GetSetting(AppTitle, "Options", "Show Info at Startup"), "0");
    Responder().AnswerPrinter(true);
    intro.cmdPrint->click();
  });
  EXPECT_TRUE(QFile::exists(pdf));
  Printer().setOutputFileName(QString());

  QFile::remove(QString::fromStdString(AppFolder()) + "/introQZX.rtf");
  WithWindow("mnuHelpIntro", [](QDialog& dialog) {
    auto& intro = static_cast<frmIntro&>(dialog);
    EXPECT_FALSE(intro.chkLoadInfoAtStartup->isChecked());  // as stored
    EXPECT_EQ(intro.RichTextBox1->toPlainText(), IntroMissingText);
    QTextCursor cursor(intro.RichTextBox1->document());
    cursor.setPosition(1);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(Qt::red));
  });
}

TEST_F(HelpWindowsTest, TheIntroductionsPrintSaysWhenNothingWasPrintedAndTheNextOnePrints) {
  struct Case {
    const char* name;
    QString path;
    String message;  // "" when the text is printed
  };
  const QString good = QString::fromStdString(ScratchPath("intro.pdf"));
  const Case cases[] = {
      {"full disk", "/dev/full", "The job could not be written in full: nothing was printed."},
      {"printed after a full disk", good, ""},
      {"no such folder", QString::fromStdString(ScratchPath("missing/intro.pdf")),
       "The printer did not accept the job."},
      {"printed after a refused job", good, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(good);
    const size_t asked = Responder().Prompts().size();
    if (!c.message.empty()) Responder().AnswerMsgBox(vbOK);
    Responder().AnswerPrinter(true, ChoosePdfFile(c.path));
    WithWindow("mnuHelpIntro", [](QDialog& dialog) { static_cast<frmIntro&>(dialog).cmdPrint->click(); });
    const std::vector<PromptRecord> boxes = Responder().MessageBoxes(asked);
    if (c.message.empty()) {
      EXPECT_TRUE(boxes.empty());
      const PdfFirstPage page = ReadPdfFirstPage(good, 36);
      ASSERT_TRUE(page.loaded);
      EXPECT_GE(page.pageCount, 1);
      EXPECT_TRUE(InkIn(page.image, page.image.rect()));
    } else {
      ASSERT_EQ(boxes.size(), 1u);
      EXPECT_EQ(boxes[0].text, c.message);
      EXPECT_EQ(boxes[0].title, String("Introduction to ") + AppTitle);
    }
  }
}

TEST_F(HelpWindowsTest, TheIntroductionOpensAtItsHeading) {
  WithWindow("mnuHelpIntro", [](QDialog& dialog) {
    auto& intro = static_cast<frmIntro&>(dialog);
    intro.resize(intro.minimumSizeHint());  // a small window: the text does not fit
    QCoreApplication::processEvents();
    EXPECT_EQ(intro.RichTextBox1->textCursor().position(), 0);
    EXPECT_EQ(intro.RichTextBox1->verticalScrollBar()->value(), 0);
    EXPECT_EQ(intro.RichTextBox1->cursorForPosition(QPoint(4, 4)).block().text(), "Welcome to Lintavo");
  });
}

}  // namespace
}  // namespace lintavo
