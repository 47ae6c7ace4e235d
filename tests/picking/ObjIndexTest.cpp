// The entity index behind FindObjAt and NearestObjPoint: through every kind
// of change of the model, the answers through the index equal those of
// measuring every entity of the table (FindObjAtByScan, NearestObjPointByScan),
// at random points near entities, between them and far away.
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <random>

#include "model/ObjIndex.h"
#include "model/UndoRedo.h"
#include "picking/Identify.h"
#include "picking/Snaps.h"
#include "storage/SaveData.h"
#include "storage/StoredDrawing.h"
#include "support/ModelBuilders.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

class ObjIndexTest : public StoredDrawingTest {
 protected:
  using Shape = std::vector<std::pair<Double, Double>>;

  Long AddShape(Integer type, const Shape& points) {
    const Long obj = AddEntity(type, points);
    if (CurDwg == 1 && !layers_.empty()) Objs[obj].LayerID = layers_[Pick(layers_.size() + 1) % layers_.size()];
    return obj;
  }
  size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }
  Double Uniform(Double lo, Double hi) { return std::uniform_real_distribution<Double>(lo, hi)(random_); }

  // One random entity about (cx, cy) of about `size`; only the types a
  // drawing stores without named items when `storable`.
  void AddRandomEntity(Double cx, Double cy, Double size, bool storable) {
    const Double x = cx + Uniform(-50, 50) * size, y = cy + Uniform(-50, 50) * size;
    auto near = [&](Double s) { return std::pair{x + Uniform(-s, s) * size, y + Uniform(-s, s) * size}; };
    auto on = [&](Double a, Double rx, Double ry, Double turn) {
      return std::pair{x + rx * std::cos(a) * std::cos(turn) - ry * std::sin(a) * std::sin(turn),
                       y + rx * std::cos(a) * std::sin(turn) + ry * std::sin(a) * std::cos(turn)};
    };
    const Double r = Uniform(0.2, 3) * size, r2 = Uniform(0.1, 1) * r, turn = Uniform(0, 3), a = Uniform(0, 6);
    Shape chain{near(1)};
    for (size_t k = 0, n = 2 + Pick(6); k < n; ++k) chain.push_back(near(4));
    switch (Pick(storable ? 11 : 15) + 1) {
      case EntityPoint: AddShape(EntityPoint, {near(0)}); break;
      case EntityLine: AddShape(EntityLine, {near(0), Pick(8) ? near(3) : std::pair{x, y}}); break;
      case EntityCircle: AddShape(EntityCircle, {{x, y}, on(a, r, r, 0)}); break;
      case EntityArc: AddShape(EntityArc, {{x, y}, on(a, r, r, 0), on(a + 1, r, r, 0), on(a + 2.5, r, r, 0)}); break;
      case EntityEllipticArc:
        AddShape(EntityEllipticArc, {on(0, r, r2, turn), on(std::numbers::pi, r, r2, turn), on(1.57, r, r2, turn),
                                     on(-1.57, r, r2, turn), on(a, r, r2, turn), on(a + 2, r, r2, turn)});
        break;
      case EntityEllipse:
        AddShape(EntityEllipse, {on(1.57, r, r2, turn), on(-1.57, r, r2, turn), on(0, r, r2, turn),
                                 on(std::numbers::pi, r, r2, turn)});
        break;
      case EntityBezier: AddShape(EntityBezier, {near(1), near(6), near(6), near(1)}); break;
      case EntityContBezier: AddShape(EntityContBezier, {near(1), near(6), near(6), near(1), near(6), near(6), near(1)}); break;
      case EntitySpline: case EntityPolyline: AddShape(static_cast<Integer>(EntitySpline + 3 * Pick(2)), chain); break;
      case EntityPolygon: chain.push_back(chain.front()); AddShape(EntityPolygon, chain); break;
      case EntityComponent: Objs[AddShape(EntityComponent, {near(0), {2, 2}, {0.5, 0}})].Name = "Bolt"; break;
      case EntityTextChar: Objs[AddShape(EntityTextChar, {near(0), {1, 1}, {0, 0}, {0, 0}, {0, 0}})].Name = "TEXT-65"; break;
      default: AddShape(EntityDimension + static_cast<Integer>(Pick(3)), {near(0), near(2), {0, 0}}); break;
    }
  }

  // A drawing of `count` random entities in two clusters, one of them tiny and
  // far from the origin, with duplicates; unless storable, damaged and
  // non-finite entities too.
  void AddRandomDrawing(size_t count, bool storable) {
    for (size_t k = 0; k < count; ++k) {
      if (k % 3 == 2)
        AddRandomEntity(1e6, -2e6, 1e-3, storable);
      else
        AddRandomEntity(0, 0, 1, storable);
      if (k % 17 == 0) {  // a duplicate: the later wins a tie
        CopyObj(ObjCount);
        AddPntsOf(ObjCount - 1);
      }
    }
    if (storable) return;
    AddShape(EntityLine, {{1, 1}, {std::numeric_limits<Double>::quiet_NaN(), 2}});
    AddShape(EntityCircle, {{2, 2}, {std::numeric_limits<Double>::infinity(), 2}});
    AddObj(EntityLine, 2);  // one point where it reads two: it reads the next entity's first
    AddPnt(3, 3);
    AddShape(EntityPolyline, {{-400, -400}, {400, 400}});  // a long one across both
  }
  static void AddPntsOf(Long source) {
    const ObjRec& obj = Objs[source];
    for (Long k = obj.PointID; k < obj.PointID + obj.NPoints; ++k) AddPnt(Pnts[k].X, Pnts[k].Y);
  }

  // Points to test: on and beside random entities of the current drawing, in
  // the clusters, and far from everything.
  std::vector<std::pair<Double, Double>> TestPoints() {
    std::vector<std::pair<Double, Double>> points{{1e5, 1e5}, {-3e6, 0}};
    const std::vector<Long> own = EntitiesOf(CurDwg);
    for (int k = 0; k < 120 && !own.empty(); ++k) {
      const ObjRec& obj = Objs[own[Pick(own.size())]];
      const PntRec& p = Pnts[obj.PointID + static_cast<Long>(Pick(std::max<Integer>(obj.NPoints, 1)))];
      if (!std::isfinite(p.X) || !std::isfinite(p.Y)) continue;
      const Double jitter = PickTolerance * Uniform(0, 3) * (k % 2 ? 1 : 1e-3);
      points.push_back({p.X + Uniform(-jitter, jitter), p.Y + Uniform(-jitter, jitter)});
    }
    for (int k = 0; k < 40; ++k) points.push_back({Uniform(-60, 60), Uniform(-60, 60)});
    for (int k = 0; k < 20; ++k) points.push_back({1e6 + Uniform(-0.06, 0.06), -2e6 + Uniform(-0.06, 0.06)});
    return points;
  }

  // Both answers at every test point, in every open drawing, at a fine and a
  // coarse tolerance; `stage` names the state of the model in a failure.
  void ExpectAnswersOfTheFullScan(const char* stage) {
    for (frmDocument* window : {&doc_, &other_, &stored_}) {
      if (window->ID < 1) continue;
      Activate(*window);
      for (const Single tolerance : {0.05F, 2.0F}) {
        PickTolerance = tolerance;
        for (const auto& [x, y] : TestPoints()) {
          const auto where = testing::Message() << stage << ", drawing " << CurDwg << ", tolerance " << tolerance
                                                << " at (" << x << ", " << y << ")";
          Long obj = -1, scanObj = -1;
          Double dist = -1, scanDist = -1;
          HitSegment = 77;
          FindObjAt(obj, x, y, dist);
          const Integer segment = HitSegment;
          HitSegment = 77;
          FindObjAtByScan(scanObj, x, y, scanDist);
          EXPECT_EQ(obj, scanObj) << where;
          EXPECT_EQ(dist, scanDist) << where;
          EXPECT_EQ(segment, HitSegment) << where;

          Double nx = x, ny = y, sx = x, sy = y;
          Single nd = -1, sd = -1;
          NearestObjPoint(nx, ny, obj, nd);
          NearestObjPointByScan(sx, sy, scanObj, sd);
          EXPECT_EQ(obj, scanObj) << where;
          EXPECT_EQ(nd, sd) << where;
          EXPECT_EQ(nx, sx) << where;
          EXPECT_EQ(ny, sy) << where;
        }
      }
    }
    Activate(doc_);
  }

  // The component the random placements show (without geometry), and the
  // layers of drawing 1 the random entities go on: hidden, locked, shown.
  void MakeItems() {
    NewItemName = "Bolt";
    AddItem(ItemComponent);
    struct LayerSpec {
      const char* name;
      bool shown, locked;
    };
    for (const LayerSpec& layer : {LayerSpec{"Hidden", false, false}, {"Locked", true, true}, {"Open", true, false}}) {
      NewItemName = layer.name;
      AddItem(ItemLayer);
      Items[ItemCount].Show = Flag(layer.shown);
      Items[ItemCount].Lock = Flag(layer.locked);
      layers_.push_back(ItemCount);
    }
    layers_.push_back(doc_.Current_Layer);
  }

  std::mt19937 random_{20240611};
  std::vector<Long> layers_;
  frmDocument other_;  // drawing 2
  frmDocument stored_;  // drawing 3, loaded from the database
};

