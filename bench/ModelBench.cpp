// The model's constructors at loading volume: a million two-point entities
// appended to one drawing, as a large drawing or a long copy command makes
// them. Table growth must keep the time per entity flat as the tables grow.
#include <benchmark/benchmark.h>
#include <memory>

#include "windows/main/frmMain.h"
#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "windows/main/frmDocument.h"

namespace lintavo {
namespace {

// range(0): entities to add; range(1): 1 when a main window's Edit menu follows the steps.
void BM_ModelAddTwoPointObjects(benchmark::State& state) {
  const long count = state.range(0);
  frmDocument doc;
  doc.ID = 1;
  std::unique_ptr<frmMain> mainWindow;
  if (state.range(1)) mainWindow = std::make_unique<frmMain>();
  for (auto _ : state) {
    state.PauseTiming();
    ResetProgramState();  // empty tables: every run grows them from nothing
    ActiveDoc = &doc;
    CurDwg = 1;
    MainForm = mainWindow.get();
    NewDwgRec(1);
    state.ResumeTiming();
    for (long i = 0; i < count; ++i) {
      AddObj(EntityLine, 2);
      AddPnt(static_cast<Double>(i % 1000), 0);
      AddPnt(static_cast<Double>(i % 1000), 1);
    }
    benchmark::DoNotOptimize(ObjCount);
  }
  state.SetItemsProcessed(state.iterations() * count);
  ResetProgramState();
}
BENCHMARK(BM_ModelAddTwoPointObjects)
    ->ArgNames({"objects", "menus"})
    ->Args({100000, 0})
    ->Args({1000000, 0})
    ->Args({1000000, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lintavo
