// Components: component definitions and placements, and the commands of tool 2.
//
// Sections:
//   Command state
//   Definitions and extents
//   Shared steps
//   Place and Place Image
//   Create and Make Into
//   Explode and Edit
//   Dispatcher, reset and registration
#include "organisation/Components.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>

#include "commands/Adjust.h"
#include "commands/Edits.h"
#include "commands/GripFrame.h"
#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/ItemMembers.h"
#include "model/LayerItems.h"
#include "model/MainWindowLink.h"
#include "model/MessageBar.h"
#include "model/ObjIndex.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/UndoRedo.h"
#include "model/ViewCache.h"
#include "organisation/ChooserPreview.h"
#include "picking/Selection.h"
#include "platform/Pointers.h"
#include "storage/LoadObjects.h"
#include "storage/SaveData.h"
#include "view/DrawDispatch.h"
#include "view/Outline.h"
#include "view/SurfaceDraw.h"
#include "view/ZoomCommands.h"
#include "view/Zooms.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------

Integer ComponentCommand = 0;
Integer ComponentActive = 0;
Integer ComponentStage = 0;
Long ComponentItem = 0;
Long ComponentNo = 0;
String EditComponentName;
Double CompRefX = 0, CompRefY = 0;
Double CompMinX = 0, CompMinY = 0, CompMaxX = 0, CompMaxY = 0;
Double CompPickX = 0, CompPickY = 0;
Double PlaceAtX = 0, PlaceAtY = 0;
Long PlacedObj = 0;
Integer PlacementFound = 0;
Long FoundPlacement = 0;
ComponentDialogsRec ComponentDialogs;

namespace {

constexpr const char* NewComponentPrefix = "New Component ";
constexpr Integer PlacementPoints = 3;
constexpr Integer ExplodeClicks = 5;  // the entry after four fruitless clicks ends Explode
constexpr Double NoPlacementDistance = 10000;
constexpr Single ImageRescaleFactor = 10;  // as the grip frame rescales a wide frame

bool ExtentsEmpty = true;  // no point has widened the running extents yet

const PntRec& PointOf(const ObjRec& obj, Integer k) { return Pnts[obj.PointID + k - 1]; }

}  // namespace

// ---- Definitions and extents -------------------------------------------------------

bool ComponentNameExists(Long& Index) {
  Index = 0;
  for (Long i = 1; i <= ItemCount; ++i) {
    const ItemRec& item = Items[i];
    if (item.Rtype == ItemComponent && item.DwgNo == 0 && item.Name == ComponentName) {
      Index = i;
      return true;
    }
  }
  // Without a drawings database there is no stored name to avoid.
  return !DwgDbPath.empty() && ComponentExistsInDb(ComponentName);
}

void NewComponent() {
  FirstFreeName(ComponentName, NewComponentPrefix, ComponentNameExists);
  NewItemNamed(ItemComponent, ComponentName);
  ComponentItem = ItemCount;
}

void StartComponentExtents() {
  ExtentsEmpty = true;
  CompMinX = CompMinY = CompMaxX = CompMaxY = 0;
}

void WidenComponentExtents(Double X, Double Y) {
  if (!std::isfinite(X) || !std::isfinite(Y)) return;
  WidenRunningBox(CompMinX, CompMinY, CompMaxX, CompMaxY, ExtentsEmpty, X, Y);
}

void GetEntitiesExtents(Long ObjNo) { WidenByEntity<Single>(Objs[ObjNo], WidenComponentExtents); }

namespace {

// The last entity appended becomes geometry of definition item.
void MakeDefinitionGeometry(Long objNo, Long item) {
  ObjRec& obj = Objs[objNo];
  obj.DrawingID = 0;
  SetEntityDrawing(objNo, 0, obj.Erased);  // it leaves its drawing's live entities
  obj.Selected = FlagFalse;
  obj.Select = 0;
  obj.OwnerID = item;
  if (obj.Rtype < EntityComponent) {
    obj.Name = Items[item].Name;
    obj.ObjectID = item;
  }
  EntityLinksChanged(objNo);
}

// The item's count and its extents, the running extents less (refX, refY).
void StoreItemExtents(ItemRec& item, Long count, Double refX, Double refY) {
  item.Nlines = count;
  item.Xorigin = item.Yorigin = 0;
  item.Xmin = CompMinX - refX;
  item.Ymin = CompMinY - refY;
  item.Xmax = CompMaxX - refX;
  item.Ymax = CompMaxY - refY;
}

}  // namespace

