// The command life cycle: every tool started through SelectTool, taken a
// step by a click and ended by Esc, a tool change or CancelTools leaves the
// command state in one of the states Top lists, and a state outside them
// stops the dispatcher.
#include <iterator>

#include "annotation/Areas.h"
#include "annotation/Dimension.h"
#include "annotation/Texthand.h"
#include "commands/LineDraw.h"
#include "commands/Modify.h"
#include "commands/Trims.h"
#include "model/Top.h"
#include "picking/Measure.h"
#include "picking/Selection.h"
#include "picking/Snaps.h"
#include "support/DrawingDriver.h"
#include "view/ViewFixture.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

// A tool and the sub-command it is started with: one that waits for a click.
struct ToolCase {
  const char* Name;
  Integer Tool;   // ActiveTool
  Integer* Word;  // the module's command word
  Integer Code;   // the sub-command written into it
  Integer* Flag;  // the module's active flag
};

const ToolCase ToolCases[] = {
    {"LineDraw", ToolLineDraw, &LineDrawCommand, DrawSingleCode, &LineDrawActive},
    {"Text", ToolText, &TextCmd, TextCmdPlace, &TextActive},
    {"Trims", ToolTrims, &TrimCommand, TrimLineCode, &TrimActive},
    {"Measure", ToolMeasure, &MeasureCommand, MeasureDistanceCode, &MeasureActive},
    {"Dimension", ToolDimension, &DimKind, DimLinear, &DimActive},
    {"Snaps", ToolSnaps, &SnapCommand, SnapNearestCode, &SnapActive},
    {"Modify", ToolModify, &ModifyCommand, ModifyMovePointCode, &ModifyActive},
    {"Selection", ToolSelection, &SelectionCommand, SelectLineCode, &SelectionActive},
    {"Zooms", ToolZooms, &ZoomCommand, ZoomInCode, &ZoomActive},
    {"Areas", ToolAreas, &AreaCommand, AreaPointsCode, &AreaActive},
};

enum class Ending { Escape, ToolChange, CancelTools };
const char* EndingName(Ending ending) {
  switch (ending) {
    case Ending::Escape: return "Esc";
    case Ending::ToolChange: return "tool change";
    default: return "CancelTools";
  }
}

class CommandLifeCycleTest : public ViewFixture {
 protected:
  void SetUp() override {
    ViewFixture::SetUp();
    doc_ = Open(1);
    ShowAtScale(doc_, 48, 24);
    input_ = std::make_unique<DrawingDriver>(*doc_);
  }

  static void Start(const ToolCase& tool) {
    *tool.Word = tool.Code;
    ActiveTool = tool.Tool;
    SelectTool();
  }

  // The tool a tool change goes to: any other one of the table.
  static const ToolCase& OtherThan(const ToolCase& tool) {
    return tool.Tool == ToolCases[0].Tool ? ToolCases[1] : ToolCases[0];
  }

  void End(const ToolCase& tool, Ending ending) {
    switch (ending) {
      case Ending::Escape: input_->Escape(); break;
      case Ending::ToolChange: Start(OtherThan(tool)); break;
      case Ending::CancelTools: CancelTools(); break;
    }
  }

  static Integer FlagsUp() {
    Integer up = 0;
    for (const ToolCase& tool : ToolCases)
      if (*tool.Flag) ++up;
    return up;
  }

  FixedDpiDocument* doc_ = nullptr;
  std::unique_ptr<DrawingDriver> input_;
};

