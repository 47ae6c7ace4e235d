// A drawing holding one object of every kind, in groups, areas and several
// layers, with a linked component chosen from another component database,
// saved, loaded, saved and loaded again through the drawing window: every
// save stores the same rows as the one before.
#include "app/EveryKindFixture.h"
#include "model/ItemMembers.h"
#include "model/MessageBar.h"
#include "organisation/ComponentDefinition.h"
#include "storage/DbSchema.h"
#include "storage/LoadObjects.h"
#include "storage/SaveData.h"
#include "storage/TestDatabase.h"
#include "support/ModelBuilders.h"

namespace lintavo {
namespace {

constexpr const char* DrawingName = "Every Kind";

class EveryKindRoundTripTest : public EveryKindFixture {
 protected:
  // A new empty drawings database in the test folder; its path.
  String MakeDb(const String& name) {
    const String path = ScratchPath(name);
    CreateEmptyDrawingsDb(path);
    return path;
  }

  // Component "Valve" stored in a component database of its own, linked to
  // a remote table, and placed in the drawing from there.
  void PlaceComponentFromAnotherDatabase() {
    const Long valve = AddDefinition("Valve");
    Objs[ObjCount].LayerID = 0;
    ItemRec& item = Items[valve];
    item.LinkType = 2;
    item.LinkTable = "Parts";
    item.LinkField = "PartNo";
    item.PartNumber = "V-12";
    CompDbPath = MakeDb("Parts.mdb");
    Long index = valve;
    SaveComponent(index);
    ASSERT_GE(Items[valve].ObjectID, 1);

    ObjRec& placement = Objs[AddCompound(EntityComponent, 0.5, 0.5, 0)];
    placement.Name = "Valve";
    placement.OwnerID = placement.ObjectID = valve;
  }

  // A dimension entity (type 14, which the commands do not make: they draw
  // dimensions as lines and characters) showing an item with geometry of
  // its own, a line of no drawing.
  static void AddDimensionEntity() {
    NewItemName = "Span";
    AddItem(ItemWithGeometry);
    const Long span = ItemCount;
    const Long geometry = AddEntity(EntityLine, {{0, 0}, {1.5, 0}});
    ObjRec& line = Objs[geometry];
    line.DwgNo = 0;
    line.DrawingID = line.LayerID = 0;
    line.OwnerID = span;
    Items[span].Nlines = 1;
    Items[span].Xmax = 1.5;
    const Long dimension = AddEntity(EntityDimension, {{0.3, 0.3}, {1, 1}, {0, 0}});
    Objs[dimension].Name = "Span";
    Objs[dimension].OwnerID = Objs[dimension].ObjectID = span;
  }

  // File, Save of the window's drawing into a new database of that name; its path.
  String SaveInto(frmDocument* doc, const String& file) { return SaveTo(doc, MakeDb(file)); }
  // File, Save of the window's drawing into the database at path; the path.
  String SaveTo(frmDocument* doc, const String& path) {
    DwgDbPath = path;
    Activate(doc);
    SelDwgName = DrawingName;
    CurRevision = "Rev. 0";
    doc->SaveFile(DrawingName);
    EXPECT_EQ(MessagePanel(1), "Saved Drawing") << path;
    return path;
  }

  // File, Open of the stored drawing of database path into a new window id.
  FixedDpiDocument* LoadInto(Long id, const String& path) {
    DwgDbPath = path;
    FixedDpiDocument* doc = Open(id, DrawingName);
    SelDwgName = DrawingName;
    SelDwgID = static_cast<DbKey>(TestDatabase(path).Number("SELECT DrawID FROM Drawing"));
    doc->LoadFile(DrawingName);
    EXPECT_EQ(MessagePanel(1), "Drawing Loaded") << path;
    return doc;
  }

  // Every row of the drawing tables, every column but the creation dates
  // (the time of the save), by table in key order.
  static std::vector<std::vector<String>> StoredRows(const String& path) {
    TestDatabase db(path);
    std::vector<std::vector<String>> all;
    for (const char* table : {"Drawing", "Objects", "Components", "Lines", "Points", "LinkTable"}) {
      String columns;
      for (const String& column :
           db.FirstColumn("SELECT name FROM pragma_table_info('" + String(table) + "') ORDER BY cid")) {
        if (column == "CreationDate") continue;
        columns += (columns.empty() ? "\"" : ", \"") + column + "\"";
      }
      for (auto& row : db.Rows("SELECT " + columns + " FROM \"" + table + "\" ORDER BY rowid")) {
        row.insert(row.begin(), table);
        all.push_back(std::move(row));
      }
    }
    return all;
  }

