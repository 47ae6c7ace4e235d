// Hatches: hatch patterns drawn inside area boundaries.
#include "annotation/Hatches.h"

namespace lintavo {

Integer ShowHatches = FlagTrue;

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
  HatchPatterns.assign(1, PatternRec{});
  PatternCount = PatternCap = 0;
  HatchPatternLines.assign(1, PatternLineRec{});
  PatternLineCount = PatternLineCap = 0;
}

}  // namespace lintavo
