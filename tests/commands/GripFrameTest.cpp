// The grip frame of Modify Selected: set up from the tool bar's Modify
// button around a selection made through the Select menu, and worked by
// real mouse presses, moves and releases in a drawing window at 2 pixels to
// the unit (world origin at view pixel (100, 100)).
#include <QCursor>
#include <cmath>
#include <functional>
#include <utility>

#include "commands/EditFixture.h"
#include "commands/GripFrame.h"
#include "model/SnapSettings.h"
#include "model/UndoRedo.h"
#include "model/ViewCache.h"
#include "picking/Identify.h"

namespace lintavo {
namespace {

class GripFrameTest : public EditFixture {
 protected:
  void SetUp() override {
    EditFixture::SetUp();
    SetView(2, 100);
  }
  void SetView(Double pixelsPerUnit, Single base) {
    ShowAtScale(doc_, pixelsPerUnit, base);
    RefreshDocView(doc_);
  }
  // Two lines spanning (0, 0)-(10, 5), selected, and the frame put up.
  void StartFrame() { StartFrameOn(0, 0, 10, 5); }
  // Two lines along the bottom and the top of the box (x0, y0)-(x1, y1),
  // selected through the Select menu, and Modify Selected from the tool bar.
  void StartFrameOn(Double x0, Double y0, Double x1, Double y1) {
    AddLine(x0, y0, x1, y0);
    AddLine(x0, y1, x1, y1);
    RefreshDocView(doc_);
    SelectWindow(x0 - 0.5, y0 - 0.5, x1 + 0.5, y1 + 0.5);
    DrawingDriver::PressButton("Move");
  }
  // The mouse position over view pixel (x, y), y upward.
  QPointF At(Single x, Single y) const { return input_->PositionOfPixel(x, y); }
  void Drag(QPointF from, QPointF to) {
    input_->PressAt(from);
    input_->MoveToPosition(to, Qt::LeftButton);
  }
  // The picture equals a fresh redraw, which draws the model and then the
  // frame over it with the not-XOR pen: taking the frame off the surface
  // leaves exactly the model's own picture.
  bool CleanUnderTheFrame() { return EqualsFreshRedraw(); }
  void ExpectIndexAgreesWithScan() {
    for (Long k = 1; k <= PntCount; ++k) {
      Long obj = -1, scanObj = -1;
      Double dist = -1, scanDist = -1;
      FindObjAt(obj, Pnts[k].X, Pnts[k].Y + 0.01, dist);
      FindObjAtByScan(scanObj, Pnts[k].X, Pnts[k].Y + 0.01, scanDist);
      EXPECT_EQ(obj, scanObj) << "near point " << k;
    }
  }
};

TEST_F(GripFrameTest, TheFrameStandsATenthOffTheSelectionWithTheRotationGripOnItsStem) {
  StartFrame();
  EXPECT_EQ(MessagePanel(1), "Modify Selected");
  EXPECT_EQ(GroupDragOn, FlagTrue);
  EXPECT_EQ(FrameShown, FlagTrue);
  EXPECT_DOUBLE_EQ(FrameMinX, -1);
  EXPECT_DOUBLE_EQ(FrameMinY, -0.5);
  EXPECT_DOUBLE_EQ(FrameMaxX, 11);
  EXPECT_DOUBLE_EQ(FrameMaxY, 5.5);
  EXPECT_FLOAT_EQ(WorkGrips[1].X, 98);
  EXPECT_FLOAT_EQ(WorkGrips[5].Y, 111);
  EXPECT_FLOAT_EQ(WorkGrips[9].X - WorkGrips[4].X, 48);
  EXPECT_FLOAT_EQ(WorkGrips[9].Y, WorkGrips[4].Y);
  const QImage framed = doc_->Image().copy();
  EraseGripFrame();
  EXPECT_NE(doc_->Image(), framed);  // the frame was on the picture
  DrawGripFrame();
  StartFrame();  // set up again: the old frame goes, the new one comes
  EXPECT_TRUE(CleanUnderTheFrame());
}

TEST_F(GripFrameTest, AFrameBeyondTheOldStartExtentsIsFramedFromItsOwnPoints) {
  AddLine(-30000, -20000, -20000, -15000);  // wholly below -10000
  SetView(0.005, 200);
  SelectWindow(-31000, -21000, -19000, -14000);
  DrawingDriver::PressButton("Move");
  EXPECT_DOUBLE_EQ(FrameMinX, -31000);
  EXPECT_DOUBLE_EQ(FrameMaxX, -19000);
  EXPECT_DOUBLE_EQ(FrameMaxY, -14500);
}

struct RescaleCase {
  Double viewWidth;   // world units across the view
  bool rescaled;      // SetDrawingScale(12) was called
};

TEST_F(GripFrameTest, AFrameWiderThanAQuarterOfTheViewRescalesItFirst) {
  for (const RescaleCase& c : {RescaleCase{40, true}, RescaleCase{100, false}}) {
    SCOPED_TRACE(c.viewWidth);
    CancelTools();
    ResetModel();
    SetView(doc_->View_Maxx / c.viewWidth, 20);
    ASSERT_NEAR(doc_->XVmax - doc_->XVmin, c.viewWidth, 1e-6);
    const Double before = doc_->View_Scale;
    StartFrame();
    if (c.rescaled)
      EXPECT_NEAR(doc_->View_Scale, 1.0 / 12, 1e-7);
    else
      EXPECT_EQ(doc_->View_Scale, before);
    EXPECT_EQ(FrameShown, FlagTrue);
    // The grips stand where the frame lies in the view as it now is.
    EXPECT_NEAR(WorkGrips[1].X, FrameMinX * doc_->XVscale + doc_->VbaseX, 0.01);
    EXPECT_NEAR(WorkGrips[5].Y, FrameMaxY * doc_->YVscale + doc_->Vbasey, 0.01);
  }
}

struct PressCase {
  Single dx, dy;  // pixels from grip 3
  bool held;
};

TEST_F(GripFrameTest, APressWithinTwoPixelsOfAGripHoldsItAndThreeDoesNot) {
  StartFrame();
  const GripPoint corner = WorkGrips[3];
  const PressCase cases[] = {{2, 2, true}, {-2, 2, true}, {3, 0, false}, {0, -3, false}, {3, 3, false}};
  for (const PressCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dx << ", " << c.dy);
    input_->PressAt(At(corner.X + c.dx, corner.Y + c.dy));
    EXPECT_EQ(GripHeld != 0, c.held);
    if (c.held) {
      EXPECT_EQ(GripIndex, 3);
    }
    input_->ReleaseAt(At(corner.X + c.dx, corner.Y + c.dy));
    EXPECT_EQ(GripHeld, 0);
  }
}

TEST_F(GripFrameTest, DraggingTheOutlineMovesTheSelectionAndDraggingBackRestoresIt) {
  StartFrame();
  const auto before = AllPoints();
  const Single left = WorkGrips[1].X;
  const Single y = (WorkGrips[1].Y + WorkGrips[8].Y) / 2 - 0.5F;
  input_->PressAt(At(left - 2, y));
  EXPECT_EQ(GripDragging, FlagTrue);
  EXPECT_EQ(GripHeld, 0);
  EXPECT_EQ(doc_->cursor().shape(), Qt::BitmapCursor);  // "hwe.cur"

  input_->MoveToPosition(At(left + 8, y), Qt::LeftButton);
  EXPECT_EQ(MessagePanel(2), "X-Off = 5");
  EXPECT_EQ(MessagePanel(3), "Y-Off = 0");
  for (Long k = 1; k <= PntCount; ++k) {
    EXPECT_DOUBLE_EQ(Pnts[k].X, before[k - 1].first + 5) << "point " << k;
    EXPECT_DOUBLE_EQ(Pnts[k].Y, before[k - 1].second) << "point " << k;
  }
  ExpectIndexAgreesWithScan();
  EXPECT_EQ(FrameShown, FlagTrue);

  input_->MoveToPosition(At(left - 2, y), Qt::LeftButton);
  EXPECT_EQ(MessagePanel(2), "X-Off = 0");
  EXPECT_EQ(AllPoints(), before);
  input_->ReleaseAt(At(left - 2, y));
  EXPECT_EQ(GripDragging, 0);
  EXPECT_EQ(GroupDragOn, FlagTrue);  // the frame stays up for the next grab
  EXPECT_TRUE(CleanUnderTheFrame());
}

TEST_F(GripFrameTest, TheRotationGripTurnsTheSelectionAboutTheFrameCentreInWholeDegrees) {
  StartFrame();
  const GripPoint pivot = FramePivot;
  Drag(At(WorkGrips[9].X + 1, WorkGrips[9].Y), At(pivot.X, pivot.Y + 60));
  EXPECT_EQ(MessagePanel(3), "Angle = 90");
  // The line (0, 0)-(10, 0) turned a quarter about the centre (5, 2.5).
  EXPECT_NEAR(PX(1, 1), 7.5, 1e-4);
  EXPECT_NEAR(PY(1, 1), -2.5, 1e-4);
  EXPECT_NEAR(PX(1, 2), 7.5, 1e-4);
  EXPECT_NEAR(PY(1, 2), 7.5, 1e-4);
  EXPECT_NEAR(WorkGrips[9].Y - WorkGrips[4].Y, 48, 1e-3);
  input_->ReleaseAt(At(pivot.X, pivot.Y + 60));
  ExpectIndexAgreesWithScan();
  EXPECT_TRUE(CleanUnderTheFrame());
}

TEST_F(GripFrameTest, ACornerDraggedOntoThePivotScalesToATenth) {
  StartFrame();
  const GripPoint pivot = FramePivot;
  Drag(At(WorkGrips[5].X, WorkGrips[5].Y), At(pivot.X, pivot.Y));
  EXPECT_FLOAT_EQ(FrameScaleX, 0.1F);
  EXPECT_FLOAT_EQ(FrameScaleY, 0.1F);
  EXPECT_EQ(MessagePanel(1), "X-Scale = 0.1");
  EXPECT_EQ(MessagePanel(2), "Y-Scale = 0.1");
  EXPECT_NEAR(PX(1, 1), 4.5, 1e-4);  // (0, 0) a tenth of the way from the centre (5, 2.5)
  EXPECT_NEAR(PY(1, 1), 2.25, 1e-4);
  input_->ReleaseAt(At(pivot.X, pivot.Y));
  EXPECT_TRUE(CleanUnderTheFrame());
}

// At 48 pixels to the unit the grid of 0.25 snaps a press up to 6 pixels
// away, farther than a grip reaches: a grip is still taken where it is pressed.
// The frame is (0.85, 0.9)-(2.65, 2.1): grip 5 at view pixel (151.2, 124.8),
// grip 9 at (199.2, 96), the pivot at (108, 96). The drags end on grid points.
struct GridPressCase {
  const char* name;
  Integer grip;               // the grip pressed
  Single toX, toY;            // where the drag ends, pixels from the pivot
  Double x1, y1, x2, y2;      // then the line (1, 1)-(2.5, 1)
};

TEST_F(GripFrameTest, WithTheGridSnapOnAPressExactlyOnAGripTakesIt) {
  const GridPressCase cases[] = {
      // A quarter turn about the frame centre (1.75, 1.5).
      {"rotation grip", 9, 0, 60, 2.25, 0.75, 2.25, 2.25},
      // 5/3 of the way out to (3.25, 2.5): the scale 1.67 about the centre.
      {"corner grip", 5, 72, 48, 1.75 - 0.75 * 1.67, 1.5 - 0.5 * 1.67, 1.75 + 0.75 * 1.67, 1.5 - 0.5 * 1.67},
  };
  for (const GridPressCase& c : cases) {
    SCOPED_TRACE(c.name);
    CancelTools();
    ResetModel();
    SetView(48, 24);
    DrawingDriver::Choose("mnuControlsSnapsGrid");
    ASSERT_EQ(GridSnap, FlagTrue);
    StartFrameOn(1, 1, 2.5, 2);
    const GripPoint grip = WorkGrips[c.grip];
    const GripPoint pivot = FramePivot;
    Drag(At(grip.X, grip.Y), At(pivot.X + c.toX, pivot.Y + c.toY));
    EXPECT_EQ(GripIndex, c.grip);
    EXPECT_NEAR(PX(1, 1), c.x1, 1e-4);
    EXPECT_NEAR(PY(1, 1), c.y1, 1e-4);
    EXPECT_NEAR(PX(1, 2), c.x2, 1e-4);
    EXPECT_NEAR(PY(1, 2), c.y2, 1e-4);
    input_->ReleaseAt(At(pivot.X + c.toX, pivot.Y + c.toY));
    EXPECT_TRUE(CleanUnderTheFrame());
    DrawingDriver::Choose("mnuControlsSnapsGrid");
    ASSERT_EQ(GridSnap, 0);
  }
}

// A full redraw while the frame is up (the pointer leaving the window for
// the Controls menu after a press, or View, Redraw) draws the frame again;
// after Controls, Grid, Modify Selected goes on taking its grips.
TEST_F(GripFrameTest, ARedrawWhileTheFrameIsUpShowsItAgainAndItsGripsStillTake) {
  const std::pair<const char*, std::function<void()>> redraws[] = {
      {"the pointer leaves for the Controls menu", [this] { input_->Leave(); }},
      {"View, Redraw", [] { DrawingDriver::Choose("mnuViewRedraw"); }},
  };
  for (const auto& [name, redraw] : redraws) {
    SCOPED_TRACE(name);
    CancelTools();
    ResetModel();
    GridSnap = FlagFalse;
    SetView(48, 24);
    StartFrameOn(1, 1, 2.5, 2);
    const GripPoint corner = WorkGrips[5];
    input_->PressAt(At(corner.X, corner.Y));  // held and let go: nothing moved
    input_->ReleaseAt(At(corner.X, corner.Y));
    ASSERT_EQ(ToolStep, 1);
    redraw();
    EXPECT_EQ(GroupDragOn, FlagTrue);
    EXPECT_EQ(FrameShown, FlagTrue);
    EXPECT_TRUE(CleanUnderTheFrame());

    DrawingDriver::Choose("mnuControlsSnapsGrid");
    ASSERT_EQ(GridSnap, FlagTrue);
    const GripPoint pivot = FramePivot;
    Drag(At(corner.X, corner.Y), At(pivot.X + 72, pivot.Y + 48));  // the scale 1.67, as above
    EXPECT_EQ(GripIndex, 5);
    EXPECT_NEAR(PX(1, 1), 1.75 - 0.75 * 1.67, 1e-4);
    EXPECT_NEAR(PY(1, 1), 1.5 - 0.5 * 1.67, 1e-4);
    input_->ReleaseAt(At(pivot.X + 72, pivot.Y + 48));
    DrawingDriver::Choose("mnuControlsSnapsGrid");  // off again: a redraw shows no grid
    EXPECT_TRUE(CleanUnderTheFrame());
  }
}

// A selection reaching far beyond the view, as a line extended to a nearly
// parallel boundary does: two lines from (0, 1) to (10, reach) and from
// (0, -1) to (10, -reach). The frame runs from -1 to 11 across, so the view
// keeps its scale; its corners lie billions of pixels above and below the
// view, its left and right middle grips, the rotation grip and the centre
// in it, at y = 0. It is moved, scaled and taken down, its pixels in range
// throughout (the sanitizer build checks the sums on them).
TEST_F(GripFrameTest, AFrameReachingFarBeyondTheViewMovesScalesAndGoesDownCleanly) {
  for (const Double reach : {1.8e9, 1e15}) {
    SCOPED_TRACE(reach);
    CancelTools();
    ResetModel();
    SetView(2, 100);
    AddLine(0, 1, 10, reach);
    AddLine(0, -1, 10, -reach);
    RefreshDocView(doc_);
    const Double scale = doc_->View_Scale;
    DrawingDriver::Choose("mnuSelectAll");
    DrawingDriver::PressButton("Move");
    ASSERT_EQ(FrameShown, FlagTrue);
    ASSERT_EQ(doc_->View_Scale, scale);
    EXPECT_FLOAT_EQ(WorkGrips[8].X, 98);
    EXPECT_FLOAT_EQ(WorkGrips[8].Y, 100);
    EXPECT_FLOAT_EQ(WorkGrips[4].X, 122);
    EXPECT_FLOAT_EQ(WorkGrips[4].Y, 100);
    EXPECT_FLOAT_EQ(FramePivot.X, 110);
    EXPECT_FLOAT_EQ(FramePivot.Y, 100);
    EXPECT_TRUE(CleanUnderTheFrame());

    // The left side dragged 10 pixels right and 10 up: 5 units each way.
    Drag(At(96, 130), At(106, 140));
    EXPECT_EQ(GripDragging, FlagTrue);
    EXPECT_EQ(MessagePanel(2), "X-Off = 5");
    EXPECT_EQ(MessagePanel(3), "Y-Off = 5");
    EXPECT_DOUBLE_EQ(PX(1, 1), 5);
    EXPECT_DOUBLE_EQ(PY(1, 1), 6);
    EXPECT_DOUBLE_EQ(PY(1, 2), reach + 5);
    EXPECT_DOUBLE_EQ(PY(2, 2), -reach + 5);
    input_->ReleaseAt(At(106, 140));
    EXPECT_TRUE(CleanUnderTheFrame());

    // Grip 4, now at (132, 110), dragged to twice its distance from the
    // pivot (120, 110): twice as wide about x = 10.
    Drag(At(132, 110), At(144, 110));
    EXPECT_EQ(GripIndex, 4);
    EXPECT_FLOAT_EQ(FrameScaleX, 2);
    EXPECT_FLOAT_EQ(FrameScaleY, 1);
    EXPECT_NEAR(PX(1, 1), 0, 1e-4);
    EXPECT_NEAR(PX(1, 2), 20, 1e-4);
    input_->ReleaseAt(At(144, 110));
    EXPECT_TRUE(CleanUnderTheFrame());

    input_->Escape();
    EXPECT_EQ(GroupDragOn, 0);
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

TEST_F(GripFrameTest, EscTakesTheFrameDownAndLeavesTheModelsPicture) {
  StartFrame();
  input_->Escape();
  EXPECT_EQ(GroupDragOn, 0);
  EXPECT_EQ(FrameShown, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(GripFrameTest, ModifySelectedWithNothingSelectedSaysSo) {
  AddLine(0, 0, 10, 0);
  DrawingDriver::PressButton("Move");
  EXPECT_EQ(MessagePanel(2), "ERROR... No Lines Selected");
  EXPECT_EQ(MessagePanel(3), "You Must Pre-Select lines");
  EXPECT_EQ(GroupDragOn, 0);
  EXPECT_EQ(ActiveTool, 0);
}

}  // namespace
}  // namespace lintavo
