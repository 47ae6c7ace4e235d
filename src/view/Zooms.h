// Zooms: the view cache, zoom and pan commands.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer ZoomCommand;  // sub-command chosen by the menus and tool bars
extern Integer ZoomActive;  // flag: the module's dispatcher has taken the current command

// ---- View cache ------------------------------------------------------------------------
// Copied from the active window's view for every drawing routine; view
// pixels count x from the left and y upward from the bottom of the area.
extern Long ViewPixMinX, ViewPixMinY;  // pixel bounds: scale left and top
extern Long ViewPixMaxX, ViewPixMaxY;  //   and scale width and height
extern Single ViewBaseX, ViewBaseY;    // pixel of the world origin
extern Double ViewWinMinX, ViewWinMinY, ViewWinMaxX, ViewWinMaxY;  // world window
extern Single ViewScaleX, ViewScaleY;  // pixels per world unit
extern Single ViewZoom;                // zoom factor of the window
extern Single PickTolerance;           // pick and snap reach in world units

// ---- View state --------------------------------------------------------------------
extern Integer ExtentsChanged;  // flag: the drawing extents changed since the view last computed them

void ResetZooms();  // the module's globals to their start values

}  // namespace lintavo
