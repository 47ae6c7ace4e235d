// LoadData: reading a stored drawing from a drawings database into the
// model of an open drawing window.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// Reads the drawing whose DrawID Dwgs(CurDwg) holds, with its named items
// and its lines and points, stamped with drawing number CurDwg. True when
// the drawing was read; false when it was not (its own messages say why).
// Not built yet: it reads nothing and reports false, without a message.
bool LoadDrawing();

}  // namespace lintavo
