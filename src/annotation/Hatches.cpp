// Hatches: hatch patterns generated at drawing time inside area boundaries.
//
// Per drawn hatch the span table is built once; per pattern line only
// stack values are used (the dash pairs sit in a fixed array), so a redraw
// of many hatches allocates nothing beyond the table's first growth.
//
// Sections:
//   State
//   Entry points
//   Line families
//   Rasterising
#include "annotation/Hatches.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "annotation/Areas.h"
#include "annotation/Boundaries.h"
#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/SupportLists.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "platform/Gdi.h"
#include "platform/Numbers.h"
#include "view/DisplayOptions.h"
#include "view/DrawDispatch.h"
#include "view/Outline.h"
#include "view/SurfaceDraw.h"

namespace lintavo {

// ---- State ---------------------------------------------------------------------------------

String CurPatternName;
String HatchLayer;
Long HatchColor = 0;
Integer UsePatternColor = 0;
Single HatchScale = 0;
Single HatchRotation = 0;
Integer HatchUseBoundaryLayer = 0;
Long CurPatternIndex = 0;

namespace {

constexpr Single HatchZoomThreshold = 0.2F;  // zoom x scale below which no hatch is drawn
constexpr Double FinestSpacing = 0.25;       // pixels: closer lines set no further pixels

Long HatchPatternIdInUse = 0;
Single HatchScaleInUse = 0;
Single HatchRotationInUse = 0;   // degrees
Long HatchColorInUse = 0;        // RGB
Double HatchCentreX = 0, HatchCentreY = 0;  // centre of BoundaryBox, pixels
Double HatchDiagonal = 0, HatchRadius = 0;  // pixels

void PointAlong(Double distance, Double x0, Double y0, Double& x, Double& y, Double angle) {
  x = x0 + distance * std::cos(angle);
  y = y0 + distance * std::sin(angle);
}

void Segment(Double x1, Double y1, Double x2, Double y2) {
  RasterHatchSegment(static_cast<Single>(x1), RoundToLong(y1), static_cast<Single>(x2), RoundToLong(y2));
}

// Box measures, the pen, then every line family of the pattern in use.
void HatchAreaInBox() {
  const BoundaryBoxRec& b = BoundaryBox;
  const Double w = static_cast<Double>(b.Right - b.Left), h = static_cast<Double>(b.Top - b.Bottom);
  HatchDiagonal = std::sqrt(h * h + w * w);
  HatchCentreX = w / 2 + b.Left;
  HatchCentreY = h / 2 + b.Bottom;
  HatchRadius = HatchDiagonal / 2;
  SetDrawMode(13);
  SetForeColor(HatchColorInUse);
  if (!ActiveDoc->IsPixelImage()) {  // hatch lines go to the printer as thin solid strokes
    SetDrawWidth(1);
    SetDrawStyle(vbSolid);
  }
  const Long last = PatternLineCount;
  for (Long i = 1; i <= last; ++i)
    if (HatchPatternLines[static_cast<size_t>(i)].PatternID == HatchPatternIdInUse) GenerateHatchLines(i);
}


Long OptionHatchColour(Long pattern) {
  return UsePatternColor ? HatchPatterns[static_cast<size_t>(pattern)].Color : HatchColor;
}

}  // namespace

// ---- Entry points ----------------------------------------------------------------------------

void DrawHatchObj(Long ObjNo) {
  if (OutlineOn || ObjNo < 1 || ObjNo > ObjCount) return;
  const ObjRec& obj = Objs[ObjNo];
  const Long pattern = obj.Ltype;
  if (pattern < 1 || pattern > PatternCount || obj.NPoints < 3) return;
  if (EraseDraw)
    HatchColorInUse = DwgBackColor;
  else
    HatchColorInUse = UsePatternColor ? HatchPatterns[static_cast<size_t>(pattern)].Color : obj.Color;
  if (!ShowHatches) return;
  HatchScaleInUse = static_cast<Single>(Pnts[obj.PointID + 1].X);
  HatchRotationInUse = static_cast<Single>(Pnts[obj.PointID + 2].X);
  if (ViewZoom * HatchScaleInUse < HatchZoomThreshold) return;
  HatchPatternIdInUse = HatchPatterns[static_cast<size_t>(pattern)].PatternID;
  if (!BuildBoundarySpans(obj.ObjectID, false)) return;
  HatchAreaInBox();
}

Long CurrentHatchPattern() {
  for (Long i = 1; i <= PatternCount; ++i)
    if (HatchPatterns[static_cast<size_t>(i)].Name == CurPatternName) return i;
  if (PatternCount < 1) return 0;
  CurPatternName = HatchPatterns[1].Name;
  return 1;
}

void PreviewAreaHatch(Long Item) {
  if (!ShowHatches) return;
  const Long pattern = CurrentHatchPattern();
  if (pattern == 0) return;
  HatchColorInUse = OptionHatchColour(pattern);
  CurPatternIndex = pattern;
  HatchScaleInUse = HatchScale;
  HatchRotationInUse = HatchRotation;
  HatchPatternIdInUse = HatchPatterns[static_cast<size_t>(pattern)].PatternID;
  if (!BuildBoundarySpans(Item, false)) return;
  HatchAreaInBox();
}

void PreviewFillOptionsHatch() {
  const Long pattern = CurrentHatchPattern();
  if (pattern == 0) return;
  HatchColorInUse = OptionHatchColour(pattern);
  HatchScaleInUse = HatchScale;
  HatchRotationInUse = HatchRotation;
  HatchPatternIdInUse = HatchPatterns[static_cast<size_t>(pattern)].PatternID;
  HatchAreaInBox();
  PlotBoundarySpans();
}

// ---- Line families -------------------------------------------------------------------------------

namespace {

// Up to three dash pairs; each part's length in pixels, drawn or skipped.
struct DashPart {
  Double Length = 0;  // pixels
  bool Drawn = false;
};
struct DashPattern {
  std::array<DashPart, 6> Parts{};  // pairs in order, each pair's two parts in its own order
  Integer Count = 0;                // parts held: 2, 4 or 6
  Double Period = 0;                // sum of the lengths
};

DashPattern MakeDashes(const PatternLineRec& line, Double unit) {
  const std::array<Single, 6> d{line.Dash1, line.Dash2, line.Dash3, line.Dash4, line.Dash5, line.Dash6};
  const bool dashFirst = line.Dash1 > 0;
  DashPattern dp;
  for (Integer pair = 0; pair < 3; ++pair) {
    const Single a = d[static_cast<size_t>(pair * 2)], b = d[static_cast<size_t>(pair * 2 + 1)];
    // Pairs 2 and 3 exist when the part that ends (dash first) or starts (gap first) them is not 0.
    if (pair > 0 && (dashFirst ? b : a) == 0) break;
    DashPart first{dashFirst ? a * unit : std::fabs(a) * unit, dashFirst};
    DashPart second{dashFirst ? std::fabs(b) * unit : b * unit, !dashFirst};
    dp.Parts[static_cast<size_t>(dp.Count++)] = first;
    dp.Parts[static_cast<size_t>(dp.Count++)] = second;
    dp.Period += first.Length + second.Length;
  }
  return dp;
}

// Walks Periods periods from S along angle a; backward takes the parts in reverse.
void WalkDashes(const DashPattern& dp, Long periods, Double sx, Double sy, Double a, bool backward) {
  Double x = sx, y = sy;
  const Double dir = backward ? a + Pi : a;
  for (Long p = 0; p < periods; ++p) {
    for (Integer k = 0; k < dp.Count; ++k) {
      const DashPart& part = dp.Parts[static_cast<size_t>(backward ? dp.Count - 1 - k : k)];
      Double nx = 0, ny = 0;
      PointAlong(part.Length, x, y, nx, ny, dir);
      if (part.Drawn) Segment(x, y, nx, ny);
      x = nx;
      y = ny;
    }
  }
}

void ContinuousRows(Double xo, Double yo, Double dyp) {
  const BoundaryBoxRec& b = BoundaryBox;
  if (yo < 0) yo = std::fmod(yo, dyp);  // rows below the box are never drawn
  Double y = static_cast<Double>(b.Bottom);
  do {
    Segment(b.Left + xo, y + yo, static_cast<Double>(b.Right), y + yo);
    y += dyp;
  } while (y + yo < b.Top);
}

void ContinuousColumns(Double xo, Double yo, Double dyp) {
  const BoundaryBoxRec& b = BoundaryBox;
  if (xo < 0) xo = std::fmod(xo, dyp);
  Double x = static_cast<Double>(b.Left);
  do {
    Segment(x + xo, b.Bottom + yo, x + xo, static_cast<Double>(b.Top));
    x += dyp;
  } while (x + xo < b.Right);
}

void LineThrough(Double px, Double py, Double a) {
  Double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  PointAlong(HatchRadius, px, py, x1, y1, a);
  PointAlong(HatchRadius, px, py, x2, y2, a + Pi);
  Segment(x1, y1, x2, y2);
}

void ContinuousOblique(Double a, Double xo, Double yo, Double dyp) {
  const Long n = RoundToLong(HatchRadius / dyp);
  const Double px = HatchCentreX + xo, py = HatchCentreY + yo;
  const Double nx = -std::sin(a) * dyp, ny = std::cos(a) * dyp;
  LineThrough(px, py, a);
  for (Long k = 1; k <= n; ++k) {
    LineThrough(px + k * nx, py + k * ny, a);
    LineThrough(px - k * nx, py - k * ny, a);
  }
}

void DashedFamily(const PatternLineRec& line, Double a, Double xo, Double yo, Double dxp, Double dyp, Double unit) {
  const DashPattern dp = MakeDashes(line, unit);
  if (dp.Period <= 0) return;  // no length to walk
  const Long periods = RoundToLong(HatchDiagonal / std::max(dp.Period, FinestSpacing));
  const Long lines = RoundToLong(HatchDiagonal / dyp);
  const Double stepX = dxp * std::cos(a) - dyp * std::sin(a);
  const Double stepY = dxp * std::sin(a) + dyp * std::cos(a);
  const Double px = HatchCentreX + xo, py = HatchCentreY + yo;
  auto dashedLine = [&](Double sx, Double sy) {
    WalkDashes(dp, periods, sx, sy, a, false);
    WalkDashes(dp, periods, sx, sy, a, true);
  };
  for (Long j = 0; j <= lines - 1; ++j) dashedLine(px - j * stepX, py - j * stepY);
  for (Long j = 1; j <= lines; ++j) dashedLine(px + j * stepX, py + j * stepY);
}

}  // namespace

void GenerateHatchLines(Long LineNo) {
  if (LineNo < 1 || LineNo > PatternLineCount) return;
  const PatternLineRec& line = HatchPatternLines[static_cast<size_t>(LineNo)];
  const Double s = HatchScaleInUse;
  Double angle = static_cast<Double>(HatchRotationInUse) + line.ANGLE;
  if (angle > 360) angle -= 360;
  const Double xo = static_cast<Single>(ViewScaleX * line.Xorigin * s);
  const Double yo = static_cast<Single>(ViewScaleY * line.Yorigin * s);
  const Double dxp = static_cast<Single>(ViewScaleX * line.DeltaX * s);
  Double dyp = static_cast<Single>(ViewScaleY * line.DeltaY * s);
  // A spacing of 0 or less never advances; a negative scale turns the family over.
  if (!(dyp > 0) || s < 0) return;
  dyp = std::max(dyp, FinestSpacing);
  if (line.Dash1 != 0) {
    DashedFamily(line, angle * Pi / 180, xo, yo, dxp, dyp, static_cast<Double>(ViewScaleX) * s);
    return;
  }
  if (angle == 0 || angle == 180)
    ContinuousRows(xo, yo, dyp);
  else if (angle == 90 || angle == 270)
    ContinuousColumns(xo, yo, dyp);
  else
    ContinuousOblique(angle * Pi / 180, xo, yo, dyp);
}

// ---- Rasterising ------------------------------------------------------------------------------

namespace {

bool IsHatchPixelInside(Long X, Long Y) {
  const Long row = Y - BoundaryBox.Bottom;
  // The box's bottom row is never hatched.
  return row > 0 && row <= BoundaryRows && IsPixelInSpans(row, X);
}

// The pixels of one hatch segment, visited in order one step apart. On an
// image each inside pixel is set. A surface that takes strokes (the
// printer) gets each run of inside pixels as one line instead, reaching one
// step past its last pixel so that a run of one pixel has length: a page of
// hatch is then some hundreds of lines, not hundreds of thousands of dots.
class HatchSegmentPen {
 public:
  HatchSegmentPen(Double stepX, Long stepY)
      : strokes_(!ActiveDoc->IsPixelImage()), stepX_(stepX), stepY_(stepY) {}
  ~HatchSegmentPen() { EndRun(); }
  HatchSegmentPen(const HatchSegmentPen&) = delete;
  HatchSegmentPen& operator=(const HatchSegmentPen&) = delete;

