// Selection sets and the Select commands, chosen from the Select menu and
// the tool bar and fed by clicks in a drawing window.
#include <functional>

#include "commands/EditFixture.h"
#include "commands/GripFrame.h"
#include "model/LayerItems.h"
#include "picking/Selection.h"
#include "storage/FileMenu.h"
#include "storage/TestDatabase.h"
#include "view/Outline.h"

namespace lintavo {
namespace {

class SelectionTest : public EditFixture {};

TEST_F(SelectionTest, WindowsAddToOneSetAndPassOverLockedLayers) {
  const Long a = AddLine(1, 1, 2, 1);
  const Long b = AddLine(1, 2, 2, 2);
  const Long c = AddLine(4, 1, 5, 1);
  // A line on a locked layer inside the second window.
  NewLayer();
  const Long locked = ItemCount;
  Items[locked].Lock = FlagTrue;
  const Long d = AddLine(4, 2, 5, 2);
  Objs[d].LayerID = locked;

  DrawingDriver::Choose("mnuSelectWindow");
  input_->ClickAt(0.5, 0.5);
  input_->ClickAt(2.5, 2.5);
  EXPECT_EQ(MessagePanel(3), " 2: Lines Selected");
  EXPECT_EQ(MessagePanel(2), "Place First Corner of Window ");  // the next window at once
  input_->ClickAt(3.5, 0.5);
  input_->ClickAt(5.5, 2.5);
  EXPECT_EQ(MessagePanel(3), " 3: Lines Selected");
  EXPECT_EQ(SelectionSetNumber(), 1);
  for (Long i : {a, b, c}) EXPECT_EQ(Objs[i].Selected, FlagTrue) << i;
  EXPECT_EQ(Objs[d].Selected, 0);
  input_->Escape();
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(SelectionTest, LinePicksToggleTheSameSet) {
  const Long a = AddLine(1, 1, 3, 1);
  DrawingDriver::PressButton("Select");
  EXPECT_EQ(MessagePanel(1), "Select Line");
  input_->ClickAt(2, 1.02);
  EXPECT_EQ(Objs[a].Selected, FlagTrue);
  EXPECT_EQ(LastObj, a);
  input_->ClickAt(2, 1);
  EXPECT_EQ(Objs[a].Selected, 0);
  EXPECT_EQ(MessagePanel(3), " 0: Lines Selected");
  input_->ClickAt(2, 1);
  EXPECT_EQ(Objs[a].Select, 1);
  input_->ClickAt(2, 3);  // a miss changes nothing and shows the count again
  EXPECT_EQ(MessagePanel(3), " 1: Lines Selected");
  EXPECT_EQ(SelectionSetNumber(), 1);
  input_->Escape();
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(SelectionTest, WholeDrawingCommandsNumberTheirSetsAndLeaveOtherDrawingsAlone) {
  const Long a = AddLine(1, 1, 2, 1);
  FixedDpiDocument* other = Open(2);
  const Long foreign = AddLine(1, 1, 2, 1);
  Activate(doc_);
  ActiveDoc = doc_;
  CurDwg = 1;
  Objs[a].Show = FlagTrue;

  DrawingDriver::Choose("mnuSelectAll");  // All Visable: a new set
  EXPECT_EQ(SelectionSetNumber(), 2);       // the first command made it 1, then a new set
  DrawingDriver::Choose("mnuSelectDwg");
  EXPECT_EQ(MessagePanel(1), "Select All Items in Drawing");
  EXPECT_EQ(SelectionSetNumber(), 1);
  EXPECT_EQ(Objs[a].Selected, FlagTrue);
  DrawingDriver::Choose("mnuSelectCurLayer");
  EXPECT_EQ(SelectionSetNumber(), 2);
  EXPECT_EQ(Objs[foreign].Select, 0);
  EXPECT_EQ(Objs[foreign].Selected, 0);
  EXPECT_EQ(ActiveTool, ToolNone);  // each ends itself

  DrawingDriver::PressButton("Deselect");
  EXPECT_EQ(MessagePanel(3), " 0: Lines Selected");
  EXPECT_EQ(SelectionSetNumber(), 0);
  EXPECT_EQ(Objs[a].Selected, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
  (void)other;
}

TEST_F(SelectionTest, PastTheLastSetNumberTheOldStampsAreClearedAndNumberingRestarts) {
  const Long stale = AddLine(1, 1, 2, 1);
  const Long erased = AddLine(1, 2, 2, 2);
  Dwgs[CurDwg].SelectSet = MaxSelectionSet;
  Objs[stale].Select = 1;  // an old set that number 1 would take back
  Objs[erased].Select = -3;  // an erase batch stays
  Objs[stale].Show = FlagFalse;
  DrawingDriver::Choose("mnuSelectAll");
  EXPECT_EQ(SelectionSetNumber(), 1);
  EXPECT_EQ(Objs[stale].Select, 0);
  EXPECT_EQ(Objs[stale].Selected, 0);
  EXPECT_EQ(Objs[erased].Select, 1);  // shown, so it joins the new set
}

TEST_F(SelectionTest, AMarkingUserGetsTheMarksBackAfterEscape) {
  ShowConPnts = FlagTrue;
  DrawingDriver::Choose("mnuSelectWindow");
  input_->ClickAt(1, 1);
  EXPECT_EQ(ShowConPnts, 0);  // the command's own points are not marked
  input_->Escape();
  EXPECT_EQ(ShowConPnts, FlagTrue);
}

// The chooser commands, with a chooser that answers as the test says.
String ChosenName;
Long ChosenItem = 0;
bool ChooserAnswers = false;
bool FakeChooser(Integer, String& name, Long& item) {
  name = ChosenName;
  item = ChosenItem;
  return ChooserAnswers;
}

TEST_F(SelectionTest, ChooserCommandsReportByKindAndStartANewSet) {
  const SelectionServicesRec saved = SelectionServices;
  SelectionServices.ChooseItem = FakeChooser;
  const Long a = AddLine(1, 1, 2, 1);
  const Long layer = Objs[a].LayerID;
  NewLayer();
  const Long empty = ItemCount;
  struct Row {
    const char* item;
    bool answers;
    String name;
    Long itemNo;
    const char* panel2;
    Integer selected;  // Selected of the line afterwards
  };
  const Row rows[] = {
      {"mnuSelectLayer", true, "Layer 1", layer, "Layer: Layer 1 - Selected", FlagTrue},
      {"mnuSelectLayer", true, "New Layer 1", empty, "Layer: New Layer 1 - Selected", 0},
      {"mnuSelectGroup", true, "", layer, "Group:  - Name Not Found", 0},
      {"mnuSelectView", false, "", 0, "", 0},
      {"mnuSelectArea", true, "Area 1", layer, "AREA: Area 1 - Boundary Not Found", 0},
      // A failed Select Area leaves the selection as it was, drawn and stamped alike.
      {"mnuSelectLayer", true, "Layer 1", layer, "Layer: Layer 1 - Selected", FlagTrue},
      {"mnuSelectArea", true, "Area 1", layer, "AREA: Area 1 - Boundary Not Found", FlagTrue},
  };
  for (const Row& row : rows) {
    ChooserAnswers = row.answers;
    ChosenName = row.name;
    ChosenItem = row.itemNo;
    DrawingDriver::Choose(row.item);
    EXPECT_EQ(MessagePanel(2), row.panel2) << row.item;
    EXPECT_EQ(Objs[a].Selected, row.selected) << row.item << " " << row.name;
    EXPECT_EQ(SelectionActive, 0);
  }
  SelectWindow(3, 3, 4, 4);  // empty paper: the set is counted again
  EXPECT_EQ(Objs[a].Selected, FlagTrue);
  EXPECT_EQ(SelectedCount(), 1);
  SelectionServices = saved;
}

// A drawing saved with a line selected, closed and opened again starts with
// nothing selected: no line is selected while Move finds none, and a window
// drawn in it takes what it holds alone, never a line by the set number its
// row kept.
TEST_F(SelectionTest, AnOpenedDrawingStartsWithNothingSelected) {
  DwgDbPath = ScratchPath("Selected_dwg.mdb");
  CreateEmptyDrawingsDb(DwgDbPath);
  for (const Double y : {1.0, 2.0, 3.0}) AddLine(1, y, 2, y);
  SelectWindow(0.5, 0.5, 2.5, 1.5);
  ASSERT_EQ(SelectedCount(), 1);
  FileSaveAsOffered(Responder(), false);
  const DbKey key = Dwgs[1].DrawID;
  DrawingDriver::Choose("mnuFileClose");  // the last window stays, with a new drawing
  FileOpenStored(Responder(), key, "New Drawing");
  ShowWithReach(48, 24);
  std::vector<Long> lines;
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i)
    if (Objs[i].DwgNo == 1 && !Objs[i].Erased) lines.push_back(i);
  ASSERT_EQ(lines.size(), 3u);
  for (const Long line : lines) EXPECT_EQ(Objs[line].Selected, FlagFalse) << "line at y " << PY(line, 1);
  DrawingDriver::Choose("mnuEditMove");
  EXPECT_EQ(MessagePanel(2), "ERROR... No Lines Selected");

  SelectWindow(0.5, 1.5, 2.5, 2.5);
  EXPECT_EQ(SelectedCount(), 1);
  for (const Long line : lines) EXPECT_EQ(Objs[line].Selected != 0, PY(line, 1) == 2) << "line at y " << PY(line, 1);
  EXPECT_TRUE(EqualsFreshRedraw());

  // Opened again over that selection: Move finds nothing selected.
  FileOpenStored(Responder(), key, "New Drawing");
  EXPECT_EQ(SelectedCount(), 0);
  DrawingDriver::Choose("mnuEditMove");
  EXPECT_EQ(MessagePanel(2), "ERROR... No Lines Selected");
}

// A line selected in one drawing window, another window made active where
// nothing is selected: Move there finds nothing selected, and back in the
// first window it takes the line it shows selected.
TEST_F(SelectionTest, AWindowMadeActiveCountsTheSelectionItShows) {
  const Long here = AddLine(1, 1, 2, 1);
  RefreshDocView(doc_);
  SelectWindow(0.5, 0.5, 2.5, 1.5);
  ASSERT_EQ(SelectedCount(), 1);
  FixedDpiDocument* second = Open(2, "Second");
  ShowAtScale(second, 48, 24);
  AddLine(1, 1, 2, 1);
  Activate(second);
  EXPECT_EQ(SelectedCount(), 0);
  DrawingDriver::Choose("mnuEditMove");
  EXPECT_EQ(MessagePanel(2), "ERROR... No Lines Selected");
  Activate(doc_);
  EXPECT_EQ(SelectedCount(), 1);
  DrawingDriver::Choose("mnuEditMove");
  input_->ClickEach({{1, 1}, {1, 3}});
  EXPECT_EQ(PY(here, 1), 3);
}

// Three lines a (y 1), b (y 2) and c (y 4); a window takes a, then a new
// set takes b alone, then De-Select All, and a window around c: c alone is
// selected, whatever number the sets had, and Move moves c alone. Each row
// starts the new set another way.
TEST_F(SelectionTest, ANewSetTakesExactlyWhatItPicksWhateverNumbersComeBack) {
  const SelectionServicesRec saved = SelectionServices;
  SelectionServices.ChooseItem = FakeChooser;
  const Long a = AddLine(1, 1, 2, 1);
  const Long b = AddLine(1, 2, 2, 2);
  const Long c = AddLine(1, 4, 2, 4);
  const Long layerOfB = Objs[b].LayerID;
  NewLayer();
  Objs[a].LayerID = Objs[c].LayerID = ItemCount;  // b alone on the current layer
  RefreshDocView(doc_);
  ChooserAnswers = true;
  ChosenName = Items[layerOfB].Name;
  ChosenItem = layerOfB;
  for (const char* newSet : {"mnuSelectCurLayer", "mnuSelectLayer"}) {
    SCOPED_TRACE(newSet);
    SelectWindow(0.5, 0.5, 2.5, 1.5);
    ASSERT_EQ(Objs[a].Selected, FlagTrue);
    DrawingDriver::Choose(newSet);
    ASSERT_EQ(Objs[a].Selected, 0);
    ASSERT_EQ(Objs[b].Selected, FlagTrue);
    DrawingDriver::PressButton("Deselect");
    const Double y = PY(c, 1);
    SelectWindow(0.5, y - 0.5, 2.5, y + 0.5);
    EXPECT_EQ(SelectedCount(), 1);
    for (const Long line : {a, b, c}) EXPECT_EQ(Objs[line].Selected != 0, line == c) << "line at y " << PY(line, 1);
    EXPECT_TRUE(EqualsFreshRedraw());
    DrawingDriver::Choose("mnuEditMove");
    input_->ClickEach({{1, y}, {1, y + 1}});  // one up
    EXPECT_EQ(PY(a, 1), 1);
    EXPECT_EQ(PY(b, 1), 2);
    EXPECT_NEAR(PY(c, 1), y + 1, 0.05);
    DrawingDriver::PressButton("Deselect");
  }
  SelectionServices = saved;
}

// A line selected by a window in the first drawing; in a second drawing
// De-Select All, then Select All Visable Lines. The first drawing's
// selection is its own: every command on the selection acts on the line it
// shows selected, and a window there adds to that selection; the second
// drawing's selection is left as it was.
TEST_F(SelectionTest, EachDrawingKeepsItsOwnSelection) {
  OutlineEnabled = FlagTrue;
  const Long here = AddLine(1, 1, 2, 1);
  const Long next = AddLine(1, 3, 2, 3);
  RefreshDocView(doc_);
  SelectWindow(0.5, 0.5, 2.5, 1.5);
  FixedDpiDocument* second = Open(2, "Second");
  ShowAtScale(second, 48, 24);
  const Long there = AddLine(1, 1, 2, 1);
  RefreshDocView(second);
  DrawingDriver::PressButton("Deselect");
  Activate(doc_);

  struct Row {
    const char* name;
    std::function<void()> run;
    const char* panel2;  // what panel 2 says afterwards; nullptr: no error
  };
  const Row rows[] = {
      {"Modify Selected",
       [] {
         DrawingDriver::PressButton("Move");
         EXPECT_EQ(FrameShown, FlagTrue) << "the grip frame stands around the line";
       },
       nullptr},
      {"ClipBoard Copy", [this] { DrawingDriver::Choose("mnuEditcopy"); input_->ClickAt(1, 1); },
       " 1 Lines on ClipBoard"},
      {"Move's ghost",
       [this, here] {
         DrawingDriver::Choose("mnuEditMove");
         input_->ClickAt(1, 1);
         input_->MoveTo(1, 2);
         EXPECT_EQ(PY(here, 1), 2) << "the ghost moves the line shown selected";
       },
       "Enter a Placement Location >"},
      {"Hide", [] { DrawingDriver::Choose("mnuEditHide"); }, " 1 Lines Hidden"},
  };
  for (const Row& row : rows) {
    row.run();
    EXPECT_NE(MessagePanel(2), "ERROR... No Lines Selected") << row.name;
    if (row.panel2) EXPECT_EQ(MessagePanel(2), row.panel2) << row.name;
    input_->Escape();
  }
  DrawingDriver::Choose("mnuEditShow");
  SelectWindow(0.5, 0.5, 2.5, 1.5);
  Activate(second);
  DrawingDriver::Choose("mnuSelectAll");  // a new set there
  ASSERT_EQ(Objs[there].Selected, FlagTrue);
  Activate(doc_);
  SelectWindow(0.5, 2.5, 2.5, 3.5);
  EXPECT_EQ(SelectedCount(), 2);
  EXPECT_EQ(Objs[here].Selected, FlagTrue);
  EXPECT_EQ(Objs[next].Selected, FlagTrue);
  EXPECT_EQ(Objs[there].Selected, FlagTrue);
  EXPECT_TRUE(EqualsFreshRedraw());
  EXPECT_TRUE(EqualsFreshRedraw(second));
}

// What is drawn selected is what Move takes, after the commands that change
// what is shown or live: each row leaves a selection drawn (or none), and
// Move then moves exactly that or says that nothing is selected.
TEST_F(SelectionTest, MoveTakesWhatIsDrawnSelectedAfterHideUnEraseAndUndo) {
  struct Row {
    const char* name;
    std::function<Long()> make;  // the line left drawn selected; 0 none
  };
  const Row rows[] = {
      {"Un Erase Last after another line was selected",
       [this] {
         AddLine(1, 1, 2, 1);
         const Long other = AddLine(1, 2, 2, 2);
         RefreshDocView(doc_);
         SelectWindow(0.5, 0.5, 2.5, 1.5);
         DrawingDriver::Choose("mnuEditErase");
         SelectWindow(0.5, 1.5, 2.5, 2.5);
         DrawingDriver::Choose("mnuEditUnErase");
         return other;
       }},
      {"Undo of the line selected",
       [this] {
         DrawingDriver::Choose("mnuDrawLineSingle");
         input_->ClickEach({{1, 3}, {2, 3}});
         input_->Escape();
         SelectWindow(0.5, 2.5, 2.5, 3.5);
         DrawingDriver::Choose("mnuEditUndo");
         return Long{0};
       }},
      {"Select All, Hide",
       [] {
         DrawingDriver::Choose("mnuSelectDwg");
         DrawingDriver::Choose("mnuEditHide");
         return Long{0};
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const Long selected = row.make();
    input_->Escape();
    EXPECT_TRUE(EqualsFreshRedraw());
    for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) EXPECT_EQ(IsDrawnSelected(Objs[i]), i == selected) << i;
    const std::vector<std::pair<Double, Double>> before = AllPoints();
    DrawingDriver::Choose("mnuEditMove");
    if (selected == 0) {
      EXPECT_EQ(MessagePanel(2), "ERROR... No Lines Selected");
      continue;
    }
    const Double y = PY(selected, 1);
    input_->ClickEach({{1, y}, {1, y + 2}});
    EXPECT_EQ(PY(selected, 1), y + 2);
    Long moved = 0;
    const std::vector<std::pair<Double, Double>> after = AllPoints();
    for (size_t k = 0; k < before.size(); ++k) moved += before[k] != after[k] ? 1 : 0;
    EXPECT_EQ(moved, 2) << "Move moved more than the line drawn selected";
    DrawingDriver::PressButton("Deselect");
  }
}

}  // namespace
}  // namespace lintavo
