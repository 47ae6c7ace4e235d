// The two roads by which a load reads the points of a drawing's lines: a
// join of the lines to their points, and one scan of the Points table kept
// by line in memory. On a mixed drawing, whole and damaged in the ways a
// file can be, both must give the same model and the same reports.
#include <functional>
#include <sstream>

#include "model/ProgramState.h"
#include "platform/Prompts.h"
#include "storage/StoredDrawing.h"

namespace lintavo {
namespace {

class LoadRoadsTest : public StoredDrawingTest {
 public:
  // A drawing "Plan" of every kind the loader links: lines on a layer, a
  // line in a group, an area with its boundary, fill and hatch, a dimension
  // with geometry of its own, text characters (one owned by the group), a
  // component placed twice with its definition and a link row; with a
  // drawing "Other" whose lines lie among Plan's. Plan's DrawID.
  Long StoreMixedDrawing() {
    const Long plan = AddDrawingRow("Plan", 5, 14);
    const Long other = AddDrawingRow("Other", 0, 2);
    const Long layer = AddItemRow(plan, ItemLayer, "Walls");
    const Long group = AddItemRow(plan, ItemGroup, "Doors");
    const Long room = AddItemRow(plan, ItemArea, "Room");
    const Long dimension = AddItemRow(plan, ItemWithGeometry, "Dim 1", 1);
    AddItemRow(plan, ItemLayer, "Notes");
    AddLineRow(0, MemberRow(dimension, 0, -1, 4, -1));
    const Long bolt = AddComponentRow("Bolt", 2);
    Db().Exec("INSERT INTO LinkTable (ObjectID, ObjectName, Path, TableName, FieldName, LinkData) VALUES (" +
              std::to_string(bolt) + ", 'Bolt', 'Parts.mdb', 'Parts', 'Code', 'P-1')");
    for (double y : {0.0, 1.0}) {
      AddLineRow(0, MemberRow(bolt, 0, y, 1, y));
    }
    AddSegment(plan, 0, 0, 5, 5, layer);
    AddSegment(other, 9, 9, 8, 8);
    StoredLine door;
    door.points = {{1, 0}, {1, 2}};
    door.owner = group;
    door.layer = layer;
    AddLineRow(plan, door);
    StoredLine polyline;
    polyline.type = EntityPolyline;
    polyline.points = {{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 3}};
    AddLineRow(plan, polyline);
    AddSegment(other, 7, 7, 6, 6);
    for (Integer type : {EntityPolygon, EntityFill, EntityHatch}) {
      StoredLine area = CompoundRow(type, 5, 5, "Room", room);
      if (type == EntityPolygon) area.points = {{5, 5}, {9, 5}, {9, 9}, {5, 5}};
      AddLineRow(plan, area);
    }
    AddLineRow(plan, CompoundRow(EntityDimension, 0, 0, "Dim 1", dimension));
    for (int k = 0; k < 3; ++k) {
      StoredLine character;
      character.type = EntityTextChar;
      character.points = {{1.0 + k, 9}, {0.5, 0.5}, {0, 0}, {0, 0}, {0, 0}};
      character.name = k == 1 ? "text-66" : "TEXT-65";
      character.owner = k == 2 ? group : 0;
      character.object = 7;  // a row of the fonts database
      AddLineRow(plan, character);
    }
    for (int k = 0; k < 2; ++k) AddLineRow(plan, CompoundRow(EntityComponent, 3.0 * k, 7, "Bolt", bolt));
    return plan;
  }

  // The key of the first line of drawing drawId of that type.
  String LineOf(Long drawId, Integer type) {
    return std::to_string(static_cast<Long>(Db().Number("SELECT min(LineID) FROM Lines WHERE DrawingID = " +
                                                        std::to_string(drawId) + " AND Rtype = " +
                                                        std::to_string(type))));
  }
  // The key of the first Points row of that line.
  static String FirstPointOf(const String& line) {
    return "(SELECT min(PointID) FROM Points WHERE LineID = " + line + ")";
  }

  // Everything a load leaves in the model, one text per entity, point and
  // item, with the messages it showed since `from`.
  std::vector<String> LoadedModel(size_t from) {
    std::vector<String> model;
    for (Long i = 1; i <= ObjCount; ++i) {
      const ObjRec& o = Objs[i];
      std::ostringstream row;
      row << "entity " << i << ": line " << o.LineID << " type " << o.Rtype << " \"" << o.Name << "\" show "
          << o.Show << " erased " << o.Erased << " flag " << o.Flag << " colour " << o.Color << " ltype " << o.Ltype
          << " weight " << o.Weight << " width " << o.Width << " selected " << o.Selected << " select " << o.Select
          << " area " << o.Area << " layer " << o.LayerID << " owner " << o.OwnerID << " shows " << o.ObjectID
          << " drawing " << o.DwgNo << " " << o.DrawingID << " points " << o.NPoints << " from " << o.PointID;
      model.push_back(row.str());
    }
    for (Long k = 1; k <= PntCount; ++k) {
      std::ostringstream row;
      row << "point " << k << ": " << Pnts[k].Seq << " of " << Pnts[k].ObjNo << " at " << Pnts[k].X << ", "
          << Pnts[k].Y;
      model.push_back(row.str());
    }
    for (Long i = 1; i <= ItemCount; ++i) {
      const ItemRec& item = Items[i];
      std::ostringstream row;
      row << "item " << i << ": " << item.ObjectID << " kind " << item.Rtype << " \"" << item.Name << "\" drawing "
          << item.DwgNo << " lines " << item.Nlines;
      model.push_back(row.str());
    }
    const std::vector<String> messages = Responder().MessageTexts();
    for (size_t m = from; m < messages.size(); ++m) model.push_back("message: " + messages[m]);
    return model;
  }

