// Text typed in one window, saved and loaded into another: the characters
// come back and draw the same, pixel for pixel.
#include <QFile>

#include "annotation/TextFixture.h"
#include "model/DataHand.h"
#include "storage/DbSchema.h"
#include "storage/LoadData.h"
#include "storage/SaveData.h"
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

}  // namespace
}  // namespace lintavo
