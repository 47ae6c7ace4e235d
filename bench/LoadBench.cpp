// Loading a stored drawing of many two-point lines into a drawing window,
// beside two plain SQLite reads of the same rows in the same run, so the
// ratios show what the loader costs above reading the file:
//   - the fair typed read: the drawing's Lines rows and the Points rows of
//     those lines each stepped once, in key order, merged, every column the
//     loader uses read once as its type into plain records; the yardstick
//     the loader is quoted against;
//   - the old baseline: the lines joined with their points, every column of
//     each joined row read as a real (so each line's columns twice).
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <sqlite3.h>
#include <string>
#include <vector>

#include "FairRead.h"
#include "LineDrawingFiles.h"
#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "storage/LoadData.h"
#include "windows/main/frmDocument.h"

namespace lintavo {
namespace {

// A drawings database with one drawing of `lines` two-point lines; its path ("" on failure).
String MakeDrawing(const QTemporaryDir& folder, long lines) {
  const String path = folder.filePath(QString("Bench%1_dwg.mdb").arg(lines)).toStdString();
  return MakeLineDrawing(path, lines) ? path : "";
}

// One stored drawing per size, made once for the whole run.
const String& DrawingOf(long lines) {
  static QTemporaryDir folder;
  static std::map<long, String> made;
  auto at = made.find(lines);
  if (at == made.end()) at = made.emplace(lines, MakeDrawing(folder, lines)).first;
  return at->second;
}

// LoadDrawing into drawing window 1 of an empty model.
void BM_LoadDrawingIntoWindow(benchmark::State& state) {
  const String& path = DrawingOf(state.range(0));
  if (path.empty()) state.SkipWithError("the stored drawing could not be made");
  frmDocument window;
  window.ID = 1;
  for (auto _ : state) {
    state.PauseTiming();
    ResetProgramState();
    ActiveDoc = &window;
    CurDwg = 1;
    NewDwgRec(1);
    DwgDbPath = path;
    Dwgs[1].DrawID = BenchDrawKey;
    state.ResumeTiming();
    if (!LoadDrawing() || ObjCount != state.range(0)) state.SkipWithError("the drawing did not load whole");
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  ResetProgramState();
}
BENCHMARK(BM_LoadDrawingIntoWindow)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The same rows through one plain query: every column of every line of the
// drawing with its points, in key order.
void BM_PlainSqliteReadOfTheSameRows(benchmark::State& state) {
  const String& path = DrawingOf(state.range(0));
  if (path.empty()) state.SkipWithError("the stored drawing could not be made");
  for (auto _ : state) {
    sqlite3* db = nullptr;
    sqlite3_stmt* rows = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK ||
        sqlite3_prepare_v2(db,
                           "SELECT l.*, p.PointID, p.LineID, p.PX, p.PY FROM Lines l JOIN Points p ON p.LineID = "
                           "l.LineID WHERE l.DrawingID = ?1 ORDER BY l.LineID, p.PointID",
                           -1, &rows, nullptr) != SQLITE_OK) {
      state.SkipWithError("the query could not be prepared");
      sqlite3_close(db);
      break;
    }
    sqlite3_bind_int64(rows, 1, BenchDrawKey);
    const int columns = sqlite3_column_count(rows);
    double sum = 0;
    long count = 0;
    while (sqlite3_step(rows) == SQLITE_ROW) {
      for (int c = 0; c < columns; ++c) sum += sqlite3_column_double(rows, c);
      ++count;
    }
    benchmark::DoNotOptimize(sum);
    sqlite3_finalize(rows);
    sqlite3_close(db);
    if (count != 2 * state.range(0)) state.SkipWithError("rows are missing");
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PlainSqliteReadOfTheSameRows)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_FairTypedReadOfTheSameRows(benchmark::State& state) {
  const String& path = DrawingOf(state.range(0));
  if (path.empty()) state.SkipWithError("the stored drawing could not be made");
  std::vector<PlainLine> lines;
  std::vector<PlainPoint> points;
  for (auto _ : state) {
    state.PauseTiming();  // the records of the last pass are freed outside the time, as the loader's are
    lines = {};
    points = {};
    state.ResumeTiming();
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
                    FairTypedRead(db, BenchDrawKey, lines, points);
    sqlite3_close(db);
    benchmark::DoNotOptimize(lines.data());
    if (!ok || static_cast<long>(lines.size()) != state.range(0) || static_cast<long>(points.size()) != 2 * state.range(0)) {
      state.SkipWithError("rows are missing");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FairTypedReadOfTheSameRows)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lintavo
