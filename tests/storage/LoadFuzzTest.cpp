// Damaged copies of a stored drawing, opened through the chooser's preview,
// the chooser itself and the loader: rows deleted, values set to Null, to
// text or to values no real holds, counts changed, components placing each
// other in a cycle or in a chain deeper than the drawing nests, shapes of the
// most points a shape holds, hostile link rows, and bytes of the file
// flipped. Nothing may crash or hang, and a
// load that leaves stored lines out must have said so.
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <limits>
#include <random>
#include <tuple>

#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "organisation/LinkHand.h"
#include "platform/ImageSurface.h"
#include "platform/Modal.h"
#include "storage/StoredDrawing.h"
#include "storage/frmDwgSelect.h"
#include "view/Preview.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

constexpr int MaxShapePoints = std::numeric_limits<Integer>::max();  // NPoints is an Integer

class LoadFuzzTest : public StoredDrawingTest {
 protected:
  // A drawing of every simple type, a placed component with its
  // definition, layers, a group and an area with a fill; its DrawID.
  Long StoreSampleDrawing() {
    const Long plan = AddDrawingRow("Plan", 3, 16, -5, -5, 20, 20);
    const Long layer = AddItemRow(plan, ItemLayer, "Layer 1");
    const Long group = AddItemRow(plan, ItemGroup, "Doors");
    const Long room = AddItemRow(plan, ItemArea, "Room");
    const Long bolt = AddComponentRow("Bolt", 2);
    for (double y : {0.0, 1.0}) {
      StoredLine member;
      member.points = {{0, y}, {1, y}};
      member.owner = member.object = bolt;
      AddLineRow(0, member);
    }
    const std::vector<std::pair<Integer, Points>> shapes = {
        {EntityPoint, {{1, 1}}},
        {EntityLine, {{0, 0}, {5, 5}}},
        {EntityCircle, {{3, 3}, {4, 3}}},
        {EntityArc, {{0, 0}, {1, 0}, {0, 1}, {-1, 0}}},
        {EntityEllipticArc, {{0, 0}, {4, 1}, {2, 2}, {2, -1}, {4, 1}, {0, 0}}},
        {EntityEllipse, {{0, 0}, {4, 1}, {2, 2}, {2, -1}}},
        {EntitySpline, {{0, 0}, {1, 2}, {2, 0}, {3, 2}}},
        {EntityBezier, {{0, 0}, {1, 2}, {2, 2}, {3, 0}}},
        {EntityContBezier, {{0, 0}, {1, 1}, {2, 1}, {3, 0}, {4, -1}, {5, -1}, {6, 0}}},
        {EntityPolyline, {{0, 0}, {1, 0}, {1, 1}, {2, 1}}},
        {EntityPolygon, {{0, 0}, {2, 0}, {2, 2}, {0, 0}}},
    };
    for (const auto& [type, points] : shapes) {
      StoredLine line;
      line.type = type;
      line.points = points;
      line.layer = layer;
      line.owner = type == EntityLine ? group : 0;
      line.color = 0x0000FF;
      AddLineRow(plan, line);
    }
    for (int k = 0; k < 3; ++k) {
      StoredLine placed;
      placed.type = EntityComponent;
      placed.points = {{2.0 * k, 8}, {1, 1}, {0, 0}};
      placed.name = "Bolt";
      placed.owner = placed.object = bolt;
      AddLineRow(plan, placed);
    }
    StoredLine fill;
    fill.type = EntityFill;
    fill.points = {{10, 10}, {1, 1}, {0, 0}};
    fill.name = "Room";
    fill.object = fill.owner = room;
    AddLineRow(plan, fill);
    StoredLine erased;
    erased.points = {{0, 10}, {10, 0}};
    erased.erased = true;
    AddLineRow(plan, erased);
    return plan;
  }

  // Components "Loop A" and "Loop B", each placing the other twice, and A
  // placed in the drawing: drawing it must neither hang nor recurse for ever.
  void AddPlacementCycle(Long drawId) {
    const Long a = AddComponentRow("Loop A", 2);
    const Long b = AddComponentRow("Loop B", 2);
    for (const auto& [owner, placed, name] : {std::tuple{a, b, "Loop B"}, std::tuple{b, a, "Loop A"}}) {
      for (int k = 0; k < 2; ++k) AddPlacement(0, owner, placed, name);
    }
    AddPlacement(drawId, 0, a, "Loop A");
  }

