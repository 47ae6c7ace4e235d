// ShapeCache: what a surface remembers of the curved shapes it draws, so
// that drawing the same shape again costs neither sines nor line set-ups.
//
// A redraw sends many circles and arcs of few sizes. Two things repeat:
//   - the terms rx cos t and ry sin t of the points of an arc, which depend
//     only on its radii and angles, not on its centre; the surface adds the
//     centre and rounds each point exactly as it would with fresh terms;
//   - the pixels of a one-pixel solid stroke through a list of points, which
//     depend only on the points' positions relative to the first one (a
//     line's pixels depend only on its end points' difference); a stroke
//     is kept from the second time it is asked for.
// Both are kept in a few slots chosen by a hash of the shape and found again
// only by an exact comparison, so a remembered shape gives the same pixels as
// a fresh one. Lookups and hits allocate nothing.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/PixelRaster.h"

namespace lintavo {

// The point terms of one arc.
struct ArcTerms {
  double rx = -1, ry = -1;        // radii in pixels (the key; -1 before first use)
  double start = 0, sweep = 0;    // radians as asked (the key; a zero sweep is the whole ellipse)
  int steps = 0;                  // divisions of the sweep
  bool whole = false;             // a whole ellipse: its last point is left to the closing stroke
  std::vector<double> cosTerms;   // rx cos t of points 0..last, pixels
  std::vector<double> sinTerms;   // ry sin t of points 0..last, pixels
};

// The pixels of one stroke.
struct StrokePixels {
  bool closed = false;                  // the last point joins the first (the key)
  std::vector<RasterOffset> points;     // points relative to the first one (the key)
  std::vector<RasterOffset> pixels;     // pixels relative to the first point, in drawing order
  std::uint64_t seen = 0;               // hash of the last stroke asked for here and not kept
};

class ShapeCache {
 public:
  // The terms of the arc about the origin with radii rx, ry from start
  // through sweep (radians, counterclockwise on the screen; 0 is the whole
  // ellipse), about two pixels between points.
  const ArcTerms& Arc(double rx, double ry, double start, double sweep);

  // The pixels of the stroke through the points (each segment without its
  // end pixel; closed joins the last point to the first), relative to the
  // first point; nullptr for shapes not kept: fewer than MinStrokePoints or
  // more than MaxStrokePoints points, or more than MaxStrokePixels pixels,
  // and a stroke asked for the first time since its slot last held it.
  const StrokePixels* Stroke(const DevicePoint* points, int count, bool closed);

  static constexpr int MinStrokePoints = 8;     // lines and boxes are drawn directly
  static constexpr int MaxStrokePoints = 256;   // larger shapes (radius above 80 pixels) rarely repeat
  // A kept stroke lists every pixel, also those outside the surface: a
  // large shape (a curve zoomed far in) is drawn by the clipping lines
  // instead, so that the slots never hold more than a few megabytes.
  static constexpr long MaxStrokePixels = 4096;
  static bool Keeps(int count) { return count >= MinStrokePoints && count <= MaxStrokePoints; }
  // The number of pixels the stroke sets, counted without overflow.
  static long StrokePixelCount(const DevicePoint* points, int count, bool closed);
  static constexpr int MaxKeptArcSteps = 256;   // larger arcs use one scratch entry

 private:
  static constexpr int Slots = 256;  // entries of each kind: at most a few megabytes with the bounds above

  std::array<ArcTerms, Slots> arcs_;
  ArcTerms scratchArc_;  // arcs of more than MaxKeptArcSteps steps
  std::array<StrokePixels, Slots> strokes_;
};

}  // namespace lintavo
