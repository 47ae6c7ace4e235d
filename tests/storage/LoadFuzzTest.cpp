// Damaged copies of a stored drawing, opened through the chooser's preview,
// the chooser itself and the loader: rows deleted, values set to Null, to
// text or to values no real holds, counts changed, components placing each
// other in a cycle or in a chain deeper than the drawing nests, shapes of the
// most points a shape holds, curves of coordinates up to the largest real
// and curves with points no real holds, hostile link rows, and bytes of the
// file flipped. Each load is drawn in a drawing window of real size. Nothing
// may crash, hang or claim the memory, a load that leaves stored lines out
// must have said so, and no point that is not a finite number is loaded.
// Damaged copies are also saved over the stored drawing and loaded again: a
// save reported as done reloads whole and leaves every other drawing and
// every component definition as it was, and a save refused writes nothing.
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <sys/resource.h>

#include <cmath>
#include <limits>
#include <random>
#include <tuple>

#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/UndoRedo.h"
#include "organisation/LinkHand.h"
#include "platform/ImageSurface.h"
#include "platform/Modal.h"
#include "storage/SaveData.h"
#include "storage/StoredDrawing.h"
#include "windows/file/frmDwgSelect.h"
#include "view/Preview.h"
#include "view/ViewFixture.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

constexpr int MaxShapePoints = std::numeric_limits<Integer>::max();  // NPoints is an Integer
constexpr double LargestReal = std::numeric_limits<double>::max();
// Magnitudes of huge curves: past any pixel count, past single precision,
// near and at the largest real.
constexpr double HugeMagnitudes[] = {1e8, 1e30, 1e300, LargestReal};
constexpr double NotFinite[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                                -std::numeric_limits<double>::infinity()};

using Shape = std::pair<Integer, std::vector<std::pair<double, double>>>;

// One shape of every simple type, within (-1, -1) to (6, 5).
const std::vector<Shape>& SampleShapes() {
  static const std::vector<Shape> shapes = {
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
  return shapes;
}

// The curves of a magnitude: each sample shape scaled to coordinates and
// radii around it (the largest real itself stays finite), and a circle and
// a half circle of that radius passing upright through (3, 3), inside the
// window.
std::vector<Shape> HugeCurves(double magnitude) {
  std::vector<Shape> curves;
  for (Shape shape : SampleShapes()) {
    for (auto& [x, y] : shape.second) {
      x *= magnitude / 8;
      y *= magnitude / 8;
    }
    curves.push_back(shape);
  }
  const double centre = 3 + magnitude;
  curves.push_back({EntityCircle, {{centre, 3}, {3, 3}}});
  curves.push_back({EntityArc, {{centre, 3}, {centre, 3 + magnitude}, {3, 3}, {centre, 3 - magnitude}}});
  return curves;
}

// A sample shape with one coordinate no real holds: X or Y of its point
// `point` (counted from 0, taken modulo its points).
Shape NonFiniteCurve(size_t kind, size_t point, bool onY, double value) {
  Shape shape = SampleShapes()[kind % SampleShapes().size()];
  auto& at = shape.second[point % shape.second.size()];
  (onY ? at.second : at.first) = value;
  return shape;
}

// Whether every pixel of the picture is of one colour.
bool OneColour(const QImage& picture) {
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (picture.pixel(x, y) != picture.pixel(0, 0)) return false;
  return true;
}

// The highest resident memory of the process so far, in kilobytes.
long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Whether every point of the loaded entities of drawing dwgNo is finite.
bool LoadedPointsFinite(Integer dwgNo) {
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
    if (Objs[i].DwgNo != dwgNo) continue;
    const Long last = Objs[i].PointID + Objs[i].NPoints - 1;
    for (Long k = Objs[i].PointID; k <= last && k <= PntCount; ++k)
      if (!std::isfinite(Pnts[k].X) || !std::isfinite(Pnts[k].Y)) return false;
  }
  return true;
}

class LoadFuzzTest : public StoredDrawingTest {
 protected:
  void SetUp() override {
    StoredDrawingTest::SetUp();
    ShowMainWindow();
    main_->show();
    window_ = ViewFixture::OpenIn(*main_, 1, "Plan");
  }

  // Opens window_ as drawing 1 again after a reset of the program state, the
  // main window its main window.
  void OpenRealWindow() {
    MainForm = main_.get();
    Open(*window_, 1);
  }

  // Draws drawing 1 in window_ at 48 pixels to the unit.
  void RedrawRealWindow() {
    ViewFixture::ShowAtScale(window_, 48, 24);
    RefreshDocView(window_);
  }

