// Drawing Properties' Lines against what the drawing holds, after every road
// that takes entities out of a drawing or brings them in: Make Into, Create,
// a component duplicated under a new name, Explode, a group, a layer and an
// area deleted with their lines, each followed by Undo and Redo.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>

#include "commands/EditFixture.h"
#include "model/DataHand.h"
#include "model/LayerItems.h"
#include "organisation/Components.h"
#include "storage/TestDatabase.h"
#include "support/ListClicks.h"
#include "support/ModelBuilders.h"
#include "windows/edit/frmCompEdit.h"
#include "windows/file/frmDwgProperties.h"
#include "windows/show/frmAreaSelect.h"
#include "windows/show/frmGroupSelect.h"
#include "windows/show/frmLayerSelect.h"

namespace lintavo {
namespace {

class LinesCountTest : public EditFixture {
 protected:
  void SetUp() override {
    EditFixture::SetUp();
    DwgDbPath = ScratchPath("Count_dwg.mdb");  // the component editor stores what it copies
    CreateEmptyDrawingsDb(DwgDbPath);
  }

  // Lines as File, Properties shows it.
  Long ShownLines() {
    QString lines;
    Responder().OnDialog<frmDwgProperties>([&lines](frmDwgProperties& dialog) {
      lines = dialog.Text17->text();
      dialog.cmdCancel->click();
    });
    main_->MenuItem("mnuFileProperties")->trigger();
    return lines.toLong();
  }
  // The live entities of drawing 1, counted in the table.
  static Long HeldLines() {
    Long held = 0;
    for (Long i = BaseObjCount + 1; i <= ObjCount; ++i)
      if (Objs[i].DwgNo == 1 && !Objs[i].Erased) ++held;
    return held;
  }
  // Lines shows what the drawing holds after the road, its Undo and its Redo.
  void ExpectCountedThroughUndoAndRedo(const char* road) {
    SCOPED_TRACE(road);
    EXPECT_EQ(ShownLines(), HeldLines()) << "after the road";
    DrawingDriver::Choose("mnuEditUndo");
    EXPECT_EQ(ShownLines(), HeldLines()) << "after Undo";
    DrawingDriver::Choose("mnuEditRedo");
    EXPECT_EQ(ShownLines(), HeldLines()) << "after Redo";
  }
  // The chooser item opens: its row named name clicked, then Delete and Cancel.
  template <typename Chooser>
  void DeleteNamed(const char* item, const String& name) {
    Responder().OnDialog<Chooser>([name](Chooser& dialog) {
      const auto found = dialog.List1->findItems(QString::fromStdString(name), Qt::MatchExactly);
      ASSERT_EQ(found.size(), 1);
      ClickRow(dialog.List1, dialog.List1->row(found[0]));
      dialog.Command2->click();
      dialog.CancelButton->click();
    });
    DrawingDriver::Choose(item);
  }
};

TEST_F(LinesCountTest, DrawingPropertiesCountsWhatTheDrawingHoldsAfterEveryRoadInOrOut) {
  AddLine(1, 1, 3, 1);
  AddLine(1, 2, 3, 2);
  AddLine(1, 4, 3, 4);
  RefreshDocView(doc_);

  // Two of three lines made into a component: one line and the placement.
  SelectWindow(0.5, 0.5, 3.5, 2.5);
  DrawingDriver::Choose("mnuEditCompReplace");
  const Long placement = ObjCount;
  ASSERT_EQ(Objs[placement].Rtype, EntityComponent);
  EXPECT_EQ(ShownLines(), 2);
  ExpectCountedThroughUndoAndRedo("Make Into");

  // The placement exploded: its two lines back in the drawing.
  DrawingDriver::Choose("mnuEditCompExplode");
  input_->ClickAt(1, 1);
  ASSERT_EQ(Objs[placement].Erased, FlagTrue);
  ExpectCountedThroughUndoAndRedo("Explode");

  // The lone line copied into a new component: the drawing keeps it.
  const Long before = HeldLines();
  SelectWindow(0.5, 3.5, 3.5, 4.5);
  DrawingDriver::Choose("mnuEditCompCreate");
  input_->ClickAt(1, 4);
  const Long made = ComponentItem;
  ASSERT_EQ(Items[made].Rtype, ItemComponent);
  EXPECT_EQ(ShownLines(), before);
  ExpectCountedThroughUndoAndRedo("Create");

  // The new component placed twice, the one selected copied under a new name.
  const Long placed = AddCompound(EntityComponent, 5, 1, 0);
  Objs[placed].Name = Items[made].Name;
  Objs[placed].OwnerID = Objs[placed].ObjectID = made;
  const Long other = AddCompound(EntityComponent, 5, 3, 0);
  Objs[other].Name = Items[made].Name;
  Objs[other].OwnerID = Objs[other].ObjectID = made;
  RefreshDocView(doc_);
  SelectWindow(4.5, 0.5, 5.5, 1.5);
  Responder().OnDialog<frmCompEdit>(
      [](frmCompEdit& dialog) {
        dialog.TxtName->setText("Copied");
        dialog.cmdUpdate->click();
        dialog.OKButton->click();
      },
      &frmCompEdit::CancelButton);
  DrawingDriver::Choose("mnuEditCompEdit");
  ASSERT_EQ(Items[ItemCount].Name, "Copied");
  ExpectCountedThroughUndoAndRedo("a component duplicated");

  // A group of two lines deleted with them.
  const Long a = AddLine(1, 6, 3, 6), b = AddLine(1, 7, 3, 7);
  RefreshDocView(doc_);
  SelectWindow(0.5, 5.5, 3.5, 7.5);
  GroupTheSelection();
  const Long group = Objs[a].OwnerID;
  ASSERT_EQ(Items[group].Rtype, ItemGroup);
  DeleteNamed<frmGroupSelect>("mnuGroupsShow", Items[group].Name);
  ASSERT_EQ(Objs[b].DwgNo, 0);
  ExpectCountedThroughUndoAndRedo("a group deleted with its lines");

  // A layer of one line deleted with it.
  const Long layer = EnsureLayer("Doomed");
  const Long onLayer = AddLine(6, 6, 7, 6);
  Objs[onLayer].LayerID = layer;
  RefreshDocView(doc_);
  Responder().AnswerMsgBox(vbYes);  // "The Lines on this Layer will be Deleted with the Layer, ..."
  DeleteNamed<frmLayerSelect>("mnuSelectLayer", "Doomed");
  ASSERT_EQ(Objs[onLayer].DwgNo, 0);
  ExpectCountedThroughUndoAndRedo("a layer deleted with its line");

  // An area made by a window, deleted with its boundary.
  const Long boundary = CreateWindowArea(4, 4, 6, 5);
  const Long area = Objs[boundary].OwnerID;
  ASSERT_EQ(Items[area].Rtype, ItemArea);
  EXPECT_EQ(ShownLines(), HeldLines());
  DeleteNamed<frmAreaSelect>("mnuAreasShow", Items[area].Name);
  ASSERT_EQ(Objs[boundary].DwgNo, 0);
  ExpectCountedThroughUndoAndRedo("an area deleted with its boundary");
}

}  // namespace
}  // namespace lintavo
