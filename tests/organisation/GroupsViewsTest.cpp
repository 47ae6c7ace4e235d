// Groups and named views through the menus, clicks and their choosers; the
// window corners and inside tests; groups and views saved with the drawing.
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <functional>
#include <iterator>
#include <vector>

#include "commands/EditFixture.h"
#include "commands/Edits.h"
#include "model/LayerItems.h"
#include "model/ViewCache.h"
#include "organisation/Groups.h"
#include "organisation/ViewHand.h"
#include "support/ModelBuilders.h"
#include "windows/show/frmGroupSelect.h"
#include "windows/show/frmViewSelect.h"
#include "picking/Measure.h"
#include "picking/Selection.h"
#include "picking/WindowCorners.h"
#include "storage/DbSchema.h"
#include "storage/LoadData.h"
#include "storage/SaveData.h"
#include "storage/TestDatabase.h"
#include "support/DialogKeys.h"
#include "support/ListClicks.h"
#include "support/ScriptedResponder.h"
#include "view/DisplayOptions.h"

namespace lintavo {
namespace {

class GroupsViewsTest : public EditFixture {
 protected:
  // Operates the next modal window of type T with operate, then closes it
  // with Cancel when operate left it open.
  template <typename T>
  void OnDialog(std::function<void(T&)> operate) {
    Responder().OnDialog<T>(std::move(operate), &T::CancelButton);
  }
  // A group command from its menu item, the last group clicked and OK.
  void ChooseLastGroup(const char* menu) {
    OnDialog<frmGroupSelect>([](frmGroupSelect& dialog) {
      ClickLastRow(dialog.List1);
      dialog.OKButton->click();
    });
    DrawingDriver::Choose(menu);
  }
  // ADD Selected Group from the menu, the new group clicked and OK.
  void AddGroupFromMenu() { ChooseLastGroup("mnuViewGroup"); }
  // Nothing selected and every entity erased, for the next case.
  static void ClearDrawing() {
    DrawingDriver::Choose("mnuSelectClr");
    for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) Objs[i].Erased = FlagTrue;
  }
  // Whether a pixel of the picture within one pixel of at is drawn (not white).
  static bool DrawnNear(const QImage& picture, QPoint at) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        const QPoint p = at + QPoint(dx, dy);
        if (picture.rect().contains(p) && picture.pixel(p) != qRgb(255, 255, 255)) return true;
      }
    return false;
  }
  static void RunGroup(Integer code) {
    GroupCommand = code;
    ActiveTool = ToolGroups;
    SelectTool();
  }
};

// ---- Groups -----------------------------------------------------------------------------------

TEST_F(GroupsViewsTest, AddSelectedGroupNamesTheFirstFreeNumberAndTakesOnlyInsertionPoints) {
  struct Case {
    std::vector<const char*> existing;
    const char* made;
  };
  for (const Case& c : {Case{{"New Group 1", "New Group 2"}, "New Group 3"}, Case{{"New Group 2"}, "New Group 1"}}) {
    for (Long i = 1; i <= ItemCount; ++i)
      if (Items[i].Rtype == ItemGroup) DeleteGroup(i);
    for (const char* name : c.existing) AddNamedItem(ItemGroup, name, 4, 3);
    const Long line = AddLine(1, 1, 3, 2);
    const Long text = AddCompound(EntityTextChar, 4, 4, 0);  // its (1, 1) and (0, 0) are no places
    const Long second = AddCompound(EntityTextChar, 2, 4.5, 0);
    SelectWindow(0.5, 0.5, 5, 5);
    ASSERT_EQ(SelectedCount(), 3);
    OnDialog<frmGroupSelect>([&](frmGroupSelect& dialog) {
      EXPECT_EQ(dialog.windowTitle(), "Add Group");
      EXPECT_EQ(dialog.List1->item(dialog.List1->count() - 1)->text(), c.made);
      ClickLastRow(dialog.List1);
      dialog.OKButton->click();
    });
    DrawingDriver::Choose("mnuViewGroup");
    EXPECT_EQ(MessagePanel(1), "ADD Selected Group");
    EXPECT_EQ(MessagePanel(2), String("Group : ") + c.made + " Created");
    const ItemRec& group = Items[ItemCount];
    EXPECT_EQ(group.Name, c.made);
    EXPECT_EQ(group.Nlines, 3);
    EXPECT_EQ(group.Xmin, 1);
    EXPECT_EQ(group.Ymin, 1);
    EXPECT_EQ(group.Xmax, 4);
    EXPECT_EQ(group.Ymax, 4.5);
    for (Long member : {line, text, second}) EXPECT_EQ(Objs[member].OwnerID, ItemCount);
    EXPECT_EQ(ActiveTool, ToolNone);
    EXPECT_EQ(ActiveDoc, static_cast<Surface*>(doc_));
    EXPECT_TRUE(EqualsFreshRedraw());
    DrawingDriver::Choose("mnuSelectClr");
  }
}

