// The print preview: its caption, the border on the picture, the printed
// border and title block, and its two prints and printer set-up to PDF.
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

#include "commands/EditFixture.h"
#include "model/LayerItems.h"
#include "model/ViewCache.h"
#include "platform/Numbers.h"
#include "platform/ImageSurface.h"
#include "platform/SurfaceWidget.h"
#include "view/SurfaceDraw.h"
#include "view/frmPreview.h"

namespace lintavo {
namespace {

bool Inked(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)) != QColor(Qt::white); }

bool InkIn(const QImage& image, QRect box) {
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x)
      if (Inked(image, x, y)) return true;
  return false;
}

// The landscape flag of the one page of a PDF file: its media box wider than tall.
bool PdfPageIsLandscape(const QString& path) {
  QFile pdf(path);
  if (!pdf.open(QIODevice::ReadOnly)) return false;
  const auto box = QRegularExpression(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])").match(QString::fromLatin1(pdf.readAll()));
  return box.hasMatch() && box.captured(1).toDouble() > box.captured(2).toDouble();
}

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
  const QString image = QString::fromStdString(ScratchPath("image.pdf"));
  const QString scale = QString::fromStdString(ScratchPath("scale.pdf"));
  WithPreview([&](frmPreview& dialog) {
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
  EXPECT_TRUE(PdfPageIsLandscape(image));
  EXPECT_TRUE(PdfPageIsLandscape(scale));
  EXPECT_EQ(Responder().Prompts().back().title, "Lintavo Printer Setup");
}

}  // namespace
}  // namespace lintavo
