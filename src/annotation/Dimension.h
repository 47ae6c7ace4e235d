// Dimension: dimensions built from lines, arrowheads and text.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer DimKind;  // sub-command chosen by the menus and tool bars
extern Integer DimActive;  // flag: the module's dispatcher has taken the current command

// Ends the dimension command; with Accept 0 the unfinished dimension is dropped.
void EndDimensionCommand(Integer& Accept);

void ResetDimension();  // the module's globals to their start values

}  // namespace lintavo
