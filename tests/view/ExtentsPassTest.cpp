// The fit's extents pass: on a drawing of every kind of entity (text
// characters, a component, a dimension, an area with its hatch and fill,
// curves, entities hidden, erased, off the layer table or in another
// drawing), ComputeDrawingExtents leaves the boxes of the drawing and of its
// layers, the layers' counts and the areas' sizes exactly as the routine that
// draws every object through DrawObject with drawing off: the drawing's box
// as the window shows its layers, each layer's box as if every layer showed.
// The drawing's count, which the measure leaves to the road by which
// entities join and leave it, equals that walk's count of its live objects.
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <vector>

#include "commands/EditFixture.h"
#include "model/ItemMembers.h"
#include "model/LayerItems.h"
#include "support/ModelBuilders.h"
#include "view/DrawDispatch.h"
#include "view/SurfaceDraw.h"

namespace lintavo {
namespace {

// Everything the pass writes, as bits.
struct ExtentsResult {
  std::vector<Double> boxes;  // the drawing's box, then each item's box
  std::vector<Long> counts;   // the drawing's live objects, then each item's count
  std::vector<Single> areas;  // each entity's enclosed size
  bool operator==(const ExtentsResult&) const = default;
};

class ExtentsPassTest : public EditFixture {
 protected:
  static Long AddShape(Integer type, const std::vector<std::pair<Double, Double>>& points, Long layer = 0) {
    const Long obj = AddEntity(type, points);
    if (layer) Objs[obj].LayerID = layer;
    return obj;
  }
  // A compound of item at (x, y), scales (sx, sy), turned by degrees.
  static Long AddCompoundOf(Integer type, Long item, const String& name, Double x, Double y, Double scale,
                            Double degrees) {
    const Long obj = AddCompound(type, x, y, degrees, scale, scale * 1.5, {{0, 0}, {0, 0}});
    Objs[obj].Name = name;
    Objs[obj].ObjectID = item;
    return obj;
  }

  // The mixed drawing, on three layers of drawing 1 (one hidden) and none.
  void BuildMixedDrawing() {
    CreateWindowArea(1, 1, 3, 2);  // the boundary of an area, hidden
    const Long area = ItemCount;
    const Long layer = doc_->Current_Layer;
    const Long text = EnsureLayer("Text");
    const Long hidden = EnsureLayer("Hidden");
    Items[hidden].Show = FlagFalse;
    doc_->View_Layers = FlagTrue;
    const Long glyph = AddNamedItem(ItemGlyph, "TEXT-65", 1, 1);
    const Long bolt = AddNamedItem(ItemComponent, "Bolt", 2, 2);
    const Long dimension = AddNamedItem(ItemWithGeometry, "Dim 1", 3, 3);
    for (int k = 0; k < 40; ++k) {
      const Double x = -20 + k * 1.7, y = (k % 7) * 2.3 - 5;
      AddShape(EntityLine, {{x, y}, {x + 1, y + 0.5}}, k % 3 ? layer : text);
      AddShape(EntityPolyline, {{x, y + 1}, {x + 0.3, y + 2}, {x + 0.9, y + 1.5}}, layer);
      AddCompoundOf(EntityTextChar, glyph, "Text-65", x, y + 3, 0.4, k * 9.0);  // its key in another case
      Objs[ObjCount].LayerID = text;
    }
    // An arc whose centre lies beyond its rim: the centre must not count.
    AddShape(EntityArc, {{-200, 0}, {-181, 1}, {-180, 0}, {-181, -1}}, layer);
    AddShape(EntityCircle, {{200, 30}, {201.5, 30}}, text);
    AddShape(EntityLine, {{2, 2}, {2.5, 2}}, layer);
    AddShape(EntityCircle, {{2, 2}}, layer);  // one point: its rim reads the line's second point
    AddShape(EntityEllipse, {{0, 40}, {10, 40}, {5, 42}, {5, 38}}, layer);
    AddShape(EntitySpline, {{0, -30}, {4, -33}, {8, -29}}, text);
    AddShape(EntityPoint, {{-3, 17}});
    std::vector<std::pair<Double, Double>> many;  // more points than ScrPts holds at first
    for (int k = 0; k < 1500; ++k) many.push_back({k * 0.01, 50 + (k % 13) * 0.1});
    AddShape(EntityPolyline, many, layer);
    AddCompoundOf(EntityComponent, bolt, "Bolt", 70, -10, 2, 30);
    AddCompoundOf(EntityComponent, bolt, "Bolt", 72, -12, 1, 0);
    AddCompoundOf(EntityTextChar, 0, "TEXT-65", 5, 5, 1, 0);  // a broken link, found again by name
    AddCompoundOf(EntityDimension, dimension, "Dim 1", -10, 60, 1, 0);
    AddCompoundOf(EntityHatch, area, Items[area].Name, 1, 1, 1, 0);
    AddCompoundOf(EntityFill, area, Items[area].Name, 1, 1, 1, 0);
    AddShape(EntityLine, {{-500, -500}, {-499, -499}}, hidden);   // on a hidden layer
    Objs[AddShape(EntityLine, {{500, 500}, {501, 501}}, layer)].Show = FlagFalse;
    SetEntityDrawing(AddShape(EntityLine, {{600, 600}, {601, 601}}, layer), CurDwg, FlagTrue);  // erased
    AddShape(EntityLine, {{700, -700}, {701, -701}}, ItemCount + 50);  // a layer link off the table
    SetEntityDrawing(AddShape(EntityLine, {{800, 800}, {801, 801}}, layer), 2, FlagFalse);
    const Long odd = AddShape(EntityLine, {{-1, -90}, {0, 0}}, layer);  // a type no drawer knows
    Objs[odd].Rtype = EntityHatch + 1;
    Objs[odd].ObjectID = AddNamedItem(ItemWithGeometry, "Far", 500, 500);
    // Points that are not finite (rows of a damaged file) widen nothing; of
    // zeros of either sign the first one met stays.
    const Long edge = EnsureLayer("Edge");
    const Double inf = std::numeric_limits<Double>::infinity(), nan = std::numeric_limits<Double>::quiet_NaN();
    const Long zeros = AddShape(EntityPolyline, {{1, 1}, {2, 2}, {-0.0, 0.0}, {0.0, -0.0}, {3, 3}}, edge);
    PntRec* damaged = &Pnts[Objs[zeros].PointID];
    damaged[0].X = inf, damaged[1].Y = nan, damaged[4].X = damaged[4].Y = -inf;
    const Long far = AddCompoundOf(EntityTextChar, glyph, "TEXT-65", 4, 4, 1, 0);
    Objs[far].LayerID = edge;
    Pnts[Objs[far].PointID].X = nan;
    AddShape(EntityLine, {{0.25, 0.5}, {0.75, 0.25}}, layer);  // the last object is a simple one
  }

