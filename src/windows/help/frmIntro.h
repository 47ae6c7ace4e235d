// frmIntro: the introduction text "introQZX.rtf" of the application folder,
// with the choice whether to show it at start-up, and its printing. Shown
// modally at start-up and from the Help menu.
#pragma once

#include <QDialog>

#include "platform/Types.h"

class QCheckBox;
class QPushButton;
class QTextEdit;

namespace lintavo {

constexpr const char* IntroFileName = "introQZX.rtf";
constexpr const char* IntroMissingText = "ERROR.. Introduction File NOT Found!";

class frmIntro : public QDialog {
  Q_OBJECT
 public:
  explicit frmIntro(QWidget* parent = nullptr);

  // The check box from "Show Info at Startup"; the introduction, or the
  // missing-file message in red when it is missing or cannot be read.
  void Form_Load();
  void cmdPrint_Click();  // the print dialog, then the selection or the whole text
  void chkLoadInfoAtStartup_Click();

  QTextEdit* RichTextBox1 = nullptr;
  QCheckBox* chkLoadInfoAtStartup = nullptr;
  QPushButton* cmdPrint = nullptr;
  QPushButton* CancelButton = nullptr;
};

// Shows the window and returns when it closes.
void ShowIntro();

}  // namespace lintavo
