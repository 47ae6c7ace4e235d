// Snaps: the Snap To constructions that place points on computed positions,
// and the search for the nearest stored object point that they and the
// drawing snap switches (SnapSettings.h) use.
//
// Sections:
//   Command state
//   Nearest stored point
//   Reset
#pragma once

#include "model/SnapSettings.h"
#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer SnapCommand;  // sub-command chosen by the menus and tool bars
extern Integer SnapActive;  // flag: the module's dispatcher has taken the current command

// ---- Nearest stored point ------------------------------------------------------------
// Looks through the shown entities of drawing CurDwg in table order (no layer
// test), through every stored point of each (only the first point of a
// compound entity), measuring |dx| + |dy| to (X, Y). The search reaches
// 100 × PickTolerance; the first point nearer than PickTolerance ends it at
// once, otherwise the nearest point wins (the earlier of equally near ones).
// When a point was found, X and Y receive it, ObjNo its entity and Dist its
// distance; otherwise X and Y are unchanged and ObjNo and Dist are 0.
// It tests only the entities the entity index (ObjIndex) names near the
// point, in rounds of growing reach, in table order; the answers are those
// of testing every entity. Points outside the point table in use are never read.
void NearestObjPoint(Double& X, Double& Y, Long& ObjNo, Single& Dist);
// The same answer by testing every entity of the table; NearestObjPoint
// takes this road when the index cannot serve (a tolerance that is not a
// positive finite number, a point that is not finite, no open drawing current).
void NearestObjPointByScan(Double& X, Double& Y, Long& ObjNo, Single& Dist);

// ---- Reset ----------------------------------------------------------------------------
void ResetSnaps();  // the module's globals to their start values

}  // namespace lintavo
