// MessageBar: the message bar's panels and the status bar's read-outs on the
// main window.
#include "app/MessageBar.h"

#include <QLabel>
#include <QLineEdit>

#include "app/DataHand.h"
#include "app/Top.h"
#include "app/frmMain.h"
#include "view/frmDocument.h"

namespace lintavo {

Integer MetricUnits = 0;
Integer MetricUnit = 0;
Integer EnglishUnit = 0;

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

// ---- Message bar -----------------------------------------------------------------

void ShowStatus(const String& Text, Integer Panel) {
  if (QLineEdit* box = PanelBox(Panel)) box->setText(QString::fromStdString(Text));
}

void ClearPrompts() {
  for (Integer panel = 1; panel <= 3; ++panel)
    if (QLineEdit* box = PanelBox(panel)) box->clear();
}

// ---- Status bar --------------------------------------------------------------------

void SetPanelText(const String& Text, Integer Panel) {
  if (!MainForm || !MainForm->StatusBarVisible()) return;
  if (QLabel* panel = MainForm->StatusPanel(Panel)) panel->setText(QString::fromStdString(Text));
}

void ShowLayerStatus() {
  frmDocument* window = ActiveDocForm();
  if (!window) return;
  String layerName;
  if (window->Current_Layer <= 0) {
    layerName = "All Layers";
    window->View_Layers = window->Edit_layers = FlagTrue;
  } else if (window->Current_Layer <= ItemCount) {
    layerName = Items[window->Current_Layer].Name;
  }
  SetPanelText(layerName, 2);
  String viewWord = "View Top Layer", editWord;
  if (window->View_Layers) {
    viewWord = "View All";
    editWord = window->Edit_layers ? "Edit All" : "Edit-OFF";
  } else {
    window->Edit_layers = FlagFalse;
  }
  SetPanelText(viewWord + " " + editWord, 3);
  // Not yet done: the layer buttons of the main tool bar.
}

// ---- Reset -------------------------------------------------------------------------

void ResetMessageBar() {
  MetricUnits = 0;
  MetricUnit = 0;
  EnglishUnit = 0;
}

}  // namespace lintavo
