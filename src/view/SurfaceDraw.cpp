// SurfaceDraw: surface primitives, world wrappers, point marks, the extents
// pass and the loading of entity points under the placement transform.
#include "view/SurfaceDraw.h"

#include <algorithm>
#include <cmath>

#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/ServicesAbove.h"
#include "model/Top.h"
#include "platform/Numbers.h"
#include "platform/Surface.h"
#include "view/Zooms.h"

namespace lintavo {

std::vector<GdiPoint> GdiPts(1001);
std::vector<ClipPoint> ViewPts(1001);

Integer DrawEnabled = FlagTrue;
Integer ExtentsPass = FlagFalse;

Long PenColor = 0;
Integer PenStyle = 0;
Single PenWidthFactor = 0;
Integer PenWeight = 0;
Long PenLayer = 0;
Integer PenPntCount = 0;

Integer PlacementOn = FlagFalse;
Double PlaceX = 0, PlaceY = 0;
Single PlaceScaleX = 1, PlaceScaleY = 1;
Single PlaceAngle = 0;
Single PlaceCos = 1, PlaceSin = 0;
PlaceMatrixRec PlaceMatrix;
Single PlaceSlant = 0;
Single SlantCos = 1, SlantSin = 0;
Double SlantRefY = 0;

namespace {

// View pixels of a world point, clamped in floating point before they become
// whole numbers (ViewCache.h): a point billions of pixels away (a drawing far
// outside the view) would overflow the integer arithmetic of the rasteriser.
// For points and curve centres; the ends of straight pieces are cut to the
// guard box instead.
Single PixelX(Double X) { return static_cast<Single>(ViewPixelX(X)); }
Single PixelY(Double Y) { return static_cast<Single>(ViewPixelY(Y)); }

// The device row of a view pixel y.
Single DeviceRow(Single y) { return static_cast<Single>(ViewPixMaxY) - y; }

bool InViewWindow(Double X, Double Y) {
  return X >= ViewWinMinX && X <= ViewWinMaxX && Y >= ViewWinMinY && Y <= ViewWinMaxY;
}

// The slant and matrix step of the placement transform on one point.
void ApplyPlaceTransform(Double& X, Double& Y) {
  if (PlaceSlant != 0 && Y != SlantRefY) X = SlantCos * X + SlantSin * Y;
  const Double x = PlaceMatrix.m00 * X + PlaceMatrix.m01 * Y + PlaceX;
  const Double y = PlaceMatrix.m10 * X + PlaceMatrix.m11 * Y + PlaceY;
  X = x;
  Y = y;
}

// The centre pixel of a mark, or false when the mark is not drawn.
bool MarkCentre(Double X, Double Y, Single& px, Single& py) {
  if (!DrawEnabled || !InViewWindow(X, Y)) return false;
  px = static_cast<Single>(RoundHalfEven(ViewPixelX(X)));
  py = static_cast<Single>(RoundHalfEven(ViewPixelY(Y)));
  return true;
}

// Saves the pen around a mark drawn in its own colour, dashed and thin.
class MarkPen {
 public:
  explicit MarkPen(Long color)
      : color_(ActiveDoc->ForeColor), width_(ActiveDoc->DrawWidth), style_(ActiveDoc->DrawStyle) {
    SetForeColor(color);
    SetDrawWidth(1);
    SetDrawStyle(1);
  }
  ~MarkPen() {
    SetForeColor(color_);
    SetDrawWidth(width_);
    SetDrawStyle(style_);
  }
  MarkPen(const MarkPen&) = delete;
  MarkPen& operator=(const MarkPen&) = delete;

