// Loading a stored drawing into a drawing window: the drawing row, its items,
// its lines with their points, the links of the loaded entities, and what a
// damaged file does.
#include "model/ProgramState.h"
#include "model/UndoRedo.h"
#include "organisation/Layers.h"
#include "platform/Prompts.h"
#include "storage/FileMenu.h"
#include "storage/LoadObjects.h"
#include "storage/SaveData.h"
#include "storage/StoredDrawing.h"
#include "storage/SupportFiles.h"
#include "support/DrawingDriver.h"
#include "support/ModelBuilders.h"
#include "view/DrawDispatch.h"
#include "view/ViewFixture.h"

namespace lintavo {
namespace {

class LoadDrawingTest : public StoredDrawingTest {
 protected:
  void TearDown() override {
    fresh_.reset();
    StoredDrawingTest::TearDown();
  }
  // A fresh program with a fresh window 1, so that nothing of a saved
  // drawing is left in memory; then stored drawing drawId is loaded into it.
  bool LoadIntoFreshProgram(Long drawId, const String& name) {
    ResetProgramState();
    DwgDbPath = path_;
    fresh_ = std::make_unique<frmDocument>();
    Open(*fresh_, 1);
    return LoadStored(drawId, name);
  }

  std::unique_ptr<frmDocument> fresh_;  // the window of the fresh program
};

// ---- Round trip ----------------------------------------------------------------------------

// What must come back of one entity, its links by the items' names and kinds.
struct EntitySnapshot {
  Integer type, ltype, weight, nPoints;
  Long color;
  Single width;
  std::vector<std::pair<Double, Double>> points;
  String name, layer, owner, shown;
  Integer ownerKind, shownKind;

