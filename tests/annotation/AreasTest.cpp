// Named areas through the menus and clicks, the span table, hatches and
// fills drawn from an area's boundary, and the area chooser.
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <cmath>
#include <functional>
#include <set>
#include <vector>

#include "annotation/Areas.h"
#include "annotation/Boundaries.h"
#include "annotation/Fills.h"
#include "annotation/Hatches.h"
#include "annotation/PaintedArea.h"
#include "commands/EditFixture.h"
#include "commands/GripFrame.h"
#include "model/LayerItems.h"
#include "model/SupportLists.h"
#include "model/ViewCache.h"
#include "picking/Measure.h"
#include "platform/Numbers.h"
#include "windows/show/frmAreaSelect.h"
#include "windows/show/frmLayerCtl.h"
#include "windows/show/frmLayerSelect.h"
#include "storage/DbSchema.h"
#include "storage/FileMenu.h"
#include "storage/SaveData.h"
#include "storage/LoadData.h"
#include "storage/TestDatabase.h"
#include "support/DialogKeys.h"
#include "support/PdfPages.h"
#include "support/ListClicks.h"
#include "support/ScriptedResponder.h"
#include "view/DisplayOptions.h"
#include "view/DrawDispatch.h"
#include "view/PrintedPage.h"
#include "windows/file/frmDwgSave.h"

