// ObjIndex: where the entities lie, so that picking (FindObjAt) and the
// snap search (NearestObjPoint) measure only the entities near a point
// instead of walking the whole entity table on every click.
//
// The index is a stack of uniform grids over the entities of the open
// drawings (drawing numbers 1..10; support geometry, drawing 0, is left
// out). Level 0 has about one cell per two entities; each level above has
// cells twice as wide, up to a top level of one cell over everything. An
// entity sits in exactly one cell: on the lowest level whose cells are wider
// than its box, in the cell that holds the centre of its box (cells are
// "loose": an entity may reach half a cell beyond its own). A query looks,
// on every level, at the cells within the reach widened by half a cell.
// Cells are linked lists through arrays indexed by entity number, beside
// each entity's box in single precision (rounded outward) that a query
// tests before naming it; so the index costs two Longs and four Singles per
// entity plus one Long per cell, and an entity is added or moved in
// constant time.
//
// The box of an entity covers every stored point the snap search reads and
// every place the picking distance routines measure to (the rim of a circle,
// arc or ellipse, the chords of a curve, which lie within its control
// points), widened by a margin for rounding. So an entity left out of an
// answer lies farther than the reach from the point, both by |dx| + |dy| to
// its points and by every distance the picking routines compute. Entities
// the index cannot bound (points outside the point table or not their own,
// non-finite coordinates) sit in the one cell of the top level, which every
// query visits.
//
// The index never decides anything: it names candidates, and the exact
// routines measure them and apply their skips. It therefore keeps entities
// that are erased, hidden, undone or detached from their drawing (their
// boxes do not change with those flags) and holds no copy of any flag.
//
// Keeping it current. The model routines tell it of every change:
//   - appends (AddObj, CopyObj, AddLoadedObj) call ObjIndexAdded. A new
//     entity waits until the next query, which places every waiting entity
//     but the last of the table: AddPnt may still be giving that one points,
//     so every query measures it directly;
//   - a routine that changes an entity's points, point count or type in
//     place calls ObjPointsChanged (AddPnt calls it for the entity it extends);
//   - erase, undo and redo change flags only and need no call;
//   - DeleteItemObjs and EraseDwgObjs (closing a drawing) call
//     ObjIndexDetached: the entities stay in their cells until the grid is
//     laid out again, which happens once they are a quarter of it;
//   - ResetModel (and any cut back of the tables) calls ObjIndexCutBack,
//     which drops the whole index.
// The grid is laid out anew at the first query after a cut back, after many
// entities were added, detached or placed off the grid's extents; that costs
// one pass over the table and is shared out over the changes that caused it.
//
// Sections:
//   Keeping the index current
//   Asking the index
//   Reset
#pragma once

#include <vector>

#include "platform/Types.h"

namespace lintavo {

// ---- Keeping the index current ---------------------------------------------------------
void ObjIndexAdded(Long ObjNo);     // entity ObjNo was just appended (AddObj, CopyObj, AddLoadedObj)
void ObjPointsChanged(Long ObjNo);  // entity ObjNo's points, point count or type changed in place; its owner noted (NoteOwnerPointsChanged)
void ObjIndexDetached(Long Count);  // Count entities left their drawing (their DwgNo became 0)
void ObjIndexCutBack();             // the entity table was cut back: the index is dropped

// ---- Asking the index -------------------------------------------------------------------
// Found := in ascending order, every entity 1..ObjCount of a drawing 1..10
// whose stored points or measured shape may lie within Reach of (X, Y) in X
// and in Y (a square of half-width Reach, world units), and possibly others.
// X, Y and Reach must be finite and Reach not negative. Found is cleared
// first; its storage is reused, so a caller that keeps it allocates nothing.
void ObjIndexCandidates(Double X, Double Y, Double Reach, std::vector<Long>& Found);

// ---- Reset ------------------------------------------------------------------------------------
void ResetObjIndex();  // drops the index and gives its memory back

}  // namespace lintavo