  // A Lines row of the shape on the layer of key layer_ and its Points
  // rows; its key. (A line of no layer is drawn only while no layer is
  // current.)
  Long AddShape(Long drawId, const Shape& shape) {
    StoredLine line;
    line.type = shape.first;
    line.points = shape.second;
    line.layer = layer_;
    return AddLineRow(drawId, line);
  }
  void AddShapes(Long drawId, const std::vector<Shape>& shapes) {
    for (const Shape& shape : shapes) AddShape(drawId, shape);
  }

  // A drawing of every simple type, a placed component with its
  // definition, layers, a group and an area with a fill; its DrawID.
  Long StoreSampleDrawing() {
    const Long plan = AddDrawingRow("Plan", 3, 16, -5, -5, 20, 20);
    const Long layer = layer_ = AddItemRow(plan, ItemLayer, "Layer 1");
    const Long group = AddItemRow(plan, ItemGroup, "Doors");
    const Long room = AddItemRow(plan, ItemArea, "Room");
    const Long bolt = AddComponentRow("Bolt", 2);
    for (double y : {0.0, 1.0}) {
      AddLineRow(0, MemberRow(bolt, 0, y, 1, y));
    }
    for (const auto& [type, points] : SampleShapes()) {
      StoredLine line;
      line.type = type;
      line.points = points;
      line.layer = layer;
      line.owner = type == EntityLine ? group : 0;
      line.color = 0x0000FF;
      AddLineRow(plan, line);
    }
    for (int k = 0; k < 3; ++k) AddLineRow(plan, CompoundRow(EntityComponent, 2.0 * k, 8, "Bolt", bolt));
    AddLineRow(plan, CompoundRow(EntityFill, 10, 10, "Room", room));
    StoredLine erased;
    erased.points = {{0, 10}, {10, 0}};
    erased.erased = true;
    AddLineRow(plan, erased);
    // Another drawing, on its own layer, that places Bolt too: a save of
    // Plan leaves its rows as they are.
    const Long other = AddDrawingRow("Other", 1, 3);
    const Long otherLayer = AddItemRow(other, ItemLayer, "Layer 1");
    AddSegment(other, 1, 1, 4, 1, otherLayer);
    AddSegment(other, 1, 2, 4, 2, otherLayer);
    AddLineRow(other, CompoundRow(EntityComponent, 6, 6, "Bolt", bolt));
    return plan;
  }

  // What saving drawing 1 (loaded from copy as drawing drawId) over the
  // stored drawing came to.
  enum class SaveOutcome { Refused, Whole, Broken };

