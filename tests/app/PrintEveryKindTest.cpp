// File, Print of a drawing with one object of every kind the program draws,
// each alone in a cell of a grid in world coordinates: the PDF page, read
// back as a reader shows it, has ink in every object's cell and none in the
// empty one. The objects are made through the menus and clicks where the
// program has a command for them, and straight into the model otherwise.
#include <QPrinter>

#include "app/EveryKindFixture.h"
#include "support/PdfPages.h"
#include "view/Print.h"
#include "view/PrintedPage.h"

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
};

TEST_F(PrintEveryKindTest, FilePrintShowsEveryKindOfObjectInItsCellOfThePage) {
  const std::vector<EveryKindObject> kinds = EveryKind();
  MakeEveryKind(kinds);
  const int emptyColumn = 0, emptyRow = 0;

  const QString path = QString::fromStdString(ScratchPath("every kind.pdf"));
  Printer().setOutputFormat(QPrinter::PdfFormat);
  Printer().setOutputFileName(path);
  Responder().AnswerPrinter(true);
  DrawingDriver::Choose("mnuFilePrint");
  EXPECT_EQ(MessagePanel(3), "Drawing printed.");

  const PdfFirstPage pdf = ReadPdfFirstPage(path, ReadDpi);
  ASSERT_EQ(pdf.pageCount, 1);
  const PrintedPageMap map(Printer().pageLayout(), pdf.image);
  const auto cell = [&](int column, int row) {
    const Double x = column * CellWidth, y = row * CellHeight;
    return map.Box(x, y, x + CellWidth, y + CellHeight, CellInset);
  };
  for (const EveryKindObject& kind : kinds) EXPECT_TRUE(InkIn(pdf.image, cell(kind.column, kind.row))) << kind.name;
  EXPECT_FALSE(InkIn(pdf.image, cell(emptyColumn, emptyRow)));
}

}  // namespace
}  // namespace lintavo
