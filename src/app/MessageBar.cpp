// MessageBar: the message bar's panels and the status bar's read-outs on the
// main window.
#include "app/MessageBar.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include "app/DataHand.h"
#include "app/Top.h"
#include "app/frmMain.h"
#include "platform/Colors.h"
#include "view/frmDocument.h"

namespace lintavo {

namespace {

// The main window while its message bar is shown; nullptr otherwise.
frmMain* ShownMessageBar() {
  return MainForm && MainForm->MessageBarVisible() ? MainForm : nullptr;
}

QLineEdit* PanelBox(Integer panel) {
  frmMain* main = ShownMessageBar();
  if (!main) return nullptr;
  switch (panel) {
    case 1: return main->Text1;
    case 2: return main->Text2;
    case 3: return main->Text3;
    default: return nullptr;
  }
}

// The highlight for input on a band (its window colours, around the box)
// or on a text box (its base colours, behind the text).
void Highlight(QWidget* widget, QPalette::ColorRole back, QPalette::ColorRole text) {
  QPalette palette = widget->palette();
  palette.setColor(back, ToQColor(PanelHighlightBack));
  palette.setColor(text, ToQColor(PanelHighlightText));
  widget->setPalette(palette);
}
void HighlightBand(Integer panel) {
  Highlight(MainForm->Band(panel), QPalette::Window, QPalette::WindowText);
}
void HighlightBox(QLineEdit* box) { Highlight(box, QPalette::Base, QPalette::Text); }

// Back to the colours of the system, inherited from the main window.
void NormalColours(QWidget* widget) { widget->setPalette(QPalette()); }

}  // namespace

// ---- Message bar -----------------------------------------------------------------

void ShowStatus(const String& Text, Integer Panel) {
  if (QLineEdit* box = PanelBox(Panel)) box->setText(QString::fromStdString(Text));
}

void ClearPanel(Integer Panel) {
  QLineEdit* box = PanelBox(Panel);
  if (!box) return;
  box->clear();
  HighlightBand(Panel);
  if (Panel != 3) return;
  HighlightBox(box);
  box->setFocus();  // the user can type at once
}

void ClearPanel3(Integer Panel) {
  if (Panel != 3) return;
  QLineEdit* box = PanelBox(3);
  if (!box) return;
  box->clear();
  NormalColours(MainForm->Band(3));
  NormalColours(box);
  if (frmDocument* window = MainForm->ActiveChild()) window->setFocus();
}

void ClearPrompts() {
  for (Integer panel = 1; panel <= 3; ++panel) {
    QLineEdit* box = PanelBox(panel);
    if (!box) return;
    box->clear();
    NormalColours(box);
    NormalColours(MainForm->Band(panel));
  }
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
  ShowLayerButtons();
}

void ShowLayerButtons() {
  frmDocument* window = ActiveDocForm();
  if (!window || !MainForm || !MainForm->ToolBarVisible()) return;
  if (QAction* button = MainForm->ToolBarButton(QStringLiteral("ViewLayers")))
    button->setChecked(window->View_Layers != 0);
  if (QAction* button = MainForm->ToolBarButton(QStringLiteral("EditLayers")))
    button->setChecked(window->Edit_layers != 0);
}

}  // namespace lintavo
