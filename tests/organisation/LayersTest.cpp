// Layers: the name library, the layer items, the layer commands of tool 14
// and the layer chooser, control and manager dialogs, driven through the
// main window's menus and buttons and the dialogs' own controls.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTreeWidget>
#include <cmath>
#include <functional>
#include <vector>

#include "model/DataHand.h"
#include "model/Picks.h"
#include "model/SupportLists.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "organisation/Layers.h"
#include "support/ModelBuilders.h"
#include "windows/show/frmLayerCtl.h"
#include "windows/options/frmLayerMgr.h"
#include "windows/show/frmLayerSelect.h"
#include "picking/Selection.h"
#include "platform/Colors.h"
#include "platform/Database.h"
#include "platform/Prompts.h"
#include "platform/Recordset.h"
#include "storage/SupportFiles.h"
#include "support/ListClicks.h"
#include "view/Zooms.h"
#include "support/DialogKeys.h"
#include "view/DrawingWindowFixture.h"

namespace lintavo {
namespace {

// The LayerNames rows holding a name (compared as the database compares).
int StoredRows(const String& name) {
  Connection connection;
  Recordset rows;
  if (!connection.Open(SupportFilePath(SettingsDbFile), OpenMode::ReadOnly) || !rows.Open(connection, "LayerNames"))
    return -1;
  int count = 0;
  for (; !rows.Eof(); rows.MoveNext())
    if (rows.Field("Name").AsText() == name) ++count;
  return count;
}

class LayersTest : public DrawingWindowFixture {
 protected:
  void SetUp() override {
    DrawingWindowFixture::SetUp();
    ShowAtScale(doc_, 48, 24);
    // The very first entity of a drawing puts the window on "Layer 1"; the
    // layer the window made when it opened goes, so each test starts with
    // one layer, current, and a line on no layer.
    const Long opened = doc_->Current_Layer;
    AddLine(0, -5);
    DeleteLayer(opened);
    RefreshDocView(doc_);
  }
  // A line of the current drawing on a layer.
  static Long AddLine(Long layer, Double y) {
    const Long line = lintavo::AddLine(0, y, 4, y);
    Objs[line].LayerID = layer;
    return line;
  }
  // Runs a layer command as the menus and buttons do.
  static void Layer(Integer code) {
    LayerCommand = code;
    ActiveTool = ToolLayers;
    SelectTool();
  }
  static void TypeEnter(QLineEdit* box, const QString& text) { RetypeAndEnter(box, text); }
  void Choose(const char* item) { main_->MenuItem(item)->trigger(); }
  Long FirstLayer() const { return doc_->Current_Layer; }
};

// ---- The name library ---------------------------------------------------------------------------

TEST_F(LayersTest, TheLibraryGrowsByAHundredWhenFewerThanTenSpareEntriesWouldRemain) {
  LayerNameList.assign(1, LayerNameRec{});
  LayerNameBound = LayerNameCount = 0;
  AddLayerName("Qz A", "General Use");
  EXPECT_EQ(LayerNameBound, 100);
  EXPECT_EQ(LayerNameCount, 1);
  EXPECT_EQ(StoredRows("Qz A"), 1);
  AddLayerName("Qz A", "Walls");  // listed: nothing changes, here or in the table
  EXPECT_EQ(LayerNameCount, 1);
  EXPECT_EQ(LayerNameList[1].Category, "General Use");
  EXPECT_EQ(StoredRows("Qz A"), 1);
  AddLayerName("qz a", "General Use");  // another letter case is another entry
  EXPECT_EQ(LayerNameCount, 2);
  struct Step {
    Long countBefore;
    Long boundAfter;
  };
  for (const Step step : {Step{90, 100}, Step{91, 200}}) {
    LayerNameBound = 100;
    LayerNameList.resize(101);
    LayerNameCount = step.countBefore;
    ListLayerName("Qz growth " + std::to_string(step.countBefore), "General Use");
    EXPECT_EQ(LayerNameBound, step.boundAfter) << step.countBefore;
    EXPECT_EQ(LayerNameCount, step.countBefore + 1);
  }
}

// ---- Layer items -----------------------------------------------------------------------------------

TEST_F(LayersTest, NewLayerTakesTheFirstFreeNumberAndEnsureLayerKeepsWhatExists) {
  for (const char* name : {"New Layer 1", "New Layer 3", "new layer 2"}) EnsureLayer(name);
  const Long current = doc_->Current_Layer;
  Layer(NewLayerCode);
  const ItemRec& made = Items[ItemCount];
  EXPECT_EQ(made.Name, "New Layer 2");
  EXPECT_EQ(made.Show, FlagTrue);
  EXPECT_EQ(made.Lock, FlagFalse);
  EXPECT_EQ(made.Xmin, ViewWinMinX);
  EXPECT_EQ(made.Ymax, ViewWinMaxY);
  EXPECT_EQ(doc_->Current_Layer, current);
  EXPECT_EQ(ActiveTool, 0);
  EXPECT_EQ(LayerActive, 0);

  const Long fresh = EnsureLayer("Qz Fresh");
  EXPECT_EQ(Items[fresh].Show, FlagTrue);
  EXPECT_EQ(Items[fresh].Xmax, 1);
  EXPECT_EQ(Items[fresh].Ymin, 0);
  bool listed = false;
  for (Long i = 1; i <= LayerNameCount; ++i)
    listed = listed || (LayerNameList[i].Name == "Qz Fresh" && LayerNameList[i].Category == "General Use");
  EXPECT_TRUE(listed);
  Items[fresh].Show = FlagFalse;
  Items[fresh].Lock = FlagTrue;
  const Long count = ItemCount;
  EXPECT_EQ(EnsureLayer("Qz Fresh"), fresh);
  EXPECT_EQ(ItemCount, count);
  EXPECT_EQ(Items[fresh].Show, FlagFalse);
  CurDwg = 0;
  EXPECT_EQ(EnsureLayer("Qz None"), 0);
}

TEST_F(LayersTest, ShowAndLockRulesDecideWhatIsDrawnAndPicked) {
  const Long top = FirstLayer();
  const Long other = EnsureLayer("Other");
  const Long onTop = AddLine(top, 1), onOther = AddLine(other, 2);
  ASSERT_EQ(doc_->Current_Layer, top);
  struct Case {
    Integer viewLayers;
    Integer topShow, topLock, otherShow, otherLock;
    bool topDrawn, topPicked, otherDrawn, otherPicked;
  };
  const Case cases[] = {
      {FlagFalse, FlagFalse, FlagTrue, FlagTrue, FlagFalse, true, true, false, false},
      {FlagTrue, FlagTrue, FlagFalse, FlagFalse, FlagFalse, true, true, false, false},
      {FlagTrue, FlagTrue, FlagFalse, FlagTrue, FlagTrue, true, true, true, false},
      {FlagTrue, FlagTrue, FlagFalse, FlagTrue, FlagFalse, true, true, true, true},
  };
  for (const Case& c : cases) {
    doc_->View_Layers = c.viewLayers;
    Items[top].Show = c.topShow;
    Items[top].Lock = c.topLock;
    Items[other].Show = c.otherShow;
    Items[other].Lock = c.otherLock;
    const int row = static_cast<int>(&c - cases);
    EXPECT_EQ(IsObjLayerVisible(onTop), c.topDrawn) << row;
    EXPECT_EQ(IsObjLayerEditable(onTop), c.topPicked) << row;
    EXPECT_EQ(IsObjLayerVisible(onOther), c.otherDrawn) << row;
    EXPECT_EQ(IsObjLayerEditable(onOther), c.otherPicked) << row;
  }
}

// ---- Commands ----------------------------------------------------------------------------------------

TEST_F(LayersTest, HideAllLeavesOnlyUnlayeredLinesAndNewLinesGoOnNoLayer) {
  const Long layered = AddLine(FirstLayer(), 1), loose = AddLine(0, 2);
  Layer(HideAllLayersCode);
  EXPECT_EQ(doc_->Current_Layer, 0);
  EXPECT_FALSE(IsObjLayerVisible(layered));
  EXPECT_TRUE(IsObjLayerVisible(loose));
  EXPECT_TRUE(EqualsFreshRedraw());
  AddObj(EntityLine, 2);
  EXPECT_EQ(Objs[ObjCount].LayerID, 0);
  Layer(ShowAllLayersCode);
  EXPECT_TRUE(IsObjLayerVisible(layered));
  EXPECT_EQ(doc_->Current_Layer, 0);
}

TEST_F(LayersTest, HideALayerRefusesTheCurrentOneAndHidesAnother) {
  const Long other = EnsureLayer("Other");
  struct Case {
    Long chosen;
    const char* message;
    Integer showAfter;
  };
  const Case cases[] = {{FirstLayer(), "Can Not Hide Current Layer!!", FlagTrue},
                        {other, "Layer: Other Hidden", FlagFalse}};
  for (const Case& c : cases) {
    doc_->View_Layers = FlagTrue;
    const int row = Items[c.chosen].Name == "Other" ? 1 : 0;
    Responder().OnDialog<frmLayerSelect>([row](frmLayerSelect& dialog) {
      EXPECT_EQ(dialog.windowTitle(), "Hide Layer");
      ClickRow(dialog.List1, row);
      dialog.OKButton->click();
    });
    Layer(HideLayerCode);
    EXPECT_EQ(MessagePanel(2), c.message);
    EXPECT_EQ(doc_->View_Layers, 0);
    EXPECT_EQ(Items[c.chosen].Show, c.showAfter);
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

TEST_F(LayersTest, SetCurrentMovesOnlyTheSelectedLinesOfThisDrawingOnYes) {
  const Long first = FirstLayer();
  const Long target = EnsureLayer("Target");
  Items[target].Show = FlagFalse;
  Items[target].Lock = FlagTrue;
  const Long picked = AddLine(first, 1), left = AddLine(first, 2);
  SetSelectedFlag(picked, FlagTrue);
  Responder().AnswerMsgBox(vbYes);
  Responder().OnDialog<frmLayerSelect>([](frmLayerSelect& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Select Top Layer");
    ClickRow(dialog.List1, 1);
    dialog.OKButton->click();
  });
  main_->BarButton(main_->tbToolBar, "Layers")->trigger();
  EXPECT_EQ(doc_->Current_Layer, target);
  EXPECT_EQ(Objs[picked].LayerID, target);
  EXPECT_EQ(Objs[left].LayerID, first);
  EXPECT_EQ(Items[target].Show, FlagTrue);
  EXPECT_EQ(Items[target].Lock, FlagFalse);
  EXPECT_EQ(MessagePanel(2), "Layer: Target is Top Layer");
  EXPECT_EQ(Responder().LastMessageBox().text, "Do you want to move the currently selected lines to this Layer?");
  EXPECT_EQ(Responder().LastMessageBox().title, "Select Layer");
  EXPECT_TRUE(EqualsFreshRedraw());
}

// Show All fits what the drawing shows now, and each layer keeps its own
// lines' box whatever the window showed at the measure. After View Top
// Layer and Show All, the chooser gives the other layer its line's size and
// OK fits that line; View All again, or a line hidden and shown again, and
// Show All takes in every line shown.
TEST_F(LayersTest, ShowAllFitsWhatTheWindowShowsAndEachLayerKeepsItsOwnBox) {
  const Long first = FirstLayer(), second = EnsureLayer("Second");
  const Long nearLine = lintavo::AddLine(1, 1, 2, 1.5), farLine = lintavo::AddLine(20, 1, 21, 1.5);
  Objs[nearLine].LayerID = first;
  Objs[farLine].LayerID = second;
  const auto shows = [this](Double x) { return doc_->XVmin < x && x < doc_->XVmax; };
  QAction* viewAll = main_->BarButton(main_->tbToolBar, "ViewLayers");

  viewAll->trigger();  // View Top Layer: the first layer alone
  ASSERT_EQ(doc_->View_Layers, 0);
  Choose("mnuViewShowAll");
  EXPECT_FALSE(shows(20.5));
  EXPECT_EQ(Items[second].Xmin, 20);
  EXPECT_EQ(Items[second].Ymax, 1.5);
  QString width;
  Responder().OnDialog<frmLayerSelect>([&width](frmLayerSelect& dialog) {
    ClickRow(dialog.List1, 1);
    width = dialog.lblWidth->text();
    dialog.OKButton->click();
  });
  main_->BarButton(main_->tbToolBar, "Layers")->trigger();
  EXPECT_EQ(doc_->Current_Layer, second);
  EXPECT_FALSE(width.contains("200000")) << width.toStdString();
  EXPECT_TRUE(shows(20) && shows(21)) << "OK fits the layer's line";

  viewAll->trigger();  // View All again
  ASSERT_NE(doc_->View_Layers, 0);
  Choose("mnuViewShowAll");
  EXPECT_TRUE(shows(1) && shows(21)) << "View All, then Show All";

  // The far line hidden, a line drawn, Show All; then Show and Show All.
  Choose("mnuSelectWindow");
  input_->ClickEach({{19.5, 0.5}, {21.5, 2}});
  input_->Escape();
  Choose("mnuEditHide");
  input_->Escape();
  Choose("mnuDrawLineSingle");
  input_->ClickEach({{1, 2}, {2, 2}});
  input_->Escape();
  Choose("mnuViewShowAll");
  EXPECT_FALSE(shows(20.5)) << "measured without the hidden line";
  Choose("mnuEditShow");
  input_->Escape();
  Choose("mnuViewShowAll");
  EXPECT_TRUE(shows(1) && shows(21)) << "Show, then Show All";
}

TEST_F(LayersTest, SetCurrentOnALayerWithoutAShowableBoxKeepsTheView) {
  const struct {
    const char* name;
    Double min, max;  // the layer's box on both axes
    const char* refusal;  // panel 3
  } rows[] = {
      {"a layer of no lines (a box of no size)", 0, 0, ""},
      {"a layer whose lines have no extents (inside out)", 1e5, -1e5, ""},
      {"a layer spanning the largest reals", -1e308, 1e308, MessageViewRefused},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ShowAtScale(doc_, 48, 24);
    RefreshDocView(doc_);
    main_->Text3->clear();
    const Long target = EnsureLayer(row.name);
    ItemRec& layer = Items[target];
    layer.Xmin = layer.Ymin = row.min;
    layer.Xmax = layer.Ymax = row.max;
    const std::vector<Double> view = {doc_->XVmin, doc_->YVmin, doc_->XVmax, doc_->YVmax};
    Responder().OnDialog<frmLayerSelect>([&](frmLayerSelect& dialog) {
      const auto found = dialog.List1->findItems(QString::fromStdString(row.name), Qt::MatchExactly);
      ASSERT_EQ(found.size(), 1);
      ClickRow(dialog.List1, dialog.List1->row(found[0]));
      dialog.OKButton->click();
    });
    main_->BarButton(main_->tbToolBar, "Layers")->trigger();
    EXPECT_EQ(doc_->Current_Layer, target);
    EXPECT_EQ((std::vector<Double>{doc_->XVmin, doc_->YVmin, doc_->XVmax, doc_->YVmax}), view);
    EXPECT_EQ(doc_->XVscale, 48);
    EXPECT_EQ(MessagePanel(3), row.refusal);
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

// ---- The layer chooser -------------------------------------------------------------------------------

TEST_F(LayersTest, TheChooserCountsItsLayersAndActsOnlyOnAClickedOne) {
  struct Case {
    int layers;
    const char* countLine;
  };
  for (const Case c : {Case{0, "NO Layers Available"}, Case{3, " 3  Layers Available"}}) {
    Layer(HideAllLayersCode);  // no layer current: deleting every layer leaves the drawing without one
    for (Long i = 1; i <= ItemCount; ++i)
      if (Items[i].Rtype == ItemLayer) DeleteLayer(i);
    for (int n = 0; n < c.layers; ++n) EnsureLayer("L" + std::to_string(n));
    const Long count = ItemCount;
    Responder().OnDialog<frmLayerSelect>([&](frmLayerSelect& dialog) {
      EXPECT_EQ(dialog.Label1->text(), c.countLine);
      dialog.Command2->click();                 // nothing chosen: nothing deleted
      TypeEnter(dialog.TxtName, "Renamed");     // nor renamed
      EXPECT_EQ(dialog.List1->count(), c.layers);
      dialog.OKButton->click();
    });
    SelectAction = LayerActionSelect;
    ShowLayerSelect();
    EXPECT_EQ(SelectedLayer, 0);
    EXPECT_EQ(DlgCancelled, FlagFalse);
    EXPECT_EQ(ItemCount, count);
    for (Long i = 1; i <= ItemCount; ++i) EXPECT_NE(Items[i].Name, "Renamed");
  }
}

TEST_F(LayersTest, DeletingALayerWithLinesAsksAndForgetsIt) {
  const Long doomed = FirstLayer();
  const Long keep = EnsureLayer("Keep");
  const Long line = AddLine(doomed, 1);
  struct Step {
    int answer;
    bool deleted;
  };
  for (const Step step : {Step{vbNo, false}, Step{vbYes, true}}) {
    Responder().AnswerMsgBox(step.answer);
    Responder().OnDialog<frmLayerSelect>([](frmLayerSelect& dialog) {
      ClickRow(dialog.List1, 0);
      dialog.Command2->click();
      dialog.OKButton->click();
    });
    Layer(SetCurrentLayerCode);
    EXPECT_EQ(Responder().LastMessageBox().text,
              "The Lines on this Layer will be Deleted with the Layer, Continue With the Delete?");
    EXPECT_EQ(Responder().LastMessageBox().title, "Delete Layer");
    EXPECT_EQ(Objs[line].DwgNo == 0, step.deleted);
  }
  EXPECT_EQ(Items[doomed].Rtype, ItemDeleted);
  EXPECT_EQ(doc_->Current_Layer, keep);  // the first layer left is current in its place
  EXPECT_EQ(SelectedLayer, 0);
  EXPECT_EQ(Items[keep].Rtype, ItemLayer);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(LayersTest, SelectLayerTakesTheChoosersLayer) {
  const Long other = EnsureLayer("Other");
  const Long line = AddLine(other, 1);
  AddLine(FirstLayer(), 2);
  Responder().OnDialog<frmLayerSelect>([](frmLayerSelect& dialog) {
    ClickRow(dialog.List1, 1);
    EXPECT_EQ(dialog.lblView->text(), "Other Selected");
    dialog.OKButton->click();
  });
  Choose("mnuSelectLayer");
  EXPECT_EQ(Objs[line].Selected, FlagTrue);
  EXPECT_EQ(SelectedCount(), 1);
  EXPECT_EQ(PreviewMode, 0);
  EXPECT_EQ(ActiveDoc, static_cast<Surface*>(doc_));
}

// ---- The layer control dialog --------------------------------------------------------------------------

TEST_F(LayersTest, LayerControlOkKeepsOrChangesTheCurrentLayerAndColoursRows) {
  const Long first = FirstLayer();
  const Long other = EnsureLayer("Other");
  doc_->View_Layers = FlagTrue;
  doc_->Edit_layers = FlagFalse;
  Responder().OnDialog<frmLayerCtl>([](frmLayerCtl& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Show/Edit Layer");
    EXPECT_FALSE(dialog.chkShow->isChecked());
    EXPECT_TRUE(dialog.chkEdit->isChecked());
    dialog.cmdShows->click();  // nothing clicked: nothing toggled
    dialog.cmdOK->click();
  });
  Choose("mnuLayersShow");
  EXPECT_EQ(doc_->Current_Layer, first);
  EXPECT_EQ(doc_->View_Layers, FlagTrue);
  EXPECT_EQ(doc_->Edit_layers, FlagFalse);
  EXPECT_EQ(Items[first].Show, FlagTrue);

  Responder().OnDialog<frmLayerCtl>([](frmLayerCtl& dialog) {
    ClickRow(dialog.lv, 1);
    dialog.cmdShows->click();
    dialog.cmdLocks->click();
    QTreeWidgetItem* row = dialog.lv->topLevelItem(1);
    EXPECT_EQ(row->text(frmLayerCtl::ColumnHidden), "Yes");
    EXPECT_EQ(row->text(frmLayerCtl::ColumnLocked), "Yes");
    const QColor red = ToQColor(255);
    for (int column : {0, 1, 2}) EXPECT_EQ(row->foreground(column).color(), red) << column;
    EXPECT_EQ(dialog.lv->topLevelItem(0)->foreground(0).color(), ToQColor(65280));
    dialog.cmdOK->click();
  });
  Choose("mnuLayersShow");
  EXPECT_EQ(doc_->Current_Layer, other);
  EXPECT_EQ(Items[other].Lock, FlagTrue);
  EXPECT_EQ(Items[other].Show, FlagTrue);  // SHOW A Layer shows the chosen layer
  EXPECT_EQ(MessagePanel(2), "Layer: Other Showing");
  EXPECT_TRUE(EqualsFreshRedraw());
}

// WCAG contrast ratio of two colours: 1 (same) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  const double la = luminance(a) + 0.05, lb = luminance(b) + 0.05;
  return la > lb ? la / lb : lb / la;
}

TEST_F(LayersTest, LayerControlKeepsItsGreenAndRedAndTheyStandOutFromTheList) {
  EnsureLayer("Other");
  Responder().OnDialog<frmLayerCtl>([](frmLayerCtl& dialog) {
    ClickRow(dialog.lv, 1);
    dialog.cmdShows->click();  // "Other" hidden: red
    const QColor back = dialog.lv->palette().color(QPalette::Base);
    const QColor green = ToQColor(65280), red = ToQColor(255);
    for (int r = 0; r < dialog.lv->topLevelItemCount(); ++r)
      for (int column : {0, 1, 2}) {
        const QColor shown = dialog.lv->topLevelItem(r)->foreground(column).color();
        EXPECT_TRUE(shown == green || shown == red) << r << " " << column;
        EXPECT_GE(ContrastRatio(shown, back), 4.5) << r << " " << column;  // readable text
      }
    dialog.cmdCancel->click();
  });
  Choose("mnuLayersShow");
}

// ---- The layer manager ------------------------------------------------------------------------------------

TEST_F(LayersTest, LayerManagerMakesOnlyTheNewNamesOfTheRightList) {
  AddLayerName("Qz Walls", "Qz Building");
  AddLayerName("Qz Roof", "Qz Building");
  AddLayerName(Items[FirstLayer()].Name, "Qz Building");  // listed already: stays "General Use"
  const Long count = ItemCount;
  Responder().OnDialog<frmLayerMgr>([](frmLayerMgr& dialog) { dialog.cmdOK->click(); });
  Choose("mnuOptionsLayers");
  EXPECT_EQ(ItemCount, count);

  Responder().OnDialog<frmLayerMgr>([](frmLayerMgr& dialog) {
    EXPECT_EQ(dialog.Combo1->currentText().toStdString(), "Qz Building");
    EXPECT_EQ(dialog.lstLeft->count(), 2);
    dialog.Combo1->setCurrentIndex(0);  // "List All"
    emit dialog.Combo1->activated(0);
    const int before = dialog.lstRight->count();
    const int available = dialog.lstLeft->count();
    dialog.cmdMoveAll->click();  // the name the drawing uses stays on the left
    EXPECT_EQ(dialog.lstRight->count(), before + available - 1);
    ASSERT_EQ(dialog.lstLeft->count(), 1);
    EXPECT_EQ(dialog.lstLeft->item(0)->text().toStdString(), "Layer 1");
    dialog.cmdOK->click();
  });
  Choose("mnuOptionsLayers");
  EXPECT_EQ(Items[ItemCount].Name, "Qz Roof");
  Long layers = 0;
  for (Long i = 1; i <= ItemCount; ++i) layers += Items[i].Rtype == ItemLayer && Items[i].Name == "Layer 1";
  EXPECT_EQ(layers, 1);
}

// Add New Layer Name (and Add New Category, its twin) puts the typed name in
// the library under the typed category, or the one chosen when none is
// typed, and shows it chosen on the left; a name listed already, under any
// category, or no name at all, is refused with a message that says why.
TEST_F(LayersTest, LayerManagerAddsATypedNameToTheChosenCategoryOrSaysWhyNot) {
  AddLayerName("Qz Walls", "Qz Building");
  struct Case {
    const char* button;
    const char* name;      // typed in New Layer Name
    const char* category;  // typed in New Category ("" none)
    const char* listedAs;  // the category it is listed under afterwards; nullptr: refused
    const char* message;   // part of the message; nullptr: none
  };
  const Case cases[] = {
      {"cmdAddLayer", "Qz Doors", "", "Qz Building", nullptr},
      {"cmdAddLayer", "Qz Site", "Qz Outside", "Qz Outside", nullptr},
      {"cmdAddCat", "Qz Fence", "Qz Outside", "Qz Outside", nullptr},
      {"cmdAddLayer", "Qz Walls", "Qz Outside", nullptr, "listed already, under the category \"Qz Building\""},
      {"cmdAddLayer", "", "Qz Outside", nullptr, "Type the new layer name"},
  };
  size_t expectedMessages = 0;  // message boxes shown so far
  for (const Case& row : cases) {
    SCOPED_TRACE(std::string(row.button) + " " + row.name);
    const Long listed = LayerNameCount;
    if (row.message) Responder().AnswerMsgBox(vbOK);
    Responder().OnDialog<frmLayerMgr>([&](frmLayerMgr& dialog) {
      dialog.Combo1->setCurrentIndex(dialog.Combo1->findText("Qz Building"));
      dialog.Text2->setText(row.name);
      dialog.Text3->setText(row.category);
      dialog.findChild<QPushButton*>(row.button)->click();
      if (!row.listedAs) return;
      EXPECT_EQ(dialog.Combo1->currentText().toStdString(), row.listedAs);
      ASSERT_NE(dialog.lstLeft->currentItem(), nullptr);
      EXPECT_EQ(dialog.lstLeft->currentItem()->text().toStdString(), row.name);
    });
    Choose("mnuOptionsLayers");
    const std::vector<String> messages = Responder().MessageTexts();
    if (row.listedAs) {
      ASSERT_EQ(LayerNameCount, listed + 1);
      EXPECT_EQ(LayerNameList[LayerNameCount].Name, row.name);
      EXPECT_EQ(LayerNameList[LayerNameCount].Category, row.listedAs);
      EXPECT_EQ(messages.size(), expectedMessages);
    } else {
      EXPECT_EQ(LayerNameCount, listed);
      ASSERT_EQ(messages.size(), ++expectedMessages);
      EXPECT_NE(messages.back().find(row.message), std::string::npos) << messages.back();
    }
  }
}

}  // namespace
}  // namespace lintavo
