// ViewCache: the view of the surface being drawn on, as every drawing,
// picking and snapping routine reads it.
//
// The master copy of a view is the public state of its drawing window
// (DrawingWindow.h); the zoom module (Zooms) copies the active window's view
// into these variables with LoadViewCache, and printing and dialog previews
// load their own surface's values for a while. Routines read the cache, never
// the window's own variables, so they work on any surface.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- View cache ------------------------------------------------------------------------
extern Long ViewPixMinX, ViewPixMinY;  // pixel bounds: scale left and top (0, 0)
extern Long ViewPixMaxX, ViewPixMaxY;  //   and scale width and height
extern Single ViewBaseX, ViewBaseY;    // view pixel of the world origin
extern Double ViewWinMinX, ViewWinMinY, ViewWinMaxX, ViewWinMaxY;  // world window, world units
extern Single ViewScaleX, ViewScaleY;  // pixels per world unit
extern Single ViewZoom;                // zoom factor of the window (1 = true size)
extern Single PickTolerance;           // pick and snap reach in world units: SnapTolerance / ViewZoom

// ---- Extents --------------------------------------------------------------------------
extern Integer ExtentsChanged;  // flag: geometry changed since ComputeDrawingExtents last ran

void ResetViewCache();  // the variables above to their start values

}  // namespace lintavo
