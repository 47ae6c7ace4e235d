// The component chooser, shown modally as Place shows it and worked through
// its list, buttons and the open-file dialog, over a drawings database in
// the test folder.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QCoreApplication>
#include <QMouseEvent>

#include "organisation/Components.h"
#include "windows/insert/frmCompSelect.h"
#include "platform/Prompts.h"
#include "storage/StoredDrawing.h"
#include "support/ListClicks.h"
#include "windows/StoredComponentFixture.h"

namespace lintavo {
namespace {

class frmCompSelectTest : public StoredDrawingTest {
 protected:
  void SetUp() override {
    StoredDrawingTest::SetUp();
    CompDbPath = path_;
  }
  // The test database holds LinkTable: a drawings database that is a component database too.
  void DropLinkTable() { Db().Exec("DROP TABLE LinkTable"); }
  // A stored component holding one line.
  void StoreComponent(const String& name) {
    const Long key = AddComponentRow(name, 1);
    StoredLine member;
    member.points = {{0, 0}, {1, 1}};
    member.owner = member.object = key;
    member.name = name;
    AddLineRow(0, member);
  }
  // Shows the chooser; operate works it while it is open.
  void ShowChooser(std::function<void(frmCompSelect&)> operate) {
    Responder().OnDialog<frmCompSelect>(operate);
    ShowCompSelect();
  }
  static void ClickRow(frmCompSelect& dialog, int row) { lintavo::ClickRow(dialog.List1, row); }
  static Long LoadedNamed(const String& name) {
    for (Long i = 1; i <= ItemCount; ++i)
      if (Items[i].Rtype == ItemComponent && Items[i].Name == name) return i;
    return 0;
  }
};

TEST_F(frmCompSelectTest, ADrawingsDatabaseWithoutLinkTableAsksForAnotherFile) {
  DropLinkTable();
  StoreComponent("Valve");
  Responder().CancelFile();
  ShowChooser([](frmCompSelect& dialog) { EXPECT_EQ(dialog.List1->count(), 0); });
  bool asked = false;
  for (const PromptRecord& prompt : Responder().Prompts())
    if (prompt.kind == PromptKind::OpenFile) {
      asked = true;
      EXPECT_EQ(prompt.title, "Can't Find " + path_);
    }
  EXPECT_TRUE(asked);
  EXPECT_EQ(DlgCancelled, FlagTrue);
}

TEST_F(frmCompSelectTest, OKWithoutARowClickIsNoCancelButChoosesNothing) {
  StoreComponent("Valve");
  StoreComponent("Pump");
  const Long items = ItemCount;
  ShowChooser([](frmCompSelect& dialog) {
    EXPECT_EQ(dialog.List1->count(), 2);
    EXPECT_EQ(dialog.txtCount->text(), "2");
    EXPECT_EQ(dialog.TxtName->text(), "Valve");  // the first row is shown
    dialog.cmdOK->click();
  });
  EXPECT_EQ(DlgCancelled, FlagFalse);
  EXPECT_EQ(ComponentNo, 0);
  EXPECT_EQ(ItemCount, items);
}

TEST_F(frmCompSelectTest, PreviewingAThenBKeepsOnlyBLoaded) {
  StoreComponent("Valve");
  StoreComponent("Pump");
  const Long items = ItemCount;
  ShowChooser([](frmCompSelect& dialog) {
    ClickRow(dialog, 0);
    ClickRow(dialog, 1);
    dialog.cmdOK->click();
  });
  EXPECT_EQ(DlgCancelled, FlagFalse);
  EXPECT_EQ(ItemCount, items + 1);
  EXPECT_EQ(LoadedNamed("Valve"), 0);
  ASSERT_EQ(LoadedNamed("Pump"), ComponentNo);
  EXPECT_EQ(ComponentName, "Pump");
  EXPECT_EQ(Objs[ObjCount].OwnerID, ComponentNo);
}

TEST_F(frmCompSelectTest, CancelDiscardsWhatThePreviewLoaded) {
  StoreComponent("Valve");
  const Long items = ItemCount, objs = ObjCount;
  ShowChooser([](frmCompSelect& dialog) {
    ClickRow(dialog, 0);
    dialog.cmdCancel->click();
  });
  EXPECT_EQ(DlgCancelled, FlagTrue);
  EXPECT_EQ(ItemCount, items);
  EXPECT_EQ(ObjCount, objs);
  EXPECT_EQ(ComponentNo, 0);
}

using frmCompSelectPreviewTest = StoredComponentFixture;

// The preview shows the whole component with a margin: the hexagon's flat
// top and bottom edges are drawn, and nothing touches the picture's border.
TEST_F(frmCompSelectPreviewTest, TheWholeComponentIsPreviewedWithAMargin) {
  QImage picture;
  Responder().OnDialog<frmCompSelect>([&picture](frmCompSelect& dialog) {
    ClickRow(dialog.List1, 0);
    picture = dialog.Picture1->Image().copy();
  });
  DrawingDriver::Choose("mnuInsertCompplace");
  const QRect drawn = DrawnBox(picture);
  // The component fills the picture in its tighter direction but for the
  // margin of a tenth on each side: 240 / 1.2 = 200 pixels high.
  EXPECT_NEAR(drawn.height(), 200, 3);
  EXPECT_GT(drawn.left(), 0);
  EXPECT_GT(drawn.top(), 0);
  EXPECT_LT(drawn.right(), picture.width() - 1);
  EXPECT_LT(drawn.bottom(), picture.height() - 1);
  // The edges are as long as the hexagon's side, half its width.
  const int side = drawn.width() / 2;
  EXPECT_NEAR(LongestRun(picture, drawn.top()), side, 2);
  EXPECT_NEAR(LongestRun(picture, drawn.bottom()), side, 2);
}

}  // namespace
}  // namespace lintavo
