// frmAbout: the About box: the program's name, version, description
// and disclaimer. Shown modally from the Help menu.
#pragma once

#include <QDialog>

#include "platform/Types.h"

class QLabel;
class QPushButton;

namespace lintavo {

// "Version " and the three numbers joined by ".".
String VersionText(int Major, int Minor, int Revision);

class frmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit frmAbout(QWidget* parent = nullptr);
  void Form_Load();  // the caption and the labels

  QLabel* picIcon = nullptr;
  QLabel* lblTitle = nullptr;
  QLabel* lblVersion = nullptr;
  QLabel* lblDescription = nullptr;
  QLabel* lblDisclaimer = nullptr;
  QPushButton* cmdOK = nullptr;
};

// Shows the window and returns when it closes.
void ShowAbout();

}  // namespace lintavo
