// Layers: layers of a drawing with their show and lock rules.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer LayerCommand;  // sub-command chosen by the menus and tool bars
extern Integer LayerActive;  // flag: the module's dispatcher has taken the current command

// ---- Preview surfaces ------------------------------------------------------------
extern Integer PreviewMode;  // flag: a dialog's picture box or the printer is the drawing surface;
                             // entities made meanwhile open no undo step

// ---- Finding and making layers ---------------------------------------------------
extern String LayerNameSought;  // name FindLayerByName looks for (case-sensitive)

// Scans Items 1..ItemCount for a layer of drawing CurDwg named LayerNameSought.
// Found: true and its index. Not found: false and ItemCount (0 with no items).
bool FindLayerByName(Long& index);
// The index of the layer of drawing CurDwg with that name; a missing one is
// made, shown, with extents 0,0 to 1,1.
Long EnsureLayer(const String& Name);

void ResetLayers();  // the module's globals to their start values

}  // namespace lintavo
