// Surface: drawing methods in scale units, and the device-level stroke, fill
// and pixel operations that every drawing call ends in.
#include "platform/Surface.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/BoxClip.h"
#include "platform/Colors.h"
#include "platform/Numbers.h"

namespace lintavo {

namespace {

QPainter::CompositionMode CompositionOfDrawMode(int drawMode) {
  switch (drawMode) {
    case 1: return QPainter::RasterOp_ClearDestination;
    case 2: return QPainter::RasterOp_NotSourceAndNotDestination;
    case 3: return QPainter::RasterOp_NotSourceAndDestination;
    case 4: return QPainter::RasterOp_NotSource;
    case 5: return QPainter::RasterOp_SourceAndNotDestination;
    case 6: return QPainter::RasterOp_NotDestination;
    case 7: return QPainter::RasterOp_SourceXorDestination;
    case 8: return QPainter::RasterOp_NotSourceOrNotDestination;
    case 9: return QPainter::RasterOp_SourceAndDestination;
    case 10: return QPainter::RasterOp_NotSourceXorDestination;
    case 11: return QPainter::CompositionMode_Destination;
    case 12: return QPainter::RasterOp_NotSourceOrDestination;
    case 14: return QPainter::RasterOp_SourceOrNotDestination;
    case 15: return QPainter::RasterOp_SourceOrDestination;
    case 16: return QPainter::RasterOp_SetDestination;
    default: return QPainter::CompositionMode_SourceOver;
  }
}

Qt::BrushStyle BrushOfFillStyle(int fillStyle) {
  switch (fillStyle) {
    case 0: return Qt::SolidPattern;
    case 2: return Qt::HorPattern;
    case 3: return Qt::VerPattern;
    case 4: return Qt::BDiagPattern;
    case 5: return Qt::FDiagPattern;
    case 6: return Qt::CrossPattern;
    case 7: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
  }
}

QPolygon ToPolygon(const DevicePoint* points, int count) {
  QPolygon polygon(count);
  for (int i = 0; i < count; ++i) polygon.setPoint(i, points[i].x, points[i].y);
  return polygon;
}

}  // namespace

// ---- Scale -------------------------------------------------------------------

double Surface::UnitsToPixels() const { return ScaleMode == vbInches ? DeviceDpi() : 1.0; }

Double Surface::ScaleWidth() const { return DeviceWidth() / UnitsToPixels(); }

Double Surface::ScaleHeight() const { return DeviceHeight() / UnitsToPixels(); }

int Surface::DeviceX(Single x) const { return RoundToLong((x - ScaleLeft()) * UnitsToPixels()); }

int Surface::DeviceY(Single y) const { return RoundToLong((y - ScaleTop()) * UnitsToPixels()); }

// ---- Device level ------------------------------------------------------------

void Surface::WithPainter(const std::function<void(QPainter&)>& draw) {
  QPainter painter(PaintDevice());
  draw(painter);
}

void Surface::SetPainterMode(QPainter& painter) const {
  painter.setRenderHint(QPainter::Antialiasing, false);
  if (SupportsDrawModes()) painter.setCompositionMode(CompositionOfDrawMode(DrawMode));
}

void Surface::StrokeDevice(const DevicePoint* points, int count, bool closed) {
  if (count < 2 || DrawStyle == vbInvisible) return;
  const RasterTarget* raster = Raster();
  if (raster && ThinPen()) {
    DashPattern pattern = DashPatternOfStyle(DrawStyle);
    std::uint32_t pen = ToPixel(ForeColor);
    // A solid curve drawn before, here or elsewhere, is set from its pixels.
    const StrokePixels* kept = RasterFastPaths && pattern.count == 0 && ShapeCache::Keeps(count)
                                   ? shapes_.Stroke(points, count, closed)
                                   : nullptr;
    if (kept) {
      RasterPixels(*raster, points[0].x, points[0].y, kept->pixels.data(),
                   static_cast<int>(kept->pixels.size()), pen, DrawMode);
      Touched();
      return;
    }
    long phase = 0;
    int segments = closed ? count : count - 1;
    for (int i = 0; i < segments; ++i) {
      const DevicePoint& a = points[i];
      const DevicePoint& b = i + 1 < count ? points[i + 1] : points[0];  // closed: back to the first
      RasterLine(*raster, a.x, a.y, b.x, b.y, false, pen, DrawMode, pattern, phase);
    }
  } else {
    StrokePainter(points, count, closed);
  }
  Touched();
}

void Surface::LineDevice(int x0, int y0, int x1, int y1) {
  const DevicePoint points[2] = {{x0, y0}, {x1, y1}};
  StrokeDevice(points, 2, false);
}

void Surface::StrokePainter(const DevicePoint* points, int count, bool closed) {
  QPolygon polygon = ToPolygon(points, count);
  WithPainter([&](QPainter& painter) {
    SetPainterMode(painter);
    QPen pen(ToQColor(ForeColor));
    if (ThinPen()) {
      // One pixel: on a screen one device pixel whatever the resolution, on
      // a printer a screen pixel wide, and the dash runs, counted in pen
      // widths, keep their length with it.
      pen.setWidthF(PixelSpan() > 1 ? PixelSpan() : 0);
      pen.setCapStyle(Qt::FlatCap);
      DashPattern dashes = DashPatternOfStyle(DrawStyle);
      if (dashes.count > 0) {
        QList<qreal> runs;
        for (int i = 0; i < dashes.count; ++i) runs.append(dashes.runs[i]);
        pen.setDashPattern(runs);
      }
    } else {
      pen.setWidth(DrawWidth);
      pen.setCapStyle(Qt::RoundCap);
      pen.setJoinStyle(Qt::RoundJoin);
    }
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (closed)
      painter.drawPolygon(polygon);
    else
      painter.drawPolyline(polygon);
  });
}

void Surface::FillDevice(const DevicePoint* points, int count, Long color, Integer fillStyle) {
  if (count < 3 || fillStyle == vbFSTransparent || fillStyle < 0 || fillStyle > 7) return;
  const RasterTarget* raster = Raster();
  if (raster) {
    fillPoints_.resize(count);
    for (int i = 0; i < count; ++i) fillPoints_[i] = RasterPoint{double(points[i].x), double(points[i].y)};
    RasterFillPolygon(*raster, fillPoints_.data(), count, ToPixel(color), DrawMode, fillStyle, crossings_);
  } else {
    FillPainter(points, count, color, fillStyle);
  }
  Touched();
}

void Surface::FillPainter(const DevicePoint* points, int count, Long color, Integer fillStyle) {
  QPolygon polygon = ToPolygon(points, count);
  WithPainter([&](QPainter& painter) {
    SetPainterMode(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(ToQColor(color), BrushOfFillStyle(fillStyle)));
    painter.drawPolygon(polygon, Qt::OddEvenFill);
  });
}

void Surface::PixelDevice(int x, int y, Long color, bool throughDrawMode) {
  const RasterTarget* raster = Raster();
  int mode = throughDrawMode ? DrawMode : vbCopyPen;
  if (raster) {
    RasterPixel(*raster, x, y, ToPixel(color), mode);
  } else {
    WithPainter([&](QPainter& painter) {
      painter.setPen(QPen(ToQColor(color), PixelSpan() > 1 ? PixelSpan() : 0));
      painter.drawPoint(x, y);
    });
  }
  Touched();
}

void Surface::AppendArcPoints(double cx, double cy, double rx, double ry, double start, double sweep) {
  const ArcTerms& arc = shapes_.Arc(rx, ry, start, sweep);
  const int points = static_cast<int>(arc.cosTerms.size());
  for (int i = 0; i < points; ++i) {
    DevicePoint p{RoundToLong(cx + arc.cosTerms[i]), RoundToLong(cy - arc.sinTerms[i])};
    if (!shape_.empty() && shape_.back().x == p.x && shape_.back().y == p.y) continue;
    shape_.push_back(p);
  }
}

// ---- Curves far larger than the surface ---------------------------------------

namespace {

// The parameter start + t, t in [0, sweep), at which the curve's angle is
// angle (radians, any turn), added to cuts.
void AddCut(std::vector<double>& cuts, double angle, double start, double sweep) {
  double t = std::fmod(angle - start, TwoPiExact);
  if (t < 0) t += TwoPiExact;
  if (t < sweep) cuts.push_back(start + t);
}

// The area a clipped curve is walked in: device pixels (MinY the top row),
// the surface grown.
ClipBox ClipAreaOf(const Surface& surface) {
  return {-Surface::CurveClipMargin, -Surface::CurveClipMargin, surface.DeviceWidth() + Surface::CurveClipMargin,
          surface.DeviceHeight() + Surface::CurveClipMargin};
}

}  // namespace

bool Surface::CurveLeavesSafeArea(double cx, double cy, double rx, double ry) const {
  if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(rx) || !std::isfinite(ry)) return true;
  return cx - rx < -CurveSafeMargin || cy - ry < -CurveSafeMargin || cx + rx > DeviceWidth() + CurveSafeMargin ||
         cy + ry > DeviceHeight() + CurveSafeMargin;
}

