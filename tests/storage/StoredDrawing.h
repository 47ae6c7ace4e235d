// StoredDrawing: a fixture with drawing window 1 open and an empty drawings
// database in the test folder as DwgDbPath, and helpers that write stored
// drawings, items, lines and components into it with plain SQL in the
// layout of the tables.
#pragma once

#include <utility>
#include <vector>

#include "model/DataHand.h"
#include "storage/DbSchema.h"
#include "storage/LoadData.h"
#include "storage/TestDatabase.h"
#include "support/ModelFixture.h"

namespace lintavo {

class StoredDrawingTest : public ModelFixture {
 protected:
  using Points = std::vector<std::pair<double, double>>;

  // A Lines row as stored; links are database keys.
  struct StoredLine {
    Integer type = EntityLine;
    Points points;
    Long color = 0;
    Long layer = 0;   // Objects key of its layer
    Long owner = 0;   // key of its owner
    Long object = 0;  // key of the item it shows
    String name;
    bool erased = false;
    bool shown = true;
    int nPoints = -1;  // stored NPoints; -1: the number of points
  };

  void SetUp() override {
    ModelFixture::SetUp();
    path_ = MakeDatabase("Test_dwg.mdb");
    DwgDbPath = path_;
    db_ = std::make_unique<TestDatabase>(path_, true);
  }
  void TearDown() override {
    db_.reset();
    ModelFixture::TearDown();
  }

  // A new empty drawings database in the test folder; its path.
  String MakeDatabase(const String& name) {
    const String path = ScratchPath(name);
    CreateEmptyDrawingsDb(path);
    return path;
  }

  TestDatabase& Db() { return *db_; }
  Long LastKey() { return static_cast<Long>(Db().Number("SELECT last_insert_rowid()")); }

  Long AddDrawingRow(const String& name, Long nobjects, Long nlines, double xmin = 0, double ymin = 0,
                     double xmax = 10, double ymax = 10) {
    Db().Exec("INSERT INTO Drawing (Name, Revision, Rtype, Category, Description, PartNumber, Show, Nobjects, "
              "Nlines, Nlayers, BaseX, BaseY, Xmin, Ymin, Xmax, Ymax, Author, Xlimit, Ylimit) VALUES ('" +
              name + "', 'Rev. 0', 'Plan', 'General', 'A test drawing', 'P-1', -1, " + std::to_string(nobjects) +
              ", " + std::to_string(nlines) + ", 1, 0, 0, " + std::to_string(xmin) + ", " + std::to_string(ymin) +
              ", " + std::to_string(xmax) + ", " + std::to_string(ymax) + ", 'Tester', 17, 11)");
    return LastKey();
  }

  Long AddItemRow(Long drawId, Integer kind, const String& name, Long nlines = 0) {
    Db().Exec("INSERT INTO Objects (Rtype, Name, Category, Description, Show, Lock, Nlines, Xorigin, Yorigin, "
              "Xmin, Ymin, Xmax, Ymax, DrawingID, Author) VALUES (" + std::to_string(kind) + ", '" + name +
              "', '', '', -1, 0, " + std::to_string(nlines) + ", 0, 0, 0, 0, 1, 1, " + std::to_string(drawId) +
              ", 'Tester')");
    return LastKey();
  }

  Long AddComponentRow(const String& name, Long nlines, Integer kind = ItemComponent) {
    Db().Exec("INSERT INTO Components (Rtype, Name, Nlines, Xorigin, Yorigin, Xmin, Ymin, Xmax, Ymax) VALUES (" +
              std::to_string(kind) + ", '" + name + "', " + std::to_string(nlines) + ", 0, 0, 0, 0, 1, 1)");
    return LastKey();
  }

  Long AddLineRow(Long drawId, const StoredLine& line) {
    const int count = line.nPoints >= 0 ? line.nPoints : static_cast<int>(line.points.size());
    Db().Exec("INSERT INTO Lines (Rtype, Name, Show, Erased, Flag, Selected, \"Select\", Color, Ltype, Weight, "
              "Width, Area, NPoints, PointID, LayerID, OwnerID, ObjectID, DrawingID) VALUES (" +
              std::to_string(line.type) + ", '" + line.name + "', " + (line.shown ? "-1" : "0") + ", " +
              (line.erased ? "-1" : "0") + ", 0, 0, 0, " + std::to_string(line.color) + ", 0, 1, 0, 0, " +
              std::to_string(count) + ", 0, " + std::to_string(line.layer) + ", " + std::to_string(line.owner) +
              ", " + std::to_string(line.object) + ", " + std::to_string(drawId) + ")");
    const Long key = LastKey();
    // Bound, so that each value is stored exactly (an infinity as a real,
    // a NaN as Null, as SQLite keeps them).
    for (const auto& [x, y] : line.points)
      Db().Exec("INSERT INTO Points (LineID, PX, PY) VALUES (?, ?, ?)", {DbValue(key), DbValue(x), DbValue(y)});
    return key;
  }

  // A straight line of item's own geometry (the definition of a component,
  // a glyph's stroke, a dimension's lines): owned by it and showing it.
  static StoredLine MemberRow(Long item, double x1, double y1, double x2, double y2) {
    StoredLine line;
    line.points = {{x1, y1}, {x2, y2}};
    line.owner = line.object = item;
    return line;
  }
  // A compound (placement, fill, hatch, dimension) at (x, y), scales 1, not
  // turned, showing item `item` by its name and owned by it.
  static StoredLine CompoundRow(Integer type, double x, double y, const String& name, Long item) {
    StoredLine line;
    line.type = type;
    line.points = {{x, y}, {1, 1}, {0, 0}};
    line.name = name;
    line.owner = line.object = item;
    return line;
  }

  // A straight line of the drawing on layer `layer`.
  Long AddSegment(Long drawId, double x1, double y1, double x2, double y2, Long layer = 0) {
    StoredLine line;
    line.points = {{x1, y1}, {x2, y2}};
    line.layer = layer;
    return AddLineRow(drawId, line);
  }

  // Loads stored drawing drawId into the current window; LoadDrawing's result.
  bool LoadStored(Long drawId, const String& name = "Stored") {
    Dwgs[CurDwg].DrawID = drawId;
    Dwgs[CurDwg].Name = name;
    return LoadDrawing();
  }

  // The entities of drawing dwgNo, in table order.
  static std::vector<Long> EntitiesOf(Integer dwgNo) {
    std::vector<Long> found;
    for (Long i = BaseObjCount + 1; i <= ObjCount; ++i)
      if (Objs[i].DwgNo == dwgNo) found.push_back(i);
    return found;
  }

  String path_;  // the drawings database
  std::unique_ptr<TestDatabase> db_;
};

}  // namespace lintavo
