// Rubber: the rubber-band previews of commands in progress, drawn with the
// XOR pen and removed by drawing them again.
#pragma once

#include "platform/Types.h"

namespace lintavo {

extern Integer RubberBusy;  // flag: a line-drawing preview is on the screen

void EraseRubber();  // removes the preview now shown
void ResetRubber();  // the module's globals to their start values

}  // namespace lintavo
