// Typed values at the prompts of the drawing and edit commands, typed in a
// drawing window and ended with Enter: a step that takes a typed value uses
// it; a step that takes a click says so in panel 3 and changes nothing.
#include <utility>
#include <vector>

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

}  // namespace
}  // namespace lintavo
