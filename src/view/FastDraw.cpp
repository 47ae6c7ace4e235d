// FastDraw: drawing simple entities whose visibility is already decided.
//
// Sections:
//   Helpers
//   Entries
//   World wrappers in single precision
//   Drawers by type
#include "view/FastDraw.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "platform/Numbers.h"
#include "platform/Surface.h"
#include "view/DisplayOptions.h"
#include "view/DrawDispatch.h"
#include "view/ObjectDrawers.h"
#include "view/SurfaceDraw.h"
#include "view/Zooms.h"

namespace lintavo {

namespace {

// ---- Helpers -------------------------------------------------------------------------

const WorldXY& P(int i) { return ScrPts[i]; }
Single S(Double value) { return static_cast<Single>(value); }

// View pixels of a world point, worked in single precision: unclamped for
// the ends of a line, which the line primitive cuts to the guard box, and
// clamped as the view cache clamps a point drawn alone.
Single UnclampedX(Single X) { return X * ViewScaleX + ViewBaseX; }
Single UnclampedY(Single Y) { return Y * ViewScaleY + ViewBaseY; }
Single PixelX(Single X) { return static_cast<Single>(ClampPixel(UnclampedX(X))); }
Single PixelY(Single Y) { return static_cast<Single>(ClampPixel(UnclampedY(Y))); }

// The fast wrappers as outputs of the shared constructions.
void LineOutput(Double X1, Double Y1, Double X2, Double Y2) { FastWorldLine(S(X1), S(Y1), S(X2), S(Y2)); }
void EllipseOutput(Double X, Double Y, Double RX, Double RY) { FastWorldCircleEllipse(S(X), S(Y), S(RX), S(RY)); }
void EllipticArcOutput(Double X, Double Y, Double RX, Double RY, Double Start, Double End) {
  FastWorldCircleEllipticArc(S(X), S(Y), S(RX), S(RY), S(Start), S(End));
}
const ShapeOutput FastShapes = {LineOutput, EllipseOutput, EllipticArcOutput};

// The pen variables of the entity being drawn, kept while a member of it
// draws and given back after: a plain copy, no allocation.
class KeptPen {
 public:
  KeptPen()
      : color_(PenColor), style_(PenStyle), widthFactor_(PenWidthFactor), weight_(PenWeight),
        pntCount_(PenPntCount) {}
  ~KeptPen() {
    PenColor = color_;
    PenStyle = style_;
    PenWidthFactor = widthFactor_;
    PenWeight = weight_;
    PenPntCount = pntCount_;
  }
  KeptPen(const KeptPen&) = delete;
  KeptPen& operator=(const KeptPen&) = delete;

