// Hatches: hatch patterns drawn inside area boundaries.
#include "annotation/Hatches.h"

#include "model/ProgramState.h"
#include "view/DrawDispatch.h"

namespace lintavo {

String CurPatternName;
String HatchLayer;
Long HatchColor = 0;
Integer UsePatternColor = 0;
Single HatchScale = 0;
Single HatchRotation = 0;
Integer HatchUseBoundaryLayer = 0;


void DrawHatchObj(Long ObjNo) {
  (void)ObjNo;  // the pattern generator is not built yet
}

void ResetHatches() {
  CurPatternName.clear();
  HatchLayer.clear();
  HatchColor = 0;
  UsePatternColor = 0;
  HatchScale = HatchRotation = 0;
  HatchUseBoundaryLayer = 0;
}

namespace {
void PlugHatches() { HatchDrawer = DrawHatchObj; }
const ModuleRegistrar Registered({"Hatches", FloorAnnotation, ResetHatches, {}, PlugHatches});
}  // namespace

}  // namespace lintavo
