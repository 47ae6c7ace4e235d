// ViewCache: the view of the surface being drawn on, as every drawing,
// picking and snapping routine reads it.
//
// The master copy of a view is the public state of its drawing window
// (DrawingWindow.h); LoadViewCache copies the active window's view into these
// variables, and printing and dialog previews load their own surface's values
// while they borrow the drawing target (TargetBorrow.h). Routines read the
// cache, never the window's own variables, so they work on any surface.
#pragma once

#include "platform/BoxClip.h"
#include "platform/Types.h"

namespace lintavo {

// ---- View cache ------------------------------------------------------------------------
extern Long ViewPixMinX, ViewPixMinY;  // pixel bounds: scale left and top (0, 0)
extern Long ViewPixMaxX, ViewPixMaxY;  //   and scale width and height
extern Single ViewBaseX, ViewBaseY;    // view pixel of the world origin
extern Double ViewWinMinX, ViewWinMinY, ViewWinMaxX, ViewWinMaxY;  // world window, world units
extern Single ViewScaleX, ViewScaleY;  // pixels per world unit
extern Single ViewZoom;                // zoom factor of the window (1 = true size)
extern Single PickTolerance;           // pick and snap reach in world units: SnapTolerance / ViewZoom

// ---- World points to view pixels -------------------------------------------------------
// The view pixel of a world point, x = X ViewScaleX + ViewBaseX and
// y = Y ViewScaleY + ViewBaseY (y upward), worked in Double and clamped to
// +/- PixelLimit before any arithmetic is done on it: a point billions of
// pixels beyond the view (a line extended to a nearly parallel boundary)
// would overflow the whole-number sums done on pixels once they are rounded:
// the grip frame and its grips, rubber bands, rectangles, the rasteriser.
// The bound lies hundreds of views beyond any view, so nothing on or near
// the screen moves; it leaves the int32 sums ample room, and within it a
// Single holds every half pixel, so pixels kept in Singles still move by
// whole pixels. A NaN stays NaN (RoundToLong makes it 0).
//
// A point clamped alone is right for a mark or a grip, but not for the end
// of a straight piece: clamping x and y each on its own bends a segment
// whose end lies past the bound in both (the end (4e7, 2e7) held at
// (4194304, 4194304) turns a slope of 0.5 into 45 degrees). Lines,
// polylines and polygons take their ends unclamped (UnclampedPixelX,
// UnclampedPixelY) and are cut to the guard box below instead, before
// their ends become whole pixels.
constexpr Double PixelLimit = 4194304;  // 2^22 pixels either way of the view's origin
inline Double ClampPixel(Double Pixel) {
  return Pixel < -PixelLimit ? -PixelLimit : (Pixel > PixelLimit ? PixelLimit : Pixel);
}
inline Double UnclampedPixelX(Double X) { return X * ViewScaleX + ViewBaseX; }
inline Double UnclampedPixelY(Double Y) { return Y * ViewScaleY + ViewBaseY; }
inline Double ViewPixelX(Double X) { return ClampPixel(UnclampedPixelX(X)); }
inline Double ViewPixelY(Double Y) { return ClampPixel(UnclampedPixelY(Y)); }

// ---- The guard box ------------------------------------------------------------------------
// The view pixels within PixelLimit of the view's origin both ways: the box
// every straight piece of the drawing is cut to (BoxClip.h) before its ends
// are rounded. Within it clamping changes nothing, so a shape wholly inside
// is drawn from exactly the pixels it always was; a piece reaching beyond
// is cut where it leaves the box and keeps its course across the view. A
// piece wholly outside draws nothing. The cut is a pure function of the
// ends, so a preview drawn twice with the XOR pen leaves no trace.
constexpr ClipBox PixelGuard{-PixelLimit, -PixelLimit, PixelLimit, PixelLimit};
inline bool InPixelGuard(Double x, Double y) { return PixelGuard.Holds(x, y); }  // a NaN never is
// Cuts the segment between view pixels (x1, y1) and (x2, y2) to the guard
// box; false when no part of it lies there (or a coordinate is not finite).
// Both ends in the box, the common case of a redraw, are taken at once.
inline bool ClipToPixelGuard(Double& x1, Double& y1, Double& x2, Double& y2) {
  if (InPixelGuard(x1, y1) && InPixelGuard(x2, y2)) return true;
  return ClipSegmentToBox(PixelGuard, x1, y1, x2, y2);
}

// ---- Saving and loading ------------------------------------------------------------------
// The view of one surface as the cache holds it: the pixel bounds, origin,
// world window, scale and zoom above (not PickTolerance, which belongs to
// the window's drawing rather than to the surface).
struct ViewCacheState {
  Long PixMinX = 0, PixMinY = 0, PixMaxX = 0, PixMaxY = 0;  // ViewPixMinX..ViewPixMaxY
  Single BaseX = 0, BaseY = 0;                              // ViewBaseX, ViewBaseY
  Double WinMinX = 0, WinMinY = 0, WinMaxX = 0, WinMaxY = 0;  // ViewWinMinX..ViewWinMaxY
  Single ScaleX = 1, ScaleY = 1;                            // ViewScaleX, ViewScaleY
  Single Zoom = 1;                                          // ViewZoom

  bool operator==(const ViewCacheState&) const = default;
};
ViewCacheState SaveViewCache();                    // the cache as it stands
void RestoreViewCache(const ViewCacheState& State);  // the cache := State
void LoadViewCache();  // the view of ActiveDoc into the cache; nothing unless it is a drawing window

void ResetViewCache();  // the variables above to their start values

}  // namespace lintavo
