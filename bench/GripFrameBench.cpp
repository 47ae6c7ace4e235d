// The grip frame's drags as the mouse moves: every move takes the selected
// lines off the 1600 × 1000 drawing window with the not-XOR pen, changes
// their points in place and draws them again, with the frame. One iteration
// is one mouse move of an outline drag (move) or of the rotation grip
// (rotate), the cursor going back and forth; a full redraw of the same
// drawing is the yardstick in the same process.
#include <benchmark/benchmark.h>
#include <memory>

#include "BenchWindow.h"
#include "windows/main/frmMain.h"
#include "commands/GripFrame.h"
#include "model/DataHand.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "view/Zooms.h"
#include "windows/main/frmDocument.h"

namespace lintavo {
namespace {

constexpr int AreaWidth = BenchWindow::AreaWidth;  // pixels of the drawing area
constexpr int AreaHeight = BenchWindow::AreaHeight;

// A drawing window of 1600 × 1000 pixels holding `count` selected short
// lines spread over the middle of the view, with the grip frame up.
class GripScene {
 public:
  explicit GripScene(Long count) {
    const Double width = document_->XVmax - document_->XVmin;
    const Double height = document_->YVmax - document_->YVmin;
    // A hundred lines to a row, the rows spread over the middle of the view;
    // the frame stays narrower than a quarter of the view, so the view keeps its scale.
    const Long rows = count / 100 > 0 ? count / 100 : 1;
    for (Long k = 0; k < count; ++k) {
      const Double x = document_->XVmin + width * (0.4 + 0.18 * static_cast<Double>(k % 100) / 100);
      const Double y = document_->YVmin + height * (0.3 + 0.4 * static_cast<Double>(k / 100) / rows);
      AddObj(EntityLine, 2);
      AddPnt(x, y);
      AddPnt(x + width / 200, y + height / 300);
      SetSelectedFlag(ObjCount, FlagTrue);
    }
    Dwgs[CurDwg].SelectSet = 1;
    RedrawView();
    scale_ = document_->View_Scale;
    ToolStep = 0;
    StartModifySelected();
  }
  bool Ready() const { return document_->View_Maxx == AreaWidth && FrameShown && document_->View_Scale == scale_; }

 private:
  BenchWindow window_{"Grips"};  // the main and drawing window, made active
  frmDocument* document_ = window_.Document();
  Double scale_ = 0;                 // the view's scale before the frame came up
};

void BM_GripFrameMoveDrag(benchmark::State& state) {
  GripScene scene(state.range(0));
  if (!scene.Ready()) return state.SkipWithError("the grip frame did not come up");
  // The left side halfway between its lower corner and its middle grip.
  const GripPoint left = {WorkGrips[8].X, (WorkGrips[1].Y + WorkGrips[8].Y) / 2};
  GroupEditMouseDown(left.X, left.Y, left.X, left.Y);
  if (!GripDragging) return state.SkipWithError("the outline was not taken");
  Single step = 7;
  for (auto _ : state) {
    GroupEditMouseMove(left.X + step, left.Y);
    step = step > 0 ? -7 : 7;
  }
  GroupEditMouseUp();
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_GripFrameMoveDrag)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_GripFrameRotateDrag(benchmark::State& state) {
  GripScene scene(state.range(0));
  if (!scene.Ready()) return state.SkipWithError("the grip frame did not come up");
  const GripPoint grip = WorkGrips[9];
  const GripPoint pivot = FramePivot;
  GroupEditMouseDown(grip.X, grip.Y, grip.X, grip.Y);
  if (!GripHeld) return state.SkipWithError("the rotation grip was not taken");
  bool up = true;
  for (auto _ : state) {
    GroupEditMouseMove(pivot.X + 100, pivot.Y + (up ? 40 : -40));
    up = !up;
  }
  GroupEditMouseUp();
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_GripFrameRotateDrag)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// The yardstick: a full redraw of the same window and lines.
void BM_GripFrameYardstickRedraw(benchmark::State& state) {
  GripScene scene(state.range(0));
  if (!scene.Ready()) return state.SkipWithError("the grip frame did not come up");
  for (auto _ : state) RedrawView();
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_GripFrameYardstickRedraw)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lintavo