  static EntitySnapshot Of(Long i) {
    const ObjRec& o = Objs[i];
    EntitySnapshot s{o.Rtype, o.Ltype, o.Weight, o.NPoints, o.Color, o.Width, {}, o.Name, "", "", "", 0, 0};
    for (Long k = 0; k < o.NPoints; ++k) s.points.emplace_back(Pnts[o.PointID + k].X, Pnts[o.PointID + k].Y);
    if (o.LayerID > 0) s.layer = Items[o.LayerID].Name;
    if (o.OwnerID > 0) s.owner = Items[o.OwnerID].Name, s.ownerKind = Items[o.OwnerID].Rtype;
    if (o.ObjectID > 0) s.shown = Items[o.ObjectID].Name, s.shownKind = Items[o.ObjectID].Rtype;
    return s;
  }
  bool operator==(const EntitySnapshot&) const = default;
  friend void PrintTo(const EntitySnapshot& s, std::ostream* os) {
    *os << "type " << s.type << " \"" << s.name << "\" colour " << s.color << ", " << s.points.size()
        << " points, layer \"" << s.layer << "\", owner \"" << s.owner << "\" (kind " << s.ownerKind
        << "), shows \"" << s.shown << "\" (kind " << s.shownKind << ")";
  }
};

// Appends a definition entity of no drawing owned by item owner.
void AddDefinitionLine(Long owner, Double x1, Double y1, Double x2, Double y2) {
  LoadObj = ObjRec{};
  LoadObj.Rtype = EntityLine;
  LoadObj.Show = FlagTrue;
  LoadObj.Color = 255;
  LoadObj.NPoints = 2;
  LoadObj.OwnerID = LoadObj.ObjectID = owner;
  LoadPnts[1] = PntRec{1, 0, x1, y1};
  LoadPnts[2] = PntRec{2, 0, x2, y2};
  AddLoadedObj();
}

Long AddStyled(Integer type, std::initializer_list<std::pair<Double, Double>> points, Long color, Integer ltype,
               Integer weight, Single width) {
  const Long obj = AddEntity(type, points);
  ObjRec& o = Objs[obj];
  o.Color = color;
  o.Ltype = ltype;
  o.Weight = weight;
  o.Width = width;
  return obj;
}

TEST_F(LoadDrawingTest, RoundTripOfEveryEntityTypeRestoresEachEntityAndItsLinks) {
  const Long walls = EnsureLayer("Walls");
  doc_.Current_Layer = walls;
  const Long group = AddNamedItem(ItemGroup, "Group A", 0, 0);
  const Long room = AddNamedItem(ItemArea, "Room", 0, 0);
  const Long bolt = AddNamedItem(ItemComponent, "Bolt", 0, 0);
  Items[bolt].DwgNo = 0;
  Items[bolt].DrawingID = 0;
  AddDefinitionLine(bolt, 0, 0, 1, 0);
  AddDefinitionLine(bolt, 0, 0, 0, 1);
  Items[bolt].Nlines = 2;

  AddStyled(EntityPoint, {{1, 1}}, 0x0000FF, 0, 1, 0);
  Objs[AddStyled(EntityLine, {{0, 0}, {5, 2}}, 0x00FF00, 2, 3, 0.5f)].OwnerID = group;
  AddStyled(EntityCircle, {{3, 3}, {4, 3}}, 0xFF0000, 1, 1, 0);
  AddStyled(EntityArc, {{0, 0}, {1, 0}, {0, 1}, {-1, 0}}, 0x123456, 3, 2, 0);
  AddStyled(EntityEllipticArc, {{0, 0}, {4, 0}, {2, 1}, {2, -1}, {4, 0}, {0, 0}}, 7, 0, 1, 0);
  AddStyled(EntityEllipse, {{0, 0}, {4, 0}, {2, 1}, {2, -1}}, 8, 0, 1, 0);
  AddStyled(EntitySpline, {{0, 0}, {1, 1}, {2, 0}}, 9, 0, 1, 0);
  AddStyled(EntityBezier, {{0, 0}, {1, 2}, {2, 2}, {3, 0}}, 10, 0, 1, 0);
  AddStyled(EntityContBezier, {{0, 0}, {1, 1}, {2, 1}, {3, 0}, {4, -1}, {5, -1}, {6, 0}}, 11, 0, 1, 0);
  AddStyled(EntityPolyline, {{0, 0}, {1, 0}, {1, 1}}, 12, 4, 1, 0);
  AddStyled(EntityPolygon, {{0, 0}, {2, 0}, {2, 2}, {0, 0}}, 13, 0, 1, 0);
  const Long outline = AddStyled(EntityPolygon, {{5, 5}, {9, 5}, {9, 9}, {5, 5}}, 14, 0, 1, 0);
  Objs[outline].Name = "Room";
  Objs[outline].ObjectID = Objs[outline].OwnerID = room;
  for (int k = 0; k < 3; ++k) {
    const Long placed = AddStyled(EntityComponent, {{2.0 * k, 7}, {1, 1}, {0, 0}}, 15, 0, 1, 0);
    Objs[placed].Name = "Bolt";
    Objs[placed].ObjectID = Objs[placed].OwnerID = bolt;
  }
  Objs[AddStyled(EntityTextChar, {{1, 9}, {0.5, 0.5}, {0, 0}, {0, 0}, {0, 0}}, 16, 0, 1, 0)].Name = "TEXT-65";
  AddStyled(EntityDimension, {{0, 0}, {1, 1}, {0, 0}}, 17, 0, 1, 0);
  for (Integer type : {EntityFill, EntityHatch}) {
    const Long area = AddStyled(type, {{5, 5}, {1, 1}, {0, 0}}, 18, 0, 1, 0);
    Objs[area].Name = "Room";
    Objs[area].ObjectID = Objs[area].OwnerID = room;
  }
  std::vector<EntitySnapshot> saved;
  for (Long i : EntitiesOf(1)) saved.push_back(EntitySnapshot::Of(i));
  ASSERT_TRUE(SaveDrawing(1, {bolt}, false)) << ::testing::PrintToString(Responder().MessageTexts());
  const Long drawId = Dwgs[1].DrawID;
  const String name = Dwgs[1].Name;

  ASSERT_TRUE(LoadIntoFreshProgram(drawId, name));

  const std::vector<Long> loaded = EntitiesOf(1);
  ASSERT_EQ(loaded.size(), saved.size());
  for (size_t k = 0; k < loaded.size(); ++k) {
    EXPECT_EQ(EntitySnapshot::Of(loaded[k]), saved[k]) << "entity " << k + 1 << " of type " << saved[k].type;
    if (k > 0) {
      EXPECT_GT(Objs[loaded[k]].LineID, Objs[loaded[k - 1]].LineID);
    }
  }
  Long components = 0;
  for (Long i = 1; i <= ItemCount; ++i) components += Items[i].Rtype == ItemComponent;
  EXPECT_EQ(components, 1);  // placed three times, read once
  for (Long i = 1; i <= ItemCount; ++i) {
    if (Items[i].Rtype >= ItemGroup) {
      EXPECT_EQ(Items[i].DwgNo, 1) << Items[i].Name;
    }
  }
  EXPECT_TRUE(Responder().MessageTexts().empty());
}

TEST_F(LoadDrawingTest, LayersRoundTripWithTheirNamesShowAndLock) {
  struct LayerState {
    String name;
    Integer show, lock;
  };
  const LayerState layers[] = {{"Walls", FlagTrue, FlagFalse},
                               {"Hidden and locked", FlagFalse, FlagTrue},
                               {"Joe's \"quoted\" layer", FlagTrue, FlagTrue}};
  for (const LayerState& state : layers) {
    const Long layer = EnsureLayer(state.name);
    Items[layer].Show = state.show;
    Items[layer].Lock = state.lock;
    Objs[AddStyled(EntityLine, {{0, 0}, {5, 2}}, 0x00FF00, 0, 1, 0)].LayerID = layer;
  }
  ASSERT_TRUE(SaveDrawing(1)) << ::testing::PrintToString(Responder().MessageTexts());
  const Long drawId = Dwgs[1].DrawID;
  const String name = Dwgs[1].Name;

  ASSERT_TRUE(LoadIntoFreshProgram(drawId, name));
  for (const LayerState& state : layers) {
    LayerNameSought = state.name;
    Long index = 0;
    ASSERT_TRUE(FindLayerByName(index)) << state.name;
    EXPECT_EQ(Items[index].Show, state.show) << state.name;
    EXPECT_EQ(Items[index].Lock, state.lock) << state.name;
    Long onIt = 0;
    for (Long i : EntitiesOf(1)) onIt += Objs[i].LayerID == index;
    EXPECT_EQ(onIt, 1) << state.name;
  }
  EXPECT_TRUE(Responder().MessageTexts().empty());
}

// Every row of the drawing's Lines (but the PointID column, a place in
// the table of the session that wrote it) and Points, in key order.
std::vector<std::vector<String>> StoredRows(TestDatabase& db) {
  std::vector<std::vector<String>> rows = db.Rows(
      "SELECT LineID, Rtype, Name, Show, Erased, Flag, Selected, \"Select\", Color, Ltype, Weight, Width, Area, "
      "NPoints, LayerID, OwnerID, ObjectID, DrawingID FROM Lines ORDER BY LineID");
  for (auto& row : db.Rows("SELECT PointID, LineID, PX, PY FROM Points ORDER BY PointID")) rows.push_back(row);
  return rows;
}

TEST_F(LoadDrawingTest, ADrawingLoadedAndSavedAgainKeepsEveryRowAsItWas) {
  AddStyled(EntityLine, {{0, 0}, {5, 2}}, 0x00FF00, 2, 3, 0.5f);
  AddObj(EntityPolyline, 1500);  // more vertices than the staging list starts with
  for (int k = 0; k < 1500; ++k) AddPnt(k * 0.25, (k % 7) - 3.5);
  AddStyled(EntityCircle, {{3, 3}, {4, 3}}, 0xFF0000, 1, 1, 0);
  ASSERT_TRUE(SaveDrawing(1)) << ::testing::PrintToString(Responder().MessageTexts());
  const Long drawId = Dwgs[1].DrawID;
  const String name = Dwgs[1].Name;
  const auto saved = StoredRows(Db());

  ASSERT_TRUE(LoadIntoFreshProgram(drawId, name));
  const std::vector<Long> loaded = EntitiesOf(1);
  ASSERT_EQ(loaded.size(), 3u);
  ASSERT_EQ(Objs[loaded[1]].NPoints, 1500);
  EXPECT_DOUBLE_EQ(Pnts[Objs[loaded[1]].PointID + 1499].X, 1499 * 0.25);
  Dwgs[1].SourceDbPath = DwgDbPath;  // as the drawing window records where it loaded from
  ASSERT_TRUE(SaveDrawing(1));
  EXPECT_EQ(StoredRows(Db()), saved);
  EXPECT_TRUE(Responder().MessageTexts().empty());
}

TEST_F(LoadDrawingTest, PointRowsStoredOutOfTheOrderOfTheirLinesComeBackAsEachLinesVertices) {
  const Long plan = AddDrawingRow("Plan", 0, 4);
  const Long other = AddDrawingRow("Other", 0, 1);
  StoredLine counted;
  counted.type = EntityPolyline;
  counted.nPoints = 3;
  const Long first = AddLineRow(plan, counted);
  const Long foreign = AddLineRow(other, counted);
  const Long second = AddLineRow(plan, counted);
  const Long missing = AddLineRow(plan, counted);  // two of its three rows are there
  const Long last = AddLineRow(plan, counted);
  // Rows of the lines interleaved, another drawing's among them, in no order of the lines.
  const std::vector<std::pair<Long, double>> rows = {
      {last, 1},   {second, 1}, {first, 1}, {foreign, 9}, {missing, 1}, {second, 2}, {last, 2},
      {first, 2},  {foreign, 9}, {second, 3}, {missing, 2}, {first, 3}, {first, 4}, {last, 3}};
  for (const auto& [line, x] : rows)
    Db().Exec("INSERT INTO Points (LineID, PX, PY) VALUES (" + std::to_string(line) + ", " + std::to_string(x) +
              ", " + std::to_string(line) + ")");
  Responder().AnswerMsgBox(vbOK);
  EXPECT_TRUE(LoadStored(plan));
  const std::vector<Long> loaded = EntitiesOf(1);
  ASSERT_EQ(loaded.size(), 3u);
  for (size_t n = 0; n < loaded.size(); ++n) {
    const ObjRec& o = Objs[loaded[n]];
    EXPECT_EQ(o.LineID, (std::vector<Long>{first, second, last})[n]);
    ASSERT_EQ(o.NPoints, 3);
    for (Long k = 0; k < 3; ++k) {
      EXPECT_DOUBLE_EQ(Pnts[o.PointID + k].X, k + 1.0) << "line " << o.LineID;  // the fourth row of first is unread
      EXPECT_DOUBLE_EQ(Pnts[o.PointID + k].Y, o.LineID);
    }
  }
  EXPECT_EQ(Responder().MessageTexts(), std::vector<String>{"Point 3 Not Found for Line: " + std::to_string(missing)});
}

// ---- The drawing row -------------------------------------------------------------------------

TEST_F(LoadDrawingTest, MissingDrawingRowSaysNotFoundAndReadsNothing) {
  AddSegment(AddDrawingRow("Other", 0, 1), 0, 0, 1, 1);
  Responder().AnswerMsgBox(vbOK);
  CompDbPath = "components.mdb";
  EXPECT_FALSE(LoadStored(99, "Ghost"));
  ASSERT_EQ(Responder().Prompts().size(), 1u);
  EXPECT_EQ(Responder().Prompts()[0].text, " Drawing Ghost Not Found!!");
  EXPECT_EQ(Responder().Prompts()[0].title, "Load Drawing");
  EXPECT_TRUE(EntitiesOf(1).empty());
  EXPECT_EQ(CompDbPath, "components.mdb");
}

TEST_F(LoadDrawingTest, StoredCountsGateTheReadsOfItemsAndLines) {
  const Long uncounted = AddDrawingRow("Uncounted", 0, 0);
  AddItemRow(uncounted, ItemLayer, "Layer 1");
  AddSegment(uncounted, 0, 0, 1, 1);
  const Long items = ItemCount;
  EXPECT_TRUE(LoadStored(uncounted));
  EXPECT_EQ(ItemCount, items);
  EXPECT_TRUE(EntitiesOf(1).empty());
  EXPECT_EQ(Dwgs[1].Nobjects, 0);
  EXPECT_EQ(Dwgs[1].Revision, "Rev. 0");
  EXPECT_DOUBLE_EQ(Dwgs[1].Xlimit, 17);
  EXPECT_EQ(Dwgs[1].Show, FlagTrue);
}

// ---- Damaged rows -------------------------------------------------------------------------

TEST_F(LoadDrawingTest, LineWithMissingPointsIsReportedOnceAndTheLinesAfterItLoad) {
  const Long plan = AddDrawingRow("Plan", 0, 4);
  AddSegment(plan, 0, 0, 1, 1);
  StoredLine noRows;
  noRows.nPoints = 2;
  const Long bare = AddLineRow(plan, noRows);
  StoredLine shortOne;
  shortOne.type = EntityPolyline;
  shortOne.points = {{0, 0}, {1, 0}};
  shortOne.nPoints = 3;
  AddLineRow(plan, shortOne);
  AddSegment(plan, 2, 2, 3, 3);
  Responder().AnswerMsgBox(vbOK);
  EXPECT_TRUE(LoadStored(plan));
  const std::vector<Long> loaded = EntitiesOf(1);
  ASSERT_EQ(loaded.size(), 2u);
  EXPECT_DOUBLE_EQ(Pnts[Objs[loaded[1]].PointID].X, 2);
  EXPECT_EQ(Responder().MessageTexts(), std::vector<String>{"First Point Not Found for Line: " + std::to_string(bare)});

  const Long section = AddDrawingRow("Section", 0, 1);
  const Long gap = AddLineRow(section, shortOne);
  frmDocument second;
  Open(second, 2);
  Responder().AnswerMsgBox(vbOK);
  LoadStored(section);
  EXPECT_EQ(Responder().MessageTexts().back(), "Point 3 Not Found for Line: " + std::to_string(gap));
}

TEST_F(LoadDrawingTest, DamagedRowsAreSkippedWithOneReportAndNeverStopTheLoad) {
  const Long plan = AddDrawingRow("Plan", 0, 6);
  const Long nullColor = AddSegment(plan, 0, 0, 1, 1);
  Db().Exec("UPDATE Lines SET Color = NULL WHERE LineID = " + std::to_string(nullColor));
  StoredLine none;
  none.nPoints = 0;
  AddLineRow(plan, none);
  StoredLine huge;
  huge.points = {{0, 0}, {1, 1}};
  huge.nPoints = 1000000;
  AddLineRow(plan, huge);
  StoredLine unknown;
  unknown.type = 99;
  unknown.points = {{0, 0}, {1, 1}};
  AddLineRow(plan, unknown);
  StoredLine tooFew;
  tooFew.type = EntityArc;
  tooFew.points = {{0, 0}, {1, 0}};
  AddLineRow(plan, tooFew);
  AddSegment(plan, 4, 4, 5, 5);
  Responder().AnswerMsgBox(vbOK);
  EXPECT_TRUE(LoadStored(plan));
  const std::vector<Long> loaded = EntitiesOf(1);
  ASSERT_EQ(loaded.size(), 1u);
  EXPECT_DOUBLE_EQ(Pnts[Objs[loaded[0]].PointID].X, 4);
  ASSERT_EQ(Responder().MessageTexts().size(), 1u);
  EXPECT_EQ(Responder().MessageTexts()[0], "A line with a damaged value was skipped (LineID " + std::to_string(nullColor) + ").");
  EXPECT_EQ(LoadPntsMax, 1000);  // the huge count never grew the staging buffer
}

// A text in a number column (Color = 'red', a point's 'far') is a damaged
// value like a Null: that line alone is skipped and told, the rest loads.
TEST_F(LoadDrawingTest, TextInANumberColumnSkipsOnlyItsLine) {
  const Long plan = AddDrawingRow("Plan", 0, 21);
  std::vector<Long> keys;
  for (int k = 0; k < 21; ++k) keys.push_back(AddSegment(plan, k, 0, k, 1));
  Db().Exec("UPDATE Lines SET Color = 'red' WHERE LineID = " + std::to_string(keys[0]));
  Db().Exec("UPDATE Points SET PX = 'far' WHERE PointID = (SELECT min(PointID) FROM Points WHERE LineID = " +
            std::to_string(keys[7]) + ")");
  Responder().AnswerMsgBox(vbOK);
  EXPECT_TRUE(LoadStored(plan));
  const std::vector<Long> loaded = EntitiesOf(1);
  ASSERT_EQ(loaded.size(), 19u);
  EXPECT_DOUBLE_EQ(Pnts[Objs[loaded[0]].PointID].X, 1);
  EXPECT_DOUBLE_EQ(Pnts[Objs[loaded.back()].PointID].X, 20);
  ASSERT_EQ(Responder().MessageTexts().size(), 1u);
  EXPECT_EQ(Responder().MessageTexts()[0], "A line with a damaged value was skipped (LineID " + std::to_string(keys[0]) + ").");
}

TEST_F(LoadDrawingTest, LinksToItemsThatDoNotExistAreDroppedAndReported) {
  const Long plan = AddDrawingRow("Plan", 2, 4);
  const Long layer = AddItemRow(plan, ItemLayer, "Walls");
  const Long group = AddItemRow(plan, ItemGroup, "Doors");
  AddSegment(plan, 0, 0, 1, 1, layer);
  StoredLine grouped;
  grouped.points = {{1, 1}, {2, 2}};
  grouped.layer = 999;
  grouped.owner = group;
  AddLineRow(plan, grouped);
  StoredLine orphan = grouped;
  orphan.layer = layer;
  orphan.owner = 777;
  AddLineRow(plan, orphan);
  AddLineRow(plan, CompoundRow(EntityFill, 0, 0, "Nowhere", 5));
  Responder().AnswerMsgBox(vbOK);
  EXPECT_TRUE(LoadStored(plan));
  const std::vector<Long> e = EntitiesOf(1);
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(Items[Objs[e[0]].LayerID].Name, "Walls");
  EXPECT_EQ(Objs[e[1]].LayerID, 0);  // layer 999 is no layer of the drawing
  EXPECT_EQ(Items[Objs[e[1]].OwnerID].Name, "Doors");
  EXPECT_EQ(Objs[e[2]].OwnerID, 0);
  EXPECT_EQ(Objs[e[3]].ObjectID, 0);
  EXPECT_EQ(Objs[e[3]].OwnerID, 0);
  EXPECT_EQ(Responder().MessageTexts().size(), 1u);
  EXPECT_EQ(Dwgs[1].Nobjects, 2);
}

// A loaded entity keeps the owner its row names: a text character its group
// (its glyph is linked by name), a fill its group or none while it shows its
// area, an area's boundary the area. A row whose owner repeats the key it
// shows was stored with that item in the owner's place.
TEST_F(LoadDrawingTest, LoadedTextAndAreaEntitiesKeepTheOwnerTheirRowsName) {
  const Long plan = AddDrawingRow("Plan", 2, 6);
  const Long group = AddItemRow(plan, ItemGroup, "Doors");
  const Long room = AddItemRow(plan, ItemArea, "Room");
  constexpr Long glyphKey = 5000;  // a row of the fonts database
  struct Case {
    Integer type;
    const char* name;
    Long owner, object;  // the stored keys
    Long ownerItem;      // the owner expected: 0 none, else the stored key of the item
  };
  const Case cases[] = {
      {EntityTextChar, "TEXT-65", group, glyphKey, group},
      {EntityTextChar, "TEXT-66", glyphKey, glyphKey, 0},
      {EntityFill, "Room", group, room, group},
      {EntityFill, "Room", 0, room, 0},
      {EntityHatch, "Room", room, room, room},
      {EntityPolygon, "Room", room, room, room},
  };
  for (const Case& c : cases) {
    StoredLine line;
    line.type = c.type;
    line.points = {{1, 1}, {1, 1}, {0, 0}, {0, 0}, {0, 0}};
    line.name = c.name;
    line.owner = c.owner;
    line.object = c.object;
    AddLineRow(plan, line);
  }
  EXPECT_TRUE(LoadStored(plan));
  EXPECT_TRUE(Responder().MessageTexts().empty());
  const std::vector<Long> e = EntitiesOf(1);
  ASSERT_EQ(e.size(), std::size(cases));
  for (std::size_t k = 0; k < e.size(); ++k) {
    const Long owner = Objs[e[k]].OwnerID;
    EXPECT_EQ(owner >= 1 ? Items[owner].ObjectID : 0, cases[k].ownerItem) << "case " << k + 1;
    if (cases[k].type != EntityTextChar) {
      EXPECT_EQ(Items[Objs[e[k]].ObjectID].Name, "Room") << "case " << k + 1;
    }
  }
}

// The owner key alone says whether a character or a placement belongs to a
// group: the key of the glyph it shows (a row of the fonts database) or of
// its component (a row of Components) may equal the group's by chance. Here
// the group row has the key of the glyph "H" (TEXT-72) and so has the
// component it places; the members stay in the group through File, Open,
// File, Save and File, Open again, and the free ones stay free, a free
// placement stored with no owner key.
class LoadOwnerKeysTest : public StoredDrawingMenuTest {};

TEST_F(LoadOwnerKeysTest, MembersWhoseGroupKeyEqualsTheirGlyphOrComponentKeyKeepTheirGroup) {
  const Long glyphKey =
      static_cast<Long>(TestDatabase(SupportFilePath(FontsDbFile)).Number("SELECT ObjectID FROM Fonts WHERE Name = 'TEXT-72'"));
  const Long drawId = AddDrawingRow("Keys", 2, 5);
  const Long layer = AddItemRow(drawId, ItemLayer, "Layer 1");
  ASSERT_NE(layer, glyphKey);
  Db().Exec("UPDATE Objects SET ObjectID = ? WHERE ObjectID = ?",
            {DbValue(glyphKey), DbValue(AddItemRow(drawId, ItemGroup, "Group 1"))});
  Db().Exec("UPDATE Components SET ObjectID = ? WHERE ObjectID = ?",
            {DbValue(glyphKey), DbValue(AddComponentRow("Valve", 1))});
  AddLineRow(0, MemberRow(glyphKey, 0, 0, 1, 0));
  struct Case {
    const char* what;
    Integer type;
    const char* name;
    Long owner;             // the stored owner key; the key shown is the glyph's or the component's
    const char* ownerName;  // the owner expected: "" none
    Integer ownerKind;
  };
  const Case cases[] = {
      {"grouped H", EntityTextChar, "TEXT-72", glyphKey, "Group 1", ItemGroup},
      {"free H", EntityTextChar, "TEXT-72", 0, "", 0},
      {"grouped placement", EntityComponent, "Valve", glyphKey, "Group 1", ItemGroup},
      {"free placement", EntityComponent, "Valve", 0, "Valve", ItemComponent},
      {"grouped line", EntityLine, "", glyphKey, "Group 1", ItemGroup},
  };
  for (const Case& c : cases) {
    StoredLine line = CompoundRow(c.type, 1, 1, c.name, glyphKey);
    if (c.type == EntityTextChar) line.points = {{1, 1}, {0.5, 0.5}, {0, 0}, {0, 0}, {0, 0}};
    if (c.type == EntityLine) line.points = {{1, 1}, {2, 2}}, line.object = 0;
    line.owner = c.owner;
    line.layer = layer;
    AddLineRow(drawId, line);
  }
  const auto expectOwners = [&cases](Integer dwgNo, const char* when) {
    const std::vector<Long> e = EntitiesOf(dwgNo);
    ASSERT_EQ(e.size(), std::size(cases)) << when;
    for (std::size_t k = 0; k < e.size(); ++k) {
      const Long owner = Objs[e[k]].OwnerID;
      EXPECT_EQ(owner >= 1 ? Items[owner].Name : "", cases[k].ownerName) << cases[k].what << " " << when;
      EXPECT_EQ(owner >= 1 ? Items[owner].Rtype : 0, cases[k].ownerKind) << cases[k].what << " " << when;
    }
  };

  OpenInNewWindow(2, "Keys");
  expectOwners(2, "after File, Open");
  FileSaveAsOffered(Responder(), true);
  const String group = Db().Text("SELECT ObjectID FROM Objects WHERE Rtype = 3");
  EXPECT_EQ(Db().FirstColumn("SELECT OwnerID FROM Lines WHERE DrawingID <> 0 ORDER BY LineID"),
            (std::vector<String>{group, "0", group, "0", group}));
  DrawingDriver::Choose("mnuFileClose");
  OpenInNewWindow(3, "Keys");
  expectOwners(3, "after File, Save and File, Open");
  for (const String& text : Responder().MessageTexts()) EXPECT_EQ(text.find("not found"), String::npos) << text;
}

// ---- Components and named items -----------------------------------------------------------

TEST_F(LoadDrawingTest, ComponentPlacedThreeTimesIsReadOnceWithItsGeometry) {
  const Long plan = AddDrawingRow("Plan", 0, 3);
  const Long bolt = AddComponentRow("Bolt", 2);
  for (double y : {0.0, 1.0}) {
    AddLineRow(0, MemberRow(bolt, 0, y, 1, y));
  }
  for (int k = 0; k < 3; ++k)
    AddLineRow(plan, CompoundRow(EntityComponent, 2.0 * k, 0, "BOLT", bolt));  // names are found whatever their letter case
  EXPECT_TRUE(LoadStored(plan));
  std::vector<Long> definitions;
  for (Long i = 1; i <= ItemCount; ++i)
    if (Items[i].Rtype == ItemComponent) definitions.push_back(i);
  ASSERT_EQ(definitions.size(), 1u);
  const Long item = definitions[0];
  for (Long i : EntitiesOf(1)) {
    EXPECT_EQ(Objs[i].ObjectID, item);
    EXPECT_EQ(Objs[i].OwnerID, item);
  }
  int members = 0;
  for (Long i = 1; i <= ObjCount; ++i) members += Objs[i].OwnerID == item && Objs[i].DwgNo == 0;
  EXPECT_EQ(members, 2);
  EXPECT_EQ(CompDbPath, path_);
}

TEST_F(LoadDrawingTest, AreaLinksGoToTheItemOfTheWindowsOwnDrawing) {
  const Long plan = AddDrawingRow("Plan", 1, 1);
  const Long room = AddItemRow(plan, ItemArea, "Room");
  AddLineRow(plan, CompoundRow(EntityFill, 0, 0, "Room", room));
  LoadStored(plan);
  frmDocument second;
  Open(second, 2);
  LoadStored(plan);
  for (Integer dwgNo : {1, 2}) {
    const Long area = Objs[EntitiesOf(dwgNo)[0]].ObjectID;
    ASSERT_GT(area, 0);
    EXPECT_EQ(Items[area].DwgNo, dwgNo);
    EXPECT_EQ(Items[area].Name, "Room");
  }
}

// A window that loads a drawing again (closed and opened again under the same
// number) leaves the first load's placements behind: they are not taken for
// the component's own geometry, so no placement inside itself is reported.
TEST_F(LoadDrawingTest, ADrawingPlacingAComponentLoadedAgainReportsNoPlacementInsideItself) {
  const Long plan = AddDrawingRow("Plan", 1, 1);
  const Long layer = AddItemRow(plan, ItemLayer, "Layer 1");
  const Long bolt = AddComponentRow("Bolt", 1);
  AddLineRow(0, MemberRow(bolt, 0, 0, 1, 1));
  StoredLine placed = CompoundRow(EntityComponent, 2, 2, "Bolt", bolt);
  placed.layer = layer;
  AddLineRow(plan, placed);
  Open(doc_, 1);
  for (int load = 1; load <= 2; ++load) {
    EraseDwgObjs(1);  // as a window does before it loads
    EraseDwgItems(1);
    ASSERT_TRUE(LoadStored(plan, "Plan")) << "load " << load;
    doc_.View_MinX = doc_.View_Miny = 0;  // a window of 400 by 400 pixels
    doc_.View_Maxx = doc_.View_Maxy = 400;
    ViewFixture::ShowAtScale(&doc_, 48, 24);
    for (Long j : EntitiesOf(1)) DrawObject(j);  // as a redraw of the window does
    EXPECT_EQ(EntitiesOf(1).size(), 1u) << "load " << load;
  }
  for (const PromptRecord& prompt : Responder().Prompts()) ADD_FAILURE() << prompt.text;
}

}  // namespace
}  // namespace lintavo
