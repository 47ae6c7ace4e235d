// TextEntry: the key handler of the placing text commands and the line shifts.
//
// Sections:
//   Moving the rest of a line
//   Key handler
#include "annotation/TextEntry.h"

#include <cmath>
#include <vector>

#include "annotation/TextChars.h"
#include "annotation/Texthand.h"
#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/MessageBar.h"
#include "model/Top.h"
#include "model/UndoRedo.h"

namespace lintavo {

namespace {
std::vector<Long> LineChars;  // characters of one shift, in line order; storage reused

Double AlongX() { return std::cos(TextEntryState.AngleRad); }
Double AlongY() { return std::sin(TextEntryState.AngleRad); }

// LineChars := the characters at (X, Y), (X, Y) + Step, ... up to the first
// place without one, at most one per entity so that the walk always ends.
void CollectLine(Double X, Double Y, Double Step) {
  LineChars.clear();
  if (!(std::fabs(Step) > 0)) return;
  const Double dx = Step * AlongX(), dy = Step * AlongY();
  Long found = 0;
  for (Long k = 0; k < ObjCount && FindTextCharAt(found, X + k * dx, Y + k * dy); ++k) {
    if (!LineChars.empty() && found == LineChars.back()) break;
    LineChars.push_back(found);
  }
}
}  // namespace

// ---- Moving the rest of a line -------------------------------------------------------------

void ShiftCharsForward(Double X, Double Y, Double Step) {
  CollectLine(X, Y, Step);
  const Double dx = Step * AlongX(), dy = Step * AlongY();
  // The last one first, so that each moves into a place already left.
  for (size_t k = LineChars.size(); k-- > 0;)
    MoveTextChar(LineChars[k], X + (k + 1) * dx, Y + (k + 1) * dy);
}

void ShiftCharsBack(Double X, Double Y, Double Step) {
  const Double dx = Step * AlongX(), dy = Step * AlongY();
  CollectLine(X + dx, Y + dy, Step);
  for (size_t k = 0; k < LineChars.size(); ++k) MoveTextChar(LineChars[k], X + k * dx, Y + k * dy);
}

void ShiftCharsOnLine(Double NewX, Double NewY, Double X, Double Y, Double Step) {
  CollectLine(X, Y, Step);
  const Double dx = Step * AlongX(), dy = Step * AlongY();
  for (size_t k = 0; k < LineChars.size(); ++k) MoveTextChar(LineChars[k], NewX + k * dx, NewY + k * dy);
}

void LineStartBehindPen() {
  TextEntryStateRec& t = TextEntryState;
  CollectLine(t.PenX, t.PenY, -Double{t.Advance});
  t.LineStartX = t.PenX;
  t.LineStartY = t.PenY;
  if (LineChars.empty()) return;
  const PntRec& origin = Pnts[Objs[LineChars.back()].PointID];
  t.LineStartX = origin.X;
  t.LineStartY = origin.Y;
}

// ---- Key handler ---------------------------------------------------------------------------

String GlyphKeyFor(Long Code) { return FontName + "-" + std::to_string(Code); }

namespace {
constexpr Double AlongSlack = 1e-9;  // rounding allowed when comparing places along the line

void MovePen(Double Steps) {
  TextEntryState.PenX += Steps * TextEntryState.Advance * AlongX();
  TextEntryState.PenY += Steps * TextEntryState.Advance * AlongY();
}

// Line start and pen by Lines lines down (negative: up).
void MoveLines(Double Lines, bool MovePenToo) {
  TextEntryStateRec& t = TextEntryState;
  const Double s = LineSpacingFactor * t.Height * Lines;
  t.LineStartX += s * AlongY();
  t.LineStartY -= s * AlongX();
  if (!MovePenToo) return;
  t.PenX += s * AlongY();
  t.PenY -= s * AlongX();
}

void NewLine() {
  TextEntryStateRec& t = TextEntryState;
  EraseTextCursor();
  MoveLines(1, false);
  Long ch = 0;
  if (FindTextCharAt(ch, t.PenX, t.PenY)) ShiftCharsOnLine(t.LineStartX, t.LineStartY, t.PenX, t.PenY, t.Advance);
  t.PenX = t.LineStartX;
  t.PenY = t.LineStartY;
  PlaceTextCursor();
}

// The place one advance back lies on the line: its distance along the line
// from the line start is not negative.
void BackDelete() {
  TextEntryStateRec& t = TextEntryState;
  EraseTextCursor();
  const Double along = (t.PenX - t.LineStartX) * AlongX() + (t.PenY - t.LineStartY) * AlongY();
  if (t.Advance > 0 && along - t.Advance >= -AlongSlack) {
    MovePen(-1);
    Long ch = 0;
    if (FindTextCharAt(ch, t.PenX, t.PenY)) {
      EraseObj(ch);
      ShiftCharsBack(t.PenX, t.PenY, t.Advance);
    }
  }
  PlaceTextCursor();
}

void DeleteAtPen() {
  TextEntryStateRec& t = TextEntryState;
  EraseTextCursor();
  Long ch = 0;
  if (FindTextCharAt(ch, t.PenX, t.PenY)) {
    EraseObj(ch);
    ShiftCharsBack(t.PenX, t.PenY, t.Advance);
  }
  PlaceTextCursor();
}

void ArrowKey(Integer Code) {
  TextEntryStateRec& t = TextEntryState;
  const Double s = LineSpacingFactor * t.Height;
  const TextCorner* box = t.Box;
  switch (Code) {
    case TextKeyLeft:
      if (t.BoxMode && t.PenX - t.Advance < box[1].X) return;
      EraseTextCursor();
      MovePen(-1);
      break;
    case TextKeyRight:
      if (t.BoxMode && t.PenX + t.Advance > box[3].X) return;
      EraseTextCursor();
      MovePen(1);
      break;
    case TextKeyUp:
      if (t.BoxMode && t.PenY + s > box[3].Y) return;
      EraseTextCursor();
      MoveLines(-1, true);
      break;
    default:  // TextKeyDown
      if (t.BoxMode && t.PenY - s < box[1].Y) return;
      EraseTextCursor();
      MoveLines(1, true);
      break;
  }
  PlaceTextCursor();
}

void AfterCharacter() {
  MovePen(1);
  TypedKey = 0;
  ++TextEntryState.CharCount;
  ShowStatus("Enter Next Character >", 2);
}

void Blank() {
  TextEntryStateRec& t = TextEntryState;
  EraseTextCursor();
  Long ch = 0;
  if (FindTextCharAt(ch, t.PenX, t.PenY)) {
    if (t.InsertMode) {
      ShiftCharsForward(t.PenX, t.PenY, t.Advance);
    } else {
      Objs[ch].Color = TextColor;
      EntityChanged(ch);
      DrawTextChar(ch, false);
    }
  }
  AfterCharacter();
  PlaceTextCursor();
}

void Character(Long Code) {
  TextEntryStateRec& t = TextEntryState;
  GlyphKey = GlyphKeyFor(Code);
  if (!FindGlyph(t.GlyphIdx)) {
    ShowStatus("Character NOT FOUND !!", 2);
    TextKeyEntry = FlagFalse;
    return;
  }
  EraseTextCursor();
  Long ch = 0;
  if (!FindTextCharAt(ch, t.PenX, t.PenY)) {
    AddTextCharObj(t.GlyphIdx);
    DrawTextChar(ObjCount, false);
  } else if (t.InsertMode) {
    ShiftCharsForward(t.PenX, t.PenY, t.Advance);
    AddTextCharObj(t.GlyphIdx);
    DrawTextChar(ObjCount, false);
  } else {
    UpdateTextCharObj(ch, GlyphKey, t.GlyphIdx);
  }
  AfterCharacter();
  ShowStatus("> Enter ESC to Finish <", 3);
  PlaceTextCursor();
}
}  // namespace

void EnterCharacters() {
  const Integer code = TypedKey;
  TextEntryState.CharCode = code;
  switch (code) {
    case TextKeyNewLine: NewLine(); break;
    case TextKeyBack: BackDelete(); break;
    case TextKeyEnd:
      EraseTextBox();
      TextKeyEntry = FlagFalse;
      break;
    case TextKeyLeft:
    case TextKeyUp:
    case TextKeyRight:
    case TextKeyDown: ArrowKey(code); break;
    case TextKeyInsert: TextEntryState.InsertMode = TextEntryState.InsertMode ? FlagFalse : FlagTrue; break;
    case TextKeyDelete: DeleteAtPen(); break;
    case TextKeyBlank: Blank(); break;
    default:
      if (code >= TextKeyFirstChar && code <= TextKeyLastChar) Character(code);
      break;
  }
}

}  // namespace lintavo
