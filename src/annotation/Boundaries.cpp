// Boundaries: the boundary collectors, the span table and its inside tests.
#include "annotation/Boundaries.h"

#include <algorithm>
#include <cmath>

#include "annotation/Areas.h"
#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/ItemMembers.h"
#include "model/MessageBar.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "picking/Identify.h"
#include "picking/Selection.h"
#include "platform/Numbers.h"
#include "view/DrawDispatch.h"
#include "view/Rubber.h"
#include "view/SurfaceDraw.h"

namespace lintavo {

std::vector<SpanRow> BoundarySpans;
BoundaryBoxRec BoundaryBox;
Long BoundaryRows = 0;
Double BoundaryExtXmin = 0, BoundaryExtYmin = 0, BoundaryExtXmax = 0, BoundaryExtYmax = 0;
Long BoundaryLayerNo = 0;

namespace {

// ---- Collector state --------------------------------------------------------------------
bool BoundaryClosed = false;   // the polygon is complete
bool Collecting = false;       // a collector changed ShowConPnts
Integer BoundarySavedConPnts = 0;      // ShowConPnts when the collection started
Long FirstBoundaryObj = 0;     // first line picked; picked again it closes the chain
Long PrevBoundaryObj = 0;      // line picked last
Long BoundaryPolyObj = 0;      // the polygon being built
Long LastBoundaryPnt = 0;      // Pnts index of the last point appended; 0 before the first
Long LinesPicked = 0;          // lines accepted so far (the selection counters stay untouched)
Double BoundaryFirstX = 0, BoundaryFirstY = 0;  // first clicked point
Double WindowX1 = 0, WindowY1 = 0;              // first window corner

constexpr Long PickedLineColor = 0xFFFF;  // yellow: a line accepted into the chain
constexpr Integer ErrorPanel = 3;

// Stamps entity ObjNo as the boundary of the current area.
void StampBoundary(Long ObjNo) {
  ObjRec& obj = Objs[ObjNo];
  obj.Name = AreaName;
  obj.Ltype = 1;
  obj.Show = FlagFalse;
  obj.Color = BoundaryColor;
  obj.OwnerID = obj.ObjectID = AreaItem;
  obj.LayerID = BoundaryLayerNo;
  EntityLinksChanged(ObjNo);
}

// A new boundary polygon holding NPoints points still to be appended.
Long AppendBoundaryPolygon(Integer NPoints) {
  AddObj(EntityPolygon, NPoints);
  StampBoundary(ObjCount);
  return ObjCount;
}

void StartCollection(Integer ConPnts) {
  BoundarySavedConPnts = ShowConPnts;
  ShowConPnts = ConPnts;
  Collecting = true;
  BoundaryClosed = false;
  BoundaryPolyObj = 0;
}

void CloseBoundary(Integer& AreaStep) {
  EndBoundaryCollection();
  AreaStep = AreaStepClosed;
}

// Appends point k of entity ObjNo to the polygon unless it repeats the last one.
void AppendLinePoint(Long ObjNo, Integer k, bool SkipDuplicate) {
  const PntRec& p = Pnts[Objs[ObjNo].PointID + k - 1];
  const Long index = Objs[ObjNo].PointID + k - 1;
  if (SkipDuplicate && IsDuplicateBoundaryPoint(index, LastBoundaryPnt)) return;
  AddPnt(p.X, p.Y);
  LastBoundaryPnt = PntCount;
  ++Objs[BoundaryPolyObj].NPoints;
}

// Whether an end of line or arc ObjNo lies exactly on point PntNo.
bool EndLiesOn(Long ObjNo, Long PntNo) {
  const ObjRec& obj = Objs[ObjNo];
  const bool isLine = obj.Rtype == EntityLine;
  return IsDuplicateBoundaryPoint(obj.PointID + (isLine ? 0 : 1), PntNo) ||
         IsDuplicateBoundaryPoint(obj.PointID + (isLine ? 1 : 3), PntNo);
}

// The first line went into the polygon in its stored order, before any
// other line said which way the chain runs. A second line joined to the
// first line's start (and not its end) turns it round, so the chain goes on
// from its far end and never back over it.
void TurnFirstLineToward(Long picked) {
  const ObjRec& polygon = Objs[BoundaryPolyObj];
  const Long start = polygon.PointID, last = start + polygon.NPoints - 1;
  if (last != LastBoundaryPnt || !EndLiesOn(picked, start) || EndLiesOn(picked, last)) return;
  for (Long lo = start, hi = last; lo < hi; ++lo, --hi) {
    std::swap(Pnts[lo].X, Pnts[hi].X);
    std::swap(Pnts[lo].Y, Pnts[hi].Y);
  }
}

void AcceptBoundaryLine(Long picked) {
  if (LinesPicked < 1) {
    FirstBoundaryObj = picked;
    BoundaryPolyObj = AppendBoundaryPolygon(0);
  } else if (!LinesShareEndPoint(PrevBoundaryObj, picked)) {
    ShowStatus("Line NOT Selected, MUST be Connected", ErrorPanel);
    return;
  }
  if (LinesPicked == 1) TurnFirstLineToward(picked);
  // The polygon is the newest entity, so its points are the newest points.
  // A line joined to the chain at its far end is walked backwards, so the
  // chain never doubles back over it.
  const bool isLine = Objs[picked].Rtype == EntityLine;
  const Integer endK = isLine ? 2 : 4;
  const bool reversed = IsDuplicateBoundaryPoint(Objs[picked].PointID + endK - 1, LastBoundaryPnt);
  if (isLine) {
    AppendLinePoint(picked, reversed ? 2 : 1, true);
    AppendLinePoint(picked, reversed ? 1 : 2, true);
  } else {  // an arc: its centre is left out
    AppendLinePoint(picked, reversed ? 4 : 2, true);
    AppendLinePoint(picked, 3, false);
    AppendLinePoint(picked, reversed ? 2 : 4, true);
  }
  ObjRec& line = Objs[picked];
  const Long colour = line.Color;
  line.Color = PickedLineColor;
  DrawObject(picked);
  line.Color = colour;
  ++LinesPicked;
  ShowStatus("Lines SELECTED: " + std::to_string(LinesPicked), ErrorPanel);
  PrevBoundaryObj = picked;
}

void TakeBoundaryLine() {
  Double x = 0, y = 0;
  TakePickPoint(x, y);
  Long picked = 0;
  Double dist = 0;
  FindObjAt(picked, x, y, dist);
  if (picked < 1 || ToSingle(dist) > PickTolerance) {
    ShowStatus("Line NOT FOUND !", ErrorPanel);
    return;
  }
  const Integer type = Objs[picked].Rtype;
  if (type == EntityPolygon && ToolStep == 1) {
    StampBoundary(picked);
    BoundaryPolyObj = picked;
    BoundaryClosed = true;
    return;
  }
  if (type != EntityLine && type != EntityArc) {
    ShowStatus("Line NOT Selected, MUST be Line or Arc!", ErrorPanel);
    return;
  }
  if (picked == PrevBoundaryObj) {
    ShowStatus("Line NOT ReSelected", ErrorPanel);
    return;
  }
  if (picked == FirstBoundaryObj) {
    BoundaryClosed = true;
    return;
  }
  AcceptBoundaryLine(picked);
}

}  // namespace

// ---- Collectors --------------------------------------------------------------------------

bool BoundaryTakenBack() {
  if (!Collecting || BoundaryPolyObj < 1) return false;
  if (BoundaryPolyObj != ObjCount) return true;
  const ObjRec& polygon = Objs[BoundaryPolyObj];
  return polygon.Erased || polygon.DwgNo != CurDwg || polygon.PointID + polygon.NPoints - 1 != PntCount;
}

bool IsDuplicateBoundaryPoint(Long PntNo, Long LastNo) {
  if (LastNo < 1) return false;
  return Pnts[PntNo].X == Pnts[LastNo].X && Pnts[PntNo].Y == Pnts[LastNo].Y;
}

void EndBoundaryCollection() {
  if (Collecting) ShowConPnts = BoundarySavedConPnts;
  Collecting = false;
  RubberPolygonOn = RubberWindowOn = FlagFalse;
  RubberPolygonEntity = 0;
}

void CollectBoundaryLines(Integer& AreaStep) {
  if (ToolStep == 0) {
    StartCollection(FlagTrue);
    LinesPicked = FirstBoundaryObj = PrevBoundaryObj = LastBoundaryPnt = BoundaryPolyObj = 0;
    ShowStatus("Select First BOUNDARY Line", PromptPanel);
    return;
  }
  TakeBoundaryLine();
  if (BoundaryClosed)
    CloseBoundary(AreaStep);
  else
    ShowStatus("Select Next BOUNDARY Line", PromptPanel);
}

void CollectBoundaryPoints(Integer& AreaStep) {
  if (ToolStep == 0) {
    StartCollection(FlagTrue);
    RubberPolygonOn = FlagTrue;
    ShowStatus("Enter First BOUNDARY Point> ", PromptPanel);
    return;
  }
  Double x = 0, y = 0;
  TakePickPoint(x, y);
  DrawRefPntMark(x, y);
  if (ToolStep == 1) {
    BoundaryFirstX = x;
    BoundaryFirstY = y;
    BoundaryPolyObj = AppendBoundaryPolygon(1);
    AddPnt(x, y);
    RubberPolygonEntity = BoundaryPolyObj;  // the preview runs through its points
    ShowStatus("Enter Next BOUNDARY Point> ", PromptPanel);
    return;
  }
  AddPnt(x, y);
  ++Objs[BoundaryPolyObj].NPoints;
  if (std::fabs(ToSingle(BoundaryFirstX - x)) <= PickTolerance &&
      std::fabs(ToSingle(BoundaryFirstY - y)) <= PickTolerance) {
    CloseBoundary(AreaStep);
    return;
  }
  ShowStatus("Enter Next BOUNDARY Point> ", PromptPanel);
}

void CollectBoundaryWindow(Integer& AreaStep) {
  if (ToolStep == 0) {
    ShowStatus("Place First Corner of Window ", PromptPanel);
    StartCollection(FlagFalse);
    RubberWindowOn = FlagTrue;
    return;
  }
  if (ToolStep == 1) {
    TakePickPoint(WindowX1, WindowY1);
    ShowStatus("Place Opposite Corner of Window ", PromptPanel);
    return;
  }
  Double x2 = WindowX1, y2 = WindowY1;
  TakePickPoint(x2, y2);
  if (x2 == WindowX1 || y2 == WindowY1) return;  // no width or height: wait for another corner
  EndBoundaryCollection();
  AppendBoundaryPolygon(5);
  AddPnt(WindowX1, WindowY1);
  AddPnt(x2, WindowY1);
  AddPnt(x2, y2);
  AddPnt(WindowX1, y2);
  AddPnt(WindowX1, WindowY1);
  AreaStep = AreaStepClosed;
}

// ---- Span table --------------------------------------------------------------------------

namespace {

// The polygon the last BuildBoundarySpans scanned, for the world test.
struct BuiltBoundaryRec {
  Long Poly = 0;              // Objs index of the boundary polygon; 0 none built
  Double Ox = 0, Oy = 0;      // origin offset added to its points, world units
  bool Placed = false;        // its points went through PlacePoint
};
BuiltBoundaryRec BuiltBoundary;

constexpr Long Int16Min = -32768, Int16Max = 32767;
constexpr long long Int32Max = 2147483647;

// Whole view pixels of a world point, clamped first (ViewCache.h): the row
// of a point is its pixel less the box's bottom.
Long PixelX(Double X) { return RoundToLong(ViewPixelX(X)); }
Long PixelY(Double Y) { return RoundToLong(ViewPixelY(Y)); }

bool FitsInt16(Long v) { return v >= Int16Min && v <= Int16Max; }

// Whether the world box lies wholly beyond one side of the view window.
bool OutsideView(Double x1, Double y1, Double x2, Double y2) {
  return (x1 < ViewWinMinX && x2 < ViewWinMinX) || (y1 < ViewWinMinY && y2 < ViewWinMinY) ||
         (x1 > ViewWinMaxX && x2 > ViewWinMaxX) || (y1 > ViewWinMaxY && y2 > ViewWinMaxY);
}

// The box of the extents in pixels; one that does not fit 16 bits is
// clipped to the view's pixels, so the table stays as small as the view.
void SetBoundaryBox() {
  BoundaryBox.Left = PixelX(BoundaryExtXmin);
  BoundaryBox.Bottom = PixelY(BoundaryExtYmin);
  BoundaryBox.Right = PixelX(BoundaryExtXmax);
  // The row above the top one; a top saturated at the largest Long stays there.
  BoundaryBox.Top = static_cast<Long>(std::min<long long>(PixelY(BoundaryExtYmax) + 1LL, Int32Max));
  if (!FitsInt16(BoundaryBox.Left) || !FitsInt16(BoundaryBox.Right) || !FitsInt16(BoundaryBox.Bottom) ||
      !FitsInt16(BoundaryBox.Top)) {
    BoundaryBox.Left = std::clamp<Long>(BoundaryBox.Left, -1, ViewPixMaxX + 1);
    BoundaryBox.Right = std::clamp<Long>(BoundaryBox.Right, -1, ViewPixMaxX + 1);
    BoundaryBox.Bottom = std::clamp<Long>(BoundaryBox.Bottom, -1, ViewPixMaxY + 1);
    BoundaryBox.Top = std::clamp<Long>(BoundaryBox.Top, -1, ViewPixMaxY + 1);
  }
  BoundaryRows = BoundaryBox.Top - BoundaryBox.Bottom;
  if (BoundaryRows < 0) BoundaryRows = 0;
}

// A crossing far beyond the view is held just outside it; the intervals of
// every visible pixel stay as they were.
Long ClampedCrossing(Double x) {
  const Long lo = std::min<Long>(BoundaryBox.Left, -1) - 1;
  const Long hi = std::max<Long>(BoundaryBox.Right, ViewPixMaxX + 1) + 1;
  if (x < lo) return lo;
  if (x > hi) return hi;
  return RoundToLong(x);
}

// One edge between pixel points (px0, py0) and (px1, py1): the lower end's
// row is included, the upper end's row is not.
void ScanEdge(Single px0, Single py0, Single px1, Single py1) {
  Single dy = std::fabs(py0 - py1);
  if (dy == 0) dy = 1;
  Single step = std::fabs(px0 - px1) / dy;
  const bool firstLower = py0 <= py1;
  Double x = firstLower ? px0 : px1;
  const Single otherX = firstLower ? px1 : px0;
  if (otherX < x) step = -step;
  // Rows are counted in floating point: an end far beyond the view (a
  // hatch zoomed into) lies billions of rows from the box, past any Long.
  Double row = RoundHalfEven(firstLower ? py0 : py1) - BoundaryBox.Bottom;
  Double rows = RoundHalfEven(dy);
  if (row < 0) {  // rows below the box are skipped without walking them
    const Double skip = std::min(-row, rows);
    x += static_cast<Double>(step) * skip;
    row += skip;
    rows -= skip;
  }
  for (Double r = 0; r < rows && row <= BoundaryRows; ++r, ++row) {
    StoreCrossing(static_cast<Long>(row), ClampedCrossing(x));
    x += step;
  }
}

}  // namespace

void StoreBoundaryEdge(Single Px0, Single Py0, Single Px1, Single Py1) { ScanEdge(Px0, Py0, Px1, Py1); }

void StoreCrossing(Long Row, Long X) {
  if (Row < 0 || Row > BoundaryRows) return;
  SpanRow& row = BoundarySpans[static_cast<size_t>(Row)];
  Integer k = row.Count < MaxRowCrossings ? static_cast<Integer>(row.Count + 1) : MaxRowCrossings;
  if (row.Count < MaxRowCrossings) ++row.Count;
  for (Long m = 1; m <= k; ++m) {
    if (row.Slot[m] > X || m == k) std::swap(row.Slot[m], X);
  }
}

bool BuildBoundarySpans(Long Item, bool Placed) {
  BuiltBoundary = {};
  if (Item < 1 || Item > ItemCount || Items[Item].Rtype != ItemArea) return false;
  const ItemRec& area = Items[Item];
  Double ox = 0, oy = 0;
  if (!Placed && AreaItem >= 1 && AreaItem <= ItemCount) {
    ox = Items[AreaItem].Xorigin;
    oy = Items[AreaItem].Yorigin;
  }
  BoundaryExtXmin = area.Xmin + ox;
  BoundaryExtYmin = area.Ymin + oy;
  BoundaryExtXmax = area.Xmax + ox;
  BoundaryExtYmax = area.Ymax + oy;
  if (Placed) {
    PlacePoint(BoundaryExtXmin, BoundaryExtYmin);
    PlacePoint(BoundaryExtXmax, BoundaryExtYmax);
  }
  if (OutsideView(BoundaryExtXmin, BoundaryExtYmin, BoundaryExtXmax, BoundaryExtYmax)) return false;
  SetBoundaryBox();
  // assign keeps the table's storage: a redraw of many hatches allocates once.
  BoundarySpans.assign(static_cast<size_t>(BoundaryRows) + 1, SpanRow{});
  if (area.Nlines < 0) return false;
  const Long poly = AreaBoundary(Item);
  if (poly == 0) return false;
  BuiltBoundary = {poly, ox, oy, Placed};
  const ObjRec& obj = Objs[poly];
  Single px0 = 0, py0 = 0, firstPx = 0, firstPy = 0;
  for (Long k = 0; k < obj.NPoints; ++k) {
    Double x = Pnts[obj.PointID + k].X + ox, y = Pnts[obj.PointID + k].Y + oy;
    if (Placed) PlacePoint(x, y);
    const Single px = static_cast<Single>(RoundHalfEven(static_cast<Double>(ViewScaleX) * x + ViewBaseX));
    const Single py = static_cast<Single>(RoundHalfEven(static_cast<Double>(ViewScaleY) * y + ViewBaseY));
    if (k > 0) ScanEdge(px0, py0, px, py);
    if (k == 0) firstPx = px, firstPy = py;
    px0 = px;
    py0 = py;
  }
  // The edge back to the first point closes the boundary however it was
  // made: a click within reach of the first point, or the first line picked
  // again after a chain that stopped short of it, leaves its last point off
  // the first. One ending on its first pixel needs no edge (a zero-length
  // edge would add a crossing of its own).
  if (obj.NPoints > 1 && (px0 != firstPx || py0 != firstPy)) ScanEdge(px0, py0, firstPx, firstPy);
  return true;
}

// ---- Inside tests -------------------------------------------------------------------------

bool IsPointInBoundaryBox(Double X, Double Y) {
  return X >= BoundaryExtXmin && X <= BoundaryExtXmax && Y >= BoundaryExtYmin && Y <= BoundaryExtYmax;
}

bool IsPixelInSpans(Long Row, Long X) {
  if (Row < 0 || Row > BoundaryRows) return false;
  const SpanRow& row = BoundarySpans[static_cast<size_t>(Row)];
  for (Long k = 1; k + 1 <= row.Count; k += 2) {
    if (row.Slot[k] <= X && X <= row.Slot[k + 1]) return true;
  }
  return false;
}

bool IsPointInBoundarySpans(Double X, Double Y) {
  if (BoundaryRows < 2) return false;
  return IsPixelInSpans(PixelY(Y) - BoundaryBox.Bottom, PixelX(X));
}

namespace {

// Vertex k (0-based) of the boundary last built, as the table scanned it.
WorldXY BuiltVertex(const ObjRec& poly, Long k) {
  Double x = Pnts[poly.PointID + k].X + BuiltBoundary.Ox, y = Pnts[poly.PointID + k].Y + BuiltBoundary.Oy;
  if (BuiltBoundary.Placed) PlacePoint(x, y);
  return {x, y};
}

// Half a view pixel in world units; 0 for a view without a finite scale.
Double HalfPixel() {
  const Double scale = std::min(std::fabs(static_cast<Double>(ViewScaleX)), std::fabs(static_cast<Double>(ViewScaleY)));
  return scale > 0 && std::isfinite(scale) ? 0.5 / scale : 0;
}

// Inside the boundary or on it: by the table within the box, else by the
// polygon; a point farther than half a pixel beyond the box is neither.
bool IsPointInsideBoundary(Double X, Double Y) {
  const Double reach = HalfPixel();
  if (X < BoundaryExtXmin - reach || X > BoundaryExtXmax + reach || Y < BoundaryExtYmin - reach ||
      Y > BoundaryExtYmax + reach)
    return false;
  if (IsPointInBoundaryBox(X, Y) && IsPointInBoundarySpans(X, Y)) return true;
  return IsPointOnOrInBoundaryPolygon(X, Y);
}

}  // namespace

bool IsPointOnOrInBoundaryPolygon(Double X, Double Y) {
  if (BuiltBoundary.Poly < 1 || BuiltBoundary.Poly > ObjCount) return false;
  const ObjRec& poly = Objs[BuiltBoundary.Poly];
  if (poly.NPoints < 1) return false;
  const Double reach = HalfPixel();
  // Even-odd crossings of the ray to the right; the last edge closes the
  // polygon back to its first point, as the table does.
  bool inside = false;
  WorldXY a = BuiltVertex(poly, poly.NPoints - 1);
  for (Long k = 0; k < poly.NPoints; ++k) {
    const WorldXY b = BuiltVertex(poly, k);
    if (DistancePointToSegment(a.X, a.Y, b.X, b.Y, X, Y) <= reach) return true;
    if ((a.Y > Y) != (b.Y > Y) && X < (b.X - a.X) * (Y - a.Y) / (b.Y - a.Y) + a.X) inside = !inside;
    a = b;
  }
  return inside;
}

bool IsObjectInsideBoundary(Long ObjNo) {
  if (ObjNo < 1 || ObjNo > ObjCount) return false;
  const ObjRec& obj = Objs[ObjNo];
  if (obj.NPoints < 1) return false;
  const PntRec* p = &Pnts[obj.PointID];
  if (obj.Rtype == EntityCircle) {
    const Double cx = p[0].X, cy = p[0].Y;
    const Double r = std::hypot(p[1].X - cx, p[1].Y - cy);
    return IsPointInBoundaryBox(cx, cy) && IsPointInBoundaryBox(cx + r, cy) && IsPointInBoundaryBox(cx - r, cy) &&
           IsPointInBoundaryBox(cx, cy + r) && IsPointInBoundaryBox(cx, cy - r);
  }
  Integer first = obj.Rtype == EntityArc ? 1 : 0;
  Integer last = obj.Rtype >= FirstCompoundType ? 0 : static_cast<Integer>(obj.NPoints - 1);
  for (Long k = first; k <= last; ++k) {
    if (!IsPointInsideBoundary(p[k].X, p[k].Y)) return false;
  }
  return true;
}

// ---- Outline plot -------------------------------------------------------------------------

void PlotPixel(Long X, Long Y, Long Colour) {
  if (ActiveDoc) SetPixelV(ActiveDoc, static_cast<int>(X), static_cast<int>(ViewPixMaxY - Y), Colour);
}

void PlotBoundarySpans() {
  if (BoundaryRows <= 1) return;
  for (Long r = 1; r <= BoundaryRows; ++r) {
    const SpanRow& row = BoundarySpans[static_cast<size_t>(r)];
    for (Long k = 1; k <= row.Count; ++k) PlotPixel(row.Slot[k], BoundaryBox.Bottom + r, BoundaryColor);
  }
}

void ResetBoundaries() {
  BoundarySpans.clear();
  BoundaryBox = {};
  BoundaryRows = 0;
  BoundaryExtXmin = BoundaryExtYmin = BoundaryExtXmax = BoundaryExtYmax = 0;
  BoundaryLayerNo = 0;
  BuiltBoundary = {};
  BoundaryClosed = Collecting = false;
  BoundarySavedConPnts = 0;
  FirstBoundaryObj = PrevBoundaryObj = BoundaryPolyObj = LastBoundaryPnt = LinesPicked = 0;
  BoundaryFirstX = BoundaryFirstY = WindowX1 = WindowY1 = 0;
}

namespace {
// Select Area builds the table of the chosen area and tests each entity.
bool BuildSpansForSelection(Long Item) { return BuildBoundarySpans(Item, false); }
void PlugBoundaries() {
  SelectionServices.BuildBoundarySpans = BuildSpansForSelection;
  SelectionServices.IsObjectInsideBoundary = IsObjectInsideBoundary;
}
const ModuleRegistrar Registered({"Boundaries", FloorAnnotation, ResetBoundaries, {}, PlugBoundaries});
}  // namespace

}  // namespace lintavo
