// SaveFixture: a main window with drawing "Shed" open as drawing 1 (its
// first layer made by the window, a group "Walls" and one closed polygon of
// five points in the group), an empty drawings database in the test folder
// as DwgDbPath, and plain SQL reads of that database.
#pragma once

#include <QFile>
#include <string>
#include <vector>

#include "model/DataHand.h"
#include "model/Top.h"
#include "model/SnapSettings.h"
#include "model/ViewCache.h"
#include "storage/DbSchema.h"
#include "storage/LoadData.h"
#include "storage/SaveData.h"
#include "storage/TestDatabase.h"
#include "support/ModelBuilders.h"
#include "view/ViewFixture.h"
#include "view/Zooms.h"

namespace lintavo {

class SaveFixture : public ViewFixture {
 protected:
  void SetUp() override {
    ViewFixture::SetUp();
    DwgDbPath = MakeDrawingsDb("Test_dwg.mdb");
    doc_ = Open(1, "Shed");
    layer_ = doc_->Current_Layer;
    Items[layer_].Name = "Layer 1";  // the first entity of the model goes on "Layer 1"
    NewItemName = "Walls";
    AddItem(ItemGroup);
    group_ = ItemCount;
    polygon_ = AddEntity(EntityPolygon, {{0, 0}, {4, 0}, {4, 3}, {0, 3}, {0, 0}});
    Objs[polygon_].OwnerID = group_;
  }

  // A new empty drawings database in the test folder; its path.
  String MakeDrawingsDb(const String& name) {
    const String path = ScratchPath(name);
    CreateEmptyDrawingsDb(path);
    return path;
  }

  // Adds a component item with one straight line of its own; its index.
  static Long AddComponent(const String& name) {
    NewItemName = name;
    AddItem(ItemComponent);
    const Long item = ItemCount;
    AddDefinitionEntity(item, EntityLine, 0);
    return item;
  }

  // Adds an entity of no drawing owned by item owner: a straight line, or a
  // placement of item placed (type EntityComponent); the owner's Nlines counts it.
  static Long AddDefinitionEntity(Long owner, Integer type, Long placed) {
    const Integer dwg = CurDwg;
    CurDwg = 0;
    AddObj(type, type == EntityComponent ? 3 : 2);
    AddPnt(1, 2);
    AddPnt(3, 4);
    if (type == EntityComponent) AddPnt(0, 0);
    CurDwg = dwg;
    ObjRec& obj = Objs[ObjCount];
    obj.DwgNo = 0;
    obj.DrawingID = 0;
    obj.LayerID = 0;
    obj.OwnerID = owner;
    obj.ObjectID = placed;
    if (placed >= 1) obj.Name = Items[placed].Name;
    ++Items[owner].Nlines;
    return ObjCount;
  }

  // Every row of every table of the database, as text: equal dumps mean an
  // unchanged database.
  std::vector<std::vector<String>> Dump(const String& path) {
    TestDatabase db(path);
    std::vector<std::vector<String>> all;
    for (const char* table : {"Drawing", "Objects", "Lines", "Points", "Components"}) {
      for (auto& row : db.Rows("SELECT * FROM \"" + String(table) + "\" ORDER BY rowid")) {
        row.insert(row.begin(), table);
        all.push_back(row);
      }
    }
    return all;
  }

  double Count(const String& sql) { return TestDatabase(DwgDbPath).Number(sql); }
  String Text(const String& sql) { return TestDatabase(DwgDbPath).Text(sql); }
  std::vector<String> Column(const String& sql) { return TestDatabase(DwgDbPath).FirstColumn(sql); }

  // Makes the Nth row added to Points from now on fail, as a full disk would.
  void FailPointInsert(int nth) {
    const int stored = static_cast<int>(Count("SELECT count(*) FROM Points"));
    TestDatabase(DwgDbPath, true)
        .Exec("CREATE TRIGGER FailPoint BEFORE INSERT ON Points WHEN (SELECT count(*) FROM Points) >= " +
              std::to_string(stored + nth - 1) + " BEGIN SELECT RAISE(ABORT, 'disk full'); END");
  }

  // The entities of a drawing that are not erased, in table order.
  static std::vector<Long> EntitiesOf(Integer dwg) {
    std::vector<Long> found;
    const Long count = ObjCount;
    for (Long i = 1; i <= count; ++i)
      if (Objs[i].DwgNo == dwg && !Objs[i].Erased) found.push_back(i);
    return found;
  }

  // The window shows 24 pixels to the unit with the origin at view pixel
  // (48, 48); the snap reaches 0.2 units.
  void ShowAt24PixelsPerUnit() {
    ShowAtScale(doc_, 24, 48);
    SnapTolerance = 0.2F * static_cast<Single>(doc_->View_Scale);
    RefreshDocView(doc_);
  }

  // Saves drawing 1, loads it into a second window and expects the entities
  // saved back in their order, each with its type, line type, colour and
  // vertices unchanged.
  void ExpectSavedAndLoadedUnchanged(const std::vector<Long>& saved) {
    ASSERT_TRUE(SaveDrawing(1));
    Open(2, "Other");
    Dwgs[2].DrawID = Dwgs[1].DrawID;
    ASSERT_TRUE(LoadDrawing());
    const std::vector<Long> loaded = EntitiesOf(2);
    ASSERT_EQ(loaded.size(), saved.size());
    for (size_t i = 0; i < saved.size(); ++i) {
      const ObjRec& a = Objs[saved[i]];
      const ObjRec& b = Objs[loaded[i]];
      SCOPED_TRACE("entity " + std::to_string(i + 1) + " of type " + std::to_string(a.Rtype));
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

  FixedDpiDocument* doc_ = nullptr;
  Long layer_ = 0;    // the drawing's first layer
  Long group_ = 0;    // group "Walls"
  Long polygon_ = 0;  // the polygon, in the group
};

}  // namespace lintavo
