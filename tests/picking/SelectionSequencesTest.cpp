// Random sequences of what a user does to the selection over three drawing
// windows: after every action the selection's rules hold in every drawing,
// and Move in the active window answers as what that window draws selected.
#include <random>
#include <vector>

#include "commands/EditFixture.h"
#include "picking/Selection.h"

namespace lintavo {
namespace {

class SelectionSequencesTest : public EditFixture {
 protected:
  void SetUp() override {
    EditFixture::SetUp();
    windows_.push_back(doc_);
    for (Long id : {2, 3}) {
      FixedDpiDocument* window = Open(id, "Drawing " + std::to_string(id));
      ShowAtScale(window, 48, 24);
      windows_.push_back(window);
    }
    for (frmDocument* window : windows_) {
      Activate(window);
      for (Long k = 0; k < 4; ++k) AddLine(1 + k, 1 + 0.5 * k, 1.8 + k, 1 + 0.5 * k);
      RefreshDocView(window);
    }
    Activate(doc_);
  }

  // The window that is active, and a driver of its pointer and keys.
  frmDocument* Active() const {
    for (frmDocument* window : windows_)
      if (window->ID == CurDwg) return window;
    return doc_;
  }

  // One action a user takes, chosen by roll; every action ends with Esc.
  void Act(std::mt19937& random) {
    DrawingDriver input(*Active());
    const auto at = [&random](Double low, Double high) {
      return std::uniform_real_distribution<Double>(low, high)(random);
    };
    switch (std::uniform_int_distribution<int>(0, 13)(random)) {
      case 0: {
        const Double x = at(0, 5), y = at(0, 3);
        DrawingDriver::Choose("mnuSelectWindow");
        input.ClickEach({{x, y}, {x + at(0.5, 3), y + at(0.5, 2)}});
        break;
      }
      case 1:
        DrawingDriver::Choose("mnuSelectItems");
        input.ClickAt(at(1, 5), 1 + 0.5 * std::uniform_int_distribution<int>(0, 3)(random));
        break;
      case 2: DrawingDriver::Choose("mnuSelectAll"); break;
      case 3: DrawingDriver::Choose("mnuSelectDwg"); break;
      case 4: DrawingDriver::Choose("mnuSelectCurLayer"); break;
      case 5: DrawingDriver::PressButton("Deselect"); break;
      case 6: DrawingDriver::Choose("mnuEditErase"); break;
      case 7: DrawingDriver::Choose("mnuEditUnErase"); break;
      case 8: DrawingDriver::Choose(at(0, 1) < 0.5 ? "mnuEditHide" : "mnuEditShow"); break;
      case 9: DrawingDriver::Choose(at(0, 1) < 0.5 ? "mnuEditUndo" : "mnuEditRedo"); break;
      case 10:
        DrawingDriver::Choose("mnuEditcopy");
        input.ClickAt(1, 1);
        break;
      case 11:
        DrawingDriver::Choose("mnuEditPaste");
        input.ClickAt(at(1, 5), at(1, 4));
        break;
      case 12: {
        const Double x = at(0.5, 6), y = at(0.5, 4.5);
        DrawingDriver::Choose("mnuDrawLineSingle");
        input.ClickEach({{x, y}, {x + 0.7, y}});
        break;
      }
      default: Activate(windows_[std::uniform_int_distribution<size_t>(0, windows_.size() - 1)(random)]); break;
    }
    DrawingDriver(*Active()).Escape();
  }

  // The rules of the selection in every drawing: an entity carries a
  // positive stamp only of its own drawing's current set, and a selected
  // entity is in that set.
  static Long BrokenStamps() {
    Long broken = 0;
    for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
      const ObjRec& obj = Objs[i];
      if (obj.DwgNo < 1) continue;
      const Integer number = Dwgs[obj.DwgNo].SelectSet;
      if (obj.Select > 0 && obj.Select != number) ++broken;
      if (obj.Selected && obj.Show && !obj.Erased && (number < 1 || obj.Select != number)) ++broken;
    }
    return broken;
  }

  // Whether Move, chosen now, asks for its reference point (true) or says
  // that nothing is selected; Esc then takes it back.
  bool MoveStarts() {
    DrawingDriver::Choose("mnuEditMove");
    const bool started = MessagePanel(2) == "Enter a Reference Point near Lines >";
    DrawingDriver(*Active()).Escape();
    return started;
  }

  std::vector<frmDocument*> windows_;
};

TEST_F(SelectionSequencesTest, EveryActionLeavesEachDrawingsSelectionAsItsWindowDrawsIt) {
  constexpr int Sequences = 6, Actions = 60;
  for (int sequence = 0; sequence < Sequences; ++sequence) {
    std::mt19937 random(static_cast<std::mt19937::result_type>(1000 + sequence));
    for (int action = 0; action < Actions; ++action) {
      Act(random);
      SCOPED_TRACE("sequence " + std::to_string(sequence) + ", action " + std::to_string(action));
      ASSERT_EQ(BrokenStamps(), 0);
      Long drawnSelected = 0;
      for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
        const ObjRec& obj = Objs[i];
        if (obj.DwgNo == CurDwg && obj.Selected && obj.Show && !obj.Erased) ++drawnSelected;
      }
      ASSERT_EQ(MoveStarts(), drawnSelected > 0) << drawnSelected << " drawn selected";
      ASSERT_TRUE(EqualsFreshRedraw(Active()));
    }
  }
}

}  // namespace
}  // namespace lintavo