  // The pixel at x (truncated) in row y, x exact along the segment.
  void Visit(Double x, Long y) {
    const Long px = static_cast<Long>(x);
    if (!strokes_) {
      PlotHatchPixel(px, y);
    } else if (!IsHatchPixelInside(px, y)) {
      EndRun();
    } else {
      if (!open_) startX_ = x, startY_ = y;
      open_ = true;
      endX_ = x;
      endY_ = y;
    }
  }

 private:
  void EndRun() {
    if (!open_) return;
    open_ = false;
    ActiveDoc->LineDevice(static_cast<int>(startX_), static_cast<int>(ViewPixMaxY - startY_),
                          static_cast<int>(endX_ + stepX_), static_cast<int>(ViewPixMaxY - (endY_ + stepY_)));
  }

  bool strokes_;
  Double stepX_;
  Long stepY_;
  bool open_ = false;
  Double startX_ = 0, endX_ = 0;
  Long startY_ = 0, endY_ = 0;
};

}  // namespace

void PlotHatchPixel(Long X, Long Y) {
  if (!IsHatchPixelInside(X, Y)) return;
  SetPixelV(ActiveDoc, static_cast<int>(X), static_cast<int>(ViewPixMaxY - Y), HatchColorInUse);
}

void RasterHatchSegment(Single X1, Long Y1, Single X2, Long Y2) {
  const BoundaryBoxRec& b = BoundaryBox;
  if ((X1 < b.Left && X2 < b.Left) || (Y1 < b.Bottom && Y2 < b.Bottom) || (X1 > b.Right && X2 > b.Right) ||
      (Y1 > b.Top && Y2 > b.Top) || !ActiveDoc)
    return;
  if (X1 == X2 && Y1 == Y2) {
    HatchSegmentPen(1, 0).Visit(static_cast<Long>(X1), Y1);
    return;
  }
  if (X1 == X2) {
    const Long lo = std::clamp(std::min(Y1, Y2), b.Bottom, b.Top), hi = std::clamp(std::max(Y1, Y2), b.Bottom, b.Top);
    HatchSegmentPen pen(0, 1);
    for (Long y = lo; y <= hi; ++y) pen.Visit(static_cast<Long>(X1), y);
    return;
  }
  if (Y1 == Y2) {
    const Long lo = static_cast<Long>(std::clamp<Single>(std::min(X1, X2), static_cast<Single>(b.Left),
                                                         static_cast<Single>(b.Right)));
    const Long hi = static_cast<Long>(std::clamp<Single>(std::max(X1, X2), static_cast<Single>(b.Left),
                                                         static_cast<Single>(b.Right)));
    HatchSegmentPen pen(1, 0);
    for (Long x = lo; x <= hi; ++x) pen.Visit(static_cast<Double>(x), Y1);
    return;
  }
  // Sloped: both ends moved onto the box along the segment, then one pixel per row.
  Double x1 = X1, y1 = static_cast<Double>(Y1), x2 = X2, y2 = static_cast<Double>(Y2);
  const Double slope = (y2 - y1) / (x2 - x1);
  auto clipX = [&](Double& x, Double& y, Double limit) {
    y += (limit - x) * slope;
    x = limit;
  };
  for (Double* px : {&x1, &x2}) {
    Double& y = px == &x1 ? y1 : y2;
    if (*px < b.Left) clipX(*px, y, static_cast<Double>(b.Left));
    if (*px > b.Right) clipX(*px, y, static_cast<Double>(b.Right));
  }
  auto clipY = [&](Double& x, Double& y, Double limit) {
    x += (limit - y) / slope;
    y = limit;
  };
  for (Double* py : {&y1, &y2}) {
    Double& x = py == &y1 ? x1 : x2;
    if (*py < b.Bottom) clipY(x, *py, static_cast<Double>(b.Bottom));
    if (*py > b.Top) clipY(x, *py, static_cast<Double>(b.Top));
  }
  if (y1 > y2) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  const Long lo = RoundToLong(y1), hi = RoundToLong(y2);
  const Double perRow = 1 / slope;
  Double x = x1 + (lo - y1) * perRow;
  HatchSegmentPen pen(perRow, 1);
  for (Long y = lo; y <= hi; ++y, x += perRow) pen.Visit(x, y);
}

void ResetHatches() {
  CurPatternName.clear();
  HatchLayer.clear();
  HatchColor = 0;
  UsePatternColor = 0;
  HatchScale = HatchRotation = 0;
  HatchUseBoundaryLayer = 0;
  CurPatternIndex = 0;
}

namespace {
void PlugHatches() { HatchDrawer = DrawHatchObj; }
const ModuleRegistrar Registered({"Hatches", FloorAnnotation, ResetHatches, {}, PlugHatches});
}  // namespace

}  // namespace lintavo
