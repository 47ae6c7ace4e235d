// The full redraw of a hatched area: RedrawView on a 1600 × 1000 drawing
// window whose only visible entity is a Hatch over a 1400 × 900-pixel area,
// its pattern a family of 45-degree lines 3 pixels apart at hatch scale 4 (about 550 lines
// generated, rasterised and clipped by the span table at every redraw).
// Beside it, the yardstick: the same family of lines (same centre, spacing,
// direction and length) clipped to the same box and drawn with a plain
// Bresenham loop into an image of the same size after clearing it. The
// ratio of the two is the cost of the hatch road (span table, per-pixel
// inside test, surface calls) over bare drawing of the same lines; both
// report the pixels they set, so the work is seen to be the same.
#include <QImage>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "BenchWindow.h"
#include "windows/main/frmMain.h"
#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/SupportLists.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "view/DisplayOptions.h"
#include "view/Zooms.h"
#include "windows/main/frmDocument.h"

namespace lintavo {
namespace {

constexpr int AreaWidth = BenchWindow::AreaWidth;  // pixels of the drawing area
constexpr int AreaHeight = BenchWindow::AreaHeight;
constexpr Double WorldWidth = 160;  // world window shown: 10 pixels per unit
constexpr Double WorldHeight = 100;
constexpr Double BoxXmin = 10, BoxYmin = 5, BoxXmax = 150, BoxYmax = 95;  // the area, world units
constexpr Single FamilyAngle = 45;   // degrees
constexpr Single HatchScaleUsed = 4;   // above the zoom threshold at 10 pixels per unit
constexpr Single PatternDeltaY = 0.075F;  // pattern units
constexpr Double FamilySpacing = static_cast<Double>(PatternDeltaY) * HatchScaleUsed;  // world units: 3 pixels
constexpr Long HatchRgb = 0x0000FF;   // red
constexpr std::uint32_t HatchArgb = 0xFFFF0000u;

// A main window with one 1600 × 1000 drawing window showing 0..160 × 0..100,
// holding one rectangular area and its hatch of one continuous family.
class HatchScene {
 public:
  HatchScene() {
    document_->XVmin = document_->YVmin = 0;
    document_->XVmax = WorldWidth;
    document_->YVmax = WorldHeight;
    FitViewToWindow();
    AddPattern();
    AddHatchedArea();
    ShowHatches = FlagTrue;
  }
  const QImage& Image() const { return document_->Image(); }
  bool Ready() const {
    return document_->View_Maxx == AreaWidth && document_->View_Maxy == AreaHeight && ActiveDoc == document_;
  }

 private:
  static void AddPattern() {
    HatchPatterns.assign(2, PatternRec{});
    HatchPatterns[1].PatternID = 1;
    HatchPatterns[1].Name = "Bench Lines";
    HatchPatternLines.assign(2, PatternLineRec{});
    HatchPatternLines[1].PatternID = 1;
    HatchPatternLines[1].ANGLE = FamilyAngle;
    HatchPatternLines[1].DeltaY = PatternDeltaY;
    PatternCount = PatternLineCount = 1;
  }
  static void AddHatchedArea() {
    NewItemName = "Bench Area";
    AddItem(ItemArea);
    const Long area = ItemCount;
    ItemRec& item = Items[area];
    item.Nlines = 1;
    item.Xmin = BoxXmin;
    item.Ymin = BoxYmin;
    item.Xmax = BoxXmax;
    item.Ymax = BoxYmax;
    AddObj(EntityPolygon, 5);
    Objs[ObjCount].OwnerID = Objs[ObjCount].ObjectID = area;
    Objs[ObjCount].Show = FlagFalse;
    for (const auto& [x, y] : {std::pair{BoxXmin, BoxYmin}, {BoxXmax, BoxYmin}, {BoxXmax, BoxYmax},
                               {BoxXmin, BoxYmax}, {BoxXmin, BoxYmin}})
      AddPnt(x, y);
    AddObj(EntityHatch, 3);
    Objs[ObjCount].Ltype = 1;
    Objs[ObjCount].ObjectID = area;
    Objs[ObjCount].Color = HatchRgb;
    AddPnt(BoxXmin, BoxYmin);
    AddPnt(HatchScaleUsed, HatchScaleUsed);
    AddPnt(0, 0);
  }

