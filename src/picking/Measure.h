// Measure: the measure commands: distances, angles, radii and areas.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer MeasureCommand;  // sub-command chosen by the menus and tool bars
extern Integer MeasureActive;  // flag: the module's dispatcher has taken the current command

void ResetMeasure();  // the module's globals to their start values

}  // namespace lintavo
