// LoadData: reading a stored drawing, and the hatch pattern library.
//
// Sections:
//   Loading a drawing: module state, items, lines, links, the load
//   Hatch pattern library
//   Reset
#include "storage/LoadData.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

#include "model/DataHand.h"
#include "model/ItemMembers.h"
#include "model/ProgramState.h"
#include "model/SupportLists.h"
#include "model/Top.h"
#include "platform/Database.h"
#include "platform/Prompts.h"
#include "platform/Recordset.h"
#include "storage/DbSchema.h"
#include "storage/LoadObjects.h"
#include "storage/RowReader.h"
#include "storage/SupportFiles.h"

namespace lintavo {

// ---- Loading a drawing: module state --------------------------------------------------------

Long LoadedItemCount = 0;
Long LoadedObjEnd = 0;

namespace {

const char* const LoadDrawingTitle = "Load Drawing";
const char* const LoadRecordTitle = "Load Drawing Record";
const char* const LoadObjectsTitle = "Load Drawing Objects";
const char* const LoadLinesTitle = "Load Drawing Lines";

void ShowError(const DbError& error, const String& title) { MsgBox(ErrorText(error), vbOKOnly, title); }

// The items appended by this load, by database key, for turning the stored
// links of the loaded entities back into item indexes.
class LoadedItemKeys {
 public:
  void Collect(Long first) {
    keys_.clear();
    for (Long i = first; i <= ItemCount; ++i) keys_.emplace_back(Items[i].ObjectID, i);
    std::sort(keys_.begin(), keys_.end());
  }
  // The index of the first loaded item with that key; 0 when none has it.
  Long IndexOf(DbKey key) const {
    auto at = std::lower_bound(keys_.begin(), keys_.end(), std::make_pair(key, Long{0}));
    return at != keys_.end() && at->first == key ? at->second : 0;
  }

