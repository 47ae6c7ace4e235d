// CarriedAreas: the area boundaries an edit of the selection in place takes
// with it.
//
// A fill or a hatch is drawn from its area's boundary polygon (AreaBoundary),
// which is hidden and so seldom selected; the fill or hatch itself keeps only
// its area, style and placement. An edit that moves, turns or scales the
// selection in place (Move, Rotate, Rescale, the grip frame) therefore
// applies its transform to the boundary of every area whose fill or hatch is
// selected, once per area however many of its fills and hatches are
// selected, and the area's box and size are taken again from the boundary:
// the paint, Select Area, the stored size and the paper go where the lines
// went. Each fill's and hatch's insertion point, which Select Window, Select
// Line and Select Area test, is put again where it is made: at the area's
// box lower left, however the figure was turned, so a window around the
// figure takes its paint with its lines. A boundary that is itself selected
// (shown again by Show Hidden Lines) moves with the selection and is not
// moved twice, but its area is carried all the same, whether its paint is
// selected or not: the box and the insertion points are taken again from
// where the boundary went. An area of another drawing is never touched.
//
// The copying commands (Copy, Mirror, Radial and Path Copy, Paste) copy no
// fill or hatch: the figure they copy keeps its paint where it is, and
// nothing is carried.
#pragma once

#include <vector>

#include "model/DataHand.h"
#include "platform/Types.h"

namespace lintavo {

struct CarriedArea {
  Long Area = 0;            // Items index of the area (kind 4)
  Long Boundary = 0;        // Objs index of its boundary polygon
  bool BoundarySelected = false;  // the boundary is in the selection: the edit moves it already
  std::vector<Long> Paint;  // Objs indexes of its live fills and hatches, selected or not, ascending
};

// The areas whose fills or hatches, or whose boundary, are in the selection
// of the edit commands (IsEditSelected), each once, ascending, with their
// boundaries and all their paint; areas with no boundary are left out. One
// pass over the table.
std::vector<CarriedArea> SelectionCarriedAreas();

// The area's box and size taken again from its boundary, and its paint's
// insertion points put at the box's lower left.
void TakeCarriedAreaBox(const CarriedArea& Carried);

// Called once the selection is edited: calls apply(Boundary) for each
// carried area whose boundary is not selected (a selected one was edited
// with the selection), then takes every carried area's box, size and paint
// placement again from its boundary.
template <typename Apply>
void CarryBoundaries(const std::vector<CarriedArea>& Carried, Apply apply) {
  for (const CarriedArea& carried : Carried) {
    if (!carried.BoundarySelected) apply(carried.Boundary);
    TakeCarriedAreaBox(carried);
  }
}

}  // namespace lintavo
