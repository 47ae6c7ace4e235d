// DataHand: table growth, the constructors and the drawing counters.
#include <gtest/gtest.h>

#include "model/DataHand.h"

#include <cmath>
#include <limits>
#include "model/UndoRedo.h"
#include "organisation/Layers.h"
#include "support/ModelFixture.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

using DataHandTest = ModelFixture;

// ---- Growth rules ----------------------------------------------------------------------

TEST_F(DataHandTest, FirstObjectSizesObjsTo1000AndItsPointsPntsTo2000) {
  AddObj(EntityLine, 2);
  EXPECT_EQ(ObjsMax, 1000);
  EXPECT_EQ(Objs.size(), 1001u);
  EXPECT_EQ(PntsMax, 0);
  AddPnt(1, 2);
  AddPnt(3, 4);
  EXPECT_EQ(PntsMax, 2000);
  EXPECT_EQ(Pnts[2].Seq, 2);
  EXPECT_EQ(Pnts[2].ObjNo, 1);
  EXPECT_EQ(Pnts[2].X, 3);
}

TEST_F(DataHandTest, TablesGrowOnlyWhenTheHeadroomRunsOutAndKeepTheirRecords) {
  const Long first = AddLine(7, 8, 9, 10);
  while (ObjCount < 901) AddObj(EntityPoint, 0);
  EXPECT_EQ(ObjsMax, 1000);  // 901 + 100 passes 1000 only at the next append
  AddObj(EntityPoint, 0);
  EXPECT_EQ(ObjsMax, 2000);
  while (PntCount < 1801) AddPnt(0, 0);
  EXPECT_EQ(PntsMax, 2000);
  AddPnt(0, 0);
  EXPECT_EQ(PntsMax, 4000);
  EXPECT_EQ(Objs[first].Rtype, EntityLine);
  EXPECT_EQ(Pnts[2].X, 9);
  EXPECT_EQ(Objs[ObjsMax].Rtype, 0);  // records made by growth are zero
}

TEST_F(DataHandTest, LoadedObjectGrowsObjsBy2000AndPntsByItsPointsPlus100) {
  LoadObj.Rtype = EntityPolyline;
  LoadObj.NPoints = 5;
  for (Long k = 1; k <= 5; ++k) LoadPnts[k] = PntRec{0, 0, 10.0 * k, -1.0 * k};
  AddLoadedObj();
  EXPECT_EQ(ObjsMax, 2000);
  EXPECT_EQ(PntsMax, 105);
  EXPECT_EQ(LastPnt, 5);
  EXPECT_EQ(Pnts[5].Seq, 5);
  EXPECT_EQ(Pnts[5].ObjNo, 1);
  EXPECT_EQ(Pnts[5].X, 50);
  EXPECT_EQ(Pnts[5].Y, -5);
}

TEST_F(DataHandTest, LoadedObjectWithNoPointsLeavesPntCountAsItWas) {
  AddLine(0, 0, 1, 1);
  LoadObj.Rtype = EntityComponent;
  LoadObj.NPoints = 0;
  AddLoadedObj();
  EXPECT_EQ(ObjCount, 2);
  EXPECT_EQ(PntCount, 2);
  EXPECT_EQ(LastPnt, 2);
  EXPECT_EQ(Objs[2].PointID, 3);
}

// ---- Constructors ----------------------------------------------------------------------

TEST_F(DataHandTest, FirstObjectGoesOnLayer1WhichBecomesCurrent) {
  AddLine(0, 0, 4, 2);
  ASSERT_EQ(ItemCount, 1);
  EXPECT_EQ(Items[1].Name, "Layer 1");
  EXPECT_EQ(Items[1].Rtype, ItemLayer);
  EXPECT_EQ(doc_.Current_Layer, 1);
  EXPECT_EQ(Objs[1].LayerID, 1);
  EXPECT_EQ(Items[1].Xmax, 4);  // the layer's unit square widened by the line
  AddLine(0, 0, 1, 1);
  EXPECT_EQ(ItemCount, 1);  // only the very first entity makes the layer
}

