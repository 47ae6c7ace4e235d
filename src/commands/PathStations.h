// PathStations: an entity used as a path along which copies are laid
// (Path Copy): its length, equally spaced stations along it, each a point
// and a direction, set off to one side of it by a clicked point.
//
// Straight lines, polylines and polygons can be paths: their stations
// follow their straight pieces. Curves (arcs, circles, ellipses, splines,
// Beziers) give the length 0 here, which the caller reports as no path;
// they are laid along by the path routines of the text-on-a-path commands
// when those arrive.
//
// Sections:
//   The current path
//   Stations
//   Reset
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- The current path ----------------------------------------------------------------
extern Long PathObjNo;       // entity that is the current path; 0 none
extern Double PathLength;    // its length, world units
extern Double PathSideOffset;  // distance of the stations from the path, world units; + left of its direction

// Makes the entity the current path; Length := its length, 0 when it cannot be one.
void MeasurePath(Long ObjNo, Double& Length);
// The side and distance of the stations from the clicked point (X, Y): its
// distance from the nearest piece of the path, positive on the left.
void ProjectOnPath(Double X, Double Y);
// Redraws the path entity in its own style.
void ResetPathLine();

// ---- Stations ------------------------------------------------------------------------------
// Count stations along the path, Spacing := length / Count. A Count below 1
// is taken from Spacing (length / Spacing, rounded half to even); with
// neither, Count := 1 and there are no stations.
void DividePath(Single& Spacing, Integer& Count);
// Station I (1..Count): at (I - 1) Spacing along the path from its end with
// the smaller X, set off by PathSideOffset; Direction := the direction of the
// path there, radians. Outside 1..Count the outputs are left alone.
void GetPathPoint(Double& X, Double& Y, Single& Direction, Integer I);

void ResetPathStations();  // no current path

}  // namespace lintavo
