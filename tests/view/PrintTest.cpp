// Printing: the page measurement and the fit of the view window to the
// page, and File, Print to a PDF file read back as a reader shows it.
#include <QFile>
#include <QPainter>
#include <QPrinter>

#include "commands/EditFixture.h"
#include "model/LayerItems.h"
#include "model/UndoRedo.h"
#include "model/ViewCache.h"
#include "platform/ImageSurface.h"
#include "platform/Numbers.h"
#include "support/ModelBuilders.h"
#include "support/PdfPages.h"
#include "view/Print.h"
#include "view/PrintedPage.h"

namespace lintavo {
namespace {

// ---- Measurement and fit --------------------------------------------------------------

struct FitCase {
  const char* name;
  Single widthIn, heightIn, leftPx, topPx, widthPx, heightPx;
  Double winMaxX, winMaxY;  // world window from (0, 0)
  bool fits;
  Integer pixPerInch;
  Single scale, baseX, baseY;
  Long pixMaxY;
};

TEST(PrintFit, FitsTheViewWindowToTheUsablePageCentredAtOneScale) {
  const FitCase cases[] = {
      // 2:1 on a 10 x 7.5 inch page: the width decides, centred vertically.
      {"wide window", 10, 7.5, 0, 0, 3000, 2250, 4, 2, true, 300, 750, 0, 375, 2250},
      // The usable page is the size less its origin, not plus.
      {"page origin", 10.3333f, 7.6667f, 100, 50, 3100, 2300, 4, 2, true, 300, 750, 0, 375, 2300},
      // A tall window: the height decides, centred across.
      {"tall window", 10, 7.5, 0, 0, 3000, 2250, 1, 3, true, 300, 750, 1125, 0, 2250},
      // 600 pixels per inch down and 300 across: 600 serves both axes.
      {"unequal dpi", 10, 7.5, 0, 0, 3000, 4500, 4, 2, true, 600, 750, 0, 1500, 4500},
      {"no window width", 10, 7.5, 0, 0, 3000, 2250, 0, 2, false, 300, 0, 0, 0, 0},
      {"no page height", 10, 0, 0, 0, 3000, 0, 4, 2, false, 0, 0, 0, 0, 0},
  };
  for (const FitCase& c : cases) {
    SCOPED_TRACE(c.name);
    ViewWinMinX = ViewWinMinY = 0;
    ViewWinMaxX = c.winMaxX;
    ViewWinMaxY = c.winMaxY;
    const PrinterPage page = PageFromMeasures(c.widthIn, c.heightIn, c.leftPx, c.topPx, c.widthPx, c.heightPx);
    EXPECT_EQ(page.PixPerInch, c.pixPerInch);
    PrinterTransform transform;
    ASSERT_EQ(FitWindowToPage(page, transform), c.fits);
    if (!c.fits) continue;
    EXPECT_FLOAT_EQ(transform.Scale, c.scale);
    EXPECT_FLOAT_EQ(transform.BaseX, c.baseX);
    EXPECT_FLOAT_EQ(transform.BaseY, c.baseY);
    EXPECT_EQ(transform.PixMaxY, c.pixMaxY);
  }
}

// ---- The printed page -----------------------------------------------------------------

constexpr double ReadDpi = 100;  // resolution the printed pages are read back at

class PrintTest : public EditFixture {
 protected:
  void TearDown() override {
    Printer().setOutputFileName(QString());  // back to the native printer
    EditFixture::TearDown();
  }
  // Ink within a quarter unit either side of the world point, across and up.
  static bool InkNear(const QImage& image, const PrintedPageMap& map, Double X, Double Y) {
    return InkIn(image, map.Box(X - 0.25, Y - 0.25, X + 0.25, Y + 0.25));
  }
};

TEST_F(PrintTest, FilePrintPutsTheShownObjectsOnOneLandscapePdfPageWithWorldYUpAndHandsTheViewBack) {
  AddLine(1, 2, 3, 2);                      // shown, near the top of the paper
  AddLine(1, 0, 3, 0);                      // shown, near the bottom
  EraseObj(AddLine(1, 1, 3, 1));            // erased
  Objs[AddLine(1, 0.5, 3, 0.5)].DwgNo = 2;  // another drawing
  Objs[AddLine(1, 1.5, 3, 1.5)].DwgNo = 0;  // support geometry
  RefreshDocView(doc_);
  const Single scaleX = ViewScaleX, baseX = ViewBaseX, baseY = ViewBaseY;
  const Long pixMaxX = ViewPixMaxX, pixMaxY = ViewPixMaxY;
  Surface* const window = ActiveDoc;
  const QImage screen = doc_->Image().copy();

  const QString path = QString::fromStdString(ScratchPath("drawing.pdf"));
  PrintToPdf(path);
  Responder().AnswerPrinter(true);
  DrawingDriver::Choose("mnuFilePrint");
  EXPECT_EQ(MessagePanel(3), "Drawing printed.");

  const PdfFirstPage pdf = ReadPdfFirstPage(path, ReadDpi);
  ASSERT_TRUE(pdf.loaded);
  EXPECT_EQ(pdf.pageCount, 1);
  EXPECT_GT(pdf.points.width(), pdf.points.height());  // landscape
  EXPECT_EQ(Printer().pageLayout().orientation(), QPageLayout::Landscape);
  const PrintedPageMap map(Printer().pageLayout(), pdf.image);
  EXPECT_TRUE(InkNear(pdf.image, map, 2, 2));     // y = 2 above ...
  EXPECT_TRUE(InkNear(pdf.image, map, 2, 0));     // ... y = 0
  EXPECT_FALSE(InkNear(pdf.image, map, 2, 1));    // erased
  EXPECT_FALSE(InkNear(pdf.image, map, 2, 0.5));  // drawing 2
  EXPECT_FALSE(InkNear(pdf.image, map, 2, 1.5));  // support geometry
  EXPECT_FALSE(InkNear(pdf.image, map, 5, 1));    // nothing there

  EXPECT_EQ(ActiveDoc, window);
  EXPECT_EQ(PreviewMode, FlagFalse);
  EXPECT_EQ(ViewScaleX, scaleX);
  EXPECT_EQ(ViewBaseX, baseX);
  EXPECT_EQ(ViewBaseY, baseY);
  EXPECT_EQ(ViewPixMaxX, pixMaxX);
  EXPECT_EQ(ViewPixMaxY, pixMaxY);
  EXPECT_EQ(doc_->Image(), screen);
}

// The bounding box of the ink within the box.
QRect InkBounds(const QImage& image, const QRect& box) {
  QRect bounds;
  const QRect inside = box.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x)
      if (InkAt(image, x, y)) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

TEST_F(PrintTest, PenWeightsAndPointMarksAreAsLargeOnPaperAsOnTheScreen) {
  // Sizes in pixels of the screen, 1/96 inch; read back at 288 dots per inch,
  // three dots to the screen pixel.
  constexpr double dotsPerInch = 288, dotsPerScreenPixel = dotsPerInch / 96;
  struct Case {
    const char* name;
    Integer weight;
    Double y;
    int screenPixels;  // the line's thickness
  };
  const Case cases[] = {{"thin", 0, 1, 1}, {"weight 3", 3, 2, 3}, {"weight 6", 6, 3, 6}};
  for (const Case& c : cases) Objs[AddLine(1, c.y, 3, c.y)].Weight = c.weight;
  AddEntity(EntityPoint, {{5, 2}});  // the upright cross 3 pixels left and 4 right of its centre
  RefreshDocView(doc_);
  const QString path = QString::fromStdString(ScratchPath("weights.pdf"));
  PrintToPdf(path);
  Responder().AnswerPrinter(true);
  DrawingDriver::Choose("mnuFilePrint");
  const PdfFirstPage pdf = ReadPdfFirstPage(path, dotsPerInch);
  ASSERT_EQ(pdf.pageCount, 1);
  const PrintedPageMap map(Printer().pageLayout(), pdf.image);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QPoint middle = map.At(2, c.y).toPoint();
    const QRect ink = InkBounds(pdf.image, QRect(middle.x(), middle.y() - 30, 1, 61));  // a column across the line
    EXPECT_NEAR(ink.height(), c.screenPixels * dotsPerScreenPixel, dotsPerScreenPixel);
  }
  const QPoint centre = map.At(5, 2).toPoint();
  const QRect mark = InkBounds(pdf.image, QRect(centre - QPoint(30, 30), QSize(61, 61)));
  EXPECT_NEAR(mark.width(), 7 * dotsPerScreenPixel, dotsPerScreenPixel);
  EXPECT_NEAR(mark.height(), 7 * dotsPerScreenPixel, dotsPerScreenPixel);
}

TEST_F(PrintTest, AWindowWithNoHeightGetsNothingDrawnAndTheViewBack) {
  AddLine(1, 1, 3, 2);
  Surface* const window = ActiveDoc;
  const Long pixMaxY = ViewPixMaxY;
  const Double winMaxY = ViewWinMaxY;
  ViewWinMaxY = ViewWinMinY;
  ImageSurface blank(100, 75);
  blank.Cls();
  const QImage before = blank.Image().copy();
  EXPECT_FALSE(DrawPrintedPage(blank, 1));
  EXPECT_EQ(blank.Image(), before);
  EXPECT_EQ(ActiveDoc, window);
  EXPECT_EQ(ViewPixMaxY, pixMaxY);
  ViewWinMaxY = winMaxY;
}

TEST_F(PrintTest, ACancelledDialogOrAnEmptyModelPrintsNothing) {
  const QString path = QString::fromStdString(ScratchPath("none.pdf"));
  PrintToPdf(path);
  Responder().AnswerPrinter(true);
  DrawingDriver::Choose("mnuFilePrint");  // nothing in the model
  EXPECT_EQ(MessagePanel(3), "Not printed: the drawing is empty.");
  AddLine(1, 1, 3, 2);
  Responder().AnswerPrinter(false);
  DrawingDriver::Choose("mnuFilePrint");
  EXPECT_FALSE(QFile::exists(path));
}

// ---- Failed jobs -------------------------------------------------------------------------

TEST_F(PrintTest, AJobThatIsNotWrittenSaysSoAndTheNextOnePrints) {
  AddLine(1, 1, 3, 2);
  RefreshDocView(doc_);
  struct Case {
    const char* name;
    QString path;
    const char* message;
  };
  const Case cases[] = {
      {"full disk", "/dev/full", "Not printed: the job could not be written in full."},
      {"no such folder", QString::fromStdString(ScratchPath("missing/drawing.pdf")),
       "Not printed: the printer did not accept the job."},
  };
  const QString after = QString::fromStdString(ScratchPath("after.pdf"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FilePrintTo(Responder(), c.path);
    EXPECT_EQ(MessagePanel(3), c.message);
    FilePrintTo(Responder(), after);
    EXPECT_EQ(MessagePanel(3), "Drawing printed.");
    EXPECT_EQ(ReadPdfFirstPage(after, ReadDpi).pageCount, 1);
    QFile::remove(after);
  }
}

TEST_F(PrintTest, AJobThatCouldNotStartLeavesTheNextOneAReadyPrinter) {
  AddLine(1, 1, 3, 2);
  RefreshDocView(doc_);
  // A PDF writer with no file, as the platform gives when no printer is
  // installed: a job on it fails to start and leaves it active.
  Printer().setOutputFormat(QPrinter::PdfFormat);
  Printer().setOutputFileName(QString());
  {
    QPainter refused;
    EXPECT_FALSE(refused.begin(&Printer()));
  }
  const QString path = QString::fromStdString(ScratchPath("ready.pdf"));
  FilePrintTo(Responder(), path);
  EXPECT_EQ(MessagePanel(3), "Drawing printed.");
  EXPECT_EQ(ReadPdfFirstPage(path, ReadDpi).pageCount, 1);
}

TEST_F(PrintTest, APrintedFileIsNotPrintedToAgainUnlessChosenAgain) {
  AddLine(1, 1, 3, 2);
  RefreshDocView(doc_);
  const QString first = QString::fromStdString(ScratchPath("first.pdf"));
  FilePrintTo(Responder(), first);
  ASSERT_EQ(MessagePanel(3), "Drawing printed.");
  QFile::remove(first);
  Responder().AnswerPrinter(true);  // the dialog taken as it opens
  DrawingDriver::Choose("mnuFilePrint");
  EXPECT_EQ(MessagePanel(3), "Not printed: no printer is installed.");  // the tests have none
  EXPECT_FALSE(QFile::exists(first));
  EXPECT_TRUE(Printer().outputFileName().isEmpty());
}

// ---- Filled boxes at the window's edge -------------------------------------------------------

TEST_F(PrintTest, ARotatedBoxedCharacterReachingIntoTheWindowIsFilledOnScreenAndOnPaper) {
  constexpr Long Red = 0x0000FF;
  // A character box 1.4 units on a side turned 45 degrees about (x, 2):
  // its first and third corners lie on x, its second 0.99 to the right.
  struct Case {
    const char* name;
    Double x;
    Double glyphMin, glyphMax;  // the glyph's box, the cell 0..1 or wider
    bool inside;                // part of the fill lies at world (0, 3)
  };
  const Case cases[] = {
      {"glyph box the cell", -0.7, 0, 1, true},
      {"glyph box wider than the cell", -0.7, -0.5, 1.5, true},
      {"wholly outside", -2.5, 0, 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Long character = AddCompound(EntityTextChar, c.x, 2, 45);
    Objs[character].NPoints = 5;
    Pnts[Objs[character].PointID + 1].X = Pnts[Objs[character].PointID + 1].Y = 1.4;  // the size
    AddPnt(0, 0);    // neither bold nor underlined
    AddPnt(1, Red);  // boxed, in red
    const String name = "TEXT-65";  // a glyph without strokes: the box alone shows
    NewItemName = name;
    AddItem(ItemGlyph);
    const Long glyph = ItemCount;
    Items[glyph].Xmin = Items[glyph].Ymin = c.glyphMin;
    Items[glyph].Xmax = Items[glyph].Ymax = c.glyphMax;
    Objs[character].Name = name;
    Objs[character].ObjectID = glyph;
    RefreshDocView(doc_);
    const int column = RoundToLong(ViewBaseX), row = ViewPixMaxY - RoundToLong(3 * ViewScaleY + ViewBaseY);
    EXPECT_EQ(doc_->Image().pixel(column, row) == qRgb(255, 0, 0), c.inside);  // world (0, 3) on the screen

    const QString path = QString::fromStdString(ScratchPath("boxed.pdf"));
    FilePrintTo(Responder(), path);
    const PdfFirstPage pdf = ReadPdfFirstPage(path, ReadDpi);
    ASSERT_EQ(pdf.pageCount, 1);
    const PrintedPageMap map(Printer().pageLayout(), pdf.image);
    EXPECT_EQ(InkNear(pdf.image, map, 0, 3), c.inside);
    EraseObj(character);
  }
}

}  // namespace
}  // namespace lintavo
