// Groups: named sets of entities of a drawing, made from the selection, and
// the group commands (tool 15).
//
// A group is an item of kind ItemGroup; its members are the entities whose
// OwnerID is the group's Items index (an entity has one owner, so joining a
// group takes it out of any earlier group). The group's extents are taken
// from its members' points when it is made; a compound entity (component,
// text character ...) counts with its insertion point only. An area's
// boundary is never taken from its area.
//
// A menu item writes its sub-command into GroupCommand, ActiveTool :=
// ToolGroups and calls SelectTool, which calls RunGroupCommand. Every group
// command runs to its end at once. Choosing a group is done in the group
// chooser, which the windows plug into GroupDialogs (a chooser nobody
// plugged counts as cancelled).
//
// Sections:
//   Sub-commands
//   Command state
//   Dialogs of the floor above
//   Commands
//   Group routines
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Sub-commands (values of GroupCommand) ---------------------------------------------
enum GroupCode : Integer {
  ShowGroupCode = 1,         // "SHOW a Group": zooms to a chosen group and draws its members alone until the next redraw
  AddSelectedGroupCode = 2,  // "ADD Selected Group": a new group of the selection
  HideGroupCode = 4,         // "HIDE a Group": clears a chosen group's Show flag
};
constexpr Integer HighestGroupCode = HideGroupCode;  // codes 1..this, 3 unused; a new code takes the next number

// Values of SelectAction the group chooser is shown for (its caption's word).
enum GroupDialogAction : Integer {
  GroupActionSelect = 1,  // "Select "
  GroupActionShow = 2,    // "Show/Edit "
  GroupActionAdd = 3,     // "Add "
  GroupActionHide = 4,    // "Hide "
};

// ---- Command state -------------------------------------------------------------
extern Integer GroupCommand;     // sub-command chosen by the menus and tool bars (GroupCode)
extern Integer GroupActive;      // flag: the module's dispatcher has taken the current command
extern String GroupNameSought;   // name looked up by FindGroupByName; the chooser's chosen name
extern Long SelectedGroup;       // Items index of the group chosen in the chooser; 0 none
extern Double GroupXmin, GroupYmin, GroupXmax, GroupYmax;  // extents gathered by AssignSelectionToGroup

// ---- Dialogs of the floor above ----------------------------------------------------------
// Shows the group chooser modally for SelectAction; results SelectedGroup,
// GroupNameSought and DlgCancelled.
struct GroupDialogsRec {
  void (*ShowGroupSelect)() = nullptr;
};
extern GroupDialogsRec GroupDialogs;  // filled at registration; never reset

// ---- Commands ------------------------------------------------------------------
void RunGroupCommand();  // the dispatcher of tool 15
void EndGroupCommand();  // clears GroupActive, AwaitingInput, ActiveTool and ToolStep

// ---- Group routines ------------------------------------------------------------------
// A group of the current drawing named GroupNameSought (exact): true with its
// index; false with the last index scanned (0 with no items).
bool FindGroupByName(Long& Index);
// A group "New Group n" (the first free n) of the selected entities of the
// current drawing; it is the last item.
void NewGroup();
// The entities drawn selected in the current drawing join item ItemCount
// (an area's boundary stays with its area); the extents hold what the
// members draw (WidenByEntity), starting from the first member's point.
// Returns the number of entities that joined.
Long AssignSelectionToGroup();
// Deletes a group and erases its members; SelectedGroup and GroupNameSought
// are cleared when they named it.
void DeleteGroup(Long Index);

void ResetGroups();  // the module's globals to their start values

}  // namespace lintavo
