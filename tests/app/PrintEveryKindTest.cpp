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
#include <QPushButton>
#include <functional>
#include <initializer_list>

#include "annotation/DimensionFixture.h"
#include "annotation/Fills.h"
#include "annotation/Hatches.h"
#include "model/SupportLists.h"
#include "model/UndoRedo.h"
#include "organisation/frmItemChooser.h"
#include "platform/SurfaceWidget.h"
#include "storage/LoadData.h"
#include "support/ListClicks.h"
#include "support/PdfPages.h"
#include "view/DisplayOptions.h"
#include "view/Print.h"
#include "view/PrintedPage.h"
#include "view/frmPreview.h"

namespace lintavo {
namespace {

// The grid: six columns of cells 2 units wide and five rows 1.75 units high
// from the world origin; each object keeps 0.3 units inside its cell.
constexpr Double CellWidth = 2, CellHeight = 1.75;
constexpr Double CellInset = 0.1;      // the part of a cell that is looked at lies this far inside
constexpr double ReadDpi = 100;        // resolution the printed page is read back at
constexpr Long Yellow = 0x00FFFF, Red = 0x0000FF;

class PrintEveryKindTest : public DimensionFixture {
 protected:
  void SetUp() override {
    DimensionFixture::SetUp();
    FrameTheGrid();
    TextHeight = 0.5F;
    TextWidth = 0.375F;
    ShowFills = ShowHatches = FlagTrue;
    if (PatternCount < 1) LoadPatterns();  // the library of the application folder
  }
  void TearDown() override {
    Printer().setOutputFileName(QString());
    DimensionFixture::TearDown();
  }

