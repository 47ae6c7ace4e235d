// ObjIndex: where the entities lie, so that picking (FindObjAt), the snap
// search (NearestObjPoint) and the redraw of a part of the drawing visit only
// the entities near a point or a view instead of walking the whole entity
// table on every click and every redraw.
//
// The index is a stack of uniform grids over the entities of the open
// drawings (drawing numbers 1..10; support geometry, drawing 0, is left
// out). Level 0 has about one cell per two entities; each level above has
// cells twice as wide, up to a top level of one cell over everything. An
// entity sits in exactly one cell: on the lowest level whose cells are wider
// than its box, in the cell that holds the centre of its box (cells are
// "loose": an entity may reach half a cell beyond its own). A query looks,
// on every level, at the cells within its rectangle widened by half a cell.
// Cells are doubly linked lists through arrays indexed by entity number,
// beside each entity's box in single precision (rounded outward) that a
// query tests before naming it; so the index costs three Longs and four Singles per
// entity plus one Long per cell, and an entity is added or moved in
// constant time.
//
// The box of an entity covers every stored point the snap search reads and
// every place the picking distance routines measure to (the rim of a circle,
// arc or ellipse, the chords of a curve, which lie within its control
// points), and everything the drawer draws of it but the few pixels of
// marks and pen weights the redraw adds to its view: the rim of an ellipse
// as the drawer takes it, the entity's width (wide lines and wide pens), the
// box of a text character's glyph through its placement and a dimension's
// item box (the drawer draws neither unless that box meets the view). It is
// widened by a margin for rounding. So an entity left out of an answer lies
// farther than the reach from the point, both by |dx| + |dy| to its points
// and by every distance the picking routines compute, and draws nothing in
// the rectangle. Entities the index cannot bound sit in the one cell of the
// top level, which every query visits: points outside the point table or
// not their own, non-finite coordinates, a text character whose glyph link
// is broken (the drawer looks it up by name), and the kinds whose drawing
// depends on what changes elsewhere: components (their item's box changes
// when the component is edited), fills and hatches (they draw their area's
// boundary wherever it is moved). Drawings hold few of those.
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
//     place calls ObjPointsChanged (AddPnt and the transform outline, whose
//     points change no drawing, call ObjPointsChangedUnmarked);
//   - a routine that links a placed text character or dimension to another
//     item calls ObjIndexShownItemChanged;
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
// Entity ObjNo's points, point count or type changed in place: its owner is
// noted (NoteOwnerPointsChanged), its drawing marked changed (EntityChanged),
// and its drawing's extents and its layer's box widened to hold it where it
// now lies (WidenExtentsByEntity), whichever drawing and layer are current.
void ObjPointsChanged(Long ObjNo);
// The same without the mark, for points that change no drawing: those AddPnt
// gives the entity being built (AddObj marked it, a dialog's sample marks
// nothing), and a preview's that it puts back.
void ObjPointsChangedUnmarked(Long ObjNo);
void ObjIndexShownItemChanged(Long ObjNo);  // compound entity ObjNo now shows another item (ObjectID)
void ObjIndexDetached(Long Count);  // Count entities left their drawing (their DwgNo became 0)
void ObjIndexCutBack();             // the entity table was cut back: the index is dropped
// Brings the index up to date now, as the next query would: File, Open
// calls it once the drawing is loaded, so that the first click after a load
// does not wait for the layout of a large drawing.
void ObjIndexBringUpToDate();

// ---- Asking the index -------------------------------------------------------------------
// Found := in ascending order, every entity 1..ObjCount of a drawing 1..10
// whose stored points or measured shape may lie within Reach of (X, Y) in X
// and in Y (a square of half-width Reach, world units), and possibly others.
// X, Y and Reach must be finite and Reach not negative. Found is cleared
// first; its storage is reused, so a caller that keeps it allocates nothing.
void ObjIndexCandidates(Double X, Double Y, Double Reach, std::vector<Long>& Found);
// Found := in ascending (table) order, every entity 1..ObjCount of a drawing
// 1..10 whose stored points, measured shape or drawn shape (marks and pen
// weights aside) may meet the world rectangle Xmin..Xmax, Ymin..Ymax, and
// possibly others: erased, hidden and other drawings' entities included.
// The bounds must be finite, Xmin <= Xmax and Ymin <= Ymax. Found is cleared
// first and its storage reused.
void ObjIndexInBox(Double Xmin, Double Ymin, Double Xmax, Double Ymax, std::vector<Long>& Found);
// The last entity the index has placed; 0 while it is not laid out.
Long ObjIndexPlacedUpTo();

// ---- Reset ------------------------------------------------------------------------------------
void ResetObjIndex();  // drops the index and gives its memory back

}  // namespace lintavo
