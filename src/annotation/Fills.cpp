// Fills: solid fills inside boundaries and filled boxes.
#include "annotation/Fills.h"

#include "model/ProgramState.h"
#include "model/Top.h"
#include "view/DrawDispatch.h"

namespace lintavo {

Integer FillCmdActive = 0;
String CurFillLayer;
Integer CurFillPattern = 0;
Long CurFillColor = 0;
Integer GradientFill = 0;
Long GradientColor = 0;
Integer FillUseBoundaryLayer = 0;

void FillObjectArea(Long ObjNo) {
  (void)ObjNo;  // area boundaries are not built yet
}

void ResetFills() {
  FillCmdActive = 0;
  CurFillLayer.clear();
  CurFillPattern = 0;
  CurFillColor = 0;
  GradientFill = 0;
  GradientColor = 0;
  FillUseBoundaryLayer = 0;
}

namespace {
// Fills draw themselves when the dispatcher meets a Fill entity; tool 5 has
// a flag and no dispatcher.
void PlugFills() { FillDrawer = FillObjectArea; }
const ModuleRegistrar Registered({"Fills", FloorAnnotation, ResetFills, {ToolFills, &FillCmdActive}, PlugFills});
}  // namespace

}  // namespace lintavo
