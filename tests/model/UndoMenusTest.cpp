// Undo and Redo through the Edit menu and the tool bar, after what a user
// does through the program's own menus: drawing, erasing, breaking,
// components, groups, areas, File Open into a window, switching windows.
#include <QAction>
#include <QDialog>
#include <functional>
#include <map>
#include <vector>

#include "commands/EditFixture.h"
#include "model/UndoRedo.h"
#include "model/ItemMembers.h"
#include "windows/insert/frmCompSelect.h"
#include "windows/show/frmAreaSelect.h"
#include "windows/show/frmGroupSelect.h"
#include "windows/show/frmLayerSelect.h"
#include "storage/FileMenu.h"
#include "storage/SaveData.h"
#include "storage/TestDatabase.h"
#include "support/ListClicks.h"
#include "support/ScriptedResponder.h"

namespace lintavo {
namespace {

using PointList = std::vector<std::pair<Double, Double>>;
// The live entities of the current drawing and their points, by index.
using DrawingState = std::map<Long, PointList>;

class UndoMenusTest : public EditFixture {
 protected:
  // ---- What the user does --------------------------------------------------------------
  // Single Line from the Draw menu, then Esc; the line's index.
  static Long DrawLine(DrawingDriver& input, Double x1, Double y1, Double x2, Double y2) {
    DrawingDriver::Choose("mnuDrawLineSingle");
    input.ClickAt(x1, y1);
    input.ClickAt(x2, y2);
    input.Escape();
    return ObjCount;
  }
  Long DrawLine(Double x1, Double y1, Double x2, Double y2) { return DrawLine(*input_, x1, y1, x2, y2); }
  // Select, Line on the line through the point, then Edit, Erase.
  static void EraseLineAt(DrawingDriver& input, Double x, Double y) {
    DrawingDriver::Choose("mnuSelectItems");
    input.ClickAt(x, y);
    input.Escape();
    DrawingDriver::Choose("mnuEditErase");
  }
  // Select, Clear, then Select, Window around the box.
  void SelectOnly(Double x1, Double y1, Double x2, Double y2) {
    DrawingDriver::Choose("mnuSelectClr");
    SelectWindow(x1, y1, x2, y2);
  }
  // Break Line: the pick, then the two break points.
  void BreakAt(const PointList& clicks) {
    DrawingDriver::Choose("mnuTrimsBreak");
    input_->ClickEach(clicks);
  }
  // ADD Selected Group of the selection, then Delete of that group in the
  // Groups chooser.
  void GroupAndDeleteTheGroup() {
    Responder().OnDialog<frmGroupSelect>([](frmGroupSelect& dialog) {
      ClickLastRow(dialog.List1);
      dialog.OKButton->click();
    });
    DrawingDriver::Choose("mnuViewGroup");
    Responder().OnDialog<frmGroupSelect>([](frmGroupSelect& dialog) {
      ClickLastRow(dialog.List1);
      dialog.Command2->click();
      dialog.OKButton->click();
    });
    DrawingDriver::Choose("mnuGroupsShow");
  }
  // Drawing 1 stored as "Stored" in a new drawings database; its key.
  Long StoreDrawing() {
    DwgDbPath = ScratchPath("Stored_dwg.mdb");
    CreateEmptyDrawingsDb(DwgDbPath);
    Dwgs[1].Name = "Stored";
    EXPECT_TRUE(SaveDrawing(1));
    return Dwgs[1].DrawID;
  }
  // File, Open of the stored drawing into the active window; a changed
  // drawing there is not saved first.
  void OpenStored(Long key, const frmDocument& into) {
    Responder().OnModalWindow([key](QDialog& chooser) {
      SelDwgName = "Stored";
      SelDwgID = key;
      DlgCancelled = FlagFalse;
      chooser.done(QDialog::Accepted);
    });
    if (into.IsDirty) Responder().AnswerMsgBox(vbNo);
    DrawingDriver::Choose("mnuFileOpen");
  }