TEST_F(ObjIndexTest, AnswersEqualTheFullScanThroughEveryChangeOfTheModel) {
  AddLine(0, 0, 1, 1);  // the first entity makes "Layer 1" current
  MakeItems();
  const std::vector<std::pair<const char*, std::function<void()>>> stages = {
      {"two random drawings", [&] {
         AddRandomDrawing(300, false);
         Open(other_, 2);
         AddRandomDrawing(200, false);
         Activate(doc_);
       }},
      {"added after the index was laid out", [&] { AddRandomDrawing(60, false); }},
      {"while the last entity gets points", [&] {
         AddShape(EntityPolyline, {{5, 5}});
         AddPnt(5.5, 5);
         ++Objs[ObjCount].NPoints;
         ObjPointsChanged(ObjCount);
       }},
      {"erased", [&] { for (int k = 0; k < 80; ++k) EraseObj(EntitiesOf(1)[Pick(EntitiesOf(1).size())]); }},
      {"undone", [&] { for (int k = 0; k < 120; ++k) Undo(); }},
      {"redone", [&] { for (int k = 0; k < 50; ++k) Redo(); }},
      {"points moved", [&] {
         for (int k = 0; k < 60; ++k) {
           const Long i = EntitiesOf(1)[Pick(EntitiesOf(1).size())];
           for (Long p = Objs[i].PointID; p < Objs[i].PointID + Objs[i].NPoints; ++p) Pnts[p].X += 37;
           ObjPointsChanged(i);
         }
       }},
      {"a stored drawing loaded", [&] {
         Open(stored_, 3);
         AddRandomDrawing(150, true);
         Dwgs[3].Name = "Three";
         ASSERT_TRUE(SaveDrawing(3, {}, false));
         const Long drawId = Dwgs[3].DrawID;
         CloseDwg(3);
         Open(stored_, 3);
         ASSERT_TRUE(LoadStored(drawId, "Three"));
       }},
      {"drawing 2 closed", [&] { CloseDwg(2); }},
      {"the model reset and drawn anew", [&] {
         ResetModel();
         layers_.clear();
         MakeItems();
         AddRandomDrawing(200, false);
       }},
  };
  for (const auto& [stage, change] : stages) {
    change();
    ExpectAnswersOfTheFullScan(stage);
  }
}

// The index must name few entities, or the equal answers would cost a scan.
TEST_F(ObjIndexTest, AQueryNamesOnlyTheEntitiesNearThePoint) {
  for (int x = 0; x < 100; ++x)
    for (int y = 0; y < 100; ++y) AddLine(x, y, x + 0.5, y);
  const Long across = AddLine(-1e6, 30.05, 1e6, 30.05);  // one long line crosses them all
  AddLine(500, 500, 501, 500);                        // the last entity of the table is always named
  std::vector<Long> found;
  ObjIndexCandidates(40.2, 30, 0.1, found);
  EXPECT_LE(found.size(), 12U);
  EXPECT_NE(std::find(found.begin(), found.end(), 40 * 100 + 30 + 1), found.end());  // the line at (40, 30)
  EXPECT_NE(std::find(found.begin(), found.end(), across), found.end());
  EXPECT_TRUE(std::is_sorted(found.begin(), found.end()));
}

}  // namespace
}  // namespace lintavo
