// The database layer at the volume of a drawing of a million objects: rows
// added through AddNew and Update in one transaction, read back through a
// recordset, and lines read with their points as related child rows.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include "platform/Database.h"
#include "platform/Recordset.h"

namespace lintavo {
namespace {

const char* const PointsTable =
    "CREATE TABLE Points (PointID INTEGER PRIMARY KEY AUTOINCREMENT, LineID INTEGER,"
    " PX REAL, PY REAL)";
const char* const LinesTable =
    "CREATE TABLE Lines (LineID INTEGER PRIMARY KEY AUTOINCREMENT, Rtype INTEGER,"
    " NPoints INTEGER, DrawingID INTEGER);"
    "CREATE INDEX PointsByLine ON Points (LineID)";

// A new database file in folder with the tables of ddl; its path ("" on failure).
String NewDatabase(const QTemporaryDir& folder, const String& name, const String& ddl) {
  const String path = folder.filePath(QString::fromStdString(name)).toStdString();
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (rc == SQLITE_OK) rc = sqlite3_exec(db, ddl.c_str(), nullptr, nullptr, nullptr);
  sqlite3_close(db);
  return rc == SQLITE_OK ? path : "";
}

// Adds count Points rows, a few to a line, in one transaction.
bool AddPoints(const String& path, long count) {
  Connection connection;
  Recordset points;
  if (!connection.Open(path, OpenMode::ReadWrite) || !connection.BeginTrans() ||
      !points.Open(connection, "Points")) {
    return false;
  }
  const int line = points.FieldIndex("LineID"), x = points.FieldIndex("PX"),
            y = points.FieldIndex("PY");
  for (long i = 0; i < count; ++i) {
    points.AddNew();
    points.Field(line).SetLong(static_cast<Long>(i / 4 + 1));
    points.Field(x).SetDouble(i * 0.5);
    points.Field(y).SetDouble(i * 0.25);
    if (!points.Update()) return false;
  }
  return connection.CommitTrans();
}

// Adds count Lines rows of two points each; the points follow their line.
bool AddLines(const String& path, long count) {
  Connection connection;
  Recordset lines, points;
  if (!connection.Open(path, OpenMode::ReadWrite) || !connection.BeginTrans() ||
      !lines.Open(connection, "Lines") || !points.Open(connection, "Points")) {
    return false;
  }
  for (long i = 0; i < count; ++i) {
    lines.AddNew();
    lines.Field("Rtype").SetLong(2);
    lines.Field("NPoints").SetLong(2);
    lines.Field("DrawingID").SetLong(1);
    if (!lines.Update()) return false;
    const Long key = lines.Field("LineID").AsLong();
    for (int k = 0; k < 2; ++k) {
      points.AddNew();
      points.Field("LineID").SetLong(key);
      points.Field("PX").SetDouble(i + k);
      points.Field("PY").SetDouble(i - k);
      if (!points.Update()) return false;
    }
  }
  return connection.CommitTrans();
}

void BM_DatabaseAddRows(benchmark::State& state) {
  QTemporaryDir folder;
  int run = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const String path = NewDatabase(folder, "Add" + std::to_string(++run) + ".mdb", PointsTable);
    state.ResumeTiming();
    if (path.empty() || !AddPoints(path, state.range(0))) state.SkipWithError("adding failed");
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DatabaseAddRows)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_DatabaseReadRows(benchmark::State& state) {
  QTemporaryDir folder;
  const String path = NewDatabase(folder, "Read.mdb", PointsTable);
  if (path.empty() || !AddPoints(path, state.range(0))) state.SkipWithError("setup failed");
  for (auto _ : state) {
    Connection connection;
    Recordset points;
    if (!connection.Open(path, OpenMode::ReadOnly) || !points.Open(connection, "Points")) {
      state.SkipWithError("open failed");
      break;
    }
    const int line = points.FieldIndex("LineID"), x = points.FieldIndex("PX"),
              y = points.FieldIndex("PY");
    Double sum = 0;
    for (; !points.Eof(); points.MoveNext()) {
      sum += points.Field(line).AsLong() + points.Field(x).AsDouble() + points.Field(y).AsDouble();
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DatabaseReadRows)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_DatabaseReadLinesWithPoints(benchmark::State& state) {
  QTemporaryDir folder;
  const String path = NewDatabase(folder, "Shape.mdb", String(PointsTable) + ";" + LinesTable);
  if (path.empty() || !AddLines(path, state.range(0))) state.SkipWithError("setup failed");
  for (auto _ : state) {
    Connection connection;
    Recordset lines;
    if (!connection.Open(path, OpenMode::ReadOnly) ||
        !lines.Open(connection, "Lines", "DrawingID", 1) ||
        !lines.Relate("Points", "LineID", "LineID")) {
      state.SkipWithError("open failed");
      break;
    }
    Recordset& points = lines.Children();
    const int count = lines.FieldIndex("NPoints"), x = points.FieldIndex("PX");
    Double sum = 0;
    for (; !lines.Eof(); lines.MoveNext()) {
      sum += lines.Field(count).AsLong();
      for (; !points.Eof(); points.MoveNext()) sum += points.Field(x).AsDouble();
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DatabaseReadLinesWithPoints)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lintavo