  // A chain of components, each placing the next, deeper than the drawing
  // nests; its first placed in the drawing.
  void AddPlacementChain(Long drawId, int depth) {
    Long next = 0;
    String nextName;
    for (int level = depth; level >= 1; --level) {
      String name = "Chain ";
      name += std::to_string(level);
      const Long key = AddComponentRow(name, 1);
      if (next) {
        AddPlacement(0, key, next, nextName);
      } else {
        StoredLine member;
        member.points = {{0, 0}, {1, 1}};
        member.owner = member.object = key;
        AddLineRow(0, member);
      }
      next = key;
      nextName = name;
    }
    AddPlacement(drawId, 0, next, nextName);
  }

  void AddPlacement(Long drawId, Long owner, Long placed, const String& name) {
    StoredLine placement;
    placement.type = EntityComponent;
    placement.points = {{1, 1}, {1, 1}, {0, 0}};
    placement.name = name;
    placement.owner = owner == 0 ? placed : owner;
    placement.object = placed;
    AddLineRow(drawId, placement);
  }

  // A polyline of the most points a shape holds, written straight into the
  // rows (points along a zigzag).
  void AddLargestShape(Long drawId) {
    StoredLine line;
    line.type = EntityPolyline;
    line.nPoints = MaxShapePoints;
    const Long key = AddLineRow(drawId, line);
    Db().Exec("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < " +
              std::to_string(MaxShapePoints - 1) + ") INSERT INTO Points (LineID, PX, PY) SELECT " +
              std::to_string(key) + ", i * 0.001, i % 2 FROM n");
  }

  // The Bolt component linked, and its link rows hostile: a missing or
  // empty path, a key of 40,000 characters or of bytes that are no UTF-8,
  // Nulls, several rows for one component, a table and field that are not
  // there, a kind no link has.
  void AddHostileLinks(std::mt19937& random) {
    static const char* const kinds[] = {"1", "2", "2", "7", "NULL", "'x'"};
    Db().Exec(String("UPDATE Components SET LinkType = ") + kinds[random() % 6] +
              ", LinkTable = 'Parts', LinkField = 'Code', PartNumber = 'P-1' WHERE Name = 'Bolt'");
    static const char* const paths[] = {"''", "NULL", "'/no/such/folder/Parts.mdb'", "'ODBC;DSN=No Such Source'",
                                        "'ODBC;DSN='", "'Drawings_dwg.mdb'"};
    static const char* const keys[] = {"NULL", "''", "x'ff00fe41'", "CAST(x'c328' AS TEXT)",
                                       "printf('%.*c', 40000, 'k')", "'O''Brien'"};
    for (int k = 1 + static_cast<int>(random() % 2); k > 0; --k) {
      Db().Exec(String("INSERT INTO LinkTable (ObjectID, ObjectName, Path, TableName, FieldName, LinkData, UserID) "
                       "VALUES (") +
                (random() % 2 ? "1" : "NULL") + ", 'Bolt', " + paths[random() % 6] + ", " +
                (random() % 2 ? "'Parts'" : "NULL") + ", 'Code', " + keys[random() % 6] + ", " +
                keys[random() % 6] + ")");
    }
  }

  // One damage done through SQL: a row deleted, a value set to Null, to text
  // or to a value no real holds, a count changed, components placed in a
  // cycle or a deep chain, the largest shape or hostile links.
  void DamageRows(std::mt19937& random, Long drawId) {
    // Rows added in one transaction: one write of the file, not one per row.
    switch (random() % 14) {
      case 0: Db().Exec("BEGIN"); AddPlacementCycle(drawId); Db().Exec("COMMIT"); return;
      case 1: Db().Exec("BEGIN"); AddPlacementChain(drawId, 120); Db().Exec("COMMIT"); return;
      case 2: Db().Exec("BEGIN"); AddLargestShape(drawId); Db().Exec("COMMIT"); return;
      case 3: Db().Exec("BEGIN"); AddHostileLinks(random); Db().Exec("COMMIT"); return;
      default: break;
    }
    static const std::vector<std::pair<String, std::vector<String>>> tables = {
        {"Drawing", {"Nobjects", "Nlines", "Xmin", "Name", "Nlayers"}},
        {"Objects", {"Rtype", "Name", "Show", "Nlines", "Xmin"}},
        {"Components", {"Rtype", "Nlines", "Xorigin", "Category", "LinkType"}},
        {"Lines", {"Rtype", "Color", "NPoints", "LayerID", "OwnerID", "ObjectID", "Width", "Erased", "Name"}},
        {"Points", {"PX", "PY", "LineID"}},
    };
    const auto& [table, columns] = tables[random() % tables.size()];
    const int rows = static_cast<int>(Db().Number("SELECT count(*) FROM " + table));
    if (rows == 0) return;
    const String row = "rowid = (SELECT rowid FROM " + table + " LIMIT 1 OFFSET " +
                       std::to_string(random() % rows) + ")";
    const String& column = columns[random() % columns.size()];
    static const char* const counts[] = {"0", "1", "3", "-1", "1000000", "32767", "99", "2.5"};
    // Text where a number belongs, and reals SQLite keeps as infinities.
    static const char* const foreign[] = {"'red'", "''", "'1e3x'", "1e999", "-1e999", "x'00ff'"};
    const String set = "UPDATE " + table + " SET \"" + column + "\" = ";
    switch (random() % 5) {
      case 0: Db().Exec("DELETE FROM " + table + " WHERE " + row); break;
      case 1: Db().Exec(set + "NULL WHERE " + row); break;
      case 2: case 3: Db().Exec(set + foreign[random() % 6] + " WHERE " + row); break;
      default: Db().Exec(set + counts[random() % 8] + " WHERE " + row);
    }
  }

