// Saving drawings and components: rows, keys, updates in place, revisions,
// replacing a stored drawing, and failures that leave everything as before.
#include <pthread.h>

#include <functional>
#include <limits>

#include "organisation/Components.h"
#include "platform/Prompts.h"
#include "storage/LoadData.h"
#include "storage/SaveData.h"
#include "storage/SaveFixture.h"

#include "support/ModelBuilders.h"

namespace lintavo {
namespace {

using SaveDataTest = SaveFixture;

std::vector<String> Texts(std::initializer_list<const char*> values) { return {values.begin(), values.end()}; }

// ---- Drawings ------------------------------------------------------------------------------

TEST_F(SaveDataTest, NewDrawingStoresEveryRecordAndTakesTheKeys) {
  Dwgs[1].Nlines = 0;      // the stored counts come from the model's records,
  Dwgs[1].Nobjects = 99;   // not from these running counters
  ASSERT_TRUE(SaveDrawing(1));

  const DwgRec& dwg = Dwgs[1];
  ASSERT_GE(dwg.DrawID, 1);
  const String drawId = std::to_string(dwg.DrawID);
  EXPECT_EQ(Count("SELECT count(*) FROM Drawing"), 1);
  EXPECT_EQ(Text("SELECT Name || '|' || Revision || '|' || Nlines || '|' || Nobjects FROM Drawing"),
            "Shed|Rev. 0|1|2");
  EXPECT_EQ(Column("SELECT Rtype FROM Objects WHERE DrawingID = " + drawId + " ORDER BY ObjectID"),
            Texts({"6", "3"}));
  ASSERT_GE(Items[layer_].ObjectID, 1);
  ASSERT_GE(Items[group_].ObjectID, 1);
  EXPECT_FALSE(Items[layer_].CreationDate.isNull());
  EXPECT_EQ(Text("SELECT Rtype || '|' || NPoints || '|' || LayerID || '|' || OwnerID || '|' || DrawingID FROM Lines"),
            "11|5|" + std::to_string(Items[layer_].ObjectID) + "|" + std::to_string(Items[group_].ObjectID) + "|" +
                drawId);
  const Long lineId = Objs[polygon_].LineID;
  ASSERT_GE(lineId, 1);
  EXPECT_EQ(Column("SELECT PX || ',' || PY FROM Points WHERE LineID = " + std::to_string(lineId) +
                   " ORDER BY PointID"),
            Texts({"0.0,0.0", "4.0,0.0", "4.0,3.0", "0.0,3.0", "0.0,0.0"}));
  EXPECT_EQ(Dwgs[1].SourceDbPath, DwgDbPath);
  EXPECT_EQ(CurDrawID, dwg.DrawID);
}

TEST_F(SaveDataTest, SecondSaveUpdatesTheSameRowsAndAddsNone) {
  ASSERT_TRUE(SaveDrawing(1));
  const auto keys = std::make_tuple(Dwgs[1].DrawID, Items[layer_].ObjectID, Items[group_].ObjectID,
                                    Objs[polygon_].LineID);
  Objs[polygon_].Color = 255;
  Pnts[Objs[polygon_].PointID + 2].X = 9;
  Items[group_].Description = "outer walls";
  ASSERT_TRUE(SaveDrawing(1));

  EXPECT_EQ(keys, std::make_tuple(Dwgs[1].DrawID, Items[layer_].ObjectID, Items[group_].ObjectID,
                                  Objs[polygon_].LineID));
  EXPECT_EQ(Count("SELECT (SELECT count(*) FROM Drawing) * 1000 + (SELECT count(*) FROM Objects) * 100 +"
                  " (SELECT count(*) FROM Lines) * 10 + (SELECT count(*) FROM Points)"),
            1215);
  EXPECT_EQ(Count("SELECT Color FROM Lines"), 255);
  EXPECT_EQ(Count("SELECT PX FROM Points ORDER BY PointID LIMIT 1 OFFSET 2"), 9);
  EXPECT_EQ(Text("SELECT Description FROM Objects WHERE Rtype = 3"), "outer walls");
}

TEST_F(SaveDataTest, UpdatedLineKeepsExactlyItsVerticesInOrder) {
  ASSERT_TRUE(SaveDrawing(1));
  const String points = "SELECT PX || ',' || PY FROM Points ORDER BY PointID";
  // Two more vertices (the polygon is the last entity, so they follow its own).
  AddPnt(7, 7);
  AddPnt(8, 8);
  Objs[polygon_].NPoints = 7;
  ASSERT_TRUE(SaveDrawing(1));
  EXPECT_EQ(Column(points), Texts({"0.0,0.0", "4.0,0.0", "4.0,3.0", "0.0,3.0", "0.0,0.0", "7.0,7.0", "8.0,8.0"}));

  Objs[polygon_].NPoints = 3;
  ASSERT_TRUE(SaveDrawing(1));
  EXPECT_EQ(Column(points), Texts({"0.0,0.0", "4.0,0.0", "4.0,3.0"}));
  EXPECT_EQ(Count("SELECT NPoints FROM Lines"), 3);
}

TEST_F(SaveDataTest, ErasedEntitiesAreStoredOnlyWhenTheyHadARow) {
  const Long kept = AddEntity(EntityLine, {{0, 0}, {1, 1}});
  ASSERT_TRUE(SaveDrawing(1));
  const Long never = AddEntity(EntityLine, {{2, 2}, {3, 3}});
  Objs[never].LineID = 4711;  // a key from elsewhere: not this database's
  Objs[never].Erased = Objs[kept].Erased = FlagTrue;
  ASSERT_TRUE(SaveDrawing(1));

  EXPECT_EQ(Objs[never].LineID, 0);
  EXPECT_EQ(Count("SELECT count(*) FROM Lines"), 2);
  EXPECT_EQ(Count("SELECT Erased FROM Lines WHERE LineID = " + std::to_string(Objs[kept].LineID)), -1);
  EXPECT_EQ(Count("SELECT Nlines FROM Drawing"), 1);  // entities not erased
}

TEST_F(SaveDataTest, NewRevisionAddsACompleteSetAndTheRevisionIsMatchedExactly) {
  ASSERT_TRUE(SaveDrawing(1));
  const Long first = Dwgs[1].DrawID;
  const auto before = Dump(DwgDbPath);
  Dwgs[1].Revision = "Rev. 2";
  ASSERT_TRUE(SaveDrawing(1));

  const String second = std::to_string(Dwgs[1].DrawID);
  EXPECT_NE(Dwgs[1].DrawID, first);
  EXPECT_EQ(Count("SELECT count(*) FROM Drawing WHERE Name = 'Shed'"), 2);
  EXPECT_EQ(Count("SELECT count(*) FROM Objects WHERE DrawingID = " + second), 2);
  EXPECT_EQ(Count("SELECT count(*) FROM Lines WHERE DrawingID = " + second), 1);
  EXPECT_EQ(Count("SELECT count(*) FROM Points"), 10);
  const auto after = Dump(DwgDbPath);
  for (const auto& row : before) {
    EXPECT_NE(std::find(after.begin(), after.end(), row), after.end()) << row[0] << " row changed";
  }
  EXPECT_TRUE(CheckDrawingExists(1));
  Dwgs[1].Revision = "REV. 2";
  EXPECT_FALSE(CheckDrawingExists(1));
}

TEST_F(SaveDataTest, NamesWithQuotesAreStoredAndFound) {
  Dwgs[1].Name = "Bob's Shed";
  Items[layer_].Name = "Joe's layer";
  ASSERT_TRUE(SaveDrawing(1));
  EXPECT_TRUE(CheckDrawingExists(1));
  ASSERT_TRUE(SaveDrawing(1));  // found by its name again: nothing added
  EXPECT_EQ(Count("SELECT count(*) FROM Drawing WHERE Name = 'Bob''s Shed'"), 1);
  EXPECT_EQ(Count("SELECT count(*) FROM Objects WHERE Name = 'Joe''s layer'"), 1);
}

TEST_F(SaveDataTest, SavedDrawingLoadsBackWhole) {
  Dwgs[1].Name = "Bob's Shed";
  Items[layer_].Name = "Joe's layer";
  ASSERT_TRUE(SaveDrawing(1));
  const Long objsBefore = ObjCount;
  Open(2, "Other");
  Dwgs[2].DrawID = Dwgs[1].DrawID;
  ASSERT_TRUE(LoadDrawing());

  EXPECT_EQ(Dwgs[2].Name, "Bob's Shed");
  ASSERT_EQ(ObjCount, objsBefore + 1);
  const ObjRec& loaded = Objs[ObjCount];
  EXPECT_EQ(loaded.Rtype, EntityPolygon);
  ASSERT_EQ(loaded.NPoints, 5);
  for (Integer k = 0; k < 5; ++k) {
    EXPECT_EQ(Pnts[loaded.PointID + k].X, Pnts[Objs[polygon_].PointID + k].X);
    EXPECT_EQ(Pnts[loaded.PointID + k].Y, Pnts[Objs[polygon_].PointID + k].Y);
  }
  ASSERT_GE(loaded.LayerID, 1);
  EXPECT_EQ(Items[loaded.LayerID].Name, "Joe's layer");
  EXPECT_EQ(Items[loaded.LayerID].DwgNo, 2);
}

TEST_F(SaveDataTest, StoredDrawingWithKeysFromElsewhereIsReplacedAndOtherDrawingsKeepTheirRows) {
  // "Barn" is stored first, so its rows hold the keys a drawing loaded from
  // another database may carry.
  ASSERT_TRUE(SaveDrawing(1));
  Dwgs[1].Name = "Barn";
  Dwgs[1].DrawID = 0;
  ASSERT_TRUE(SaveDrawing(1));
  const String barn = std::to_string(Dwgs[1].DrawID);
  const auto barnRows = TestDatabase(DwgDbPath).Rows("SELECT * FROM Lines WHERE DrawingID = " + barn);
  const Long barnLine = Objs[polygon_].LineID;

  // Shed, as loaded from another database, with the same keys as Barn's rows.
  Dwgs[1].Name = "Shed";
  Dwgs[1].SourceDbPath = ScratchPath("Other_dwg.mdb");
  Objs[polygon_].LineID = barnLine;
  AddEntity(EntityLine, {{5, 5}, {6, 6}});
  ASSERT_TRUE(SaveDrawing(1));

  EXPECT_EQ(TestDatabase(DwgDbPath).Rows("SELECT * FROM Lines WHERE DrawingID = " + barn), barnRows);
  const String shed = std::to_string(Dwgs[1].DrawID);
  EXPECT_EQ(Count("SELECT count(*) FROM Drawing"), 2);
  EXPECT_EQ(Count("SELECT count(*) FROM Lines WHERE DrawingID = " + shed), 2);
  EXPECT_EQ(Count("SELECT count(*) FROM Objects WHERE DrawingID = " + shed), 2);
  EXPECT_EQ(Count("SELECT count(*) FROM Points"), 5 + 5 + 2);
  EXPECT_NE(Objs[polygon_].LineID, barnLine);
}

TEST_F(SaveDataTest, OverwriteReplacesTheStoredRowsOfThatNameAndRevision) {
  ASSERT_TRUE(SaveDrawing(1));
  const Long drawId = Dwgs[1].DrawID;
  const Long oldLine = Objs[polygon_].LineID;
  Items[group_].Rtype = ItemDeleted;  // gone from the drawing: its row goes too
  ASSERT_TRUE(SaveDrawing(1, {}, true));

  EXPECT_EQ(Dwgs[1].DrawID, drawId);
  EXPECT_EQ(Count("SELECT count(*) FROM Objects"), 1);
  EXPECT_EQ(Count("SELECT count(*) FROM Lines"), 1);
  EXPECT_EQ(Count("SELECT count(*) FROM Points"), 5);
  EXPECT_EQ(Count("SELECT count(*) FROM Lines WHERE LineID = " + std::to_string(oldLine)), 0);
}

// ---- Failures ------------------------------------------------------------------------------

TEST_F(SaveDataTest, FailureInTheLinePassLeavesTheDatabaseAndTheKeysAsBefore) {
  ASSERT_TRUE(SaveDrawing(1));
  for (int i = 0; i < 10; ++i) AddEntity(EntityLine, {{0, i}, {1, i}});
  const auto before = Dump(DwgDbPath);
  const Long drawId = Dwgs[1].DrawID, layerId = Items[layer_].ObjectID;
  FailPointInsert(7);  // in the middle of the new lines' points
  Dwgs[1].Revision = "Rev. 1";
  DlgCancelled = FlagFalse;
  Responder().AnswerMsgBox(vbOK);

  EXPECT_FALSE(SaveDrawing(1));
  EXPECT_EQ(Dump(DwgDbPath), before);
  EXPECT_EQ(Dwgs[1].DrawID, drawId);
  EXPECT_EQ(Items[layer_].ObjectID, layerId);
  for (Long j = polygon_ + 1; j <= ObjCount; ++j) EXPECT_EQ(Objs[j].LineID, 0) << "entity " << j;
  EXPECT_TRUE(DlgCancelled);
  const PromptRecord& box = Responder().Prompts().back();
  EXPECT_EQ(box.title, "Save Drawing Lines");
  EXPECT_EQ(box.text, "19: disk full");
}

TEST_F(SaveDataTest, MissingDatabaseIsReportedUnderTheOperationsTitleAndCancels) {
  DwgDbPath = ScratchPath("Gone_dwg.mdb");
  const struct {
    const char* title;  // of the one message box
    std::function<bool()> operation;
  } cases[] = {
      {"Check Drawing", [] { return CheckDrawingExists(1); }},
      {"Save Drawing Record", [] { return SaveDrawing(1); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    const size_t asked = Responder().Prompts().size();
    DlgCancelled = FlagFalse;
    Responder().AnswerMsgBox(vbOK);
    EXPECT_FALSE(c.operation());
    EXPECT_TRUE(DlgCancelled);
    ASSERT_EQ(Responder().Prompts().size(), asked + 1);
    EXPECT_EQ(Responder().Prompts().back().title, c.title);
  }
  EXPECT_EQ(Dwgs[1].DrawID, 0);
}

// ---- Keys past 2^31 ------------------------------------------------------------------------

// Keys are never reused: a long-lived database hands out keys past 2^31.
void StartKeysAt(const String& path, const String& first) {
  TestDatabase db(path, true);
  for (const char* table : {"Drawing", "Objects", "Lines", "Points"}) {
    db.Exec("DELETE FROM sqlite_sequence WHERE name = '" + String(table) + "'");
    db.Exec("INSERT INTO sqlite_sequence (name, seq) VALUES ('" + String(table) + "', " + first + ")");
  }
}

TEST_F(SaveDataTest, KeysPastTwoToTheThirtyOneSaveLoadAndUpdateMovedVertices) {
  StartKeysAt(DwgDbPath, "3000000000");
  ASSERT_TRUE(SaveDrawing(1));
  EXPECT_EQ(Objs[polygon_].LineID, static_cast<DbKey>(Count("SELECT LineID FROM Lines")));
  EXPECT_GT(Objs[polygon_].LineID, DbKey{3000000000});
  EXPECT_GT(Dwgs[1].DrawID, DbKey{3000000000});
  EXPECT_EQ(Count("SELECT count(*) FROM Points WHERE LineID = " + std::to_string(Objs[polygon_].LineID)), 5);

  // A vertex moved is an update of its point row by its key.
  Pnts[Objs[polygon_].PointID + 2].X = 9;
  ASSERT_TRUE(SaveDrawing(1));
  EXPECT_EQ(Count("SELECT count(*) FROM Points"), 5);

  Open(2, "Other");
  Dwgs[2].DrawID = Dwgs[1].DrawID;
  ASSERT_TRUE(LoadDrawing());
  const ObjRec& loaded = Objs[ObjCount];
  EXPECT_EQ(loaded.LineID, Objs[polygon_].LineID);
  ASSERT_EQ(loaded.NPoints, 5);
  EXPECT_EQ(Pnts[loaded.PointID + 2].X, 9);
  ASSERT_GE(loaded.LayerID, 1);
  EXPECT_EQ(Items[loaded.LayerID].Name, "Layer 1");
  ASSERT_GE(loaded.OwnerID, 1);
  EXPECT_EQ(Items[loaded.OwnerID].Name, "Walls");
}

// The largest key a Long holds and the first one past it: saved twice, the
// drawing is one row, and it loads.
TEST_F(SaveDataTest, ADrawingKeyedAtTheLargestLongSavesOnceAndLoads) {
  for (const char* last : {"2147483646", "2147483647"}) {
    DwgDbPath = MakeDrawingsDb(String("Keys") + last + "_dwg.mdb");
    StartKeysAt(DwgDbPath, last);
    Dwgs[1].DrawID = 0;
    ASSERT_TRUE(CheckDrawingExists(1) == false && SaveDrawing(1)) << last;
    ASSERT_TRUE(CheckDrawingExists(1)) << last;
    ASSERT_TRUE(SaveDrawing(1, {}, true)) << last;
    EXPECT_EQ(Count("SELECT count(*) FROM Drawing"), 1) << last;
    EXPECT_EQ(Count("SELECT DrawID FROM Drawing"), std::stoll(last) + 1) << last;
    Open(2, "Other");
    Dwgs[2].DrawID = Dwgs[1].DrawID;
    Dwgs[2].Name = Dwgs[1].Name;
    ASSERT_TRUE(LoadDrawing()) << last;
    EXPECT_EQ(Objs[ObjCount].NPoints, 5) << last;
    CurDwg = 1;
  }
}

TEST_F(SaveDataTest, AnUpdateOfAPointRowThatChangesNoRowFailsTheSaveAndRollsBack) {
  ASSERT_TRUE(SaveDrawing(1));
  TestDatabase(DwgDbPath, true)
      .Exec("CREATE TRIGGER KeepPoints BEFORE UPDATE ON Points BEGIN SELECT RAISE(IGNORE); END");
  Pnts[Objs[polygon_].PointID].X = -7;
  Dwgs[1].Description = "moved";
  const auto before = Dump(DwgDbPath);
  Responder().AnswerMsgBox(vbOK);

  EXPECT_FALSE(SaveDrawing(1));
  EXPECT_EQ(Dump(DwgDbPath), before);
  ASSERT_FALSE(Responder().Prompts().empty());
  EXPECT_EQ(Responder().Prompts().back().title, "Save Drawing Lines");
  EXPECT_NE(Responder().Prompts().back().text.find("Points"), String::npos);
}

// ---- Values that are not finite ------------------------------------------------------------

TEST_F(SaveDataTest, ANonFiniteValueIsRefusedNamingItsObjectAndNothingIsWritten) {
  ASSERT_TRUE(SaveDrawing(1));
  const auto before = Dump(DwgDbPath);
  Pnts[Objs[polygon_].PointID + 1].Y = std::numeric_limits<Double>::infinity();  // past every check of the model
  Responder().AnswerMsgBox(vbOK);
  DlgCancelled = FlagFalse;

  EXPECT_FALSE(SaveDrawing(1));
  EXPECT_TRUE(DlgCancelled);
  EXPECT_EQ(Dump(DwgDbPath), before);
  ASSERT_EQ(Responder().Prompts().size(), 1u);
  const String& text = Responder().Prompts()[0].text;
  EXPECT_NE(text.find("Polygon"), String::npos) << text;
  EXPECT_NE(text.find("line " + std::to_string(Objs[polygon_].LineID)), String::npos) << text;
}

TEST_F(SaveDataTest, AShapeOfTheMostPointsIsStoredWholeAndStoredAgainInPlace) {
  constexpr Long most = std::numeric_limits<Integer>::max();
  AddObj(EntityPolyline, static_cast<Integer>(most));
  for (Long k = 0; k < most; ++k) AddPnt(k, k % 7);
  const Long line = ObjCount;
  const String last = "SELECT PX * 10 + PY FROM Points WHERE LineID = ";
  ASSERT_TRUE(SaveDrawing(1));
  EXPECT_EQ(Count("SELECT count(*) FROM Points"), most + 5);  // with the polygon's five
  EXPECT_EQ(Count(last + std::to_string(Objs[line].LineID) + " ORDER BY PointID DESC LIMIT 1"),
            (most - 1) * 10 + (most - 1) % 7);
  // Stored again, every row is rewritten in place: none is added.
  Pnts[Objs[line].PointID + most - 1].Y = 9;
  ASSERT_TRUE(SaveDrawing(1));
  EXPECT_EQ(Count("SELECT count(*) FROM Points"), most + 5);
  EXPECT_EQ(Count(last + std::to_string(Objs[line].LineID) + " ORDER BY PointID DESC LIMIT 1"),
            (most - 1) * 10 + 9);
}

TEST_F(SaveDataTest, ADrawingRowWithDamagedExtentsLoadsAndItsExtentsAreRecomputed) {
  ASSERT_TRUE(SaveDrawing(1));
  const String drawId = std::to_string(Dwgs[1].DrawID);
  Long id = 1;
  for (const char* damaged : {"NULL", "'wide'", "1e999", "-1e999"}) {
    TestDatabase(DwgDbPath, true).Exec("UPDATE Drawing SET Xmin = " + String(damaged) + ", Ymax = " + damaged);
    Open(++id, "Other");
    Dwgs[id].DrawID = Dwgs[1].DrawID;
    EXPECT_TRUE(LoadDrawing()) << damaged;
    EXPECT_EQ(Dwgs[id].Nlines, 1) << damaged;
    // The polygon spans 0..4 x 0..3.
    EXPECT_EQ(Dwgs[id].Xmin, 0) << damaged;
    EXPECT_EQ(Dwgs[id].Xmax, 4) << damaged;
    EXPECT_EQ(Dwgs[id].Ymax, 3) << damaged;
  }
}

// ---- Components ----------------------------------------------------------------------------

class ComponentSaveTest : public SaveFixture {
 protected:
  void SetUp() override {
    SaveFixture::SetUp();
    CompDbPath = DwgDbPath;
  }
  std::vector<String> ComponentNames() { return Column("SELECT Name FROM Components ORDER BY ObjectID"); }
};

TEST_F(ComponentSaveTest, TreeIsSavedPlacedComponentsFirstWithGeometryUnderTheOwnersKey) {
  const Long z = AddComponent("Z"), y = AddComponent("Y"), x = AddComponent("X");
  const Long xPlacesY = AddDefinitionEntity(x, EntityComponent, y);
  AddDefinitionEntity(y, EntityComponent, z);
  Long root = x;
  ASSERT_TRUE(SaveComponentTree(root));

  EXPECT_EQ(ComponentNames(), Texts({"Z", "Y", "X"}));
  for (Long c : {x, y, z}) {
    EXPECT_EQ(Count("SELECT count(*) FROM Lines WHERE DrawingID = 0 AND OwnerID = " +
                    std::to_string(Items[c].ObjectID)),
              Items[c].Nlines);
  }
  EXPECT_EQ(Count("SELECT ObjectID FROM Lines WHERE LineID = " + std::to_string(Objs[xPlacesY].LineID)),
            Items[y].ObjectID);
  EXPECT_EQ(Count("SELECT count(*) FROM Lines WHERE DrawingID <> 0"), 0);
}

TEST_F(ComponentSaveTest, PlacementCycleSavesEachComponentOnce) {
  const Long a = AddComponent("A"), b = AddComponent("B");
  AddDefinitionEntity(a, EntityComponent, b);
  AddDefinitionEntity(b, EntityComponent, a);
  AddDefinitionEntity(a, EntityComponent, b);  // placed twice: still saved once
  Long root = a;
  ASSERT_TRUE(SaveComponentTree(root));
  EXPECT_EQ(ComponentNames(), Texts({"B", "A"}));
}

// Following a chain of 20,000 components each placing the next takes a
// small, fixed stack: here a thread with 256 KiB, where a walk that recursed
// once per level would overflow. The tree lists the deepest first.
TEST_F(ComponentSaveTest, AChainOfTwentyThousandNestedComponentsIsFollowedWithoutRecursion) {
  constexpr Long depth = 20000;
  std::vector<Long> chain;
  for (Long k = 0; k < depth; ++k) chain.push_back(AddComponent(ChainName(k)));
  for (Long k = 0; k + 1 < depth; ++k) AddDefinitionEntity(chain[k], EntityComponent, chain[k + 1]);

  struct Walk {
    Long root;
    std::vector<Long> tree;
  } walk{chain.front(), {}};
  pthread_attr_t small;
  pthread_attr_init(&small);
  pthread_attr_setstacksize(&small, 256 * 1024);
  pthread_t walker;
  auto follow = [](void* data) -> void* {
    auto* w = static_cast<Walk*>(data);
    w->tree = ComponentTreeItems(w->root);
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&walker, &small, follow, &walk), 0);
  pthread_join(walker, nullptr);
  pthread_attr_destroy(&small);

  const std::vector<Long>& tree = walk.tree;
  ASSERT_EQ(static_cast<Long>(tree.size()), depth);
  EXPECT_EQ(tree.front(), chain.back());
  EXPECT_EQ(tree.back(), chain.front());

  Long root = chain.front();
  ASSERT_TRUE(SaveComponentTree(root));
  EXPECT_EQ(Count("SELECT count(*) FROM Components"), depth);
  EXPECT_EQ(Text("SELECT Name FROM Components ORDER BY ObjectID LIMIT 1"), "C19999");
}

TEST_F(ComponentSaveTest, ComponentWithoutLinesWritesNothing) {
  NewItemName = "Empty";
  AddItem(ItemComponent);
  Long empty = ItemCount;
  SaveComponent(empty);
  ASSERT_TRUE(SaveComponentTree(empty));
  EXPECT_EQ(Count("SELECT count(*) FROM Components") + Count("SELECT count(*) FROM Lines"), 0);
}

TEST_F(ComponentSaveTest, ResaveRewritesTheOwnersRowsAndNeverAppendsASecondCopy) {
  Long c = AddComponent("Door");
  const Long swing = AddDefinitionEntity(c, EntityLine, 0);
  SaveComponent(c);
  const Long key = Items[c].ObjectID;
  const String rows = "SELECT count(*) FROM Lines WHERE OwnerID = " + std::to_string(key);
  ASSERT_EQ(Count(rows), 2);

  // Loaded from another database: other keys in memory, and one more line.
  Items[c].ObjectID = 77;
  for (Long j = 1; j <= ObjCount; ++j) Objs[j].LineID += 500;
  AddDefinitionEntity(c, EntityLine, 0);
  SaveComponent(c);
  EXPECT_EQ(Items[c].ObjectID, key);
  EXPECT_EQ(Count(rows), 3);
  EXPECT_EQ(Count("SELECT count(*) FROM Points"), 6);

  // A hidden line is not stored; the rows kept are rewritten in place.
  const Long swingRow = Objs[swing].LineID;
  Objs[swing].Show = FlagFalse;
  --Items[c].Nlines;
  SaveComponent(c);
  EXPECT_EQ(Count(rows), 2);
  EXPECT_EQ(Count("SELECT count(*) FROM Lines WHERE LineID = " + std::to_string(swingRow)), 0);
  EXPECT_EQ(Count("SELECT count(*) FROM Components"), 1);
}

TEST_F(ComponentSaveTest, UpdateRenamesTheRowFoundUnderTheOldName) {
  Long c = AddComponent("Window");
  SaveComponent(c);
  Items[c].Name = "Window 2";
  ComponentName = "Window";
  UpdateComponent(c);
  EXPECT_EQ(ComponentNames(), Texts({"Window 2"}));

  ComponentName = "Never stored";
  Items[c].Name = "O'Brien's window";
  UpdateComponent(c);
  EXPECT_EQ(ComponentNames(), Texts({"Window 2", "O'Brien's window"}));
}

TEST_F(ComponentSaveTest, FailureInTheGeometryRollsTheComponentBack) {
  Long c = AddComponent("Stair");
  FailPointInsert(2);
  Responder().AnswerMsgBox(vbOK);
  SaveComponent(c);
  EXPECT_EQ(Responder().Prompts().back().title, "Save Object Lines: Stair");
  EXPECT_EQ(Count("SELECT count(*) FROM Components") + Count("SELECT count(*) FROM Lines"), 0);
  EXPECT_EQ(Items[c].ObjectID, 0);
}

}  // namespace
}  // namespace lintavo
