// The redraw of a part of the drawing visits only the entities the object
// index names for the view. Through the changes of a drawing of every kind
// of entity, each view's picture equals a walk of the whole table, and every
// entity that draws anything in a view, drawn alone, is named for it.
#include <QImage>
#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/EveryKindFixture.h"
#include "model/ObjIndex.h"
#include "model/UndoRedo.h"
#include "storage/TestDatabase.h"
#include "view/DisplayOptions.h"
#include "view/DrawDispatch.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

class CulledRedrawTest : public EveryKindFixture {
 protected:
  // Beside one object of every kind (rows 1 to 4 of the grid), in row 0:
  // turned and slanted text, boxed and underlined text, a loaded drawing's
  // dimension showing an item's geometry, and a circle drawn with a wide pen.
  void MakeRowZero() {
    TextAngle = 30;
    TextItalic = FlagTrue;
    PlaceAt(0.4, 0.2, "Tu");
    input_->Escape();
    TextAngle = 0;
    TextItalic = FlagFalse;
    TextBoxOutline = TextUnderline = FlagTrue;
    PlaceAt(2.3, 0.6, "Bx");
    input_->Escape();
    TextBoxOutline = TextUnderline = FlagFalse;
    NewItemName = "Dim 1";
    AddItem(ItemWithGeometry);
    const Long item = ItemCount;
    const Long member = AddLine(4.3, 0.8, 5.7, 1.2);
    Objs[member].DwgNo = 0;
    Objs[member].OwnerID = item;
    Items[item].Xmin = 4.3;
    Items[item].Xmax = 5.7;
    Items[item].Ymin = 0.8;
    Items[item].Ymax = 1.2;
    AddObj(EntityDimension, 3);
    Objs[ObjCount].ObjectID = item;
    Objs[ObjCount].Name = "Dim 1";
    for (int k = 0; k < 3; ++k) AddPnt(0, 0);
    Objs[AddCircle(7, 0.9, 0.5)].Width = 0.4F;
  }
  static std::vector<Long> OfType(Integer type) {
    std::vector<Long> found;
    for (Long i = BaseObjCount + 1; i <= ObjCount; ++i)
      if (Objs[i].DwgNo == CurDwg && Objs[i].Rtype == type && !Objs[i].Erased) found.push_back(i);
    return found;
  }
  static void MoveBy(Long i, Double dx, Double dy) {
    const Long moved = Objs[i].Rtype >= FirstCompoundType ? 1 : Objs[i].NPoints;  // a compound by its insertion point
    for (Long k = Objs[i].PointID; k < Objs[i].PointID + moved; ++k) {
      Pnts[k].X += dx;
      Pnts[k].Y += dy;
    }
    ObjPointsChanged(i);
  }

  // In the view shown: the redraw's picture equals the plain walk's, and
  // each entity whose drawing alone changes the picture is named by the
  // index for the redraw's rectangle. Returns whether the redraw asked the index.
  bool CheckView(const std::string& where) {
    RefreshDocView(doc_);
    const QImage redrawn = doc_->Image().copy();
    Double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    const bool indexed = RedrawAsksObjIndex(xmin, ymin, xmax, ymax);
    EXPECT_TRUE(redrawn == PlainPicture()) << where;
    if (!indexed) return false;
    std::vector<Long> named;
    ObjIndexInBox(xmin, ymin, xmax, ymax, named);
    EXPECT_TRUE(BeginViewPicture(true));
    const QImage blank = doc_->Image().copy();
    for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
      if (Objs[i].DwgNo != CurDwg || Objs[i].Erased) continue;
      BeginViewPicture(true);
      DrawObject(i);
      if (doc_->Image() == blank) continue;
      EXPECT_TRUE(std::binary_search(named.begin(), named.end(), i)) << where << ", entity " << i;
    }
    return true;
  }

  // Each view: pixels per unit and the world point at its lower left corner.
  struct View {
    const char* name;
    Double scale, x, y;
  };
  // Checks every view; the detail views must be drawn through the index.
  void CheckViews(const char* stage) {
    ComputeDrawingExtents();
    const View views[] = {{"whole", 32, -0.5, -0.5},  {"half", 56, 3, 2},          {"row 0 left", 200, -0.2, -0.1},
                          {"row 0 right", 150, 4, 0}, {"dimensions", 120, 1.5, 1.5}, {"middle", 200, 4.7, 3.2},
                          {"top right", 160, 9.5, 6.2}, {"text cut", 400, 0.55, 0.3},
                          {"boxed text cut", 400, 2.45, 0.75}, {"far", 32, 500, 500}};
    for (const View& view : views) {
      ShowFrom(view.scale, view.x, view.y);
      const bool indexed = CheckView(std::string(stage) + ", view " + view.name);
      if (view.scale >= 120) EXPECT_TRUE(indexed) << stage << ", view " << view.name;
    }
    FrameTheGrid();
  }
};

