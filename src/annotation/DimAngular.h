// DimAngular: angular dimensions of a circle (between two radius points,
// singly or in a chain) or of an arc (its whole sweep).
#pragma once

#include "platform/Types.h"

namespace lintavo {

void AngularDimensionCommand();  // step routine of DimKind 2
// One angular dimension from DimC, DimS, DimE and DimLoc; First: the command's first.
void BuildAngularDimension(Integer& First);

}  // namespace lintavo
