// Entities broken and moved by the Modify commands, through the menus and
// clicks, save and load unchanged: every piece with its type, style and
// vertices in order.
#include <vector>

#include "storage/SaveFixture.h"
#include "support/DrawingDriver.h"

namespace lintavo {
namespace {

using ModifyRoundTripTest = SaveFixture;

TEST_F(ModifyRoundTripTest, BrokenAndMovedEntitiesSaveAndLoadUnchanged) {
  ShowAt24PixelsPerUnit();
  AddEntity(EntityLine, {{6, 1}, {10, 1}});
  AddEntity(EntityCircle, {{8, 5}, {9, 5}});
  RefreshDocView(doc_);
  DrawingDriver input(*doc_);
  const std::vector<std::pair<const char*, std::vector<std::pair<Double, Double>>>> commands = {
      {"mnuTrimsBreak", {{2, 0}, {1, 0}, {3, 0}}},  // the polygon's bottom side
      {"mnuTrimsBreak", {{9, 1}, {7, 1}, {8, 1}}},  // the line inside
      {"mnuTrimsBreak", {{7, 5}, {9, 5}, {8, 6}}},  // the circle
      {"mnuTrimsMP", {{6.5, 1}, {6, 1}, {6, 2}}},   // the line's first end
  };
  for (const auto& [menu, clicks] : commands) {
    DrawingDriver::Choose(menu);
    for (const auto& [x, y] : clicks) input.ClickAt(x, y);
    EXPECT_EQ(ActiveTool, ToolNone) << menu;
  }
  const std::vector<Long> kept = EntitiesOf(1);
  std::vector<Integer> types;
  for (Long obj : kept) types.push_back(Objs[obj].Rtype);
  ASSERT_EQ(types, (std::vector<Integer>{EntityPolyline, EntityLine, EntityPolyline, EntityLine, EntityArc}));
  EXPECT_EQ(Pnts[Objs[kept[1]].PointID].Y, 2);  // the moved end

  ExpectSavedAndLoadedUnchanged(kept);
}

}  // namespace
}  // namespace lintavo
