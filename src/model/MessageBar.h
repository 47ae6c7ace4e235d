// MessageBar: how the commands talk to the user: the message bar's three
// panels (1 the command title in capitals, 2 the prompt, ending in " >"
// where input is awaited, 3 results and errors, which is also the keyboard
// entry box), and the status bar's read-outs below (zoom, layer, layer
// visibility, unit, cursor position).
//
// A step routine at step 0 writes its title into panel 1 and its prompt into
// panel 2; a step that wants typed input first clears panel 3 with
// ClearPanel, which highlights it and gives the entry box the keyboard
// focus; Enter in the entry box clears it again with ClearPanel3, which
// gives the focus back to the drawing window. ClearPrompts runs on every
// tool change and at every command end. With a bar hidden its routines show
// nothing; the commands run on. The clearing routines clear it all the same,
// so a prompt cleared while the bar is hidden stays cleared when it shows.
//
// Sections:
//   Panel colours
//   Message bar
//   Status bar
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Panel colours -----------------------------------------------------------------
// RGB Longs, red in the low byte. A panel awaiting input turns yellow with
// red text; cleared panels take the system's normal colours again.
constexpr Long PanelHighlightBack = 0x00FFFF;  // yellow
constexpr Long PanelHighlightText = 0x0000FF;  // red

// ---- Message bar -----------------------------------------------------------------
// The three panels, by what the commands write into them.
constexpr Integer TitlePanel = 1;   // the running command's title
constexpr Integer PromptPanel = 2;  // what the command asks for next
constexpr Integer ResultPanel = 3;  // a result, and the entry box of typed input

// Writes Text into message-bar panel 1 to 3.
void ShowStatus(const String& Text, Integer Panel);
// Empties panel 1 to 3 and highlights it for input; panel 3 (the entry box)
// also takes the keyboard focus.
void ClearPanel(Integer Panel);
// Panel 3 only: empties the entry box, gives it the normal colour and the
// keyboard focus back to the active drawing window.
void ClearPanel3(Integer Panel);
// Empties panels 1 to 3 and gives them the normal colour.
void ClearPrompts();

// ---- Status bar --------------------------------------------------------------------
// Writes Text into status-bar panel Panel (1 to 8).
void SetPanelText(const String& Text, Integer Panel);
// Layer read-out of the active drawing window: panel 2 the current layer's
// name ("All Layers" with none, which also sets both layer flags), panel 3
// "View All" or "View Top Layer", a blank, and "Edit All", "Edit-OFF" or
// nothing; then the layer buttons.
void ShowLayerStatus();
// The main tool bar's "ViewLayers" and "EditLayers" buttons shown pressed
// while the active drawing window's View_Layers and Edit_layers are set.
void ShowLayerButtons();

}  // namespace lintavo
