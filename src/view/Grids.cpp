// Grids: the dot grid, with its thinning and the grid-snap guard, and the
// rulers, with their unit and decade.
//
// Both read the view of the active drawing window (its pixel bounds, world
// window, scale and origin) and draw through the surface primitives in view
// pixels, y counted upward. Positions step in doubles from a first tick or
// dot that lies within one step before the area, so every loop ends after
// about one pass over the area whatever the view.
//
// Sections:
//   Switches and state
//   Pen and messages
//   Grid
//   Rulers: spacing
//   Rulers: drawing
//   Rulers: the band behind them
//   Reset
#include "view/Grids.h"

#include <algorithm>
#include <cmath>

#include "model/DrawingWindow.h"
#include "model/MainWindowLink.h"
#include "model/MessageBar.h"
#include "model/ProgramState.h"
#include "model/SnapSettings.h"
#include "model/Top.h"
#include "model/Units.h"
#include "platform/Numbers.h"
#include "platform/Surface.h"
#include "view/DisplayOptions.h"
#include "view/SurfaceDraw.h"

namespace lintavo {

// ---- Switches and state ------------------------------------------------------------

Integer GridOn = 0;
Integer RulerOn = 0;
Integer GridShown = 0;
Integer RulersShown = 0;
constexpr Single StartGridSpacing = 0.25;  // world units
Single GridX = StartGridSpacing;
Single GridY = StartGridSpacing;
Single GridSize = StartGridSpacing;
constexpr Long StartGridColor = 0x00FF00;   // green
constexpr Long StartRulerColor = 0x00FFFF;  // yellow
Long GridColor = StartGridColor;
Long RulerColor = StartRulerColor;

namespace {

// ---- Pen and messages -----------------------------------------------------------------

constexpr Integer AidPenWidth = 2;  // pixels: dots and ticks

// The not-XOR pen of the grid and the rulers, and the copy pen after them.
void SetAidPen(Long color) {
  SetDrawMode(vbNotXorPen);
  SetDrawWidth(AidPenWidth);
  SetForeColor(color);
}
void RestorePen() {
  SetDrawMode(vbCopyPen);
  SetDrawWidth(1);
}

void CheckMenuItem(const char* name, Integer flag) {
  if (MainWindowLink* main = MainLink()) main->CheckMenuItem(name, flag != 0);
}

// A grid too coarse to snap to: grid snapping goes off, its menu item too.
void DisableGridSnap() {
  GridSnap = FlagFalse;
  CheckMenuItem("mnuControlsSnapsGrid", GridSnap);
  ShowStatus("Grid Too Large, Snap Disabled!", PromptPanel);
}

// The first of the positions first + i × step (i whole) that lies no more
// than one step before edge: a start far outside the area is moved up to it.
Double StartNearEdge(Double first, Double edge, Double step) {
  if (first >= edge - step) return first;
  return first + std::floor((edge - first) / step) * step;
}

// ---- Grid -----------------------------------------------------------------------------

constexpr Double GridMaxSteps = 32000;  // steps across the area from which the grid is not shown
constexpr Double GridDotsPerPixel = 0.05;  // at most about one dot per 20 pixels of width
constexpr Double GridFewSteps = 5;      // fewer steps than this are too coarse for the snap

// The dots of every k-th grid position over the area, rows from the bottom.
void DrawGridDots(const DrawingWindow& window, Long k) {
  const Double sx = k * static_cast<Double>(GridX);
  const Double sy = k * static_cast<Double>(GridY);
  Double x0 = RoundHalfEven(window.XVmin / sx) * sx;
  if (x0 > window.XVmin) x0 -= sx;
  Double y0 = RoundHalfEven(window.YVmin / sy) * sy;
  if (y0 > window.YVmin) y0 -= sy;
  const Double px = sx * window.XVscale;
  const Double py = sy * window.YVscale;
  const Double firstX = StartNearEdge(RoundHalfEven(x0 * window.XVscale + window.VbaseX), window.View_MinX, px);
  const Double firstY = StartNearEdge(RoundHalfEven(y0 * window.YVscale + window.Vbasey), window.View_Miny, py);
  Double y = firstY;
  do {
    Double x = firstX;
    do {
      DrawPSet(ToSingle(x), ToSingle(y));
      x += px;
    } while (x <= window.View_Maxx);
    y += py;
  } while (y <= window.View_Maxy);
}

// The grid over the area, with the messages and the snap guard.
void PutGrid(const DrawingWindow& window, Integer show) {
  const Long width = RoundToLong(window.View_Maxx - window.View_MinX);
  const Long height = RoundToLong(window.View_Maxy - window.View_Miny);
  const Single nx = ToSingle(width / (window.XVscale * GridX));
  const Single ny = ToSingle(height / (window.YVscale * GridY));
  // A spacing or scale of 0 gives infinitely many steps (or none over none): too small.
  if (!(nx < GridMaxSteps) || !(ny < GridMaxSteps)) {
    ShowStatus("Grid Too Small to Show!", PromptPanel);
    return;
  }
  const Double steps = Trunc(std::max(nx, ny));
  if (!(steps >= 1)) {
    DisableGridSnap();
    return;
  }
  const Long n = static_cast<Long>(steps);
  const Long limit = RoundToLong(width * GridDotsPerPixel);
  Long k = 1;
  for (Long m = n; m > limit;) m = RoundToLong(n / static_cast<Double>(++k));
  DrawGridDots(window, k);
  if (n < GridFewSteps && (!show || k == 1)) DisableGridSnap();
}

}  // namespace

void DrawGrid(Integer& Show) {
  if ((Show && GridShown) || (!Show && !GridShown)) return;
  GridShown = Show;
  CheckMenuItem("mnuDisplayGrid", GridOn);
  const DrawingWindow* window = ActiveDocForm();
  if (!window) return;
  SetAidPen(GridColor);
  PutGrid(*window, Show);
  RestorePen();
}

// ---- Rulers: spacing ---------------------------------------------------------------------

namespace {

constexpr Double RulerTickPitch = 24;  // pixels of width per tick at most
constexpr Double RulerTickLength = 20;  // pixels
constexpr Double LeftLabelX = 25;       // left ruler: label left edge, pixels from the edge
constexpr Double LeftLabelRise = 8;     //   and its top above the tick
constexpr Double BottomLabelShift = 8;  // bottom ruler: label left edge before the tick
constexpr Double BottomLabelTop = 32;   //   and its top above the bottom edge

// The display unit chosen from the inches across the area, stored in the
// unit setting: feet and inches for more than a foot of inches; metric by size.
void PickRulerUnit(Single inchesAcross) {
  if (!MetricUnits) {
    if (EnglishUnit == 1 && inchesAcross > 12) EnglishUnit = 2;
    return;
  }
  if (inchesAcross < 0.0393701F)
    MetricUnit = 6;
  else if (inchesAcross < 0.3937009F)
    MetricUnit = 1;
  else if (inchesAcross < 39.37009F)
    MetricUnit = 2;
  else if (inchesAcross < 39370.1F)
    MetricUnit = 4;
  else
    MetricUnit = 5;
}

// Display units in one inch, from the unit table; 1 for a code without a row.
Double DisplayUnitsPerInch() {
  if (MetricUnits) {
    const MetricUnitRow* row = MetricUnitOf(MetricUnit);
    return row ? row->PerInch : 1;
  }
  const EnglishUnitRow* row = EnglishUnitOf(EnglishUnit);
  return row ? 1 / row->InchesPer : 1;
}

}  // namespace

bool MeasureRulerSpacing(RulerSpacing& Spacing) {
  const DrawingWindow* window = ActiveDocForm();
  if (!window) return false;
  const Long width = RoundToLong(window->View_Maxx - window->View_MinX);
  const Long height = RoundToLong(window->View_Maxy - window->View_Miny);
  const Long maxTicks = RoundToLong(width / RulerTickPitch);
  if (AutoScale) PickRulerUnit(ToSingle(width / window->XVscale));
  const Double f = DisplayUnitsPerInch();
  Single u = ToSingle(width / window->XVscale * f);  // display units across
  const Single v = ToSingle(height / window->YVscale * f);  // and up
  if (maxTicks < 1 || !(u > 0) || !std::isfinite(u) || !(v > 0) || !std::isfinite(v)) return false;
  // The decade: about maxTicks ticks at most; at least ten on a narrow view.
  Double p = 1;
  if (u <= 1) {
    while (u < 10) {
      u *= 10;
      p *= 10;
    }
  } else {
    while (u > maxTicks) {
      u /= 10;
      p /= 10;
    }
  }
  Spacing.TickValue = 1 / p;
  Spacing.StepX = width / static_cast<Double>(u);
  Spacing.StepY = height / (v * p);
  return true;
}

String LeftRulerLabel(Double Index, Double TickValue) { return NumberText(ToSingle(Index * TickValue)); }

String BottomRulerLabel(Double Index, Double TickValue) {
  return NumberText(RoundHalfEven(TickValue * Index, 2));
}

// ---- Rulers: drawing ---------------------------------------------------------------------

namespace {

// The first tick of a ruler and its index. The origin pixel `base` (a Single)
// is where index 0 lies; the first tick is the first whole step above the
// edge, between half a step and one and a half steps from it.
struct FirstTick {
  Double Position = 0;  // view pixels along the ruler
  Double Index = 0;     // ticks from the world origin
};
FirstTick FindFirstTick(Double edgePixel, Single base, Double step) {
  const Double edge = RoundHalfEven(edgePixel);
  if (edge == base) return {edge + step, 1};
  const Double index = 1 - RoundHalfEven(base / step);
  return {index * step + base, index};
}

// One ruler's axis in view pixels: where the world origin lies, where the
// world window's low edge lies, the view's pixel range and the tick step.
struct RulerAxis {
  Single Base = 0;
  Double EdgePixel = 0;
  Long ViewMin = 0, ViewMax = 0;
  Double Step = 0;
};

RulerAxis LeftAxis(const DrawingWindow& window, const RulerSpacing& spacing) {
  return {window.Vbasey, window.YVmin * window.YVscale + window.Vbasey, window.View_Miny, window.View_Maxy,
          spacing.StepY};
}

RulerAxis BottomAxis(const DrawingWindow& window, const RulerSpacing& spacing) {
  return {window.VbaseX, window.XVmin * window.XVscale + window.VbaseX, window.View_MinX, window.View_Maxx,
          spacing.StepX};
}

// Calls tick(position, index) for each tick of a ruler, from its low end
// (the left ruler bottom to top, the bottom ruler left to right).
template <typename Tick>
void ForEachTick(const RulerAxis& axis, Tick tick) {
  FirstTick first = FindFirstTick(axis.EdgePixel, axis.Base, axis.Step);
  const Double start = StartNearEdge(first.Position, axis.ViewMin, axis.Step);
  first.Index += RoundHalfEven((start - first.Position) / axis.Step);
  for (Double at = start, j = first.Index; at <= axis.ViewMax; at += axis.Step, ++j) tick(at, j);
}

void DrawLeftRuler(const DrawingWindow& window, const RulerSpacing& spacing) {
  ForEachTick(LeftAxis(window, spacing), [&](Double y, Double j) {
    GdiLine(0, ToSingle(y), ToSingle(RulerTickLength), ToSingle(y));
    DrawTextAt(ToSingle(LeftLabelX), ToSingle(y + LeftLabelRise), LeftRulerLabel(j, spacing.TickValue));
  });
}

void DrawBottomRuler(const DrawingWindow& window, const RulerSpacing& spacing) {
  ForEachTick(BottomAxis(window, spacing), [&](Double x, Double j) {
    GdiLine(ToSingle(x), 0, ToSingle(x), ToSingle(RulerTickLength));
    DrawTextAt(ToSingle(x - BottomLabelShift), ToSingle(BottomLabelTop), BottomRulerLabel(j, spacing.TickValue));
  });
}

// ---- Rulers: the band behind them --------------------------------------------------------
//
// The rulers stand on a band of their own, dark behind a light ruler colour
// (the yellow they start with) and light behind a dark one, so that their
// ticks and figures can be read on a white drawing. Band, ticks and figures
// are all drawn with the not-XOR pen, so drawing the rulers a second time
// still takes every pixel back; the pens are chosen so that the band shows
// its colour on the drawing's background and the ticks show RulerColor
// itself on the band.

constexpr Long DarkRulerBand = 0x202020;   // RGB Long, behind light ruler colours
constexpr Long LightRulerBand = 0xE0E0E0;  // RGB Long, behind dark ruler colours
constexpr Double BandPad = 4;              // pixels of band past the widest left figure
constexpr Double BottomBandHeight = BottomLabelTop + 2;  // pixels: ticks and figures of the bottom ruler
constexpr Long RgbMask = 0xFFFFFF;

Long RulerBandBehind(Long ruler) {
  const Double red = ruler & 0xFF, green = (ruler >> 8) & 0xFF, blue = (ruler >> 16) & 0xFF;
  const Double lightness = 0.299 * red + 0.587 * green + 0.114 * blue;
  return lightness >= 128 ? DarkRulerBand : LightRulerBand;
}

// The not-XOR pen that shows the colour shown where it meets the colour under.
Long NotXorPenShowing(Long shown, Long under) { return ~(shown ^ under) & RgbMask; }

// The band: a strip up the left edge as wide as the widest figure, and one
// along the bottom edge beside it; the two never overlap.
void DrawRulerBand(const DrawingWindow& window, const RulerSpacing& spacing, Long pen) {
  Double widest = 0;
  ForEachTick(LeftAxis(window, spacing), [&](Double, Double j) {
    widest = std::max<Double>(widest, ActiveDoc->TextWidth(LeftRulerLabel(j, spacing.TickValue)));
  });
  const Single leftWidth = ToSingle(std::ceil(LeftLabelX + widest + BandPad));
  SurfaceBoxFilled(0, 0, leftWidth, ToSingle(window.View_Maxy), pen);
  if (window.View_Maxx > leftWidth)
    SurfaceBoxFilled(leftWidth + 1, 0, ToSingle(window.View_Maxx), ToSingle(BottomBandHeight), pen);
}

}  // namespace

void DrawRulers(Integer& Show) {
  RulersShown = Show;
  RulerOn = Show;
  CheckMenuItem("mnuDisplayRuler", RulerOn);
  const DrawingWindow* window = ActiveDocForm();
  if (!window) return;
  const Long band = RulerBandBehind(RulerColor);
  SetAidPen(NotXorPenShowing(RulerColor, band));
  RulerSpacing spacing;
  if (MeasureRulerSpacing(spacing)) {
    DrawRulerBand(*window, spacing, NotXorPenShowing(band, DwgBackColor));
    DrawLeftRuler(*window, spacing);
    DrawBottomRuler(*window, spacing);
  }
  RestorePen();
}

// ---- Reset ---------------------------------------------------------------------------

void ResetGrids() {
  GridOn = 0;
  RulerOn = 0;
  GridShown = 0;
  RulersShown = 0;
  GridX = GridY = GridSize = StartGridSpacing;
  GridColor = StartGridColor;
  RulerColor = StartRulerColor;
}

namespace {
const ModuleRegistrar Registered({"Grids", FloorView, ResetGrids});
}  // namespace

}  // namespace lintavo
