// The view transform, the previous view, the drawing extents and the full
// redraw with its read-outs.
#include <cmath>
#include <limits>

#include "model/DataHand.h"
#include "model/UndoRedo.h"
#include "model/Units.h"
#include "picking/Snaps.h"
#include "support/ModelBuilders.h"
#include "view/ViewFixture.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

// A window with a drawing area of width × height pixels at 96 pixels per
// inch showing the world window given, made the active surface.
void SetView(frmDocument& doc, Long width, Long height, Double minX, Double minY, Double maxX,
             Double maxY) {
  ActiveDoc = &doc;
  CurDwg = static_cast<Integer>(doc.ID);
  PixelsPerUnit = 96;
  doc.View_MinX = doc.View_Miny = 0;
  doc.View_Maxx = width;
  doc.View_Maxy = height;
  doc.XVmin = minX;
  doc.YVmin = minY;
  doc.XVmax = maxX;
  doc.YVmax = maxY;
}

using ZoomsTest = ViewFixture;

TEST_F(ZoomsTest, InitViewShowsTheAreaAtTrueSizeForTheScreensDensity) {
  FixedDpiDocument usual(96);
  usual.resize(800, 600);
  usual.show();  // the first show runs the view set-up
  EXPECT_EQ(PixelsPerUnit, 96);
  EXPECT_EQ(usual.XVmin, 0);
  EXPECT_NEAR(usual.XVmax, 8.3333, 1e-4);
  EXPECT_NEAR(usual.YVmax, 6.25, 1e-9);
  EXPECT_EQ(usual.View_Scale, 1);

  FixedDpiDocument dense(120);
  dense.resize(800, 600);
  dense.show();
  EXPECT_EQ(PixelsPerUnit, 120);
  EXPECT_NEAR(dense.XVmax, 6.6667, 1e-4);
}

TEST_F(ZoomsTest, FitViewToWindowCentresTheRectangleInTheTighterDirection) {
  FixedDpiDocument doc;
  SetView(doc, 400, 400, 0, 0, 10, 2);
  FitViewToWindow();
  EXPECT_NEAR(doc.View_Scale, 0.41666, 1e-5);
  EXPECT_NEAR(doc.XVscale, 40, 1e-4);
  EXPECT_NEAR(5 * doc.XVscale + doc.VbaseX, 200, 1e-3);  // the centre (5, 1) at pixel (200, 200)
  EXPECT_NEAR(1 * doc.YVscale + doc.Vbasey, 200, 1e-3);
  EXPECT_NEAR(ViewScaleX, 40, 1e-4);  // the cache follows
  // The world window is all the area shows, the padding above and below included.
  EXPECT_NEAR(doc.XVmax, 10, 1e-4);
  EXPECT_NEAR(doc.YVmin, -4, 1e-4);
  EXPECT_NEAR(doc.YVmax, 6, 1e-4);
  EXPECT_NEAR(ViewWinMinY, -4, 1e-4);
}

TEST_F(ZoomsTest, FitViewToWindowRefusesAnEmptyOrMirroredWindow) {
  FixedDpiDocument doc;
  doc.View_Scale = 3;
  SetView(doc, 400, 400, 0, 0, 0, 2);  // no width
  FitViewToWindow();
  SetView(doc, 400, 400, 10, 0, 0, 2);  // max left of min
  FitViewToWindow();
  SetView(doc, 0, 400, 0, 0, 10, 2);  // no area
  FitViewToWindow();
  EXPECT_EQ(doc.View_Scale, 3);
  EXPECT_EQ(doc.XVscale, 0);
}

TEST_F(ZoomsTest, AFitRefusedLeavesTheWorldWindowTheViewShows) {
  FixedDpiDocument* doc = Open(1);
  SetView(*doc, 400, 300, 0, 0, 8, 6);
  ASSERT_TRUE(FitViewToWindow());
  UpdateWorldWindow();
  const Double scale = doc->View_Scale, minX = doc->XVmin, maxY = doc->YVmax;
  const Double boxes[][4] = {{3, 3, 3, 3}, {-1e308, -1e308, 1e308, 1e308}, {0, 0, 1e-300, 1e-300}};
  for (const auto& box : boxes) {
    SCOPED_TRACE(box[2]);
    doc->XVmin = box[0];
    doc->YVmin = box[1];
    doc->XVmax = box[2];
    doc->YVmax = box[3];
    EXPECT_FALSE(FitViewToWindow());
    EXPECT_EQ(doc->View_Scale, scale);
    EXPECT_NEAR(doc->XVmin, minX, 1e-9);
    EXPECT_NEAR(doc->YVmax, maxY, 1e-9);
    EXPECT_EQ(MessagePanel(3), "View Not Valid! View Unchanged");
  }
}