TEST_F(DataHandTest, PolygonCountsAsAnObjectOfItsDrawingAndPolylineOnlyAsALine) {
  AddLine(0, 0, 1, 1);  // makes the first layer, which counts too
  const Long objects = Dwgs[1].Nobjects, lines = Dwgs[1].Nlines;
  AddObj(EntityPolygon, 3);
  EXPECT_EQ(Dwgs[1].Nobjects, objects + 1);
  EXPECT_EQ(Dwgs[1].Nlines, lines + 1);
  AddObj(EntityPolyline, 3);
  EXPECT_EQ(Dwgs[1].Nobjects, objects + 1);
  EXPECT_EQ(Dwgs[1].Nlines, lines + 2);
}

TEST_F(DataHandTest, DrawingItemsRaiseTheDrawingsCountersComponentsAndGlyphsDoNot) {
  AddItem(ItemLayer);
  EXPECT_EQ(Dwgs[1].Nobjects, 1);
  EXPECT_EQ(Dwgs[1].Nlayers, 1);
  EXPECT_EQ(Items[1].DwgNo, 1);
  AddItem(ItemGroup);
  EXPECT_EQ(Dwgs[1].Nobjects, 2);
  EXPECT_EQ(Dwgs[1].Nlayers, 1);
  AddItem(ItemComponent);
  AddItem(ItemGlyph);
  EXPECT_EQ(Dwgs[1].Nobjects, 2);
  EXPECT_EQ(Dwgs[1].Nlayers, 1);
  EXPECT_EQ(Items[4].DwgNo, 0);
}

// Items count past 32,767 in the item table; the drawing's layer count,
// stored in 16 bits, stops at 32,767 instead of turning negative.
TEST_F(DataHandTest, LayersPast32767KeepTheirIndexesAndTheLayerCountStopsAtItsTop) {
  for (Long k = 0; k < 32768; ++k) AddItem(ItemLayer);
  EXPECT_EQ(ItemCount, 32768);
  EXPECT_EQ(Items[32768].DwgNo, 1);
  EXPECT_EQ(Dwgs[1].Nlayers, 32767);
  EXPECT_EQ(Dwgs[1].Nobjects, 32768);
}

TEST_F(DataHandTest, ItemInASlotReusedAfterAResetHasNoLinkOrLock) {
  NewItemName = "Valve";
  AddItem(ItemComponent);
  Items[1].LinkType = 2;
  Items[1].LinkTable = "Parts";
  Items[1].LinkField = "Code";
  Items[1].Lock = FlagTrue;
  ResetModel();
  NewItemName = "Pump";
  AddItem(ItemComponent);
  EXPECT_EQ(Items[1].Name, "Pump");
  EXPECT_EQ(Items[1].LinkType, 0);
  EXPECT_EQ(Items[1].LinkTable, "");
  EXPECT_EQ(Items[1].LinkField, "");
  EXPECT_EQ(Items[1].Lock, 0);
}

TEST_F(DataHandTest, CopyIsANewUnselectedEntityWithTheSourcesStyleAndItsOwnStep) {
  const Long src = AddLine(0, 0, 1, 1);
  Objs[src].Color = 0xFF;
  Objs[src].Selected = FlagTrue;
  Objs[src].LineID = 900;
  CopyObj(src);
  const ObjRec& copy = Objs[2];
  EXPECT_EQ(copy.Color, 0xFF);
  EXPECT_EQ(copy.LineID, 0);
  EXPECT_EQ(copy.Selected, 0);
  EXPECT_EQ(copy.PointID, 3);
  EXPECT_EQ(copy.Flag, 2);
  EXPECT_EQ(Dwgs[1].Nlines, 2);
  EXPECT_EQ(doc_.IsDirty, FlagTrue);
}

// ---- Extents ------------------------------------------------------------------------------

TEST_F(DataHandTest, ComponentWidensExtentsByItsInsertionPointAndItemCornerOnly) {
  NewItemName = "Valve";
  AddItem(ItemComponent);
  Items[1].Xmax = 3;
  Items[1].Ymax = 2;
  AddObj(EntityComponent, 3);
  Objs[ObjCount].ObjectID = 1;
  AddPnt(10, 10);
  AddPnt(50, 60);  // scales
  AddPnt(-90, 0);  // angle
  EXPECT_EQ(Dwgs[1].Xmax, 13);
  EXPECT_EQ(Dwgs[1].Ymax, 12);
  EXPECT_EQ(Dwgs[1].Xmin, 0);  // extents always include the origin
}

