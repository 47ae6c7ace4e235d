// SurfaceDraw: the surface primitives in view pixels, the world wrappers
// and the point marks, all drawn on ActiveDoc.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// The construction-point mark, a small diagonal cross at a world point.
void DrawConPntMark(Double X, Double Y);

}  // namespace lintavo
