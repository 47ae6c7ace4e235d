// The text commands of tool 3 besides Place Text: Box Text Place, Place Text
// on Path, Text Height and the restyle buttons, driven through the Insert
// menu, the text tool bar, its font box, clicks and keys.
#include <QComboBox>
#include <cmath>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <utility>

#include "annotation/TextFixture.h"
#include "support/ModelBuilders.h"
#include "windows/main/frmMain.h"
#include "model/DataHand.h"
#include "model/SupportLists.h"
#include "model/UndoRedo.h"

namespace lintavo {
namespace {

class TextCommandsTest : public TextFixture {
 protected:
  void SetUp() override {
    TextFixture::SetUp();
    // Sizes that fall on whole pixels at 48 to the unit.
    TextHeight = 0.25F;
    TextWidth = 0.1875F;
  }

  // Box Text Place in the box (1, 3)-(2, 4), "AB" typed; ended by Esc when
  // end is set, else left taking keys.
  void TypeInABox(bool end) {
    DrawingDriver::Choose("mnuInsertTextBox");
    input_->ClickAt(1, 3);
    input_->ClickAt(2, 4);
    input_->Type("AB");
    if (end) input_->Escape();
  }

  // Line() of the characters within half a unit of (x, y) and to its right.
  static std::vector<std::string> CharsAround(Double x, Double y) {
    return Line([x, y](Long i) { return PX(i, 1) > x - 0.01 && PX(i, 1) < x + 2 && std::fabs(PY(i, 1) - y) < 0.5; });
  }
};

TEST_F(TextCommandsTest, ABoxNarrowerThanTheTextWidthIsRefused) {
  const struct {
    Double right;
    bool accepted;
  } cases[] = {{1.1875, true}, {1.1875 - 1.0 / 48, false}};
  for (const auto& c : cases) {
    CancelTools();
    DrawingDriver::Choose("mnuInsertTextBox");
    EXPECT_EQ(MessagePanel(1), "Box Text Place");
    EXPECT_EQ(MessagePanel(2), "Enter Left Corner of Text Box");
    input_->ClickAt(1, 1);
    EXPECT_EQ(MessagePanel(2), "Enter Right Corner of Text Box");
    input_->ClickAt(c.right, 2);
    if (c.accepted) {
      EXPECT_EQ(TextKeyEntry, FlagTrue) << c.right;
      EXPECT_EQ(MessagePanel(2), "Enter First Character >");
    } else {
      EXPECT_EQ(MessagePanel(3), "Error - Text Width Greator than Box");
      EXPECT_EQ(ActiveTool, 0);
      EXPECT_EQ(TextKeyEntry, 0);
    }
    input_->Escape();
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

TEST_F(TextCommandsTest, TypingPastTheRightEdgeOfABoxWrapsToTheNextLine) {
  TextHeight = 0.25F;
  DrawingDriver::Choose("mnuInsertTextBox");
  input_->ClickAt(2, 3);  // any two opposite corners
  input_->ClickAt(1, 2);
  input_->Type("ABCDE");
  // Four advances fit from 1 to 2; the fifth character starts the next line.
  EXPECT_EQ(Line(), (std::vector<std::string>{"Text-65@1.000,2.750", "Text-66@1.250,2.750",
                                              "Text-67@1.500,2.750", "Text-68@1.750,2.750",
                                              "Text-69@1.000,2.438"}));
  input_->Escape();
  EXPECT_TRUE(EqualsFreshRedraw());
}

// The box (1, 2)-(2, 3) holds three lines of four characters at height 0.25
// (lines at 2.75, 2.4375 and 2.125; a fourth at 1.8125 would leave it). A key
// that would put a character outside it, or on another, is refused and says
// so; the entry goes on, and the message goes once the pen has room again.
TEST_F(TextCommandsTest, ABoxTakesNoCharacterBeyondItsLinesAndNoneOverAnother) {
  const struct {
    const char* name;
    const char* typed;  // accepted keys first (PressFocused)
    const char* tried;
    bool refused;
    const char* then;  // a key after the refusal
    bool stillFull;    // whether the message stays after it
  } rows[] = {
      {"a character past the last line, then Backspace", "ABCDEFGHIJKL", "M", true, "\b", false},
      {"a character past the last line, then a step onto it", "ABCDEFGHIJKL", "M", true, "<", true},
      {"a character pushing a full line on, then Delete", "ABCD^", "X", true, "#", false},
      {"a character pushing a full line on, then overwrite", "ABCD^", "X", true, "|", false},
      {"Enter on the last line", "ABCDEFGHIJ", "\r", true, "", true},
      {"Enter carrying the rest onto a full line", "ABCDEFGH^^>", "\r", true, "", true},
      {"Enter carrying the rest onto a free line", "ABCD^>>", "\r", false, "", false},
  };
  const Double slack = 1e-9;
  ActivateMainWindow();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    DrawingDriver::Choose("mnuInsertTextBox");
    input_->ClickAt(1, 2);
    input_->ClickAt(2, 3);
    PressFocused(row.typed);
    const std::vector<std::string> typed = Line();
    PressFocused(row.tried);
    EXPECT_EQ(Line() == typed, row.refused);
    EXPECT_EQ(MessagePanel(3) == "Error - Text Box Full", row.refused);
    PressFocused(row.then);
    EXPECT_EQ(MessagePanel(3) == "Error - Text Box Full", row.stillFull);
    EXPECT_EQ(TextKeyEntry, FlagTrue);
    std::set<std::pair<Double, Double>> places;
    for (Long i : Chars()) {
      const Double x = PX(i, 1), y = PY(i, 1);
      EXPECT_TRUE(x >= 1 - slack && x + 0.25 <= 2 + slack && y >= 2 - slack && y + 0.25 <= 3 + slack)
          << Objs[i].Name << " at " << x << ", " << y;
      EXPECT_TRUE(places.insert({std::round(x * 1000), std::round(y * 1000)}).second) << x << ", " << y;
    }
    input_->Escape();
    EXPECT_TRUE(EqualsFreshRedraw());
    for (Long i : Chars()) EraseObj(i);
  }
}

TEST_F(TextCommandsTest, TextOnAPathEndsOnItsErrorsAndAtItsLastStation) {
  const struct {
    Double x2;          // the path runs from (1, 1) to (x2, 1)
    Double offsetY;     // the second click, above the path's middle
    const char* typed;
    const char* panel3;
    size_t written;
  } cases[] = {
      {1.125, 1.125, "", "Error - Text Width Longer than Line", 0},  // half a height: 0 stations
      {3, 1.5, "", "Error - Offset Too Far", 0},                       // exactly two heights off
      {1.5, 1.125, "AB", "Done -- End of Path", 2},                    // two stations
  };
  for (const auto& c : cases) {
    CancelTools();
    const Long path = AddLine(1, 1, c.x2, 1);
    RefreshDocView(doc_);
    const size_t before = Chars().size();
    DrawingDriver::Choose("mnuInsertTextPath");
    EXPECT_EQ(MessagePanel(1), "Place Text on Path");
    EXPECT_EQ(MessagePanel(2), "Select a Line to Follow (Path)");
    input_->ClickAt((1 + c.x2) / 2, 1);
    if (ActiveTool != 0) input_->ClickAt((1 + c.x2) / 2, c.offsetY);
    input_->Type(c.typed);
    EXPECT_EQ(MessagePanel(3), c.panel3);
    EXPECT_EQ(ActiveTool, 0);
    EXPECT_EQ(Chars().size() - before, c.written);
    EXPECT_TRUE(EqualsFreshRedraw()) << c.panel3;
    EraseObj(path);
  }
}

TEST_F(TextCommandsTest, TextHeightTakesOnlyValuesFromATenThousandthUpToAHundred) {
  const std::string belowDouble = "0." + std::string(319, '0') + "1";  // 1e-320, below every normal double
  const struct {
    std::string typed;
    Single height;
    Single width;
  } cases[] = {{"0", 0.25F, 0.1875F},        {"100.5", 0.25F, 0.1875F}, {"0.0000001", 0.25F, 0.1875F},
               {belowDouble, 0.25F, 0.1875F}, {".0001", 0.0001F, 0.000075F}, {"100", 100, 75}};
  for (const auto& c : cases) {
    TextHeight = 0.25F;
    TextWidth = 0.1875F;
    DrawingDriver::PressButton("Size");
    EXPECT_EQ(MessagePanel(1), "Text Height = 0.25");
    EXPECT_EQ(MessagePanel(2), " Set Height Range .0001 to 100 >");
    input_->Type(QString::fromStdString(c.typed));
    input_->Enter();
    EXPECT_EQ(TextHeight, c.height) << c.typed;
    EXPECT_FLOAT_EQ(TextWidth, c.width) << c.typed;
    EXPECT_EQ(ActiveTool, 0);
  }
  EXPECT_EQ(MessagePanel(1), " Text Height = 100");
}

TEST_F(TextCommandsTest, TextHeightKeepsTheSelectedLineInOrderAtTheNewStep) {
  struct Placed {
    Double x;
    const char* keys;
  };
  const struct {
    Single before;
    std::vector<Placed> placed;  // along y = 1, in this order
    const char* typed;
    std::vector<std::string> after;  // in object order
  } cases[] = {
      {0.2F, {{1, "ABC"}}, "1", {"Text-65@1.000,1.000", "Text-66@2.000,1.000", "Text-67@3.000,1.000"}},
      {0.5F, {{1, "ABC"}}, "0.25", {"Text-65@1.000,1.000", "Text-66@1.250,1.000", "Text-67@1.500,1.000"}},
      // "C" stored before "A" and "B": the line is followed, not the table.
      {0.2F, {{1.4, "C"}, {1, "AB"}}, "0.5", {"Text-67@2.000,1.000", "Text-65@1.000,1.000", "Text-66@1.500,1.000"}},
  };
  for (const auto& c : cases) {
    for (Long i : Chars()) EraseObj(i);
    TextHeight = c.before;
    TextWidth = TextAspect * c.before;
    for (const Placed& p : c.placed) {
      PlaceAt(p.x, 1, p.keys);
      input_->Escape();
    }
    SelectWindow(0.5, 0.5, 3.5, 2);
    DrawingDriver::PressButton("Size");
    input_->Type(c.typed);
    input_->Enter();
    EXPECT_EQ(Line(), c.after) << c.typed;
    for (Long i : Chars()) EXPECT_FLOAT_EQ(PY(i, 2), TextHeight) << c.typed;
    CancelTools();
    EXPECT_TRUE(EqualsFreshRedraw()) << c.typed;
    DrawingDriver::Choose("mnuSelectClr");
  }
}

TEST_F(TextCommandsTest, StyleButtonsChangeOnlySelectedCharacters) {
  PlaceAt(1, 1, "AB");
  input_->Escape();
  DrawingDriver::PressButton("Bold");  // no selection: only the flag
  EXPECT_EQ(TextBold, FlagTrue);
  for (Long i : Chars()) EXPECT_EQ(PX(i, 4), 0);
  CancelTools();
  SelectWindow(0.9, 0.9, 1.1, 1.4);  // about the origin of "A" only
  DrawingDriver::PressButton("Underline");
  const std::vector<Long> chars = Chars();
  EXPECT_EQ(PY(chars[0], 4), 1);
  EXPECT_EQ(PY(chars[1], 4), 0);
  CancelTools();
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(TextCommandsTest, EditTextTypesAtTheFirstSelectedCharacter) {
  TextHeight = 0.2F;
  PlaceAt(1, 1, "AB");
  input_->Escape();
  DrawingDriver::PressButton("Edit");
  EXPECT_EQ(MessagePanel(1), "Edit Text");
  EXPECT_EQ(MessagePanel(2), "No Text Selected!!");
  EXPECT_EQ(ActiveTool, 0);

  SelectWindow(0.9, 0.9, 1.1, 1.4);  // about the origin of "A"
  DrawingDriver::PressButton("Edit");
  EXPECT_EQ(TextKeyEntry, FlagTrue);
  Key(Qt::Key_Delete);  // "A" goes and "B" closes up by its advance
  EXPECT_EQ(Line(), (std::vector<std::string>{"Text-66@1.000,1.000"}));
  input_->Escape();
  EXPECT_EQ(ActiveTool, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
}

// What earlier text leaves behind (the wrapping of a text box, a line start
// elsewhere) moves no later pen. On a horizontal line, with the offset above
// it, text runs along the line from its left end, one station after another;
// Edit Text types at the selected character, on its line, and Enter carries
// the rest of that line to the next line under the line's first character.
TEST_F(TextCommandsTest, TextOnALineAndEditTextTypeWhereTheySayWhateverTextCameBefore) {
  const std::pair<const char*, std::function<void()>> earlier[] = {
      {"a text box typed and ended", [this] { TypeInABox(true); }},
      {"a text box left while typing", [this] { TypeInABox(false); }},
      {"text placed elsewhere",
       [this] {
         PlaceAt(1, 4, "Q");
         input_->Escape();
       }},
  };
  for (const auto& [name, typeEarlier] : earlier) {
    SCOPED_TRACE(name);
    typeEarlier();
    const Long path = AddLine(3, 1, 5, 1);
    RefreshDocView(doc_);
    DrawingDriver::Choose("mnuInsertTextPath");
    input_->ClickAt(4, 1);
    input_->ClickAt(4, 1.125);
    input_->Type("ABC");
    EXPECT_EQ(CharsAround(3, 1.125), (std::vector<std::string>{"Text-65@3.000,1.125", "Text-66@3.250,1.125",
                                                               "Text-67@3.500,1.125"}));
    input_->Escape();
    EraseObj(path);

    typeEarlier();
    SelectWindow(3.15, 1.0, 3.35, 1.5);  // about the origin of "B"
    DrawingDriver::PressButton("Edit");
    input_->Type("X");
    EXPECT_EQ(CharsAround(3, 1.125), (std::vector<std::string>{"Text-65@3.000,1.125", "Text-66@3.500,1.125",
                                                               "Text-67@3.750,1.125", "Text-88@3.250,1.125"}));
    Key(Qt::Key_Return);  // one line is 1.25 heights down
    EXPECT_EQ(CharsAround(3, 1.125), (std::vector<std::string>{"Text-65@3.000,1.125", "Text-66@3.000,0.812",
                                                               "Text-67@3.250,0.812", "Text-88@3.250,1.125"}));
    input_->Escape();
    DrawingDriver::Choose("mnuSelectClr");
    EXPECT_TRUE(EqualsFreshRedraw());
    for (Long i : Chars()) EraseObj(i);
  }
}

TEST_F(TextCommandsTest, EditTextTypesWithTheSpacingOfTheLineItJoins) {
  TextHeight = 0.2F;
  const struct {
    Single placedAspect;  // aspect the line was written with
    const char* placed;
    Double selectX;       // the character edited, on the line at y 1
    const char* added;    // where "C" goes after Right: one step of the line on
  } cases[] = {
      {1.0F, "AB", 1.2667, "Text-67@1.533,1.000"},  // steps of 0.2667 beside a height of 0.2
      {1.5F, "AB", 1.4, "Text-67@1.800,1.000"},     // the line's steps, not today's aspect
      {1.0F, "A", 1.0, "Text-67@1.200,1.000"},      // alone: the advance of today's aspect
  };
  for (const auto& c : cases) {
    for (Long i : Chars()) EraseObj(i);
    TextAspect = c.placedAspect;
    PlaceAt(1, 1, c.placed);
    input_->Escape();
    TextAspect = 0.75F;  // the options changed since the line was written
    SelectWindow(c.selectX - 0.1, 0.9, c.selectX + 0.1, 1.4);  // about the character's origin
    DrawingDriver::PressButton("Edit");
    ASSERT_EQ(TextKeyEntry, FlagTrue) << c.placed;
    Key(Qt::Key_Right);
    input_->Type("C");
    input_->Escape();
    EXPECT_EQ(Line().back(), c.added) << c.placedAspect << " " << c.placed;
    DrawingDriver::Choose("mnuSelectClr");
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

TEST_F(TextCommandsTest, AlignmentButtonsWriteTypedStringsLineByLine) {
  TextHeight = 0.2F;
  TextWidth = 0.15F;
  const struct {
    const char* button;
    const Integer* flag;
    const char* written[3];  // "A B" and then "C"; lines from (1, 3), 1.5 heights apart
  } cases[] = {
      {"Align Left", &TextAlignLeft, {"Text-65@1.000,2.700", "Text-66@1.400,2.700", "Text-67@1.000,2.400"}},
      {"Center", &TextAlignCenter, {"Text-65@0.700,2.700", "Text-66@1.100,2.700", "Text-67@0.900,2.400"}},
      {"Align Right", &TextAlignRight, {"Text-65@0.400,2.700", "Text-66@0.800,2.700", "Text-67@0.800,2.400"}},
      {"Justify", &TextJustify, {"Text-65@1.000,2.700", "Text-66@1.400,2.700", "Text-67@1.000,2.400"}},
  };
  for (const auto& c : cases) {
    CancelTools();
    PlaceAt(1, 3, "Z");  // the line start the strings follow
    input_->Escape();
    const size_t before = Chars().size();
    DrawingDriver::PressButton(c.button);
    EXPECT_EQ(*c.flag, FlagTrue) << c.button;
    EXPECT_EQ(TextAlignLeft + TextAlignCenter + TextAlignRight + TextJustify, -1) << c.button;
    EXPECT_EQ(MessagePanel(1), "ENTER STRING > ");
    EXPECT_EQ(MessagePanel(2), "<ESC> TO QUIT ");
    input_->Type("A B");
    input_->Enter();
    input_->Type("C");
    input_->Enter();
    const std::vector<std::string> line = Line();
    ASSERT_EQ(line.size() - before, 3U) << c.button;  // the blank writes nothing
    EXPECT_EQ(std::vector<std::string>(line.end() - 3, line.end()),
              (std::vector<std::string>{c.written[0], c.written[1], c.written[2]}))
        << c.button;
    input_->Escape();
    EXPECT_EQ(ActiveTool, 0);
    EXPECT_TRUE(EqualsFreshRedraw()) << c.button;
    for (Long i : Chars()) EraseObj(i);
  }
}

TEST_F(TextCommandsTest, ATypedStringWithAMissingGlyphWritesNothing) {
  PlaceAt(1, 3, "Z");
  input_->Escape();
  const size_t before = Chars().size();
  DrawingDriver::PressButton("Align Left");
  input_->Type(QString::fromUtf8("AB\xC3\xA9"));  // the last has no glyph in any stroke font
  input_->Enter();
  EXPECT_EQ(MessagePanel(2), "Character NOT FOUND !!");
  EXPECT_EQ(Chars().size(), before);
  EXPECT_EQ(ActiveTool, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
}

// Hidden lines appended until the next load's growth of the entity table
// moves it to new storage.
void FillEntityTableToItsNextMove() {
  constexpr Long loadGrowth = 2000;  // the step a load grows the table by
  while (ObjCount + 100 <= ObjsMax || ObjsMax + loadGrowth + 1 <= static_cast<Long>(Objs.capacity())) {
    AddLine(6, 5, 6, 5);
    Objs[ObjCount].Show = FlagFalse;
  }
}

// Script-65 is first loaded by the restyle; in the second case that load
// moves the entity table while the character is being restyled.
TEST_F(TextCommandsTest, ChoosingAFontInTheFontBoxRestylesTheSelectedCharacters) {
  for (const bool tableMoves : {false, true}) {
    TextHeight = 0.2F;
    FontName = "Text";
    PlaceAt(1, 1, "AB");
    input_->Escape();
    FontCount = 2;
    FontNames[1] = "Text";
    FontNames[2] = "Script";
    main_->FillFontBox();
    ASSERT_EQ(main_->Combo1->count(), 2);
    const Long textGlyph = Objs[Chars()[0]].ObjectID;
    SelectWindow(0.9, 0.9, 1.1, 1.4);  // about the origin of "A" only
    if (tableMoves) FillEntityTableToItsNextMove();
    const ObjRec* storage = Objs.data();
    main_->Combo1->setCurrentIndex(1);
    emit main_->Combo1->activated(1);
    EXPECT_EQ(Objs.data() != storage, tableMoves);
    EXPECT_EQ(FontName, "Script");
    EXPECT_EQ(TextCmd, TextCmdFont);
    const std::vector<Long> chars = Chars();
    ASSERT_EQ(chars.size(), 2U);
    EXPECT_EQ(Objs[chars[0]].Name, "Script-65") << tableMoves;
    EXPECT_NE(Objs[chars[0]].ObjectID, textGlyph) << tableMoves;  // the glyph of the other font
    EXPECT_EQ(Objs[chars[1]].Name, "Text-66");  // not selected
    CancelTools();
    EXPECT_TRUE(EqualsFreshRedraw());
    if (!tableMoves) ResetModel();  // the next case loads Script-65 again
  }
}

TEST_F(TextCommandsTest, TextOnACircleRunsClockwiseFromItsLeftAtTheWidenedSpacing) {
  const Long circle = AddCircle(3, 3, 1);
  RefreshDocView(doc_);
  DrawingDriver::Choose("mnuInsertTextPath");
  input_->ClickAt(4, 3);    // the circle
  input_->ClickAt(4.25, 3);  // outside it by 0.25: the characters stand on radius 1.25
  input_->Type("AB");
  // 1.25 x 0.25 apart: 25 stations round, the first at the circle's left going up.
  const std::vector<Long> chars = Chars();
  ASSERT_EQ(chars.size(), 2U);
  EXPECT_EQ(Line(), (std::vector<std::string>{"Text-65@1.750,3.000", "Text-66@1.789,3.311"}));
  EXPECT_NEAR(PX(chars[0], 3), 90, 1e-3);
  EXPECT_NEAR(PX(chars[1], 3), 75.6, 1e-3);
  for (Long i : chars) EXPECT_NEAR(PY(i, 2), 0.3125, 1e-6);
  EXPECT_EQ(MessagePanel(2), "Enter Next Character >");
  input_->Escape();
  EXPECT_EQ(ActiveTool, 0);
  EXPECT_EQ(Objs[circle].Erased, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(TextCommandsTest, TextOnAPathKeepsTheTextHeightExceptOnCirclesAndArcs) {
  struct Case {
    Integer type;
    std::vector<std::pair<Double, Double>> points;  // as stored
    std::pair<Double, Double> pick, offset;
    Double height;  // of the characters written
  };
  TextHeight = 0.3F;
  TextWidth = 0.225F;
  for (const Case& c : {Case{EntityLine, {{1, 1}, {2, 1}}, {1.5, 1}, {1.5, 1.2}, 0.3},  // 3 stations 0.333 apart
                        Case{EntityPolyline, {{1, 1}, {2, 1}, {2, 2}}, {1.5, 1}, {1.5, 1.2}, 0.3},
                        Case{EntityCircle, {{3, 3}, {4, 3}}, {4, 3}, {4.2, 3}, 0.375}}) {  // spacing widened by 1/4
    AddObj(c.type, static_cast<Integer>(c.points.size()));
    for (const auto& [x, y] : c.points) AddPnt(x, y);
    const Long path = ObjCount;
    RefreshDocView(doc_);
    DrawingDriver::Choose("mnuInsertTextPath");
    input_->ClickAt(c.pick.first, c.pick.second);
    input_->ClickAt(c.offset.first, c.offset.second);
    input_->Type("AB");
    ASSERT_EQ(Chars().size(), 2U) << c.type;
    for (Long i : Chars()) EXPECT_NEAR(PY(i, 2), c.height, 1e-6) << c.type;
    input_->Escape();
    EXPECT_TRUE(EqualsFreshRedraw()) << c.type;
    for (Long i : Chars()) EraseObj(i);
    EraseObj(path);
  }
}

TEST_F(TextCommandsTest, ThePathShownInMagentaGoesWhenTheCommandEnds) {
  AddCircle(3, 3, 1);
  RefreshDocView(doc_);
  for (bool toolChange : {true, false}) {
    DrawingDriver::Choose("mnuInsertTextPath");
    input_->ClickAt(4, 3);
    EXPECT_EQ(MessagePanel(2), "Enter Offset from Path Line");
    EXPECT_FALSE(EqualsFreshRedraw());  // the path in magenta
    if (toolChange)
      DrawingDriver::Choose("mnuInsertText");
    else
      input_->Escape();
    EXPECT_TRUE(EqualsFreshRedraw()) << toolChange;
    CancelTools();
  }
}

TEST_F(TextCommandsTest, APathWithoutStationsEndsWithItsMessage) {
  AddCircle(3, 3, 0.25);
  RefreshDocView(doc_);
  DrawingDriver::Choose("mnuInsertTextPath");
  input_->ClickAt(3.25, 3);
  EXPECT_EQ(MessagePanel(2), "Enter Offset from Path Line");
  input_->ClickAt(3, 3);  // inside by the whole radius: nothing is left to lay stations on
  EXPECT_EQ(MessagePanel(3), "Error - Path Not Found!!");
  EXPECT_EQ(ActiveTool, 0);
  EXPECT_EQ(TextKeyEntry, 0);
  EXPECT_TRUE(Chars().empty());
  EXPECT_TRUE(EqualsFreshRedraw());
}

}  // namespace
}  // namespace lintavo
