// Texthand: stroke-font text: placing, boxing, putting on a path and editing text.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer TextCmd;  // sub-command chosen by the menus and tool bars
extern Integer TextActive;  // flag: the module's dispatcher has taken the current command
extern Integer TextKeyEntry;  // flag: the text command takes single keys
// BoldWeight, read by the character drawer, lives in ObjectDrawers.h.
extern Integer TextBoxOutline;  // flag: text characters are boxed (text option "Box Outline Text Characters")

extern Integer TextEditing;  // flag: cleared when a text command ends; the tool bar's "New" and "Save" read it

// Sub-commands of tool 3 (values of TextCmd).
enum TextCmdCode : Integer {
  TextCmdOnPath = 1,        // Place Text on Path
  TextCmdBox = 2,           // Box Text Place
  TextCmdPlace = 3,         // Place Text
  TextCmdEdit = 4,          // Edit Text
  TextCmdTypedString = 5,   // alignment buttons: strings typed in the entry box, aligned
  TextCmdNone = 6,          // no command: chosen by no menu item or button
  TextCmdFont = 7,          // selected characters take FontName
  TextCmdHeight = 8,        // Text Height
  TextCmdBold = 9,          // selected characters take TextBold
  TextCmdItalic = 10,       // ... TextItalic
  TextCmdUnderline = 11,    // ... TextUnderline
  TextCmdBoxOutline = 12,   // ... TextBoxOutline
};
constexpr Integer HighestTextCmdCode = TextCmdBoxOutline;  // codes 1..this; a new code takes the next number

// The dispatcher of tool 3: starts or re-enters the command of TextCmd.
void TextCommand();
// Ends the text command: the prompts stay when KeepPrompts is set; the box
// and cursor marks go (by a redraw of the view, which also mends any stroke
// a mark was wiped across).
void EndTextCommand(Integer& KeepPrompts);
// Draws the outline of the text box being edited again after a full redraw wiped it.
void RedrawTextBox();

// ---- Text options ---------------------------------------------------------------------
// Text option sets write these; "" or 0 until an option set is applied
// (built-in defaults in the comments). Sizes in world units, angles in degrees.
extern String FontName;          // stroke font of new text ("Text")
extern String TextLayer;         // layer of new text ("Text 1")
extern Integer TextBold;         // flag: bold strokes (0)
extern Integer TextItalic;       // flag: slanted 15 degrees (0)
extern Integer TextUnderline;    // flag: underlined (0)
extern Integer TextAlignLeft;    // flags: alignment of a text line (left -1, the others 0)
extern Integer TextAlignRight;
extern Integer TextAlignCenter;
extern Integer TextJustify;
extern Integer AutoTextSize;     // flag: a text box sets the height (-1)
extern Integer AutoTextAngle;    // flag: a base line sets the angle (-1)
extern Long TextColor;           // RGB of the characters (black)
extern Long TextBackColor;       // RGB behind boxed characters (white)
extern Single TextHeight;        // character height (1.0)
extern Single TextWidth;         // character width: TextHeight x TextAspect (0.75)
extern Single TextAspect;        // width to height, 0.25..2 (0.75)
extern Single TextAngle;         // rotation (0)
extern Single TextSlant;         // slant when not italic (0)

// The font-name list is in SupportLists.h.

void ResetTexthand();  // the module's globals to their start values

}  // namespace lintavo
