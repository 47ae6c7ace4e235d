// The "Set Line Style" dialog, opened by the Style button: it restyles the
// selection while the Selection tool runs, otherwise it sets the style of
// new entities.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "commands/EditFixture.h"
#include "commands/LineDraw.h"
#include "windows/edit/frmLineType.h"
#include "model/Units.h"
#include "picking/Measure.h"
#include "platform/Prompts.h"
#include "support/DialogKeys.h"

namespace lintavo {
namespace {

class frmLineTypeTest : public EditFixture {
 protected:
  // The Style button with the dialog operated by operate; OK unless operate closed it.
  void Style(const std::function<void(frmLineType&)>& operate) {
    Responder().OnDialog<frmLineType>(operate, &frmLineType::OKButton);
    DrawingDriver::PressButton("Style");
  }
};

TEST_F(frmLineTypeTest, WithASelectionTheChosenWeightGoesToEverySelectedEntity) {
  const Long a = AddLine(1, 1, 2, 1);
  const Long b = AddLine(1, 2, 2, 2);
  const Long outside = AddLine(5, 1, 6, 1);
  CurLineWeight = 1;
  DrawingDriver::Choose("mnuSelectWindow");
  input_->ClickAt(0.5, 0.5);
  input_->ClickAt(2.5, 2.5);
  ASSERT_EQ(ActiveTool, ToolSelection);
  Style([](frmLineType& dialog) {
    EXPECT_TRUE(dialog.Option2[0]->isChecked());  // the default weight 1
    EXPECT_TRUE(dialog.Option1[0]->isChecked());
    dialog.Option2[3]->click();
    EXPECT_EQ(dialog.LineWeight, 4);
  });
  EXPECT_EQ(Objs[a].Weight, 4);
  EXPECT_EQ(Objs[b].Weight, 4);
  EXPECT_EQ(Objs[outside].Weight, 0);
  EXPECT_EQ(Objs[a].Ltype, 0);  // the type chosen is the default: not applied
  EXPECT_EQ(CurLineWeight, 1);
  EXPECT_EQ(doc_->IsDirty, FlagTrue);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(frmLineTypeTest, WithoutAnEditToolOnlyTheDefaultsChange) {
  const Long a = AddLine(1, 1, 2, 1);
  SetSelectedFlag(a, FlagTrue);
  CurLineWeight = 12;  // no weight button for it
  Style([](frmLineType& dialog) {
    for (QRadioButton* button : dialog.Option2) EXPECT_FALSE(button->isChecked());
    dialog.Option1[2]->click();
  });
  EXPECT_EQ(CurLineType, 2);
  EXPECT_EQ(CurLineWeight, 12);
  EXPECT_EQ(Objs[a].Ltype, 0);
  Style([](frmLineType& dialog) {
    dialog.Option2[6]->click();
    dialog.CancelButton->click();
  });
  EXPECT_EQ(CurLineWeight, 12);
}

TEST_F(frmLineTypeTest, TheSolidWidthIsTakenOnEnterInTheDisplayUnit) {
  SolidLineWidth = 0.5F;
  MetricUnits = FlagTrue;
  MetricUnit = 1;  // millimetres
  const struct {
    const char* typed;
    Single width;  // inches
  } rows[] = {{"5", 5 / 25.4F}, {"abc", 5 / 25.4F}, {"-2", 5 / 25.4F}};
  for (const auto& row : rows) {
    Style([&row](frmLineType& dialog) {
      RetypeAndEnter(dialog.Text9, QString::fromLatin1(row.typed));
      EXPECT_EQ(dialog.Text9->text().toStdString(), FormatLengthFixed(SolidLineWidth)) << row.typed;
      dialog.CancelButton->click();  // the width stays in force
    });
    EXPECT_NEAR(SolidLineWidth, row.width, 1e-5) << row.typed;
  }
}

}  // namespace
}  // namespace lintavo
