// The lists of an item's members and of a glyph's strokes: through every kind
// of change that writes OwnerID, ObjectID, DwgNo or the length of the entity
// table, the lists equal a plain scan of the table, for every item index.
// The view is redrawn after each change, so that the next change meets lists
// already laid out.
#include <functional>
#include <limits>
#include <vector>

#include "annotation/Areas.h"
#include "annotation/TextChars.h"
#include "commands/EditFixture.h"
#include "model/ItemMembers.h"
#include "model/UndoRedo.h"
#include "organisation/Groups.h"
#include "storage/LoadData.h"
#include "storage/LoadFonts.h"
#include "storage/SaveData.h"
#include "storage/TestDatabase.h"
#include "support/ModelBuilders.h"

namespace lintavo {
namespace {

class ItemMembersTest : public EditFixture {
 protected:
  // Geometry of item (drawing 0), as a component's definition or a glyph's stroke.
  static Long AddItemLine(Long item, Double x1, Double y1, Double x2, Double y2) {
    const Long line = AddLine(x1, y1, x2, y2);
    Objs[line].DwgNo = 0;
    Objs[line].OwnerID = Objs[line].ObjectID = item;
    return line;
  }
  static Long AddPlacement(Long item, Double x, Double y) {
    const Long part = AddCompound(EntityComponent, x, y, 0);
    Objs[part].Name = Items[item].Name;
    Objs[part].OwnerID = Objs[part].ObjectID = item;
    return part;
  }
  static Long AddCharacter(Long glyph, Double x, Double y) {
    AddTextCharObj(glyph);
    const Long ch = ObjCount;
    Pnts[Objs[ch].PointID].X = x;
    Pnts[Objs[ch].PointID].Y = y;
    Objs[ch].Name = Items[glyph].Name;
    return ch;
  }

  // Every item index, and a few past the items, against a plain scan.
  static void ExpectListsOfThePlainScan(const char* stage) {
    for (Long item = 1; item <= ItemsMax + 2; ++item) {
      std::vector<Long> members, strokes;
      for (Long i = 1; i <= ObjCount; ++i) {
        if (Objs[i].OwnerID == item) members.push_back(i);
        if (Objs[i].DwgNo == 0 && Objs[i].ObjectID == item) strokes.push_back(i);
      }
      const std::span<const Long> listed = ItemMembers(item);
      const std::span<const Long> drawn = GlyphStrokes(item);
      EXPECT_EQ(std::vector<Long>(listed.begin(), listed.end()), members) << stage << ": members of " << item;
      EXPECT_EQ(std::vector<Long>(drawn.begin(), drawn.end()), strokes) << stage << ": strokes of " << item;
      std::vector<Long> walked;
      for (Long j = NextMember(item, 0); j != 0; j = NextMember(item, j)) walked.push_back(j);
      EXPECT_EQ(walked, members) << stage << ": members walked of " << item;
    }
  }

  Long bolt_ = 0, glyphA_ = 0, glyphB_ = 0, group_ = 0, area_ = 0, grouped_ = 0;
};

TEST_F(ItemMembersTest, ListsEqualAPlainScanThroughEveryChangeOfLinksAndTable) {
  AddLine(0, 0, 1, 1);  // the first entity makes "Layer 1" current
  const std::vector<std::pair<const char*, std::function<void()>>> stages = {
      {"component, glyphs, placements and characters", [&] {
         bolt_ = AddNamedItem(ItemComponent, "Bolt");
         AddItemLine(bolt_, 0, 0, 1, 0);
         glyphA_ = AddNamedItem(ItemGlyph, "TEXT-65");
         AddItemLine(glyphA_, 0, 0, 0.5, 1);
         AddItemLine(glyphA_, 0.5, 1, 1, 0);
         AddItemLine(bolt_, 0, 0, 0, 1);
         glyphB_ = AddNamedItem(ItemGlyph, "TEXT-66");
         AddItemLine(glyphB_, 0, 0, 0, 1);
         AddPlacement(bolt_, 2, 2);
         AddCharacter(glyphA_, 3, 1);
         grouped_ = AddCharacter(glyphB_, 3.5, 1);
         AddLine(1, 4, 2, 4);
       }},
      {"appended after the lists were laid out", [&] {
         AddLine(0, 3, 1, 3);
         AddItemLine(glyphB_, 0, 1, 1, 1);
         AddPlacement(bolt_, 5, 2);
       }},
      {"a glyph loaded from the fonts database, and a character of it placed", [&] {
         const Long before = ObjCount;
         ASSERT_TRUE(LoadFontChar("TEXT-90"));
         ASSERT_GT(ObjCount, before);  // its strokes
         AddCharacter(CurItem, 4, 4);
       }},
      {"a group made of the selection", [&] {
         SelectWindow(0.5, 0.5, 4, 4.5);
         NewGroup();
         group_ = ItemCount;
       }},
      {"a character of the group retyped", [&] { UpdateTextCharObj(grouped_, Items[glyphA_].Name, glyphA_); }},
      {"an area made by a window, with a hatch", [&] {
         CreateWindowArea(5, 3, 7, 5);
         area_ = ItemCount;
         AddObj(EntityHatch, 3);
         Objs[ObjCount].ObjectID = area_;
         AddPnt(1, 1);
         AddPnt(1, 1);
         AddPnt(0, 0);
       }},
      {"the area deleted with its hatch", [&] { DeleteArea(area_); }},
      {"the group deleted", [&] { DeleteGroup(group_); }},
      {"undone", [&] { for (int k = 0; k < 4; ++k) Undo(); }},
      {"redone", [&] { for (int k = 0; k < 2; ++k) Redo(); }},
      {"a point that is no number withdraws its entity", [&] {
         AddObj(EntityLine, 2);
         Objs[ObjCount].OwnerID = bolt_;
         AddPnt(std::numeric_limits<Double>::quiet_NaN(), 0);
       }},
      {"saved, and loaded into a second window", [&] {
         DwgDbPath = ScratchPath("Members_dwg.mdb");
         CreateEmptyDrawingsDb(DwgDbPath);
         ASSERT_TRUE(SaveDrawing(1));
         Open(2, "Copy");
         Dwgs[2].DrawID = Dwgs[1].DrawID;
         ASSERT_TRUE(LoadDrawing());
       }},
      {"the second drawing closed", [&] {
         CloseDwg(2);
         Activate(doc_);
         CurDwg = 1;
         ActiveDoc = doc_;
       }},
      {"the model reset and drawn anew to the same length", [&] {
         const Long length = ObjCount;
         ResetModel();
         const Long glyph = AddNamedItem(ItemGlyph, "TEXT-67");
         AddCharacter(glyph, 1, 1);
         while (ObjCount < length) AddItemLine(glyph, 0, 0, 1, 1);
       }},
  };
  for (const auto& [stage, change] : stages) {
    change();
    RefreshDocView(doc_);
    ExpectListsOfThePlainScan(stage);
  }
}

}  // namespace
}  // namespace lintavo
