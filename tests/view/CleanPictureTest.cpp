// The picture after a command ends or is cancelled, after undo and redo and
// when the pointer leaves the window is the model's own: it equals a fresh
// redraw, with no rubber band, point mark or crosshair left behind. And a
// click that adds nothing changes no drawing.
#include <QImage>
#include <string>
#include <utility>
#include <vector>

#include "commands/LineDraw.h"
#include "model/DataHand.h"
#include "model/SnapSettings.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "support/DrawingDriver.h"
#include "view/DisplayOptions.h"
#include "view/DrawingWindowFixture.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

class CleanPictureTest : public DrawingWindowFixture {
 protected:
  void SetUp() override {
    DrawingWindowFixture::SetUp();
    // 48 pixels to the unit, the world origin at view pixel (24, 24).
    ShowAtScale(doc_, 48, 24);
    // What a user has at start: rubber bands and the snap crosshair.
    RubberBanding = ShowSnapCursor = FlagTrue;
    ShowRealCursor = FlagFalse;
    RefreshDocView(doc_);
  }
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
  input_->Leave();
  EXPECT_EQ(doc_->Cursorison, 0);
  EXPECT_TRUE(EqualsFreshRedraw());

  // A window box being dragged goes too.
  DrawingDriver::Choose("mnuViewZoomWindow");
  input_->ClickAt(1, 1);
  input_->MoveTo(3, 2);
  input_->Leave();
  EXPECT_TRUE(EqualsFreshRedraw());
}

// Every shape and curve command, drawn with the mouse and its previews, then
// ended by its last click, by Esc or by a right click: the picture is the
// model's, with no preview, mark or wiped curve left behind.
TEST_F(CleanPictureTest, EveryShapeCommandEndedAnyWayLeavesThePictureOfTheModel) {
  struct Case {
    const char* menu;
    std::vector<std::pair<Double, Double>> clicks;  // the last one ends the command
  };
  const std::vector<Case> cases = {
      {"mnuDrawShapeRectangle2", {{1, 1}, {3, 4}}},
      {"mnuDrawShapeRectangle3", {{1, 1}, {4, 1.5}, {3, 4}}},
      {"mnuDrawShapeTrapazoid", {{1, 1}, {4, 1.5}, {3, 4}}},
      {"mnuDrawShapePolygon", {{4, 3}, {6, 3}, {5, 4.5}}},
      {"mnuDrawShapeIllreg", {{1, 1}, {4, 1}, {4, 4}, {1, 4}, {1, 1}}},
      {"mnuDrawCircle2a", {{3, 3}, {5, 3}}},
      {"mnuDrawCircle2b", {{2, 2}, {4, 3}}},
      {"mnuDrawCircle3", {{1, 1}, {4, 1.5}, {3, 4}}},
      {"mnuDrawArc2", {{4, 3}, {6, 3}, {4, 5}}},
      {"mnuDrawArc3", {{1, 1}, {4, 1.5}, {3, 4}}},
      {"mnuDrawArc4", {{1, 1}, {4, 1.5}, {3, 4}}},
      {"mnuDrawEllipseArc", {{1, 1}, {6, 4}, {5, 4}, {2, 3}}},
      {"mnuDrawEllipse2", {{1, 1}, {5, 3}}},
      {"mnuDrawEllipse3", {{4, 3}, {6, 3}, {4, 4}}},
      {"mnuDrawEllipse4", {{2, 3}, {6, 3}, {4, 4}}},
      {"mnuDrawCurveSpline", {{1, 1}, {2, 3}, {4, 2}, {6, 4}, {1, 1}}},
      {"mnuDrawCurveBezier", {{1, 1}, {2, 3}, {4, 2}, {6, 4}, {1, 1}}},
      {"mnuDrawCurveBezier2", {{1, 1}, {4, 1}, {6, 3}}},
  };
  enum class Ending { LastClick, Escape, RightClick };
  // A click back on the first point closes a polygon or a curve: a reach of
  // 0.2 units at this zoom.
  SnapTolerance = 0.2F * static_cast<Single>(doc_->View_Scale);
  PickTolerance = 0.2F;
  for (const Case& c : cases) {
    for (const Ending ending : {Ending::LastClick, Ending::Escape, Ending::RightClick}) {
      SCOPED_TRACE(std::string(c.menu) + " ending " + std::to_string(static_cast<int>(ending)));
      input_->Escape();
      DrawingDriver::Choose(c.menu);
      const size_t clicks = ending == Ending::LastClick ? c.clicks.size() : c.clicks.size() - 1;
      std::pair<Double, Double> last{c.clicks[0].first - 0.5, c.clicks[0].second};
      for (size_t k = 0; k < clicks; ++k) {
        const auto [x, y] = c.clicks[k];
        input_->MoveTo((last.first + x) / 2 + 0.3, (last.second + y) / 2 - 0.2);  // a preview on the way
        input_->ClickAt(x, y);
        last = c.clicks[k];
      }
      if (ending != Ending::LastClick) {
        const auto [x, y] = c.clicks.back();
        input_->MoveTo((last.first + x) / 2 + 0.3, (last.second + y) / 2 - 0.2);
        if (ending == Ending::Escape)
          input_->Escape();
        else
          input_->ClickAt(x, y, Qt::RightButton);
      } else {
        EXPECT_EQ(LineDrawActive, 0);  // the last click ended it
      }
      EXPECT_TRUE(EqualsFreshRedraw());
    }
  }
}

}  // namespace
}  // namespace lintavo
