// Zooms: the view cache, zoom and pan commands.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer ZoomCommand;  // sub-command chosen by the menus and tool bars
extern Integer ZoomActive;  // flag: the module's dispatcher has taken the current command

// ---- View state --------------------------------------------------------------------
extern Integer ExtentsChanged;  // flag: the drawing extents changed since the view last computed them

void ResetZooms();  // the module's globals to their start values

}  // namespace lintavo
