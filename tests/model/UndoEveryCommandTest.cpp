// Undo then Redo after every kind of command, chosen from the menus and tool
// bars and fed by clicks, typed entries and dialogs in a drawing window: the
// whole drawing (every entity with its points, flags, layer and owner, every
// item, and the component definitions) is after the Redo what it was before
// the Undo, and the Undo presses that take a command back give back the
// drawing before it.
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/EveryKindFixture.h"
#include "commands/GripFrame.h"
#include "commands/Trims.h"
#include "storage/TestDatabase.h"
#include "support/DrawingSnapshot.h"
#include "windows/edit/frmLineType.h"
#include "windows/insert/frmCompSelect.h"

namespace lintavo {
namespace {

class UndoEveryCommandTest;
using Fixture = UndoEveryCommandTest;

// What stands before the command, besides the drawing of MakeDrawing.
enum class Before { Nothing, SelectedT, SelectingT, ErasedT, HiddenT, BrokenT, Area, Component, Placement };

// One kind of command: its preliminaries (run), then its menu item or
// tool-bar button with its clicks and typed entries (each ended by Enter).
struct CommandRow {
  const char* name;
  int undos;  // Undo presses that take the command back; 0: it makes no step of its own
              //   (in place, or its entities leave the drawing): one Undo takes T's back
  Before before;
  const char* item;  // nullptr: run does it all
  std::vector<std::pair<Double, Double>> clicks = {};
  std::vector<const char*> typed = {};
  void (*run)(Fixture&) = nullptr;
};

void PrintTo(const CommandRow& row, std::ostream* out) { *out << row.name; }

class UndoEveryCommandTest : public EveryKindFixture, public testing::WithParamInterface<CommandRow> {
 public:
  static std::vector<CommandRow> Rows();