  // Bytes flipped anywhere in the file.
  static void FlipBytes(QByteArray& bytes, std::mt19937& random) {
    const int flips = 1 + static_cast<int>(random() % 8);
    for (int k = 0; k < flips; ++k) bytes[static_cast<qsizetype>(random() % bytes.size())] ^= char(1 + random() % 255);
  }

  // Lines rows of the drawing the loader should read: all of them when its
  // row is there with a line count of 1 or more; -1 when the row cannot
  // tell (it is missing, or its count is Null or text, which the loader
  // must report).
  long ExpectedLines(Long drawId) {
    const std::vector<std::vector<String>> row =
        Db().Rows("SELECT Nlines, typeof(Nlines) FROM Drawing WHERE DrawID = " + std::to_string(drawId));
    if (row.empty() || (row[0][1] != "integer" && row[0][1] != "real")) return -1;
    if (std::stod(row[0][0]) < 1) return 0;
    return static_cast<long>(Db().Number("SELECT count(*) FROM Lines WHERE DrawingID = " + std::to_string(drawId)));
  }

  void Preview(ImageSurface& picture, Long drawId) {
    ActiveDoc = &picture;
    ViewPixMaxX = ViewPixMaxY = 200;
    ViewScaleX = ViewScaleY = 8;
    ViewBaseX = ViewBaseY = 40;
    OpenDbPath = DwgDbPath;
    PreviewStoredDrawing(drawId);
  }

  void BrowseWithChooser() {
    Responder().OnModalWindow([](QDialog& dialog) {
      auto& chooser = static_cast<frmDwgSelect&>(dialog);
      if (chooser.List1->count() > 0) {
        chooser.List1->setCurrentRow(0);
        chooser.List1_Click(0);
        chooser.cmdShow->click();
      }
      chooser.cmdCancel->click();
    });
    frmDwgSelect chooser;
    ShowModal(chooser);
  }
};

TEST_F(LoadFuzzTest, ThousandDamagedCopiesNeitherCrashNorLoseLinesUnreported) {
  const Long drawId = StoreSampleDrawing();
  db_.reset();
  QFile original(QString::fromStdString(path_));
  ASSERT_TRUE(original.open(QIODevice::ReadOnly));
  const QByteArray pristine = original.readAll();
  original.close();
  Responder().AnswerEveryMsgBox(vbOK);
  ImageSurface picture(200, 200);
  std::mt19937 random(20240611);
  const String copy = ScratchPath("Fuzz_dwg.mdb");
  int unreported = 0, damagedLoads = 0;

  for (int round = 0; round < 1000; ++round) {
    QByteArray bytes = pristine;
    const bool flipped = round % 4 == 3;
    if (flipped) FlipBytes(bytes, random);
    QFile file(QString::fromStdString(copy));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    long expected = 0;
    if (!flipped) {
      db_ = std::make_unique<TestDatabase>(copy, true);
      for (int k = 1 + static_cast<int>(random() % 3); k > 0; --k) DamageRows(random, drawId);
      expected = ExpectedLines(drawId);
      db_.reset();
    }

    ResetProgramState();
    DwgDbPath = copy;
    Preview(picture, drawId);
    if (round % 50 == 0) BrowseWithChooser();
    Open(doc_, 1);
    const size_t before = Responder().Prompts().size();
    LoadStored(drawId, "Plan");
    RedrawView();  // cycles and chains of components are drawn
    for (Long item = 1; item <= ItemCount; ++item)
      if (Items[item].Rtype == ItemComponent) GetObjectLink(item);  // the link rows are read
    const bool reported = Responder().Prompts().size() > before;
    const long loaded = static_cast<long>(EntitiesOf(1).size());
    if (!flipped && (expected < 0 || loaded < expected)) {
      ++damagedLoads;
      if (!reported) ++unreported;
    }
  }
  EXPECT_EQ(unreported, 0) << "of " << damagedLoads << " loads that left lines out";
  EXPECT_GT(damagedLoads, 100);  // the damage did reach the loader
}

}  // namespace
}  // namespace lintavo
