// RowReader: reading model records from database rows, and appending the
// geometry of a definition (a glyph, a component, a named item) read from its
// Lines and Points rows.
//
// Each reader resolves its column names to field positions once per
// recordset, so a loop over many rows costs no name lookups and no
// allocation. A row that cannot be read as a record is damaged: a Null in a
// numeric column, or a number outside the range of the record's field (an
// NPoints of a million in a 16-bit count). The readers test for both before
// they convert anything, so a damaged row never puts the recordset into its
// failed state; the caller reports the row and skips it. A Null text reads
// as "". A value of another kind altogether (text in a number column) is a
// failure of the recordset, which the caller reports as a database error.
//
// Sections:
//   Fields
//   Lines rows
//   Points rows and the vertices of one line
//   Item rows
//   Drawing rows
//   Damage reports
//   Definition geometry
#pragma once

#include "model/DataHand.h"
#include <vector>

#include "platform/Recordset.h"

namespace lintavo {

class DamageReport;

// ---- Fields ----------------------------------------------------------------------------
// Each read takes a field of a Recordset's row by ordinal, or of a RowCursor's
// row by its position among the cursor's columns.
// Text of a field, "" for Null.
String TextOrEmpty(Recordset& rs, int field);
// The same into text, keeping its storage (a loop over many rows allocates
// nothing for short or repeated texts); false only when the rows failed.
bool ReadTextOrEmpty(Recordset& rs, int field, String& text);
bool ReadTextOrEmpty(RowCursor& rows, int field, String& text);
bool FieldIsNull(Recordset& rs, int field);
bool FieldIsNull(RowCursor& rows, int field);
// A whole number of a field within low..high (a real is rounded half to
// even); false, with value unchanged, for Null or a number outside the range.
bool ReadWhole(Recordset& rs, int field, Long low, Long high, Long& value);
bool ReadWhole(RowCursor& rows, int field, Long low, Long high, Long& value);
bool ReadDouble(Recordset& rs, int field, Double& value);  // false for Null or a value that is not finite
bool ReadDouble(RowCursor& rows, int field, Double& value);
// For either kind of rows (Recordset or RowCursor):
template <typename Rows>
bool ReadInteger(Rows& rs, int field, Integer& value);  // -32768..32767; Yes/No columns too
template <typename Rows>
bool ReadLong(Rows& rs, int field, Long& value);
template <typename Rows>
bool ReadSingle(Rows& rs, int field, Single& value);  // false also beyond single precision's range
// A database key at full width; false, with value unchanged, for Null, a
// value that is not a whole number, or a real beyond 64 bits.
bool ReadKey(Recordset& rs, int field, DbKey& value);
bool ReadKey(RowCursor& rows, int field, DbKey& value);

// ---- Lines rows ------------------------------------------------------------------------
// Which columns of a Lines row a reader takes.
enum class LineColumns {
  Stroke,  // definition geometry: no Selected, Select, Area or OwnerID (the loader sets them)
  Entity,  // a drawing's entity: every column
};

class LineRowReader {
 public:
  // The columns a reader takes, for opening a RowCursor on them.
  static const std::vector<String>& Columns(LineColumns columns);
  void Resolve(Recordset& rs, LineColumns columns = LineColumns::Stroke);  // field positions, once per recordset
  void Resolve(LineColumns columns);  // for a RowCursor opened on Columns(columns)
  // Fills obj from the current row: LineID, Rtype, Name, Show, Erased, Flag,
  // Color, Ltype, Weight, Width, NPoints, DrawingID, and for entities
  // Selected, Select and Area; the links, which are keys of other rows, go
  // to keys: LayerID, ObjectID, and for entities OwnerID (obj's link fields
  // are left as they are). ObjectID may be Null below the compound types
  // (read as 0). The stored PointID is not read:
  // it named a place in a table of another session, and the entity gets its
  // own when it is appended. False, with obj partly filled, when the row is
  // damaged or the rows failed. Rows: Recordset or RowCursor.
  template <typename Rows>
  bool Read(Rows& rs, ObjRec& obj, LoadKeysRec& keys) const;
  bool DrawingIdIsNull(Recordset& rs) const;

