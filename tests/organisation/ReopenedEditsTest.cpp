// A drawing reopens with what the user's edits made of it, each row worked
// through the menus, dialogs and clicks of window 1, which is then saved and
// reopened: every entity on a layer of its own drawing, whatever road made
// it, and a grouped placement given another component still in its group.
#include "app/Setings.h"
#include "commands/EditFixture.h"
#include "model/LayerItems.h"
#include "organisation/ComponentDefinition.h"
#include "platform/Prompts.h"
#include "storage/FileMenu.h"
#include "support/ListClicks.h"
#include "windows/edit/frmCompEdit.h"
#include "windows/insert/frmCompSelect.h"
#include "windows/options/frmDimOptions.h"
#include "windows/show/frmLayerCtl.h"
#include "windows/show/frmLayerSelect.h"

namespace lintavo {
namespace {

class ReopenTest;
struct Walk {
  const char* name;
  void (*walk)(ReopenTest&);
  const char* shown = "";  // the component the edited placement shows after
};
void PrintTo(const Walk& walk, std::ostream* out) { *out << walk.name; }

class ReopenTest : public EditFixture, public ::testing::WithParamInterface<Walk> {
 public:
  using EditFixture::Responder;
  using EditFixture::input_;
  // The row's walk, then window 1 saved and opened into window 3: the live
  // entities of drawing 3, which must be as many as drawing 1's.
  std::vector<Long> WalkAndReopen() {
    DwgDbPath = ScratchPath("Reopen_dwg.mdb");
    CreateEmptyDrawingsDb(DwgDbPath);
    GetParam().walk(*this);
    Activate(doc_);
    const size_t made = Live(1).size();
    FileSaveAsOffered(Responder(), false);
    Open(3);
    FileOpenStored(Responder(), Dwgs[1].DrawID, "New Drawing");
    EXPECT_GE(made, 1u);
    EXPECT_EQ(Live(3).size(), made);
    return Live(3);
  }
  static std::vector<Long> Live(Integer dwgNo) {
    std::vector<Long> found;
    for (Long i = BaseObjCount + 1; i <= ObjCount; ++i)
      if (Objs[i].DwgNo == dwgNo && !Objs[i].Erased) found.push_back(i);
    return found;
  }
  // Draw, Line, Single from (1, y) to (2, y) in window (window 1 when none), then Esc.
  void DrawLine(Double y, frmDocument* window = nullptr) {
    DrawingDriver input(window ? *window : *doc_);
    DrawingDriver::Choose("mnuDrawLineSingle");
    input.ClickEach({{1, y}, {2, y}});
    input.Escape();
  }
  // A line in a second window, made a component there by Create when asked
  // (which the next chooser takes); window 1 active again.
  void LineInSecondDrawing(bool makeComponent) {
    FixedDpiDocument* second = Open(2, "Second");
    ShowAtScale(second, 48, 24);
    DrawLine(1, second);
    if (makeComponent) {
      DrawingDriver::Choose("mnuSelectAll");
      DrawingDriver::Choose("mnuEditCompCreate");
      DrawingDriver(*second).ClickAt(1, 1);
      Responder().OnDialog<frmCompSelect>([](frmCompSelect& d) { ClickRow(d.List1, 0); }, &frmCompSelect::cmdOK);
    }
    Activate(doc_);
  }
  // The first line goes on "Layer 1", made current; in the dialog open
  // shows that layer (the second row) is deleted with its line; then a line.
  template <typename Dialog, typename List>
  void DeleteCurrentLayer(void (*open)(), List* Dialog::*list, QPushButton* Dialog::*remove, QPushButton* Dialog::*ok) {
    DrawLine(1);
    Responder().AnswerMsgBox(vbYes);
    Responder().OnDialog<Dialog>([=](Dialog& d) { ClickRow(d.*list, 1); (d.*remove)->click(); }, ok);
    open();
    DrawLine(2);
  }
  // Two placements of "Valve" grouped by View, Group; the edit dialog works the first with edit, then OK.
  void EditGroupedPlacement(void (*edit)(frmCompEdit&)) {
    const Long valve = AddDefinition("Valve");
    AddDefinition("Pump");
    for (Double x : {1.0, 2.0}) {
      ObjRec& placement = Objs[AddCompound(EntityComponent, x, 1, 0)];
      placement.Name = "Valve";
      placement.OwnerID = placement.ObjectID = valve;
    }
    SelectWindow(0.5, 0.5, 2.5, 1.5);
    GroupTheSelection();
    Responder().OnDialog<frmCompEdit>(edit, &frmCompEdit::OKButton);
    DrawingDriver::Choose("mnuEditCompEdit");
  }
  void ClickAtViewCentre() { input_->ClickAt((doc_->XVmin + doc_->XVmax) / 2, (doc_->YVmin + doc_->YVmax) / 2); }
};

using EntityLayerTest = ReopenTest;
const Walk LayerRoads[] = {
    {"CurrentLayerDeletedInSelectTopLayer", [](ReopenTest& t) {
       t.DeleteCurrentLayer([] { DrawingDriver::PressButton("Layers"); }, &frmLayerSelect::List1,
                            &frmLayerSelect::Command2, &frmLayerSelect::OKButton);
     }},
    {"CurrentLayerDeletedInShowEditLayers", [](ReopenTest& t) {
       t.DeleteCurrentLayer([] { DrawingDriver::Choose("mnuLayersShow"); }, &frmLayerCtl::lv, &frmLayerCtl::cmdDelete,
                            &frmLayerCtl::cmdOK);
     }},
    {"DimensionOptionsLeftBeforeAnyEntity", [](ReopenTest& t) {
       SetBuiltInDefaults(SettingDimension);
       t.Responder().OnDialog<frmDimOptions>([](frmDimOptions&) {}, &frmDimOptions::cmdClose);
       DrawingDriver::Choose("mnuOptionsDimension");
       t.LineInSecondDrawing(false);  // the next layer made is the second drawing's
       t.DrawLine(2);
     }},
    {"ExplodeOfAnotherDrawingsComponent", [](ReopenTest& t) {
       t.LineInSecondDrawing(true);
       DrawingDriver::Choose("mnuInsertCompplace");  // at the view's centre
       t.input_->Escape();
       DrawingDriver::Choose("mnuEditCompExplode");
       t.ClickAtViewCentre();
     }},
    {"PlaceImageOfAnotherDrawingsComponent", [](ReopenTest& t) {
       t.LineInSecondDrawing(true);
       DrawingDriver::Choose("mnuInsertCompImage");
       t.ClickAtViewCentre();
     }},
};

TEST_P(EntityLayerTest, EveryEntityLiesOnALayerOfItsOwnDrawing) {
  for (Long i : WalkAndReopen()) EXPECT_TRUE(IsLayerOfDrawing(Objs[i].LayerID, 3)) << i << " on " << Objs[i].LayerID;
}

using GroupedPlacementTest = ReopenTest;
const Walk GroupedEdits[] = {
    {"AnotherComponentChosen", [](ReopenTest& t) { t.EditGroupedPlacement([](frmCompEdit& d) { ClickRow(d.List1, 1); }); }, "Pump"},
    {"RenamedWhilePlacedTwice", [](ReopenTest& t) {
       t.EditGroupedPlacement([](frmCompEdit& d) { d.TxtName->setText("Gate Valve"); d.cmdUpdate->click(); });
     }, "Gate Valve"},
};

TEST_P(GroupedPlacementTest, StaysInItsGroupShowingItsNewComponent) {
  std::vector<String> shown;
  for (Long i : WalkAndReopen()) {
    if (Objs[i].Rtype != EntityComponent) continue;
    shown.push_back(Objs[i].Name);
    EXPECT_EQ(Items[Objs[i].OwnerID].Rtype, ItemGroup) << Objs[i].Name;
  }
  EXPECT_EQ(shown, (std::vector<String>{GetParam().shown, "Valve"}));
}

const auto WalkName = [](const ::testing::TestParamInfo<Walk>& info) { return String(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Roads, EntityLayerTest, ::testing::ValuesIn(LayerRoads), WalkName);
INSTANTIATE_TEST_SUITE_P(Edits, GroupedPlacementTest, ::testing::ValuesIn(GroupedEdits), WalkName);

}  // namespace
}  // namespace lintavo
