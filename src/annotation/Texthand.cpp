// Texthand: the text commands of tool 3: Place Text, Box Text Place, Edit
// Text, Place Text on Path, Text Height and the restyle commands.
//
// Sections:
//   Options and flags
//   Ending
//   Place Text, Box Text Place, Edit Text
//   Place Text on Path
//   Typed strings
//   Restyle and height
//   Dispatcher
//   Reset and registration
#include "annotation/Texthand.h"

#include <cmath>
#include <limits>
#include <vector>

#include "annotation/TextChars.h"
#include "annotation/TextEntry.h"
#include "commands/PathStations.h"
#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/ItemMembers.h"
#include "model/LineDrawCodes.h"
#include "model/MessageBar.h"
#include "model/ObjIndex.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/SnapSettings.h"
#include "model/Top.h"
#include "model/TypedEntry.h"
#include "model/UndoRedo.h"
#include "model/ViewCache.h"
#include "picking/Identify.h"
#include "platform/Numbers.h"
#include "platform/TextCompare.h"
#include "view/DisplayOptions.h"
#include "view/DrawDispatch.h"
#include "view/Zooms.h"

namespace lintavo {

// ---- Options and flags ----------------------------------------------------------------------

Integer TextCmd = 0;
Integer TextActive = 0;
Integer TextKeyEntry = 0;
Integer TextEditing = 0;
Integer TextBoxOutline = 0;

String FontName;
String TextLayer;
Integer TextBold = 0;
Integer TextItalic = 0;
Integer TextUnderline = 0;
Integer TextAlignLeft = 0;
Integer TextAlignRight = 0;
Integer TextAlignCenter = 0;
Integer TextJustify = 0;
Integer AutoTextSize = 0;
Integer AutoTextAngle = 0;
Long TextColor = 0;
Long TextBackColor = 0;
Single TextHeight = 0;
Single TextWidth = 0;
Single TextAspect = 0;
Single TextAngle = 0;
Single TextSlant = 0;

namespace {
constexpr Double MinTextHeight = 0.0001;  // heights below this are refused, typed or clicked
constexpr Single MaxTextHeight = 100;    // heights above this are refused
constexpr Double OffsetLimitHeights = 2;  // a path offset of this many heights is too far

Integer PathShown = 0;  // flag: Place Text on Path shows its path in magenta

bool KeyWaiting() { return TypedReady || TypedKey != 0; }
// Whether a height from the clicks (world units) is one a character can be
// stored with: finite, within the Single it is kept in, and no smaller than
// Set Text Height takes (a point on a slanted base line gives a height of
// its rounding, about 1e-16).
bool IsStorableHeight(Double Height) {
  return std::isfinite(Height) && Height <= std::numeric_limits<Single>::max() && Height >= MinTextHeight;
}
void SetAngleDeg(Double Deg) {
  TextEntryState.AngleDeg = static_cast<Single>(Deg);
  TextEntryState.AngleRad = static_cast<Single>(Deg / RadToDeg);
}
}  // namespace

// ---- Ending ---------------------------------------------------------------------------------

// Place Text with Auto Text Size waiting for its height point (step 3): the
// band of the box follows the mouse, and its base, drawn once by the band
// and not taken off with it, may be on the surface.
namespace {
bool HeightBandOn() { return RubberLineOn && TextEntryState.Step == 3; }
}  // namespace

void EndTextCommand(Integer& KeepPrompts) {
  if (!KeepPrompts) ClearPrompts();
  const bool marks = TextEntryState.BoxShown || TextEntryState.CursorShown || PathShown || HeightBandOn();
  PathShown = FlagFalse;
  EraseTextBox();
  EraseTextCursor();
  TextEditing = TextKeyEntry = FlagFalse;
  TextEntryState.BoxMode = FlagFalse;  // the box goes with its command
  RubberLineOn = RubberWindowOn = FlagFalse;
  EndCommand(TextActive);
  // The marks were wiped in the background colour, which may have cut
  // across characters, a path shown in magenta goes back to its own colour,
  // and the band's base goes: the view is drawn again from the model.
  if (marks && ActiveDoc) RefreshActiveView();
}

void RedrawTextBox() {
  TextCorner* c = TextEntryState.Box;
  c[4] = {c[1].X + c[3].X - c[2].X, c[1].Y + c[3].Y - c[2].Y};
  TextEntryState.BoxShown = FlagFalse;
  DrawTextBox();
}

namespace {
void EndKeeping(bool Keep) {
  Integer keep = Keep ? FlagTrue : FlagFalse;
  EndTextCommand(keep);
}

// The key step of the placing commands: a key ended the entry, the command
// ends (the prompts stay when a glyph was missing).
void KeyStep() {
  if (!KeyWaiting()) return;
  EnterCharacters();
  if (TextKeyEntry) return;
  EndKeeping(TextEntryState.CharCode != TextKeyEnd);
}

// Typing starts at the pen with the given height and angle.
void StartTyping(Double X, Double Y, Single Height, Double AngleDeg, bool BoxMode) {
  TextEntryStateRec& t = TextEntryState;
  SetAngleDeg(AngleDeg);
  t.Height = Height;
  t.PenX = t.LineStartX = X;
  t.PenY = t.LineStartY = Y;
  t.Advance = TextAdvanceFor(Height);
  t.InsertMode = FlagTrue;
  t.BoxMode = BoxMode ? FlagTrue : FlagFalse;
  t.BoxFullShown = FlagFalse;
  t.CharCount = 0;
  TypedKey = 0;
  TextKeyEntry = FlagTrue;
  RubberLineOn = FlagFalse;
  ShowStatus("Enter First Character >", 2);
  t.Step = 5;
  PlaceTextCursor();
}

// The events after step 0 of both placing commands: once typing started (step
// 5) the key step takes the event (false); else the point picked now is taken,
// at step 1 as the first corner of the box (true).
bool TakePlacingPoint(Double& X, Double& Y) {
  TextEntryStateRec& t = TextEntryState;
  if (t.Step == 5) {
    KeyStep();
    return false;
  }
  TakePickPoint(X, Y);
  if (t.Step == 1) t.Box[1] = {X, Y};
  return true;
}

// ---- Place Text, Box Text Place, Edit Text --------------------------------------------------

void PlaceText() {
  TextEntryStateRec& t = TextEntryState;
  const bool autoSize = AutoTextSize != 0, autoAngle = AutoTextAngle != 0;
  if (ToolStep == 0) {
    ShowStatus("Place Text", 1);
    ShowStatus("Enter a Placement Origin >", 2);
    if (autoAngle || autoSize) {
      RubberBanding = RubberLineOn = FlagTrue;
      LineDrawCommand = autoSize ? DrawRectangle3Code : DrawSingleCode;
      if (!autoAngle) OrthoSnap = FlagTrue;
    }
    t.Step = 1;
    return;
  }
  Double x = 0, y = 0;
  if (!TakePlacingPoint(x, y)) return;
  if (t.Step == 1) {
    if (autoSize || autoAngle) {
      ShowStatus("Auto Text Angle - Enter Text Base Line", 2);
      t.Step = 2;
      return;
    }
  } else if (t.Step == 2) {
    t.Box[2] = {x, y};
    OrthoSnap = FlagFalse;
    if (autoSize) {
      ShowStatus("Auto Text Size - Enter Text Height", 2);
      t.Step = 3;
      return;
    }
  } else if (t.Step == 3) {
    SetupTextBox(t.Box[1].X, t.Box[1].Y, t.Box[2].X, t.Box[2].Y, x, y);
    // A height point on the base line gives no height: it is asked for again.
    if (!IsStorableHeight(t.BoxHeight)) return;
    DrawTextBox();
  }
  const Double angle =
      autoAngle ? LineAngle(t.Box[1].X, t.Box[1].Y, t.Box[2].X, t.Box[2].Y) * RadToDeg : Double{TextAngle};
  const Single height = autoSize ? static_cast<Single>(t.BoxHeight) : TextHeight;
  StartTyping(t.Box[1].X, t.Box[1].Y, height, angle, false);
}

void PlaceBoxText() {
  TextEntryStateRec& t = TextEntryState;
  if (ToolStep == 0) {
    ShowStatus("Box Text Place", 1);
    ShowStatus("Enter Left Corner of Text Box", 2);
    RubberWindowOn = FlagTrue;
    t.Step = 1;
    return;
  }
  Double x = 0, y = 0;
  if (!TakePlacingPoint(x, y)) return;
  if (t.Step == 1) {
    ShowStatus("Enter Right Corner of Text Box", 2);
    t.Step = 2;
    return;
  }
  RubberWindowOn = FlagFalse;
  const Double x1 = t.Box[1].X, y1 = t.Box[1].Y;
  if (std::fabs(x1 - x) < TextWidth || std::fabs(y - y1) < TextHeight) {
    ShowStatus("Error - Text Width Greator than Box", 3);
    EndKeeping(true);
    return;
  }
  const Double minX = std::min(x1, x), maxX = std::max(x1, x);
  const Double minY = std::min(y1, y), maxY = std::max(y1, y);
  t.Box[1] = {minX, minY};
  t.Box[2] = {maxX, minY};
  t.Box[3] = {maxX, maxY};
  t.Box[4] = {minX, maxY};
  t.BoxHeight = maxY - minY;
  StartTyping(minX, maxY - TextHeight, TextHeight, 0, true);
}

bool IsTextSelected(Long i) {
  const ObjRec& obj = Objs[i];
  return obj.Rtype == EntityTextChar && IsDrawnSelected(obj);
}

void EditText() {
  TextEntryStateRec& t = TextEntryState;
  if (ToolStep == 0 && t.Step != 2) {
    ShowStatus("Edit Text", 1);
    Long found = 0;
    for (Long i = BaseObjCount + 1; i <= ObjCount && !found; ++i)
      if (IsTextSelected(i)) found = i;
    if (!found) {
      ShowStatus("No Text Selected!!", 2);
      EndKeeping(true);
      return;
    }
    const PntRec* p = &Pnts[Objs[found].PointID];
    t.PenX = p[0].X;
    t.PenY = p[0].Y;
    t.Advance = LineAdvanceOf(found);  // typed characters keep the line's spacing
    t.Height = static_cast<Single>(p[1].Y);
    SetAngleDeg(p[2].X);
    // Typing goes on along the character's own line: New Line and
    // back-delete measure from that line's first character, and typed
    // characters push the rest of the line on, as in Place Text.
    LineStartBehindPen();
    t.InsertMode = FlagTrue;
    TypedKey = 0;
    TextKeyEntry = FlagTrue;
    PlaceTextCursor();
    t.Step = 2;
    return;
  }
  KeyStep();
}

// ---- Place Text on Path ---------------------------------------------------------------------

// The pen on station I; on the right of the path the base line lies one
// height further out, so the characters stand clear of the path.
void PenToStation(Integer I, bool RightSide) {
  TextEntryStateRec& t = TextEntryState;
  Single direction = t.AngleRad;
  GetPathPoint(t.PenX, t.PenY, direction, I);
  t.AngleRad = direction;
  t.AngleDeg = static_cast<Single>(direction * RadToDeg);
  if (!RightSide) return;
  t.PenX += TextHeight * std::sin(direction);
  t.PenY -= TextHeight * std::cos(direction);
}

bool PathOnRight() { return !PathSideFlag; }

// Paths whose stations are spread at a widened spacing (the curve rule).
bool WidensTextOnPath(Integer Type) {
  return Type == EntityCircle || Type == EntityArc || Type == EntityEllipticArc || Type == EntityEllipse;
}

void PathFirstClick(Double x, Double y) {
  Long obj = 0;
  Double distance = 0;
  FindObjAt(obj, x, y, distance);
  const char* error = nullptr;
  Double length = 0;
  if (!(obj > 0 && distance < PickTolerance)) {
    error = "Error - Line NOT Found!!";
  } else {
    MeasurePath(obj, length);
    if (length <= 0)
      error = "Error - Path Not Found!!";
    else if (TextHeight <= 0 || RoundHalfEven(length / TextHeight) <= 0)
      error = "Error - Text Width Longer than Line";
  }
  if (error) {
    ShowStatus(error, 3);
    PathLine = 0;
    EndKeeping(true);
    return;
  }
  ResetPathLine();
  PathShown = FlagTrue;
  ShowStatus("Enter Offset from Path Line", 2);
  TextEntryState.Step = 2;
}

void PathSecondClick(Double x, Double y) {
  TextEntryStateRec& t = TextEntryState;
  ProjectOnPath(x, y);
  if (OffsetLimitHeights * TextHeight <= PathOffset) {
    ShowStatus("Error - Offset Too Far", 3);
    EndKeeping(true);
    return;
  }
  t.Height = TextHeight;
  t.Advance = TextAdvanceFor(TextHeight);
  Integer count = 0;  // the path is divided by the spacing
  Single spacing = TextHeight;
  DividePath(spacing, count);
  if (count < 1) {  // a path without stations (a Bezier curve): nothing to type on
    ShowStatus("Error - Path Not Found!!", 3);
    EndKeeping(true);
    return;
  }
  // On circles, arcs and ellipses the spacing is widened and the characters
  // take it, so they stand that much taller there. Elsewhere the stations
  // only share the path out evenly: the characters keep the text height.
  if (WidensTextOnPath(Objs[PathLine].Rtype)) t.Height = spacing;
  t.StationCount = count;
  PenToStation(1, PathOnRight());
  t.LineStartX = t.PenX;
  t.LineStartY = t.PenY;
  PlaceTextCursor();
  ShowStatus("Enter First Character > ", 2);
  t.InsertMode = FlagFalse;
  TypedKey = 0;
  t.CharCount = 1;
  TextKeyEntry = FlagTrue;
  t.Step = 3;
}

void PathKey() {
  TextEntryStateRec& t = TextEntryState;
  const Integer code = TypedKey;
  t.CharCode = code;
  Long ch = 0;
  bool missing = false;
  if (code == TextKeyBack) {
    EraseTextCursor();
    if (t.CharCount > 1) {
      --t.CharCount;
      PenToStation(t.CharCount, PathOnRight());
      if (FindTextCharAt(ch, t.PenX, t.PenY)) EraseObj(ch);
    }
  } else if (code == TextKeyEnd) {
    TextKeyEntry = FlagFalse;
  } else if (code == TextKeyDelete) {
    EraseTextCursor();
    if (FindTextCharAt(ch, t.PenX, t.PenY)) EraseObj(ch);
  } else if (code == TextKeyBlank) {
    EraseTextCursor();
    if (FindTextCharAt(ch, t.PenX, t.PenY)) UpdateTextCharObj(ch, Objs[ch].Name, Objs[ch].ObjectID);
    ++t.CharCount;
  } else if (code >= TextKeyFirstChar && code <= TextKeyLastChar) {
    GlyphKey = GlyphKeyFor(code);
    if (!FindGlyph(t.GlyphIdx)) {
      ShowStatus("Character NOT FOUND !!", 2);
      TextKeyEntry = FlagFalse;
      missing = true;
    } else {
      EraseTextCursor();
      if (FindTextCharAt(ch, t.PenX, t.PenY)) {
        UpdateTextCharObj(ch, GlyphKey, t.GlyphIdx);
      } else {
        AddTextCharObj(t.GlyphIdx);
        DrawTextChar(ObjCount, false);
      }
      ++t.CharCount;
    }
  }
  if (!TextKeyEntry) {
    EndKeeping(missing);
    return;
  }
  if (t.CharCount > t.StationCount) {
    ShowStatus("Done -- End of Path", 3);
    EndKeeping(true);
    return;
  }
  PenToStation(t.CharCount, PathOnRight());
  TypedKey = 0;
  PlaceTextCursor();
  ShowStatus("Enter Next Character >", 2);
  ShowStatus("> Enter ESC to Finish <", 3);
}

void PlaceTextOnPath() {
  TextEntryStateRec& t = TextEntryState;
  if (ToolStep == 0 && t.Step < 2) {
    ShowStatus("Place Text on Path", 1);
    ShowStatus("Select a Line to Follow (Path)", 2);
    t.Step = 1;
    return;
  }
  if (t.Step == 3) {
    if (KeyWaiting()) PathKey();
    return;
  }
  Double x = 0, y = 0;
  TakePickPoint(x, y);
  if (t.Step == 1)
    PathFirstClick(x, y);
  else
    PathSecondClick(x, y);
}

// ---- Typed strings --------------------------------------------------------------------------

constexpr Double TypedLineSpacing = 1.5;  // heights between the lines of typed strings
constexpr Integer TypedBlank = 32;        // a blank moves the pen and writes nothing
std::vector<Long> StringGlyphs;           // glyphs of the string being written; storage reused

// The line start (and the pen) one typed-string line further down.
void NextTypedLine() {
  TextEntryStateRec& t = TextEntryState;
  const Double s = TypedLineSpacing * t.Height;
  t.LineStartX += s * std::sin(t.AngleRad);
  t.LineStartY -= s * std::cos(t.AngleRad);
  t.PenX = t.LineStartX;
  t.PenY = t.LineStartY;
}

// How far back along the text angle a string of this width starts from the
// line start: the whole width right aligned, half of it centred, none left
// aligned or justified (a single line has nothing to spread over).
Double AlignmentBack(Double Width) {
  if (TextAlignRight) return Width;
  if (TextAlignCenter) return Width / 2;
  return 0;
}

// The glyphs of every character of Typed into Glyphs (0 for a blank); false,
// with GlyphKey the missing one, when one has none, so that nothing is written.
bool FindStringGlyphs(const String& Typed, std::vector<Long>& Glyphs) {
  Glyphs.clear();
  for (const unsigned char c : Typed) {
    Long glyph = 0;
    if (c != TypedBlank) {
      GlyphKey = GlyphKeyFor(c);
      if (c < TextKeyFirstChar || c > TextKeyLastChar || !FindGlyph(glyph)) return false;
    }
    Glyphs.push_back(glyph);
  }
  return true;
}

// Writes the string's characters one advance apart along the text angle,
// placed on the line by the alignment flags.
void WriteTypedString(const String& Typed, const std::vector<Long>& Glyphs) {
  TextEntryStateRec& t = TextEntryState;
  const Double ax = std::cos(t.AngleRad), ay = std::sin(t.AngleRad);
  const Double back = AlignmentBack(Double{t.Advance} * static_cast<Double>(Glyphs.size()));
  t.PenX = t.LineStartX - back * ax;
  t.PenY = t.LineStartY - back * ay;
  for (size_t k = 0; k < Glyphs.size(); ++k) {
    if (Glyphs[k]) {
      GlyphKey = GlyphKeyFor(static_cast<unsigned char>(Typed[k]));
      AddTextCharObj(Glyphs[k]);
      DrawTextChar(ObjCount, false);
    }
    t.PenX += t.Advance * ax;
    t.PenY += t.Advance * ay;
  }
}

// Each string typed in the entry box is written as one line of text, each
// line one and a half heights below the one before, aligned on the line
// start by the alignment buttons. Esc ends the command.
void PlaceTypedString() {
  TextEntryStateRec& t = TextEntryState;
  if (ToolStep == 0 && t.Step != 2 && !TypedReady) {
    if (t.Height <= 0) {
      t.Height = TextHeight;
      SetAngleDeg(TextAngle);
    }
    t.Advance = TextAdvanceFor(t.Height);
    NextTypedLine();
    ShowStatus("ENTER STRING > ", 1);
    ShowStatus("<ESC> TO QUIT ", 2);
    t.Step = 2;
    return;
  }
  if (!TypedReady) return;
  const String typed = GetTypedText();
  if (DlgCancelled) return;
  if (!FindStringGlyphs(typed, StringGlyphs)) {
    ShowStatus("Character NOT FOUND !!", 2);
    EndKeeping(true);
    return;
  }
  WriteTypedString(typed, StringGlyphs);
  NextTypedLine();
}

// ---- Restyle and height ---------------------------------------------------------------------

// Character I takes the current font when its glyph exists in it.
void RestyleFont(Long I) {
  const String& name = Objs[I].Name;
  const size_t dash = name.rfind('-');
  if (dash == String::npos) return;
  if (SameTextNoCase(name.substr(0, dash), FontName)) return;
  GlyphKey = FontName + name.substr(dash);
  Long glyph = 0;
  // Loading the glyph appends to the tables and may move them: the
  // character is taken again afterwards.
  if (!FindGlyph(glyph)) return;
  ObjRec& obj = Objs[I];
  obj.Name = GlyphKey;
  obj.ObjectID = glyph;
  MarkExtentsChanged(obj.DwgNo);  // another glyph covers another box
  EntityLinksChanged(I);
  ObjIndexShownItemChanged(I);
}

void Restyle(Integer Code) {
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
    if (!IsTextSelected(i)) continue;
    DrawTextChar(i, true);
    PntRec* p = &Pnts[Objs[i].PointID];
    switch (Code) {
      case TextCmdFont: RestyleFont(i); break;
      case TextCmdBold: p[3].X = TextBold ? 1 : 0; break;
      case TextCmdItalic:
        p[2].Y = TextItalic ? ItalicSlant : TextSlant;
        ObjPointsChanged(i);  // the slant changes what the glyph covers
        break;
      case TextCmdUnderline: p[3].Y = TextUnderline ? 1 : 0; break;
      default: p[4].X = TextBoxOutline ? 1 : 0; break;  // TextCmdBoxOutline
    }
    EntityChanged(i);
    DrawTextChar(i, false);
  }
}

// The tool bar's restyling commands, each on the selected characters.
void ChangeTextFont() { Restyle(TextCmdFont); }
void SetTextBold() { Restyle(TextCmdBold); }
void SetTextItalic() { Restyle(TextCmdItalic); }
void SetTextUnderline() { Restyle(TextCmdUnderline); }
void SetTextBox() { Restyle(TextCmdBoxOutline); }

// The advance of character I along its line: that of text of its height.
Double CharAdvance(Long I) { return TextAdvanceFor(ToSingle(Pnts[Objs[I].PointID + 1].Y)); }

// The characters that follow I on its line, in line order: each one advance
// of the one before further on. At most one per entity, so the walk ends.
std::vector<Long> LineAfter;  // storage reused by every resize

void CollectLineAfter(Long I) {
  LineAfter.clear();
  const Double ax = std::cos(TextEntryState.AngleRad), ay = std::sin(TextEntryState.AngleRad);
  Long current = I;
  for (Long k = 0; k < ObjCount; ++k) {
    const Double advance = CharAdvance(current);
    TextEntryState.Advance = ToSingle(advance);  // the search tolerance is a fifth of it
    const PntRec& at = Pnts[Objs[current].PointID];
    Long next = 0;
    if (!FindTextCharAt(next, at.X + advance * ax, at.Y + advance * ay) || next == I) break;
    if (!LineAfter.empty() && next == LineAfter.back()) break;
    LineAfter.push_back(next);
    current = next;
  }
}

// Character I takes the height TextHeight and width TextWidth; the characters
// after it on its line keep their order, each one advance after the one
// before, so the line closes up or opens out behind the new size.
void ResizeChar(Long I) {
  PntRec* p = &Pnts[Objs[I].PointID];
  if (p[1].Y == TextHeight) return;
  DrawTextChar(I, true);
  SetAngleDeg(p[2].X);
  CollectLineAfter(I);
  p[1].X = TextWidth;
  p[1].Y = TextHeight;
  ObjPointsChanged(I);
  const Double ax = std::cos(TextEntryState.AngleRad), ay = std::sin(TextEntryState.AngleRad);
  Long previous = I;
  for (const Long next : LineAfter) {
    const Double advance = CharAdvance(previous);
    const PntRec& at = Pnts[Objs[previous].PointID];
    MoveTextChar(next, at.X + advance * ax, at.Y + advance * ay);
    previous = next;
  }
  DrawTextChar(I, false);
}

void SetTextHeight() {
  TextEntryStateRec& t = TextEntryState;
  if (ToolStep == 0 && t.Step != 2 && !TypedReady) {
    ShowStatus("Text Height = " + NumberText(TextHeight), 1);
    ShowStatus(" Set Height Range .0001 to 100 >", 2);
    ClearPanel(3);
    t.Step = 2;
    return;
  }
  if (!TypedReady) return;
  const Double h = GetTypedDouble();
  ClearPanel3(3);
  ShowStatus("", 2);
  if (!(h >= MinTextHeight && h <= MaxTextHeight)) {
    EndKeeping(true);
    return;
  }
  TextHeight = static_cast<Single>(h);
  TextWidth = ToSingle(Double{TextAspect} * h);
  ShowStatus(" Text Height = " + NumberText(TextHeight), 1);
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i)
    if (IsTextSelected(i)) ResizeChar(i);
  EndKeeping(true);
}
}  // namespace