void Surface::LineDeviceClipped(double x0, double y0, double x1, double y1) {
  const ClipBox area = ClipAreaOf(*this);
  if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1)) return;
  if (!ClipSegmentToBox(area, x0, y0, x1, y1)) return;
  LineDevice(RoundToLong(x0), RoundToLong(y0), RoundToLong(x1), RoundToLong(y1));
}

void Surface::StrokeClippedArc(double cx, double cy, double rx, double ry, double start, double sweep) {
  if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(rx) || !std::isfinite(ry) || !(rx >= 0) ||
      !(ry >= 0) || !std::isfinite(start) || !std::isfinite(sweep))
    return;
  const bool whole = sweep == 0.0;
  if (whole) start = 0, sweep = TwoPiExact;
  if (sweep < 0) start += sweep, sweep = -sweep;  // the same points, walked the other way
  FindArcPieces(cx, cy, rx, ry, start, std::min(sweep, TwoPiExact));
  if (whole && FillStyle != vbFSTransparent) FillClippedEllipse(cx, cy, rx, ry);
  for (size_t i = 0; i + 1 < pieces_.size(); i += 2) {
    shape_.clear();
    AppendPiecePoints(cx, cy, rx, ry, pieces_[i], pieces_[i + 1]);
    StrokeDevice(shape_.data(), static_cast<int>(shape_.size()), false);
  }
}

