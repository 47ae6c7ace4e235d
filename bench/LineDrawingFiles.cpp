// LineDrawingFiles: writes the benchmark drawings straight through SQLite
// (one transaction, two prepared statements) and as DXF text.
#include "LineDrawingFiles.h"

#include <cstdio>
#include <sqlite3.h>

#include "platform/Services.h"
#include "storage/DbSchema.h"

namespace lintavo {

namespace {

constexpr long LinesPerRow = 1000;  // lines of one row of the band
constexpr double RowPitch = 0.5;    // world units between rows

double LineX(long i, int end) { return static_cast<double>(i % LinesPerRow) + end; }
double LineY(long i, int end) { return static_cast<double>(i / LinesPerRow) * RowPitch + end; }

bool Exec(sqlite3* db, const String& sql) {
  return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

// The Drawing row and its one layer, with the band's extents.
bool WriteDrawingRows(sqlite3* db, long lines) {
  const String count = std::to_string(lines);
  const String xmax = std::to_string(lines < LinesPerRow ? lines : LinesPerRow);
  const String ymax = std::to_string(LineY(lines - 1, 1));
  return Exec(db, "INSERT INTO Drawing (DrawID, Name, Revision, Show, Nobjects, Nlines, Nlayers, BaseX, BaseY, "
                  "Xmin, Ymin, Xmax, Ymax, Xlimit, Ylimit) VALUES (" + std::to_string(BenchDrawKey) + ", '" +
                  BenchDrawingName + "', 'Rev. 0', -1, 1, " + count + ", 1, 0, 0, 0, 0, " + xmax + ", " + ymax +
                  ", " + xmax + ", " + ymax + ")") &&
         Exec(db, "INSERT INTO Objects (ObjectID, Rtype, Name, Show, Lock, Nlines, Xorigin, Yorigin, Xmin, Ymin, "
                  "Xmax, Ymax, DrawingID) VALUES (1, 6, 'Layer 1', -1, 0, 0, 0, 0, 0, 0, " + xmax + ", " + ymax +
                  ", " + std::to_string(BenchDrawKey) + ")");
}

bool WriteLineRows(sqlite3* db, long lines) {
  sqlite3_stmt* line = nullptr;
  sqlite3_stmt* point = nullptr;
  bool ok = sqlite3_prepare_v2(db,
                               "INSERT INTO Lines (Rtype, Name, Show, Erased, Flag, Selected, \"Select\", Color, "
                               "Ltype, Weight, Width, Area, NPoints, PointID, LayerID, OwnerID, ObjectID, "
                               "DrawingID) VALUES (2, '', -1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 2, ?1, 1, 0, 0, ?2)",
                               -1, &line, nullptr) == SQLITE_OK &&
            sqlite3_prepare_v2(db, "INSERT INTO Points (LineID, PX, PY) VALUES (?1, ?2, ?3)", -1, &point,
                               nullptr) == SQLITE_OK;
  for (long i = 0; ok && i < lines; ++i) {
    sqlite3_bind_int64(line, 1, 2 * i + 1);
    sqlite3_bind_int64(line, 2, BenchDrawKey);
    ok = sqlite3_step(line) == SQLITE_DONE && sqlite3_reset(line) == SQLITE_OK;
    const sqlite3_int64 key = sqlite3_last_insert_rowid(db);
    for (int end = 0; ok && end < 2; ++end) {
      sqlite3_bind_int64(point, 1, key);
      sqlite3_bind_double(point, 2, LineX(i, end));
      sqlite3_bind_double(point, 3, LineY(i, end));
      ok = sqlite3_step(point) == SQLITE_DONE && sqlite3_reset(point) == SQLITE_OK;
    }
  }
  sqlite3_finalize(line);
  sqlite3_finalize(point);
  return ok;
}

}  // namespace

bool MakeLineDrawing(const String& path, long lines) {
  if (lines < 1 || FileExists(path)) return false;
  sqlite3* db = nullptr;
  String error;
  bool ok = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK &&
            CreateSchemaTables(db, SchemaDrawings, error) && Exec(db, "BEGIN") && WriteDrawingRows(db, lines) &&
            WriteLineRows(db, lines) && Exec(db, "COMMIT");
  sqlite3_close(db);
  if (!ok) std::remove(path.c_str());
  return ok;
}

bool MakeLineDxf(const String& path, long lines) {
  if (lines < 1) return false;
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (!file) return false;
  bool ok = std::fputs("0\nSECTION\n2\nENTITIES\n", file) >= 0;
  for (long i = 0; ok && i < lines; ++i) {
    ok = std::fprintf(file, "0\nLINE\n8\n0\n10\n%g\n20\n%g\n30\n0\n11\n%g\n21\n%g\n31\n0\n", LineX(i, 0),
                      LineY(i, 0), LineX(i, 1), LineY(i, 1)) > 0;
  }
  ok = ok && std::fputs("0\nENDSEC\n0\nEOF\n", file) >= 0;
  ok = std::fclose(file) == 0 && ok;
  if (!ok) std::remove(path.c_str());
  return ok;
}

}  // namespace lintavo
