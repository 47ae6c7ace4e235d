// Zooms: the view transform, the view cache, the previous view, the drawing
// extents and the full redraw.
//
// Sections:
//   Module state
//   Zoom command end
//   View set-up and fitting
//   Figures without width or height
//   Previous view
//   Extents
//   Redraw and its read-outs
//   Drag pan
//   Images kept on the surface
//   Reset
#include "view/Zooms.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include <utility>
#include <vector>

#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/Geometry.h"
#include "model/LayerItems.h"
#include "model/MainWindowLink.h"
#include "model/MessageBar.h"
#include "model/ObjIndex.h"
#include "model/ProgramState.h"
#include "model/ServicesAbove.h"
#include "model/SnapSettings.h"
#include "model/Top.h"
#include "model/Units.h"
#include "platform/Numbers.h"
#include "platform/Pointers.h"
#include "platform/Surface.h"
#include "view/DisplayOptions.h"
#include "view/DrawDispatch.h"
#include "view/Grids.h"
#include "view/ObjectDrawers.h"
#include "view/SurfaceDraw.h"

namespace lintavo {

// ---- Module state ------------------------------------------------------------------

Integer ZoomCommand = 0;
Integer ZoomActive = 0;

constexpr Single StartPixelsPerUnit = 96;  // the usual screen until a window measures its own
Single PixelsPerUnit = StartPixelsPerUnit;

ViewWindowRect PrevViewWindow;
Double ViewCenterX = 0, ViewCenterY = 0;
Double DragLastX = 0, DragLastY = 0;

namespace {

// The mouse pointer of the active drawing window; nothing for other surfaces.
void SetDocPointer(int pointer) {
  if (DrawingWindow* window = ActiveDocForm()) window->SetMousePointer(pointer);
}

// The routines of modules above that keep an image on the surface: those
// called after the clear, and those called once the picture is drawn.
std::vector<void (*)()>& RedrawHooks() {
  static std::vector<void (*)()> hooks;
  return hooks;
}
std::vector<void (*)()>& RedrawDoneHooks() {
  static std::vector<void (*)()> hooks;
  return hooks;
}

}  // namespace

// ---- Zoom command end ------------------------------------------------------------

void EndZoomCommand() {
  ClearPrompts();
  EndCommand(ZoomActive);
  SetDocPointer(vbCrosshair);
}

// ---- View set-up and fitting -------------------------------------------------------

void InitView(DrawingWindow& window) {
  Surface& surface = window.DrawingSurface();
  ActiveDoc = &surface;
  CurDwg = static_cast<Integer>(window.ID);
  surface.ScaleMode = vbInches;
  window.ScreenY = ToSingle(surface.ScaleHeight());
  window.ScreenX = ToSingle(surface.ScaleWidth());
  surface.ScaleMode = vbPixels;
  window.MeasureDrawingArea();
  // A window without an area yet has no width to measure the inch by; the
  // screen's own pixels per inch stand in.
  if (window.View_Maxx >= 1 && window.ScreenX > 0)
    PixelsPerUnit = ToSingle(RoundHalfEven(window.View_Maxx / static_cast<Double>(window.ScreenX)));
  else
    PixelsPerUnit = ToSingle(RoundHalfEven(surface.DeviceDpi()));
  window.XVmin = window.YVmin = 0;
  window.XVmax = window.View_Maxx / static_cast<Double>(PixelsPerUnit);
  window.YVmax = window.View_Maxy / static_cast<Double>(PixelsPerUnit);
  window.View_Scale = 1;
  PickTolerance = SnapTolerance / 1;
  window.VbaseX = window.Vbasey = 0;
  window.XVscale = window.YVscale = PixelsPerUnit;
}

void ApplyViewScale() {
  DrawingWindow* window = ActiveDocForm();
  if (!window) return;
  window->XVscale = window->YVscale = window->View_Scale * PixelsPerUnit;
  // The centre pixel is whole: halves of an odd size round to even.
  const Long halfW = RoundToLong((window->View_Maxx - window->View_MinX) / 2.0);
  const Long halfH = RoundToLong((window->View_Maxy - window->View_Miny) / 2.0);
  window->VbaseX = ToSingle(window->View_MinX + halfW - window->XVscale * ViewCenterX);
  window->Vbasey = ToSingle(window->View_Miny + halfH - window->YVscale * ViewCenterY);
}

void UpdateWorldWindow() {
  if (DrawingWindow* window = ActiveDocForm()) UpdateWorldWindow(*window);
}

void UpdateWorldWindow(DrawingWindow& Window) {
  Window.XVmin = (Window.View_MinX - Window.VbaseX) / Window.XVscale;
  Window.YVmin = (Window.View_Miny - Window.Vbasey) / Window.YVscale;
  Window.XVmax = (Window.View_Maxx - Window.VbaseX) / Window.XVscale;
  Window.YVmax = (Window.View_Maxy - Window.Vbasey) / Window.YVscale;
}

namespace {

// A value the view keeps in single precision: finite, and nonzero ones normal.
bool FitsSingle(Double value) {
  const Double magnitude = std::fabs(value);
  return magnitude <= std::numeric_limits<Single>::max() &&
         (magnitude == 0 || magnitude >= std::numeric_limits<Single>::min());
}

// The world window shown by the window's present scale and origin, when
// they show one; a window whose view was never set keeps its world window.
void KeepShownWorldWindow(DrawingWindow& window) {
  if (window.XVscale > 0 && std::isfinite(window.XVscale) && window.YVscale > 0 && std::isfinite(window.YVscale))
    UpdateWorldWindow();
}

}  // namespace

bool IsShowableView(const DrawingWindow& window, Double viewScale, Double centreX, Double centreY) {
  const Double pixelsPerUnit = viewScale * PixelsPerUnit;
  if (!(pixelsPerUnit > 0) || !FitsSingle(pixelsPerUnit)) return false;
  const Double width = window.View_Maxx - window.View_MinX, height = window.View_Maxy - window.View_Miny;
  const Double baseX = window.View_MinX + width / 2 - pixelsPerUnit * centreX;
  const Double baseY = window.View_Miny + height / 2 - pixelsPerUnit * centreY;
  if (!FitsSingle(baseX) || !FitsSingle(baseY)) return false;
  // The world window the view shows, from the origin as it is kept.
  const Double minX = (window.View_MinX - ToSingle(baseX)) / pixelsPerUnit;
  const Double maxX = (window.View_Maxx - ToSingle(baseX)) / pixelsPerUnit;
  const Double minY = (window.View_Miny - ToSingle(baseY)) / pixelsPerUnit;
  const Double maxY = (window.View_Maxy - ToSingle(baseY)) / pixelsPerUnit;
  return std::isfinite(minX) && std::isfinite(maxX) && std::isfinite(minY) && std::isfinite(maxY) && maxX > minX &&
         maxY > minY;
}

bool FitViewToWindow() {
  DrawingWindow* window = ActiveDocForm();
  if (!window) return false;
  const Long width = RoundToLong(window->View_Maxx - window->View_MinX);
  const Long height = RoundToLong(window->View_Maxy - window->View_Miny);
  const Single widthIn = width / PixelsPerUnit;
  const Single heightIn = height / PixelsPerUnit;
  const Double dX = window->XVmax - window->XVmin;
  const Double dY = window->YVmax - window->YVmin;
  const Double scale = std::min(widthIn / dX, heightIn / dY);
  const Double centreX = window->XVmin / 2 + window->XVmax / 2;  // halves: the sum may pass the largest real
  const Double centreY = window->YVmin / 2 + window->YVmax / 2;
  // A window whose max lies below its min would give a negative scale: a
  // mirrored view. It is refused like an empty one.
  if (width <= 0 || height <= 0 || !(dX > 0) || !(dY > 0) || !IsShowableView(*window, scale, centreX, centreY)) {
    KeepShownWorldWindow(*window);
    ShowStatus(MessageViewRefused, 3);
    return false;
  }
  window->View_Scale = scale;
  ViewCenterX = centreX;
  ViewCenterY = centreY;
  window->XVscale = window->YVscale = window->View_Scale * PixelsPerUnit;
  window->VbaseX = ToSingle(window->View_MinX + width / 2.0 - window->XVscale * ViewCenterX);
  window->Vbasey = ToSingle(window->View_Miny + height / 2.0 - window->YVscale * ViewCenterY);
  // The world window becomes all the area shows, the padding beside the
  // rectangle included: the redraw, the fills, the grid and the print cull
  // by it, and would leave out what lies there.
  UpdateWorldWindow(*window);
  LoadViewCache();
  return true;
}

// ---- Figures without width or height -----------------------------------------------

bool IsInsideOut(const ViewWindowRect& Box) { return !(Box.MaxX >= Box.MinX) || !(Box.MaxY >= Box.MinY); }

bool HasWidthAndHeight(const ViewWindowRect& Box) { return Box.MaxX > Box.MinX && Box.MaxY > Box.MinY; }

bool HoldsFigure(const ViewWindowRect& Box, Long Members) {
  if (IsInsideOut(Box)) return false;
  return Box.MaxX > Box.MinX || Box.MaxY > Box.MinY || Members > 0;
}

bool ItemHoldsFigure(const ItemRec& Item) {
  if (Item.Rtype != ItemGroup && Item.Rtype != ItemLayer && Item.Rtype != ItemComponent) return false;
  return HoldsFigure(ViewWindowRect{Item.Xmin, Item.Ymin, Item.Xmax, Item.Ymax}, Item.Nlines);
}

void SizeFigureBox(ViewWindowRect& Box, Double Wide, Double High, Double PixelsPerWorldUnit) {
  const Double dX = Box.MaxX - Box.MinX, dY = Box.MaxY - Box.MinY;
  if ((dX > 0 && dY > 0) || !(Wide > 0) || !(High > 0)) return;
  Double halfX = 0, halfY = 0;
  if (dX > 0) {
    halfX = dX / 2;
    halfY = halfX / Wide * High;
  } else if (dY > 0) {
    halfY = dY / 2;
    halfX = halfY / High * Wide;
  } else {
    halfX = Wide / 2 / PixelsPerWorldUnit;
    halfY = High / 2 / PixelsPerWorldUnit;
  }
  // Halves: the sum of the ends may pass the largest real.
  const Double centreX = Box.MinX / 2 + Box.MaxX / 2, centreY = Box.MinY / 2 + Box.MaxY / 2;
  Box = ViewWindowRect{centreX - halfX, centreY - halfY, centreX + halfX, centreY + halfY};
}

void SizeFigureBoxForWindow(ViewWindowRect& Box) {
  const DrawingWindow* window = ActiveDocForm();
  if (!window) return;
  SizeFigureBox(Box, static_cast<Double>(window->View_Maxx - window->View_MinX),
                static_cast<Double>(window->View_Maxy - window->View_Miny), window->XVscale);
}

bool FitViewToBox(const ViewWindowRect& Box) {
  DrawingWindow* window = ActiveDocForm();
  if (!window) return false;
  window->XVmin = Box.MinX;
  window->YVmin = Box.MinY;
  window->XVmax = Box.MaxX;
  window->YVmax = Box.MaxY;
  return FitViewToWindow();
}

// ---- Previous view -----------------------------------------------------------------

void SaveViewWindow() {
  const DrawingWindow* window = ActiveDocForm();
  if (!window) return;
  PrevViewWindow = ViewWindowRect{window->XVmin, window->YVmin, window->XVmax, window->YVmax};
}

void RestoreViewWindow() {
  DrawingWindow* window = ActiveDocForm();
  if (!window) return;
  std::swap(window->XVmin, PrevViewWindow.MinX);
  std::swap(window->YVmin, PrevViewWindow.MinY);
  std::swap(window->XVmax, PrevViewWindow.MaxX);
  std::swap(window->YVmax, PrevViewWindow.MaxY);
  FitViewToWindow();
  RedrawView();
}

// ---- Extents -----------------------------------------------------------------------

namespace {

constexpr Double ExtentSentinel = 100000;  // the box of a drawing without a point
// An empty box, inside out: the first point widened into it becomes the box.
constexpr Double EmptyBoxMin = std::numeric_limits<Double>::max();
constexpr Double EmptyBoxMax = std::numeric_limits<Double>::lowest();
constexpr Double MarginShare = 100;  // the margin is 1/100 of the size on each side

template <typename Record>
bool BoxIsEmpty(const Record& record) {
  return record.Xmin > record.Xmax || record.Ymin > record.Ymax;
}

// Widens min..max by 1/100 of its size on each side without leaving the
// finite reals: the size is taken as the difference of the shares (the
// difference itself can pass the largest real), and the ends stop at the
// largest real.
void AddMargin(Double& min, Double& max) {
  const Double margin = max / MarginShare - min / MarginShare;
  min = std::max(min - margin, std::numeric_limits<Double>::lowest());
  max = std::min(max + margin, std::numeric_limits<Double>::max());
}

// Sets a record's box (a DwgRec or an ItemRec) to min..max on both axes.
template <typename Record>
void SetBox(Record& record, Double min, Double max) {
  record.Xmin = record.Ymin = min;
  record.Xmax = record.Ymax = max;
}

bool IsLayerOfCurrentDrawing(const ItemRec& item) {
  return item.Rtype == ItemLayer && item.DwgNo == CurDwg;
}

// An X and a Y side by side, taken and compared lane by lane.
using Pair = Double __attribute__((vector_size(2 * sizeof(Double))));

// A box of world extents held in locals.
struct LocalBox {
  Double Xmin = 0, Ymin = 0, Xmax = 0, Ymax = 0;
};

template <typename From, typename To>
void CopyBox(const From& from, To& to) {
  to.Xmin = from.Xmin;
  to.Ymin = from.Ymin;
  to.Xmax = from.Xmax;
  to.Ymax = from.Ymax;
}

// Each side of box moves out to the same side of own where own lies beyond
// it. Widening by the box of an entity's points side by side leaves the
// same values as widening by each point in turn (WidenBox): a side ends at
// the first value, in point order, of the farthest ones beyond it.
template <typename Box>
void WidenSides(Box& box, const LocalBox& own) {
  if (own.Xmin < box.Xmin) box.Xmin = own.Xmin;
  if (own.Ymin < box.Ymin) box.Ymin = own.Ymin;
  if (own.Xmax > box.Xmax) box.Xmax = own.Xmax;
  if (own.Ymax > box.Ymax) box.Ymax = own.Ymax;
}

// The box of the finite points taken one by one, as WidenBox takes them,
// X and Y side by side in one pair. A side moves only to a value beyond it,
// as WidenBox moves it (the lane-wise choice "p < min ? p : min" is the
// processor's min, zeros of either sign included). The box starts inside
// out, so the first finite point sets every side (one on the largest real
// leaves that side at the same value).
class PointsBox {
 public:
  void Take(Double X, Double Y) { Take(Pair{X, Y}); }
  void Take(Pair p) {
    // p - p is +0 in a lane whose value is finite, NaN otherwise.
    const Pair zero = p - p;
    if (zero[0] + zero[1] != 0) return;
    min_ = p < min_ ? p : min_;
    max_ = p > max_ ? p : max_;
  }
  bool Any() const { return min_[0] <= max_[0]; }
  LocalBox Box() const { return {min_[0], min_[1], max_[0], max_[1]}; }

