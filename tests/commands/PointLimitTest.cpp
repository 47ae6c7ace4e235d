// A shape holding the most points an entity may hold (32,767): the commands
// that walk its points finish, and do to it what they do to a small shape.
#include <QPushButton>
#include <limits>

#include "annotation/Fills.h"
#include "commands/EditFixture.h"
#include "commands/GripFrame.h"
#include "model/UndoRedo.h"
#include "organisation/Components.h"
#include "windows/show/frmAreaSelect.h"
#include "support/ListClicks.h"
#include "support/ScriptedResponder.h"
#include "view/DisplayOptions.h"

namespace lintavo {
namespace {

constexpr Integer MostPoints = std::numeric_limits<Integer>::max();

class PointLimitTest : public EditFixture {
 protected:
  // A polyline of MostPoints points evenly along y = Y from x = 1 to x = 6
  // (a polygon closes it back to the start along y = Y - 1).
  static Long AddLongShape(Integer type, Double y) {
    AddObj(type, MostPoints);
    const Long last = MostPoints - (type == EntityPolygon ? 3 : 1);
    for (Long k = 0; k <= last; ++k) AddPnt(1 + 5.0 * k / last, y);
    if (type == EntityPolygon) {
      AddPnt(6, y - 1);
      AddPnt(1, y - 1);
      AddPnt(1, y);
    }
    return ObjCount;
  }
  static Long LiveCount() {
    Long live = 0;
    for (Long i = 1; i <= ObjCount; ++i) live += Objs[i].DwgNo == 1 && !Objs[i].Erased ? 1 : 0;
    return live;
  }
};

TEST_F(PointLimitTest, BreakLineCutsTheLongestPolylineIntoTwo) {
  const Long line = AddLongShape(EntityPolyline, 2);
  RefreshDocView(doc_);
  DrawingDriver::Choose("mnuTrimsBreak");
  input_->ClickAt(3, 2);
  input_->ClickAt(2, 2);
  input_->ClickAt(5, 2);
  ASSERT_EQ(ObjCount, line + 1);
  const Long nearCount = Objs[line].NPoints, farCount = Objs[line + 1].NPoints;
  // Points lie 1/6553 apart: each piece keeps the points on its side.
  EXPECT_NEAR(nearCount, MostPoints / 5, 3);
  EXPECT_NEAR(farCount, MostPoints / 5, 3);
  EXPECT_NEAR(PX(line, nearCount), 2, 1e-3);
  EXPECT_NEAR(PX(line + 1, 1), 5, 1e-3);
  EXPECT_DOUBLE_EQ(PX(line + 1, farCount), 6);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(PointLimitTest, MovePointMovesTheLastPointOfTheLongestPolyline) {
  const Long line = AddLongShape(EntityPolyline, 2);
  RefreshDocView(doc_);
  DrawingDriver::Choose("mnuTrimsMP");
  input_->ClickAt(6, 2);
  input_->ClickAt(6, 2);
  input_->MoveTo(6.5, 3);
  input_->ClickAt(6, 4);
  EXPECT_NEAR(PX(line, MostPoints), 6, 1e-6);
  EXPECT_NEAR(PY(line, MostPoints), 4, 1e-6);
  EXPECT_NEAR(PY(line, MostPoints - 1), 2, 1e-6);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(PointLimitTest, TheGripFrameAndMakeIntoTakeEveryPointOfTheLongestPolyline) {
  const Long line = AddLongShape(EntityPolyline, 2);
  Pnts[Objs[line].PointID + MostPoints - 1].Y = 3;  // only the last point reaches up to y = 3
  RefreshDocView(doc_);
  SelectWindow(0.5, 1.5, 6.5, 3.5);
  DrawingDriver::PressButton("Move");
  EXPECT_EQ(FrameShown, FlagTrue);
  EXPECT_NEAR(FrameMaxY, 3.1, 1e-9);  // a tenth of the height above the last point
  input_->Escape();

  SelectWindow(0.5, 1.5, 6.5, 3.5);
  DrawingDriver::Choose("mnuEditCompReplace");
  const ItemRec& def = Items[ComponentItem];
  EXPECT_DOUBLE_EQ(def.Xmax - def.Xmin, 5);
  EXPECT_DOUBLE_EQ(def.Ymax - def.Ymin, 1);
  EXPECT_EQ(Objs[ObjCount].Rtype, EntityComponent);
}

TEST_F(PointLimitTest, AnAreaWhoseBoundaryHasTheMostPointsFillsInsideIt) {
  const Long area = Objs[CreateWindowArea(1, 1, 6, 2)].OwnerID;
  // The boundary the window made gives way to one of the most points.
  EraseObj(ObjCount);
  const Long boundary = AddLongShape(EntityPolygon, 2);
  Objs[boundary].ObjectID = Objs[boundary].OwnerID = area;
  CurFillColor = 0x0000FF;
  CurFillPattern = 0;
  Responder().OnDialog<frmAreaSelect>([](frmAreaSelect& dialog) {
    ClickRow(dialog.List1, 0);
    dialog.OKButton->click();
  });
  DrawingDriver::Choose("mnuInsertFill");
  ASSERT_EQ(Objs[ObjCount].Rtype, EntityFill);
  ASSERT_EQ(GdiPtsCount, MostPoints);
  // 5 by 1 units at 48 pixels to the unit, give or take the edge pixels.
  int red = 0;
  const QImage& image = doc_->Image();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) red += image.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
  EXPECT_NEAR(red, 240 * 48, 240 + 48 + 2);
}

}  // namespace
}  // namespace lintavo
