// Whether closing a drawing asks to save it: every menu command that changes
// what a save stores, run right after File, Save, makes File, Close ask; a
// command or dialog that ends where it began, and a drawing unchanged since
// its save or its load, close without a question; File, Exit asks once for
// each changed window.
#include <QDialog>
#include <ostream>
#include <vector>

#include "annotation/Dimension.h"
#include "commands/EditFixture.h"
#include "commands/GripFrame.h"
#include "model/LayerItems.h"
#include "organisation/Components.h"
#include "model/UndoRedo.h"
#include "platform/Prompts.h"
#include "support/DialogKeys.h"
#include "storage/FileMenu.h"
#include "storage/TestDatabase.h"
#include "windows/file/frmDwgProperties.h"
#include "windows/show/frmAreaSelect.h"
#include "windows/show/frmLayerCtl.h"
#include "windows/show/frmLayerSelect.h"
#include "windows/show/frmViewSelect.h"

namespace lintavo {
namespace {

constexpr const char* ChangedQuestion = "Drawing Has Changed! Do You want to Save the Drawing?";

class ChangedDrawingTest;
// A command that changes the drawing, run after the save; before, when
// given, runs first and is saved with the drawing.
struct ChangeRow {
  const char* name;
  void (*before)(ChangedDrawingTest&);
  void (*act)(ChangedDrawingTest&);
};
void PrintTo(const ChangeRow& row, std::ostream* out) { *out << row.name; }

// Drawing 1 holds a line on its layer "Layer 1", an empty layer "Walls",
// a group and an area, in a drawings database of the test's own.
class ChangedDrawingTest : public EditFixture, public ::testing::WithParamInterface<ChangeRow> {
 protected:
  void SetUp() override {
    EditFixture::SetUp();
    DwgDbPath = ScratchPath("Changed_dwg.mdb");
    CreateEmptyDrawingsDb(DwgDbPath);
    DimLayerName = "Dimension 1";
    AddLine(1, 1, 4, 1);
    walls_ = EnsureLayer("Walls");
    posts_ = AddNamedItem(ItemGroup, "Posts");
    AddNamedItem(ItemArea, "Yard");
    RefreshDocView(doc_);
  }

  // The number of times the close question was asked from prompt number from on.
  size_t QuestionsAsked(size_t from) {
    size_t asked = 0;
    for (const PromptRecord& box : Responder().MessageBoxes(from))
      if (box.text.starts_with(ChangedQuestion)) ++asked;
    return asked;
  }

 public:
  using EditFixture::Responder;
  DrawingDriver& Input() { return *input_; }
  void SelectTheLine() { SelectWindow(0.5, 0.5, 4.5, 1.5); }
  // Show/Edit, Layers: row (-1 none) clicked, button pressed, then Cancel.
  void InLayerControl(int row, QPushButton* frmLayerCtl::*button) {
    Responder().OnDialog<frmLayerCtl>([row, button](frmLayerCtl& dialog) {
      if (row >= 0) ClickRow(dialog.lv, row);
      (dialog.*button)->click();
    }, &frmLayerCtl::cmdCancel);
    DrawingDriver::Choose("mnuLayersShow");
  }
  // Select Top Layer (the tool bar's "Layers"), the chooser worked by work.
  void InTopLayerChooser(void (*work)(frmLayerSelect&)) {
    Responder().OnDialog<frmLayerSelect>(work, &frmLayerSelect::CancelButton);
    DrawingDriver::PressButton("Layers");
  }
  void DragTheGripFrame() {
    SelectTheLine();
    DrawingDriver::PressButton("Move");
    const Single x = WorkGrips[1].X - 2, y = (WorkGrips[1].Y + WorkGrips[8].Y) / 2;
    input_->PressAt(input_->PositionOfPixel(x, y));
    input_->MoveToPosition(input_->PositionOfPixel(x + 24, y), Qt::LeftButton);
    input_->ReleaseAt(input_->PositionOfPixel(x + 24, y));
  }
  // A press on the grip frame's outline between grips 1 and 2 and one on
  // its rotation grip, each held still (the pointer reports the place it
  // was pressed at) and let go there.
  void PressTheGripFrame() {
    SelectTheLine();
    DrawingDriver::PressButton("Move");
    const QPointF outline = input_->PositionOfPixel((WorkGrips[1].X + WorkGrips[2].X) / 2, WorkGrips[1].Y);
    const QPointF rotation = input_->PositionOfPixel(WorkGrips[9].X, WorkGrips[9].Y);
    for (const QPointF at : {outline, rotation}) {
      input_->PressAt(at);
      input_->MoveToPosition(at, Qt::LeftButton);
      input_->ReleaseAt(at);
    }
  }
  // View, Create, Area, Points with three corners clicked: the boundary is open.
  void BeginAnAreaByPoints() {
    DrawingDriver::Choose("mnuViewAreasPoints");
    input_->ClickEach({{2, 2}, {5, 2}, {5, 4}});
  }
  // File, New Drawing (its window becomes the active one), then back to drawing 1.
  void TurnToANewWindowAndBack() {
    DrawingDriver::Choose("mnuFileNew");
    Activate(doc_);
  }
  // Show/Edit, Groups: "Posts" clicked (its preview shows it), work done, then the closer.
  void InGroupChooser(void (*work)(frmGroupSelect&), QPushButton* frmGroupSelect::*closer) {
    Responder().OnDialog<frmGroupSelect>([work](frmGroupSelect& dialog) {
      ClickLastRow(dialog.List1);
      if (work) work(dialog);
    }, closer);
    DrawingDriver::Choose("mnuGroupsShow");
  }
  template <typename Chooser>
  void DeleteLast(const char* item) { DeleteLastItem<Chooser>(item); }
  void Group() { GroupTheSelection(); }

