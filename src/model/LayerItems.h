// LayerItems: the layer items of a drawing: finding and making them, and
// the show and lock rules by which entities are drawn and picked.
//
// A layer is an item of kind 6 (ItemLayer) of its drawing. A drawing window
// has a current layer (Current_Layer) and two switches: View_Layers (every
// shown layer is drawn, else only the current one) and Edit_layers. While a
// dialog's picture box or the printer is the surface, PreviewMode switches
// the rules to the preview's own. A command that makes a layer of its own
// current while it waits (a dimension) lends the window's current layer: the
// layer the user had current still shows while the command's layer is the
// current one.
//
// Sections:
//   Preview surfaces
//   The current layer lent to a command
//   Visibility
//   Finding and making layers
//   Reset
#pragma once

#include "platform/Types.h"

namespace lintavo {

class DrawingWindow;

// ---- Preview surfaces ------------------------------------------------------------
extern Integer PreviewMode;  // flag: a dialog's picture box or the printer is the drawing surface;
                             // entities made meanwhile open no undo step
extern Long PreviewLayer;        // Items index of the layer a preview draws
extern Integer PreviewAllLayers;  // flag: in preview mode every shown layer is drawn, not only PreviewLayer

// ---- The current layer lent to a command ---------------------------------------
// A window whose current layer a command made its own layer while it waits.
// The lend holds while the window's current layer is still OwnLayer: a layer
// the user makes current meanwhile is the user's, and the lend no longer counts.
struct LayerLendRec {
  const DrawingWindow* Window = nullptr;  // the window lent; nullptr: no lend. Only compared, never read through
  Long DwgNo = 0;      // the window's drawing (its ID) when lent: a window later showing another is not the one lent
  Long OwnLayer = 0;   // Items index of the command's layer, made current in Window
  Long UserLayer = 0;  // Items index of the layer the user had current there before; 0 none
};
extern LayerLendRec LayerLend;  // the one lend; written only by LendCurrentLayer and EndLayerLend

// Notes that a command made OwnLayer current in Window, where the user had UserLayer.
void LendCurrentLayer(const DrawingWindow* Window, Long OwnLayer, Long UserLayer);
void EndLayerLend();  // no lend
// Whether the lend holds in Window: Window is the one lent, still on its
// drawing, and its current layer is still the command's own.
bool IsLayerLentIn(const DrawingWindow* Window);
// The layer the user works on in Window: the layer lent while the lend
// holds there, else Window's current layer (0 without a window).
Long UserLayerOf(const DrawingWindow* Window);

// ---- Visibility ------------------------------------------------------------------
// Whether entity ObjNo's layer is drawn. In preview mode: its layer is
// PreviewLayer, or every shown layer is previewed and its layer is shown.
// Otherwise, by the active window: the current layer always; while
// View_Layers is off only the user's layer besides, while a command holds
// the current layer lent (UserLayerOf); else the layer's Show flag, also
// while there is no current layer (a link 0 reads the blank, hidden Items(0)).
bool IsObjLayerVisible(Long ObjNo);
// The same rule for the entities of layer Items index LayerID (any value).
bool IsLayerVisible(Long LayerID);
// Whether entity ObjNo can be picked: its layer is the active window's
// current layer (even hidden or locked), or View_Layers is on and its layer
// is shown and not locked. Edit_layers is not read. Without a drawing window
// every entity can be picked.
bool IsObjLayerEditable(Long ObjNo);
// The same rule for layer Items index LayerID in a given window (nullptr:
// none), for scans that look the window up once.
bool IsLayerEditableIn(const DrawingWindow* window, Long LayerID);

// ---- Finding and making layers ---------------------------------------------------
extern String LayerNameSought;  // name FindLayerByName looks for (case-sensitive)

// Scans Items 1..ItemCount for a layer of drawing CurDwg named LayerNameSought.
// Found: true and its index. Not found: false and ItemCount (0 with no items).
bool FindLayerByName(Long& index);
// Adds a layer of drawing CurDwg named "New Layer n", n the smallest number
// from 1 not yet used there, shown, unlocked, with the world window now shown
// as its extents, and remembers its name in the library. The new layer is
// ItemCount; it does not become current. LayerNameSought is its name.
void AddNumberedLayer();
// AddNumberedLayer as a whole layer command: it then ends the layer command
// (ServicesAbove.EndLayerCommand).
void NewLayer();
// The first layer of window's new, empty drawing (drawing CurDwg): NewLayer,
// made the window's current layer. A drawing that holds only that layer has
// nothing to save: it stays unchanged.
void NewFirstLayer(DrawingWindow& window);
// Adds a layer of drawing CurDwg named name, shown, unlocked, with the world
// window now shown as its extents; it is ItemCount and does not become current.
void AddViewLayer(const String& name);
// Whether Items index Index (any value) is a layer of drawing DwgNo.
bool IsLayerOfDrawing(Long Index, Integer DwgNo);
// The first layer of drawing DwgNo in item order; 0 when it has none.
Long FirstLayerOfDrawing(Integer DwgNo);
// The index of the layer of drawing CurDwg with that name; a missing one is
// made, shown, with extents 0,0 to 1,1. The active drawing window of the
// main window becomes ActiveDoc first. 0 when no drawing is open (CurDwg 0).
Long EnsureLayer(const String& Name);

// ---- Reset ---------------------------------------------------------------------------
void ResetLayerItems();  // the variables above to their start values, no lend

}  // namespace lintavo
