// Layers: the layer commands of a drawing (tool 14), and the layer
// routines the layer dialogs share.
//
// A menu item or tool-bar button writes its sub-command into LayerCommand,
// ActiveTool := ToolLayers and calls SelectTool, which calls RunLayerCommand.
// Every layer command runs to its end at once and ends itself; the commands
// that choose a layer show a layer dialog, which the windows plug into
// LayerDialogs (a dialog nobody plugged counts as cancelled).
//
// The layer items themselves, with their show and lock rules and the
// routines that find and make them, are model data (LayerItems.h); the
// library of remembered layer names is a support list (SupportLists.h).
//
// Sections:
//   Sub-commands
//   Command state
//   Dialogs of the floor above
//   Commands
//   Shared layer routines
#pragma once

#include "model/LayerItems.h"
#include "model/SupportLists.h"
#include "platform/Types.h"

namespace lintavo {

// ---- Sub-commands (values of LayerCommand) ------------------------------------------------
enum LayerCode : Integer {
  ShowLayerCode = 3,             // "SHOW A Layer": the layer control dialog
  HideLayerCode = 4,             // "HIDE A Layer": hides a chosen layer
  ShowAllLayersCode = 5,         // "SHOW All Layers"
  HideAllLayersCode = 6,         // "HIDE All Layers": no current layer afterwards
  SetCurrentLayerCode = 7,       // "SET New Current(Top) Layer"
  ViewAllLayersCode = 8,         // "View ALL Showing Layers"
  ViewCurrentLayerOnlyCode = 9,  // "View Current Layer Only"
  EditAllLayersCode = 10,        // "Edit ALL Showing Layers"
  EditCurrentLayerOnlyCode = 11, // "Edit Current Layer Only"
  NewLayerCode = 12,             // a numbered new layer
};
constexpr Integer HighestLayerCode = NewLayerCode;  // codes 3..this, 1 and 2 unused; a new code takes the next number

// Values of SelectAction a layer dialog is shown for (its caption's word).
enum LayerDialogAction : Integer {
  LayerActionSelect = 1,  // "Select Top " / "Select "
  LayerActionShow = 2,    // "Show/Edit "
  LayerActionRemove = 3,  // "Remove "
  LayerActionHide = 4,    // "Hide "
};

// ---- Command state -------------------------------------------------------------
extern Integer LayerCommand;  // sub-command chosen by the menus and tool bars (LayerCode)
extern Integer LayerActive;   // flag: a layer command runs
extern Long SelectedLayer;    // Items index of the layer chosen in a layer dialog; 0 none

// ---- Dialogs of the floor above ------------------------------------------------------
// Each shows its dialog modally for SelectAction and returns when it closes;
// the results are SelectedLayer, LayerNameSought and DlgCancelled.
struct LayerDialogsRec {
  void (*ShowLayerSelect)() = nullptr;   // frmLayerSelect: choose one layer
  void (*ShowLayerControl)() = nullptr;  // frmLayerCtl: shows, locks, modes, current layer
};
extern LayerDialogsRec LayerDialogs;  // filled at registration; never reset

// ---- Commands ------------------------------------------------------------------
void RunLayerCommand();  // the dispatcher of tool 14
void EndLayerCommand();  // clears LayerActive, AwaitingInput, ActiveTool and ToolStep

// ---- Shared layer routines -------------------------------------------------------
// Deletes layer LayerIndex of the current drawing with every entity on it,
// and forgets it wherever the program still names it: SelectedLayer and
// LayerNameSought, and the current layer of its drawing's window, which
// becomes the drawing's first layer left, or a numbered new layer when none
// is left.
void DeleteLayer(Long LayerIndex);
// Live entities of the current drawing on layer LayerIndex.
Long CountLayerObjs(Long LayerIndex);
// Sets Show (or Lock) of every layer of the current drawing.
void SetAllLayersShow(Integer Value);
void SetAllLayersLock(Integer Value);

void ResetLayers();  // the module's globals to their start values

}  // namespace lintavo
