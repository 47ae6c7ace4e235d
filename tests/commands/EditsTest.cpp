// The edit commands of tool 11, chosen from the Edit menu, the tool bar and
// the Delete key and fed by clicks and typed counts in a drawing window.
#include <QAction>
#include <cmath>
#include <string>
#include <vector>

#include "windows/main/frmMain.h"
#include "commands/EditFixture.h"
#include "commands/Edits.h"
#include "model/UndoRedo.h"
#include "picking/Identify.h"
#include "picking/Selection.h"
#include "storage/FileMenu.h"
#include "storage/TestDatabase.h"
#include "view/Outline.h"

namespace lintavo {
namespace {

class EditsTest : public EditFixture {
 protected:
  bool PasteEnabled() const { return main_->MenuItem("mnuEditPaste")->isEnabled(); }
  void TypeEnter(const char* text) {
    input_->Type(QString::fromLatin1(text));
    input_->Enter();
  }
};

TEST_F(EditsTest, EraseThenUnEraseLastBatchByBatch) {
  const Long a = AddLine(1, 1, 2, 1);
  const Long b = AddLine(1, 2, 2, 2);
  const Long c = AddLine(4, 1, 5, 1);
  SelectWindow(0.5, 0.5, 2.5, 2.5);
  input_->PressKey(Qt::Key_Delete);
  EXPECT_EQ(MessagePanel(1), "Erase Selected Lines");
  EXPECT_EQ(MessagePanel(2), "Erased 2 Lines");
  EXPECT_EQ(Objs[a].Erased, FlagTrue);
  EXPECT_EQ(Objs[b].Select, -1);
  EXPECT_EQ(Objs[c].Erased, 0);
  EXPECT_EQ(Dwgs[1].Nlines, 1);
  EXPECT_TRUE(EqualsFreshRedraw());
  SelectWindow(3.5, 0.5, 5.5, 1.5);
  DrawingDriver::Choose("mnuEditErase");
  EXPECT_EQ(Dwgs[1].EraseBatch, -2);

  DrawingDriver::Choose("mnuEditUnErase");  // the later batch first
  EXPECT_EQ(MessagePanel(2), "Un Erased 1 Lines");
  EXPECT_EQ(Objs[c].Erased, 0);
  EXPECT_EQ(Objs[a].Erased, FlagTrue);
  input_->ClickAt(6, 5);  // the command stays on: the next click the older batch
  EXPECT_EQ(MessagePanel(2), "Un Erased 2 Lines");
  EXPECT_EQ(Objs[a].Show, FlagTrue);
  input_->ClickAt(6, 5);
  EXPECT_EQ(MessagePanel(2), "NOTHING TO UNERASE !");
  EXPECT_EQ(Dwgs[1].Nlines, 3);
  EXPECT_TRUE(EqualsFreshRedraw());
}

// Selections and erase batches count past 32,767: Select All on more lines
// than that lets Move and Erase act on every one of them.
TEST_F(EditsTest, SelectAllOnMoreThan32767LinesMovesAndErasesThemAll) {
  constexpr Long lines = 40000;
  const Long first = ObjCount + 1;
  for (Long k = 0; k < lines; ++k) AddLine(1, 1, 2, 1);
  DrawingDriver::Choose("mnuSelectAll");
  EXPECT_EQ(MessagePanel(3), " 40000: Lines Selected");
  input_->Escape();
  EXPECT_EQ(SelectedCount(), lines);

  DrawingDriver::Choose("mnuEditMove");
  input_->ClickAt(1, 1);
  input_->ClickAt(3, 2);  // offset (2, 1)
  for (Long i : {first, first + 32767, ObjCount}) {
    EXPECT_EQ(PX(i, 1), 3) << "line " << i;
    EXPECT_EQ(PY(i, 2), 2) << "line " << i;
  }

  Dwgs[1].EraseBatch = -32768;  // as after that many erases
  DrawingDriver::Choose("mnuEditErase");
  EXPECT_EQ(MessagePanel(2), "Erased 40000 Lines");
  EXPECT_EQ(Dwgs[1].EraseBatch, -32769);
  EXPECT_EQ(Objs[ObjCount].Erased, FlagTrue);
  DrawingDriver::Choose("mnuEditUnErase");
  EXPECT_EQ(MessagePanel(2), "Un Erased 40000 Lines");
  EXPECT_EQ(Objs[ObjCount].Select, 0);
  EXPECT_EQ(Dwgs[1].EraseBatch, -32769);  // the number is not given again
}

// ---- Erase batches of two drawings ---------------------------------------------------------

// One thing the user does in drawing 1 or 2 (each with the lines "a" along
// y = 1 and "b" along y = 2, added in that order, each an undo step), then
// what panel 2 says ("" not looked at) and which lines are erased afterwards.
enum class EraseAct { Erase, UnErase, Undo, Redo };
struct EraseStep {
  EraseAct act;
  int dwg;              // 1 or 2
  char line;            // the line Erase selects first: 'a' or 'b'
  const char* message;  // panel 2 afterwards
  const char* erased;   // the erased lines afterwards, as "a1 b2"
};
struct EraseSession {
  const char* name;
  std::vector<EraseStep> steps;
};

constexpr EraseAct Er = EraseAct::Erase, Un = EraseAct::UnErase, Ud = EraseAct::Undo, Rd = EraseAct::Redo;
const EraseSession EraseSessions[] = {
    {"EachDrawingBringsBackItsOwnBatch",
     {{Er, 1, 'a', "Erased 1 Lines", "a1"}, {Er, 2, 'a', "Erased 1 Lines", "a1 a2"},
      {Un, 1, 0, "Un Erased 1 Lines", "a2"}, {Un, 1, 0, "NOTHING TO UNERASE !", "a2"},
      {Un, 2, 0, "Un Erased 1 Lines", ""}}},
    {"BatchesComeBackLastFirstInEachDrawing",
     {{Er, 1, 'a', "", "a1"}, {Er, 2, 'b', "", "a1 b2"}, {Er, 1, 'b', "", "a1 b1 b2"}, {Er, 2, 'a', "", "a1 b1 a2 b2"},
      {Un, 2, 0, "Un Erased 1 Lines", "a1 b1 b2"}, {Un, 1, 0, "Un Erased 1 Lines", "a1 b2"},
      {Un, 2, 0, "Un Erased 1 Lines", "a1"}, {Un, 1, 0, "Un Erased 1 Lines", ""}}},
    {"UndoAndRedoPassOverABatchBroughtBackAndKeepTheOtherDrawings",
     {{Er, 1, 'a', "", "a1"}, {Er, 2, 'a', "", "a1 a2"}, {Un, 1, 0, "Un Erased 1 Lines", "a2"},
      {Ud, 1, 0, "", "b1 a2"}, {Rd, 1, 0, "", "a2"}, {Ud, 2, 0, "", ""}, {Rd, 2, 0, "", "a2"},
      {Un, 2, 0, "Un Erased 1 Lines", ""}, {Ud, 2, 0, "", "b2"}}},
    // A line brought back carries no batch: Undo then takes it away, and an
    // Erase after brings back only what it took.
    {"ALineUndoneAfterItsBatchCameBackStaysAway",
     {{Er, 1, 'b', "", "b1"}, {Un, 1, 0, "Un Erased 1 Lines", ""}, {Ud, 1, 0, "", "b1"},
      {Er, 1, 'a', "Erased 1 Lines", "a1 b1"}, {Un, 1, 0, "Un Erased 1 Lines", "b1"}}},
    {"ALineUndoneAfterAnUnEraseLastThatFoundNothingStaysAway",
     {{Er, 1, 'b', "", "b1"}, {Ud, 1, 0, "", ""}, {Un, 1, 0, "Un Erased 0 Lines", ""}, {Ud, 1, 0, "", "b1"},
      {Er, 1, 'a', "", "a1 b1"}, {Un, 1, 0, "Un Erased 1 Lines", "b1"}}},
    // Redo gives an erase its own batch back, which no later Erase shares.
    {"RedoOfAnEraseKeepsItsBatchApartFromTheNextErase",
     {{Er, 1, 'a', "", "a1"}, {Ud, 1, 0, "", ""}, {Un, 1, 0, "Un Erased 0 Lines", ""}, {Rd, 1, 0, "", "a1"},
      {Er, 1, 'b', "", "a1 b1"}, {Un, 1, 0, "Un Erased 1 Lines", "a1"}, {Ud, 1, 0, "", ""}}},
    {"RedoOfAnEraseGivesUnEraseLastItsBatch",
     {{Er, 1, 'a', "", "a1"}, {Ud, 1, 0, "", ""}, {Rd, 1, 0, "", "a1"}, {Un, 1, 0, "Un Erased 1 Lines", ""}}},
};

void PrintTo(const EraseSession& session, std::ostream* out) { *out << session.name; }

class EraseAcrossDrawingsTest : public EditsTest, public ::testing::WithParamInterface<EraseSession> {
 protected:
  void SetUp() override {
    EditsTest::SetUp();
    second_ = Open(2);
    ShowAtScale(second_, 48, 24);
    for (FixedDpiDocument* window : {doc_, second_}) {
      Activate(window);
      lines_.push_back(AddLine(1, 1, 3, 1));
      lines_.push_back(AddLine(1, 2, 3, 2));
      RefreshDocView(window);
    }
  }
  FixedDpiDocument* Window(int dwg) { return dwg == 1 ? doc_ : second_; }
  // The step in its drawing's window; Erase is Select, Line on the line, Esc,
  // then Edit, Erase.
  void Run(const EraseStep& step) {
    Activate(Window(step.dwg));
    DrawingDriver input(*Window(step.dwg));
    switch (step.act) {
      case EraseAct::Erase:
        DrawingDriver::Choose("mnuSelectItems");
        input.ClickAt(2, step.line == 'a' ? 1 : 2);
        input.Escape();
        DrawingDriver::Choose("mnuEditErase");
        break;
      case EraseAct::UnErase: DrawingDriver::Choose("mnuEditUnErase"); break;
      case EraseAct::Undo: DrawingDriver::Choose("mnuEditUndo"); break;
      case EraseAct::Redo: DrawingDriver::Choose("mnuEditRedo"); break;
    }
  }
  std::string ErasedLines() const {
    std::string names;
    for (size_t k = 0; k < lines_.size(); ++k) {
      if (!Objs[lines_[k]].Erased) continue;
      names += (names.empty() ? "" : " ") + std::string(1, k % 2 ? 'b' : 'a') + std::to_string(k / 2 + 1);
    }
    return names;
  }
  FixedDpiDocument* second_ = nullptr;  // drawing 2
  std::vector<Long> lines_;             // a1, b1, a2, b2
};

// Un Erase Last brings back the last erase of the drawing it is chosen in,
// whatever was erased in the other meanwhile, and Undo and Redo in either
// drawing agree with it.
TEST_P(EraseAcrossDrawingsTest, UnEraseLastTakesTheBatchesOfItsOwnDrawing) {
  int n = 0;
  for (const EraseStep& step : GetParam().steps) {
    SCOPED_TRACE("step " + std::to_string(++n));
    Run(step);
    if (*step.message) EXPECT_EQ(MessagePanel(2), step.message);
    EXPECT_EQ(ErasedLines(), step.erased);
  }
  for (FixedDpiDocument* window : {doc_, second_}) {
    Activate(window);
    EXPECT_TRUE(EqualsFreshRedraw(window));
  }
}

INSTANTIATE_TEST_SUITE_P(Sessions, EraseAcrossDrawingsTest, ::testing::ValuesIn(EraseSessions),
                         [](const ::testing::TestParamInfo<EraseSession>& info) { return info.param.name; });

TEST_F(EditsTest, UndoAfterAnEraseBringsTheEntitiesBack) {
  const Long a = AddLine(1, 1, 2, 1);
  const Long b = AddLine(1, 2, 2, 2);
  SelectWindow(0.5, 0.5, 2.5, 2.5);
  DrawingDriver::PressButton("Erase");
  DrawingDriver::Choose("mnuEditUndo");
  DrawingDriver::Choose("mnuEditUndo");
  EXPECT_EQ(Objs[a].Erased, 0);
  EXPECT_EQ(Objs[b].Erased, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(EditsTest, EveryCommandOnTheSelectionRefusesAnEmptyOne) {
  AddLine(1, 1, 2, 1);
  struct Row {
    const char* item;
    const char* title;
  };
  const Row rows[] = {
      {"mnuEditErase", "Erase Selected Lines"},   {"mnuEditCopys", "Copy Selected Lines"},
      {"mnuEditMove", "Move Selected Lines"},     {"mnuEditRotate", "Rotate Selected Lines"},
      {"mnuEditMirror", "Mirror Selected Lines"}, {"mnuEditRescale", "Rescale Selected Lines"},
      {"mnuEditRcopy", "Radial Copy Selected Lines"}, {"mnuEditPcopy", "Path Copy Selected Lines"},
      {"mnuEditHide", "Hide Selected Lines"},     {"mnuEditcopy", "ClipBoard Copy"},
  };
  for (const Row& row : rows) {
    DrawingDriver::Choose(row.item);
    EXPECT_EQ(MessagePanel(1), row.title) << row.item;
    EXPECT_EQ(MessagePanel(2), "ERROR... No Lines Selected") << row.item;
    EXPECT_EQ(MessagePanel(3), "You Must Pre-Select lines") << row.item;
    EXPECT_EQ(EditActive, 0) << row.item;
    EXPECT_EQ(ActiveTool, ToolNone) << row.item;
  }
}

TEST_F(EditsTest, CopyWithATypedCountMakesThatManyCopiesAlongTheOffset) {
  const Long a = AddLine(0, 1, 0, 2);
  SelectWindow(-0.2, 0.5, 0.2, 2.5);
  DrawingDriver::Choose("mnuEditCopys");
  input_->ClickAt(0, 1);
  input_->ClickAt(1, 1);  // offset (1, 0): one copy at the click
  EXPECT_EQ(MessagePanel(2), "ENTER NUMBER OF COPIES > ");
  EXPECT_EQ(ObjCount, a + 1);
  TypeEnter("4");
  ASSERT_EQ(ObjCount, a + 4);
  for (Long k = 1; k <= 4; ++k) {
    EXPECT_EQ(PX(a + k, 1), static_cast<Double>(k));
    EXPECT_EQ(PX(a + k, 2), static_cast<Double>(k));
    EXPECT_EQ(Objs[a + k].Selected, 0);
  }
  EXPECT_EQ(EditActive, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(EditsTest, CopyCountsOutsideTwoToNinetyNineAddNothingMore) {
  for (const char* count : {"1", "100", "x"}) {
    const Long a = AddLine(0, 1, 0, 2);
    Objs[a].Select = Dwgs[CurDwg].SelectSet = 1;
    SetSelectedFlag(a, FlagTrue);
    DrawingDriver::Choose("mnuEditCopys");
    input_->ClickAt(0, 1);
    input_->ClickAt(1, 1);
    TypeEnter(count);
    EXPECT_EQ(ObjCount, a + 1) << count;
    Objs[a].Selected = FlagFalse;
    EditActive = 0;
    ActiveTool = ToolNone;
  }
}

TEST_F(EditsTest, MoveMovesATextCharacterByItsInsertionPointAndMarksTheDrawingChanged) {
  const Long text = AddCompound(EntityTextChar, 1, 1, 30);
  const Long line = AddLine(1, 2, 2, 2);
  SelectWindow(0.5, 0.5, 2.5, 2.5);
  doc_->IsDirty = FlagFalse;
  DrawingDriver::Choose("mnuEditMove");
  input_->ClickAt(1, 1);
  input_->ClickAt(3, 2);  // offset (2, 1)
  EXPECT_EQ(PX(text, 1), 3);
  EXPECT_EQ(PY(text, 1), 2);
  EXPECT_EQ(PX(text, 2), 1);  // the scale stays
  EXPECT_EQ(PX(text, 3), 30);  // the rotation stays
  EXPECT_EQ(PX(line, 2), 4);
  EXPECT_EQ(doc_->IsDirty, FlagTrue);
  EXPECT_EQ(EditActive, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
}

// Move of one entity among many (each moved within the object index) and
// of every entity (the index dropped and laid out again): the moved points
// are the old ones plus the offset, the others stay, the picture is a fresh
// redraw's, and picks near the old and new places find what a scan finds.
TEST_F(EditsTest, MoveOfOneOrEveryEntityMovesTheirPointsAndPicksFindThemThere) {
  struct Row {
    const char* name;
    bool every;
  };
  const Row rows[] = {{"one of many", false}, {"every one", true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const Long first = ObjCount + 1;
    for (Long k = 0; k < 40; ++k) AddLine(0.1 * k, 1, 0.1 * k + 0.5, 2);  // overlapping slants
    AddCircle(1, 1.5, 0.4);
    const Long moved = first + 5;  // the line (0.5, 1)-(1, 2)
    Long found = 0;
    Double reach = 1;
    FindObjAt(found, 3, 3, reach);  // the index laid out before the move
    if (row.every) {
      DrawingDriver::Choose("mnuSelectAll");
      input_->Escape();
    } else {
      DrawingDriver::Choose("mnuSelectItems");
      input_->ClickAt(0.75, 1.5);
      input_->Escape();
    }
    ASSERT_EQ(Objs[moved].Selected, FlagTrue);
    const auto before = AllPoints();
    DrawingDriver::Choose("mnuEditMove");
    input_->ClickAt(0.5, 1);
    input_->ClickAt(2.5, 3.5);  // offset (2, 2.5)
    const auto after = AllPoints();
    for (Long i = first; i <= ObjCount; ++i) {
      const bool shifted = row.every || i == moved;
      for (Long k = Objs[i].PointID; k < Objs[i].PointID + Objs[i].NPoints; ++k) {
        const auto& [x, y] = before[static_cast<size_t>(k - 1)];
        EXPECT_EQ(after[static_cast<size_t>(k - 1)], std::make_pair(shifted ? x + 2 : x, shifted ? y + 2.5 : y))
            << "entity " << i << " point " << k;
      }
    }
    EXPECT_TRUE(EqualsFreshRedraw());
    for (const auto& [x, y] : {std::pair{0.75, 1.5}, {2.75, 4}, {3, 4.2}, {1.4, 1.5}, {5, 4}}) {
      Long byIndex = 0, byScan = 0;
      Double indexReach = 0.3, scanReach = 0.3;
      FindObjAt(byIndex, x, y, indexReach);
      FindObjAtByScan(byScan, x, y, scanReach);
      EXPECT_EQ(byIndex, byScan) << "pick at " << x << ", " << y;
    }
    Long atNewPlace = 0;
    Double newReach = 0.05;
    FindObjAt(atNewPlace, 2.75, 4, newReach);
    EXPECT_GE(atNewPlace, first);
    DrawingDriver::Choose("mnuSelectClr");
    input_->Escape();
    ResetModel();
  }
}

TEST_F(EditsTest, RotateTurnsTheSelectionInPlaceByTheDirectionOfTheSecondClick) {
  const Long a = AddLine(1, 0, 2, 0);
  const Long before = ObjCount;
  SelectWindow(0.5, -0.2, 2.5, 0.2);
  OutlineEnabled = FlagTrue;
  DrawingDriver::Choose("mnuEditRotate");
  input_->ClickAt(0, 0);
  input_->MoveTo(1, 2);
  input_->ClickAt(0, 5);
  EXPECT_EQ(ObjCount, before);
  EXPECT_NEAR(PX(a, 1), 0, 1e-6);
  EXPECT_NEAR(PY(a, 1), 1, 1e-6);
  EXPECT_NEAR(PY(a, 2), 2, 1e-6);
  EXPECT_EQ(OutlineOn, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(EditsTest, MirrorRadialAndPathCopyAppendCopiesAndPassOverAHatch) {
  const Long a = AddLine(1, 1, 2, 1);
  const Long hatch = AddCompound(EntityHatch, 1.5, 1.5, 0);
  const Long path = AddLine(0, 4, 6, 4);
  SelectWindow(0.5, 0.5, 2.5, 2.5);
  ASSERT_EQ(Objs[hatch].Selected, FlagTrue);
  const auto original = AllPoints();

  StartUndoHistory(1);  // nothing to undo before the mirror
  ASSERT_FALSE(main_->MenuItem("mnuEditUndo")->isEnabled());
  DrawingDriver::Choose("mnuEditMirror");
  input_->ClickAt(1, 1);
  input_->ClickAt(6, 2);  // P = R + (5, 1): flipped in X about x = 3.5, up by 1
  ASSERT_EQ(ObjCount, path + 1);
  // The copies' steps show on the Edit menu once the command is done.
  EXPECT_TRUE(main_->MenuItem("mnuEditUndo")->isEnabled());
  EXPECT_EQ(main_->MenuItem("mnuEditUndo")->text(), "Undo Add Line");
  EXPECT_NEAR(PX(path + 1, 1), 6, 1e-6);
  EXPECT_NEAR(PX(path + 1, 2), 5, 1e-6);
  EXPECT_NEAR(PY(path + 1, 1), 2, 1e-6);

  DrawingDriver::Choose("mnuEditRcopy");
  input_->ClickAt(1, 1);  // reference
  input_->ClickAt(0, 1);  // centre
  TypeEnter("90");
  TypeEnter("3");  // 30, 60, 90 degrees about the centre
  ASSERT_EQ(ObjCount, path + 4);
  EXPECT_NEAR(PX(path + 4, 1), 0, 1e-5);
  EXPECT_NEAR(PY(path + 4, 1), 2, 1e-5);
  EXPECT_NEAR(PY(path + 4, 2), 3, 1e-5);

  DrawingDriver::Choose("mnuEditPcopy");
  input_->ClickAt(1, 1);  // reference
  input_->ClickAt(3, 4);  // the path
  EXPECT_EQ(MessagePanel(2), "Enter Offset from Path Line");
  input_->ClickAt(3, 4);  // on the path: no offset
  TypeEnter("4");  // stations at 0, 1.5, 3 and 4.5 along the path
  ASSERT_EQ(ObjCount, path + 8);
  for (Long k = 1; k <= 4; ++k) {
    EXPECT_NEAR(PX(path + 4 + k, 1), 1.5 * (k - 1), 1e-6) << k;
    EXPECT_NEAR(PY(path + 4 + k, 1), 4, 1e-6) << k;
  }
  // The selection, the hatch among it, kept every point.
  auto now = AllPoints();
  now.resize(original.size());
  EXPECT_EQ(now, original);
  for (Long i = path + 1; i <= ObjCount; ++i) EXPECT_EQ(Objs[i].Rtype, EntityLine) << i;
  EXPECT_EQ(Objs[a].Selected, FlagTrue);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(EditsTest, RadialCopyWithACountOfZeroOrNinetyOneMakesNoCopies) {
  AddLine(1, 1, 2, 1);
  SelectWindow(0.5, 0.5, 2.5, 2.5);
  for (const char* count : {"0", "91"}) {
    const Long before = ObjCount;
    DrawingDriver::Choose("mnuEditRcopy");
    input_->ClickAt(1, 1);
    input_->ClickAt(0, 1);
    TypeEnter("360");
    TypeEnter(count);
    EXPECT_EQ(ObjCount, before) << count;
    EXPECT_EQ(EditActive, 0) << count;
  }
}

TEST_F(EditsTest, PathCopyOffAnyEntityStopsWithItsMessage) {
  AddLine(1, 1, 2, 1);
  AddCircle(5, 3, 0);
  SelectWindow(0.5, 0.5, 2.5, 2.5);
  DrawingDriver::Choose("mnuEditPcopy");
  input_->ClickAt(1, 1);
  input_->ClickAt(6, 5);
  EXPECT_EQ(MessagePanel(3), "Error - Line NOT Found!!");
  EXPECT_EQ(AwaitingInput, 0);
  DrawingDriver::Choose("mnuEditPcopy");
  input_->ClickAt(1, 1);
  input_->ClickAt(5, 3);  // a circle of no size: no length
  EXPECT_EQ(MessagePanel(3), "Error - Path Not Found!!");
}

TEST_F(EditsTest, AnEditWhoseResultIsNotFiniteChangesNothingAndSaysSo) {
  const std::string huge = "1" + std::string(308, '0');
  const struct {
    const char* item;
    std::vector<std::string> typed;  // after the reference click and, for Radial Copy, the centre
  } rows[] = {
      {"mnuEditRescale", {huge, huge}},
      {"mnuEditRescale", {"1", huge}},
      {"mnuEditRcopy", {huge, "90"}},
      {"mnuEditRcopy", {huge, "2"}},
  };
  AddLine(1, 1, 2, 1);
  AddCircle(2, 2, 1);
  SelectWindow(0.5, 0.5, 3.5, 3.5);
  const auto original = AllPoints();
  const Long count = ObjCount;
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.item) + " " + row.typed[0].substr(0, 5) + " " + row.typed[1].substr(0, 5));
    DrawingDriver::Choose(row.item);
    input_->ClickAt(1, 1);
    if (std::string(row.item) == "mnuEditRcopy") input_->ClickAt(0, 1);
    for (const std::string& text : row.typed) TypeEnter(text.c_str());
    EXPECT_EQ(AllPoints(), original);
    EXPECT_EQ(ObjCount, count);
    EXPECT_EQ(MessagePanel(2), "ERROR... The Result Is Not a Finite Number");
    EXPECT_EQ(MessagePanel(3), "Nothing Was Changed");
    EXPECT_EQ(EditActive, 0);
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

TEST_F(EditsTest, RescaleIgnoresAWidthOfZeroAndEndsUnchangedOnAHeightOfZero) {
  const Long c = AddCircle(2, 2, 1);
  SelectWindow(0.5, 0.5, 3.5, 3.5);
  const auto original = AllPoints();
  DrawingDriver::Choose("mnuEditRescale");
  input_->ClickAt(2, 2);
  TypeEnter("0");
  EXPECT_EQ(MessagePanel(2), "Enter New Width Scale >");
  TypeEnter("2");
  EXPECT_EQ(MessagePanel(2), "Enter New Height Scale > ");
  TypeEnter("0");
  EXPECT_EQ(EditActive, 0);
  EXPECT_EQ(AllPoints(), original);

  DrawingDriver::Choose("mnuEditRescale");
  input_->ClickAt(2, 2);
  TypeEnter("2");
  TypeEnter("1");  // unequal: the circle becomes a selected ellipse
  EXPECT_EQ(Objs[c].Erased, FlagTrue);
  EXPECT_EQ(Objs[ObjCount].Rtype, EntityEllipse);
  EXPECT_EQ(Objs[ObjCount].Selected, FlagTrue);
  EXPECT_NEAR(PX(ObjCount, 1), 0, 1e-6);  // left axis end at twice the radius
  EXPECT_NEAR(PY(ObjCount, 3), 3, 1e-6);  // upper axis end at the radius
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(EditsTest, HideAndShowCountTheirEntities) {
  AddLine(1, 1, 2, 1);
  AddLine(1, 2, 2, 2);
  const Long c = AddLine(1, 3, 2, 3);
  const Long other = AddLine(5, 1, 6, 1);
  Objs[other].Show = FlagFalse;  // hidden by other means
  SelectWindow(0.5, 0.5, 2.5, 3.5);
  DrawingDriver::Choose("mnuEditHide");
  EXPECT_EQ(MessagePanel(2), " 3 Lines Hidden");
  EXPECT_EQ(Objs[c].Show, 0);
  EXPECT_EQ(Objs[c].Selected, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
  DrawingDriver::Choose("mnuEditShow");
  EXPECT_EQ(MessagePanel(2), " 4 Lines Un Hidden");
  EXPECT_EQ(Objs[other].Show, FlagTrue);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(EditsTest, ClipboardCopyThenPasteAndThePasteItemFollowsTheCommands) {
  const Long a = AddLine(1, 1, 2, 1);
  const Long b = AddLine(1, 2, 2, 2);
  SelectWindow(0.5, 0.5, 2.5, 2.5);
  EXPECT_FALSE(PasteEnabled());
  DrawingDriver::Choose("mnuEditcopy");
  EXPECT_EQ(MessagePanel(2), "Enter a Reference Point on Copy Lines >");
  input_->ClickAt(1, 1);
  EXPECT_EQ(MessagePanel(2), " 2 Lines on ClipBoard");
  EXPECT_TRUE(PasteEnabled());
  EXPECT_EQ(ClipboardTaken, (std::vector<Long>{a, b}));
  EXPECT_EQ(Objs[a].Select, SelectionSetNumber());  // the copy leaves the set as it was

  DrawingDriver::Choose("mnuEditPaste");
  input_->ClickAt(4, 1);  // three to the right
  EXPECT_EQ(MessagePanel(2), " 2 ClipBoard Lines Pasted ");
  ASSERT_EQ(ObjCount, b + 2);
  EXPECT_EQ(PX(b + 1, 1), 4);
  EXPECT_EQ(PX(b + 2, 2), 5);
  EXPECT_EQ(Objs[b + 1].Select, 0);
  EXPECT_EQ(Objs[b + 1].Selected, 0);
  EXPECT_TRUE(PasteEnabled());
  EXPECT_TRUE(EqualsFreshRedraw());

  DrawingDriver::Choose("mnuEditMove");
  input_->ClickAt(1, 1);
  input_->ClickAt(1, 3);
  EXPECT_FALSE(PasteEnabled());
}

// A line of a group of the first drawing pasted into a second drawing
// window: the copy belongs to the second drawing alone. Deleting the group
// in the first leaves it there, Undo and Redo of the second still take it
// back and bring it again, and the second's save stores it with no owner.
TEST_F(EditsTest, ACopyPastedIntoAnotherDrawingStaysOutOfTheFirstDrawingsGroup) {
  DwgDbPath = ScratchPath("Paste_dwg.mdb");
  CreateEmptyDrawingsDb(DwgDbPath);
  const Long member = AddLine(1, 1, 3, 1);
  RefreshDocView(doc_);
  SelectWindow(0.5, 0.5, 3.5, 1.5);
  GroupTheSelection();
  const Long group = Objs[member].OwnerID;
  ASSERT_EQ(Items[group].Rtype, ItemGroup);
  // Adding the group showed its level line filling the window: the clicks
  // below are made in the fixture's view of whole pixels.
  ShowWithReach(48, 24);
  SelectWindow(0.5, 0.5, 3.5, 1.5);
  DrawingDriver::Choose("mnuEditcopy");
  input_->ClickAt(1, 1);

  FixedDpiDocument* second = Open(2, "Second");
  ShowAtScale(second, 48, 24);
  DrawingDriver::Choose("mnuEditPaste");
  DrawingDriver(*second).ClickAt(1, 3);
  const Long copy = ObjCount;
  ASSERT_EQ(Objs[copy].DwgNo, 2);
  EXPECT_EQ(Objs[copy].OwnerID, 0);

  Activate(doc_);
  DeleteLastItem<frmGroupSelect>("mnuGroupsShow");
  ASSERT_EQ(Objs[member].DwgNo, 0);  // the group's own member went with it
  EXPECT_EQ(Objs[copy].DwgNo, 2);
  EXPECT_EQ(Objs[copy].Show, FlagTrue);

  Activate(second);
  DrawingDriver::Choose("mnuEditUndo");
  EXPECT_EQ(Objs[copy].Erased, FlagTrue);
  DrawingDriver::Choose("mnuEditRedo");
  EXPECT_EQ(Objs[copy].Erased, FlagFalse);
  FileSaveAsOffered(Responder(), false);
  TestDatabase stored(DwgDbPath);
  EXPECT_EQ(stored.FirstColumn("SELECT OwnerID FROM Lines"), std::vector<String>{"0"});
  FixedDpiDocument* fresh = Open(3);
  FileOpenStored(Responder(), static_cast<DbKey>(stored.Number("SELECT DrawID FROM Drawing")), "Second");
  ASSERT_EQ(fresh->FileName(), "Second");
  std::vector<Long> loaded;
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i)
    if (Objs[i].DwgNo == 3 && !Objs[i].Erased) loaded.push_back(i);
  ASSERT_EQ(loaded.size(), 1u);
  EXPECT_EQ(Objs[loaded[0]].OwnerID, 0);
  EXPECT_EQ(PX(loaded[0], 1), 1);
  EXPECT_EQ(PY(loaded[0], 1), 3);
}

// Two lines copied in one drawing, then one line copied in another: the
// clipboard holds the second Copy alone, and Paste places exactly that
// line, in either drawing.
TEST_F(EditsTest, ACopyReplacesWhatTheClipboardHeldWhicheverDrawingItWasMadeIn) {
  AddLine(1, 1, 2, 1);
  AddLine(1, 2, 2, 2);
  RefreshDocView(doc_);
  SelectWindow(0.5, 0.5, 2.5, 2.5);
  DrawingDriver::Choose("mnuEditcopy");
  input_->ClickAt(1, 1);
  ASSERT_EQ(MessagePanel(2), " 2 Lines on ClipBoard");

  DrawingDriver there(*SecondDrawingWithCopiedLine(4, 4, 5, 4));
  const Long b = ObjCount;
  ASSERT_EQ(MessagePanel(2), " 1 Lines on ClipBoard");
  EXPECT_EQ(ClipboardTaken, std::vector<Long>{b});

  const auto pasteAt = [this](DrawingDriver& input, Double x, Double y) {
    const Long before = ObjCount;
    DrawingDriver::Choose("mnuEditPaste");
    input.ClickAt(x, y);
    EXPECT_EQ(MessagePanel(2), " 1 ClipBoard Lines Pasted ");
    EXPECT_EQ(ObjCount, before + 1);
    return ObjCount;
  };
  const Long here = pasteAt(there, 4, 1);  // three down
  EXPECT_EQ(Objs[here].DwgNo, 2);
  EXPECT_EQ(PX(here, 1), 4);
  EXPECT_EQ(PY(here, 1), 1);
  EXPECT_EQ(PX(here, 2), 5);
  EXPECT_TRUE(EqualsFreshRedraw());

  Activate(doc_);
  const Long back = pasteAt(*input_, 4, 2);
  EXPECT_EQ(Objs[back].DwgNo, 1);
  EXPECT_EQ(PY(back, 1), 2);
  EXPECT_EQ(PX(back, 2), 5);
  EXPECT_EQ(ClipboardTaken, std::vector<Long>{b});
}

// Paste shows as its ghost exactly what its click places. A line copied in
// a second drawing, pasted into the first, where another line is selected:
// the ghost is the copied line alone. A line copied and made into a
// component (Make Into), the placement then selected: nothing is left to
// paste, which Paste says at once, with no ghost, and the Paste item goes off.
TEST_F(EditsTest, PasteShowsAsItsGhostExactlyWhatItsClickPlaces) {
  OutlineEnabled = FlagTrue;
  const Long here = AddLine(1, 1, 2, 1);
  RefreshDocView(doc_);
  SelectWindow(0.5, 0.5, 2.5, 1.5);
  SecondDrawingWithCopiedLine(4, 4, 5, 4);
  const Long copied = ObjCount;
  Activate(doc_);
  ASSERT_EQ(Objs[here].Selected, FlagTrue);
  DrawingDriver::Choose("mnuEditPaste");
  input_->MoveTo(4, 2);  // two down: the ghost moves the entities it shows
  EXPECT_EQ(PY(copied, 1), 2);
  EXPECT_EQ(PY(here, 1), 1) << "a line not on the clipboard shows in the ghost";
  const Long before = ObjCount;
  input_->ClickAt(4, 2);
  EXPECT_EQ(MessagePanel(2), " 1 ClipBoard Lines Pasted ");
  EXPECT_EQ(ObjCount, before + 1);
  EXPECT_TRUE(EqualsFreshRedraw());

  DrawingDriver::Choose("mnuSelectClr");
  SelectWindow(0.5, 0.5, 2.5, 1.5);
  DrawingDriver::Choose("mnuEditcopy");
  input_->ClickAt(1, 1);
  ASSERT_EQ(MessagePanel(2), " 1 Lines on ClipBoard");
  DrawingDriver::Choose("mnuEditCompReplace");
  ASSERT_EQ(Objs[ObjCount].Rtype, EntityComponent);
  SelectWindow(0.5, 0.5, 2.5, 1.5);
  ASSERT_EQ(SelectedCount(), 1);
  const Long made = ObjCount;
  DrawingDriver::Choose("mnuEditPaste");
  EXPECT_EQ(MessagePanel(2), " 0 ClipBoard Lines Pasted ");
  EXPECT_FALSE(PasteEnabled());
  input_->MoveTo(3, 4);
  EXPECT_TRUE(EqualsFreshRedraw()) << "a ghost of what nothing will paste";
  input_->ClickAt(3, 4);
  EXPECT_EQ(ObjCount, made);
  EXPECT_TRUE(EqualsFreshRedraw());
}

// Paste places what the clipboard holds, whatever the pasting window has
// selected; ClipBoard Copy and Hide refuse an empty selection by what is
// drawn selected, and a refused Copy leaves the clipboard as it was.
TEST_F(EditsTest, PasteCopyAndHideJudgeByWhatIsDrawnSelected) {
  const Long here = AddLine(1, 1, 2, 1);
  RefreshDocView(doc_);
  SecondDrawingWithCopiedLine(4, 4, 5, 4);
  const std::vector<Long> copied = ClipboardTaken;
  Activate(doc_);
  DrawingDriver::PressButton("Deselect");
  DrawingDriver::Choose("mnuEditPaste");
  input_->ClickAt(4, 2);
  EXPECT_EQ(MessagePanel(2), " 1 ClipBoard Lines Pasted ");
  ASSERT_EQ(Objs[ObjCount].DwgNo, 1);
  EXPECT_EQ(PY(ObjCount, 1), 2);

  SelectWindow(6, 4, 7, 5);  // empty paper
  ASSERT_EQ(SelectedCount(), 0);
  for (const char* item : {"mnuEditcopy", "mnuEditHide"}) {
    DrawingDriver::Choose(item);
    EXPECT_EQ(MessagePanel(2), "ERROR... No Lines Selected") << item;
    input_->ClickAt(1, 1);
    EXPECT_EQ(ClipboardTaken, copied) << item;
  }

  SelectWindow(0.5, 0.5, 2.5, 1.5);
  DrawingDriver::Choose("mnuEditcopy");
  input_->ClickAt(1, 1);
  ASSERT_EQ(ClipboardTaken, std::vector<Long>{here});
  DrawingDriver::Choose("mnuEditCompReplace");  // the copied line goes into the component
  ASSERT_EQ(SelectedCount(), 0);
  const Long made = ObjCount;
  DrawingDriver::Choose("mnuEditPaste");
  EXPECT_EQ(MessagePanel(2), " 0 ClipBoard Lines Pasted ");
  input_->ClickAt(3, 4);
  EXPECT_EQ(ObjCount, made);
  EXPECT_TRUE(EqualsFreshRedraw());
}

// A Copy between an Erase and Un Erase Last leaves the erase batch whole;
// so does a Copy made after the last window was closed and the tables cut
// back, where a new line takes the index of a line the clipboard held, and
// Paste then places nothing of the drawing that was closed.
TEST_F(EditsTest, ACopyNeverChangesWhatUnEraseLastBringsBack) {
  const Long a = AddLine(1, 1, 2, 1);
  AddLine(1, 2, 2, 2);
  RefreshDocView(doc_);
  const auto copyWindow = [this](Double y) {
    DrawingDriver::PressButton("Deselect");
    SelectWindow(0.5, y - 0.5, 2.5, y + 0.5);
    DrawingDriver::Choose("mnuEditcopy");
    input_->ClickAt(1, y);
  };
  copyWindow(1);
  DrawingDriver::Choose("mnuEditErase");
  ASSERT_EQ(Objs[a].Erased, FlagTrue);
  copyWindow(2);
  DrawingDriver::Choose("mnuEditUnErase");
  EXPECT_EQ(MessagePanel(2), "Un Erased 1 Lines");
  EXPECT_EQ(Objs[a].Show, FlagTrue);

  copyWindow(1);
  ASSERT_EQ(ClipboardTaken, std::vector<Long>{a});
  Responder().AnswerMsgBox(vbNo);
  DrawingDriver::Choose("mnuFileClose");  // the last window stays, with a new drawing
  ShowWithReach(48, 24);
  ASSERT_EQ(AddLine(1, 1, 2, 1), a);  // the old index again
  RefreshDocView(doc_);
  SelectWindow(0.5, 0.5, 2.5, 1.5);
  DrawingDriver::Choose("mnuEditPaste");
  EXPECT_EQ(MessagePanel(2), " 0 ClipBoard Lines Pasted ") << "a line of the closed drawing is pasted";
  DrawingDriver::Choose("mnuEditErase");
  AddLine(1, 2, 2, 2);
  RefreshDocView(doc_);
  copyWindow(2);
  DrawingDriver::Choose("mnuEditUnErase");
  EXPECT_EQ(MessagePanel(2), "Un Erased 1 Lines");
  EXPECT_EQ(Objs[a].Show, FlagTrue);
  EXPECT_TRUE(EqualsFreshRedraw());
}

// A file that holds a line stored erased with a batch number: the opened
// drawing's erases start afresh, and Un Erase Last brings back the line
// erased since the open alone.
TEST_F(EditsTest, UnEraseLastLeavesAStoredEraseBatchAlone) {
  DwgDbPath = ScratchPath("Erased_dwg.mdb");
  CreateEmptyDrawingsDb(DwgDbPath);
  const Long stored = AddLine(1, 1, 2, 1);
  AddLine(1, 2, 2, 2);
  FileSaveAsOffered(Responder(), false);
  const DbKey key = Dwgs[1].DrawID;
  {
    TestDatabase file(DwgDbPath, true);
    file.Exec("UPDATE Lines SET Erased = -1, Show = 0, \"Select\" = -1 WHERE LineID = ?",
              {static_cast<std::int64_t>(Objs[stored].LineID)});
  }
  DrawingDriver::Choose("mnuFileClose");
  FileOpenStored(Responder(), key, "New Drawing");
  ShowWithReach(48, 24);
  SelectWindow(0.5, 1.5, 2.5, 2.5);
  ASSERT_EQ(SelectedCount(), 1);
  DrawingDriver::Choose("mnuEditErase");
  DrawingDriver::Choose("mnuEditUnErase");
  EXPECT_EQ(MessagePanel(2), "Un Erased 1 Lines");
  Long shown = 0;
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) shown += Objs[i].DwgNo == 1 && Objs[i].Show ? 1 : 0;
  EXPECT_EQ(shown, 1);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(EditsTest, RecolouringWithTheSelectionToolEndsItAndKeepsTheSelection) {
  const Long a = AddLine(1, 1, 2, 1);
  DrawingDriver::Choose("mnuSelectItems");
  input_->ClickAt(1.5, 1);
  ASSERT_EQ(ActiveTool, ToolSelection);
  ChosenColor = 0x00FF00;
  ChangeSelectedColor();
  EXPECT_EQ(MessagePanel(1), "");  // the end clears the prompts
  EXPECT_EQ(Objs[a].Color, 0x00FF00);
  EXPECT_EQ(Objs[a].Selected, FlagTrue);
  EXPECT_EQ(ActiveTool, ToolNone);
  EXPECT_EQ(SelectionActive, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
}

// Cancel in the Line Color button's dialog while the selection command runs:
// every selected entity keeps its own colour, the command runs on, and Undo
// still takes back the line drawn last and nothing else.
TEST_F(EditsTest, CancelInTheLineColorDialogRecoloursNothing) {
  const Long a = AddLine(1, 1, 2, 1);
  const Long b = AddLine(1, 2, 2, 2);
  Objs[a].Color = 0x00FF00;
  Objs[b].Color = 0xFF0000;
  RefreshDocView(doc_);
  CurColor = 0x0000FF;
  DrawingDriver::Choose("mnuDrawLineSingle");
  input_->ClickAt(1, 3);
  input_->ClickAt(2, 3);
  input_->Escape();
  const Long drawn = ObjCount;
  ASSERT_EQ(drawn, b + 1);
  DrawingDriver::Choose("mnuSelectWindow");
  input_->ClickAt(0.5, 0.5);
  input_->ClickAt(2.5, 3.5);
  ASSERT_EQ(ActiveTool, ToolSelection);
  ASSERT_EQ(SelectedCount(), 3);
  const auto colours = [&] { return std::vector<Long>{Objs[a].Color, Objs[b].Color, Objs[drawn].Color}; };
  const std::vector<Long> before = {0x00FF00, 0xFF0000, 0x0000FF};
  ASSERT_EQ(colours(), before);

  Responder().CancelColor();
  DrawingDriver::PressButton("Line Color");
  EXPECT_EQ(Responder().Prompts().back().title, "Change Item Color");
  EXPECT_EQ(colours(), before);
  EXPECT_EQ(ActiveTool, ToolSelection);
  EXPECT_TRUE(EqualsFreshRedraw());

  input_->Escape();
  DrawingDriver::Choose("mnuEditUndo");
  EXPECT_EQ(Objs[drawn].Erased, FlagTrue);
  EXPECT_EQ(Objs[a].Erased + Objs[b].Erased, 0);
  EXPECT_EQ(colours(), before);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(EditsTest, ANewEditCommandAfterHideStartsAtItsOwnFirstStep) {
  const Long a = AddLine(1, 1, 2, 1);
  AddLine(1, 2, 2, 2);
  SelectWindow(0.5, 1.5, 2.5, 2.5);
  DrawingDriver::Choose("mnuEditHide");
  input_->ClickAt(6, 5);  // Hide stays on and takes the click
  SelectWindow(0.5, 0.5, 2.5, 1.5);
  DrawingDriver::Choose("mnuEditMove");
  EXPECT_EQ(MessagePanel(2), "Enter a Reference Point near Lines >");
  input_->ClickAt(1, 1);
  input_->ClickAt(2, 1);
  EXPECT_EQ(PX(a, 1), 2);
}

}  // namespace
}  // namespace lintavo
