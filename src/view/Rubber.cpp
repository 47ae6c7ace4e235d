// Rubber: the rubber-band previews: state, pens, the line-drawing preview by
// command and step, the window, centre-line and polygon boxes, and the
// primitives they draw with.
//
// Sections:
//   Preview state
//   Pens and point helpers
//   Line-drawing preview: shapes by command and step
//   Line-drawing preview: entries
//   Window, centre-line and polygon boxes
//   Primitives
//   Reset
#include "view/Rubber.h"

#include <cmath>
#include <vector>

#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/LineDrawCodes.h"
#include "model/ProgramState.h"
#include "model/ServicesAbove.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "platform/Colors.h"
#include "platform/Gdi.h"
#include "platform/Numbers.h"
#include "platform/Surface.h"
#include "view/DisplayOptions.h"
#include "view/RubberShapes.h"
#include "view/SurfaceDraw.h"
#include "view/Zooms.h"

namespace lintavo {

// ---- Preview state -----------------------------------------------------------------

std::array<RubberPoint, 6> RubberAnchorPts;
Integer RubberShown = 0;
Integer RubberBusy = 0;
Integer CentreLineShown = 0;
Integer RubberCommand = 0;
Integer RubberStep = 0;
Integer RubberStepStart = 0;
Single RubberRadius = 0;
Single RubberCircleSum = 0;
Single RubberArcStart = 0;
Single RubberArcEnd = 0;
Single RubberArcSweep = 0;
Single RubberAspect = 0;
Single RubberRadiusX = 0;
Single RubberRadiusY = 0;
Integer RubberBezierCount = 0;
Double RubberClickX = 0, RubberClickY = 0;
Long RubberPolygonEntity = 0;

namespace {

// ---- Pens and point helpers ----------------------------------------------------------

constexpr Integer DotStyle = 2;  // DrawStyle of every preview

// Line-drawing previews: dotted, XOR, in RubberColor, one pixel wide.
void SetLinePreviewPen() {
  SetForeColor(RubberColor);
  SetDrawMode(vbXorPen);
  SetDrawStyle(DotStyle);
  SetDrawWidth(1);
}

// Window, centre-line and polygon boxes: dotted, XOR, green; the width stays.
void SetBoxPen() {
  SetForeColor(ColorGreen);
  SetDrawMode(vbXorPen);
  SetDrawStyle(DotStyle);
}

RubberPoint& R(int index) { return RubberAnchorPts[static_cast<size_t>(index)]; }

// The whole view pixel of world point (X, Y), clamped (ViewCache.h).
RubberPoint ViewPointOf(Double X, Double Y) {
  return {static_cast<Single>(RoundToLong(ViewPixelX(X))), static_cast<Single>(RoundToLong(ViewPixelY(Y)))};
}

// The view pixel of the point the last click stored, snapped: the previews
// start from the point stored, not from where the pointer was pressed.
RubberPoint ClickedPoint() { return ViewPointOf(RubberClickX, RubberClickY); }

// p mirrored through centre: 2 centre - p.
RubberPoint Mirror(const RubberPoint& centre, const RubberPoint& p) {
  return {2 * centre.X - p.X, 2 * centre.Y - p.Y};
}

RubberPoint Midpoint(const RubberPoint& a, const RubberPoint& b) {
  return {a.X + (b.X - a.X) / 2, a.Y + (b.Y - a.Y) / 2};
}

void LineBetween(const RubberPoint& a, const RubberPoint& b) { RubberLine(a.X, a.Y, b.X, b.Y); }

// The centre of the circle through three preview points.
RubberPoint CentreThrough(const RubberPoint& a, const RubberPoint& b, const RubberPoint& c) {
  RubberPoint centre;
  CircleThrough3PointsS(centre.X, centre.Y, a.X, a.Y, b.X, b.Y, c.X, c.Y);
  return centre;
}

// ---- Line-drawing preview: shapes by command and step ----------------------------------

// Rectangle by three points: R1-R2 is the base and the cursor R3 gives the
// opposite side. R4 becomes the foot of the perpendicular from R1 on the
// parallel to the base through the cursor, and R3 the fourth corner.
void SquareRectangleCorners() {
  const Single dx = R(1).X - R(2).X;
  const Single dy = R(1).Y - R(2).Y;
  if (std::fabs(dx) < 1e-7F) {
    R(4) = {R(3).X, R(1).Y};  // vertical base
  } else if (std::fabs(dy) < 1e-7F) {
    R(4) = {R(1).X, R(3).Y};  // horizontal base
  } else {
    const Single s = dy / dx;
    const Single k = 1 / s + s;
    R(4).X = (R(1).X / s + R(1).Y + s * R(3).X - R(3).Y) / k;
    R(4).Y = (R(1).X - R(4).X) / s + R(1).Y;
  }
  R(3) = {R(2).X + (R(4).X - R(1).X), R(2).Y + (R(4).Y - R(1).Y)};
}

// The three sides R2-R3, R3-R4, R4-R1 of a rectangle or parallelogram whose
// base R1-R2 is not part of the later preview.
void QuadSides() {
  LineBetween(R(2), R(3));
  LineBetween(R(3), R(4));
  LineBetween(R(4), R(1));
}

// The base R1-R2 drawn once by the first erase of a later step (the click's
// erase removed it), so that it shows from then on.
void RestoreBaseOnce() {
  if (!RubberStepStart) return;
  LineBetween(R(1), R(2));
  RubberStepStart = FlagFalse;
}

// The step-1 preview of most commands whose shape changes at step 2: the
// line from the anchor to the cursor, with the change marked.
void StartWithLine(const RubberPoint& m) {
  R(2) = m;
  LineBetween(R(1), R(2));
  RubberStepStart = FlagTrue;
}

void DrawQuadrilateral(Integer code, const RubberPoint& m) {
  if (ToolStep == 1) {
    StartWithLine(m);
    R(3) = R(2);
    return;
  }
  R(3) = m;
  if (code == DrawRectangle3Code)
    SquareRectangleCorners();
  else
    R(4) = {R(1).X + (m.X - R(2).X), R(1).Y + (m.Y - R(2).Y)};
  QuadSides();
}

void DrawIrregularPolygon(const RubberPoint& m) {
  if (ToolStep == 1) {
    StartWithLine(m);
    RubberStep = 1;
    return;
  }
  R(2) = m;
  R(3) = ClickedPoint();
  LineBetween(R(1), R(2));  // back to the first vertex
  LineBetween(R(3), R(2));
  RubberStep = ToolStep;
}

void DrawThreePointCircle(const RubberPoint& m) {
  if (ToolStep == 1) {
    StartWithLine(m);
    return;
  }
  RubberStepStart = FlagFalse;
  RubberCircleSum = (m.X - R(2).X) + (m.Y - R(2).Y);
  R(3) = m;
  R(0) = CentreThrough(R(1), R(2), R(3));
  if (RubberCircleSum > 0) RubberCentreCircle();
}

void DrawCentreArc(const RubberPoint& m) {
  if (ToolStep == 1) {
    R(2) = m;
    RubberCentreCircle();
    RubberStepStart = FlagTrue;
    return;
  }
  R(1) = R(2);
  if (RubberStepStart) {
    RubberArcSweep = 0;
    RubberStepStart = FlagFalse;
  }
  R(3) = m;
  RubberCentreArc();
}

// The curve a later step of code 15, 16, 21, 22 or 25 draws, and its erase draws again.
void LaterCurve(Integer code) {
  switch (code) {
    case DrawArcStartMiddleCode: RubberArcThreePoints(); break;
    case DrawArcStartEndCode: RubberArcEndsFirst(); break;
    case DrawSplineCode: RubberSpline(); break;
    default: RubberBezier(); break;
  }
}

// Arcs through three points: code 15 passes R2 between R1 and the cursor,
// code 16 passes the cursor between R1 and R2.
void DrawThreePointArc(Integer code, const RubberPoint& m) {
  if (ToolStep == 1) {
    StartWithLine(m);
    return;
  }
  RubberStepStart = FlagFalse;
  R(3) = m;
  if (code == DrawArcStartMiddleCode)
    R(0) = CentreThrough(R(1), R(2), R(3));
  else
    R(0) = CentreThrough(R(1), R(3), R(2));
  LaterCurve(code);
}

void DrawEllipticArc(const RubberPoint& m) {
  if (ToolStep == 1) {
    R(2) = m;
    RubberBoxEllipse();
    RubberStepStart = FlagTrue;
    return;
  }
  if (ToolStep == 2) {
    RubberBoxEllipse();  // the ellipse the second click fixed stays shown
    return;
  }
  // The arc starts at the point the third click took.
  if (RubberStepStart) {
    R(3) = ClickedPoint();
    RubberArcSweep = 0;
    RubberStepStart = FlagFalse;
  }
  R(4) = m;
  RubberEllipticArc();
}

// Ellipses by axes: code 19 starts from the centre and an axis end, code 20
// from both ends of the first axis.
void DrawAxisEllipse(Integer code, const RubberPoint& m) {
  if (ToolStep == 1) {
    StartWithLine(m);
    return;
  }
  if (RubberStepStart) {
    RubberStepStart = FlagFalse;
    if (code == DrawEllipse3Code) {
      R(0) = R(1);
      R(1) = Mirror(R(0), R(2));  // the opposite axis end
    } else {
      R(0) = Midpoint(R(1), R(2));
    }
  }
  LineBetween(code == DrawEllipse3Code ? R(0) : R(1), R(2));
  R(3) = m;
  RubberAxisEllipse();
}

// Spline (21) and Bezier (22, 25): the points shift along once a point was
// added, so the shifted state is drawn once and the next erase removes it.
// The point just added is the one the click stored, and a Bezier carries on
// the control point its curve leaves the shifted vertex by toward that
// point: the last cursor may lie elsewhere (ortho lines the cursor up with
// the click before the last).
void DrawChainCurve(Integer code, const RubberPoint& m) {
  if (ToolStep == 1) {
    StartWithLine(m);
    return;
  }
  const bool spline = code == DrawSplineCode;
  if (RubberStepStart) {
    RubberStepStart = FlagFalse;
    R(4) = spline ? R(1) : RubberPoint{0, 0};
    R(2) = ClickedPoint();
  } else if (ToolStep != RubberStep) {
    R(3) = ClickedPoint();
    if (spline)
      R(4) = R(1);
    else
      RubberBezierOutPoint();
    R(1) = R(2);
    R(2) = R(3);
  }
  R(3) = m;
  LaterCurve(code);
  RubberStep = ToolStep;
}

// The preview of LineDrawCommand code with the cursor at m.
void DrawLinePreview(Integer code, const RubberPoint& m) {
  switch (code) {
    case DrawSingleCode: case DrawDoubleCode: case DrawSolidCode:  // single, double and solid line
      R(2) = m;
      LineBetween(R(1), R(2));
      break;
    case DrawReferenceCode:  // reference line: through the anchor, from the cursor to its mirror image
      R(2) = m;
      R(3) = Mirror(R(1), R(2));
      LineBetween(R(2), R(3));
      break;
    case DrawRectangle2Code:  // rectangle by two corners
      R(2) = m;
      RubberRectangle(R(1).X, R(1).Y, R(2).X, R(2).Y);
      break;
    case DrawRectangle3Code: case DrawTrapezoidCode: DrawQuadrilateral(code, m); break;
    case DrawRegularPolygonCode:  // regular polygon
      if (ToolStep == 1) {
        R(2) = m;
        RubberCentreCircle();
        RubberStepStart = FlagTrue;
      } else {
        RubberStepStart = FlagFalse;
        R(3) = m;
        RubberRegularPolygon();
      }
      break;
    case DrawIrregularPolygonCode: DrawIrregularPolygon(m); break;
    case DrawCircleRadiusCode:  // circle by centre and radius
      R(2) = m;
      RubberCentreCircle();
      break;
    case DrawCircleDiameterCode:  // circle by two points: the diameter runs from the anchor to the cursor
      R(2) = m;
      R(0) = Midpoint(R(1), m);
      RubberCentreCircle();
      break;
    case DrawCircle3Code: DrawThreePointCircle(m); break;
    case DrawArcCentreCode: DrawCentreArc(m); break;
    case DrawArcStartMiddleCode: case DrawArcStartEndCode: DrawThreePointArc(code, m); break;
    case DrawEllipticalArcCode: DrawEllipticArc(m); break;
    case DrawEllipse2Code:  // ellipse by two corners
      R(2) = m;
      RubberBoxEllipse();
      break;
    case DrawEllipse3Code: case DrawEllipse4Code: DrawAxisEllipse(code, m); break;
    case DrawSplineCode: case DrawContBezierCode: case DrawBezierCode: DrawChainCurve(code, m); break;
    case DrawContinuousCode: case DrawNothingCode:  // continuous line: from the point the last click stored
      R(2) = m;
      R(3) = ClickedPoint();
      LineBetween(R(3), R(2));
      break;
    default: break;  // 1 (point) and unknown codes draw nothing
  }
}

// The same drawing once more from the stored points: the preview of code
// goes. A ToolStep below 2 counts as step 1.
void EraseLinePreview(Integer code) {
  const bool later = ToolStep >= 2;
  switch (code) {
    case DrawSingleCode: case DrawDoubleCode: case DrawSolidCode: LineBetween(R(1), R(2)); break;
    case DrawReferenceCode: LineBetween(R(2), R(3)); break;
    case DrawRectangle2Code: RubberRectangle(R(1).X, R(1).Y, R(2).X, R(2).Y); break;
    case DrawRectangle3Code: case DrawTrapezoidCode:
      if (!later) {
        LineBetween(R(1), R(2));
        break;
      }
      RestoreBaseOnce();
      QuadSides();
      break;
    case DrawRegularPolygonCode:
      if (!later || RubberStepStart)
        RubberCentreCircle();
      else
        RubberRegularPolygon();
      break;
    case DrawIrregularPolygonCode:
      if (!later) {
        LineBetween(R(1), R(2));
        break;
      }
      RestoreBaseOnce();
      if (ToolStep == RubberStep) {
        LineBetween(R(3), R(2));
        LineBetween(R(1), R(2));
      }
      break;
    case DrawCircleRadiusCode: case DrawCircleDiameterCode:
      if (!RubberStepStart) RubberCentreCircle();
      break;
    case DrawCircle3Code:
      if (!later)
        LineBetween(R(1), R(2));
      else if (RubberCircleSum > 0)
        RubberCentreCircle();
      break;
    case DrawArcCentreCode:
      if (!later)
        RubberCentreCircle();
      else
        RubberCentreArc();
      break;
    case DrawArcStartMiddleCode: case DrawArcStartEndCode: case DrawSplineCode: case DrawContBezierCode: case DrawBezierCode:
      if (!later)
        LineBetween(R(1), R(2));
      else
        LaterCurve(code);
      break;
    case DrawEllipticalArcCode:
      if (ToolStep <= 2 || RubberStepStart)
        RubberBoxEllipse();
      else
        RubberEllipticArc();
      break;
    case DrawEllipse2Code: RubberBoxEllipse(); break;
    case DrawEllipse3Code: case DrawEllipse4Code:
      if (!later) {
        LineBetween(R(1), R(2));
        break;
      }
      if (RubberStepStart) break;
      LineBetween(code == DrawEllipse3Code ? R(0) : R(1), R(2));
      RubberAxisEllipse();
      break;
    case DrawContinuousCode: case DrawNothingCode: LineBetween(R(3), R(2)); break;
    default: break;
  }
}

}  // namespace

// ---- Line-drawing preview: entries -------------------------------------------------------

void StartRubber(Single x, Single y) {
  R(0) = R(1) = R(2) = {x, y};
  RubberStep = 0;
  RubberShown = CentreLineShown = FlagFalse;
  RubberStepStart = FlagFalse;
}

void StartRubberAtClick() {
  const RubberPoint click = ClickedPoint();
  StartRubber(click.X, click.Y);
}

void UpdateRubber(Single x, Single y) {
  if (RubberBusy) EraseRubber();
  if (!ActiveDoc) return;
  SetLinePreviewPen();
  RubberCommand = LineDrawCommand;
  DrawLinePreview(RubberCommand, {x, y});
  RubberBusy = FlagTrue;
  SetDrawStyle(vbSolid);
}

void EraseRubber() {
  // A preview whose window has gone went with it.
  if (ActiveDoc) {
    SetLinePreviewPen();
    EraseLinePreview(RubberCommand);
    SetDrawStyle(vbSolid);
  }
  RubberBusy = FlagFalse;
}

// ---- Window, centre-line and polygon boxes -------------------------------------------

void RubberWindowBox(Single x, Single y) {
  SetBoxPen();
  RubberRectangle(R(1).X, R(1).Y, R(2).X, R(2).Y);  // after StartRubber R1 = R2: nothing shows
  R(2) = {x, y};
  RubberRectangle(R(1).X, R(1).Y, R(2).X, R(2).Y);
  SetDrawStyle(vbSolid);
  RubberShown = FlagTrue;
}

void EraseWindowBox() {
  SetBoxPen();
  RubberRectangle(R(1).X, R(1).Y, R(2).X, R(2).Y);
  SetDrawStyle(vbSolid);
  RubberShown = FlagFalse;
}

void RubberCentreLine(Single x, Single y) {
  if (CentreLineShown) EraseCentreLine();
  SetBoxPen();
  R(2) = {x, y};
  R(3) = Mirror(R(1), R(2));
  LineBetween(R(2), R(3));
  SetDrawStyle(vbSolid);
  CentreLineShown = FlagTrue;
}

void EraseCentreLine() {
  // A line whose window has gone went with it.
  if (ActiveDoc) {
    SetBoxPen();
    R(3) = Mirror(R(1), R(2));
    LineBetween(R(2), R(3));
    SetDrawStyle(vbSolid);
  }
  CentreLineShown = FlagFalse;
}

namespace {

// The polygon box's image on the screen: the device points it was drawn
// through (the stored points of RubberPolygonEntity, then the cursor) and
// its fill style; no points while no image shows. Drawn again from these
// very points, it goes, whatever was stored or redrawn meanwhile.
std::vector<GdiPoint> PolygonImage;
Integer PolygonImageFill = vbFSTransparent;

// The device pixel of a view pixel.
GdiPoint DevicePixelOf(const RubberPoint& p) {
  return {RoundToLong(p.X), RoundToLong(static_cast<Single>(ViewPixMaxY) - p.Y)};
}

// Whether RubberPolygonEntity is an entity of the current drawing, not
// erased, whose points all lie in the point table.
bool PolygonEntityLive() {
  if (RubberPolygonEntity < 1 || RubberPolygonEntity > ObjCount) return false;
  const ObjRec& obj = Objs[RubberPolygonEntity];
  return !obj.Erased && obj.DwgNo == CurDwg && obj.PointID >= 1 && obj.NPoints >= 0 &&
         obj.PointID + obj.NPoints - 1 <= PntCount;
}

void DrawPolygonImage() {
  RubberPolygon(PolygonImageFill, ColorGreen, PolygonImage.data(), static_cast<Long>(PolygonImage.size()));
}

}  // namespace

void RubberPolygonBox(Single x, Single y) {
  SetBoxPen();
  if (!PolygonImage.empty()) DrawPolygonImage();  // the last image goes
  PolygonImage.clear();
  if (PolygonEntityLive() && Objs[RubberPolygonEntity].NPoints >= 2) {
    const ObjRec& obj = Objs[RubberPolygonEntity];
    for (Long k = obj.PointID; k < obj.PointID + obj.NPoints; ++k)
      PolygonImage.push_back(DevicePixelOf(ViewPointOf(Pnts[k].X, Pnts[k].Y)));
    PolygonImage.push_back(DevicePixelOf({x, y}));
    PolygonImageFill = ShowFills ? vbFSSolid : vbFSTransparent;
    DrawPolygonImage();
  }
  SetDrawStyle(vbSolid);
}

// ---- Primitives --------------------------------------------------------------------------

namespace {

int DevX(Single x) { return RoundToLong(x); }
int DevY(Single y) { return RoundToLong(static_cast<Single>(ViewPixMaxY) - y); }

}  // namespace

void RubberLine(Single x1, Single y1, Single x2, Single y2) { GdiLine(x1, y1, x2, y2); }

void RubberRectangle(Single x1, Single y1, Single x2, Single y2) {
  Rectangle(ActiveDoc->hDC(), DevX(x1), DevY(y1), DevX(x2), DevY(y2));
}

void RubberCircle(Single x, Single y, Single r) {
  ActiveDoc->Circle(static_cast<Single>(DevX(x)), static_cast<Single>(DevY(y)), r);
}

void RubberArc(Single x, Single y, Single r, Single Start, Single End) {
  ActiveDoc->Circle(static_cast<Single>(DevX(x)), static_cast<Single>(DevY(y)), r, Start, End);
}

void RubberEllipse(Single x, Single y, Single r, Single Aspect) {
  ActiveDoc->CircleAspect(static_cast<Single>(DevX(x)), static_cast<Single>(DevY(y)), r, Aspect);
}

void RubberEllipseArc(Single x, Single y, Single r, Single Aspect, Single Start, Single End) {
  ActiveDoc->Circle(static_cast<Single>(DevX(x)), static_cast<Single>(DevY(y)), r, Start, End,
                    Aspect);
}

void RubberPolygon(Integer FillStyle, Long FillColor, const GdiPoint* Points, Long Count) {
  GdiPolygonOf(Points, Count, FillStyle, FillColor);
}

void RubberMark(Single x, Single y) {
  GdiLine(x - 2, y - 2, x + 3, y + 3);
  GdiLine(x - 2, y + 2, x + 3, y - 3);
}

// ---- Reset -------------------------------------------------------------------------------------

void ResetRubber() {
  RubberAnchorPts = {};
  RubberShown = RubberBusy = CentreLineShown = 0;
  RubberCommand = RubberStep = RubberStepStart = 0;
  RubberRadius = RubberCircleSum = 0;
  RubberArcStart = RubberArcEnd = RubberArcSweep = 0;
  RubberAspect = RubberRadiusX = RubberRadiusY = 0;
  RubberBezierCount = 0;
  RubberClickX = RubberClickY = 0;
  RubberPolygonEntity = 0;
  PolygonImage.clear();
}

namespace {
void EraseRubberIfShown() {
  if (RubberBusy) EraseRubber();
}
// A full redraw cleared the surface: no preview is on it any more, and the
// next one is drawn afresh instead of "removed" where nothing is.
void ForgetShownPreviews() {
  RubberBusy = RubberShown = CentreLineShown = 0;
  PolygonImage.clear();
}
void PlugRubber() {
  ServicesAbove.EraseRubberBand = EraseRubberIfShown;
  RegisterRedrawHook(ForgetShownPreviews);
}
const ModuleRegistrar Registered({"Rubber", FloorView, ResetRubber, {}, PlugRubber});
}  // namespace

}  // namespace lintavo
