// DisplayOptions: the display options the drawers read: the background
// colour of drawings, which point marks are shown and in which colours, and
// whether text characters and dimensions are drawn at all.
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

// ---- Point marks ----------------------------------------------------------------------
extern Integer ShowStdPnts;  // flag: Point entities drawn as a small cross, else as one pixel (-1 at start)
extern Integer ShowRefPnts;  // flag: reference-point marks drawn (0 at start)

// ---- Annotation display -----------------------------------------------------------------
extern Integer ShowTextObjs;  // flag: text character entities drawn (-1 at start)
extern Integer ShowDimObjs;   // flag: dimension entities drawn (-1 at start)

void ResetDisplayOptions();  // the module's globals to their start values

}  // namespace lintavo