void Surface::FindArcPieces(double cx, double cy, double rx, double ry, double start, double sweep) {
  const ClipBox area = ClipAreaOf(*this);
  // Where the curve crosses an edge of the area: x = cx + rx cos t, y = cy - ry sin t.
  cuts_.clear();
  cuts_.push_back(start);
  for (double edge : {area.MinX, area.MaxX}) {
    const double u = rx > 0 ? (edge - cx) / rx : 2;
    if (u < -1 || u > 1) continue;
    AddCut(cuts_, std::acos(u), start, sweep);
    AddCut(cuts_, -std::acos(u), start, sweep);
  }
  for (double edge : {area.MinY, area.MaxY}) {
    const double v = ry > 0 ? (cy - edge) / ry : 2;
    if (v < -1 || v > 1) continue;
    AddCut(cuts_, std::asin(v), start, sweep);
    AddCut(cuts_, Pi - std::asin(v), start, sweep);
  }
  cuts_.push_back(start + sweep);
  std::sort(cuts_.begin(), cuts_.end());
  // The ranges between cuts whose middle lies inside, joined where they meet.
  pieces_.clear();
  for (size_t i = 0; i + 1 < cuts_.size(); ++i) {
    const double a = cuts_[i], b = cuts_[i + 1], middle = (a + b) / 2;
    if (!(b > a) || !area.Holds(cx + rx * std::cos(middle), cy - ry * std::sin(middle))) continue;
    if (!pieces_.empty() && pieces_.back() == a) {
      pieces_.back() = b;
    } else {
      pieces_.push_back(a);
      pieces_.push_back(b);
    }
  }
  // Round the whole turn, a range ending at the end goes on into the first.
  const size_t n = pieces_.size();
  if (sweep >= TwoPiExact && n >= 4 && pieces_[0] == start && pieces_[n - 1] == start + sweep) {
    pieces_[0] = pieces_[n - 2] - TwoPiExact;
    pieces_.resize(n - 2);
  }
}

void Surface::AppendPiecePoints(double cx, double cy, double rx, double ry, double a, double b) {
  const ClipBox area = ClipAreaOf(*this);
  // About two pixels between points, as a curve drawn whole; the inside of
  // the area holds at most about its perimeter of curve, so that bounds the walk.
  const double wanted = std::ceil((b - a) * std::max(rx, ry) / 2);
  const double mostSteps = 2 * (area.MaxX - area.MinX + area.MaxY - area.MinY);
  const long steps = static_cast<long>(std::clamp(wanted, 1.0, mostSteps));
  for (long k = 0; k <= steps; ++k) {
    const double t = a + (b - a) * static_cast<double>(k) / static_cast<double>(steps);
    const DevicePoint p{RoundToLong(std::clamp(cx + rx * std::cos(t), area.MinX, area.MaxX)),
                        RoundToLong(std::clamp(cy - ry * std::sin(t), area.MinY, area.MaxY))};
    if (!shape_.empty() && shape_.back().x == p.x && shape_.back().y == p.y) continue;
    shape_.push_back(p);
  }
}

