// LineDraw: the line drawing commands: points, lines, shapes and curves drawn from snapped clicks.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer LineDrawCommand;  // sub-command chosen by the menus and tool bars
extern Integer LineDrawActive;  // flag: the module's dispatcher has taken the current command

// Ends the line command at any step and leaves the module idle.
void EndLineDrawCommand();

void ResetLineDraw();  // the module's globals to their start values

}  // namespace lintavo
