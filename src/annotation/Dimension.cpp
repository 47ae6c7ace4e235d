// Dimension: dimensions built from lines, arrowheads and text.
#include "annotation/Dimension.h"

#include "model/MessageBar.h"
#include "model/ProgramState.h"
#include "model/Top.h"

namespace lintavo {

Integer DimKind = 0;
Integer DimActive = 0;

String DimFontName;
String DimLayerName;
Integer DimArrowClosed = 0;
Integer DimExtProximityFixed = 0;
Integer DimFixedLetterHeight = 0;
Integer DimMode = 0;
Integer DimDirection = 0;
Integer DimLetterDirection = 0;
Integer DimLetterPlacement = 0;
Integer DimArrowType = 0;
Integer DimWitnessMode = 0;
Integer DimArrowSize = 0;
Long DimLineColor = 0;
Single DimLetterHeight = 0;
Single DimLetterWidth = 0;
Single DimArrowAngle = 0;
Single DimArrowLength = 0;
Single DimExtOffset = 0;
Single DimExtAbove = 0;
Single DimExtBelow = 0;
Single DimLeaderLength = 0;

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
  DimFontName.clear();
  DimLayerName.clear();
  DimArrowClosed = DimExtProximityFixed = DimFixedLetterHeight = 0;
  DimMode = DimDirection = DimLetterDirection = DimLetterPlacement = 0;
  DimArrowType = DimWitnessMode = DimArrowSize = 0;
  DimLineColor = 0;
  DimLetterHeight = DimLetterWidth = DimArrowAngle = DimArrowLength = 0;
  DimExtOffset = DimExtAbove = DimExtBelow = DimLeaderLength = 0;
}

namespace {
// Esc drops an unfinished dimension; leaving the tool only clears its flag.
void CancelDimension() {
  Integer dropDimension = 0;
  if (DimActive) EndDimensionCommand(dropDimension);
}
const ModuleRegistrar Registered(
    {"Dimension", FloorAnnotation, ResetDimension, {ToolDimension, &DimActive, nullptr, nullptr, CancelDimension}});
}  // namespace

}  // namespace lintavo