 private:
  Pair min_{EmptyBoxMin, EmptyBoxMin};
  Pair max_{EmptyBoxMax, EmptyBoxMax};
};

// The boxes the extents pass widens, held in locals while simple entities
// are taken in: the current drawing's, and that of the layer met last. They
// are widened entity by entity in table order, as ExtendExtents widens the
// records point by point, and come out the same (WidenSides); they are put
// back into the records before a routine that widens the records itself
// runs (DrawCompound, DrawObject's routines), and read again after it.
class ExtentsBoxes {
 public:
  ExtentsBoxes() { Take(); }
  void Take() {
    CopyBox(Dwgs[CurDwg], drawing_);
    layer_ = 0;
    items_ = ItemCount;
  }
  void Put() {
    CopyBox(drawing_, Dwgs[CurDwg]);
    if (layer_ != 0) CopyBox(layerBox_, Items[layer_]);
    layer_ = 0;
  }
  // After a routine that widened the records itself: with Shown, both boxes
  // are read again; otherwise the drawing's box stays as it was put, so what
  // the routine added there is dropped at the next Put (an entity of a layer
  // not shown widens only its layer).
  void TakeAfter(bool Shown) {
    if (Shown) {
      Take();
      return;
    }
    layer_ = 0;
    items_ = ItemCount;
  }
  // ExtendExtents, with PenLayer = layer, at every point own was taken from;
  // the drawing's box only when the entity is Shown (its layer shows now).
  void Widen(Long layer, const LocalBox& own, bool Shown) {
    if (Shown) WidenSides(drawing_, own);
    // Item 0 is the blank entry of entities without a layer: it is never widened.
    if (layer < 1 || layer > items_) return;
    if (layer != layer_) {
      if (layer_ != 0) CopyBox(layerBox_, Items[layer_]);
      layer_ = layer;
      CopyBox(Items[layer], layerBox_);
    }
    WidenSides(layerBox_, own);
  }

