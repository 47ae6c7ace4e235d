// FairRead: the two ordered table scans and their merge.
#include "FairRead.h"

#include <algorithm>

namespace lintavo {

namespace {

// A point row as the scan of the Points table gives it.
struct PointRow {
  std::int64_t lineId = 0;
  double x = 0, y = 0;
};

// Every Points row in key order, each column once by its type; stably put in
// the order of their lines where the table does not hold them so already.
bool ScanPoints(sqlite3* db, std::vector<PointRow>& rows) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, "SELECT LineID, PX, PY FROM Points ORDER BY rowid", -1, &statement, nullptr) != SQLITE_OK)
    return false;
  while (sqlite3_step(statement) == SQLITE_ROW)
    rows.push_back({sqlite3_column_int64(statement, 0), sqlite3_column_double(statement, 1),
                    sqlite3_column_double(statement, 2)});
  sqlite3_finalize(statement);
  const auto byLine = [](const PointRow& a, const PointRow& b) { return a.lineId < b.lineId; };
  if (!std::is_sorted(rows.begin(), rows.end(), byLine)) std::stable_sort(rows.begin(), rows.end(), byLine);
  return true;
}

void ReadLine(sqlite3_stmt* lineRows, PlainLine& line) {
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
}

}  // namespace

// The Lines table and the Points table are each stepped once in key order
// (no index, no join); the drawing's lines take their points by a merge.
bool FairTypedRead(sqlite3* db, std::int64_t drawKey, std::vector<PlainLine>& lines, std::vector<PlainPoint>& points) {
  std::vector<PointRow> pointRows;
  if (!ScanPoints(db, pointRows)) return false;
  sqlite3_stmt* lineRows = nullptr;
  if (sqlite3_prepare_v2(db,
                         "SELECT rowid, Rtype, Name, Show, Erased, Flag, Color, Ltype, Weight, Width, NPoints, "
                         "LayerID, ObjectID, DrawingID, Selected, \"Select\", Area, OwnerID FROM Lines ORDER BY rowid",
                         -1, &lineRows, nullptr) != SQLITE_OK)
    return false;
  points.reserve(pointRows.size());
  std::size_t next = 0;
  while (sqlite3_step(lineRows) == SQLITE_ROW) {
    if (sqlite3_column_int64(lineRows, 13) != drawKey) continue;
    PlainLine& line = lines.emplace_back();
    ReadLine(lineRows, line);
    while (next < pointRows.size() && pointRows[next].lineId < line.lineId) ++next;
    line.firstPoint = points.size();
    for (; next < pointRows.size() && pointRows[next].lineId == line.lineId; ++next)
      points.push_back({pointRows[next].x, pointRows[next].y});
    line.pointCount = points.size() - line.firstPoint;
  }
  sqlite3_finalize(lineRows);
  return true;
}

}  // namespace lintavo
