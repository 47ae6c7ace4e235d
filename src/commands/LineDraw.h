// LineDraw: the line drawing commands: points, lines, shapes and curves drawn from snapped clicks.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer LineDrawCommand;  // sub-command chosen by the menus and tool bars
extern Integer LineDrawActive;  // flag: the module's dispatcher has taken the current command

// ---- Line options ------------------------------------------------------------------
// Drawing options, 0 until an option set is applied.
extern Double DoubleLineWidth1;  // offset of the first line of a double line, world units (2.0 built in)
extern Single DoubleLineWidth2;  // offset of the second line; follows DoubleLineWidth1 (2.0 built in)
extern Single SolidLineWidth;    // width of a solid line, world units (0.5 built in)

// Ends the line command at any step and leaves the module idle.
void EndLineDrawCommand();

void ResetLineDraw();  // the module's globals to their start values

}  // namespace lintavo