 private:
  LocalBox drawing_;   // Dwgs(CurDwg)'s box
  LocalBox layerBox_;  // Items(layer_)'s box
  Long layer_ = 0;     // the layer whose box is held; 0 none
  Long items_ = 0;     // ItemCount when the boxes were taken
};

// One simple entity (types below the compounds) in the extents pass, as
// DrawObject takes it with drawing off, without setting the surface's pen:
// its points are loaded into ScrPts and widen the extents (an arc's centre
// excepted), and a circle or an arc adds its rim as it is drawn
// (WidenByRim); every other simple drawer draws nothing in this pass.
// An entity of more points than ScrPts holds takes DrawObject's own routines.
// Shown: its layer shows now, and the drawing's box takes it too.
void TakeSimpleIntoExtents(const ObjRec& obj, Long ObjNo, ExtentsBoxes& boxes, bool Shown) {
  const Long n = obj.NPoints;
  if (PlacementOn || n + 100 > ScrPtsMax) {
    boxes.Put();
    PenLayer = obj.LayerID;
    PenPntCount = obj.NPoints;
    LoadObjScrPts(ObjNo);
    if (obj.Rtype == EntityCircle) DrawObjCircle();
    if (obj.Rtype == EntityArc) DrawObjArc();
    boxes.TakeAfter(Shown);
    return;
  }
  const PntRec* points = Pnts.data() + obj.PointID;
  WorldXY* loaded = ScrPts.data();
  PointsBox own;
  const bool arc = obj.Rtype == EntityArc;
  for (Long k = 1; k <= n; ++k) {
    const PntRec& p = points[k - 1];
    // An arc's first point is its centre, which is not part of the arc.
    if (!(arc && k == 1)) own.Take(Pair{p.X, p.Y});
    loaded[k].X = p.X;
    loaded[k].Y = p.Y;
  }
  // The rim as DrawnRimPoints gives it, from the points just loaded.
  if (obj.Rtype == EntityCircle || obj.Rtype == EntityArc)
    WidenByRim(obj.Rtype, &loaded[1], [loaded] { return Distance(loaded[1], loaded[2]); },
               [&own](Double X, Double Y) { own.Take(X, Y); });
  if (own.Any()) boxes.Widen(obj.LayerID, own.Box(), Shown);
}

// One compound entity (a component, character, dimension, fill or hatch)
// in the extents pass, as DrawObject takes it with drawing off, without
// setting the surface's pen: its insertion point, loaded into ScrPts as
// LoadObjScrPts loads it, then its item's box through the placement
// (DrawCompound's extents branch) widen the boxes held in locals. A type past
// the hatch (a damaged row) has its insertion point only. Shown as above.
void TakeCompoundIntoExtents(const ObjRec& obj, Long ObjNo, ExtentsBoxes& boxes, bool Shown) {
  PenLayer = obj.LayerID;
  PenPntCount = obj.NPoints;
  const PntRec& p = Pnts[obj.PointID];
  ScrPts[1].X = p.X;
  ScrPts[1].Y = p.Y;
  PointsBox own;
  own.Take(p.X, p.Y);
  if (own.Any()) boxes.Widen(obj.LayerID, own.Box(), Shown);
  if (obj.Rtype > EntityHatch) return;
  // Finding a broken link's item may load it, which writes the records.
  boxes.Put();
  Double x[BoxCorners], y[BoxCorners];
  const bool linked = CompoundExtentsCorners(ObjNo, x, y);
  boxes.TakeAfter(Shown);
  if (!linked) return;
  PointsBox placed;
  for (int k = 0; k < BoxCorners; ++k) placed.Take(x[k], y[k]);
  if (placed.Any()) boxes.Widen(PenLayer, placed.Box(), Shown);  // as ExtendExtents, after what a load set
}

// Whether the layer of each entity shows, by layer, as IsObjLayerVisible
// answers while the extents pass runs (nothing in the pass changes a
// layer's flags or the window's current layer). Layers added during the
// pass, and links out of the table, are asked directly.
class LayerShows {
 public:
  LayerShows() : known_(static_cast<size_t>(std::max<Long>(ItemCount, 0)) + 1, Unknown) {}
  bool Of(Long ObjNo) {
    const Long layer = Objs[ObjNo].LayerID;
    if (layer < 0 || static_cast<size_t>(layer) >= known_.size()) return IsObjLayerVisible(ObjNo);
    signed char& known = known_[static_cast<size_t>(layer)];
    if (known == Unknown) known = IsObjLayerVisible(ObjNo) ? 1 : 0;
    return known == 1;
  }