  // Loads drawing drawId of the file at path by one road into a fresh
  // program; the loaded model.
  std::vector<String> LoadBy(PointsRoad road, const String& path, Long drawId) {
    ResetProgramState();
    DwgDbPath = path;
    Open(doc_, 1);
    LoadPointsRoad = road;
    const size_t from = Responder().MessageTexts().size();
    Responder().AnswerEveryMsgBox(vbOK);
    LoadStored(drawId, "Plan");
    return LoadedModel(from);
  }
};

TEST_F(LoadRoadsTest, ScanAndJoinOfThePointsLoadTheSameModelAndReportsWholeOrDamaged) {
  struct Case {
    const char* name;
    // SQL that damages the stored drawing of key plan (or of other, the drawing beside it).
    std::function<std::vector<String>(LoadRoadsTest&, Long plan, Long other)> damage;
  };
  const std::vector<Case> cases = {
      {"whole", [](LoadRoadsTest&, Long, Long) { return std::vector<String>{}; }},
      {"points stored in the reverse order of their lines and their own",
       [](LoadRoadsTest&, Long, Long) {
         return std::vector<String>{"CREATE TEMP TABLE Kept AS SELECT LineID, PX, PY FROM Points ORDER BY PointID DESC",
                                    "DELETE FROM Points",
                                    "INSERT INTO Points (LineID, PX, PY) SELECT LineID, PX, PY FROM Kept"};
       }},
      {"a point whose line key is a text",
       [](LoadRoadsTest& t, Long plan, Long) {
         const String line = t.LineOf(plan, EntityPolyline);
         return std::vector<String>{"UPDATE Points SET LineID = 'red' WHERE PointID = " + FirstPointOf(line)};
       }},
      {"a point whose line key is a number written as text",
       [](LoadRoadsTest& t, Long plan, Long) {
         const String line = t.LineOf(plan, EntityPolyline);
         return std::vector<String>{"UPDATE Points SET LineID = '" + line + "' WHERE PointID = " + FirstPointOf(line)};
       }},
      {"a point whose line key is a real between two keys",
       [](LoadRoadsTest& t, Long plan, Long) {
         const String line = t.LineOf(plan, EntityPolyline);
         return std::vector<String>{"UPDATE Points SET LineID = " + line + " + 0.5 WHERE PointID = " +
                                    FirstPointOf(line)};
       }},
      {"a point whose line key is Null",
       [](LoadRoadsTest& t, Long plan, Long) {
         return std::vector<String>{"UPDATE Points SET LineID = NULL WHERE PointID = " +
                                    FirstPointOf(t.LineOf(plan, EntityTextChar))};
       }},
      {"a point whose X is Null, another whose Y is a text",
       [](LoadRoadsTest& t, Long plan, Long) {
         return std::vector<String>{
             "UPDATE Points SET PX = NULL WHERE PointID = " + FirstPointOf(t.LineOf(plan, EntityHatch)),
             "UPDATE Points SET PY = 'far' WHERE PointID = " + FirstPointOf(t.LineOf(plan, EntityComponent))};
       }},
      {"a point row deleted",
       [](LoadRoadsTest& t, Long plan, Long) {
         return std::vector<String>{"DELETE FROM Points WHERE PointID = " +
                                    FirstPointOf(t.LineOf(plan, EntityPolygon))};
       }},
      {"a line counting more points than it has rows, another with a text colour",
       [](LoadRoadsTest& t, Long plan, Long) {
         return std::vector<String>{
             "UPDATE Lines SET NPoints = 9 WHERE LineID = " + t.LineOf(plan, EntityPolyline),
             "UPDATE Lines SET Color = 'red' WHERE LineID = " + t.LineOf(plan, EntityDimension)};
       }},
      {"points of no line, and of the drawing beside it moved onto a line of the drawing",
       [](LoadRoadsTest& t, Long plan, Long other) {
         return std::vector<String>{"INSERT INTO Points (LineID, PX, PY) VALUES (99999, 1, 1), (-4, 2, 2)",
                                    "UPDATE Points SET LineID = " + t.LineOf(plan, EntityLine) +
                                        " WHERE LineID = " + t.LineOf(other, EntityLine)};
       }},
  };
  for (size_t k = 0; k < cases.size(); ++k) {
    SCOPED_TRACE(cases[k].name);
    const String path = MakeDatabase("Roads" + std::to_string(k) + "_dwg.mdb");
    db_ = std::make_unique<TestDatabase>(path, true);
    const Long plan = StoreMixedDrawing();
    const Long other = static_cast<Long>(Db().Number("SELECT DrawID FROM Drawing WHERE Name = 'Other'"));
    for (const String& sql : cases[k].damage(*this, plan, other)) Db().Exec(sql);
    db_.reset();

    const std::vector<String> joined = LoadBy(PointsRoad::Joined, path, plan);
    const std::vector<String> scanned = LoadBy(PointsRoad::Scanned, path, plan);
    EXPECT_EQ(scanned, joined);
    EXPECT_GT(joined.size(), 60u);  // the drawing did load
  }
}

}  // namespace
}  // namespace lintavo
