// BoxClip: the segment and polygon cuts.
#include "platform/BoxClip.h"

#include <algorithm>
#include <cmath>

namespace lintavo {

// ---- Segments ------------------------------------------------------------------

bool ClipSegmentToBox(const ClipBox& box, double& x0, double& y0, double& x1, double& y1) {
  const double dx = x1 - x0, dy = y1 - y0;
  // A NaN or infinite end makes its run NaN or infinite, and so does a run
  // too long for a double.
  if (!std::isfinite(dx) || !std::isfinite(dy)) return false;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 - box.MinX, box.MaxX - x0, y0 - box.MinY, box.MaxY - y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;  // parallel to this side and beyond it
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, r);
    else
      t1 = std::min(t1, r);
  }
  if (!(t0 <= t1)) return false;
  // An end not cut keeps its own value: x0 + 1 * dx need not give x1 back.
  if (t1 < 1) {
    x1 = x0 + t1 * dx;
    y1 = y0 + t1 * dy;
  }
  if (t0 > 0) {
    x0 += t0 * dx;
    y0 += t0 * dy;
  }
  return true;
}

// ---- Polygons ------------------------------------------------------------------

namespace {

// One side of the box: the half-plane on the box's side of the line x = at
// (Vertical) or y = at, lower values kept when KeepBelow.
struct HalfPlane {
  bool Vertical;   // the side is a line x = at; else y = at
  bool KeepBelow;  // the box lies where the coordinate is at most at
  double at;       // the side's coordinate

  bool Keeps(const ClipPoint& p) const {
    const double v = Vertical ? p.X : p.Y;
    return KeepBelow ? v <= at : v >= at;
  }
  // Where the edge a-b crosses the side; the crossing's own coordinate is
  // the side's exactly.
  ClipPoint Crossing(const ClipPoint& a, const ClipPoint& b) const {
    if (Vertical) {
      const double t = (at - a.X) / (b.X - a.X);
      return {at, a.Y + t * (b.Y - a.Y)};
    }
    const double t = (at - a.Y) / (b.Y - a.Y);
    return {a.X + t * (b.X - a.X), at};
  }
};

// The polygon in[0..n) cut to one half-plane, into out; returns the count.
int ClipToHalfPlane(const HalfPlane& side, const ClipPoint* in, int n, std::vector<ClipPoint>& out) {
  // Each edge gives at most two points.
  if (out.size() < static_cast<size_t>(2 * n)) out.resize(static_cast<size_t>(2 * n));
  int m = 0;
  for (int i = 0; i < n; ++i) {
    const ClipPoint& a = in[i == 0 ? n - 1 : i - 1];
    const ClipPoint& b = in[i];
    const bool aIn = side.Keeps(a), bIn = side.Keeps(b);
    if (aIn != bIn) out[static_cast<size_t>(m++)] = side.Crossing(a, b);
    if (bIn) out[static_cast<size_t>(m++)] = b;
  }
  return m;
}

}  // namespace

int ClipPolygonToBox(const ClipBox& box, const ClipPoint* Points, int Count, std::vector<ClipPoint>& Out,
                     std::vector<ClipPoint>& Scratch) {
  if (Count < 1) return 0;
  for (int i = 0; i < Count; ++i)
    if (!std::isfinite(Points[i].X) || !std::isfinite(Points[i].Y)) return 0;
  const HalfPlane sides[4] = {
      {true, false, box.MinX}, {true, true, box.MaxX}, {false, false, box.MinY}, {false, true, box.MaxY}};
  // Out and Scratch take turns: the last side writes into Out.
  int n = ClipToHalfPlane(sides[0], Points, Count, Scratch);
  n = ClipToHalfPlane(sides[1], Scratch.data(), n, Out);
  n = ClipToHalfPlane(sides[2], Out.data(), n, Scratch);
  return ClipToHalfPlane(sides[3], Scratch.data(), n, Out);
}

}  // namespace lintavo
