// The line-drawing previews as the pointer moves: every mouse move removes
// the preview shown and draws the next one, both with the XOR pen on a
// 1600 × 1000 drawing window. One iteration is one such move for the shape
// of a code at the step where its curve shows, the cursor going back and
// forth between two points; the straight line of the single-line command,
// drawn as far across, is the yardstick in the same process. The ghost of an
// entity whose vertex MOVE POINT drags is measured the same way: one
// iteration removes the ghost and draws it with the vertex at the cursor.
#include <QImage>
#include <benchmark/benchmark.h>
#include <memory>
#include <utility>
#include <vector>

#include "BenchWindow.h"
#include "windows/main/frmMain.h"
#include "model/DataHand.h"
#include "model/LineDrawCodes.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "view/Rubber.h"
#include "view/RubberObject.h"
#include "view/Zooms.h"
#include "windows/main/frmDocument.h"

namespace lintavo {
namespace {

constexpr int AreaWidth = BenchWindow::AreaWidth;  // pixels of the drawing area
constexpr int AreaHeight = BenchWindow::AreaHeight;

// An empty drawing window of 1600 × 1000 pixels in a main window.
class PreviewScene {
 public:
  PreviewScene() {
    RedrawView();
  }
  bool Ready() const { return document_->View_Maxx == AreaWidth && ActiveDoc == document_; }
  QImage Picture() const { return document_->Image().copy(); }