  // ---- What the user sees -----------------------------------------------------------------
  static DrawingState LiveState() {
    DrawingState state;
    for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
      const ObjRec& obj = Objs[i];
      if (obj.DwgNo != CurDwg || obj.Erased || !obj.Show) continue;
      PointList& points = state[i];
      for (Integer k = 1; k <= obj.NPoints; ++k) points.emplace_back(PX(i, k), PY(i, k));
    }
    return state;
  }
  // An earlier state without the entities that have left the drawing since
  // (deleted with their group, moved into a component): no step brings those back.
  static DrawingState StillInDrawing(const DrawingState& earlier) {
    DrawingState kept;
    for (const auto& [obj, points] : earlier)
      if (Objs[obj].DwgNo == CurDwg) kept[obj] = points;
    return kept;
  }
  // The live lines' points, whatever their indexes.
  static std::vector<PointList> LiveLines() {
    std::vector<PointList> lines;
    for (const auto& [obj, points] : LiveState()) lines.push_back(points);
    return lines;
  }
  struct EditItems {
    bool undo, redo;
  };
  EditItems MenuItems() const { return {main_->mnuEditUndo->isEnabled(), main_->mnuEditRedo->isEnabled()}; }
  EditItems Buttons() const {
    return {main_->ToolBarButton("Undo")->isEnabled(), main_->ToolBarButton("Redo")->isEnabled()};
  }
  void ExpectEditItems(bool undo, bool redo, const char* when) const {
    EXPECT_EQ(MenuItems().undo, undo) << when;
    EXPECT_EQ(MenuItems().redo, redo) << when;
    EXPECT_EQ(Buttons().undo, undo) << when;
    EXPECT_EQ(Buttons().redo, redo) << when;
  }
  static void Undo(int times = 1) {
    for (int i = 0; i < times; ++i) DrawingDriver::Choose("mnuEditUndo");
  }
  static void Redo(int times = 1) {
    for (int i = 0; i < times; ++i) DrawingDriver::Choose("mnuEditRedo");
  }
};

// ---- Steps that left the drawing ------------------------------------------------------------

TEST_F(UndoMenusTest, UndoAndRedoPassOverStepsWhoseEntitiesLeftTheDrawing) {
  struct Row {
    const char* what;
    std::function<void(Double y)> takeAway;  // works on B, the line at (4, y)-(6, y)
    int undos;  // presses that take back everything drawn in the row
  };
  const Row rows[] = {
      {"create component", [this](Double y) {
         SelectOnly(3.5, y - 0.4, 6.5, y + 0.4);
         DrawingDriver::Choose("mnuEditCompCreate");
         input_->ClickAt(7, y);
       }, 2},
      {"make into", [this](Double y) {
         SelectOnly(3.5, y - 0.4, 6.5, y + 0.4);
         DrawingDriver::Choose("mnuEditCompReplace");
       }, 4},  // the copy's step is passed over: the placement, B's erase, B, then A
      {"delete group", [this](Double y) {
         SelectOnly(3.5, y - 0.4, 6.5, y + 0.4);
         GroupAndDeleteTheGroup();
       }, 1},
      {"esc during create area", [this](Double y) {
         DrawingDriver::Choose("mnuViewAreasPoints");
         input_->ClickAt(1, y + 0.6);
         input_->ClickAt(3, y + 0.6);
         input_->Escape();
       }, 2},
      {"delete area", [this](Double y) {
         CreateWindowArea(3.5, y - 0.4, 6.5, y + 0.4);
         DeleteLastItem<frmAreaSelect>("mnuAreasShow");
       }, 2},  // the boundary's step is passed over: B, then A
      {"delete layer", [this](Double y) {
         SelectOnly(3.5, y - 0.4, 6.5, y + 0.4);
         DrawingDriver::Choose("mnuViewLayer");
         Responder().AnswerMsgBox(vbYes);  // B moves onto the new layer
         Responder().OnDialog<frmLayerSelect>([](frmLayerSelect& dialog) {
           ClickLastRow(dialog.List1);
           dialog.OKButton->click();
         });
         DrawingDriver::PressButton("Layers");
         Responder().AnswerMsgBox(vbYes);  // its lines go with it
         DeleteLastItem<frmLayerSelect>("mnuSelectLayer");
       }, 1},  // B left with its layer: A
  };
  Double y = 0.5;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const DrawingState before = LiveState();
    const Long a = DrawLine(1, y, 3, y);
    DrawLine(4, y, 6, y);
    row.takeAway(y);
    const DrawingState after = LiveState();
    ASSERT_EQ(after.count(a), 1u) << "A stays in the drawing";
    Undo(row.undos);
    EXPECT_EQ(LiveState(), before);
    EXPECT_TRUE(EqualsFreshRedraw());
    Redo(row.undos);
    EXPECT_EQ(LiveState(), after);
    EXPECT_TRUE(EqualsFreshRedraw());
    y += 1.25;
  }
}