 private:
  Long color_;
  Integer style_;
  Single widthFactor_;
  Integer weight_;
  Integer pntCount_;
};

// The colour rules of an entity drawn inside a compound; first match wins.
void ChooseMemberColor(const ObjRec& obj) {
  if (EraseDraw) {
    PenColor = DwgBackColor;
  } else if (ShowsAsSelected(obj.Selected)) {
    PenColor = SelectedLineColor;
    SetDrawStyle(SelectedLineType);
  } else if (GlyphColorOn) {
    PenColor = GlyphColor;
  } else if (MemberColorOn) {
    PenColor = MemberColor;
  }
}

// ScrPts(1..n) rounded to single precision, the precision the drawers work in.
void RoundScrPts(int n) {
  for (int i = 1; i <= n; ++i) {
    ScrPts[i].X = S(ScrPts[i].X);
    ScrPts[i].Y = S(ScrPts[i].Y);
  }
}

// GdiPts(1..n) := ScrPts(1..n) as device pixels.
void LoadGdiPoints(int n) {
  for (int i = 1; i <= n; ++i) GdiPts[i] = WorldToGdi(P(i).X, P(i).Y);
}

void DrawByType(Integer Rtype) {
  switch (Rtype) {
    case EntityPoint: FastDrawPoint(); break;
    case EntityLine: FastDrawLine(); break;
    case EntityCircle: FastDrawCircle(); break;
    case EntityArc: FastDrawArc(); break;
    case EntityEllipticArc: FastDrawEllipticArc(); break;
    case EntityEllipse: FastDrawEllipse(); break;
    case EntitySpline: FastDrawSpline(); break;
    case EntityBezier: FastDrawBezier(); break;
    case EntityContBezier: FastDrawContBezier(); break;
    case EntityPolyline: FastDrawPolyline(); break;
    case EntityPolygon: FastDrawPolygon(); break;
    default: break;
  }
}

}  // namespace

// ---- Entries ---------------------------------------------------------------------------

void FastDrawObject(Long ObjNo) {
  const ObjRec& obj = Objs[ObjNo];
  if (!obj.Show) return;
  const KeptPen enclosing;
  LoadObjectPen(obj);
  ChooseMemberColor(obj);
  SetForeColor(PenColor);
  SetDrawMode(XorDraw ? vbNotXorPen : vbCopyPen);
  LoadObjScrPts(ObjNo);
  if (obj.Rtype < FirstCompoundType) {
    RoundScrPts(std::min<int>(PenPntCount, ScrPtsMax));
    DrawByType(obj.Rtype);
  }
  SetDrawWidth(1);
}

void FastDrawLoadedObject() {
  LoadObjectPen(LoadObj);
  SetForeColor(PenColor);
  SetDrawMode(vbCopyPen);
  const int n = std::clamp<int>(PenPntCount, 0, LoadPntsMax);
  if (n > ScrPtsMax) {
    // The bound is 16-bit: it stops at the largest Integer.
    const Long bound = std::min<Long>(Long{n} + 200 + ScrPtsMax, std::numeric_limits<Integer>::max());
    ResizeScrPts(static_cast<Integer>(bound));
  }
  for (int i = 1; i <= n; ++i) {
    ScrPts[i].X = S(LoadPnts[i].X);
    ScrPts[i].Y = S(LoadPnts[i].Y);
  }
  DrawByType(LoadObj.Rtype);
}

// ---- World wrappers in single precision ------------------------------------------------

void FastWorldPoint(Single X, Single Y) { DrawPSet(PixelX(X), PixelY(Y)); }

void FastWorldLine(Single X1, Single Y1, Single X2, Single Y2) {
  GdiLine(UnclampedX(X1), UnclampedY(Y1), UnclampedX(X2), UnclampedY(Y2));
}

namespace {
// A circle or arc reaching far beyond the surface goes to the world
// wrappers, which walk only its part near the surface.
bool FarBeyondSurface(Single x, Single y, Single r) {
  return ActiveDoc->CurveLeavesSafeArea(x, static_cast<Double>(ViewPixMaxY) - y, r, r);
}
}  // namespace

void FastWorldCircle(Single X, Single Y, Single R) {
  const Single x = PixelX(X), y = PixelY(Y), r = std::fabs(R * ViewScaleX);
  if (FarBeyondSurface(x, y, r)) return WorldCircle(X, Y, R);
  GdiCircle(x, y, r);
}

void FastWorldCircleArc(Single X, Single Y, Single R, Single Start, Single End) {
  const Single x = PixelX(X), y = PixelY(Y), r = std::fabs(R * ViewScaleX);
  if (FarBeyondSurface(x, y, r)) return WorldCircleArc(X, Y, R, Start, End);
  SurfaceArc(x, y, r, Start, End);
}

// The ellipses take the surface's radius-and-aspect form from the world
// wrappers; only their centre and radii arrive in single precision.
void FastWorldCircleEllipse(Single X, Single Y, Single RX, Single RY) { WorldCircleEllipse(X, Y, RX, RY); }

void FastWorldCircleEllipticArc(Single X, Single Y, Single RX, Single RY, Single Start, Single End) {
  WorldCircleEllipticArc(X, Y, RX, RY, Start, End);
}

// ---- Drawers by type -------------------------------------------------------------------

void FastDrawPoint() {
  if (ShowStdPnts)
    DrawStdPntMark(P(1).X, P(1).Y);  // the mark makes its own window test
  else
    FastWorldPoint(S(P(1).X), S(P(1).Y));
}

void FastDrawLine() {
  if (PenWidthFactor == 0)
    FastWorldLine(S(P(1).X), S(P(1).Y), S(P(2).X), S(P(2).Y));
  else
    FastDrawWideLine();
}

void FastDrawWideLine() {
  LoadBandCorners(PenWidthFactor);
  Integer style = 0;
  Long color = 0;
  BandFill(style, color);
  SetDrawStyle(vbSolid);
  SetForeColor(PenColor);
  ViewPolygon(style, color, 4);
}

void FastDrawCircle() {
  const Single r = S(std::hypot(P(2).X - P(1).X, P(2).Y - P(1).Y));
  if (r != 0) FastWorldCircle(S(P(1).X), S(P(1).Y), r);
}

void FastDrawArc() {
  const WorldXY& c = P(1);
  const Single r = S(std::hypot(P(2).X - c.X, P(2).Y - c.Y));
  if (r == 0) return;
  Single start = 0, end = 0;
  ArcDrawnAngles(c.X, c.Y, P(2).X, P(2).Y, P(3).X, P(3).Y, P(4).X, P(4).Y, start, end);
  FastWorldCircleArc(S(c.X), S(c.Y), r, start, end);
}

void FastDrawEllipticArc() { EllipticArcShape(FastShapes); }

void FastDrawEllipse() { EllipseShape(FastShapes); }

void FastDrawSpline() { SplineShape(PenPntCount, false, FastShapes); }

void FastDrawBezier() {
  LoadGdiPoints(4);
  PolyBezier(ActiveDoc->hDC(), &GdiPts[1], 4);
}

void FastDrawContBezier() {
  // Whole segments only: a segment needs its three points after Pi.
  for (int i = 1; i + 3 <= PenPntCount; i += 3) {
    for (int k = 0; k < 4; ++k) GdiPts[1 + k] = WorldToGdi(P(i + k).X, P(i + k).Y);
    PolyBezier(ActiveDoc->hDC(), &GdiPts[1], 4);
  }
}

void FastDrawPolyline() {
  const int n = std::min<int>(PenPntCount, ScrPtsMax);
  if (n < 1) return;
  LoadViewPts(n);
  ViewPolyline(n);
}

void FastDrawPolygon() {
  const int n = std::min<int>(PenPntCount, ScrPtsMax);
  if (n < 1) return;
  LoadViewPts(n);
  Integer style = 0;
  Long color = 0;
  BandFill(style, color);
  SetDrawStyle(vbSolid);
  ViewPolygon(style, color, n);
}

}  // namespace lintavo
