// The ghost of an entity whose vertex MOVE POINT drags: dotted in
// RubberColor with the not-XOR pen, removed by drawing it again, and the
// pen given back afterwards.
#include <QImage>
#include <cmath>

#include "commands/EditFixture.h"
#include "model/ViewCache.h"
#include "platform/Colors.h"
#include "platform/Numbers.h"
#include "support/ModelBuilders.h"
#include "view/DisplayOptions.h"
#include "view/RubberObject.h"
#include "view/SurfaceDraw.h"

namespace lintavo {
namespace {

class RubberObjectTest : public EditFixture {
 protected:
  // World coordinate of a view pixel (48 pixels to the unit, origin at 24).
  static Double W(Double pixel) { return (pixel - 24) / 48; }
  QRgb At(Double x, Double y) const {
    return doc_->Image().pixel(RoundToLong(x), static_cast<int>(ViewPixMaxY - RoundToLong(y)));
  }
};

TEST_F(RubberObjectTest, ALineGhostIsDottedInRubberColourAndThePenComesBack) {
  const Long line = AddLine(W(10), W(10), W(50), W(30));
  RefreshDocView(doc_);
  CurLineType = 3;
  CurColor = ColorRed;
  LoadRubberObject(line);
  RubberDragPnt = 2;
  DrawRubberObject(110, 10);  // level from (10, 10), clear of the line itself
  int blue = 0, background = 0;
  for (int x = 20; x < 100; ++x) {
    const QRgb pixel = At(x, 10);
    if (pixel == ToQColor(RubberColor).rgb()) ++blue;
    if (pixel == ToQColor(DwgBackColor).rgb()) ++background;
  }
  EXPECT_GT(blue, 5);
  EXPECT_GT(background, 5);  // dotted: gaps between the dots
  EXPECT_EQ(blue + background, 80);
  EXPECT_EQ(doc_->DrawMode, vbCopyPen);
  EXPECT_EQ(doc_->DrawStyle, 3);
  EXPECT_EQ(doc_->ForeColor, ColorRed);
}

TEST_F(RubberObjectTest, EveryTypeLeavesOneImageAndNoneOnceErased) {
  const struct {
    const char* name;
    Integer type;
    std::vector<std::pair<Double, Double>> points;  // view pixels
  } rows[] = {
      {"line", EntityLine, {{40, 40}, {200, 120}}},
      {"circle", EntityCircle, {{150, 150}, {200, 150}}},
      {"arc", EntityArc, {{150, 150}, {200, 150}, {150, 200}, {100, 150}}},
      {"ellipse, 100-pixel axis", EntityEllipse, {{100, 150}, {200, 150}, {150, 180}, {150, 120}}},
      {"spline", EntitySpline, {{40, 40}, {100, 120}, {160, 60}, {240, 140}}},
      {"bezier", EntityBezier, {{40, 40}, {80, 160}, {160, 160}, {240, 40}}},
      {"continuous bezier", EntityContBezier,
       {{40, 40}, {60, 100}, {100, 100}, {120, 40}, {140, 0}, {180, 60}, {200, 60}}},
      {"polyline", EntityPolyline, {{40, 40}, {100, 120}, {160, 60}}},
      {"polygon", EntityPolygon, {{40, 40}, {100, 120}, {160, 60}, {40, 40}}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    AddObj(row.type, static_cast<Integer>(row.points.size()));
    for (const auto& [x, y] : row.points) AddPnt(W(x), W(y));
    const Long obj = ObjCount;
    RefreshDocView(doc_);
    const QImage clean = doc_->Image().copy();
    LoadRubberObject(obj);
    EXPECT_NE(doc_->Image(), clean);  // the unchanged ghost shows at once
    for (Long k = 1; k <= RubberObjCount; ++k) {
      const SinglePoint original = RubberObjPts[static_cast<size_t>(k)];
      RubberDragPnt = k;
      DrawRubberObject(170, 90);
      const QImage once = doc_->Image().copy();
      DrawRubberObject(170, 90);  // a second move to the same place
      EXPECT_EQ(doc_->Image(), once) << "vertex " << k;
      EraseRubberObject();
      EXPECT_EQ(doc_->Image(), clean) << "vertex " << k;
      DrawRubberObject(original.X, original.Y);  // the unchanged ghost again
    }
    EraseRubberObject();
    EXPECT_EQ(doc_->Image(), clean);
    Objs[obj].Erased = FlagTrue;
  }
}

TEST_F(RubberObjectTest, AnEllipseWithA100PixelAxisIsDrawnIn63Pieces) {
  // Axis (100, 150)-(200, 150), the other half-axis 30 pixels; the entity
  // itself hidden, so the surface shows the ghost alone.
  AddEntity(EntityEllipse, {{W(100), W(150)}, {W(200), W(150)}, {W(150), W(180)}, {W(150), W(120)}});
  Objs[ObjCount].Show = 0;
  // The same pieces of 0.1 radian drawn by hand on a fresh surface, in
  // counts around 63: the last piece overlaps the first, so each count
  // leaves a picture of its own.
  const auto pieces = [this](int count) {
    RefreshDocView(doc_);
    SetForeColor(RubberColor);
    SetDrawStyle(2);
    SetDrawMode(vbNotXorPen);
    const auto at = [](Single t) {
      return std::pair<Single, Single>{150 + 50 * std::cos(t), 150 + 30 * std::sin(t)};
    };
    Single t = 0;
    for (int i = 0; i < count; ++i) {
      const auto from = at(t);
      t += 0.1F;
      const auto to = at(t);
      GdiLine(from.first, from.second, to.first, to.second);
    }
    SetDrawMode(vbCopyPen);
    return doc_->Image().copy();
  };
  const QImage by62 = pieces(62), by63 = pieces(63), by64 = pieces(64);
  RefreshDocView(doc_);
  LoadRubberObject(ObjCount);
  EXPECT_EQ(doc_->Image(), by63);
  EXPECT_NE(doc_->Image(), by62);
  EXPECT_NE(doc_->Image(), by64);
}

TEST_F(RubberObjectTest, TheMousePullsTheGhostDuringMovePoint) {
  const Long line = AddLine(1, 1, 4, 2);
  DrawingDriver::Choose("mnuTrimsMP");
  input_->ClickAt(2.5, 1.5);
  input_->ClickAt(4, 2);
  const QImage before = doc_->Image().copy();
  input_->MoveTo(5, 4);
  EXPECT_EQ(RubberDragPnt, 2);
  EXPECT_EQ(RubberObjPts[2].X, input_->CursorPixX());
  EXPECT_NE(doc_->Image(), before);
  input_->Escape();
  EXPECT_EQ(Pnts[Objs[line].PointID + 1].X, 4);
  EXPECT_TRUE(EqualsFreshRedraw());
}

}  // namespace
}  // namespace lintavo