 private:
  static constexpr signed char Unknown = -1;
  std::vector<signed char> known_;  // by Items index: -1 not asked yet, 0 hidden, 1 shown
};

// Draws every live object of the current drawing in an extents pass and
// counts each on its layer. Each object takes the road of its kind above;
// the pen is left as DrawObject would have left it.
// The drawing's box takes what the window shows now; each layer's box takes
// its own shown entities whether the layer shows or not, so that a layer
// hidden at the measure still has the box the chooser and Select Layer fit.
void ExtentsPassOverObjects() {
  const Long last = ObjCount;
  Long lastTaken = 0;  // the last entity taken in: the pen is left as DrawObject leaves it after that one
  ExtentsBoxes boxes;
  LayerShows shows;
  for (Long i = BaseObjCount + 1; i <= last; ++i) {
    const ObjRec& obj = Objs[i];
    if (obj.DwgNo != CurDwg || obj.Erased) continue;
    // An object without a layer (0) counts on no item: Items(0) stays blank.
    const Long layer = obj.LayerID;
    if (layer >= 1 && layer <= ItemCount) ++Items[layer].Nlines;
    // DrawObject's own skips: no surface, a hidden object; a hidden layer
    // is skipped for the drawing's box only.
    if (!ActiveDoc || !obj.Show) continue;
    const bool shown = PlacementOn || shows.Of(i);
    if (obj.Rtype >= FirstCompoundType) {
      TakeCompoundIntoExtents(obj, i, boxes, shown);
    } else {
      TakeSimpleIntoExtents(obj, i, boxes, shown);
    }
    if (shown) lastTaken = i;
  }
  boxes.Put();
  if (lastTaken != 0) {
    SetObjectPen(Objs[lastTaken]);
    SetDrawWidth(1);
  }
}

// The layers of each drawing (Items indexes, 0 the blank entry of entities
// without a layer) that showed when its extents were last measured: the
// drawing's box holds what they show, so it stands only while they are the
// ones that show.
std::array<std::vector<Long>, MaxDwgNo + 1> MeasuredLayersShown;

// The layers of the current drawing whose entities the active window shows
// now, in item order.
std::vector<Long> LayersShownNow() {
  std::vector<Long> shown;
  if (IsLayerVisible(0)) shown.push_back(0);
  const Long lastItem = ItemCount;
  for (Long i = BaseItemCount + 1; i <= lastItem; ++i)
    if (IsLayerOfCurrentDrawing(Items[i]) && IsLayerVisible(i)) shown.push_back(i);
  return shown;
}

}  // namespace

bool ExtentsNeedMeasure() {
  if (!IsOpenDrawingNumber(CurDwg)) return true;
  return Dwgs[CurDwg].ExtentsChanged || MeasuredLayersShown[static_cast<size_t>(CurDwg)] != LayersShownNow();
}

void ComputeDrawingExtents() {
  if (ObjCount <= BaseObjCount) return;
  SetDocPointer(vbHourglass);
  // The boxes start empty (inside out), so the first point sets them: a
  // drawing far from the origin keeps its own size.
  SetBox(Dwgs[CurDwg], EmptyBoxMin, EmptyBoxMax);
  const Long lastItem = ItemCount;
  for (Long i = BaseItemCount + 1; i <= lastItem; ++i) {
    if (!IsLayerOfCurrentDrawing(Items[i])) continue;
    Items[i].Nlines = 0;
    SetBox(Items[i], EmptyBoxMin, EmptyBoxMax);
  }

  ExtentsPass = FlagTrue;
  DrawEnabled = FlagFalse;
  ExtentsPassOverObjects();  // the drawing's count is kept where entities join or leave it
  for (Long i = BaseItemCount + 1; i <= lastItem; ++i) {
    if (!IsLayerOfCurrentDrawing(Items[i])) continue;
    if (Items[i].Nlines == 0) SetBox(Items[i], 0, 0);
    else if (BoxIsEmpty(Items[i])) SetBox(Items[i], ExtentSentinel, -ExtentSentinel);
  }
  ExtentsPass = FlagFalse;
  DrawEnabled = FlagTrue;
  Dwgs[CurDwg].ExtentsChanged = FlagFalse;  // this drawing's mark only: others keep theirs
  if (IsOpenDrawingNumber(CurDwg)) MeasuredLayersShown[static_cast<size_t>(CurDwg)] = LayersShownNow();

  DwgRec& dwg = Dwgs[CurDwg];
  // A drawing without a point keeps the sentinel box.
  if (BoxIsEmpty(dwg)) SetBox(dwg, ExtentSentinel, -ExtentSentinel);
  AddMargin(dwg.Xmin, dwg.Xmax);
  AddMargin(dwg.Ymin, dwg.Ymax);
  SetDocPointer(vbCrosshair);
}

bool FitViewToItemBox(Double Xmin, Double Ymin, Double Xmax, Double Ymax, bool Figure) {
  AddMargin(Xmin, Xmax);
  AddMargin(Ymin, Ymax);
  ViewWindowRect box{Xmin, Ymin, Xmax, Ymax};
  if (Figure) SizeFigureBoxForWindow(box);
  return FitViewToBox(box);
}

// ---- Redraw and its read-outs ------------------------------------------------------

namespace {

// Status panel 1: the zoom factor as a scale, "1 / 4" below 1, "2 To 1" from 1 on.
void ShowZoomReadOut() {
  if (ViewZoom < 1)
    SetPanelText(" Zoom Scale = 1 / " + NumberText(RoundHalfEven(1.0 / ViewZoom, 3)), 1);
  else
    SetPanelText(" Zoom Scale = " + NumberText(RoundHalfEven(ViewZoom, 3)) + " To 1", 1);
}

// Pixels an entity may draw beyond its box in the object index: the marks
// of points and placements (4 from their centre) and half the widest pen
// weight (9 device pixels), with room for rounding.
constexpr Double MarkPixels = 8;
constexpr Double WidestWeightPixels = 10;
// The redraw asks the object index for the entities in the view when the
// view shows less than this share of the drawing's extents; beyond it the
// walk of the table costs no more than the index's answer.
constexpr Double IndexedViewShare = 0.5;

std::vector<Long> EntitiesInView;  // the index's answer, its storage reused by every redraw

// The share of the current drawing's extents the view window covers, 1 when
// the extents are no box to measure by.
Double ShareOfExtentsShown() {
  const DwgRec& dwg = Dwgs[CurDwg];
  const Double width = dwg.Xmax - dwg.Xmin, height = dwg.Ymax - dwg.Ymin;
  if (!(width > 0) || !(height > 0) || !std::isfinite(width * height)) return 1;
  const Double across = std::min(dwg.Xmax, ViewWinMaxX) - std::max(dwg.Xmin, ViewWinMinX);
  const Double up = std::min(dwg.Ymax, ViewWinMaxY) - std::max(dwg.Ymin, ViewWinMinY);
  if (!(across > 0) || !(up > 0)) return 0;
  return (across / width) * (up / height);
}

bool IsDrawnInCurrentDrawing(Long i) { return Objs[i].DwgNo == CurDwg && !Objs[i].Erased; }

// Every live object of the current drawing in table order: later ones cover
// earlier ones. Hidden objects and hidden layers are skipped by DrawObject.
// When the view shows a part of the drawing, only the entities the object
// index names for the view are visited (in the same order); the others
// draw nothing in it.
void DrawCurrentDrawing() {
  Double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  if (RedrawAsksObjIndex(xmin, ymin, xmax, ymax)) {
    ObjIndexInBox(xmin, ymin, xmax, ymax, EntitiesInView);
    for (const Long i : EntitiesInView)
      if (i > BaseObjCount && IsDrawnInCurrentDrawing(i)) DrawObject(i);
    return;
  }
  const Long last = ObjCount;
  for (Long i = BaseObjCount + 1; i <= last; ++i) {
    if (IsDrawnInCurrentDrawing(i)) DrawObject(i);
  }
}

}  // namespace

bool RedrawAsksObjIndex(Double& Xmin, Double& Ymin, Double& Xmax, Double& Ymax) {
  if (!ActiveDoc || CurDwg < 1 || ViewZoom == 0 || !(ViewScaleX > 0)) return false;
  const Double reach = (MarkPixels + WidestWeightPixels * ActiveDoc->PixelSpan()) / ViewScaleX;
  Xmin = ViewWinMinX - reach;
  Ymin = ViewWinMinY - reach;
  Xmax = ViewWinMaxX + reach;
  Ymax = ViewWinMaxY + reach;
  return std::isfinite(Xmin) && std::isfinite(Ymin) && std::isfinite(Xmax) && std::isfinite(Ymax) && Xmin <= Xmax &&
         Ymin <= Ymax && ShareOfExtentsShown() < IndexedViewShare;
}

bool BeginViewPicture(bool RefMark) {
  MainWindowLink* main = MainLink();
  if (!main || !main->ActiveDrawingWindow() || !DrawEnabled || !ActiveDoc) return false;
  UpdateNotedItemExtents();  // groups and areas whose members moved since the last redraw
  ClearSurface();
  GridShown = FlagFalse;
  DrawingWindow* window = ActiveDocForm();
  if (window) {
    window->Cursorison = FlagFalse;
    ViewZoom = ToSingle(window->View_Scale);
  }
  // A zoom factor of 0 would divide by zero: the objects are then drawn with
  // the cache as it stands.
  if (ViewZoom != 0) {
    PickTolerance = SnapTolerance / ViewZoom;
    LoadViewCache();
    // The status bar describes the active window: another one redrawn (after
    // a resize, or for a change of options) leaves it as it is.
    if (window == main->ActiveDrawingWindow()) {
      ShowZoomReadOut();
      ShowLayerStatus();
      SetPanelText(UnitReadOut(), 4);
    }
  }
  if (RefMark && ShowRefPnts) DrawRefPntMark(0, 0);
  for (void (*hook)() : RedrawHooks()) hook();
  return true;
}

void RedrawView() {
  if (!BeginViewPicture(true)) return;
  if (ObjCount > BaseObjCount) DrawCurrentDrawing();
  Integer show = FlagTrue;
  if (GridOn || GridSnap) DrawGrid(show);
  if (RulerOn) DrawRulers(show);
  for (void (*hook)() : RedrawDoneHooks()) hook();
}

void RefreshActiveView() {
  if (ZoomActive) EndZoomCommand();
  RedrawView();
}

void RefreshDocView(DrawingWindow* frm) {
  ActiveDoc = frm ? &frm->DrawingSurface() : nullptr;
  // The redraw draws the objects of CurDwg: it must be the drawing of the
  // window it draws on.
  if (frm) CurDwg = static_cast<Integer>(frm->ID);
  RefreshActiveView();
}

// ---- Drag pan ----------------------------------------------------------------------

void DragPan(Double x, Double y) {
  DrawingWindow* window = ActiveDocForm();
  if (!window) return;
  if (DragLastX == 0) DragLastX = x;
  if (DragLastY == 0) DragLastY = y;
  const Double dx = DragLastX - x;
  const Double dy = DragLastY - y;
  DragLastX = x;
  DragLastY = y;
  // The world origin moves with the mouse, so the drawing follows it.
  window->VbaseX = ToSingle(window->VbaseX - dx);
  window->Vbasey = ToSingle(window->Vbasey - dy);
  UpdateWorldWindow();
  RedrawView();
}

// ---- Images kept on the surface --------------------------------------------------------

void RegisterRedrawHook(void (*routine)()) { RedrawHooks().push_back(routine); }
void RegisterRedrawDoneHook(void (*routine)()) { RedrawDoneHooks().push_back(routine); }

// ---- Reset -------------------------------------------------------------------------

void ResetZooms() {
  ZoomCommand = 0;
  ZoomActive = 0;
  PixelsPerUnit = StartPixelsPerUnit;
  PrevViewWindow = ViewWindowRect{};
  ViewCenterX = ViewCenterY = 0;
  DragLastX = DragLastY = 0;
  for (std::vector<Long>& shown : MeasuredLayersShown) shown.clear();
}

namespace {
// The zoom tool's row (its dispatcher and how it is left) is registered by
// the zoom commands (ZoomCommands).
void PlugZooms() { ServicesAbove.RedrawView = RedrawView; }
const ModuleRegistrar Registered({"Zooms", FloorView, ResetZooms, {}, PlugZooms});
}  // namespace

}  // namespace lintavo
