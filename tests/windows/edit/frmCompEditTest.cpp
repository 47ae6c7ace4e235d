// The placement edit dialog, shown modally on the selected placement and
// worked through its list, boxes and buttons, writing into a drawings
// database in the test folder.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "model/ItemMembers.h"
#include "model/UndoRedo.h"
#include "organisation/ComponentDefinition.h"
#include "support/ListClicks.h"
#include "windows/StoredComponentFixture.h"
#include "windows/insert/frmCompSelect.h"
#include "organisation/Components.h"
#include "organisation/LinkHand.h"
#include "support/DrawingDriver.h"
#include "support/ModelBuilders.h"
#include "windows/edit/frmCompEdit.h"
#include "platform/Prompts.h"
#include "storage/FileMenu.h"
#include "storage/LoadObjects.h"
#include "storage/SaveData.h"
#include "storage/StoredDrawing.h"

namespace lintavo {
namespace {

// The name typed into the dialog's name box, then Update Changes.
void Rename(frmCompEdit& dialog, const char* name) {
  dialog.TxtName->setText(name);
  dialog.cmdUpdate->click();
}

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

// Placed once in this drawing and once elsewhere in memory, the component
// is copied for the edited placement: a rename in place would rename the
// other placement too, in another open drawing or inside a definition.
TEST_F(frmCompEditTest, AComponentPlacedOnceHereAndOnceElsewhereIsCopiedForTheEditedPlacement) {
  struct Case {
    const char* elsewhere;
    const char* newName;
    Long (*placeElsewhere)(frmDocument& other, Long valve, Long pump);
  };
  const Case cases[] = {
      {"in another open drawing", "Gate Valve",
       [](frmDocument& other, Long valve, Long) {
         Open(other, 2);
         const Long placed = Place(valve, false);
         Activate(other);
         return placed;
       }},
      {"inside another definition", "Ball Valve",
       [](frmDocument&, Long valve, Long pump) {
         const Long placed = Place(valve, false);
         ObjRec& nested = Objs[placed];
         nested.DwgNo = 0;
         nested.DrawingID = 0;
         nested.OwnerID = pump;
         EntityLinksChanged(placed);
         return placed;
       }},
  };
  for (const Case& c : cases) {
    frmDocument other;
    const Long elsewhere = c.placeElsewhere(other, valve_, pump_);
    Activate(doc_);
    const Long edited = Place(valve_, true);
    ShowEditor([&c](frmCompEdit& dialog) {
      EXPECT_EQ(dialog.lblPlace->text(), "Placements = 1");
      Rename(dialog, c.newName);
      dialog.OKButton->click();
    });
    EXPECT_EQ(Items[valve_].Name, "Valve") << c.elsewhere;
    EXPECT_EQ(Objs[elsewhere].Name, "Valve") << c.elsewhere;
    EXPECT_EQ(Objs[elsewhere].ObjectID, valve_) << c.elsewhere;
    ASSERT_NE(Objs[edited].ObjectID, valve_) << c.elsewhere;
    EXPECT_EQ(Items[Objs[edited].ObjectID].Name, c.newName) << c.elsewhere;
    EXPECT_EQ(Objs[edited].Name, c.newName) << c.elsewhere;
    // Out of the next case's way.
    Objs[edited].Selected = FlagFalse;
    Objs[elsewhere].Erased = FlagTrue;
    if (Objs[elsewhere].DwgNo == 2) CloseDwg(2);
  }
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

// ---- Stored drawings -------------------------------------------------------------------

// Stored drawings opened through File, Open into windows of the main
// window's area, the dialog opened by Edit, Component, Edit, and the
// drawing saved through File, Save.
class frmCompEditStoredTest : public StoredDrawingMenuTest {
 protected:
  // The one placement of drawing dwgNo; 0 when there is not exactly one.
  static Long OnlyPlacement(Integer dwgNo) {
    Long found = 0, count = 0;
    for (Long i : EntitiesOf(dwgNo))
      if (Objs[i].Rtype == EntityComponent) found = i, ++count;
    return count == 1 ? found : 0;
  }
  // The component a placement shows, with the lines of its definition.
  static std::pair<String, size_t> Shown(Long placement) {
    const Long item = Objs[placement].ObjectID;
    if (item < 1 || item > ItemCount) return {"", 0};
    size_t lines = 0;
    for (Long i : ItemMembers(item)) lines += Objs[i].DwgNo == 0 && Objs[i].Rtype == EntityLine;
    return {Items[item].Name, lines};
  }
};

// Two stored drawings place "Valve". Renamed from the first, the component
// gets a row of its own under the new name; the row of "Valve" stays, so
// that the second still loads whole, and the first reloads with the new name.
TEST_F(frmCompEditStoredTest, ARenameStoresTheNewNameAsARowOfItsOwnAndOtherDrawingsStillLoadTheOld) {
  const Long valveKey = AddComponentRow("Valve", 1);
  AddLineRow(0, MemberRow(valveKey, 0, 0, 1, 0));
  for (const char* name : {"First", "Second"}) {
    const Long drawId = AddDrawingRow(name, 1, 1);
    StoredLine placement = CompoundRow(EntityComponent, 2, 2, "Valve", valveKey);
    placement.layer = AddItemRow(drawId, ItemLayer, "Layer 1");
    AddLineRow(drawId, placement);
  }

  OpenInNewWindow(2, "First");
  DrawingDriver::Choose("mnuSelectAll");
  Responder().OnDialog<frmCompEdit>(
      [](frmCompEdit& dialog) {
        dialog.TxtName->setText("Gate Valve");
        dialog.cmdUpdate->click();
        dialog.OKButton->click();
      },
      &frmCompEdit::CancelButton);
  DrawingDriver::Choose("mnuEditCompEdit");
  FileSaveAsOffered(Responder(), true);
  DrawingDriver::Choose("mnuFileClose");  // nothing of either component stays in memory

  OpenInNewWindow(2, "Second");
  const Long second = OnlyPlacement(2);
  ASSERT_NE(second, 0);
  EXPECT_EQ(Shown(second), std::make_pair(String("Valve"), size_t{1}));
  OpenInNewWindow(3, "First");
  const Long first = OnlyPlacement(3);
  ASSERT_NE(first, 0);
  EXPECT_EQ(Objs[first].Name, "Gate Valve");
  EXPECT_EQ(Shown(first), std::make_pair(String("Gate Valve"), size_t{1}));
  for (const String& text : Responder().MessageTexts()) EXPECT_EQ(text.find("not found"), String::npos) << text;

  const String lines = "SELECT count(*) FROM Lines WHERE DrawingID = 0 AND OwnerID = ";
  const Long gateKey = static_cast<Long>(Db().Number("SELECT ObjectID FROM Components WHERE Name = 'Gate Valve'"));
  EXPECT_EQ(Db().FirstColumn("SELECT Name FROM Components ORDER BY ObjectID"),
            (std::vector<String>{"Valve", "Gate Valve"}));
  EXPECT_EQ(Db().Number("SELECT ObjectID FROM Components WHERE Name = 'Valve'"), valveKey);
  EXPECT_EQ(Db().Number(lines + std::to_string(valveKey)), 1);
  EXPECT_EQ(Db().Number(lines + std::to_string(gateKey)), 1);
}

// A component renamed before any drawing places it keeps one stored row,
// under the new name (one a stored drawing places keeps the old row too:
// the test above).
TEST_F(frmCompEditStoredTest, ARenameOfAComponentNoDrawingPlacesRenamesItsStoredRow) {
  ViewFixture::OpenIn(*main_, 2);
  CompDbPath = DwgDbPath;
  Long item = AddDefinition("New Component 1");
  SaveComponent(item);
  Responder().OnDialog<frmCompEdit>([](frmCompEdit& dialog) {
    ClickRow(dialog.List1, 0);
    Rename(dialog, "Bracket");
  }, &frmCompEdit::OKButton);
  DrawingDriver::Choose("mnuEditCompEdit");
  EXPECT_EQ(Db().FirstColumn("SELECT Name FROM Components"), std::vector<String>{"Bracket"});
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
