// The component commands of tool 2, driven through the Insert and Edit
// menus and clicks in a drawing window at 48 pixels to the unit, and the
// definition routines behind them (names, extents).
#include <cmath>
#include <functional>

#include "annotation/PaintedArea.h"
#include "commands/EditFixture.h"
#include "commands/GripFrame.h"
#include "organisation/ComponentDefinition.h"
#include "model/ViewCache.h"
#include "platform/Colors.h"
#include "platform/Numbers.h"
#include "organisation/Components.h"
#include "model/ItemMembers.h"
#include "model/UndoRedo.h"
#include "storage/DbSchema.h"
#include "storage/FileMenu.h"
#include "storage/LoadData.h"
#include "storage/LoadObjects.h"
#include "storage/SaveData.h"
#include "storage/StoredDrawing.h"
#include "storage/TestDatabase.h"
#include "view/Outline.h"
#include "view/PrintedPage.h"
#include "windows/show/frmAreaSelect.h"

namespace lintavo {
namespace {

// The chooser the tests put in place: it chooses ChooserPick, or cancels.
Long ChooserPick = 0;
void ChooseForTest() {
  ComponentNo = ChooserPick;
  DlgCancelled = ChooserPick > 0 ? FlagFalse : FlagTrue;
  if (ChooserPick > 0) ComponentName = Items[ChooserPick].Name;
}

class ComponentsTest : public EditFixture {
 protected:
  void SetUp() override {
    EditFixture::SetUp();
    saved_ = ComponentDialogs;
    ComponentDialogs.ShowCompSelect = ChooseForTest;
  }
  void TearDown() override {
    ComponentDialogs = saved_;
    EditFixture::TearDown();
  }
  // A placement of item in the current drawing.
  static Long Place(Long item, Double x, Double y, Double sx, Double sy, Double degrees) {
    const Long obj = AddCompound(EntityComponent, x, y, degrees);
    Pnts[Objs[obj].PointID + 1] = {2, obj, sx, sy};
    Objs[obj].Name = Items[item].Name;
    Objs[obj].OwnerID = Objs[obj].ObjectID = item;
    return obj;
  }
  // The live lines of the current drawing, in index order.
  static std::vector<Long> DrawingLines() {
    std::vector<Long> lines;
    for (Long i = BaseObjCount + 1; i <= ObjCount; ++i)
      if (Objs[i].DwgNo == CurDwg && Objs[i].Rtype == EntityLine && !Objs[i].Erased) lines.push_back(i);
    return lines;
  }
  ComponentDialogsRec saved_;
};

TEST_F(ComponentsTest, NewComponentTakesTheFirstFreeNumber) {
  AddDefinition("New Component 1", 0, 0, 1, 0);
  AddDefinition("New Component 3", 0, 0, 1, 0);
  NewComponent();
  EXPECT_EQ(ComponentName, "New Component 2");
  EXPECT_EQ(ComponentItem, ItemCount);
  EXPECT_EQ(Items[ItemCount].Rtype, ItemComponent);
  NewComponent();
  EXPECT_EQ(ComponentName, "New Component 4");
}

TEST_F(ComponentsTest, ExtentsByTypeStartFromTheFirstPoint) {
  const Long def = AddDefinition("Box", 0, 0, 1, 1);
  struct Case {
    const char* what;
    Long (*make)(Long def);
    Double minX, minY, maxX, maxY;
  };
  const Case cases[] = {
      {"circle of radius 2 at (10, 10)", [](Long) { return AddCircle(10, 10, 2); }, 8, 8, 12, 12},
      {"placement at (5, 5), scale (2, 3)", [](Long d) { return Place(d, 5, 5, 2, 3, 0); }, 5, 5, 7, 8},
      {"the same turned 90 degrees: its box turned with it", [](Long d) { return Place(d, 5, 5, 2, 3, 90); }, 2,
       5, 5, 7},
      {"line far below the old start values", [](Long) { return AddLine(-20000, -20000, -15000, -19000); },
       -20000, -20000, -15000, -19000},
  };
  for (const Case& c : cases) {
    StartComponentExtents();
    GetEntitiesExtents(c.make(def));
    // A turn by the program's degree factor leaves a trace far below 1e-9.
    EXPECT_NEAR(CompMinX, c.minX, 1e-9) << c.what;
    EXPECT_NEAR(CompMinY, c.minY, 1e-9) << c.what;
    EXPECT_NEAR(CompMaxX, c.maxX, 1e-9) << c.what;
    EXPECT_NEAR(CompMaxY, c.maxY, 1e-9) << c.what;
  }
}

TEST_F(ComponentsTest, CreateCopiesTheSelectionRelativeToTheReferencePoint) {
  AddLine(1, 1, 3, 1);
  AddLine(1, 2, 3, 3);
  RefreshDocView(doc_);
  const Long lines = Dwgs[CurDwg].Nlines;
  SelectWindow(0.5, 0.5, 3.5, 3.5);
  DrawingDriver::Choose("mnuEditCompCreate");
  EXPECT_EQ(MessagePanel(2), "Enter a Reference Point >");
  input_->ClickAt(5, 4);
  const ItemRec& def = Items[ComponentItem];
  EXPECT_EQ(def.Name, "New Component 1");
  EXPECT_EQ(def.Nlines, 2);
  EXPECT_DOUBLE_EQ(def.Xmin, -4);
  EXPECT_DOUBLE_EQ(def.Ymin, -3);
  EXPECT_DOUBLE_EQ(def.Xmax, -2);
  EXPECT_DOUBLE_EQ(def.Ymax, -1);
  EXPECT_EQ(MessagePanel(2), "Component Created!");
  EXPECT_EQ(MessagePanel(3), "New Component 1 Created");
  EXPECT_DOUBLE_EQ(PX(ObjCount, 2), -2);
  EXPECT_DOUBLE_EQ(PY(ObjCount, 2), -1);
  EXPECT_EQ(Objs[ObjCount].OwnerID, ComponentItem);
  EXPECT_EQ(Objs[ObjCount].DwgNo, 0);
  EXPECT_EQ(DrawingLines().size(), 2u);  // the originals stay
  EXPECT_EQ(Dwgs[CurDwg].Nlines, lines);
  EXPECT_EQ(ComponentActive, FlagFalse);
  EXPECT_TRUE(EqualsFreshRedraw());
}

// Create ends with no selection set: the lines it copied are no longer
// selected and are drawn so, then and after View, Redraw, as Erase finds.
TEST_F(ComponentsTest, CreateLeavesItsLinesUnselectedAndDrawnSo) {
  const Long a = AddLine(1, 1, 3, 1);
  const Long b = AddLine(1, 2, 3, 3);
  RefreshDocView(doc_);
  const QImage plain = doc_->Image().copy();
  SelectWindow(0.5, 0.5, 3.5, 3.5);
  ASSERT_FALSE(doc_->Image() == plain);  // drawn as selected
  DrawingDriver::Choose("mnuEditCompCreate");
  input_->ClickAt(5, 4);
  EXPECT_EQ(MessagePanel(2), "Component Created!");
  EXPECT_EQ(Objs[a].Selected, 0);
  EXPECT_EQ(Objs[b].Selected, 0);
  EXPECT_TRUE(doc_->Image() == plain);
  DrawingDriver::Choose("mnuViewRedraw");
  EXPECT_TRUE(doc_->Image() == plain);
  DrawingDriver::Choose("mnuEditErase");
  EXPECT_EQ(MessagePanel(2), "ERROR... No Lines Selected");
  EXPECT_TRUE(doc_->Image() == plain);
}

TEST_F(ComponentsTest, CreateAndMakeIntoWithoutASelectionChangeNothing) {
  for (const char* item : {"mnuEditCompCreate", "mnuEditCompReplace"}) {
    const Long items = ItemCount;
    DrawingDriver::Choose(item);
    EXPECT_EQ(MessagePanel(2), "ERROR... No Lines Selected") << item;
    EXPECT_EQ(MessagePanel(3), "You Must Pre-Select lines") << item;
    EXPECT_EQ(ItemCount, items) << item;
    EXPECT_EQ(ComponentActive, FlagFalse) << item;
  }
}

// Create makes its definition at the reference click, with the copies that
// fill it. Ended before it copied anything (the reference point finds
// nothing to copy, Esc, another tool chosen) it leaves no definition, also
// when another item was made while it waited, and that item stays. The
// selection it waits with holds only a square's fill and hatch, which no
// definition can hold.
TEST_F(ComponentsTest, CreateEndedBeforeItCopiedAnythingLeavesNoDefinition) {
  PaintedSquare(*input_, Responder(), 1, 1, 1, 0x00FF00, 0x0000FF);
  struct Ending {
    const char* name;
    std::function<void()> end;
    const char* prompt;   // panels 2 and 3 afterwards; nullptr: not looked at
    const char* message;
  };
  const Ending endings[] = {
      {"a reference point with nothing to copy", [this] { input_->ClickAt(5, 4); }, "ERROR... No Selected Lines",
       "Component NOT Created"},
      {"Esc", [this] { input_->Escape(); }, "", ""},
      {"Zoom In chosen", [] { DrawingDriver::Choose("mnuViewZoomIn"); }, nullptr, nullptr},
  };
  for (const Ending& ending : endings) {
    for (const bool another : {false, true}) {
      SCOPED_TRACE(std::string(ending.name) + (another ? ", another item made meanwhile" : ""));
      SelectWindow(0.9, 0.9, 1.1, 1.1);  // the paint's insertion point, no line
      ASSERT_EQ(SelectedCount(), 2);
      const Long items = ItemCount;
      DrawingDriver::Choose("mnuEditCompCreate");
      ASSERT_EQ(ItemCount, items);  // nothing half made while it waits for its reference point
      if (another) {
        NewItemName = "Other";
        AddItem(ItemGroup);
      }
      ending.end();
      EXPECT_EQ(ComponentActive, FlagFalse);
      if (ending.prompt) {
        EXPECT_EQ(MessagePanel(2), ending.prompt);
        EXPECT_EQ(MessagePanel(3), ending.message);
      }
      EXPECT_EQ(ItemCount, items + (another ? 1 : 0));
      if (another) EXPECT_EQ(Items[ItemCount].Name, "Other");
    }
  }
}

TEST_F(ComponentsTest, MakeIntoLeavesOnePlacementAtTheLowerLeftCorner) {
  AddLine(3, 4, 5, 4);
  AddLine(3, 4, 3, 5.5);
  RefreshDocView(doc_);
  const QImage before = doc_->Image().copy();
  SelectWindow(2.5, 3.5, 5.5, 5.7);
  DrawingDriver::Choose("mnuEditCompReplace");
  const Long placed = ObjCount;
  ASSERT_EQ(Objs[placed].Rtype, EntityComponent);
  EXPECT_DOUBLE_EQ(PX(placed, 1), 3);
  EXPECT_DOUBLE_EQ(PY(placed, 1), 4);
  EXPECT_DOUBLE_EQ(PX(placed, 2), 1);
  EXPECT_DOUBLE_EQ(PY(placed, 2), 1);
  EXPECT_DOUBLE_EQ(PX(placed, 3), 0);
  const ItemRec& def = Items[ComponentItem];
  EXPECT_EQ(def.Nlines, 2);
  EXPECT_DOUBLE_EQ(def.Xmin, 0);
  EXPECT_DOUBLE_EQ(def.Ymin, 0);
  EXPECT_DOUBLE_EQ(def.Xmax, 2);
  EXPECT_DOUBLE_EQ(def.Ymax, 1.5);
  EXPECT_TRUE(DrawingLines().empty());
  EXPECT_EQ(MessagePanel(2), "Component Created!");
  EXPECT_TRUE(EqualsFreshRedraw());
  EXPECT_EQ(doc_->Image(), before);  // the drawing looks as it did
}

TEST_F(ComponentsTest, ExplodedLinesLieWhereThePlacementWasDrawn) {
  struct Case {
    Double x, y, sx, sy, degrees;
    Double x1, y1, x2, y2;
  };
  const Case cases[] = {
      {0, 0, 2, 2, 0, 0, 0, 2, 0},
      {5, 5, 2, 2, 90, 5, 5, 5, 7},
      {1, 2, 1, 1, 180, 1, 2, 0, 2},
  };
  const Long def = AddDefinition("Bar", 0, 0, 1, 0);
  for (const Case& c : cases) {
    const Long placement = Place(def, c.x, c.y, c.sx, c.sy, c.degrees);
    RefreshDocView(doc_);
    DrawingDriver::Choose("mnuEditCompExplode");
    EXPECT_EQ(MessagePanel(2), "Point to a Components Reference Point >");
    input_->ClickAt(c.x, c.y);
    const Long line = ObjCount;
    ASSERT_EQ(Objs[line].Rtype, EntityLine) << c.degrees;
    EXPECT_EQ(Objs[line].DwgNo, CurDwg);
    EXPECT_EQ(Objs[line].OwnerID, 0);
    EXPECT_NEAR(PX(line, 1), c.x1, 1e-5);
    EXPECT_NEAR(PY(line, 1), c.y1, 1e-5);
    EXPECT_NEAR(PX(line, 2), c.x2, 1e-5);
    EXPECT_NEAR(PY(line, 2), c.y2, 1e-5);
    EXPECT_EQ(Objs[placement].Erased, FlagTrue);
    EXPECT_TRUE(EqualsFreshRedraw());
    Objs[line].Erased = FlagTrue;  // out of the next case's way
    Objs[line].Show = FlagFalse;
  }
}

TEST_F(ComponentsTest, UndoBringsTheExplodedPlacementBack) {
  const Long placement = Place(AddDefinition("Bar", 0, 0, 1, 0), 1, 1, 1, 1, 0);
  RefreshDocView(doc_);
  DrawingDriver::Choose("mnuEditCompExplode");
  input_->ClickAt(1, 1);
  ASSERT_EQ(Objs[placement].Erased, FlagTrue);
  DrawingDriver::Choose("mnuEditUndo");  // the copy's step
  DrawingDriver::Choose("mnuEditUndo");  // the erase
  EXPECT_EQ(Objs[placement].Erased, FlagFalse);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(ComponentsTest, ExplodeFarFromEveryPlacementEndsOnTheFifthEntry) {
  const Long placement = Place(AddDefinition("Bar", 0, 0, 1, 0), 1, 1, 1, 1, 0);
  RefreshDocView(doc_);
  const Long objs = ObjCount;
  DrawingDriver::Choose("mnuEditCompExplode");
  for (int k = 0; k < 4; ++k) input_->ClickAt(6, 5);
  EXPECT_EQ(ComponentActive, FlagTrue);
  input_->ClickAt(6, 5);
  EXPECT_EQ(ComponentActive, FlagFalse);
  EXPECT_EQ(ObjCount, objs);
  EXPECT_EQ(Objs[placement].Erased, FlagFalse);
}

// Bolt holds a line from (10, 0) and a placement of Nut at (13, 1), away
// from its reference point. Stored, it is loaded alone and placed at (1, 1)
// at scale 2, its reference point in view and its geometry beyond the right
// edge: drawing it walks no member, so Nut is first loaded while the
// explode copies it. The copied placement, not Nut's own line appended by
// that load, must be the one linked and moved.
TEST_F(ComponentsTest, ExplodeLoadsANestedComponentAndMovesOnlyTheCopiedPlacement) {
  CompDbPath = ScratchPath("Nested_comp.mdb");
  CreateEmptyDrawingsDb(CompDbPath);
  const Long nut = AddDefinition("Nut", 0, 0, 1, 0);
  Long bolt = AddDefinition("Bolt", 10, 0, 12, 0);
  const Long nested = Place(nut, 13, 1, 1, 1, 0);
  Objs[nested].DwgNo = 0;
  Objs[nested].DrawingID = 0;
  Objs[nested].OwnerID = bolt;
  EntityLinksChanged(nested);
  Items[bolt].Nlines = 2;
  Items[bolt].Xmax = 14;  // the line and Nut
  Items[bolt].Ymax = 1;
  ASSERT_TRUE(SaveComponentTree(bolt));

  ResetModel();  // neither component stays in memory
  NewDwgRec(CurDwg);
  Dwgs[CurDwg].SourceDbPath = CompDbPath;
  ASSERT_TRUE(LoadComponent("Bolt"));
  const auto loaded = [](const String& name) {
    for (Long i = 1; i <= ItemCount; ++i)
      if (Items[i].Rtype == ItemComponent && Items[i].Name == name) return i;
    return Long{0};
  };
  ASSERT_EQ(loaded("Nut"), 0);
  const Long placement = Place(loaded("Bolt"), 1, 1, 2, 2, 0);
  DrawingDriver::Choose("mnuEditCompExplode");
  input_->ClickAt(1, 1);
  ASSERT_EQ(Objs[placement].Erased, FlagTrue);

  const Long nutItem = loaded("Nut");
  ASSERT_NE(nutItem, 0);
  Long copy = 0, nutLine = 0;
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
    if (Objs[i].Erased) continue;
    if (Objs[i].DwgNo == CurDwg && Objs[i].Rtype == EntityComponent) copy = i;
    if (Objs[i].DwgNo == 0 && Objs[i].OwnerID == nutItem) nutLine = i;
  }
  ASSERT_NE(copy, 0);
  EXPECT_EQ(Objs[copy].ObjectID, nutItem);
  EXPECT_NEAR(PX(copy, 1), 27, 1e-9);  // (1, 1) + 2 * (13, 1)
  EXPECT_NEAR(PY(copy, 1), 3, 1e-9);
  EXPECT_NEAR(PX(copy, 2), 2, 1e-6);  // the placement's scale
  EXPECT_NEAR(PY(copy, 2), 2, 1e-6);
  ASSERT_NE(nutLine, 0);
  EXPECT_EQ(Objs[nutLine].Rtype, EntityLine);
  EXPECT_EQ(PX(nutLine, 1), 0);
  EXPECT_EQ(PY(nutLine, 1), 0);
  EXPECT_EQ(PX(nutLine, 2), 1);
  EXPECT_EQ(PY(nutLine, 2), 0);
  EXPECT_TRUE(EqualsFreshRedraw());
}

// Deleting the last group or area frees its item number. The members that
// went with it must not come back through the next item given the number:
// the component created next holds only its own copy, and Place Image,
// Explode and Edit, Show bring nothing else into the drawing.
TEST_F(ComponentsTest, MembersDeletedWithTheirGroupOrAreaNeverComeBackThroughTheNextComponent) {
  struct Case {
    const char* what;
    Double y;                             // the row of the drawing the case works in
    std::function<void(Double y)> make;   // the item from the menus, its members about (1..3, y)
    std::function<void()> deleteIt;       // through its chooser
  };
  const Case cases[] = {
      {"group", 1,
       [this](Double y) {
         AddLine(1, y, 3, y + 0.5);
         RefreshDocView(doc_);
         SelectWindow(0.5, y - 0.4, 3.5, y + 0.9);
         GroupTheSelection();
       },
       [this] { DeleteLastItem<frmGroupSelect>("mnuGroupsShow"); }},
      {"area", 3,
       [this](Double y) {
         CreateWindowArea(1, y, 3, y + 0.5);
       },
       [this] { DeleteLastItem<frmAreaSelect>("mnuAreasShow"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DrawingDriver::Choose("mnuSelectClr");
    const Long firstMember = ObjCount + 1;
    c.make(c.y);
    const Long lastMember = ObjCount;
    const Long freed = ItemCount;
    c.deleteIt();
    ASSERT_EQ(ItemCount, freed - 1);  // the last item was dropped

    AddLine(5, c.y, 6, c.y);
    RefreshDocView(doc_);
    SelectWindow(4.5, c.y - 0.4, 6.5, c.y + 0.4);
    DrawingDriver::Choose("mnuEditCompCreate");
    input_->ClickAt(5, c.y);
    ASSERT_EQ(ComponentItem, freed);  // the number given again
    EXPECT_EQ(Items[ComponentItem].Nlines, 1);
    EXPECT_EQ(ItemMembers(ComponentItem).size(), 1u);

    const size_t lines = DrawingLines().size();
    ChooserPick = ComponentItem;
    DrawingDriver::Choose("mnuInsertCompImage");
    input_->ClickAt(6.5, c.y + 1);
    Place(ComponentItem, 4, c.y + 1, 1, 1, 0);
    RefreshDocView(doc_);
    DrawingDriver::Choose("mnuEditCompExplode");
    input_->ClickAt(4, c.y + 1);
    EXPECT_EQ(DrawingLines().size(), lines + 2);  // one line from each
    DrawingDriver::Choose("mnuEditShow");
    EXPECT_EQ(MessagePanel(2), " 0 Lines Un Hidden");
    for (Long i = firstMember; i <= lastMember; ++i) {
      EXPECT_EQ(Objs[i].DwgNo, 0) << i;
      EXPECT_EQ(Objs[i].OwnerID, 0) << i;
    }
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

TEST_F(ComponentsTest, PlacePutsASelectedPlacementAtTheViewCentreInTheGripFrame) {
  ChooserPick = AddDefinition("Bar", 0, 0, 1, 0);
  DrawingDriver::Choose("mnuInsertCompplace");
  const Long placed = ObjCount;
  ASSERT_EQ(Objs[placed].Rtype, EntityComponent);
  EXPECT_DOUBLE_EQ(PX(placed, 1), (doc_->XVmin + doc_->XVmax) / 2);
  EXPECT_DOUBLE_EQ(PY(placed, 1), (doc_->YVmin + doc_->YVmax) / 2);
  EXPECT_DOUBLE_EQ(PX(placed, 2), 1);
  EXPECT_DOUBLE_EQ(PY(placed, 2), 1);
  EXPECT_DOUBLE_EQ(PX(placed, 3), 0);
  EXPECT_EQ(Objs[placed].ObjectID, ChooserPick);
  EXPECT_EQ(Objs[placed].Selected, FlagTrue);
  EXPECT_EQ(MessagePanel(1), "Place Component");
  EXPECT_EQ(MessagePanel(2), "Enter a Placement Location >");
  EXPECT_EQ(GroupDragOn, FlagTrue);
  EXPECT_EQ(FrameShown, FlagTrue);
  input_->Escape();
  EXPECT_EQ(ComponentActive, FlagFalse);
  EXPECT_TRUE(EqualsFreshRedraw());
}

// After the chooser, a click away from the frame puts the placement there;
// a drag that starts inside the frame moves it by the drag. The command
// waits for more until Esc.
TEST_F(ComponentsTest, PlaceTakesAClickAsTheLocationAndADragInsideTheFrameMovesIt) {
  // The component is made from a line by Create; the line stays where it
  // is: the placement alone is moved.
  const Long line = AddLine(1, 4, 2, 4.5);
  SelectWindow(0.5, 3.5, 2.5, 5);
  DrawingDriver::Choose("mnuEditCompCreate");
  input_->ClickAt(1, 4);
  ChooserPick = ComponentItem;
  ASSERT_GE(ChooserPick, 1);
  DrawingDriver::Choose("mnuInsertCompplace");
  const Long placed = ObjCount;
  ASSERT_EQ(Objs[placed].Rtype, EntityComponent);
  input_->ClickAt(1, 1);
  EXPECT_DOUBLE_EQ(PX(placed, 1), 1);
  EXPECT_DOUBLE_EQ(PY(placed, 1), 1);
  EXPECT_EQ(ObjCount, placed);  // moved, not placed again
  EXPECT_EQ(FrameShown, FlagTrue);
  EXPECT_EQ(ComponentActive, FlagTrue);

  input_->Press(1.5, 1.25);  // the frame's middle: no grip, no outline
  input_->MoveTo(2, 1.75, Qt::LeftButton);
  input_->MoveTo(2.5, 2.25, Qt::LeftButton);
  input_->Release(2.5, 2.25);
  EXPECT_NEAR(PX(placed, 1), 2, 1e-6);
  EXPECT_NEAR(PY(placed, 1), 2, 1e-6);
  EXPECT_DOUBLE_EQ(PX(placed, 2), 1);  // the scale is kept
  EXPECT_EQ(Objs[line].Selected, FlagFalse);
  EXPECT_DOUBLE_EQ(PX(line, 1), 1);  // the line stays where it was
  EXPECT_DOUBLE_EQ(PY(line, 1), 4);
  EXPECT_EQ(ComponentActive, FlagTrue);
  input_->Escape();
  EXPECT_EQ(ComponentActive, FlagFalse);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(ComponentsTest, PlaceImageOfAComponentWiderThanTheViewRescalesTheView) {
  const Double viewWidth = doc_->XVmax - doc_->XVmin;
  ChooserPick = AddDefinition("Beam", 0, 0, 3 * viewWidth, 0);
  DrawingDriver::Choose("mnuInsertCompImage");
  EXPECT_GT(doc_->XVmax - doc_->XVmin, viewWidth);
  input_->Escape();
  EXPECT_TRUE(EqualsFreshRedraw());
}

// Insert, Component, Image selects the placement, then erases it for its
// pieces: two Undos bring it back out of the selection, carrying no number,
// so a Select Line pick on another line then selects that line alone, and
// Move moves it alone.
TEST_F(ComponentsTest, APlacementBroughtBackByUndoJoinsNoLaterSet) {
  ChooserPick = AddDefinition("Bar", 0, 0, 1, 0.5);
  const Long other = AddLine(1, 4, 3, 4);
  RefreshDocView(doc_);
  DrawingDriver::Choose("mnuInsertCompImage");
  const Long placement = ObjCount;
  ASSERT_EQ(Objs[placement].Rtype, EntityComponent);
  ASSERT_EQ(Objs[placement].Selected, FlagTrue);
  input_->ClickAt(3, 2);
  ASSERT_EQ(Objs[placement].Erased, FlagTrue);
  DrawingDriver::Choose("mnuEditUndo");
  DrawingDriver::Choose("mnuEditUndo");
  ASSERT_EQ(Objs[placement].Erased, 0);
  EXPECT_EQ(Objs[placement].Selected, 0);
  EXPECT_EQ(Objs[placement].Select, 0);

  DrawingDriver::Choose("mnuSelectItems");
  input_->ClickAt(2, 4);
  EXPECT_EQ(MessagePanel(3), " 1: Lines Selected");
  input_->Escape();
  EXPECT_EQ(Objs[placement].Selected, 0);
  const Double placedX = PX(placement, 1), placedY = PY(placement, 1);
  DrawingDriver::Choose("mnuEditMove");
  input_->ClickEach({{2, 4}, {2, 4.5}});
  EXPECT_EQ(PY(other, 1), 4.5);
  EXPECT_EQ(PX(placement, 1), placedX);
  EXPECT_EQ(PY(placement, 1), placedY);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(ComponentsTest, ACancelledChooserPlacesNothing) {
  ChooserPick = 0;
  for (const char* item : {"mnuInsertCompplace", "mnuInsertCompImage"}) {
    const Long objs = ObjCount;
    DrawingDriver::Choose(item);
    EXPECT_EQ(ObjCount, objs) << item;
    EXPECT_EQ(ComponentActive, FlagFalse) << item;
  }
}

TEST_F(ComponentsTest, PlaceImageFollowsTheMouseAndLeavesOrdinaryLines) {
  ChooserPick = AddDefinition("Bar", 0, 0, 1, 0.5);
  const Single scale = doc_->View_Scale;
  DrawingDriver::Choose("mnuInsertCompImage");
  EXPECT_EQ(doc_->View_Scale, scale);  // narrower than the view: no rescale
  EXPECT_EQ(OutlineOn, FlagTrue);
  EXPECT_EQ(MessagePanel(2), "Enter a Placement Location >");
  input_->MoveTo(2, 2);
  input_->MoveTo(3, 2);
  input_->ClickAt(3, 2);
  const std::vector<Long> lines = DrawingLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_DOUBLE_EQ(PX(lines[0], 1), 3);
  EXPECT_DOUBLE_EQ(PY(lines[0], 1), 2);
  EXPECT_DOUBLE_EQ(PX(lines[0], 2), 4);
  EXPECT_DOUBLE_EQ(PY(lines[0], 2), 2.5);
  EXPECT_EQ(Objs[PlacedObj].Erased, FlagTrue);
  EXPECT_EQ(OutlineOn, FlagFalse);
  EXPECT_EQ(ComponentActive, FlagFalse);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(ComponentsTest, ADrawingWithPlacementsDrawsTheSameAfterSaveAndLoad) {
  DwgDbPath = ScratchPath("Round_dwg.mdb");
  CreateEmptyDrawingsDb(DwgDbPath);
  AddLine(1, 1, 3, 1);
  AddCircle(2, 2, 0.5);
  RefreshDocView(doc_);
  SelectWindow(0.5, 0.5, 3.5, 3.5);
  DrawingDriver::Choose("mnuEditCompReplace");
  ASSERT_EQ(Objs[ObjCount].Rtype, EntityComponent);
  Dwgs[CurDwg].Name = "Round Trip";
  ASSERT_TRUE(SaveDrawing(CurDwg, {ComponentItem}, false));
  const DbKey drawId = Dwgs[CurDwg].DrawID;
  RefreshDocView(doc_);
  const QImage before = doc_->Image().copy();

  ResetModel();  // nothing of the drawing or its component stays in memory
  NewDwgRec(CurDwg);
  RefreshDocView(doc_);
  ASSERT_NE(doc_->Image(), before);  // the placement was on the picture
  Dwgs[CurDwg].DrawID = drawId;
  Dwgs[CurDwg].Name = "Round Trip";
  ASSERT_TRUE(LoadDrawing());
  Long placements = 0;
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i)
    placements += Objs[i].DwgNo == CurDwg && Objs[i].Rtype == EntityComponent;
  EXPECT_EQ(placements, 1);
  RefreshDocView(doc_);
  EXPECT_EQ(doc_->Image(), before);
}

// A fill and a hatch are drawn from an area of their drawing: Make Into
// leaves them in the drawing with their area, as Create copies none of them.
class PaintedComponentTest : public ComponentsTest {
 protected:
  static constexpr Long Red = 0x0000FF, Green = 0x00FF00;
  struct MadeInto {
    Long fill, hatch;  // the square's fill and hatch
    QImage before;     // the window before Make Into
  };
  // The unit square at (1, 1), filled green and hatched red, selected by a
  // window and made into a component through Edit, Component, Make Into.
  MadeInto MakePaintedSquareIntoComponent() {
    PaintedSquare(*input_, Responder(), 1, 1, 1, Green, Red);
    RefreshDocView(doc_);
    MadeInto made{ObjCount - 1, ObjCount, doc_->Image().copy()};
    SelectWindow(0.7, 0.7, 2.3, 2.3);
    DrawingDriver::Choose("mnuEditCompReplace");
    EXPECT_EQ(Objs[ObjCount].Rtype, EntityComponent);
    return made;
  }
  // The paint of an image: red (hatch) and green (fill) pixels.
  static std::pair<int, int> Paint(const QImage& image) { return {PixelsOfColour(image, Red), PixelsOfColour(image, Green)}; }
  // The paint inside the square, two pixels in from its lines: the lines of
  // a placement are drawn after the paint, over its edge, where the lines
  // drawn before it lay under it.
  static std::pair<int, int> PaintInside(const QImage& image) {
    const Long x1 = RoundToLong(ViewPixelX(1)) + 2, x2 = RoundToLong(ViewPixelX(2)) - 2;
    const Long y1 = RoundToLong(ViewPixelY(1)) + 2, y2 = RoundToLong(ViewPixelY(2)) - 2;
    const QRect inside(static_cast<int>(x1), static_cast<int>(ViewPixMaxY - y2), static_cast<int>(x2 - x1 + 1),
                       static_cast<int>(y2 - y1 + 1));
    return Paint(image.copy(inside));
  }
};

TEST_F(PaintedComponentTest, MakeIntoLeavesTheFillAndHatchInTheDrawingAndASaveAndReopenKeepsThem) {
  DwgDbPath = ScratchPath("Painted_dwg.mdb");
  CreateEmptyDrawingsDb(DwgDbPath);
  const MadeInto madeInto = MakePaintedSquareIntoComponent();
  const std::pair<int, int> painted = PaintInside(madeInto.before);
  ASSERT_GT(painted.first, 300);
  ASSERT_GT(painted.second, 300);
  EXPECT_EQ(Items[ComponentItem].Nlines, 4);  // the lines only
  for (const Long paint : {madeInto.fill, madeInto.hatch}) {
    EXPECT_EQ(Objs[paint].DwgNo, CurDwg) << paint;
    EXPECT_EQ(Objs[paint].Selected, FlagFalse) << paint;
  }
  EXPECT_TRUE(EqualsFreshRedraw());
  EXPECT_EQ(PaintInside(doc_->Image()), painted);  // the drawing looks as it did
  const QImage made = doc_->Image().copy();

  FileSaveAsOffered(Responder(), false);
  FixedDpiDocument* reopened = Open(2);
  FileOpenStored(Responder(), Dwgs[1].DrawID, Dwgs[1].Name);
  ShowAtScale(reopened, 48, 24);
  RefreshDocView(reopened);
  EXPECT_TRUE(reopened->Image() == made);
}

TEST_F(PaintedComponentTest, ExplodeOfThePlacementMadeIntoBringsTheLinesBackBesideTheirFillAndHatch) {
  const std::pair<int, int> painted = PaintInside(MakePaintedSquareIntoComponent().before);
  DrawingDriver::Choose("mnuEditCompExplode");
  input_->ClickAt(1, 1);
  std::vector<std::pair<Double, Double>> ends;
  for (const Long line : DrawingLines()) ends.emplace_back(PX(line, 1), PY(line, 1));
  EXPECT_EQ(ends, (std::vector<std::pair<Double, Double>>{{1, 1}, {2, 1}, {2, 2}, {1, 2}}));
  EXPECT_TRUE(EqualsFreshRedraw());
  EXPECT_EQ(PaintInside(doc_->Image()), painted);
}

TEST_F(PaintedComponentTest, APlacementInAnotherDrawingShowsNoneOfTheFirstDrawingsFillOrHatch) {
  MakePaintedSquareIntoComponent();
  ChooserPick = ComponentItem;
  RefreshDocView(doc_);
  const QImage first = doc_->Image().copy();
  FixedDpiDocument* second = Open(2, "Second");
  ShowAtScale(second, 48, 24);
  RefreshDocView(second);
  DrawingDriver there(*second);
  DrawingDriver::Choose("mnuInsertCompplace");
  there.ClickAt(4, 3);
  there.Escape();
  RefreshDocView(second);
  EXPECT_EQ(Paint(second->Image()), std::make_pair(0, 0));
  EXPECT_GT(PixelsOfColour(second->Image(), ColorBlue), 48);  // the placement, selected, is drawn dotted

  const PdfFirstPage pdf = FilePrintedPage(Responder(), QString::fromStdString(ScratchPath("second.pdf")), 200);
  ASSERT_EQ(MessagePanel(3), "Drawing printed.");
  for (const PrimaryInk ink : {PrimaryInk::Red, PrimaryInk::Green})
    EXPECT_FALSE(InkOfColourIn(pdf.image, pdf.image.rect(), ink)) << "on the second drawing's page";
  RefreshDocView(doc_);
  EXPECT_TRUE(doc_->Image() == first);
}

class ComponentNamesTest : public StoredDrawingTest {};

TEST_F(ComponentNamesTest, ANameStoredOnlyInTheDrawingsDatabaseIsNotReused) {
  AddComponentRow("New Component 1", 0);
  NewComponent();
  EXPECT_EQ(ComponentName, "New Component 2");
}

}  // namespace
}  // namespace lintavo