TEST_F(DataHandTest, ANonFiniteCoordinateIsRefusedAndItsEntityTakenOutOfTheDrawing) {
  const Double inf = std::numeric_limits<Double>::infinity();
  const Double nan = std::numeric_limits<Double>::quiet_NaN();
  for (const auto& [x, y] : {std::pair{inf, 1.0}, std::pair{2.0, -inf}, std::pair{nan, 0.0}}) {
    const Long linesBefore = Dwgs[1].Nlines;
    const Long pointsBefore = PntCount;
    AddObj(EntityLine, 2);
    EXPECT_TRUE(AddPnt(1, 1));
    EXPECT_FALSE(AddPnt(x, y));
    EXPECT_EQ(PntCount, pointsBefore + 1);  // the value was not stored
    EXPECT_EQ(Objs[ObjCount].DwgNo, 0);
    EXPECT_EQ(Dwgs[1].Nlines, linesBefore);
    for (Long k = 1; k <= PntCount; ++k) EXPECT_TRUE(std::isfinite(Pnts[k].X) && std::isfinite(Pnts[k].Y));
  }
  // A compound's far corner summed past the largest real widens nothing.
  WidenDrawingExtents(1, 0, std::numeric_limits<Double>::max() * 2, 0);
  EXPECT_TRUE(std::isfinite(Dwgs[1].Xmax));
}

// A point widens its drawing, and the layer it names only when that is a
// layer of the same drawing; only that drawing is marked to be measured again.
TEST_F(DataHandTest, APointWidensItsDrawingAndOnlyALayerOfThatDrawing) {
  AddItem(ItemLayer);
  const Long own = ItemCount;
  AddItem(ItemGroup);
  const Long group = ItemCount;
  CurDwg = 2;
  AddItem(ItemLayer);
  const Long foreign = ItemCount;
  CurDwg = 1;
  const struct {
    const char* name;
    Long layer;
    bool widened;
  } rows[] = {{"no layer", 0, false}, {"its drawing's layer", own, true},
              {"another drawing's layer", foreign, false}, {"a group", group, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    for (const Long i : {Long{0}, own, group, foreign}) Items[i].Xmax = Items[i].Ymin = 0;
    Dwgs[1].ExtentsChanged = Dwgs[2].ExtentsChanged = 0;
    WidenDrawingExtents(1, row.layer, 5, -3);
    EXPECT_EQ(Dwgs[1].Xmax, 5);
    EXPECT_EQ(Dwgs[1].Ymin, -3);
    EXPECT_EQ(Dwgs[1].ExtentsChanged, FlagTrue);
    EXPECT_EQ(Dwgs[2].ExtentsChanged, 0);
    EXPECT_EQ(Dwgs[2].Xmax, 0);
    for (const Long i : {Long{0}, own, group, foreign}) EXPECT_EQ(Items[i].Xmax, i == row.layer && row.widened ? 5 : 0) << i;
  }
}

TEST_F(DataHandTest, LoadedLayerKeyBecomesTheLayerOfItsDrawingOrNone) {
  AddItem(ItemLayer);
  Items[1].ObjectID = 77;
  LoadObj.DwgNo = 1;
  LoadKeys.LayerID = 77;
  AddLoadedObj();
  EXPECT_EQ(Objs[1].LayerID, 1);
  LoadKeys.LayerID = 78;  // its layer row was not loaded
  AddLoadedObj();
  EXPECT_EQ(Objs[2].LayerID, 0);
}

TEST_F(DataHandTest, NewDrawingRecordStartsFromTheOptionsAndNamesThePage) {
  ShowMainWindow();
  DefDwgHeight = 24;
  UserName = "ada";
  frmDocument doc3;
  doc3.SetFileName("Pump House");
  Dwgs[3].Nlines = 12;  // left over from a drawing closed earlier
  Open(doc3, 3);
  EXPECT_EQ(Dwgs[3].Name, "Pump House");
  EXPECT_EQ(Dwgs[3].Ylimit, 24);
  EXPECT_EQ(Dwgs[3].Author, "ada");
  EXPECT_EQ(Dwgs[3].Nlines, 0);
  EXPECT_EQ(PageCount, 3);
  EXPECT_EQ(main_->windowTitle(), "Lintavo / Page: 3");
}

}  // namespace
}  // namespace lintavo
