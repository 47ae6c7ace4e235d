// The adjust transform and its appliers on single entities.
#include <cmath>

#include "commands/Adjust.h"
#include "model/Picks.h"
#include "support/ModelBuilders.h"
#include "support/ModelFixture.h"

namespace lintavo {
namespace {

// Each compound carries one flag point after its three: the appliers must never move it.
constexpr BuilderPoint FlagPoint{7, 7};

class AdjustTest : public ModelFixture {
 protected:
  static const PntRec& P(Long objNo, Integer k) { return Pnts[Objs[objNo].PointID + k - 1]; }
};

TEST_F(AdjustTest, EqualScalesKeepACircleACircle) {
  const Long c = AddCircle(1, 1, 1);
  SetAdjustTransform(0, 0, 3, 3, 0);
  EXPECT_EQ(ScaleObj(c), c);
  EXPECT_EQ(ObjCount, c);
  EXPECT_EQ(Objs[c].Rtype, EntityCircle);
  EXPECT_DOUBLE_EQ(std::hypot(P(c, 2).X - P(c, 1).X, P(c, 2).Y - P(c, 1).Y), 3);
  EXPECT_DOUBLE_EQ(P(c, 1).X, 3);
}

TEST_F(AdjustTest, UnequalScalesTurnACircleIntoASelectedEllipseAndEraseIt) {
  const Long c = AddCircle(2, 2, 1);
  Dwgs[CurDwg].SelectSet = 4;
  const Long stepBefore = Dwgs[1].UndoStep;
  SetAdjustTransform(2, 2, 1, 2, 0);
  const Long e = ScaleObj(c);
  ASSERT_EQ(e, c + 1);
  EXPECT_EQ(Objs[c].Erased, FlagTrue);
  EXPECT_EQ(Objs[e].Rtype, EntityEllipse);
  EXPECT_EQ(Objs[e].NPoints, 4);
  EXPECT_EQ(Objs[e].Selected, FlagTrue);
  EXPECT_EQ(Objs[e].Select, 4);  // counted in the set it replaces its circle in
  EXPECT_EQ(Dwgs[1].UndoStep, stepBefore + 2);  // one add, one erase
  const Double expected[4][2] = {{1, 2}, {3, 2}, {2, 4}, {2, 0}};  // left, right, upper, lower
  for (Integer k = 1; k <= 4; ++k) {
    EXPECT_NEAR(P(e, k).X, expected[k - 1][0], 1e-6) << k;
    EXPECT_NEAR(P(e, k).Y, expected[k - 1][1], 1e-6) << k;
    EXPECT_EQ(P(e, k).ObjNo, e);
  }
  EXPECT_EQ(P(c, 2).X, 3);  // the erased circle keeps its points
}

TEST_F(AdjustTest, CompoundsTurnTheirStoredRotationOnceRoundTheCircle) {
  const Long text = AddCompound(EntityTextChar, 1, 0, 100, 1, 1, {FlagPoint});
  SetAdjustTransform(0, 0, 1, 1, static_cast<Single>(3 * Pi / 2));
  TransformObj(text);
  EXPECT_NEAR(P(text, 3).X, 10, 1e-3);  // 100 + 270 = 370, one turn off
  EXPECT_NEAR(P(text, 1).Y, -1, 1e-6);
  EXPECT_EQ(P(text, 4).X, 7);  // flags are never moved

  const Long other = AddCompound(EntityTextChar, 1, 0, 300, 1, 1, {FlagPoint});
  SetAdjustTransform(0, 0, 1, 1, static_cast<Single>(Pi / 2));
  ApplyTransformToPoints(other);
  EXPECT_NEAR(P(other, 3).X, 30, 1e-3);
  EXPECT_EQ(P(other, 2).X, 1);  // the scale is left
}

TEST_F(AdjustTest, TheThreeAppliersUnderTheIdentity) {
  const Long a = AddLine(1, 2, 3, 4);
  SetAdjustTransform(5, 6, 1, 1, 0);
  ApplyTransformToPoints(a);  // about the reference point: nothing moves
  EXPECT_EQ(P(a, 1).X, 1);
  EXPECT_EQ(P(a, 2).Y, 4);
  TransformObj(a);  // relative to the reference point: moved by it
  EXPECT_EQ(P(a, 1).X, 6);
  EXPECT_EQ(P(a, 2).Y, 10);
  EXPECT_GE(Dwgs[1].Ymax, 10);  // and the extents widened
}

TEST_F(AdjustTest, CopyObjOffsetCopiesByTypeAndMovesACompoundByItsInsertionPoint) {
  for (Integer type : {EntityDimension, EntityFill, EntityHatch}) {
    const Long o = AddCompound(type, 1, 1, 0, 1, 1, {FlagPoint});
    CopyObjOffset(o, 1, 1);
    EXPECT_EQ(ObjCount, o) << type;  // nothing appended
  }
  const Long text = AddCompound(EntityTextChar, 1, 1, 45, 1, 1, {FlagPoint});
  CopyObjOffset(text, 2, 3);
  ASSERT_EQ(ObjCount, text + 1);
  EXPECT_EQ(P(text + 1, 1).X, 3);
  EXPECT_EQ(P(text + 1, 1).Y, 4);
  EXPECT_EQ(P(text + 1, 2).X, 1);
  EXPECT_EQ(P(text + 1, 3).X, 45);
  EXPECT_EQ(P(text + 1, 4).X, 7);
  const Long line = AddLine(0, 0, 1, 1);
  CopyObjOffset(line, 0, 0);
  EXPECT_EQ(P(line + 1, 2).X, 1);  // an exact duplicate
  EXPECT_EQ(Objs[line + 1].Selected, 0);
}

}  // namespace
}  // namespace lintavo
