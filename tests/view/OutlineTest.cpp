// The ghost of the selection while a move, paste, rotate or mirror waits
// for its point: it follows the mouse, and whatever ends it leaves every
// point as it was and the picture the model's own. The transform edits
// stopped while they wait leave the picture the model's own with the ghost
// switched off too, when they show their centre line instead.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "commands/EditFixture.h"
#include "commands/Edits.h"
#include "model/UndoRedo.h"
#include "support/ModelBuilders.h"
#include "view/Outline.h"

namespace lintavo {
namespace {

class OutlineTest : public EditFixture {
 protected:
  void SetUp() override {
    EditFixture::SetUp();
    OutlineEnabled = FlagTrue;
  }
};

TEST_F(OutlineTest, TwoMovesToOnePointAndTheEndLeaveEveryPointBitForBit) {
  AddLine(0.1, 0.3, 1.7, 0.9);
  AddCircle(1.3, 1.1, 0.7);
  SelectWindow(-0.4, -0.4, 2.5, 2.5);
  const auto original = AllPoints();
  DrawingDriver::Choose("mnuEditMove");
  input_->ClickAt(0.1, 0.3);
  input_->MoveTo(3.3, 2.7);
  EXPECT_EQ(OutlineShown, FlagTrue);
  EXPECT_NE(AllPoints(), original);  // the ghost moves the model's own points
  input_->MoveTo(3.3, 2.7);
  input_->MoveTo(3.3, 2.7);
  EndOutlinePreview();
  EXPECT_EQ(AllPoints(), original);
}

TEST_F(OutlineTest, RotateShowsTheTurnTowardTheMouseAndNeverDrifts) {
  AddLine(1, 0, 2, 0.3);
  SelectWindow(0.5, -0.2, 2.5, 0.5);
  const auto original = AllPoints();
  DrawingDriver::Choose("mnuEditRotate");
  input_->ClickAt(0, 0);
  for (int i = 0; i < 20; ++i) input_->MoveTo(1 + 0.1 * i, 0.3 + 0.2 * i);
  input_->MoveTo(0, 3);  // straight above the axis
  EXPECT_FLOAT_EQ(OutlineAngle, 1.571F);
  input_->MoveTo(2, 0);
  EndOutlinePreview();
  EXPECT_EQ(AllPoints(), original);
}

TEST_F(OutlineTest, MirrorShowsTheAngleOfItsImage) {
  const Long a = AddLine(1, 1, 2, 1);
  SelectWindow(0.5, 0.5, 2.5, 1.5);
  DrawingDriver::Choose("mnuEditMirror");
  input_->ClickAt(1, 1);
  input_->MoveTo(4, 2);  // 3 right, 1 up: left-right image on the mouse
  EXPECT_EQ(MessagePanel(3), "Angle = 180");
  EXPECT_NEAR(PX(a, 1), 4, 1e-6);
  EXPECT_NEAR(PX(a, 2), 3, 1e-6);
  input_->MoveTo(2, -2);  // 1 right, 3 down: upside down
  EXPECT_EQ(MessagePanel(3), "Angle = 0");
  input_->Escape();
  EXPECT_EQ(PX(a, 1), 1);
}

// The clipboard copied last in another drawing: the ghost takes that
// drawing's entity, and the paste places it alone; a line this drawing
// copied before is no longer on the clipboard.
TEST_F(OutlineTest, APasteGhostTakesClipboardEntitiesOfAnotherDrawing) {
  const Long own = AddLine(1, 1, 2, 1);
  SelectWindow(0.5, 0.5, 2.5, 1.5);
  DrawingDriver::Choose("mnuEditcopy");
  input_->ClickAt(1, 1);
  SecondDrawingWithCopiedLine(1, 3, 2, 3);
  const Long foreign = ObjCount;

  Activate(doc_);
  DrawingDriver::Choose("mnuEditPaste");
  input_->MoveTo(3, 3);
  EXPECT_EQ(PX(foreign, 1), 3);
  input_->ClickAt(3, 3);
  EXPECT_EQ(PX(foreign, 1), 1);
  EXPECT_EQ(PX(own, 1), 1);
  EXPECT_EQ(MessagePanel(2), " 1 ClipBoard Lines Pasted ");
  EXPECT_EQ(Objs[ObjCount].DwgNo, 1);
  EXPECT_EQ(PX(ObjCount, 1), 3);
  EXPECT_EQ(Objs[ObjCount].LayerID, doc_->Current_Layer);
}

// A selection within the limit is shown whole; a larger one every k-th
// entity, k the smallest step that keeps the ghost within the limit. Esc
// gives every point back with the model's own picture; the second click
// moves the whole selection.
TEST_F(OutlineTest, TheGhostOfALargeSelectionShowsEveryKthEntityAndTheEndsAreExact) {
  struct Row {
    Long lines;
    Long step;  // every step-th line of the selection is in the ghost
  };
  const Row rows[] = {{12, 1}, {GhostEntityLimit, 1}, {GhostEntityLimit + 1, 2}, {3 * GhostEntityLimit + 5, 4}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.lines);
    const Long first = ObjCount + 1;
    for (Long k = 0; k < row.lines; ++k) AddLine(1 + 0.001 * k, 1, 2, 2);
    DrawingDriver::Choose("mnuSelectAll");
    input_->Escape();
    const auto original = AllPoints();
    for (bool cancel : {true, false}) {
      DrawingDriver::Choose("mnuEditMove");
      input_->ClickAt(1, 1);
      input_->MoveTo(3, 2);  // the ghost two units right, one up
      Long shown = 0;
      for (Long i = first; i <= ObjCount; ++i) {
        const bool inGhost = (i - first) % row.step == 0;
        shown += PX(i, 2) == 4 ? 1 : 0;
        EXPECT_EQ(PX(i, 2), inGhost ? 4 : 2) << "line " << i;
      }
      EXPECT_LE(shown, GhostEntityLimit);
      if (cancel) {
        input_->Escape();
        EXPECT_EQ(AllPoints(), original);
      } else {
        input_->ClickAt(3, 2);
        for (Long i = first; i <= ObjCount; ++i) EXPECT_EQ(PY(i, 2), 3) << "line " << i;
      }
      EXPECT_TRUE(EqualsFreshRedraw()) << (cancel ? "cancelled" : "moved");
    }
    ResetModel();
  }
}

// One input of an edit: a click at (x, y), or a value entered in the entry box.
struct EditInput {
  Double x = 0, y = 0;
  const char* typed = nullptr;
};
EditInput At(Double x, Double y) { return {x, y, nullptr}; }
EditInput Typed(const char* text) { return {0, 0, text}; }

// Every edit that transforms the selection, with the outline shown and
// without it, stopped by Esc, by the pointer leaving or by another tool after
// each input it waits past: the selection's points are as they were (a copy
// made stays), and the picture is the model's own.
TEST_F(OutlineTest, EveryTransformEditStoppedWhileItWaitsLeavesTheSelectionAndThePicture) {
  struct Edit {
    const char* menu;
    std::vector<EditInput> inputs;  // the last one ends the edit
  };
  const Edit edits[] = {
      {"mnuEditMove", {At(1, 1), At(3, 2)}},
      {"mnuEditCopys", {At(1, 1), At(3, 2), At(4, 2.5), Typed("2")}},  // a copy per click, then the count
      {"mnuEditRotate", {At(1, 1), At(3, 2)}},
      {"mnuEditMirror", {At(1, 1), At(3, 2)}},
      {"mnuEditRescale", {At(1, 1), Typed("2"), Typed("3")}},
      {"mnuEditRcopy", {At(1, 1), At(3, 2), Typed("90"), Typed("3")}},
      {"mnuEditPcopy", {At(1, 1), At(3, 3), At(3, 3.5), Typed("2")}},  // the path, the offset, the count
  };
  enum class End { Esc, Leave, AnotherTool };
  const std::pair<End, const char*> ends[] = {{End::Esc, "Esc"}, {End::Leave, "leave"}, {End::AnotherTool, "another tool"}};
  for (const Edit& edit : edits) {
    for (const Integer outline : {FlagTrue, FlagFalse}) {
      for (const auto& [end, endName] : ends) {
        for (size_t k = 1; k < edit.inputs.size(); ++k) {
          SCOPED_TRACE(std::string(edit.menu) + (outline ? " with" : " without") + " the outline, " + endName +
                       " after " + std::to_string(k) + " inputs");
          ResetModel();
          AddLine(1, 1, 2, 1.5);
          AddLine(1.5, 0.5, 1.5, 2);  // crossing the first
          AddLine(0.5, 3, 6, 3);      // the path, outside the selection
          SelectWindow(0.5, 0.8, 2.5, 1.6);
          OutlineEnabled = outline;
          const auto original = AllPoints();
          DrawingDriver::Choose(edit.menu);
          for (size_t i = 0; i < k; ++i) {
            const EditInput& input = edit.inputs[i];
            if (input.typed) {
              DrawingDriver::EnterInEntryBox(input.typed);
            } else {
              input_->ClickAt(input.x, input.y);
            }
            input_->MoveTo(3.5, 2.5);  // the previews follow the mouse
            input_->MoveTo(4, 3);
          }
          ASSERT_EQ(AwaitingInput, FlagTrue);  // the edit waits for its next input
          if (end == End::Esc) {
            input_->Escape();
          } else if (end == End::Leave) {
            input_->Leave();
          } else {
            DrawingDriver::Choose("mnuSelectItems");
          }
          const auto points = AllPoints();
          ASSERT_GE(points.size(), original.size());
          EXPECT_TRUE(std::equal(original.begin(), original.end(), points.begin()));
          EXPECT_TRUE(EqualsFreshRedraw());
          CancelTools();
        }
      }
    }
  }
}

}  // namespace
}  // namespace lintavo
