// Saving a drawing of straight lines into an empty drawings database, beside
// a plain SQLite insert of the same rows (one transaction, statements
// prepared once) on the same schema: the difference is what the save's own
// work costs.
//
// SaveIntoLargeDatabase: a small drawing (1,000 lines) saved again, over
// itself, into a database that holds a drawing of 1,000,000 lines beside it
// (LineDrawingFiles). The program's save runs what the save dialog runs
// (the kind check, the question whether the drawing is stored, the missing
// components, the over-writing save); program_ms is the second and every
// later save of one run, the first (which adds the drawing) untimed. The
// yardstick (yardstick_ms) is plain typed SQLite doing that save's data work
// in one transaction on a copy of the database: the drawing's rows deleted
// by its key, its Drawing row updated, its layer, lines and points inserted.
// ratio = program / yardstick; what grows with the database and not with
// the drawing shows in it.
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <sqlite3.h>

#include "LineDrawingFiles.h"
#include "model/DataHand.h"
#include "model/Top.h"
#include "storage/DbSchema.h"
#include "storage/RoundDrawing.h"
#include "storage/SaveData.h"
#include "storage/Verify.h"

namespace lintavo {
namespace {

// A new empty drawings database in folder; its path ("" on failure).
String NewDrawingsDatabase(const QTemporaryDir& folder, const String& name) {
  const String path = folder.filePath(QString::fromStdString(name)).toStdString();
  sqlite3* db = nullptr;
  String error;
  const bool made = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) ==
                        SQLITE_OK &&
                    CreateSchemaTables(db, SchemaDrawings, error);
  sqlite3_close(db);
  return made ? path : "";
}

// Drawing 1, named name, with one layer and `lines` two-point lines on it.
void MakeDrawing(long lines, const String& name = "Bench") { MakeRoundDrawing(name, "Rev. 0", lines, 1); }

// ---- Plain SQLite -------------------------------------------------------------------

bool Exec(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

bool Step(sqlite3_stmt* s) {
  const int rc = sqlite3_step(s);
  sqlite3_reset(s);
  return rc == SQLITE_DONE;
}

// The rows the save writes for the drawing under key drawId: an Objects row
// for its layer, then a Lines row and two Points rows per line.
bool PlainRows(sqlite3* db, sqlite3_int64 drawId) {
  sqlite3_stmt* layer = nullptr;
  sqlite3_stmt* line = nullptr;
  sqlite3_stmt* point = nullptr;
  bool ok = sqlite3_prepare_v2(db, "INSERT INTO Objects (Rtype, Name, DrawingID) VALUES (6, 'Layer 1', ?)", -1,
                               &layer, nullptr) == SQLITE_OK &&
            sqlite3_prepare_v2(db,
                               "INSERT INTO Lines (Rtype, Name, Show, Erased, Flag, Selected, \"Select\", Color,"
                               " Ltype, Weight, Width, Area, NPoints, PointID, LayerID, OwnerID, ObjectID,"
                               " DrawingID) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                               -1, &line, nullptr) == SQLITE_OK &&
            sqlite3_prepare_v2(db, "INSERT INTO Points (LineID, PX, PY) VALUES (?, ?, ?)", -1, &point,
                               nullptr) == SQLITE_OK;
  ok = ok && sqlite3_bind_int64(layer, 1, drawId) == SQLITE_OK && Step(layer);
  const sqlite3_int64 layerId = sqlite3_last_insert_rowid(db);
  for (Long j = 1; ok && j <= ObjCount; ++j) {
    const ObjRec& obj = Objs[j];
    sqlite3_bind_int(line, 1, obj.Rtype);
    sqlite3_bind_text(line, 2, obj.Name.data(), static_cast<int>(obj.Name.size()), SQLITE_STATIC);
    sqlite3_bind_int(line, 3, obj.Show);
    sqlite3_bind_int(line, 4, obj.Erased);
    sqlite3_bind_int(line, 5, obj.Flag);
    sqlite3_bind_int(line, 6, obj.Selected);
    sqlite3_bind_int(line, 7, obj.Select);
    sqlite3_bind_int(line, 8, obj.Color);
    sqlite3_bind_int(line, 9, obj.Ltype);
    sqlite3_bind_int(line, 10, obj.Weight);
    sqlite3_bind_double(line, 11, obj.Width);
    sqlite3_bind_double(line, 12, obj.Area);
    sqlite3_bind_int(line, 13, obj.NPoints);
    sqlite3_bind_int(line, 14, obj.PointID);
    sqlite3_bind_int64(line, 15, layerId);
    sqlite3_bind_int(line, 16, 0);
    sqlite3_bind_int(line, 17, 0);
    sqlite3_bind_int64(line, 18, drawId);
    ok = Step(line);
    const sqlite3_int64 key = sqlite3_last_insert_rowid(db);
    for (Integer k = 0; ok && k < obj.NPoints; ++k) {
      const PntRec& p = Pnts[obj.PointID + k];
      sqlite3_bind_int64(point, 1, key);
      sqlite3_bind_double(point, 2, p.X);
      sqlite3_bind_double(point, 3, p.Y);
      ok = Step(point);
    }
  }
  sqlite3_finalize(layer);
  sqlite3_finalize(line);
  sqlite3_finalize(point);
  return ok;
}

// Runs write on the database at path inside one transaction.
template <typename Write>
bool PlainTransaction(const String& path, Write write) {
  sqlite3* db = nullptr;
  bool ok = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
            Exec(db, "BEGIN IMMEDIATE") && write(db);
  ok = ok && Exec(db, "COMMIT");
  sqlite3_close(db);
  return ok;
}

// The rows the save writes for a new drawing: its Drawing row, then its rows.
bool PlainInsert(const String& path) {
  return PlainTransaction(path, [](sqlite3* db) {
    return Exec(db, "INSERT INTO Drawing (Name, Revision, Nlines) VALUES ('Bench', 'Rev. 0', 0)") &&
           PlainRows(db, sqlite3_last_insert_rowid(db));
  });
}

// The data work of a save over the stored drawing keyed drawId: its Points,
// Lines and Objects rows deleted by its key, its Drawing row updated, its
// rows inserted afresh.
bool PlainOverwrite(const String& path, sqlite3_int64 drawId) {
  return PlainTransaction(path, [drawId](sqlite3* db) {
    const char* const sql[] = {
        "DELETE FROM Points WHERE LineID IN (SELECT LineID FROM Lines WHERE DrawingID = ?)",
        "DELETE FROM Lines WHERE DrawingID = ?", "DELETE FROM Objects WHERE DrawingID = ?",
        "UPDATE Drawing SET Revision = 'Rev. 0' WHERE DrawID = ?"};
    bool ok = true;
    for (const char* text : sql) {
      sqlite3_stmt* s = nullptr;
      ok = ok && sqlite3_prepare_v2(db, text, -1, &s, nullptr) == SQLITE_OK &&
           sqlite3_bind_int64(s, 1, drawId) == SQLITE_OK && Step(s);
      sqlite3_finalize(s);
    }
    return ok && PlainRows(db, drawId);
  });
}

// ---- Benchmarks ---------------------------------------------------------------------

template <typename Write>
void RunInEmptyDatabases(benchmark::State& state, Write write) {
  QTemporaryDir folder;
  MakeDrawing(static_cast<long>(state.range(0)));
  int run = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const String path = NewDrawingsDatabase(folder, "Save" + std::to_string(++run) + "_dwg.mdb");
    Dwgs[1].DrawID = 0;  // a drawing never saved: every row is added
    state.ResumeTiming();
    if (path.empty() || !write(path)) {
      state.SkipWithError("saving failed");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SaveDrawingLines(benchmark::State& state) {
  RunInEmptyDatabases(state, [](const String& path) {
    DwgDbPath = path;
    return SaveDrawing(1);
  });
}
BENCHMARK(BM_SaveDrawingLines)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_PlainSqliteLines(benchmark::State& state) { RunInEmptyDatabases(state, PlainInsert); }
BENCHMARK(BM_PlainSqliteLines)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// ---- Saving beside a large drawing --------------------------------------------------

constexpr long LargeDrawingLines = 1000000;  // lines of the drawing stored beside
constexpr long SmallDrawingLines = 1000;     // lines of the drawing saved

using Clock = std::chrono::steady_clock;

template <typename Work>
double Milliseconds(Work&& work) {
  const Clock::time_point start = Clock::now();
  const bool ok = work();
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  return ok ? ms : -1;
}

// What the save dialog runs once the name is accepted, answering Yes to
// the question whether to replace the stored drawing.
bool DialogSave() {
  if (!VerifyDatabase(DwgDbPath, DbKindDrawings)) return false;
  DbKey asked = 0;
  const bool stored = CheckDrawingExists(1, asked);
  return SaveDrawing(1, ComponentsMissingFromDb(1), stored, asked);
}

void BM_SaveIntoLargeDatabase(benchmark::State& state) {
  QTemporaryDir folder;
  const String program = folder.filePath("Large_dwg.mdb").toStdString();
  const String yardstick = folder.filePath("Yardstick_dwg.mdb").toStdString();
  MakeDrawing(SmallDrawingLines, "Small");
  DwgDbPath = program;
  const bool ready = MakeLineDrawing(program, LargeDrawingLines) &&
                     QFile::copy(QString::fromStdString(program), QString::fromStdString(yardstick)) &&
                     DialogSave() && PlainInsert(yardstick);
  if (!ready) {
    state.SkipWithError("the databases could not be made");
    return;
  }
  const sqlite3_int64 plainKey = BenchDrawKey + 1;  // the drawing PlainInsert added
  double program_ms = 0, yardstick_ms = 0;
  for (auto _ : state) {
    const double saved = Milliseconds(DialogSave);
    const double plain = Milliseconds([&] { return PlainOverwrite(yardstick, plainKey); });
    if (saved < 0 || plain < 0) {
      state.SkipWithError("saving failed");
      break;
    }
    program_ms += saved;
    yardstick_ms += plain;
    state.SetIterationTime(saved / 1000);
  }
  const double runs = static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
  state.counters["program_ms"] = program_ms / runs;
  state.counters["yardstick_ms"] = yardstick_ms / runs;
  state.counters["ratio"] = yardstick_ms > 0 ? program_ms / yardstick_ms : 0;
}
BENCHMARK(BM_SaveIntoLargeDatabase)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lintavo
