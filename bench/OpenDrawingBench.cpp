// File, Open end to end: a stored drawing of many two-point lines opened
// through the main window's menu item and the drawing chooser into a
// drawing window of 1600 by 1000 pixels, fitted (ZOOM ALL) and redrawn
// whole, after the program's own start. The time of each phase is a
// counter (milliseconds, mean over the iterations); the benchmark's time is
// their sum. The yardstick in the same run is the plain SQLite read of
// LoadBench (BM_PlainSqliteReadOfTheSameRows) at the same sizes.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>

#include "LineDrawingFiles.h"
#include "OpenRoad.h"
#include "model/ProgramState.h"

namespace lintavo {
namespace {

constexpr int AreaWidth = 1600;  // drawing area, pixels
constexpr int AreaHeight = 1000;

// One stored drawing per size, made once for the whole run ("" on failure).
const String& OpenBenchDrawing(long lines) {
  static QTemporaryDir folder;
  static std::map<long, String> made;
  auto at = made.find(lines);
  if (at == made.end()) {
    const String path = folder.filePath(QString("Open%1_dwg.mdb").arg(lines)).toStdString();
    at = made.emplace(lines, MakeLineDrawing(path, lines) ? path : String()).first;
  }
  return at->second;
}

void BM_FileOpenFitAndRedraw(benchmark::State& state) {
  const long lines = state.range(0);
  const String& path = OpenBenchDrawing(lines);
  if (path.empty()) state.SkipWithError("the stored drawing could not be made");
  OpenPhases sum;
  for (auto _ : state) {
    ResetProgramState();
    StartPhases start;
    if (!StartProgramWithoutSplash(start) || !SizeActiveDrawingArea(AreaWidth, AreaHeight)) {
      state.SkipWithError("the program did not start with a 1600 x 1000 drawing window");
      EndProgramStarted();
      break;
    }
    OpenPhases phases;
    const bool drawn = OpenFitAndDraw(path, BenchDrawingName, lines, phases);
    state.SetIterationTime((phases.Open + phases.Fit + phases.Redraw) / 1000.0);
    sum.Open += phases.Open;
    sum.Fit += phases.Fit;
    sum.Redraw += phases.Redraw;
    EndProgramStarted();
    ResetProgramState();
    if (!drawn) {
      state.SkipWithError("the drawing did not load whole");
      break;
    }
  }
  const double runs = static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
  state.counters["open_ms"] = sum.Open / runs;
  state.counters["fit_ms"] = sum.Fit / runs;
  state.counters["redraw_ms"] = sum.Redraw / runs;
  state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_FileOpenFitAndRedraw)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lintavo
