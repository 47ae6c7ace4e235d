// Entities broken and moved by the Modify commands, through the menus and
// clicks, save and load unchanged: every piece with its type, style and
// vertices in order.
#include <vector>

#include "model/DataHand.h"
#include "model/SnapSettings.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "storage/LoadData.h"
#include "storage/SaveData.h"
#include "storage/SaveFixture.h"
#include "support/DrawingDriver.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

class ModifyRoundTripTest : public SaveFixture {
 protected:
  static std::vector<Long> EntitiesOf(Integer dwg) {
    std::vector<Long> found;
    const Long count = ObjCount;
    for (Long i = 1; i <= count; ++i)
      if (Objs[i].DwgNo == dwg && !Objs[i].Erased) found.push_back(i);
    return found;
  }
};

TEST_F(ModifyRoundTripTest, BrokenAndMovedEntitiesSaveAndLoadUnchanged) {
  // 24 pixels to the unit, the origin at view pixel (48, 48).
  doc_->XVscale = doc_->YVscale = 24;
  doc_->View_Scale = 24 / PixelsPerUnit;
  doc_->VbaseX = doc_->Vbasey = 48;
  SnapTolerance = 0.2F * static_cast<Single>(doc_->View_Scale);
  RefreshDocView(doc_);
  AddShape(EntityLine, {{6, 1}, {10, 1}});
  AddShape(EntityCircle, {{8, 5}, {9, 5}});
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

  ASSERT_TRUE(SaveDrawing(1));
  Open(2, "Other");
  Dwgs[2].DrawID = Dwgs[1].DrawID;
  ASSERT_TRUE(LoadDrawing());
  const std::vector<Long> loaded = EntitiesOf(2);
  ASSERT_EQ(loaded.size(), kept.size());
  for (size_t i = 0; i < kept.size(); ++i) {
    const ObjRec& a = Objs[kept[i]];
    const ObjRec& b = Objs[loaded[i]];
    SCOPED_TRACE("entity " + std::to_string(i + 1));
    EXPECT_EQ(b.Rtype, a.Rtype);
    EXPECT_EQ(b.Ltype, a.Ltype);
    EXPECT_EQ(b.Color, a.Color);
    ASSERT_EQ(b.NPoints, a.NPoints);
    for (Integer k = 0; k < a.NPoints; ++k) {
      EXPECT_EQ(Pnts[b.PointID + k].X, Pnts[a.PointID + k].X) << "point " << k + 1;
      EXPECT_EQ(Pnts[b.PointID + k].Y, Pnts[a.PointID + k].Y) << "point " << k + 1;
    }
  }
}

}  // namespace
}  // namespace lintavo
