// Text typed in one window, saved and loaded into another: the characters
// come back and draw the same, pixel for pixel.
#include <QFile>

#include "annotation/TextFixture.h"
#include "model/DataHand.h"
#include "storage/DbSchema.h"
#include "storage/LoadData.h"
#include "storage/SaveData.h"
#include "view/DrawDispatch.h"
#include "storage/TestDatabase.h"
#include "support/ScratchDatabase.h"

namespace lintavo {
namespace {

class TextRoundTripTest : public TextFixture {
 protected:
  void SetUp() override {
    TextFixture::SetUp();
    DwgDbPath = ScratchPath("Text_dwg.mdb");
    CreateEmptyDrawingsDb(DwgDbPath);
  }
  static void SameView(frmDocument* doc) {
    ShowAtScale(doc, 48, 24);
    RefreshDocView(doc);
  }
};

TEST_F(TextRoundTripTest, SavedTextLoadsAndDrawsTheSame) {
  TextHeight = 0.5F;
  TextUnderline = FlagTrue;
  const QImage before = doc_->Image().copy();
  PlaceAt(1, 1, "Hi!");
  input_->Escape();
  RefreshDocView(doc_);
  const QImage saved = doc_->Image().copy();
  ASSERT_FALSE(saved == before);  // the characters are drawn

  ASSERT_TRUE(SaveDrawing(1));
  FixedDpiDocument* other = Open(2, "Other");
  Dwgs[2].DrawID = Dwgs[1].DrawID;
  ASSERT_TRUE(LoadDrawing());
  Long loaded = 0;
  for (Long i = 1; i <= ObjCount; ++i)
    if (Objs[i].DwgNo == 2 && Objs[i].Rtype == EntityTextChar) ++loaded;
  EXPECT_EQ(loaded, 3);
  SameView(other);
  EXPECT_TRUE(other->Image() == saved);
}

// A character's owner is a group of the drawing, its glyph an item of the
// fonts: loading and linking the glyphs keep the group, and a second save
// stores it again.
TEST_F(TextRoundTripTest, CharactersKeepTheirGroupThroughSaveLoadAndSaveAgain) {
  PlaceAt(1, 1, "Hi");
  input_->Escape();
  NewItemName = "G1";
  AddItem(ItemGroup);
  const Long group = ItemCount;
  for (Long i : Chars()) Objs[i].OwnerID = group;

  ASSERT_TRUE(SaveDrawing(1));
  Open(2, "Other");
  Dwgs[2].DrawID = Dwgs[1].DrawID;
  ASSERT_TRUE(LoadDrawing());
  EnsureTextFonts();  // as File, Open does once the drawing is read
  Long loadedGroup = 0;
  for (Long i = 1; i <= ItemCount; ++i)
    if (Items[i].DwgNo == 2 && Items[i].Rtype == ItemGroup && Items[i].Name == "G1") loadedGroup = i;
  ASSERT_GE(loadedGroup, 1);
  const std::vector<Long> chars = Chars();
  ASSERT_EQ(chars.size(), 2u);
  for (Long i : chars) {
    EXPECT_EQ(Objs[i].OwnerID, loadedGroup) << Objs[i].Name;
    ASSERT_GE(Objs[i].ObjectID, 1);
    EXPECT_EQ(Items[Objs[i].ObjectID].Rtype, ItemGlyph) << Objs[i].Name;
  }

  ASSERT_TRUE(SaveDrawing(2));
  TestDatabase db(DwgDbPath);
  const String owners = "SELECT OwnerID FROM Lines WHERE Rtype = 13 AND DrawingID = " +
                        std::to_string(Dwgs[2].DrawID);
  const String groupKey = std::to_string(Items[loadedGroup].ObjectID);
  EXPECT_EQ(db.FirstColumn(owners), (std::vector<String>{groupKey, groupKey}));
}

}  // namespace
}  // namespace lintavo
