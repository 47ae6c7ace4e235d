// Dimension: dimensions built from lines, arrowheads and text.
#include "annotation/Dimension.h"

#include "app/MessageBar.h"
#include "app/Top.h"

namespace lintavo {

Integer DimKind = 0;
Integer DimActive = 0;

void EndDimensionCommand(Integer& Accept) {
  (void)Accept;
  ClearPrompts();
  DimActive = 0;
  AwaitingInput = 0;
  ActiveTool = 0;
  ToolStep = 0;
}

void ResetDimension() {
  DimKind = 0;
  DimActive = 0;
}

}  // namespace lintavo
