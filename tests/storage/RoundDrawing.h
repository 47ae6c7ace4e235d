// RoundDrawing: a drawing of many straight lines made straight into the
// model, every line marked with the round that made it, so that stored or
// loaded rows that come from different saves show.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// Drawing 1, named name at revision, with one layer and `lines` two-point
// lines of weight 1: line j from (j, 0) to (j, round), with Flag round. Everything
// before is reset (ResetProgramState).
void MakeRoundDrawing(const String& name, const String& revision, long lines, int round);

}  // namespace lintavo
