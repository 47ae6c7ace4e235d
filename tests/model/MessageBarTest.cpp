// The message bar's panels and the status bar's layer read-out.
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>

#include "windows/main/frmMain.h"
#include "model/MessageBar.h"
#include "model/Top.h"
#include "support/ProgramTest.h"
#include "windows/main/frmDocument.h"

namespace lintavo {
namespace {

const QColor Yellow(255, 255, 0);
const QColor Red(255, 0, 0);

class MessageBarTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    main_ = std::make_unique<frmMain>();
    MainForm = main_.get();
    document_ = new frmDocument;
    main_->MdiArea()->addSubWindow(document_);
    main_->show();
    main_->activateWindow();
    QApplication::processEvents();
    ActiveDoc = document_;
  }
  void TearDown() override {
    ActiveDoc = nullptr;
    MainForm = nullptr;
    main_.reset();
    ProgramTest::TearDown();
  }
  // A band shows the highlight around its box, a box behind its text.
  static bool Highlighted(QFrame* band) {
    return band->palette().color(QPalette::Window) == Yellow &&
           band->palette().color(QPalette::WindowText) == Red;
  }
  static bool Highlighted(QLineEdit* box) {
    return box->palette().color(QPalette::Base) == Yellow &&
           box->palette().color(QPalette::Text) == Red;
  }
  String StatusPanel(int panel) const { return main_->StatusPanel(panel)->text().toStdString(); }
  bool Pressed(const char* key) const { return main_->ToolBarButton(key)->isChecked(); }

  std::unique_ptr<frmMain> main_;
  frmDocument* document_ = nullptr;
};

TEST_F(MessageBarTest, ClearingAPanelHighlightsItAndTheEntryBoxTakesTheFocus) {
  ShowStatus("Line NOT Found! Try Again!", 3);
  ClearPanel(3);
  EXPECT_EQ(main_->Text3->text(), "");
  EXPECT_TRUE(Highlighted(main_->Band(3)));
  EXPECT_TRUE(Highlighted(main_->Text3));
  EXPECT_TRUE(main_->Text3->hasFocus());
  ClearPanel(2);
  EXPECT_TRUE(Highlighted(main_->Band(2)));
  EXPECT_FALSE(Highlighted(main_->Text2));  // only the entry box itself turns yellow
}

TEST_F(MessageBarTest, AfterEnterTheEntryPanelIsNormalAndTheDrawingHasTheFocus) {
  ClearPanel(3);
  ASSERT_TRUE(main_->Text3->hasFocus());
  main_->Text3->setText("2.5");
  ClearPanel3(2);  // only panel 3 is cleared this way
  EXPECT_EQ(main_->Text3->text(), "2.5");
  ClearPanel3(3);
  EXPECT_EQ(main_->Text3->text(), "");
  EXPECT_FALSE(Highlighted(main_->Band(3)));
  EXPECT_FALSE(Highlighted(main_->Text3));
  EXPECT_TRUE(document_->hasFocus());
}

TEST_F(MessageBarTest, ClearPromptsEmptiesEveryPanelAndRestoresTheColours) {
  ShowStatus("LINE", 1);
  ClearPanel(2);
  ClearPanel(3);
  ClearPrompts();
  EXPECT_EQ(main_->Band(2)->palette().color(QPalette::Window),
            main_->palette().color(QPalette::Window));
  EXPECT_FALSE(Highlighted(main_->Band(3)));
  EXPECT_EQ(main_->Text1->text(), "");
  EXPECT_FALSE(Highlighted(main_->Text3));
}

TEST_F(MessageBarTest, WithoutACurrentLayerAllLayersAreViewedAndEdited) {
  document_->Current_Layer = 0;
  document_->View_Layers = document_->Edit_layers = FlagFalse;
  ShowLayerStatus();
  EXPECT_EQ(StatusPanel(2), "All Layers");
  EXPECT_EQ(StatusPanel(3), "View All Edit All");
  EXPECT_EQ(document_->Edit_layers, FlagTrue);
  EXPECT_TRUE(Pressed("ViewLayers"));
  EXPECT_TRUE(Pressed("EditLayers"));
}

}  // namespace
}  // namespace lintavo
