// TextEntry: typing text. Each key of a placing command (Place Text, Box Text
// Place, Edit Text) becomes one character at the pen, or moves the pen,
// deletes, breaks the line or ends the entry; the characters after the pen
// move along their line to make or close room.
//
// Key codes in TypedKey: printable characters 32..127 as themselves, and the
// codes below. Key-downs of codes 33..47 arrive as code + 164.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Key codes of text entry ---------------------------------------------------------------
enum TextKeyCode : Integer {
  TextKeyBack = 8,        // Backspace: delete before the pen
  TextKeyNewLine = 13,    // Enter
  TextKeyEnd = 27,        // Esc: end of entry
  TextKeyFirstChar = 32,  // printable characters 32..127
  TextKeyLastChar = 127,
  TextKeyBlank = 132,     // a blank: the pen moves and nothing is written
  TextKeyLeft = 201,
  TextKeyUp = 202,
  TextKeyRight = 203,
  TextKeyDown = 204,
  TextKeyInsert = 209,    // toggles InsertMode
  TextKeyDelete = 210,    // delete at the pen
};

// Handles the key in TypedKey, and clears it; clears TextKeyEntry to end the
// entry (Esc, or a character without a glyph, which also reports it in panel 2).
void EnterCharacters();
// The glyph key of character code Code in the current font.
String GlyphKeyFor(Long Code);

// ---- Moving the rest of a line -------------------------------------------------------------
// Each loop stops after as many moves as there are entities: a step of 0 (or
// one below the character tolerance) would otherwise find the same place again.
void ShiftCharsForward(Double X, Double Y, Double Step);
void ShiftCharsBack(Double X, Double Y, Double Step);
void ShiftCharsOnLine(Double NewX, Double NewY, Double X, Double Y, Double Step);
// The line start := the origin of the first character of the line the pen
// stands on: the characters one Advance apart back along the text angle from
// the one at the pen; the pen itself when none lies there.
void LineStartBehindPen();

}  // namespace lintavo
