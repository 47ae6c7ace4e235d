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

bool ReadDouble(Recordset& rs, int field, Double& value) {
  Double read = 0;
  if (!rs.Field(field).TryDouble(read) || !std::isfinite(read)) return false;
  value = read;
  return true;
}

bool ReadWhole(Recordset& rs, int field, Long low, Long high, Long& value) {
  Double read = 0;
  if (!ReadDouble(rs, field, read)) return false;
  read = RoundHalfEven(read);
  if (read < low || read > high) return false;
  value = static_cast<Long>(read);
  return true;
}

bool ReadInteger(Recordset& rs, int field, Integer& value) {
  Long read = 0;
  if (!ReadWhole(rs, field, std::numeric_limits<Integer>::min(), std::numeric_limits<Integer>::max(), read))
    return false;
  value = static_cast<Integer>(read);
  return true;
}

bool ReadLong(Recordset& rs, int field, Long& value) {
  return ReadWhole(rs, field, std::numeric_limits<Long>::min(), std::numeric_limits<Long>::max(), value);
}

bool ReadSingle(Recordset& rs, int field, Single& value) {
  Double read = 0;
  if (!ReadDouble(rs, field, read) || std::fabs(read) > std::numeric_limits<Single>::max()) return false;
  value = ToSingle(read);
  return true;
}

// ---- Lines rows ------------------------------------------------------------------------

void LineRowReader::Resolve(Recordset& rs, LineColumns columns) {
  columns_ = columns;
  lineId_ = rs.FieldIndex("LineID");
  rtype_ = rs.FieldIndex("Rtype");
  name_ = rs.FieldIndex("Name");
  show_ = rs.FieldIndex("Show");
  erased_ = rs.FieldIndex("Erased");
  flag_ = rs.FieldIndex("Flag");
  color_ = rs.FieldIndex("Color");
  ltype_ = rs.FieldIndex("Ltype");
  weight_ = rs.FieldIndex("Weight");
  width_ = rs.FieldIndex("Width");
  nPoints_ = rs.FieldIndex("NPoints");
  layerId_ = rs.FieldIndex("LayerID");
  objectId_ = rs.FieldIndex("ObjectID");
  drawingId_ = rs.FieldIndex("DrawingID");
  selected_ = rs.FieldIndex("Selected");
  select_ = rs.FieldIndex("Select");
  area_ = rs.FieldIndex("Area");
  ownerId_ = rs.FieldIndex("OwnerID");
}

bool LineRowReader::DrawingIdIsNull(Recordset& rs) const { return rs.Field(drawingId_).IsNull(); }

bool LineRowReader::Read(Recordset& rs, ObjRec& obj) const {
  // The key first, so that a report about a damaged row can name it.
  if (!ReadLong(rs, lineId_, obj.LineID)) return false;
  if (!(ReadInteger(rs, rtype_, obj.Rtype) && ReadInteger(rs, show_, obj.Show) &&
        ReadInteger(rs, erased_, obj.Erased) && ReadLong(rs, flag_, obj.Flag) &&
        ReadLong(rs, color_, obj.Color) && ReadInteger(rs, ltype_, obj.Ltype) &&
        ReadInteger(rs, weight_, obj.Weight) && ReadSingle(rs, width_, obj.Width) &&
        ReadInteger(rs, nPoints_, obj.NPoints) && ReadLong(rs, layerId_, obj.LayerID) && ReadLong(rs, drawingId_, obj.DrawingID)))
    return false;
  // The shown item matters only for compound types; below them a Null is none.
  if (rs.Field(objectId_).IsNull() && obj.Rtype < FirstCompoundType)
    obj.ObjectID = 0;
  else if (!ReadLong(rs, objectId_, obj.ObjectID))
    return false;
  if (columns_ == LineColumns::Entity &&
      !(ReadInteger(rs, selected_, obj.Selected) && ReadLong(rs, select_, obj.Select) &&
        ReadSingle(rs, area_, obj.Area) && ReadLong(rs, ownerId_, obj.OwnerID)))
    return false;
  obj.Name = TextOrEmpty(rs, name_);
  return !rs.Failed();
}

Integer LeastPointsOfType(Integer Rtype) {
  // Indexed by type: the points each drawer reads (see ObjectDrawers.h);
  // compounds keep their placement in their first points.
  static constexpr Integer least[] = {0, 1, 2, 2, 4, 6, 4, 2, 4, 4, 2, 2, 3, 5, 1, 1, 1};
  static_assert(std::size(least) == EntityHatch + 1, "one count per entity type 0..16");
  if (Rtype < EntityPoint || Rtype > EntityHatch) return 0;
  return least[Rtype];
}

// ---- Points rows and the vertices of one line --------------------------------------------

void PointRowReader::Resolve(Recordset& rs) {
  px_ = rs.FieldIndex("PX");
  py_ = rs.FieldIndex("PY");
}

bool PointRowReader::Read(Recordset& rs, PntRec& point) const {
  return ReadDouble(rs, px_, point.X) && ReadDouble(rs, py_, point.Y);
}

