// Trims: trim, extend, corner trim, fillet and chamfer.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer TrimCommand;  // sub-command chosen by the menus and tool bars
extern Integer TrimActive;  // flag: the module's dispatcher has taken the current command

// ---- Options ---------------------------------------------------------------------
// Drawing options, 0 until an option set is applied. Auto fillet and auto
// chamfer exclude each other: switching one on clears the other.
extern Integer AutoFillet;     // flag: continuous lines are filleted at each corner (default 0)
extern Integer AutoChamfer;    // flag: continuous lines are chamfered at each corner (default 0)
extern Integer TrimsSetting3;  // flag: kept in the drawing option set only (default 0)
extern Double FilletRadius;    // fillet radius, world units (0.5 built in)
extern Double ChamferDist1;    // chamfer distance on the first line, world units (0.5 built in)
extern Double ChamferDist2;    // chamfer distance on the second line; follows ChamferDist1 (0.5 built in)

// ---- Corners ---------------------------------------------------------------------
// Join two objects at their common corner with a fillet of FilletRadius or a
// chamfer set back by ChamferDist1 and ChamferDist2; the piece of ObjB is
// appended last. The joining constructions are not built yet: both leave
// the objects as they are, so a corner stays plain.
void CornerFillet(Long ObjA, Long ObjB);
void CornerChamfer(Long ObjA, Long ObjB);

void ResetTrims();  // the module's globals to their start values

}  // namespace lintavo
