// ChooserPreview: the picture box of an item chooser as the drawing target.
#include "organisation/ChooserPreview.h"

#include <cmath>

#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/ItemMembers.h"
#include "model/LayerItems.h"
#include "model/TargetBorrow.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "platform/Numbers.h"
#include "platform/Surface.h"
#include "view/DisplayOptions.h"
#include "view/DrawDispatch.h"
#include "view/Zooms.h"

namespace lintavo {

// ---- Opening ------------------------------------------------------------------

void InitPreviewSurface(TargetBorrow& Session, Surface& Picture, Long Width, Long Height) {
  Session.Borrow(Picture);
  ViewPixMinX = ViewPixMinY = 0;
  ViewPixMaxX = Width;
  ViewPixMaxY = Height;
  ViewWinMinX = ViewWinMinY = 0;
  ViewWinMaxX = Width / PixelsPerUnit;
  ViewWinMaxY = Height / PixelsPerUnit;
  ViewScaleX = ViewScaleY = PixelsPerUnit;
  ViewBaseX = ViewBaseY = 0;
  ViewZoom = 1;
}

// ---- The preview window ---------------------------------------------------------------------

namespace {

Double PreviewedWidth = 0, PreviewedHeight = 0;  // world units: what SetPreviewWindow last previewed

// The window a preview takes for a box that holds no figure: from the box's
// lower corner (the origin for an inside-out box, which has no corner) to
// the upper corner Corner names. The first drawing's extents give that
// corner only when they are a box with a width and a height whose upper
// corner lies above and right of the lower one; otherwise (a new drawing,
// or one measured with nothing shown) the default sheet's does.
ViewWindowRect NothingWindow(const ViewWindowRect& Box, PreviewCorner Corner) {
  ViewWindowRect window{0, 0, 0, 0};
  if (!IsInsideOut(Box)) {
    window.MinX = Box.MinX;
    window.MinY = Box.MinY;
  }
  const DwgRec& one = Dwgs[1];
  const ViewWindowRect extents{one.Xmin, one.Ymin, one.Xmax, one.Ymax};
  const bool fromDrawing = Corner == PreviewCorner::DrawingOne && HasWidthAndHeight(extents) &&
                           one.Xmax > window.MinX && one.Ymax > window.MinY;
  window.MaxX = fromDrawing ? one.Xmax : Double{DefDwgWidth};
  window.MaxY = fromDrawing ? one.Ymax : Double{DefDwgHeight};
  return window;
}

}  // namespace

bool SetPreviewWindow(const ItemRec& Item, PreviewCorner Corner) {
  const Double x = ToSingle(Item.Xorigin), y = ToSingle(Item.Yorigin);
  ViewWindowRect box{Item.Xmin + x, Item.Ymin + y, Item.Xmax + x, Item.Ymax + y};
  const bool figure = ItemHoldsFigure(Item);
  if (!figure && !HasWidthAndHeight(box)) box = NothingWindow(box, Corner);
  PreviewedWidth = std::fabs(box.MaxX - box.MinX);
  PreviewedHeight = std::fabs(box.MaxY - box.MinY);
  if (figure)
    SizeFigureBox(box, static_cast<Double>(ViewPixMaxX - ViewPixMinX), static_cast<Double>(ViewPixMaxY - ViewPixMinY),
                  PixelsPerUnit);
  ViewWinMinX = box.MinX;
  ViewWinMinY = box.MinY;
  ViewWinMaxX = box.MaxX;
  ViewWinMaxY = box.MaxY;
  return HasWidthAndHeight(box);
}

void FitPreviewToView() {
  const Double width = ViewWinMaxX - ViewWinMinX, height = ViewWinMaxY - ViewWinMinY;
  // An empty layer has no extents: no scale fits it, the view stays as it is.
  if (!(width > 0) || !(height > 0) || !std::isfinite(width) || !std::isfinite(height)) return;
  const Integer w = static_cast<Integer>(ViewPixMaxX - ViewPixMinX);
  const Integer h = static_cast<Integer>(ViewPixMaxY - ViewPixMinY);
  const Single sx = ToSingle((w / PixelsPerUnit) / width);
  const Single sy = ToSingle((h / PixelsPerUnit) / height);
  ViewZoom = sx < sy ? sx : sy;
  ViewScaleX = ViewScaleY = ViewZoom * PixelsPerUnit;
  const Double cx = (ViewWinMinX + ViewWinMaxX) / 2, cy = (ViewWinMinY + ViewWinMaxY) / 2;
  ViewBaseX = ToSingle(w / 2.0 + ViewPixMinX - ViewScaleX * cx);
  ViewBaseY = ToSingle(h / 2.0 + ViewPixMinY - ViewScaleY * cy);
}

void WidenPreviewWindow() {
  const Double dx = (ViewWinMaxX - ViewWinMinX) / 10, dy = (ViewWinMaxY - ViewWinMinY) / 10;
  ViewWinMinX -= dx;
  ViewWinMaxX += dx;
  ViewWinMinY -= dy;
  ViewWinMaxY += dy;
}

Double PreviewWidth() { return PreviewedWidth; }
Double PreviewHeight() { return PreviewedHeight; }

// ---- Drawing ----------------------------------------------------------------------------------

void DrawLayerPreview(Long Layer) {
  if (Layer < 1 || Layer > ItemCount) return;
  ItemRec& item = Items[Layer];
  const Integer savedShow = item.Show;
  item.Show = FlagTrue;
  PreviewLayer = Layer;
  PreviewAllLayers = FlagFalse;
  ShowRefPnts = FlagFalse;
  const Long last = ObjCount;
  for (Long i = 1; i <= last; ++i) {
    const ObjRec& obj = Objs[i];
    if (obj.DwgNo == CurDwg && obj.LayerID == Layer && !obj.Erased) DrawObject(i);
  }
  item.Show = savedShow;
}

void DrawOwnedPreview(Long Owner) {
  if (!(ViewWinMaxX > ViewWinMinX) || !(ViewWinMaxY > ViewWinMinY)) return;
  PreviewAllLayers = FlagTrue;
  const Long last = ObjCount;
  // Every object, or the owner's members only (asked anew after each, as a
  // member may load the component it shows).
  for (Long i = Owner == 0 ? 1 : NextMember(Owner, 0); i != 0 && i <= last;
       i = Owner == 0 ? i + 1 : NextMember(Owner, i)) {
    const ObjRec& obj = Objs[i];
    if (obj.DwgNo == CurDwg && obj.Show && !obj.Erased) DrawObject(i);
  }
  PreviewAllLayers = FlagFalse;
}

}  // namespace lintavo