// Four holes of radius 0.25 whose centres span 3 by 2: the group is measured
// and shown by what they draw, their rims, as the fit takes a circle.
TEST_F(GroupsViewsTest, AGroupOfCirclesIsMeasuredAndShownByTheirRims) {
  constexpr Double r = 0.25;
  const std::pair<Double, Double> centres[] = {{1, 1}, {4, 1}, {1, 3}, {4, 3}};
  for (const auto& [x, y] : centres) AddCircle(x, y, r);
  SelectWindow(0.5, 0.5, 4.5, 3.5);
  QString size;
  OnDialog<frmGroupSelect>([&size](frmGroupSelect& dialog) {
    ClickLastRow(dialog.List1);
    size = dialog.lblWidth->text() + " " + dialog.lblHeight->text();
    dialog.OKButton->click();
  });
  DrawingDriver::Choose("mnuViewGroup");
  EXPECT_EQ(size.toStdString(), "Width = " + FormatLengthFixed(3.5) + " Height = " + FormatLengthFixed(2.5));
  DrawingDriver::Choose("mnuSelectClr");  // the circles drawn plain, not dashed as selected
  ChooseLastGroup("mnuGroupsShow");
  const QImage shown = doc_->Image().copy();
  for (const auto& [x, y] : centres) {
    SCOPED_TRACE(testing::Message() << "circle at " << x << ", " << y);
    EXPECT_LE(doc_->XVmin, x - r);
    EXPECT_GE(doc_->XVmax, x + r);
    EXPECT_LE(doc_->YVmin, y - r);
    EXPECT_GE(doc_->YVmax, y + r);
    // The rim is drawn at its outermost point on each side (within a pixel,
    // as the last column of a fitted view lies on the window's edge).
    for (const auto& [rx, ry] : {std::pair{x - r, y}, std::pair{x + r, y}, std::pair{x, y - r}, std::pair{x, y + r}})
      EXPECT_TRUE(DrawnNear(shown, input_->PositionOf(rx, ry).toPoint())) << rx << ", " << ry;
  }
}

// A stored group whose box holds its members' points only (a circle by its
// centre and the rim point to its right) is measured again by the rims
// when its drawing is loaded, and shown whole.
TEST_F(GroupsViewsTest, AStoredGroupIsMeasuredByItsMembersRimsWhenItsDrawingIsLoaded) {
  DwgDbPath = ScratchPath("Holes_dwg.mdb");
  CreateEmptyDrawingsDb(DwgDbPath);
  AddCircle(1, 1, 0.25);
  AddCircle(4, 3, 0.25);
  SelectWindow(0.5, 0.5, 4.5, 3.5);
  AddGroupFromMenu();
  ASSERT_TRUE(SaveDrawing(1));
  TestDatabase(DwgDbPath, true).Exec("UPDATE Objects SET Xmin = 1, Ymin = 1, Xmax = 4.25, Ymax = 3 WHERE Rtype = ?",
                                     {DbValue(Long{ItemGroup})});
  FixedDpiDocument* copy = Open(2, "Copy");
  Dwgs[2].DrawID = Dwgs[1].DrawID;
  ASSERT_TRUE(LoadDrawing());
  RefreshDocView(copy);
  ChooseLastGroup("mnuGroupsShow");
  const ItemRec& group = Items[SelectedGroup];
  ASSERT_EQ(group.DwgNo, 2);
  EXPECT_EQ((std::vector<Double>{group.Xmin, group.Ymin, group.Xmax, group.Ymax}),
            (std::vector<Double>{0.75, 0.75, 4.25, 3.25}));
  EXPECT_LE(copy->XVmin, 0.75);
  EXPECT_LE(copy->YVmin, 0.75);
  EXPECT_GE(copy->XVmax, 4.25);
  EXPECT_GE(copy->YVmax, 3.25);
}