void Surface::FillClippedEllipse(double cx, double cy, double rx, double ry) {
  if (!(rx > 0) || !(ry > 0)) return;
  // The ellipse and the area are convex, so their common part is: its
  // outline is the curve inside the area and the area's corners inside the
  // ellipse, in the order of their directions from a point within.
  shape_.clear();
  for (size_t i = 0; i + 1 < pieces_.size(); i += 2) AppendPiecePoints(cx, cy, rx, ry, pieces_[i], pieces_[i + 1]);
  const ClipBox area = ClipAreaOf(*this);
  for (double x : {area.MinX, area.MaxX})
    for (double y : {area.MinY, area.MaxY}) {
      const double u = (x - cx) / rx, v = (y - cy) / ry;
      if (u * u + v * v <= 1) shape_.push_back({RoundToLong(x), RoundToLong(y)});
    }
  if (shape_.size() < 3) return;
  double mx = 0, my = 0;
  for (const DevicePoint& p : shape_) mx += p.x, my += p.y;
  mx /= static_cast<double>(shape_.size());
  my /= static_cast<double>(shape_.size());
  std::sort(shape_.begin(), shape_.end(), [mx, my](const DevicePoint& p, const DevicePoint& q) {
    return std::atan2(p.y - my, p.x - mx) < std::atan2(q.y - my, q.x - mx);
  });
  FillDevice(shape_.data(), static_cast<int>(shape_.size()), FillColor, FillStyle);
}

void Surface::AppendBezierPoints(const DevicePoint& p1, const DevicePoint& p2, const DevicePoint& p3,
                                 const DevicePoint& p4) {
  double length = std::hypot(p2.x - p1.x, p2.y - p1.y) + std::hypot(p3.x - p2.x, p3.y - p2.y) +
                  std::hypot(p4.x - p3.x, p4.y - p3.y);
  int steps = std::clamp(static_cast<int>(std::ceil(length / 2.0)), 1, 20000);
  for (int i = 1; i <= steps; ++i) {
    double t = static_cast<double>(i) / steps, u = 1.0 - t;
    double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    DevicePoint p{RoundToLong(a * p1.x + b * p2.x + c * p3.x + d * p4.x),
                  RoundToLong(a * p1.y + b * p2.y + c * p3.y + d * p4.y)};
    if (!shape_.empty() && shape_.back().x == p.x && shape_.back().y == p.y) continue;
    shape_.push_back(p);
  }
}

// ---- Drawing methods -----------------------------------------------------------

void Surface::PSet(Single x, Single y) { PSet(x, y, ForeColor); }

void Surface::PSet(Single x, Single y, Long color) {
  CurrentX = x;
  CurrentY = y;
  int dx = DeviceX(x), dy = DeviceY(y);
  if (DrawWidth <= 1) {
    PixelDevice(dx, dy, color, true);
    return;
  }
  int width = DrawWidth;
  WithPainter([&](QPainter& painter) {
    SetPainterMode(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(color));
    painter.drawEllipse(QPointF(dx, dy), width / 2.0, width / 2.0);
  });
  Touched();
}

void Surface::Line(Single x1, Single y1, Single x2, Single y2) { Line(x1, y1, x2, y2, ForeColor); }

void Surface::Line(Single x1, Single y1, Single x2, Single y2, Long color) {
  DevicePoint points[2] = {{DeviceX(x1), DeviceY(y1)}, {DeviceX(x2), DeviceY(y2)}};
  Long saved = ForeColor;
  ForeColor = color;
  StrokeDevice(points, 2, false);
  ForeColor = saved;
  CurrentX = x2;
  CurrentY = y2;
}

