// DrawObject: layer and show tests, the pen, erase and not-XOR drawing, and
// compound entities: components, dimensions and text characters.

#include "organisation/Layers.h"
#include "picking/Selection.h"
#include "support/ModelBuilders.h"
#include "view/DisplayOptions.h"
#include "view/DrawDispatch.h"
#include "view/DrawFixture.h"
#include "view/ObjectDrawers.h"
#include "view/SurfaceDraw.h"

namespace lintavo {
namespace {

class DrawDispatchTest : public DrawFixture {
 protected:
  // A line of item geometry (no drawing) owned by the item.
  static Long AddMemberLine(Long item, Double x1, Double y1, Double x2, Double y2, Long colour) {
    const Long line = AddEntity(EntityLine, {{x1, y1}, {x2, y2}});
    Objs[line].DwgNo = 0;
    Objs[line].OwnerID = Objs[line].ObjectID = item;
    Objs[line].Color = colour;
    return line;
  }
  // A placement of item at (x, y) with scale and rotation in degrees.
  static Long AddPlacement(Long item, Double x, Double y, Double scale, Double angle) {
    const Long part = AddCompound(EntityComponent, x, y, angle, scale, scale);
    Objs[part].Name = Items[item].Name;
    Objs[part].ObjectID = item;
    return part;
  }
  // A text character of glyph at (x, y), cell size, bold, underline, box and its colour.
  static Long AddCharacter(Long glyph, Double x, Double y, Double size, Double bold, Double box, Double boxColour) {
    const Long ch = AddEntity(EntityTextChar, {{x, y}, {size, size}, {0, 0}, {bold, 0}, {box, boxColour}});
    Objs[ch].Name = Items[glyph].Name;
    Objs[ch].ObjectID = glyph;
    return ch;
  }
};

// ---- Pen ------------------------------------------------------------------------------

TEST_F(DrawDispatchTest, WeightOneWidthThreeAtScaleTenGivesAThirtyPixelPen) {
  const Long circle = AddEntity(EntityCircle, {{0, 0}, {5, 0}});
  Objs[circle].Weight = 1;
  Objs[circle].Width = 3;
  DrawObject(circle);
  EXPECT_TRUE(InkAt(3.7, 0));  // the ring runs from 35 to 65 pixels
  EXPECT_TRUE(InkAt(6.3, 0));
  EXPECT_FALSE(InkAt(3.3, 0));
  EXPECT_FALSE(InkAt(6.7, 0));
  EXPECT_EQ(doc_.DrawWidth, 1);  // every entity leaves the thin pen behind
}

TEST_F(DrawDispatchTest, WidthOneHalfGivesAOnePixelPen) {
  const Long circle = AddEntity(EntityCircle, {{0, 0}, {5, 0}});
  Objs[circle].Weight = 1;
  Objs[circle].Width = 0.5;
  DrawObject(circle);
  EXPECT_TRUE(InkAt(5, 0));
  EXPECT_FALSE(InkAt(5.2, 0));
  EXPECT_FALSE(InkAt(4.8, 0));
}

TEST_F(DrawDispatchTest, SelectedEntityIsDrawnInTheSelectionColourAndStyle) {
  const Long line = AddEntity(EntityLine, {{-9, 0}, {9, 0}});
  Objs[line].Selected = FlagTrue;
  DrawObject(line);
  EXPECT_EQ(ColourAt(-9, 0), SelectedLineColor);
  EXPECT_EQ(ColourAt(-8.6, 0), ColorWhite);  // dotted: 3 pixels on, 3 off
}

TEST_F(DrawDispatchTest, ErasingASelectedEntityPaintsTheBackgroundColour) {
  DwgBackColor = ColorGreen;
  const Long line = AddEntity(EntityLine, {{-9, 0}, {9, 0}});
  Objs[line].Selected = FlagTrue;
  EraseDraw = FlagTrue;
  DrawObject(line);
  EXPECT_EQ(ColourAt(0, 0), ColorGreen);
  EXPECT_EQ(ColourAt(-8.6, 0), ColorGreen);  // its own solid style, not the dotted selection
}

// ---- What is drawn ----------------------------------------------------------------------

TEST_F(DrawDispatchTest, EntityOnAHiddenLayerIsNotDrawn) {
  const Long line = AddEntity(EntityLine, {{-9, 0}, {9, 0}});
  const Long hidden = EnsureLayer("Hidden");
  Items[hidden].Show = FlagFalse;
  Objs[line].LayerID = hidden;
  DrawObject(line);
  EXPECT_EQ(InkCount(), 0);
  Items[hidden].Show = FlagTrue;
  DrawObject(line);
  EXPECT_GT(InkCount(), 0);
}

TEST_F(DrawDispatchTest, ComponentMemberOnAHiddenLayerIsDrawn) {
  const Long bolt = AddNamedItem(ItemComponent, "Bolt");
  const Long member = AddMemberLine(bolt, 0, 0, 1, 0, ColorRed);
  const Long part = AddPlacement(bolt, 2, 3, 4, 0);
  const Long hidden = EnsureLayer("Hidden");
  Items[hidden].Show = FlagFalse;
  Objs[member].LayerID = hidden;
  DrawObject(part);
  EXPECT_TRUE(InkAt(4, 3));
}

TEST_F(DrawDispatchTest, EveryEntityDrawnTwiceWithTheNotXorPenLeavesThePictureAsItWas) {
  const Long bolt = AddNamedItem(ItemComponent, "Bolt");
  AddMemberLine(bolt, 0, 0, 1, 1, ColorRed);
  const Long glyph = AddNamedItem(ItemGlyph, "TEXT-65");
  AddMemberLine(glyph, 0.2, 0.5, 0.8, 0.5, ColorBlack);
  const Long wide = AddEntity(EntityLine, {{-8, -8}, {8, -6}});
  Objs[wide].Width = 0.7;
  const Long entities[] = {
      AddEntity(EntityPoint, {{1, 1}}),
      AddEntity(EntityLine, {{-9, -9}, {9, 7}}),
      wide,
      AddEntity(EntityCircle, {{0, 0}, {4, 3}}),
      AddEntity(EntityArc, {{0, 0}, {3, 0}, {0, 3}, {-3, 0}}),
      AddEntity(EntityEllipticArc, {{-4, 1}, {4, 1}, {0, 3}, {0, -1}, {4, 1}, {0, 3}}),
      AddEntity(EntityEllipse, {{-4, -3}, {4, 3}, {-1.2, 1.6}, {1.2, -1.6}}),
      AddEntity(EntitySpline, {{-8, 0}, {-2, 6}, {3, -4}, {8, 2}}),
      AddEntity(EntityBezier, {{-8, -8}, {-8, 8}, {8, 8}, {8, -8}}),
      AddEntity(EntityContBezier, {{-8, 0}, {-6, 4}, {-2, 4}, {0, 0}, {2, -4}, {6, -4}, {8, 0}}),
      AddEntity(EntityPolyline, {{-7, -7}, {7, -5}, {0, 8}, {-7, 7}}),
      AddEntity(EntityPolygon, {{-6, -6}, {6, -4}, {5, 6}, {-5, 5}}),
      AddPlacement(bolt, -3, -3, 5, 30),
      AddCharacter(glyph, 2, 2, 4, 1, 1, ColorBlue),
  };
  PaintStripes();
  XorDraw = FlagTrue;
  for (Long entity : entities) {
    const QImage before = doc_.Image().copy();
    DrawObject(entity);
    EXPECT_FALSE(before == doc_.Image()) << "type " << Objs[entity].Rtype << " drew nothing";
    DrawObject(entity);
    EXPECT_TRUE(before == doc_.Image()) << "type " << Objs[entity].Rtype;
  }
}

// ---- Components ----------------------------------------------------------------------------

TEST_F(DrawDispatchTest, ComponentMembersArePlacedAndTakeTheComponentsColour) {
  const Long bolt = AddNamedItem(ItemComponent, "Bolt");
  AddMemberLine(bolt, 0, 0, 1, 0, ColorRed);
  const Long part = AddPlacement(bolt, 2, 3, 4, 90);
  Objs[part].Color = ColorBlue;
  DrawObject(part);
  EXPECT_EQ(ColourAt(2, 5), ColorBlue);  // (0, 0)..(1, 0) scaled by 4, turned a quarter
  EXPECT_FALSE(InkAt(4, 3));
  EXPECT_EQ(PlacementOn, FlagFalse);
  EXPECT_EQ(MemberColorOn, FlagFalse);
}

TEST_F(DrawDispatchTest, SelectedComponentDrawsItsMembersAsSelected) {
  const Long bolt = AddNamedItem(ItemComponent, "Bolt");
  AddMemberLine(bolt, 0, 0, 1, 0, ColorRed);
  const Long part = AddPlacement(bolt, 2, 3, 4, 0);
  Objs[part].Selected = FlagTrue;
  DrawObject(part);
  EXPECT_EQ(ColourAt(2, 3), SelectedLineColor);
  EXPECT_EQ(DrawAsSelected, FlagFalse);
}

TEST_F(DrawDispatchTest, BrokenComponentLinkIsFoundAgainByName) {
  const Long bolt = AddNamedItem(ItemComponent, "Bolt");
  AddMemberLine(bolt, 0, 0, 1, 0, ColorRed);
  const Long part = AddPlacement(bolt, 2, 3, 4, 0);
  Objs[part].ObjectID = -7;
  DrawObject(part);
  EXPECT_EQ(Objs[part].ObjectID, bolt);
  EXPECT_TRUE(InkAt(4, 3));
}

TEST_F(DrawDispatchTest, ComponentThatCannotBeLoadedIsNotTriedAgain) {
  const Long part = AddEntity(EntityComponent, {{0, 0}, {1, 1}, {0, 0}});
  Objs[part].Name = "Missing";
  Dwgs[CurDwg].SourceDbPath = "first.mdb";
  Responder().AnswerMsgBox(vbOK);  // the missing database is reported once
  DrawObject(part);
  EXPECT_EQ(CompDbPath, "first.mdb");  // the load was tried from the drawing's database
  ASSERT_EQ(Responder().Prompts().size(), 1u);
  EXPECT_EQ(Responder().Prompts()[0].title, "Loading Component: Missing");
  CompDbPath = "other.mdb";
  DrawObject(part);
  EXPECT_EQ(CompDbPath, "other.mdb");
  EXPECT_EQ(Objs[part].ObjectID, 0);
  EXPECT_EQ(InkCount(), 0);
  EXPECT_EQ(Responder().Prompts().size(), 1u);
}

TEST_F(DrawDispatchTest, ComponentsPlacingEachOtherStopAtTheNestingLimit) {
  const Long a = AddNamedItem(ItemComponent, "A");
  const Long b = AddNamedItem(ItemComponent, "B");
  AddMemberLine(a, 0, 0, 1, 0, ColorRed);
  for (auto [owner, placed] : {std::pair{a, b}, std::pair{b, a}}) {
    const Long inner = AddPlacement(placed, 0, 0, 1, 0);
    Objs[inner].DwgNo = 0;
    Objs[inner].OwnerID = owner;
  }
  Responder().AnswerMsgBox(vbOK);  // the cycle is told
  DrawObject(AddPlacement(a, 1, 1, 3, 0));
  EXPECT_TRUE(InkAt(2, 1));
  EXPECT_EQ(NestLevel, 0);
  EXPECT_EQ(PlacementOn, FlagFalse);
}

// A and B each place the other twice: without a guard a redraw would draw
// 2^100 placements. The member showing a component being drawn is left out,
// and the cycle is told once, however often the drawing is redrawn.
TEST_F(DrawDispatchTest, AComponentCyclePlacedTwiceIsDrawnOnceAndToldOnce) {
  const Long a = AddNamedItem(ItemComponent, "A");
  const Long b = AddNamedItem(ItemComponent, "B");
  AddMemberLine(a, 0, 0, 1, 0, ColorRed);
  AddMemberLine(b, 0, 0, 0, 1, ColorRed);
  for (auto [owner, placed] : {std::pair{a, b}, std::pair{a, b}, std::pair{b, a}, std::pair{b, a}}) {
    const Long inner = AddPlacement(placed, 0, 0, 1, 0);
    Objs[inner].DwgNo = 0;
    Objs[inner].OwnerID = owner;
  }
  Responder().AnswerMsgBox(vbOK);
  const Long top = AddPlacement(a, 1, 1, 3, 0);
  DrawObject(top);
  DrawObject(top);
  EXPECT_TRUE(InkAt(2, 1));  // A's own line ...
  EXPECT_TRUE(InkAt(1, 2));  // ... and B's, placed in A
  ASSERT_EQ(Responder().Prompts().size(), 1u);
  EXPECT_EQ(Responder().Prompts()[0].text, "Component A is placed inside itself; that placement is not drawn.");
  EXPECT_EQ(NestLevel, 0);
}

// A chain deeper than the stack: the first hundred levels are drawn, the
// rest are not, and that is told once.
TEST_F(DrawDispatchTest, NestingDeeperThanTheStackIsToldOnce) {
  const Integer depth = MaxNestLevel + 5;
  std::vector<Long> chain;
  for (Integer k = 0; k < depth; ++k) chain.push_back(AddNamedItem(ItemComponent, ChainName(k)));
  for (Integer k = 0; k + 1 < depth; ++k) {
    const Long inner = AddPlacement(chain[k + 1], 0, 0, 1, 0);
    Objs[inner].DwgNo = 0;
    Objs[inner].OwnerID = chain[k];
  }
  AddMemberLine(chain.back(), 0, 0, 1, 0, ColorRed);
  Responder().AnswerMsgBox(vbOK);
  const Long top = AddPlacement(chain.front(), 1, 1, 3, 0);
  DrawObject(top);
  DrawObject(top);
  ASSERT_EQ(Responder().Prompts().size(), 1u);
  EXPECT_NE(Responder().Prompts()[0].text.find("more than 100 deep"), String::npos);
  EXPECT_FALSE(InkAt(2, 1));  // the line at the bottom of the chain lies too deep
}

TEST_F(DrawDispatchTest, SelectedDimensionDrawsMembersAfterANestedOneAsSelected) {
  const Long bolt = AddNamedItem(ItemComponent, "Bolt");
  AddMemberLine(bolt, 0, 0, 1, 0, ColorRed);
  const Long dim = AddNamedItem(7, "Dim 1");  // a dimension item
  const Long inner = AddPlacement(bolt, -5, 5, 2, 0);
  Objs[inner].DwgNo = 0;
  Objs[inner].OwnerID = dim;
  AddMemberLine(dim, -5, -5, 5, -5, ColorRed);
  Items[dim].Xmin = Items[dim].Ymin = -6;
  Items[dim].Xmax = Items[dim].Ymax = 6;
  const Long dimension = AddEntity(EntityDimension, {{0, 0}});
  Objs[dimension].Name = "Dim 1";
  Objs[dimension].ObjectID = dim;
  Objs[dimension].Selected = FlagTrue;
  DrawObject(dimension);
  EXPECT_EQ(ColourAt(-5, 5), SelectedLineColor);
  EXPECT_EQ(ColourAt(-5, -5), SelectedLineColor);
  EXPECT_EQ(DrawAsSelected, FlagFalse);
  EXPECT_EQ(PlacementOn, FlagFalse);
}

TEST_F(DrawDispatchTest, ExtentsPassTakesAComponentsPlacedBoxNotItsMembers) {
  const Long bolt = AddNamedItem(ItemComponent, "Bolt");
  AddMemberLine(bolt, 0, 0, 5, 5, ColorRed);  // outside the item's box on purpose
  const Long part = AddPlacement(bolt, 10, 10, 2, 0);
  Dwgs[CurDwg].Xmin = Dwgs[CurDwg].Ymin = 1000;
  Dwgs[CurDwg].Xmax = Dwgs[CurDwg].Ymax = -1000;
  ExtentsPass = FlagTrue;
  DrawEnabled = FlagFalse;
  DrawObject(part);
  EXPECT_NEAR(Dwgs[CurDwg].Xmin, 10, 1e-6);
  EXPECT_NEAR(Dwgs[CurDwg].Xmax, 12, 1e-6);
  EXPECT_NEAR(Dwgs[CurDwg].Ymax, 12, 1e-6);
  EXPECT_EQ(PlacementOn, FlagFalse);
}

// ---- Text characters ------------------------------------------------------------------------

TEST_F(DrawDispatchTest, BoxedCharacterHasItsBoxColourBehindItsStrokes) {
  const Long glyph = AddNamedItem(ItemGlyph, "TEXT-65");
  AddMemberLine(glyph, 0.2, 0.5, 0.8, 0.5, ColorGreen);
  const Long ch = AddCharacter(glyph, 0, 0, 5, 0, 1, 255);
  Objs[ch].Color = ColorBlue;
  DrawObject(ch);
  EXPECT_EQ(ColourAt(0.5, 0.5), ColorRed);
  EXPECT_EQ(ColourAt(2.5, 2.5), ColorBlue);  // the stroke, in the character's colour
}

TEST_F(DrawDispatchTest, BoxedCharacterIsNotFilledWhileFillsAreOff) {
  const Long glyph = AddNamedItem(ItemGlyph, "TEXT-65");
  AddMemberLine(glyph, 0.2, 0.5, 0.8, 0.5, ColorGreen);
  const Long ch = AddCharacter(glyph, 0, 0, 5, 0, 1, 255);
  ShowFills = FlagFalse;
  DrawObject(ch);
  ShowFills = FlagTrue;
  EXPECT_NE(ColourAt(0.5, 0.5), ColorRed);
  EXPECT_TRUE(InkAt(2.5, 2.5));  // the strokes are drawn
}

TEST_F(DrawDispatchTest, BoldCharacterStrokesTakeTheBoldWeight) {
  const Long glyph = AddNamedItem(ItemGlyph, "TEXT-65");
  const Long stroke = AddMemberLine(glyph, 0.2, 0.5, 0.8, 0.5, ColorBlack);
  DrawObject(AddCharacter(glyph, 0, 0, 5, 0, 0, 0));
  const int thin = InkCount();
  doc_.Cls();
  BoldWeight = 4;
  DrawObject(AddCharacter(glyph, 0, 0, 5, 1, 0, 0));
  EXPECT_GT(InkCount(), 2 * thin);
  EXPECT_EQ(Objs[stroke].Weight, 0);
}

TEST_F(DrawDispatchTest, CharacterSmallerThanTwoPixelsIsOneDot) {
  const Long glyph = AddNamedItem(ItemGlyph, "TEXT-65");
  AddMemberLine(glyph, 0, 0, 1, 1, ColorBlack);
  DrawObject(AddCharacter(glyph, 3, 4, 0.15, 0, 0, 0));  // 1.5 pixels across
  EXPECT_EQ(InkCount(), 1);
  EXPECT_TRUE(InkAt(3, 4));
}

TEST_F(DrawDispatchTest, TextWithAGlyphMissingFromItsFontFallsBackToTheTextFont) {
  EXPECT_EQ(FontKey("Fancy-65"), "TEXT-65");
  EXPECT_EQ(FontKey("NoHyphen"), "TEXT");
  const Long glyph = AddNamedItem(ItemGlyph, "TEXT-65");
  AddMemberLine(glyph, 0.2, 0.5, 0.8, 0.5, ColorBlack);
  const Long ch = AddCharacter(glyph, 0, 0, 5, 0, 0, 0);
  Objs[ch].Name = "Fancy-65";
  Objs[ch].ObjectID = 0;
  EnsureTextFonts();
  EXPECT_EQ(Objs[ch].Name, "TEXT-65");
  EXPECT_EQ(Objs[ch].ObjectID, glyph);
  DrawObject(ch);
  EXPECT_TRUE(InkAt(2.5, 2.5));
}

}  // namespace
}  // namespace lintavo
