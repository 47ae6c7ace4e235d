// The save components dialog, shown modally and worked through its list,
// buttons and path box, saving into a database in the test folder.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "organisation/ComponentDefinition.h"
#include "windows/file/frmCompSave.h"
#include "storage/LoadObjects.h"
#include "storage/StoredDrawing.h"

namespace lintavo {
namespace {

class frmCompSaveTest : public StoredDrawingTest {
 protected:
  void SetUp() override {
    StoredDrawingTest::SetUp();
    CompDbPath = path_;
    for (const char* name : {"Valve", "Pump", "Tank"}) AddDefinition(name);
  }
  void ShowSaver(std::function<void(frmCompSave&)> operate) {
    Responder().OnDialog<frmCompSave>(operate, &frmCompSave::OKButton);
    ShowCompSave();
  }
};

TEST_F(frmCompSaveTest, AllLoadedComponentsStartMarkedAndDeSelectAllSavesNone) {
  ShowSaver([](frmCompSave& dialog) {
    EXPECT_EQ(dialog.Label1->text(), "3  Components Available");
    ASSERT_EQ(dialog.List1->count(), 3);
    EXPECT_EQ(dialog.List1->selectedItems().size(), 3);
    dialog.Command2->click();
    dialog.cmdSave->click();
    EXPECT_EQ(dialog.lblMsg->text(), "Saved 0  Components");
  });
  EXPECT_FALSE(ComponentExistsInDb("Valve"));
}

TEST_F(frmCompSaveTest, MarkedComponentsAreWrittenAndCounted) {
  ShowSaver([](frmCompSave& dialog) {
    dialog.Command2->click();
    dialog.Command1->click();
    dialog.List1->item(1)->setSelected(false);  // Pump stays behind
    dialog.cmdSave->click();
    EXPECT_EQ(dialog.lblMsg->text(), "Saved 2  Components");
  });
  EXPECT_TRUE(ComponentExistsInDb("Valve"));
  EXPECT_FALSE(ComponentExistsInDb("Pump"));
  EXPECT_TRUE(ComponentExistsInDb("Tank"));
}

TEST_F(frmCompSaveTest, APathThatIsNoComponentDatabaseIsRefusedAndNothingWritten) {
  Db().Exec("DROP TABLE LinkTable");
  struct Case {
    String path;
    const char* message;
  };
  const Case cases[] = {
      {path_ + ".missing.mdb", "ERROR.. Database NOT Found!"},
      {path_, "ERROR.. Database NOT a Component Database!"},
  };
  for (const Case& c : cases) {
    ShowSaver([&c](frmCompSave& dialog) {
      dialog.Text2->setText(QString::fromStdString(c.path));
      dialog.cmdSave->click();
      EXPECT_EQ(dialog.lblMsg->text().toStdString(), c.message);
    });
  }
  EXPECT_FALSE(ComponentExistsInDb("Valve"));
}

}  // namespace
}  // namespace lintavo
