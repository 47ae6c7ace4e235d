// Groups: the group commands of tool 15 and the routines that make, find
// and delete groups.
//
// Sections:
//   Command state
//   Group routines
//   Showing a group
//   Commands
//   Reset and registration
#include "organisation/Groups.h"

#include <cmath>

#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/ItemMembers.h"
#include "model/MainWindowLink.h"
#include "model/MessageBar.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/UndoRedo.h"
#include "picking/Selection.h"
#include "view/DrawDispatch.h"
#include "view/Zooms.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------

Integer GroupCommand = 0;
Integer GroupActive = 0;
String GroupNameSought;
Long SelectedGroup = 0;
Double GroupXmin = 0, GroupYmin = 0, GroupXmax = 0, GroupYmax = 0;
GroupDialogsRec GroupDialogs;

namespace {

constexpr const char* NewGroupPrefix = "New Group ";

// An area's boundary: a polygon owned by an area item. It stays with its
// area, whatever else is selected with it.
bool IsAreaBoundary(const ObjRec& obj) {
  return obj.Rtype == EntityPolygon && obj.OwnerID >= 1 && obj.OwnerID <= ItemCount &&
         Items[obj.OwnerID].Rtype == ItemArea;
}

// Widens the gathered extents to take one point; the first point starts
// them. A point that is not finite widens nothing.
void TakeExtentPoint(Double X, Double Y, bool& first) {
  if (std::isfinite(X) && std::isfinite(Y)) WidenRunningBox(GroupXmin, GroupYmin, GroupXmax, GroupYmax, first, X, Y);
}

}  // namespace

// ---- Group routines ------------------------------------------------------------------

bool FindGroupByName(Long& Index) { return FindItemOfDrawing(ItemGroup, GroupNameSought, Index); }

Long AssignSelectionToGroup() {
  GroupXmin = GroupYmin = GroupXmax = GroupYmax = 0;
  bool first = true;
  Long members = 0;
  const Long group = ItemCount;
  const Long last = ObjCount;
  for (Long i = BaseObjCount + 1; i <= last; ++i) {
    ObjRec& obj = Objs[i];
    if (!IsDrawnSelected(obj) || IsAreaBoundary(obj)) continue;
    ++members;
    obj.OwnerID = group;
    EntityLinksChanged(i);
    // The group's box holds what the member draws: a circle's rim, a placement's component.
    WidenByEntity<Double>(obj, [&first](Double X, Double Y) { TakeExtentPoint(X, Y, first); });
  }
  return members;
}

void NewGroup() {
  FirstFreeName(GroupNameSought, NewGroupPrefix, FindGroupByName);
  NewItemNamed(ItemGroup, GroupNameSought).DwgNo = CurDwg;
  const Long added = ItemCount;
  const Long members = AssignSelectionToGroup();
  ItemRec& group = Items[added];
  group.Xmin = GroupXmin;
  group.Ymin = GroupYmin;
  group.Xmax = GroupXmax;
  group.Ymax = GroupYmax;
  group.Nlines = members;
}

void DeleteGroup(Long Index) {
  DeleteChosenItem(Index, ItemGroup, DeleteItemObjs, SelectedGroup, GroupNameSought);
}

// ---- Showing a group -------------------------------------------------------------------

namespace {

// The view zooms to the group (with the fit's margin, so that members on
// its edges are drawn whole), the previous window kept for Zoom Previous;
// the surface is cleared and only the group's members are drawn (no grid,
// no other entity), so the group is seen alone until the next full redraw.
// A group of no members is not fitted; one whose members lie on one level,
// or upright, or on one point, is shown at the size that shows them.
void ShowGroupOnView(Long group) {
  UpdateNotedItemExtents();  // the extents of members moved since
  const ItemRec& item = Items[group];
  SaveViewWindow();
  SetItemFlag(group, &ItemRec::Show, FlagTrue);
  if (ItemHoldsFigure(item)) FitViewToItemBox(item.Xmin, item.Ymin, item.Xmax, item.Ymax, true);
  if (ZoomActive) EndZoomCommand();
  if (!BeginViewPicture(false)) return;  // no reference mark, no grid: the members alone
  // A member may load the component it shows: each next member is asked anew.
  const Long last = ObjCount;
  for (Long i = NextMember(group, BaseObjCount); i != 0 && i <= last; i = NextMember(group, i)) {
    const ObjRec& obj = Objs[i];
    if (obj.DwgNo == CurDwg && !obj.Erased) DrawObject(i);
  }
}

// Shows the chooser for an action; a chooser nobody plugged is cancelled.
void ChooseGroup(Integer action) {
  SelectKind = SelectKindGroup;
  SelectAction = action;
  SelectedGroup = 0;
  GroupNameSought.clear();
  DlgCancelled = FlagTrue;
  if (GroupDialogs.ShowGroupSelect) GroupDialogs.ShowGroupSelect();
}

bool GroupChosen() {
  return !DlgCancelled && SelectedGroup > 0 && SelectedGroup <= ItemCount && Items[SelectedGroup].Rtype == ItemGroup;
}

// After the chooser of Show and Add: the chosen group drawn alone with the
// message, or the whole view again.
void ShowChosenGroup(const char* done) {
  DrawingWindow* window = TargetActiveWindow();
  if (!GroupChosen() || !window) {
    RefreshActiveView();
  } else if (GroupNameSought.empty()) {
    RefreshActiveView();
    ShowStatus("Group : " + GroupNameSought + " Not Found", 2);
  } else {
    ShowGroupOnView(SelectedGroup);
    ShowStatus("Group : " + GroupNameSought + done, 2);
  }
  EndGroupCommand();
}

// ---- Commands --------------------------------------------------------------------------

void ShowGroup() {
  ShowStatus("SHOW a Group", 1);
  ChooseGroup(GroupActionShow);
  ShowChosenGroup(" Showing");
}

void AddSelectedGroup() {
  ShowStatus("ADD Selected Group", 1);
  if (!AnythingSelected()) {
    ShowStatus("No Items Selected!!", 2);
    EndGroupCommand();
    return;
  }
  NewGroup();
  ChooseGroup(GroupActionAdd);
  ShowChosenGroup(" Created");
}

void HideGroup() {
  ShowStatus("HIDE a Group", 1);
  ChooseGroup(GroupActionHide);
  TargetActiveWindow();
  if (GroupChosen()) {
    SetItemFlag(SelectedGroup, &ItemRec::Show, FlagFalse);
    ShowStatus("Group : " + GroupNameSought + " Hidden", 2);
  }
  RefreshActiveView();
  EndGroupCommand();
}

}  // namespace

void RunGroupCommand() {
  if (!GroupActive) {
    ActiveTool = ToolGroups;
    BeginCommand(GroupActive);
  }
  switch (GroupCommand) {
    case ShowGroupCode: ShowGroup(); break;
    case AddSelectedGroupCode: AddSelectedGroup(); break;
    case HideGroupCode: HideGroup(); break;
    default: break;
  }
}

void EndGroupCommand() {
  EndCommand(GroupActive);
}

// ---- Reset and registration -------------------------------------------------------

void ResetGroups() {
  GroupCommand = 0;
  GroupActive = 0;
  GroupNameSought.clear();
  SelectedGroup = 0;
  GroupXmin = GroupYmin = GroupXmax = GroupYmax = 0;
}

namespace {
const ModuleRegistrar Registered({"Groups", FloorOrganisation, ResetGroups, {ToolGroups, &GroupActive, RunGroupCommand}});
}  // namespace

}  // namespace lintavo
