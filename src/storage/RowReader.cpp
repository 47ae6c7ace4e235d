// RowReader: model records from database rows, and definition geometry.
//
// Sections:
//   Fields
//   Lines rows
//   Points rows and the vertices of one line
//   Item rows
//   Drawing rows
//   Damage reports
//   Definition geometry
#include "storage/RowReader.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

#include "platform/Numbers.h"
#include "platform/Prompts.h"

namespace lintavo {

// ---- Fields ----------------------------------------------------------------------------

String TextOrEmpty(Recordset& rs, int field) {
  String text;
  rs.Field(field).TryText(text);
  return text;
}

bool ReadTextOrEmpty(Recordset& rs, int field, String& text) {
  if (!rs.Field(field).TryText(text)) text.clear();
  return !rs.Failed();
}

bool ReadTextOrEmpty(RowCursor& rows, int field, String& text) {
  const CellRead read = rows.ReadText(field, text);
  if (read != CellRead::Value) text.clear();
  return read != CellRead::Failed;
}

bool FieldIsNull(Recordset& rs, int field) { return rs.Field(field).IsNull(); }
bool FieldIsNull(RowCursor& rows, int field) { return rows.IsNull(field); }

bool ReadDouble(Recordset& rs, int field, Double& value) {
  Double read = 0;
  if (!rs.Field(field).TryDouble(read) || !std::isfinite(read)) return false;
  value = read;
  return true;
}

bool ReadDouble(RowCursor& rows, int field, Double& value) { return rows.ReadReal(field, value) == CellRead::Value; }

bool ReadWhole(Recordset& rs, int field, Long low, Long high, Long& value) {
  Double read = 0;
  if (!ReadDouble(rs, field, read)) return false;
  read = RoundHalfEven(read);
  if (read < low || read > high) return false;
  value = static_cast<Long>(read);
  return true;
}

bool ReadWhole(RowCursor& rows, int field, Long low, Long high, Long& value) {
  std::int64_t read = 0;
  if (rows.ReadWhole(field, low, high, read) != CellRead::Value) return false;
  value = static_cast<Long>(read);
  return true;
}

template <typename Rows>
bool ReadInteger(Rows& rs, int field, Integer& value) {
  Long read = 0;
  if (!ReadWhole(rs, field, std::numeric_limits<Integer>::min(), std::numeric_limits<Integer>::max(), read))
    return false;
  value = static_cast<Integer>(read);
  return true;
}

template <typename Rows>
bool ReadLong(Rows& rs, int field, Long& value) {
  return ReadWhole(rs, field, std::numeric_limits<Long>::min(), std::numeric_limits<Long>::max(), value);
}

template <typename Rows>
bool ReadSingle(Rows& rs, int field, Single& value) {
  Double read = 0;
  if (!ReadDouble(rs, field, read) || std::fabs(read) > std::numeric_limits<Single>::max()) return false;
  value = ToSingle(read);
  return true;
}

bool ReadKey(Recordset& rs, int field, DbKey& value) {
  return rs.Field(field).TryWhole(std::numeric_limits<DbKey>::min(), std::numeric_limits<DbKey>::max(), value);
}

bool ReadKey(RowCursor& rows, int field, DbKey& value) {
  return rows.ReadWhole(field, std::numeric_limits<DbKey>::min(), std::numeric_limits<DbKey>::max(), value) ==
         CellRead::Value;
}

template bool ReadInteger(Recordset&, int, Integer&);
template bool ReadInteger(RowCursor&, int, Integer&);
template bool ReadLong(Recordset&, int, Long&);
template bool ReadLong(RowCursor&, int, Long&);
template bool ReadSingle(Recordset&, int, Single&);
template bool ReadSingle(RowCursor&, int, Single&);

// ---- Lines rows ------------------------------------------------------------------------

namespace {

// The columns of a Lines row in the order LineRowReader keeps their
// positions; a definition's stroke takes the first StrokeFieldCount.
enum LineField {
  AtLineID, AtRtype, AtName, AtShow, AtErased, AtFlag, AtColor, AtLtype, AtWeight, AtWidth, AtNPoints,
  AtLayerID, AtObjectID, AtDrawingID, AtSelected, AtSelect, AtArea, AtOwnerID, LineFieldCount
};
constexpr int StrokeFieldCount = AtSelected;
const char* const LineColumnNames[] = {"LineID", "Rtype",   "Name",     "Show",     "Erased",  "Flag",
                                       "Color",  "Ltype",   "Weight",   "Width",    "NPoints", "LayerID",
                                       "ObjectID", "DrawingID", "Selected", "Select", "Area",    "OwnerID"};
static_assert(std::size(LineColumnNames) == LineFieldCount, "one name per column of a Lines row");
static_assert(LineRowReader::FieldCount == LineFieldCount, "a position per column of a Lines row");

}  // namespace

const std::vector<String>& LineRowReader::Columns(LineColumns columns) {
  static const std::vector<String> entity(std::begin(LineColumnNames), std::end(LineColumnNames));
  static const std::vector<String> stroke(std::begin(LineColumnNames), std::begin(LineColumnNames) + StrokeFieldCount);
  return columns == LineColumns::Entity ? entity : stroke;
}

void LineRowReader::Resolve(Recordset& rs, LineColumns columns) {
  columns_ = columns;
  for (int i = 0; i < LineFieldCount; ++i) at_[i] = rs.FieldIndex(LineColumnNames[i]);
}

void LineRowReader::Resolve(LineColumns columns) {
  columns_ = columns;
  for (int i = 0; i < LineFieldCount; ++i) at_[i] = i;
}

bool LineRowReader::DrawingIdIsNull(Recordset& rs) const { return rs.Field(at_[AtDrawingID]).IsNull(); }

template <typename Rows>
bool LineRowReader::Read(Rows& rs, ObjRec& obj, LoadKeysRec& keys) const {
  // The key first, so that a report about a damaged row can name it.
  if (!ReadKey(rs, at_[AtLineID], obj.LineID)) return false;
  if (!(ReadInteger(rs, at_[AtRtype], obj.Rtype) && ReadInteger(rs, at_[AtShow], obj.Show) &&
        ReadInteger(rs, at_[AtErased], obj.Erased) && ReadLong(rs, at_[AtFlag], obj.Flag) &&
        ReadLong(rs, at_[AtColor], obj.Color) && ReadInteger(rs, at_[AtLtype], obj.Ltype) &&
        ReadInteger(rs, at_[AtWeight], obj.Weight) && ReadSingle(rs, at_[AtWidth], obj.Width) &&
        ReadInteger(rs, at_[AtNPoints], obj.NPoints) && ReadKey(rs, at_[AtLayerID], keys.LayerID) &&
        ReadKey(rs, at_[AtDrawingID], obj.DrawingID)))
    return false;
  // The shown item matters only for compound types; below them a Null is
  // none. A read that fails leaves the key unchanged, so it is cleared first.
  keys.ObjectID = 0;
  if (!ReadKey(rs, at_[AtObjectID], keys.ObjectID) &&
      !(obj.Rtype < FirstCompoundType && FieldIsNull(rs, at_[AtObjectID])))
    return false;
  if (columns_ == LineColumns::Entity &&
      !(ReadInteger(rs, at_[AtSelected], obj.Selected) && ReadLong(rs, at_[AtSelect], obj.Select) &&
        ReadSingle(rs, at_[AtArea], obj.Area) && ReadKey(rs, at_[AtOwnerID], keys.OwnerID)))
    return false;
  return ReadTextOrEmpty(rs, at_[AtName], obj.Name);
}

template bool LineRowReader::Read(Recordset&, ObjRec&, LoadKeysRec&) const;
template bool LineRowReader::Read(RowCursor&, ObjRec&, LoadKeysRec&) const;

Integer LeastPointsOfType(Integer Rtype) {
  // Indexed by type: the points each drawer reads (see ObjectDrawers.h);
  // compounds keep their placement in their first points.
  static constexpr Integer least[] = {0, 1, 2, 2, 4, 6, 4, 2, 4, 4, 2, 2, 3, 5, 1, 1, 1};
  static_assert(std::size(least) == EntityHatch + 1, "one count per entity type 0..16");
  if (Rtype < EntityPoint || Rtype > EntityHatch) return 0;
  return least[Rtype];
}

// ---- Points rows and the vertices of one line --------------------------------------------

const std::vector<String>& PointRowReader::Columns() {
  static const std::vector<String> columns = {"PX", "PY"};
  return columns;
}

void PointRowReader::Resolve(Recordset& rs) {
  px_ = rs.FieldIndex("PX");
  py_ = rs.FieldIndex("PY");
}

void PointRowReader::Resolve() {
  px_ = 0;
  py_ = 1;
}

template <typename Rows>
bool PointRowReader::Read(Rows& rs, PntRec& point) const {
  return ReadDouble(rs, px_, point.X) && ReadDouble(rs, py_, point.Y);
}

template bool PointRowReader::Read(Recordset&, PntRec&) const;
template bool PointRowReader::Read(RowCursor&, PntRec&) const;

namespace {

// Stages LoadObj's vertices from the current row of points on while
// ownRow() says the row is the line's, each read by readRow(point); see
// StageLinePoints.
template <typename Rows, typename OwnRow, typename ReadRow>
Long StageOwnPoints(Rows& points, OwnRow ownRow, ReadRow readRow) {
  const Long count = LoadObj.NPoints;
  if (count > LoadPntsMax) {
    LoadPntsMax = static_cast<Integer>(std::min<Long>(count + 100, std::numeric_limits<Integer>::max()));
    LoadPnts.assign(static_cast<size_t>(LoadPntsMax) + 1, PntRec{});
  }
  for (Long k = 1; k <= count; ++k, points.MoveNext()) {
    PntRec& point = LoadPnts[k];
    if (points.Eof() || !ownRow() || !readRow(point)) return k;
    point.Seq = k;
    point.ObjNo = 0;  // AddLoadedObj gives the vertex its entity's index
  }
  return 0;
}

}  // namespace

Long StageLinePoints(Recordset& points, const PointRowReader& reader) {
  return StageOwnPoints(points, [] { return true; }, [&](PntRec& point) { return reader.Read(points, point); });
}

Long StageLinePoints(RowCursor& points, const PointRowReader& reader, std::int64_t lineKey) {
  while (!points.Eof() && points.Key() < lineKey) points.MoveNext();  // rows of lines skipped or damaged
  return StageOwnPoints(
      points, [&] { return points.Key() == lineKey; }, [&](PntRec& point) { return reader.Read(points, point); });
}

Long StageLinePoints(PointsByLine& points, std::int64_t lineKey) {
  while (!points.Eof() && points.Key() < lineKey) points.MoveNext();  // rows of lines skipped or damaged
  return StageOwnPoints(
      points, [&] { return points.Key() == lineKey; }, [&](PntRec& point) { return points.ReadPoint(point); });
}

const std::vector<String>& PointsByLine::Columns() {
  static const std::vector<String> columns = {"PX", "PY", "LineID"};
  return columns;
}

bool PointsByLine::Read(RowCursor& rows, const PointRowReader& reader, std::int64_t firstLine) {
  constexpr int AtLine = 2;
  points_.clear();
  next_ = 0;
  bool ordered = true;
  for (; !rows.Eof(); rows.MoveNext()) {
    Point point;
    // A LineID of another kind equals no line's integer key; such a row is nobody's point.
    if (rows.ReadStoredWhole(AtLine, point.Line) != CellRead::Value || point.Line < firstLine) continue;
    PntRec read;
    if (reader.Read(rows, read)) {
      point.X = read.X;
      point.Y = read.Y;
    } else {
      point.X = std::numeric_limits<Double>::quiet_NaN();
    }
    ordered = ordered && (points_.empty() || points_.back().Line <= point.Line);
    points_.push_back(point);
  }
  // Rows written line after line come in their lines' order already; others
  // are put in it, keeping the key order within each line.
  if (!ordered)
    std::stable_sort(points_.begin(), points_.end(), [](const Point& a, const Point& b) { return a.Line < b.Line; });
  return !rows.Failed();
}

bool PointsByLine::ReadPoint(PntRec& point) const {
  const Point& at = points_[next_];
  if (std::isnan(at.X)) return false;
  point.X = at.X;
  point.Y = at.Y;
  return true;
}

String MissingPointText(Long k) {
  if (k == 1) return "First Point Not Found for Line: " + std::to_string(LoadObj.LineID);
  return "Point " + std::to_string(k) + " Not Found for Line: " + std::to_string(LoadObj.LineID);
}

// ---- Item rows ---------------------------------------------------------------------------

void ItemRowReader::Resolve(Recordset& rs, ItemColumns columns) {
  columns_ = columns;
  objectId_ = rs.FieldIndex("ObjectID");
  rtype_ = rs.FieldIndex("Rtype");
  name_ = rs.FieldIndex("Name");
  category_ = rs.FieldIndex("Category");
  description_ = rs.FieldIndex("Description");
  partNumber_ = rs.FieldIndex("PartNumber");
  linkType_ = rs.FieldIndex("LinkType");
  linkTable_ = rs.FieldIndex("LinkTable");
  linkField_ = rs.FieldIndex("LinkField");
  show_ = rs.FieldIndex("Show");
  lock_ = rs.FieldIndex("Lock");
  nlines_ = rs.FieldIndex("Nlines");
  xorigin_ = rs.FieldIndex("Xorigin");
  yorigin_ = rs.FieldIndex("Yorigin");
  xmin_ = rs.FieldIndex("Xmin");
  ymin_ = rs.FieldIndex("Ymin");
  xmax_ = rs.FieldIndex("Xmax");
  ymax_ = rs.FieldIndex("Ymax");
  drawingId_ = rs.FieldIndex("DrawingID");
  author_ = rs.FieldIndex("Author");
  created_ = rs.FieldIndex("CreationDate");
}

Date DateOrNull(Recordset& rs, int field) {
  FieldRef value = rs.Field(field);
  return value.IsNull() ? Date() : value.AsDate();
}

bool ItemRowReader::Read(Recordset& rs, ItemRec& item) const {
  if (!(ReadKey(rs, objectId_, item.ObjectID) && ReadInteger(rs, rtype_, item.Rtype) &&
        ReadLong(rs, nlines_, item.Nlines) && ReadDouble(rs, xorigin_, item.Xorigin) &&
        ReadDouble(rs, yorigin_, item.Yorigin) && ReadDouble(rs, xmin_, item.Xmin) &&
        ReadDouble(rs, ymin_, item.Ymin) && ReadDouble(rs, xmax_, item.Xmax) && ReadDouble(rs, ymax_, item.Ymax)))
    return false;
  item.Name = TextOrEmpty(rs, name_);
  item.Description = TextOrEmpty(rs, description_);
  item.Author = TextOrEmpty(rs, author_);
  item.CreationDate = DateOrNull(rs, created_);
  item.Show = FlagTrue;
  switch (columns_) {
    case ItemColumns::Objects:
      if (!(ReadInteger(rs, show_, item.Show) && ReadInteger(rs, lock_, item.Lock) &&
            ReadKey(rs, drawingId_, item.DrawingID)))
        return false;
      item.Category = TextOrEmpty(rs, category_);
      break;
    case ItemColumns::Components:
      item.Category = TextOrEmpty(rs, category_);
      item.PartNumber = TextOrEmpty(rs, partNumber_);
      item.LinkTable = TextOrEmpty(rs, linkTable_);
      item.LinkField = TextOrEmpty(rs, linkField_);
      if (!rs.Field(linkType_).IsNull() && !ReadInteger(rs, linkType_, item.LinkType)) return false;
      break;
    case ItemColumns::Fonts:
      break;
  }
  return !rs.Failed();
}

// ---- Drawing rows ------------------------------------------------------------------------

namespace {

// Column positions of a Drawing row; one row is read per load, so they are
// looked up each time.
struct DrawingFields {
  int drawId, name, revision, rtype, category, description, partNumber, nobjects, nlines, nlayers;
  int baseX, baseY, xmin, ymin, xmax, ymax, author, created, xlimit, ylimit;
  explicit DrawingFields(Recordset& rs)
      : drawId(rs.FieldIndex("DrawID")), name(rs.FieldIndex("Name")), revision(rs.FieldIndex("Revision")),
        rtype(rs.FieldIndex("Rtype")), category(rs.FieldIndex("Category")),
        description(rs.FieldIndex("Description")), partNumber(rs.FieldIndex("PartNumber")),
        nobjects(rs.FieldIndex("Nobjects")), nlines(rs.FieldIndex("Nlines")), nlayers(rs.FieldIndex("Nlayers")),
        baseX(rs.FieldIndex("BaseX")), baseY(rs.FieldIndex("BaseY")), xmin(rs.FieldIndex("Xmin")),
        ymin(rs.FieldIndex("Ymin")), xmax(rs.FieldIndex("Xmax")), ymax(rs.FieldIndex("Ymax")),
        author(rs.FieldIndex("Author")), created(rs.FieldIndex("CreationDate")), xlimit(rs.FieldIndex("Xlimit")),
        ylimit(rs.FieldIndex("Ylimit")) {}
};

}  // namespace

bool ReadDrawingRow(Recordset& rs, DwgRec& dwg, bool& extentsRead) {
  const DrawingFields f(rs);
  DwgRec row = dwg;
  if (!(ReadKey(rs, f.drawId, row.DrawID) && ReadLong(rs, f.nobjects, row.Nobjects) &&
        ReadLong(rs, f.nlines, row.Nlines) && ReadInteger(rs, f.nlayers, row.Nlayers) &&
        ReadDouble(rs, f.baseX, row.BaseX) && ReadDouble(rs, f.baseY, row.BaseY) &&
        ReadDouble(rs, f.xlimit, row.Xlimit) && ReadDouble(rs, f.ylimit, row.Ylimit)))
    return false;
  // The extents are derived from the lines: damaged, they do not stop the load.
  extentsRead = ReadDouble(rs, f.xmin, row.Xmin) && ReadDouble(rs, f.ymin, row.Ymin) &&
                ReadDouble(rs, f.xmax, row.Xmax) && ReadDouble(rs, f.ymax, row.Ymax);
  row.Name = TextOrEmpty(rs, f.name);
  row.Revision = TextOrEmpty(rs, f.revision);
  row.Rtype = TextOrEmpty(rs, f.rtype);
  row.Category = TextOrEmpty(rs, f.category);
  row.Description = TextOrEmpty(rs, f.description);
  row.PartNumber = TextOrEmpty(rs, f.partNumber);
  row.Author = TextOrEmpty(rs, f.author);
  row.CreationDate = DateOrNull(rs, f.created);
  row.Show = FlagTrue;
  if (rs.Failed()) return false;
  dwg = row;
  return true;
}

// ---- Damage reports ----------------------------------------------------------------------

void DamageReport::Report(const String& text) {
  if (reported_) return;
  reported_ = true;
  MsgBox(text, vbOKOnly, title_);
}

// ---- Definition geometry -----------------------------------------------------------------

namespace {

// The fields of a definition's entity that come from its owner, not its row.
// A definition's layer column holds the value the entity had in memory; a
// compound's shown item is found by its name when it is drawn, as a key of
// another row is no index of Items.
void StageOwnedLine(Long Owner) {
  LoadObj.OwnerID = Owner;
  LoadObj.ObjectID = LoadObj.Rtype < FirstCompoundType ? Owner : 0;
  const bool layerFits = LoadKeys.LayerID >= 0 && LoadKeys.LayerID <= std::numeric_limits<Long>::max();
  LoadObj.LayerID = layerFits ? static_cast<Long>(LoadKeys.LayerID) : 0;
  LoadObj.Selected = 0;
  LoadObj.Select = 0;
  LoadObj.Area = 0;
  LoadObj.DrawingID = 0;
  LoadObj.DwgNo = 0;
}

// Reads the current line row into LoadObj; false (reported unless the
// rows failed) when it is damaged or of a type no drawer knows.
template <typename Rows>
bool ReadLineRow(Rows& lines, const LineRowReader& reader, DamageReport& damage) {
  if (!reader.Read(lines, LoadObj, LoadKeys)) {
    if (!lines.Failed())
      damage.Report("A line with a damaged value was skipped (LineID " + std::to_string(LoadObj.LineID) + ").");
    return false;
  }
  if (LeastPointsOfType(LoadObj.Rtype) > 0) return true;
  damage.Report("A line of unknown type " + std::to_string(LoadObj.Rtype) + " was skipped (LineID " +
                std::to_string(LoadObj.LineID) + ").");
  return false;
}

// The points of the line on the current row of lines, staged.
Long StagePointsOf(Recordset&, Recordset& points, const PointRowReader& reader) {
  return StageLinePoints(points, reader);
}
Long StagePointsOf(RowCursor& lines, RowCursor& points, const PointRowReader& reader) {
  return StageLinePoints(points, reader, lines.Key());
}
Long StagePointsOf(RowCursor& lines, PointsByLine& points, const PointRowReader&) {
  return StageLinePoints(points, lines.Key());
}

// Stages the points of LoadObj; false (reported) when one is missing.
template <typename Rows, typename Points>
bool StagePointsReported(Rows& lines, Points& points, const PointRowReader& reader, DamageReport& damage) {
  const Long missing = StagePointsOf(lines, points, reader);
  if (missing && !points.Failed()) damage.Report(MissingPointText(missing));
  return missing == 0;
}

// Stages the current line row of a definition; false when it is not
// appended (another drawing's row, or reported).
bool StageDefinitionLine(Recordset& lines, Recordset& points, const LineRowReader& lineReader,
                         const PointRowReader& pointReader, Long Owner, DamageReport& damage) {
  LoadObj = ObjRec{};
  LoadKeys = LoadKeysRec{};
  if (!ReadLineRow(lines, lineReader, damage) || LoadObj.DrawingID != 0) return false;
  StageOwnedLine(Owner);
  if (LoadObj.NPoints <= 0) return true;  // kept as an entity without vertices
  return StagePointsReported(lines, points, pointReader, damage);
}

}  // namespace

template <typename Rows, typename Points>
bool StageStoredLine(Rows& lines, Points& points, const LineRowReader& lineReader,
                     const PointRowReader& pointReader, DamageReport& damage) {
  // The links are read as keys (LoadKeys); as indexes they are none until resolved.
  LoadObj.LayerID = LoadObj.OwnerID = LoadObj.ObjectID = 0;
  if (!ReadLineRow(lines, lineReader, damage)) return false;
  if (LoadObj.NPoints < LeastPointsOfType(LoadObj.Rtype)) {
    damage.Report("Line " + std::to_string(LoadObj.LineID) + " has " + std::to_string(LoadObj.NPoints) +
                  " points, too few for its type, and was skipped.");
    return false;
  }
  return StagePointsReported(lines, points, pointReader, damage);
}

template bool StageStoredLine(Recordset&, Recordset&, const LineRowReader&, const PointRowReader&, DamageReport&);
template bool StageStoredLine(RowCursor&, RowCursor&, const LineRowReader&, const PointRowReader&, DamageReport&);
template bool StageStoredLine(RowCursor&, PointsByLine&, const LineRowReader&, const PointRowReader&,
                              DamageReport&);

bool DefinitionGeometry::Select(Connection& connection, const DbValue& owner) {
  // A read that failed starts over on fresh statements, as for a first item.
  if (lines_.IsOpen() && !lines_.Failed() && !lines_.Children().Failed()) return lines_.Requery(owner);
  lines_.Close();
  if (!lines_.Open(connection, "Lines", "OwnerID", owner) || !lines_.Relate("Points", "LineID", "LineID"))
    return false;
  lineReader_.Resolve(lines_, LineColumns::Stroke);
  pointReader_.Resolve(lines_.Children());
  return true;
}

bool DefinitionGeometry::Append(Connection& connection, Long Owner, DamageReport& damage,
                                const String& errorTitle) {
  if (Select(connection, DbValue(Items[Owner].ObjectID))) {
    Recordset& points = lines_.Children();
    for (; !lines_.Eof() && !points.Failed(); lines_.MoveNext()) {
      if (lineReader_.DrawingIdIsNull(lines_)) continue;  // geometry of no known drawing
      if (StageDefinitionLine(lines_, points, lineReader_, pointReader_, Owner, damage)) AddLoadedObj();
    }
  }
  const DbError& error = lines_.Failed() ? lines_.Error() : lines_.Children().Error();
  if (error.Number == DbErrNone) return true;
  MsgBox(ErrorText(error), vbOKOnly, errorTitle);
  return false;
}

bool AppendDefinitionGeometry(Connection& connection, Long Owner, DamageReport& damage,
                              const String& errorTitle) {
  DefinitionGeometry geometry;
  return geometry.Append(connection, Owner, damage, errorTitle);
}

}  // namespace lintavo
