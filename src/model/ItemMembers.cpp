// ItemMembers: the members and strokes of every item, as two flat lists
// laid out in one pass over the entity table (see the header for when).
//
// Sections:
//   List state
//   Laying the lists out
//   Keeping the lists current
//   Asking for the lists
//   Reset
#include "model/ItemMembers.h"

#include <algorithm>
#include <vector>

#include "model/DataHand.h"
#include "model/ProgramState.h"

namespace lintavo {
namespace {

// ---- List state ----------------------------------------------------------------------------

// Each list is laid out as a start array by item (the members of item k lie
// at List[Start[k] .. Start[k + 1] - 1], ascending) over one flat array.
struct ItemLists {
  std::vector<Long> Start;  // by item 0..KeyBound + 1; Start[0] = Start[1] = 0
  std::vector<Long> List;   // entity numbers, grouped by item, ascending within an item
  std::vector<Long> Key;    // by entity 1..BuiltCount: the item it belongs to; 0 none
  std::vector<Long> Fill;   // scratch: the next free place of each item while filling
  bool Refill = false;      // a key changed since List was filled: fill it again from Key
};

ItemLists Members;             // keyed by OwnerID
ItemLists Strokes;             // keyed by ObjectID, drawing number 0 only
Long BuiltCount = 0;           // entities 1..BuiltCount are in the lists
Long KeyBound = 0;             // items 1..KeyBound have lists: ItemsMax when they were laid out
bool Stale = true;             // the kept keys are no longer those of the table: read them all again

Long MemberKeyOf(const ObjRec& obj) {
  return obj.OwnerID >= 1 && obj.OwnerID <= KeyBound ? obj.OwnerID : 0;
}

Long StrokeKeyOf(const ObjRec& obj) {
  return obj.DwgNo == 0 && obj.ObjectID >= 1 && obj.ObjectID <= KeyBound ? obj.ObjectID : 0;
}

// ---- Laying the lists out ---------------------------------------------------------------------

// The counts of the keys in Key[1..BuiltCount] turned into start places,
// then every entity put in its item's run.
void FillLists(ItemLists& lists) {
  lists.Refill = false;
  lists.Start.assign(static_cast<size_t>(KeyBound) + 2, 0);
  for (Long i = 1; i <= BuiltCount; ++i) {
    const Long key = lists.Key[static_cast<size_t>(i)];
    if (key != 0) ++lists.Start[static_cast<size_t>(key) + 1];
  }
  for (Long k = 1; k <= KeyBound + 1; ++k) lists.Start[static_cast<size_t>(k)] += lists.Start[static_cast<size_t>(k) - 1];
  lists.List.resize(static_cast<size_t>(lists.Start[static_cast<size_t>(KeyBound) + 1]));
  lists.Fill.assign(lists.Start.begin(), lists.Start.end());
  for (Long i = 1; i <= BuiltCount; ++i) {
    const Long key = lists.Key[static_cast<size_t>(i)];
    if (key != 0) lists.List[static_cast<size_t>(lists.Fill[static_cast<size_t>(key)]++)] = i;
  }
}

// The keys of entities first..ObjCount into the key arrays; whether any of
// them is a member, and whether any is a stroke.
void ReadKeys(Long first, bool& members, bool& strokes) {
  Members.Key.resize(static_cast<size_t>(ObjCount) + 1);
  Strokes.Key.resize(static_cast<size_t>(ObjCount) + 1);
  Members.Key[0] = Strokes.Key[0] = 0;
  members = strokes = false;
  for (Long i = first; i <= ObjCount; ++i) {
    const ObjRec& obj = Objs[i];
    const Long member = MemberKeyOf(obj), stroke = StrokeKeyOf(obj);
    Members.Key[static_cast<size_t>(i)] = member;
    Strokes.Key[static_cast<size_t>(i)] = stroke;
    members = members || member != 0;
    strokes = strokes || stroke != 0;
  }
  BuiltCount = ObjCount;
}

void LayOut() {
  KeyBound = std::max<Long>(ItemsMax, 0);
  bool members = false, strokes = false;
  ReadKeys(1, members, strokes);
  FillLists(Members);
  FillLists(Strokes);
  Stale = false;
}

// Entities appended since the lists were laid out: only their own links are
// read, and a list is filled again from the kept keys only when one of them
// joins it (a load's glyphs, a new dimension's parts).
void TakeAppendedEntities() {
  bool members = false, strokes = false;
  ReadKeys(BuiltCount + 1, members, strokes);
  if (members) FillLists(Members);
  if (strokes) FillLists(Strokes);
}

void Refresh() {
  if (Stale || KeyBound != ItemsMax || ObjCount < BuiltCount) {
    LayOut();
    return;
  }
  if (ObjCount > BuiltCount) TakeAppendedEntities();
  if (Members.Refill) FillLists(Members);
  if (Strokes.Refill) FillLists(Strokes);
}

std::span<const Long> ListOf(const ItemLists& lists, Long Item) {
  Refresh();
  if (Item < 1 || Item > KeyBound) return {};
  const Long first = lists.Start[static_cast<size_t>(Item)];
  const Long end = lists.Start[static_cast<size_t>(Item) + 1];
  return {lists.List.data() + first, static_cast<size_t>(end - first)};
}

}  // namespace

// ---- Keeping the lists current ---------------------------------------------------------------

void EntityAppended(Long ObjNo) {
  if (ObjNo <= BuiltCount) Stale = true;
}

namespace {

// Entity ObjNo's key in lists becomes key; the list is filled again at the next query.
void ChangeKey(ItemLists& lists, Long ObjNo, Long key) {
  Long& kept = lists.Key[static_cast<size_t>(ObjNo)];
  if (kept == key) return;
  kept = key;
  lists.Refill = true;
}

}  // namespace

void EntityLinksChanged(Long ObjNo) {
  if (Stale || ObjNo < 1 || ObjNo > BuiltCount || ObjNo > ObjCount) return;
  const ObjRec& obj = Objs[ObjNo];
  ChangeKey(Members, ObjNo, MemberKeyOf(obj));
  ChangeKey(Strokes, ObjNo, StrokeKeyOf(obj));
}

void EntityTableLinksChanged() { Stale = true; }

void LayOutItemMembers() { Refresh(); }

// ---- Asking for the lists -----------------------------------------------------------------------

std::span<const Long> ItemMembers(Long Item) { return ListOf(Members, Item); }

std::span<const Long> GlyphStrokes(Long Glyph) { return ListOf(Strokes, Glyph); }

Long NextMember(Long Item, Long After) {
  const std::span<const Long> members = ItemMembers(Item);
  const auto next = std::upper_bound(members.begin(), members.end(), After);
  return next == members.end() ? 0 : *next;
}

// ---- Reset ---------------------------------------------------------------------------------------

void ResetItemMembers() {
  Members = ItemLists{};
  Strokes = ItemLists{};
  BuiltCount = 0;
  KeyBound = 0;
  Stale = true;
}

namespace {
const ModuleRegistrar Registered({"ItemMembers", FloorModel, ResetItemMembers});
}  // namespace

}  // namespace lintavo
