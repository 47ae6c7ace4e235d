// The full redraw as the user meets it: RedrawView on a 1600 × 1000 drawing
// window of a main window, clearing the surface and drawing every straight
// line of a large drawing again, as every zoom, pan step and refresh does;
// beside it the same segments through the same view drawn straight into a
// QImage with QPainter, and with a plain Bresenham loop that sets the very
// pixels the redraw sets. The ratio of the redraw to the plain Bresenham is
// the cost of the program's road (view cache, read-outs, layer test, pen
// set-up, dispatch, its own rasteriser) over bare drawing; QPainter's
// general lines are far slower than either. A fourth runs the redraw with the
// grid and rulers switched on.
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "BenchWindow.h"
#include "PlainRaster.h"
#include "windows/main/frmMain.h"
#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "platform/Numbers.h"
#include "view/Grids.h"
#include "view/Zooms.h"
#include "windows/main/frmDocument.h"

namespace lintavo {
namespace {

constexpr int AreaWidth = BenchWindow::AreaWidth;  // pixels of the drawing area
constexpr int AreaHeight = BenchWindow::AreaHeight;
constexpr Double WorldWidth = 160;  // world window shown: 10 pixels per unit
constexpr Double WorldHeight = 100;

// A cheap repeatable spread of positions over the world window.
Double Spread(long i, long modulus, Double size) {
  return static_cast<Double>((i * 2654435761u) % modulus) * size / modulus;
}

struct WorldSegment {
  Double x1, y1, x2, y2;  // world units
};

// Short segments (3 × 2 units, 30 × 20 pixels) spread over the view.
std::vector<WorldSegment> MakeSegments(long count) {
  std::vector<WorldSegment> segments(count);
  for (long i = 0; i < count; ++i) {
    const Double x = Spread(i, 15600, WorldWidth - 4), y = Spread(i + 7, 9600, WorldHeight - 3);
    segments[i] = WorldSegment{x, y, x + 3, y + 2};
  }
  return segments;
}

// A main window with one drawing window whose area is 1600 × 1000 pixels,
// showing the world window 0..160 × 0..100, holding the segments as lines
// of its first layer.
class RedrawScene {
 public:
  explicit RedrawScene(const std::vector<WorldSegment>& segments) {
    document_->XVmin = document_->YVmin = 0;
    document_->XVmax = WorldWidth;
    document_->YVmax = WorldHeight;
    FitViewToWindow();
    for (const WorldSegment& s : segments) {
      AddObj(EntityLine, 2);
      AddPnt(s.x1, s.y1);
      AddPnt(s.x2, s.y2);
    }
  }
  const QImage& Image() const { return document_->Image(); }
  bool Ready() const {
    return document_->View_Maxx == AreaWidth && document_->View_Maxy == AreaHeight &&
           ActiveDoc == document_;
  }
  // Whether the first pixel of a segment is on the surface: a redraw that
  // drew nothing would measure nothing.
  bool Shows(const WorldSegment& s) const {
    return document_->PixelAt(RoundToInteger(s.x1 * ViewScaleX + ViewBaseX),
                              ViewPixMaxY - RoundToInteger(s.y1 * ViewScaleY + ViewBaseY)) == 0;
  }

 private:
  BenchWindow window_{"Redraw"};  // the main and drawing window, made active
  frmDocument* document_ = window_.Document();
};

// Every RedrawView of the scene; with aids, the grid (0.25 units, thinned to
// about one dot per 20 pixels) and the rulers are drawn last, as the
// Display menu's switches make every redraw do.
void MeasureRedraw(benchmark::State& state, bool aids) {
  const std::vector<WorldSegment> segments = MakeSegments(state.range(0));
  RedrawScene scene(segments);
  GridOn = RulerOn = FlagFalse;
  if (!scene.Ready()) {
    state.SkipWithError("the drawing window did not get its 1600 x 1000 area");
    return;
  }
  // The lines are checked before the aids are switched on: the rulers cover
  // the first segment, which starts on the window's left edge.
  RedrawView();
  if (!scene.Shows(segments.front()) || !scene.Shows(segments.back())) {
    state.SkipWithError("the redraw did not draw the lines");
    return;
  }
  GridOn = RulerOn = Flag(aids);
  for (auto _ : state) RedrawView();
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_FullRedrawViewLines(benchmark::State& state) { MeasureRedraw(state, false); }
BENCHMARK(BM_FullRedrawViewLines)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Against the line above at the same count: the cost of the grid and rulers.
void BM_FullRedrawWithGridAndRulers(benchmark::State& state) { MeasureRedraw(state, true); }
BENCHMARK(BM_FullRedrawWithGridAndRulers)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same segments through the same view (10 pixels per unit, y turned
// over), the image cleared and the lines drawn with a cosmetic one-pixel
// pen, QPainter's fastest lines.
void BM_FullRedrawQPainterLines(benchmark::State& state) {
  const std::vector<WorldSegment> segments = MakeSegments(state.range(0));
  QImage image(AreaWidth, AreaHeight, QImage::Format_RGB32);
  const Double scale = AreaWidth / WorldWidth;
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 0));
    for (const WorldSegment& s : segments) {
      painter.drawLine(QPoint(qRound(s.x1 * scale), AreaHeight - qRound(s.y1 * scale)),
                       QPoint(qRound(s.x2 * scale), AreaHeight - qRound(s.y2 * scale)));
    }
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FullRedrawQPainterLines)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// ---- Plain Bresenham ------------------------------------------------------------

// Clears the image and draws every segment with the plain loop.
void DrawPlainBresenham(QImage& image, const std::vector<WorldSegment>& segments) {
  image.fill(Qt::white);
  auto* bits = reinterpret_cast<std::uint32_t*>(image.bits());
  const long stride = image.bytesPerLine() / 4;
  for (const WorldSegment& s : segments)
    PlainBresenham(bits, stride, DevicePixel(s.x1, s.y1), DevicePixel(s.x2, s.y2), 0xFF000000u);
}

// The same segments through the same view with the plain loop; its picture
// is checked against the redraw's, pixel for pixel, so that both do the
// same work.
void BM_FullRedrawPlainBresenham(benchmark::State& state) {
  const std::vector<WorldSegment> segments = MakeSegments(state.range(0));
  RedrawScene scene(segments);
  if (!scene.Ready()) {
    state.SkipWithError("the drawing window did not get its 1600 x 1000 area");
    return;
  }
  RedrawView();
  QImage image(AreaWidth, AreaHeight, QImage::Format_RGB32);
  DrawPlainBresenham(image, segments);
  if (image != scene.Image()) {
    state.SkipWithError("the plain Bresenham did not set the redraw's pixels");
    return;
  }
  for (auto _ : state) DrawPlainBresenham(image, segments);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FullRedrawPlainBresenham)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lintavo
