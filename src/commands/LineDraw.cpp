// LineDraw: the line drawing commands: points, lines, shapes and curves drawn from snapped clicks.
#include "commands/LineDraw.h"

#include "app/MessageBar.h"
#include "app/Top.h"

namespace lintavo {

Integer LineDrawCommand = 0;
Integer LineDrawActive = 0;

Double DoubleLineWidth1 = 0;
Single DoubleLineWidth2 = 0;
Single SolidLineWidth = 0;

void EndLineDrawCommand() {
  if (ToolStep > 0) {  // a first point was taken
    ClearPrompts();
    SnapCursorOn = 0;
    RubberLineOn = 0;
  }
  LineDrawActive = 0;
  AwaitingInput = 0;
  ActiveTool = 0;
  ToolStep = 0;
}

void ResetLineDraw() {
  LineDrawCommand = 0;
  LineDrawActive = 0;
  DoubleLineWidth1 = 0;
  DoubleLineWidth2 = 0;
  SolidLineWidth = 0;
}

}  // namespace lintavo