  // Saves drawing 1 over the stored drawing drawId of copy, as File, Save
  // does after Yes to the question, and loads what it stored into a fresh
  // program. A save reported as done must reload the drawing whole and
  // leave every other row as it was; a refused one must write nothing.
  SaveOutcome SaveOverAndReload(const String& copy, Long drawId) {
    const QByteArray bytes = FileBytes(copy);
    std::vector<String> othersBefore, othersAfter;
    const bool readable = RowsBesides(copy, drawId, drawId, othersBefore);
    const std::vector<SavedShape> saved = LiveShapes(1);
    const String name = Dwgs[1].Name;
    DlgCancelled = FlagFalse;
    if (!SaveDrawing(1, ComponentsMissingFromDb(1), true))
      return FileBytes(copy) == bytes ? SaveOutcome::Refused : SaveOutcome::Broken;
    const DbKey stored = Dwgs[1].DrawID;
    ResetProgramState();
    DwgDbPath = copy;
    OpenRealWindow();
    LoadStored(static_cast<Long>(stored), name);
    const bool others = readable && RowsBesides(copy, drawId, stored, othersAfter) && othersAfter == othersBefore;
    return others && LiveShapes(1) == saved ? SaveOutcome::Whole : SaveOutcome::Broken;
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
        AddLineRow(0, MemberRow(key, 0, 0, 1, 1));
      }
      next = key;
      nextName = name;
    }
    AddPlacement(drawId, 0, next, nextName);
  }

  void AddPlacement(Long drawId, Long owner, Long placed, const String& name) {
    StoredLine placement = CompoundRow(EntityComponent, 1, 1, name, placed);
    if (owner != 0) placement.owner = owner;
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

  // Huge curves of a magnitude chosen at random.
  void AddHugeCurves(std::mt19937& random, Long drawId) {
    AddShapes(drawId, HugeCurves(HugeMagnitudes[random() % std::size(HugeMagnitudes)]));
  }

  // A curve of a random type with a coordinate no real holds.
  void AddNonFiniteCurve(std::mt19937& random, Long drawId) {
    const size_t kind = random(), point = random();
    const bool onY = random() % 2;
    AddShape(drawId, NonFiniteCurve(kind, point, onY, NotFinite[random() % std::size(NotFinite)]));
  }

  // One damage done through SQL: a row deleted, a value set to Null, to text
  // or to a value no real holds, a count changed, components placed in a
  // cycle or a deep chain, the largest shape, huge or non-finite curves or
  // hostile links.
  void DamageRows(std::mt19937& random, Long drawId) {
    // Rows added in one transaction: one write of the file, not one per row.
    switch (random() % 16) {
      case 0: Db().Exec("BEGIN"); AddPlacementCycle(drawId); Db().Exec("COMMIT"); return;
      case 1: Db().Exec("BEGIN"); AddPlacementChain(drawId, 120); Db().Exec("COMMIT"); return;
      case 2: Db().Exec("BEGIN"); AddLargestShape(drawId); Db().Exec("COMMIT"); return;
      case 3: Db().Exec("BEGIN"); AddHostileLinks(random); Db().Exec("COMMIT"); return;
      case 4: Db().Exec("BEGIN"); AddHugeCurves(random, drawId); Db().Exec("COMMIT"); return;
      case 5: Db().Exec("BEGIN"); AddNonFiniteCurve(random, drawId); Db().Exec("COMMIT"); return;
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

  // The stored database's bytes; the test's own connection to it closed.
  QByteArray StoredBytes() {
    db_.reset();
    return FileBytes(path_);
  }

  // Writes a copy of pristine to copy with bytes flipped, or with one to
  // three damages done through SQL; the Lines rows the loader should read of
  // drawing drawId (ExpectedLines; 0 for flipped bytes).
  long WriteDamagedCopy(const QByteArray& pristine, const String& copy, bool flipped, std::mt19937& random,
                        Long drawId) {
    QByteArray bytes = pristine;
    if (flipped) FlipBytes(bytes, random);
    QFile file(QString::fromStdString(copy));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    if (flipped) return 0;
    db_ = std::make_unique<TestDatabase>(copy, true);
    for (int k = 1 + static_cast<int>(random() % 3); k > 0; --k) DamageRows(random, drawId);
    const long expected = ExpectedLines(drawId);
    db_.reset();
    return expected;
  }

  void Preview(ImageSurface& picture, Long drawId) {
    ActiveDoc = &picture;
    ViewPixMaxX = ViewPixMaxY = 200;
    ViewScaleX = ViewScaleY = 8;
    ViewBaseX = ViewBaseY = 40;
    OpenDbPath = DwgDbPath;
    PreviewStoredDrawing(drawId);
  }

  FixedDpiDocument* window_ = nullptr;  // owned by the main window's area
  Long layer_ = 0;                       // Objects key of the layer of added shapes

  void BrowseWithChooser() {
    Responder().OnDialog<frmDwgSelect>([](frmDwgSelect& chooser) {
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
  const QByteArray pristine = StoredBytes();
  Responder().AnswerEveryMsgBox(vbOK);
  ImageSurface picture(200, 200);
  std::mt19937 random(20240611);
  const String copy = ScratchPath("Fuzz_dwg.mdb");
  int unreported = 0, damagedLoads = 0, notFiniteLoads = 0, drawnRounds = 0;
  const long peakBefore = PeakKilobytes();

  for (int round = 0; round < 1000; ++round) {
    const bool flipped = round % 4 == 3;
    const long expected = WriteDamagedCopy(pristine, copy, flipped, random, drawId);

    ResetProgramState();
    DwgDbPath = copy;
    Preview(picture, drawId);
    if (round % 50 == 0) BrowseWithChooser();
    OpenRealWindow();
    const size_t before = Responder().Prompts().size();
    LoadStored(drawId, "Plan");
    RedrawRealWindow();  // cycles and chains of components and huge curves are drawn
    if (!LoadedPointsFinite(1)) ++notFiniteLoads;
    if (!OneColour(window_->Image())) ++drawnRounds;
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
  EXPECT_EQ(notFiniteLoads, 0);
  EXPECT_GT(drawnRounds, 500);  // the loads were drawn in a window of real size
  // A redraw's memory follows the window, not the size of what it draws.
  EXPECT_LT(PeakKilobytes() - peakBefore, 512L * 1024);
}

// Damaged copies saved over the stored drawing as File, Save does after Yes
// to its question, half of them with bytes flipped.
TEST_F(LoadFuzzTest, DamagedCopiesSavedOverReloadWholeOrAreLeftAsTheyWere) {
  const Long drawId = StoreSampleDrawing();
  const QByteArray pristine = StoredBytes();
  Responder().AnswerEveryMsgBox(vbOK);
  std::mt19937 random(20240612);
  const String copy = ScratchPath("Fuzz_dwg.mdb");
  int refused = 0, whole = 0, broken = 0;
  for (int round = 0; round < 300; ++round) {
    WriteDamagedCopy(pristine, copy, round % 2 == 1, random, drawId);
    ResetProgramState();
    DwgDbPath = copy;
    OpenRealWindow();
    LoadStored(drawId, "Plan");
    switch (SaveOverAndReload(copy, drawId)) {
      case SaveOutcome::Refused: ++refused; break;
      case SaveOutcome::Whole: ++whole; break;
      case SaveOutcome::Broken:
        ADD_FAILURE() << "round " << round << ": the save broke the database";
        ++broken;
        break;
    }
  }
  EXPECT_EQ(broken, 0);
  EXPECT_GT(whole, 200);   // most copies take the save
  EXPECT_GT(refused, 30);  // many of flipped bytes do not
}

TEST_F(LoadFuzzTest, HugeCurvesLoadExactlyAndDrawAsAFreshRedrawDoes) {
  for (const double magnitude : HugeMagnitudes) {
    SCOPED_TRACE(magnitude);
    const std::vector<Shape> curves = HugeCurves(magnitude);
    const Long plan = AddDrawingRow("Huge", 1, static_cast<Long>(curves.size()));
    layer_ = AddItemRow(plan, ItemLayer, "Layer 1");
    AddShapes(plan, curves);
    EraseDwgObjs(1);  // as a window does before it loads
    EraseDwgItems(1);
    OpenRealWindow();
    ASSERT_TRUE(LoadStored(plan, "Huge"));
    const std::vector<Long> loaded = EntitiesOf(1);
    ASSERT_EQ(loaded.size(), curves.size());
    for (size_t n = 0; n < curves.size(); ++n) {
      const ObjRec& obj = Objs[loaded[n]];
      EXPECT_EQ(obj.Rtype, curves[n].first);
      std::vector<std::pair<double, double>> points;
      for (Long k = 0; k < obj.NPoints; ++k) points.emplace_back(Pnts[obj.PointID + k].X, Pnts[obj.PointID + k].Y);
      EXPECT_EQ(points, curves[n].second) << "curve " << n;
    }
    const long peakBefore = PeakKilobytes();
    RedrawRealWindow();
    const QImage drawn = window_->Image().copy();
    EXPECT_EQ(drawn.size(), QSize(400, 300));
    EXPECT_FALSE(OneColour(drawn));  // the window was drawn in
    RedrawRealWindow();
    EXPECT_TRUE(window_->Image() == drawn);
    EXPECT_LT(PeakKilobytes() - peakBefore, 256L * 1024);
  }
  for (const String& text : Responder().MessageTexts()) ADD_FAILURE() << text;
}

TEST_F(LoadFuzzTest, PointsNoRealHoldsAreRefusedWithTheLoadersMessage) {
  Responder().AnswerEveryMsgBox(vbOK);
  for (size_t kind = 0; kind < SampleShapes().size(); ++kind) {
    for (const double value : NotFinite) {
      const Shape curve = NonFiniteCurve(kind, 1, kind % 2 == 1, value);
      SCOPED_TRACE(std::to_string(curve.first) + " with " + std::to_string(value));
      const Long plan = AddDrawingRow("Damaged", 1, 2);
      layer_ = AddItemRow(plan, ItemLayer, "Layer 1");
      const Long good = AddSegment(plan, 0, 0, 1, 1, layer_);
      const Long bad = AddShape(plan, curve);
      EraseDwgObjs(1);
      EraseDwgItems(1);
      OpenRealWindow();
      const size_t before = Responder().MessageTexts().size();
      LoadStored(plan, "Damaged");
      const std::vector<String> messages = Responder().MessageTexts();
      ASSERT_EQ(messages.size(), before + 1);
      const bool single = curve.second.size() == 1;  // its one point is its first
      EXPECT_EQ(messages.back(), String(single ? "First Point" : "Point 2") + " Not Found for Line: " +
                                     std::to_string(bad));
      const std::vector<Long> loaded = EntitiesOf(1);
      ASSERT_EQ(loaded.size(), 1u);  // the good line alone
      EXPECT_EQ(Objs[loaded[0]].LineID, good);
      EXPECT_TRUE(LoadedPointsFinite(1));
      RedrawRealWindow();
    }
  }
}

}  // namespace
}  // namespace lintavo