TEST_F(CulledRedrawTest, ViewsEqualTheWalkOfTheWholeTableThroughEveryChange) {
  MakeEveryKind(EveryKind());
  MakeRowZero();
  ShowRefPnts = ShowConPnts = FlagTrue;
  for (const Long i : {Long{3}, Long{20}, OfType(EntityComponent).front()}) SetSelectedFlag(i, FlagTrue);
  const std::vector<std::pair<const char*, std::function<void()>>> stages = {
      {"made", [] {}},
      {"moved",
       [&] {
         MoveBy(OfType(EntityComponent).front(), 0.4, 0.3);
         for (const Long i : OfType(EntityPolygon)) MoveBy(i, -0.5, 0.4);  // fills and hatches follow their boundary
         for (const Long i : OfType(EntityTextChar)) MoveBy(i, 0.3, -0.1);
         for (const Long i : OfType(EntityLine)) MoveBy(i, 0.1, 0.2);
       }},
      {"erased",
       [&] {
         for (const Long i : {OfType(EntityCircle).back(), OfType(EntityTextChar).front()}) EraseObj(i);
       }},
      {"undone", [&] { for (int k = 0; k < 3; ++k) Undo(); }},
      {"component edited",
       [&] {
         const Long component = Objs[OfType(EntityComponent).front()].ObjectID;
         Items[component].Xmax += 1;
         for (Long i = 1; i <= ObjCount; ++i)
           if (Objs[i].OwnerID == component && Objs[i].DwgNo == 0) Pnts[Objs[i].PointID + 1].X += 1;
       }},
      {"text layer hidden", [&] { Items[Objs[OfType(EntityTextChar).back()].LayerID].Show = FlagFalse; }},
      {"saved and loaded",
       [&] {
         DwgDbPath = ScratchPath("Culled_dwg.mdb");
         CreateEmptyDrawingsDb(DwgDbPath);
         SelDwgName = "Culled";
         CurRevision = "Rev. 0";
         doc_->SaveFile("Culled");
         ASSERT_EQ(MessagePanel(1), "Saved Drawing");
         doc_ = Open(2, "Culled");
         SelDwgID = static_cast<DbKey>(TestDatabase(DwgDbPath).Number("SELECT DrawID FROM Drawing"));
         doc_->LoadFile("Culled");
         ASSERT_EQ(MessagePanel(1), "Drawing Loaded");
         EXPECT_GE(ObjIndexPlacedUpTo(), ObjCount - 1);  // laid out by the load, not by the first click
         for (const Long i : OfType(EntityTextChar)) SetSelectedFlag(i, FlagTrue);
       }},
  };
  for (const auto& [stage, change] : stages) {
    change();
    CheckViews(stage);
  }
}

// The index names the entities near the view, not the drawing: a detail
// view of a large grid of lines names few of them.
TEST_F(CulledRedrawTest, ADetailViewNamesOnlyTheEntitiesNearIt) {
  for (int x = 0; x < 200; ++x)
    for (int y = 0; y < 200; ++y) AddLine(x, y, x + 0.5, y + 0.5);
  ShowFrom(96, 150, 150);
  PlaceAt(150.2, 150.2, "Far");
  input_->Escape();
  const std::vector<Long> chars = OfType(EntityTextChar);  // their names differ from their glyphs' in letter case
  ASSERT_EQ(chars.size(), 3U);
  AddLine(0, 0, 1, 0);  // the last entity of the table is always named
  ComputeDrawingExtents();
  ShowFrom(96, 100, 100);  // about 4 by 3 units
  RefreshDocView(doc_);
  Double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  ASSERT_TRUE(RedrawAsksObjIndex(xmin, ymin, xmax, ymax));
  std::vector<Long> named;
  ObjIndexInBox(xmin, ymin, xmax, ymax, named);
  EXPECT_GE(named.size(), 12U);
  EXPECT_LE(named.size(), 60U);
  EXPECT_TRUE(std::is_sorted(named.begin(), named.end()));
  for (const Long i : chars) EXPECT_FALSE(std::binary_search(named.begin(), named.end(), i)) << Objs[i].Name;
  ShowFrom(2, -1, -1);  // the whole grid: the table is walked
  RefreshDocView(doc_);
  EXPECT_FALSE(RedrawAsksObjIndex(xmin, ymin, xmax, ymax));
}

}  // namespace
}  // namespace lintavo
