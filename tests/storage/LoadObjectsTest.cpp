// Component and named-item lookups: in memory first, then from the
// component and drawings databases.
#include "platform/Prompts.h"
#include "storage/LoadObjects.h"
#include "storage/StoredDrawing.h"

namespace lintavo {
namespace {

class LoadObjectsTest : public StoredDrawingTest {
 protected:
  void SetUp() override {
    StoredDrawingTest::SetUp();
    CompDbPath = path_;
  }
};

TEST_F(LoadObjectsTest, ComponentWithNullDescriptiveColumnsLoadsWithThoseFieldsEmpty) {
  const Long key = AddComponentRow("Valve", 1);
  Db().Exec("UPDATE Components SET Category = 'Fittings', LinkType = NULL, Author = NULL WHERE ObjectID = " +
            std::to_string(key));
  StoredLine member;
  member.type = EntityCircle;
  member.points = {{0, 0}, {1, 0}};
  member.owner = member.object = key;
  AddLineRow(0, member);
  StoredLine foreign = member;  // the same owner key, but a row of some drawing
  AddLineRow(3, foreign);

  const Long objs = ObjCount;
  ASSERT_TRUE(LoadComponent("valve"));
  const ItemRec& valve = Items[CurItem];
  EXPECT_EQ(valve.Name, "Valve");
  EXPECT_EQ(valve.Category, "Fittings");
  EXPECT_EQ(valve.LinkType, 0);
  EXPECT_EQ(valve.Author, "");
  EXPECT_EQ(valve.DwgNo, 0);
  ASSERT_EQ(Objs[ObjCount].OwnerID, CurItem);
  EXPECT_EQ(Objs[ObjCount].ObjectID, CurItem);
  EXPECT_EQ(Objs[ObjCount].Rtype, EntityCircle);
  EXPECT_EQ(ObjCount, objs + 1);  // the row of the other drawing was passed over
  EXPECT_EQ(OpenDbPath, path_);

  NewItemName = "VALVE";
  Long index = 0;
  EXPECT_TRUE(FindLoadedComponent(index));
  EXPECT_EQ(index, CurItem);
}

TEST_F(LoadObjectsTest, RowOfAnotherKindIsNoComponentButItsNameExists) {
  AddComponentRow("Odd", 0, 3);
  const Long items = ItemCount;
  EXPECT_FALSE(LoadComponent("Odd"));
  EXPECT_EQ(ItemCount, items);
  EXPECT_TRUE(ComponentExistsInDb("Odd"));
  EXPECT_FALSE(ComponentExistsInDb("O'Neil"));  // a quote is an ordinary character
  EXPECT_TRUE(Responder().Prompts().empty());
}

TEST_F(LoadObjectsTest, MissingDatabaseIsReportedWithTheComponentsName) {
  CompDbPath = ScratchPath("Nowhere_dwg.mdb");
  Responder().AnswerMsgBox(vbOK);
  EXPECT_FALSE(LoadComponent("Bolt"));
  ASSERT_EQ(Responder().Prompts().size(), 1u);
  EXPECT_EQ(Responder().Prompts()[0].title, "Loading Component: Bolt");
}

TEST_F(LoadObjectsTest, NamedItemIsFoundByNameAndKindAndOnlyKindSevenBringsGeometry) {
  const Long plan = AddDrawingRow("Plan", 0, 0);
  Dwgs[CurDwg].DrawID = plan;
  AddItemRow(plan, ItemGroup, "Hall");  // same name, another kind, first in the table
  const Long area = AddItemRow(plan, ItemArea, "Hall", 1);
  const Long target = AddItemRow(plan, ItemWithGeometry, "Span", 1);
  for (Long owner : {area, target}) {
    StoredLine line;
    line.points = {{0, 0}, {3, 0}};
    line.owner = owner;
    AddLineRow(0, line);
  }
  const Long objs = ObjCount;
  NewItemName = "Hall";
  NewItemKind = ItemArea;
  ASSERT_TRUE(LoadNamedObject());
  EXPECT_EQ(Items[CurItem].ObjectID, area);
  EXPECT_EQ(Items[CurItem].DwgNo, 1);
  EXPECT_EQ(ObjCount, objs);  // an area comes without geometry
  const Long hall = CurItem;
  EXPECT_TRUE(LoadNamedObject());
  EXPECT_EQ(CurItem, hall);  // found in memory the second time

  NewItemName = "Span";
  NewItemKind = ItemWithGeometry;
  ASSERT_TRUE(LoadNamedObject());
  EXPECT_EQ(ObjCount, objs + 1);
  EXPECT_EQ(Objs[ObjCount].OwnerID, CurItem);
  NewItemName = "Nothing";
  EXPECT_FALSE(LoadNamedObject());
  EXPECT_TRUE(Responder().Prompts().empty());
}

}  // namespace
}  // namespace lintavo
