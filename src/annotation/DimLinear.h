// DimLinear: linear dimensions. The command takes a start, an end and a
// location, and builds one dimension ("Single") or a chain: "Partitioned"
// measures each further point from the previous one on one line,
// "Cumulative" from the first point, each line further out.
#pragma once

#include "annotation/DimWork.h"
#include "platform/Types.h"

namespace lintavo {

// The linear builder's results, fields of DimWork (DimWork.h).
extern Double& DimValue;
extern Integer& DimOtherSide;
extern Integer& DimTextFlipped;
extern Single& DimExtDistance;

void LinearDimensionCommand();  // step routine of DimKind 1
// One dimension from DimS, DimE and DimLoc; First: the command's first segment.
void BuildLinearDimension(Integer& First);

}  // namespace lintavo
