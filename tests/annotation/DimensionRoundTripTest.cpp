// A dimension saved with its drawing and loaded into another window comes
// back with every member and draws the same, pixel for pixel.
#include <QFile>

#include "annotation/DimensionFixture.h"
#include "storage/DbSchema.h"
#include "storage/LoadData.h"
#include "storage/SaveData.h"
#include "storage/TestDatabase.h"
#include "support/ScratchDatabase.h"

namespace lintavo {
namespace {

class DimensionRoundTripTest : public DimensionFixture {
 protected:
  void SetUp() override {
    DimensionFixture::SetUp();
    DwgDbPath = ScratchPath("Dimension_dwg.mdb");
    CreateEmptyDrawingsDb(DwgDbPath);
  }
  static Long Members(Integer dwgNo) {
    Long n = 0;
    for (Long i = 1; i <= ObjCount; ++i)
      if (Objs[i].DwgNo == dwgNo && !Objs[i].Erased) ++n;
    return n;
  }
};

TEST_F(DimensionRoundTripTest, SavedDimensionLoadsAndDrawsTheSame) {
  Dimension("mnuInsertLinearDim", {{1, 1}, {4, 1}, {2, 2}});
  RefreshDocView(doc_);
  const QImage saved = doc_->Image().copy();
  const Long members = Members(1);
  ASSERT_GT(members, 5);

  ASSERT_TRUE(SaveDrawing(1));
  FixedDpiDocument* other = Open(2, "Other");
  Dwgs[2].DrawID = Dwgs[1].DrawID;
  ASSERT_TRUE(LoadDrawing());
  EXPECT_EQ(Members(2), members);
  ShowAtScale(other, 48, 24);
  RefreshDocView(other);
  EXPECT_TRUE(other->Image() == saved);
}

}  // namespace
}  // namespace lintavo
