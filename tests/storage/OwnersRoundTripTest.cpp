// Every kind of entity that can belong to a group, an area or a component,
// saved with File, Save, closed and opened again with File, Open: each comes
// back owned by the item it was saved with, on its layer, showing the item
// it showed; a component's geometry comes back its component's.
#include <algorithm>
#include <tuple>
#include <vector>

#include "commands/EditFixture.h"
#include "model/LayerItems.h"
#include "storage/DbSchema.h"
#include "storage/FileMenu.h"
#include "storage/RowReader.h"
#include "view/DrawDispatch.h"

namespace lintavo {
namespace {

// An entity's type, owner, shown item and layer.
using EntityLinks = std::tuple<Integer, ItemTag, ItemTag, ItemTag>;

// The links of the live entities of drawing 1 in table order, then the
// owners of the geometry of component definitions by component, which a
// load reads as the placements ask for them (a definition's layer and shown
// keys are no items of a drawing).
std::vector<EntityLinks> DrawingLinks() {
  std::vector<EntityLinks> links, definitions;
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
    const ObjRec& o = Objs[i];
    if (o.Erased) continue;
    if (o.DwgNo == 1) links.emplace_back(o.Rtype, TagOf(o.OwnerID), TagOf(o.ObjectID), TagOf(o.LayerID));
    if (o.DwgNo == 0 && o.OwnerID >= 1 && Items[o.OwnerID].Rtype == ItemComponent)
      definitions.emplace_back(o.Rtype, TagOf(o.OwnerID), ItemTag{}, ItemTag{});
  }
  std::stable_sort(definitions.begin(), definitions.end(), [](const EntityLinks& a, const EntityLinks& b) {
    return std::get<1>(std::get<1>(a)) < std::get<1>(std::get<1>(b));
  });
  links.insert(links.end(), definitions.begin(), definitions.end());
  return links;
}

// An entity of the type in the current drawing at (x, y), with as few
// points as its type takes; a compound at scale 1.
Long EntityOfType(Integer type, Double x, Double y) {
  if (type >= FirstCompoundType) return AddCompound(type, x, y, 0, 1, 1, {{0, 0}, {0, 0}});
  std::vector<BuilderPoint> points;
  for (Integer k = 0; k < LeastPointsOfType(type); ++k) points.emplace_back(x + 0.2 * k, y + 0.1 * (k % 2));
  return AddEntity(type, points);
}

// An entity of the type, owned by owner and showing shown, named as what it
// shows is (a character by its glyph); its index.
Long Member(Integer type, Double x, Double y, Long owner, Long shown) {
  ObjRec& o = Objs[EntityOfType(type, x, y)];
  o.OwnerID = owner;
  o.ObjectID = type == EntityTextChar ? 0 : shown;
  o.Name = type == EntityTextChar ? "TEXT-65" : shown != 0 ? Items[shown].Name : "";
  return ObjCount;
}

// An entity of the type in the geometry of component owner, which a
// placement places component placed.
void DefinitionEntity(Long owner, Integer type, Long placed = 0) {
  const Integer dwg = CurDwg;
  CurDwg = 0;
  ObjRec& o = Objs[Member(type, 0, 0, owner, type == EntityComponent ? placed : type < EntityComponent ? owner : 0)];
  CurDwg = dwg;
  o.DwgNo = 0;
  o.DrawingID = o.LayerID = 0;
  ++Items[owner].Nlines;
}

using OwnersRoundTripTest = EditFixture;

TEST_F(OwnersRoundTripTest, EveryKindComesBackWithTheOwnerLayerAndItemItWasSavedWith) {
  DwgDbPath = ScratchPath("Owners_dwg.mdb");
  CreateEmptyDrawingsDb(DwgDbPath);
  const Long pin = AddNamedItem(ItemComponent, "Pin"), valve = AddNamedItem(ItemComponent, "Valve");
  Items[pin].DwgNo = Items[valve].DwgNo = 0;  // definitions belong to no drawing
  DefinitionEntity(pin, EntityLine);
  for (Integer type = EntityPoint; type <= EntityTextChar; ++type) DefinitionEntity(valve, type, pin);
  const Long span = AddNamedItem(ItemWithGeometry, "Span"), bays = AddNamedItem(ItemGroup, "Bays");
  const Long yard = AddNamedItem(ItemArea, "Yard");
  const Long yardToo = AddNamedItem(ItemArea, "Yard");  // renamed alike in the area chooser
  Member(EntityPolygon, 0, 0, yard, yard);              // the first area's boundary
  const auto layered = {std::pair(bays, EnsureLayer("Walls")), std::pair(yardToo, EnsureLayer("Fences"))};
  for (const auto& [owner, layer] : layered) {
    for (Integer type = EntityPoint; type <= EntityHatch; ++type) {
      // Pieces of a boundary show their area; placements, dimensions, fills and hatches what they show.
      const Long shown = type == EntityComponent ? valve : type == EntityDimension ? span
                         : type >= EntityFill || owner == yardToo ? yardToo : 0;
      Objs[Member(type, type, owner == bays ? 1 : 3, owner, shown)].LayerID = layer;
    }
  }
  Member(EntityComponent, 1, 5, valve, valve);  // a placement of no group: its component's
  EnsureTextFonts();                            // the characters show their glyphs, as a loaded drawing's do
  const std::vector<EntityLinks> made = DrawingLinks();

  FileSaveAsOffered(Responder(), false);
  const DbKey key = Dwgs[1].DrawID;
  DrawingDriver::Choose("mnuFileClose");  // the last window: the model is cut back to a new drawing
  ASSERT_EQ(ObjCount, BaseObjCount);
  FileOpenStored(Responder(), key, "New Drawing");
  const std::vector<EntityLinks> loaded = DrawingLinks();
  ASSERT_EQ(loaded.size(), made.size());
  for (size_t k = 0; k < made.size(); ++k) EXPECT_EQ(loaded[k], made[k]) << "entity " << k + 1;
}

}  // namespace
}  // namespace lintavo