 private:
  BenchWindow window_{"Preview"};  // the main and drawing window, made active
  frmDocument* document_ = window_.Document();
};

using PixelPoint = std::pair<Single, Single>;  // view pixels, y upward

// A click as a person makes it and the drawing window takes it: the pointer
// moves there (the preview follows), then the preview goes and the step advances.
void Click(PixelPoint p) {
  if (ToolStep > 0) UpdateRubber(p.first, p.second);
  if (RubberBusy) EraseRubber();
  MouseX = p.first;
  MouseY = p.second;
  ++ToolStep;
  if (ToolStep == 1) StartRubber(p.first, p.second);
}

void MeasurePreview(benchmark::State& state, Integer code, const std::vector<PixelPoint>& clicks) {
  PreviewScene scene;
  if (!scene.Ready()) {
    state.SkipWithError("the drawing window did not get its 1600 x 1000 area");
    return;
  }
  LineDrawCommand = code;
  ToolStep = 0;
  for (const PixelPoint& p : clicks) Click(p);
  const PixelPoint cursors[] = {{1150, 700}, {1160, 640}};
  UpdateRubber(cursors[1].first, cursors[1].second);
  const QImage shown = scene.Picture();
  EraseRubber();
  if (shown == scene.Picture()) {
    state.SkipWithError("the preview drew nothing");
    return;
  }
  int k = 0;
  for (auto _ : state) {
    UpdateRubber(cursors[k].first, cursors[k].second);
    k ^= 1;
  }
  EraseRubber();
  state.SetItemsProcessed(state.iterations());
}

// The yardstick: a line from the first click to the cursor, about 450 pixels.
void BM_PreviewLine(benchmark::State& state) { MeasurePreview(state, DrawSingleCode, {{800, 500}}); }
BENCHMARK(BM_PreviewLine)->Unit(benchmark::kMicrosecond);

// Twelve sides of radius 360 pixels about (800, 500).
void BM_PreviewRegularPolygon(benchmark::State& state) {
  MeasurePreview(state, DrawRegularPolygonCode, {{800, 500}, {1160, 500}});
}
BENCHMARK(BM_PreviewRegularPolygon)->Unit(benchmark::kMicrosecond);

// A sector of radius 360 pixels with its read-outs.
void BM_PreviewCentreArc(benchmark::State& state) {
  MeasurePreview(state, DrawArcCentreCode, {{800, 500}, {1160, 500}});
}
BENCHMARK(BM_PreviewCentreArc)->Unit(benchmark::kMicrosecond);

void BM_PreviewThreePointArc(benchmark::State& state) {
  MeasurePreview(state, DrawArcStartMiddleCode, {{400, 500}, {800, 850}});
}
BENCHMARK(BM_PreviewThreePointArc)->Unit(benchmark::kMicrosecond);

void BM_PreviewBoxEllipse(benchmark::State& state) { MeasurePreview(state, DrawEllipse2Code, {{400, 300}}); }
BENCHMARK(BM_PreviewBoxEllipse)->Unit(benchmark::kMicrosecond);

void BM_PreviewEllipticArc(benchmark::State& state) {
  MeasurePreview(state, DrawEllipticalArcCode, {{400, 200}, {1200, 800}, {1200, 500}});
}
BENCHMARK(BM_PreviewEllipticArc)->Unit(benchmark::kMicrosecond);

void BM_PreviewAxisEllipse(benchmark::State& state) {
  MeasurePreview(state, DrawEllipse3Code, {{800, 500}, {1200, 600}});
}
BENCHMARK(BM_PreviewAxisEllipse)->Unit(benchmark::kMicrosecond);

void BM_PreviewSpline(benchmark::State& state) {
  MeasurePreview(state, DrawSplineCode, {{300, 300}, {600, 700}, {900, 400}});
}
BENCHMARK(BM_PreviewSpline)->Unit(benchmark::kMicrosecond);

void BM_PreviewBezier(benchmark::State& state) {
  MeasurePreview(state, DrawContBezierCode, {{300, 300}, {600, 700}, {900, 400}});
}
BENCHMARK(BM_PreviewBezier)->Unit(benchmark::kMicrosecond);

// The ghost of an entity of the type through the pixel points, its vertex
// Drag following the cursor.
void MeasureGhost(benchmark::State& state, Integer type, const std::vector<PixelPoint>& points, Long drag) {
  PreviewScene scene;
  if (!scene.Ready()) {
    state.SkipWithError("the drawing window did not get its 1600 x 1000 area");
    return;
  }
  AddObj(type, static_cast<Integer>(points.size()));
  for (const PixelPoint& p : points) AddPnt((p.first - ViewBaseX) / ViewScaleX, (p.second - ViewBaseY) / ViewScaleY);
  const QImage clean = scene.Picture();
  LoadRubberObject(ObjCount);
  RubberDragPnt = drag;
  const PixelPoint cursors[] = {{1150, 700}, {1160, 640}};
  DrawRubberObject(cursors[1].first, cursors[1].second);
  if (clean == scene.Picture()) {
    state.SkipWithError("the ghost drew nothing");
    return;
  }
  int k = 0;
  for (auto _ : state) {
    DrawRubberObject(cursors[k].first, cursors[k].second);
    k ^= 1;
  }
  EraseRubberObject();
  state.SetItemsProcessed(state.iterations());
}

// A straight line dragged by its end from (800, 500): as far as the yardstick.
void BM_DragGhostLine(benchmark::State& state) { MeasureGhost(state, EntityLine, {{800, 500}, {900, 500}}, 2); }
BENCHMARK(BM_DragGhostLine)->Unit(benchmark::kMicrosecond);

void BM_DragGhostArc(benchmark::State& state) {
  MeasureGhost(state, EntityArc, {{800, 500}, {1160, 500}, {800, 860}, {440, 500}}, 3);
}
BENCHMARK(BM_DragGhostArc)->Unit(benchmark::kMicrosecond);

void BM_DragGhostEllipse(benchmark::State& state) {
  MeasureGhost(state, EntityEllipse, {{400, 500}, {1200, 500}, {800, 800}, {800, 200}}, 2);
}
BENCHMARK(BM_DragGhostEllipse)->Unit(benchmark::kMicrosecond);

// A spline through 40 points across the window, dragged by its middle point.
void BM_DragGhostSpline(benchmark::State& state) {
  std::vector<PixelPoint> points;
  for (int i = 0; i < 40; ++i) points.emplace_back(100 + 35 * i, i % 2 ? 300 : 700);
  MeasureGhost(state, EntitySpline, points, 20);
}
BENCHMARK(BM_DragGhostSpline)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lintavo
