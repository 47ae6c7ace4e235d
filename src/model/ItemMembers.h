// ItemMembers: which entities belong to an item, and which strokes draw a
// glyph, named without a walk over the entity table.
//
// Two lists per item, each in table order (later entities cover earlier
// ones, so the drawers must meet them in that order):
//   - its members: every entity 1..ObjCount whose OwnerID is the item (a
//     component's definition geometry and its placements, a dimension's
//     parts, a group's or an area's members);
//   - its strokes: every entity 1..ObjCount of drawing number 0 whose
//     ObjectID is the item (a glyph's strokes; support geometry and the
//     entities detached from their drawing).
// Both answers equal a plain scan of the table at the moment of the query;
// the lists hold every entity whatever its flags (erased, hidden, undone),
// and the callers apply their own skips as before.
//
// The lists are laid out in one pass over the table (counted, then filled:
// two flat arrays, no allocation per entity or per item) at the first query
// after a change, and kept as they are while nothing changes. Keeping them
// current:
//   - appends (AddObj, CopyObj, AddLoadedObj) need no call: a query that
//     finds the table longer reads the links of the new entities only, and
//     fills a list again from the kept keys only when one of them joins it.
//     A slot appended again after a cut back is noted by the appenders
//     (EntityAppended);
//   - a cut back (ResetModel and the dialogs' samples) is seen by the next
//     query (the table is shorter than the lists);
//   - a routine that writes OwnerID, ObjectID or DwgNo of an entity that was
//     already in the table calls EntityLinksChanged for it; the lists keep
//     each entity's two keys, so a write that changes neither key (a text
//     character of a drawing that takes another glyph) costs nothing, and
//     one that changes a key costs the list a fill from the kept keys at
//     the next query, not a pass over the table;
//   - a routine that rewrites the links of many entities at once (a load
//     resolving its stored keys) may call EntityTableLinksChanged instead.
// A write of those fields made right after the append, before any query, needs
// no call either: the query that finds the new entity reads its final links.
//
// Sections:
//   Keeping the lists current
//   Asking for the lists
//   Reset
#pragma once

#include <span>

#include "platform/Types.h"

namespace lintavo {

// ---- Keeping the lists current -------------------------------------------------------------
void EntityAppended(Long ObjNo);      // the appenders: entity ObjNo was just appended
void EntityLinksChanged(Long ObjNo);  // OwnerID, ObjectID or DwgNo of entity ObjNo was written in place
void EntityTableLinksChanged();       // the links of many entities were written in place
// Brings the lists up to date now: a load calls it once its entities are
// linked, so that the first redraw or fit after File, Open does not pay for
// the pass over the table.
void LayOutItemMembers();

// ---- Asking for the lists ---------------------------------------------------------------------
// The members of item Item (OwnerID == Item), ascending; empty for an index
// that no entity names. The span stays valid until the table or the links
// change: a caller that may append or relink while it walks the members
// (a nested compound loads its component) asks NextMember instead.
std::span<const Long> ItemMembers(Long Item);
// The strokes of glyph Glyph (DwgNo == 0 and ObjectID == Glyph), ascending.
std::span<const Long> GlyphStrokes(Long Glyph);
// The first member of Item after entity After (0 for the first), or 0 when
// there is none; safe across appends and relinks made between calls.
Long NextMember(Long Item, Long After);

// ---- Reset ---------------------------------------------------------------------------------------
void ResetItemMembers();  // drops the lists and gives their memory back

}  // namespace lintavo
