// Surface primitives, setters, point marks, the extents pass and the loading
// of entity points under the placement transform.
#include <cmath>

#include "model/Top.h"
#include "view/DrawFixture.h"
#include "view/SurfaceDraw.h"

namespace lintavo {
namespace {

using SurfaceDrawTest = DrawFixture;

// ---- Setters ---------------------------------------------------------------------------

TEST_F(SurfaceDrawTest, DrawWidthOfTenIsIgnored) {
  SetDrawWidth(9);
  SetDrawWidth(10);
  EXPECT_EQ(doc_.DrawWidth, 9);
}

TEST_F(SurfaceDrawTest, ScaledDrawWidthZeroGivesOneAndTwoHundredIsIgnored) {
  SetDrawWidthScaled(199);
  EXPECT_EQ(doc_.DrawWidth, 199);
  SetDrawWidthScaled(250);
  EXPECT_EQ(doc_.DrawWidth, 199);
  SetDrawWidthScaled(0);
  EXPECT_EQ(doc_.DrawWidth, 1);
}

TEST_F(SurfaceDrawTest, DrawStyleSevenIsIgnored) {
  SetDrawStyle(6);
  SetDrawStyle(7);
  EXPECT_EQ(doc_.DrawStyle, 6);
}

TEST_F(SurfaceDrawTest, DrawModeSeventeenIsIgnored) {
  SetDrawMode(16);
  SetDrawMode(17);
  EXPECT_EQ(doc_.DrawMode, 16);
}

// ---- Primitives ------------------------------------------------------------------------

TEST_F(SurfaceDrawTest, GdiLineTurnsYOverAndLeavesOutItsEndPixel) {
  GdiLine(10, 20, 30, 20);
  EXPECT_NE(doc_.PixelAt(10, Size - 20), ColorWhite);
  EXPECT_NE(doc_.PixelAt(29, Size - 20), ColorWhite);
  EXPECT_EQ(doc_.PixelAt(30, Size - 20), ColorWhite);
  EXPECT_EQ(InkCount(), 20);
}

TEST_F(SurfaceDrawTest, WorldCircleTakesTheScaledRadiusRounded) {
  WorldCircle(0, 0, 2.04);  // 20.4 pixels
  EXPECT_TRUE(InkAt(2, 0));
  EXPECT_TRUE(InkAt(0, -2));
  EXPECT_FALSE(InkAt(2.1, 0));
  EXPECT_FALSE(InkAt(0, 0));
}

TEST_F(SurfaceDrawTest, BezierWithBothEndsLeftOfTheViewIsNotDrawnWhateverItsControlPoints) {
  GdiPolyBezier(-12, 0, 5, 5, 5, -5, -11, 1);
  EXPECT_EQ(InkCount(), 0);
  GdiPolyBezier(-12, 0, 5, 5, 5, -5, 1, 1);  // one end inside
  EXPECT_GT(InkCount(), 0);
}

TEST_F(SurfaceDrawTest, APolylineBillionsOfPixelsBeyondTheViewIsClippedBeforeItBecomesPixels) {
  // 2.9e9 pixels below the view, and as far to its right.
  const Double far = -2.9e9 / ViewScaleY;
  GdiPts[1] = WorldToGdi(1, 1);
  GdiPts[2] = WorldToGdi(1, far);
  GdiPts[3] = WorldToGdi(-far, far);
  EXPECT_EQ(GdiPts[1].X, Column(1));
  EXPECT_EQ(GdiPts[1].Y, Row(1));
  EXPECT_GT(GdiPts[2].Y, Size);  // still below the view: never wrapped round above it
  EXPECT_GT(GdiPts[3].X, Size);
  EXPECT_LT(static_cast<double>(GdiPts[3].X) + GdiPts[3].Y, 1e9);  // room for the rasteriser's sums
  GdiPolyline(3);
  EXPECT_TRUE(InkAt(1, 0));  // the part in view runs straight down from the first point
  EXPECT_TRUE(InkAt(1, -5));
  EXPECT_FALSE(InkAt(1, 2));
  WorldLine(1, 1, 1, far);
  EXPECT_TRUE(InkAt(1, -5));
}

// ---- Point marks -------------------------------------------------------------------------

TEST_F(SurfaceDrawTest, MarkOnTheViewEdgeIsDrawnAndOneJustOutsideIsNot) {
  DrawStdPntMark(10, 0);
  EXPECT_TRUE(InkNear(10, 0, 3));
  doc_.Cls();
  DrawStdPntMark(10.000001, 0);
  DrawConPntMark(0, -10.000001);
  DrawRefPntMark(-10.000001, 5);
  EXPECT_EQ(InkCount(), 0);
}

TEST_F(SurfaceDrawTest, ConstructionMarkIsADiagonalCrossAndPutsThePenBack) {
  ConPntColor = ColorRed;
  doc_.ForeColor = ColorGreen;
  doc_.DrawWidth = 3;
  doc_.DrawStyle = 4;
  DrawConPntMark(0, 0);
  EXPECT_EQ(doc_.PixelAt(97, 103), ColorRed);  // view pixel (-3, -3) from the centre
  EXPECT_EQ(doc_.PixelAt(103, 97), ColorRed);
  EXPECT_EQ(doc_.PixelAt(100, 103), ColorWhite);  // no upright arm
  EXPECT_EQ(doc_.ForeColor, ColorGreen);
  EXPECT_EQ(doc_.DrawWidth, 3);
  EXPECT_EQ(doc_.DrawStyle, 4);
}

// ---- Entity points -------------------------------------------------------------------------

TEST_F(SurfaceDrawTest, LoadingNinetyFiftyPointsWithABoundOfAThousandGrowsItTo2150) {
  AddObj(EntityPolyline, 950);
  for (int i = 1; i <= 950; ++i) AddPnt(i, -i);
  ASSERT_EQ(ScrPtsMax, 1000);
  LoadObjScrPts(ObjCount);
  EXPECT_EQ(ScrPtsMax, 2150);
  EXPECT_EQ(ScrPts.size(), 2151u);
  EXPECT_EQ(GdiPts.size(), 2151u);
  EXPECT_EQ(ScrPts[950].X, 950);
  EXPECT_EQ(ScrPts[950].Y, -950);
}

TEST_F(SurfaceDrawTest, TheBoundOfTheScreenPointsNeverPassesSixteenBits) {
  ResizeScrPts(32000);
  AddObj(EntityPolyline, 32700);
  for (int i = 1; i <= 32700; ++i) AddPnt(i, 0);
  LoadObjScrPts(ObjCount);
  EXPECT_EQ(ScrPtsMax, 32767);
  EXPECT_EQ(ScrPts[32700].X, 32700);
}

// The drawing's and the layer's extents emptied for an extents pass.
void StartExtentsPass(Long layer) {
  Dwgs[CurDwg].Xmin = Dwgs[CurDwg].Ymin = Items[layer].Xmin = Items[layer].Ymin = 1000;
  Dwgs[CurDwg].Xmax = Dwgs[CurDwg].Ymax = Items[layer].Xmax = Items[layer].Ymax = -1000;
  ExtentsPass = FlagTrue;
  PenLayer = layer;
}

TEST_F(SurfaceDrawTest, ExtentsPassTakesAnArcsRimButNotItsCentre) {
  const Long arc = AddEntity(EntityArc, {{50, 40}, {51, 50}, {50, 51}, {49, 50}});
  StartExtentsPass(Objs[arc].LayerID);
  LoadObjScrPts(arc);
  EXPECT_EQ(Dwgs[CurDwg].Xmin, 49);
  EXPECT_EQ(Dwgs[CurDwg].Xmax, 51);
  EXPECT_EQ(Dwgs[CurDwg].Ymin, 50);
  EXPECT_EQ(Dwgs[CurDwg].Ymax, 51);
  EXPECT_EQ(Items[PenLayer].Ymin, 50);
}

TEST_F(SurfaceDrawTest, ExtentsPassTakesOnlyACompoundsInsertionPoint) {
  const Long part = AddEntity(EntityComponent, {{3, 4}, {20, 30}, {45, 0}});
  StartExtentsPass(Objs[part].LayerID);
  LoadObjScrPts(part);
  EXPECT_EQ(Dwgs[CurDwg].Xmin, 3);
  EXPECT_EQ(Dwgs[CurDwg].Xmax, 3);
  EXPECT_EQ(Dwgs[CurDwg].Ymax, 4);
}

TEST_F(SurfaceDrawTest, ExtendExtentsNeverWritesItemZero) {
  PenLayer = 0;
  ExtendExtents(-7, 9);
  EXPECT_EQ(Dwgs[CurDwg].Xmin, -7);
  EXPECT_EQ(Items[0].Xmin, 0);
  EXPECT_EQ(Items[0].Ymax, 0);
}

TEST_F(SurfaceDrawTest, SlantSparesPointsOnTheReferenceLineOnly) {
  DrawTextSample(0, 0, 2, 1, 1, 20);  // slant 20 degrees, reference Y 2
  PlacementOn = FlagTrue;
  Double x = 1, y = 2;
  PlacePoint(x, y);
  EXPECT_DOUBLE_EQ(x, 1);
  EXPECT_DOUBLE_EQ(y, 4);
  x = 1;
  y = 1;
  PlacePoint(x, y);
  EXPECT_NEAR(x, std::cos(20 * DegToRad) + std::sin(20 * DegToRad), 1e-6);
  EXPECT_DOUBLE_EQ(ScrPts[1].X, x);
}

}  // namespace
}  // namespace lintavo
