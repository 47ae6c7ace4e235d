// One of each shape and curve the line-drawing commands make, drawn with the
// mouse, saved and loaded into another window: every type, line type and
// vertex comes back unchanged, in its order.
#include <memory>
#include <vector>

#include "commands/LineDraw.h"
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

class ShapesRoundTripTest : public SaveFixture {
 protected:
  // The entities of a drawing, in table order.
  static std::vector<Long> EntitiesOf(Integer dwg) {
    std::vector<Long> found;
    const Long count = ObjCount;
    for (Long i = 1; i <= count; ++i)
      if (Objs[i].DwgNo == dwg && !Objs[i].Erased) found.push_back(i);
    return found;
  }
};

TEST_F(ShapesRoundTripTest, EveryNewTypeSavesAndLoadsUnchanged) {
  // 24 pixels to the unit, the origin at view pixel (48, 48).
  doc_->XVscale = doc_->YVscale = 24;
  doc_->View_Scale = 24 / PixelsPerUnit;
  doc_->VbaseX = doc_->Vbasey = 48;
  ActiveDoc = doc_;
  UpdateWorldWindow();
  LoadViewCache();
  SnapTolerance = 0.2F * static_cast<Single>(doc_->View_Scale);
  PickTolerance = 0.2F;
  DrawingDriver input(*doc_);
  const struct {
    const char* menu;
    std::vector<std::pair<Double, Double>> clicks;
  } shapes[] = {
      {"mnuDrawShapeRectangle2", {{1, 1}, {3, 4}}},
      {"mnuDrawShapeIllreg", {{5, 1}, {8, 1}, {8, 3}}},  // left open: a polyline
      {"mnuDrawCircle3", {{1, 5}, {2, 6}, {3, 5}}},
      {"mnuDrawArc3", {{4, 5}, {5, 6.5}, {6, 5}}},
      {"mnuDrawEllipseArc", {{7, 5}, {11, 7}, {10, 7}, {7, 6}}},
      {"mnuDrawEllipse3", {{13, 3}, {14.5, 3.5}, {13, 4}}},
      {"mnuDrawCurveSpline", {{1, 8}, {3, 9}, {5, 8}, {7, 9}}},
      {"mnuDrawCurveBezier2", {{8, 8}, {10, 8}, {11, 9}}},
      {"mnuDrawCurveBezier", {{1, 10}, {3, 11}, {5, 10}, {7, 11}}},
  };
  for (const auto& shape : shapes) {
    CancelTools();
    DrawingDriver::Choose(shape.menu);
    for (const auto& [x, y] : shape.clicks) input.ClickAt(x, y);
  }
  CancelTools();
  const std::vector<Long> drawn = EntitiesOf(1);
  std::vector<Integer> types;
  for (Long obj : drawn) types.push_back(Objs[obj].Rtype);
  ASSERT_EQ(types, (std::vector<Integer>{EntityPolygon, EntityPolygon, EntityPolyline, EntityCircle, EntityArc,
                                         EntityEllipticArc, EntityEllipse, EntitySpline, EntityBezier,
                                         EntityContBezier}));

  ASSERT_TRUE(SaveDrawing(1));
  Open(2, "Other");
  Dwgs[2].DrawID = Dwgs[1].DrawID;
  ASSERT_TRUE(LoadDrawing());
  const std::vector<Long> loaded = EntitiesOf(2);
  ASSERT_EQ(loaded.size(), drawn.size());
  for (size_t i = 0; i < drawn.size(); ++i) {
    const ObjRec& a = Objs[drawn[i]];
    const ObjRec& b = Objs[loaded[i]];
    SCOPED_TRACE("entity type " + std::to_string(a.Rtype));
    EXPECT_EQ(b.Rtype, a.Rtype);
    EXPECT_EQ(b.Ltype, a.Ltype);
    ASSERT_EQ(b.NPoints, a.NPoints);
    for (Integer k = 0; k < a.NPoints; ++k) {
      EXPECT_EQ(Pnts[b.PointID + k].X, Pnts[a.PointID + k].X) << "point " << k + 1;
      EXPECT_EQ(Pnts[b.PointID + k].Y, Pnts[a.PointID + k].Y) << "point " << k + 1;
    }
  }
}

}  // namespace
}  // namespace lintavo
