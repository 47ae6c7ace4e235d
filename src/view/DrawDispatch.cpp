// DrawDispatch: drawing one entity on the current surface, compound entities
// through their items, and the glyph links of loaded text.
//
// Sections:
//   Module state
//   Pen
//   DrawObject
//   Compound entities
//   Text characters of loaded drawings
//   Reset
#include "view/DrawDispatch.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "model/DataHand.h"
#include "model/ItemMembers.h"
#include "model/LayerItems.h"
#include "model/ObjIndex.h"
#include "model/ProgramState.h"
#include "model/ServicesAbove.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "platform/Numbers.h"
#include "platform/Prompts.h"
#include "platform/Surface.h"
#include "platform/TextCompare.h"
#include "storage/LoadFonts.h"
#include "storage/LoadObjects.h"
#include "view/DisplayOptions.h"
#include "view/FastDraw.h"
#include "view/ObjectDrawers.h"
#include "view/SurfaceDraw.h"

namespace lintavo {

// ---- Module state ---------------------------------------------------------------------

Integer EraseDraw = FlagFalse;
Integer XorDraw = FlagFalse;
Integer DrawAsSelected = FlagFalse;
Integer PaperDraw = FlagFalse;
void (*FillDrawer)(Long ObjNo) = nullptr;
void (*HatchDrawer)(Long ObjNo) = nullptr;

Integer SavedConPnts = FlagFalse;
Integer SavedRefPnts = FlagFalse;
Integer MemberColorOn = FlagFalse;
Long MemberColor = 0;
Integer NestLevel = 0;
std::array<CompoundFrame, MaxNestLevel + 1> CompoundStack{};

namespace {

// Components (kind 1) and glyphs (kind 2) whose load failed in this session,
// by kind and name. They are not tried again, so a failing load costs one
// database visit and one report, not one on every redraw.
std::vector<std::pair<Integer, String>> UnloadableItems;

// Placement faults of the definitions, each told once per session: a
// component placed inside itself (through others), and nesting deeper than
// the stack. Redraws come many times a second; one message is enough.
bool CycleReported = false;
bool DepthReported = false;

const char* const DrawComponentTitle = "Draw Component";

void ReportCycle(Long item) {
  if (CycleReported) return;
  CycleReported = true;
  MsgBox("Component " + Items[item].Name + " is placed inside itself; that placement is not drawn.", vbOKOnly,
         DrawComponentTitle);
}

void ReportDepth() {
  if (DepthReported) return;
  DepthReported = true;
  MsgBox("Components are placed inside each other more than " + std::to_string(MaxNestLevel) +
             " deep; the deeper ones are not drawn.",
         vbOKOnly, DrawComponentTitle);
}

bool IsUnloadable(Integer kind, const String& name) {
  return std::find(UnloadableItems.begin(), UnloadableItems.end(), std::make_pair(kind, name)) !=
         UnloadableItems.end();
}

}  // namespace

// ---- Pen ------------------------------------------------------------------------------

void SetPenWidth(Integer Weight, Single WidthFactor) {
  // Thin entities with a width get a pen as wide as the width under the zoom.
  if (Weight >= 2)
    SetDrawWeight(Weight);
  else if (WidthFactor > 1)
    SetDrawWidthScaled(RoundToInteger(ViewScaleX * WidthFactor));
  else
    SetDrawWidth(1);
}

namespace {
// The body of LoadObjectPen, written into SetObjectPen as well: the pen is
// set for every entity a redraw draws, and a call more there costs.
[[gnu::always_inline]] inline void LoadPen(const ObjRec& Obj) {
  PenColor = Obj.Color;
  PenStyle = Obj.Ltype;
  PenWidthFactor = Obj.Width;
  PenWeight = Obj.Weight;
  PenPntCount = Obj.NPoints;
  SetPenWidth(PenWeight, PenWidthFactor);
  SetDrawStyle(PenStyle);
}
}  // namespace

void LoadObjectPen(const ObjRec& Obj) { LoadPen(Obj); }

void SetObjectPen(const ObjRec& Obj) {
  PenLayer = Obj.LayerID;
  LoadPen(Obj);
  if (EraseDraw) {
    PenColor = DwgBackColor;
  } else if (ShowsAsSelected(Obj.Selected)) {
    PenColor = SelectedLineColor;
    SetDrawStyle(SelectedLineType);
  }
  SetForeColor(PenColor);
  SetDrawMode(XorDraw ? vbNotXorPen : vbCopyPen);
}

// ---- DrawObject -------------------------------------------------------------------------

void DrawObject(Long ObjNo) {
  if (!ActiveDoc) return;
  if (!ExtentsPass) DrawEnabled = FlagTrue;
  // Members of a compound being placed are drawn whatever their layer.
  PrefetchAhead(Objs, ObjNo + PrefetchObjs);
  if (!PlacementOn && !IsObjLayerVisible(ObjNo)) return;
  const ObjRec& obj = Objs[ObjNo];
  if (!obj.Show) return;
  const Integer type = obj.Rtype;
  SetObjectPen(obj);
  LoadObjScrPts(ObjNo);
  if (type >= FirstCompoundType && type <= EntityHatch)
    DrawCompound(ObjNo);
  else
    DrawObjByType(type);
  SetDrawWidth(1);
}

void WipeObj(Long ObjNo) {
  EraseDraw = FlagTrue;
  DrawObject(ObjNo);
  EraseDraw = FlagFalse;
}

// ---- Compound entities -------------------------------------------------------------------

namespace {

// Finds or loads the item a component (12) or text character (13) names
// when its link is broken; I and the entity's ObjectID become that item.
// Dimensions, fills and hatches (14 to 16) keep a link that is in range.
bool ResolveCompoundItem(Long ObjNo, Integer type, Long& I) {
  if (type > EntityTextChar) return I >= 1 && I <= ItemCount;
  NewItemName = Objs[ObjNo].Name;
  NewItemKind = type == EntityComponent ? ItemComponent : ItemGlyph;
  bool found = false;
  if (type == EntityComponent) {
    Long index = 0;
    found = FindLoadedComponent(index);
  } else {
    found = FindFontChar(NewItemName);
  }
  if (!found) {
    if (IsUnloadable(NewItemKind, NewItemName)) return false;
    if (type == EntityComponent) {
      CompDbPath = Dwgs[CurDwg].SourceDbPath;
      found = LoadComponent(NewItemName);
    } else {
      found = LoadFontChar(NewItemName);
    }
    if (!found) {
      UnloadableItems.emplace_back(NewItemKind, NewItemName);
      return false;
    }
  }
  const bool relinked = Objs[ObjNo].ObjectID != CurItem;
  I = CurItem;
  Objs[ObjNo].ObjectID = I;
  EntityLinksChanged(ObjNo);  // a member of a definition (drawing 0) is a stroke of what it shows
  if (relinked) ObjIndexShownItemChanged(ObjNo);
  return true;
}

// Whether a compound entity's link I still names its item: the item of its
// name, or for a character the glyph of its key in any case, as glyphs are
// found (FindFontChar). Characters typed in a font named otherwise than its
// glyph keys ("Text-65" showing "TEXT-65") are thus not looked up again at
// every redraw.
bool LinkHolds(const ObjRec& obj, Integer type, Long I) {
  if (I < 1 || I > ItemCount) return false;
  const ItemRec& item = Items[I];
  if (type == EntityTextChar && item.Rtype == ItemGlyph) return SameTextNoCase(item.Name, obj.Name);
  return item.Name == obj.Name;
}

// Whether item is being drawn already: the item whose members are being
// drawn, or one of the enclosing compounds on the stack. A member showing it
// would draw it inside itself again and again.
bool ItemOnStack(Long item, Long currentItem) {
  if (item == currentItem) return true;
  for (Integer level = 1; level <= NestLevel; ++level)
    if (CompoundStack[level].ItemIndex == item) return true;
  return false;
}

// Draws a compound member of type 12 and above one nesting level deeper;
// below the deepest level it is left out, and said once.
void DrawNestedMember(Long member, Long ObjNo, Long I) {
  if (NestLevel >= MaxNestLevel) {
    ReportDepth();
    return;
  }
  ++NestLevel;
  CompoundStack[NestLevel] = CompoundFrame{member, ObjNo, I};
  DrawObject(member);
  --NestLevel;
}

// The members of a component (kind 1 item) or a dimension: simple ones with
// the fast renderer, compound ones nested. Dimensions inside dimensions are
// skipped, and so is a member showing an item that is being drawn already
// (a component placed inside itself, directly or through others): told once.
// A nested member may load its component (appending to the table) while
// the members are walked: each next member is asked anew, and members
// appended after the walk began are left out.
void DrawMembers(Long ObjNo, Integer type, Long I) {
  const Long last = ObjCount;
  for (Long j = NextMember(I, 0); j != 0 && j <= last; j = NextMember(I, j)) {
    // A component's members are its definition geometry (no drawing); the
    // placements of a drawing name the component as their owner too.
    if (type == EntityComponent && Objs[j].DwgNo != 0) continue;
    const Integer memberType = Objs[j].Rtype;
    if (memberType < FirstCompoundType) {
      FastDrawObject(j);
      continue;
    }
    if (type == EntityDimension && memberType == EntityDimension) continue;
    if (ItemOnStack(Objs[j].ObjectID, I)) {
      ReportCycle(Objs[j].ObjectID);
      continue;
    }
    DrawNestedMember(j, ObjNo, I);
    if (type == EntityComponent) MemberColor = Objs[ObjNo].Color;
  }
}

void DrawItem(Long ObjNo, Integer type, Long I) {
  switch (type) {
    case EntityComponent:
      MemberColorOn = FlagTrue;
      MemberColor = Objs[ObjNo].Color;
      DrawMembers(ObjNo, type, I);
      break;
    case EntityTextChar:
      if (ShowTextObjs) DrawTextObj(ObjNo);
      break;
    case EntityDimension:
      if (ShowDimObjs) DrawMembers(ObjNo, type, I);
      break;
    case EntityFill:
      if (FillDrawer) FillDrawer(ObjNo);
      break;
    case EntityHatch:
      if (HatchDrawer) HatchDrawer(ObjNo);
      break;
    default: break;
  }
}

// The outermost compound ObjNo's placement starts at the origin, unscaled
// and unturned; reference points of nested components are not marked.
void BeginOutermostCompound(Long ObjNo) {
  SavedRefPnts = ShowRefPnts;
  SavedConPnts = ShowConPnts;
  ShowConPnts = FlagFalse;
  PlaceX = PlaceY = 0;
  PlaceScaleX = PlaceScaleY = 1;
  PlaceAngle = 0;
  PlaceSlant = 0;
  SetGlyphTransform();
  if (Objs[ObjNo].Selected) DrawAsSelected = FlagTrue;
}

void EndOutermostCompound() {
  ShowRefPnts = SavedRefPnts;
  ShowConPnts = SavedConPnts;
  DrawAsSelected = FlagFalse;
  PlacementOn = FlagFalse;
  MemberColorOn = FlagFalse;
}

}  // namespace

bool CompoundExtentsCorners(Long ObjNo, Double (&X)[BoxCorners], Double (&Y)[BoxCorners]) {
  const Integer type = Objs[ObjNo].Rtype;
  Long I = Objs[ObjNo].ObjectID;
  if (!LinkHolds(Objs[ObjNo], type, I) && !ResolveCompoundItem(ObjNo, type, I)) return false;
  PlacementOn = FlagTrue;
  BeginOutermostCompound(ObjNo);
  if (type == EntityComponent || type == EntityTextChar)
    ApplyPlacement(ObjNo);
  else
    UpdateItemExtents(I);
  const ItemRec& item = Items[I];
  X[0] = item.Xmin, Y[0] = item.Ymin, X[1] = item.Xmax, Y[1] = item.Ymin;
  X[2] = item.Xmin, Y[2] = item.Ymax, X[3] = item.Xmax, Y[3] = item.Ymax;
  for (int k = 0; k < BoxCorners; ++k) PlacePoint(X[k], Y[k]);
  EndOutermostCompound();
  return true;
}

void DrawCompound(Long ObjNo) {
  if (!DrawEnabled && NestLevel == 0) {  // extents pass: the item's box only, members are not walked
    Double x[BoxCorners], y[BoxCorners];
    if (!CompoundExtentsCorners(ObjNo, x, y)) return;
    for (int k = 0; k < BoxCorners; ++k) ExtendExtents(x[k], y[k]);
    return;
  }
  const Integer type = Objs[ObjNo].Rtype;
  Long I = Objs[ObjNo].ObjectID;
  if (!LinkHolds(Objs[ObjNo], type, I) && !ResolveCompoundItem(ObjNo, type, I)) return;

  PlacementOn = FlagTrue;
  const bool outermost = NestLevel == 0;
  if (outermost)
    BeginOutermostCompound(ObjNo);
  else
    ShowRefPnts = FlagFalse;
  if (!DrawEnabled) return;  // a nested compound in an extents pass: nothing of it is walked
  const bool placed = type == EntityComponent || type == EntityTextChar;
  if (placed) ApplyPlacement(ObjNo);
  if (ItemInView(I)) DrawItem(ObjNo, type, I);
  if (!outermost && placed) RemovePlacement(ObjNo);
  if (outermost) EndOutermostCompound();
}

bool ItemInView(Long ItemIndex) {
  const ItemRec& item = Items[ItemIndex];
  Double x0 = item.Xmin, y0 = item.Ymin, x1 = item.Xmax, y1 = item.Ymax;
  Double x2 = item.Xmax, y2 = item.Ymin, x3 = item.Xmin, y3 = item.Ymax;  // the other diagonal
  PlacePoint(x0, y0);
  PlacePoint(x1, y1);
  PlacePoint(x2, y2);
  PlacePoint(x3, y3);
  if (QuadBeyondViewSide(x0, y0, x2, y2, x1, y1, x3, y3)) return false;
  if (item.Rtype == ItemGlyph && std::fabs((x1 - x0) * ViewScaleX) <= 2 &&
      std::fabs((y1 - y0) * ViewScaleY) <= 2) {
    WorldPoint(PlaceX, PlaceY);  // a character too small to read shows as a dot
    return false;
  }
  return true;
}

// ---- Text characters of loaded drawings ---------------------------------------------------

String FontKey(const String& Name) {
  const size_t hyphen = Name.find('-');
  return hyphen == String::npos ? String("TEXT") : "TEXT" + Name.substr(hyphen);
}

void EnsureTextFonts() {
  const Long last = ObjCount;
  for (Long i = BaseObjCount + 1; i <= last; ++i) {
    if (Objs[i].DwgNo != CurDwg || Objs[i].Rtype != EntityTextChar) continue;
    NewItemName = Objs[i].Name;
    NewItemKind = ItemGlyph;
    // The glyph is what the character shows; its owner (a group or area) stays.
    if (FindFontChar(NewItemName) || LoadFontChar(NewItemName)) {
      Objs[i].ObjectID = CurItem;
      ObjIndexShownItemChanged(i);
      continue;
    }
    NewItemName = FontKey(NewItemName);
    if (FindFontChar(NewItemName)) {
      Objs[i].Name = NewItemName;
      Objs[i].ObjectID = CurItem;
      ObjIndexShownItemChanged(i);
    }
  }
}

// ---- Reset -------------------------------------------------------------------------------

void ResetDrawDispatch() {
  EraseDraw = FlagFalse;
  XorDraw = FlagFalse;
  DrawAsSelected = FlagFalse;
  PaperDraw = FlagFalse;
  SavedConPnts = SavedRefPnts = FlagFalse;
  MemberColorOn = FlagFalse;
  MemberColor = 0;
  NestLevel = 0;
  CompoundStack.fill(CompoundFrame{});
  UnloadableItems.clear();
  CycleReported = DepthReported = false;
}

namespace {
// Undo and redo bring entities back and take them away through these.
void WipeEntity(Long ObjNo) {
  EraseDraw = FlagTrue;
  DrawObject(ObjNo);
  EraseDraw = FlagFalse;
}
void PlugDrawDispatch() {
  ServicesAbove.DrawEntity = DrawObject;
  ServicesAbove.WipeEntity = WipeEntity;
}
const ModuleRegistrar Registered({"DrawDispatch", FloorView, ResetDrawDispatch, {}, PlugDrawDispatch});
}  // namespace

}  // namespace lintavo
