// Gdi: line-level drawing calls on a surface.
#include "platform/Gdi.h"

#include <algorithm>
#include <cmath>

#include "platform/Numbers.h"

namespace lintavo {

namespace {

void LoadShape(HDC dc, const GdiPoint* points, int count) {
  std::vector<DevicePoint>& shape = dc->ShapeBuffer();
  shape.clear();
  for (int i = 0; i < count; ++i) shape.push_back(DevicePoint{points[i].X, points[i].Y});
}

void StrokeShape(HDC dc, bool closed) {
  std::vector<DevicePoint>& shape = dc->ShapeBuffer();
  dc->StrokeDevice(shape.data(), static_cast<int>(shape.size()), closed);
}

}  // namespace

void MoveToEx(HDC dc, int x, int y, GdiPoint* previous) {
  if (previous) *previous = GdiPoint{dc->GdiPosition.x, dc->GdiPosition.y};
  dc->GdiPosition = DevicePoint{x, y};
}

void LineTo(HDC dc, int x, int y) {
  // The position is read field by field: MoveToEx has just written it so,
  // and reading both at once would wait for those writes to reach memory.
  const int x0 = dc->GdiPosition.x, y0 = dc->GdiPosition.y;
  dc->LineDevice(x0, y0, x, y);
  dc->GdiPosition = DevicePoint{x, y};
}

void AngleArc(HDC dc, int x, int y, unsigned radius, float startDegrees, float sweepDegrees) {
  std::vector<DevicePoint>& shape = dc->ShapeBuffer();
  shape.clear();
  shape.push_back(dc->GdiPosition);
  double start = startDegrees * DegToRadExact;
  double sweep = sweepDegrees * DegToRadExact;
  double r = radius;
  const bool clipped = dc->CurveLeavesSafeArea(x, y, r, r);
  // Every point of a walk of no radius, and its end, round to the centre
  // (a dot at the size of a whole view): no sine is needed to know so.
  const bool dot = radius == 0 && std::isfinite(start) && std::isfinite(sweep);
  if (clipped) {
    // A circle reaching far beyond the surface: only its part near the surface is walked.
    dc->LineDeviceClipped(shape[0].x, shape[0].y, x + r * std::cos(start), y - r * std::sin(start));
    if (sweep != 0) dc->StrokeClippedArc(x, y, r, r, start, sweep);
  } else if (sweep == 0) {
    shape.push_back(DevicePoint{RoundToLong((x + r * std::cos(start))),
                                RoundToLong((y - r * std::sin(start)))});
  } else if (dot) {
    if (shape.back().x != x || shape.back().y != y) shape.push_back(DevicePoint{x, y});
  } else {
    dc->AppendArcPoints(x, y, r, r, start, sweep);  // a negative sweep runs clockwise
  }
  if (!clipped) StrokeShape(dc, false);
  double end = start + sweep;
  dc->GdiPosition = dot ? DevicePoint{x, y}
                        : DevicePoint{RoundToLong((x + r * std::cos(end))), RoundToLong((y - r * std::sin(end)))};
}

void Polyline(HDC dc, const GdiPoint* points, int count) {
  LoadShape(dc, points, count);
  StrokeShape(dc, false);
}

void Polygon(HDC dc, const GdiPoint* points, int count) {
  LoadShape(dc, points, count);
  std::vector<DevicePoint>& shape = dc->ShapeBuffer();
  dc->FillDevice(shape.data(), count, dc->FillColor, dc->FillStyle);
  StrokeShape(dc, true);
}

void PolyBezier(HDC dc, const GdiPoint* points, int count) {
  if (count < 4 || (count - 1) % 3 != 0) return;  // not a whole number of segments
  std::vector<DevicePoint>& shape = dc->ShapeBuffer();
  shape.clear();
  shape.push_back(DevicePoint{points[0].X, points[0].Y});
  for (int i = 0; i + 3 < count; i += 3) {
    auto at = [&](int k) { return DevicePoint{points[i + k].X, points[i + k].Y}; };
    dc->AppendBezierPoints(at(0), at(1), at(2), at(3));
  }
  StrokeShape(dc, false);
}

void Rectangle(HDC dc, int left, int top, int right, int bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  if (right - left < 1 || bottom - top < 1) return;
  DevicePoint inside[4] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
  bool outlined = dc->DrawStyle != vbInvisible;
  if (outlined) {
    // The brush fills within the outline, which takes the outer ring.
    inside[0] = {left + 1, top + 1};
    inside[1] = {right - 1, top + 1};
    inside[2] = {right - 1, bottom - 1};
    inside[3] = {left + 1, bottom - 1};
  }
  dc->FillDevice(inside, 4, dc->FillColor, dc->FillStyle);
  if (!outlined) return;
  DevicePoint outline[4] = {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}};
  if (right - left == 1 || bottom - top == 1) {
    outline[1] = {right, top};  // a one-pixel band: its row or column
    dc->StrokeDevice(outline, right - left == 1 ? 1 : 2, false);
    return;
  }
  dc->StrokeDevice(outline, 4, true);
}

void SetPixelV(HDC dc, int x, int y, Long color) { dc->PixelDevice(x, y, color, false); }

}  // namespace lintavo
