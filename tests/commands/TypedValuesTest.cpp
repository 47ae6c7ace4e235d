// Typed values at the prompts of the drawing and edit commands, typed in a
// drawing window and ended with Enter: a step that takes a typed value uses
// it; a step that takes a click says so in panel 3 and changes nothing. A
// value no command takes is dropped, never handed to a later one.
#include <functional>
#include <utility>
#include <vector>

#include "app/Setings.h"
#include "commands/EditFixture.h"
#include "model/TypedEntry.h"

namespace lintavo {
namespace {

using XYPair = std::pair<Double, Double>;  // a world point

class TypedValuesTest : public EditFixture {
 protected:
  void TypeEnter(const char* text) {
    input_->Type(QString::fromLatin1(text));
    input_->Enter();
  }
};

struct PromptCase {
  const char* menu;          // the command
  bool select;               // the line is selected first
  std::vector<XYPair> clicks;  // clicks before the typed value
  const char* typed;         // typed, then Enter
  const char* prompt;        // panel 2 afterwards: the prompt stays
};

TEST_F(TypedValuesTest, AValueTypedWhereAClickIsAskedForIsReportedAndChangesNothing) {
  const std::vector<PromptCase> cases = {
      {"mnuEditRotate", true, {{1, 1}}, "22.5", "Enter an Offset Angle > "},
      {"mnuEditMirror", true, {{1, 1}}, "3", "Enter an Offset Location > "},
      {"mnuDrawShapeRectangle2", false, {}, "1,1", "Enter First Corner of RECTANGLE"},
      {"mnuDrawShapeRectangle2", false, {{1, 1}}, "3,2", "Enter Opposite Corner of RECTANGLE"},
      {"mnuDrawShapePolygon", false, {{2, 2}}, "6", "Enter First Point On the Polygon >"},
      {"mnuDrawLineSingle", false, {}, "0,0", "Enter Starting Point of LINE"},
  };
  for (const PromptCase& row : cases) {
    const Long line = AddLine(1, 2, 3, 2);
    if (row.select) SelectWindow(0.5, 1.5, 3.5, 2.5);
    const Long objects = ObjCount;
    const auto before = AllPoints();
    DrawingDriver::Choose(row.menu);
    for (const XYPair& p : row.clicks) input_->ClickAt(p.first, p.second);
    TypeEnter(row.typed);
    EXPECT_EQ(MessagePanel(3), TypedValueNotTakenText) << row.menu << " " << row.typed;
    EXPECT_EQ(MessagePanel(2), row.prompt) << row.menu;
    EXPECT_EQ(TypedReady, FlagFalse) << row.menu;  // the entry is not left for a later step
    EXPECT_EQ(ObjCount, objects) << row.menu;
    EXPECT_EQ(AllPoints(), before) << row.menu;
    EXPECT_EQ(AwaitingInput, FlagTrue) << row.menu;  // the command still waits for its click
    input_->Escape();
    EXPECT_EQ(Objs[line].NPoints, 2);
  }
}

TEST_F(TypedValuesTest, AValueTypedWhereTheStepTakesOneIsUsedWithoutAMessage) {
  AddLine(1, 2, 3, 2);
  SelectWindow(0.5, 1.5, 3.5, 2.5);
  DrawingDriver::Choose("mnuEditRescale");
  input_->ClickAt(1, 2);
  TypeEnter("2");
  EXPECT_EQ(MessagePanel(2), "Enter New Height Scale > ");
  EXPECT_NE(MessagePanel(3), TypedValueNotTakenText);
  input_->Escape();

  DrawingDriver::Choose("mnuDrawShapePolygon");
  input_->ClickAt(2, 2);
  input_->ClickAt(3, 2);
  const Long objects = ObjCount;
  TypeEnter("6");
  ASSERT_EQ(ObjCount, objects + 1);
  EXPECT_EQ(Objs[ObjCount].NPoints, 7);
  EXPECT_NE(MessagePanel(3), TypedValueNotTakenText);
}

TEST_F(TypedValuesTest, EnterWithNothingTypedReentersTheCommandWithoutAMessage) {
  DrawingDriver::Choose("mnuDrawShapeRectangle2");
  input_->Enter();
  EXPECT_EQ(MessagePanel(3), "");
  EXPECT_EQ(MessagePanel(2), "Enter First Corner of RECTANGLE");
}

// A value entered where no command takes it: with nothing running, at a step
// that ends the command, while the text command takes keys, or Enter with
// nothing typed at a click's prompt. What follows goes as if it had never
// been entered: Align Left asks for its string and writes nothing, and the
// click Path Copy waits for is taken.
TEST_F(TypedValuesTest, AValueNoCommandTakesIsDroppedAndNeverReachesWhatFollows) {
  SetBuiltInDefaults(SettingText);  // a text height for Box Text
  const auto alignLeft = [] { DrawingDriver::PressButton("Align Left"); };
  const struct {
    const char* name;
    std::function<void()> enter;  // leaves the value
    std::function<void()> next;   // what follows it
    const char* prompt;           // panel 2 afterwards
  } rows[] = {
      {"entered in the entry box with nothing running", [] { DrawingDriver::EnterInEntryBox("0.3"); }, alignLeft,
       "<ESC> TO QUIT "},
      {"entered in the drawing window with nothing running", [this] { TypeEnter("0.3"); }, alignLeft,
       "<ESC> TO QUIT "},
      {"entered at the second corner of Box Text, which ends it",
       [this] {
         DrawingDriver::Choose("mnuInsertTextBox");
         input_->ClickAt(1, 1);
         DrawingDriver::EnterInEntryBox("0.3");
         ASSERT_EQ(AwaitingInput, 0);
       },
       alignLeft, "<ESC> TO QUIT "},
      {"entered while Box Text takes keys, then Esc",
       [this] {
         DrawingDriver::Choose("mnuInsertTextBox");
         input_->ClickAt(1, 1);
         input_->ClickAt(4, 3);
         DrawingDriver::EnterInEntryBox("0.3");
         input_->Escape();
       },
       alignLeft, "<ESC> TO QUIT "},
      {"Enter with nothing typed where Path Copy asks for its offset",
       [this] {
         DrawingDriver::Choose("mnuEditPcopy");
         input_->ClickAt(1, 2);
         input_->ClickAt(3, 3);
         DrawingDriver::EnterInEntryBox("");
       },
       [this] { input_->ClickAt(3, 3.5); }, "Enter Number of Copies >"},
  };
  AddLine(1, 2, 3, 2);
  AddLine(0.5, 3, 6, 3);  // the path
  SelectWindow(0.5, 1.5, 3.5, 2.5);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    row.enter();
    const Long objects = ObjCount;
    row.next();
    EXPECT_EQ(TypedReady, 0);
    EXPECT_EQ(ObjCount, objects);  // no string written, no copy made
    EXPECT_EQ(MessagePanel(2), row.prompt);
    EXPECT_EQ(AwaitingInput, FlagTrue);  // it waits for its own input
    input_->Escape();
  }
}

}  // namespace
}  // namespace lintavo
