// DimLinear: linear dimensions. The command takes a start, an end and a
// location, and builds one dimension ("Single") or a chain: "Partitioned"
// measures each further point from the previous one on one line,
// "Cumulative" from the first point, each line further out.
#pragma once

#include "platform/Types.h"

namespace lintavo {

extern Double DimValue;        // the value measured last
extern Integer DimOtherSide;   // flag: the dimension lies clockwise of P1 -> P2
extern Integer DimTextFlipped; // flag: the letters were turned half round
extern Single DimExtDistance;  // base points to the dimension line, world units

void LinearDimensionCommand();  // step routine of DimKind 1
// One dimension from DimS, DimE and DimLoc; First: the command's first segment.
void BuildLinearDimension(Integer& First);

void ResetDimLinear();

}  // namespace lintavo