 protected:
  void SetUp() override {
    EveryKindFixture::SetUp();
    DwgDbPath = ScratchPath("Undo_dwg.mdb");  // Create stores its component there
    CreateEmptyDrawingsDb(DwgDbPath);
    FilletRadius = ChamferDist1 = ChamferDist2 = 0.5;
    CurFillColor = Yellow;
    CurPatternName = HatchPatterns[1].Name;
    MakeDrawing();
  }
  // A line H (1, 1)-(7, 1) crossed by V (5, 0.5)-(5, 4), a circle about (9,
  // 6), a quarter arc about (9, 2), a path (1, 7.5)-(7, 7.5), and last T (1,
  // 3)-(3, 3), which most rows work on: after an in-place command the first
  // Undo takes T's own step back.
  void MakeDrawing() {
    AddLine(1, 1, 7, 1);
    AddLine(5, 0.5, 5, 4);
    AddCircle(9, 6, 1);
    AddArc(9, 2, 1, 0, 45, 90);
    AddLine(1, 7.5, 7, 7.5);
    AddLine(1, 3, 3, 3);
    RefreshDocView(doc_);
  }
  void Command(const char* item, const std::vector<std::pair<Double, Double>>& clicks = {},
               const std::vector<const char*>& typed = {}) {
    if (QString(item).startsWith("mnu"))
      DrawingDriver::Choose(item);
    else
      DrawingDriver::PressButton(item);
    input_->ClickEach(clicks);
    for (const char* text : typed) {
      input_->Type(QString::fromLatin1(text));
      input_->Enter();
    }
  }
  void Prepare(Before before) {
    switch (before) {
      case Before::Nothing: return;
      case Before::SelectingT: return Command("mnuSelectWindow", {{0.5, 2.5}, {3.5, 3.5}});
      case Before::Area: return Command("mnuViewAreasWindow", {{1, 4.5}, {4, 6.5}});
      case Before::BrokenT: Command("mnuTrimsBreak", {{2.5, 3}, {1.5, 3}, {2, 3}}); break;
      default: break;
    }
    SelectWindow(0.5, 2.5, 3.5, 3.5);
    switch (before) {
      case Before::ErasedT: Command("mnuEditErase"); break;
      case Before::HiddenT: Command("mnuEditHide"); break;
      case Before::Component: Command("mnuEditCompCreate", {{1, 3}}); break;  // stored in DwgDbPath
      case Before::Placement: Command("mnuEditCompReplace"); break;
      default: return;
    }
    input_->Escape();
    DrawingDriver::Choose("mnuSelectClr");
  }
  // The line style dialog worked by operate, then OK, at the next Style.
  void OnStyle(void (*operate)(frmLineType&)) { Responder().OnDialog<frmLineType>(operate, &frmLineType::OKButton); }
  // The component chooser's first row chosen with OK when it is next shown.
  void OnComponentChooser() {
    Responder().OnDialog<frmCompSelect>([](frmCompSelect& dialog) {
      ClickRow(dialog.List1, 0);
      dialog.cmdOK->click();
    });
  }
  // Modify Selected, and the grip frame's left edge dragged half a unit right.
  void DragGripFrame() {
    DrawingDriver::PressButton("Move");
    const Single x = WorkGrips[1].X - 2, y = (WorkGrips[1].Y + WorkGrips[8].Y) / 2;
    input_->PressAt(input_->PositionOfPixel(x, y));
    input_->MoveToPosition(input_->PositionOfPixel(x + 16, y), Qt::LeftButton);
    input_->ReleaseAt(input_->PositionOfPixel(x + 16, y));
  }
  // Drawing 1 and the component definitions, which belong to no drawing.
  static std::vector<std::string> WholeDrawing() {
    std::vector<std::string> lines = DrawingSnapshot(1), definitions = DrawingSnapshot(0);
    lines.insert(lines.end(), definitions.begin(), definitions.end());
    return lines;
  }
  static void Press(const char* item, int times) {
    for (int k = 0; k < times; ++k) DrawingDriver::Choose(item);
  }
};

std::vector<CommandRow> UndoEveryCommandTest::Rows() {
  using B = Before;
  const Double arcX = 9 + std::cos(Pi / 4), arcY = 2 + std::sin(Pi / 4);
  return {
      // ---- Drawing ----
      {"Point", 1, B::Nothing, "mnuDrawPoint", {{2, 5}}},
      {"SingleLine", 1, B::Nothing, "mnuDrawLineSingle", {{1, 5}, {3, 6}}},
      {"DoubleLine", 1, B::Nothing, "mnuDrawLineDouble", {{1, 5}, {3, 5}}},
      {"SolidLine", 1, B::Nothing, "mnuDrawLineThick", {{1, 5}, {3, 5}}},
      {"ConstructionLine", 1, B::Nothing, "mnuDrawLineConstruction", {{1, 5}, {1, 6}}},
      {"ContinuousLine", 1, B::Nothing, "Line4", {{1, 5}, {3, 5}, {3, 6}}},
      {"Rectangle2", 1, B::Nothing, "mnuDrawShapeRectangle2", {{1, 5}, {3, 6}}},
      {"Rectangle3", 1, B::Nothing, "mnuDrawShapeRectangle3", {{1, 5}, {3, 5}, {2, 6}}},
      {"Trapezoid", 1, B::Nothing, "mnuDrawShapeTrapazoid", {{1, 5}, {3, 5}, {3.5, 6}}},
      {"RegularPolygon", 1, B::Nothing, "mnuDrawShapePolygon", {{2, 5.5}, {3, 5.5}, {2, 6.5}}},
      {"IrregularPolygon", 1, B::Nothing, "mnuDrawShapeIllreg", {{1, 5}, {3, 5}, {3, 6}, {1, 6}, {1, 5}}},
      {"CircleByRadius", 1, B::Nothing, "mnuDrawCircle2a", {{2, 5.5}, {2.8, 5.5}}},
      {"CircleByDiameter", 1, B::Nothing, "mnuDrawCircle2b", {{1.5, 5.5}, {3, 5.5}}},
      {"CircleBy3Points", 1, B::Nothing, "mnuDrawCircle3", {{3, 5.5}, {2, 6.5}, {1, 5.5}}},
      {"ArcByCentre", 1, B::Nothing, "mnuDrawArc2", {{2, 5}, {3, 5}, {2, 6}}},
      {"ArcStartMiddleEnd", 1, B::Nothing, "mnuDrawArc3", {{3, 5}, {2, 6}, {1, 5}}},
      {"ArcStartEndMiddle", 1, B::Nothing, "mnuDrawArc4", {{1, 5.5}, {3, 5.5}, {2, 4.5}}},
      {"Ellipse2", 1, B::Nothing, "mnuDrawEllipse2", {{1, 5}, {3, 6}}},
      {"Ellipse3", 1, B::Nothing, "mnuDrawEllipse3", {{2, 5.5}, {3, 5.5}, {2.5, 6}}},
      {"Ellipse4", 1, B::Nothing, "mnuDrawEllipse4", {{1, 5.5}, {3, 5.5}, {2, 6}}},
      {"EllipticalArc", 1, B::Nothing, "mnuDrawEllipseArc", {{1, 5}, {3, 6}, {3, 5.75}, {1.5, 6}}},
      {"Spline", 1, B::Nothing, "mnuDrawCurveSpline", {{1, 5}, {2, 6}, {3, 5}, {4, 6}}},
      {"Bezier", 1, B::Nothing, "mnuDrawCurveBezier2", {{1, 5}, {3, 5}, {3, 6}}},
      {"ContinuousBezier", 1, B::Nothing, "mnuDrawCurveBezier", {{1, 5}, {3, 5}, {3, 6}}},
      // ---- Annotation: a step per letter and per part of a dimension ----
      {"Text", 2, B::Nothing, nullptr, {}, {}, [](Fixture& t) { t.PlaceAt(1, 5, "Ab"); }},
      {"LinearDimension", 10, B::Nothing, "mnuInsertLinearDim", {{1, 5}, {3, 5}, {2, 5.5}}},
      {"AngularDimension", 11, B::Nothing, "mnuInsertAngularDim", {{10, 6}, {10, 6}, {9, 7}, {9.6, 6.6}}},
      {"RadiusDimension", 7, B::Nothing, "mnuInsertRadiusDim", {{10, 6}, {9.2, 6}}},
      {"ArcDimension", 7, B::Nothing, "mnuInsertArcDim", {{arcX, arcY}, {10, 2.95}}},
      {"LeaderDimension", 4, B::Nothing, "mnuInsertLeaderDim", {{1, 5}, {1.5, 6}}},
      {"Area", 1, B::Nothing, "mnuViewAreasWindow", {{1, 4.5}, {4, 6.5}}},
      {"AreaFill", 1, B::Area, "mnuInsertFill", {}, {}, [](Fixture& t) { t.ChooseLastRow(); }},
      {"AreaHatch", 1, B::Area, "mnuInsertHatch", {}, {}, [](Fixture& t) { t.ChooseLastRow(); }},
      // ---- Edits of T ----
      {"Erase", 1, B::SelectedT, "mnuEditErase"},
      {"UnErase", 0, B::ErasedT, "mnuEditUnErase"},
      {"Move", 0, B::SelectedT, "mnuEditMove", {{1, 3}, {2, 4}}},
      {"Copy", 1, B::SelectedT, "mnuEditCopys", {{1, 3}, {1, 4}}},
      {"Rotate", 0, B::SelectedT, "mnuEditRotate", {{1, 3}, {1, 4}}},
      {"Mirror", 1, B::SelectedT, "mnuEditMirror", {{1, 3}, {1, 4}}},
      {"Rescale", 0, B::SelectedT, "mnuEditRescale", {{1, 3}}, {"2", "3"}},
      {"RadialCopy", 2, B::SelectedT, "mnuEditRcopy", {{1, 3}, {2, 2}}, {"90", "2"}},
      {"PathCopy", 3, B::SelectedT, "mnuEditPcopy", {{1, 3}, {4, 7.5}, {4, 8}}, {"3"}},
      {"Hide", 0, B::SelectedT, "mnuEditHide"},
      {"Show", 0, B::HiddenT, "mnuEditShow"},
      {"Colour", 0, B::SelectingT, "Line Color", {}, {}, [](Fixture& t) { t.Responder().AnswerColor(0x00FF00); }},
      {"LineType", 0, B::SelectingT, "Style", {}, {}, [](Fixture& t) { t.OnStyle([](frmLineType& d) { d.Option1[2]->click(); }); }},
      {"Weight", 0, B::SelectingT, "Style", {}, {}, [](Fixture& t) { t.OnStyle([](frmLineType& d) { d.Option2[3]->click(); }); }},
      {"Layer", 0, B::SelectedT, "Layers", {}, {},
       [](Fixture& t) {
         DrawingDriver::Choose("mnuViewLayer");
         t.Responder().AnswerMsgBox(vbYes);  // T goes onto the layer chosen
         t.ChooseLastRow();
       }},
      {"Paste", 1, B::SelectedT, "mnuEditPaste", {{1, 5}}, {}, [](Fixture& t) { t.Command("mnuEditcopy", {{1, 3}}); }},
      {"GripFrameMove", 0, B::SelectedT, nullptr, {}, {}, [](Fixture& t) { t.DragGripFrame(); }},
      // ---- Trims and modify ----
      {"Trim", 2, B::Nothing, "mnuTrimsTrim", {{6, 1}, {5, 2}}},
      {"Extend", 2, B::Nothing, "mnuTrimsExtend", {{1.5, 3}, {5, 3.5}}},
      {"CornerTrim", 4, B::Nothing, "mnuTrimsCorner", {{2, 1}, {5, 3}}},
      {"Fillet", 5, B::Nothing, "mnuTrimsFIllet", {{2, 1}, {5, 3}}},
      {"Chamfer", 5, B::Nothing, "mnuTrimsChamfer", {{2, 1}, {5, 3}}},
      {"Break", 1, B::Nothing, "mnuTrimsBreak", {{2.5, 3}, {1.5, 3}, {2, 3}}},
      {"MoveAfterBreak", 0, B::BrokenT, "mnuEditMove", {{1, 3}, {2, 4}}},  // the kept piece moved again
      {"MovePoint", 0, B::Nothing, "mnuTrimsMP", {{3, 3}, {3, 3}, {3.5, 3.5}}},
      // ---- Organisation ----
      {"Group", 0, B::SelectedT, nullptr, {}, {}, [](Fixture& t) { t.GroupTheSelection(); }},
      {"View", 0, B::Nothing, "mnuViewView", {}, {}, [](Fixture& t) { t.ChooseLastRow(); }},
      {"NewLayer", 0, B::Nothing, "mnuViewLayer"},
      {"ComponentCreate", 0, B::SelectedT, "mnuEditCompCreate", {{1, 3}}},
      {"ComponentMakeInto", 2, B::SelectedT, "mnuEditCompReplace"},  // the placement, then T's erase
      {"ComponentPlace", 1, B::Component, "mnuInsertCompplace", {{2, 5}}, {},
       [](Fixture& t) { t.OnComponentChooser(); }},
      {"ComponentImage", 3, B::Component, "mnuInsertCompImage", {{2, 5}}, {},
       [](Fixture& t) { t.OnComponentChooser(); }},
      {"ComponentExplode", 2, B::Placement, "mnuEditCompExplode", {{1, 3}}},
  };
}

TEST_P(UndoEveryCommandTest, UndoThenRedoGivesBackTheWholeDrawing) {
  const CommandRow& row = GetParam();
  Prepare(row.before);
  const std::vector<std::string> before = WholeDrawing(), liveBefore = DrawingSnapshot(1, SnapshotOf::LiveEntities);
  if (row.run) row.run(*this);
  if (row.item) Command(row.item, row.clicks, row.typed);
  input_->Escape();  // ends a command that stays on (Erase, Hide, Copy, Place ...)
  const std::vector<std::string> done = WholeDrawing();
  ASSERT_NE(done, before) << "the command changed nothing";
  const int presses = std::max(row.undos, 1);
  Press("mnuEditUndo", presses);
  if (row.undos > 0) EXPECT_EQ(DrawingSnapshot(1, SnapshotOf::LiveEntities), liveBefore) << "undone";
  EXPECT_TRUE(EqualsFreshRedraw());
  Press("mnuEditRedo", presses);
  EXPECT_EQ(WholeDrawing(), done) << "redone";
  EXPECT_TRUE(EqualsFreshRedraw());
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, UndoEveryCommandTest, testing::ValuesIn(UndoEveryCommandTest::Rows()),
                         [](const testing::TestParamInfo<CommandRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lintavo
