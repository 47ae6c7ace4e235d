// PickLine: the line picker. Commands that work on existing entities (the
// Snap To commands, later the trims, fillets and chamfers) take up to four
// picks, one click at a time, through PickLine: each call takes at most one
// pick, tests the entity's type against a filter, records the entity, the
// clicked point and, for multi-part entities, the hit segment in the picked
// lists (model/Picks.h), and prompts for the next pick.
//
// A pick is taken when the entity under the click (FindObjAt) lies within
// twice PickTolerance, farther than the measure and Select commands reach.
// The first pick is drawn once in the selection style; the highlight stays
// until the picture is drawn again, which RemovePickHighlight does when the
// command ends or is cancelled, so the picture is again the model's own.
//
// Sections:
//   Filters
//   Picking
//   Highlight
//   Reset
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Filters (the second argument of PickLine) ----------------------------------------
// The entity types a pick accepts; any code without a row accepts every type.
enum PickFilter : Integer {
  PickAnyType = 0,              // every type
  PickLinesOnly = 1,            // straight lines (Snap To Parallel)
  PickCirclesArcs = 2,          // circles and arcs
  PickLinesCirclesArcs = 3,     // lines, circles and arcs (Snap To Tangent, trims, fillets)
  PickLinesPolylines = 4,       // lines, polylines and polygons (Corner Chamfer)
  PickLinesArcsPolylines = 5,   // lines, arcs, polylines and polygons
  PickFilterCount = 6,          // the codes above
  PickAsFilter = -1,            // PickLine's FirstFilter: pick 1 takes what the others take
};
constexpr Integer MaxPicks = 4;  // the picked lists hold picks 1..4

// ---- Picking -----------------------------------------------------------------------------
// One step of picking N entities (1..MaxPicks): pick 1 of the types
// FirstFilter accepts, the others of the types Filter accepts. At ToolStep 0
// the picked lists are cleared (lines, points, segments and the count) and
// the first prompt is shown; at a later step one click is taken when fewer
// than N picks are held. Enter is no click: it takes no pick, and a value
// typed with it is left for the entry box to report as not taken. A click
// with nothing in reach shows "Line Not Found!! Try Again !" in panel 3; one
// on an entity the pick does not take names what it takes ("Pick a Line,
// Circle or Arc!! Try Again !"); neither changes anything. The caller tests
// PickedLines entry N after each call: not 0 means every pick is taken.
void PickLine(Integer N, Integer Filter, Integer FirstFilter = PickAsFilter);
// Whether Filter accepts an entity of type ObjType.
bool PickFilterAccepts(Integer Filter, Integer ObjType);

// ---- Highlight --------------------------------------------------------------------------
// Draws the active view again when a pick was highlighted since the last
// call, which takes the highlight off; otherwise does nothing.
void RemovePickHighlight();

// ---- Reset ---------------------------------------------------------------------------------
void ResetPickLine();  // no highlight on the screen

}  // namespace lintavo
