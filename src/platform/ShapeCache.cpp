// ShapeCache: remembered arc terms and stroke pixels of repeated shapes.
#include "platform/ShapeCache.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>

#include "platform/Types.h"

namespace lintavo {

namespace {

// Mixes a 64-bit value into a running hash (a multiply-xorshift step). The
// high half is folded into the low one, which chooses the slot: the low bits
// of a product depend only on the low bits of its factors, and radii and
// angles differ mostly in their high bits.
std::uint64_t Mix(std::uint64_t hash, std::uint64_t value) {
  hash ^= value + 0x9E3779B97F4A7C15ull + (hash << 6) + (hash >> 2);
  hash *= 0xFF51AFD7ED558CCDull;
  return hash ^ (hash >> 32);
}

std::uint64_t ArcHash(double rx, double ry, double start, double sweep) {
  std::uint64_t hash = 0;
  for (double value : {rx, ry, start, sweep}) hash = Mix(hash, std::bit_cast<std::uint64_t>(value));
  return hash;
}

bool SameArc(const ArcTerms& arc, double rx, double ry, double start, double sweep) {
  return arc.rx == rx && arc.ry == ry && arc.start == start && arc.sweep == sweep;
}

// The terms of the arc's points, t stepping evenly from start through sweep.
void ComputeArcTerms(ArcTerms& arc, double rx, double ry, double start, double sweep) {
  arc.rx = rx;
  arc.ry = ry;
  arc.start = start;
  arc.sweep = sweep;
  arc.whole = sweep == 0.0;
  if (arc.whole) sweep = TwoPiExact;
  // About two pixels between points keeps the outline round at any size.
  arc.steps = std::clamp(static_cast<int>(std::ceil(std::fabs(sweep) * std::max(rx, ry) / 2.0)), 8, 20000);
  const int last = arc.whole ? arc.steps - 1 : arc.steps;  // a whole ellipse is closed by the stroke
  arc.cosTerms.resize(static_cast<size_t>(last) + 1);
  arc.sinTerms.resize(static_cast<size_t>(last) + 1);
  for (int i = 0; i <= last; ++i) {
    const double t = start + sweep * i / arc.steps;
    arc.cosTerms[i] = rx * std::cos(t);
    arc.sinTerms[i] = ry * std::sin(t);
  }
}

std::uint64_t StrokeHash(const DevicePoint* points, int count, bool closed) {
  std::uint64_t hash = Mix(0, closed ? 1 : 0);
  for (int i = 1; i < count; ++i) {
    const auto dx = static_cast<std::uint32_t>(points[i].x - points[0].x);
    const auto dy = static_cast<std::uint32_t>(points[i].y - points[0].y);
    hash = Mix(hash, (static_cast<std::uint64_t>(dx) << 32) | dy);
  }
  return hash;
}

bool SameStroke(const StrokePixels& stroke, const DevicePoint* points, int count, bool closed) {
  if (stroke.closed != closed || static_cast<int>(stroke.points.size()) != count) return false;
  for (int i = 0; i < count; ++i) {
    if (stroke.points[i].dx != points[i].x - points[0].x || stroke.points[i].dy != points[i].y - points[0].y)
      return false;
  }
  return true;
}

// The points relative to the first one and the pixels of their segments.
void ComputeStroke(StrokePixels& stroke, const DevicePoint* points, int count, bool closed) {
  stroke.closed = closed;
  stroke.points.resize(count);
  for (int i = 0; i < count; ++i)
    stroke.points[i] = RasterOffset{points[i].x - points[0].x, points[i].y - points[0].y};
  stroke.pixels.clear();
  const int segments = closed ? count : count - 1;
  for (int i = 0; i < segments; ++i) {
    const RasterOffset& a = stroke.points[i];
    const RasterOffset& b = stroke.points[(i + 1) % count];
    CollectLinePixels(a.dx, a.dy, b.dx, b.dy, stroke.pixels);
  }
}

}  // namespace

const ArcTerms& ShapeCache::Arc(double rx, double ry, double start, double sweep) {
  ArcTerms& slot = arcs_[ArcHash(rx, ry, start, sweep) % Slots];
  if (SameArc(slot, rx, ry, start, sweep)) return slot;
  ComputeArcTerms(scratchArc_, rx, ry, start, sweep);
  if (scratchArc_.steps > MaxKeptArcSteps) return scratchArc_;
  std::swap(slot, scratchArc_);  // the slot takes the new terms; its storage is reused next time
  return slot;
}

long ShapeCache::StrokePixelCount(const DevicePoint* points, int count, bool closed) {
  long pixels = 0;
  const int segments = closed ? count : count - 1;
  for (int i = 0; i < segments; ++i) {
    const DevicePoint& a = points[i];
    const DevicePoint& b = points[(i + 1) % count];
    pixels += std::max(std::labs(static_cast<long>(b.x) - a.x), std::labs(static_cast<long>(b.y) - a.y));
  }
  return pixels;
}

const StrokePixels* ShapeCache::Stroke(const DevicePoint* points, int count, bool closed) {
  // The pixel count bounds every point's offset from the first, so the
  // offsets below stay far inside int.
  if (!Keeps(count) || StrokePixelCount(points, count, closed) > MaxStrokePixels) return nullptr;
  const std::uint64_t hash = StrokeHash(points, count, closed);
  StrokePixels& slot = strokes_[hash % Slots];
  if (SameStroke(slot, points, count, closed)) return &slot;
  // A stroke is kept when it comes again: one drawn once only (an arc of
  // its own angles) is drawn directly and evicts no stroke that repeats.
  if (slot.seen != hash) {
    slot.seen = hash;
    return nullptr;
  }
  ComputeStroke(slot, points, count, closed);
  return &slot;
}

}  // namespace lintavo