  static constexpr int FieldCount = 18;  // columns of an entity's row

 private:
  LineColumns columns_ = LineColumns::Stroke;
  int at_[FieldCount] = {};  // position of each column of Columns(Entity) in the rows read
};

// The least number of points an entity of that type is drawn from (its
// vertex layout); 0 for a type outside 1..16, which no drawer knows.
Integer LeastPointsOfType(Integer Rtype);

// ---- Points rows and the vertices of one line --------------------------------------------
class PointRowReader {
 public:
  static const std::vector<String>& Columns();  // PX, PY: for opening a RowCursor on them
  void Resolve(Recordset& rs);
  void Resolve();  // for a RowCursor opened on Columns()
  // Fills X and Y of point from the current row's PX and PY. False when
  // either is Null or not finite. The row's own keys are not read: a vertex
  // is known by its place among its line's rows. Rows: Recordset or RowCursor.
  template <typename Rows>
  bool Read(Rows& rs, PntRec& point) const;

 private:
  int px_ = -1, py_ = -1;
};

// Stages the NPoints vertices of the line in LoadObj into LoadPnts(1..),
// numbered 1.. (owned by no entity until AddLoadedObj appends them), and grows LoadPnts when the
// line has more points than it holds. Returns 0 when every vertex was read,
// else the number of the first vertex missing or damaged. Rows beyond
// NPoints are not read.
// From a Recordset: its rows from the current one on are the line's own.
Long StageLinePoints(Recordset& points, const PointRowReader& reader);
// From a RowCursor of child rows in the order of their lines' keys (see
// RowCursor::OpenChildren): rows of lines before lineKey are passed over,
// then the rows of lineKey are read.
Long StageLinePoints(RowCursor& points, const PointRowReader& reader, std::int64_t lineKey);
// The Points rows of a whole table read in one pass in key order and kept
// by line, for a load that merges them with its lines instead of joining
// each line to its points: a point belongs to line k when its LineID is
// stored as the whole number k, which is how SQLite compares it with the
// lines' integer key when the column keeps whole numbers as integers.
// Stepped as a cursor of child rows is (Key() is the point's line), in the
// order of their lines and then their own keys.
class PointsByLine {
 public:
  static const std::vector<String>& Columns();  // PX, PY, LineID: for opening a RowCursor on them
  // Reads every row of rows (a RowCursor opened on Columns()) whose LineID
  // is firstLine or more and stands on the first. A row with a damaged PX
  // or PY is kept, as a point ReadPoint refuses. False when the rows failed.
  bool Read(RowCursor& rows, const PointRowReader& reader, std::int64_t firstLine);
  void Reserve(std::int64_t points) { points_.reserve(static_cast<std::size_t>(points)); }  // room before Read
  bool Eof() const { return next_ >= points_.size(); }
  void MoveNext() { ++next_; }
  std::int64_t Key() const { return Eof() ? 0 : points_[next_].Line; }
  bool Failed() const { return false; }  // the reading is over before the lines are stepped
  bool ReadPoint(PntRec& point) const;   // false for a damaged row

