// Trims, Break as a user works it, after choosing another line colour:
// every piece lies on the entity it was cut from, clicked on it or a few
// pixels off it, and keeps the entity's look and links; saved and opened in
// another window, the pieces come back alike.
#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>
#include <vector>

#include "annotation/Areas.h"
#include "commands/EditFixture.h"
#include "model/LayerItems.h"
#include "storage/DbSchema.h"
#include "storage/FileMenu.h"

namespace lintavo {
namespace {

constexpr Long Brown = 0x204080, Green = 0x00FF00, Blue = 0xFF0000;
constexpr Double Off = 5.0 / 24;  // five pixels at 24 pixels to the unit

// Colour, line type, weight, width, layer, owner and the item shown.
using Look = std::tuple<Long, Integer, Integer, Single, ItemTag, ItemTag, ItemTag>;
Look LookOf(Long obj) {
  const ObjRec& o = Objs[obj];
  return {o.Color, o.Ltype, o.Weight, o.Width, TagOf(o.LayerID), TagOf(o.OwnerID), TagOf(o.ObjectID)};
}

SavedShape ShapeOf(Long obj) {
  SavedShape shape{Objs[obj].Rtype, {}};
  for (Long k = Objs[obj].PointID; k < Objs[obj].PointID + Objs[obj].NPoints; ++k)
    shape.second.emplace_back(Pnts[k].X, Pnts[k].Y);
  return shape;
}

// How far p lies off the outline of the shape as drawn: its circle, its
// ellipse (axes along x and y) or its sides.
Double OffOutline(const SavedShape& shape, Double x, Double y) {
  const auto& v = shape.second;
  if (shape.first == EntityCircle || shape.first == EntityArc) {
    const Double r = std::hypot(v[1].first - v[0].first, v[1].second - v[0].second);
    return std::fabs(std::hypot(x - v[0].first, y - v[0].second) - r);
  }
  if (shape.first == EntityEllipse) {
    const Double cx = (v[0].first + v[1].first) / 2, cy = (v[0].second + v[1].second) / 2;
    return std::fabs(std::hypot((x - cx) / (v[1].first - cx), (y - cy) / (v[2].second - cy)) - 1);
  }
  Double best = 1e9;
  for (size_t k = 0; k + 1 < v.size(); ++k) {
    const Double dx = v[k + 1].first - v[k].first, dy = v[k + 1].second - v[k].second;
    const Double t = std::clamp(((x - v[k].first) * dx + (y - v[k].second) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    best = std::min(best, std::hypot(x - v[k].first - t * dx, y - v[k].second - t * dy));
  }
  return best;
}

class BreakPiecesTest : public EditFixture {
 protected:
  // 24 pixels to the unit from world (-0.5, -0.5); the pick reaches 6 pixels.
  void SetUp() override {
    EditFixture::SetUp();
    ShowAtScale(doc_, 24, 12);
    SnapTolerance = static_cast<Single>(0.25 * doc_->View_Scale);
    RefreshDocView(doc_);
    BoundaryLayer = "Boundary 1";
    BoundaryColor = Blue;
  }
  // The entity brown, dashed (a polygon: outline only), heavy, on layer
  // "Walls" and in group "Bays".
  Long Dressed(Long obj) {
    if (walls_ == 0) walls_ = EnsureLayer("Walls"), bays_ = AddNamedItem(ItemGroup, "Bays");
    ObjRec& o = Objs[obj];
    std::tie(o.Color, o.Ltype, o.Weight, o.LayerID, o.OwnerID) =
        std::tuple(Brown, o.Rtype == EntityPolygon ? 1 : 3, 2, walls_, bays_);
    return obj;
  }
  // The drawing command of the menu item or button, clicks at the points,
  // then Esc; what it drew, dressed.
  Long Drawn(const char* command, const std::vector<BuilderPoint>& points) {
    QString(command).startsWith("mnu") ? DrawingDriver::Choose(command) : DrawingDriver::PressButton(command);
    input_->ClickEach(points);
    input_->Escape();
    return Dressed(ObjCount);
  }
  // View, Areas, Window over the box, then Select All, Edit, Show, which
  // shows its boundary, and Select, Clear; the boundary.
  Long AreaBoundary(Double x1, Double y1, Double x2, Double y2) {
    const Long boundary = CreateWindowArea(x1, y1, x2, y2);
    for (const char* item : {"mnuSelectAll", "mnuEditShow", "mnuSelectClr"}) DrawingDriver::Choose(item);
    return boundary;
  }
  Long walls_ = 0, bays_ = 0;
};

struct BreakRow {
  const char* name;
  std::function<Long()> make;        // the entity to break
  std::vector<BuilderPoint> clicks;  // the pick, then the two break points
  bool onOutline;                    // false: a curve through its points, cut where clicked
};

TEST_F(BreakPiecesTest, PiecesLieOnTheEntityAndKeepItsLookAndLinksThroughASaveAndALoad) {
  const auto dressed = [this](Long obj) { return Dressed(obj); };
  const std::vector<BreakRow> rows = {
      {"line, clicks on it", [&] { return dressed(AddLine(0.5, 11, 4.5, 11)); }, {{4, 11}, {1.5, 11}, {3, 11}}, true},
      {"line, clicks off it", [&] { return dressed(AddLine(6, 11, 10, 11)); },
       {{9.5, 11}, {7, 11 + Off}, {8.5, 11 - Off}}, true},
      {"line cut back from its end", [&] { return dressed(AddLine(11.5, 11, 15.5, 11)); },
       {{15, 11}, {11.5, 11}, {13, 11 + Off}}, true},
      {"rectangle, one side", [this] { return Drawn("mnuDrawShapeRectangle2", {{0.5, 8}, {4.5, 10}}); },
       {{4, 8}, {1.5, 8 + Off}, {3, 8 + Off}}, true},
      {"continuous line, across a corner", [this] { return Drawn("Line4", {{6, 8}, {10, 8}, {10, 10}}); },
       {{7, 8}, {8, 8 - Off}, {10 + Off, 9}}, true},
      {"spline", [&] { return dressed(AddEntity(EntitySpline, {{11.5, 9}, {13, 9}, {14.5, 9}, {15.5, 9}})); },
       {{12, 9}, {12.5, 9 + Off}, {14, 9}}, false},
      {"area boundary", [this] { return AreaBoundary(0.5, 4, 4.5, 7); },
       {{4, 4}, {1.5, 4 + Off}, {3, 4 - Off}}, true},
      {"circle", [&] { return dressed(AddCircle(8, 5.5, 1.2)); },
       {{6.8, 5.5}, {9.2 + Off, 5.5}, {8, 6.7 - Off}}, true},
      {"ellipse", [&] { return dressed(AddEntity(EntityEllipse, {{11.5, 5.5}, {15.5, 5.5}, {13.5, 6.5}, {13.5, 4.5}})); },
       {{11.5, 5.5}, {15.5 - Off, 5.5}, {13.5, 6.5 + Off}}, true},
      {"arc", [&] { return dressed(AddArc(2.5, 1, 1.5, 0, 90, 180)); },
       {{2.5, 2.5}, {4 + Off, 1}, {2.5, 2.5 - Off}}, true},
      {"continuous Bezier",
       [&] { return dressed(AddEntity(EntityContBezier, {{6, 1}, {6.5, 1}, {7, 1}, {8, 1}, {8.5, 1}, {9, 1}, {10, 1}})); },
       {{6.5, 1}, {7, 1 + Off}, {9, 1 - Off}}, false},
  };
  DwgDbPath = ScratchPath("Break_dwg.mdb");
  CreateEmptyDrawingsDb(DwgDbPath);
  std::vector<Long> made;
  for (const BreakRow& row : rows) made.push_back(row.make());
  RefreshDocView(doc_);
  Responder().AnswerColor(Green);
  DrawingDriver::PressButton("Line Color");  // nothing selected: the colour of new entities

  for (size_t r = 0; r < rows.size(); ++r) {
    SCOPED_TRACE(rows[r].name);
    const Long obj = made[r], before = ObjCount;
    const SavedShape whole = ShapeOf(obj);
    Look look = LookOf(obj);
    if (whole.first == EntityPolygon) std::get<1>(look) = 0;  // its outline was drawn solid
    DrawingDriver::Choose("mnuTrimsBreak");
    input_->ClickEach(rows[r].clicks);
    EXPECT_EQ(ActiveTool, ToolNone);
    EXPECT_TRUE(Objs[obj].Erased || ShapeOf(obj) != whole);  // broken
    for (Long piece = obj; piece <= ObjCount; piece = piece == obj ? before + 1 : piece + 1) {
      if (Objs[piece].Erased) continue;
      EXPECT_EQ(LookOf(piece), look) << "piece " << piece;
      const Integer first = Objs[piece].Rtype == EntityArc ? 2 : 1;  // an arc's centre is no point of it
      for (Integer k = first; rows[r].onOutline && k <= Objs[piece].NPoints; ++k)
        EXPECT_LT(OffOutline(whole, PX(piece, k), PY(piece, k)), 1e-9) << "piece " << piece << " point " << k;
    }
    EXPECT_TRUE(EqualsFreshRedraw());
  }

  FileSaveAsOffered(Responder(), false);
  Open(2);
  FileOpenStored(Responder(), Dwgs[1].DrawID, "New Drawing");
  EXPECT_EQ(LiveShapes(2), LiveShapes(1));
  std::vector<Look> saved, loaded;
  for (Long i = 1; i <= ObjCount; ++i) {
    if (!Objs[i].Erased && Objs[i].DwgNo >= 1) (Objs[i].DwgNo == 1 ? saved : loaded).push_back(LookOf(i));
  }
  EXPECT_EQ(loaded, saved);
}

}  // namespace
}  // namespace lintavo
