// The print preview: its caption, the border on the picture, the printed
// border and title block, and its two prints and printer set-up to PDF.
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>

#include "commands/EditFixture.h"
#include "model/LayerItems.h"
#include "model/ViewCache.h"
#include "platform/Numbers.h"
#include "platform/ImageSurface.h"
#include "platform/SurfaceWidget.h"
#include "support/PdfPages.h"
#include "view/SurfaceDraw.h"
#include "view/PrintedPage.h"
#include "view/frmPreview.h"

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
  QString PrintToPdf(const char* name) {
    const QString path = QString::fromStdString(ScratchPath(name));
    Printer().setOutputFormat(QPrinter::PdfFormat);
    Printer().setOutputFileName(path);
    return path;
  }
  // Opens File, Print Preview and runs operate on the dialog, which then closes.
  void WithPreview(const std::function<void(frmPreview&)>& operate) {
    Responder().OnModalWindow([&](QDialog& dialog) {
      operate(static_cast<frmPreview&>(dialog));
      static_cast<frmPreview&>(dialog).cboClose->click();
    });
    DrawingDriver::Choose("mnuFilePrintPreview");
  }
};

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
  Printer().setResolution(72);  // as a printer nothing has printed on yet: not the job's resolution
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

}  // namespace
}  // namespace lintavo
