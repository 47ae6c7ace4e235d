// FastDraw: drawing simple entities whose visibility is already decided.
#include "view/FastDraw.h"

#include "app/DataHand.h"
#include "app/DrawDispatch.h"
#include "picking/Selection.h"
#include "view/ObjectDrawers.h"
#include "view/SurfaceDraw.h"

namespace lintavo {

void FastDrawObject(Long ObjNo) {
  const ObjRec& obj = Objs[ObjNo];
  if (!obj.Show) return;
  SetObjectPen(obj);
  if (!EraseDraw && !obj.Selected && !DrawAsSelected) {
    if (GlyphColorOn)
      PenColor = GlyphColor;
    else if (MemberColorOn)
      PenColor = MemberColor;
    SetForeColor(PenColor);
  }
  LoadObjScrPts(ObjNo);
  if (obj.Rtype < FirstCompoundType) DrawObjByType(obj.Rtype);
  SetDrawWidth(1);
}

}  // namespace lintavo
