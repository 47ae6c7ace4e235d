// The picture after a command ends or is cancelled, after undo and redo and
// when the pointer leaves the window is the model's own: it equals a fresh
// redraw, with no rubber band, point mark or crosshair left behind. And a
// click that adds nothing changes no drawing.
#include <QCoreApplication>
#include <QEvent>
#include <QImage>

#include "commands/LineDraw.h"
#include "model/DataHand.h"
#include "model/Top.h"
#include "support/DrawingDriver.h"
#include "view/DisplayOptions.h"
#include "view/ViewFixture.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

class CleanPictureTest : public ViewFixture {
 protected:
  void SetUp() override {
    ViewFixture::SetUp();
    doc_ = Open(1);
    input_ = std::make_unique<DrawingDriver>(*doc_);
    // 48 pixels to the unit, the world origin at view pixel (24, 24).
    doc_->XVscale = doc_->YVscale = 48;
    doc_->View_Scale = 48 / PixelsPerUnit;
    doc_->VbaseX = doc_->Vbasey = 24;
    UpdateWorldWindow();
    // What a user has at start: rubber bands and the snap crosshair.
    RubberBanding = ShowSnapCursor = FlagTrue;
    ShowRealCursor = FlagFalse;
    RefreshDocView(doc_);
  }

  // The surface now, against the same window redrawn from the model.
  bool EqualsFreshRedraw() {
    const QImage now = doc_->Image().copy();
    RefreshDocView(doc_);
    return now == doc_->Image();
  }
  void Leave() {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(doc_, &leave);
  }

  FixedDpiDocument* doc_ = nullptr;
  std::unique_ptr<DrawingDriver> input_;
};

TEST_F(CleanPictureTest, EndingAContinuousLineWithTheRightButtonLeavesNoRubberBand) {
  DrawingDriver::PressButton("Line4");
  input_->ClickAt(1, 1);
  input_->ClickAt(3, 1);
  input_->ClickAt(3, 3);
  input_->MoveTo(5, 2);
  input_->ClickAt(5, 2, Qt::RightButton);
  EXPECT_EQ(ToolStep, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
  // The next line starts at its own first click, not at the right click.
  input_->ClickAt(1, 4);
  input_->MoveTo(2, 4.5);
  input_->Escape();
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(CleanPictureTest, EscAfterAFirstClickLeavesNoMarkAndNoCrosshair) {
  DrawingDriver::Choose("mnuDrawLineSingle");
  input_->MoveTo(2, 2);
  EXPECT_EQ(doc_->Cursorison, FlagTrue);
  input_->ClickAt(2, 2);
  input_->MoveTo(4, 3);
  input_->Escape();
  EXPECT_EQ(doc_->Cursorison, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
  EXPECT_EQ(doc_->IsDirty, 0);  // one click and Esc: the drawing did not change
}

TEST_F(CleanPictureTest, UndoAndRedoLeaveTheRemovedLinesMarksNowhere) {
  DrawingDriver::Choose("mnuDrawLineSingle");
  input_->ClickAt(1, 1);
  input_->ClickAt(4, 3);
  EXPECT_EQ(doc_->IsDirty, FlagTrue);  // the line did change it
  input_->Escape();
  DrawingDriver::Choose("mnuEditUndo");
  EXPECT_EQ(Objs[ObjCount].Erased, FlagTrue);
  EXPECT_TRUE(EqualsFreshRedraw());
  DrawingDriver::Choose("mnuEditRedo");
  EXPECT_EQ(Objs[ObjCount].Erased, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(CleanPictureTest, ThePointerLeavingTakesTheCrosshairAndTheRubberBandAlong) {
  DrawingDriver::Choose("mnuDrawLineSingle");
  input_->ClickAt(1, 1);
  input_->ClickAt(3, 1);  // a line with its marks, the command waiting for the next
  input_->MoveTo(2, 2);
  EXPECT_EQ(doc_->Cursorison, FlagTrue);
  Leave();
  EXPECT_EQ(doc_->Cursorison, 0);
  EXPECT_TRUE(EqualsFreshRedraw());

  // A window box being dragged goes too.
  DrawingDriver::Choose("mnuViewZoomWindow");
  input_->ClickAt(1, 1);
  input_->MoveTo(3, 2);
  Leave();
  EXPECT_TRUE(EqualsFreshRedraw());
}

}  // namespace
}  // namespace lintavo
