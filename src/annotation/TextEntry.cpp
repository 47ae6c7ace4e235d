// TextEntry: the key handler of the placing text commands and the line shifts.
//
// A key that moves characters along their line makes the moves part of its
// undo step: the step of the character it writes or erases, or a step of its
// own when it writes or erases none (a line broken by Enter, a blank pushed
// in), so that Undo gives back the text as it was before the key. A key
// typed over a character in overwrite mode is a step of its own too
// (UpdateTextCharObj, RecolourTextChar).
//
// Sections:
//   Moving the rest of a line
//   Pen moves
//   Box text
//   Lines below
//   Keys
#include "annotation/TextEntry.h"

#include <cmath>
#include <vector>

#include "annotation/TextChars.h"
#include "annotation/Texthand.h"
#include "model/DataHand.h"
#include "model/MessageBar.h"
#include "model/Top.h"
#include "model/UndoRedo.h"

namespace lintavo {

namespace {
std::vector<Long> LineChars;  // characters of one shift, in line order; storage reused

// A character the key being handled moved, with its shape before the move.
struct MovedChar {
  Long ObjNo = 0;      // the character
  EntityShape Before;  // its shape before the move
};
std::vector<MovedChar> MovedChars;  // the moves of the key being handled, in the order made

void MoveNoted(Long ObjNo, Double X, Double Y) {
  MovedChars.push_back({ObjNo, ShapeOf(ObjNo)});
  MoveTextChar(ObjNo, X, Y);
}

// The moves of the key go with the undo step it opened, or with OwnStep
// make a step of their own.
void KeepMoves(bool OwnStep) {
  for (size_t k = 0; k < MovedChars.size(); ++k) {
    const MovedChar& moved = MovedChars[k];
    if (k == 0 && OwnStep)
      PushShapeChange(moved.ObjNo, moved.Before);
    else
      JoinShapeChange(moved.ObjNo, moved.Before);
  }
  MovedChars.clear();
}

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
    MoveNoted(LineChars[k], X + (k + 1) * dx, Y + (k + 1) * dy);
}

void ShiftCharsBack(Double X, Double Y, Double Step) {
  const Double dx = Step * AlongX(), dy = Step * AlongY();
  CollectLine(X + dx, Y + dy, Step);
  for (size_t k = 0; k < LineChars.size(); ++k) MoveNoted(LineChars[k], X + k * dx, Y + k * dy);
}

void ShiftCharsOnLine(Double NewX, Double NewY, Double X, Double Y, Double Step) {
  CollectLine(X, Y, Step);
  const Double dx = Step * AlongX(), dy = Step * AlongY();
  for (size_t k = 0; k < LineChars.size(); ++k) MoveNoted(LineChars[k], NewX + k * dx, NewY + k * dy);
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

// ---- Pen moves -----------------------------------------------------------------------------

String GlyphKeyFor(Long Code) { return FontName + "-" + std::to_string(Code); }

namespace {
constexpr Double AlongSlack = 1e-9;  // rounding allowed when comparing places along the line

void MovePen(Double Steps) {
  TextEntryState.PenX += Steps * TextEntryState.Advance * AlongX();
  TextEntryState.PenY += Steps * TextEntryState.Advance * AlongY();
}

// Line start and pen by Lines lines down (negative: up).
void MoveLines(Double Lines) {
  TextEntryStateRec& t = TextEntryState;
  const Double s = LineSpacingFactor * t.Height * Lines;
  t.LineStartX += s * AlongY();
  t.LineStartY -= s * AlongX();
  t.PenX += s * AlongY();
  t.PenY -= s * AlongX();
}

// ---- Box text ------------------------------------------------------------------------------

constexpr const char* BoxFullText = "Error - Text Box Full";  // a key refused at the box's edge
constexpr const char* EntryHintText = "> Enter ESC to Finish <";  // panel 3 while the entry goes on

bool KeyRefused = false;  // the key being handled was refused at the box's edge

// A key that would put a character outside the text box, or one on top of
// another, is refused and says so; the entry goes on, so that the user can
// delete, move the pen or end it.
void RefuseBoxFull() {
  ShowStatus(BoxFullText, ResultPanel);
  TextEntryState.BoxFullShown = FlagTrue;
  KeyRefused = true;
}

// Panel 3 tells how the entry ends, in place of a refusal it showed.
void ShowEntryHint() {
  ShowStatus(EntryHintText, ResultPanel);
  TextEntryState.BoxFullShown = FlagFalse;
}

// In BoxMode: whether a character at the pen stands inside the box, with the
// characters it pushes on in InsertMode when one lies there.
bool BoxHasRoomAtPen(bool Occupied) {
  const TextEntryStateRec& t = TextEntryState;
  if (!t.BoxMode) return true;
  if (!CellInBox(t.PenX, t.PenY)) return false;
  if (!Occupied || !t.InsertMode) return true;
  CollectLine(t.PenX, t.PenY, t.Advance);
  const Double shift = static_cast<Double>(LineChars.size()) * t.Advance;
  return CellInBox(t.PenX + shift * AlongX(), t.PenY + shift * AlongY());
}

// In BoxMode: whether the line below lies in the box and the rest of the line
// from the pen, carried there, covers no character of it.
bool BoxTakesNewLine(Double StartX, Double StartY) {
  const TextEntryStateRec& t = TextEntryState;
  if (!t.BoxMode) return true;
  if (!CellInBox(StartX, StartY)) return false;
  CollectLine(t.PenX, t.PenY, t.Advance);
  const size_t carried = LineChars.size();
  const Double dx = t.Advance * AlongX(), dy = t.Advance * AlongY();
  Long ch = 0;
  for (size_t k = 0; k < carried; ++k)
    if (FindTextCharAt(ch, StartX + k * dx, StartY + k * dy)) return false;
  return true;
}

// ---- Lines below ---------------------------------------------------------------------------

std::vector<Long> BelowChars;  // the characters that make room, the next line's first; storage reused

// The characters of line Line below the pen's line (1: the next) that text
// arriving there, Reach advances long from the line start, would stand on,
// with the rest of their run along the line: each is appended to BelowChars.
// Returns the reach that line, moved down, gives the line under it: 0 when
// nothing there is covered. Found by place, as the line shifts find theirs,
// so a label further along or further down is never taken.
Long CollectCoveredRun(Long Line, Long Reach) {
  const TextEntryStateRec& t = TextEntryState;
  const Double s = LineSpacingFactor * t.Height * static_cast<Double>(Line);
  const Double x0 = t.LineStartX + s * AlongY(), y0 = t.LineStartY - s * AlongX();
  const Double dx = t.Advance * AlongX(), dy = t.Advance * AlongY();
  Long end = 0;  // one past the last place taken
  Long ch = 0;
  for (Long k = 0; k <= ObjCount && (k < Reach || (end > 0 && k == end)); ++k) {
    if (!FindTextCharAt(ch, x0 + k * dx, y0 + k * dy)) continue;
    if (!BelowChars.empty() && ch == BelowChars.back()) break;  // no advance: one place
    BelowChars.push_back(ch);
    end = k + 1;
  }
  return end;
}

// Free text has room below: the Carried characters that Enter takes to the
// next line would stand on the characters there, so those make room first,
// one line down, and the line under them makes room for them in turn, as a
// character typed in insert mode pushes its line on up to the first gap.
// Text the moved lines would not reach stays put.
void OpenLineBelow(Long Carried) {
  const TextEntryStateRec& t = TextEntryState;
  const Double s = LineSpacingFactor * t.Height;
  if (!(s > 0)) return;
  BelowChars.clear();
  Long reach = Carried;
  for (Long line = 1; reach > 0 && line <= ObjCount; ++line) reach = CollectCoveredRun(line, reach);
  // The lowest line first, so that each moves into a place already left.
  for (size_t k = BelowChars.size(); k-- > 0;) {
    const Long objNo = BelowChars[k];
    const PntRec& p = Pnts[Objs[objNo].PointID];
    MoveNoted(objNo, p.X + s * AlongY(), p.Y - s * AlongX());
  }
}

// ---- Keys ----------------------------------------------------------------------------------

void NewLine() {
  TextEntryStateRec& t = TextEntryState;
  const Double s = LineSpacingFactor * t.Height;
  const Double startX = t.LineStartX + s * AlongY(), startY = t.LineStartY - s * AlongX();
  if (!BoxTakesNewLine(startX, startY)) {
    RefuseBoxFull();
    return;
  }
  EraseTextCursor();
  Long ch = 0;
  const bool carries = FindTextCharAt(ch, t.PenX, t.PenY);
  if (carries && !t.BoxMode) {
    CollectLine(t.PenX, t.PenY, t.Advance);
    OpenLineBelow(static_cast<Long>(LineChars.size()));
  }
  t.LineStartX = startX;
  t.LineStartY = startY;
  if (carries) ShiftCharsOnLine(t.LineStartX, t.LineStartY, t.PenX, t.PenY, t.Advance);
  KeepMoves(true);
  t.PenX = t.LineStartX;
  t.PenY = t.LineStartY;
  PlaceTextCursor();
}

// Character ch at the pen is erased and the rest of its line closes the gap,
// one undo step.
void EraseAtPen(Long ch) {
  const TextEntryStateRec& t = TextEntryState;
  EraseObj(ch);
  ShiftCharsBack(t.PenX, t.PenY, t.Advance);
  KeepMoves(false);
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
    if (FindTextCharAt(ch, t.PenX, t.PenY)) EraseAtPen(ch);
  }
  PlaceTextCursor();
}

void DeleteAtPen() {
  TextEntryStateRec& t = TextEntryState;
  EraseTextCursor();
  Long ch = 0;
  if (FindTextCharAt(ch, t.PenX, t.PenY)) EraseAtPen(ch);
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
      MoveLines(-1);
      break;
    default:  // TextKeyDown
      if (t.BoxMode && t.PenY - s < box[1].Y) return;
      EraseTextCursor();
      MoveLines(1);
      break;
  }
  PlaceTextCursor();
}

void AfterCharacter() {
  MovePen(1);
  ++TextEntryState.CharCount;
  ShowStatus("Enter Next Character >", 2);
}

void Blank() {
  TextEntryStateRec& t = TextEntryState;
  Long ch = 0;
  const bool occupied = FindTextCharAt(ch, t.PenX, t.PenY);
  if (!BoxHasRoomAtPen(occupied)) {
    RefuseBoxFull();
    return;
  }
  EraseTextCursor();
  if (occupied) {
    if (t.InsertMode) {
      ShiftCharsForward(t.PenX, t.PenY, t.Advance);
      KeepMoves(true);
    } else {
      RecolourTextChar(ch);
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
  Long ch = 0;
  const bool occupied = FindTextCharAt(ch, t.PenX, t.PenY);
  if (!BoxHasRoomAtPen(occupied)) {
    RefuseBoxFull();
    return;
  }
  EraseTextCursor();
  if (!occupied) {
    AddTextCharObj(t.GlyphIdx);
    DrawTextChar(ObjCount, false);
  } else if (t.InsertMode) {
    ShiftCharsForward(t.PenX, t.PenY, t.Advance);
    AddTextCharObj(t.GlyphIdx);
    KeepMoves(false);  // with the step of the character written
    DrawTextChar(ObjCount, false);
  } else {
    UpdateTextCharObj(ch, GlyphKey, t.GlyphIdx);
  }
  AfterCharacter();
  ShowEntryHint();
  PlaceTextCursor();
}

// A refusal shown earlier goes once a key that was taken has left the pen
// where a character would be taken (Backspace or Delete made room, the pen
// moved back inside, overwrite mode on); it stays while the pen has none.
void TakeBackBoxFull() {
  const TextEntryStateRec& t = TextEntryState;
  if (!t.BoxFullShown || KeyRefused || !TextKeyEntry) return;
  Long ch = 0;
  if (BoxHasRoomAtPen(FindTextCharAt(ch, t.PenX, t.PenY))) ShowEntryHint();
}
}  // namespace

void EnterCharacters() {
  const Integer code = TypedKey;
  TextEntryState.CharCode = code;
  MovedChars.clear();
  KeyRefused = false;
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
  TakeBackBoxFull();
  TypedKey = 0;  // handled: a click that reaches the command later repeats no key
}

}  // namespace lintavo
