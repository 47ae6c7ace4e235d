// PlainDrawing: the plain copy of a drawing and its plain renderer.
#include "PlainDrawing.h"

#include <algorithm>
#include <cmath>

#include "PlainRaster.h"
#include "model/DataHand.h"
#include "model/Top.h"
#include "model/ViewCache.h"

namespace lintavo {

namespace {

constexpr Double HatchAngleTan = 1;        // the hatches' pattern: lines at 45 degrees ...
constexpr Double HatchSpacing = 0.125;     // ... 1/8 apart at scale 1, world units
constexpr Double HatchShownFrom = 0.2;     // zoom x scale from which hatches are drawn, as the program's
constexpr Double TextShownFrom = 2;        // pixels of height from which a character shows its strokes
constexpr Double ChordPixels = 4;          // length of an arc's chords, pixels
constexpr int MostChords = 256;

std::uint32_t Argb(Long bgr) {
  return 0xFF000000u | static_cast<std::uint32_t>((bgr & 0xFF) << 16 | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF));
}

}  // namespace

struct PlainDrawing::Target {
  std::uint32_t* bits;
  long stride;
  Double xmin, ymin, xmax, ymax;  // the view, world units
  Double scale;                   // pixels per world unit
};

// ---- The copy ----------------------------------------------------------------------

std::int32_t PlainDrawing::GlyphOf(Long item) {
  if (item < 1 || item >= static_cast<Long>(glyphOfItem_.size())) return -1;
  std::int32_t& at = glyphOfItem_[static_cast<size_t>(item)];
  if (at >= 0) return at;
  at = static_cast<std::int32_t>(glyphs_.size());
  Glyph& glyph = glyphs_.emplace_back();
  for (Long j = 1; j <= ObjCount; ++j) {
    const ObjRec& stroke = Objs[j];
    if (stroke.DwgNo != 0 || stroke.ObjectID != item || stroke.Rtype >= FirstCompoundType) continue;
    const PntRec* p = &Pnts[stroke.PointID];
    for (Integer k = 1; k < stroke.NPoints; ++k) {
      glyph.segments.push_back({p[k - 1].X, p[k - 1].Y});
      glyph.segments.push_back({p[k].X, p[k].Y});
    }
  }
  return at;
}

void PlainDrawing::CopyCurrentDrawing() {
  entities_.clear();
  points_.clear();
  glyphs_.clear();
  glyphOfItem_.assign(static_cast<size_t>(ItemCount) + 1, -1);
  // The box of each area's boundary, for its hatches.
  std::vector<WorldBox> areaBox(static_cast<size_t>(ItemCount) + 1);
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
    const ObjRec& obj = Objs[i];
    if (obj.DwgNo != CurDwg || obj.Rtype != EntityPolygon || obj.OwnerID < 1 || obj.OwnerID > ItemCount) continue;
    WorldBox& box = areaBox[static_cast<size_t>(obj.OwnerID)];
    box = {1e300, 1e300, -1e300, -1e300};
    for (Integer k = 0; k < obj.NPoints; ++k) {
      const PntRec& p = Pnts[obj.PointID + k];
      box = {std::min(box.Xmin, p.X), std::min(box.Ymin, p.Y), std::max(box.Xmax, p.X), std::max(box.Ymax, p.Y)};
    }
  }
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
    const ObjRec& obj = Objs[i];
    if (obj.DwgNo != CurDwg || obj.Erased || !obj.Show) continue;
    Entity e{Kind::Line, Argb(obj.Color), static_cast<std::uint32_t>(points_.size()), 0, -1};
    const PntRec* p = &Pnts[obj.PointID];
    switch (obj.Rtype) {
      case EntityLine: e.kind = Kind::Line; break;
      case EntityPolyline:
      case EntityPolygon: e.kind = Kind::Polyline; break;
      case EntityArc: e.kind = Kind::Arc; break;
      case EntityCircle: e.kind = Kind::Circle; break;
      case EntityTextChar:
        e.kind = Kind::Text;
        e.glyph = GlyphOf(obj.ObjectID);
        break;
      case EntityHatch: {
        const Long area = obj.ObjectID;
        if (area < 1 || area > ItemCount) continue;
        const WorldBox& box = areaBox[static_cast<size_t>(area)];
        e.kind = Kind::Hatch;
        e.count = 3;
        points_.push_back({box.Xmin, box.Ymin});
        points_.push_back({box.Xmax, box.Ymax});
        points_.push_back({p[1].X, p[2].X});  // scale, rotation
        entities_.push_back(e);
        continue;
      }
      default: continue;
    }
    e.count = static_cast<std::uint32_t>(e.kind == Kind::Text ? 3 : obj.NPoints);
    for (std::uint32_t k = 0; k < e.count; ++k) points_.push_back({p[k].X, p[k].Y});
    entities_.push_back(e);
  }
}

