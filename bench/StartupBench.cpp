// Start-up: InitApplication as the splash window's second tick runs it, on
// the support databases of the application folder copy, under a main window
// with its first drawing window, as the program has them then; and each of
// its steps alone (the option sets, the hatch patterns, the font names, the
// layer names, the font "TEXT", the first window's fit and redraw).
//
// The yardstick, run in the same process, is a plain SQLite read of the
// same rows: every row of the tables the steps read (Settings, Patterns,
// PatternLines, Fonts, LayerNames), and the strokes of the glyphs of "TEXT"
// with their points, through one connection per file and one prepared
// statement per table, every column read. The ratio of InitApplication to
// it shows what start-up costs above reading the files.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include "app/Setings.h"
#include "windows/main/Startup.h"
#include "windows/main/frmMain.h"
#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/SupportLists.h"
#include "model/Top.h"
#include "storage/LoadData.h"
#include "storage/LoadFonts.h"
#include "storage/SupportFiles.h"
#include "view/Zooms.h"
#include "windows/main/frmDocument.h"

namespace lintavo {
namespace {

// A fresh model and a main window with its first drawing window, shown, as
// SubMain leaves them before the splash window; gone with the object.
class StartedMainWindow {
 public:
  StartedMainWindow() {
    ResetProgramState();
    MainForm = new frmMain;
    MainForm->MDIForm_Load();
    MainForm->show();
    if (frmDocument* window = MainForm->ActiveChild()) ActiveDoc = window;
    QApplication::processEvents();
  }
  ~StartedMainWindow() {
    delete MainForm;
    MainForm = nullptr;
    ResetProgramState();
  }
};

// Empty support tables, as InitApplication has them before each reader.
void EmptySupportTables() {
  HatchPatterns.assign(1, PatternRec{});
  PatternCount = PatternCap = 0;
  HatchPatternLines.assign(1, PatternLineRec{});
  PatternLineCount = PatternLineCap = 0;
  Items.assign(1, ItemRec{});
  ItemsMax = CurItem = ItemCount = 0;
  Objs.assign(1, ObjRec{});
  ObjsMax = LastObj = ObjCount = 0;
  Pnts.assign(1, PntRec{});
  PntsMax = LastPnt = PntCount = 0;
}

// ---- The whole initialisation ------------------------------------------------------

void BM_InitApplication(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    {
      StartedMainWindow started;
      state.ResumeTiming();
      InitApplication();
      state.PauseTiming();
      if (BaseItemCount < 90 || PatternCount < 1) state.SkipWithError("the support data did not load");
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_InitApplication)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// ---- Its steps alone -------------------------------------------------------------------

void BM_StartupOptionSets(benchmark::State& state) {
  StartedMainWindow started;
  for (auto _ : state) LoadOptionSets();
}
BENCHMARK(BM_StartupOptionSets)->Unit(benchmark::kMillisecond);

void BM_StartupPatterns(benchmark::State& state) {
  for (auto _ : state) {
    EmptySupportTables();
    LoadPatterns();
  }
  if (PatternCount < 1) state.SkipWithError("no pattern was read");
  ResetProgramState();
}
BENCHMARK(BM_StartupPatterns)->Unit(benchmark::kMillisecond);

void BM_StartupFontNames(benchmark::State& state) {
  for (auto _ : state) LoadFontNames();
  if (FontCount < 1) state.SkipWithError("no font name was read");
  ResetProgramState();
}
BENCHMARK(BM_StartupFontNames)->Unit(benchmark::kMillisecond);

void BM_StartupLayerNames(benchmark::State& state) {
  for (auto _ : state) LoadLayerNames();
  if (LayerNameCount < 1) state.SkipWithError("no layer name was read");
  ResetProgramState();
}
BENCHMARK(BM_StartupLayerNames)->Unit(benchmark::kMillisecond);

void BM_StartupFontText(benchmark::State& state) {
  for (auto _ : state) {
    EmptySupportTables();
    LoadFont("TEXT");
  }
  if (ItemCount < 90) state.SkipWithError("the glyphs did not load");
  ResetProgramState();
}
BENCHMARK(BM_StartupFontText)->Unit(benchmark::kMillisecond);

// The first command's fit of the empty drawing's sheet and the full redraw
// of the first window, after the support data is in.
void BM_StartupFirstWindowFit(benchmark::State& state) {
  StartedMainWindow started;
  InitApplication();
  DrawingWindow* window = ActiveDocForm();
  if (!window) state.SkipWithError("no drawing window");
  for (auto _ : state) {
    if (!window) break;
    ComputeDrawingExtents();
    const DwgRec& dwg = Dwgs[CurDwg];
    window->XVmin = dwg.BaseX;
    window->YVmin = dwg.BaseY;
    window->XVmax = dwg.Xlimit;
    window->YVmax = dwg.Ylimit;
    FitViewToWindow();
    UpdateWorldWindow();
    RedrawView();
  }
}
BENCHMARK(BM_StartupFirstWindowFit)->Unit(benchmark::kMillisecond);

// ---- The yardstick -----------------------------------------------------------------------

// Steps stmt to its end reading every column; the number of rows.
long ReadAll(sqlite3_stmt* stmt, double& sum) {
  long rows = 0;
  const int columns = sqlite3_column_count(stmt);
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    for (int c = 0; c < columns; ++c) {
      if (sqlite3_column_type(stmt, c) == SQLITE_TEXT)
        sum += sqlite3_column_bytes(stmt, c);
      else
        sum += sqlite3_column_double(stmt, c);
    }
    ++rows;
  }
  return rows;
}

// Every row of the queries on the support database file; -1 on failure.
long ReadQueries(const char* file, std::initializer_list<const char*> queries, double& sum) {
  sqlite3* db = nullptr;
  long rows = 0;
  if (sqlite3_open_v2(SupportFilePath(file).c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) rows = -1;
  for (const char* sql : queries) {
    sqlite3_stmt* stmt = nullptr;
    if (rows < 0 || sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
      rows = -1;
      break;
    }
    rows += ReadAll(stmt, sum);
    sqlite3_finalize(stmt);
  }
  sqlite3_close(db);
  return rows;
}

void BM_PlainSqliteReadOfTheSupportRows(benchmark::State& state) {
  for (auto _ : state) {
    double sum = 0;
    const long rows =
        ReadQueries(SettingsDbFile, {"SELECT * FROM Settings ORDER BY rowid", "SELECT * FROM LayerNames ORDER BY rowid"},
                    sum) +
        ReadQueries(PatternsDbFile,
                    {"SELECT * FROM Patterns ORDER BY rowid", "SELECT * FROM PatternLines ORDER BY rowid"}, sum) +
        ReadQueries(FontsDbFile,
                    {"SELECT * FROM Fonts ORDER BY rowid",
                     "SELECT l.*, p.* FROM Fonts f JOIN Lines l ON l.OwnerID = f.ObjectID JOIN Points p ON "
                     "p.LineID = l.LineID WHERE f.Name LIKE 'TEXT-%' ORDER BY f.rowid, l.rowid, p.rowid"},
                    sum);
    benchmark::DoNotOptimize(sum);
    if (rows < 100) state.SkipWithError("the support rows could not be read");
  }
}
BENCHMARK(BM_PlainSqliteReadOfTheSupportRows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lintavo
