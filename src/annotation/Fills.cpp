// Fills: solid fills inside boundaries.
#include "annotation/Fills.h"

namespace lintavo {

Integer FillCmdActive = 0;

void ResetFills() { FillCmdActive = 0; }

}  // namespace lintavo