void Surface::LineBox(Single x1, Single y1, Single x2, Single y2) {
  int l = DeviceX(x1), t = DeviceY(y1), r = DeviceX(x2), b = DeviceY(y2);
  CurrentX = x2;
  CurrentY = y2;
  if (l == r || t == b) {  // a flat box is one line with both ends drawn
    DevicePoint points[2] = {{l, t}, {r, b}};
    StrokeDevice(points, 2, false);
    PixelDevice(r, b, ForeColor, true);
    return;
  }
  DevicePoint points[4] = {{l, t}, {r, t}, {r, b}, {l, b}};
  StrokeDevice(points, 4, true);
}

void Surface::LineBoxFilled(Single x1, Single y1, Single x2, Single y2, Long color) {
  int l = DeviceX(x1), t = DeviceY(y1), r = DeviceX(x2), b = DeviceY(y2);
  CurrentX = x2;
  CurrentY = y2;
  if (const RasterTarget* raster = Raster()) {
    RasterFillRect(*raster, l, t, r, b, ToPixel(color), DrawMode, vbFSSolid);
    Touched();
    return;
  }
  DevicePoint points[4] = {{std::min(l, r), std::min(t, b)}, {std::max(l, r) + 1, std::min(t, b)},
                           {std::max(l, r) + 1, std::max(t, b) + 1}, {std::min(l, r), std::max(t, b) + 1}};
  FillDevice(points, 4, color, vbFSSolid);
}

void Surface::Circle(Single x, Single y, Single radius) { CircleShape(x, y, radius, 0, 0, 1.0, true); }

void Surface::Circle(Single x, Single y, Single radius, Double start, Double end, Double aspect) {
  CircleShape(x, y, radius, start, end, aspect, false);
}

void Surface::CircleAspect(Single x, Single y, Single radius, Double aspect) {
  CircleShape(x, y, radius, 0, 0, aspect, true);
}

bool Surface::CircleShowsNothing(Single radius, Double aspect) const {
  const double r = std::fabs(radius) * UnitsToPixels();
  if (!(aspect > 0)) aspect = 1.0;
  const double rx = aspect < 1.0 ? r : r / aspect;
  const double ry = aspect < 1.0 ? r * aspect : r;
  return RoundToLong(rx) == 0 && RoundToLong(ry) == 0;
}

void Surface::CircleShape(Single x, Single y, Single radius, Double start, Double end, Double aspect,
                          bool whole) {
  CurrentX = x;
  CurrentY = y;
  if (CircleShowsNothing(radius, aspect)) return;
  double r = std::fabs(radius) * UnitsToPixels();
  if (!(aspect > 0)) aspect = 1.0;
  double rx = aspect < 1.0 ? r : r / aspect;
  double ry = aspect < 1.0 ? r * aspect : r;
  double cx = (x - ScaleLeft()) * UnitsToPixels(), cy = (y - ScaleTop()) * UnitsToPixels();
  DevicePoint centre{RoundToLong(cx), RoundToLong(cy)};

  shape_.clear();
  bool startRadius = !whole && start < 0, endRadius = !whole && end < 0;
  if (CurveLeavesSafeArea(cx, cy, rx, ry)) {
    ClippedCircleShape(cx, cy, rx, ry, start, end, whole);
    return;
  }
  if (whole) {
    AppendArcPoints(cx, cy, rx, ry, 0.0, 0.0);
  } else {
    // Angles are true directions from the centre; on an ellipse they become
    // the parameter of the point where that direction meets the outline.
    double a0 = std::fabs(start), a1 = std::fabs(end);
    double t0 = std::atan2(rx * std::sin(a0), ry * std::cos(a0));
    double t1 = std::atan2(rx * std::sin(a1), ry * std::cos(a1));
    double sweep = std::fmod(t1 - t0, TwoPiExact);
    if (sweep < 0) sweep += TwoPiExact;
    if (startRadius) shape_.push_back(centre);
    AppendArcPoints(cx, cy, rx, ry, t0, sweep == 0.0 ? TwoPiExact : sweep);
    if (endRadius) shape_.push_back(centre);
  }
  bool closed = whole || (startRadius && endRadius);
  if (closed && FillStyle != vbFSTransparent)
    FillDevice(shape_.data(), static_cast<int>(shape_.size()), FillColor, FillStyle);
  StrokeDevice(shape_.data(), static_cast<int>(shape_.size()), closed);
}

