// ZoomCommands: the zoom and pan commands of tool 12, run by the tool
// dispatcher: ZOOM ALL, ZOOM Drawing Limits, ZOOM Window, ZOOM SCALE, ZOOM
// IN, ZOOM OUT, ZOOM PREVIOUS, the four half-window pans and ZOOM FULL
// DRAWING (the codes are ZoomCode in Zooms.h).
//
// A menu item or tool-bar button writes ZoomCommand, then ActiveTool :=
// ToolZooms, then calls SelectTool, which calls RunZoomCommand. Each command
// changes the view of the active drawing window through the view routines
// of Zooms and redraws it whole. The one-shot commands (all, limits, full
// drawing, scale once a value is typed, previous and the pans) end at once;
// ZOOM Window ends after its second corner; ZOOM IN and ZOOM OUT zoom again
// at every click until another command or Esc ends them.
//
// Sections:
//   Command state
//   Dispatcher
//   Services for other commands
//   Reset
#pragma once

#include "platform/Types.h"
#include "view/Zooms.h"

namespace lintavo {

// ---- Command state ----------------------------------------------------------------
// ZoomCommand, ZoomActive and EndZoomCommand are in Zooms.h: every refresh
// of a view ends a running zoom command.
extern Integer LastZoomCommand;  // ZoomCommand the running command was started with; 0 none
// The world rectangle that the next fit makes the world window (world units):
// the drawing's extents, its sheet, or the corners of ZOOM Window.
extern Double ZoomExtMinX, ZoomExtMinY, ZoomExtMaxX, ZoomExtMaxY;

// ---- Dispatcher --------------------------------------------------------------------
// Starts the command of ZoomCommand when none runs or the code changed
// (step 0, cross pointer, AwaitingInput set, no typed value pending), then
// runs its step. A code without a command ends the command at once.
void RunZoomCommand();

// ---- Services for other commands ----------------------------------------------------------
// Shows the drawing at 1 : s (View_Scale := 1 / s) about the last view
// centre, redraws, and makes the new view the previous one. Nothing happens
// for s of 0 or less, or a scale that cannot be shown.
void SetDrawingScale(Single s);
// World window := ZoomExtMinX..ZoomExtMaxX × ZoomExtMinY..ZoomExtMaxY, fitted
// into the area, then made to describe the whole area, and redrawn; false
// when the fit was refused (the view is then unchanged).
bool ZoomToExtents();

// ---- Reset -------------------------------------------------------------------------------
void ResetZoomCommands();  // the module's globals to their start values

}  // namespace lintavo