  Long walls_ = 0;  // layer "Walls", the chooser's last row
  Long posts_ = 0;  // group "Posts", the group chooser's only row
};

constexpr int WallsRow = 2;  // in the layer list: "New Layer 1", "Layer 1", "Walls"

void Choose(const char* item) { DrawingDriver::Choose(item); }
void LockWalls(ChangedDrawingTest& t) { Items[t.walls_].Lock = FlagTrue; }
void HideWalls(ChangedDrawingTest& t) { Items[t.walls_].Show = FlagFalse; }
void HidePosts(ChangedDrawingTest& t) { Items[t.posts_].Show = FlagFalse; }
void BeginAnArea(ChangedDrawingTest& t) { t.BeginAnAreaByPoints(); }

const ChangeRow Rows[] = {
    {"EditErase", nullptr, [](ChangedDrawingTest& t) {
       t.SelectTheLine();
       Choose("mnuEditErase");
     }},
    {"DeleteKey", nullptr, [](ChangedDrawingTest& t) {
       t.SelectTheLine();
       t.Input().PressKey(Qt::Key_Delete, QString(QChar(127)));
     }},
    {"EditUndo", nullptr, [](ChangedDrawingTest&) { Choose("mnuEditUndo"); }},
    {"EditRedo", [](ChangedDrawingTest&) { Choose("mnuEditUndo"); }, [](ChangedDrawingTest&) { Choose("mnuEditRedo"); }},
    {"CreateLayer", nullptr, [](ChangedDrawingTest&) { Choose("mnuViewLayer"); }},
    {"CreateView", nullptr, [](ChangedDrawingTest& t) {
       t.Responder().OnDialog<frmViewSelect>([](frmViewSelect& dialog) {
         ClickLastRow(dialog.List1);
         dialog.OKButton->click();
       });
       Choose("mnuViewView");
     }},
    {"CreateGroup", nullptr, [](ChangedDrawingTest& t) {
       t.SelectTheLine();
       t.Group();
     }},
    {"AreaBegunAndAbandoned", nullptr, [](ChangedDrawingTest& t) {
       Choose("mnuViewAreasWindow");
       t.Input().ClickAt(0.5, 0.5);
       t.Input().Escape();
     }},
    {"LockOneLayer", nullptr, [](ChangedDrawingTest& t) { t.InLayerControl(WallsRow, &frmLayerCtl::cmdLocks); }},
    {"UnlockOneLayer", LockWalls, [](ChangedDrawingTest& t) { t.InLayerControl(WallsRow, &frmLayerCtl::cmdLocks); }},
    {"HideOneLayer", nullptr, [](ChangedDrawingTest& t) { t.InLayerControl(WallsRow, &frmLayerCtl::cmdShows); }},
    {"ShowOneLayer", HideWalls, [](ChangedDrawingTest& t) { t.InLayerControl(WallsRow, &frmLayerCtl::cmdShows); }},
    {"HideAllLayers", nullptr, [](ChangedDrawingTest& t) { t.InLayerControl(-1, &frmLayerCtl::cmdHide); }},
    {"ShowAllLayers", HideWalls, [](ChangedDrawingTest& t) { t.InLayerControl(-1, &frmLayerCtl::cmdShow); }},
    {"LockAllLayers", nullptr, [](ChangedDrawingTest& t) { t.InLayerControl(-1, &frmLayerCtl::cmdLock); }},
    {"UnlockAllLayers", LockWalls, [](ChangedDrawingTest& t) { t.InLayerControl(-1, &frmLayerCtl::cmdUnlock); }},
    {"DeleteArea", nullptr, [](ChangedDrawingTest& t) { t.DeleteLast<frmAreaSelect>("mnuAreasShow"); }},
    {"DeleteGroup", nullptr, [](ChangedDrawingTest& t) { t.DeleteLast<frmGroupSelect>("mnuGroupsShow"); }},
    {"LayerChooserAdd", nullptr, [](ChangedDrawingTest& t) {
       t.InTopLayerChooser([](frmLayerSelect& dialog) { dialog.Command1->click(); });
     }},
    {"LayerChooserDelete", nullptr, [](ChangedDrawingTest& t) {
       t.InTopLayerChooser([](frmLayerSelect& dialog) {
         ClickLastRow(dialog.List1);
         dialog.Command2->click();
       });
     }},
    {"TopLayerNewLayerTakesTheSelection", nullptr, [](ChangedDrawingTest& t) {
       t.SelectTheLine();
       t.Responder().AnswerMsgBox(vbYes);  // move the selected lines
       t.InTopLayerChooser([](frmLayerSelect& dialog) {
         dialog.Command1->click();
         ClickLastRow(dialog.List1);
         dialog.OKButton->click();
       });
     }},
    {"GripFrameMove", nullptr, [](ChangedDrawingTest& t) { t.DragTheGripFrame(); }},
    {"AreaBegunBeforeTheSaveLeftByEsc", BeginAnArea, [](ChangedDrawingTest& t) { t.Input().Escape(); }},
    {"AreaBegunBeforeTheSaveLeftForAnotherWindow", BeginAnArea, [](ChangedDrawingTest& t) { t.TurnToANewWindowAndBack(); }},
    {"AreaBegunBeforeTheSaveLeftForDrawLine", BeginAnArea, [](ChangedDrawingTest&) { Choose("mnuDrawLineSingle"); }},
    {"DimensionBuilt", nullptr, [](ChangedDrawingTest& t) {
       Choose("mnuInsertLeaderDim");
       t.Input().ClickEach({{2, 3}, {3, 4}});
     }},
    {"UndoWhileADimensionWaitsThenEsc", nullptr, [](ChangedDrawingTest& t) {
       Choose("mnuInsertLinearDim");
       Choose("mnuEditUndo");
       t.Input().Escape();
     }},
    {"DimensionBuiltThenAnotherWaits", nullptr, [](ChangedDrawingTest& t) {
       Choose("mnuInsertLeaderDim");
       t.Input().ClickEach({{2, 3}, {3, 4}});
       Choose("mnuInsertLinearDim");
       t.Input().ClickAt(2, 2);
     }},
    {"HiddenGroupPreviewedThenOK", HidePosts, [](ChangedDrawingTest& t) {
       t.InGroupChooser(nullptr, &frmGroupSelect::OKButton);
     }},
    {"HiddenGroupPreviewedRenamedThenCancelled", HidePosts, [](ChangedDrawingTest& t) {
       t.InGroupChooser([](frmGroupSelect& dialog) { RetypeAndEnter(dialog.TxtName, "Beams"); },
                        &frmGroupSelect::CancelButton);
     }},
};

TEST_P(ChangedDrawingTest, FileCloseAsksWhenTheCommandChangedTheSavedDrawing) {
  if (GetParam().before) GetParam().before(*this);
  FileSaveAsOffered(Responder(), false);
  GetParam().act(*this);
  const size_t from = Responder().Prompts().size();
  Responder().AnswerMsgBox(vbNo);
  Choose("mnuFileClose");
  EXPECT_EQ(QuestionsAsked(from), 1u);
}

INSTANTIATE_TEST_SUITE_P(MenuCommands, ChangedDrawingTest, ::testing::ValuesIn(Rows),
                         [](const ::testing::TestParamInfo<ChangeRow>& info) { return info.param.name; });

// A command or dialog run after the save that ends where it began.
class UnchangedDrawingTest : public ChangedDrawingTest {};

const ChangeRow UnchangedRows[] = {
    // Close ends a dimension waiting on its own layer as Esc ends it.
    {"DimensionWaitingForItsFirstPoint", nullptr, [](ChangedDrawingTest&) { Choose("mnuInsertLinearDim"); }},
    {"DimensionWaitingAfterItsFirstPoint", nullptr, [](ChangedDrawingTest& t) {
       Choose("mnuInsertLinearDim");
       t.Input().ClickAt(2, 3);
     }},
    {"DimensionEscBeforeItsFirstPoint", nullptr, [](ChangedDrawingTest& t) {
       Choose("mnuInsertLinearDim");
       t.Input().Escape();
     }},
    {"DimensionEscAfterItsFirstPoint", nullptr, [](ChangedDrawingTest& t) {
       Choose("mnuInsertLinearDim");
       t.Input().ClickAt(2, 3);
       t.Input().Escape();
     }},
    {"DimensionLeftForAnotherWindow", nullptr, [](ChangedDrawingTest& t) {
       Choose("mnuInsertLinearDim");
       t.Input().ClickAt(2, 3);
       t.TurnToANewWindowAndBack();
     }},
    {"HiddenGroupPreviewedThenCancelled", HidePosts, [](ChangedDrawingTest& t) {
       t.InGroupChooser(nullptr, &frmGroupSelect::CancelButton);
     }},
    {"HiddenGroupPreviewedTwiceThenCancelled", HidePosts, [](ChangedDrawingTest& t) {
       t.InGroupChooser([](frmGroupSelect& dialog) { ClickLastRow(dialog.List1); }, &frmGroupSelect::CancelButton);
     }},
    {"CreateViewCancelled", nullptr, [](ChangedDrawingTest& t) {
       t.Responder().OnDialog<frmViewSelect>([](frmViewSelect&) {}, &frmViewSelect::CancelButton);
       Choose("mnuViewView");
     }},
    {"GripFramePressedNotDragged", nullptr, [](ChangedDrawingTest& t) { t.PressTheGripFrame(); }},
};

TEST_P(UnchangedDrawingTest, FileCloseAsksNothingWhenTheCommandEndedWhereItBegan) {
  if (GetParam().before) GetParam().before(*this);
  FileSaveAsOffered(Responder(), false);
  GetParam().act(*this);
  Choose("mnuFileClose");
  EXPECT_EQ(QuestionsAsked(0), 0u);
}

INSTANTIATE_TEST_SUITE_P(MenuCommands, UnchangedDrawingTest, ::testing::ValuesIn(UnchangedRows),
                         [](const ::testing::TestParamInfo<ChangeRow>& info) { return info.param.name; });

// The boundary of an area left unfinished after the save leaves the drawing:
// Close asks, and the save it offers stores the drawing without it.
TEST_F(ChangedDrawingTest, AnAreaLeftUnfinishedAfterTheSaveIsAskedForAndNotStored) {
  BeginAnAreaByPoints();
  FileSaveAsOffered(Responder(), false);
  const DbKey key = Dwgs[1].DrawID;
  const String name = Dwgs[1].Name;
  Input().Escape();
  Responder().AnswerMsgBox(vbYes);  // save the changed drawing
  Responder().AnswerMsgBox(vbYes);  // over the stored one of its name and revision
  AnswerSaveAsOffered(Responder());
  Choose("mnuFileClose");
  EXPECT_EQ(QuestionsAsked(0), 1u);
  FileOpenStored(Responder(), key, name);
  ASSERT_EQ(Dwgs[1].DrawID, key);
  std::vector<Integer> kinds;  // of the stored drawing's entities: the line alone
  for (Long i = 1; i <= ObjCount; ++i)
    if (Objs[i].DwgNo == 1 && !Objs[i].Erased) kinds.push_back(Objs[i].Rtype);
  EXPECT_EQ(kinds, std::vector<Integer>{EntityLine});
}

TEST_F(ChangedDrawingTest, ADrawingAsSavedOrAsLoadedClosesWithoutAQuestion) {
  FileSaveAsOffered(Responder(), false);
  const DbKey key = Dwgs[1].DrawID;
  const String name = Dwgs[1].Name;
  Choose("mnuFileClose");
  FileOpenStored(Responder(), key, name);
  ASSERT_EQ(Dwgs[1].DrawID, key);
  // Looking at it, its properties left as they are, showing a layer that is
  // shown, selecting in it and making a component of its line (which belongs
  // to no drawing) change nothing stored with it.
  Choose("mnuViewZoomIn");
  Responder().OnDialog<frmDwgProperties>([](frmDwgProperties& dialog) { dialog.cmdOK->click(); });
  Choose("mnuFileProperties");
  Responder().OnDialog<frmLayerCtl>([](frmLayerCtl& dialog) { ClickRow(dialog.lv, WallsRow); }, &frmLayerCtl::cmdOK);
  Choose("mnuLayersShow");
  SelectTheLine();
  Choose("mnuEditCompCreate");
  Input().ClickAt(1, 1);
  ASSERT_EQ(Items[ComponentItem].Nlines, 1);
  Choose("mnuSelectAll");
  Choose("mnuSelectClr");
  Choose("mnuFileClose");
  EXPECT_EQ(QuestionsAsked(0), 0u);
}

TEST_F(ChangedDrawingTest, FileExitAsksOnceForEachChangedWindow) {
  FileSaveAsOffered(Responder(), false);
  InLayerControl(WallsRow, &frmLayerCtl::cmdShows);  // the saved drawing changed
  Choose("mnuFileNew");
  Choose("mnuViewLayer");  // a new drawing changed
  Choose("mnuFileNew");    // and one left as it came
  const size_t from = Responder().Prompts().size();
  Responder().AnswerMsgBox(vbNo);
  Responder().AnswerMsgBox(vbNo);
  Choose("mnuFileExit");
  EXPECT_EQ(QuestionsAsked(from), 2u);
  EXPECT_FALSE(main_->isVisible());
}

// The window's close box and File, Exit end a dimension waiting on its own
// layer as Esc ends it, and ask nothing about a drawing it alone changed.
TEST_F(ChangedDrawingTest, TheCloseBoxAndExitAskNothingWhileADimensionWaitsInADrawingItAloneChanged) {
  FileSaveAsOffered(Responder(), false);
  Choose("mnuFileNew");
  frmDocument* fresh = main_->ActiveChild();
  Choose("mnuInsertLinearDim");
  Close(fresh);
  EXPECT_EQ(QuestionsAsked(0), 0u);
  EXPECT_FALSE(DimActive);
  Activate(doc_);
  Choose("mnuInsertLinearDim");
  Input().ClickAt(2, 3);
  Choose("mnuFileExit");
  EXPECT_EQ(QuestionsAsked(0), 0u);
  EXPECT_FALSE(main_->isVisible());
}

// With a real change after the save Close still asks, once the waiting
// dimension has ended as Esc ends it: the layer it made is gone before the
// answer, so Yes would not store it, and Cancel finds the command ended.
TEST_F(ChangedDrawingTest, CloseEndsAWaitingDimensionBeforeAskingAboutARealChange) {
  FileSaveAsOffered(Responder(), false);
  InLayerControl(WallsRow, &frmLayerCtl::cmdShows);  // the saved drawing changed
  Choose("mnuInsertLinearDim");
  Input().ClickAt(2, 3);
  const size_t from = Responder().Prompts().size();
  Responder().AnswerMsgBox(vbCancel);
  Choose("mnuFileClose");
  EXPECT_EQ(QuestionsAsked(from), 1u);
  EXPECT_EQ(main_->DocWindowCount(), 1);
  EXPECT_FALSE(DimActive);
  for (Long i = 1; i <= ItemCount; ++i)
    EXPECT_FALSE(Items[i].Rtype == ItemLayer && Items[i].DwgNo == 1 && Items[i].Name == DimLayerName) << i;
}

// A change marks the drawing its record belongs to, whichever window is active.
TEST_F(ChangedDrawingTest, DeletingAnItemMarksItsOwnDrawingNotTheActiveOne) {
  FixedDpiDocument* second = Open(2);
  const Long posts = AddNamedItem(ItemGroup, "Beams");
  Activate(doc_);
  doc_->IsDirty = FlagFalse;
  second->IsDirty = FlagFalse;
  DeleteItemObjs(posts);
  EXPECT_EQ(second->IsDirty, FlagTrue);
  EXPECT_EQ(doc_->IsDirty, FlagFalse);
}

}  // namespace
}  // namespace lintavo
