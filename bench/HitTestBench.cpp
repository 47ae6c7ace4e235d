// The object under a click, and the nearest stored point, on a large
// drawing: the time per call is the delay a click (or a snapped pointer
// move) feels. FindObjAt and NearestObjPoint ask the entity index for the
// objects near the point; the scans that measure every object
// (FindObjAtByScan, NearestObjPointByScan) run in the same process as the
// yardstick. The index is laid out by the first query after a load, once:
// BM_ObjIndexLayOut times that first query on its own.
//
// The drawing mixes the common types (lines, points, circles, arcs,
// polylines, text characters) spread over a 1000 x 1000 world on two layers
// of the active window, the other one shown and unlocked, so every object
// passes the skips and is measured.
#include <benchmark/benchmark.h>

#include "model/DataHand.h"
#include "model/ObjIndex.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "picking/Identify.h"
#include "picking/Snaps.h"
#include "view/Zooms.h"
#include "windows/main/frmDocument.h"

namespace lintavo {
namespace {

// A cheap repeatable spread of positions over the world.
Double Spread(long i, long modulus, Double size) {
  return static_cast<Double>((i * 2654435761u) % modulus) * size / modulus;
}

void AddMixedObject(long i) {
  const Double x = Spread(i, 99991, 1000), y = Spread(i + 13, 99989, 1000);
  switch (i % 6) {
    case 0:
      AddObj(EntityLine, 2);
      AddPnt(x, y);
      AddPnt(x + 3, y + 2);
      break;
    case 1:
      AddObj(EntityPoint, 1);
      AddPnt(x, y);
      break;
    case 2:
      AddObj(EntityCircle, 2);
      AddPnt(x, y);
      AddPnt(x + 1.5, y);
      break;
    case 3:
      AddObj(EntityArc, 4);
      AddPnt(x, y);
      AddPnt(x + 2, y);
      AddPnt(x, y + 2);
      AddPnt(x - 2, y);
      break;
    case 4:
      AddObj(EntityPolyline, 5);
      for (int k = 0; k < 5; ++k) AddPnt(x + k, y + (k % 2));
      break;
    default:
      AddObj(EntityTextChar, 1);
      AddPnt(x, y);
      break;
  }
}

// The mixed drawing of `count` objects in window `doc` as drawing 1.
void MakeMixedDrawing(frmDocument& doc, long count) {
  ResetProgramState();
  doc.ID = 1;
  ActiveDoc = &doc;
  CurDwg = 1;
  NewDwgRec(1);
  // The first layer made beforehand, so that the first object does not store
  // a new layer name in the settings database.
  for (const char* name : {"Layer 1", "Second"}) {
    NewItemName = name;
    AddItem(ItemLayer);
    Items[ItemCount].Show = FlagTrue;
  }
  doc.Current_Layer = ItemCount - 1;
  for (long i = 0; i < count; ++i) AddMixedObject(i);
  // Every other object on the second layer, shown and unlocked.
  for (Long i = 1; i <= ObjCount; i += 2) Objs[i].LayerID = ItemCount;
  PickTolerance = 0.1F;
}

// range(0): objects in the drawing. The index is laid out before the timing.
template <void (*Find)(Long&, Double, Double, Double&)>
void FindObjectBench(benchmark::State& state) {
  const long count = state.range(0);
  frmDocument doc;
  MakeMixedDrawing(doc, count);
  Long obj = 0;
  Double dist = 0;
  Find(obj, 0, 0, dist);

  long click = 0;
  for (auto _ : state) {
    Find(obj, Spread(click, 997, 1000), Spread(click + 5, 991, 1000), dist);
    benchmark::DoNotOptimize(obj);
    benchmark::DoNotOptimize(dist);
    ++click;
  }
  state.SetItemsProcessed(state.iterations() * count);
  ActiveDoc = nullptr;
  ResetProgramState();
}

void BM_FindObjAt(benchmark::State& state) { FindObjectBench<FindObjAt>(state); }
void BM_FindObjAtByScan(benchmark::State& state) { FindObjectBench<FindObjAtByScan>(state); }
BENCHMARK(BM_FindObjAt)->ArgName("objects")->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindObjAtByScan)->ArgName("objects")->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// range(0): objects in the drawing; the pointer is snapped at each step.
template <void (*Nearest)(Double&, Double&, Long&, Single&)>
void NearestPointBench(benchmark::State& state) {
  const long count = state.range(0);
  frmDocument doc;
  MakeMixedDrawing(doc, count);
  Double x = 0, y = 0;
  Long obj = 0;
  Single dist = 0;
  Nearest(x, y, obj, dist);

  long move = 0;
  for (auto _ : state) {
    x = Spread(move, 997, 1000);
    y = Spread(move + 5, 991, 1000);
    Nearest(x, y, obj, dist);
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(obj);
    ++move;
  }
  state.SetItemsProcessed(state.iterations() * count);
  ActiveDoc = nullptr;
  ResetProgramState();
}

void BM_NearestObjPoint(benchmark::State& state) { NearestPointBench<NearestObjPoint>(state); }
void BM_NearestObjPointByScan(benchmark::State& state) { NearestPointBench<NearestObjPointByScan>(state); }
BENCHMARK(BM_NearestObjPoint)->ArgName("objects")->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NearestObjPointByScan)->ArgName("objects")->Arg(1000000)->Unit(benchmark::kMicrosecond);

// range(0): objects in the drawing. The first click after a load lays the
// index out; the scan of one click is the yardstick for it.
void BM_ObjIndexLayOut(benchmark::State& state) {
  const long count = state.range(0);
  frmDocument doc;
  MakeMixedDrawing(doc, count);
  for (auto _ : state) {
    ObjIndexCutBack();
    Long obj = 0;
    Double dist = 0;
    FindObjAt(obj, 500, 500, dist);
    benchmark::DoNotOptimize(obj);
  }
  state.SetItemsProcessed(state.iterations() * count);
  ActiveDoc = nullptr;
  ResetProgramState();
}
BENCHMARK(BM_ObjIndexLayOut)->ArgName("objects")->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lintavo
