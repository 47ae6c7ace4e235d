// UndoRedo: undo and redo steps with their menu captions, item deletion and
// closing drawings.
#include <gtest/gtest.h>

#include "model/Picks.h"
#include "model/UndoRedo.h"
#include "organisation/Layers.h"
#include "support/ModelFixture.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

using UndoRedoTest = ModelFixture;

bool IsShown(Long objNo) { return Objs[objNo].Show == FlagTrue && Objs[objNo].Erased == 0; }
bool IsErased(Long objNo) { return Objs[objNo].Show == 0 && Objs[objNo].Erased == FlagTrue; }

// A glyph of the support data at the bottom of the tables, below the base counts.
void LoadSupportGlyph() {
  LoadObj.Rtype = EntityLine;
  LoadObj.Show = FlagTrue;
  LoadObj.Flag = 1;  // the stored value: no step of any drawing
  LoadObj.NPoints = 0;
  AddLoadedObj();
  BaseObjCount = ObjCount;
  BasePntCount = PntCount;
}

// ---- Undo and redo -------------------------------------------------------------------------

TEST_F(UndoRedoTest, UndoRemovesAnAddedLineAndRedoBringsItBack) {
  ShowMainWindow();
  const Long line = AddLine(0, 0, 5, 5);
  EXPECT_EQ(UndoText(), "Undo Add Line");
  EXPECT_TRUE(UndoEnabled());
  EXPECT_FALSE(RedoEnabled());

  Undo();
  EXPECT_TRUE(IsErased(line));
  EXPECT_EQ(RedoText(), "Redo Add Line");
  EXPECT_TRUE(RedoEnabled());
  EXPECT_FALSE(UndoEnabled());  // back at step 0, where a further Undo does nothing
  Undo();
  EXPECT_TRUE(IsErased(line));
  EXPECT_EQ(Dwgs[1].UndoPos, 0);

  Redo();
  EXPECT_TRUE(IsShown(line));
  EXPECT_EQ(UndoText(), "Undo Add Line");
  EXPECT_TRUE(UndoEnabled());
  EXPECT_FALSE(RedoEnabled());  // at the drawing's last step
}

TEST_F(UndoRedoTest, UndoOfAnEraseShowsTheLineAgainAndRedoErasesIt) {
  ShowMainWindow();
  const Long line = AddLine(0, 0, 5, 5);
  EraseObj(line);
  EXPECT_EQ(Objs[line].Flag, 2);
  EXPECT_EQ(Dwgs[1].Nlines, 0);
  EXPECT_EQ(UndoText(), "Undo Erase Line");

  Undo();
  EXPECT_TRUE(IsShown(line));
  EXPECT_EQ(RedoText(), "Redo Erase Line ");
  EXPECT_EQ(UndoText(), "Undo Add Line ");

  Redo();
  EXPECT_TRUE(IsErased(line));
  EXPECT_EQ(UndoText(), "Undo Erase Line");
}

TEST_F(UndoRedoTest, ActionAfterAnUndoDisablesRedoAndTheUndoneLineStaysErased) {
  ShowMainWindow();
  const Long first = AddLine(0, 0, 5, 5);
  Undo();
  const Long second = AddLine(1, 1, 2, 2);
  EXPECT_FALSE(RedoEnabled());
  EXPECT_EQ(Objs[second].Flag, 2);  // the counter moved past the undone step
  Redo();
  EXPECT_TRUE(IsErased(first));
  EXPECT_TRUE(IsShown(second));
}

TEST_F(UndoRedoTest, UndoInOneDrawingLeavesTheOtherAndTheSupportDataAlone) {
  LoadSupportGlyph();
  const Long mine = AddLine(0, 0, 5, 5);
  frmDocument doc2;
  Open(doc2, 2);
  const Long other = AddLine(1, 1, 2, 2);  // also step 1, of drawing 2
  Undo();                                  // drawing 2's position is left at 0
  Activate(doc_);
  Redo();  // nothing was undone in drawing 1
  EXPECT_TRUE(IsShown(mine));
  EXPECT_TRUE(IsErased(other));

  Undo();
  EXPECT_TRUE(IsErased(mine));
  EXPECT_TRUE(IsShown(1));  // the glyph
  Activate(doc2);
  Redo();
  EXPECT_TRUE(IsShown(other));
  EXPECT_TRUE(IsErased(mine));
}

TEST_F(UndoRedoTest, EntitiesAddedDuringAPreviewOpenNoStepAndLeaveTheMenus) {
  ShowMainWindow();
  AddLine(0, 0, 5, 5);
  Undo();
  PreviewMode = FlagTrue;
  const Long preview = AddLine(1, 1, 2, 2);
  EXPECT_EQ(Dwgs[1].UndoStep, 1);
  EXPECT_EQ(Objs[preview].Flag, 1);
  EXPECT_EQ(RedoText(), "Redo Add Line");
  EXPECT_TRUE(RedoEnabled());
  EXPECT_FALSE(UndoEnabled());
}

// ---- Deleting items -----------------------------------------------------------------------