  BenchWindow window_{"Hatch"};  // the main and drawing window, made active
  frmDocument* document_ = window_.Document();
};

int CountPixels(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) n += (row[x] | 0xFF000000u) == (colour | 0xFF000000u) ? 1 : 0;
  }
  return n;
}

void BM_HatchFullRedraw(benchmark::State& state) {
  HatchScene scene;
  if (!scene.Ready()) {
    state.SkipWithError("the drawing window did not get its 1600 x 1000 area");
    return;
  }
  RedrawView();
  const int pixels = CountPixels(scene.Image(), HatchArgb);
  if (pixels == 0) {
    state.SkipWithError("the redraw drew no hatch");
    return;
  }
  for (auto _ : state) RedrawView();
  state.counters["pixels"] = pixels;
}
BENCHMARK(BM_HatchFullRedraw)->Unit(benchmark::kMillisecond);

// ---- The yardstick -------------------------------------------------------------------

// Box in device pixels (rows down), as the view shows the area.
struct PixelBox {
  Double left, top, right, bottom;
};

// Clips the segment (x1, y1)-(x2, y2) to the box (Liang-Barsky); false when nothing is left.
bool ClipToBox(const PixelBox& b, Double& x1, Double& y1, Double& x2, Double& y2) {
  Double t0 = 0, t1 = 1;
  const Double dx = x2 - x1, dy = y2 - y1;
  const Double p[4] = {-dx, dx, -dy, dy};
  const Double q[4] = {x1 - b.left, b.right - x1, y1 - b.top, b.bottom - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const Double t = q[i] / p[i];
    if (p[i] < 0 && t > t0) t0 = t;
    if (p[i] > 0 && t < t1) t1 = t;
    if (t0 > t1) return false;
  }
  x2 = x1 + t1 * dx;
  y2 = y1 + t1 * dy;
  x1 += t0 * dx;
  y1 += t0 * dy;
  return true;
}

// The textbook integer Bresenham loop, both ends inside the image.
void Bresenham(std::uint32_t* bits, long stride, int x0, int y0, int x1, int y1) {
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    bits[y0 * stride + x0] = HatchArgb;
    if (x0 == x1 && y0 == y1) return;
    const int e2 = 2 * error;
    if (e2 >= dy) {
      error += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      error += dx;
      y0 += sy;
    }
  }
}

// Clears the image and draws the family: lines through the box's centre
// and its parallels every spacing pixels, each as long as the box's
// diagonal, clipped to the box.
void DrawPlainFamily(QImage& image) {
  image.fill(Qt::white);
  auto* bits = reinterpret_cast<std::uint32_t*>(image.bits());
  const long stride = image.bytesPerLine() / 4;
  const Double scale = AreaWidth / WorldWidth;
  const PixelBox box{BoxXmin * scale, AreaHeight - BoxYmax * scale, BoxXmax * scale, AreaHeight - BoxYmin * scale};
  const Double w = box.right - box.left, h = box.bottom - box.top;
  const Double radius = std::sqrt(w * w + h * h) / 2;
  const Double cx = box.left + w / 2, cy = box.top + h / 2;
  const Double a = FamilyAngle * Pi / 180, spacing = FamilySpacing * scale;
  const Double ux = std::cos(a) * radius, uy = -std::sin(a) * radius;  // rows run down
  const Double nx = -std::sin(a) * spacing, ny = -std::cos(a) * spacing;
  const long n = std::lround(radius / spacing);
  for (long k = -n; k <= n; ++k) {
    Double x1 = cx + k * nx - ux, y1 = cy + k * ny - uy, x2 = cx + k * nx + ux, y2 = cy + k * ny + uy;
    if (!ClipToBox(box, x1, y1, x2, y2)) continue;
    Bresenham(bits, stride, static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2), static_cast<int>(y2));
  }
}

void BM_HatchPlainBresenham(benchmark::State& state) {
  QImage image(AreaWidth, AreaHeight, QImage::Format_RGB32);
  DrawPlainFamily(image);
  const int pixels = CountPixels(image, HatchArgb);
  for (auto _ : state) DrawPlainFamily(image);
  state.counters["pixels"] = pixels;
}
BENCHMARK(BM_HatchPlainBresenham)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lintavo
