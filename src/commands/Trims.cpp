// Trims: trim, extend, corner trim, fillet and chamfer.
#include "commands/Trims.h"

namespace lintavo {

Integer TrimCommand = 0;
Integer TrimActive = 0;

void ResetTrims() {
  TrimCommand = 0;
  TrimActive = 0;
}

}  // namespace lintavo
