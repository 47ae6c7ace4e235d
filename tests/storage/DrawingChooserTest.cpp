// The drawing chooser: the list of stored drawings, the row shown, the fit,
// the preview from the stored rows, switching databases, and its results.
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "model/Top.h"
#include "model/Units.h"
#include "organisation/Layers.h"
#include "picking/Measure.h"
#include "platform/Colors.h"
#include "platform/Modal.h"
#include "platform/SurfaceWidget.h"
#include "storage/StoredDrawing.h"
#include "windows/file/frmDwgSelect.h"
#include "view/Preview.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

class DrawingChooserTest : public StoredDrawingTest {
 protected:
  // Shows the chooser and runs operate on it while it is open.
  void Choose(std::function<void(frmDwgSelect&)> operate) {
    Responder().OnModalWindow([operate](QDialog& dialog) { operate(static_cast<frmDwgSelect&>(dialog)); });
    frmDwgSelect chooser;
    ShowModal(chooser);
  }
  static String Text(QLineEdit* box) { return box->text().toStdString(); }
  // Pixels of the preview picture in that colour.
  static int PixelsOf(const SurfaceWidget& picture, Long colour) {
    int count = 0;
    for (int y = 0; y < picture.DeviceHeight(); ++y)
      for (int x = 0; x < picture.DeviceWidth(); ++x) count += picture.PixelAt(x, y) == colour;
    return count;
  }
};

TEST_F(DrawingChooserTest, ListsStoredDrawingsInKeyOrderAndCancelChoosesNothing) {
  Db().Exec("INSERT INTO Drawing (DrawID, Name, Nlines) VALUES (7, 'Beta', 0)");
  Db().Exec("INSERT INTO Drawing (DrawID, Name, Nlines) VALUES (3, 'Alpha', 0)");
  SelDwgName = "Earlier";
  SelDwgID = 5;
  Choose([](frmDwgSelect& chooser) {
    ASSERT_EQ(chooser.List1->count(), 2);
    EXPECT_EQ(chooser.List1->item(0)->text(), "Alpha");
    EXPECT_EQ(chooser.List1->item(1)->text(), "Beta");
    EXPECT_EQ(Text(chooser.txtCount), "2");
    EXPECT_EQ(chooser.windowTitle(), "Drawing Select");
    EXPECT_EQ(ActiveDoc, static_cast<Surface*>(chooser.Picture1));
    EXPECT_EQ(PreviewMode, FlagTrue);
    chooser.cmdCancel->click();
  });
  EXPECT_EQ(SelDwgName, "");
  EXPECT_EQ(SelDwgID, 0);
  EXPECT_EQ(DlgCancelled, FlagTrue);
  EXPECT_EQ(ActiveDoc, static_cast<Surface*>(&doc_));  // the surface goes back to the window
  EXPECT_EQ(PreviewMode, FlagFalse);
}

TEST_F(DrawingChooserTest, RevisionsOfOneNameAreListedWithTheirRevisionAndOkTakesTheName) {
  Db().Exec("INSERT INTO Drawing (DrawID, Name, Revision, Nlines) VALUES (1, 'Floor Plan A', 'Rev. 0', 0)");
  Db().Exec("INSERT INTO Drawing (DrawID, Name, Revision, Nlines) VALUES (2, 'Shed', 'Rev. 0', 0)");
  Db().Exec("INSERT INTO Drawing (DrawID, Name, Revision, Nlines) VALUES (3, 'Floor Plan A', 'Rev. 1', 0)");
  Db().Exec("INSERT INTO Drawing (DrawID, Name, Revision, Nlines) VALUES (4, 'Floor Plan A', NULL, 0)");
  Choose([](frmDwgSelect& chooser) {
    QStringList rows;
    for (int i = 0; i < chooser.List1->count(); ++i) rows << chooser.List1->item(i)->text();
    EXPECT_EQ(rows, QStringList({"Floor Plan A  (Rev. 0)", "Shed", "Floor Plan A  (Rev. 1)",
                                 "Floor Plan A  (no revision)"}));
    chooser.List1_Click(2);
    chooser.cmdOK->click();
  });
  EXPECT_EQ(SelDwgName, "Floor Plan A");  // the name as stored, not as listed
  EXPECT_EQ(SelDwgID, 3);
}

TEST_F(DrawingChooserTest, OkTakesTheRowShownWithItsFieldsAndAnEmptyListCancels) {
  AddDrawingRow("Plan", 0, 0, 0, 0, 10, 4);
  const Long section = AddDrawingRow("Section", 0, 0, 1, 1, 3, 2);
  Db().Exec("UPDATE Drawing SET Author = NULL WHERE DrawID = " + std::to_string(section));
  EnglishUnit = 1;  // sizes are shown as lengths in the display unit
  DecimalPlaces = 3;
  Choose([](frmDwgSelect& chooser) {
    EXPECT_EQ(Text(chooser.TxtName), "Plan");  // the first row is shown on opening
    EXPECT_EQ(Text(chooser.TxtAuthor), "Tester");
    chooser.List1_Click(1);
    EXPECT_EQ(Text(chooser.TxtName), "Section");
    EXPECT_EQ(Text(chooser.TxtAuthor), "Tester");  // a Null leaves the box as it was
    EXPECT_EQ(Text(chooser.TxtType), "Plan");
    EXPECT_EQ(Text(chooser.TextNl), "0");
    EXPECT_EQ(Text(chooser.TextW), FormatLengthFixed(2));
    EXPECT_EQ(Text(chooser.TextH), FormatLengthFixed(1));
    EXPECT_FALSE(Text(chooser.TextW).empty());
    chooser.cmdOK->click();
  });
  EXPECT_EQ(SelDwgName, "Section");
  EXPECT_EQ(SelDwgID, section);
  EXPECT_EQ(DlgCancelled, FlagFalse);

  DwgDbPath = MakeDatabase("Empty_dwg.mdb");
  Choose([](frmDwgSelect& chooser) {
    EXPECT_EQ(Text(chooser.txtCount), "0");
    chooser.cmdOK->click();
  });
  EXPECT_EQ(SelDwgID, 0);
  EXPECT_EQ(DlgCancelled, FlagTrue);
}

