// One of each shape and curve the line-drawing commands make, drawn with the
// mouse, saved and loaded into another window: every type, line type and
// vertex comes back unchanged, in its order.
#include <memory>
#include <vector>

#include "commands/LineDraw.h"
#include "storage/SaveFixture.h"
#include "support/DrawingDriver.h"

namespace lintavo {
namespace {

using ShapesRoundTripTest = SaveFixture;

TEST_F(ShapesRoundTripTest, EveryNewTypeSavesAndLoadsUnchanged) {
  ShowAt24PixelsPerUnit();
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

  ExpectSavedAndLoadedUnchanged(drawn);
}

}  // namespace
}  // namespace lintavo
