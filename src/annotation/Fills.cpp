// Fills: solid fills inside boundaries and filled boxes.
#include "annotation/Fills.h"

#include "app/DrawDispatch.h"
#include "platform/Surface.h"
#include "view/SurfaceDraw.h"

namespace lintavo {

Integer FillCmdActive = 0;
Integer ShowFills = FlagTrue;
String CurFillLayer;
Integer CurFillPattern = 0;
Long CurFillColor = 0;
Integer GradientFill = 0;
Long GradientColor = 0;
Integer FillUseBoundaryLayer = 0;

void FillObjectArea(Long ObjNo) {
  (void)ObjNo;  // area boundaries are not built yet
}

void FillQuad(Double X1, Double Y1, Double X2, Double Y2, Double X3, Double Y3, Double X4, Double Y4,
              Long Colour) {
  if (!ShowFills || BeyondViewSide(X1, Y1, X3, Y3)) return;
  GdiPts[1] = WorldToGdi(X1, Y1);
  GdiPts[2] = WorldToGdi(X2, Y2);
  GdiPts[3] = WorldToGdi(X3, Y3);
  GdiPts[4] = WorldToGdi(X4, Y4);
  if (EraseDraw) Colour = DwgBackColor;
  SetForeColor(Colour);
  SetDrawWidth(1);
  GdiPolygon(vbFSSolid, Colour, 4);
}

void ResetFills() {
  FillCmdActive = 0;
  ShowFills = FlagTrue;
  CurFillLayer.clear();
  CurFillPattern = 0;
  CurFillColor = 0;
  GradientFill = 0;
  GradientColor = 0;
  FillUseBoundaryLayer = 0;
}

}  // namespace lintavo
