// SurfaceDraw: every pixel the program puts on a drawing surface passes
// through this layer, always on ActiveDoc (a drawing window, the printer or
// a preview picture); the layer keeps no surface of its own.
//
// Three levels:
//   - surface primitives in view pixels with Y up (x from the left, y upward
//     from the bottom of the area), each turning y into a device row by
//     ViewPixMaxY - y rounded to the nearest pixel (ties to even), and the
//     setters of the surface's pen state;
//   - world wrappers: the same shapes in world units, through the view cache
//     (x = X * ViewScaleX + ViewBaseX, y = Y * ViewScaleY + ViewBaseY,
//     clamped by ViewPixelX and ViewPixelY of the cache where a point is
//     drawn alone; lines, polylines and polygons are cut to the cache's
//     guard box instead, so that they keep their course however far their
//     points lie);
//   - object support: the point marks, the extents pass, the loading of an
//     entity's points into ScrPts under the placement transform of compound
//     entities, and the placement of the text sample.
// Angles handed to the surface are radians counterclockwise from +X: the
// turn-over keeps world "up" as screen "up", so world angles pass unchanged.
//
// Sections:
//   Buffers
//   Drawing switches
//   Pen of the entity being drawn
//   Placement transform
//   Setters
//   Surface primitives
//   World wrappers
//   Polylines and polygons cut to the guard box
//   Object support
//   Reset
#pragma once

#include <vector>

#include "model/DataHand.h"
#include "model/ViewCache.h"
#include "platform/BoxClip.h"
#include "platform/Gdi.h"
#include "platform/Types.h"
#include "view/DisplayOptions.h"

