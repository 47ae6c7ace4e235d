// LoadData: reading a stored drawing from a drawings database into the
// model of an open drawing window, and the hatch pattern library from the
// patterns database.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// Reads the drawing whose DrawID Dwgs(CurDwg) holds, with its named items
// and its lines and points, stamped with drawing number CurDwg. True when
// the drawing was read; false when it was not (its own messages say why).
// Not built yet: it reads nothing and reports false, without a message.
bool LoadDrawing();

// Reads the hatch pattern library of Support\Patterns_qz.mdb into
// HatchPatterns and HatchPatternLines, in the order of the rows. Errors show
// in a box titled "Load Patterns"; what was read before stays.
void LoadPatterns();

}  // namespace lintavo
