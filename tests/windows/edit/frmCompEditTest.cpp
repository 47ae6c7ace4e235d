// The placement edit dialog, shown modally on the selected placement and
// worked through its list, boxes and buttons, writing into a drawings
// database in the test folder.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "organisation/ComponentDefinition.h"
#include "support/ListClicks.h"
#include "windows/StoredComponentFixture.h"
#include "windows/insert/frmCompSelect.h"
#include "organisation/Components.h"
#include "organisation/LinkHand.h"
#include "support/ModelBuilders.h"
#include "windows/edit/frmCompEdit.h"
#include "platform/Prompts.h"
#include "storage/LoadObjects.h"
#include "storage/SaveData.h"
#include "storage/StoredDrawing.h"

namespace lintavo {
namespace {

class frmCompEditTest : public StoredDrawingTest {
 protected:
  void SetUp() override {
    StoredDrawingTest::SetUp();
    valve_ = LoadDefinition("Valve");
    pump_ = LoadDefinition("Pump");
  }
  // A loaded component holding one line.
  static Long LoadDefinition(const String& name) {
    const Long item = AddDefinition(name);
    Items[item].Category = "Fittings";
    return item;
  }
  // A placement of item in the current drawing, selected when asked.
  static Long Place(Long item, bool selected) {
    ObjRec& obj = Objs[AddCompound(EntityComponent, 2, 2, 0)];
    obj.Name = Items[item].Name;
    obj.OwnerID = obj.ObjectID = item;
    obj.Selected = selected ? FlagTrue : FlagFalse;
    return ObjCount;
  }
  void ShowEditor(std::function<void(frmCompEdit&)> operate) {
    Responder().OnDialog<frmCompEdit>(operate, &frmCompEdit::CancelButton);
    ShowCompEdit();
  }
  static void Rename(frmCompEdit& dialog, const char* name) {
    dialog.TxtName->setText(name);
    dialog.cmdUpdate->click();
  }
  Long valve_ = 0, pump_ = 0;
};

TEST_F(frmCompEditTest, AComponentPlacedOnceIsRenamedInPlaceAndStored) {
  const Long placement = Place(valve_, true);
  ShowEditor([](frmCompEdit& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Edit Placed Component: Valve");
    EXPECT_EQ(dialog.lblPlace->text(), "Placements = 1");
    Rename(dialog, "Gate Valve");
    dialog.OKButton->click();
  });
  EXPECT_EQ(Items[valve_].Name, "Gate Valve");
  EXPECT_EQ(Objs[placement].Name, "Gate Valve");
  EXPECT_EQ(Objs[placement].ObjectID, valve_);
  EXPECT_TRUE(ComponentExistsInDb("Gate Valve"));
}

TEST_F(frmCompEditTest, AComponentPlacedTwiceIsDuplicatedUnderTheNewName) {
  const Long edited = Place(valve_, true);
  const Long other = Place(valve_, false);
  const Long items = ItemCount;
  ShowEditor([](frmCompEdit& dialog) {
    EXPECT_EQ(dialog.lblPlace->text(), "Placements = 2");
    Rename(dialog, "Gate Valve");
    EXPECT_EQ(dialog.lblSelected->text(), "New Component Created");
    dialog.OKButton->click();
  });
  ASSERT_EQ(ItemCount, items + 1);
  EXPECT_EQ(Items[ItemCount].Name, "Gate Valve");
  EXPECT_EQ(Items[ItemCount].Nlines, 1);
  EXPECT_EQ(Items[ItemCount].Category, "Fittings");
  EXPECT_EQ(Items[valve_].Name, "Valve");
  EXPECT_EQ(Objs[edited].ObjectID, ItemCount);
  EXPECT_EQ(Objs[edited].Name, "Gate Valve");
  EXPECT_EQ(Objs[other].ObjectID, valve_);
  EXPECT_EQ(Objs[other].Name, "Valve");
}

// The stored "Valve" keeps its row, name and line for its other placement;
// the copy gets a row of its own under the new name.
TEST_F(frmCompEditTest, RenamingAComponentPlacedTwiceKeepsTheStoredRowOfTheOld) {
  CompDbPath = DwgDbPath;
  SaveComponent(valve_);
  const Long valveKey = Items[valve_].ObjectID;
  ASSERT_GE(valveKey, 1);
  const String valveLines = "SELECT count(*) FROM Lines WHERE DrawingID = 0 AND OwnerID = ";
  Place(valve_, true);
  Place(valve_, false);
  ShowEditor([](frmCompEdit& dialog) {
    dialog.TxtDesc->setText("Brass");
    Rename(dialog, "Gate Valve");
    dialog.OKButton->click();
  });
  const Long copy = ItemCount;
  ASSERT_EQ(Items[copy].Name, "Gate Valve");
  EXPECT_EQ(Db().FirstColumn("SELECT Name || ':' || ObjectID FROM Components ORDER BY ObjectID"),
            (std::vector<String>{"Valve:" + std::to_string(valveKey),
                                 "Gate Valve:" + std::to_string(Items[copy].ObjectID)}));
  EXPECT_EQ(Db().Number(valveLines + std::to_string(valveKey)), 1);
  EXPECT_EQ(Db().Number(valveLines + std::to_string(Items[copy].ObjectID)), 1);
  EXPECT_EQ(Items[valve_].ObjectID, valveKey);
  EXPECT_EQ(Items[valve_].Description, "");  // the typed description went to the copy
  EXPECT_EQ(Items[copy].Description, "Brass");
  EXPECT_EQ(Db().Text("SELECT Description FROM Components WHERE Name = 'Gate Valve'"), "Brass");
}

// Placements are counted past 32,767: a component placed that often is
// copied for the edited placement, never renamed under the others.
TEST_F(frmCompEditTest, PlacementsPast32767AreCountedAndARenameCopies) {
  constexpr Long placements = 32768;
  const Long edited = Place(valve_, true);
  for (Long k = 1; k < placements; ++k) Place(valve_, false);
  const Long lastPlacement = ObjCount;
  QString counted;
  ShowEditor([&counted](frmCompEdit& dialog) {
    counted = dialog.lblPlace->text();
    Rename(dialog, "Gate Valve");
    dialog.OKButton->click();
  });
  EXPECT_EQ(counted.toStdString(), "Placements = 32768");
  EXPECT_EQ(Items[valve_].Name, "Valve");
  EXPECT_EQ(Objs[edited].Name, "Gate Valve");
  EXPECT_EQ(Objs[lastPlacement].Name, "Valve");
  EXPECT_EQ(Objs[lastPlacement].ObjectID, valve_);
}

TEST_F(frmCompEditTest, EmptyBoxesKeepTheFieldsAndTypedOnesReplaceThem) {
  Place(valve_, true);
  ShowEditor([](frmCompEdit& dialog) {
    dialog.TxtCategory->setText("");
    dialog.TxtDesc->setText("Brass");
    dialog.cmdUpdate->click();
  });
  EXPECT_EQ(Items[valve_].Category, "Fittings");
  EXPECT_EQ(Items[valve_].Description, "Brass");
}

TEST_F(frmCompEditTest, AnotherComponentChosenWithOKIsShownAndCancelChangesNothing) {
  struct Case {
    bool ok;
    bool pumpShown;
  };
  for (const Case c : {Case{false, false}, Case{true, true}}) {
    const Long placement = Place(valve_, true);
    ShowEditor([&c](frmCompEdit& dialog) {
      ASSERT_EQ(dialog.List1->count(), 2);
      emit dialog.List1->itemClicked(dialog.List1->item(1));
      EXPECT_EQ(dialog.lblSelected->text(), "New Component Selected");
      (c.ok ? dialog.OKButton : dialog.CancelButton)->click();
    });
    EXPECT_EQ(Objs[placement].ObjectID, c.pumpShown ? pump_ : valve_) << c.ok;
    EXPECT_EQ(Objs[placement].Name, c.pumpShown ? "Pump" : "Valve") << c.ok;
    Objs[placement].Selected = FlagFalse;
  }
}

TEST_F(frmCompEditTest, ARenameToANameAnotherComponentHoldsIsRefused) {
  const Long placement = Place(valve_, true);
  AddComponentRow("Stored Valve", 0);
  for (const char* taken : {"Pump", "Stored Valve"}) {
    Responder().AnswerMsgBox(vbOK);
    ShowEditor([taken](frmCompEdit& dialog) { Rename(dialog, taken); });
    EXPECT_EQ(Responder().Prompts().back().text, String("A component named ") + taken + " already exists.");
    EXPECT_EQ(Items[valve_].Name, "Valve") << taken;
    EXPECT_EQ(Objs[placement].Name, "Valve") << taken;
  }
  EXPECT_FALSE(ComponentExistsInDb("Valve"));
}

TEST_F(frmCompEditTest, EditComponentLinkOpensTheLinkDialogOnTheComponent) {
  Place(valve_, true);
  ShowEditor([this](frmCompEdit& dialog) {
    Responder().OnModalWindow([](QDialog& shown) {
      EXPECT_EQ(shown.windowTitle(), "Link Data For: Valve");
      shown.accept();
    });
    dialog.cmdLink->click();
    EXPECT_EQ(LinkItemIndex, valve_);
    EXPECT_EQ(dialog.txtLinked->text(), "Not Linked");
  });
}

// ---- The preview and the facts shown ---------------------------------------------------------

// What a component dialog shows of the component clicked in its list.
struct ShownComponent {
  QImage picture;
  QString width, height, author, date, category;
};

template <typename Dialog>
ShownComponent ShownIn(Dialog& dialog) {
  return {dialog.Picture1->Image().copy(), dialog.lblWidth->text(), dialog.lblHeight->text(),
          dialog.TxtAuthor->text(), dialog.TxtDate->text(), dialog.TxtCategory->text()};
}

using frmCompEditPreviewTest = StoredComponentFixture;

// A component of a component database, placed through Insert, Component,
// Place, is previewed and described by Edit, Component, Edit as the chooser
// did: the same picture, pixel for pixel, with its lines, and the same size,
// author, date and category.
TEST_F(frmCompEditPreviewTest, APlacedStoredComponentIsPreviewedAndDescribedAsTheChooserDid) {
  ShownComponent chosen, edited;
  Responder().OnDialog<frmCompSelect>([&chosen](frmCompSelect& dialog) {
    ClickRow(dialog.List1, 0);
    chosen = ShownIn(dialog);
    dialog.cmdOK->click();
  });
  DrawingDriver::Choose("mnuInsertCompplace");
  input_->Escape();
  Responder().OnDialog<frmCompEdit>(
      [&edited](frmCompEdit& dialog) {
        ClickRow(dialog.List1, 0);
        edited = ShownIn(dialog);
      },
      &frmCompEdit::CancelButton);
  DrawingDriver::Choose("mnuEditCompEdit");

  ASSERT_EQ(chosen.picture.size(), edited.picture.size());
  EXPECT_GT(DrawnPixels(chosen.picture), 500);  // the hexagon and the circle, not only the reference mark
  EXPECT_TRUE(edited.picture == chosen.picture);
  EXPECT_EQ(edited.width.toStdString(), chosen.width.toStdString());
  EXPECT_EQ(edited.height.toStdString(), chosen.height.toStdString());
  EXPECT_EQ(edited.author.toStdString(), chosen.author.toStdString());
  EXPECT_FALSE(edited.author.isEmpty());
  EXPECT_EQ(edited.date.toStdString(), chosen.date.toStdString());
  EXPECT_EQ(edited.category.toStdString(), chosen.category.toStdString());
}

}  // namespace
}  // namespace lintavo
