// RowReader: reading model records from database rows.
//
// Each reader resolves its column names to field positions once per
// recordset, so a loop over many rows costs no name lookups. A row whose
// numeric column holds Null cannot be read as a record: the readers report
// such a row as damaged and the caller skips it; a Null text reads as "".
#pragma once

#include "app/DataHand.h"
#include "platform/Recordset.h"

namespace lintavo {

// Text of a field, "" for Null.
String TextOrEmpty(Recordset& rs, int field);

// The columns of a Lines row that make an entity record.
class LineRowReader {
 public:
  void Resolve(Recordset& rs);  // field positions of the recordset's columns
  // Fills obj from the current row: LineID, Rtype, Name, Show, Erased, Flag,
  // Color, Ltype, Weight, Width, NPoints, PointID, LayerID, ObjectID,
  // DrawingID. False, with obj partly filled, when a needed value is Null.
  bool Read(Recordset& rs, ObjRec& obj) const;
  bool DrawingIdIsNull(Recordset& rs) const;

 private:
  int lineId_ = -1, rtype_ = -1, name_ = -1, show_ = -1, erased_ = -1, flag_ = -1;
  int color_ = -1, ltype_ = -1, weight_ = -1, width_ = -1, nPoints_ = -1, pointId_ = -1;
  int layerId_ = -1, objectId_ = -1, drawingId_ = -1;
};

// The columns of a Points row.
class PointRowReader {
 public:
  void Resolve(Recordset& rs);
  // Fills point from the current row: PointID as its number, LineID as its
  // owner, PX and PY. False when a value is Null.
  bool Read(Recordset& rs, PntRec& point) const;

 private:
  int pointId_ = -1, lineId_ = -1, px_ = -1, py_ = -1;
};

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

}  // namespace lintavo
