// frmTip: the tip of the day, one tip per line of "TIPOFDAY.TXT" in the
// application folder, with the choice whether to show tips at start-up.
// Shown modally at start-up and from the Help menu.
#pragma once

#include <QDialog>
#include <vector>

#include "platform/Types.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace lintavo {

constexpr const char* TipFileName = "TIPOFDAY.TXT";

class frmTip : public QDialog {
  Q_OBJECT
 public:
  explicit frmTip(QWidget* parent = nullptr);

  // Ticks the check box (writing the setting back), loads the tips of the
  // application folder and shows the first, or says the file is missing.
  void Form_Load();
  // Appends every line of the file (empty ones too) and shows the next tip;
  // false for an empty path or a file that is missing or cannot be read.
  bool LoadTips(const String& Path);
  void DisplayCurrentTip();  // the current tip, when there are any

  void cmdNextTip_Click();
  void chkLoadTipsAtStartup_Click();

  QLabel* Label1 = nullptr;
  QLabel* lblTipText = nullptr;
  QCheckBox* chkLoadTipsAtStartup = nullptr;
  QPushButton* cmdNextTip = nullptr;
  QPushButton* cmdOK = nullptr;

 private:
  void NextTip();

  std::vector<String> tips_;
  Long currentTip_ = 0;  // 1-based; 0 before the first
};

// Shows the window and returns when it closes.
void ShowTip();

}  // namespace lintavo
