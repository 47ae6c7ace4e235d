// File, Print of a drawing with one object of every kind the program draws,
// each alone in a cell of a grid in world coordinates: the PDF page, read
// back as a reader shows it, has ink in every object's cell and none in the
// empty one. The objects are made through the menus and clicks where the
// program has a command for them, and straight into the model otherwise.
// Hatches, the finest work a page holds, are also printed over the whole
// page and through the print preview.
#include <QCoreApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QMouseEvent>
#include <QPrinter>

#include "app/EveryKindFixture.h"
#include "support/PdfPages.h"
#include "view/Print.h"
#include "view/PrintedPage.h"
#include "windows/file/frmPreview.h"

namespace lintavo {
namespace {

constexpr Double CellInset = 0.1;  // the part of a cell that is looked at lies this far inside
constexpr double ReadDpi = 100;    // resolution the printed page is read back at

class PrintEveryKindTest : public EveryKindFixture {
 protected:
  void TearDown() override {
    Printer().setOutputFileName(QString());
    EveryKindFixture::TearDown();
  }
  // File, Print to the PDF file of that name in the test folder, said to be
  // printed; the file's path.
  QString FilePrintToPdf(const String& name) {
    const QString path = QString::fromStdString(ScratchPath(name));
    PrintToPdf(path);
    Responder().AnswerPrinter(true);
    DrawingDriver::Choose("mnuFilePrint");
    EXPECT_EQ(MessagePanel(3), "Drawing printed.");
    return path;
  }
};

TEST_F(PrintEveryKindTest, FilePrintShowsEveryKindOfObjectInItsCellOfThePage) {
  const std::vector<EveryKindObject> kinds = EveryKind();
  MakeEveryKind(kinds);
  const int emptyColumn = 0, emptyRow = 0;

  const PdfFirstPage pdf = ReadPdfFirstPage(FilePrintToPdf("every kind.pdf"), ReadDpi);
  ASSERT_EQ(pdf.pageCount, 1);
  const PrintedPageMap map(Printer().pageLayout(), pdf.image);
  const auto cell = [&](int column, int row) {
    const Double x = column * CellWidth, y = row * CellHeight;
    return map.Box(x, y, x + CellWidth, y + CellHeight, CellInset);
  };
  for (const EveryKindObject& kind : kinds) EXPECT_TRUE(InkIn(pdf.image, cell(kind.column, kind.row))) << kind.name;
  EXPECT_FALSE(InkIn(pdf.image, cell(emptyColumn, emptyRow)));
}

// Paper shows the drawing, not the selection: with every object selected
// (the screen shows them in the selection's blue), the printed page and the
// print preview show each object in its own colour, none in blue.
TEST_F(PrintEveryKindTest, ASelectionIsNeitherPrintedNorPreviewedButStaysOnTheScreen) {
  const std::vector<EveryKindObject> kinds = EveryKind();
  MakeEveryKind(kinds);
  DrawingDriver::Choose("mnuSelectAll");
  const QImage screen = doc_->Image().copy();
  ASSERT_TRUE(InkOfColourIn(screen, screen.rect(), PrimaryInk::Blue));

  const PdfFirstPage pdf = ReadPdfFirstPage(FilePrintToPdf("selected.pdf"), ReadDpi);
  ASSERT_EQ(pdf.pageCount, 1);
  EXPECT_FALSE(InkOfColourIn(pdf.image, pdf.image.rect(), PrimaryInk::Blue));
  const PrintedPageMap map(Printer().pageLayout(), pdf.image);
  for (const EveryKindObject& kind : kinds) {
    const Double x = kind.column * CellWidth, y = kind.row * CellHeight;
    EXPECT_TRUE(InkIn(pdf.image, map.Box(x, y, x + CellWidth, y + CellHeight, CellInset))) << kind.name;
  }
  bool previewed = false;
  Responder().OnModalWindow([&previewed](QDialog& shown) {
    auto* preview = dynamic_cast<frmPreview*>(&shown);
    ASSERT_NE(preview, nullptr);
    const QImage& picture = preview->Picture1->Image();
    previewed = InkIn(picture, picture.rect());
    EXPECT_FALSE(InkOfColourIn(picture, picture.rect(), PrimaryInk::Blue));
    preview->cboClose->click();
  });
  DrawingDriver::Choose("mnuFilePrintPreview");
  EXPECT_TRUE(previewed);
  EXPECT_EQ(doc_->Image(), screen);
}

// Hatch lines go to paper as line segments: one family of lines 1/8 unit
// apart over the whole page is a small job, and its lines show on the page
// read back. Sent as dots of one printer pixel it ran to megabytes, which
// print paths that drop such dots left blank.
TEST_F(PrintEveryKindTest, AHatchAsLargeAsThePagePrintsAsLinesInASmallJob) {
  constexpr qint64 MostBytes = 200 * 1024;
  HatchNewArea(-0.4, -0.4, 11.9, 8.8);
  ASSERT_FALSE(HasFatalFailure());

  const QString path = FilePrintToPdf("hatch.pdf");
  EXPECT_LT(QFileInfo(path).size(), MostBytes);

  const PdfFirstPage pdf = ReadPdfFirstPage(path, ReadDpi);
  ASSERT_EQ(pdf.pageCount, 1);
  const PrintedPageMap map(Printer().pageLayout(), pdf.image);
  // Every box an eighth of a unit on a side inside the area is crossed by a line.
  for (const auto& [x, y] : {std::pair{1.0, 1.0}, std::pair{6.0, 4.5}, std::pair{11.0, 8.0}})
    EXPECT_TRUE(InkIn(pdf.image, map.Box(x, y, x + 0.125, y + 0.125))) << x << ", " << y;
}

// Whether any pixel in the box is clearly red.
bool RedIn(const QImage& image, const QRect& box) { return InkOfColourIn(image, box, PrimaryInk::Red); }

// A hatch too fine for the screen at this zoom but not for the page: the
// preview shows it as File, Print prints it, judged at the paper's zoom and
// not at the zoom of its small picture.
TEST_F(PrintEveryKindTest, PrintPreviewShowsTheHatchThatPrintsAndPrintsItBothWays) {
  HatchNewArea(2, 2, 6, 5);
  ASSERT_FALSE(HasFatalFailure());
  // 10 pixels to the unit: the window is 40 units wide, about a quarter
  // inch to the unit on paper but under a fifth in the preview's picture.
  doc_->XVscale = doc_->YVscale = 10;
  doc_->View_Scale = 10 / PixelsPerUnit;
  UpdateWorldWindow();
  RefreshDocView(doc_);
  const QString scale = QString::fromStdString(ScratchPath("hatch to scale.pdf"));
  const QString image = QString::fromStdString(ScratchPath("hatch image.pdf"));
  Responder().OnModalWindow([&](QDialog& shown) {
    auto* preview = dynamic_cast<frmPreview*>(&shown);
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(RedIn(preview->Picture1->Image(), preview->Picture1->Image().rect()));
    const std::pair<QString, QPushButton*> prints[] = {{scale, preview->cboPrintScale},
                                                       {image, preview->cboPrintImage}};
    for (const auto& [path, button] : prints) {
      PrintToPdf(path);
      button->click();
    }
    preview->cboClose->click();
  });
  DrawingDriver::Choose("mnuFilePrintPreview");

  const PdfFirstPage scalePage = ReadPdfFirstPage(scale, ReadDpi);
  ASSERT_EQ(scalePage.pageCount, 1);
  const PrintedPageMap map(Printer().pageLayout(), scalePage.image);
  EXPECT_TRUE(RedIn(scalePage.image, map.Box(3, 3, 3.25, 3.25)));
  const PdfFirstPage imagePage = ReadPdfFirstPage(image, ReadDpi);
  ASSERT_EQ(imagePage.pageCount, 1);
  EXPECT_TRUE(RedIn(imagePage.image, imagePage.image.rect()));
}

}  // namespace
}  // namespace lintavo
