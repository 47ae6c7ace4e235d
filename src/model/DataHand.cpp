// DataHand: the model tables, their growth and their constructors.
#include "model/DataHand.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>

#include "model/ChangeMarks.h"
#include "model/DrawingWindow.h"
#include "model/Invariants.h"
#include "model/ItemMembers.h"
#include "model/LayerItems.h"
#include "model/MainWindowLink.h"
#include "model/MessageBar.h"
#include "model/ObjIndex.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/UndoRedo.h"

namespace lintavo {

// ---- Tables and counts ----------------------------------------------------------------

std::vector<PntRec> Pnts(1);
Long PntsMax = 0;
Long LastPnt = 0;
Long PntCount = 0;
std::vector<ObjRec> Objs(1);
Long ObjsMax = 0;
Long LastObj = 0;
Long ObjCount = 0;
std::vector<ItemRec> Items(1);
Long ItemsMax = 0;
Long CurItem = 0;
Long ItemCount = 0;
std::array<DwgRec, MaxDwgNo + 1> Dwgs;
Integer PageCount = 0;
Long BasePntCount = 0;
Long BaseObjCount = 0;
Long BaseItemCount = 0;
Long PntSeq = 0;

// ---- Staging and buffers ------------------------------------------------------------------

constexpr Integer StartBufferBound = 1000;

std::vector<WorldXY> ScrPts(StartBufferBound + 1);
Integer ScrPtsMax = StartBufferBound;
std::vector<PntRec> LoadPnts(StartBufferBound + 1);
Integer LoadPntsMax = StartBufferBound;
ObjRec LoadObj;
LoadKeysRec LoadKeys;
DbKey SaveLineID = 0;

// ---- Names, results and paths ---------------------------------------------------------------

String NewItemName;
Integer NewItemKind = 0;
DbKey SelRecordID = 0;
String CurDwgName;
DbKey CurDrawID = 0;
String SelDwgName;
DbKey SelDwgID = 0;
String CurRevision;
String ComponentName;
String SupportDbPath;
String CompDbPath;
String DwgDbPath;
String OpenDbPath;

// ---- Style of new entities and size of new sheets ------------------------------------------

Long CurColor = 0;
Integer CurLineType = 0;
Integer CurLineWeight = 0;
Single CurLineWidth = 0;
Single DefDwgWidth = 0;
Single DefDwgHeight = 0;

namespace {

// The drawing window behind ActiveDoc (looked up once per call: ActiveDocForm
// remembers the window found last).
DrawingWindow* ActiveDrawingWindow() { return ActiveDocForm(); }

// Sets a table's bound, keeping its records; the added records are zero.
// The allocation at least doubles whenever it must move, so that the many
// small steps of a growing table copy each record only a few times.
template <typename Rec>
void ResizeTable(std::vector<Rec>& table, Long bound) {
  const std::size_t size = static_cast<std::size_t>(bound) + 1;
  if (size > table.capacity()) table.reserve(std::max(size, 2 * table.capacity()));
  table.resize(size);
}

void GrowPnts(Long newBound) {
  PntsMax = newBound;
  ResizeTable(Pnts, PntsMax);
}

// ---- Invariants ------------------------------------------------------------------------------
// Each table holds its bound plus the unused index 0, and its count lies
// within the bound; record 0 is never written.
template <typename Rec>
bool TableHolds(const std::vector<Rec>& table, Long bound, Long count) {
  return count >= 0 && count <= bound && table.size() == static_cast<std::size_t>(bound) + 1;
}

void CheckPointTable() {
  MODEL_INVARIANT(TableHolds(Pnts, PntsMax, PntCount));
  MODEL_INVARIANT(Pnts[0].ObjNo == 0);
}

void CheckEntityTable() {
  MODEL_INVARIANT(TableHolds(Objs, ObjsMax, ObjCount));
  MODEL_INVARIANT(Objs[0].Rtype == 0 && Objs[0].NPoints == 0);
}

// The points entity ObjNo has so far lie inside the point table.
void CheckEntityPoints(Long objNo, Long pointsSoFar) {
  const ObjRec& obj = Objs[objNo];
  MODEL_INVARIANT(obj.PointID >= 1 && obj.PointID + pointsSoFar - 1 <= PntCount);
}

// The bookkeeping that follows every new entity of the current drawing
// (its count of live entities follows its SetEntityDrawing).
void CountNewEntity(Integer type) {
  DwgRec& dwg = Dwgs[CurDwg];
  LastObj = ObjCount;
  if (type >= FirstCountedType) ++dwg.Nobjects;
  EntityChanged(ObjCount);
}

// A point as the message about it names it: "(x, y)", "inf" and "nan" as such.
String PointText(Double X, Double Y) {
  std::ostringstream text;
  text << "(" << X << ", " << Y << ")";
  return text.str();
}

// Takes the entity being built (ObjCount) back out of its drawing when one
// of its points cannot be stored: it is detached as a member deleted with
// its owner is, so that neither a redraw, a save, Undo nor Redo meets it.
void WithdrawEntityBeingBuilt() {
  ObjRec& obj = Objs[ObjCount];
  if (obj.Flag == FlagDeletedWithOwner) return;
  // A dialog's sample was not counted among its drawing's objects (AddObj).
  if (IsOpenDrawingNumber(obj.DwgNo) && obj.Rtype >= FirstCountedType && !PreviewMode) --Dwgs[obj.DwgNo].Nobjects;
  obj.Flag = FlagDeletedWithOwner;
  obj.Show = FlagFalse;
  SetEntityDrawing(ObjCount, 0, FlagTrue);
  ObjIndexDetached(1);
  EntityLinksChanged(ObjCount);
}

}  // namespace

// ---- Growth rules ----------------------------------------------------------------------------

void GrowObjs(Long step) {
  if (ObjCount + 100 <= ObjsMax) return;
  ObjsMax += step;
  ResizeTable(Objs, ObjsMax);
}

void GrowItems() {
  if (ItemCount + 100 <= ItemsMax) return;
  ItemsMax += 1000;
  ResizeTable(Items, ItemsMax);
}

// ---- Entities and points -----------------------------------------------------------------------

void AddObj(Integer ObjType, Integer NPoints) {
  GrowObjs(1000);
  PushUndo(UndoAdd);
  ++ObjCount;
  // The very first entity of an empty table goes on "Layer 1". A dialog's
  // sample is dropped with whatever it made: it makes no layer, nor moves a
  // window's current layer to one that would be dropped with it.
  if (ObjCount == 1 && !PreviewMode) {
    const Long layer = EnsureLayer("Layer 1");
    DrawingWindow* window = ActiveDrawingWindow();
    if (window && layer > 0) window->Current_Layer = layer;
  }
  DrawingWindow* window = ActiveDrawingWindow();
  const DwgRec& dwg = Dwgs[CurDwg];
  PntSeq = 0;
  ObjRec& obj = Objs[ObjCount];
  obj = ObjRec{};  // a slot reused after a reset keeps nothing of its old record
  obj.Rtype = ObjType;
  obj.Show = FlagTrue;
  obj.Flag = dwg.UndoStep;
  obj.Color = CurColor;
  obj.Ltype = CurLineType;
  obj.Weight = CurLineWeight;
  obj.Width = CurLineWidth;
  obj.NPoints = NPoints;
  obj.PointID = PntCount + 1;
  obj.LayerID = window ? window->Current_Layer : 0;
  obj.DrawingID = dwg.DrawID;
  SetEntityDrawing(ObjCount, CurDwg, FlagFalse);
  // A dialog's sample is dropped again when the dialog closes (its drop
  // takes it out of its drawing's live entities): it does not count among
  // its drawing's objects nor mark it changed.
  if (PreviewMode)
    LastObj = ObjCount;
  else
    CountNewEntity(ObjType);
  CheckEntityTable();
  ObjIndexAdded(ObjCount);
  EntityAppended(ObjCount);
}

bool AddPnt(Double X, Double Y) {
  if (!std::isfinite(X) || !std::isfinite(Y)) {
    ShowStatus("The point " + PointText(X, Y) + " is not a finite number; the object was not added.", 3);
    if (ObjCount > 0) WithdrawEntityBeingBuilt();
    return false;
  }
  if (PntCount + 200 > PntsMax) GrowPnts(PntsMax + 2000);
  ++PntCount;
  ++PntSeq;
  PntRec& pnt = Pnts[PntCount];
  pnt.Seq = PntSeq;
  pnt.ObjNo = ObjCount;
  pnt.X = X;
  pnt.Y = Y;
  LastPnt = PntCount;
  CheckPointTable();
  CheckEntityPoints(ObjCount, PntSeq);
  ObjPointsChangedUnmarked(ObjCount);

  // A compound entity's later points are scales and angles, not places: only
  // its insertion point, and that point moved by its item's far corner, count.
  const ObjRec& obj = Objs[ObjCount];
  if (obj.Flag == FlagDeletedWithOwner) return true;  // withdrawn: no longer part of a drawing
  if (PreviewMode) return true;  // a dialog's sample widens no drawing, nor changes it
  EntityChanged(ObjCount);  // a point added to an entity that was stored since its AddObj
  if (obj.Rtype < FirstCompoundType) {
    WidenDrawingExtents(obj.DwgNo, obj.LayerID, X, Y);
    return true;
  }
  if (PntSeq != 1) return true;
  WidenDrawingExtents(obj.DwgNo, obj.LayerID, X, Y);
  if (obj.ObjectID >= 1 && obj.ObjectID <= ItemCount) {
    const ItemRec& item = Items[obj.ObjectID];
    WidenDrawingExtents(obj.DwgNo, obj.LayerID, X + item.Xmax, Y + item.Ymax);
  }
  return true;
}

void AddLoadedObj() {
  GrowObjs(2000);
  ++ObjCount;
  ObjRec& obj = Objs[ObjCount];
  obj = LoadObj;
  obj.DwgNo = 0;  // it joins its drawing below, counted there
  SetEntityDrawing(ObjCount, LoadObj.DwgNo, LoadObj.Erased);
  obj.PointID = PntCount + 1;
  LastObj = ObjCount;

  // Only the points the staging list holds can be appended; the record says
  // how many it got, so it never claims points that belong to the next entity.
  const Long count = std::clamp<Long>(LoadObj.NPoints, 0, LoadPntsMax);
  obj.NPoints = static_cast<Integer>(count);
  if (PntCount + count > PntsMax) GrowPnts(PntsMax + count + 100);
  PntSeq = 0;
  for (Long k = 1; k <= count; ++k) {
    ++PntCount;
    ++PntSeq;
    Pnts[PntCount] = PntRec{k, ObjCount, LoadPnts[k].X, LoadPnts[k].Y};
  }
  LastPnt = PntCount;
  CheckEntityTable();
  CheckPointTable();
  CheckEntityPoints(ObjCount, count);
  ObjIndexAdded(ObjCount);
  EntityAppended(ObjCount);
  if (LoadObj.DwgNo >= 1) ResolveObjLayer(ObjCount, LoadKeys.LayerID);
}

void CopyObj(Long SrcObj) {
  if (SrcObj < 1 || SrcObj > ObjCount) return;
  GrowObjs(1000);
  PushUndo(UndoAdd);
  PntSeq = 0;
  ++ObjCount;
  const DwgRec& dwg = Dwgs[CurDwg];
  ObjRec& obj = Objs[ObjCount];
  obj = Objs[SrcObj];
  obj.LineID = 0;
  obj.Flag = dwg.UndoStep;
  obj.Selected = FlagFalse;
  obj.Select = 0;
  obj.PointID = PntCount + 1;
  obj.DrawingID = dwg.DrawID;
  obj.DwgNo = 0;  // the source's drawing is not the copy's: it joins the current one
  SetEntityDrawing(ObjCount, CurDwg, obj.Erased);
  CountNewEntity(obj.Rtype);
  CheckEntityTable();
  ObjIndexAdded(ObjCount);
  EntityAppended(ObjCount);
}

void ResolveObjLayer(Long ObjNo, DbKey key) {
  if (ObjNo < 1 || ObjNo > ObjCount) return;
  ObjRec& obj = Objs[ObjNo];
  obj.LayerID = 0;
  if (key <= 0) return;
  for (Long i = BaseItemCount + 1; i <= ItemCount; ++i) {
    const ItemRec& item = Items[i];
    if (item.DwgNo == CurDwg && item.Rtype == ItemLayer && item.ObjectID == key) {
      obj.LayerID = i;
      return;
    }
  }
}

// ---- Entities joining and leaving a drawing ----------------------------------------------------

namespace {

// The drawing entity obj is live in: its open drawing while not erased; 0 none.
Integer LiveDrawingOf(const ObjRec& obj) { return IsOpenDrawingNumber(obj.DwgNo) && !obj.Erased ? obj.DwgNo : 0; }

}  // namespace

void SetEntityDrawing(Long ObjNo, Integer DwgNo, Integer Erased) {
  if (ObjNo < 1 || ObjNo > ObjCount) return;
  ObjRec& obj = Objs[ObjNo];
  if (const Integer left = LiveDrawingOf(obj); left != 0) --Dwgs[left].Nlines;
  obj.DwgNo = DwgNo;
  obj.Erased = Erased;
  if (const Integer joined = LiveDrawingOf(obj); joined != 0) ++Dwgs[joined].Nlines;
}

// ---- Extents of drawings and layers ----------------------------------------------------------

void MarkExtentsChanged(Integer DwgNo) {
  if (IsOpenDrawingNumber(DwgNo)) Dwgs[DwgNo].ExtentsChanged = FlagTrue;
}

void WidenDrawingExtents(Integer DwgNo, Long LayerNo, Double X, Double Y) {
  if (!IsOpenDrawingNumber(DwgNo)) return;
  WidenBox(Dwgs[DwgNo], X, Y);
  if (IsLayerOfDrawing(LayerNo, DwgNo)) WidenBox(Items[LayerNo], X, Y);
  MarkExtentsChanged(DwgNo);
}

void WidenExtentsByEntity(Long ObjNo) {
  if (PreviewMode || ObjNo < 1 || ObjNo > ObjCount) return;
  const ObjRec& obj = Objs[ObjNo];
  if (obj.Erased || obj.NPoints < 1) return;
  const Integer dwgNo = obj.DwgNo;
  if (!IsOpenDrawingNumber(dwgNo)) return;
  // The drawing and the layer are found once: this runs for every entity
  // a Move of the whole drawing changes.
  DwgRec& drawing = Dwgs[dwgNo];
  ItemRec* layer = IsLayerOfDrawing(obj.LayerID, dwgNo) ? &Items[obj.LayerID] : nullptr;
  WidenByEntity<Double>(obj, [&drawing, layer](Double X, Double Y) {
    WidenBox(drawing, X, Y);
    if (layer) WidenBox(*layer, X, Y);
  });
  MarkExtentsChanged(dwgNo);
}

Double EnclosedArea(const ObjRec& Obj) {
  if (Obj.Rtype != EntityPolygon || Obj.NPoints < 2 || Obj.PointID < 1) return 0;
  const Long last = Obj.PointID + Obj.NPoints - 1;
  if (last > PntCount) return 0;
  const Long first = Obj.PointID;
  Double sum = 0;
  for (Long i = first; i < last; ++i) sum += Pnts[i].X * Pnts[i + 1].Y - Pnts[i + 1].X * Pnts[i].Y;
  // The side back to the first point: exactly 0 when the points already end
  // there, so the size of a closed outline is the sum of its own sides.
  sum += Pnts[last].X * Pnts[first].Y - Pnts[first].X * Pnts[last].Y;
  return std::fabs(sum * 0.5);
}

namespace {

bool OwnsEntities(const ItemRec& item) { return item.Rtype == ItemArea || item.Rtype == ItemGroup; }

// Entity Obj, owned by item ItemNo, into the item's box; Empty tells
// whether the box still waits for its first point (a box far from the
// origin keeps its own size). An area takes its first live boundary polygon
// only, and that polygon's enclosed size; a group takes what every live
// member of its drawing draws. A point that is not finite widens nothing.
void TakeIntoItemBox(Long ItemNo, ObjRec& obj, bool& empty) {
  ItemRec& item = Items[ItemNo];
  if (obj.Erased || obj.NPoints < 1) return;  // an erased member no longer counts
  const bool area = item.Rtype == ItemArea;
  if (area && (!empty || obj.Rtype != EntityPolygon || obj.DwgNo == 0)) return;
  if (!area && obj.DwgNo != item.DwgNo) return;
  WidenByEntity<Double>(obj, [&item, &empty](Double X, Double Y) {
    if (std::isfinite(X) && std::isfinite(Y)) WidenRunningBox(item.Xmin, item.Ymin, item.Xmax, item.Ymax, empty, X, Y);
  });
  if (area) obj.Area = static_cast<Single>(EnclosedArea(obj));
}

// The drawing members of item ItemNo (entities above the support geometry
// whose OwnerID it is), in table order, into its box; an area stops at its
// first boundary.
void TakeMembersIntoItemBox(Long ItemNo) {
  const bool area = Items[ItemNo].Rtype == ItemArea;
  bool empty = true;
  for (const Long i : ItemMembers(ItemNo)) {
    if (i <= BaseObjCount) continue;
    TakeIntoItemBox(ItemNo, Objs[i], empty);
    if (area && !empty) return;  // an area's first boundary is all it takes
  }
}

std::vector<Long> NotedItems;  // items whose extents wait for UpdateNotedItemExtents
// By Items index: 0 not noted; 1 noted.
std::vector<unsigned char> ItemNoted;
constexpr unsigned char Noted = 1;

}  // namespace

void UpdateItemExtents(Long ItemNo) {
  if (ItemNo < 1 || ItemNo > ItemCount || !OwnsEntities(Items[ItemNo])) return;
  TakeMembersIntoItemBox(ItemNo);
}

Long AreaBoundary(Long Item) {
  if (Item < 1 || Item > ItemCount) return 0;
  for (const Long i : ItemMembers(Item)) {
    if (i <= BaseObjCount) continue;
    const ObjRec& obj = Objs[i];
    if (obj.Rtype == EntityPolygon && !obj.Erased && obj.DwgNo != 0) return i;
  }
  return 0;
}

void NoteItemExtents(Long ItemNo) {
  if (ItemNo < 1 || ItemNo > ItemCount || !OwnsEntities(Items[ItemNo])) return;
  if (ItemNoted.size() <= static_cast<size_t>(ItemNo)) ItemNoted.resize(static_cast<size_t>(ItemsMax) + 1, 0);
  if (ItemNoted[ItemNo]) return;
  ItemNoted[ItemNo] = Noted;
  NotedItems.push_back(ItemNo);
}

void NoteOwnerPointsChanged(Long ObjNo) {
  if (ObjNo < 1 || ObjNo > ObjCount) return;
  NoteItemExtents(Objs[ObjNo].OwnerID);
}

void UpdateNotedItemExtents() {
  if (NotedItems.empty()) return;
  for (const Long item : NotedItems) {
    if (item <= ItemCount) TakeMembersIntoItemBox(item);
    ItemNoted[item] = 0;
  }
  NotedItems.clear();
}

// ---- Items and drawings ------------------------------------------------------------------------

bool FindItemOfDrawing(Integer Kind, const String& Name, Long& Index) {
  Index = 0;
  for (Long i = 1; i <= ItemCount; ++i) {
    Index = i;
    const ItemRec& item = Items[i];
    if (item.Rtype == Kind && item.DwgNo == CurDwg && item.Name == Name) return true;
  }
  return false;
}

ItemRec& NewItemNamed(Integer Kind, const String& Name) {
  NewItemName = Name;
  AddItem(Kind);
  return Items[ItemCount];
}

void FirstFreeName(String& Name, const char* Prefix, bool (*Taken)(Long& Index)) {
  Long found = 0;
  for (Long n = 1;; ++n) {
    Name = Prefix + std::to_string(n);
    if (!Taken(found)) return;
  }
}

void AddItem(Integer Kind) {
  GrowItems();
  ++ItemCount;
  ItemRec& item = Items[ItemCount];
  // A slot reused after a reset starts clean: links and locks of the item
  // that held it before must not pass to the new one.
  item = ItemRec{};
  item.Rtype = Kind;
  item.Name = NewItemName;
  item.Show = FlagTrue;
  item.Author = UserName;
  item.CreationDate = QDateTime::currentDateTime();
  if (Kind >= ItemGroup) {
    DwgRec& dwg = Dwgs[CurDwg];
    item.DrawingID = CurDwg;
    item.DwgNo = CurDwg;
    if (!PreviewMode) {  // a dialog's sample does not count in its drawing, nor changes it
      ++dwg.Nobjects;
      MarkDrawingChanged(CurDwg);
      // The layer count is stored in a 16-bit column: it stops at its top, never wraps.
      if (Kind == ItemLayer && dwg.Nlayers < std::numeric_limits<Integer>::max()) ++dwg.Nlayers;
    }
  }
  CurItem = ItemCount;
  MODEL_INVARIANT(TableHolds(Items, ItemsMax, ItemCount));
  MODEL_INVARIANT(Items[0].Rtype == 0);
}

void NewDwgRec(Integer DwgNo) {
  if (DwgNo < 0 || DwgNo > MaxDwgNo) return;
  const DrawingWindow* window = ActiveDocForm();
  DwgRec& dwg = Dwgs[DwgNo];
  dwg = DwgRec{};
  dwg.Name = window ? window->FileName() : String();
  dwg.Revision = "Rev. 0";
  dwg.Rtype = "New";
  dwg.Category = "New";
  dwg.Show = FlagTrue;
  dwg.Xlimit = DefDwgWidth;
  dwg.Ylimit = DefDwgHeight;
  dwg.Author = UserName;
  dwg.CreationDate = QDateTime::currentDateTime();
  if (DwgNo > PageCount) PageCount = DwgNo;
  CurDwgName = dwg.Name;
  CurDrawID = 0;
  StartUndoHistory(DwgNo);
  if (MainWindowLink* main = MainLink()) main->ShowPageInCaption(DwgNo);
}

// ---- Reset -------------------------------------------------------------------------------------

void ResetDataHand() {
  ObjIndexCutBack();
  Pnts = std::vector<PntRec>(1);  // fresh tables give their memory back
  Objs = std::vector<ObjRec>(1);
  Items = std::vector<ItemRec>(1);
  PntsMax = LastPnt = PntCount = 0;
  ObjsMax = LastObj = ObjCount = 0;
  ItemsMax = CurItem = ItemCount = 0;
  NotedItems.clear();
  ItemNoted.clear();
  Dwgs.fill(DwgRec{});
  PageCount = 0;
  BasePntCount = BaseObjCount = BaseItemCount = 0;
  PntSeq = 0;
  ScrPts.assign(StartBufferBound + 1, WorldXY{});
  ScrPtsMax = StartBufferBound;
  LoadPnts.assign(StartBufferBound + 1, PntRec{});
  LoadPntsMax = StartBufferBound;
  LoadObj = ObjRec{};
  LoadKeys = LoadKeysRec{};
  SaveLineID = 0;
  NewItemName.clear();
  NewItemKind = 0;
  SelRecordID = 0;
  CurDwgName.clear();
  CurDrawID = 0;
  SelDwgName.clear();
  SelDwgID = 0;
  CurRevision.clear();
  ComponentName.clear();
  SupportDbPath.clear();
  CompDbPath.clear();
  DwgDbPath.clear();
  OpenDbPath.clear();
  CurColor = 0;
  CurLineType = CurLineWeight = 0;
  CurLineWidth = DefDwgWidth = DefDwgHeight = 0;
}

namespace {
const ModuleRegistrar Registered({"DataHand", FloorModel, ResetDataHand});
}  // namespace

}  // namespace lintavo
