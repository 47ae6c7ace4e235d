// Hatches: hatch patterns drawn inside area boundaries.
#include "annotation/Hatches.h"

namespace lintavo {

Integer ShowHatches = FlagTrue;
String CurPatternName;
String HatchLayer;
Long HatchColor = 0;
Integer UsePatternColor = 0;
Single HatchScale = 0;
Single HatchRotation = 0;
Integer HatchUseBoundaryLayer = 0;

std::vector<PatternRec> HatchPatterns(1);
Long PatternCount = 0;
Long PatternCap = 0;
std::vector<PatternLineRec> HatchPatternLines(1);
Long PatternLineCount = 0;
Long PatternLineCap = 0;

void DrawHatchObj(Long ObjNo) {
  (void)ObjNo;  // the pattern generator is not built yet
}

void ResetHatches() {
  ShowHatches = FlagTrue;
  CurPatternName.clear();
  HatchLayer.clear();
  HatchColor = 0;
  UsePatternColor = 0;
  HatchScale = HatchRotation = 0;
  HatchUseBoundaryLayer = 0;
  HatchPatterns.assign(1, PatternRec{});
  PatternCount = PatternCap = 0;
  HatchPatternLines.assign(1, PatternLineRec{});
  PatternLineCount = PatternLineCap = 0;
}

}  // namespace lintavo