bool DuplicateComponent(Long& Index) {
  const DrawingMarkKept unchanged;  // the copies go into the definition, not the drawing
  const Long old = Index;
  const Long last = ObjCount;
  NewItemNamed(ItemComponent, ComponentName);
  const Long item = ItemCount;
  Index = item;
  ComponentItem = item;
  CompRefX = CompRefY = 0;
  StartComponentExtents();
  Long count = 0;
  for (Long i = BaseObjCount + 1; i <= last; ++i) {
    if (Objs[i].DwgNo != 0 || Objs[i].OwnerID != old || !IsCopiedByOffset(Objs[i].Rtype)) continue;
    CopyObjOffset(i, 0, 0);
    MakeDefinitionGeometry(ObjCount, item);
    GetEntitiesExtents(ObjCount);
    ++count;
  }
  if (count == 0) return false;
  ItemRec& copy = Items[item];
  StoreItemExtents(copy, count, CompRefX, CompRefY);
  copy.Show = FlagTrue;
  copy.Category = Items[old].Category;
  copy.Description = Items[old].Description;
  return true;
}

void RepointPlacement(Long ObjNo, Long Item, const String& Name) {
  ObjRec& placement = Objs[ObjNo];
  if (placement.OwnerID == placement.ObjectID || placement.OwnerID == 0) placement.OwnerID = Item;
  placement.ObjectID = Item;
  placement.Name = Name;
  EntityLinksChanged(ObjNo);
  EntityChanged(ObjNo);
  MarkExtentsChanged(placement.DwgNo);  // another component covers another box
}

namespace {

// Draws definition Index's geometry and the reference-point mark at its
// origin on the preview. A definition belongs to no drawing, so no layer of
// one hides its geometry, as none hides the members of a placement: each
// entity is drawn as the preview's own layer, whatever layer it was stored
// with (a layer number of the session that made it).
void DrawDefinition(Long Index) {
  const Long previewLayer = PreviewLayer;
  // A nested placement may load its component: each next member is asked anew.
  for (Long i = NextMember(Index, 0); i != 0 && i <= ObjCount; i = NextMember(Index, i)) {
    if (Objs[i].DwgNo != 0 || !Objs[i].Show) continue;
    PreviewLayer = Objs[i].LayerID;
    DrawObject(i);
  }
  PreviewLayer = previewLayer;
  DrawRefPntMark(Items[Index].Xorigin, Items[Index].Yorigin);
}

}  // namespace

void PreviewDefinition(Long Index) {
  if (Index < 1 || Index > ItemCount) return;
  ItemRec& item = Items[Index];
  SetPreviewWindow(item);
  WidenPreviewWindow();
  FitPreviewToView();
  item.Show = FlagTrue;
  DrawDefinition(Index);
}