// ---- Dispatcher -----------------------------------------------------------------------------

void TextCommand() {
  TextEntryStateRec& t = TextEntryState;
  if (!TextActive || TextCmd != t.LastCmd) {
    BeginCommand(TextActive);
    t.Step = 1;
    t.LastCmd = TextCmd;
    // Wrapping in a box belongs to the Box Text Place that turned it on,
    // also when another text command is chosen while it takes keys.
    t.BoxMode = FlagFalse;
  }
  switch (TextCmd) {
    case TextCmdOnPath: PlaceTextOnPath(); break;
    case TextCmdBox: PlaceBoxText(); break;
    case TextCmdPlace: PlaceText(); break;
    case TextCmdEdit: EditText(); break;
    case TextCmdTypedString: PlaceTypedString(); break;
    case TextCmdHeight: SetTextHeight(); break;
    case TextCmdFont: ChangeTextFont(); break;
    case TextCmdBold: SetTextBold(); break;
    case TextCmdItalic: SetTextItalic(); break;
    case TextCmdUnderline: SetTextUnderline(); break;
    case TextCmdBoxOutline: SetTextBox(); break;
    default: break;
  }
}

// ---- Reset and registration -----------------------------------------------------------------

void ResetTexthand() {
  TextCmd = 0;
  TextActive = TextKeyEntry = TextEditing = 0;
  TextBoxOutline = 0;
  FontName.clear();
  TextLayer.clear();
  TextBold = TextItalic = TextUnderline = 0;
  TextAlignLeft = TextAlignRight = TextAlignCenter = TextJustify = 0;
  AutoTextSize = AutoTextAngle = 0;
  TextColor = TextBackColor = 0;
  TextHeight = TextWidth = TextAspect = TextAngle = TextSlant = 0;
}

namespace {
// Leaving the text tool while it takes keys or shows a path ends the command
// and clears its prompts for the next tool's; otherwise only its flag is cleared. Cancel
// keeps the prompts.
void EndTextOnToolChange() {
  if (TextKeyEntry || PathShown)
    EndKeeping(false);
  else
    TextActive = 0;
}
void CancelText() {
  if (TextActive) EndKeeping(true);
}
// A full redraw wipes the outline of the text box being edited: it is drawn again.
void RedrawEditedTextBox() {
  if (TextKeyEntry && TextBoxOutline) RedrawTextBox();
}
void PlugTexthand() { RegisterRedrawHook(RedrawEditedTextBox); }
const ModuleRegistrar Registered({"Texthand", FloorAnnotation, ResetTexthand,
                                  {ToolText, &TextActive, TextCommand, EndTextOnToolChange, CancelText},
                                  PlugTexthand});
}  // namespace

}  // namespace lintavo