TEST_F(GroupsViewsTest, AddWithoutSelectionMakesNoGroupAndAreaBoundariesStayWithTheirArea) {
  const Long items = ItemCount;
  DrawingDriver::Choose("mnuViewGroup");
  EXPECT_EQ(MessagePanel(2), "No Items Selected!!");
  EXPECT_EQ(ItemCount, items);
  EXPECT_EQ(ActiveTool, ToolNone);

  const Long boundary = CreateWindowArea(1, 1, 5, 4);
  const Long area = Objs[boundary].OwnerID;
  ASSERT_EQ(Items[area].Rtype, ItemArea);
  const Long line = AddLine(2, 2, 3, 3);
  SelectWindow(0.5, 0.5, 6, 5);
  SetSelectedFlag(boundary, FlagTrue);  // a hidden boundary in the selection all the same
  AddGroupFromMenu();
  EXPECT_EQ(Objs[boundary].OwnerID, area);
  EXPECT_EQ(Objs[line].OwnerID, ItemCount);
  EXPECT_EQ(Items[ItemCount].Xmin, 2);  // the boundary's corner at 1 is not the group's
  EXPECT_EQ(Items[ItemCount].Xmax, 3);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(GroupsViewsTest, CancelAfterPreviewingAHiddenGroupLeavesItHiddenAndOkShowsIt) {
  AddLine(1, 1, 3, 2);
  SelectWindow(0.5, 0.5, 5, 5);
  AddGroupFromMenu();
  const Long group = ItemCount;
  struct Case {
    bool ok;
    Integer show;
    const char* message;
  };
  for (const Case c : {Case{false, FlagFalse, "Group : New Group 1 Hidden"},
                       Case{true, FlagTrue, "Group : New Group 1 Showing"}}) {
    OnDialog<frmGroupSelect>([](frmGroupSelect& dialog) {
      EXPECT_EQ(dialog.windowTitle(), "Hide Group");
      ClickRow(dialog.List1, 0);
      dialog.OKButton->click();
    });
    RunGroup(HideGroupCode);
    ASSERT_EQ(Items[group].Show, FlagFalse);
    ASSERT_EQ(MessagePanel(2), "Group : New Group 1 Hidden");
    OnDialog<frmGroupSelect>([&](frmGroupSelect& dialog) {
      ClickRow(dialog.List1, 0);
      EXPECT_EQ(dialog.lblLines->text(), "Lines = 1");
      (c.ok ? dialog.OKButton : dialog.CancelButton)->click();
    });
    DrawingDriver::Choose("mnuGroupsShow");
    EXPECT_EQ(Items[group].Show, c.show);
    EXPECT_EQ(MessagePanel(2), c.message);
    EXPECT_EQ(PreviewMode, 0);
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

TEST_F(GroupsViewsTest, ShowAndAddDrawTheGroupAloneUntilTheNextRedraw) {
  ShowRefPnts = FlagTrue;  // the reference mark belongs to the full picture only
  for (const char* menu : {"mnuViewGroup", "mnuGroupsShow"}) {
    const Long member = AddLine(1, 1, 3, 2);
    SelectWindow(0.5, 0.5, 5, 5);
    const Long other = AddLine(1, 1.5, 3, 1.5);  // inside the group's box, not selected
    if (String(menu) == "mnuGroupsShow") AddGroupFromMenu();
    ChooseLastGroup(menu);
    ASSERT_EQ(Objs[member].OwnerID, ItemCount) << menu;
    const QImage alone = doc_->Image().copy();
    const Single reach = PickTolerance;  // picking follows the zoom to the group
    // The same view drawn whole, without the other line and the reference mark.
    Objs[other].Show = ShowRefPnts = FlagFalse;
    RefreshDocView(doc_);
    EXPECT_TRUE(alone == doc_->Image()) << menu;
    EXPECT_EQ(reach, PickTolerance) << menu;
    Objs[other].Show = ShowRefPnts = FlagTrue;
    DrawingDriver::Choose("mnuViewRedraw");
    EXPECT_FALSE(alone == doc_->Image()) << menu;  // the redraw brings the rest back
    ClearDrawing();
  }
}

TEST_F(GroupsViewsTest, AGroupMovedOrRescaledIsShownAtItsNewExtents) {
  struct Case {
    const char* menu;
    std::vector<std::pair<Double, Double>> clicks;
    QString typed;
    Double box[4];  // the group's extents afterwards, Xmin, Ymin, Xmax, Ymax
  };
  // The group: a line from (1, 1) to (3, 2) and a text character at (2, 3).
  for (const Case& c : {Case{"mnuEditMove", {{1, 1}, {3, 2}}, "", {3, 2, 5, 4}},  // by (2, 1)
                        Case{"mnuEditRescale", {{1, 1}}, "2", {1, 1, 5, 5}}}) {  // twice the size about (1, 1)
    AddLine(1, 1, 3, 2);
    AddCompound(EntityTextChar, 2, 3, 0);
    SelectWindow(0.5, 0.5, 3.5, 3.5);
    AddGroupFromMenu();
    ShowAtScale(doc_, 48, 24);  // the clicks below in the fixture's view, not the group's
    const ItemRec& group = Items[ItemCount];
    DrawingDriver::Choose(c.menu);
    input_->ClickEach(c.clicks);
    for (int k = 0; k < 2 && !c.typed.isEmpty(); ++k) {  // the same scale across and up
      input_->Type(c.typed);
      input_->Enter();
    }
    ChooseLastGroup("mnuGroupsShow");
    const Double box[4] = {group.Xmin, group.Ymin, group.Xmax, group.Ymax};
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(box[k], c.box[k], 1e-9) << c.menu << " " << k;
    // The view fitted to the new place, with the fit's margin of 1/100: the
    // box, centred, fills the window in its tighter direction, and the
    // world window is all the window shows.
    const Double width = (c.box[2] - c.box[0]) * 1.02, height = (c.box[3] - c.box[1]) * 1.02;
    const Double shownWidth = doc_->XVmax - doc_->XVmin, shownHeight = doc_->YVmax - doc_->YVmin;
    EXPECT_NEAR((doc_->XVmin + doc_->XVmax) / 2, (c.box[0] + c.box[2]) / 2, 1e-4) << c.menu;
    EXPECT_NEAR((doc_->YVmin + doc_->YVmax) / 2, (c.box[1] + c.box[3]) / 2, 1e-4) << c.menu;
    EXPECT_NEAR(std::min(shownWidth / width, shownHeight / height), 1, 1e-4) << c.menu;
    EXPECT_NEAR(shownWidth / shownHeight, static_cast<Double>(doc_->View_Maxx - doc_->View_MinX) / (doc_->View_Maxy - doc_->View_Miny), 1e-3) << c.menu;
    ClearDrawing();
    ShowAtScale(doc_, 48, 24);
  }
}

TEST_F(GroupsViewsTest, TwoGroupsMovedTogetherBothFollow) {
  const Double left[2] = {1, 3};  // group 1 from x = 1, group 2 from x = 3, each 1 by 1
  Long groups[2] = {0, 0};
  for (int g = 0; g < 2; ++g) {
    AddLine(left[g], 1, left[g] + 1, 2);
    SelectWindow(left[g] - 0.2, 0.8, left[g] + 1.2, 2.2);
    AddGroupFromMenu();
    groups[g] = ItemCount;
    DrawingDriver::Choose("mnuSelectClr");
    ShowAtScale(doc_, 48, 24);  // the clicks in the fixture's view, not the group's
  }
  SelectWindow(0.5, 0.5, 4.5, 2.5);
  DrawingDriver::Choose("mnuEditMove");
  input_->ClickAt(1, 1);
  input_->ClickAt(2, 3);  // by (1, 2)
  for (int g = 0; g < 2; ++g) {
    const ItemRec& group = Items[groups[g]];
    const Double box[4] = {group.Xmin, group.Ymin, group.Xmax, group.Ymax};
    const Double want[4] = {left[g] + 1, 3, left[g] + 2, 4};
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(box[k], want[k], 1e-9) << g << " " << k;
  }
}

TEST_F(GroupsViewsTest, TheGroupChooserTakesTheDefaultSheetForAOnePointGroupAndKeepsReferencePoints) {
  AddCompound(EntityTextChar, 2, 1, 0);  // a group of one insertion point
  SelectWindow(1.5, 0.5, 2.5, 1.5);
  AddGroupFromMenu();
  Dwgs[1].Xmax = 30;  // the drawing's extents, which are not the sheet
  Dwgs[1].Ymax = 40;
  DefDwgWidth = 11;
  DefDwgHeight = 8.5F;
  ShowRefPnts = FlagTrue;
  QString size;
  OnDialog<frmGroupSelect>([&size](frmGroupSelect& dialog) {
    ClickLastRow(dialog.List1);
    size = dialog.lblWidth->text() + " " + dialog.lblHeight->text();
  });
  DrawingDriver::Choose("mnuGroupsShow");
  // From the point (2, 1) to the sheet's corner (11, 8.5).
  EXPECT_EQ(size.toStdString(), "Width = " + FormatLengthFixed(9) + " Height = " + FormatLengthFixed(7.5));
  EXPECT_EQ(ShowRefPnts, FlagTrue);
}

TEST_F(GroupsViewsTest, DeleteGroupErasesTheMembersWithoutAskingAndActsOnlyOnAChosenRow) {
  const Long member = AddLine(1, 1, 3, 2);
  const Long other = AddLine(1, 4, 3, 4);
  SelectWindow(0.5, 0.5, 4, 3);
  AddGroupFromMenu();
  const Long group = ItemCount;
  auto questions = [this] { return Responder().MessageBoxes().size(); };
  const size_t asked = questions();
  OnDialog<frmGroupSelect>([](frmGroupSelect& dialog) {
    dialog.Command2->click();                             // nothing chosen: nothing deleted
    RetypeAndEnter(dialog.TxtName, "Renamed");            // nor renamed
    EXPECT_EQ(dialog.List1->count(), 1);
    ClickRow(dialog.List1, 0);
    RetypeAndEnter(dialog.TxtName, "Kept Name");
    EXPECT_EQ(dialog.List1->item(0)->text(), "Kept Name");
    dialog.Command2->click();
    EXPECT_EQ(dialog.List1->count(), 0);
    EXPECT_EQ(SelectedGroup, 0);  // the deleted group is no answer
    dialog.OKButton->click();
  });
  DrawingDriver::Choose("mnuGroupsShow");
  EXPECT_EQ(questions(), asked);  // no question
  EXPECT_TRUE(Objs[member].Erased || Objs[member].DwgNo == 0);
  EXPECT_TRUE(group > ItemCount || Items[group].Rtype == ItemDeleted);
  EXPECT_EQ(Objs[other].DwgNo, CurDwg);
  EXPECT_EQ(Objs[other].Erased, 0);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(GroupsViewsTest, SelectGroupAndSelectViewUseTheirChoosersAndSelectAreaStillWorks) {
  const Long member = AddLine(1, 1, 3, 2);
  const Long outside = AddLine(6, 4, 7, 5);
  SelectWindow(0.5, 0.5, 4, 3);
  AddGroupFromMenu();
  DrawingDriver::Choose("mnuSelectClr");
  OnDialog<frmGroupSelect>([](frmGroupSelect& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Select Group");
    ClickRow(dialog.List1, 0);
    dialog.OKButton->click();
  });
  DrawingDriver::Choose("mnuSelectGroup");
  EXPECT_EQ(Objs[member].Selected, FlagTrue);
  EXPECT_EQ(Objs[outside].Selected, 0);

  AddNamedItem(ItemView, "Corner", 5, 5);
  OnDialog<frmViewSelect>([](frmViewSelect& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Select View");
    ClickRow(dialog.List1, 0);
    dialog.OKButton->click();
  });
  DrawingDriver::Choose("mnuSelectView");
  EXPECT_EQ(Objs[member].Selected, FlagTrue);
  EXPECT_EQ(Objs[outside].Selected, 0);
  EXPECT_EQ(MessagePanel(2), "View: Corner - Selected");
  EXPECT_EQ(ActiveDoc, static_cast<Surface*>(doc_));
  EXPECT_TRUE(EqualsFreshRedraw());
}

// ---- Named views ------------------------------------------------------------------------------

TEST_F(GroupsViewsTest, AddViewNamesTheFirstFreeNumberAndCancelMakesNoView) {
  struct Case {
    std::vector<const char*> existing;
    const char* made;
  };
  for (const Case& c : {Case{{}, "New View 1"}, Case{{"New View 1", "New View 3", "new view 2"}, "New View 2"}}) {
    for (Long i = 1; i <= ItemCount; ++i)
      if (Items[i].Rtype == ItemView) DeleteView(i);
    for (const char* name : c.existing) AddNamedItem(ItemView, name, 4, 3);
    const Long itemsBefore = ItemCount;
    const Long objectsBefore = Dwgs[CurDwg].Nobjects;
    const int listed = static_cast<int>(c.existing.size());
    const Double left = doc_->XVmin, top = doc_->YVmax;
    OnDialog<frmViewSelect>([&](frmViewSelect& dialog) {
      EXPECT_EQ(dialog.windowTitle(), "Add New View");
      EXPECT_EQ(dialog.List1->count(), listed + 1);
      EXPECT_EQ(dialog.List1->item(dialog.List1->count() - 1)->text(), c.made);
      dialog.CancelButton->click();
    });
    DrawingDriver::Choose("mnuViewView");
    EXPECT_EQ(MessagePanel(1), "ADD View");
    EXPECT_EQ(ItemCount, itemsBefore);
    EXPECT_EQ(Dwgs[CurDwg].Nobjects, objectsBefore);
    EXPECT_EQ(SelectedView, 0);
    // The next Add View lists the same number of views and offers the same name.
    OnDialog<frmViewSelect>([&](frmViewSelect& dialog) {
      EXPECT_EQ(dialog.List1->count(), listed + 1);
      EXPECT_EQ(dialog.List1->item(dialog.List1->count() - 1)->text(), c.made);
      ClickLastRow(dialog.List1);
      dialog.OKButton->click();
    });
    DrawingDriver::Choose("mnuViewView");
    EXPECT_EQ(MessagePanel(2), String("VIEW : ") + c.made + " Created");
    EXPECT_EQ(ItemCount, itemsBefore + 1);
    EXPECT_EQ(Items[ItemCount].Name, c.made);
    EXPECT_EQ(Items[ItemCount].Xmin, left);
    EXPECT_EQ(Items[ItemCount].Ymax, top);
    OnDialog<frmViewSelect>([&](frmViewSelect& dialog) {
      EXPECT_EQ(dialog.windowTitle(), "Show/Edit View");
      EXPECT_EQ(dialog.List1->count(), listed + 1);
      ClickLastRow(dialog.List1);
      EXPECT_EQ(dialog.lblView->text(), c.made);
      dialog.OKButton->click();
    });
    DrawingDriver::Choose("mnuViewsShow");
    EXPECT_EQ(MessagePanel(2), String("VIEW : ") + c.made + " Showing");
    EXPECT_EQ(ActiveTool, ToolNone);
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

TEST_F(GroupsViewsTest, ShowViewGoesToTheViewAndTheChooserCopesWithNoViewsAndZeroWidth) {
  OnDialog<frmViewSelect>([](frmViewSelect& dialog) {
    EXPECT_EQ(dialog.Label1->text(), "NO Views Available");
    EXPECT_EQ(dialog.List1->count(), 0);
    dialog.OKButton->click();
  });
  DrawingDriver::Choose("mnuViewsShow");
  EXPECT_EQ(SelectedView, 0);
  EXPECT_EQ(MessagePanel(2), "");

  AddLine(1, 1, 3, 2);
  const Long flat = AddNamedItem(ItemView, "Flat", 0, 3);  // no width
  AddNamedItem(ItemView, "Wide", 2, 1);
  ShowRefPnts = FlagTrue;
  OnDialog<frmViewSelect>([&](frmViewSelect& dialog) {
    EXPECT_EQ(dialog.Label1->text(), " 2  Views Available");
    ClickRow(dialog.List1, 0);
    EXPECT_EQ(ViewWinMaxX, Dwgs[1].Xmax);  // the fallback corner
    EXPECT_EQ(SelectedView, flat);
    ClickRow(dialog.List1, 1);
    dialog.OKButton->click();
  });
  DrawingDriver::Choose("mnuViewsShow");
  EXPECT_EQ(ShowRefPnts, FlagFalse);
  EXPECT_EQ(MessagePanel(2), "VIEW : Wide Showing");
  EXPECT_NEAR(doc_->XVmin, 0, 1e-3);  // the view window fitted: both of its sides within
  EXPECT_LE(doc_->XVmax - doc_->XVmin, 2.01 * (doc_->YVmax - doc_->YVmin) + 2.01);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(GroupsViewsTest, ShowViewOfAViewTheWindowCannotShowIsRefusedWithTheViewUnchanged) {
  AddLine(1, 1, 3, 2);
  const Long huge = AddNamedItem(ItemView, "Huge", 1e308, 1e308);
  Items[huge].Xmin = Items[huge].Ymin = -1e308;  // a fit gives a scale of 0
  const Double box[] = {doc_->XVmin, doc_->YVmin, doc_->XVmax, doc_->YVmax};
  const Single base[] = {doc_->VbaseX, doc_->Vbasey};
  OnDialog<frmViewSelect>([](frmViewSelect& dialog) {
    ClickRow(dialog.List1, 0);
    dialog.OKButton->click();
  });
  DrawingDriver::Choose("mnuViewsShow");
  EXPECT_EQ(MessagePanel(3), MessageViewRefused);
  EXPECT_EQ(MessagePanel(2).find("Showing"), String::npos) << MessagePanel(2);
  EXPECT_EQ((std::vector<Double>{doc_->XVmin, doc_->YVmin, doc_->XVmax, doc_->YVmax}),
            (std::vector<Double>(std::begin(box), std::end(box))));
  EXPECT_EQ(doc_->VbaseX, base[0]);
  EXPECT_EQ(doc_->Vbasey, base[1]);
  EXPECT_TRUE(EqualsFreshRedraw());
}

// ---- The window and its inside tests ------------------------------------------------------------

TEST_F(GroupsViewsTest, WindowCornersOrderTheCornersAndTheInsideTestsFollowEachType) {
  SelectWindow(1, 1, 5, 4);
  ASSERT_EQ(SelWinMinX, 1);
  ASSERT_EQ(SelWinMaxY, 4);
  DrawingDriver::Choose("mnuSelectWindow");
  input_->ClickAt(2, 2);
  input_->ClickAt(2, 3);  // the same X: false, the X bounds stay
  input_->Escape();
  EXPECT_EQ(SelWinMinX, 1);
  EXPECT_EQ(SelWinMaxX, 5);
  EXPECT_EQ(SelWinMinY, 2);
  EXPECT_EQ(SelWinMaxY, 3);
  EXPECT_FALSE(SetWindowFromView(3, 1, 3, 4));
  EXPECT_TRUE(SetWindowFromView(5, 4, 1, 1));
  EXPECT_EQ(SelWinMinX, 1);
  EXPECT_EQ(SelWinMaxY, 4);

  const Long border = AddLine(1, 1, 5, 4);
  const Long across = AddLine(2, 2, 6, 2);
  const Long arc = AddEntity(EntityArc, {{0, 0}, {2, 2}, {1.2, 1.2}, {3, 3}});  // centre outside, the rest inside
  const Long hidden = AddLine(2, 2, 3, 3);
  Objs[hidden].Show = FlagFalse;
  const Long text = AddCompound(EntityTextChar, 2, 2, 90);  // (90, 0) is no place
  struct Case {
    Long obj;
    bool inside;
  };
  for (const Case c : {Case{border, true}, Case{across, false}, Case{arc, true}, Case{hidden, false},
                       Case{text, true}})
    EXPECT_EQ(IsObjInWindow(c.obj), c.inside) << c.obj;
}

// ---- Saving -----------------------------------------------------------------------------------

TEST_F(GroupsViewsTest, GroupsAndViewsAreSavedAndLoadedWithTheDrawing) {
  DwgDbPath = ScratchPath("GroupsViews_dwg.mdb");
  CreateEmptyDrawingsDb(DwgDbPath);
  AddLine(1, 1, 3, 2);
  SelectWindow(0.5, 0.5, 4, 3);
  AddGroupFromMenu();
  AddNamedItem(ItemView, "Kept View", 5, 4);
  ASSERT_TRUE(SaveDrawing(1));
  Open(2, "Copy");
  Dwgs[2].DrawID = Dwgs[1].DrawID;
  ASSERT_TRUE(LoadDrawing());
  Long group = 0, view = 0, member = 0;
  for (Long i = 1; i <= ItemCount; ++i) {
    if (Items[i].DwgNo != 2) continue;
    if (Items[i].Rtype == ItemGroup) group = i;
    if (Items[i].Rtype == ItemView) view = i;
  }
  ASSERT_GT(group, 0);
  ASSERT_GT(view, 0);
  EXPECT_EQ(Items[group].Name, "New Group 1");
  EXPECT_EQ(Items[group].Xmax, 3);
  EXPECT_EQ(Items[view].Name, "Kept View");
  EXPECT_EQ(Items[view].Ymax, 4);
  for (Long i = 1; i <= ObjCount; ++i)
    if (Objs[i].DwgNo == 2 && Objs[i].Rtype == EntityLine) member = i;
  ASSERT_GT(member, 0);
  EXPECT_EQ(Objs[member].OwnerID, group);
}

}  // namespace
}  // namespace lintavo
