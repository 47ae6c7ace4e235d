// The print preview: its caption, the border on the picture, the printed
// border and title block, and its two prints and printer set-up to PDF.
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPdfDocument>
#include <QPrinter>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "commands/EditFixture.h"
#include "model/LayerItems.h"
#include "model/TargetBorrow.h"
#include "model/ViewCache.h"
#include "platform/Numbers.h"
#include "platform/ImageSurface.h"
#include "platform/SurfaceWidget.h"
#include "support/PdfPages.h"
#include "view/SurfaceDraw.h"
#include "view/PrintedPage.h"
#include "windows/file/frmPreview.h"

namespace lintavo {
namespace {

bool Inked(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)) != QColor(Qt::white); }

constexpr double ReadDpi = 100;  // resolution the printed pages are read back at

class frmPreviewTest : public EditFixture {
 protected:
  void TearDown() override {
    Printer().setOutputFileName(QString());
    EditFixture::TearDown();
  }
  // The printer prints to the PDF file of that name in the test folder; its path.
  QString PrintToPdf(const char* name) {
    const QString path = QString::fromStdString(ScratchPath(name));
    lintavo::PrintToPdf(path);
    return path;
  }
  // Opens File, Print Preview and runs operate on the dialog, which then closes.
  void WithPreview(const std::function<void(frmPreview&)>& operate) {
    Responder().OnDialog<frmPreview>([&](frmPreview& dialog) {
      operate(dialog);
      dialog.cboClose->click();
    });
    DrawingDriver::Choose("mnuFilePrintPreview");
  }
  // Printer Setup choosing to print to the file at path, at dpi when given.
  void SetUpToFile(frmPreview& dialog, const QString& path, int dpi = 0) {
    Responder().AnswerPrinter(true, ChoosePdfFile(path, dpi));
    dialog.cboSetup->click();
  }
  // The left edge of the printable area on a page image of that many dots per inch.
  static double PrintableLeft(double dotsPerInch) {
    return Printer().pageLayout().paintRect(QPageLayout::Point).left() * dotsPerInch / 72;
  }
};

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(frmPreviewTest, OpensWithTheFileNameAndDrawsAndWipesTheBorder) {
  AddLine(1, 1, 3, 2);
  PrintToPdf("unused.pdf");
  Surface* const window = ActiveDoc;
  WithPreview([](frmPreview& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Print Preview - New Drawing");
    const QImage& picture = dialog.Picture1->Image();
    EXPECT_FALSE(Inked(picture, 2, 200));
    dialog.chkBorder->click();
    EXPECT_TRUE(Inked(picture, 2, 200));
    dialog.chkBorder->click();
    EXPECT_FALSE(Inked(picture, 2, 200));
    EXPECT_EQ(dialog.Text2->text(), QString::number(Printer().resolution()));
  });
  EXPECT_EQ(ActiveDoc, window);
  EXPECT_EQ(PreviewMode, FlagFalse);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(frmPreviewTest, ThePrintedBorderAndTitleBlockSitOnTheInsetAtThePrinterResolution) {
  struct Case {
    Integer ppi;
    int margin;
  };
  for (const Case c : {Case{300, 5}, Case{600, 10}}) {
    SCOPED_TRACE(c.ppi);
    const PrinterPage page = PageFromMeasures(10, 7.5, 0, 0, 10 * c.ppi, 7.5f * c.ppi);
    ImageSurface paper(10 * c.ppi, static_cast<int>(7.5 * c.ppi));
    paper.Cls();
    Surface* const window = ActiveDoc;
    ActiveDoc = &paper;
    const Long pixMaxY = ViewPixMaxY;
    ViewPixMaxY = RoundToLong(page.HeightPx);
    DrawPageFrame(page, true, true, "plan.dwg");
    const int bottom = static_cast<int>(ViewPixMaxY);  // row of y = 0
    const QImage& image = paper.Image();
    EXPECT_EQ(paper.DrawWidth, 1);
    EXPECT_TRUE(Inked(image, c.margin, bottom / 2));           // left border edge
    EXPECT_FALSE(Inked(image, c.margin + 6, bottom / 2));
    EXPECT_TRUE(Inked(image, 2 * c.ppi, bottom - c.ppi / 4));  // title box right edge
    EXPECT_FALSE(Inked(image, 2 * c.ppi + 6, bottom - c.ppi / 4));
    EXPECT_TRUE(Inked(image, c.ppi, bottom - c.ppi / 2));      // title box top edge
    const int textTop = bottom - static_cast<int>(0.3 * c.ppi);
    EXPECT_TRUE(InkIn(image, QRect(static_cast<int>(0.2 * c.ppi), textTop, c.ppi, c.ppi / 6)));
    EXPECT_FALSE(InkIn(image, QRect(static_cast<int>(0.2 * c.ppi), textTop - 40, c.ppi, 30)));
    ActiveDoc = window;
    ViewPixMaxY = pixMaxY;
  }
}

TEST_F(frmPreviewTest, PrintsThePictureAndToScaleOnLandscapePagesAndSetupCancelKeepsThePage) {
  AddLine(1, 1, 3, 2);
  PrintToPdf("first.pdf");
  Printer().setResolution(72);  // a coarse printer: both jobs keep its resolution
  const QString image = QString::fromStdString(ScratchPath("image.pdf"));
  const QString scale = QString::fromStdString(ScratchPath("scale.pdf"));
  QImage picture;
  WithPreview([&](frmPreview& dialog) {
    picture = dialog.Picture1->Image().copy();
    Printer().setOutputFileName(image);
    dialog.cboPrintImage->click();
    Printer().setOutputFileName(scale);
    dialog.chkTitle->click();
    dialog.cboPrintScale->click();
    EXPECT_EQ(ActiveDoc, static_cast<Surface*>(dialog.Picture1));  // the picture back
    const QString resolution = dialog.Text2->text();
    Responder().AnswerPrinter(false);
    dialog.cboSetup->click();
    EXPECT_EQ(dialog.Text2->text(), resolution);
  });
  EXPECT_EQ(Responder().Prompts().back().title, "Lintavo Printer Setup");

  // The page image: the picture stretched over the printable area, so the
  // middle of the line lies at the same fraction of it as in the picture.
  const PdfFirstPage imagePage = ReadPdfFirstPage(image, ReadDpi);
  ASSERT_EQ(imagePage.pageCount, 1);
  EXPECT_GT(imagePage.points.width(), imagePage.points.height());
  QRect inked;  // the line's pixels in the picture
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (Inked(picture, x, y)) inked |= QRect(x, y, 1, 1);
  ASSERT_FALSE(inked.isEmpty());
  const QPageLayout layout = Printer().pageLayout();
  const double perPoint = imagePage.image.width() / layout.fullRect(QPageLayout::Point).width();
  const QRectF area = layout.paintRect(QPageLayout::Point);
  const auto onPage = [&](QPointF p) {
    return QPoint(static_cast<int>((area.left() + area.width() * p.x() / picture.width()) * perPoint),
                  static_cast<int>((area.top() + area.height() * p.y() / picture.height()) * perPoint));
  };
  const QPoint middle = onPage(QRectF(inked).center());
  EXPECT_TRUE(InkIn(imagePage.image, QRect(middle - QPoint(3, 3), QSize(7, 7))));
  EXPECT_FALSE(InkIn(imagePage.image, QRect(onPage({0, 0}), onPage(inked.topLeft()) - QPoint(3, 3))));

  // To scale: the line where the fitted view puts it, the title block in the
  // printable area's lower left corner, two inches by half an inch.
  const PdfFirstPage scalePage = ReadPdfFirstPage(scale, ReadDpi);
  ASSERT_EQ(scalePage.pageCount, 1);
  EXPECT_GT(scalePage.points.width(), scalePage.points.height());
  const PrintedPageMap map(layout, scalePage.image);
  EXPECT_TRUE(InkIn(scalePage.image, map.Box(1.9, 1.4, 2.1, 1.6)));
  EXPECT_FALSE(InkIn(scalePage.image, map.Box(4.9, 0.9, 5.1, 1.1)));
  const QPointF corner = area.bottomLeft() * perPoint;
  const QRect titleBox(QPoint(static_cast<int>(corner.x()), static_cast<int>(corner.y() - ReadDpi / 2)),
                       QSize(static_cast<int>(2 * ReadDpi), static_cast<int>(ReadDpi / 2)));
  EXPECT_TRUE(InkIn(scalePage.image, titleBox));
  EXPECT_FALSE(InkIn(scalePage.image, titleBox.translated(0, -titleBox.height() - 5)));
}

TEST_F(frmPreviewTest, AfterPrintingToScaleTheWindowGetsTheTargetAndItsViewBack) {
  AddLine(1, 1, 3, 2);
  PrintToPdf("scale.pdf");
  Surface* const window = ActiveDoc;
  const ViewCacheState view = SaveViewCache();
  WithPreview([](frmPreview& dialog) {
    EXPECT_TRUE(TargetBorrowed());
    dialog.cboPrintScale->click();
  });
  EXPECT_EQ(ActiveDoc, window);
  EXPECT_TRUE(SaveViewCache() == view);
  EXPECT_EQ(PreviewMode, FlagFalse);
  EXPECT_FALSE(TargetBorrowed());
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(frmPreviewTest, PrintToScaleFramesThePageOfTheJobNotTheOneASetupChose) {
  AddLine(1, 1, 3, 2);
  PrintToPdf("unused.pdf");
  const QString scale = QString::fromStdString(ScratchPath("after-setup.pdf"));
  WithPreview([&](frmPreview& dialog) {
    Responder().AnswerPrinter(true, [](QPrinter& printer) {
      printer.setPageOrientation(QPageLayout::Portrait);
      printer.setResolution(72);
    });
    dialog.cboSetup->click();
    EXPECT_EQ(dialog.Text2->text(), "72");
    Printer().setOutputFileName(scale);
    dialog.cboPrintScale->click();
    // The job prints landscape at its own resolution, and the page is measured so.
    EXPECT_EQ(dialog.Text2->text(), QString::number(Printer().resolution()));
    EXPECT_GT(dialog.Page().WidthIn, dialog.Page().HeightIn);
  });
  const PdfFirstPage page = ReadPdfFirstPage(scale, ReadDpi);
  ASSERT_EQ(page.pageCount, 1);
  EXPECT_GT(page.points.width(), page.points.height());
  const PrintedPageMap map(Printer().pageLayout(), page.image);
  EXPECT_TRUE(InkIn(page.image, map.Box(1.9, 1.4, 2.1, 1.6)));   // the line's middle
  EXPECT_TRUE(InkIn(page.image, map.Box(2.9, 1.9, 3.1, 2.1)));   // and its end
  EXPECT_FALSE(InkIn(page.image, map.Box(4.9, 0.9, 5.1, 1.1)));
}

// ---- The printer and its jobs ------------------------------------------------------------------

TEST_F(frmPreviewTest, NamesItsPrinterAndNeverPrintsToAFileNotChosenForThatPrint) {
  AddLine(1, 1, 3, 2);
  const QString filePrint = QString::fromStdString(ScratchPath("file print.pdf"));
  FilePrintTo(Responder(), filePrint);
  ASSERT_EQ(MessagePanel(3), "Drawing printed.");
  const QByteArray printed = FileBytes(filePrint);
  const QString chosen = QString::fromStdString(ScratchPath("chosen.pdf"));
  Responder().AnswerMsgBox(vbOK);
  WithPreview([&](frmPreview& dialog) {
    // The tests have no printer installed: with the file forgotten, nowhere.
    EXPECT_EQ(dialog.Text3->text(), "");
    dialog.cboPrintScale->click();
    EXPECT_EQ(Responder().Prompts().back().text, "No printer is chosen: choose a printer or a file in Printer Setup.");
    SetUpToFile(dialog, chosen);
    EXPECT_EQ(dialog.Text3->text(), "File " + chosen);
    dialog.cboPrintScale->click();
    EXPECT_EQ(dialog.Text3->text(), "");
  });
  EXPECT_EQ(FileBytes(filePrint), printed);
  EXPECT_EQ(ReadPdfFirstPage(chosen, ReadDpi).pageCount, 1);
}

TEST_F(frmPreviewTest, TheResolutionChosenInSetupIsShownAndPrintedWith) {
  constexpr int Dpi = 300, Margin = 5;  // up to 300 dots per inch the border is 5 pixels in, 5 wide
  AddLine(1, 1, 3, 2);
  const QString path = QString::fromStdString(ScratchPath("300 dpi.pdf"));
  WithPreview([&](frmPreview& dialog) {
    SetUpToFile(dialog, path, Dpi);
    EXPECT_EQ(dialog.Text2->text(), QString::number(Dpi));
    dialog.chkBorder->click();
    dialog.cboPrintScale->click();
    EXPECT_EQ(dialog.Text2->text(), QString::number(Dpi));
  });
  // Read back at the printer's resolution: one image pixel to a printer pixel.
  const PdfFirstPage page = ReadPdfFirstPage(path, Dpi);
  ASSERT_EQ(page.pageCount, 1);
  const int left = static_cast<int>(std::lround(PrintableLeft(Dpi))), middle = page.image.height() / 2;
  EXPECT_TRUE(InkIn(page.image, QRect(left + Margin - 1, middle, 3, 1)));
  EXPECT_FALSE(InkIn(page.image, QRect(left + 2 * Margin + 2, middle, 3, 1)));
}

TEST_F(frmPreviewTest, ThePrintedBorderIsSolidWhateverTheLastObjectsLineStyle) {
  constexpr double Dpi = 300, ScreenPixel = Dpi / 96;
  constexpr Integer DashDot = 3;
  Objs[AddLine(1, 1, 3, 2)].Ltype = DashDot;
  const QString path = QString::fromStdString(ScratchPath("border.pdf"));
  WithPreview([&](frmPreview& dialog) {
    SetUpToFile(dialog, path, 1200);  // finer than 300 dots per inch
    dialog.chkBorder->click();
    dialog.cboPrintScale->click();
  });
  const PdfFirstPage page = ReadPdfFirstPage(path, Dpi);
  ASSERT_EQ(page.pageCount, 1);
  // Down the middle half of the left border every row is inked, as wide as
  // the preview's 3-pixel pen on the screen.
  const int left = static_cast<int>(PrintableLeft(Dpi));
  const int height = page.image.height();
  int gaps = 0, widest = 0;
  for (int y = height / 4; y < 3 * height / 4; ++y) {
    int width = 0;
    for (int x = left - 2; x < left + 20; ++x) width += InkAt(page.image, x, y);
    gaps += width == 0;
    widest = std::max(widest, width);
  }
  EXPECT_EQ(gaps, 0);
  EXPECT_NEAR(widest, 3 * ScreenPixel, ScreenPixel);
}

TEST_F(frmPreviewTest, EveryPrintIsTitledWithTheDrawingsName) {
  AddLine(1, 1, 3, 2);
  const QString filePrint = QString::fromStdString(ScratchPath("file.pdf"));
  const QString scale = QString::fromStdString(ScratchPath("scale.pdf"));
  const QString image = QString::fromStdString(ScratchPath("image.pdf"));
  FilePrintTo(Responder(), filePrint);
  WithPreview([&](frmPreview& dialog) {
    SetUpToFile(dialog, scale);
    dialog.cboPrintScale->click();
    SetUpToFile(dialog, image);
    dialog.cboPrintImage->click();
  });
  for (const QString& path : {filePrint, scale, image}) {
    SCOPED_TRACE(path.toStdString());
    QPdfDocument document;
    ASSERT_EQ(document.load(path), QPdfDocument::Error::None);
    EXPECT_EQ(document.metaData(QPdfDocument::MetaDataField::Title).toString(), "New Drawing");
  }
}

TEST_F(frmPreviewTest, WithNowhereToPrintThePreviewSaysSoAndTheNextFilePrintIsWritten) {
  AddLine(1, 1, 3, 2);
  Printer().setOutputFormat(QPrinter::PdfFormat);  // no printer installed, no file chosen
  Printer().setOutputFileName(QString());
  Responder().AnswerMsgBox(vbOK);
  WithPreview([](frmPreview& dialog) { dialog.cboPrintImage->click(); });
  EXPECT_EQ(Responder().Prompts().back().text, "No printer is chosen: choose a printer or a file in Printer Setup.");
  const QString path = QString::fromStdString(ScratchPath("after preview.pdf"));
  FilePrintTo(Responder(), path);
  EXPECT_EQ(MessagePanel(3), "Drawing printed.");
  EXPECT_EQ(ReadPdfFirstPage(path, ReadDpi).pageCount, 1);
}

}  // namespace
}  // namespace lintavo
