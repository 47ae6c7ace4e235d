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
#include "platform/Recordset.h"

namespace lintavo {

class DamageReport;

// ---- Fields ----------------------------------------------------------------------------
// Text of a field, "" for Null.
String TextOrEmpty(Recordset& rs, int field);
// A whole number of a field within low..high (a real is rounded half to
// even); false, with value unchanged, for Null or a number outside the range.
bool ReadWhole(Recordset& rs, int field, Long low, Long high, Long& value);
bool ReadInteger(Recordset& rs, int field, Integer& value);  // -32768..32767; Yes/No columns too
bool ReadLong(Recordset& rs, int field, Long& value);
bool ReadDouble(Recordset& rs, int field, Double& value);  // false for Null or a value that is not finite
bool ReadSingle(Recordset& rs, int field, Single& value);  // false also beyond single precision's range

// ---- Lines rows ------------------------------------------------------------------------
// Which columns of a Lines row a reader takes.
enum class LineColumns {
  Stroke,  // definition geometry: no Selected, Select, Area or OwnerID (the loader sets them)
  Entity,  // a drawing's entity: every column
};

class LineRowReader {
 public:
  void Resolve(Recordset& rs, LineColumns columns = LineColumns::Stroke);  // field positions, once per recordset
  // Fills obj from the current row: LineID, Rtype, Name, Show, Erased, Flag,
  // Color, Ltype, Weight, Width, NPoints, LayerID, ObjectID, DrawingID, and
  // for entities Selected, Select, Area and OwnerID. ObjectID may be Null
  // below the compound types (read as 0). The stored PointID is not read:
  // it named a place in a table of another session, and the entity gets its
  // own when it is appended. False, with obj partly filled, when the row is
  // damaged or the recordset failed.
  bool Read(Recordset& rs, ObjRec& obj) const;
  bool DrawingIdIsNull(Recordset& rs) const;

 private:
  LineColumns columns_ = LineColumns::Stroke;
  int lineId_ = -1, rtype_ = -1, name_ = -1, show_ = -1, erased_ = -1, flag_ = -1;
  int color_ = -1, ltype_ = -1, weight_ = -1, width_ = -1, nPoints_ = -1;
  int layerId_ = -1, objectId_ = -1, drawingId_ = -1;
  int selected_ = -1, select_ = -1, area_ = -1, ownerId_ = -1;
};

// The least number of points an entity of that type is drawn from (its
// vertex layout); 0 for a type outside 1..16, which no drawer knows.
Integer LeastPointsOfType(Integer Rtype);

// ---- Points rows and the vertices of one line --------------------------------------------
class PointRowReader {
 public:
  void Resolve(Recordset& rs);
  // Fills X and Y of point from the current row's PX and PY. False when
  // either is Null or not finite. The row's own keys are not read: a vertex
  // is known by its place among its line's rows.
  bool Read(Recordset& rs, PntRec& point) const;

 private:
  int px_ = -1, py_ = -1;
};

// Stages the NPoints vertices of the line in LoadObj into LoadPnts(1..),
// reading points from its current row on (the line's own rows, in key
// order), numbered 1.. and owned by LoadObj's LineID, and grows LoadPnts
// when the line has more points than it holds.
// Returns 0 when every vertex was read, else the number of the first vertex
// missing or damaged. Rows beyond NPoints are not read.
Long StageLinePoints(Recordset& points, const PointRowReader& reader);
// "First Point Not Found for Line: " and LoadObj's LineID for vertex 1,
// "Point k Not Found for Line: " and the LineID for a later one.
String MissingPointText(Long k);

// Reads the current row of a drawing's Lines (a reader of entity columns)
// into LoadObj and stages its points from the related Points rows. False,
// with the report, when the row is damaged, of a type outside 1 to 16, has
// fewer points than its type is drawn from, or misses a point row; false
// without one when the recordsets failed (the caller shows the error).
bool StageStoredLine(Recordset& lines, Recordset& points, const LineRowReader& lineReader,
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
bool ReadDrawingRow(Recordset& rs, DwgRec& dwg);

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

}  // namespace lintavo
