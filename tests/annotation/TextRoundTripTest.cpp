// Text typed in one window, saved and loaded into another: the characters
// come back and draw the same, pixel for pixel.
#include "annotation/Texthand.h"
#include "model/DataHand.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "storage/LoadData.h"
#include "storage/SaveData.h"
#include "storage/SaveFixture.h"
#include "support/DrawingDriver.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

class TextRoundTripTest : public SaveFixture {
 protected:
  static void SameView(frmDocument* doc) {
    doc->XVscale = doc->YVscale = 48;
    doc->View_Scale = 48 / PixelsPerUnit;
    doc->VbaseX = doc->Vbasey = 24;
  }
};

TEST_F(TextRoundTripTest, SavedTextLoadsAndDrawsTheSame) {
  FontName = "Text";
  TextLayer = "Text 1";
  TextHeight = 0.5F;
  TextAspect = 0.75F;
  TextUnderline = FlagTrue;
  SameView(doc_);
  RefreshDocView(doc_);
  const QImage before = doc_->Image().copy();
  DrawingDriver input(*doc_);
  DrawingDriver::Choose("mnuInsertText");
  input.ClickAt(1, 1);
  input.Type("Hi!");
  input.Escape();
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
  RefreshDocView(other);
  EXPECT_TRUE(other->Image() == saved);
}

}  // namespace
}  // namespace lintavo
