// Every entity lies on a layer of its own drawing, whatever road made it:
// each road is worked through the menus, dialogs and clicks, then drawing 1
// is saved and opened again from the database.
#include <QLabel>
#include <QTreeWidget>

#include "app/Setings.h"
#include "commands/EditFixture.h"
#include "model/LayerItems.h"
#include "platform/Prompts.h"
#include "storage/FileMenu.h"
#include "storage/TestDatabase.h"
#include "support/ListClicks.h"
#include "windows/insert/frmCompSelect.h"
#include "windows/options/frmDimOptions.h"
#include "windows/show/frmLayerCtl.h"
#include "windows/show/frmLayerSelect.h"

namespace lintavo {
namespace {

class EntityLayersTest;
struct Road {
  const char* name;
  void (*walk)(EntityLayersTest&);
};
void PrintTo(const Road& road, std::ostream* out) { *out << road.name; }

class EntityLayersTest : public EditFixture, public ::testing::WithParamInterface<Road> {
 public:
  using EditFixture::Responder;
  static Long CountLive(Integer dwgNo) {
    Long count = 0;
    for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) count += Objs[i].DwgNo == dwgNo && !Objs[i].Erased;
    return count;
  }
  // Draw, Line, Single from (x, y) one unit to the right in window, then Esc.
  static void DrawLine(frmDocument& window, Double x, Double y) {
    DrawingDriver::Choose("mnuDrawLineSingle");
    DrawingDriver(window).ClickEach({{x, y}, {x + 1, y}});
    DrawingDriver(window).Escape();
  }
  void DrawLine(Double y) { DrawLine(*doc_, 1, y); }
  // A second drawing window with a line, made active; Create makes the
  // line a component when asked (and stores it), then window 1 is active.
  void LineInSecondDrawing(bool makeComponent) {
    FixedDpiDocument* second = Open(2, "Second");
    ShowAtScale(second, 48, 24);
    DrawLine(*second, 1, 1);
    if (makeComponent) {
      DrawingDriver::Choose("mnuSelectAll");
      DrawingDriver::Choose("mnuEditCompCreate");
      DrawingDriver(*second).ClickAt(1, 1);
    }
    Activate(doc_);
  }
  // The second drawing's component placed by item (Place or Image) and
  // its first row in the chooser, and a click at the view's centre.
  void PlaceFromSecondDrawing(const char* item) {
    LineInSecondDrawing(true);
    Responder().OnDialog<frmCompSelect>([](frmCompSelect& dialog) { ClickRow(dialog.List1, 0); }, &frmCompSelect::cmdOK);
    DrawingDriver::Choose(item);
    ClickAtCentre();
  }
  void Escape() { input_->Escape(); }
  void ClickAtCentre() { input_->ClickAt((doc_->XVmin + doc_->XVmax) / 2, (doc_->YVmin + doc_->YVmax) / 2); }
};

// The first line goes on "Layer 1", made current; the dialog that open
// shows deletes it (and the line, on Yes); then a line is drawn.
void DeleteCurrentIn(EntityLayersTest& t, void (*open)(), std::function<void(QDialog&)> deleteIt) {
  t.DrawLine(1);
  t.Responder().AnswerMsgBox(vbYes);
  t.Responder().OnModalWindow(std::move(deleteIt));
  open();
  t.DrawLine(2);
}

const Road Roads[] = {
    {"CurrentLayerDeletedInSelectTopLayer", [](EntityLayersTest& t) {
      DeleteCurrentIn(t, [] { DrawingDriver::PressButton("Layers"); }, [](QDialog& shown) {
        auto& dialog = dynamic_cast<frmLayerSelect&>(shown);
        ClickLastRow(dialog.List1);
        ASSERT_EQ(dialog.lblView->text(), "Layer 1 Selected");
        dialog.Command2->click();
        dialog.OKButton->click();
      });
    }},
    {"CurrentLayerDeletedInShowEditLayers", [](EntityLayersTest& t) {
      DeleteCurrentIn(t, [] { DrawingDriver::Choose("mnuLayersShow"); }, [](QDialog& shown) {
        auto& dialog = dynamic_cast<frmLayerCtl&>(shown);
        ClickRow(dialog.lv, 1);
        ASSERT_EQ(dialog.lv->topLevelItem(1)->text(0), "Layer 1");
        dialog.cmdDelete->click();
        dialog.cmdOK->click();
      });
    }},
    {"DimensionOptionsLeftBeforeAnyEntity", [](EntityLayersTest& t) {
      SetBuiltInDefaults(SettingDimension);
      t.Responder().OnDialog<frmDimOptions>([](frmDimOptions&) {}, &frmDimOptions::cmdClose);
      DrawingDriver::Choose("mnuOptionsDimension");
      t.LineInSecondDrawing(false);  // the next layer made is the second drawing's
      t.DrawLine(2);
    }},
    {"ExplodeOfAnotherDrawingsComponent", [](EntityLayersTest& t) {
      t.PlaceFromSecondDrawing("mnuInsertCompplace");
      t.Escape();
      DrawingDriver::Choose("mnuEditCompExplode");
      t.ClickAtCentre();
    }},
    {"PlaceImageOfAnotherDrawingsComponent", [](EntityLayersTest& t) { t.PlaceFromSecondDrawing("mnuInsertCompImage"); }},
};

TEST_P(EntityLayersTest, EveryEntityLiesOnALayerOfItsOwnDrawingAfterASaveAndReload) {
  DwgDbPath = ScratchPath("Layers_dwg.mdb");
  CreateEmptyDrawingsDb(DwgDbPath);
  GetParam().walk(*this);
  Activate(doc_);
  const Long made = CountLive(1);
  FileSaveAsOffered(Responder(), false);
  Open(3);
  FileOpenStored(Responder(), static_cast<DbKey>(TestDatabase(DwgDbPath).Number("SELECT DrawID FROM Drawing")),
                 "New Drawing");
  EXPECT_EQ(CountLive(3), made);
  ASSERT_GE(made, 1);
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i)
    if (Objs[i].DwgNo == 3) EXPECT_TRUE(IsLayerOfDrawing(Objs[i].LayerID, 3)) << i << " on " << Objs[i].LayerID;
}

INSTANTIATE_TEST_SUITE_P(Roads, EntityLayersTest, ::testing::ValuesIn(Roads),
                         [](const ::testing::TestParamInfo<Road>& info) { return info.param.name; });

}  // namespace
}  // namespace lintavo
