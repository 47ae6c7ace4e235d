// FairRead: the fair typed read of a stored drawing, the yardstick File,
// Open is quoted against: the drawing's Lines rows and the Points rows of
// those lines each stepped once, in key order, merged in memory, every
// column the loader uses read once as its type into plain records.
#pragma once

#include <cstddef>
#include <cstdint>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace lintavo {

// A line as the fair read keeps it: every column the loader uses, by type,
// and where its points are in the point list.
struct PlainLine {
  std::int64_t lineId = 0, rtype = 0, show = 0, erased = 0, flag = 0, color = 0, ltype = 0, weight = 0;
  double width = 0;
  std::int64_t nPoints = 0, layerId = 0, objectId = 0, drawingId = 0, selected = 0, select = 0;
  double area = 0;
  std::int64_t ownerId = 0;
  std::string name;
  std::size_t firstPoint = 0, pointCount = 0;  // its points in the point list
};
struct PlainPoint {
  double x = 0, y = 0;
};

// The lines of drawing drawKey of the open database in key order, and the
// points of those lines in the order of their lines and then their own
// keys, each read once and merged; false when a query failed.
bool FairTypedRead(sqlite3* db, std::int64_t drawKey, std::vector<PlainLine>& lines, std::vector<PlainPoint>& points);

}  // namespace lintavo
