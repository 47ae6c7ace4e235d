// EveryKindFixture: the dimension fixture's drawing window framed on a grid
// of cells in world coordinates, and one object of every kind the program
// draws, each alone in its cell. The objects are made through the menus and
// clicks where the program has a command for them (a component placement,
// text, a group, fills and hatches on new areas, dimensions), and straight
// into the model otherwise.
#pragma once

#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <initializer_list>
#include <vector>

#include "annotation/DimensionFixture.h"
#include "annotation/Fills.h"
#include "annotation/Hatches.h"
#include "model/SupportLists.h"
#include "model/UndoRedo.h"
#include "support/ModelBuilders.h"
#include "windows/show/frmItemChooser.h"
#include "storage/LoadData.h"
#include "support/ListClicks.h"
#include "view/DisplayOptions.h"

namespace lintavo {

// The grid: six columns of cells 2 units wide and five rows 1.75 units high
// from the world origin; each object keeps 0.3 units inside its cell.
constexpr Double CellWidth = 2, CellHeight = 1.75;
constexpr Long Yellow = 0x00FFFF, Red = 0x0000FF;

struct EveryKindObject {
  const char* name;
  int column, row;
  // Makes the object in the cell whose lower left corner is (x, y).
  std::function<void(Double x, Double y)> make;
};

class EveryKindFixture : public DimensionFixture {
 protected:
  void SetUp() override {
    DimensionFixture::SetUp();
    FrameTheGrid();
    TextHeight = 0.5F;
    TextWidth = 0.375F;
    ShowFills = ShowHatches = FlagTrue;
    if (PatternCount < 1) LoadPatterns();  // the library of the application folder
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
    input_->ClickEach({{x1, y1}, {x2, y2}});
    ChooseLastRow();
    DrawingDriver::Choose(menuItem);
  }
  // A red hatch of the first pattern (diagonal lines 1/8 apart) at scale 1
  // on a new area over the box.
  void HatchNewArea(Double x1, Double y1, Double x2, Double y2) {
    ASSERT_GE(PatternCount, 1);
    CurPatternName = HatchPatterns[1].Name;
    HatchColor = Red;
    HatchScale = 1;
    OnNewArea(x1, y1, x2, y2, "mnuInsertHatch");
    ASSERT_EQ(Objs[ObjCount].Rtype, EntityHatch);
  }

  std::vector<EveryKindObject> EveryKind() {
    return {
        {"point", 0, 4, [](Double x, Double y) { AddEntity(EntityPoint, {{x + 1, y + 0.9}}); }},
        {"line", 1, 4, [](Double x, Double y) { AddLine(x + 0.3, y + 0.3, x + 1.7, y + 1.45); }},
        {"wide line", 2, 4,
         [](Double x, Double y) { Objs[AddLine(x + 0.4, y + 0.9, x + 1.6, y + 0.9)].Width = 0.3F; }},
        {"heavy line", 3, 4,
         [](Double x, Double y) { Objs[AddLine(x + 0.3, y + 0.9, x + 1.7, y + 0.9)].Weight = 3; }},
        {"polyline", 4, 4,
         [](Double x, Double y) {
           AddEntity(EntityPolyline, {{x + 0.3, y + 0.3}, {x + 0.8, y + 1.45}, {x + 1.2, y + 0.3}, {x + 1.7, y + 1.45}});
         }},
        {"rectangle", 5, 4,
         [this](Double x, Double y) {
           DrawingDriver::Choose("mnuDrawShapeRectangle2");
           input_->ClickEach({{x + 0.3, y + 0.3}, {x + 1.7, y + 1.45}});
           input_->Escape();
         }},
        {"polygon", 0, 3,
         [](Double x, Double y) {
           AddEntity(EntityPolygon, {{x + 0.6, y + 0.3}, {x + 1.4, y + 0.3}, {x + 1.7, y + 0.9}, {x + 1.4, y + 1.45},
                                     {x + 0.6, y + 1.45}, {x + 0.3, y + 0.9}, {x + 0.6, y + 0.3}});
         }},
        {"circle", 1, 3, [](Double x, Double y) { AddCircle(x + 1, y + 0.875, 0.55); }},
        {"arc", 2, 3, [](Double x, Double y) { AddArc(x + 1, y + 0.6, 0.7, 0, 90, 180); }},
        {"elliptic arc", 3, 3,
         [](Double x, Double y) {
           AddEntity(EntityEllipticArc, {{x + 0.3, y + 0.5}, {x + 1.7, y + 0.5}, {x + 1, y + 1.4},
                                         {x + 1, y - 0.4}, {x + 1.7, y + 0.5}, {x + 1, y + 1.4}});
         }},
        {"ellipse", 4, 3,
         [](Double x, Double y) {
           AddEntity(EntityEllipse, {{x + 0.3, y + 0.875}, {x + 1.7, y + 0.875}, {x + 1, y + 1.4}, {x + 1, y + 0.35}});
         }},
        {"spline", 5, 3,
         [](Double x, Double y) {
           AddEntity(EntitySpline, {{x + 0.3, y + 0.4}, {x + 0.8, y + 1.4}, {x + 1.2, y + 0.4}, {x + 1.7, y + 1.4}});
         }},
        {"Bezier", 0, 2,
         [](Double x, Double y) {
           AddEntity(EntityBezier, {{x + 0.3, y + 0.3}, {x + 0.3, y + 1.45}, {x + 1.7, y + 1.45}, {x + 1.7, y + 0.3}});
         }},
        {"continuous Bezier", 1, 2,
         [](Double x, Double y) {
           AddEntity(EntityContBezier, {{x + 0.3, y + 0.9}, {x + 0.5, y + 1.4}, {x + 0.8, y + 1.4}, {x + 1, y + 0.9},
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
        {"hatch", 0, 1, [this](Double x, Double y) { HatchNewArea(x + 0.3, y + 0.3, x + 1.7, y + 1.45); }},
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
  }

  // Makes each object in its cell; each adds at least one entity.
  void MakeEveryKind(const std::vector<EveryKindObject>& kinds) {
    for (const EveryKindObject& kind : kinds) {
      SCOPED_TRACE(kind.name);
      const Long before = ObjCount;
      kind.make(kind.column * CellWidth, kind.row * CellHeight);
      EXPECT_GT(ObjCount, before);
    }
  }
};

}  // namespace lintavo
