// LayerItems: the layer items of a drawing: finding and making them, and
// the show and lock rules by which entities are drawn and picked.
//
// A layer is an item of kind 6 (ItemLayer) of its drawing. A drawing window
// has a current layer (Current_Layer) and two switches: View_Layers (every
// shown layer is drawn, else only the current one) and Edit_layers. While a
// dialog's picture box or the printer is the surface, PreviewMode switches
// the rules to the preview's own.
//
// Sections:
//   Preview surfaces
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

// ---- Visibility ------------------------------------------------------------------
// Whether entity ObjNo's layer is drawn. In preview mode: its layer is
// PreviewLayer, or every shown layer is previewed and its layer is shown.
// Otherwise, by the active window: the current layer always; nothing else
// while View_Layers is off; else the layer's Show flag, also while there is
// no current layer (a link 0 reads the blank, hidden Items(0)).
bool IsObjLayerVisible(Long ObjNo);
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
void ResetLayerItems();  // the variables above to their start values

}  // namespace lintavo