TEST_F(CommandLifeCycleTest, EveryToolStartsStepsAndEndsInAListedState) {
  for (const ToolCase& tool : ToolCases) {
    for (Ending ending : {Ending::Escape, Ending::ToolChange, Ending::CancelTools}) {
      SCOPED_TRACE(std::string(tool.Name) + ", ended by " + EndingName(ending));
      CancelTools();
      Start(tool);
      EXPECT_TRUE(CommandStateListed());
      EXPECT_EQ(PrevTool, tool.Tool);
      EXPECT_EQ(*tool.Flag, FlagTrue);
      EXPECT_EQ(AwaitingInput, FlagTrue);
      EXPECT_EQ(ToolStep, 0);
      EXPECT_EQ(FlagsUp(), 1);

      input_->ClickAt(1, 1);  // on an empty drawing: a first point, or a pick that misses
      EXPECT_TRUE(CommandStateListed());
      EXPECT_EQ(ActiveTool, tool.Tool);
      EXPECT_EQ(AwaitingInput, FlagTrue);

      End(tool, ending);
      EXPECT_TRUE(CommandStateListed());
      EXPECT_EQ(*tool.Flag, 0);
      EXPECT_EQ(ToolStep, 0);
      if (ending == Ending::ToolChange) {
        const ToolCase& next = OtherThan(tool);
        EXPECT_EQ(PrevTool, next.Tool);
        EXPECT_EQ(*next.Flag, FlagTrue);
        EXPECT_EQ(FlagsUp(), 1);
      } else {
        EXPECT_EQ(ActiveTool, ToolNone);
        EXPECT_EQ(AwaitingInput, 0);
        EXPECT_EQ(FlagsUp(), 0);
        EXPECT_EQ(PrevTool, tool.Tool);  // kept: the same tool chosen again is no tool change
      }
    }
  }
}

TEST_F(CommandLifeCycleTest, ASubCommandNamingNoCommandLeavesNoToolAndNoStep) {
  Start(ToolCases[0]);
  CancelTools();
  input_->ClickAt(1, 1);  // clicks with nothing running still count
  input_->ClickAt(2, 1);
  ASSERT_EQ(ToolStep, 2);
  LineDrawCommand = DrawNothingCode;
  ActiveTool = ToolLineDraw;
  SelectTool();
  EXPECT_EQ(ActiveTool, ToolNone);
  EXPECT_EQ(AwaitingInput, 0);
  EXPECT_EQ(ToolStep, 0);
  EXPECT_TRUE(CommandStateListed());
}

// ---- A state outside the list stops the dispatcher ------------------------------------

struct BrokenState {
  const char* Name;
  void (*Break)();
};

const BrokenState BrokenStates[] = {
    {"no tool awaits input", [] { AwaitingInput = FlagTrue; }},
    {"no tool at a step", [] { ToolStep = 2; }},
    {"no tool with a flag up", [] { LineDrawActive = FlagTrue; }},
    {"another module's flag up", [] {
       ActiveTool = PrevTool = ToolZooms;
       LineDrawActive = FlagTrue;
     }},
    {"a tool code past the table", [] { ActiveTool = ToolCodeCount; }},
};

TEST_F(CommandLifeCycleTest, EveryBrokenStateIsCaughtAndTheListedOnesPass) {
  EXPECT_TRUE(CommandStateListed());
  for (const BrokenState& broken : BrokenStates) {
    SCOPED_TRACE(broken.Name);
    ResetTop();
    ResetLineDraw();
    broken.Break();
    EXPECT_FALSE(CommandStateListed());
  }
  ResetTop();
  ResetLineDraw();
  ActiveTool = PrevTool = ToolLineDraw;
  LineDrawActive = AwaitingInput = FlagTrue;
  ToolStep = 3;
  EXPECT_TRUE(CommandStateListed());
  ActiveTool = ToolZooms;  // chosen: the line command is ended by the tool change to come
  EXPECT_TRUE(CommandStateListed());
}

using CommandLifeCycleDeathTest = CommandLifeCycleTest;

TEST_F(CommandLifeCycleDeathTest, TheDispatcherStopsOnAStateOutsideTheList) {
#if LINTAVO_CHECK_INVARIANTS
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  AwaitingInput = FlagTrue;  // a fault: nothing runs, yet a command would take the click
  EXPECT_DEATH(SelectTool(), "model invariant broken: CommandStateListed");
#else
  GTEST_SKIP() << "built without invariant checks";
#endif
}

}  // namespace
}  // namespace lintavo
