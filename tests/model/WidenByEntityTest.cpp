// WidenByEntity: the points that bound what each kind of entity draws, for
// the component extents (radius in Single), the grip frame and the items'
// extents (radius in Double).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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
  NewItemName = "Area";
  AddItem(ItemArea);
  ItemRec& area = Items[ItemCount];
  area.Xmin = -2, area.Ymin = -1, area.Xmax = 4, area.Ymax = 3;
  const Long areaItem = ItemCount;
  const Double d = 5 / std::sqrt(2.0);  // a point of the rim of radius 5 at 45 degrees
  struct Case {
    const char* what;
    Long objNo;
    Integer points;
    Double minX, minY, maxX, maxY;
  };
  const Case cases[] = {
      {"circle of radius 2 at (10, 10)", AddEntity(EntityCircle, {At(10, 10), At(12, 10)}), 4, 8, 8, 12, 12},
      {"half arc over the top: its points but the centre, and its rim's top and ends",
       AddEntity(EntityArc, {At(0, 0), At(5, 0), At(0, 5), At(-5, 0)}), 6, -5, 0, 5, 5},
      {"arc from 45 by 180 to 315 degrees: its rim's top, left and bottom",
       AddEntity(EntityArc, {At(0, 0), At(d, d), At(-5, 0), At(d, -d)}), 6, -5, -5, d, 5},
      {"the same ends with the middle at 0 degrees: drawn the short way, by its rim's right",
       AddEntity(EntityArc, {At(0, 0), At(d, d), At(5, 0), At(d, -d)}), 4, d, -d, 5, d},
      {"arc whose ends meet: the whole rim, as the surface draws it",
       AddEntity(EntityArc, {At(0, 0), At(5, 0), At(0, 5), At(5, 0)}), 7, -5, -5, 5, 5},
      {"placement at (5, 5), scale (2, 3)", AddEntity(EntityComponent, {At(5, 5), At(2, 3), At(0, 0)}), 5, 5, 5,
       7, 8},
      {"the same turned 90 degrees: its box turned with it",
       AddEntity(EntityComponent, {At(5, 5), At(2, 3), At(90, 0)}), 5, 2, 5, 5, 7},
      {"polyline: every point", AddEntity(EntityPolyline, {At(-1, 4), At(3, -2), At(6, 7)}), 3, -1, -2, 6, 7},
      {"fill: its area's box", AddEntity(EntityFill, {At(0, 0), At(1, 1), At(0, 0)}), 2, -2, -1, 4, 3},
      {"circle with one point: none", AddEntity(EntityCircle, {At(1, 1)}), 0, 1e300, 1e300, -1e300, -1e300},
      {"dimension without its item: none", AddEntity(EntityDimension, {At(1, 1), At(2, 2)}), 0, 1e300, 1e300,
       -1e300, -1e300},
  };
  Objs[cases[5].objNo].ObjectID = Objs[cases[6].objNo].ObjectID = def;
  Objs[cases[8].objNo].ObjectID = areaItem;
  for (const Case& c : cases) {
    for (const Box& box : {BoxOf<Single>(c.objNo), BoxOf<Double>(c.objNo)}) {
      EXPECT_EQ(box.points, c.points) << c.what;
      EXPECT_NEAR(box.minX, c.minX, 1e-12) << c.what;
      EXPECT_NEAR(box.minY, c.minY, 1e-12) << c.what;
      EXPECT_NEAR(box.maxX, c.maxX, 1e-12) << c.what;
      EXPECT_NEAR(box.maxY, c.maxY, 1e-12) << c.what;
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