void Surface::ClippedCircleShape(double cx, double cy, double rx, double ry, Double start, Double end, bool whole) {
  if (whole) {
    StrokeClippedArc(cx, cy, rx, ry, 0.0, 0.0);
    return;
  }
  const double a0 = std::fabs(start), a1 = std::fabs(end);
  const double t0 = std::atan2(rx * std::sin(a0), ry * std::cos(a0));
  const double t1 = std::atan2(rx * std::sin(a1), ry * std::cos(a1));
  double sweep = std::fmod(t1 - t0, TwoPiExact);
  if (sweep < 0) sweep += TwoPiExact;
  // A pie's radius lines, cut to the surface like the arc; a pie this large is not filled.
  if (start < 0) LineDeviceClipped(cx, cy, cx + rx * std::cos(t0), cy - ry * std::sin(t0));
  StrokeClippedArc(cx, cy, rx, ry, t0, sweep == 0.0 ? TwoPiExact : sweep);
  if (end < 0) LineDeviceClipped(cx + rx * std::cos(t1), cy - ry * std::sin(t1), cx, cy);
}

void Surface::Cls() {
  if (const RasterTarget* raster = Raster()) {
    const std::uint32_t pixel = ToPixel(BackColor);
    // A pixel of four equal bytes (white, the usual background) is set by
    // the byte fill, many pixels a step.
    const bool bytewise = pixel == (pixel & 0xFFu) * 0x01010101u;
    for (int y = 0; y < raster->height; ++y) {
      std::uint32_t* row = raster->bits + static_cast<long>(y) * raster->stride;
      if (bytewise)
        std::memset(row, static_cast<int>(pixel & 0xFFu), sizeof(std::uint32_t) * static_cast<size_t>(raster->width));
      else
        std::fill_n(row, raster->width, pixel);
    }
  } else {
    WithPainter([&](QPainter& painter) {
      painter.fillRect(0, 0, DeviceWidth(), DeviceHeight(), ToQColor(BackColor));
    });
  }
  CurrentX = 0;
  CurrentY = 0;
  Touched();
}

void Surface::Print(const String& text) {
  QString qtext = QString::fromStdString(text);
  int x = DeviceX(CurrentX), y = DeviceY(CurrentY);
  const RasterTarget* raster = Raster();
  if (raster && DrawMode != vbCopyPen) {
    PrintThroughDrawMode(*raster, qtext, x, y);
  } else {
    WithPainter([&](QPainter& painter) {
      painter.setFont(Font);
      painter.setPen(ToQColor(ForeColor));
      QFontMetricsF metrics(Font, PaintDevice());
      painter.drawText(QPointF(x, y + metrics.ascent()), qtext);
    });
  }
  // The next Print starts on the following line at the left edge.
  CurrentX = ScaleLeft();
  CurrentY += TextHeight(text);
  Touched();
}

// The text's pixels, drawn unsmoothed into a mask, each set through the draw
// mode: an XOR-like pen then takes the text off again when it is printed a
// second time, as it does lines (a painter would copy text whatever the mode).
void Surface::PrintThroughDrawMode(const RasterTarget& raster, const QString& text, int x, int y) {
  QFont font = Font;
  font.setStyleStrategy(QFont::NoAntialias);
  QFontMetricsF metrics(font, PaintDevice());
  const int width = static_cast<int>(std::ceil(metrics.horizontalAdvance(text))) + 2;
  const int height = static_cast<int>(std::ceil(metrics.height())) + 1;
  if (width <= 2 || height <= 1) return;
  QImage mask(width, height, QImage::Format_ARGB32_Premultiplied);
  mask.fill(Qt::transparent);
  {
    QPainter painter(&mask);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, metrics.ascent()), text);
  }
  const std::uint32_t pen = ToPixel(ForeColor);
  for (int row = 0; row < height; ++row) {
    const auto* line = reinterpret_cast<const QRgb*>(mask.constScanLine(row));
    for (int col = 0; col < width; ++col)
      if (qAlpha(line[col]) != 0) RasterPixel(raster, x + col, y + row, pen, DrawMode);
  }
}

Single Surface::TextWidth(const String& text) const {
  QFontMetricsF metrics(Font, const_cast<Surface*>(this)->PaintDevice());
  return metrics.horizontalAdvance(QString::fromStdString(text)) / UnitsToPixels();
}

Single Surface::TextHeight(const String&) const {
  QFontMetricsF metrics(Font, const_cast<Surface*>(this)->PaintDevice());
  return metrics.height() / UnitsToPixels();
}

}  // namespace lintavo