namespace lintavo {
namespace {

constexpr Long Red = 0x0000FF;
constexpr Long Yellow = 0x00FFFF;
constexpr Long Green = 0x00FF00;

class AreasTest : public EditFixture {
 protected:
  // Clicks row 0 of the chooser's list, as the user chooses the first area.
  static void ClickFirstRow(frmAreaSelect& dialog) { ClickRow(dialog.List1, 0); }
  // The chooser answered by clicking that row, then OK.
  void ChooseAreaRow(int row) {
    Responder().OnDialog<frmAreaSelect>([row](frmAreaSelect& dialog) {
      ClickRow(dialog.List1, row);
      dialog.OKButton->click();
    });
  }
  // The chooser answered by clicking row 0, then OK (or Cancel).
  void ChooseFirstArea(bool ok = true) {
    Responder().OnDialog<frmAreaSelect>([ok](frmAreaSelect& dialog) {
      ClickFirstRow(dialog);
      (ok ? dialog.OKButton : dialog.CancelButton)->click();
    });
  }
  // What the chooser shows for a clicked row: lblLines and the preview's world window.
  struct Previewed {
    QString view, caption, width, height;  // lblView, lblLines, lblWidth, lblHeight
    Double minX, maxX, minY, maxY;
    bool blank;  // the picture shows nothing
  };
  // SHOW an Area from the menu; the rows clicked in turn, then Cancel.
  std::vector<Previewed> PreviewRows(std::vector<int> rows) {
    std::vector<Previewed> seen;
    Responder().OnDialog<frmAreaSelect>([&seen, rows](frmAreaSelect& dialog) {
      for (int row : rows) {
        ClickRow(dialog.List1, row);
        const QImage& picture = dialog.Picture1->Image();
        seen.push_back({dialog.lblView->text(), dialog.lblLines->text(), dialog.lblWidth->text(), dialog.lblHeight->text(), ViewWinMinX,
                        ViewWinMaxX, ViewWinMinY, ViewWinMaxY, IsBlank(picture)});
      }
      dialog.CancelButton->click();
    });
    DrawingDriver::Choose("mnuAreasShow");
    return seen;
  }
  // A Hatch entity of area with pattern 1 at scale 1 and that rotation.
  static Long AddHatch(Long area, Single rotation) {
    AddObj(EntityHatch, 3);
    Objs[ObjCount].Ltype = 1;
    Objs[ObjCount].ObjectID = area;
    Objs[ObjCount].Color = Red;
    AddPnt(1, 1);
    AddPnt(1, 1);
    AddPnt(rotation, 0);
    return ObjCount;
  }
  static bool IsBlank(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != image.pixel(0, 0)) return false;
    return true;
  }
  int CountPixels(Long rgb) const { return CountPixels(doc_->Image(), rgb); }
  // A world box, x1 < x2 and y1 < y2.
  struct WorldBox {
    Double x1, y1, x2, y2;
  };
  // Pixels of that colour on the window within the view pixels of box grown
  // by grow pixels on every side (shrunk when negative).
  int CountPixelsIn(Long rgb, const WorldBox& box, Long grow) const {
    const QImage& image = doc_->Image();
    const QRgb want = qRgb(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
    int n = 0;
    for (Long y = RoundToLong(ViewPixelY(box.y1)) - grow; y <= RoundToLong(ViewPixelY(box.y2)) + grow; ++y)
      for (Long x = RoundToLong(ViewPixelX(box.x1)) - grow; x <= RoundToLong(ViewPixelX(box.x2)) + grow; ++x)
        n += image.pixel(static_cast<int>(x), static_cast<int>(ViewPixMaxY - y)) == want ? 1 : 0;
    return n;
  }
  static int CountPixels(const QImage& image, Long rgb) { return PixelsOfColour(image, rgb); }
  // The direction, in whole degrees 0..179, along which the pixels of that
  // colour lie on the fewest parallel lines (world y upward).
  int LineDirection(Long rgb) const {
    const QImage& image = doc_->Image();
    const QRgb want = qRgb(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
    std::vector<QPoint> pixels;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) == want) pixels.emplace_back(x, -y);
    int best = -1;
    size_t fewest = SIZE_MAX;
    for (int degrees = 0; degrees < 180; ++degrees) {
      const Double a = degrees * Pi / 180;
      std::set<Long> offsets;  // distance of each pixel from the line through the origin
      for (const QPoint& p : pixels) offsets.insert(RoundToLong(-p.x() * std::sin(a) + p.y() * std::cos(a)));
      if (offsets.size() < fewest) {
        fewest = offsets.size();
        best = degrees;
      }
    }
    return best;
  }
};

TEST_F(AreasTest, WindowCreatesAHiddenClosedBoundaryAndALockedArea) {
  BoundaryColor = 0xFF00;
  DrawingDriver::Choose("mnuViewAreasWindow");
  EXPECT_EQ(MessagePanel(1), "CREATE Area Via Boundary Window");
  input_->ClickAt(0, 0);
  const Long before = ObjCount;
  input_->ClickAt(0, 3);  // no width: nothing, and the command keeps waiting
  EXPECT_EQ(ObjCount, before);
  EXPECT_EQ(ActiveTool, ToolAreas);
  input_->ClickAt(7, 5);
  ASSERT_EQ(ObjCount, before + 1);
  const ObjRec& poly = Objs[ObjCount];
  EXPECT_EQ(poly.Rtype, EntityPolygon);
  EXPECT_EQ(poly.Show, FlagFalse);
  EXPECT_EQ(poly.Ltype, 1);
  EXPECT_EQ(poly.Color, 0xFF00);
  const Double want[5][2] = {{0, 0}, {7, 0}, {7, 5}, {0, 5}, {0, 0}};
  ASSERT_EQ(poly.NPoints, 5);
  for (Integer k = 1; k <= 5; ++k) {
    EXPECT_EQ(PX(ObjCount, k), want[k - 1][0]) << k;
    EXPECT_EQ(PY(ObjCount, k), want[k - 1][1]) << k;
  }
  const ItemRec& area = Items[poly.OwnerID];
  EXPECT_EQ(area.Name, "New Area 1");
  EXPECT_EQ(area.Nlines, 1);
  EXPECT_EQ(area.Lock, FlagTrue);
  EXPECT_EQ(area.Xmin, 0);
  EXPECT_EQ(area.Ymax, 5);
  EXPECT_EQ(area.Xmax, 7);
  EXPECT_FLOAT_EQ(poly.Area, 35);
  EXPECT_EQ(MessagePanel(2), "Area : New Area 1 CREATED");
  EXPECT_EQ(ActiveTool, ToolNone);
  CreateWindowArea(1, 1, 2, 2);
  EXPECT_EQ(MessagePanel(2), "Area : New Area 2 CREATED");
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(AreasTest, ShowingAnAreaOfNoSizeSaysSoAndLeavesTheView) {
  CreateWindowArea(1, 1, 4, 3);
  const Long area = Objs[ObjCount].OwnerID;
  Items[area].Xmax = Items[area].Xmin;  // a box of no width
  const Double scale = doc_->View_Scale, minX = doc_->XVmin, maxX = doc_->XVmax, maxY = doc_->YVmax;
  ChooseFirstArea();
  DrawingDriver::Choose("mnuAreasShow");
  EXPECT_EQ(doc_->View_Scale, scale);
  EXPECT_NEAR(doc_->XVmin, minX, 1e-9);
  EXPECT_NEAR(doc_->XVmax, maxX, 1e-9);
  EXPECT_NEAR(doc_->YVmax, maxY, 1e-9);
  EXPECT_EQ(MessagePanel(2), "View Not Valid! View Unchanged");
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(AreasTest, LinesCollectorReportsEachWrongPickAndClosesOnTheFirstLine) {
  const Long a = AddLine(1, 1, 4, 1);
  AddLine(4, 1, 4, 4);
  AddLine(1, 4, 4, 4);  // joined at its second end
  AddCircle(6, 2, 0.5);
  AddLine(6, 4, 7, 4);  // unconnected
  const Long lastLine = ObjCount;
  DrawingDriver::Choose("mnuViewAreasLines");
  EXPECT_EQ(MessagePanel(2), "Select First BOUNDARY Line");
  struct Pick {
    Double x, y;
    const char* panel3;
  };
  const Pick picks[] = {
      {2, 1, "Lines SELECTED: 1"},
      {2, 1, "Line NOT ReSelected"},
      {6.5, 2, "Line NOT Selected, MUST be Line or Arc!"},
      {6.5, 4, "Line NOT Selected, MUST be Connected"},
      {4, 2, "Lines SELECTED: 2"},
      {2, 4, "Lines SELECTED: 3"},
  };
  for (const Pick& p : picks) {
    input_->ClickAt(p.x, p.y);
    EXPECT_EQ(MessagePanel(3), p.panel3) << p.x << "," << p.y;
  }
  const Long poly = lastLine + 1;
  ASSERT_EQ(Objs[poly].Rtype, EntityPolygon);
  EXPECT_EQ(Objs[poly].NPoints, 4);  // shared corners once each
  EXPECT_EQ(PX(poly, 4), 1);
  EXPECT_EQ(PY(poly, 4), 4);
  input_->ClickAt(2, 1.02);  // the first line again closes it
  EXPECT_EQ(MessagePanel(2), "Area : New Area 1 CREATED");
  EXPECT_EQ(Objs[a].Color, CurColor);
  EXPECT_TRUE(EqualsFreshRedraw());
}

// Each way of closing a boundary, at two places: the size the chooser states
// and the one stored is that of the outline closed back to its first point,
// the same wherever the figure lies.
TEST_F(AreasTest, AnAreasSizeIsItsBoundaryClosedBackToItsFirstPointWhereverItLies) {
  DwgDbPath = ScratchPath("Sizes_dwg.mdb");
  CreateEmptyDrawingsDb(DwgDbPath);
  constexpr Double W = 1.5, H = 1;  // a W by H rectangle, or the triangle of its lower right half
  constexpr Double Off = 2.0 / 48;  // the closing click two pixels off the first point, within reach
  enum Closing { PointsOnFirst, PointsNearFirst, LinesBackToFirst, FirstLineAgain, Window };
  struct Row {
    Closing closing;
    Double x, y;  // lower left corner of the figure
    Double size;
  };
  const Row rows[] = {
      {PointsOnFirst, 0, 0, W * H},
      {PointsOnFirst, 6, 4.5, W * H},
      {PointsNearFirst, 2, 0, W * H - Off * H / 2},
      {PointsNearFirst, 4, 4.5, W * H - Off * H / 2},
      {LinesBackToFirst, 4, 0, W * H / 2},
      {LinesBackToFirst, 2, 4.5, W * H / 2},
      {FirstLineAgain, 6, 0, W * H / 2},
      {FirstLineAgain, 0, 4.5, W * H / 2},
      {Window, 3, 2.25, W * H},
  };
  for (const Row& row : rows) {
    const Double x = row.x, y = row.y;
    switch (row.closing) {
      case PointsOnFirst:
      case PointsNearFirst: {
        const Double last = row.closing == PointsOnFirst ? 0 : Off;
        DrawingDriver::Choose("mnuViewAreasPoints");
        input_->ClickEach({{x, y}, {x + W, y}, {x + W, y + H}, {x, y + H}, {x + last, y + last}});
        break;
      }
      case LinesBackToFirst:
      case FirstLineAgain:
        AddLine(x, y, x + W, y);
        AddLine(x + W, y, x + W, y + H);
        if (row.closing == LinesBackToFirst) AddLine(x + W, y + H, x, y);
        DrawingDriver::Choose("mnuViewAreasLines");
        input_->ClickEach({{x + W / 2, y}, {x + W, y + H / 2}});
        if (row.closing == LinesBackToFirst) input_->ClickAt(x + W / 2, y + H / 2);
        input_->ClickAt(x + W / 2, y);  // the first line again
        break;
      case Window: CreateWindowArea(x, y, x + W, y + H); break;
    }
  }
  const std::vector<Previewed> seen = PreviewRows({0, 1, 2, 3, 4, 5, 6, 7, 8});
  ASSERT_EQ(seen.size(), std::size(rows));
  FileSaveAsOffered(Responder(), false);
  TestDatabase stored(DwgDbPath);
  for (size_t k = 0; k < std::size(rows); ++k) {
    const String name = "New Area " + std::to_string(k + 1);
    SCOPED_TRACE(name);
    EXPECT_EQ(seen[k].caption.toStdString(), FormatArea(rows[k].size));
    EXPECT_NEAR(stored.Number("SELECT Area FROM Lines WHERE Rtype = 11 AND Name = '" + name + "'"), rows[k].size, 1e-6);
  }
}

TEST_F(AreasTest, EscDuringCreationErasesTheBoundaryAndKeepsTheNamedItem) {
  DrawingDriver::Choose("mnuViewAreasPoints");
  input_->ClickAt(1, 1);
  input_->ClickAt(3, 1);
  const Long poly = ObjCount;
  const Long area = Objs[poly].OwnerID;
  input_->Escape();
  EXPECT_EQ(Objs[poly].DwgNo, 0);
  EXPECT_EQ(Objs[poly].OwnerID, 0);  // no longer the area's
  EXPECT_EQ(Items[area].Name, "New Area 1");
  EXPECT_EQ(Items[area].Rtype, ItemArea);
  EXPECT_EQ(ActiveTool, ToolNone);
  EXPECT_TRUE(EqualsFreshRedraw());
  CreateWindowArea(1, 1, 2, 2);  // the name stays taken
  EXPECT_EQ(MessagePanel(2), "Area : New Area 2 CREATED");
}

// A redraw while a points boundary is collected takes it into the area's
// box; Esc drops the boundary and its box, and Show then refuses the area as
// one with no boundary, as after Esc with no redraw.
TEST_F(AreasTest, AnAbandonedAreaKeepsNoBoxOfTheBoundaryDropped) {
  struct Row {
    const char* redraw;
    std::function<void()> between;
  };
  const Row rows[] = {
      {"none", [] {}},
      {"right button", [this] { input_->ClickAt(5, 4, Qt::RightButton); }},
      {"window resized", [this] { doc_->resize(doc_->width() + 8, doc_->height() + 6); }},
  };
  int row = 0;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.redraw);
    DrawingDriver::Choose("mnuViewAreasPoints");
    input_->ClickEach({{1, 1}, {4, 1}, {4, 3}});
    const ItemRec& area = Items[Objs[ObjCount].OwnerID];
    r.between();
    input_->Escape();
    EXPECT_EQ((std::vector<Double>{area.Xmin, area.Ymin, area.Xmax, area.Ymax}), std::vector<Double>(4, 0));
    const Double scale = doc_->View_Scale, minX = doc_->XVmin, minY = doc_->YVmin;
    Responder().OnDialog<frmAreaSelect>([row](frmAreaSelect& dialog) {
      ClickRow(dialog.List1, row);
      dialog.OKButton->click();
    });
    DrawingDriver::Choose("mnuAreasShow");
    EXPECT_EQ(MessagePanel(2), "View Not Valid! View Unchanged");
    EXPECT_EQ((std::vector<Double>{doc_->View_Scale, doc_->XVmin, doc_->YVmin}),
              (std::vector<Double>{scale, minX, minY}));
    ++row;
  }
}

// Area by Points started again after two clicks, by Undo (which takes the
// boundary back) or by the right button: two new clicks and a move show
// what they show after a fresh start, with nothing of the points dropped.
// The fresh start is made last: point marks take the draw mode the previews
// leave, as they do once anything was previewed.
TEST_F(AreasTest, ThePolygonPreviewAfterARestartIsThatOfAFreshStartThroughTheSnappedPoints) {
  // Under grid snap, clicked off the grid: the preview runs through the
  // points taken, as clicks on the grid points draw it, after a fresh start
  // and after a restart alike. Seen after the first point and after the second.
  if (!GridSnap) DrawingDriver::Choose("mnuControlsSnapsGrid");
  const std::vector<BuilderPoint> dropped = {{5, 1}, {6, 3}}, offGrid = {{1.1, 0.9}, {3.9, 1.1}},
                                  onGrid = {{1, 1}, {4, 1}};
  const auto clickThenMove = [this](const std::vector<BuilderPoint>& clicks) {
    std::vector<QImage> seen;
    for (const auto& [x, y] : clicks) {
      input_->ClickAt(x, y);
      input_->MoveTo(3, 4);
      seen.push_back(doc_->Image().copy());
    }
    input_->Escape();
    return seen;
  };
  DrawingDriver::Choose("mnuViewAreasPoints");
  const std::vector<QImage> onGridPoints = clickThenMove(onGrid);
  struct Row {
    const char* start;
    std::function<void()> act;
  };
  const Row rows[] = {
      {"fresh", [] {}},
      {"after Undo", [this, &dropped] {
         input_->ClickEach(dropped);
         input_->MoveTo(2, 4);  // the polygon through the points dropped is shown
         DrawingDriver::Choose("mnuEditUndo");
       }},
      {"after the right button", [this, &dropped] {
         input_->ClickEach(dropped);
         input_->MoveTo(2, 4);
         input_->ClickAt(6.5, 5, Qt::RightButton);
       }},
  };
  for (const Row& row : rows) {
    DrawingDriver::Choose("mnuViewAreasPoints");
    row.act();
    const std::vector<QImage> seen = clickThenMove(offGrid);
    for (size_t n = 0; n < seen.size(); ++n) EXPECT_TRUE(seen[n] == onGridPoints[n]) << row.start << ", point " << n + 1;
  }
}

// Area by Points waiting while its window is redrawn (by Redraw, or as the
// pointer leaves the window): the next
// move shows the polygon through every point stored and the cursor, as it
// shows when nothing was redrawn, and Esc leaves a fresh redraw's picture.
// The point marks, which a redraw draws anew, are left out of the comparison.
TEST_F(AreasTest, ThePolygonPreviewAfterARedrawRunsThroughEveryPointStored) {
  const std::vector<BuilderPoint> line = {{0, 5}, {1, 5.5}, {2, 5}, {3, 5.5}, {4, 5}, {5, 5.5}};
  const std::vector<BuilderPoint> clicks = {{1, 1}, {4, 1}, {5, 3}};
  AddEntity(EntityPolyline, line);  // drawn by every redraw
  RefreshDocView(doc_);
  const auto withoutMarks = [this, &line, &clicks](QImage image) {
    QPainter painter(&image);
    for (const auto& points : {line, clicks})
      for (const auto& [x, y] : points) {
        const QPointF at = input_->PositionOf(x, y);
        painter.fillRect(QRectF(at.x() - 5, at.y() - 5, 11, 11), Qt::black);
      }
    painter.end();
    return image;
  };
  struct Row {
    const char* redraw;
    std::function<void()> act;
  };
  const Row rows[] = {
      {"none", [] {}},
      {"Redraw", [] { DrawingDriver::Choose("mnuViewRedraw"); }},
      {"pointer left", [this] { input_->Leave(); }},
  };
  QImage unredrawn;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.redraw);
    DrawingDriver::Choose("mnuViewAreasPoints");
    input_->ClickEach(clicks);
    input_->MoveTo(3, 4);
    row.act();
    input_->MoveTo(2, 4);
    const QImage seen = withoutMarks(doc_->Image());
    if (unredrawn.isNull()) unredrawn = seen;
    EXPECT_TRUE(seen == unredrawn);
    input_->Escape();
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

TEST_F(AreasTest, TheChooserKeepsItsLayoutAndARenameKeepsTheRowCaptionAndChoice) {
  CreateWindowArea(1, 1, 2, 2);
  CreateWindowArea(3, 1, 4, 2);
  ASSERT_EQ(MessagePanel(2), "Area : New Area 2 CREATED");
  RenameArea(Objs[ObjCount].OwnerID, "A Second Area With A Name Far Wider Than The Picture Beside It");
  Responder().OnDialog<frmAreaSelect>([](frmAreaSelect& dialog) {
    dialog.layout()->activate();
    const QRect list = dialog.List1->geometry(), picture = dialog.Picture1->geometry();
    const QSize size = dialog.size();
    for (int row : {0, 1, 0}) {
      ClickRow(dialog.List1, row);
      dialog.layout()->activate();
      EXPECT_EQ(dialog.List1->geometry(), list) << "row " << row;
      EXPECT_EQ(dialog.Picture1->geometry(), picture) << "row " << row;
      EXPECT_EQ(dialog.size(), size) << "row " << row;
    }
    RetypeAndEnter(dialog.TxtName, "Living");
    ASSERT_NE(dialog.List1->currentItem(), nullptr);
    EXPECT_EQ(dialog.List1->currentItem()->text(), "Living");
    EXPECT_EQ(dialog.lblView->text(), "Living");
    dialog.OKButton->click();
  });
  DrawingDriver::Choose("mnuAreasShow");
  EXPECT_EQ(MessagePanel(2), "Area : Living Showing");
  CreateWindowArea(5, 1, 6, 2);  // the number the rename freed is taken again
  EXPECT_EQ(MessagePanel(2), "Area : New Area 1 CREATED");
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(AreasTest, SpanRowsKeepTenCrossingsInOrder) {
  BoundaryRows = 0;
  BoundarySpans.assign(1, SpanRow{});
  for (Long x : {50, 0, 30, 10, 90, 70, 20, 80, 60, 40}) StoreCrossing(0, x);
  EXPECT_EQ(BoundarySpans[0].Count, 10);
  for (Integer k = 1; k <= 10; ++k) EXPECT_EQ(BoundarySpans[0].Slot[k], (k - 1) * 10) << k;
  EXPECT_TRUE(IsPixelInSpans(0, 0));  // a crossing at x 0 counts
  EXPECT_FALSE(IsPixelInSpans(0, 15));
  StoreCrossing(0, 35);  // an eleventh displaces the old tenth (90), in order
  EXPECT_EQ(BoundarySpans[0].Slot[5], 35);
  EXPECT_EQ(BoundarySpans[0].Slot[10], 80);
  StoreCrossing(5, 1);  // beyond the rows: skipped
  EXPECT_EQ(BoundarySpans.size(), 1U);
}

TEST_F(AreasTest, SpanTableAnswersInsideTestsAndClosesABoundaryBackToItsFirstPoint) {
  CreateWindowArea(1, 1, 5, 4);
  const Long area = Objs[ObjCount].OwnerID;
  ASSERT_TRUE(BuildBoundarySpans(area, false));
  const Long bottomRow = 0;
  // The horizontal bottom edge adds exactly one crossing to its row, plus the two sides.
  EXPECT_EQ(BoundarySpans[bottomRow].Count, 3);
  EXPECT_TRUE(IsPointInBoundarySpans(3, 2.5));
  EXPECT_FALSE(IsPointInBoundarySpans(6, 2.5));
  const Long circle = AddCircle(3, 2.5, 1);
  EXPECT_TRUE(IsObjectInsideBoundary(circle));
  const Long outside = AddLine(2, 2, 6, 2);
  EXPECT_FALSE(IsObjectInsideBoundary(outside));
  // A boundary whose last point differs from the first is closed by the
  // edge back to it: the table is that of the boundary ending on its first point.
  const std::vector<SpanRow> closed = BoundarySpans;
  ASSERT_EQ(Objs[ObjCount - 2].Rtype, EntityPolygon);
  Objs[ObjCount - 2].NPoints = 4;  // (1, 4) is the last point; (1, 1) the first
  ASSERT_TRUE(BuildBoundarySpans(area, false));
  ASSERT_EQ(BoundarySpans.size(), closed.size());
  for (size_t r = 0; r < closed.size(); ++r) {
    EXPECT_EQ(BoundarySpans[r].Count, closed[r].Count) << r;
    EXPECT_EQ(BoundarySpans[r].Slot, closed[r].Slot) << r;
  }
}

TEST_F(AreasTest, ABoundaryReachingBillionsOfPixelsPastTheViewAnswersInsideTests) {
  // As a hatch zoomed far into: the boundary runs a billion units below and
  // above the view, and one edge lies wholly above it.
  CreateWindowArea(1, 1, 5, 4);
  const Long area = Objs[ObjCount].OwnerID;
  const Long first = Objs[ObjCount].PointID;
  const Double corners[5][2] = {{1, -1e9}, {5, -1e9}, {5, 1e9}, {1, 2e9}, {1, -1e9}};
  for (int k = 0; k < 5; ++k) Pnts[first + k] = {k + 1, ObjCount, corners[k][0], corners[k][1]};
  Items[area].Ymin = -1e9;
  Items[area].Ymax = 2e9;
  ASSERT_TRUE(BuildBoundarySpans(area, false));
  EXPECT_EQ(BoundaryBox.Bottom, -1);  // the table is cut to the view's rows
  EXPECT_EQ(BoundaryBox.Top, ViewPixMaxY + 1);
  for (Double y : {0.0, 2.5, 5.5}) {
    SCOPED_TRACE(y);
    EXPECT_TRUE(IsPointInBoundarySpans(3, y));
    EXPECT_FALSE(IsPointInBoundarySpans(0.5, y));
    EXPECT_FALSE(IsPointInBoundarySpans(6, y));
  }
}

TEST_F(AreasTest, FillCommandUsesTheChooserAndAppendsAFillEachTime) {
  CreateWindowArea(1, 1, 4, 3);
  CurFillColor = Red;
  CurFillPattern = 0;
  for (int n = 1; n <= 2; ++n) {
    ChooseFirstArea();
    DrawingDriver::Choose("mnuInsertFill");
    EXPECT_EQ(MessagePanel(2), "Area : New Area 1 Showing Filled");
    const ObjRec& fill = Objs[ObjCount];
    EXPECT_EQ(fill.Rtype, EntityFill);
    EXPECT_EQ(PX(ObjCount, 1), 1);
    EXPECT_EQ(PY(ObjCount, 1), 1);
    EXPECT_EQ(PX(ObjCount, 2), 1);
    EXPECT_EQ(PX(ObjCount, 3), 0);
  }
  EXPECT_EQ(Responder().Prompts().back().title, "Fill Area");
  EXPECT_GT(CountPixels(Red), 48 * 48 * 5);
  ShowFills = FlagFalse;
  RefreshDocView(doc_);
  EXPECT_EQ(CountPixels(Red), 0);
}

TEST_F(AreasTest, DeletingAnAreaInTheChooserErasesItsBoundaryAndFills) {
  CreateWindowArea(1, 1, 4, 3);
  const Long poly = ObjCount;
  CurFillColor = Red;
  ChooseFirstArea();
  DrawingDriver::Choose("mnuInsertFill");
  const Long fill = ObjCount;
  Responder().OnDialog<frmAreaSelect>([](frmAreaSelect& dialog) {
    ClickFirstRow(dialog);
    dialog.Command2->click();  // "Delete Area"
    EXPECT_EQ(dialog.List1->count(), 0);
    dialog.CancelButton->click();
  });
  DrawingDriver::Choose("mnuAreasShow");
  EXPECT_EQ(Objs[poly].DwgNo, 0);
  EXPECT_EQ(Objs[fill].DwgNo, 0);
  EXPECT_EQ(CountPixels(Red), 0);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(AreasTest, HatchFamiliesFollowRotationAndZoom) {
  CreateWindowArea(1, 1, 4, 3);
  const Long area = Objs[ObjCount].OwnerID;
  struct Case {
    Single angle, rotation;
    bool rows, columns;
    int direction;  // degrees of the drawn lines, 0..179
  };
  const Case cases[] = {{0, 0, true, false, 0}, {0, 90, false, true, 90}, {90, 300, false, false, 30}};
  for (const Case& c : cases) {
    OnePattern(c.angle);
    AreaItem = area;
    AddHatch(area, c.rotation);
    RefreshDocView(doc_);
    const QImage& image = doc_->Image();
    const QRgb red = qRgb(255, 0, 0);
    int rowHits = 0, columnHits = 0;
    for (int x = 0; x < image.width(); ++x) rowHits += image.pixel(x, ViewPixMaxY - RoundToLong(24 + 48 * 2)) == red;
    for (int y = 0; y < image.height(); ++y) columnHits += image.pixel(RoundToLong(24 + 48 * 2), y) == red;
    EXPECT_EQ(rowHits > 100, c.rows) << c.rotation;
    EXPECT_EQ(columnHits > 80, c.columns) << c.rotation;
    EXPECT_GT(CountPixels(Red), 0) << c.rotation;
    EXPECT_NEAR(LineDirection(Red), c.direction, 1) << c.rotation;
    // The box's bottom row is never hatched.
    for (int x = 0; x < image.width(); ++x) EXPECT_NE(image.pixel(x, ViewPixMaxY - (24 + 48)), red);
    Objs[ObjCount].DwgNo = 0;
    Objs[ObjCount].Show = FlagFalse;
  }
}

TEST_F(AreasTest, HatchAtScaleOneShowsFromZoomTwoTenths) {
  CreateWindowArea(1, 1, 4, 3);
  OnePattern(0);
  const Long hatch = AddHatch(Objs[ObjCount].OwnerID, 0);
  ShowHatches = FlagTrue;
  // Zoom, Scale: 1 : s shows the drawing at zoom 1 / s.
  for (const auto& [typed, drawn] : {std::pair{"5.2631578947", false}, std::pair{"5", true}}) {
    DrawingDriver::Choose("mnuViewZoomScale");
    input_->Type(typed);
    input_->Enter();
    EXPECT_EQ(CountPixels(Red) > 0, drawn) << typed << " zoom " << ViewZoom;
  }
  Objs[hatch].Ltype = 2;  // beyond the library: nothing
  RefreshDocView(doc_);
  EXPECT_EQ(CountPixels(Red), 0);
}

TEST_F(AreasTest, CancelAfterPreviewingAHiddenAreaLeavesItShown) {
  CreateWindowArea(1, 1, 4, 3);
  const Long area = Objs[ObjCount].OwnerID;
  Items[area].Show = FlagFalse;  // as HIDE leaves it
  ChooseFirstArea(false);
  DrawingDriver::Choose("mnuAreasShow");
  EXPECT_EQ(Items[area].Show, FlagTrue);
  EXPECT_EQ(AreaItem, 0);
  EXPECT_TRUE(AreaName.empty());
  EXPECT_EQ(ActiveTool, ToolNone);
  EXPECT_TRUE(EqualsFreshRedraw());
}

TEST_F(AreasTest, ARescaledBoundaryGivesItsAreaNewExtentsAndSize) {
  CreateWindowArea(1, 1, 4, 3);
  const Long boundary = ObjCount;
  const ItemRec& area = Items[Objs[boundary].OwnerID];
  Objs[boundary].Show = FlagTrue;  // its layer shown, so that a window selects it
  SelectWindow(0.5, 0.5, 4.5, 3.5);
  ASSERT_EQ(Objs[boundary].Selected, FlagTrue);
  DrawingDriver::Choose("mnuEditRescale");
  input_->ClickAt(1, 1);
  for (int k = 0; k < 2; ++k) {  // twice the size across and up
    input_->Type("2");
    input_->Enter();
  }
  ASSERT_NEAR(PX(boundary, 3), 7, 1e-9);
  const std::vector<Previewed> seen = PreviewRows({0});
  ASSERT_EQ(seen.size(), 1U);
  EXPECT_EQ(seen[0].caption.toStdString(), FormatArea(24));
  EXPECT_FLOAT_EQ(Objs[boundary].Area, 24);
  const Double box[4] = {area.Xmin, area.Ymin, area.Xmax, area.Ymax}, want[4] = {1, 1, 7, 5};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(box[k], want[k]) << k;
}

TEST_F(AreasTest, TheAreaChooserPreviewsWithAMarginAndStatesTheSizeNotACount) {
  CreateWindowArea(1, 1, 4, 3);  // 3 wide, 2 high: 6 square units
  AddLine(2, 2, 3, 2);
  // An area without a boundary: its collection abandoned with Esc.
  DrawingDriver::Choose("mnuViewAreasPoints");
  input_->ClickEach({{5, 1}, {6, 1}});
  input_->Escape();
  const std::vector<Previewed> seen = PreviewRows({1, 0, 1});
  ASSERT_EQ(seen.size(), 3U);
  const String size = FormatArea(6);
  EXPECT_EQ(seen[1].caption.toStdString(), size);
  EXPECT_FALSE(seen[1].blank);
  // A tenth of the width and of the height added on every side.
  const Double window[4] = {seen[1].minX, seen[1].maxX, seen[1].minY, seen[1].maxY};
  const Double want[4] = {0.7, 4.3, 0.8, 3.2};
  for (int k = 0; k < 4; ++k) EXPECT_NEAR(window[k], want[k], 1e-9) << k;
  // The area with no boundary states nothing (not the size, width or height
  // of the area previewed before) and shows nothing.
  for (const size_t k : {size_t{0}, size_t{2}}) {
    SCOPED_TRACE(k);
    EXPECT_EQ(seen[k].view, "New Area 2");  // named as every area is
    EXPECT_EQ(seen[k].caption, "Area");
    EXPECT_EQ(seen[k].width, "Width");
    EXPECT_EQ(seen[k].height, "Height");
    EXPECT_TRUE(seen[k].blank);
  }
}

// What the layer chooser or the layer control states for one of its rows.
struct LayerStated {
  std::string width, height;
  QImage preview;
  bool operator==(const LayerStated&) const = default;
};
void PrintTo(const LayerStated& stated, std::ostream* out) { *out << stated.width << ", " << stated.height; }

// A layer whose box is the box of nothing, inside out as a measure leaves
// the layer of an area's boundary (its one line hidden), is stated in the
// chooser and in the layer control as a layer of no lines is: the window up
// to the first drawing's extents, or, when that drawing shows nothing, up to
// the sheet, never the size of the inside-out box. OK on it keeps the view.
TEST_F(AreasTest, TheLayerOfAHiddenBoundaryIsStatedAsALayerOfNoLinesIs) {
  UseDecimalInches();
  doc_->View_Layers = FlagTrue;
  const Long empty = EnsureLayer("Empty");
  DrawingDriver::Choose("mnuDrawLineSingle");
  input_->ClickEach({{1, 1}, {5, 4}});
  input_->Escape();
  BoundaryLayer = "Boundary 1";  // as the settings start it, with the sheet
  DefDwgWidth = 36;
  DefDwgHeight = 24;
  const Long line = CreateWindowArea(0.5, 0.5, 2, 2);
  input_->Escape();
  const Long boundary = Objs[line].LayerID;  // the area's boundary, hidden, alone on its layer
  ASSERT_EQ(Items[boundary].Name, "Boundary 1");
  ASSERT_EQ(Objs[line].Show, FlagFalse);
  const auto inChooser = [this](const char* name, bool ok) {
    LayerStated stated;
    Responder().OnDialog<frmLayerSelect>([&](frmLayerSelect& dialog) {
      const auto found = dialog.List1->findItems(name, Qt::MatchExactly);
      ASSERT_EQ(found.size(), 1);
      ClickRow(dialog.List1, dialog.List1->row(found[0]));
      stated = {dialog.lblWidth->text().toStdString(), dialog.lblHeight->text().toStdString(),
                dialog.Picture1->Image().copy()};
      (ok ? dialog.OKButton : dialog.CancelButton)->click();
    });
    main_->BarButton(main_->tbToolBar, "Layers")->trigger();
    return stated;
  };
  const auto inControl = [this](const char* name) {
    LayerStated stated;
    Responder().OnDialog<frmLayerCtl>([&](frmLayerCtl& dialog) {
      const auto found = dialog.lv->findItems(name, Qt::MatchExactly, frmLayerCtl::ColumnName);
      ASSERT_EQ(found.size(), 1);
      ClickRow(dialog.lv, dialog.lv->indexOfTopLevelItem(found[0]));
      stated = {dialog.lblWidth->text().toStdString(), dialog.lblHeight->text().toStdString(),
                dialog.Picture1->Image().copy()};
      dialog.cmdCancel->click();
    });
    DrawingDriver::Choose("mnuLayersShow");
    return stated;
  };
  for (const bool nothingShown : {false, true}) {
    SCOPED_TRACE(nothingShown ? "the drawing shows nothing" : "the drawing shows a line");
    if (nothingShown) {  // every line hidden
      SelectWindow(0, 0, 6, 5);
      DrawingDriver::Choose("mnuEditHide");
      input_->Escape();
    }
    DrawingDriver::Choose("mnuViewZoomFit");  // Full Drawing measures every layer
    ASSERT_GT(Items[boundary].Xmin, Items[boundary].Xmax) << "inside out";
    ASSERT_EQ(Items[empty].Nlines, 0);
    const DwgRec& one = Dwgs[1];
    const Double wide = nothingShown ? Double{DefDwgWidth} : one.Xmax;
    const Double high = nothingShown ? Double{DefDwgHeight} : one.Ymax;
    const String width = FormatWidthLabel(wide), height = FormatHeightLabel(high);
    const LayerStated chosen = inChooser("Empty", false);
    EXPECT_EQ(chosen.width, width);
    EXPECT_EQ(chosen.height, height);
    EXPECT_EQ(inChooser("Boundary 1", false), chosen);
    const LayerStated controlled = inControl("Empty");
    EXPECT_EQ(controlled.width, width);
    EXPECT_EQ(inControl("Boundary 1"), controlled);

    const std::vector<Double> view = {doc_->XVmin, doc_->YVmin, doc_->XVmax, doc_->YVmax};
    main_->Text3->clear();
    inChooser("Boundary 1", true);
    EXPECT_EQ(doc_->Current_Layer, boundary);
    EXPECT_EQ((std::vector<Double>{doc_->XVmin, doc_->YVmin, doc_->XVmax, doc_->YVmax}), view);
    EXPECT_EQ(MessagePanel(3), "");
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

TEST_F(AreasTest, SelectAreaTakesACircleInTheBoundsOfAConcaveBoundary) {
  // An L: the notch (2..5, 2..4) lies inside the extents box but outside the boundary.
  DrawingDriver::Choose("mnuViewAreasPoints");
  for (const auto& [x, y] : {std::pair{1.0, 1.0}, {5.0, 1.0}, {5.0, 2.0}, {2.0, 2.0}, {2.0, 4.0}, {1.0, 4.0},
                             {1.0, 1.0}})
    input_->ClickAt(x, y);
  ASSERT_EQ(MessagePanel(2), "Area : New Area 1 CREATED");
  const Long circle = AddCircle(4, 3, 0.5);      // centre and axis points in the box, all in the notch
  const Long notchLine = AddLine(3, 3, 4, 3.5);  // in the notch: outside
  const Long inside = AddLine(1.5, 1.5, 4, 1.5);
  ChooseFirstArea();
  DrawingDriver::Choose("mnuSelectArea");
  EXPECT_EQ(Objs[circle].Selected, FlagTrue);
  EXPECT_EQ(Objs[notchLine].Selected, FlagFalse);
  EXPECT_EQ(Objs[inside].Selected, FlagTrue);
}

// Two areas whose boundary polygons do not run straight back to their first
// point: a U made by points and closed by a click within reach of its first
// corner, below it, and a square made by lines picked against its first
// line's direction (the second line joins the first at the first line's
// start). The hatch on the screen, Select Area and the printed page all
// treat each as the closed figure the user drew.
TEST_F(AreasTest, ABoundaryClosedWithinReachOrPickedAgainstItsFirstLineIsClosedOnScreenInSelectionAndOnPaper) {
  // The U: arms 0.5..1.5 and 2.5..3.5 wide, the notch between them down to
  // y 2; the last click 0.08 below the first corner (0.5, 4).
  DrawingDriver::Choose("mnuViewAreasPoints");
  input_->ClickEach({{0.5, 4}, {1.5, 4}, {1.5, 2}, {2.5, 2}, {2.5, 4}, {3.5, 4}, {3.5, 1}, {0.5, 1}, {0.5, 3.92}});
  ASSERT_EQ(MessagePanel(2), "Area : New Area 1 CREATED");
  // The square 4.5..6.5 by 1..3, its left side drawn upward.
  AddLine(4.5, 1, 4.5, 3);
  AddLine(4.5, 1, 6.5, 1);
  AddLine(6.5, 1, 6.5, 3);
  AddLine(6.5, 3, 4.5, 3);
  DrawingDriver::Choose("mnuViewAreasLines");
  input_->ClickEach({{4.5, 2}, {5.5, 1}, {6.5, 2}, {5.5, 3}, {4.5, 2}});
  ASSERT_EQ(MessagePanel(2), "Area : New Area 2 CREATED");
  // The square's boundary goes round it once: each corner once, back to the first.
  const ObjRec& square = Objs[ObjCount];
  ASSERT_EQ(square.Rtype, EntityPolygon);
  std::vector<std::pair<Double, Double>> corners;
  for (Long k = 0; k < square.NPoints; ++k) corners.emplace_back(Pnts[square.PointID + k].X, Pnts[square.PointID + k].Y);
  EXPECT_EQ(corners, (std::vector<std::pair<Double, Double>>{{4.5, 3}, {4.5, 1}, {6.5, 1}, {6.5, 3}, {4.5, 3}}));

  // Probes in the band beside the U's gap (y 3.92 to 4), in its notch, and in the square.
  struct Probe {
    const char* where;
    Double x1, x2, y;
    bool inside;
  };
  const Probe probes[] = {
      {"left arm by the gap", 0.7, 1.3, 3.96, true}, {"notch by the gap", 1.7, 2.3, 3.96, false},
      {"right arm by the gap", 2.7, 3.3, 3.96, true}, {"notch", 1.7, 2.3, 3, false},
      {"U's base", 0.7, 3.3, 1.5, true},              {"square", 4.7, 6.3, 2, true},
      {"above the square", 4.7, 6.3, 3.5, false},
  };
  std::vector<Long> probeLines;
  for (const Probe& p : probes) probeLines.push_back(AddLine(p.x1, p.y - 0.02, p.x2, p.y - 0.02));

  OnePattern(0, 2.0F / 48);  // a level line every other pixel row
  HatchColor = Red;
  HatchScale = 1;
  ShowHatches = FlagTrue;
  for (int row : {0, 1}) {
    ChooseAreaRow(row);
    DrawingDriver::Choose("mnuInsertHatch");
    ASSERT_EQ(Objs[ObjCount].Rtype, EntityHatch);
  }
  RefreshDocView(doc_);
  // Red pixels in the box of a probe's row, a little above its line (and
  // below the U's top row, where each level edge adds a crossing of its own).
  const auto hatchedOnScreen = [this](const Probe& p) {
    const QImage& image = doc_->Image();
    int red = 0;
    for (Long y = RoundToLong(ViewPixelY(p.y - 0.01)); y <= RoundToLong(ViewPixelY(p.y + 0.015)); ++y)
      for (Long x = RoundToLong(ViewPixelX(p.x1)); x <= RoundToLong(ViewPixelX(p.x2)); ++x)
        red += image.pixel(static_cast<int>(x), static_cast<int>(ViewPixMaxY - y)) == qRgb(255, 0, 0);
    return red > 0;
  };
  for (const Probe& p : probes) EXPECT_EQ(hatchedOnScreen(p), p.inside) << "on the screen: " << p.where;

  for (int row : {0, 1}) {
    DrawingDriver::Choose("mnuSelectClr");
    ChooseAreaRow(row);
    DrawingDriver::Choose("mnuSelectArea");
    for (size_t k = 0; k < std::size(probes); ++k) {
      const bool inThisArea = (probes[k].x1 > 4) == (row == 1);
      EXPECT_EQ(Objs[probeLines[k]].Selected != 0, probes[k].inside && inThisArea) << "selected: " << probes[k].where;
    }
    DrawingDriver::Choose("mnuViewZoomFit");  // the selection zoomed to the area: both in view again
  }
  DrawingDriver::Choose("mnuSelectClr");

  const QString path = QString::fromStdString(ScratchPath("closed areas.pdf"));
  PrintToPdf(path);
  Responder().AnswerPrinter(true);
  DrawingDriver::Choose("mnuFilePrint");
  ASSERT_EQ(MessagePanel(3), "Drawing printed.");
  const PdfFirstPage pdf = ReadPdfFirstPage(path, 200);
  ASSERT_EQ(pdf.pageCount, 1);
  const PrintedPageMap map(Printer().pageLayout(), pdf.image);
  Printer().setOutputFileName(QString());
  for (const Probe& p : probes) {
    const QRect box = map.Box(p.x1, p.y - 0.01, p.x2, p.y + 0.015);
    EXPECT_EQ(InkOfColourIn(pdf.image, box, PrimaryInk::Red), p.inside) << "on paper: " << p.where;
  }
}

// A fill and a hatch go where the lines of their figure go: each edit that
// moves, turns or scales the selection in place, the grip frame, and a Move
// of the placement Make Into leaves, applied in turn to the figure the edit
// before left. After each the area's box is the figure's, the paint lies
// within the figure on the screen and on paper (and nothing of it is left
// where the figure was), and Undo then Redo gives the same picture.
TEST_F(AreasTest, AFillAndAHatchGoWhereTheLinesOfTheirFigureGoOnScreenAndOnPaper) {
  const std::vector<Long> lines = PaintedSquare(*input_, Responder(), 1, 1, 1, Green, Red);
  ASSERT_EQ(Objs[ObjCount].Rtype, EntityHatch);
  const Long area = Objs[ObjCount].ObjectID;
  const auto linesBox = [&lines] {
    WorldBox box{PX(lines[0], 1), PY(lines[0], 1), PX(lines[0], 1), PY(lines[0], 1)};
    for (const Long line : lines)
      for (Integer k = 1; k <= 2; ++k) {
        box = {std::min(box.x1, PX(line, k)), std::min(box.y1, PY(line, k)), std::max(box.x2, PX(line, k)),
               std::max(box.y2, PY(line, k))};
      }
    return box;
  };
  // The grip frame from the tool bar, a press at from() dragged to to() (view
  // pixels, read once the frame is up), let go, and the frame put down with Esc.
  const auto dragFrame = [this](const std::function<QPointF()>& from, const std::function<QPointF()>& to) {
    DrawingDriver::PressButton("Move");
    const QPointF a = from();
    input_->PressAt(input_->PositionOfPixel(ToSingle(a.x()), ToSingle(a.y())));
    const QPointF b = to();
    input_->MoveToPosition(input_->PositionOfPixel(ToSingle(b.x()), ToSingle(b.y())), Qt::LeftButton);
    input_->ReleaseAt(input_->PositionOfPixel(ToSingle(b.x()), ToSingle(b.y())));
    input_->Escape();
  };
  const auto besideLeftSide = [](Single dx) {
    return QPointF(WorkGrips[1].X - 2 + dx, (WorkGrips[1].Y + WorkGrips[8].Y) / 2);
  };
  struct Step {
    const char* edit;
    std::function<void()> apply;
    std::function<WorldBox(const WorldBox&)> figure;  // the figure's box after, from the box before
  };
  const auto fromLines = [&linesBox](const WorldBox&) { return linesBox(); };
  Double movedX = 0, movedY = 0;  // how far the last step moved the placement
  // Kept below a quarter of the view wide, so that the grip frame leaves the view's scale.
  const Step steps[] = {
      {"Move", [this] { DrawingDriver::Choose("mnuEditMove"); input_->ClickEach({{1, 1}, {3, 2}}); }, fromLines},
      {"Rotate a quarter about a corner",
       [this] { DrawingDriver::Choose("mnuEditRotate"); input_->ClickEach({{3, 2}, {3, 3}}); }, fromLines},
      {"grip frame dragged by its side",
       [&] { dragFrame([&] { return besideLeftSide(0); }, [&] { return besideLeftSide(48); }); }, fromLines},
      {"grip frame scaled by a corner",
       [&] {
         dragFrame([] { return QPointF(WorkGrips[5].X, WorkGrips[5].Y); },
                   [] { return QPointF((WorkGrips[5].X + FramePivot.X) / 2, (WorkGrips[5].Y + FramePivot.Y) / 2); });
       },
       fromLines},
      {"Rescale 2 across, 1.5 up",
       [this] {
         DrawingDriver::Choose("mnuEditRescale");
         input_->ClickAt(2, 2);
         for (const char* scale : {"2", "1.5"}) {
           input_->Type(scale);
           input_->Enter();
         }
       },
       fromLines},
      {"Make Into, then the placement and the paint moved",
       [&] {
         DrawingDriver::Choose("mnuEditCompReplace");
         const Long placed = ObjCount;
         ASSERT_EQ(Objs[placed].Rtype, EntityComponent);
         const ItemRec& now = Items[area];  // the figure's box, as the steps before checked
         SelectWindow(now.Xmin - 0.3, now.Ymin - 0.3, now.Xmax + 0.3, now.Ymax + 0.3);
         const Double x0 = PX(placed, 1), y0 = PY(placed, 1);
         DrawingDriver::Choose("mnuEditMove");
         input_->ClickEach({{3, 3}, {1, 0.5}});
         movedX = PX(placed, 1) - x0;
         movedY = PY(placed, 1) - y0;
       },
       [&](const WorldBox& b) { return WorldBox{b.x1 + movedX, b.y1 + movedY, b.x2 + movedX, b.y2 + movedY}; }},
  };
  WorldBox figure{1, 1, 2, 2};
  int printed = 0;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.edit);
    const WorldBox before = figure;
    DrawingDriver::Choose("mnuSelectClr");
    SelectWindow(before.x1 - 0.3, before.y1 - 0.3, before.x2 + 0.3, before.y2 + 0.3);
    step.apply();
    figure = step.figure(before);
    ASSERT_EQ(doc_->XVscale, 48);
    const ItemRec& box = Items[area];
    EXPECT_NEAR(box.Xmin, figure.x1, 1e-5);
    EXPECT_NEAR(box.Ymin, figure.y1, 1e-5);
    EXPECT_NEAR(box.Xmax, figure.x2, 1e-5);
    EXPECT_NEAR(box.Ymax, figure.y2, 1e-5);
    // A hatch scaled with its figure draws its lines closer: at half size they
    // cover the fill, so the two are counted together within the figure.
    EXPECT_GT(CountPixelsIn(Red, figure, -2) + CountPixelsIn(Green, figure, -2), 300) << "paint within the figure";
    for (const Long paint : {Red, Green})
      EXPECT_EQ(CountPixels(paint), CountPixelsIn(paint, figure, 2)) << "paint beyond the figure: " << paint;
    EXPECT_TRUE(EqualsFreshRedraw());
    const QImage shown = doc_->Image().copy();
    DrawingDriver::Choose("mnuEditUndo");
    DrawingDriver::Choose("mnuEditRedo");
    EXPECT_TRUE(doc_->Image() == shown) << "Undo then Redo";

    const QString path = QString::fromStdString(ScratchPath("painted " + std::to_string(++printed) + ".pdf"));
    const PdfFirstPage pdf = FilePrintedPage(Responder(), path, 200);
    ASSERT_EQ(MessagePanel(3), "Drawing printed.");
    const PrintedPageMap map(Printer().pageLayout(), pdf.image);
    EXPECT_TRUE(InkOfColourIn(pdf.image, map.Box(figure.x1, figure.y1, figure.x2, figure.y2, 0.1), PrimaryInk::Red))
        << "on paper within the figure";
    const bool apart =
        before.x2 <= figure.x1 || figure.x2 <= before.x1 || before.y2 <= figure.y1 || figure.y2 <= before.y1;
    for (const PrimaryInk ink : {PrimaryInk::Red, PrimaryInk::Green}) {
      if (apart)
        EXPECT_FALSE(InkOfColourIn(pdf.image, map.Box(before.x1, before.y1, before.x2, before.y2, 0.1), ink))
            << "on paper where the figure was";
    }
  }
}

TEST_F(AreasTest, FillStylePaintsAndErasingPaintsTheBackground) {
  CreateWindowArea(1, 1, 4, 3);
  const QRgb red = qRgb(255, 0, 0);
  const QPoint centre(24 + 48 * 2, ViewPixMaxY - (24 + 48 * 2));  // world (2.5, 2)
  const QPoint edge(24 + 48 * 1, ViewPixMaxY - (24 + 48 * 2));    // world (1, 2): the left side
  struct Case {
    Integer style;
    bool centreFilled;  // the fill colour inside
  };
  // Style 0 is solid; style 1 is transparent: the surface's pen draws the outline only.
  for (const Case c : {Case{0, true}, Case{1, false}}) {
    SCOPED_TRACE(c.style);
    CurFillColor = Red;
    CurFillPattern = c.style;
    ChooseFirstArea();
    DrawingDriver::Choose("mnuInsertFill");
    const Long fill = ObjCount;
    ASSERT_EQ(Objs[fill].Rtype, EntityFill);
    EXPECT_EQ(Objs[fill].Ltype, c.style);
    RefreshDocView(doc_);
    const QImage& image = doc_->Image();
    const QRgb background = image.pixel(0, 0);
    EXPECT_EQ(image.pixel(centre) == red, c.centreFilled);
    if (!c.centreFilled) EXPECT_EQ(image.pixel(centre), background);
    EXPECT_NE(image.pixel(edge), background);
    // Erasing draws the fill again in the background colour with its own style.
    EraseDraw = FlagTrue;
    DrawObject(fill);
    EraseDraw = FlagFalse;
    EXPECT_EQ(doc_->Image().pixel(centre), background);
    EXPECT_EQ(CountPixels(Red), 0);
    Objs[fill].DwgNo = 0;
  }
}

// Area Hatch with the options as a fresh start leaves them (no pattern named)
// hatches with the pattern the options show first, drawn once hatches are
// shown; with hatches not shown it says so rather than "Showing Hatched".
TEST_F(AreasTest, AreaHatchWithNoPatternNamedUsesTheFirstPatternAndSaysWhenHatchesAreHidden) {
  OnePattern(45);
  CurPatternName.clear();
  CurPatternIndex = 0;
  HatchColor = Red;
  HatchScale = 1;
  CreateWindowArea(1, 1, 5, 4);
  struct Case {
    Integer show;
    const char* result;
  };
  for (const Case& row : {Case{FlagFalse, "Area : New Area 1 Hatched - Show Hatches is Off"},
                          Case{FlagTrue, "Area : New Area 1 Showing Hatched"}}) {
    ShowHatches = row.show;
    ChooseFirstArea();
    DrawingDriver::Choose("mnuInsertHatch");
    EXPECT_EQ(MessagePanel(2), row.result);
    ASSERT_EQ(Objs[ObjCount].Rtype, EntityHatch);
    EXPECT_EQ(Objs[ObjCount].Ltype, 1);
    EXPECT_EQ(CurPatternName, "Qz Lines");
  }
  RefreshDocView(doc_);
  EXPECT_GT(CountPixels(Red), 100);
}

// The area chooser draws its previews on its own picture: the drawing
// window's view is the same after Area Hatch, whether it is cancelled or not,
// and a resize of the drawing window while the chooser is open (a window
// manager or the bars laying out again) does not take the drawing target
// from the preview, which would then draw in the drawing window.
TEST_F(AreasTest, AreaHatchLeavesTheDrawingWindowsViewAsItWas) {
  OnePattern(45);
  ShowHatches = FlagTrue;
  CreateWindowArea(1, 1, 5, 4);
  CreateWindowArea(5.5, 1, 6.5, 2);
  ShowAtScale(doc_, 40, 30);
  RefreshDocView(doc_);
  const auto view = [&] {
    return std::vector<Double>{doc_->XVmin, doc_->YVmin, doc_->View_Scale, doc_->VbaseX, doc_->Vbasey};
  };
  const std::vector<Double> before = view();
  for (bool ok : {false, true}) {
    const Long width = doc_->View_Maxx;
    Surface* target = nullptr;
    Surface* picture = nullptr;
    Responder().OnDialog<frmAreaSelect>([&](frmAreaSelect& dialog) {
      picture = dialog.Picture1;
      ClickFirstRow(dialog);
      doc_->resize(doc_->width() + 8, doc_->height() + 6);
      ClickRow(dialog.List1, 1);  // the other area previewed after the resize
      target = ActiveDoc;
      (ok ? dialog.OKButton : dialog.CancelButton)->click();
    });
    DrawingDriver::Choose("mnuInsertHatch");
    EXPECT_EQ(target, picture) << (ok ? "OK" : "Cancel");
    EXPECT_EQ(view(), before) << (ok ? "OK" : "Cancel");
    EXPECT_EQ(doc_->View_Maxx, width + 8);  // the new size is taken
    EXPECT_EQ(ActiveDoc, static_cast<Surface*>(doc_));
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

TEST_F(AreasTest, AreaFillAndHatchDrawTheSameAfterSaveAndLoad) {
  DwgDbPath = ScratchPath("Areas_dwg.mdb");
  CreateEmptyDrawingsDb(DwgDbPath);
  OnePattern(45);
  ShowFills = ShowHatches = FlagTrue;
  CreateWindowArea(1, 1, 5, 4);
  CurFillColor = Yellow;
  CurFillPattern = 0;
  ChooseFirstArea();
  DrawingDriver::Choose("mnuInsertFill");
  CurPatternName = "Qz Lines";
  HatchColor = Red;
  HatchScale = 1;
  ChooseFirstArea();
  DrawingDriver::Choose("mnuInsertHatch");
  ASSERT_EQ(Objs[ObjCount].Rtype, EntityHatch);
  RefreshDocView(doc_);
  const QImage before = doc_->Image().copy();
  EXPECT_GT(CountPixels(Red), 100);
  EXPECT_GT(CountPixels(Yellow), 48 * 48 * 6);

  ASSERT_TRUE(SaveDrawing(1));
  FixedDpiDocument* loaded = Open(2, "Copy");
  Dwgs[2].DrawID = Dwgs[1].DrawID;
  ASSERT_TRUE(LoadDrawing());
  loaded->XVscale = loaded->YVscale = doc_->XVscale;
  loaded->View_Scale = doc_->View_Scale;
  loaded->VbaseX = loaded->Vbasey = 24;
  UpdateWorldWindow();
  RefreshDocView(loaded);
  EXPECT_GT(CountPixels(loaded->Image(), Red), 100);
  EXPECT_TRUE(loaded->Image() == before);
}


TEST_F(AreasTest, EnterBeforeOrBetweenTheClicksOfAPointsBoundaryTakesNoClickTwice) {
  const std::vector<BuilderPoint> clicks = {{1, 1}, {4, 1}, {4, 3}, {1, 1}};
  for (size_t enterBefore : {0U, 1U, 2U}) {
    ShowConPnts = FlagFalse;
    DrawingDriver::Choose("mnuViewAreasPoints");
    input_->ClickEach(std::vector<BuilderPoint>(clicks.begin(), clicks.begin() + enterBefore));
    input_->Enter();
    input_->ClickEach(std::vector<BuilderPoint>(clicks.begin() + enterBefore, clicks.end()));
    EXPECT_EQ(LiveShapes(1), std::vector<SavedShape>(enterBefore + 1, {EntityPolygon, clicks})) << enterBefore;
    EXPECT_EQ(ShowConPnts, FlagFalse) << enterBefore;  // the marks option put back
  }
}

TEST_F(AreasTest, AnAreaCommandChosenWhileAnAreaIsMadeDropsOnlyThatAreasBoundaryInAnyWindow) {
  AddLine(1, 4, 3, 4);
  Open(2, "Other");
  AddLine(2, 2, 5, 3);
  Activate(doc_);
  const auto both = [] { return std::pair(LiveShapes(1), LiveShapes(2)); };
  const auto before = both();
  for (const char* menuItem : {"mnuInsertFill", "mnuInsertHatch", "mnuAreasShow"}) {
    DrawingDriver::Choose("mnuViewAreasPoints");
    input_->ClickEach({{1, 1}, {3, 1}});
    ASSERT_EQ(LiveShapes(1).size(), before.first.size() + 1);  // the boundary begun
    Responder().OnDialog<frmAreaSelect>([](frmAreaSelect& dialog) { dialog.CancelButton->click(); });
    DrawingDriver::Choose(menuItem);
    EXPECT_EQ(both(), before) << menuItem;
    EXPECT_TRUE(EqualsFreshRedraw()) << menuItem;
  }
}

TEST_F(AreasTest, AnAreaDeletedInTheFillOrHatchChooserIsNeitherUsedNorSavedBackUnderANewName) {
  DwgDbPath = ScratchPath("Deleted_dwg.mdb");
  CreateEmptyDrawingsDb(DwgDbPath);
  for (Double x : {1, 3, 5}) CreateWindowArea(x, 1, x + 1, 2);
  FileSaveAsOffered(Responder(), false);  // the area items take the keys of their rows
  for (const char* menuItem : {"mnuInsertFill", "mnuInsertHatch"}) {
    Responder().OnDialog<frmAreaSelect>([](frmAreaSelect& dialog) {
      ClickFirstRow(dialog);
      dialog.Command2->click();  // "Delete Area"
      dialog.OKButton->click();
    });
    DrawingDriver::Choose(menuItem);
  }
  const std::vector<SavedShape> kept = {{EntityPolygon, {{5, 1}, {6, 1}, {6, 2}, {5, 2}, {5, 1}}}};
  EXPECT_EQ(LiveShapes(1), kept);
  Responder().OnDialog<frmDwgSave>([](frmDwgSave& dialog) { dialog.Text1->setText("Copy"); dialog.cmdSave->click(); },
                                   &frmDwgSave::cmdExit);
  DrawingDriver::Choose("mnuFileSave");
  Open(2);
  FileOpenStored(Responder(), Dwgs[1].DrawID, "Copy");
  EXPECT_EQ(LiveShapes(2), kept);
  for (Long i = 1; i <= ItemCount; ++i)  // of the areas only New Area 3 comes back
    EXPECT_FALSE(Items[i].Rtype == ItemArea && Items[i].DwgNo == 2 && Items[i].Name != "New Area 3") << Items[i].Name;
}

}  // namespace
}  // namespace lintavo
