// Boundaries: the boundary of a named area and its span table.
//
// An area is bounded by one hidden Polygon entity (type 11) whose OwnerID
// and ObjectID are the area item. Three collectors build that polygon from
// the user's input: connected lines and arcs picked on screen, clicked
// points, or a window. BuildBoundarySpans turns an area's polygon into a
// scan-line table in pixels of the current view: for every pixel row of
// the boundary's box, up to ten crossings in ascending order, read as five
// inside intervals. The hatch generator clips every pixel by that table and
// Select Area tests every candidate entity against it. The table always
// holds the edge from the last point back to the first, so every boundary
// reads as the same closed figure however it was made.
//
// Each row keeps its own crossing count, so a crossing at pixel x 0 counts
// (the count, not a 0 slot, ends the row). The box and the rows are 32-bit;
// a box that does not fit 16 bits is clipped to the view's pixels, and rows
// outside the box are skipped.
//
// Sections:
//   Boundary state
//   Collectors
//   Span table
//   Inside tests
//   Outline plot
#pragma once

#include <array>
#include <vector>

#include "platform/Types.h"

namespace lintavo {

// ---- Boundary state --------------------------------------------------------------------
constexpr Integer MaxRowCrossings = 10;  // crossings a row keeps; an eleventh displaces the tenth

// One pixel row of the span table.
struct SpanRow {
  Integer Count = 0;                               // crossings held, 0..MaxRowCrossings
  std::array<Long, MaxRowCrossings + 1> Slot{};  // pixel x of crossings in slots 1..Count, ascending
};

// The boundary's pixel box in the current view; y grows upward (device row ViewPixMaxY - y).
struct BoundaryBoxRec {
  Long Left = 0, Bottom = 0, Right = 0, Top = 0;  // Top is the upper extent's row + 1
};

extern std::vector<SpanRow> BoundarySpans;  // rows 0..BoundaryRows; row r is pixel y Bottom + r
extern BoundaryBoxRec BoundaryBox;          // written by BuildBoundarySpans and BuildAreaPolygon
extern Long BoundaryRows;                   // Top - Bottom
// World extents used by the last BuildBoundarySpans (after offset and placement).
extern Double BoundaryExtXmin, BoundaryExtYmin, BoundaryExtXmax, BoundaryExtYmax;
extern Long BoundaryLayerNo;  // layer item of new boundaries; set by the area command

// ---- Collectors ------------------------------------------------------------------------
// Step routines of area creation, one call per input while ToolStep counts
// the clicks (0 on the first call). Each sets AreaStep to AreaStepClosed once
// the boundary polygon is complete. The polygon is stamped with AreaName,
// AreaItem, BoundaryColor and BoundaryLayerNo and is never shown. The points
// collector names its polygon to the polygon box preview (RubberPolygonEntity),
// which runs through the points stored, until the collection ends.
constexpr Integer AreaStepClosed = 4;  // the boundary is complete
void CollectBoundaryLines(Integer& AreaStep);
void CollectBoundaryPoints(Integer& AreaStep);
void CollectBoundaryWindow(Integer& AreaStep);
// Whether the boundary polygon being built can no longer take the next
// point: it was taken back (Undo erased it) or something was appended after
// it. False while none is being built.
bool BoundaryTakenBack();
// Whether point PntNo equals point LastNo exactly; false when LastNo < 1.
bool IsDuplicateBoundaryPoint(Long PntNo, Long LastNo);
// A collection under way puts the construction marks back as they were.
void EndBoundaryCollection();

// ---- Span table ------------------------------------------------------------------------
// An area's boundary polygon is AreaBoundary (DataHand.h).
// Fills the extents, box, rows and table for area Item (with Placed, its
// points go through PlacePoint). False when Item is no area, lies wholly
// outside the view window, has negative Nlines or no boundary polygon.
bool BuildBoundarySpans(Long Item, bool Placed);
// Stores crossing X in row Row of the table, keeping the row ascending.
void StoreCrossing(Long Row, Long X);
// Stores one edge between view pixels (Px0, Py0) and (Px1, Py1), y upward,
// in the table as BuildBoundarySpans stores each polygon edge: the lower
// end's row is included, the upper end's row is not.
void StoreBoundaryEdge(Single Px0, Single Py0, Single Px1, Single Py1);

// ---- Inside tests ----------------------------------------------------------------------
bool IsPointInBoundaryBox(Double X, Double Y);     // inside BoundaryExt*, inclusive
bool IsPointInBoundarySpans(Double X, Double Y);   // pixel test against the table
bool IsPixelInSpans(Long Row, Long X);             // row of the table, pixel x
// Whether (X, Y) lies inside the polygon of the boundary last built, closed
// back to its first point, or on it within half a view pixel (|dx| + |dy|
// to the nearest point of an edge, as picking measures): the world
// test beside the pixel one, which leaves out the table's top row and a
// point on the right end of a row's last crossing.
bool IsPointOnOrInBoundaryPolygon(Double X, Double Y);
// After BuildBoundarySpans: each point tested (a circle's box aside) must
// lie in the box and, by the table or the polygon, inside the boundary or on
// it, so a wall an area was made from is inside on every side.
bool IsObjectInsideBoundary(Long ObjNo);

// ---- Outline plot ----------------------------------------------------------------------
void PlotPixel(Long X, Long Y, Long Colour);  // view pixel, y upward
void PlotBoundarySpans();                    // the crossings of rows 1.. in BoundaryColor

void ResetBoundaries();  // the module's globals to their start values

}  // namespace lintavo
