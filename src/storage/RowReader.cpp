// RowReader: model records from database rows.
#include "storage/RowReader.h"

#include <initializer_list>

#include "platform/Prompts.h"

namespace lintavo {

namespace {

bool AnyNull(Recordset& rs, std::initializer_list<int> fields) {
  for (int field : fields)
    if (rs.Field(field).IsNull()) return true;
  return false;
}

}  // namespace

String TextOrEmpty(Recordset& rs, int field) {
  FieldRef value = rs.Field(field);
  return value.IsNull() ? String() : value.AsText();
}

// ---- Lines rows --------------------------------------------------------------------------

void LineRowReader::Resolve(Recordset& rs) {
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
  pointId_ = rs.FieldIndex("PointID");
  layerId_ = rs.FieldIndex("LayerID");
  objectId_ = rs.FieldIndex("ObjectID");
  drawingId_ = rs.FieldIndex("DrawingID");
}

bool LineRowReader::DrawingIdIsNull(Recordset& rs) const { return rs.Field(drawingId_).IsNull(); }

bool LineRowReader::Read(Recordset& rs, ObjRec& obj) const {
  if (AnyNull(rs, {lineId_, rtype_, show_, erased_, flag_, color_, ltype_, weight_, width_, nPoints_,
                   pointId_, layerId_, drawingId_}))
    return false;
  obj.LineID = rs.Field(lineId_).AsLong();
  obj.Rtype = rs.Field(rtype_).AsInteger();
  obj.Name = TextOrEmpty(rs, name_);
  obj.Show = rs.Field(show_).AsInteger();
  obj.Erased = rs.Field(erased_).AsInteger();
  obj.Flag = rs.Field(flag_).AsLong();
  obj.Color = rs.Field(color_).AsLong();
  obj.Ltype = rs.Field(ltype_).AsInteger();
  obj.Weight = rs.Field(weight_).AsInteger();
  obj.Width = rs.Field(width_).AsSingle();
  obj.NPoints = rs.Field(nPoints_).AsInteger();
  obj.PointID = rs.Field(pointId_).AsLong();
  obj.LayerID = rs.Field(layerId_).AsLong();
  obj.DrawingID = rs.Field(drawingId_).AsLong();
  // The shown item is read only for compound types; others take it from the caller.
  if (obj.Rtype >= FirstCompoundType) {
    if (rs.Field(objectId_).IsNull()) return false;
    obj.ObjectID = rs.Field(objectId_).AsLong();
  }
  return !rs.Failed();
}

// ---- Points rows -------------------------------------------------------------------------

void PointRowReader::Resolve(Recordset& rs) {
  pointId_ = rs.FieldIndex("PointID");
  lineId_ = rs.FieldIndex("LineID");
  px_ = rs.FieldIndex("PX");
  py_ = rs.FieldIndex("PY");
}

bool PointRowReader::Read(Recordset& rs, PntRec& point) const {
  if (AnyNull(rs, {pointId_, lineId_, px_, py_})) return false;
  point.Seq = rs.Field(pointId_).AsLong();
  point.ObjNo = rs.Field(lineId_).AsLong();
  point.X = rs.Field(px_).AsDouble();
  point.Y = rs.Field(py_).AsDouble();
  return !rs.Failed();
}

// ---- Reports -----------------------------------------------------------------------------

void DamageReport::Report(const String& text) {
  if (reported_) return;
  reported_ = true;
  MsgBox(text, vbOKOnly, title_);
}

}  // namespace lintavo