namespace lintavo {

// ---- Buffers ------------------------------------------------------------------------
// ScrPts (the world points of the entity being drawn) lives in the model;
// GdiPts shares its bound ScrPtsMax. Neither is ever shrunk.
extern std::vector<GdiPoint> GdiPts;  // device pixels handed to Polyline, Polygon, PolyBezier; 1-based
// View pixels (y upward, worked in Double and not clamped) of the polyline
// or polygon being drawn, for ViewPolyline and ViewPolygon; 1-based, the
// bound of GdiPts.
extern std::vector<ClipPoint> ViewPts;

// Re-makes ScrPts, GdiPts and ViewPts with entries 1..Bound, dropping their contents.
void ResizeScrPts(Integer Bound);
constexpr Integer MaxScrPts = 32767;  // the largest bound: the most points an entity holds

// A redraw walks Objs and the entities' points in Pnts in order; asking for
// the records some way ahead hides the wait for memory at a million
// entities. An index beyond the table asks for nothing.
constexpr Long PrefetchObjs = 16;    // entities ahead of the one drawn
constexpr Long PrefetchPoints = 64;  // points ahead of the first point of the one drawn
template <class Record>
inline void PrefetchAhead(const std::vector<Record>& table, Long index) {
  if (index < 0 || index >= static_cast<Long>(table.size())) return;
  const char* record = reinterpret_cast<const char*>(table.data() + index);
  for (size_t line = 0; line < sizeof(Record); line += 64) __builtin_prefetch(record + line);
}

// ---- Drawing switches -----------------------------------------------------------------
extern Integer DrawEnabled;  // flag: drawers put pixels on the surface (-1 except in an extents pass)
extern Integer ExtentsPass;  // flag: the points of drawn entities widen the extents instead (0 at start)

// ---- Pen of the entity being drawn ------------------------------------------------------
// Set by the object dispatcher before it calls a drawer; overwritten for every entity.
extern Long PenColor;           // RGB: its own, the selection colour, or DwgBackColor when erasing; also the fill of bands and polygons
extern Integer PenStyle;        // line type 0..6 applied as DrawStyle; also the fill pattern of bands and polygons
extern Single PenWidthFactor;   // width in world units; a straight line with a width is drawn as a filled band
extern Integer PenWeight;       // line weight, pixels when 2 or more
extern Long PenLayer;           // Items index of its layer; the extents pass widens that item too (0 none)
extern Integer PenPntCount;     // its point count

// ---- Placement transform -----------------------------------------------------------------
// While PlacementOn, points of the entities drawn are slanted, scaled,
// rotated and moved: X' = m00 X + m01 Y + PlaceX, Y' = m10 X + m11 Y + PlaceY.
struct PlaceMatrixRec {
  Single m00 = 1;  // PlaceScaleX cos
  Single m01 = 0;  // -PlaceScaleY sin
  Single m10 = 0;  // PlaceScaleX sin
  Single m11 = 1;  // PlaceScaleY cos
};
extern Integer PlacementOn;          // flag: points are transformed
extern Double PlaceX, PlaceY;        // translation added last, world units
extern Single PlaceScaleX, PlaceScaleY;  // scales, 1 neutral
extern Single PlaceAngle;            // rotation, degrees counterclockwise
extern Single PlaceCos, PlaceSin;    // of PlaceAngle
extern PlaceMatrixRec PlaceMatrix;   // from the scales and the rotation
extern Single PlaceSlant;            // slant, degrees; 0 none
extern Single SlantCos, SlantSin;    // of PlaceSlant
extern Double SlantRefY;             // PlaceY when the slant was set; points with that raw Y are not slanted

// ---- Setters --------------------------------------------------------------------------------
// Each writes one property of ActiveDoc; a value out of range is ignored.
void SetForeColor(Long Color);
void SetBackColor(Long Color);
void SetDrawMode(Integer Mode);         // 1..16
void SetDrawWidth(Integer Width);       // fixed weights: below 10
// An entity's pen weight in pixels of the screen (below 10): as many of the
// surface's pixels as make that many screen pixels, so it keeps its weight on paper.
void SetDrawWeight(Integer Weight);
void SetDrawWidthScaled(Integer Width);  // widths from the zoom: below 200; 0 gives 1
void SetDrawStyle(Integer Style);       // 0..6

// ---- Surface primitives (view pixels, Y up) ----------------------------------------------
void DrawPSet(Single x, Single y);  // one pixel in ForeColor through the draw mode
// Line from (x1, y1) to (x2, y2) without its end pixel: the common line
// primitive. It is cut to the guard box of the view cache first (nothing
// when no part lies there), then its ends are taken in single precision.
void GdiLine(Double x1, Double y1, Double x2, Double y2);
void SurfaceLine(Single x1, Single y1, Single x2, Single y2);  // outline of the box with these corners
// The box with these corners, both included, filled in Color through the draw mode.
void SurfaceBoxFilled(Single x1, Single y1, Single x2, Single y2, Long Color);
void GdiCircle(Single x, Single y, Single r);  // whole circle starting at its rightmost point
// Arc counterclockwise from Start to End (radians).
void SurfaceArc(Single x, Single y, Single r, Double Start, Double End);
// Axis-parallel ellipse; r is the X radius when Aspect (Y over X) is below 1, else the Y radius.
void SurfaceEllipse(Single x, Single y, Single r, Double Aspect);
void SurfaceEllipticArc(Single x, Single y, Single r, Double Start, Double End, Double Aspect);
// GdiPts(1..Count) as connected lines; the fill goes transparent in DwgBackColor first.
void GdiPolyline(Integer Count);
// GdiPts(1..Count) as a closed polygon filled with the style and colour;
// the fill goes back to transparent in DwgBackColor afterwards.
void GdiPolygon(Integer FillStyle, Long FillColor, Integer Count);
// Points[0..Count) as GdiPolygon draws GdiPts(1..Count): for a caller that
// keeps its device points where no drawer writes them.
void GdiPolygonOf(const GdiPoint* Points, Long Count, Integer FillStyle, Long FillColor);
// One cubic segment P1..P4 (world units), skipped when both end points lie
// beyond the same side of the view window; the control points are not tested.
void GdiPolyBezier(Double X1, Double Y1, Double X2, Double Y2, Double X3, Double Y3, Double X4,
                   Double Y4);
void DrawTextAt(Single x, Single y, const String& Text);  // text with its top left at (x, y)
void ClearSurface();  // the whole surface in its BackColor

// ---- World wrappers (world units) ------------------------------------------------------------
void WorldPoint(Double X, Double Y);
void WorldLine(Double X1, Double Y1, Double X2, Double Y2);
void WorldCircle(Double X, Double Y, Double R);
void WorldCircleArc(Double X, Double Y, Double R, Double Start, Double End);
// Whether WorldCircleArc of a circle about (X, Y) with radius R sets no
// pixel whatever its angles: it stays within the surface's safe area and
// the surface rounds its radius to nothing.
bool WorldCircleArcShowsNothing(Double X, Double Y, Double R);
void WorldCircleEllipse(Double X, Double Y, Double RX, Double RY);
void WorldCircleEllipticArc(Double X, Double Y, Double RX, Double RY, Double Start, Double End);

// The device pixel of a world point: its view pixel clamped (ViewPixelX,
// ViewPixelY) and rounded, row ViewPixMaxY - y.
GdiPoint WorldToGdi(Double X, Double Y);
// Whether two world points lie beyond the same side of the view window (both
// left of it, both below, both right or both above): such a shape is not drawn.
bool BeyondViewSide(Double X1, Double Y1, Double X2, Double Y2);
// Whether all four corners of a quadrilateral lie beyond the same side of
// the view window. A turned box can reach into the window with both
// corners of either diagonal beyond one side, so all four are judged.
bool QuadBeyondViewSide(Double X1, Double Y1, Double X2, Double Y2, Double X3, Double Y3, Double X4,
                        Double Y4);

// ---- Polylines and polygons cut to the guard box ------------------------------------------
// The shape in ViewPts(1..Count) is cut to the guard box of the view cache
// before its points become device pixels (x rounded, row ViewPixMaxY - y
// rounded, as WorldToGdi): every side keeps its course across the view
// however far its points lie. A shape wholly inside the box is drawn from
// exactly the device pixels WorldToGdi gives, through GdiPts(1..Count).
void LoadViewPts(int Count);  // ViewPts(1..Count) := the view pixels of ScrPts(1..Count)
// Connected lines, as Polyline, each run of sides inside the box one
// stroke; the fill goes transparent in DwgBackColor first, as GdiPolyline.
void ViewPolyline(int Count);
// A closed polygon filled with the style and colour, as GdiPolygon; cut
// whole (its inside within the box kept, its outline along the box's sides
// where it reached beyond), nothing when no part lies in the box.
void ViewPolygon(Integer FillStyle, Long FillColor, int Count);

// ---- Object support ------------------------------------------------------------------------
// Point marks at a world point: nothing unless DrawEnabled, nothing outside
// the view window (its bounds count as inside).
void DrawConPntMark(Double X, Double Y);  // diagonal cross in ConPntColor; pen put back after
void DrawRefPntMark(Double X, Double Y);  // star in RefPntColor; pen put back after
void DrawStdPntMark(Double X, Double Y);  // upright cross in ForeColor; leaves width 1 and style 1

// Widens the current drawing's extents and those of the layer PenLayer.
void ExtendExtents(Double X, Double Y);
// ScrPts(1..n) := the points of entity ObjNo (only the insertion point of a
// compound), placed when PlacementOn; in an extents pass they widen the
// extents, otherwise they get construction marks while ShowConPnts is set.
void LoadObjScrPts(Long ObjNo);
// The point through the placement transform when PlacementOn, written back
// and into ScrPts(1).
void PlacePoint(Double& X, Double& Y);
void SetGlyphTransform();  // PlaceCos, PlaceSin and PlaceMatrix from PlaceAngle and the scales
// The placement of the text-options dialog's sample; the dialog sets
// PlacementOn and draws the strokes itself.
void DrawTextSample(Single Angle, Double X, Double Y, Single ScaleX, Single ScaleY, Single Slant);

// ---- Reset ------------------------------------------------------------------------------------
void ResetSurfaceDraw();  // the module's globals to their start values; GdiPts to the bound of ScrPts

}  // namespace lintavo