TEST_F(DrawingChooserTest, FitCentresTheDrawingAndAPointDrawingGetsAUnitWindow) {
  AddDrawingRow("Wide", 0, 0, 0, 0, 10, 2);
  AddDrawingRow("Dot", 0, 0, 5, 5, 5, 5);
  Choose([](frmDwgSelect& chooser) {
    // 10 by 2 with a tenth on each side: 12 wide in 360 pixels.
    EXPECT_FLOAT_EQ(ViewScaleX, 30);
    EXPECT_NEAR(5 * ViewScaleX + ViewBaseX, 180, 0.01);
    chooser.List1_Click(1);
    EXPECT_FLOAT_EQ(ViewScaleX, 270);
    EXPECT_NEAR(5 * ViewScaleX + ViewBaseX, 180, 0.01);
    EXPECT_NEAR(5 * ViewScaleY + ViewBaseY, 135, 0.01);
    chooser.cmdCancel->click();
  });
}

TEST_F(DrawingChooserTest, PreviewDrawsPlainGeometryAndLeavesOutErasedRowsAndCompounds) {
  const Long plan = AddDrawingRow("Plan", 0, 5, 0, 0, 10, 10);
  StoredLine red;
  red.points = {{0, 5}, {10, 5}};
  red.color = ColorRed;
  red.shown = false;  // hidden rows are drawn all the same
  AddLineRow(plan, red);
  StoredLine erased = red;
  erased.points = {{5, 0}, {5, 10}};
  erased.color = ColorBlue;
  erased.shown = true;
  erased.erased = true;
  AddLineRow(plan, erased);
  AddLineRow(plan, CompoundRow(EntityComponent, 1, 1, "Bolt", 0));  // its component is not stored
  AddDrawingRow("Empty", 0, 0);
  Choose([](frmDwgSelect& chooser) {
    chooser.List1->setCurrentRow(0);
    chooser.List1_Click(0);
    chooser.cmdShow->click();
    EXPECT_GT(PixelsOf(*chooser.Picture1, ColorRed), 200);
    EXPECT_EQ(PixelsOf(*chooser.Picture1, ColorBlue), 0);
    chooser.List1->setCurrentRow(1);
    chooser.List1_Click(1);
    chooser.cmdShow->click();  // no rows: an empty picture and no message
    EXPECT_EQ(PixelsOf(*chooser.Picture1, ColorWhite), 360 * 270);
    chooser.cmdCancel->click();
  });
  EXPECT_TRUE(Responder().MessageTexts().empty());
  EXPECT_EQ(ObjCount, 0);  // nothing entered the model
}

TEST_F(DrawingChooserTest, AnotherDatabaseIsTakenOnlyWhenItsDrawingsCanBeListed) {
  AddDrawingRow("Plan", 0, 0);
  const String broken = ScratchPath("Broken_dwg.mdb");
  QFile file(QString::fromStdString(broken));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a database at all, only text that fills the page and then some more");
  file.close();
  const String other = MakeDatabase("Other_DWG.MDB");
  TestDatabase(other, true).Exec("INSERT INTO Drawing (Name) VALUES ('Elsewhere')");
  Responder().AnswerFile(broken);
  Responder().AnswerMsgBox(vbOK);
  Responder().AnswerFile(ScratchPath("plain.mdb"));
  Responder().AnswerFile(other);
  Choose([&](frmDwgSelect& chooser) {
    chooser.cmdPath->click();  // not a database: reported, the old one stays
    EXPECT_EQ(DwgDbPath, path_);
    EXPECT_EQ(chooser.List1->item(0)->text(), "Plan");
    chooser.cmdPath->click();  // not a drawings database by its name: nothing happens
    EXPECT_EQ(DwgDbPath, path_);
    chooser.cmdPath->click();
    EXPECT_EQ(DwgDbPath, other);
    EXPECT_EQ(chooser.List1->item(0)->text(), "Elsewhere");
    EXPECT_EQ(Text(chooser.txtPath), other);
    chooser.cmdCancel->click();
  });
  ASSERT_EQ(Responder().MessageTexts().size(), 1u);
  EXPECT_EQ(Responder().MessageTexts()[0].rfind("Unexpected Error: ", 0), 0u);
  EXPECT_EQ(Responder().Prompts()[1].kind, PromptKind::OpenFile);
  EXPECT_EQ(Responder().Prompts()[1].title, "Locate New *_dwg.mdb");
  EXPECT_EQ(Responder().Prompts()[1].text, "(*.MDB)|*.mdb");
}

}  // namespace
}  // namespace lintavo
