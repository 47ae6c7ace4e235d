// MessageBar: how the commands talk to the user: the message bar's three
// panels (1 the command title in capitals, 2 the prompt, 3 results and
// errors, which is also the keyboard entry box), and the status bar's
// read-outs below (zoom, layer, layer visibility, unit, cursor position).
//
// Sections:
//   Unit options
//   Message bar
//   Status bar
//   Reset
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Unit options ----------------------------------------------------------------
// Set by the drawing option sets and dialogs; 0 until an option set is applied.
// One drawing unit is one inch whatever the display unit.
extern Integer MetricUnits;  // flag: lengths are shown in a metric unit
extern Integer MetricUnit;   // 1 mm, 2 cm, 3 dm, 4 m, 5 km
extern Integer EnglishUnit;  // 1 inches, 2 feet and inches, 3 feet, 4 yards, 5 miles

// ---- Message bar -----------------------------------------------------------------
// Writes Text into message-bar panel 1 to 3 when the bar is visible.
void ShowStatus(const String& Text, Integer Panel);
// Empties panels 1 to 3 and gives them the normal colour.
void ClearPrompts();

// ---- Status bar --------------------------------------------------------------------
// Writes Text into status-bar panel Panel (1 to 8) when the bar is visible.
void SetPanelText(const String& Text, Integer Panel);
// Layer read-out of the active drawing window: panel 2 the current layer's
// name ("All Layers" with none, which also sets both layer flags), panel 3
// "View All" or "View Top Layer", a blank, and "Edit All", "Edit-OFF" or
// nothing.
void ShowLayerStatus();

// ---- Reset -------------------------------------------------------------------------
void ResetMessageBar();  // the module's globals to their start values

}  // namespace lintavo
