// WidenByEntity: the points that bound each kind of entity, for the component
// extents (radius in Single) and the grip frame (radius in Double).
#include <gtest/gtest.h>

#include <algorithm>

#include "model/DataHand.h"
#include "support/ModelFixture.h"

namespace lintavo {
namespace {

using WidenByEntityTest = ModelFixture;

struct Box {
  Double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
  Integer points = 0;
  void Take(Double x, Double y) {
    minX = std::min(minX, x);
    minY = std::min(minY, y);
    maxX = std::max(maxX, x);
    maxY = std::max(maxY, y);
    ++points;
  }
};

Long AddEntity(Integer type, std::initializer_list<PntRec> points) {
  AddObj(type, static_cast<Integer>(points.size()));
  for (const PntRec& p : points) AddPnt(p.X, p.Y);
  return ObjCount;
}

PntRec At(Double x, Double y) {
  PntRec p;
  p.X = x;
  p.Y = y;
  return p;
}

template <typename Radius>
Box BoxOf(Long objNo) {
  Box box;
  WidenByEntity<Radius>(Objs[objNo], [&](Double x, Double y) { box.Take(x, y); });
  return box;
}

TEST_F(WidenByEntityTest, EachKindGivesItsBoundingPointsWhateverTheRadiusType) {
  NewItemName = "Box";
  AddItem(ItemComponent);
  Items[ItemCount].Xmin = Items[ItemCount].Ymin = 0;
  Items[ItemCount].Xmax = Items[ItemCount].Ymax = 1;
  const Long def = ItemCount;
  struct Case {
    const char* what;
    Long objNo;
    Integer points;
    Double minX, minY, maxX, maxY;
  };
  const Case cases[] = {
      {"circle of radius 2 at (10, 10)", AddEntity(EntityCircle, {At(10, 10), At(12, 10)}), 4, 8, 8, 12, 12},
      {"arc: its points but the centre and the last",
       AddEntity(EntityArc, {At(0, 0), At(5, 0), At(0, 5), At(-5, 0)}), 2, 0, 0, 5, 5},
      {"placement at (5, 5), scale (2, 3)", AddEntity(EntityComponent, {At(5, 5), At(2, 3), At(0, 0)}), 3, 5, 5,
       7, 8},
      {"polyline: every point", AddEntity(EntityPolyline, {At(-1, 4), At(3, -2), At(6, 7)}), 3, -1, -2, 6, 7},
      {"circle with one point: none", AddEntity(EntityCircle, {At(1, 1)}), 0, 1e300, 1e300, -1e300, -1e300},
      {"dimension: none", AddEntity(EntityDimension, {At(1, 1), At(2, 2)}), 0, 1e300, 1e300, -1e300, -1e300},
  };
  Objs[cases[2].objNo].ObjectID = def;
  for (const Case& c : cases) {
    for (const Box& box : {BoxOf<Single>(c.objNo), BoxOf<Double>(c.objNo)}) {
      EXPECT_EQ(box.points, c.points) << c.what;
      EXPECT_DOUBLE_EQ(box.minX, c.minX) << c.what;
      EXPECT_DOUBLE_EQ(box.minY, c.minY) << c.what;
      EXPECT_DOUBLE_EQ(box.maxX, c.maxX) << c.what;
      EXPECT_DOUBLE_EQ(box.maxY, c.maxY) << c.what;
    }
  }
}

// The component extents are stored: their circles keep the radius rounded to
// Single, while the grip frame keeps it whole.
TEST_F(WidenByEntityTest, ACircleRadiusIsRoundedOnlyForSingle) {
  const Long circle = AddEntity(EntityCircle, {At(0, 0), At(0.1, 0)});
  EXPECT_EQ(BoxOf<Single>(circle).maxX, static_cast<Double>(0.1F));
  EXPECT_EQ(BoxOf<Double>(circle).maxX, 0.1);
  EXPECT_NE(static_cast<Double>(0.1F), 0.1);
}

}  // namespace
}  // namespace lintavo
