// Selection sets and the Select commands, chosen from the Select menu and
// the tool bar and fed by clicks in a drawing window.
#include "commands/EditFixture.h"
#include "model/LayerItems.h"
#include "picking/Selection.h"
#include "storage/FileMenu.h"
#include "storage/TestDatabase.h"

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
  EXPECT_EQ(SelectionSetNumber, 1);
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
  EXPECT_EQ(SelectionSetNumber, 1);
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
  EXPECT_EQ(SelectionSetNumber, 2);       // the first command made it 1, then a new set
  DrawingDriver::Choose("mnuSelectDwg");
  EXPECT_EQ(MessagePanel(1), "Select All Items in Drawing");
  EXPECT_EQ(SelectionSetNumber, 1);
  EXPECT_EQ(Objs[a].Selected, FlagTrue);
  DrawingDriver::Choose("mnuSelectCurLayer");
  EXPECT_EQ(SelectionSetNumber, 2);
  EXPECT_EQ(Objs[foreign].Select, 0);
  EXPECT_EQ(Objs[foreign].Selected, 0);
  EXPECT_EQ(ActiveTool, ToolNone);  // each ends itself

  DrawingDriver::PressButton("Deselect");
  EXPECT_EQ(MessagePanel(3), " 0: Lines Selected");
  EXPECT_EQ(SelectionSetNumber, 0);
  EXPECT_EQ(Objs[a].Selected, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
  (void)other;
}

TEST_F(SelectionTest, PastTheLastSetNumberTheOldStampsAreClearedAndNumberingRestarts) {
  const Long stale = AddLine(1, 1, 2, 1);
  const Long erased = AddLine(1, 2, 2, 2);
  SelectionSetNumber = MaxSelectionSet;
  Objs[stale].Select = 1;  // an old set that number 1 would take back
  Objs[erased].Select = -3;  // an erase batch stays
  Objs[stale].Show = FlagFalse;
  DrawingDriver::Choose("mnuSelectAll");
  EXPECT_EQ(SelectionSetNumber, 1);
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
  ASSERT_EQ(SelectedCount, 1);
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
  EXPECT_EQ(SelectedCount, 1);
  for (const Long line : lines) EXPECT_EQ(Objs[line].Selected != 0, PY(line, 1) == 2) << "line at y " << PY(line, 1);
  EXPECT_TRUE(EqualsFreshRedraw());

  // Opened again over that selection: Move finds nothing selected.
  FileOpenStored(Responder(), key, "New Drawing");
  EXPECT_EQ(SelectedCount, 0);
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
  ASSERT_EQ(SelectedCount, 1);
  FixedDpiDocument* second = Open(2, "Second");
  ShowAtScale(second, 48, 24);
  AddLine(1, 1, 2, 1);
  Activate(second);
  EXPECT_EQ(SelectedCount, 0);
  DrawingDriver::Choose("mnuEditMove");
  EXPECT_EQ(MessagePanel(2), "ERROR... No Lines Selected");
  Activate(doc_);
  EXPECT_EQ(SelectedCount, 1);
  DrawingDriver::Choose("mnuEditMove");
  input_->ClickEach({{1, 1}, {1, 3}});
  EXPECT_EQ(PY(here, 1), 3);
}

}  // namespace
}  // namespace lintavo