TEST_F(ZoomsTest, ApplyViewScaleRoundsTheHalfAreaToEven) {
  FixedDpiDocument doc;
  SetView(doc, 401, 403, 0, 0, 1, 1);
  doc.View_Scale = 2;
  ViewCenterX = 5;
  ViewCenterY = 1;
  ApplyViewScale();
  EXPECT_EQ(doc.XVscale, 192);
  EXPECT_NEAR(5 * doc.XVscale + doc.VbaseX, 200, 1e-3);  // half of 401 rounds to 200
  EXPECT_NEAR(1 * doc.YVscale + doc.Vbasey, 202, 1e-3);  // half of 403 rounds to 202
}

TEST_F(ZoomsTest, RestoringThePreviousViewTwiceReturnsToTheSameView) {
  FixedDpiDocument* doc = Open(1);
  SetView(*doc, 400, 300, 0, 0, 8, 6);
  FitViewToWindow();
  UpdateWorldWindow();
  const Double firstScale = doc->View_Scale, firstMinY = doc->YVmin, firstMaxX = doc->XVmax;
  SaveViewWindow();
  doc->XVmin = 2;
  doc->YVmin = 1;
  doc->XVmax = 4;
  doc->YVmax = 2.5;
  FitViewToWindow();
  UpdateWorldWindow();
  const Double zoomedScale = doc->View_Scale, zoomedMinX = doc->XVmin, zoomedMaxY = doc->YVmax;

  RestoreViewWindow();
  EXPECT_NEAR(doc->View_Scale, firstScale, 1e-6);
  EXPECT_NEAR(doc->YVmin, firstMinY, 1e-4);
  EXPECT_NEAR(doc->XVmax, firstMaxX, 1e-4);
  RestoreViewWindow();
  EXPECT_NEAR(doc->View_Scale, zoomedScale, 1e-6);
  EXPECT_NEAR(doc->XVmin, zoomedMinX, 1e-4);
  EXPECT_NEAR(doc->YVmax, zoomedMaxY, 1e-4);
}

TEST_F(ZoomsTest, DrawingExtentsGetAHundredthOfTheirSizeOnEverySide) {
  FixedDpiDocument* doc = Open(1);
  AddLine(0, 0, 10, 2);
  const Long layer = doc->Current_Layer;  // the first object of all brings its own layer
  AddLine(4, 5, 6, 1);
  EraseObj(AddLine(-50, -50, 90, 90));  // erased: not counted, not measured
  ComputeDrawingExtents();
  const DwgRec& dwg = Dwgs[1];
  EXPECT_NEAR(dwg.Xmin, -0.1, 1e-9);
  EXPECT_NEAR(dwg.Xmax, 10.1, 1e-9);
  EXPECT_NEAR(dwg.Ymin, -0.05, 1e-9);
  EXPECT_NEAR(dwg.Ymax, 5.05, 1e-9);
  EXPECT_EQ(dwg.Nlines, 2);
  EXPECT_EQ(Items[layer].Nlines, 2);
  EXPECT_EQ(Items[layer].Xmax, 10);  // layers get no margin
  EXPECT_EQ(dwg.ExtentsChanged, 0);
}

TEST_F(ZoomsTest, ExtentsStartFromTheFirstPointAndTheirMarginNeverLeavesTheFiniteReals) {
  struct Case {
    const char* what;
    Double x1, y1, x2, y2;
    Double xmin, ymin, xmax, ymax;  // expected, margin included
  };
  const Double big = std::numeric_limits<Double>::max();
  const Case cases[] = {
      {"a site 6 x 10 at 2,000,000", 2e6, 2e6, 2e6 + 6, 2e6 + 10, 2e6 - 0.06, 2e6 - 0.1, 2e6 + 6.06, 2e6 + 10.1},
      {"a line across the whole range of reals", -1e308, -1e308, 1e308, 1e308, -1.02e308, -1.02e308, 1.02e308,
       1.02e308},
      {"a line from the lowest to the largest real", -big, -big, big, big, -big, -big, big, big},
  };
  Long id = 0;
  for (const Case& c : cases) {
    Open(++id);  // a drawing of its own
    AddLine(c.x1, c.y1, c.x2, c.y2);
    ComputeDrawingExtents();
    const DwgRec& dwg = Dwgs[CurDwg];
    EXPECT_NEAR(dwg.Xmin, c.xmin, std::fabs(c.xmin) * 1e-12) << c.what;
    EXPECT_NEAR(dwg.Ymin, c.ymin, std::fabs(c.ymin) * 1e-12) << c.what;
    EXPECT_NEAR(dwg.Xmax, c.xmax, std::fabs(c.xmax) * 1e-12) << c.what;
    EXPECT_NEAR(dwg.Ymax, c.ymax, std::fabs(c.ymax) * 1e-12) << c.what;
  }
}

