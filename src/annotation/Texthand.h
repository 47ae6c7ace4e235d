// Texthand: stroke-font text: placing, boxing, putting on a path and editing text.
#pragma once

#include <array>

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer TextCmd;  // sub-command chosen by the menus and tool bars
extern Integer TextActive;  // flag: the module's dispatcher has taken the current command
extern Integer TextKeyEntry;  // flag: the text command takes single keys
extern Integer BoldWeight;  // pen weight in pixels of the strokes of bold characters (2 at start)
extern Integer TextBoxOutline;  // flag: text characters are boxed (text option "Box Outline Text Characters")

// Ends the text command; the dispatcher always passes -1.
void EndTextCommand(Integer& KeepPrompts);
// Draws the outline of the text box being edited again after a full redraw
// wiped it. Text editing is not built yet, so there is no box to draw.
void RedrawTextBox();

// ---- Font list ------------------------------------------------------------------------
constexpr Integer MaxFontNames = 200;  // the list holds at most this many names
extern std::array<String, MaxFontNames + 1> FontNames;  // stroke font names, entries 1..FontCount
extern Integer FontCount;                                // names in FontNames

void ResetTexthand();  // the module's globals to their start values

}  // namespace lintavo
