// DisplayOptions: the display options the drawers read: the background
// colour of drawings, which point marks are shown and in which colours, and
// whether text characters and dimensions are drawn at all; and the drawing
// window's crosshair, rubber banding and coordinate read-out.
//
// The display option sets, the Display menu and the display options dialog
// write these; every drawing routine reads them as they stand. Flags hold -1
// for true and 0 for false; colours are RGB Longs, red in the low byte.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Colours ------------------------------------------------------------------------
extern Long DwgBackColor;  // background of every drawing surface; erasing paints in it (white at start)
extern Long ConPntColor;   // construction-point marks (black at start)
extern Long RefPntColor;   // reference-point marks: component insertion points, the origin (green at start)
extern Long RubberColor;   // line-drawing rubber bands and the dragged vertex ghost (blue at start)

// ---- Bars of the main window ----------------------------------------------------------
extern Integer ShowToolBar;     // flag: the main tool bar is shown (-1 at start)
extern Integer ShowTextBar;     // flag: the text tool bar is shown (0 at start)
extern Integer ShowMessageBar;  // flag: the message bar is shown (-1 at start)
extern Integer ShowStatusBar;   // flag: the status bar is shown (-1 at start)

// ---- Point marks ----------------------------------------------------------------------
extern Integer ShowStdPnts;  // flag: Point entities drawn as a small cross, else as one pixel (-1 at start)
extern Integer ShowRefPnts;  // flag: reference-point marks drawn (0 at start)

// ---- Annotation display -----------------------------------------------------------------
extern Integer ShowTextObjs;  // flag: text character entities drawn (-1 at start)
extern Integer ShowDimObjs;   // flag: dimension entities drawn (-1 at start)
// Fill and hatch options, kept in the fill option sets: with ShowFills off,
// bands and polygons are drawn as outlines and the boundary-polygon preview
// is transparent.
extern Integer ShowFills;    // flag: fills of every kind are drawn (-1 at start)
extern Integer ShowHatches;  // flag: hatches are drawn (-1 at start)

// ---- Selected entities ----------------------------------------------------------------------
extern Long SelectedLineColor;    // RGB pen colour of selected entities (blue at start)
extern Integer SelectedLineType;  // draw style 0..6 of selected entities (2, dotted, at start)

// ---- Cursor and previews ------------------------------------------------------------
extern Integer ShowRealCursor;  // flag: the system's cross pointer shows in the drawing (-1 at start)
extern Integer ShowSnapCursor;  // flag: the drawn crosshair marks the snapped cursor (-1 at start)
extern Single CursorSize;       // crosshair arm length each way, inches (0.5 at start)
extern Long CursorColor;        // crosshair colour (black at start)
extern Integer RubberBanding;   // flag: line-drawing commands show their rubber band (-1 at start)

// ---- Coordinate read-out ---------------------------------------------------------------
// Status-bar panels 5 and 6 show the absolute cursor point; panels 7 and 8 the
// point relative to the last pick, or its distance and angle (relative and
// polar exclude each other).
extern Integer CoordAbsolute;  // flag: absolute read-out (-1 at start)
extern Integer CoordRelative;  // flag: relative read-out (0 at start)
extern Integer CoordPolar;     // flag: polar read-out (0 at start)

void ResetDisplayOptions();  // the module's globals to their start values

}  // namespace lintavo