  static ExtentsResult Result() {
    ExtentsResult r;
    const DwgRec& dwg = Dwgs[CurDwg];
    r.boxes = {dwg.Xmin, dwg.Ymin, dwg.Xmax, dwg.Ymax};
    r.counts = {dwg.Nlines};
    for (Long i = 1; i <= ItemCount; ++i) {
      const ItemRec& item = Items[i];
      r.boxes.insert(r.boxes.end(), {item.Xmin, item.Ymin, item.Xmax, item.Ymax});
      r.counts.push_back(item.Nlines);
    }
    for (Long i = 1; i <= ObjCount; ++i) r.areas.push_back(Objs[i].Area);
    return r;
  }

  // The fit's extents as they were taken before the pass had its short
  // road, every live object of the drawing through DrawObject: the layers'
  // boxes from a pass with the hidden layers shown, the drawing's from a
  // pass with the layers as they are.
  static void ExtentsThroughDrawObject() {
    std::vector<Long> hidden;
    for (Long i = BaseItemCount + 1; i <= ItemCount; ++i)
      if (Items[i].Rtype == ItemLayer && Items[i].DwgNo == CurDwg && !Items[i].Show) hidden.push_back(i);
    for (const Long i : hidden) Items[i].Show = FlagTrue;
    PassThroughDrawObject();
    const std::vector<ItemRec> everyLayerShown(Items.begin(), Items.begin() + ItemCount + 1);
    for (const Long i : hidden) Items[i].Show = FlagFalse;
    PassThroughDrawObject();
    for (Long i = BaseItemCount + 1; i <= ItemCount; ++i) {
      if (Items[i].Rtype != ItemLayer || Items[i].DwgNo != CurDwg) continue;
      Items[i].Xmin = everyLayerShown[static_cast<size_t>(i)].Xmin;
      Items[i].Ymin = everyLayerShown[static_cast<size_t>(i)].Ymin;
      Items[i].Xmax = everyLayerShown[static_cast<size_t>(i)].Xmax;
      Items[i].Ymax = everyLayerShown[static_cast<size_t>(i)].Ymax;
    }
  }