bool IsMdbFileName(const String& Path) {
  const String ext = ".mdb";
  if (Path.size() < ext.size()) return false;
  return std::equal(ext.begin(), ext.end(), Path.end() - static_cast<std::ptrdiff_t>(ext.size()),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

// ---- Shared steps ------------------------------------------------------------------

namespace {

// The active drawing window becomes the drawing target again (a dialog's
// preview had it) and is redrawn.
void RedrawActiveWindow() {
  MainWindowLink* main = MainLink();
  if (DrawingWindow* window = main ? main->ActiveDrawingWindow() : nullptr) {
    RefreshDocView(window);
    return;
  }
  RefreshActiveView();
}

// Shows a dialog of the floor above; one nobody plugged is cancelled.
void ShowComponentDialog(void (*show)()) {
  DlgCancelled = FlagTrue;
  if (show) show();
  RedrawActiveWindow();
}

bool ChooseComponent() {
  ComponentNo = 0;
  ShowComponentDialog(ComponentDialogs.ShowCompSelect);
  return !DlgCancelled && ComponentNo >= 1 && ComponentNo <= ItemCount;
}

// Appends a placement of component item at (X, Y), scale 1, angle 0.
Long AddPlacement(Long item, Double X, Double Y) {
  AddObj(EntityComponent, PlacementPoints);
  AddPnt(X, Y);
  AddPnt(1, 1);
  AddPnt(0, 0);
  ObjRec& obj = Objs[ObjCount];
  obj.Name = Items[item].Name;
  obj.OwnerID = obj.ObjectID = item;
  EntityLinksChanged(ObjCount);
  return ObjCount;
}

// The placement becomes the whole selection, drawn selected. Objects still
// flagged from an earlier selection (Create ends its set but leaves the
// flags) leave it, so that the frame and its drags hold the placement alone.
void SelectOnly(Long objNo) {
  const Long last = ObjCount;
  for (Long i = BaseObjCount + 1; i <= last; ++i)
    if (i != objNo && Objs[i].DwgNo == CurDwg && Objs[i].Selected) DeselectObj(i);
  StartNewSelectionSet();
  SetSelectedFlag(objNo, FlagTrue);
  Objs[objNo].Select = SelectionSetNumber();
  DrawObject(objNo);
}

// The component a copied nested placement names, found loaded or loaded.
// The name is taken by value: a load may move the entity that holds it.
Long RelinkPlacement(String name) {
  NewItemKind = ItemComponent;
  NewItemName = name;
  Long index = 0;
  if (FindLoadedComponent(index)) return index;
  return LoadComponent(name) ? CurItem : 0;
}

// The layer the pieces of a placement go on: the placement's own, else the
// window's current layer. A definition's entities keep the layer numbers of
// the session and drawing they were made in, which name no layer here, or
// another drawing's, or whatever item now has that number.
Long PiecesLayer(const ObjRec& placement) {
  if (IsLayerOfDrawing(placement.LayerID, CurDwg)) return placement.LayerID;
  const DrawingWindow* window = ActiveDocForm();
  return window ? window->Current_Layer : 0;
}

// Copies the geometry of definition item into the current drawing where a
// placement at (X, Y) with scales (sx, sy) and angle (degrees) shows it:
// scaled, turned about the origin, then moved to the insertion point, every
// piece on layer.
void CopyDefinitionIntoDrawing(Long item, Double X, Double Y, Single sx, Single sy, Single degrees, Long layer) {
  SetAdjustTransform(X, Y, sx, sy, static_cast<Single>(degrees * std::numbers::pi / 180));
  const Long last = ObjCount;
  const DbKey drawID = Dwgs[CurDwg].DrawID;
  for (Long i = BaseObjCount + 1; i <= last; ++i) {
    if (Objs[i].DwgNo != 0 || Objs[i].OwnerID != item || !IsCopiedByOffset(Objs[i].Rtype)) continue;
    CopyObjOffset(i, 0, 0);
    // Relinking a nested placement may load its component, which appends
    // to the tables (and may move them): the copy is named by its number.
    const Long copyNo = ObjCount;
    ObjRec& copy = Objs[copyNo];
    copy.DrawingID = drawID;  // CopyObj made it an entity of the current drawing
    copy.Selected = FlagFalse;
    copy.OwnerID = 0;
    copy.LayerID = layer;
    if (copy.Rtype == EntityComponent) {
      const Long found = RelinkPlacement(copy.Name);
      ObjRec& placement = Objs[copyNo];
      placement.OwnerID = placement.ObjectID = found;
      EntityLinksChanged(copyNo);
    } else if (copy.Rtype < EntityComponent) {
      copy.ObjectID = 0;
    }
    TransformObj(copyNo);
  }
  SetAdjustTransform(0, 0, 1, 1, 0);
}

void NoSelectionMessages() {
  ShowStatus("ERROR... No Lines Selected", 2);
  ShowStatus("You Must Pre-Select lines", 3);
  EndComponentCommand(FlagFalse);
}

// A selection with nothing a definition can hold: the definition just made,
// still the last item, goes, and nothing is created.
void RefuseEmptyComponent() {
  --ItemCount;
  ShowStatus("ERROR... No Selected Lines", 2);
  ShowStatus("Component NOT Created", 3);
  EndComponentCommand(FlagFalse);
}

// Messages, the save of the new component and the end shared by Create and Make Into.
void FinishNewComponent() {
  ShowStatus("Component Created!", 2);
  ShowStatus(ComponentName + " Created", 3);
  CompDbPath = DwgDbPath;
  Long item = ComponentItem;
  if (!DwgDbPath.empty()) SaveComponentTree(item);
  DropSelection();  // the lines copied stay in the drawing, no longer selected
  EndComponentCommand(FlagFalse);
}

// ---- Place and Place Image ------------------------------------------------------------

// A later click of Place: a press that took the frame (a grip, its outline
// or inside it) drags it; any other click puts the placement's insertion
// point there, and the frame follows.
void MovePlacementToClick() {
  if (GripHeld || GripDragging || ComponentStage != StageWaiting) return;
  if (PlacedObj < 1 || PlacedObj > ObjCount || Objs[PlacedObj].Rtype != EntityComponent) return;
  Double x = 0, y = 0;
  TakePickPoint(x, y);
  PntRec& at = Pnts[Objs[PlacedObj].PointID];
  at.X = x;
  at.Y = y;
  ObjPointsChanged(PlacedObj);
  // Drawn afresh: taking the placement off with the not-XOR pen would also
  // take off what it overlapped. The redraw forgets the frame, set up again.
  RefreshActiveView();
  StartPlaceComponent();
}

void PlaceComponent() {
  if (ToolStep != 0) return MovePlacementToClick();
  ShowStatus("Place Component", 1);
  if (!ChooseComponent()) return EndComponentCommand(FlagTrue);
  DeselectAll();
  ShowStatus("Place Component", 1);
  if (DrawingWindow* window = ActiveDocForm()) {
    PickX = (window->XVmin + window->XVmax) / 2;
    PickY = (window->YVmin + window->YVmax) / 2;
  }
  CompRefX = PickX;
  CompRefY = PickY;
  PlacedObj = AddPlacement(ComponentNo, CompRefX, CompRefY);
  SelectOnly(PlacedObj);
  ShowStatus("Enter a Placement Location >", 2);
  StartPlaceComponent();
  ComponentStage = StageWaiting;
}

void StartPlaceImage() {
  ShowStatus("Place Component Image", 1);
  if (!ChooseComponent()) return EndComponentCommand(FlagTrue);
  DeselectAll();
  ShowStatus("Place Component Image", 1);
  const ItemRec& item = Items[ComponentNo];
  if (DrawingWindow* window = ActiveDocForm()) {
    const Single width = static_cast<Single>(item.Xmax - item.Xmin);
    const Single view = static_cast<Single>(window->XVmax - window->XVmin);
    if (view > 0 && width > view) SetDrawingScale(width / view * ImageRescaleFactor);
  }
  CompRefX = PickX;
  CompRefY = PickY;
  PlacedObj = AddPlacement(ComponentNo, CompRefX, CompRefY);
  SelectOnly(PlacedObj);
  ToolStep = 1;
  Single angle = 0;
  SetOutlineTransform(CompRefX, CompRefY, 1, 1, angle);
  OutlineOn = FlagTrue;
  ShowStatus("Enter a Placement Location >", 2);
  ComponentStage = StageWaiting;
}

void FinishPlaceImage() {
  TakePickPoint(CompPickX, CompPickY);
  PlaceAtX = CompPickX;
  PlaceAtY = CompPickY;
  OutlineOn = FlagFalse;
  RedrawSelectionOutline();
  // The placement gives way to its image as an erase step, so that Undo and
  // Redo take the two back and forth together.
  EraseObj(PlacedObj, 0, ComesBack::Unselected);  // it leaves the selection for good
  ObjRec& placement = Objs[PlacedObj];
  Pnts[placement.PointID].X = PlaceAtX;
  Pnts[placement.PointID].Y = PlaceAtY;
  ObjPointsChanged(PlacedObj);  // Undo brings it back there
  CopyDefinitionIntoDrawing(placement.ObjectID, PlaceAtX, PlaceAtY, 1, 1, 0, PiecesLayer(placement));
  EndComponentCommand(FlagTrue);
  RedrawActiveWindow();
}

void PlaceComponentImage() {
  if (ToolStep == 0) return StartPlaceImage();
  if (ToolStep > 1 && ComponentStage == StageWaiting) FinishPlaceImage();
}

// ---- Create and Make Into ----------------------------------------------------------------

// Create makes its definition at the reference click, together with the
// copies that fill it: while the command waits there is no half-made
// definition for a chooser to offer, a dialog to write or Esc to leave
// behind, and Enter, which is no click, makes nothing.
void CreateComponent() {
  ShowStatus("Create Component", 1);
  if (!AnythingSelected()) return NoSelectionMessages();
  if (ToolStep == 0) {
    ShowStatus("Enter a Reference Point >", 2);
    ComponentStage = StageWaiting;
    return;
  }
  if (ComponentStage != StageWaiting || TypedReady) return;
  TakePickPoint(CompRefX, CompRefY);
  StartComponentExtents();
  NewComponent();
  const Long item = ComponentItem;
  Long count = 0;
  const DrawingMarkKept unchanged;  // the copies go into the definition, not the drawing
  ForEachSelected([&](Long i) {  // the copies appended are not visited
    if (!IsCopiedByOffset(Objs[i].Rtype)) return;
    CopyObjOffset(i, -CompRefX, -CompRefY);
    MakeDefinitionGeometry(ObjCount, item);
    GetEntitiesExtents(ObjCount);
    ++count;
  });
  if (count == 0) return RefuseEmptyComponent();
  StoreItemExtents(Items[item], count, 0, 0);  // the copies lie relative to the reference point
  FinishNewComponent();
  RedrawActiveWindow();
}

// Fills, hatches and dimensions are drawn from items of their drawing (an
// area's boundary, a dimension's geometry): a definition cannot hold them, so
// Make Into leaves them in the drawing, as Create copies none of them.
//
// The definition is filled with copies, as Create fills it, lying relative to
// the lower-left corner of what was taken; the entities taken leave the
// drawing as one erase batch, out of the selection, and the placement takes
// their place. Undo takes the placement back and then brings each entity
// back where it was, Redo does it all again, and Un Erase Last brings the
// batch back at once; the definition keeps its copies whatever follows.
void MakeIntoComponent() {
  ShowStatus("Make Into a Component", 1);
  if (!AnythingSelected()) return NoSelectionMessages();
  NewComponent();
  StartComponentExtents();
  const Long item = ComponentItem;
  Long count = 0, layer = 0, color = 0;
  ForEachSelected([&](Long i) {
    if (!IsCopiedByOffset(Objs[i].Rtype)) return;
    if (count == 0) {
      layer = Objs[i].LayerID;
      color = Objs[i].Color;
    }
    GetEntitiesExtents(i);
    ++count;
  });
  if (count == 0) return RefuseEmptyComponent();
  CompRefX = CompMinX;
  CompRefY = CompMinY;
  const Long batch = NewEraseBatch();
  {
    const WholeRedrawFollows redraw;  // the end's redraw shows the placement in their place
    ForEachSelected([&](Long i) {  // the copies appended are not visited
      if (!IsCopiedByOffset(Objs[i].Rtype)) return;
      CopyObjOffset(i, -CompRefX, -CompRefY);
      MakeDefinitionGeometry(ObjCount, item);
      EraseObj(i, batch, ComesBack::Unselected);
    });
    ObjIndexDetached(count);
    StoreItemExtents(Items[item], count, CompRefX, CompRefY);
    const Long placed = AddPlacement(item, CompRefX, CompRefY);
    Objs[placed].LayerID = layer;
    Objs[placed].Color = color;
  }
  FinishNewComponent();
  RedrawActiveWindow();
}

// ---- Explode and Edit ----------------------------------------------------------------------

void ExplodeComponent() {
  if (ToolStep >= ExplodeClicks) return EndComponentCommand(FlagTrue);
  ShowStatus("Component Explode ", 1);
  if (!GetComponentRefPoint()) return;
  const ObjRec& placement = Objs[FoundPlacement];
  const Long item = placement.ObjectID;
  ShowStatus("EXPLODING COMPONENT: " + placement.Name, 2);
  const Double x = PointOf(placement, 1).X, y = PointOf(placement, 1).Y;
  const Single sx = static_cast<Single>(PointOf(placement, 2).X);
  const Single sy = static_cast<Single>(PointOf(placement, 2).Y);
  const Single degrees = static_cast<Single>(PointOf(placement, 3).X);
  const Long layer = PiecesLayer(placement);
  EraseObj(FoundPlacement);
  if (item >= 1 && item <= ItemCount) CopyDefinitionIntoDrawing(item, x, y, sx, sy, degrees, layer);
  EndComponentCommand(FlagTrue);
  RedrawActiveWindow();
}

void EditComponents() {
  if (ToolStep != 0) return;
  ShowStatus("Edit Components", 1);
  ShowComponentDialog(ComponentDialogs.ShowCompEdit);
}

}  // namespace

Integer GetComponentRefPoint() {
  if (ToolStep == 0) {
    ShowStatus("Point to a Components Reference Point >", 2);
    return FlagFalse;
  }
  Double x = PickX, y = PickY;
  TakePickPoint(x, y);
  Double best = NoPlacementDistance;
  Long found = 0;
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
    const ObjRec& obj = Objs[i];
    if (obj.Rtype != EntityComponent || obj.DwgNo != CurDwg || !obj.Show || obj.Erased) continue;
    const Double d = std::abs(PointOf(obj, 1).X - x) + std::abs(PointOf(obj, 1).Y - y);
    if (d < best) {
      best = d;
      found = i;
    }
  }
  if (found == 0 || 2 * PickTolerance < best) return FlagFalse;
  PlacementFound = FlagTrue;
  FoundPlacement = found;
  return FlagTrue;
}

// ---- Dispatcher, reset and registration ---------------------------------------------------

void RunComponentCommand() {
  if (!ComponentActive) {
    BeginCommand(ComponentActive);
    ComponentStage = StageStarted;
  }
  if (DrawingWindow* window = ActiveDocForm()) window->SetMousePointer(vbCrosshair);
  switch (ComponentCommand) {
    case PlaceComponentCode: return PlaceComponent();
    case PlaceImageCode: return PlaceComponentImage();
    case CreateComponentCode: return CreateComponent();
    case EditComponentsCode: return EditComponents();
    case ExplodeComponentCode: return ExplodeComponent();
    case MakeIntoComponentCode: return MakeIntoComponent();
    default: return EndComponentCommand(FlagTrue);
  }
}

void EndComponentCommand(Integer ClearTheirPrompts) {
  if (ClearTheirPrompts) ClearPrompts();
  EndCommand(ComponentActive);
}

void ResetComponents() {
  ComponentCommand = 0;
  ComponentActive = 0;
  ComponentStage = 0;
  ComponentItem = 0;
  ComponentNo = 0;
  EditComponentName.clear();
  CompRefX = CompRefY = 0;
  CompMinX = CompMinY = CompMaxX = CompMaxY = 0;
  CompPickX = CompPickY = PlaceAtX = PlaceAtY = 0;
  PlacedObj = 0;
  PlacementFound = 0;
  FoundPlacement = 0;
  ExtentsEmpty = true;
}

namespace {
void EndOnToolChange() { EndComponentCommand(FlagTrue); }
void CancelComponents() {
  if (!ComponentActive) return;
  if (GroupDragOn) CancelGroupEdit();  // Esc takes down the grip frame of Place
  EndComponentCommand(FlagTrue);
}
const ModuleRegistrar Registered({"Components", FloorOrganisation, ResetComponents,
                                  {ToolComponents, &ComponentActive, RunComponentCommand, EndOnToolChange,
                                   CancelComponents}});
}  // namespace

}  // namespace lintavo
