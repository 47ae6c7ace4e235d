// MessageBar: the message bar's panels and the status bar's read-outs on the
// main window, written through the main window's link.
#include "model/MessageBar.h"

#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/MainWindowLink.h"

namespace lintavo {

namespace {

constexpr Integer EntryPanel = 3;  // the panel that is also the keyboard entry box

bool IsMessagePanel(Integer panel) { return panel >= 1 && panel <= EntryPanel; }

// The main window while its message bar is shown; nullptr otherwise.
MainWindowLink* ShownMessageBar() {
  MainWindowLink* main = MainLink();
  return main && main->MessageBarShown() ? main : nullptr;
}

// Back to the colours of the system: box and band.
void NormalColours(MainWindowLink* main, Integer panel) {
  main->HighlightMessage(panel, MessageTextBox, false);
  main->HighlightMessage(panel, MessageBand, false);
}

}  // namespace

// ---- Message bar -----------------------------------------------------------------

void ShowStatus(const String& Text, Integer Panel) {
  MainWindowLink* main = ShownMessageBar();
  if (main && IsMessagePanel(Panel)) main->SetMessageText(Panel, Text);
}

void ClearPanel(Integer Panel) {
  MainWindowLink* main = ShownMessageBar();
  if (!main || !IsMessagePanel(Panel)) return;
  main->SetMessageText(Panel, "");
  main->HighlightMessage(Panel, MessageBand, true);
  if (Panel != EntryPanel) return;
  main->HighlightMessage(Panel, MessageTextBox, true);
  main->FocusEntryBox();  // the user can type at once
}

// The clearing routines clear a hidden bar too: a prompt cleared while the
// bar is hidden must not come back with the bar.
void ClearPanel3(Integer Panel) {
  if (Panel != EntryPanel) return;
  MainWindowLink* main = MainLink();
  if (!main) return;
  main->SetMessageText(EntryPanel, "");
  NormalColours(main, EntryPanel);
  main->FocusActiveDrawing();
}

void ClearPrompts() {
  MainWindowLink* main = MainLink();
  if (!main) return;
  for (Integer panel = 1; panel <= EntryPanel; ++panel) {
    main->SetMessageText(panel, "");
    NormalColours(main, panel);
  }
}

// ---- Status bar --------------------------------------------------------------------

void SetPanelText(const String& Text, Integer Panel) {
  MainWindowLink* main = MainLink();
  if (main && main->StatusBarShown()) main->SetStatusText(Panel, Text);
}

void ShowLayerStatus() {
  DrawingWindow* window = ActiveDocForm();
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
  const DrawingWindow* window = ActiveDocForm();
  MainWindowLink* main = MainLink();
  if (!window || !main) return;
  main->ShowLayerButtons(window->View_Layers != 0, window->Edit_layers != 0);
}

}  // namespace lintavo
