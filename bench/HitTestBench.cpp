// The object under a click on a large drawing: FindObjAt walks every object
// of the model on each pick, so its time per call is the delay a click feels.
// The drawing mixes the common types (lines, points, circles, arcs,
// polylines, text characters) spread over a 1000 x 1000 world on two layers
// of the active window, the other one shown and unlocked, so every object
// passes the skips and is measured.
#include <benchmark/benchmark.h>

#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "picking/Identify.h"
#include "view/Zooms.h"
#include "view/frmDocument.h"

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

// range(0): objects in the drawing.
void BM_FindObjAt(benchmark::State& state) {
  const long count = state.range(0);
  ResetProgramState();
  frmDocument doc;
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

  long click = 0;
  for (auto _ : state) {
    Long obj = 0;
    Double dist = 0;
    FindObjAt(obj, Spread(click, 997, 1000), Spread(click + 5, 991, 1000), dist);
    benchmark::DoNotOptimize(obj);
    benchmark::DoNotOptimize(dist);
    ++click;
  }
  state.SetItemsProcessed(state.iterations() * count);
  ActiveDoc = nullptr;
  ResetProgramState();
}
BENCHMARK(BM_FindObjAt)->ArgName("objects")->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lintavo