  // Each row of saved equal to the row of expected at its place; a row that
  // differs is shown beside the expected one.
  static void ExpectSameRows(const std::vector<std::vector<String>>& saved,
                             const std::vector<std::vector<String>>& expected, const char* what) {
    EXPECT_EQ(saved.size(), expected.size()) << what;
    int shown = 0;
    for (std::size_t r = 0; r < std::min(saved.size(), expected.size()) && shown < 12; ++r) {
      if (saved[r] == expected[r]) continue;
      ++shown;
      String a, b;
      for (const String& v : saved[r]) a += v + "|";
      for (const String& v : expected[r]) b += v + "|";
      ADD_FAILURE() << what << " row " << r << "\n  saved    " << a << "\n  expected " << b;
    }
  }

  // The text characters join the drawing's group, whose box then holds
  // them, as a loaded drawing's group is measured again.
  static void GroupTheText() {
    Long group = 0;
    for (Long i = 1; i <= ItemCount; ++i)
      if (Items[i].DwgNo == CurDwg && Items[i].Rtype == ItemGroup) group = i;
    ASSERT_GE(group, 1);
    for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
      if (Objs[i].DwgNo != CurDwg || Objs[i].Rtype != EntityTextChar) continue;
      Objs[i].OwnerID = group;
      EntityLinksChanged(i);
    }
    UpdateItemExtents(group);
  }

  // One object of every kind, the text in a group, a linked component from
  // another database and a dimension entity, in the fixture's window.
  void MakeTheDrawing() {
    MakeEveryKind(EveryKind());
    GroupTheText();
    PlaceComponentFromAnotherDatabase();
    AddDimensionEntity();
  }
};

TEST_F(EveryKindRoundTripTest, EachSaveAfterALoadStoresTheSameRowsAsTheSaveBefore) {
  MakeTheDrawing();
  const String first = SaveInto(doc_, "First_dwg.mdb");
  FixedDpiDocument* loaded = LoadInto(2, first);
  const String second = SaveInto(loaded, "Second_dwg.mdb");
  FixedDpiDocument* again = LoadInto(3, second);
  const String third = SaveInto(again, "Third_dwg.mdb");

  // Every kind stored, in groups, areas, layers and with the components.
  TestDatabase db(first);
  const auto count = [&db](const String& sql) { return db.Number("SELECT count(*) FROM " + sql); };
  for (Integer type = EntityPoint; type <= EntityHatch; ++type)
    EXPECT_GE(count("Lines WHERE DrawingID <> 0 AND Rtype = " + std::to_string(type)), 1) << "entity " << type;
  for (Integer kind : {ItemGroup, ItemArea, ItemLayer})
    EXPECT_GE(count("Objects WHERE Rtype = " + std::to_string(kind)), 1) << "item kind " << kind;
  EXPECT_GE(count("Lines WHERE Rtype = 13 AND OwnerID <> 0"), 2);  // the grouped text
  EXPECT_EQ(db.Text("SELECT LinkTable || '.' || LinkField || '=' || PartNumber FROM Components "
                    "WHERE Name = 'Valve'"),
            "Parts.PartNo=V-12");

  ExpectSameRows(StoredRows(second), StoredRows(first), "second save");
  ExpectSameRows(StoredRows(third), StoredRows(second), "third save");
}

// Saved back into the database it was loaded from, the drawing's stored
// rows are updated in place and stay exactly as they were.
TEST_F(EveryKindRoundTripTest, ASaveIntoTheDatabaseItWasLoadedFromLeavesEveryRowAsItWas) {
  MakeTheDrawing();
  const String path = SaveInto(doc_, "Plans_dwg.mdb");
  const auto rows = StoredRows(path);
  SaveTo(LoadInto(2, path), path);
  ExpectSameRows(StoredRows(path), rows, "save after a load");
  SaveTo(LoadInto(3, path), path);
  ExpectSameRows(StoredRows(path), rows, "save after a second load");
}

}  // namespace
}  // namespace lintavo
