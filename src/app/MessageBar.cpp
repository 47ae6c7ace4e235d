// MessageBar: the message bar's panels on the main window.
#include "app/MessageBar.h"

#include <QLineEdit>

#include "app/Top.h"
#include "app/frmMain.h"

namespace lintavo {

namespace {

QLineEdit* PanelBox(Integer panel) {
  if (!MainForm || !MainForm->MessageBarVisible()) return nullptr;
  switch (panel) {
    case 1: return MainForm->Text1;
    case 2: return MainForm->Text2;
    case 3: return MainForm->Text3;
    default: return nullptr;
  }
}

}  // namespace

void ShowStatus(const String& Text, Integer Panel) {
  if (QLineEdit* box = PanelBox(Panel)) box->setText(QString::fromStdString(Text));
}

void ClearPrompts() {
  for (Integer panel = 1; panel <= 3; ++panel)
    if (QLineEdit* box = PanelBox(panel)) box->clear();
}

}  // namespace lintavo
