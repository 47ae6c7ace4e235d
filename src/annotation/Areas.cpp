// Areas: named areas and the area commands.
//
// Sections:
//   State
//   Area items
//   Creating an area
//   Commands through the chooser
//   Dispatcher and reset
#include "annotation/Areas.h"

#include <span>
#include <vector>

#include "annotation/Boundaries.h"
#include "annotation/Fills.h"
#include "annotation/Hatches.h"
#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/ItemMembers.h"
#include "model/LayerItems.h"
#include "model/MainWindowLink.h"
#include "model/MessageBar.h"
#include "model/ObjIndex.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/UndoRedo.h"
#include "picking/Measure.h"
#include "picking/Selection.h"
#include "view/DisplayOptions.h"
#include "view/Rubber.h"
#include "view/Zooms.h"

namespace lintavo {

// ---- State ---------------------------------------------------------------------------------

Integer AreaCommand = 0;
Integer AreaActive = 0;
Integer AreaCreating = 0;
Integer AreaStep = 0;
String AreaName;
Long AreaItem = 0;

String BoundaryLayer;
Long BoundaryColor = 0;
Integer BoundaryStyle = 0;

void (*ShowAreaChooser)() = nullptr;

namespace {

constexpr Integer AreaStepStart = 1;
constexpr Integer AreaStepCollecting = 3;
constexpr Integer NoStepTaken = -1;               // CollectedStep before the collector's first call
constexpr Integer AreaResultPanel = PromptPanel;  // an area's result shows where the prompts do
constexpr Integer ErrorPanel = 3;

Integer RunningCommand = 0;           // AreaCommand of the command running now; 0 none
Long AreaMade = 0;                    // Items index of the area being created; 0 none
Integer CollectedStep = NoStepTaken;  // ToolStep the collector last took

bool IsAreaOfDrawing(Long i) {
  return i >= 1 && i <= ItemCount && Items[i].Rtype == ItemArea && Items[i].DwgNo == CurDwg;
}

}  // namespace

// ---- Area items ------------------------------------------------------------------------------

bool FindAreaByName(Long& Index) {
  for (Long i = 1; i <= ItemCount; ++i) {
    if (IsAreaOfDrawing(i) && Items[i].Name == AreaName) {
      Index = i;
      return true;
    }
  }
  return false;
}

void NewAreaName() {
  FirstFreeName(AreaName, "New Area ", FindAreaByName);
  ItemRec& area = NewItemNamed(ItemArea, AreaName);
  area.DwgNo = CurDwg;
  AreaItem = ItemCount;
}

void DeleteArea(Long Item) {
  if (Item < 1 || Item > ItemCount || Items[Item].Rtype != ItemArea) return;
  // Fills and hatches point at the area through ObjectID only: they join its
  // members first, so that they go with it instead of drawing nothing forever.
  const Long last = ObjCount;
  for (Long i = 1; i <= last; ++i) {
    ObjRec& obj = Objs[i];
    if (obj.ObjectID != Item || (obj.Rtype != EntityFill && obj.Rtype != EntityHatch)) continue;
    obj.OwnerID = Item;
    EntityLinksChanged(i);
  }
  DeleteItemObjs(Item);
}

void RenameArea(Long Item, const String& Name) {
  if (Item < 1 || Item > ItemCount || Name.empty()) return;
  Items[Item].Name = Name;
  ItemChanged(Item);
  const Long last = ObjCount;
  for (Long i = 1; i <= last; ++i) {
    if (Objs[i].ObjectID != Item) continue;
    Objs[i].Name = Name;
    EntityChanged(i);
  }
}

// ---- Creating an area --------------------------------------------------------------------------

namespace {

const char* CreateWord(Integer code) {
  switch (code) {
    case AreaWindowCode: return "Boundary Window";
    case AreaPointsCode: return "Boundary Points";
    default: return "Boundary Lines";
  }
}

void RunCollector() {
  switch (AreaCommand) {
    case AreaWindowCode: return CollectBoundaryWindow(AreaStep);
    case AreaPointsCode: return CollectBoundaryPoints(AreaStep);
    default: return CollectBoundaryLines(AreaStep);
  }
}

void FinishArea() {
  UpdateItemExtents(AreaItem);  // the extents and the boundary's enclosed size
  ItemRec& area = Items[AreaItem];
  area.Nlines = 1;
  area.Lock = FlagTrue;
  ShowStatus("Area : " + area.Name + " CREATED", AreaResultPanel);
  AreaCreating = FlagFalse;
  RefreshActiveView();
  ResetAreaState();
}

// The box of an area with no boundary: the one it was made with.
void ClearAreaBox(Long item) {
  ItemRec& area = Items[item];
  if (area.Xmin == 0 && area.Ymin == 0 && area.Xmax == 0 && area.Ymax == 0) return;
  area.Xmin = area.Ymin = area.Xmax = area.Ymax = 0;
  ItemChanged(item);
}

// The boundary of the area being made goes, and nothing else; the item and
// its name stay. A redraw may have taken the unfinished boundary into the
// item's box: the box goes with it, so the area is one with no boundary.
void DropBoundaryBuilt() {
  if (AreaMade < 1) return;
  const std::span<const Long> members = ItemMembers(AreaMade);
  const std::vector<Long> boundary(members.begin(), members.end());  // the detach relinks them
  Long detached = 0;
  for (const Long i : boundary) {
    if (Objs[i].DwgNo == 0) continue;
    DetachWithOwner(i);
    ++detached;
  }
  ObjIndexDetached(detached);
  ClearAreaBox(AreaMade);
}

// The collection starts again with this click as its first: the boundary
// built so far goes, and the collector starts afresh. A click that was the
// first step already (after the right button) anchored the previews, and the
// right button's redraw took their images off. A later click (the boundary
// was taken back) finds the previews holding the points dropped and the last
// move's polygon on the screen: a redraw takes it off, and the previews
// start from this click's snapped point, as a first click's do.
void RestartCollection() {
  const bool previewsHoldDroppedPoints = ToolStep > 1;
  DropBoundaryBuilt();
  EndBoundaryCollection();
  if (previewsHoldDroppedPoints) {
    RefreshActiveView();
    StartRubberAtClick();
  }
  ToolStep = 0;
  RunCollector();
  ToolStep = 1;
}

void CreateArea() {
  if (AreaStep == AreaStepStart) {
    ShowStatus(String("CREATE Area Via ") + CreateWord(AreaCommand), TitlePanel);
    BoundaryLayerNo = EnsureLayer(BoundaryLayer);
    NewAreaName();
    AreaMade = AreaItem;
    AreaCreating = FlagTrue;
    ToolStep = 0;
    CollectedStep = NoStepTaken;
    AreaStep = AreaStepCollecting;
  }
  if (AreaStep == AreaStepCollecting) {
    // Enter comes back with no new click: the collectors take clicks only.
    if (TypedReady) return;
    // The right button started the steps again (the click is not beyond the
    // last one taken), or the boundary built so far was taken back (Undo):
    // every collector starts again from this click, keeping no boundary
    // that lacks a point or side the user gave.
    if (ToolStep > 0 && (ToolStep <= CollectedStep || BoundaryTakenBack())) RestartCollection();
    CollectedStep = ToolStep;
    RunCollector();
  }
  if (AreaStep == AreaStepClosed) FinishArea();
}

// ---- Commands through the chooser -------------------------------------------------------------

// Shows the chooser for Action; true when an area was chosen.
bool ChooseArea(Integer Action) {
  SelectKind = SelectKindArea;
  SelectAction = Action;
  AreaItem = 0;
  AreaName.clear();
  DlgCancelled = FlagTrue;
  if (ShowAreaChooser) ShowAreaChooser();
  TargetActiveWindow();
  return !DlgCancelled && AreaItem >= 1 && AreaItem <= ItemCount;
}

void EndWithRedraw() {
  RefreshActiveView();
  ResetAreaState();
}

void ReportNotFound() { ShowStatus("Area : " + AreaName + " Not Found", AreaResultPanel); }

// The view goes to the area's extents, with the fit's margin; the window
// before is kept as the previous view. False when the view could not go there (an area without a
// boundary has no window to fit): the view stays as it was.
bool ZoomToArea(Long item, bool saveFirst) {
  UpdateNotedItemExtents();
  const ItemRec& area = Items[item];
  SetItemFlag(item, &ItemRec::Show, FlagTrue);
  DrawingWindow* window = ActiveDocForm();
  if (!window) return false;
  if (saveFirst) SaveViewWindow();
  window->View_Layers = FlagTrue;
  const bool fitted = FitViewToItemBox(area.Xmin + area.Xorigin, area.Ymin + area.Yorigin,
                                       area.Xmax + area.Xorigin, area.Ymax + area.Yorigin);
  if (!saveFirst) SaveViewWindow();  // the area's window becomes the previous view
  return fitted;
}

// A command on a chosen area: its title, the chooser for Action, then Act on
// the area chosen (an empty name is reported as not found); every way out
// ends with a redraw.
void OnChosenArea(const char* Title, Integer Action, void (*Act)()) {
  ShowStatus(Title, TitlePanel);
  if (ChooseArea(Action)) {
    if (AreaName.empty())
      ReportNotFound();
    else
      Act();
  }
  EndWithRedraw();
}

void ShowArea() {
  OnChosenArea("SHOW an Area", AreaActionShow, [] {
    const bool shown = ZoomToArea(AreaItem, true);
    ShowStatus(shown ? "Area : " + AreaName + " Showing" : String(MessageViewRefused), AreaResultPanel);
  });
}

void AddArea() {
  ShowStatus("ADD Area", TitlePanel);
  NewAreaName();
  if (ChooseArea(AreaActionShow) && !AreaName.empty()) {
    const bool shown = ZoomToArea(AreaItem, false);
    ShowStatus(shown ? "Area : " + AreaName + " Created" : String(MessageViewRefused), AreaResultPanel);
  }
  EndWithRedraw();
}

void HideArea() {
  OnChosenArea("HIDE an Area", AreaActionHide, [] {
    SetItemFlag(AreaItem, &ItemRec::Show, FlagFalse);
    ShowStatus("Area: " + AreaName + " Hidden", AreaResultPanel);
  });
}

// Fill (type 15) or hatch (type 16) of the current area, three points.
void AppendAreaObject(Integer type, Long colour, Integer style, const String& layer, Double x2, Double y2,
                      Double x3) {
  const ItemRec& area = Items[AreaItem];
  const Double xmin = area.Xmin, ymin = area.Ymin;
  const Long layerNo = EnsureLayer(layer);
  AddObj(type, 3);
  ObjRec& obj = Objs[ObjCount];
  obj.Name = AreaName;
  obj.Color = colour;
  obj.Ltype = style;
  obj.ObjectID = AreaItem;
  obj.LayerID = layerNo;
  AddPnt(xmin, ymin);
  AddPnt(x2, y2);
  AddPnt(x3, 0);
}

void FillArea() {
  OnChosenArea("Area Fill", AreaActionFill, [] {
    AppendAreaObject(EntityFill, CurFillColor, CurFillPattern, CurFillLayer, 1, 1, 0);
    ShowStatus("Area : " + AreaName + " Showing Filled", AreaResultPanel);
  });
}

void HatchArea() {
  OnChosenArea("Area Hatch", AreaActionHatch, [] {
    // The pattern the options show, also when no preview found it (hatches not shown).
    CurPatternIndex = CurrentHatchPattern();
    AppendAreaObject(EntityHatch, HatchColor, static_cast<Integer>(CurPatternIndex), HatchLayer, HatchScale,
                     HatchScale, HatchRotation);
    ShowStatus("Area : " + AreaName + (ShowHatches ? " Showing Hatched" : " Hatched - Show Hatches is Off"),
               AreaResultPanel);
  });
}

}  // namespace

// ---- Dispatcher and reset ------------------------------------------------------------------------

void RunAreaCommand() {
  // Another area command chosen while one runs (an area being made) ends
  // that one first: its unfinished boundary goes, and the new one starts.
  if (AreaActive && AreaCommand != RunningCommand) ResetAreaState();
  if (!AreaActive) {
    ActiveTool = ToolAreas;
    BeginCommand(AreaActive);
    AreaStep = AreaStepStart;
    RunningCommand = AreaCommand;
  }
  switch (AreaCommand) {
    case AreaShowCode: return ShowArea();
    case AreaAddCode: return AddArea();
    case AreaHideCode: return HideArea();
    case AreaWindowCode:
    case AreaPointsCode:
    case AreaLinesCode: return CreateArea();
    case AreaFillCode: return FillArea();
    case AreaHatchCode: return HatchArea();
    default: ResetAreaState(); return;
  }
}

void ResetAreaState() {
  EndBoundaryCollection();
  if (AreaCreating) {
    AreaCreating = FlagFalse;
    DropBoundaryBuilt();
    RefreshActiveView();
  }
  AreaMade = 0;
  RunningCommand = 0;
  ClearPanel3(ErrorPanel);
  EndCommand(AreaActive);
  AreaStep = 0;
}

void ResetAreas() {
  AreaCommand = 0;
  AreaActive = 0;
  AreaCreating = 0;
  AreaStep = 0;
  AreaName.clear();
  AreaItem = 0;
  RunningCommand = 0;
  AreaMade = 0;
  CollectedStep = NoStepTaken;
  BoundaryLayer.clear();
  BoundaryColor = 0;
  BoundaryStyle = 0;
}

namespace {
// Leaving the area tool drops an area being created; Esc does the same.
void EndAreasOnToolChange() {
  if (AreaCreating)
    ResetAreaState();
  else
    AreaActive = 0;
}
void CancelAreas() {
  if (AreaCreating || AreaActive) ResetAreaState();
}
const ModuleRegistrar Registered({"Areas", FloorAnnotation, ResetAreas,
                                  {ToolAreas, &AreaActive, RunAreaCommand, EndAreasOnToolChange, CancelAreas}});
}  // namespace

}  // namespace lintavo
