// Surface primitives at redraw volume: short lines, polylines and circles
// such as a full redraw of a large drawing sends to a window.
#include <benchmark/benchmark.h>

#include "platform/Gdi.h"
#include "platform/ImageSurface.h"

namespace lintavo {
namespace {

// A cheap repeatable spread of positions over the surface.
int Spread(long i, int modulus) { return static_cast<int>((i * 2654435761u) % modulus); }

void BM_SurfaceShortLines(benchmark::State& state) {
  ImageSurface surface(1600, 1000);
  for (auto _ : state) {
    for (long i = 0; i < state.range(0); ++i) {
      int x = Spread(i, 1560), y = Spread(i + 7, 960);
      MoveToEx(&surface, x, y, nullptr);
      LineTo(&surface, x + 30, y + 20);
    }
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SurfaceShortLines)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_SurfaceXorPolylines(benchmark::State& state) {
  ImageSurface surface(1600, 1000);
  surface.DrawMode = vbXorPen;
  GdiPoint points[6];
  for (auto _ : state) {
    for (long i = 0; i < state.range(0); ++i) {
      int x = Spread(i, 1540), y = Spread(i + 3, 940);
      for (int k = 0; k < 6; ++k) points[k] = GdiPoint{x + k * 10, y + (k % 2) * 40};
      Polyline(&surface, points, 6);
    }
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SurfaceXorPolylines)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SurfaceCircles(benchmark::State& state) {
  ImageSurface surface(1600, 1000);
  for (auto _ : state) {
    for (long i = 0; i < state.range(0); ++i) surface.Circle(Spread(i, 1600), Spread(i + 5, 1000), 12);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SurfaceCircles)->Arg(100000)->Unit(benchmark::kMillisecond);

// Circles of 40 radii (3 to 42 pixels) in turn: more shapes than the surface
// remembers, so most are computed and remembered again.
void BM_SurfaceCirclesManyRadii(benchmark::State& state) {
  ImageSurface surface(1600, 1000);
  for (auto _ : state) {
    for (long i = 0; i < state.range(0); ++i)
      surface.Circle(Spread(i, 1600), Spread(i + 5, 1000), static_cast<Single>(3 + i % 40));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SurfaceCirclesManyRadii)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lintavo
