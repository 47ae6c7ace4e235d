// ViewHand: the view commands of tool 13 and the routines that make, find
// and delete named views.
//
// Sections:
//   Command state
//   View routines
//   Commands
//   Reset and registration
#include "organisation/ViewHand.h"

#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/LayerItems.h"
#include "model/MainWindowLink.h"
#include "model/MessageBar.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/UndoRedo.h"
#include "model/ViewCache.h"
#include "picking/Selection.h"
#include "view/Zooms.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------

Integer ViewCommand = 0;
Integer ViewActive = 0;
String ViewNameSought;
Long SelectedView = 0;
ViewDialogsRec ViewDialogs;

namespace {
constexpr const char* NewViewPrefix = "New View ";
}  // namespace

// ---- View routines ------------------------------------------------------------------

bool FindViewByName(Long& Index) {
  for (Long i = 1; i <= ItemCount; ++i) {
    Index = i;
    const ItemRec& item = Items[i];
    if (item.Rtype == ItemView && item.DwgNo == CurDwg && item.Name == ViewNameSought) return true;
  }
  return false;
}

void NewView() {
  FirstFreeName(ViewNameSought, NewViewPrefix, FindViewByName);
  ItemRec& view = NewItemNamed(ItemView, ViewNameSought);
  // The world window shown now: the drawing window's own when there is one.
  if (const DrawingWindow* window = ActiveDocForm()) {
    view.Xmin = window->XVmin;
    view.Ymin = window->YVmin;
    view.Xmax = window->XVmax;
    view.Ymax = window->YVmax;
  } else {
    view.Xmin = ViewWinMinX;
    view.Ymin = ViewWinMinY;
    view.Xmax = ViewWinMaxX;
    view.Ymax = ViewWinMaxY;
  }
  view.Nlines = 0;
  view.DwgNo = CurDwg;
}

void DeleteView(Long Index) {
  DeleteChosenItem(Index, ItemView, DeleteItemObjs, SelectedView, ViewNameSought);
}

// ---- Commands --------------------------------------------------------------------------

namespace {


bool ViewChosen() {
  return !DlgCancelled && SelectedView > 0 && SelectedView <= ItemCount && Items[SelectedView].Rtype == ItemView &&
         !ViewNameSought.empty();
}

// Shows the chooser for an action, then goes to the chosen view with the
// message; in every case the view is redrawn and the command ends. A view of
// no width or height is not fitted; one the window cannot show is refused
// in panel 3, and Show then says nothing of showing it. True when a view
// was chosen.
bool ChooseAndShowView(Integer action, const char* done) {
  SelectKind = SelectKindView;
  SelectAction = action;
  SelectedView = 0;
  ViewNameSought.clear();
  DlgCancelled = FlagTrue;
  if (ViewDialogs.ShowViewSelect) ViewDialogs.ShowViewSelect();
  DrawingWindow* window = TargetActiveWindow();
  const bool chosen = ViewChosen();
  if (chosen && window) {
    const ItemRec& view = Items[SelectedView];
    SaveViewWindow();
    SetItemFlag(SelectedView, &ItemRec::Show, FlagTrue);
    window->View_Layers = FlagTrue;
    bool fitted = true;
    const ViewWindowRect box{view.Xmin, view.Ymin, view.Xmax, view.Ymax};
    if (HasWidthAndHeight(box)) fitted = FitViewToBox(box);
    // A view added is made even when the window cannot show it.
    if (fitted || action == ViewActionAdd) ShowStatus("VIEW : " + ViewNameSought + done, 2);
  }
  RefreshActiveView();
  EndViewCommand();
  return chosen;
}

void ShowView() {
  ShowStatus("SHOW A View", 1);
  ChooseAndShowView(ViewActionShow, " Showing");
}

void AddView() {
  ShowStatus("ADD View", 1);
  KeptMark mark;
  mark.Keep(CurDwg);
  mark.Own(NewView);
  const Long made = ItemCount;
  if (ChooseAndShowView(ViewActionAdd, " Created")) return;
  // Cancelled: the view made for the chooser goes again, so nothing was
  // added, and the drawing's mark is as the command found it unless the
  // chooser changed something else.
  mark.Own([made] {
    DeleteView(made);
    if (!PreviewMode && Dwgs[CurDwg].Nobjects > 0) --Dwgs[CurDwg].Nobjects;
  });
  mark.GiveBack();
}

}  // namespace

void RunViewCommand() {
  if (!ViewActive) BeginCommand(ViewActive);
  switch (ViewCommand) {
    case ShowViewCode: ShowView(); break;
    case AddViewCode: AddView(); break;
    default: break;
  }
}

void EndViewCommand() {
  EndCommand(ViewActive);
}

// ---- Reset and registration -------------------------------------------------------

void ResetViewHand() {
  ViewCommand = 0;
  ViewActive = 0;
  ViewNameSought.clear();
  SelectedView = 0;
}

namespace {
const ModuleRegistrar Registered({"ViewHand", FloorOrganisation, ResetViewHand, {ToolViews, &ViewActive, RunViewCommand}});
}  // namespace

}  // namespace lintavo
