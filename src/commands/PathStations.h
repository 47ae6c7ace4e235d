// PathStations: an entity used as a path along which things are laid (Path
// Copy, Place Text on Path): its length, the side and distance of a clicked
// point from it, and a table of equally spaced stations along it, each a
// point on the path set off to that side and the direction of travel there.
//
// Lines, polylines and polygons are walked piece by piece from their end
// with the smaller X; circles clockwise from their leftmost point; arcs and
// elliptical arcs clockwise from their end; ellipses backwards from the end
// of their first axis; splines span by span from their first point. Bezier
// curves have a length but no stations.
//
// Sections:
//   The current path
//   Stations
//   Reset
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- The current path ----------------------------------------------------------------
extern Long PathLine;         // entity that is the current path; 0 none
extern Double PathLength;     // its length, world units
extern Integer PathSideFlag;  // flag: the stations lie left of the direction of travel (outside a circle)
extern Double PathOffset;     // distance of the stations from the path, world units

// Makes the entity the current path; Length := its length, 0 when it cannot be one.
void MeasurePath(Long ObjNo, Double& Length);
// PathOffset and PathSideFlag from the clicked point (X, Y): its distance
// from the path and the side it lies on.
void ProjectOnPath(Double X, Double Y);
// Shows the path: drawn once in magenta, its own colour kept. The caller
// draws the view again from the model when its command ends.
void ResetPathLine();

// ---- Stations ------------------------------------------------------------------------------
// Lays stations along the path. Count given (1 or more): Spacing := length /
// Count; else a Spacing above 0 gives Count := length / Spacing rounded half
// to even (arcs, circles and ellipses take 1.25 x Spacing and round down);
// with neither, Count := 1 and there are no stations. Otherwise Count := the
// stations laid, at most 2 x the count asked for, and Spacing the spacing used.
// On circles, arcs and ellipses PathLength becomes the length at the offset.
void DividePath(Single& Spacing, Integer& Count);
// Station I (1..Count): its place and Direction := the direction of travel
// there, radians. Outside 1..Count the outputs are left alone.
void GetPathPoint(Double& X, Double& Y, Single& Direction, Integer I);

void ResetPathStations();  // no current path, no stations

}  // namespace lintavo
