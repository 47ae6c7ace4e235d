// ServicesAbove: the routines of the floors above that the model must call.
//
// The model never includes a header above its floor. Where a model routine
// must make something happen on the screen or in a database (undo redraws
// the entity it brings back, Esc removes the rubber band, a new layer name is
// stored in the settings database), it calls the routine its owner put here
// when it registered (ProgramState.h, ModuleEntry::Plug). A routine nobody put
// here is skipped, so the model also runs alone, as the tools and some tests
// run it. The main window and the drawing windows are reached through their
// own interfaces (MainWindowLink.h, DrawingWindow.h).
#pragma once

#include "platform/Types.h"

namespace lintavo {

struct ServicesAboveRec {
  // ---- The view: drawing one entity on ActiveDoc -------------------------------------
  void (*DrawEntity)(Long ObjNo) = nullptr;  // drawn with its own pen (DrawObject)
  void (*WipeEntity)(Long ObjNo) = nullptr;  // painted in the background colour
  // ---- The view: images the dispatcher removes -----------------------------------------
  void (*EraseRubberBand)() = nullptr;  // the rubber-band preview, when one is on the surface
  void (*EndOutline)() = nullptr;       // the transform outline is switched off
  void (*MarkPickPoint)(Double X, Double Y) = nullptr;  // the construction-point mark at a pick
  void (*RedrawView)() = nullptr;  // the active window drawn afresh from the model
  // ---- The commands --------------------------------------------------------------------------
  void (*CancelGroupEdit)() = nullptr;  // the grip frame erased and its drag ended
  void (*EndLayerCommand)() = nullptr;  // the layer command and the tool state ended (NewLayer)
  // ---- Storage --------------------------------------------------------------------------------
  // Adds a remembered layer name to the settings database (no row when the
  // name is stored already).
  void (*StoreLayerName)(const String& Name, const String& Category) = nullptr;
};

// Filled at registration, before main; never reset.
extern ServicesAboveRec ServicesAbove;

}  // namespace lintavo
