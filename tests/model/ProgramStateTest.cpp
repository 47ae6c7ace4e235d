// The module list: every tool code has its module's row, modules reset floor
// by floor, ResetProgramState reaches every module, and the model's
// invariants stop a broken table.
#include <cstring>
#include <gtest/gtest.h>
#include <set>

#include "annotation/Areas.h"
#include "annotation/Dimension.h"
#include "annotation/Fills.h"
#include "annotation/Texthand.h"
#include "windows/main/frmMain.h"
#include "commands/Edits.h"
#include "commands/GripFrame.h"
#include "commands/LineDraw.h"
#include "commands/Modify.h"
#include "commands/Trims.h"
#include "model/DataHand.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/SupportLists.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "organisation/Components.h"
#include "organisation/Groups.h"
#include "organisation/Layers.h"
#include "organisation/ViewHand.h"
#include "picking/Measure.h"
#include "picking/Selection.h"
#include "picking/Snaps.h"
#include "support/ModelFixture.h"
#include "view/DisplayOptions.h"
#include "view/ObjectDrawers.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

TEST(ProgramState, EveryToolCodeHasItsModulesRowAndFlag) {
  const std::pair<Integer, Integer*> flags[] = {
      {ToolLineDraw, &LineDrawActive}, {ToolComponents, &ComponentActive}, {ToolText, &TextActive},
      {ToolTrims, &TrimActive},        {ToolFills, &FillCmdActive},         {ToolMeasure, &MeasureActive},
      {ToolDimension, &DimActive},     {ToolSnaps, &SnapActive},            {ToolModify, &ModifyActive},
      {ToolSelection, &SelectionActive}, {ToolEdits, &EditActive},         {ToolZooms, &ZoomActive},
      {ToolViews, &ViewActive},        {ToolLayers, &LayerActive},          {ToolGroups, &GroupActive},
      {ToolAreas, &AreaActive},
  };
  static_assert(std::size(flags) == ToolCodeCount - 1, "one row per tool code 1..16");
  for (const auto& [code, flag] : flags) {
    const ToolRow* row = RegisteredTool(code);
    ASSERT_NE(row, nullptr) << "tool " << code;
    EXPECT_EQ(row->Code, code);
    EXPECT_EQ(row->ActiveFlag, flag) << "tool " << code;
  }
  EXPECT_EQ(RegisteredTool(ToolNone), nullptr);
  EXPECT_EQ(RegisteredTool(ToolCodeCount), nullptr);
  EXPECT_EQ(RegisteredTool(ToolFills)->Dispatch, nullptr);  // tool 5 only has a flag
}

TEST(ProgramState, ModulesAreListedFloorByFloorAndOnce) {
  const std::vector<ModuleEntry>& modules = RegisteredModules();
  std::set<std::string> names;
  for (size_t i = 0; i < modules.size(); ++i) {
    EXPECT_TRUE(names.insert(modules[i].Name).second) << modules[i].Name << " registered twice";
    if (i > 0) {
      EXPECT_LE(modules[i - 1].ModuleFloor, modules[i].ModuleFloor);
    }
  }
  const std::pair<const char*, Floor> floors[] = {
      {"DataHand", FloorModel},     {"Top", FloorModel},         {"SaveData", FloorStorage},
      {"Zooms", FloorView},         {"Snaps", FloorPicking},     {"LineDraw", FloorCommands},
      {"Texthand", FloorAnnotation}, {"Layers", FloorOrganisation}, {"frmMain", FloorApp},
  };
  for (const auto& [name, floor] : floors) {
    const auto it = std::find_if(modules.begin(), modules.end(),
                                 [&](const ModuleEntry& m) { return std::strcmp(m.Name, name) == 0; });
    ASSERT_NE(it, modules.end()) << name;
    EXPECT_EQ(it->ModuleFloor, floor) << name;
  }
}

// One variable of each kind of module, changed, then put back by the one reset.
TEST(ProgramState, ResetProgramStateReachesEveryFloor) {
  LineDrawActive = ComponentActive = ZoomActive = FlagTrue;
  LineDrawCommand = DrawContinuousCode;
  ShowFills = FlagFalse;
  SelectedLineType = 0;
  BoldWeight = 9;
  PickedCount = 3;
  Dwgs[CurDwg].SelectSet = 4;
  ComponentName = "Valve";
  LayerNameCount = 2;
  PatternCount = 5;
  FontCount = 6;
  GridSnap = FlagTrue;
  PickTolerance = 1;
  FrameShown = FlagTrue;
  PreviewMode = FlagTrue;
  ActiveTool = ToolEdits;

  ResetProgramState();

  EXPECT_EQ(LineDrawActive, 0);
  EXPECT_EQ(ComponentActive, 0);
  EXPECT_EQ(ZoomActive, 0);
  EXPECT_EQ(LineDrawCommand, 0);
  EXPECT_EQ(ShowFills, FlagTrue);
  EXPECT_EQ(SelectedLineType, 2);
  EXPECT_EQ(BoldWeight, 2);
  EXPECT_EQ(PickedCount, 0);
  EXPECT_EQ(SelectionSetNumber(), 0);
  EXPECT_EQ(ComponentName, "");
  EXPECT_EQ(LayerNameCount, 0);
  EXPECT_EQ(PatternCount, 0);
  EXPECT_EQ(FontCount, 0);
  EXPECT_EQ(GridSnap, 0);
  EXPECT_EQ(PickTolerance, 0);
  EXPECT_EQ(FrameShown, 0);
  EXPECT_EQ(PreviewMode, 0);
  EXPECT_EQ(ActiveTool, 0);
}

using ModelInvariantDeathTest = ModelFixture;

TEST_F(ModelInvariantDeathTest, ARecordWrittenAtIndexZeroStopsTheNextAppend) {
#if LINTAVO_CHECK_INVARIANTS
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  AddLine(0, 0, 1, 1);
  Objs[0].Rtype = EntityLine;  // a fault: index 0 is never written
  EXPECT_DEATH(AddLine(1, 1, 2, 2), "model invariant broken");
#else
  GTEST_SKIP() << "built without invariant checks";
#endif
}

TEST_F(ModelInvariantDeathTest, ATableCutBelowItsBoundStopsTheNextAppend) {
#if LINTAVO_CHECK_INVARIANTS
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  AddLine(0, 0, 1, 1);
  ASSERT_GT(ItemsMax, 200);
  Items.resize(static_cast<std::size_t>(ItemsMax) - 100);  // a fault: the table no longer holds its bound
  EXPECT_DEATH(AddItem(ItemLayer), "model invariant broken");
#else
  GTEST_SKIP() << "built without invariant checks";
#endif
}

}  // namespace
}  // namespace lintavo
