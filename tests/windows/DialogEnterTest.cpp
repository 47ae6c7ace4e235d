// Enter in a box of a dialog presses no button the user did not choose:
// each dialog with a box, opened as a user opens it, gets Enter in that box.
#include <QDialog>
#include <QPushButton>
#include <ostream>

#include "commands/EditFixture.h"
#include "organisation/ComponentDefinition.h"
#include "support/DialogKeys.h"

namespace lintavo {
namespace {

struct EnterRow {
  const char* menuItem;  // opens the dialog
  const char* through;   // nullptr, or the button of that dialog that opens the one with the box
  const char* box;       // the box Enter is pressed in (objectName)
};
void PrintTo(const EnterRow& row, std::ostream* os) {
  *os << row.menuItem << (row.through ? String(", ") + row.through : String()) << ", " << row.box;
}

const EnterRow EnterRows[] = {
    {"mnuFilePrintPreview", nullptr, "Text1"},  // Print Scale
    {"mnuFilePrintPreview", nullptr, "Text2"},  // Print Resolution
    {"mnuFileSave", nullptr, "Text1"},          // the drawing's name
    {"mnuFileSave", nullptr, "Text2"},          // its revision
    {"mnuFileSave", nullptr, "Text3"},          // the database
    {"mnuFileProperties", nullptr, "Text13"},   // the author
    {"mnuOptionsUnits", nullptr, "List1"},
    {"mnuHelpIntro", nullptr, "RichTextBox1"},
    {"mnuEditCompEdit", "cmdLink", "txtPath"},  // the link dialog's source database
};

class DialogEnterTest : public EditFixture, public ::testing::WithParamInterface<EnterRow> {
 protected:
  void SetUp() override {
    EditFixture::SetUp();
    AddLine(1, 1, 3, 2);
    const Long valve = AddDefinition("Valve");
    ObjRec& placed = Objs[AddCompound(EntityComponent, 2, 2, 0)];
    placed.Name = "Valve";
    placed.OwnerID = placed.ObjectID = valve;
    placed.Selected = FlagTrue;
    RefreshDocView(doc_);
  }

  // Enter in the named box of dialog, given the focus by a click; the
  // number of the dialog's buttons it pressed.
  static int ButtonsPressedByEnterIn(QDialog& dialog, const char* boxName) {
    int pressed = 0;
    QObject counting;  // the counts end with this call
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
      QObject::connect(button, &QPushButton::clicked, &counting, [&pressed] { ++pressed; });
    auto* box = dialog.findChild<QWidget*>(boxName);
    EXPECT_NE(box, nullptr) << boxName;
    if (box == nullptr) return -1;
    const QWidget* focused = ClickRetypeAndEnter(box, QString());
    EXPECT_TRUE(focused == box || (focused && box->isAncestorOf(focused))) << boxName;
    return pressed;
  }
};

TEST_P(DialogEnterTest, EnterInABoxPressesNoButton) {
  const EnterRow row = GetParam();
  int pressed = -1;
  bool stillOpen = false;
  auto inDialog = [&](QDialog& dialog) {
    pressed = ButtonsPressedByEnterIn(dialog, row.box);
    stillOpen = dialog.isVisible();
    dialog.reject();
  };
  if (row.through != nullptr) {
    Responder().OnModalWindow([&](QDialog& outer) {
      Responder().OnModalWindow(inDialog);
      outer.findChild<QPushButton*>(row.through)->click();
      outer.reject();
    });
  } else {
    Responder().OnModalWindow(inDialog);
  }
  DrawingDriver::Choose(row.menuItem);
  EXPECT_EQ(pressed, 0);
  EXPECT_TRUE(stillOpen);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogEnterTest, ::testing::ValuesIn(EnterRows),
                         [](const ::testing::TestParamInfo<EnterRow>& info) {
                           return std::string(info.param.menuItem).substr(3) + "_" + info.param.box;
                         });

}  // namespace
}  // namespace lintavo