// ---- Extents and offset --------------------------------------------------------------

// A character's second and third points are its scale and angle; a hatch's third its scale.
std::uint32_t PlainDrawing::Places(const Entity& e) {
  return e.kind == Kind::Text ? 1 : e.kind == Kind::Hatch ? 2 : e.count;
}

WorldBox PlainDrawing::Extents() const {
  WorldBox box{1e300, 1e300, -1e300, -1e300};
  for (const Entity& e : entities_) {
    const std::uint32_t places = Places(e);
    for (std::uint32_t k = 0; k < places; ++k) {
      const XY& p = points_[e.first + k];
      box.Xmin = std::min(box.Xmin, p.x), box.Xmax = std::max(box.Xmax, p.x);
      box.Ymin = std::min(box.Ymin, p.y), box.Ymax = std::max(box.Ymax, p.y);
    }
  }
  return box;
}

void PlainDrawing::Offset(Double dx, Double dy) {
  for (const Entity& e : entities_) {
    const std::uint32_t places = Places(e);
    for (std::uint32_t k = 0; k < places; ++k) {
      points_[e.first + k].x += dx;
      points_[e.first + k].y += dy;
    }
  }
}

// ---- Drawing -------------------------------------------------------------------------

void PlainDrawing::Draw(QImage& image) const {
  image.fill(Qt::white);
  const Double scale = ViewScaleX;
  const Target t{reinterpret_cast<std::uint32_t*>(image.bits()), image.bytesPerLine() / 4,
                 -ViewBaseX / scale, -ViewBaseY / scale, (static_cast<Double>(ViewPixMaxX) - ViewBaseX) / scale,
                 (static_cast<Double>(ViewPixMaxY) - ViewBaseY) / scale, scale};
  for (const Entity& e : entities_) {
    const Box box = BoxOf(e);
    if (box.xmax < t.xmin || box.xmin > t.xmax || box.ymax < t.ymin || box.ymin > t.ymax) continue;
    DrawEntity(t, e, box);
  }
}

// Arcs and circles: the centre and the radius; characters: the origin and
// one and a half cells about it; the others: their places.
PlainDrawing::Box PlainDrawing::BoxOf(const Entity& e) const {
  const XY* q = &points_[e.first];
  if (e.kind == Kind::Arc || e.kind == Kind::Circle) {
    const Double r = std::hypot(q[1].x - q[0].x, q[1].y - q[0].y);
    return {q[0].x - r, q[0].y - r, q[0].x + r, q[0].y + r};
  }
  if (e.kind == Kind::Text) {
    const Double reach = 1.5 * std::max(std::fabs(q[1].x), std::fabs(q[1].y));
    return {q[0].x - reach, q[0].y - reach, q[0].x + reach, q[0].y + reach};
  }
  Box box{q[0].x, q[0].y, q[0].x, q[0].y};
  for (std::uint32_t k = 1; k < Places(e); ++k) {
    box.xmin = std::min(box.xmin, q[k].x), box.xmax = std::max(box.xmax, q[k].x);
    box.ymin = std::min(box.ymin, q[k].y), box.ymax = std::max(box.ymax, q[k].y);
  }
  return box;
}

void PlainDrawing::DrawEntity(const Target& t, const Entity& e, const Box& box) const {
  const XY* p = &points_[e.first];
  if ((box.xmax - box.xmin) * t.scale < 1 && (box.ymax - box.ymin) * t.scale < 1) {
    const DevicePoint d = DevicePixel(p[0].x, p[0].y);
    if (d.x >= 0 && d.y >= 0 && d.x < PlainAreaWidth && d.y < PlainAreaHeight) t.bits[d.y * t.stride + d.x] = e.pen;
    return;
  }
  switch (e.kind) {
    case Kind::Line:
    case Kind::Polyline:
      for (std::uint32_t k = 1; k < e.count; ++k)
        PlainBresenham(t.bits, t.stride, DevicePixel(p[k - 1].x, p[k - 1].y), DevicePixel(p[k].x, p[k].y), e.pen);
      return;
    case Kind::Arc:
    case Kind::Circle: return DrawArc(t, e);
    case Kind::Text: return DrawText(t, e);
    default: return DrawHatch(t, e);
  }
}