  // 32 pixels to the unit, the origin at view pixel (16, 16): the window
  // shows world -0.5 .. 12 across and -0.5 .. 8.875 up, the whole grid.
  // Choosing a group in its chooser zooms to the group: this frames the grid again.
  void FrameTheGrid() {
    doc_->XVscale = doc_->YVscale = 32;
    doc_->View_Scale = 32 / PixelsPerUnit;
    doc_->VbaseX = doc_->Vbasey = 16;
    UpdateWorldWindow();
    RefreshDocView(doc_);
  }
  static Long AddShape(Integer type, std::initializer_list<std::pair<Double, Double>> points) {
    AddObj(type, static_cast<Integer>(points.size()));
    for (const auto& [x, y] : points) AddPnt(x, y);
    return ObjCount;
  }
  void Click(std::initializer_list<std::pair<Double, Double>> clicks) {
    for (const auto& [x, y] : clicks) input_->ClickAt(x, y);
  }
  // The next area or group chooser: its last row clicked, then OK.
  void ChooseLastRow() {
    Responder().OnModalWindow([](QDialog& shown) {
      auto* chooser = dynamic_cast<frmItemChooser*>(&shown);
      ASSERT_NE(chooser, nullptr);
      QListWidget* list = chooser->List1;
      ASSERT_GT(list->count(), 0);
      ClickLastRow(list);
      chooser->OKButton->click();
    });
  }
  // Create Area, Window over the box, then the command on that area.
  void OnNewArea(Double x1, Double y1, Double x2, Double y2, const char* menuItem) {
    DrawingDriver::Choose("mnuViewAreasWindow");
    Click({{x1, y1}, {x2, y2}});
    ChooseLastRow();
    DrawingDriver::Choose(menuItem);
  }
};

struct Kind {
  const char* name;
  int column, row;
  // Makes the object in the cell whose lower left corner is (x, y).
  std::function<void(Double x, Double y)> make;
};

TEST_F(PrintEveryKindTest, FilePrintShowsEveryKindOfObjectInItsCellOfThePage) {
  const Kind kinds[] = {
      {"point", 0, 4, [](Double x, Double y) { AddShape(EntityPoint, {{x + 1, y + 0.9}}); }},
      {"line", 1, 4, [](Double x, Double y) { AddLine(x + 0.3, y + 0.3, x + 1.7, y + 1.45); }},
      {"wide line", 2, 4,
       [](Double x, Double y) { Objs[AddLine(x + 0.4, y + 0.9, x + 1.6, y + 0.9)].Width = 0.3F; }},
      {"heavy line", 3, 4,
       [](Double x, Double y) { Objs[AddLine(x + 0.3, y + 0.9, x + 1.7, y + 0.9)].Weight = 3; }},
      {"polyline", 4, 4,
       [](Double x, Double y) {
         AddShape(EntityPolyline, {{x + 0.3, y + 0.3}, {x + 0.8, y + 1.45}, {x + 1.2, y + 0.3}, {x + 1.7, y + 1.45}});
       }},
      {"rectangle", 5, 4,
       [this](Double x, Double y) {
         DrawingDriver::Choose("mnuDrawShapeRectangle2");
         Click({{x + 0.3, y + 0.3}, {x + 1.7, y + 1.45}});
         input_->Escape();
       }},
      {"polygon", 0, 3,
       [](Double x, Double y) {
         AddShape(EntityPolygon, {{x + 0.6, y + 0.3}, {x + 1.4, y + 0.3}, {x + 1.7, y + 0.9}, {x + 1.4, y + 1.45},
                                  {x + 0.6, y + 1.45}, {x + 0.3, y + 0.9}, {x + 0.6, y + 0.3}});
       }},
      {"circle", 1, 3, [](Double x, Double y) { AddCircle(x + 1, y + 0.875, 0.55); }},
      {"arc", 2, 3, [](Double x, Double y) { AddArc(x + 1, y + 0.6, 0.7, 0, 90, 180); }},
      {"elliptic arc", 3, 3,
       [](Double x, Double y) {
         AddShape(EntityEllipticArc, {{x + 0.3, y + 0.5}, {x + 1.7, y + 0.5}, {x + 1, y + 1.4},
                                      {x + 1, y - 0.4}, {x + 1.7, y + 0.5}, {x + 1, y + 1.4}});
       }},
      {"ellipse", 4, 3,
       [](Double x, Double y) {
         AddShape(EntityEllipse, {{x + 0.3, y + 0.875}, {x + 1.7, y + 0.875}, {x + 1, y + 1.4}, {x + 1, y + 0.35}});
       }},
      {"spline", 5, 3,
       [](Double x, Double y) {
         AddShape(EntitySpline, {{x + 0.3, y + 0.4}, {x + 0.8, y + 1.4}, {x + 1.2, y + 0.4}, {x + 1.7, y + 1.4}});
       }},
      {"Bezier", 0, 2,
       [](Double x, Double y) {
         AddShape(EntityBezier, {{x + 0.3, y + 0.3}, {x + 0.3, y + 1.45}, {x + 1.7, y + 1.45}, {x + 1.7, y + 0.3}});
       }},
      {"continuous Bezier", 1, 2,
       [](Double x, Double y) {
         AddShape(EntityContBezier, {{x + 0.3, y + 0.9}, {x + 0.5, y + 1.4}, {x + 0.8, y + 1.4}, {x + 1, y + 0.9},
                                     {x + 1.2, y + 0.4}, {x + 1.5, y + 0.4}, {x + 1.7, y + 0.9}});
       }},
      {"component placement", 2, 2,
       [this](Double x, Double y) {
         AddLine(x + 0.3, y + 0.3, x + 1.7, y + 1.45);
         AddLine(x + 0.3, y + 1.45, x + 1.7, y + 0.3);
         RefreshDocView(doc_);
         SelectWindow(x + 0.2, y + 0.2, x + 1.8, y + 1.55);
         DrawingDriver::Choose("mnuEditCompReplace");
         EXPECT_EQ(Objs[ObjCount].Rtype, EntityComponent);
         DrawingDriver::Choose("mnuSelectClr");
       }},
      {"text", 3, 2,
       [this](Double x, Double y) {
         PlaceAt(x + 0.4, y + 0.6, "Ab");
         input_->Escape();
         EXPECT_EQ(Objs[ObjCount].Rtype, EntityTextChar);
       }},
      {"group member", 4, 2,
       [this](Double x, Double y) {
         const Long line = AddLine(x + 0.3, y + 1.45, x + 1.7, y + 0.3);
         RefreshDocView(doc_);
         SelectWindow(x + 0.2, y + 0.2, x + 1.8, y + 1.55);
         ChooseLastRow();
         DrawingDriver::Choose("mnuViewGroup");
         EXPECT_EQ(Items[Objs[line].OwnerID].Rtype, ItemGroup);
         DrawingDriver::Choose("mnuSelectClr");
         FrameTheGrid();
       }},
      {"fill", 5, 2,
       [this](Double x, Double y) {
         CurFillColor = Yellow;
         CurFillPattern = 0;
         OnNewArea(x + 0.3, y + 0.3, x + 1.7, y + 1.45, "mnuInsertFill");
         EXPECT_EQ(Objs[ObjCount].Rtype, EntityFill);
       }},
      {"hatch", 0, 1,
       [this](Double x, Double y) {
         ASSERT_GE(PatternCount, 1);
         CurPatternName = HatchPatterns[1].Name;
         HatchColor = Red;
         HatchScale = 1;
         OnNewArea(x + 0.3, y + 0.3, x + 1.7, y + 1.45, "mnuInsertHatch");
         EXPECT_EQ(Objs[ObjCount].Rtype, EntityHatch);
       }},
      {"linear dimension", 1, 1,
       [this](Double x, Double y) {
         Dimension("mnuInsertLinearDim", {{x + 0.3, y + 0.4}, {x + 1.7, y + 0.4}, {x + 1, y + 0.8}});
       }},
      {"angular dimension", 2, 1,
       [this](Double x, Double y) {
         const Double cx = x + 0.6, cy = y + 0.4, r = 0.6;
         const Long circle = AddCircle(cx, cy, r);
         RefreshDocView(doc_);
         Dimension("mnuInsertAngularDim", {{cx + r, cy}, {cx + r, cy}, {cx, cy + r}, {cx + 0.6, cy + 0.6}});
         EraseObj(circle);  // the dimension alone stays in the cell
       }},
      {"radius dimension", 3, 1,
       [this](Double x, Double y) {
         const Double cx = x + 0.9, cy = y + 0.875, r = 0.5;
         const Long circle = AddCircle(cx, cy, r);
         RefreshDocView(doc_);
         Dimension("mnuInsertRadiusDim", {{cx + r, cy}, {cx + 0.2, cy}});
         EraseObj(circle);
       }},
      {"arc dimension", 4, 1,
       [this](Double x, Double y) {
         const Long arc = AddArc(x + 0.4, y + 0.35, 0.9, 0, 45, 90);
         RefreshDocView(doc_);
         Dimension("mnuInsertArcDim", {{x + 0.4 + 0.9 * std::cos(Pi / 4), y + 0.35 + 0.9 * std::sin(Pi / 4)},
                                       {x + 1.3, y + 1.2}});
         EraseObj(arc);
       }},
      {"leader", 5, 1,
       [this](Double x, Double y) { Dimension("mnuInsertLeaderDim", {{x + 0.3, y + 0.4}, {x + 0.6, y + 1.1}}); }},
  };
  for (const Kind& kind : kinds) {
    SCOPED_TRACE(kind.name);
    const Long before = ObjCount;
    kind.make(kind.column * CellWidth, kind.row * CellHeight);
    EXPECT_GT(ObjCount, before);
  }
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
  for (const Kind& kind : kinds) EXPECT_TRUE(InkIn(pdf.image, cell(kind.column, kind.row))) << kind.name;
  EXPECT_FALSE(InkIn(pdf.image, cell(emptyColumn, emptyRow)));
}

// Hatch lines go to paper as line segments: one family of lines 1/8 unit
// apart over the whole page is a small job, and its lines show on the page
// read back. Sent as dots of one printer pixel it ran to megabytes, which
// print paths that drop such dots left blank.
TEST_F(PrintEveryKindTest, AHatchAsLargeAsThePagePrintsAsLinesInASmallJob) {
  constexpr qint64 MostBytes = 200 * 1024;
  ASSERT_GE(PatternCount, 1);
  CurPatternName = HatchPatterns[1].Name;  // diagonal lines 1/8 apart
  HatchColor = Red;
  HatchScale = 1;
  OnNewArea(-0.4, -0.4, 11.9, 8.8, "mnuInsertHatch");
  ASSERT_EQ(Objs[ObjCount].Rtype, EntityHatch);

  const QString path = QString::fromStdString(ScratchPath("hatch.pdf"));
  Printer().setOutputFormat(QPrinter::PdfFormat);
  Printer().setOutputFileName(path);
  Responder().AnswerPrinter(true);
  DrawingDriver::Choose("mnuFilePrint");
  EXPECT_EQ(MessagePanel(3), "Drawing printed.");
  EXPECT_LT(QFileInfo(path).size(), MostBytes);

  const PdfFirstPage pdf = ReadPdfFirstPage(path, ReadDpi);
  ASSERT_EQ(pdf.pageCount, 1);
  const PrintedPageMap map(Printer().pageLayout(), pdf.image);
  // Every box an eighth of a unit on a side inside the area is crossed by a line.
  for (const auto& [x, y] : {std::pair{1.0, 1.0}, std::pair{6.0, 4.5}, std::pair{11.0, 8.0}})
    EXPECT_TRUE(InkIn(pdf.image, map.Box(x, y, x + 0.125, y + 0.125))) << x << ", " << y;
}

// Whether any pixel in the box is clearly red.
bool RedIn(const QImage& image, const QRect& box) {
  const QRect inside = box.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (qRed(pixel) - qGreen(pixel) > 80 && qRed(pixel) - qBlue(pixel) > 80) return true;
    }
  return false;
}

// A hatch too fine for the screen at this zoom but not for the page: the
// preview shows it as File, Print prints it, judged at the paper's zoom and
// not at the zoom of its small picture.
TEST_F(PrintEveryKindTest, PrintPreviewShowsTheHatchThatPrintsAndPrintsItBothWays) {
  ASSERT_GE(PatternCount, 1);
  CurPatternName = HatchPatterns[1].Name;
  HatchColor = Red;
  HatchScale = 1;
  OnNewArea(2, 2, 6, 5, "mnuInsertHatch");
  ASSERT_EQ(Objs[ObjCount].Rtype, EntityHatch);
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
      Printer().setOutputFormat(QPrinter::PdfFormat);
      Printer().setOutputFileName(path);
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