 private:
  struct Point {
    std::int64_t Line = 0;  // the line's key
    Double X = 0, Y = 0;    // X is NaN for a damaged row
  };
  std::vector<Point> points_;
  std::size_t next_ = 0;
};
// From points read by line: rows of lines before lineKey are passed over,
// then the rows of lineKey are read.
Long StageLinePoints(PointsByLine& points, std::int64_t lineKey);

// "First Point Not Found for Line: " and LoadObj's LineID for vertex 1,
// "Point k Not Found for Line: " and the LineID for a later one.
String MissingPointText(Long k);

// Reads the current row of a drawing's Lines (a reader of entity columns)
// into LoadObj and stages its points from the related Points rows. False,
// with the report, when the row is damaged, of a type outside 1 to 16, has
// fewer points than its type is drawn from, or misses a point row; false
// without one when the rows failed (the caller shows the error).
// Rows: a Recordset with its related Points rows, or a RowCursor of the
// lines with a RowCursor of their points opened on the same selection or
// with the PointsByLine of their table.
template <typename Rows, typename Points>
bool StageStoredLine(Rows& lines, Points& points, const LineRowReader& lineReader,
                     const PointRowReader& pointReader, DamageReport& damage);

// ---- Item rows ---------------------------------------------------------------------------
// Which table an item row comes from; they differ in the columns taken.
enum class ItemColumns {
  Objects,     // a drawing's named item: Show, Lock and DrawingID from the row; none may be Null
  Components,  // a component: PartNumber and the link columns; Show true; Nulls in the
               //   descriptive texts, LinkType and Author leave the field empty
  Fonts,       // a glyph: Description only among the texts; Show true
};

class ItemRowReader {
 public:
  void Resolve(Recordset& rs, ItemColumns columns);
  // Fills item from the current row (DwgNo is left to the caller). False
  // when the row is damaged or the recordset failed.
  bool Read(Recordset& rs, ItemRec& item) const;
  String Name(Recordset& rs) const { return TextOrEmpty(rs, name_); }

 private:
  ItemColumns columns_ = ItemColumns::Objects;
  int objectId_ = -1, rtype_ = -1, name_ = -1, category_ = -1, description_ = -1, partNumber_ = -1;
  int linkType_ = -1, linkTable_ = -1, linkField_ = -1, show_ = -1, lock_ = -1, nlines_ = -1;
  int xorigin_ = -1, yorigin_ = -1, xmin_ = -1, ymin_ = -1, xmax_ = -1, ymax_ = -1;
  int drawingId_ = -1, author_ = -1, created_ = -1;
};

// The date of a field; a null date for Null.
Date DateOrNull(Recordset& rs, int field);

// ---- Drawing rows ------------------------------------------------------------------------
// Reads a Drawing row into dwg: every column but Show (set true). Fields
// of the record that are no columns (the source database, undo state) are
// left as they are. False when the row is damaged or the recordset failed.
// The extents (Xmin..Ymax) only summarise the lines: when one of them is
// damaged the row is still read, extentsRead is false, and the extents
// read are not to be trusted (the caller recomputes them).
bool ReadDrawingRow(Recordset& rs, DwgRec& dwg, bool& extentsRead);

// ---- Damage reports ----------------------------------------------------------------------
// One message for the first damaged row of a load; later ones are skipped
// quietly, so a damaged file does not bury the user in boxes.
class DamageReport {
 public:
  explicit DamageReport(String title) : title_(std::move(title)) {}
  void Report(const String& text);  // a message box the first time only
  bool Reported() const { return reported_; }

 private:
  String title_;           // title of the message box
  bool reported_ = false;  // a message was shown
};

// ---- Definition geometry -----------------------------------------------------------------
// Appends the geometry of item Items(Owner), a glyph, a component or a named
// item: the Lines rows whose OwnerID is the item's ObjectID and whose
// DrawingID is 0, each with its Points rows, as entities of no drawing
// (DwgNo 0) owned by the item. A line that cannot be read whole (a damaged
// value, a missing vertex, a type no drawer knows) is skipped with the
// report and the others still load. False on a database error, which is
// shown in a box titled errorTitle; what was appended before stays.
bool AppendDefinitionGeometry(Connection& connection, Long Owner, DamageReport& damage,
                              const String& errorTitle);

// The same for one item after another of one connection (the glyphs of a
// font): the reading statements are prepared at the first item and rebound
// for each next one, rather than prepared again for every item.
class DefinitionGeometry {
 public:
  bool Append(Connection& connection, Long Owner, DamageReport& damage, const String& errorTitle);

 private:
  bool Select(Connection& connection, const DbValue& owner);

  Recordset lines_;  // the Lines rows of the item, related to their Points rows
  LineRowReader lineReader_;
  PointRowReader pointReader_;
};

}  // namespace lintavo