TEST_F(ZoomsTest, ExtentsOfObjectsWithoutALayerLeaveItemZeroBlank) {
  FixedDpiDocument* doc = Open(1);
  AddLine(1, 1, 2, 2);
  doc->Current_Layer = 0;
  AddLine(1, 1, 3, 3);
  ASSERT_EQ(Objs[ObjCount].LayerID, 0);
  ComputeDrawingExtents();
  EXPECT_NEAR(Dwgs[1].Xmax, 3.02, 1e-9);
  EXPECT_EQ(Items[0].Nlines, 0);
  EXPECT_EQ(Items[0].Xmax, 0);
  EXPECT_EQ(Items[0].Rtype, 0);
}

TEST_F(ZoomsTest, TheZoomReadOutShowsTheScaleAsAFraction) {
  FixedDpiDocument* doc = Open(1);
  SnapTolerance = 0.2F;
  doc->View_Scale = 0.25;
  RedrawView();
  EXPECT_EQ(StatusPanel(1), " Zoom Scale = 1 / 4");
  EXPECT_NEAR(PickTolerance, 0.8, 1e-6);  // the same pixels at every zoom
  doc->View_Scale = 2;
  RedrawView();
  EXPECT_EQ(StatusPanel(1), " Zoom Scale = 2 To 1");
  doc->View_Scale = 0.3;
  RedrawView();
  EXPECT_EQ(StatusPanel(1), " Zoom Scale = 1 / 3.333");
}

TEST_F(ZoomsTest, TheUnitReadOutNamesTheDisplayUnit) {
  Open(1);
  MetricUnits = FlagTrue;
  MetricUnit = 8;
  EnglishUnit = 3;
  RedrawView();
  EXPECT_EQ(StatusPanel(4), "");  // no such metric unit
  MetricUnits = FlagFalse;
  RedrawView();
  EXPECT_EQ(StatusPanel(4), "Units = Feet");
}

TEST_F(ZoomsTest, RedrawDrawsOnlyTheLiveObjectsOfTheCurrentDrawing) {
  Open(2);
  AddLine(0.5, 1, 2, 1);  // drawing 2: not drawn in window 1
  FixedDpiDocument* doc = Open(1);
  SetView(*doc, doc->View_Maxx, doc->View_Maxy, 0, 0, doc->View_Maxx / 96.0, doc->View_Maxy / 96.0);
  FitViewToWindow();
  AddLine(0.5, 0.5, 2, 0.5);             // row 48 above the bottom
  EraseObj(AddLine(0.5, 0.25, 2, 0.25));  // erased
  doc->BackColor = 0x0000FF;  // red everywhere before the redraw
  doc->Cls();
  doc->BackColor = 0xFFFFFF;
  RedrawView();
  const int bottom = doc->View_Maxy;
  EXPECT_EQ(doc->PixelAt(100, bottom - 48), 0x000000);
  EXPECT_EQ(doc->PixelAt(100, bottom - 96), 0xFFFFFF);
  EXPECT_EQ(doc->PixelAt(100, bottom - 24), 0xFFFFFF);
  EXPECT_EQ(doc->PixelAt(10, 10), 0xFFFFFF);  // cleared first
}

TEST_F(ZoomsTest, RefreshingAWindowEndsTheZoomCommandAndDrawsItsOwnDrawing) {
  FixedDpiDocument* first = Open(1);
  Open(2);
  ZoomActive = FlagTrue;
  ActiveTool = ToolZooms;
  RefreshDocView(first);
  EXPECT_EQ(ActiveDoc, first);
  EXPECT_EQ(CurDwg, 1);
  EXPECT_EQ(ZoomActive, 0);
  EXPECT_EQ(ActiveTool, 0);
}

}  // namespace
}  // namespace lintavo