// Chords about ChordPixels long from the start counterclockwise to the end
// (the way that passes the arc's middle point); a circle all round.
void PlainDrawing::DrawArc(const Target& t, const Entity& e) const {
  const XY* p = &points_[e.first];
  const Double r = std::hypot(p[1].x - p[0].x, p[1].y - p[0].y);
  Double start = 0, sweep = 2 * Pi;
  if (e.kind == Kind::Arc) {
    const auto angle = [&](const XY& q) { return std::atan2(q.y - p[0].y, q.x - p[0].x); };
    const auto ccw = [](Double from, Double to) { return std::fmod(to - from + 4 * Pi, 2 * Pi); };
    start = angle(p[1]);
    sweep = ccw(start, angle(p[3]));
    if (ccw(start, angle(p[2])) > sweep) {
      start = angle(p[3]);
      sweep = 2 * Pi - sweep;
    }
  }
  const int chords = std::clamp(static_cast<int>(r * t.scale * sweep / ChordPixels) + 1, 2, MostChords);
  DevicePoint a = DevicePixel(p[0].x + r * std::cos(start), p[0].y + r * std::sin(start));
  for (int k = 1; k <= chords; ++k) {
    const Double angle = start + sweep * k / chords;
    const DevicePoint b = DevicePixel(p[0].x + r * std::cos(angle), p[0].y + r * std::sin(angle));
    PlainBresenham(t.bits, t.stride, a, b, e.pen);
    a = b;
  }
}

// The glyph's strokes scaled by the cell (point 2) and turned by the angle (point 3).
void PlainDrawing::DrawText(const Target& t, const Entity& e) const {
  const XY* p = &points_[e.first];
  if (e.glyph < 0 || p[1].y * t.scale < TextShownFrom) {
    const DevicePoint d = DevicePixel(p[0].x, p[0].y);
    if (d.x >= 0 && d.y >= 0 && d.x < PlainAreaWidth && d.y < PlainAreaHeight) t.bits[d.y * t.stride + d.x] = e.pen;
    return;
  }
  const Double turn = p[2].x * Pi / 180, c = std::cos(turn), s = std::sin(turn);
  const Double m00 = p[1].x * c, m01 = -p[1].y * s, m10 = p[1].x * s, m11 = p[1].y * c;
  const std::vector<XY>& strokes = glyphs_[static_cast<size_t>(e.glyph)].segments;
  for (size_t k = 0; k + 1 < strokes.size(); k += 2) {
    const XY &a = strokes[k], &b = strokes[k + 1];
    PlainBresenham(t.bits, t.stride, DevicePixel(p[0].x + m00 * a.x + m01 * a.y, p[0].y + m10 * a.x + m11 * a.y),
                   DevicePixel(p[0].x + m00 * b.x + m01 * b.y, p[0].y + m10 * b.x + m11 * b.y), e.pen);
  }
}

// Lines x - y = c across the area's box, HatchSpacing x scale apart.
void PlainDrawing::DrawHatch(const Target& t, const Entity& e) const {
  const XY* p = &points_[e.first];
  const Double xmin = p[0].x, ymin = p[0].y, xmax = p[1].x, ymax = p[1].y;
  const Double hatchScale = p[2].x;
  if (ViewZoom * hatchScale < HatchShownFrom) return;
  const Double step = HatchSpacing * hatchScale * std::sqrt(2.0) / HatchAngleTan;
  for (Double c = std::ceil((xmin - ymax) / step) * step; c <= xmax - ymin; c += step) {
    const Double x0 = std::max(xmin, ymin + c), x1 = std::min(xmax, ymax + c);
    if (x0 < x1) PlainBresenham(t.bits, t.stride, DevicePixel(x0, x0 - c), DevicePixel(x1, x1 - c), e.pen);
  }
}

}  // namespace lintavo
