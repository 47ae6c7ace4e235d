// Esc in a dimension command after other menu commands ran while it waited:
// only what the dimension made goes, in the drawing it made it in; what the
// other commands did stays, in every drawing window.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <ostream>
#include <vector>

#include "annotation/DimensionFixture.h"
#include "storage/TestDatabase.h"
#include "support/DialogKeys.h"
#include "windows/file/frmDwgProperties.h"
#include "windows/file/frmDwgSave.h"
#include "windows/options/frmLayerMgr.h"
#include "windows/options/frmTextOptions.h"

namespace lintavo {
namespace {

// A drawing as the user meets it: its record, its layers, the window's
// current layer and changed flag, and where Undo and Redo stand.
struct DrawingState {
  String name, revision, description;
  DbKey key = 0;
  std::vector<String> layers;
  Long currentLayer = 0;
  Integer dirty = 0;
  Long undoPos = 0;
  Integer redo = 0;
  bool operator==(const DrawingState&) const = default;
};
void PrintTo(const DrawingState& s, std::ostream* out) {
  *out << s.name << " / " << s.revision << " / " << s.description << " key " << s.key << " layers";
  for (const String& layer : s.layers) *out << " [" << layer << "]";
  *out << " current " << s.currentLayer << " dirty " << s.dirty << " undo at " << s.undoPos << " redo " << s.redo;
}

class DimensionEscTest;
// A menu command run while the dimension waits for its first point.
struct Meanwhile {
  const char* name;
  void (*before)(DimensionEscTest&);  // run before the dimension starts; nullptr none
  void (*act)(DimensionEscTest&);
  bool storesDimensionLayer;  // the command stored the dimension's layer with the drawing
};
void PrintTo(const Meanwhile& m, std::ostream* out) { *out << m.name; }

// Drawing 1 ("New Drawing", changed) holds line1_; drawing 2 ("Barn", saved,
// unchanged) in a second window holds line2_. Window 1 is the active one.
class DimensionEscTest : public DimensionFixture, public ::testing::WithParamInterface<Meanwhile> {
 protected:
  void SetUp() override {
    DimensionFixture::SetUp();
    DwgDbPath = ScratchPath("Esc_dwg.mdb");
    CreateEmptyDrawingsDb(DwgDbPath);
    line1_ = AddLine(1, 4, 3, 4);
    second_ = Open(2, "Barn");
    ShowAtScale(second_, 48, 24);
    line2_ = AddLine(1, 4, 3, 5);
    SaveAs("Barn", "Rev. 0");
    SwitchTo(doc_);
    RefreshDocView(doc_);
  }

 public:
  using DimensionFixture::Responder;
  void Choose(const char* item) { DrawingDriver::Choose(item); }
  void SaveAs(const char* name, const char* revision) {
    Responder().OnDialog<frmDwgSave>(
        [=](frmDwgSave& dialog) {
          dialog.Text1->setText(name);
          dialog.Text2->setText(revision);
          dialog.cmdSave->click();
        },
        &frmDwgSave::cmdExit);
    Choose("mnuFileSave");
  }
  // Through the Window menu's list of the open windows.
  void SwitchTo(frmDocument* window) {
    auto* menu = main_->menuBar()->findChild<QMenu*>("mnuWindow");
    emit menu->aboutToShow();
    for (QAction* entry : menu->actions())
      if (entry->isCheckable() && entry->text().endsWith(" " + window->windowTitle())) return entry->trigger();
    ADD_FAILURE() << "no Window menu entry for " << window->windowTitle().toStdString();
  }

  static DrawingState StateOf(const frmDocument* window) {
    const DwgRec& dwg = Dwgs[window->ID];
    DrawingState s{dwg.Name, dwg.Revision, dwg.Description, dwg.DrawID, {}, window->Current_Layer,
                   window->IsDirty, dwg.UndoPos, dwg.RedoAvailable};
    for (Long i = 1; i <= ItemCount; ++i)
      if (Items[i].Rtype == ItemLayer && Items[i].DwgNo == window->ID) s.layers.push_back(Items[i].Name);
    return s;
  }
  // The points of the drawing's entities that are not erased, in table order.
  static std::vector<std::pair<Double, Double>> Drawn(Long dwgNo) {
    std::vector<std::pair<Double, Double>> points;
    for (Long i = 1; i <= ObjCount; ++i)
      if (Objs[i].DwgNo == dwgNo && !Objs[i].Erased)
        for (Integer k = 1; k <= Objs[i].NPoints; ++k) points.emplace_back(PX(i, k), PY(i, k));
    return points;
  }

