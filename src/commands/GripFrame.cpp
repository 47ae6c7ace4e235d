// GripFrame: the grip frame of the selection and its drags.
//
// Sections:
//   Frame state
//   Transform of the frame
//   Set-up
//   Drawing and hit tests
//   Mouse routing
//   Drags: the selection and the areas it carries
//   Drags: move
//   Drags: scale and rotate
//   Reset
#include "commands/GripFrame.h"

#include <cmath>
#include <vector>

#include "commands/Adjust.h"
#include "commands/CarriedAreas.h"
#include "commands/Edits.h"
#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/Geometry.h"
#include "model/MessageBar.h"
#include "model/ObjIndex.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/ServicesAbove.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "platform/Gdi.h"
#include "platform/Numbers.h"
#include "platform/Pointers.h"
#include "view/DisplayOptions.h"
#include "view/DrawDispatch.h"
#include "view/SurfaceDraw.h"
#include "view/ZoomCommands.h"
#include "view/Zooms.h"

namespace lintavo {

// ---- Frame state -------------------------------------------------------------------------

std::array<GripPoint, GripCount + 2> GripPoints{};
std::array<GripPoint, GripCount + 2> WorkGrips{};
std::array<DrawnGrip, GripCount + 2> DrawnGrips{};
Double FrameMinX = 0, FrameMinY = 0, FrameMaxX = 0, FrameMaxY = 0;
GripPoint FrameCentre, FramePivot;
Single FrameScaleX = 1, FrameScaleY = 1, FrameAngle = 0;
Single AppliedScaleX = 1, AppliedScaleY = 1, AppliedAngle = 0;
Double FrameOffsetX = 0, FrameOffsetY = 0;
Long FrameDragLastX = 0, FrameDragLastY = 0;
Integer FrameShown = 0;
Integer GripHeld = 0;
Integer GripDragging = 0;
Integer GripIndex = 0;
Integer FrameDragsFromInside = 0;

namespace {

constexpr Single HitReach = 3;         // pixels: a press nearer than this takes a grip or the outline
constexpr int GripHalf = 3;            // pixels: half the side of a grip's square
constexpr Single RotateGripRadius = 6; // pixels: the circle of grip 9
constexpr Long FrameColor = 0xFF0000;  // blue
constexpr Long GripFill = 0xFFFFFF;
constexpr Integer NotXorPen = 10;
constexpr Single LeastScale = 0.1F;    // a scale below becomes this
constexpr Double MarginShare = 10;     // the frame stands off the selection by a tenth of its size
constexpr Double ViewShare = 4;        // a frame wider than a quarter of the view rescales it
constexpr Integer ReadOutDecimals = 3;

bool ExtentsEmpty = true;  // no point has widened the extents since the set-up began
Surface* FrameSurface = nullptr;  // where the frame was drawn last; nullptr before the first
// WorkGrips when the frame was last drawn: its sides and stem are drawn
// again from them to erase it, as its grips are from DrawnGrips.
std::array<GripPoint, GripCount + 2> StrokedGrips{};

// The frame transform: scale, then turn, about the pivot.
struct FrameTransformRec {
  Single Sin = 0, Cos = 1;
  Single M11 = 1, M12 = 0, M21 = 0, M22 = 1;
};
FrameTransformRec FrameTransform;

}  // namespace

// ---- Transform of the frame ----------------------------------------------------------------

namespace {

void SetTransform(Single scaleX, Single scaleY, Single angle) {
  FrameTransformRec& t = FrameTransform;
  t.Sin = std::sin(angle);
  t.Cos = std::cos(angle);
  t.M11 = scaleX * t.Cos;
  t.M12 = -scaleY * t.Sin;
  t.M21 = scaleX * t.Sin;
  t.M22 = scaleY * t.Cos;
}

// Grip k as set up, scaled and turned about the pivot.
GripPoint TransformedGrip(Integer k) {
  const FrameTransformRec& t = FrameTransform;
  const Single dx = GripPoints[k].X - FrameCentre.X;
  const Single dy = GripPoints[k].Y - FrameCentre.Y;
  return {FramePivot.X + t.M11 * dx + t.M12 * dy, FramePivot.Y + t.M21 * dx + t.M22 * dy};
}

// The outline grips 1..8 transformed each from its own place, not the
// middles from the transformed corners: corners clamped far beyond the view
// do not carry a middle grip in the view with them.
void TransformOutlineGrips() {
  for (Integer k = 1; k <= 8; ++k) WorkGrips[k] = TransformedGrip(k);
}

void TransformAllGrips() {
  SetTransform(FrameScaleX, FrameScaleY, FrameAngle);
  for (Integer k = 1; k <= GripCount; ++k) WorkGrips[k] = TransformedGrip(k);
}

}  // namespace

// ---- Set-up --------------------------------------------------------------------------------

namespace {

void WidenFrameExtents(Double x, Double y) {
  WidenRunningBox(FrameMinX, FrameMinY, FrameMaxX, FrameMaxY, ExtentsEmpty, x, y);
}

void GetSelectionExtents(Long objNo) { WidenByEntity<Double>(Objs[objNo], WidenFrameExtents); }

// The view pixel of a world point, clamped (ViewCache.h): a frame around a
// selection reaching far beyond the view keeps its grips within the range
// its sums and the drawing of its grips need.
GripPoint PixelOf(Double x, Double y) {
  return {static_cast<Single>(ViewPixelX(x)), static_cast<Single>(ViewPixelY(y))};
}

// Every grip and the centre are made from their own world points, the
// middles and the centre from the world midpoints: when corners lie far
// beyond the view and are clamped, a middle grip or the centre that lies in
// the view still stands where it belongs.
void ComputeGrips() {
  const Double midX = FrameMinX / 2 + FrameMaxX / 2, midY = FrameMinY / 2 + FrameMaxY / 2;
  GripPoint* g = GripPoints.data();
  g[1] = PixelOf(FrameMinX, FrameMinY);
  g[2] = PixelOf(midX, FrameMinY);
  g[3] = PixelOf(FrameMaxX, FrameMinY);
  g[4] = PixelOf(FrameMaxX, midY);
  g[5] = PixelOf(FrameMaxX, FrameMaxY);
  g[6] = PixelOf(midX, FrameMaxY);
  g[7] = PixelOf(FrameMinX, FrameMaxY);
  g[8] = PixelOf(FrameMinX, midY);
  g[9] = {g[4].X + RotateStem, g[4].Y};
  WorkGrips = GripPoints;
  FrameCentre = PixelOf(midX, midY);
  FramePivot = FrameCentre;
}

// The set-up shared by every frame once its extents are known.
void SetUpFrame() {
  FrameOffsetX = FrameOffsetY = 0;
  const Double mx = (FrameMaxX - FrameMinX) / MarginShare;
  const Double my = (FrameMaxY - FrameMinY) / MarginShare;
  FrameMinX -= mx;
  FrameMaxX += mx;
  FrameMinY -= my;
  FrameMaxY += my;
  if (DrawingWindow* window = ActiveDocForm()) {
    const Double w = ViewShare * std::abs(FrameMaxX - FrameMinX);
    const Double v = window->XVmax - window->XVmin;
    if (v > 0 && w > v) SetDrawingScale(static_cast<Single>(w / v * 10));
  }
  FrameScaleX = FrameScaleY = AppliedScaleX = AppliedScaleY = 1;
  FrameAngle = AppliedAngle = 0;
  SetTransform(1, 1, 0);
  ComputeGrips();
  DrawGripFrame();
  GroupDragOn = FlagTrue;
  GripHeld = GripDragging = FlagFalse;
  ArrowPointer();
}

}  // namespace

namespace {
void FrameAroundSelection() {
  ExtentsEmpty = true;
  Long counted = 0;
  ForEachSelected([&](Long objNo) {
    GetSelectionExtents(objNo);
    ++counted;
  });
  if (counted == 0 || ExtentsEmpty) return;
  SetUpFrame();
}
}  // namespace

void StartModifySelected() {
  ShowStatus("Modify Selected", 1);
  if (!AnythingSelected()) return NoSelectionError();
  if (ToolStep != 0) return;
  FrameDragsFromInside = FlagFalse;
  FrameAroundSelection();
}

void StartPlaceComponent() {
  FrameDragsFromInside = FlagTrue;
  FrameAroundSelection();
}

// ---- Drawing and hit tests -------------------------------------------------------------------

namespace {

// The side or stem from grip a to grip b as drawn last, cut to the view's
// guard box by the line primitive: a side reaching far beyond the view
// keeps its course across it, however the frame was scaled or turned.
void StrokeGripLine(Integer a, Integer b) {
  GdiLine(StrokedGrips[a].X, StrokedGrips[a].Y, StrokedGrips[b].X, StrokedGrips[b].Y);
}

// Draws the frame at StrokedGrips and DrawnGrips with the not-XOR pen: a
// second call removes it.
void StrokeFrame() {
  Surface* s = ActiveDoc;
  if (!s) return;
  s->DrawMode = NotXorPen;
  s->DrawWidth = 1;
  s->DrawStyle = vbSolid;
  s->ForeColor = FrameColor;
  s->FillStyle = vbFSTransparent;
  s->FillColor = DwgBackColor;
  for (Integer k = 1; k <= 8; ++k) StrokeGripLine(k, k == 8 ? 1 : k + 1);
  StrokeGripLine(4, 9);
  s->FillColor = GripFill;
  s->FillStyle = vbFSSolid;
  s->Circle(static_cast<Single>(DrawnGrips[9].X), static_cast<Single>(DrawnGrips[9].Y), RotateGripRadius);
  for (Integer k = 1; k <= 8; ++k)
    Rectangle(s->hDC(), DrawnGrips[k].X - GripHalf, DrawnGrips[k].Y - GripHalf, DrawnGrips[k].X + GripHalf,
              DrawnGrips[k].Y + GripHalf);
  s->FillStyle = vbFSTransparent;
  s->FillColor = DwgBackColor;
  s->DrawMode = vbCopyPen;
}

// Distance from P to the segment P1-P2, pixels.
Single GripSegmentDistance(Single x, Single y, Single x1, Single y1, Single x2, Single y2) {
  const Single dx = x2 - x1, dy = y2 - y1;
  const Single len2 = dx * dx + dy * dy;
  if (len2 == 0) return std::hypot(x - x1, y - y1);
  const Single t = ((x - x1) * dx + (y - y1) * dy) / len2;
  if (t <= 0) return std::hypot(x - x1, y - y1);
  if (t >= 1) return std::hypot(x - x2, y - y2);
  return std::hypot(x - (x1 + t * dx), y - (y1 + t * dy));
}

}  // namespace

// A grip scaled or turned far out is clamped again before it becomes whole
// device pixels: its square and circle are drawn by sums on them. The sides
// are cut instead (StrokeGripLine).
void DrawGripFrame() {
  if (FrameShown) EraseGripFrame();
  StrokedGrips = WorkGrips;
  for (Integer k = 1; k <= GripCount; ++k)
    DrawnGrips[k] = {RoundToLong(ClampPixel(WorkGrips[k].X)),
                     RoundToLong(ClampPixel(ViewPixMaxY - WorkGrips[k].Y))};
  StrokeFrame();
  FrameShown = FlagTrue;
  FrameSurface = ActiveDoc;
}

void EraseGripFrame() {
  StrokeFrame();
  FrameShown = FlagFalse;
}

bool FindGripAt(Single X, Single Y) {
  for (Integer k = 1; k <= GripCount; ++k) {
    if (std::abs(WorkGrips[k].X - X) < HitReach && std::abs(WorkGrips[k].Y - Y) < HitReach) {
      GripIndex = k;
      return true;
    }
  }
  return false;
}

bool FindFrameEdgeAt(Single X, Single Y) {
  for (Integer k = 1; k <= 8; ++k) {
    const GripPoint& a = WorkGrips[k == 1 ? 8 : k - 1];
    const GripPoint& b = WorkGrips[k];
    const Single d = GripSegmentDistance(X, Y, static_cast<Single>(RoundHalfEven(a.X)),
                                         static_cast<Single>(RoundHalfEven(a.Y)),
                                         static_cast<Single>(RoundHalfEven(b.X)),
                                         static_cast<Single>(RoundHalfEven(b.Y)));
    if (d < HitReach) {
      GripIndex = k;
      return true;
    }
  }
  return false;
}

bool IsInsideFrame(Single X, Single Y) {
  bool inside = false;  // crossings of a ray to the right, by the even-odd rule
  for (Integer k = 1; k <= 8; ++k) {
    const GripPoint& a = WorkGrips[k == 1 ? 8 : k - 1];
    const GripPoint& b = WorkGrips[k];
    if ((a.Y > Y) == (b.Y > Y)) continue;
    const Single crossX = a.X + (Y - a.Y) * (b.X - a.X) / (b.Y - a.Y);
    if (X < crossX) inside = !inside;
  }
  return inside;
}

// ---- Mouse routing ------------------------------------------------------------------------------

namespace {
void DragFrame(Long x, Long y);
void ScaleRotateFrame(Single x, Single y);
}  // namespace

void CancelGroupEdit() {
  GroupDragOn = FlagFalse;
  GripHeld = GripDragging = FlagFalse;
  if (FrameShown) EraseGripFrame();
  ArrowPointer();
}

void GroupEditMouseDown(Single X, Single Y, Single AnchorX, Single AnchorY) {
  GripHeld = Flag(FindGripAt(X, Y));
  if (GripHeld) {
    ArrowPointer();
    return;
  }
  if (!FindFrameEdgeAt(X, Y) && !(FrameDragsFromInside && IsInsideFrame(X, Y))) return;
  GripDragging = FlagTrue;
  FrameDragLastX = RoundToLong(AnchorX);
  FrameDragLastY = RoundToLong(AnchorY);
  ShowMoveCursor();
}

void GroupEditMouseMove(Single X, Single Y) {
  if (GripDragging)
    DragFrame(RoundToLong(X), RoundToLong(Y));
  else if (GripHeld)
    ScaleRotateFrame(X, Y);
}

void GroupEditMouseUp() {
  GripHeld = GripDragging = FlagFalse;
  ArrowPointer();
}

// ---- Drags: the selection and the areas it carries -------------------------------------------

namespace {

// A drag step changes the selection's points and shows it with the not-XOR
// pen: each entity's ghost drawn before its change (the old ghost goes) and
// after it (the new one shows). A fill or hatch is drawn from its area's
// boundary, which the step carries apart from the entities (CarriedAreas):
// its paint cannot be taken off and put on entity by entity, so a step that
// carries an area draws no ghosts and shows the view drawn afresh once every
// point stands (the redraw puts the frame back).

// Each selected entity changed by change(ObjNo), which returns the entity
// changed (a scale may replace a circle by an ellipse), then the carried
// boundaries alike; while no area is carried, each ghost drawn Before and
// After as asked.
template <typename Change>
void ChangeSelection(const std::vector<CarriedArea>& carried, bool Before, bool After, Change change) {
  const bool ghosts = carried.empty();
  ForEachSelected([&](Long objNo) {
    if (ghosts && Before) DrawObject(objNo);
    const Long changed = change(objNo);
    if (ghosts && After) DrawObject(changed);
  });
  CarryBoundaries(carried, change);
}

// The view drawn afresh after a step that carried an area.
void ShowCarriedStep(const std::vector<CarriedArea>& carried) {
  if (!carried.empty()) RefreshActiveView();
}

Long TurnEntity(Long objNo) {
  ApplyTransformToPoints(objNo);
  return objNo;
}

}  // namespace

// ---- Drags: move --------------------------------------------------------------------------------

namespace {

void MoveSelectionToFrame() {
  const Double ox = (FramePivot.X - FrameCentre.X) / ViewScaleX;
  const Double oy = (FramePivot.Y - FrameCentre.Y) / ViewScaleY;
  const std::vector<CarriedArea> carried = SelectionCarriedAreas();
  XorDraw = FlagTrue;
  ShowStatus("X-Off = " + NumberText(RoundHalfEven(ox, ReadOutDecimals)), 2);
  ShowStatus("Y-Off = " + NumberText(RoundHalfEven(oy, ReadOutDecimals)), 3);
  const Double dx = ox - FrameOffsetX, dy = oy - FrameOffsetY;
  ChangeSelection(carried, true, true, [dx, dy](Long objNo) {
    MoveEntityBy(objNo, dx, dy);
    return objNo;
  });
  FrameOffsetX = ox;
  FrameOffsetY = oy;
  XorDraw = FlagFalse;
  ShowCarriedStep(carried);
}

void DragFrame(Long x, Long y) {
  // The pointer held still moves nothing: the selection is neither touched nor redrawn.
  if (x == FrameDragLastX && y == FrameDragLastY) return;
  if (FrameShown) EraseGripFrame();
  const Single dx = static_cast<Single>(x - FrameDragLastX);
  const Single dy = static_cast<Single>(y - FrameDragLastY);
  FrameDragLastX = x;
  FrameDragLastY = y;
  for (Integer k = 1; k <= GripCount; ++k) {
    WorkGrips[k].X += dx;
    WorkGrips[k].Y += dy;
  }
  // The pivot moves with the grips: it is the midpoint of grips 1 and 5,
  // kept as such even where those are clamped far beyond the view.
  FramePivot.X += dx;
  FramePivot.Y += dy;
  DrawGripFrame();
  MoveSelectionToFrame();
}

// ---- Drags: scale and rotate -------------------------------------------------------------------

// The frame's pivot in world units.
void WorldPivot(Double& px, Double& py) {
  px = (FramePivot.X - ViewBaseX) / ViewScaleX;
  py = (FramePivot.Y - ViewBaseY) / ViewScaleY;
}

// The ghosts of a turn about (px, py) by Angle: each selected entity is
// drawn (its ghost goes) and then turned ...
void DrawThenTurn(Double px, Double py, Single Angle, const std::vector<CarriedArea>& carried) {
  SetAdjustTransform(px, py, 1, 1, Angle);
  ChangeSelection(carried, true, false, TurnEntity);
}

// ... or turned and then drawn (its new ghost shows).
void TurnThenDraw(Double px, Double py, Single Angle, const std::vector<CarriedArea>& carried) {
  SetAdjustTransform(px, py, 1, 1, Angle);
  ChangeSelection(carried, false, true, TurnEntity);
}

void ApplyScalePreview() {
  Double px = 0, py = 0;
  WorldPivot(px, py);
  const std::vector<CarriedArea> carried = SelectionCarriedAreas();
  XorDraw = FlagTrue;
  const bool turned = FrameAngle != 0;
  // Back to the frame's own axes, where the scale applies.
  if (turned) DrawThenTurn(px, py, TwoPiSingle - FrameAngle, carried);
  SetAdjustTransform(px, py, 1 / AppliedScaleX, 1 / AppliedScaleY, 0);
  ChangeSelection(carried, !turned, false, ScaleObj);
  SetAdjustTransform(px, py, FrameScaleX, FrameScaleY, 0);
  ChangeSelection(carried, false, !turned, ScaleObj);
  if (turned) TurnThenDraw(px, py, FrameAngle, carried);
  AppliedScaleX = FrameScaleX;
  AppliedScaleY = FrameScaleY;
  XorDraw = FlagFalse;
  ShowCarriedStep(carried);
}

void ApplyRotatePreview() {
  Double px = 0, py = 0;
  WorldPivot(px, py);
  const std::vector<CarriedArea> carried = SelectionCarriedAreas();
  XorDraw = FlagTrue;
  DrawThenTurn(px, py, TwoPiSingle - AppliedAngle, carried);
  TurnThenDraw(px, py, FrameAngle, carried);
  AppliedAngle = FrameAngle;
  XorDraw = FlagFalse;
  ShowCarriedStep(carried);
}

// The scale factors the frame takes with the grip held at (x, y). A frame
// of no size has no factor to compute: its scale stays.
void ScaleForGripAt(Single x, Single y, Single& sx, Single& sy) {
  sx = FrameScaleX;
  sy = FrameScaleY;
  const GripPoint& g = GripPoints[GripIndex];
  const Single d1 = std::hypot(g.X - FrameCentre.X, g.Y - FrameCentre.Y);
  if (d1 <= 0) return;
  const Single d2 = std::hypot(x - FramePivot.X, y - FramePivot.Y);
  Single s = static_cast<Single>(RoundHalfEven(static_cast<Double>(d2) / d1, 2));
  if (s < LeastScale) s = LeastScale;
  if (GripIndex % 2 == 1) {
    sx = sy = s;
  } else if (GripIndex == 2 || GripIndex == 6) {
    sy = s;
  } else {
    sx = s;
  }
}

// The frame's angle in whole degrees with the rotation grip held at (x, y).
Double DegreesForGripAt(Single x, Single y) {
  return RoundHalfEven(LineAngleV(FramePivot.X, FramePivot.Y, x, y) * 180 / Pi);
}

void ScaleFrame(Single sx, Single sy) {
  FrameScaleX = sx;
  FrameScaleY = sy;
  SetTransform(FrameScaleX, FrameScaleY, FrameAngle);
  // About the pivot: the pivot stays, the midpoint of grips 1 and 5.
  TransformOutlineGrips();
  WorkGrips[9] = {WorkGrips[4].X + RotateStem * std::cos(FrameAngle),
                  WorkGrips[4].Y + RotateStem * std::sin(FrameAngle)};
  DrawGripFrame();
  ShowStatus("X-Scale = " + NumberText(FrameScaleX), 1);
  ShowStatus("Y-Scale = " + NumberText(FrameScaleY), 2);
  ShowStatus("Angle = " + NumberText(RoundHalfEven(FrameAngle * 180 / Pi, ReadOutDecimals)), 3);
  ApplyScalePreview();
}

// The frame turned to Angle (radians), Degrees its whole degrees.
void RotateFrame(Single Angle, Double Degrees) {
  FrameAngle = Angle;
  TransformAllGrips();
  DrawGripFrame();
  ShowStatus("Angle = " + NumberText(Degrees), 3);
  ApplyRotatePreview();
}

// A grip held where the frame already stands changes nothing: the
// selection is neither touched nor redrawn.
void ScaleRotateFrame(Single x, Single y) {
  if (GripIndex == GripCount) {
    const Double degrees = DegreesForGripAt(x, y);
    const Single angle = static_cast<Single>(degrees * Pi / 180);
    if (angle == FrameAngle) return;
    if (FrameShown) EraseGripFrame();
    RotateFrame(angle, degrees);
    return;
  }
  Single sx = 1, sy = 1;
  ScaleForGripAt(x, y, sx, sy);
  if (sx == FrameScaleX && sy == FrameScaleY) return;
  if (FrameShown) EraseGripFrame();
  ScaleFrame(sx, sy);
}

}  // namespace

// ---- Reset ---------------------------------------------------------------------------------------

void ResetGripFrame() {
  GripPoints.fill({});
  WorkGrips.fill({});
  DrawnGrips.fill({});
  StrokedGrips.fill({});
  FrameMinX = FrameMinY = FrameMaxX = FrameMaxY = 0;
  FrameCentre = FramePivot = {};
  FrameScaleX = FrameScaleY = AppliedScaleX = AppliedScaleY = 1;
  FrameAngle = AppliedAngle = 0;
  FrameOffsetX = FrameOffsetY = 0;
  FrameDragLastX = FrameDragLastY = 0;
  FrameShown = GripHeld = GripDragging = GripIndex = FrameDragsFromInside = 0;
  ExtentsEmpty = true;
  FrameSurface = nullptr;
  FrameTransform = {};
}

namespace {
// The grip frame is on its surface until a full redraw of that surface
// wipes it; while the frame is up the redraw ends by drawing it again where
// it stood, over the drawing, so it can still be taken.
void ForgetFrame() {
  if (ActiveDoc == FrameSurface) FrameShown = FlagFalse;
}
void ShowFrameAgain() {
  if (GroupDragOn && !FrameShown && FrameSurface && ActiveDoc == FrameSurface) DrawGripFrame();
}
void PlugGripFrame() {
  ServicesAbove.CancelGroupEdit = CancelGroupEdit;
  RegisterRedrawHook(ForgetFrame);
  RegisterRedrawDoneHook(ShowFrameAgain);
}
const ModuleRegistrar Registered({"GripFrame", FloorCommands, ResetGripFrame, {}, PlugGripFrame});
}  // namespace

}  // namespace lintavo