// ---- Make Into ---------------------------------------------------------------------------------

// Make Into takes the lines it makes into a component out of the drawing as
// steps Undo takes back: the placement first, then each line, back where it
// was and unselected. Redo makes it all again. A line drawn after the Undos
// ends Redo and keeps the lines; the component keeps its own lines and is
// placed again; a save and reopen hold all of it.
TEST_F(UndoMenusTest, UndoAfterMakeIntoGivesTheLinesBackAndTheComponentKeepsItsOwn) {
  DwgDbPath = ScratchPath("MakeInto_dwg.mdb");
  CreateEmptyDrawingsDb(DwgDbPath);
  const Long a = DrawLine(1, 1, 3, 1), b = DrawLine(1, 2, 3, 2);
  DrawLine(1, 4, 3, 4);
  const DrawingState drawn = LiveState();
  SelectOnly(0.5, 0.5, 3.5, 2.5);
  DrawingDriver::Choose("mnuEditCompReplace");
  const Long placement = ObjCount, item = Objs[placement].ObjectID;
  ASSERT_EQ(Objs[placement].Rtype, EntityComponent);
  const DrawingState made = LiveState();
  ASSERT_EQ(made.size(), 2u);  // C and the placement
  const auto counted = [](const char* when) { EXPECT_EQ(Dwgs[1].Nlines, Long(LiveState().size())) << when; };
  counted("made");

  Undo();
  EXPECT_EQ(Objs[placement].Erased, FlagTrue);
  Undo(2);
  EXPECT_EQ(LiveState(), drawn);
  EXPECT_EQ(Objs[a].Selected, 0);
  EXPECT_EQ(Objs[b].Selected, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
  counted("undone");
  Redo(3);
  EXPECT_EQ(LiveState(), made);
  EXPECT_TRUE(EqualsFreshRedraw());
  counted("redone");

  Undo(3);
  const Long d = DrawLine(1, 5, 3, 5);
  EXPECT_FALSE(MenuItems().redo);
  DrawingState kept = drawn;
  kept[d] = {{1, 5}, {3, 5}};
  EXPECT_EQ(LiveState(), kept);
  counted("a line drawn after the Undos");

  // The definition holds its two lines, from its own origin, and is placed again.
  std::vector<PointList> definition;
  for (Long i = NextMember(item, 0); i != 0; i = NextMember(item, i))
    if (Objs[i].DwgNo == 0) definition.push_back({{PX(i, 1), PY(i, 1)}, {PX(i, 2), PY(i, 2)}});
  EXPECT_EQ(definition, (std::vector<PointList>{{{0, 0}, {2, 0}}, {{0, 1}, {2, 1}}}));
  const String name = Items[item].Name;
  Responder().OnDialog<frmCompSelect>([&name](frmCompSelect& dialog) {
    const auto found = dialog.List1->findItems(QString::fromStdString(name), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    ClickRow(dialog.List1, dialog.List1->row(found[0]));
    dialog.cmdOK->click();
  });
  DrawingDriver::Choose("mnuInsertCompplace");
  input_->ClickAt(5, 1);
  input_->Escape();
  const Long placed = ObjCount;
  ASSERT_EQ(Objs[placed].Rtype, EntityComponent);
  EXPECT_EQ(Objs[placed].ObjectID, item);
  EXPECT_NEAR(PX(placed, 1), 5, 0.1);  // where the click put it, to the pixel
  EXPECT_NEAR(PY(placed, 1), 1, 0.1);
  kept[placed] = LiveState()[placed];
  ASSERT_EQ(LiveState(), kept);
  counted("placed again");

  // Saved and reopened in a second window: the same lines and placement.
  FileSaveAsOffered(Responder(), false);
  const DbKey key = static_cast<DbKey>(TestDatabase(DwgDbPath).Number("SELECT DrawID FROM Drawing"));
  Open(2);
  FileOpenStored(Responder(), key, Dwgs[1].Name);
  ASSERT_EQ(CurDwg, 2);
  std::vector<PointList> reopened;
  for (const auto& [obj, points] : LiveState()) reopened.push_back(points);
  std::vector<PointList> stored;
  for (const auto& [obj, points] : kept) stored.push_back(points);
  EXPECT_EQ(reopened, stored);
  EXPECT_EQ(Dwgs[2].Nlines, 5);
}

// ---- A new step ---------------------------------------------------------------------------------

TEST_F(UndoMenusTest, ANewStepDiscardsTheUndoneStepsForGood) {
  const Long a = DrawLine(1, 1, 3, 1);
  DrawLine(1, 2, 3, 2);
  DrawLine(1, 3, 3, 3);
  Undo(2);
  const Long d = DrawLine(1, 4, 3, 4);
  EXPECT_FALSE(MenuItems().redo);
  Undo();
  EXPECT_EQ(LiveState(), (DrawingState{{a, {{1, 1}, {3, 1}}}}));
  Undo();  // A, not C: the undone B and C are out of reach
  EXPECT_TRUE(LiveState().empty());
  ExpectEditItems(false, true, "everything undone");
  Redo(4);
  EXPECT_EQ(LiveState(), (DrawingState{{a, {{1, 1}, {3, 1}}}, {d, {{1, 4}, {3, 4}}}}));
  ExpectEditItems(true, false, "everything redone");
}

// ---- Hidden entities ------------------------------------------------------------------------

// A line hidden with Edit, Hide and an area's boundary, which the area keeps
// hidden, come back hidden when Redo brings their steps back, and the save
// after stores them hidden.
TEST_F(UndoMenusTest, UndoThenRedoKeepsHiddenEntitiesHiddenAndTheSaveStoresThemSo) {
  DwgDbPath = ScratchPath("Hidden_dwg.mdb");
  CreateEmptyDrawingsDb(DwgDbPath);
  const Long line = DrawLine(1, 1, 3, 1);
  SelectOnly(0.5, 0.5, 3.5, 1.5);
  DrawingDriver::Choose("mnuEditHide");
  input_->Escape();
  const Long boundary = CreateWindowArea(1, 2, 4, 4);
  ASSERT_EQ(Objs[boundary].Show, FlagFalse);
  Undo(2);
  Redo(2);
  EXPECT_EQ(Objs[line].Show, FlagFalse);
  EXPECT_EQ(Objs[boundary].Show, FlagFalse);
  EXPECT_TRUE(LiveState().empty());
  FileSaveAsOffered(Responder(), false);
  Open(2);
  FileOpenStored(Responder(), static_cast<DbKey>(TestDatabase(DwgDbPath).Number("SELECT DrawID FROM Drawing")),
                 Dwgs[1].Name);
  std::vector<Integer> shown;
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i)
    if (Objs[i].DwgNo == 2 && !Objs[i].Erased) shown.push_back(Objs[i].Show);
  EXPECT_EQ(shown, (std::vector<Integer>{FlagFalse, FlagFalse}));
}

// Un Erase takes the erase step of what it brings back out of reach: the
// Edit items name the line's own step, and Redo does not erase it again.
TEST_F(UndoMenusTest, AfterUnEraseTheEditItemsNameTheStepBeforeTheErase) {
  DrawLine(1, 1, 3, 1);
  EraseLineAt(*input_, 2, 1);
  DrawingDriver::Choose("mnuEditUnErase");
  input_->Escape();
  EXPECT_EQ(main_->mnuEditUndo->text(), "Undo Add Line ");
  ExpectEditItems(true, false, "after Un Erase");
  Undo();
  ExpectEditItems(false, true, "the line's own step undone");
  Redo();
  ExpectEditItems(true, false, "the dropped erase step is not redone");
  EXPECT_EQ(LiveLines(), (std::vector<PointList>{{{1, 1}, {3, 1}}}));
}

// ---- Loading -------------------------------------------------------------------------------

TEST_F(UndoMenusTest, FileOpenIntoAUsedWindowStartsItsUndoHistoryAfresh) {
  DrawLine(1, 1, 6, 1);
  DrawLine(1, 2, 6, 2);
  DrawLine(1, 3, 6, 3);
  const Long key = StoreDrawing();
  OpenStored(key, *doc_);
  ASSERT_EQ(doc_->FileName(), "Stored");
  ExpectEditItems(false, false, "after the load");
  const DrawingState loaded = LiveState();
  ASSERT_EQ(loaded.size(), 3u);
  Undo(2);
  DrawingDriver::PressButton("Undo");
  EXPECT_EQ(LiveState(), loaded);
}

TEST_F(UndoMenusTest, AfterALoadUndoTakesBackTheUsersOwnErase) {
  DrawLine(1, 1, 6, 1);
  DrawLine(1, 2, 6, 2);
  DrawLine(1, 3, 6, 3);
  const Long key = StoreDrawing();
  FixedDpiDocument* fresh = Open(2);
  OpenStored(key, *fresh);
  ASSERT_EQ(fresh->FileName(), "Stored");
  DrawingDriver input(*fresh);
  EraseLineAt(input, 3.5, 3);
  EraseLineAt(input, 3.5, 1);
  ASSERT_EQ(LiveLines(), (std::vector<PointList>{{{1, 2}, {6, 2}}}));
  Undo();
  EXPECT_EQ(LiveLines(), (std::vector<PointList>{{{1, 1}, {6, 1}}, {{1, 2}, {6, 2}}}));
  Undo();
  EXPECT_EQ(LiveLines().size(), 3u);
}

// ---- Windows ----------------------------------------------------------------------------------

TEST_F(UndoMenusTest, TheUndoAndRedoItemsFollowTheActiveWindow) {
  DrawLine(1, 1, 3, 1);
  FixedDpiDocument* second = Open(2);
  ExpectEditItems(false, false, "a fresh window");
  Activate(doc_);
  ExpectEditItems(true, false, "back in the window with a step");
  EXPECT_EQ(main_->mnuEditUndo->text(), "Undo Add Line");
  Undo();
  EXPECT_EQ(main_->mnuEditRedo->text(), "Redo Add Line");
  Activate(second);
  ExpectEditItems(false, false, "the fresh window again");
  Activate(doc_);
  ExpectEditItems(false, true, "back in the window with a step undone");
  EXPECT_EQ(main_->mnuEditRedo->text(), "Redo Add Line");
}

// ---- Repainting -------------------------------------------------------------------------------

// Under a WholeRedrawFollows (as the menu's Undo and Redo run, a redraw of
// the whole view right behind them) erase, undo and redo change the model
// and leave the surface alone; without one each paints its entity at once.
// Either way the Edit items end up showing the step that was made.
TEST_F(UndoMenusTest, WhileAWholeRedrawFollowsEraseUndoAndRedoLeaveTheSurfaceAlone) {
  const Long line = DrawLine(1, 1, 6, 3);
  struct Row {
    const char* name;
    std::function<void()> run;
    Integer erasedAfter;
    const char* undoText;
    bool undoOn, redoOn;
  };
  const Row rows[] = {{"erase", [line] { EraseObj(line); }, FlagTrue, "Undo Erase Line", true, false},
                      {"undo", [] { ::lintavo::Undo(); }, FlagFalse, "Undo Add Line ", true, true},
                      {"redo", [] { ::lintavo::Redo(); }, FlagTrue, "Undo Erase Line", true, false}};
  for (bool held : {true, false}) {
    for (const Row& row : rows) {
      SCOPED_TRACE(row.name);
      RefreshDocView(doc_);
      const QImage before = doc_->Image().copy();
      if (held) {
        const WholeRedrawFollows redraw;
        row.run();
      } else {
        row.run();
      }
      EXPECT_EQ(Objs[line].Erased, row.erasedAfter);
      EXPECT_EQ(main_->mnuEditUndo->text(), row.undoText);
      ExpectEditItems(row.undoOn, row.redoOn, held ? "held" : "not held");
      EXPECT_EQ(doc_->Image() == before, held) << (held ? "held" : "not held");
      if (!held) EXPECT_TRUE(EqualsFreshRedraw());
    }
    ::lintavo::Undo();  // the erase step taken back for the next round
  }
}

// ---- A mixed session ------------------------------------------------------------------------

// A session of actions in drawing 1, walked back and forth: after every
// Undo and Redo the drawing's live entities and their points are those of
// the matching earlier state, less what has left the drawing for good.
TEST_F(UndoMenusTest, AMixedSessionUndoesAndRedoesToEveryEarlierState) {
  enum Effect {
    OneStep,    // one Undo takes the action back
    NoStep,     // the action leaves nothing Undo acts on
    FreshStart, // the action starts the drawing's steps afresh
    Walk,       // not an action: undo everything, then redo everything
  };
  struct Action {
    const char* what;
    Effect effect;
    std::function<void()> run;
  };
  Long key = 0;
  const Action session[] = {
      {"draw", OneStep, [this] { DrawLine(1, 1, 6, 1); }},
      {"draw", OneStep, [this] { DrawLine(1, 2, 6, 2); }},
      {"draw", OneStep, [this] { DrawLine(1, 3, 3, 3); }},
      {"erase", OneStep, [this] { EraseLineAt(*input_, 3.5, 2); }},
      {"break", OneStep, [this] { BreakAt({{5, 1}, {2, 1}, {4, 1}}); }},
      {"create component", NoStep, [this] {
         SelectOnly(0.5, 2.5, 3.5, 3.5);
         DrawingDriver::Choose("mnuEditCompCreate");
         input_->ClickAt(7, 5);
       }},
      {"draw", OneStep, [this] { DrawLine(4, 4, 6, 4); }},
      {"delete group", NoStep, [this] {
         SelectOnly(3.5, 3.5, 6.5, 4.5);
         GroupAndDeleteTheGroup();
       }},
      {"switch windows", NoStep, [this] {
         FixedDpiDocument* second = Open(2);
         ShowAtScale(second, 48, 24);
         DrawingDriver input(*second);
         DrawLine(input, 1, 5, 3, 5);
         Undo();
         Activate(doc_);
       }},
      {"break", OneStep, [this] { BreakAt({{1.5, 1}, {1.25, 1}, {1.75, 1}}); }},
      {"walk", Walk, nullptr},
      {"store", NoStep, [this, &key] { key = StoreDrawing(); }},
      {"draw", OneStep, [this] { DrawLine(1, 5, 6, 5); }},
      {"open into the used window", FreshStart, [this, &key] { OpenStored(key, *doc_); }},
      {"draw", OneStep, [this] { DrawLine(2, 3.5, 5, 3.5); }},
      {"erase", OneStep, [this] { EraseLineAt(*input_, 2.5, 3); }},
      {"walk", Walk, nullptr},
  };
  std::vector<DrawingState> states{LiveState()};  // states[i]: after the i-th step
  for (const Action& action : session) {
    SCOPED_TRACE(action.what);
    if (action.effect != Walk) {
      action.run();
      if (action.effect == OneStep) states.push_back(LiveState());
      if (action.effect == FreshStart) states.assign(1, LiveState());
      EXPECT_EQ(LiveState(), StillInDrawing(states.back()));
      continue;
    }
    // A step whose entities have all left the drawing is passed over: its
    // state and the one before it are the same now.
    std::vector<DrawingState> reachable;
    for (const DrawingState& state : states)
      if (reachable.empty() || StillInDrawing(state) != reachable.back()) reachable.push_back(StillInDrawing(state));
    for (size_t i = reachable.size() - 1; i > 0; --i) {
      Undo();
      EXPECT_EQ(LiveState(), reachable[i - 1]) << "undone back to state " << i - 1;
      EXPECT_TRUE(EqualsFreshRedraw()) << i - 1;
    }
    EXPECT_FALSE(MenuItems().undo);
    Undo();
    EXPECT_EQ(LiveState(), reachable[0]);
    for (size_t i = 1; i < reachable.size(); ++i) {
      Redo();
      EXPECT_EQ(LiveState(), reachable[i]) << "redone to state " << i;
      EXPECT_TRUE(EqualsFreshRedraw()) << i;
    }
    EXPECT_FALSE(MenuItems().redo);
  }
}

}  // namespace
}  // namespace lintavo
