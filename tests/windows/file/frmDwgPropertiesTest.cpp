// The drawing properties dialog, run through File, Properties of the main window.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "picking/Measure.h"
#include "storage/LoadData.h"
#include "storage/SaveData.h"
#include "storage/SaveFixture.h"
#include "windows/file/frmDwgProperties.h"
#include "support/DialogKeys.h"
#include "support/DrawingDriver.h"
#include "support/ModelBuilders.h"

namespace lintavo {
namespace {

class frmDwgPropertiesTest : public SaveFixture {
 protected:
  // File, Properties with the dialog operated by operate, which closes it.
  void FileProperties(const std::function<void(frmDwgProperties&)>& operate) {
    Responder().OnDialog<frmDwgProperties>(operate);
    main_->MenuItem("mnuFileProperties")->trigger();
  }
  static void Type(QLineEdit* box, const QString& text) { Retype(box, text); }
};

// The dialog's Lines is what the drawing holds after Undo and Redo of a line.
TEST_F(frmDwgPropertiesTest, LinesCountsWhatTheDrawingHoldsAfterUndoAndRedo) {
  const auto shownLines = [this] {
    QString lines;
    FileProperties([&lines](frmDwgProperties& dialog) {
      lines = dialog.Text17->text();
      dialog.cmdCancel->click();
    });
    return lines.toLong();
  };
  AddLine(1, 1, 2, 1);
  AddLine(1, 2, 2, 2);
  const Long held = shownLines();
  main_->MenuItem("mnuEditUndo")->trigger();
  EXPECT_EQ(shownLines(), held - 1);
  main_->MenuItem("mnuEditRedo")->trigger();
  EXPECT_EQ(shownLines(), held);
}

// A drawing measured with nothing shown has the box of nothing, inside out:
// its current width and height are 0, not the size of that box.
TEST_F(frmDwgPropertiesTest, TheCurrentSizeOfADrawingMeasuredWithNothingShownIsZero) {
  UseDecimalInches();
  AddLine(1, 1, 2, 1);
  DrawingDriver input(*doc_);
  for (const char* item : {"mnuSelectAll", "mnuEditHide"}) DrawingDriver::Choose(item);  // every line hidden
  input.Escape();
  DrawingDriver::Choose("mnuViewZoomFit");  // Full Drawing measures it
  ASSERT_GT(Dwgs[1].Xmin, Dwgs[1].Xmax);
  ASSERT_NE(FormatWidthLabel(0), FormatWidthLabel(Dwgs[1].Xmin - Dwgs[1].Xmax));
  QString width, height;
  FileProperties([&](frmDwgProperties& dialog) {
    width = dialog.lblWidth->text();
    height = dialog.lblHeight->text();
    dialog.cmdCancel->click();
  });
  EXPECT_EQ(width.toStdString(), "Current " + FormatWidthLabel(0));
  EXPECT_EQ(height.toStdString(), "Current " + FormatHeightLabel(0));
}

TEST_F(frmDwgPropertiesTest, KeptChangesMarkTheDrawingAndSaveAndLoadWithIt) {
  Dwgs[1].Xlimit = 36;
  Dwgs[1].Ylimit = 24;
  doc_->IsDirty = FlagFalse;
  QString heightShown;
  FileProperties([&](frmDwgProperties& dialog) {
    heightShown = dialog.Text6->text();
    Type(dialog.Text5, "48");  // the height box left as it stands
    Type(dialog.Text13, "Ann");
    Type(dialog.Text15, "Plan");
    Type(dialog.Text16, "Sheds");
    Type(dialog.Text30, "P-7");
    Type(dialog.Text31, "Garden shed");
    dialog.cmdOK->click();
  });
  EXPECT_EQ(heightShown, "24.000");
  EXPECT_EQ(Dwgs[1].Xlimit, 48);
  EXPECT_EQ(Dwgs[1].Ylimit, 24);  // the height shown wins over the derived 36
  EXPECT_EQ(Dwgs[1].Author, "Ann");
  EXPECT_EQ(doc_->IsDirty, FlagTrue);

  ASSERT_TRUE(SaveDrawing(1));
  Open(2, "Other");
  Dwgs[2].DrawID = Dwgs[1].DrawID;
  ASSERT_TRUE(LoadDrawing());
  const DwgRec& loaded = Dwgs[2];
  EXPECT_EQ(std::make_pair(loaded.Xlimit, loaded.Ylimit), std::make_pair(48.0, 24.0));
  EXPECT_EQ((std::vector<String>{loaded.Author, loaded.Rtype, loaded.Category, loaded.PartNumber, loaded.Description}),
            (std::vector<String>{"Ann", "Plan", "Sheds", "P-7", "Garden shed"}));
}

TEST_F(frmDwgPropertiesTest, WidthAloneDerivesTheHeightAndAnUnchangedBoxChangesNothing) {
  Dwgs[1].Xlimit = 36.0004;  // more decimals than the box shows
  Dwgs[1].Ylimit = 24;
  FileProperties([](frmDwgProperties& dialog) { dialog.cmdOK->click(); });
  EXPECT_EQ(Dwgs[1].Xlimit, 36.0004);
  EXPECT_EQ(Dwgs[1].Ylimit, 24);

  FileProperties([](frmDwgProperties& dialog) {
    Type(dialog.Text5, "40");
    dialog.Text6->clear();  // not a number: the derived height stays
    dialog.cmdOK->click();
  });
  EXPECT_EQ(Dwgs[1].Xlimit, 40);
  EXPECT_EQ(Dwgs[1].Ylimit, 30);
}

// Opening counts the drawing's own items and stores the counts; a record
// without limits takes the default sheet. Both stay after Cancel, Esc or
// the close box, which write nothing else and leave the drawing unchanged.
TEST_F(frmDwgPropertiesTest, OpeningCountsAndClosingWithoutKeepingWritesNothingMore) {
  NewItemName = "Layer 2";
  AddItem(ItemLayer);
  Open(2, "Other");
  NewItemName = "Elsewhere";
  AddItem(ItemLayer);  // a layer of drawing 2: not counted for drawing 1
  Activate(doc_);
  ASSERT_EQ(CurDwg, 1);
  DefDwgWidth = 36;
  DefDwgHeight = 24;
  const std::function<void(frmDwgProperties&)> closers[] = {
      [](frmDwgProperties& d) { d.cmdCancel->click(); },
      [](frmDwgProperties& d) { PressEscapeIn(d.Text13); },
      [](frmDwgProperties& d) { d.close(); },
  };
  for (const auto& closeIt : closers) {
    Dwgs[1].Xlimit = 0;
    Dwgs[1].Nlayers = 0;
    Dwgs[1].Author = "Bob";
    doc_->IsDirty = FlagFalse;
    std::vector<QString> counts;
    FileProperties([&](frmDwgProperties& dialog) {
      for (QLineEdit* box : {dialog.Text18, dialog.Text19, dialog.Text20, dialog.Text21, dialog.Text5})
        counts.push_back(box->text());
      Type(dialog.Text13, "Ann");
      Type(dialog.Text5, "99");
      closeIt(dialog);
    });
    EXPECT_EQ(counts, (std::vector<QString>{"2", "0", "0", "1", "36.000"}));
    EXPECT_EQ(Dwgs[1].Nlayers, 2);
    EXPECT_EQ(Dwgs[1].Nobjects, 3);  // two layers and the group
    EXPECT_EQ(std::make_pair(Dwgs[1].Xlimit, Dwgs[1].Ylimit), std::make_pair(36.0, 24.0));
    EXPECT_EQ(Dwgs[1].Author, "Bob");
    EXPECT_EQ(doc_->IsDirty, FlagFalse);
  }
}

}  // namespace
}  // namespace lintavo
