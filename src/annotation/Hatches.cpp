// Hatches: hatch patterns drawn inside area boundaries.
#include "annotation/Hatches.h"

namespace lintavo {

Integer ShowHatches = FlagTrue;

void DrawHatchObj(Long ObjNo) {
  (void)ObjNo;  // the pattern generator is not built yet
}

void ResetHatches() { ShowHatches = FlagTrue; }

}  // namespace lintavo