TEST_F(UndoRedoTest, DeletingTheLastItemDropsItAndItsMembersForGood) {
  const Long member = AddLine(0, 0, 5, 5);
  NewItemName = "Group 1";
  AddItem(ItemGroup);
  const Long group = ItemCount;
  Objs[member].OwnerID = group;
  DeleteItemObjs(group);
  EXPECT_EQ(ItemCount, group - 1);
  EXPECT_EQ(Objs[member].Flag, FlagDeletedWithOwner);
  EXPECT_EQ(Objs[member].Show, 0);
  EXPECT_EQ(Objs[member].Erased, 0);  // left as it was
  EXPECT_EQ(Objs[member].DwgNo, 0);
  Undo();  // its step no longer finds it
  EXPECT_EQ(Objs[member].Show, 0);
}

TEST_F(UndoRedoTest, DeletingAnotherItemLeavesASlotOfKindZero) {
  const Long boundary = AddLine(0, 0, 5, 5);
  AddItem(ItemArea);
  const Long area = ItemCount;
  AddItem(ItemView);
  Objs[boundary].OwnerID = area;
  DeleteItemObjs(area);
  EXPECT_EQ(ItemCount, area + 1);
  EXPECT_EQ(Items[area].Rtype, ItemDeleted);
  EXPECT_EQ(Items[area].Show, 0);
  EXPECT_EQ(Items[area].DwgNo, 0);
  EXPECT_EQ(Objs[boundary].Flag, FlagDeletedWithOwner);
}

// An item takes with it its members of its own drawing and its own geometry
// (drawing 0); an entity of another open drawing that names it as owner
// stays where it is, owner and all, with its step in that drawing.
TEST_F(UndoRedoTest, DeletingAnItemTakesOnlyItsOwnDrawingsMembersAndItsOwnGeometry) {
  AddItem(ItemGroup);
  const Long group = ItemCount;
  AddItem(ItemView);  // the group is not the last item
  struct Case {
    const char* what;
    Integer dwgNo;  // the drawing the entity belongs to
    bool goes;
  };
  const Case cases[] = {{"member of its drawing", 1, true}, {"its own geometry", 0, true},
                        {"entity of another drawing", 2, false}};
  frmDocument other;
  Open(other, 2);
  Activate(doc_);
  std::vector<Long> entities;
  for (const Case& c : cases) {
    const Long obj = AddLine(0, 0, 1, 1);
    Objs[obj].DwgNo = c.dwgNo;
    Objs[obj].OwnerID = group;
    entities.push_back(obj);
  }
  DeleteItemObjs(group);
  for (std::size_t k = 0; k < entities.size(); ++k) {
    const ObjRec& obj = Objs[entities[k]];
    EXPECT_EQ(obj.DwgNo, cases[k].goes ? 0 : cases[k].dwgNo) << cases[k].what;
    EXPECT_EQ(obj.Flag == FlagDeletedWithOwner, cases[k].goes) << cases[k].what;
    EXPECT_EQ(obj.Show, cases[k].goes ? 0 : FlagTrue) << cases[k].what;
  }
}

// ---- Closing drawings ---------------------------------------------------------------------

TEST_F(UndoRedoTest, ClosingADrawingLeavesNothingOfItLiveAndFreesItsSlot) {
  AddLine(0, 0, 5, 5);
  AddLine(1, 1, 3, 3);
  Dwgs[1].DrawID = 7;
  frmDocument doc2;
  Open(doc2, 2);
  const Long other = AddLine(1, 1, 2, 2);
  CloseDwg(1);
  for (Long i = 1; i <= ObjCount; ++i) {
    if (i == other) continue;
    EXPECT_EQ(Objs[i].DwgNo, 0) << i;
    EXPECT_EQ(Objs[i].Flag, 0) << i;
    EXPECT_TRUE(IsErased(i)) << i;
  }
  for (Long i = 1; i <= ItemCount; ++i) EXPECT_NE(Items[i].DwgNo, 1) << i;
  EXPECT_EQ(Objs[other].DwgNo, 2);
  EXPECT_EQ(Dwgs[1].Name, "");
  EXPECT_EQ(Dwgs[1].DrawID, 0);
  EXPECT_EQ(Dwgs[1].Nlines + Dwgs[1].Nobjects + Dwgs[1].Nlayers, 0);
}

TEST_F(UndoRedoTest, SupportDataIsNeverClosedAsADrawing) {
  LoadSupportGlyph();
  CloseDwg(0);
  EraseDwgObjs(0);
  EXPECT_TRUE(IsShown(1));
  EXPECT_EQ(Objs[1].Flag, 1);
}

TEST_F(UndoRedoTest, ResetCutsTheTablesBackToTheBaseCounts) {
  LoadSupportGlyph();
  BaseItemCount = 0;
  AddLine(0, 0, 5, 5);
  Dwgs[CurDwg].SelectSet = 3;
  Dwgs[1].ExtentsChanged = Dwgs[2].ExtentsChanged = FlagFalse;
  ResetModel();
  EXPECT_EQ(ObjCount, 1);
  EXPECT_EQ(PntCount, 0);
  EXPECT_EQ(ItemCount, 0);
  EXPECT_EQ(SelectionSetNumber(), 0);
  EXPECT_EQ(doc_.IsDirty, 0);
  EXPECT_EQ(Dwgs[1].ExtentsChanged, FlagTrue);  // every drawing lost its entities
  EXPECT_EQ(Dwgs[2].ExtentsChanged, FlagTrue);
  EXPECT_EQ(Dwgs[1].Nlines, 1);  // the drawing slots are not touched
}

}  // namespace
}  // namespace lintavo
