// LoadData: reading a stored drawing from a drawings database into the
// model of an open drawing window, and the hatch pattern library from the
// patterns database.
//
// Sections:
//   Loading a drawing
//   Hatch pattern library
//   Reset
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Loading a drawing -----------------------------------------------------------------
// Module state, set anew by every load.
extern Long LoadedItemCount;     // Objects rows appended as items by the last load
extern Long LoadedObjEnd;        // ObjCount right after the last load appended its lines

// Reads the drawing whose DrawID Dwgs(CurDwg) holds from DwgDbPath into the
// drawing of the current window (CurDwg): the Drawing row into Dwgs(CurDwg),
// its Objects rows as items (when the row counts any), its Lines rows with
// their Points rows as entities (when it counts any), all stamped with
// drawing number CurDwg; then links the loaded entities to their items:
// layers and owning groups by key, component placements, area polygons,
// fills, hatches and dimensions by name (loading definitions on demand, with
// CompDbPath := DwgDbPath). A damaged row or a link to an item that does not
// exist is reported once and skipped, the rest still loads. Every read is
// made on one connection inside one read transaction, so a drawing that
// another program saves meanwhile is read as one of its saves left it.
// True when the drawing was read; false when its key is below 1, which
// names no drawing, or its row is missing (" Drawing <name> Not Found!!";
// both titled "Load Drawing") or a database error stopped
// the load (titled "Load Drawing Record", "Load Drawing Objects" or "Load
// Drawing Lines"); what was appended before an error stays.
bool LoadDrawing();

// How LoadDrawing reads the points of a drawing's lines; both give the same
// entities. Chosen: a scan of the Points table for a drawing holding a good
// share of its table's lines, a join of its lines to their points for a
// smaller one. Tests and benchmarks set one road to compare them.
enum class PointsRoad { Chosen, Joined, Scanned };
extern PointsRoad LoadPointsRoad;  // Chosen unless a test sets it

// ---- Hatch pattern library ----------------------------------------------------------------
// Reads the hatch pattern library of Support\Patterns_qz.mdb into
// HatchPatterns and HatchPatternLines, in the order of the rows. Errors show
// in a box titled "Load Patterns"; what was read before stays.
void LoadPatterns();

// ---- Reset ---------------------------------------------------------------------------------
void ResetLoadData();  // the module's globals to their start values

}  // namespace lintavo
