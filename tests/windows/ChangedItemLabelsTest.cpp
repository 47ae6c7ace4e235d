// What the item dialogs say about an item the user has just renamed or
// deleted in them: the labels, the count line and the caption name the item
// as it is after the change, never as it was.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <functional>
#include <ostream>
#include <vector>

#include "commands/EditFixture.h"
#include "support/DialogKeys.h"
#include "support/ListClicks.h"
#include "storage/TestDatabase.h"
#include "windows/edit/frmCompEdit.h"
#include "windows/show/frmAreaSelect.h"
#include "windows/show/frmLayerCtl.h"

namespace lintavo {
namespace {

// The drawings the rows make through the menus before their dialog opens.
class ChangedItemLabelsTest : public EditFixture {
 public:
  // Two lines made one component placement by Edit, Component, Make Into,
  // stored in an empty drawings database as the component's edits are.
  void PlaceComponent() {
    DwgDbPath = ScratchPath("Labels_dwg.mdb");
    CreateEmptyDrawingsDb(DwgDbPath);
    AddLine(1, 1, 3, 1);
    AddLine(1, 1, 1, 2);
    RefreshDocView(doc_);
    DrawingDriver::Choose("mnuSelectAll");
    DrawingDriver::Choose("mnuEditCompReplace");
  }
  // The placement copied once by Edit, Copy: the component is placed twice.
  void PlaceComponentTwice() {
    PlaceComponent();
    DrawingDriver::Choose("mnuSelectAll");
    DrawingDriver::Choose("mnuEditCopys");
    input_->ClickEach({{1, 1}, {4, 3}});
    input_->Escape();
  }
  // Three areas by View, Areas, Window.
  void MakeThreeAreas() {
    for (Double x : {1.0, 3.0, 5.0}) CreateWindowArea(x, 1, x + 1, 2);
  }
};

frmLayerCtl& LayerCtl(QDialog& shown) { return dynamic_cast<frmLayerCtl&>(shown); }
frmCompEdit& CompEdit(QDialog& shown) { return dynamic_cast<frmCompEdit&>(shown); }
frmAreaSelect& AreaSelect(QDialog& shown) { return dynamic_cast<frmAreaSelect&>(shown); }

std::vector<String> Texts(std::initializer_list<QString> texts) {
  std::vector<String> read;
  for (const QString& text : texts) read.push_back(text.toStdString());
  return read;
}

using Maker = void (ChangedItemLabelsTest::*)();
using Work = std::function<void(QDialog&)>;
using Read = std::function<std::vector<String>(QDialog&)>;

struct LabelCase {
  const char* name;            // the test's name: what the user changed
  Maker make;                  // the drawing made first; nullptr: the window's own layer only
  const char* menuItem;        // opens the dialog
  Work change;                 // the rename or delete, as the user does it
  Read labels;                 // what the dialog says afterwards
  std::vector<String> shown;   // what it must say
};

const LabelCase Cases[] = {
    {"LayerControlChosenLayerRenamed", nullptr, "mnuLayersShow",
     [](QDialog& d) { ClickRow(LayerCtl(d).lv, 0); RetypeAndEnter(LayerCtl(d).TxtName, "Walls"); },
     [](QDialog& d) { return Texts({LayerCtl(d).lblView->text()}); }, {"Current Layer = Walls"}},
    {"LayerControlChosenLayerDeleted", nullptr, "mnuLayersShow",
     [](QDialog& d) { ClickRow(LayerCtl(d).lv, 0); LayerCtl(d).cmdDelete->click(); },
     [](QDialog& d) { return Texts({LayerCtl(d).lblView->text(), LayerCtl(d).lblLines->text()}); },
     {"", "Number of Lines"}},
    {"EditComponentPlacedOnceRenamed", &ChangedItemLabelsTest::PlaceComponent, "mnuEditCompEdit",
     [](QDialog& d) { Retype(CompEdit(d).TxtName, "Gate"); CompEdit(d).cmdUpdate->click(); },
     [](QDialog& d) { return Texts({d.windowTitle(), CompEdit(d).lblView->text()}); },
     {"Edit Placed Component: Gate", "Gate"}},
    {"EditComponentPlacedTwiceRenamedIntoACopy", &ChangedItemLabelsTest::PlaceComponentTwice, "mnuEditCompEdit",
     [](QDialog& d) { Retype(CompEdit(d).TxtName, "Gate"); CompEdit(d).cmdUpdate->click(); },
     [](QDialog& d) {
       return Texts({d.windowTitle(), CompEdit(d).lblView->text(), CompEdit(d).lblPlace->text()});
     },
     {"Edit Placed Component: Gate", "Gate", "Placements = 1"}},
    {"AreaSelectTwoOfThreeDeleted", &ChangedItemLabelsTest::MakeThreeAreas, "mnuAreasShow",
     [](QDialog& d) {
       for (int deleted = 0; deleted < 2; ++deleted) {
         ClickRow(AreaSelect(d).List1, 0);
         AreaSelect(d).Command2->click();
       }
     },
     [](QDialog& d) {
       const frmAreaSelect& a = AreaSelect(d);
       return Texts({a.Label1->text(), a.lblView->text(), a.lblLines->text()});
     },
     {" 1  Areas Available", "", "Area"}},
};

void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.name; }

class DialogLabelsTest : public ChangedItemLabelsTest, public ::testing::WithParamInterface<LabelCase> {};

TEST_P(DialogLabelsTest, TheDialogSaysWhatIsSoAfterTheChange) {
  const LabelCase& c = GetParam();
  if (c.make) (this->*c.make)();
  std::vector<String> read;
  Responder().OnModalWindow([&](QDialog& shown) {
    c.change(shown);
    read = c.labels(shown);
    shown.reject();
  });
  DrawingDriver::Choose(c.menuItem);
  EXPECT_EQ(read, c.shown);
}

INSTANTIATE_TEST_SUITE_P(RenamedOrDeleted, DialogLabelsTest, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<LabelCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lintavo