 private:
  std::vector<std::pair<DbKey, Long>> keys_;  // (ObjectID, Items index), sorted
};

// The stored owner and shown-item keys of the loaded entities that have
// any, by entity index in load order, kept until the links are resolved.
// Most entities link to no item: only those that do take room here.
struct StagedLinks {
  Long ObjNo = 0;       // index in Objs of the entity
  DbKey OwnerID = 0;    // key of the owning item's row; 0 none
  DbKey ObjectID = 0;   // key of the shown item's row; 0 none
};
using StagedLinkList = std::vector<StagedLinks>;

// ---- Loading a drawing: items ---------------------------------------------------------------

// Appends the drawing's Objects rows as items of drawing dwgNo; damaged rows
// are reported and skipped. False on a database error (shown).
bool LoadDrawingObjects(Connection& connection, Integer dwgNo, DamageReport& damage) {
  Recordset rows;
  ItemRowReader reader;
  if (rows.Open(connection, "Objects", "DrawingID", DbValue(Dwgs[dwgNo].DrawID))) {
    reader.Resolve(rows, ItemColumns::Objects);
    for (; !rows.Eof(); rows.MoveNext()) {
      ItemRec item;
      if (!reader.Read(rows, item)) {
        if (rows.Failed()) break;
        damage.Report("The item " + reader.Name(rows) + " has a damaged value and was skipped.");
        continue;
      }
      GrowItems();
      item.DwgNo = dwgNo;
      Items[++ItemCount] = item;
      CurItem = ItemCount;
      ++LoadedItemCount;
      // An item with geometry of its own comes with it: the entities showing
      // it find it loaded, and a later save stores the geometry again.
      if (item.Rtype == ItemWithGeometry && item.Nlines > 0) LoadObjectGeometry(connection);
    }
  }
  if (!rows.Failed()) return true;
  ShowError(rows.Error(), LoadObjectsTitle);
  return false;
}

// ---- Loading a drawing: lines ---------------------------------------------------------------
// The lines and their points are two ordered passes merged: the drawing's
// Lines rows in key order, and the Points rows of those lines in the order
// of their lines' keys and then their own. Each row is stepped once and each
// column the loader uses is read once, by position, as its type; one child
// query per line would cost a statement reset and an index search per line.
// A drawing that holds a good share of its table's lines reads the Points
// table in one scan in key order, kept by line in memory (PointsByLine):
// a join would search the LineID index and then the table for every point.
// A small drawing of a large table joins its lines to their points instead,
// so that it does not read the points of every other drawing.

// Room made in the model tables before a load appends a drawing's lines,
// so that a large drawing is not copied from one allocation to the next as
// it grows: room for the stored count of lines and two points per line,
// but for no more than MaxReservedLines lines, so that a damaged count
// cannot claim the memory; the headrooms cover the last growth step of
// each table. Only the allocation is made: bounds and counts follow the
// tables' own growth rules, and a drawing beyond the room grows by them.
constexpr Long MaxReservedLines = 2000000;
constexpr Long ReservedPointsPerLine = 2;
constexpr Long ObjsHeadroom = 100 + 2000;  // AddLoadedObj's test and step
constexpr Long PntsHeadroom = 1000;        // a step of a few points per line
// A drawing reads the whole Points table when its stored line count is at
// least this share (1 / LinesShareForScan) of the Lines table's largest key.
constexpr Long LinesShareForScan = 4;

template <typename Rec>
void ReserveRoom(std::vector<Rec>& table, Long count, Long more) {
  const std::size_t wanted = static_cast<std::size_t>(count) + static_cast<std::size_t>(more) + 1;
  if (wanted > table.capacity()) table.reserve(wanted);
}

void ReserveRoomForLines(Long storedLines) {
  const Long lines = std::clamp<Long>(storedLines, 0, MaxReservedLines);
  ReserveRoom(Objs, ObjCount, lines + ObjsHeadroom);
  ReserveRoom(Pnts, PntCount, lines * ReservedPointsPerLine + PntsHeadroom);
}

// Whether a scan of the Points table finds exactly the points a join on
// LineID would: the lines' LineID is their row key (INTEGER PRIMARY KEY)
// and the points' LineID keeps whole numbers as integers (integer
// affinity), so a point is a line's exactly when it holds its key as an
// integer. Other tables, of another program's making, are joined.
bool PointsScanMatchesJoin(Connection& connection) {
  ColumnDeclaration lineKey, pointLine;
  DbError ignored;  // a table that cannot be read fails the join too, with its own message
  if (!DeclarationOf(connection, "Lines", "LineID", lineKey, ignored) ||
      !DeclarationOf(connection, "Points", "LineID", pointLine, ignored))
    return false;
  String pointType = pointLine.Type;
  std::transform(pointType.begin(), pointType.end(), pointType.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return lineKey.RowKey && pointType.find("INT") != String::npos;
}

}  // namespace

PointsRoad LoadPointsRoad = PointsRoad::Chosen;

namespace {

// Whether the load of a drawing of storedLines lines reads the Points table
// in one scan rather than joining its lines to their points.
bool ScanPointsTable(Connection& connection, Long storedLines) {
  if (LoadPointsRoad == PointsRoad::Joined || !PointsScanMatchesJoin(connection)) return false;
  if (LoadPointsRoad == PointsRoad::Scanned) return true;
  std::int64_t largestKey = 0;
  DbError ignored;
  return LargestRowKey(connection, "Lines", largestKey, ignored) &&
         static_cast<std::int64_t>(storedLines) * LinesShareForScan >= largestKey;
}

// An opened drawing starts with nothing selected and nothing erased to
// bring back: a stored selection flag, set number or erase batch is none of
// this run (the drawing's set and batch counters start afresh, and an old
// number would join a later set or batch of the same number). The columns
// themselves stay in the file.
void StartUnselected(ObjRec& obj) {
  obj.Selected = FlagFalse;
  obj.Select = 0;
}

// Appends the lines of rows, each with its points, as entities of drawing
// dwgNo; see LoadDrawingLines.
template <typename Points>
void AppendStoredLines(Integer dwgNo, RowCursor& lines, Points& points, StagedLinkList& links,
                       DamageReport& damage) {
  LineRowReader lineReader;
  PointRowReader pointReader;
  lineReader.Resolve(LineColumns::Entity);
  pointReader.Resolve();
  for (; !lines.Eof() && !points.Failed(); lines.MoveNext()) {
    if (!StageStoredLine(lines, points, lineReader, pointReader, damage)) continue;
    LoadObj.DwgNo = dwgNo;
    StartUnselected(LoadObj);
    AddLoadedObj();
    if (LoadKeys.OwnerID != 0 || LoadKeys.ObjectID != 0)
      links.push_back({ObjCount, LoadKeys.OwnerID, LoadKeys.ObjectID});
    if (LoadKeys.LayerID > 0 && Objs[ObjCount].LayerID == 0)
      damage.Report("The layer of line " + std::to_string(LoadObj.LineID) + " was not found; it has no layer.");
  }
}

// Reads the Points table into byLine for the lines of a drawing whose
// first key is firstLine; false when the rows failed (points says why).
bool ReadPointsByLine(Connection& connection, RowCursor& points, PointsByLine& byLine, std::int64_t firstLine) {
  PointRowReader pointReader;
  pointReader.Resolve();
  std::int64_t largestKey = 0;
  DbError ignored;
  if (LargestRowKey(connection, "Points", largestKey, ignored))
    byLine.Reserve(std::clamp<std::int64_t>(largestKey, 0, MaxReservedLines * ReservedPointsPerLine));
  return points.Open(connection, RowSelection{"Points"}, PointsByLine::Columns()) &&
         byLine.Read(points, pointReader, firstLine);
}

// Appends the drawing's Lines rows with their Points rows as entities of
// drawing dwgNo, layer keys turned into the drawing's layer items; its
// record counts storedLines. False on a database error (shown).
bool LoadDrawingLines(Connection& connection, Integer dwgNo, Long storedLines, StagedLinkList& links,
                      DamageReport& damage) {
  RowSelection drawingLines{"Lines", "DrawingID", DbValue(Dwgs[dwgNo].DrawID)};
  RowCursor lines;
  RowCursor points;
  // A drawing of a good share of the table steps the table's lines too,
  // rather than reaching each of them through the index of drawings.
  const bool scan = ScanPointsTable(connection, storedLines);
  drawingLines.WholeTable = scan;
  if (lines.Open(connection, drawingLines, LineRowReader::Columns(LineColumns::Entity))) {
    PointsByLine byLine;
    if (scan && ReadPointsByLine(connection, points, byLine, lines.Key())) {
      ReserveRoomForLines(storedLines);
      AppendStoredLines(dwgNo, lines, byLine, links, damage);
    } else if (!scan && points.OpenChildren(connection, drawingLines, "LineID", "Points", "LineID",
                                            PointRowReader::Columns())) {
      ReserveRoomForLines(storedLines);
      AppendStoredLines(dwgNo, lines, points, links, damage);
    }
  }
  const DbError& error = lines.Failed() ? lines.Error() : points.Error();
  if (error.Number == DbErrNone) return true;
  ShowError(error, LoadLinesTitle);
  return false;
}

// ---- Loading a drawing: links ---------------------------------------------------------------

void ReportDroppedLink(DamageReport& damage, DbKey lineId) {
  damage.Report("An item linked from line " + std::to_string(lineId) + " was not found; the link was dropped.");
}

// A stored link to an item of the drawing (an owning group or area) as the
// index of the loaded item with that key; 0 for none, reported when the
// item does not exist.
Long LinkToLoadedItem(DbKey key, const LoadedItemKeys& keys, DamageReport& damage, DbKey lineId) {
  if (key == 0) return 0;
  const Long index = keys.IndexOf(key);
  if (index == 0) ReportDroppedLink(damage, lineId);
  return index;
}

// The owner of an entity that shows an item of its own (a placement, a text
// character), decided from its stored owner key alone: the loaded group,
// area or item with geometry of the drawing with that key; 0 for none. The
// key of the item shown is a row of another table (Components, the fonts
// database) and may equal an owner's key by chance, so it never decides.
// A key naming no owner is 0, or the shown item's own key, which older
// saves wrote in the owner's place; any other is reported and dropped.
Long OwnerOfShowingEntity(const StagedLinks& link, const LoadedItemKeys& keys, DamageReport& damage, DbKey lineId) {
  const Long index = keys.IndexOf(link.OwnerID);
  const Integer kind = index != 0 ? Items[index].Rtype : Integer{ItemDeleted};
  if (kind == ItemGroup || kind == ItemArea || kind == ItemWithGeometry) return index;
  if (link.OwnerID != 0 && link.OwnerID != link.ObjectID) ReportDroppedLink(damage, lineId);
  return 0;
}

// A placement of a component (entity i): linked to the definition, found in
// memory or loaded from the drawing's database (on the load's connection);
// owned by its group or area, or else, as every placement, by its definition.
void LinkComponent(Connection& connection, Long i, const StagedLinks& link, const LoadedItemKeys& keys,
                   DamageReport& damage) {
  const DbKey lineId = Objs[i].LineID;
  NewItemKind = ItemComponent;
  NewItemName = Objs[i].Name;
  Long index = 0;
  // A load appends to Objs and may move it: Objs(i) is read again afterwards.
  const bool found = FindLoadedComponent(index) || LoadComponent(connection, NewItemName);
  ObjRec& obj = Objs[i];
  // Unresolved, its keys name rows of another table: as indexes they would
  // point at unrelated items. Drawing the placement finds it by name.
  if (!found) damage.Report("The component " + obj.Name + " of line " + std::to_string(lineId) + " was not found.");
  const Long definition = found ? CurItem : 0;
  const Long owner = OwnerOfShowingEntity(link, keys, damage, lineId);
  obj.OwnerID = owner != 0 ? owner : definition;
  obj.ObjectID = definition;
}

// The item of that kind loaded with the drawing under the key; 0 when none.
Long LoadedItemOfKind(DbKey key, Integer kind, const LoadedItemKeys& keys) {
  if (key == 0) return 0;
  const Long index = keys.IndexOf(key);
  return index != 0 && Items[index].Rtype == kind ? index : 0;
}

// An area polygon, fill, hatch (kind 4) or dimension (kind 7), entity i:
// linked to the item it was saved with, found by its stored key among the
// drawing's items (two areas may bear one name), or else by its Name, in
// memory or in the database. A row owned by the item it shows (an area's
// boundary) keeps it as owner; any other keeps its own owner (none, or a
// group): a fill or hatch only shows its area.
void LinkNamedItem(Connection& connection, Long i, Integer kind, const StagedLinks& link,
                   const LoadedItemKeys& keys, DamageReport& damage) {
  Long item = LoadedItemOfKind(link.ObjectID, kind, keys);
  if (item == 0) {
    NewItemKind = kind;
    NewItemName = Objs[i].Name;
    const bool found = LoadNamedObject(connection);
    if (!found)
      damage.Report("The item " + Objs[i].Name + " of line " + std::to_string(Objs[i].LineID) + " was not found.");
    item = found ? CurItem : 0;
  }
  const bool ownedByItem = link.OwnerID == link.ObjectID;
  Objs[i].ObjectID = item;
  Objs[i].OwnerID = ownedByItem ? item : LinkToLoadedItem(link.OwnerID, keys, damage, Objs[i].LineID);
}

// Any other entity, i: owned by the group or area its row names, and
// showing the area whose boundary it is a piece of (a broken or trimmed
// boundary). A simple entity shows no other item of a drawing: any other
// shown key is dropped unreported.
void LinkPlainEntity(Long i, const StagedLinks& link, const LoadedItemKeys& keys, DamageReport& damage) {
  ObjRec& obj = Objs[i];
  obj.OwnerID = LinkToLoadedItem(link.OwnerID, keys, damage, obj.LineID);
  if (obj.Rtype < FirstCompoundType) obj.ObjectID = LoadedItemOfKind(link.ObjectID, ItemArea, keys);
}

// A text character (entity i): its glyph key is a row of the fonts database,
// so the glyph is linked by name once the drawing is loaded; its owner, when
// it has one, is a group or area of the drawing.
void LinkTextChar(Long i, const StagedLinks& link, const LoadedItemKeys& keys, DamageReport& damage) {
  Objs[i].ObjectID = 0;
  Objs[i].OwnerID = OwnerOfShowingEntity(link, keys, damage, Objs[i].LineID);
}

// Turns the stored links (links, in entity order) of the entities
// firstObj..LoadedObjEnd of drawing dwgNo into item indexes; definitions are
// read on connection.
void LinkLoadedObjects(Connection& connection, Long firstObj, Integer dwgNo, const StagedLinkList& links,
                       const LoadedItemKeys& keys, DamageReport& damage) {
  auto next = links.begin();
  for (Long i = firstObj; i <= LoadedObjEnd; ++i) {
    if (Objs[i].DwgNo != dwgNo) continue;
    while (next != links.end() && next->ObjNo < i) ++next;
    const StagedLinks link = next != links.end() && next->ObjNo == i ? *next : StagedLinks{i, 0, 0};
    const Integer type = Objs[i].Rtype;
    const bool named = link.ObjectID >= 1;
    if (type == EntityComponent) {
      LinkComponent(connection, i, link, keys, damage);
    } else if (type == EntityTextChar) {
      LinkTextChar(i, link, keys, damage);
    } else if ((type == EntityPolygon || type == EntityFill || type == EntityHatch) && named) {
      LinkNamedItem(connection, i, ItemArea, link, keys, damage);
    } else if (type == EntityDimension && named) {
      LinkNamedItem(connection, i, ItemWithGeometry, link, keys, damage);
    } else {
      LinkPlainEntity(i, link, keys, damage);
    }
  }
}

// ---- Loading a drawing: the load ------------------------------------------------------------

// The extents of drawing dwgNo from its live entities' points, for a row
// whose stored extents were damaged: the points of simple entities, the
// insertion points of compound ones; a drawing without a point gets an
// empty box at the origin. The next extents pass of the view refines them.
void RecomputeLoadedExtents(Integer dwgNo) {
  DwgRec& dwg = Dwgs[dwgNo];
  bool any = false;
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
    const ObjRec& obj = Objs[i];
    if (obj.DwgNo != dwgNo || obj.Erased || obj.NPoints < 1) continue;
    const Long last = obj.PointID + (obj.Rtype >= FirstCompoundType ? 1 : obj.NPoints);
    for (Long k = obj.PointID; k < last; ++k) {
      if (!any) {
        dwg.Xmin = dwg.Xmax = Pnts[k].X;
        dwg.Ymin = dwg.Ymax = Pnts[k].Y;
        any = true;
      }
      WidenBox(dwg, Pnts[k].X, Pnts[k].Y);
    }
  }
  if (!any) dwg.Xmin = dwg.Ymin = dwg.Xmax = dwg.Ymax = 0;
  MarkExtentsChanged(dwgNo);
}

// Reads the Drawing row of CurDrawID into Dwgs(dwgNo). False when the key
// names no drawing, when there is no such row or it cannot be read (shown).
bool LoadDrawingRecord(Connection& connection, Integer dwgNo, bool& extentsRead) {
  const String name = Dwgs[dwgNo].Name;
  if (!IsDrawingKey(CurDrawID)) {
    MsgBox(" Drawing " + name + " is stored under the key " + std::to_string(CurDrawID) +
               ", which names no drawing: it was not loaded.",
           vbOKOnly, LoadDrawingTitle);
    return false;
  }
  Recordset row;
  bool read = false;
  if (row.Open(connection, "Drawing", "DrawID", DbValue(CurDrawID))) {
    if (row.Eof()) {
      MsgBox(" Drawing " + name + " Not Found!!", vbOKOnly, LoadDrawingTitle);
      return false;
    }
    read = ReadDrawingRow(row, Dwgs[dwgNo], extentsRead);
    if (!read && !row.Failed()) MsgBox("The record of drawing " + name + " has a damaged value.", vbOKOnly, LoadRecordTitle);
  }
  if (row.Failed()) ShowError(row.Error(), LoadRecordTitle);
  return read;
}

}  // namespace

bool LoadDrawing() {
  const Integer dwgNo = CurDwg;
  if (dwgNo < 0 || dwgNo > MaxDwgNo) {
    MsgBox("No drawing window can take the drawing.", vbOKOnly, LoadRecordTitle);
    return false;
  }
  CurDrawID = Dwgs[dwgNo].DrawID;
  OpenDbPath = DwgDbPath;
  // Every read of the load, on one connection in one read transaction: the
  // drawing is read as one save left it, though another program saves it
  // meanwhile.
  Connection connection;
  if (!connection.Open(OpenDbPath, OpenMode::ReadOnly) || !connection.BeginReadTrans()) {
    ShowError(connection.Error(), LoadRecordTitle);
    return false;
  }
  bool extentsRead = true;
  // The stored count of lines gates the reads below; the drawing's own count
  // of live entities is kept, and each entity read counts itself as it joins
  // the drawing (AddLoadedObj), so that it counts what the load gave.
  const Long liveBefore = Dwgs[dwgNo].Nlines;
  const bool recordRead = LoadDrawingRecord(connection, dwgNo, extentsRead);
  const Long storedLines = Dwgs[dwgNo].Nlines;
  Dwgs[dwgNo].Nlines = liveBefore;
  if (!recordRead) return false;
  DwgRec& dwg = Dwgs[dwgNo];
  CurDwgName = dwg.Name;
  CurDrawID = dwg.DrawID;

  LoadedItemCount = 0;
  LoadedObjEnd = ObjCount;
  CompDbPath = DwgDbPath;  // components of a loaded drawing come from its own database
  DamageReport damage(LoadDrawingTitle);
  const Long firstItem = ItemCount + 1;
  bool complete = true;
  // The stored counts gate the reads: rows of a drawing counted empty stay unread.
  if (dwg.Nobjects > 0) complete = LoadDrawingObjects(connection, dwgNo, damage);
  if (storedLines >= 1) {
    const Long firstObj = ObjCount + 1;
    StagedLinkList links;
    complete = LoadDrawingLines(connection, dwgNo, storedLines, links, damage) && complete;
    LoadedObjEnd = ObjCount;
    LoadedItemKeys keys;
    keys.Collect(firstItem);
    LinkLoadedObjects(connection, firstObj, dwgNo, links, keys, damage);
    EntityTableLinksChanged();  // the links were written after the entities were appended
    LayOutItemMembers();
  }
  dwg.Nobjects = LoadedItemCount;
  // A group's stored box may hold only its members' points (a circle by its
  // centre and one point of its rim): each loaded group is measured again
  // from what its members draw before its box is read.
  for (Long i = firstItem; i <= ItemCount; ++i)
    if (Items[i].Rtype == ItemGroup) NoteItemExtents(i);
  if (!extentsRead) RecomputeLoadedExtents(dwgNo);
  return complete;
}

// ---- Hatch pattern library ----------------------------------------------------------------

namespace {

const char* const LoadPatternsTitle = "Load Patterns";

// Column positions of a Patterns row.
struct PatternFields {
  int id, name, description, type, color, nlines;
  explicit PatternFields(Recordset& rs)
      : id(rs.FieldIndex("PatternID")), name(rs.FieldIndex("Name")),
        description(rs.FieldIndex("Description")), type(rs.FieldIndex("Type")),
        color(rs.FieldIndex("Color")), nlines(rs.FieldIndex("Nlines")) {}
};

// Column positions of a PatternLines row, in the record's field order.
struct PatternLineFields {
  int id, patternId, values[11];
  explicit PatternLineFields(Recordset& rs) : id(rs.FieldIndex("PlineID")), patternId(rs.FieldIndex("PatternID")) {
    const char* names[11] = {"ANGLE", "Xorigin", "Yorigin", "DeltaX", "DeltaY", "Dash1",
                             "Dash2", "Dash3", "Dash4", "Dash5", "Dash6"};
    for (int i = 0; i < 11; ++i) values[i] = rs.FieldIndex(names[i]);
  }
};

bool ReadPattern(Recordset& rs, const PatternFields& f, PatternRec& pattern) {
  for (int field : {f.id, f.type, f.color, f.nlines})
    if (rs.Field(field).IsNull()) return false;
  pattern.PatternID = rs.Field(f.id).AsLong();
  pattern.Name = TextOrEmpty(rs, f.name);
  pattern.Description = TextOrEmpty(rs, f.description);
  pattern.Type = rs.Field(f.type).AsInteger();
  pattern.Color = rs.Field(f.color).AsLong();
  pattern.Nlines = rs.Field(f.nlines).AsInteger();
  return !rs.Failed();
}

bool ReadPatternLine(Recordset& rs, const PatternLineFields& f, PatternLineRec& line) {
  if (rs.Field(f.id).IsNull() || rs.Field(f.patternId).IsNull()) return false;
  for (int field : f.values)
    if (rs.Field(field).IsNull()) return false;
  line.PlineID = rs.Field(f.id).AsLong();
  line.PatternID = rs.Field(f.patternId).AsLong();
  Single* targets[11] = {&line.ANGLE, &line.Xorigin, &line.Yorigin, &line.DeltaX, &line.DeltaY, &line.Dash1,
                         &line.Dash2, &line.Dash3, &line.Dash4, &line.Dash5, &line.Dash6};
  for (int i = 0; i < 11; ++i) *targets[i] = rs.Field(f.values[i]).AsSingle();
  return !rs.Failed();
}

void AppendPattern(const PatternRec& pattern) {
  if (PatternCount + 10 > PatternCap) {
    PatternCap += 100;
    HatchPatterns.resize(PatternCap + 1);
  }
  HatchPatterns[++PatternCount] = pattern;
}

void AppendPatternLine(const PatternLineRec& line) {
  if (PatternLineCount + 100 > PatternLineCap) {
    PatternLineCap += 1000;
    HatchPatternLines.resize(PatternLineCap + 1);
  }
  HatchPatternLines[++PatternLineCount] = line;
}

// The line families of the pattern row the child rows follow now.
void LoadPatternLines(Recordset& lines, DamageReport& damage) {
  PatternLineFields fields(lines);
  for (; !lines.Eof(); lines.MoveNext()) {
    PatternLineRec line;
    if (ReadPatternLine(lines, fields, line))
      AppendPatternLine(line);
    else if (!lines.Failed())
      damage.Report("A pattern line with an empty value was skipped (PlineID " +
                    TextOrEmpty(lines, fields.id) + ").");
  }
}

}  // namespace

void LoadPatterns() {
  Connection connection;
  Recordset patterns;
  DamageReport damage(LoadPatternsTitle);
  if (!connection.Open(SupportFilePath(PatternsDbFile), OpenMode::ReadOnly)) {
    MsgBox(ErrorText(connection.Error()), vbOKOnly, LoadPatternsTitle);
    return;
  }
  if (patterns.Open(connection, "Patterns") && patterns.Relate("PatternLines", "PatternID", "PatternID")) {
    PatternFields fields(patterns);
    for (; !patterns.Eof(); patterns.MoveNext()) {
      PatternRec pattern;
      if (!ReadPattern(patterns, fields, pattern)) {
        if (!patterns.Failed())
          damage.Report("A pattern with an empty value was skipped (row " + TextOrEmpty(patterns, fields.id) + ").");
        continue;
      }
      AppendPattern(pattern);
      // A pattern stored with no lines gets none, even when line rows exist.
      if (pattern.Nlines > 0) LoadPatternLines(patterns.Children(), damage);
      if (patterns.Children().Failed()) break;
    }
  }
  const DbError& error = patterns.Failed() ? patterns.Error() : patterns.Children().Error();
  if (error.Number != DbErrNone) MsgBox(ErrorText(error), vbOKOnly, LoadPatternsTitle);
}

// ---- Reset -----------------------------------------------------------------------------------

void ResetLoadData() {
  LoadPointsRoad = PointsRoad::Chosen;
  LoadedItemCount = 0;
  LoadedObjEnd = 0;
}

namespace {
const ModuleRegistrar Registered({"LoadData", FloorStorage, ResetLoadData});
}  // namespace

}  // namespace lintavo
