// TextChars: the stroke-font text character (entity type 13) and the state
// every text command shares: the pen, the line start, the height, angle and
// advance, the text box and the text cursor.
//
// A character is one entity of five points: 1 its origin, 2 its cell scales
// (X, Y), 3 its angle and slant in degrees, 4 bold and underline flags, 5 the
// box flag and the background colour. Its Name is the glyph key (font name,
// "-", decimal character code) and ObjectID caches the glyph item; the key
// wins when they disagree. Characters are drawn by the view's DrawTextObj.
//
// The box outline and the cursor are screen marks drawn with the copy pen and
// wiped by painting over them in the background colour.
//
// Sections:
//   Shared entry state
//   Glyphs and characters
//   Text box and cursor
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Shared entry state ---------------------------------------------------------------------
struct TextCorner {
  Double X = 0;  // world units
  Double Y = 0;
};

struct TextEntryStateRec {
  Double PenX = 0, PenY = 0;              // where the next character goes, world units
  Double LineStartX = 0, LineStartY = 0;  // start of the current line, world units
  Single Height = 0;                      // height of the characters written, world units
  Single AngleDeg = 0;                    // text angle, degrees (point 3 X)
  Single AngleRad = 0;                    // the same in radians
  Single Advance = 0;                     // pen step along the angle, world units
  TextCorner Box[5];                      // corners 1..4 (0 unused): 1-2 the base line, 4 over 1, 3 over 2
  Double BoxHeight = 0;                   // distance from corner 1 to corner 4
  Integer BoxMode = 0;                    // flag: the pen wraps inside the box
  Integer BoxShown = 0;                   // flag: the box outline is on the screen
  Integer CursorShown = 0;                // flag: the cursor is on the screen
  Single CursorPixels[4] = {0, 0, 0, 0};  // x1, y1, x2, y2 of the cursor as drawn, view pixels
  Integer InsertMode = 0;                 // flag: typing pushes the following characters on
  Integer CharCount = 0;                  // characters typed; on a path the station under the pen
  Integer BoxFullShown = 0;               // flag: panel 3 says the box is full, until the pen has room again
  Integer StationCount = 0;               // stations of the path (text on a path)
  Long CharCode = 0;                      // code of the key being handled
  Long GlyphIdx = 0;                      // Items index of the glyph found last
  Integer Step = 0;                       // step of the running text command
  Integer LastCmd = 0;                    // TextCmd of the running command
};
extern TextEntryStateRec TextEntryState;
extern String GlyphKey;  // glyph key being looked up: font name, "-", code

constexpr Single LineSpacingFactor = 1.25F;  // line spacing in heights
constexpr Single ItalicSlant = 15;           // slant of italic characters, degrees
constexpr Single DefaultAspect = 0.75F;      // aspect at which the advance equals the height

// Advance of newly placed text of this height: height x TextAspect / 0.75.
Single TextAdvanceFor(Single Height);

// ---- Glyphs and characters ------------------------------------------------------------------
// The glyph named GlyphKey, found among the loaded items or loaded from the
// fonts database: true with GlyphIdx (and CurItem) its index.
bool FindGlyph(Long& GlyphIdx);
// Appends a character of glyph GlyphIdx (Name GlyphKey) at the pen, on the
// layer TextLayer (made when missing); the current layer stays. Not drawn.
void AddTextCharObj(Long GlyphIdx);
// Gives character ObjNo another glyph, wiping and drawing it again; one
// undo step, which gives back its glyph, owner and colour.
void UpdateTextCharObj(Long ObjNo, const String& Key, Long GlyphIdx);
// Draws character ObjNo again in the current text colour, its glyph kept;
// one undo step.
void RecolourTextChar(Long ObjNo);
// The shown character of the current drawing nearest (X, Y) within the
// smaller of Advance / 5 and PickTolerance (|dx| + |dy| from its origin);
// the first in object order among equals. ObjNo is left alone on a miss.
bool FindTextCharAt(Long& ObjNo, Double X, Double Y);
// The pen step of the line character ObjNo stands on: the shortest distance
// along its angle to another shown character of its drawing, height and angle
// on the same base line; the advance of new text of its height when it
// stands alone.
Single LineAdvanceOf(Long ObjNo);
// Moves character ObjNo's origin to (X, Y), wiping and drawing it again.
void MoveTextChar(Long ObjNo, Double X, Double Y);
// A character is drawn or wiped (EraseDraw) alone.
void DrawTextChar(Long ObjNo, bool Wipe);

// ---- Text box and cursor --------------------------------------------------------------------
// Box text keeps inside its box: a character is written only at a place
// where it stands inside it, on a line not below the box's last line, its
// cell not past the right edge (the first place of a line excepted, so that a
// box as narrow as one character still takes one a line). Box text runs at
// angle 0.
bool CellInBox(Double X, Double Y);
// The box from origin P1, base-line point P2 and height point P, and its
// height; the caller draws it once it takes that height.
void SetupTextBox(Double X1, Double Y1, Double X2, Double Y2, Double X, Double Y);
void DrawTextBox();
void EraseTextBox();
// Keeps the pen inside the box in BoxMode, then draws the cursor. A pen past
// the right edge of the box's last line stays there: the box is full.
void PlaceTextCursor();
void EraseTextCursor();

void ResetTextChars();  // the state above to its start values

}  // namespace lintavo
