// The "Selected Line - Properties" dialog, opened by the right button over
// a drawing window with a selection: the list, the preview, the fields by
// type and the four style boxes that store what is typed.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>

#include "commands/EditFixture.h"
#include "support/ModelBuilders.h"
#include "windows/edit/frmLineProperties.h"
#include "model/LayerItems.h"
#include "platform/Prompts.h"
#include "platform/SurfaceWidget.h"
#include "support/DialogKeys.h"

namespace lintavo {
namespace {

class frmLinePropertiesTest : public EditFixture {
 protected:
  // A right click with the dialog operated by operate, which it then closes.
  void Properties(const std::function<void(frmLineProperties&)>& operate) {
    Responder().OnDialog<frmLineProperties>(operate, &frmLineProperties::CancelButton);
    input_->ClickAt(6, 5, Qt::RightButton);
  }
  static QString Text(const QLabel* label) { return label->text(); }
};

TEST_F(frmLinePropertiesTest, ListsTheSelectionAndShowsEachTypesMeasurements) {
  AddLine(1, 1, 4, 1);
  AddEntity(EntityPolygon, {{1, 2}, {3, 2}, {3, 4}, {1, 4}, {1, 2}});
  AddEntity(EntityPoint, {{5, 3}});
  SelectWindow(0.5, 0.5, 5.5, 4.5);
  Properties([](frmLineProperties& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Selected Line - Properties");
    ASSERT_EQ(dialog.List1->count(), 3);
    EXPECT_EQ(dialog.List1->item(0)->text(), "1 - Straight Line");
    EXPECT_EQ(dialog.List1->item(1)->text(), "2 - Polygon");
    EXPECT_EQ(dialog.List1->item(2)->text(), "3 - Point");
    EXPECT_EQ(dialog.Label13->text(), " 3 Lines Selected");
    EXPECT_EQ(PreviewMode, FlagTrue);
    EXPECT_EQ(ActiveDoc, static_cast<Surface*>(dialog.Picture1));
    dialog.List1->setCurrentRow(0);
    EXPECT_EQ(dialog.Text2->text(), "Straight Line");
    EXPECT_EQ(dialog.Text8->text(), "2");
    EXPECT_TRUE(dialog.lblLength->text().startsWith("Length = "));
    EXPECT_TRUE(dialog.lblAngle->text().startsWith("Angle = "));
    dialog.List1->setCurrentRow(1);
    EXPECT_TRUE(dialog.lblLength->text().startsWith("Perimeter Length = "));
    EXPECT_FALSE(dialog.lblAngle->text().isEmpty());  // the area
    dialog.List1->setCurrentRow(2);
    EXPECT_EQ(dialog.lblLength->text(), "");
    EXPECT_EQ(dialog.lblAngle->text(), "");
    EXPECT_EQ(dialog.txtXo->text(), "5");
  });
  EXPECT_EQ(PreviewMode, 0);
  EXPECT_EQ(ActiveDoc, static_cast<Surface*>(doc_));
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(frmLinePropertiesTest, TheStyleBoxesStoreWhatIsTypedModuloTheirRange) {
  const Long line = AddLine(1, 1, 4, 1);
  SelectWindow(0.5, 0.5, 4.5, 1.5);
  const struct {
    const char* box;
    const char* typed;
    Long color;
    Integer ltype, weight;
    Single width;
  } rows[] = {
      {"Text5", "9", 0, 0, 2, 0},    // "Line Weight*": 9 mod 7
      {"Text4", "12", 0, 5, 2, 0},   // "Line Style*": 12 mod 7
      {"Text6", "15", 0, 5, 2, 5},   // "Line Width*": 15 mod 10
      {"Text3", "255", 255, 5, 2, 5},
      {"Text4", "abc", 255, 5, 2, 5},  // letters change nothing
      {"Text5", "-3", 255, 5, 2, 5},   // nor does a negative number
  };
  Properties([&rows](frmLineProperties& dialog) {
    dialog.List1->setCurrentRow(0);
    for (const auto& row : rows) {
      auto* box = dialog.findChild<QLineEdit*>(QString::fromLatin1(row.box));
      ASSERT_NE(box, nullptr);
      box->selectAll();
      box->insert(QString::fromLatin1(row.typed));  // as typed: textEdited
      SCOPED_TRACE(std::string(row.box) + " " + row.typed);
      EXPECT_EQ(Objs[1].Color, row.color);
      EXPECT_EQ(Objs[1].Ltype, row.ltype);
      EXPECT_EQ(Objs[1].Weight, row.weight);
      EXPECT_EQ(Objs[1].Width, row.width);
    }
  });
  EXPECT_EQ(Objs[line].Weight, 2);
  EXPECT_EQ(doc_->IsDirty, FlagTrue);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(frmLinePropertiesTest, ConstructionPointsShowInThePreviewAndGoBackAfter) {
  AddLine(1, 1, 4, 3);
  SelectWindow(0.5, 0.5, 4.5, 3.5);
  ShowConPnts = 0;
  Properties([](frmLineProperties& dialog) {
    dialog.List1->setCurrentRow(0);
    const QImage plain = dialog.Picture1->Image().copy();
    dialog.Check1->click();
    EXPECT_EQ(ShowConPnts, FlagTrue);
    EXPECT_NE(dialog.Picture1->Image(), plain);
  });
  EXPECT_EQ(ShowConPnts, 0);
}

TEST_F(frmLinePropertiesTest, NoSelectionOpensNothing) {
  AddLine(1, 1, 4, 3);
  RefreshDocView(doc_);
  input_->ClickAt(6, 5, Qt::RightButton);  // an unexpected dialog would fail the test
  EXPECT_TRUE(EqualsFreshRedraw());
}

}  // namespace
}  // namespace lintavo
