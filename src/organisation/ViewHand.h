// ViewHand: named views of a drawing and the view commands (tool 13).
//
// A named view is an item of kind ItemView holding a world window of its
// drawing (Xmin .. Ymax); it owns no entities. Add View stores the window
// shown now under "New View n" (the first free n); Show View goes back to a
// chosen view. Both choose in the view chooser, which the windows plug into
// ViewDialogs (a chooser nobody plugged counts as cancelled). The window a
// command takes with two clicks, and the inside test Select View uses, are
// WindowCorners (picking floor).
//
// A menu item writes its sub-command into ViewCommand, ActiveTool :=
// ToolViews and calls SelectTool, which calls RunViewCommand; both commands
// run to their end at once.
//
// Sections:
//   Sub-commands
//   Command state
//   Dialogs of the floor above
//   Commands
//   View routines
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Sub-commands (values of ViewCommand) ---------------------------------------------
enum ViewCode : Integer {
  ShowViewCode = 1,  // "SHOW A View": the view goes to a chosen named view
  AddViewCode = 2,   // "ADD View": the window shown now becomes a new named view
};
constexpr Integer HighestViewCode = AddViewCode;  // codes 1..this; a new code takes the next number

// Values of SelectAction the view chooser is shown for (its caption's word).
enum ViewDialogAction : Integer {
  ViewActionSelect = 1,  // "Select "
  ViewActionShow = 2,    // "Show/Edit "
  ViewActionAdd = 7,     // "Add New "
};

// ---- Command state -------------------------------------------------------------
extern Integer ViewCommand;    // sub-command chosen by the menus and tool bars (ViewCode)
extern Integer ViewActive;     // flag: the module's dispatcher has taken the current command
extern String ViewNameSought;  // name looked up by FindViewByName; the chooser's chosen name
extern Long SelectedView;      // Items index of the view chosen in the chooser; 0 none

// ---- Dialogs of the floor above ----------------------------------------------------------
// Shows the view chooser modally for SelectAction; results SelectedView,
// ViewNameSought and DlgCancelled.
struct ViewDialogsRec {
  void (*ShowViewSelect)() = nullptr;
};
extern ViewDialogsRec ViewDialogs;  // filled at registration; never reset

// ---- Commands ------------------------------------------------------------------
void RunViewCommand();  // the dispatcher of tool 13
void EndViewCommand();  // clears ViewActive, AwaitingInput, ActiveTool and ToolStep

// ---- View routines ------------------------------------------------------------------
// A view of the current drawing named ViewNameSought (exact): true with its
// index; false with the last index scanned (Index untouched with no items).
bool FindViewByName(Long& Index);
// A view "New View n" (the first free n, left in ViewNameSought) of the
// world window shown now; it is the last item.
void NewView();
// Deletes a view; SelectedView and ViewNameSought are cleared when they named it.
void DeleteView(Long Index);

void ResetViewHand();  // the module's globals to their start values

}  // namespace lintavo
