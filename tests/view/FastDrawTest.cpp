// The fast renderer: the colour rules of members and glyph strokes, the
// enclosing entity's pen given back, and entities drawn straight from the
// staging record.
#include "picking/Selection.h"
#include "view/DrawDispatch.h"
#include "view/DrawFixture.h"
#include "view/FastDraw.h"
#include "view/ObjectDrawers.h"
#include "view/SurfaceDraw.h"

namespace lintavo {
namespace {

class FastDrawTest : public DrawFixture {
 protected:
  // Component "Bolt" with one red member line from (0, 0) to (1, 0),
  // placed at (2, 2) four times its size: the member runs to (6, 2).
  Long PlaceRedMemberInBlue() {
    NewItemName = "Bolt";
    AddItem(ItemComponent);
    const Long bolt = ItemCount;
    Items[bolt].Xmax = Items[bolt].Ymax = 1;
    const Long member = AddEntity(EntityLine, {{0, 0}, {1, 0}});
    Objs[member].DwgNo = 0;
    Objs[member].OwnerID = Objs[member].ObjectID = bolt;
    Objs[member].Color = ColorRed;
    const Long placed = AddEntity(EntityComponent, {{2, 2}, {4, 4}, {0, 0}});
    Objs[placed].Name = "Bolt";
    Objs[placed].ObjectID = bolt;
    Objs[placed].Color = ColorBlue;
    return placed;
  }
};

TEST_F(FastDrawTest, MemberTakesThePlacementsColourTheSelectionOrTheBackground) {
  const Long placed = PlaceRedMemberInBlue();
  DrawObject(placed);
  EXPECT_EQ(ColourAt(4, 2), ColorBlue);

  doc_.Cls();
  Objs[placed].Selected = FlagTrue;
  DrawObject(placed);
  EXPECT_EQ(ColourAt(2, 2), SelectedLineColor);
  EXPECT_EQ(ColourAt(2.4, 2), ColorWhite);  // the selection's dotted style: 3 pixels on, 3 off

  DwgBackColor = ColorGreen;
  EraseDraw = FlagTrue;
  DrawObject(placed);
  EraseDraw = FlagFalse;
  EXPECT_EQ(ColourAt(4, 2), ColorGreen);
}

TEST_F(FastDrawTest, GlyphColourWinsOverMemberColourAndTheEnclosingPenIsLeftAlone) {
  const Long stroke = AddEntity(EntityLine, {{-5, 0}, {5, 0}});
  Objs[stroke].Color = ColorRed;
  PenColor = ColorBlack;
  GlyphColorOn = MemberColorOn = FlagTrue;
  GlyphColor = ColorGreen;
  MemberColor = ColorBlue;
  FastDrawObject(stroke);
  EXPECT_EQ(ColourAt(0, 0), ColorGreen);
  EXPECT_EQ(doc_.ForeColor, ColorGreen);  // the pen colour the stroke was drawn with
  EXPECT_EQ(PenColor, ColorBlack);
  GlyphColorOn = MemberColorOn = FlagFalse;
}

// Both renderers fill bands and polygons from the one pen and one fill
// routine: a wide line and a polygon, fills shown, come out pixel for pixel
// the same from either, with the pen's colour and line type as the fill.
TEST_F(FastDrawTest, BandsAndPolygonsFillAlikeInBothRenderers) {
  ShowFills = FlagTrue;
  const Long band = AddEntity(EntityLine, {{-6, -2}, {6, 3}});
  Objs[band].Width = 1.5F;
  Objs[band].Color = ColorRed;
  const Long polygon = AddEntity(EntityPolygon, {{-8, 4}, {-2, 8}, {3, 5}, {-4, 6}});
  Objs[polygon].Color = ColorBlue;
  Objs[polygon].Ltype = 2;  // fill pattern 2
  for (const Long objNo : {band, polygon}) {
    doc_.Cls();
    DrawObject(objNo);
    const QImage general = doc_.Image().copy();
    doc_.Cls();
    FastDrawObject(objNo);
    EXPECT_GT(InkCount(), 0) << objNo;
    EXPECT_TRUE(doc_.Image() == general) << objNo;
  }
  ShowFills = FlagFalse;
}

TEST_F(FastDrawTest, HiddenEntityDrawsNothingAndKeepsTheWidthAShownOneResetsIt) {
  const Long line = AddEntity(EntityLine, {{-5, 0}, {5, 0}});
  Objs[line].Weight = 4;
  Objs[line].Show = FlagFalse;
  SetDrawWidth(5);
  FastDrawObject(line);
  EXPECT_EQ(InkCount(), 0);
  EXPECT_EQ(doc_.DrawWidth, 5);
  Objs[line].Show = FlagTrue;
  FastDrawObject(line);
  EXPECT_TRUE(InkAt(0, 0));
  EXPECT_EQ(doc_.DrawWidth, 1);
}

TEST_F(FastDrawTest, StagedEntityIsDrawnWithItsOwnPenAndGrowsTheScreenPoints) {
  LoadObj = ObjRec{};
  LoadObj.Rtype = EntityPolyline;
  LoadObj.Color = ColorRed;
  LoadObj.Weight = 3;
  LoadObj.NPoints = 1500;
  LoadPntsMax = 1600;
  LoadPnts.assign(LoadPntsMax + 1, PntRec{});
  for (int k = 1; k <= 1500; ++k) LoadPnts[k] = PntRec{k, 0, -7.5 + k * 0.01, 1};
  DrawAsSelected = FlagTrue;
  FastDrawLoadedObject();
  DrawAsSelected = FlagFalse;
  EXPECT_EQ(ScrPtsMax, 2700);
  EXPECT_EQ(doc_.DrawWidth, 3);  // the entity's own weight stays set
  EXPECT_EQ(ColourAt(0, 1), ColorRed);
}

}  // namespace
}  // namespace lintavo