  static void PassThroughDrawObject() {
    const Double emptyMin = std::numeric_limits<Double>::max(), emptyMax = std::numeric_limits<Double>::lowest();
    auto setBox = [](auto& record, Double min, Double max) {
      record.Xmin = record.Ymin = min;
      record.Xmax = record.Ymax = max;
    };
    auto layerOfDrawing = [](const ItemRec& item) { return item.Rtype == ItemLayer && item.DwgNo == CurDwg; };
    auto empty = [](const auto& record) { return record.Xmin > record.Xmax || record.Ymin > record.Ymax; };
    setBox(Dwgs[CurDwg], emptyMin, emptyMax);
    for (Long i = BaseItemCount + 1; i <= ItemCount; ++i) {
      if (!layerOfDrawing(Items[i])) continue;
      Items[i].Nlines = 0;
      setBox(Items[i], emptyMin, emptyMax);
    }
    ExtentsPass = FlagTrue;
    DrawEnabled = FlagFalse;
    Long count = 0;
    for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
      if (Objs[i].DwgNo != CurDwg || Objs[i].Erased) continue;
      DrawObject(i);
      ++count;
      const Long layer = Objs[i].LayerID;
      if (layer >= 1 && layer <= ItemCount) ++Items[layer].Nlines;
    }
    if (count > 0) Dwgs[CurDwg].Nlines = count;
    for (Long i = BaseItemCount + 1; i <= ItemCount; ++i) {
      if (!layerOfDrawing(Items[i])) continue;
      if (Items[i].Nlines == 0) setBox(Items[i], 0, 0);
      else if (empty(Items[i])) setBox(Items[i], 100000, -100000);
    }
    ExtentsPass = FlagFalse;
    DrawEnabled = FlagTrue;
    DwgRec& dwg = Dwgs[CurDwg];
    if (empty(dwg)) setBox(dwg, 100000, -100000);
    for (auto [min, max] : {std::pair{&dwg.Xmin, &dwg.Xmax}, std::pair{&dwg.Ymin, &dwg.Ymax}}) {
      const Double margin = *max / 100 - *min / 100;
      *min = std::max(*min - margin, std::numeric_limits<Double>::lowest());
      *max = std::min(*max + margin, std::numeric_limits<Double>::max());
    }
  }
};

TEST_F(ExtentsPassTest, BoxesCountsAndAreasEqualThoseOfDrawingEveryObject) {
  BuildMixedDrawing();
  ComputeDrawingExtents();
  const ExtentsResult fitted = Result();
  ExtentsThroughDrawObject();
  const ExtentsResult drawn = Result();
  ASSERT_EQ(fitted.boxes.size(), drawn.boxes.size());
  for (size_t k = 0; k < fitted.boxes.size(); ++k)
    EXPECT_EQ(std::memcmp(&fitted.boxes[k], &drawn.boxes[k], sizeof(Double)), 0)
        << "box value " << k << ": " << fitted.boxes[k] << " against " << drawn.boxes[k];
  EXPECT_EQ(fitted.counts, drawn.counts);
  EXPECT_EQ(fitted.areas, drawn.areas);
  // The drawing reaches the arc's rim and the circle's, not the arc's centre.
  EXPECT_NEAR(Dwgs[CurDwg].Xmin, -181 - 382.5 / 100, 1e-9);
  EXPECT_NEAR(Dwgs[CurDwg].Xmax, 201.5 + 382.5 / 100, 1e-9);
}

// The fit (the box of each entity's layer, which takes no margin) and a
// group's extents take one box of what an entity draws: a circle's rim, an
// arc's rim where its sweep passes it, a turned placement's whole box.
TEST_F(ExtentsPassTest, TheFitAndAGroupTakeTheBoxOfWhatAnEntityDraws) {
  const Long bolt = AddNamedItem(ItemComponent, "Bolt", 2, 1);
  const Double d = 5 / std::sqrt(2.0);  // a point of the rim of radius 5 at 45 degrees
  struct Case {
    const char* what;
    std::function<Long()> add;
    Double box[4];  // Xmin, Ymin, Xmax, Ymax
  };
  const Case cases[] = {
      {"circle of radius 2 at (10, 10)", [] { return AddCircle(10, 10, 2); }, {8, 8, 12, 12}},
      {"arc from 45 by 180 to 315 degrees", [d] { return AddShape(EntityArc, {{0, 0}, {d, d}, {-5, 0}, {d, -d}}); },
       {-5, -5, d, 5}},
      {"arc from 315 by 0 to 45 degrees", [d] { return AddShape(EntityArc, {{0, 0}, {d, -d}, {5, 0}, {d, d}}); },
       {d, -d, 5, d}},
      {"placement of a 2 by 1 box, scales (1, 1.5), turned 90 degrees",
       [bolt] { return AddCompoundOf(EntityComponent, bolt, "Bolt", 5, 5, 1, 90); }, {3.5, 5, 5, 7}},
  };
  std::vector<std::pair<Long, Long>> layerAndGroup;
  for (const Case& c : cases) {
    const Long obj = c.add();
    const Long layer = EnsureLayer(c.what);
    Objs[obj].LayerID = layer;
    NewItemNamed(ItemGroup, c.what);  // of the current drawing
    const Long group = ItemCount;
    Objs[obj].OwnerID = group;
    EntityLinksChanged(obj);
    UpdateItemExtents(group);
    layerAndGroup.emplace_back(layer, group);
  }
  doc_->View_Layers = FlagTrue;
  ComputeDrawingExtents();
  for (size_t k = 0; k < std::size(cases); ++k) {
    const Case& c = cases[k];
    for (const Long item : {layerAndGroup[k].first, layerAndGroup[k].second}) {
      const ItemRec& box = Items[item];
      SCOPED_TRACE(testing::Message() << c.what << (box.Rtype == ItemLayer ? ", the fit" : ", the group"));
      EXPECT_NEAR(box.Xmin, c.box[0], 1e-6);
      EXPECT_NEAR(box.Ymin, c.box[1], 1e-6);
      EXPECT_NEAR(box.Xmax, c.box[2], 1e-6);
      EXPECT_NEAR(box.Ymax, c.box[3], 1e-6);
    }
  }
}

}  // namespace
}  // namespace lintavo
