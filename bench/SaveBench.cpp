// Saving a drawing of straight lines into an empty drawings database, beside
// a plain SQLite insert of the same rows (one transaction, statements
// prepared once) on the same schema: the difference is what the save's own
// work costs.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "storage/DbSchema.h"
#include "storage/SaveData.h"

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

// Drawing 1, "Bench", with one layer and `lines` two-point lines on it.
void MakeDrawing(long lines) {
  ResetProgramState();
  CurDwg = 1;
  Dwgs[1].Name = "Bench";
  Dwgs[1].Revision = "Rev. 0";
  NewItemName = "Layer 1";
  AddItem(ItemLayer);
  Objs.assign(static_cast<std::size_t>(lines) + 1, ObjRec{});
  Pnts.assign(2 * static_cast<std::size_t>(lines) + 1, PntRec{});
  for (long j = 1; j <= lines; ++j) {
    ObjRec& obj = Objs[static_cast<std::size_t>(j)];
    obj.Rtype = EntityLine;
    obj.Show = FlagTrue;
    obj.Weight = 1;
    obj.NPoints = 2;
    obj.PointID = static_cast<Long>(2 * j - 1);
    obj.LayerID = 1;
    obj.DwgNo = 1;
    Pnts[static_cast<std::size_t>(2 * j - 1)] = PntRec{1, static_cast<Long>(j), Double(j), 0};
    Pnts[static_cast<std::size_t>(2 * j)] = PntRec{2, static_cast<Long>(j), Double(j), 1};
  }
  ObjCount = ObjsMax = static_cast<Long>(lines);
  PntCount = PntsMax = static_cast<Long>(2 * lines);
}

// ---- Plain SQLite -------------------------------------------------------------------

bool Exec(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

bool Step(sqlite3_stmt* s) {
  const int rc = sqlite3_step(s);
  sqlite3_reset(s);
  return rc == SQLITE_DONE;
}

// The rows the save writes for the drawing: a Drawing row, an Objects row,
// then a Lines row and two Points rows per line, in one transaction.
bool PlainInsert(const String& path) {
  sqlite3* db = nullptr;
  sqlite3_stmt* line = nullptr;
  sqlite3_stmt* point = nullptr;
  bool ok = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
            Exec(db, "BEGIN IMMEDIATE") &&
            Exec(db, "INSERT INTO Drawing (Name, Revision, Nlines) VALUES ('Bench', 'Rev. 0', 0)") &&
            Exec(db, "INSERT INTO Objects (Rtype, Name, DrawingID) VALUES (6, 'Layer 1', 1)") &&
            sqlite3_prepare_v2(db,
                               "INSERT INTO Lines (Rtype, Name, Show, Erased, Flag, Selected, \"Select\", Color,"
                               " Ltype, Weight, Width, Area, NPoints, PointID, LayerID, OwnerID, ObjectID,"
                               " DrawingID) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                               -1, &line, nullptr) == SQLITE_OK &&
            sqlite3_prepare_v2(db, "INSERT INTO Points (LineID, PX, PY) VALUES (?, ?, ?)", -1, &point,
                               nullptr) == SQLITE_OK;
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
    sqlite3_bind_int(line, 15, 1);
    sqlite3_bind_int(line, 16, 0);
    sqlite3_bind_int(line, 17, 0);
    sqlite3_bind_int(line, 18, 1);
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
  sqlite3_finalize(line);
  sqlite3_finalize(point);
  ok = ok && Exec(db, "COMMIT");
  sqlite3_close(db);
  return ok;
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

}  // namespace
}  // namespace lintavo
