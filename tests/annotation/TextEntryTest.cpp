// Placing text characters and typing them: Place Text from the Insert menu,
// a click and keys in the drawing window.
#include <cmath>
#include <cstdio>
#include <functional>

#include "annotation/TextFixture.h"
#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/LayerItems.h"
#include "model/UndoRedo.h"

namespace lintavo {
namespace {

class TextEntryTest : public TextFixture {};

TEST_F(TextEntryTest, PlaceTextWritesOneCharacterPerKeyOnTheTextLayer) {
  const Long layerBefore = doc_->Current_Layer;
  const QImage blank = doc_->Image().copy();
  DrawingDriver::Choose("mnuInsertText");
  EXPECT_EQ(MessagePanel(1), "Place Text");
  EXPECT_EQ(MessagePanel(2), "Enter a Placement Origin >");
  input_->ClickAt(1, 1);
  EXPECT_EQ(MessagePanel(2), "Enter First Character >");
  input_->Type("AB");
  EXPECT_EQ(MessagePanel(2), "Enter Next Character >");
  EXPECT_EQ(MessagePanel(3), "> Enter ESC to Finish <");
  ASSERT_EQ(Line(), (std::vector<std::string>{"Text-65@1.000,1.000", "Text-66@1.200,1.000"}));
  const std::vector<Long> chars = Chars();
  for (Long i : chars) {
    EXPECT_EQ(Objs[i].NPoints, 5);
    EXPECT_NEAR(PX(i, 2), 0.2, 1e-6);
    EXPECT_NEAR(PY(i, 2), 0.2, 1e-6);
    EXPECT_EQ(Items[Objs[i].LayerID].Name, "Text 1");
    EXPECT_EQ(Items[Objs[i].ObjectID].Rtype, ItemGlyph);
  }
  EXPECT_EQ(doc_->Current_Layer, layerBefore);
  EXPECT_EQ(TextKeyEntry, FlagTrue);
  input_->Escape();
  EXPECT_EQ(ActiveTool, 0);
  EXPECT_EQ(TextKeyEntry, 0);
  EXPECT_EQ(Chars().size(), 2U);
  EXPECT_TRUE(EqualsFreshRedraw());
  EXPECT_FALSE(doc_->Image() == blank);  // the characters are drawn
}

TEST_F(TextEntryTest, AspectSetsTheAdvanceAndItalicTheSlant) {
  const struct {
    Single aspect;
    Integer italic;
    Single slant;
    Double secondX;     // origin of the second character
    Double storedSlant;  // point 3 Y
  } cases[] = {
      {0.75F, 0, 7, 1.2, 7},
      {1.5F, 0, 0, 1.4, 0},
      {0.75F, FlagTrue, 7, 1.2, 15},
  };
  for (const auto& c : cases) {
    CancelTools();
    TextAspect = c.aspect;
    TextItalic = c.italic;
    TextSlant = c.slant;
    PlaceAt(1, 1, "AB");
    const std::vector<Long> chars = Chars();
    ASSERT_GE(chars.size(), 2U);
    const Long first = chars[chars.size() - 2], second = chars.back();
    EXPECT_NEAR(PX(second, 1), c.secondX, 1e-6) << c.aspect;
    EXPECT_NEAR(PY(first, 3), c.storedSlant, 1e-6) << c.italic;
    input_->Escape();
  }
}

TEST_F(TextEntryTest, AMissingGlyphEndsTheEntryAndKeepsTheMessage) {
  FontName = "NoSuchFont";
  PlaceAt(1, 1, "A");
  EXPECT_EQ(MessagePanel(2), "Character NOT FOUND !!");
  EXPECT_EQ(MessagePanel(1), "Place Text");
  EXPECT_EQ(TextKeyEntry, 0);
  EXPECT_EQ(ActiveTool, 0);
  EXPECT_TRUE(Chars().empty());
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(TextEntryTest, InsertBeforeTextMovesTheLineUpToTheFirstGap) {
  PlaceAt(1, 1, "AB");
  Key(Qt::Key_Right);  // a gap at 1.4
  input_->Type("C");
  for (int k = 0; k < 4; ++k) Key(Qt::Key_Left);
  input_->Type("X");
  EXPECT_EQ(Line(), (std::vector<std::string>{"Text-65@1.200,1.000", "Text-66@1.400,1.000",
                                              "Text-67@1.600,1.000", "Text-88@1.000,1.000"}));
  input_->Escape();
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(TextEntryTest, OverwriteAfterTwoInsertKeysIsUndoneByTwoMore) {
  PlaceAt(1, 1, "AB");
  Key(Qt::Key_Left);
  Key(Qt::Key_Left);
  Key(Qt::Key_Insert);  // overwrite
  input_->Type("X");
  EXPECT_EQ(Line(), (std::vector<std::string>{"Text-88@1.000,1.000", "Text-66@1.200,1.000"}));
  Key(Qt::Key_Insert);  // insert again
  input_->Type("Y");
  EXPECT_EQ(Line(), (std::vector<std::string>{"Text-88@1.000,1.000", "Text-66@1.400,1.000",
                                              "Text-89@1.200,1.000"}));
  input_->Escape();
  EXPECT_TRUE(EqualsFreshRedraw());
}

// Enter in the middle of a line of free text carries the rest of the line to
// the start of the next; the lines below, down to the first line without a
// character, move one line down first, so that no character stands on another.
TEST_F(TextEntryTest, EnterMidLineCarriesTheRestToTheNewLineStartAndTheLinesBelowMakeRoom) {
  const struct {
    const char* keys;  // after the click at (1, 1) (PressFocused), the Enter tried last
    std::vector<std::string> line;
  } rows[] = {
      {"ABC<<\r", {"Text-65@1.000,1.000", "Text-66@1.000,0.750", "Text-67@1.200,0.750"}},
      // Lines at 1, 0.75, 0.5, none at 0.25, one at 0: the Enter at "B".
      {"ABC\rDE\rF\r\rG^^^^\r",
       {"Text-65@1.000,1.000", "Text-66@1.000,0.750", "Text-67@1.200,0.750", "Text-68@1.000,0.500",
        "Text-69@1.200,0.500", "Text-70@1.000,0.250", "Text-71@1.000,0.000"}},
      // "D" under the carried "BC" makes room; "Z" further along that line does not.
      {"ABC\rD>>>>>Z^<<<<<<\r",
       {"Text-65@1.000,1.000", "Text-66@1.000,0.750", "Text-67@1.200,0.750", "Text-68@1.000,0.500",
        "Text-90@2.200,0.750"}},
  };
  ActivateMainWindow();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.keys);
    PlaceAt(1, 1);
    PressFocused(row.keys);
    EXPECT_EQ(Line(), row.line);
    input_->Escape();
    EXPECT_TRUE(EqualsFreshRedraw());
    for (Long i : Chars()) EraseObj(i);
  }
}

TEST_F(TextEntryTest, DeletesCloseTheGapAndDoNothingWithoutACharacter) {
  PlaceAt(1, 1, "ABC");
  const auto typed = Line();
  Key(Qt::Key_Delete);  // at the end of the line: nothing there
  EXPECT_EQ(Line(), typed);
  for (int k = 0; k < 3; ++k) Key(Qt::Key_Left);
  input_->PressKey(Qt::Key_Backspace, "\b");  // at the line start
  EXPECT_EQ(Line(), typed);
  Key(Qt::Key_Delete);  // "A" goes, "B" and "C" close up
  EXPECT_EQ(Line(), (std::vector<std::string>{"Text-66@1.000,1.000", "Text-67@1.200,1.000"}));
  Key(Qt::Key_Right);
  Key(Qt::Key_Right);
  input_->PressKey(Qt::Key_Backspace, "\b");  // "C" goes
  EXPECT_EQ(Line(), (std::vector<std::string>{"Text-66@1.000,1.000"}));
  input_->Escape();
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(TextEntryTest, BackDeleteOnAVerticalLineStopsAtTheLineStart) {
  TextAngle = 90;
  PlaceAt(1, 1, "AB");
  input_->PressKey(Qt::Key_Backspace, "\b");
  input_->PressKey(Qt::Key_Backspace, "\b");
  input_->PressKey(Qt::Key_Backspace, "\b");  // at the line start: nothing
  EXPECT_TRUE(Line().empty());
  EXPECT_NEAR(TextEntryState.PenY, 1, 1e-6);
  input_->Escape();
}

TEST_F(TextEntryTest, AZeroAdvanceShiftsNothingAndEnds) {
  TextAspect = 0;  // every character at the same place
  PlaceAt(1, 1, "AB");
  EXPECT_EQ(Line(), (std::vector<std::string>{"Text-65@1.000,1.000", "Text-66@1.000,1.000"}));
  input_->Escape();
}

TEST_F(TextEntryTest, AutoSwitchesTakeTheAngleFromTheBaseLineAndTheHeightFromTheBox) {
  const struct {
    Integer autoSize, autoAngle;
    Single textAngle;
    Double clicks[3][2];  // origin, base-line point, height point
    int clickCount;
    const char* secondPrompt;  // panel 2 after the last click but one
    Double height, angle;      // of the characters written
    const char* written;       // the origin of "B"
  } cases[] = {
      {0, FlagTrue, 30, {{1, 1}, {1, 2}}, 2, "Auto Text Angle - Enter Text Base Line", 0.2, 90, "Text-66@1.000,1.200"},
      // The base line only bounds the box: the angle stays TextAngle.
      {FlagTrue, 0, 30, {{1, 1}, {2, 1}, {1.5, 1.5}}, 3, "Auto Text Size - Enter Text Height", 0.5, 30,
       "Text-66@1.433,1.250"},
      {FlagTrue, FlagTrue, 30, {{1, 1}, {1, 2}, {0.5, 1.5}}, 3, "Auto Text Size - Enter Text Height", 0.5, 90,
       "Text-66@1.000,1.500"},
  };
  for (const auto& c : cases) {
    CancelTools();
    AutoTextSize = c.autoSize;
    AutoTextAngle = c.autoAngle;
    TextAngle = c.textAngle;
    DrawingDriver::Choose("mnuInsertText");
    EXPECT_EQ(RubberLineOn, FlagTrue);
    input_->ClickAt(c.clicks[0][0], c.clicks[0][1]);
    EXPECT_EQ(MessagePanel(2), "Auto Text Angle - Enter Text Base Line");
    for (int k = 1; k < c.clickCount; ++k) {
      if (k == c.clickCount - 1) EXPECT_EQ(MessagePanel(2), c.secondPrompt) << c.autoSize;
      input_->ClickAt(c.clicks[k][0], c.clicks[k][1]);
    }
    EXPECT_EQ(MessagePanel(2), "Enter First Character >");
    input_->Type("AB");
    const std::vector<std::string> line = Line();
    ASSERT_EQ(line.size(), 2U);
    EXPECT_EQ(line[0], "Text-65@1.000,1.000");
    EXPECT_EQ(line[1], c.written) << c.autoSize << c.autoAngle;
    for (Long i : Chars()) {
      EXPECT_NEAR(PY(i, 2), c.height, 1e-6);
      EXPECT_NEAR(PX(i, 3), c.angle, 1e-4);
    }
    input_->Escape();
    EXPECT_EQ(ActiveTool, 0);
    EXPECT_TRUE(EqualsFreshRedraw()) << c.autoSize << c.autoAngle;
    for (Long i : Chars()) EraseObj(i);
  }
}

// Auto Text Size with the height point on the base line (level, or slanted
// with Auto Text Angle) or snapped onto a stored point a Single cannot tell
// from it, or onto a stored point on a slanted base line, which its
// rounding puts 1e-16 off it: the height, below the smallest Set Text
// Height takes, is asked for again, with nothing stored and nothing drawn,
// and the next height point that gives a height is taken.
TEST_F(TextEntryTest, AHeightPointThatGivesNoHeightIsAskedForAgainAndStoresNothing) {
  AddLine(1.5, 1e-46, 1.5, 0.5);  // its first end 1e-46 above y = 0
  AddLine(1.3, 1.15, 1.3, 3);     // its first end on the line from (1, 1) to (3, 2)
  RefreshDocView(doc_);
  const struct {
    const char* name;
    Integer autoAngle, toleranceSnap;
    Double clicks[4][2];  // origin, base-line point, height point refused, height point taken
    Double refusedY;      // the refused height point's Y as the click gives it
    Double height;        // of the character then written
  } cases[] = {
      {"on a level base line", 0, 0, {{1, 1}, {2, 1}, {1.5, 1}, {1.5, 1.5}}, 1, 0.5},
      {"on a slanted base line", FlagTrue, 0, {{1, 1}, {2, 2}, {1.5, 1.5}, {1, 2}}, 1.5, std::sqrt(0.5)},
      {"snapped a Single's rounding off the base line", 0, FlagTrue, {{1, 0}, {2, 0}, {1.5, 0}, {1.5, 0.5}}, 1e-46,
       0.5},
      {"snapped onto a point of a slanted base line", FlagTrue, FlagTrue, {{1, 1}, {3, 2}, {1.3, 1.15}, {1, 2}}, 1.15,
       std::sqrt(0.8)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CancelTools();
    AutoTextSize = FlagTrue;
    AutoTextAngle = c.autoAngle;
    ToleranceSnap = c.toleranceSnap;
    const Long before = ObjCount;
    DrawingDriver::Choose("mnuInsertText");
    input_->ClickEach({{c.clicks[0][0], c.clicks[0][1]}, {c.clicks[1][0], c.clicks[1][1]}});
    ASSERT_EQ(MessagePanel(2), "Auto Text Size - Enter Text Height");
    input_->ClickAt(c.clicks[2][0], c.clicks[2][1]);
    ASSERT_EQ(PickY, c.refusedY);
    EXPECT_EQ(MessagePanel(2), "Auto Text Size - Enter Text Height");
    EXPECT_EQ(TextKeyEntry, 0);
    EXPECT_EQ(TextEntryState.BoxShown, 0);
    EXPECT_EQ(ObjCount, before);

    input_->ClickAt(c.clicks[3][0], c.clicks[3][1]);
    EXPECT_EQ(MessagePanel(2), "Enter First Character >");
    input_->Type("A");
    const std::vector<Long> written = Chars();
    ASSERT_EQ(written.size(), 1U);
    EXPECT_NEAR(PY(written[0], 2), c.height, 1e-6);
    input_->Escape();
    EXPECT_TRUE(EqualsFreshRedraw());
    EraseObj(written[0]);
  }
}

// Esc at any step of Place Text with Auto Text Size takes off what the
// steps drew: right after the base line, after a mouse move that drew the
// box's band, and after a height point refused on the base line.
TEST_F(TextEntryTest, EscAtAnyStepOfAutoSizedTextLeavesThePictureAsARedrawShowsIt) {
  const struct {
    const char* name;
    std::function<void(DrawingDriver&)> then;
  } steps[] = {
      {"right after the base line", [](DrawingDriver&) {}},
      {"after a mouse move", [](DrawingDriver& input) { input.MoveTo(2, 2); }},
      {"after a refused height", [](DrawingDriver& input) { input.ClickAt(1.5, 1); }},
      {"after a mouse move and a refused height",
       [](DrawingDriver& input) {
         input.MoveTo(2, 2);
         input.ClickAt(1.5, 1);
       }},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    CancelTools();
    AutoTextSize = FlagTrue;
    AutoTextAngle = 0;
    DrawingDriver::Choose("mnuInsertText");
    input_->ClickEach({{1, 1}, {3, 1}});
    step.then(*input_);
    ASSERT_EQ(MessagePanel(2), "Auto Text Size - Enter Text Height");
    input_->Escape();
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

// Every character entity of the drawing up to index last, shown or erased,
// in object order: glyph key and item, owner, colour, origin, Show and Erased.
std::vector<std::string> CharStates(Long last) {
  std::vector<std::string> out;
  for (Long i = BaseObjCount + 1; i <= last; ++i) {
    const ObjRec& obj = Objs[i];
    if (obj.DwgNo != CurDwg || obj.Rtype != EntityTextChar) continue;
    const PntRec& p = Pnts[obj.PointID];
    char state[128];
    std::snprintf(state, sizeof state, " glyph %d owner %d colour %d @%.3f,%.3f show %d erased %d", obj.ObjectID,
                  obj.OwnerID, obj.Color, p.X, p.Y, obj.Show, obj.Erased);
    out.push_back(obj.Name + state);
  }
  return out;
}

// Whether what act does marks the drawing changed.
template <typename Act>
bool MarksTheDrawing(Act act) {
  ClearDrawingChanged(CurDwg);
  act();
  return IsDrawingChanged(CurDwg);
}

// Edit Text at "A" of the text typed, then the keys that edit it, in red:
// Undo gives back every character as it was before the edit, Redo as it was
// after, and each of the three marks the drawing changed.
TEST_F(TextEntryTest, UndoAfterAnEditGivesBackTheTextAndRedoTheEdit) {
  const struct {
    const char* name;
    const char* typed;  // after the click at (1, 1) (PressFocused)
    const char* edit;   // keys from the pen at "A" (PressFocused)
  } rows[] = {
      {"type in the line", "ABCD", ">X"}, {"Delete", "ABCD", ">#"}, {"Backspace", "ABCD", ">>\b"},
      {"Enter", "ABCD", ">>\r"}, {"a blank pushed in", "ABCD", ">\x84"},
      {"type over a character", "ABCD", "|>X"}, {"a blank over a character", "ABCD", "|>\x84"},
      {"Enter moving the line below", "ABCD\rEF", ">\r"},
  };
  ActivateMainWindow();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    PlaceAt(1, 1);
    PressFocused(row.typed);
    input_->Escape();
    SelectWindow(0.5, 0.5, 2.5, 1.5);
    DrawingDriver::PressButton("Edit");
    const Long lastBefore = ObjCount;
    const std::vector<std::string> before = CharStates(lastBefore), shownBefore = Line();
    TextColor = 0xFF;
    EXPECT_TRUE(MarksTheDrawing([&] { PressFocused(row.edit); }));
    const Long lastAfter = ObjCount;
    const std::vector<std::string> after = CharStates(lastAfter);
    ASSERT_NE(after, before);

    EXPECT_TRUE(MarksTheDrawing([] { DrawingDriver::Choose("mnuEditUndo"); }));
    EXPECT_EQ(CharStates(lastBefore), before);
    EXPECT_EQ(Line(), shownBefore);  // a character the edit added is erased again
    EXPECT_TRUE(EqualsFreshRedraw());
    EXPECT_TRUE(MarksTheDrawing([] { DrawingDriver::Choose("mnuEditRedo"); }));
    EXPECT_EQ(CharStates(lastAfter), after);
    EXPECT_TRUE(EqualsFreshRedraw());

    input_->Escape();
    TextColor = 0;
    DrawingDriver::Choose("mnuSelectClr");
    for (Long i : Chars()) EraseObj(i);
  }
}

// A click in the drawing while keys go to the text reaches the text command:
// it repeats none of the keys before it.
TEST_F(TextEntryTest, AClickWhileTypingRepeatsNoKey) {
  ActivateMainWindow();
  for (const char* key : {"\r", "<", "#", "\b", "^"}) {
    SCOPED_TRACE(key);
    PlaceAt(1, 1, "ABC");
    PressFocused("<<");
    PressFocused(key);
    const std::vector<std::string> typed = Line();
    const Double penX = TextEntryState.PenX, penY = TextEntryState.PenY;
    input_->ClickAt(3, 3);
    EXPECT_EQ(Line(), typed);
    EXPECT_EQ(TextEntryState.PenX, penX);
    EXPECT_EQ(TextEntryState.PenY, penY);
    input_->Escape();
    for (Long i : Chars()) EraseObj(i);
  }
}

}  // namespace
}  // namespace lintavo