 private:
  Long color_;
  Integer width_;
  Integer style_;
};

}  // namespace

// ---- Buffers ----------------------------------------------------------------------

void ResizeScrPts(Integer Bound) {
  ScrPtsMax = Bound;
  ScrPts.assign(static_cast<size_t>(Bound) + 1, {});
  GdiPts.assign(static_cast<size_t>(Bound) + 1, GdiPoint{0, 0});
  ViewPts.assign(static_cast<size_t>(Bound) + 1, ClipPoint{});
}

// ---- Setters ----------------------------------------------------------------------

void SetForeColor(Long Color) { ActiveDoc->ForeColor = Color; }

void SetBackColor(Long Color) { ActiveDoc->BackColor = Color; }

void SetDrawMode(Integer Mode) {
  if (Mode >= 1 && Mode <= 16) ActiveDoc->DrawMode = Mode;
}

void SetDrawWidth(Integer Width) {
  if (Width < 10) ActiveDoc->DrawWidth = Width;
}

void SetDrawWeight(Integer Weight) {
  if (Weight < 10) ActiveDoc->DrawWidth = RoundToInteger(Weight * ActiveDoc->PixelSpan());
}

void SetDrawWidthScaled(Integer Width) {
  if (Width >= 200) return;
  ActiveDoc->DrawWidth = Width == 0 ? 1 : Width;
}

void SetDrawStyle(Integer Style) {
  if (Style >= 0 && Style <= 6) ActiveDoc->DrawStyle = Style;
}

// ---- Surface primitives -------------------------------------------------------------

void DrawPSet(Single x, Single y) { ActiveDoc->PSet(x, DeviceRow(y)); }

void GdiLine(Double x1, Double y1, Double x2, Double y2) {
  if (!ClipToPixelGuard(x1, y1, x2, y2)) return;
  // MoveToEx and LineTo in one: the line, and the position left at its end.
  // The ends are taken in single precision, as the callers keep pixels.
  const Single sx1 = static_cast<Single>(x1), sy1 = static_cast<Single>(y1);
  const Single sx2 = static_cast<Single>(x2), sy2 = static_cast<Single>(y2);
  const DevicePoint to{RoundToLong(sx2), RoundToLong(DeviceRow(sy2))};
  ActiveDoc->LineDevice(RoundToLong(sx1), RoundToLong(DeviceRow(sy1)), to.x, to.y);
  ActiveDoc->GdiPosition = to;
}

void SurfaceLine(Single x1, Single y1, Single x2, Single y2) {
  ActiveDoc->LineBox(x1, DeviceRow(y1), x2, DeviceRow(y2));
}

void SurfaceBoxFilled(Single x1, Single y1, Single x2, Single y2, Long Color) {
  ActiveDoc->LineBoxFilled(x1, DeviceRow(y1), x2, DeviceRow(y2), Color);
}

void GdiCircle(Single x, Single y, Single r) {
  const int row = RoundToLong(DeviceRow(y));
  MoveToEx(ActiveDoc->hDC(), RoundToLong(x + r), row, nullptr);
  AngleArc(ActiveDoc->hDC(), RoundToLong(x), row, static_cast<unsigned>(RoundToLong(r)), 0.0f, 360.0f);
}

void SurfaceArc(Single x, Single y, Single r, Double Start, Double End) {
  ActiveDoc->Circle(x, DeviceRow(y), r, Start, End);
}

void SurfaceEllipse(Single x, Single y, Single r, Double Aspect) {
  ActiveDoc->CircleAspect(x, DeviceRow(y), r, Aspect);
}

void SurfaceEllipticArc(Single x, Single y, Single r, Double Start, Double End, Double Aspect) {
  ActiveDoc->Circle(x, DeviceRow(y), r, Start, End, Aspect);
}

void GdiPolyline(Integer Count) {
  ActiveDoc->FillStyle = vbFSTransparent;
  ActiveDoc->FillColor = DwgBackColor;
  Polyline(ActiveDoc->hDC(), &GdiPts[1], Count);
}

namespace {

// Points[0..Count) as a closed polygon filled with the style and colour;
// the fill goes back to transparent in DwgBackColor afterwards.
void FilledPolygon(const GdiPoint* Points, int Count, Integer FillStyle, Long FillColor) {
  ActiveDoc->FillStyle = FillStyle;
  ActiveDoc->FillColor = FillColor;
  Polygon(ActiveDoc->hDC(), Points, Count);
  ActiveDoc->FillStyle = vbFSTransparent;
  ActiveDoc->FillColor = DwgBackColor;
}

}  // namespace

void GdiPolygon(Integer FillStyle, Long FillColor, Integer Count) {
  FilledPolygon(&GdiPts[1], Count, FillStyle, FillColor);
}

void GdiPolygonOf(const GdiPoint* Points, Long Count, Integer FillStyle, Long FillColor) {
  FilledPolygon(Points, static_cast<int>(Count), FillStyle, FillColor);
}

void GdiPolyBezier(Double X1, Double Y1, Double X2, Double Y2, Double X3, Double Y3, Double X4,
                   Double Y4) {
  if (BeyondViewSide(X1, Y1, X4, Y4)) return;
  GdiPts[1] = WorldToGdi(X1, Y1);
  GdiPts[2] = WorldToGdi(X2, Y2);
  GdiPts[3] = WorldToGdi(X3, Y3);
  GdiPts[4] = WorldToGdi(X4, Y4);
  PolyBezier(ActiveDoc->hDC(), &GdiPts[1], 4);
}

void DrawTextAt(Single x, Single y, const String& Text) {
  // Setting a pixel in the background colour moves the surface's text position.
  ActiveDoc->PSet(x, DeviceRow(y), DwgBackColor);
  ActiveDoc->Print(Text);
}

void ClearSurface() { ActiveDoc->Cls(); }

// ---- World wrappers -----------------------------------------------------------------

void WorldPoint(Double X, Double Y) { DrawPSet(PixelX(X), PixelY(Y)); }

void WorldLine(Double X1, Double Y1, Double X2, Double Y2) {
  GdiLine(UnclampedPixelX(X1), UnclampedPixelY(Y1), UnclampedPixelX(X2), UnclampedPixelY(Y2));
}

namespace {

// A curve about the world point (X, Y) with radii rx, ry (pixels) that
// reaches far beyond the surface is drawn by the surface's clipping walk
// from its exact centre, whose pixel may lie past PixelLimit; true when so.
bool LeavesSafeArea(Double X, Double Y, Double rx, Double ry, Double& cx, Double& cy) {
  cx = X * ViewScaleX + ViewBaseX;
  cy = ViewPixMaxY - (Y * ViewScaleY + ViewBaseY);
  return ActiveDoc->CurveLeavesSafeArea(cx, cy, rx, ry);
}

bool DrawnClipped(Double X, Double Y, Double rx, Double ry, Double Start, Double End, bool whole) {
  Double cx = 0, cy = 0;
  if (!LeavesSafeArea(X, Y, rx, ry, cx, cy)) return false;
  ActiveDoc->ClippedCircleShape(cx, cy, rx, ry, Start, End, whole);
  return true;
}

}  // namespace

void WorldCircle(Double X, Double Y, Double R) {
  const Double r = std::fabs(R * ViewScaleX);
  if (DrawnClipped(X, Y, r, r, 0, 0, true)) return;
  GdiCircle(PixelX(X), PixelY(Y), static_cast<Single>(r));
}

bool WorldCircleArcShowsNothing(Double X, Double Y, Double R) {
  const Double r = std::fabs(R * ViewScaleX);
  Double cx = 0, cy = 0;
  return !LeavesSafeArea(X, Y, r, r, cx, cy) && ActiveDoc->CircleShowsNothing(static_cast<Single>(r), 1.0);
}

void WorldCircleArc(Double X, Double Y, Double R, Double Start, Double End) {
  const Double r = std::fabs(R * ViewScaleX);
  if (DrawnClipped(X, Y, r, r, Start, End, false)) return;
  SurfaceArc(PixelX(X), PixelY(Y), static_cast<Single>(r), Start, End);
}

namespace {

// The radius and aspect of an axis-parallel ellipse as the surface takes them.
void EllipseRadius(Double RX, Double RY, Single& radius, Double& aspect) {
  const Double rx = std::fabs(RX * ViewScaleX), ry = std::fabs(RY * ViewScaleY);
  aspect = ry / rx;
  radius = static_cast<Single>(aspect >= 1 ? ry : rx);
}

}  // namespace

void WorldCircleEllipse(Double X, Double Y, Double RX, Double RY) {
  if (DrawnClipped(X, Y, std::fabs(RX * ViewScaleX), std::fabs(RY * ViewScaleY), 0, 0, true)) return;
  Single radius = 0;
  Double aspect = 1;
  EllipseRadius(RX, RY, radius, aspect);
  SurfaceEllipse(PixelX(X), PixelY(Y), radius, aspect);
}

void WorldCircleEllipticArc(Double X, Double Y, Double RX, Double RY, Double Start, Double End) {
  if (DrawnClipped(X, Y, std::fabs(RX * ViewScaleX), std::fabs(RY * ViewScaleY), Start, End, false)) return;
  Single radius = 0;
  Double aspect = 1;
  EllipseRadius(RX, RY, radius, aspect);
  SurfaceEllipticArc(PixelX(X), PixelY(Y), radius, Start, End, aspect);
}

GdiPoint WorldToGdi(Double X, Double Y) {
  return GdiPoint{RoundToLong(ViewPixelX(X)), RoundToLong(ViewPixMaxY - ViewPixelY(Y))};
}

bool BeyondViewSide(Double X1, Double Y1, Double X2, Double Y2) {
  return (X1 < ViewWinMinX && X2 < ViewWinMinX) || (Y1 < ViewWinMinY && Y2 < ViewWinMinY) ||
         (X1 > ViewWinMaxX && X2 > ViewWinMaxX) || (Y1 > ViewWinMaxY && Y2 > ViewWinMaxY);
}

bool QuadBeyondViewSide(Double X1, Double Y1, Double X2, Double Y2, Double X3, Double Y3, Double X4,
                        Double Y4) {
  return BeyondViewSide(std::min({X1, X2, X3, X4}), std::min({Y1, Y2, Y3, Y4}), std::max({X1, X2, X3, X4}),
                        std::max({Y1, Y2, Y3, Y4}));
}

// ---- Polylines and polygons cut to the guard box ----------------------------------------

namespace {

// The polygon cut to the guard box and its device pixels: storage kept
// from one polygon to the next.
std::vector<ClipPoint> CutPts, CutScratch;
std::vector<GdiPoint> CutGdiPts;

// The device pixel of a view pixel: rounded, row ViewPixMaxY - y, as WorldToGdi.
GdiPoint DevicePixel(const ClipPoint& p) { return GdiPoint{RoundToLong(p.X), RoundToLong(ViewPixMaxY - p.Y)}; }

bool ViewPtsInGuard(int Count) {
  for (int i = 1; i <= Count; ++i)
    if (!InPixelGuard(ViewPts[i].X, ViewPts[i].Y)) return false;
  return true;
}

// GdiPts(1..Count) := ViewPts(1..Count) as device pixels.
void ViewPtsToGdiPts(int Count) {
  for (int i = 1; i <= Count; ++i) GdiPts[i] = DevicePixel(ViewPts[i]);
}

// The run of connected lines gathered in GdiPts(1..run), drawn and emptied.
void DrawRun(int& run) {
  if (run >= 2) Polyline(ActiveDoc->hDC(), &GdiPts[1], run);
  run = 0;
}

}  // namespace

void LoadViewPts(int Count) {
  for (int i = 1; i <= Count; ++i)
    ViewPts[i] = ClipPoint{UnclampedPixelX(ScrPts[i].X), UnclampedPixelY(ScrPts[i].Y)};
}

void ViewPolyline(int Count) {
  ActiveDoc->FillStyle = vbFSTransparent;
  ActiveDoc->FillColor = DwgBackColor;
  if (ViewPtsInGuard(Count)) {
    ViewPtsToGdiPts(Count);
    Polyline(ActiveDoc->hDC(), &GdiPts[1], Count);
    return;
  }
  // Runs of segments joined inside the box: a run ends where a segment is
  // cut on its way out, and the next starts where one comes back in. A run
  // holds at most Count points, so GdiPts holds it.
  int run = 0;
  for (int i = 1; i < Count; ++i) {
    Double x1 = ViewPts[i].X, y1 = ViewPts[i].Y, x2 = ViewPts[i + 1].X, y2 = ViewPts[i + 1].Y;
    if (!ClipToPixelGuard(x1, y1, x2, y2)) {
      DrawRun(run);
      continue;
    }
    if (run == 0) GdiPts[++run] = DevicePixel({x1, y1});
    GdiPts[++run] = DevicePixel({x2, y2});
    if (x2 != ViewPts[i + 1].X || y2 != ViewPts[i + 1].Y) DrawRun(run);
  }
  DrawRun(run);
}

void ViewPolygon(Integer FillStyle, Long FillColor, int Count) {
  if (ViewPtsInGuard(Count)) {
    ViewPtsToGdiPts(Count);
    FilledPolygon(&GdiPts[1], Count, FillStyle, FillColor);
    return;
  }
  const int n = ClipPolygonToBox(PixelGuard, &ViewPts[1], Count, CutPts, CutScratch);
  if (n == 0) return;
  if (CutGdiPts.size() < static_cast<size_t>(n)) CutGdiPts.resize(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) CutGdiPts[static_cast<size_t>(i)] = DevicePixel(CutPts[static_cast<size_t>(i)]);
  FilledPolygon(CutGdiPts.data(), n, FillStyle, FillColor);
}

// ---- Point marks ---------------------------------------------------------------------

namespace {

// A stroke of a mark about its centre pixel (px, py), the offsets in pixels
// of the screen: a mark is as large on paper as on the screen.
void MarkStroke(Single px, Single py, Single dx1, Single dy1, Single dx2, Single dy2) {
  const Single span = static_cast<Single>(ActiveDoc->PixelSpan());
  GdiLine(px + dx1 * span, py + dy1 * span, px + dx2 * span, py + dy2 * span);
}

}  // namespace

void DrawConPntMark(Double X, Double Y) {
  Single px = 0, py = 0;
  if (!MarkCentre(X, Y, px, py)) return;
  MarkPen pen(ConPntColor);
  MarkStroke(px, py, -3, -3, 4, 4);
  MarkStroke(px, py, -3, 3, 4, -4);
}

void DrawRefPntMark(Double X, Double Y) {
  Single px = 0, py = 0;
  if (!MarkCentre(X, Y, px, py)) return;
  MarkPen pen(RefPntColor);
  MarkStroke(px, py, -3, 0, 4, 0);
  MarkStroke(px, py, 0, 3, 0, -3);
  MarkStroke(px, py, -2, -2, 2, 2);
  MarkStroke(px, py, -2, 2, 2, -2);
}

void DrawStdPntMark(Double X, Double Y) {
  Single px = 0, py = 0;
  if (!MarkCentre(X, Y, px, py)) return;
  SetDrawWidth(1);
  SetDrawStyle(1);
  MarkStroke(px, py, -3, 0, 4, 0);
  MarkStroke(px, py, 0, 3, 0, -4);
}

// ---- Extents and entity points ---------------------------------------------------------

void ExtendExtents(Double X, Double Y) {
  WidenBox(Dwgs[CurDwg], X, Y);
  // Item 0 is the blank entry of entities without a layer: it is never widened.
  if (PenLayer >= 1 && PenLayer <= ItemCount) WidenBox(Items[PenLayer], X, Y);
}

void LoadObjScrPts(Long ObjNo) {
  const ObjRec& obj = Objs[ObjNo];
  const Integer type = obj.Rtype;
  const bool compound = type >= FirstCompoundType;
  const Long n = compound ? 1 : obj.NPoints;
  if (n + 100 > ScrPtsMax && ScrPtsMax < MaxScrPts) {
    ResizeScrPts(static_cast<Integer>(std::min<Long>(n + 200 + ScrPtsMax, MaxScrPts)));
  }
  if (n < 1) return;
  const Long first = obj.PointID;
  PrefetchAhead(Pnts, first + PrefetchPoints);
  if (!PlacementOn && !ExtentsPass && !(ShowConPnts && type >= EntityLine)) {
    // The common case of a redraw: the points as stored, with no test or
    // call per point.
    const PntRec* from = &Pnts[first];
    WorldXY* to = &ScrPts[1];
    for (Long i = 0; i < n; ++i) to[i] = WorldXY{from[i].X, from[i].Y};
    return;
  }
  for (Long i = 1; i <= n; ++i) {
    Double X = Pnts[first + i - 1].X, Y = Pnts[first + i - 1].Y;
    if (PlacementOn) ApplyPlaceTransform(X, Y);
    if (ExtentsPass) {
      // An arc's first point is its centre, which is not part of the arc.
      if (!(type == EntityArc && i == 1)) ExtendExtents(X, Y);
    } else if (ShowConPnts && type >= EntityLine) {
      DrawConPntMark(X, Y);
    }
    ScrPts[i].X = X;
    ScrPts[i].Y = Y;
  }
}

void PlacePoint(Double& X, Double& Y) {
  if (PlacementOn) ApplyPlaceTransform(X, Y);
  ScrPts[1].X = X;
  ScrPts[1].Y = Y;
}

void SetGlyphTransform() {
  const Double angle = PlaceAngle * DegToRad;
  // Most placements are not turned: sin and cos of a zero (of either sign)
  // are that zero and 1, without the library's cost for every character.
  PlaceSin = static_cast<Single>(angle == 0 ? angle : std::sin(angle));
  PlaceCos = static_cast<Single>(angle == 0 ? 1.0 : std::cos(angle));
  PlaceMatrix.m00 = PlaceScaleX * PlaceCos;
  PlaceMatrix.m01 = -PlaceScaleY * PlaceSin;
  PlaceMatrix.m10 = PlaceScaleX * PlaceSin;
  PlaceMatrix.m11 = PlaceScaleY * PlaceCos;
}

void DrawTextSample(Single Angle, Double X, Double Y, Single ScaleX, Single ScaleY, Single Slant) {
  PlaceAngle = Angle;
  PlaceX = X;
  PlaceY = Y;
  PlaceScaleX = ScaleX;
  PlaceScaleY = ScaleY;
  PlaceSlant = Slant;
  if (Slant != 0) {
    SlantSin = static_cast<Single>(std::sin(Slant * DegToRad));
    SlantCos = static_cast<Single>(std::cos(Slant * DegToRad));
    SlantRefY = PlaceY;
  }
  SetGlyphTransform();
}

// ---- Reset ---------------------------------------------------------------------------

void ResetSurfaceDraw() {
  // Sized from the bound of ScrPts, so the model's reset must come first.
  GdiPts.assign(static_cast<size_t>(std::max<Integer>(ScrPtsMax, 0)) + 1, GdiPoint{0, 0});
  ViewPts.assign(GdiPts.size(), ClipPoint{});
  DrawEnabled = FlagTrue;
  ExtentsPass = FlagFalse;
  PenColor = 0;
  PenStyle = 0;
  PenWidthFactor = 0;
  PenWeight = 0;
  PenLayer = 0;
  PenPntCount = 0;
  PlacementOn = FlagFalse;
  PlaceX = PlaceY = 0;
  PlaceScaleX = PlaceScaleY = 1;
  PlaceAngle = 0;
  PlaceCos = 1;
  PlaceSin = 0;
  PlaceMatrix = PlaceMatrixRec{};
  PlaceSlant = 0;
  SlantCos = 1;
  SlantSin = 0;
  SlantRefY = 0;
}

namespace {
void PlugSurfaceDraw() { ServicesAbove.MarkPickPoint = DrawConPntMark; }
const ModuleRegistrar Registered({"SurfaceDraw", FloorView, ResetSurfaceDraw, {}, PlugSurfaceDraw});
}  // namespace

}  // namespace lintavo