Long StageLinePoints(Recordset& points, const PointRowReader& reader) {
  const Long count = LoadObj.NPoints;
  if (count > LoadPntsMax) {
    LoadPntsMax = static_cast<Integer>(std::min<Long>(count + 100, std::numeric_limits<Integer>::max()));
    LoadPnts.assign(static_cast<size_t>(LoadPntsMax) + 1, PntRec{});
  }
  for (Long k = 1; k <= count; ++k, points.MoveNext()) {
    PntRec& point = LoadPnts[k];
    if (points.Eof() || !reader.Read(points, point)) return k;
    point.Seq = k;
    point.ObjNo = LoadObj.LineID;
  }
  return 0;
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
  if (!(ReadLong(rs, objectId_, item.ObjectID) && ReadInteger(rs, rtype_, item.Rtype) &&
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
            ReadLong(rs, drawingId_, item.DrawingID)))
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

bool ReadDrawingRow(Recordset& rs, DwgRec& dwg) {
  const DrawingFields f(rs);
  DwgRec row = dwg;
  if (!(ReadLong(rs, f.drawId, row.DrawID) && ReadLong(rs, f.nobjects, row.Nobjects) &&
        ReadLong(rs, f.nlines, row.Nlines) && ReadInteger(rs, f.nlayers, row.Nlayers) &&
        ReadDouble(rs, f.baseX, row.BaseX) && ReadDouble(rs, f.baseY, row.BaseY) &&
        ReadDouble(rs, f.xmin, row.Xmin) && ReadDouble(rs, f.ymin, row.Ymin) && ReadDouble(rs, f.xmax, row.Xmax) &&
        ReadDouble(rs, f.ymax, row.Ymax) && ReadDouble(rs, f.xlimit, row.Xlimit) &&
        ReadDouble(rs, f.ylimit, row.Ylimit)))
    return false;
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
void StageOwnedLine(Long Owner) {
  LoadObj.OwnerID = Owner;
  if (LoadObj.Rtype < FirstCompoundType) LoadObj.ObjectID = Owner;
  LoadObj.Selected = 0;
  LoadObj.Select = 0;
  LoadObj.Area = 0;
  LoadObj.DrawingID = 0;
  LoadObj.DwgNo = 0;
}

// Reads the current line row into LoadObj; false (reported unless the
// recordset failed) when it is damaged or of a type no drawer knows.
bool ReadLineRow(Recordset& lines, const LineRowReader& reader, DamageReport& damage) {
  if (!reader.Read(lines, LoadObj)) {
    if (!lines.Failed())
      damage.Report("A line with a damaged value was skipped (LineID " + std::to_string(LoadObj.LineID) + ").");
    return false;
  }
  if (LeastPointsOfType(LoadObj.Rtype) > 0) return true;
  damage.Report("A line of unknown type " + std::to_string(LoadObj.Rtype) + " was skipped (LineID " +
                std::to_string(LoadObj.LineID) + ").");
  return false;
}

// Stages the points of LoadObj; false (reported) when one is missing.
bool StagePointsReported(Recordset& points, const PointRowReader& reader, DamageReport& damage) {
  const Long missing = StageLinePoints(points, reader);
  if (missing && !points.Failed()) damage.Report(MissingPointText(missing));
  return missing == 0;
}

// Stages the current line row of a definition; false when it is not
// appended (another drawing's row, or reported).
bool StageDefinitionLine(Recordset& lines, Recordset& points, const LineRowReader& lineReader,
                         const PointRowReader& pointReader, Long Owner, DamageReport& damage) {
  LoadObj = ObjRec{};
  if (!ReadLineRow(lines, lineReader, damage) || LoadObj.DrawingID != 0) return false;
  StageOwnedLine(Owner);
  if (LoadObj.NPoints <= 0) return true;  // kept as an entity without vertices
  return StagePointsReported(points, pointReader, damage);
}

}  // namespace

bool StageStoredLine(Recordset& lines, Recordset& points, const LineRowReader& lineReader,
                     const PointRowReader& pointReader, DamageReport& damage) {
  if (!ReadLineRow(lines, lineReader, damage)) return false;
  if (LoadObj.NPoints < LeastPointsOfType(LoadObj.Rtype)) {
    damage.Report("Line " + std::to_string(LoadObj.LineID) + " has " + std::to_string(LoadObj.NPoints) +
                  " points, too few for its type, and was skipped.");
    return false;
  }
  return StagePointsReported(points, pointReader, damage);
}

bool AppendDefinitionGeometry(Connection& connection, Long Owner, DamageReport& damage,
                              const String& errorTitle) {
  Recordset lines;
  LineRowReader lineReader;
  PointRowReader pointReader;
  if (lines.Open(connection, "Lines", "OwnerID", DbValue(Items[Owner].ObjectID)) &&
      lines.Relate("Points", "LineID", "LineID")) {
    Recordset& points = lines.Children();
    lineReader.Resolve(lines, LineColumns::Stroke);
    pointReader.Resolve(points);
    for (; !lines.Eof() && !points.Failed(); lines.MoveNext()) {
      if (lineReader.DrawingIdIsNull(lines)) continue;  // geometry of no known drawing
      if (StageDefinitionLine(lines, points, lineReader, pointReader, Owner, damage)) AddLoadedObj();
    }
  }
  const DbError& error = lines.Failed() ? lines.Error() : lines.Children().Error();
  if (error.Number == DbErrNone) return true;
  MsgBox(ErrorText(error), vbOKOnly, errorTitle);
  return false;
}

}  // namespace lintavo