  FixedDpiDocument* second_ = nullptr;  // drawing 2
  Long line1_ = 0, line2_ = 0;
};

const Meanwhile Commands[] = {
    {"FileSave", nullptr, [](DimensionEscTest& t) { t.SaveAs("Bridge", "Rev. 2"); }, true},
    {"FileProperties", nullptr,
     [](DimensionEscTest& t) {
       t.Responder().OnDialog<frmDwgProperties>([](frmDwgProperties& dialog) {
         dialog.Text31->setText("Plans of the shed");
         dialog.cmdOK->click();
       });
       t.Choose("mnuFileProperties");
     },
     false},
    {"EditUndo", nullptr, [](DimensionEscTest& t) { t.Choose("mnuEditUndo"); }, false},
    {"EditRedo", [](DimensionEscTest& t) { t.Choose("mnuEditUndo"); },
     [](DimensionEscTest& t) { t.Choose("mnuEditRedo"); }, false},
    {"LayerManager", nullptr,
     [](DimensionEscTest& t) {
       t.Responder().OnDialog<frmLayerMgr>([](frmLayerMgr& dialog) {
         dialog.Text2->setText("Qz Walls");
         dialog.Text3->setText("Qz Building");
         dialog.cmdAddLayer->click();  // listed, and chosen on the left
         dialog.cmdMove->click();
         dialog.cmdOK->click();
       });
       t.Choose("mnuOptionsLayers");
     },
     false},
    {"LayerTypedIntoTextOptions", nullptr,
     [](DimensionEscTest& t) {
       t.Responder().OnDialog<frmTextOptions>(
           [](frmTextOptions& dialog) { RetypeAndEnter(dialog.Combo2->lineEdit(), "Notes"); },
           &frmTextOptions::cmdClose);
       t.Choose("mnuOptionsText");
     },
     false},
    {"UndoInAnotherWindow", nullptr,
     [](DimensionEscTest& t) {
       t.SwitchTo(t.second_);
       t.Choose("mnuEditUndo");
     },
     false},
};

TEST_P(DimensionEscTest, EscTakesBackOnlyTheDimensionsOwnWork) {
  const Meanwhile& command = GetParam();
  const auto drawn1 = Drawn(1), drawn2 = Drawn(2);
  if (command.before) command.before(*this);
  const DrawingState start = StateOf(doc_);
  const Long made = ItemCount + 1;  // the dimension's layer
  Choose("mnuInsertLinearDim");
  ASSERT_EQ(Items[made].Name, "Dimension 1");
  command.act(*this);
  // Turning to another window ended the dimension in its own, as Esc there.
  ASSERT_EQ(DimActive != 0, main_->ActiveChild() == doc_);

  // The command's work as it stands, without the dimension's layer (unless
  // stored meanwhile) and with window 1 back on its own layer.
  DrawingState want1 = StateOf(doc_);
  const DrawingState want2 = StateOf(second_);
  if (!command.storesDimensionLayer) std::erase(want1.layers, "Dimension 1");
  want1.currentLayer = start.currentLayer;
  frmDocument* shown = main_->ActiveChild();
  const Long line = shown == doc_ ? line1_ : line2_;
  DrawingDriver(*shown).Escape();

  EXPECT_FALSE(DimActive);
  EXPECT_EQ(StateOf(doc_), want1);
  EXPECT_EQ(StateOf(second_), want2);
  EXPECT_TRUE(EqualsFreshRedraw(shown));
  // Redo still does again what Undo took back.
  if (!Objs[line].Erased) {
    Choose("mnuEditUndo");
    EXPECT_TRUE(Objs[line].Erased);
  }
  Choose("mnuEditRedo");
  EXPECT_FALSE(Objs[line].Erased);
  EXPECT_EQ(Drawn(shown->ID), shown == doc_ ? drawn1 : drawn2);
}

// A chain with a finished segment in window 1, Esc pressed in window 2: the
// segment stays in drawing 1 and shows there, and each window keeps its own
// current layer.
TEST_F(DimensionEscTest, EscInAnotherWindowKeepsTheChainWhereItWasBuilt) {
  DimMode = DimPartitioned;
  const Long layer1 = doc_->Current_Layer, layer2 = second_->Current_Layer;
  const Long before = ObjCount;
  Dimension("mnuInsertLinearDim", {{0, 1}, {2, 1}, {1, 2}});
  SwitchTo(second_);
  DrawingDriver(*second_).Escape();
  EXPECT_FALSE(DimActive);
  EXPECT_EQ(second_->Current_Layer, layer2);
  EXPECT_TRUE(EqualsFreshRedraw(second_));
  SwitchTo(doc_);
  EXPECT_EQ(doc_->Current_Layer, layer1);
  EXPECT_EQ(Letters(before), FormatLength(2));
  EXPECT_TRUE(EqualsFreshRedraw(doc_));
}

// A dimension chosen again in another drawing's window, after turning to it
// ended the first, builds there on that drawing's own dimension layer, never
// on a layer of the first drawing.
TEST_F(DimensionEscTest, PointsClickedInAnotherWindowBuildOnThatDrawingsOwnLayer) {
  const Long before = ObjCount;
  Choose("mnuInsertLinearDim");
  SwitchTo(second_);
  ASSERT_FALSE(DimActive);
  Choose("mnuInsertLinearDim");
  DrawingDriver(*second_).ClickEach({{0, 1}, {2, 1}, {1, 2}});
  ASSERT_FALSE(DimActive);
  const std::vector<Long> built = NewObjs(before);
  ASSERT_FALSE(built.empty());
  for (Long i : built) {
    EXPECT_EQ(Items[Objs[i].LayerID].DwgNo, 2);
    EXPECT_EQ(Items[Objs[i].LayerID].Name, "Dimension 1");
  }
  EXPECT_TRUE(EqualsFreshRedraw(second_));
}

INSTANTIATE_TEST_SUITE_P(MenuCommands, DimensionEscTest, ::testing::ValuesIn(Commands),
                         [](const ::testing::TestParamInfo<Meanwhile>& info) { return info.param.name; });

}  // namespace
}  // namespace lintavo
