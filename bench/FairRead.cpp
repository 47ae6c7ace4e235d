// FairRead: the two ordered scans and their merge.
#include "FairRead.h"

namespace lintavo {

bool FairTypedRead(sqlite3* db, std::int64_t drawKey, std::vector<PlainLine>& lines, std::vector<PlainPoint>& points) {
  sqlite3_stmt* lineRows = nullptr;
  sqlite3_stmt* pointRows = nullptr;
  bool ok = sqlite3_prepare_v2(db,
                               "SELECT rowid, Rtype, Name, Show, Erased, Flag, Color, Ltype, Weight, Width, NPoints, "
                               "LayerID, ObjectID, DrawingID, Selected, \"Select\", Area, OwnerID FROM Lines WHERE "
                               "DrawingID = ?1 ORDER BY rowid",
                               -1, &lineRows, nullptr) == SQLITE_OK &&
            sqlite3_prepare_v2(db,
                               "SELECT l.rowid, p.PX, p.PY FROM Lines AS l JOIN Points AS p ON p.LineID = l.LineID "
                               "WHERE l.DrawingID = ?1 ORDER BY l.rowid, p.rowid",
                               -1, &pointRows, nullptr) == SQLITE_OK;
  if (ok) {
    sqlite3_bind_int64(lineRows, 1, drawKey);
    sqlite3_bind_int64(pointRows, 1, drawKey);
  }
  bool pointRow = ok && sqlite3_step(pointRows) == SQLITE_ROW;
  while (ok && sqlite3_step(lineRows) == SQLITE_ROW) {
    PlainLine& line = lines.emplace_back();
    std::int64_t* wholes[] = {&line.lineId, &line.rtype};
    for (int c = 0; c < 2; ++c) *wholes[c] = sqlite3_column_int64(lineRows, c);
    line.name.assign(reinterpret_cast<const char*>(sqlite3_column_text(lineRows, 2)),
                     static_cast<std::size_t>(sqlite3_column_bytes(lineRows, 2)));
    std::int64_t* more[] = {&line.show, &line.erased, &line.flag, &line.color, &line.ltype, &line.weight};
    for (int c = 0; c < 6; ++c) *more[c] = sqlite3_column_int64(lineRows, 3 + c);
    line.width = sqlite3_column_double(lineRows, 9);
    std::int64_t* rest[] = {&line.nPoints, &line.layerId, &line.objectId, &line.drawingId, &line.selected, &line.select};
    for (int c = 0; c < 6; ++c) *rest[c] = sqlite3_column_int64(lineRows, 10 + c);
    line.area = sqlite3_column_double(lineRows, 16);
    line.ownerId = sqlite3_column_int64(lineRows, 17);
    while (pointRow && sqlite3_column_int64(pointRows, 0) < line.lineId) pointRow = sqlite3_step(pointRows) == SQLITE_ROW;
    line.firstPoint = points.size();
    for (; pointRow && sqlite3_column_int64(pointRows, 0) == line.lineId; pointRow = sqlite3_step(pointRows) == SQLITE_ROW)
      points.push_back({sqlite3_column_double(pointRows, 1), sqlite3_column_double(pointRows, 2)});
    line.pointCount = points.size() - line.firstPoint;
  }
  sqlite3_finalize(lineRows);
  sqlite3_finalize(pointRows);
  return ok;
}

}  // namespace lintavo
