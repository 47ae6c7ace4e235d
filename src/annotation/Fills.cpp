// Fills: solid fills inside area boundaries.
//
// Sections:
//   State
//   The area's device polygon
//   Drawing
#include "annotation/Fills.h"

#include <algorithm>

#include "annotation/Boundaries.h"
#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "platform/Numbers.h"
#include "view/DisplayOptions.h"
#include "view/DrawDispatch.h"
#include "view/Outline.h"
#include "view/SurfaceDraw.h"

namespace lintavo {

// ---- State ---------------------------------------------------------------------------------

Integer FillCmdActive = 0;
String CurFillLayer;
Integer CurFillPattern = 0;
Long CurFillColor = 0;
Integer GradientFill = 0;
Long GradientColor = 0;
Integer FillUseBoundaryLayer = 0;
Double FillOriginX = 0, FillOriginY = 0;
Integer GdiPtsCount = 0;

// ---- The area's device polygon --------------------------------------------------------------

namespace {

constexpr Integer ScrPtsSpare = 100;  // room grown beyond a large boundary

// Whole view pixels of a world point, clamped first (ViewCache.h): the box
// adds a row to them.
Long PixelX(Double X) { return RoundToLong(ViewPixelX(X)); }
Long PixelY(Double Y) { return RoundToLong(ViewPixelY(Y)); }

// The whole view pixel of a boundary point, not clamped: the polygon is cut
// to the guard box whole before it becomes device pixels.
ClipPoint BoundaryPixel(Double X, Double Y) {
  return {RoundHalfEven(UnclampedPixelX(X)), RoundHalfEven(UnclampedPixelY(Y))};
}

}  // namespace

bool BuildAreaPolygon(Long Item) {
  if (Item < 1 || Item > ItemCount || Items[Item].Rtype != ItemArea) return false;
  const ItemRec& area = Items[Item];
  const Double x1 = area.Xmin + FillOriginX, y1 = area.Ymin + FillOriginY;
  const Double x2 = area.Xmax + FillOriginX, y2 = area.Ymax + FillOriginY;
  if ((x1 < ViewWinMinX && x2 < ViewWinMinX) || (y1 < ViewWinMinY && y2 < ViewWinMinY) ||
      (x1 > ViewWinMaxX && x2 > ViewWinMaxX) || (y1 > ViewWinMaxY && y2 > ViewWinMaxY))
    return false;
  BoundaryBox = {PixelX(x1), PixelY(y1), PixelX(x2), PixelY(y2) + 1};
  if (area.Nlines < 1) return false;
  const Long poly = AreaBoundary(Item);
  if (poly == 0) return false;
  const ObjRec& obj = Objs[poly];
  if (obj.NPoints > ScrPtsMax)
    ResizeScrPts(static_cast<Integer>(std::min<Long>(Long{obj.NPoints} + ScrPtsSpare, MaxScrPts)));
  GdiPtsCount = obj.NPoints;
  for (Long k = 1; k <= obj.NPoints; ++k) {
    const PntRec& p = Pnts[obj.PointID + k - 1];
    ViewPts[static_cast<size_t>(k)] = BoundaryPixel(p.X + FillOriginX, p.Y + FillOriginY);
  }
  return true;
}

// ---- Drawing -------------------------------------------------------------------------------

void FillObjectArea(Long ObjNo) {
  if (OutlineOn || !ShowFills || ObjNo < 1 || ObjNo > ObjCount) return;
  const ObjRec& obj = Objs[ObjNo];
  FillOriginX = FillOriginY = 0;
  const Long colour = EraseDraw ? DwgBackColor : obj.Color;
  if (BuildAreaPolygon(obj.ObjectID)) ViewPolygon(obj.Ltype, colour, GdiPtsCount);
}

void FillAreaItem(Long Item) {
  if (!ShowFills || CurFillColor == DwgBackColor || Item < 1 || Item > ItemCount) return;
  FillOriginX = Items[Item].Xorigin;
  FillOriginY = Items[Item].Yorigin;
  if (BuildAreaPolygon(Item)) ViewPolygon(CurFillPattern, CurFillColor, GdiPtsCount);
}

void ResetFills() {
  FillCmdActive = 0;
  CurFillLayer.clear();
  CurFillPattern = 0;
  CurFillColor = 0;
  GradientFill = 0;
  GradientColor = 0;
  FillUseBoundaryLayer = 0;
  FillOriginX = FillOriginY = 0;
  GdiPtsCount = 0;
}

namespace {
// Fills draw themselves when the dispatcher meets a Fill entity; tool 5 has
// a flag and no dispatcher.
void PlugFills() { FillDrawer = FillObjectArea; }
const ModuleRegistrar Registered({"Fills", FloorAnnotation, ResetFills, {ToolFills, &FillCmdActive}, PlugFills});
}  // namespace

}  // namespace lintavo
