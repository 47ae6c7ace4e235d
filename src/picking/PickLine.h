// PickLine: picking up to four existing objects one click at a time for the
// commands that work on lines (snap constructions, trim, extend, corners).
#pragma once

#include <array>

#include "app/DataHand.h"
#include "platform/Types.h"

namespace lintavo {

// ---- Picked lists (entries 1 to 4; entry 0 unused) ---------------------------------
extern std::array<Long, 5> PickedLines;         // Objs index of each pick; 0 not picked
extern std::array<WorldXY, 5> PickedPoints;  // snapped world point of each pick
extern std::array<Long, 3> PickedSegments;      // segment number of picks 1 and 2
extern Integer PickedCount;                     // picks taken so far

void ResetPickLine();  // the module's globals to their start values

}  // namespace lintavo
