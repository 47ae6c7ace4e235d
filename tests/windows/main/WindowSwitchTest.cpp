// Turning from one drawing window to another: a command under way ends in
// its own window as Esc would end it there and takes nothing from the other;
// the window turned to shows its own drawing whole; after a command every
// window equals a fresh redraw.
#include <QApplication>
#include <QCheckBox>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <tuple>
#include <vector>

#include "app/Setings.h"
#include "support/DialogKeys.h"
#include "support/ModelBuilders.h"
#include "view/DrawingWindowFixture.h"
#include "windows/options/frmDwgOptions.h"

namespace lintavo {
namespace {

// Drawing windows with every option at its built-in default, the main window
// active, so that the keyboard reaches the focused widget.
class SwitchFixture : public DrawingWindowFixture {
 protected:
  void SetUp() override {
    DrawingWindowFixture::SetUp();
    for (Integer t = SettingDrawing; t <= SettingFills; ++t) SetBuiltInDefaults(t);
    main_->ShowOptionChecks();  // the option items' check marks follow, as at start-up
    main_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main_.get()));
  }
  // The window at scale pixels to the unit with a long line, a short one
  // across its end, a circle and an arc, drawn.
  static FixedDpiDocument* WithDrawing(FixedDpiDocument* window, Double scale = 48) {
    ShowAtScale(window, scale, scale / 2);
    AddLine(0.5, 1, 6, 1);
    AddLine(1, 0.5, 1, 5);
    AddCircle(4, 3.5, 1);
    AddArc(2.5, 3, 1, 0, 90, 180);
    RefreshDocView(window);
    return window;
  }
  // Through the Window menu's list of the open windows, numbered in the order they opened.
  void ChooseWindow(frmDocument* window) {
    auto* menu = main_->menuBar()->findChild<QMenu*>("mnuWindow");
    emit menu->aboutToShow();
    const int number = main_->MdiArea()->subWindowList().indexOf(window->parentWidget()) + 1;
    for (QAction* entry : menu->actions())
      if (entry->isCheckable() && entry->text().startsWith(QString("&%1 ").arg(number))) return entry->trigger();
    ADD_FAILURE() << "no Window menu entry for window " << number;
  }
  // A click as the window system delivers it, which gives the window the focus.
  static void Click(frmDocument* window, BuilderPoint p) {
    QTest::mouseClick(window, Qt::LeftButton, {}, DrawingDriver(*window).PositionOf(p.first, p.second).toPoint());
  }
};

// ---- A command begun in one window, the user turning to another ------------------------

constexpr BuilderPoint OnCircle{5, 3.5};
constexpr BuilderPoint OnArc{2.5, 4};
constexpr BuilderPoint Corner{1.5, 1.5};

// A command (menu item or tool-bar button) with its first input in its window.
struct Begun {
  const char* start;
  std::vector<BuilderPoint> clicks = {{3, 1}};  // on the long line
  const char* typed = "";
  bool selectAll = false;  // both drawings selected whole first
};

const Begun Commands[] = {
    {"mnuDrawPoint"}, {"mnuDrawLineSingle"}, {"mnuDrawLineDouble"}, {"mnuDrawLineThick"},
    {"mnuDrawLineConstruction"}, {"Line4"}, {"mnuDrawShapeRectangle2"}, {"mnuDrawShapeRectangle3"},
    {"mnuDrawShapeTrapazoid"}, {"mnuDrawShapePolygon"}, {"mnuDrawShapeIllreg"}, {"mnuDrawCircle2a"},
    {"mnuDrawCircle2b"}, {"mnuDrawCircle3"}, {"mnuDrawArc2"}, {"mnuDrawArc3"}, {"mnuDrawArc4"},
    {"mnuDrawEllipse2"}, {"mnuDrawEllipse3"}, {"mnuDrawEllipse4"}, {"mnuDrawEllipseArc"},
    {"mnuDrawCurveSpline"}, {"mnuDrawCurveBezier"}, {"mnuDrawCurveBezier2"},
    {"mnuInsertText", {Corner}, "A"}, {"mnuInsertTextBox", {{1.5, 4}}}, {"mnuInsertTextPath"},
    {"mnuInsertLinearDim"}, {"mnuInsertLeaderDim"}, {"mnuInsertAngularDim"}, {"mnuInsertRadiusDim", {OnCircle}},
    {"mnuInsertArcDim", {OnArc}}, {"mnuViewAreasWindow", {{0.2, 0.2}}}, {"mnuViewAreasPoints"},
    {"mnuViewAreasLines"}, {"mnuEditCopys", {{3, 1}}, "", true}, {"mnuEditMove", {{3, 1}}, "", true},
    {"mnuEditRotate", {{3, 1}}, "", true}, {"mnuEditMirror", {{3, 1}}, "", true},
    {"mnuEditRescale", {{3, 1}}, "", true}, {"mnuEditRcopy", {{3, 1}}, "", true},
    {"mnuEditPcopy", {{3, 1}}, "", true}, {"Move", {}, "", true},  // the grip frame
    {"mnuTrimsTrim"}, {"mnuTrimsExtend"}, {"mnuTrimsCorner"}, {"mnuTrimsChamfer"}, {"mnuTrimsFIllet"},
    {"mnuTrimsBreak"}, {"mnuTrimsMP", {{6, 1}}}, {"mnuControlsMeasureDistance"}, {"mnuControlsMeasureArea"},
    {"mnuControlsMeasureAngle"}, {"mnuControlsMeasureRadius", {OnCircle}}, {"mnuControlsMeasureArc", {OnArc}},
    {"mnuSnapsNear"}, {"mnuSnapsClose"}, {"mnuSnapsLine"}, {"mnuSnapsMiddle"}, {"mnuSnapsInter"},
    {"mnuSnapsPerp"}, {"mnuSnapsPara"}, {"mnuSnapsCenter", {OnCircle}}, {"mnuSnapsTangent", {OnCircle}},
    {"mnuViewZoomWindow", {Corner}}, {"mnuSelectWindow", {Corner}}, {"mnuSelectItems"},
};

// Three pairs of windows of the same drawing: Esc ends the command in the
// first pair; in the others the user turns to the pair's second window,
// through the Window menu or by a click on it.
class WindowSwitchTest : public SwitchFixture, public ::testing::WithParamInterface<Begun> {
 protected:
  using Pair = std::pair<FixedDpiDocument*, FixedDpiDocument*>;
  void SetUp() override {
    SwitchFixture::SetUp();
    AddLine(0, 0, 1, 1);  // the very first entity takes a layer of its own: drawing 1 takes no part
    for (Long id : {2, 4, 6}) {
      FixedDpiDocument* first = WithDrawing(Open(id));
      pairs_.emplace_back(first, WithDrawing(Open(id + 1)));
    }
  }
  // The command started in the pair's first window with its first input.
  void Begin(const Pair& pair) {
    const Begun& command = GetParam();
    for (frmDocument* window : {pair.second, pair.first}) {
      ChooseWindow(window);
      if (command.selectAll) DrawingDriver::Choose("mnuSelectAll");
    }
    const QString start = command.start;
    start.startsWith("mnu") ? DrawingDriver::Choose(start) : DrawingDriver::PressButton(start);
    DrawingDriver(*pair.first).ClickEach(command.clicks);
    TypeAtFocus(command.typed);
  }
  // Clicks on the entities of the window turned to and typed values, enough
  // to finish any command.
  void WorkIn(frmDocument* window) {
    Click(window, {4.5, 1});
    EXPECT_EQ(main_->ActiveChild(), window);
    TypeAtFocus("2\r");
    Click(window, {1, 3});
    Click(window, OnCircle);
    TypeAtFocus("2\r");
  }
  // What a window holds and shows: its drawing's live entities, their
  // selection, its items and its world window.
  static auto Held(const frmDocument* window) {
    std::vector<Integer> selected;
    std::vector<String> items;
    for (Long i = 1; i <= ObjCount; ++i)
      if (Objs[i].DwgNo == window->ID && !Objs[i].Erased) selected.push_back(Objs[i].Selected);
    for (Long i = 1; i <= ItemCount; ++i)
      if (Items[i].DwgNo == window->ID && Items[i].Rtype != 0) items.push_back(Items[i].Name);
    return std::tuple(LiveShapes(static_cast<Integer>(window->ID)), selected, items, window->XVmin, window->YVmin,
                      window->XVmax, window->YVmax);
  }

  std::vector<Pair> pairs_;  // Esc, the Window menu, a click
};

TEST_P(WindowSwitchTest, TheCommandEndsInItsOwnWindowAsEscWouldAndTakesNothingFromTheOther) {
  Begin(pairs_[0]);
  DrawingDriver(*pairs_[0].first).Escape();
  for (const bool byClick : {false, true}) {
    SCOPED_TRACE(byClick ? "by a click on the other window" : "through the Window menu");
    const auto& [first, second] = pairs_[byClick ? 2 : 1];
    Begin({first, second});
    if (!byClick) ChooseWindow(second);
    WorkIn(second);
    EXPECT_EQ(Held(first), Held(pairs_[0].first));
    EXPECT_EQ(Held(second), Held(pairs_[0].second));
    EXPECT_TRUE(EqualsFreshRedraw(first));
    EXPECT_TRUE(EqualsFreshRedraw(second));
  }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, WindowSwitchTest, ::testing::ValuesIn(Commands),
                         [](const ::testing::TestParamInfo<Begun>& info) {
                           return QString(info.param.start).remove("mnu").toStdString();
                         });

// ---- Two drawings side by side --------------------------------------------------------------

// Drawing 1 at 48 pixels to the unit; drawing 2 at 24 on a layer named
// "Walls", its window the active one.
class TwoWindowsTest : public SwitchFixture {
 protected:
  void SetUp() override {
    SwitchFixture::SetUp();
    WithDrawing(doc_);
    second_ = Open(2);
    Items[second_->Current_Layer].Name = "Walls";
    WithDrawing(second_, 24);
    DrawingDriver::Choose("mnuWindowTileVertical");
  }
  void Maximise(frmDocument* window) { qobject_cast<QMdiSubWindow*>(window->parentWidget())->showMaximized(); }

  FixedDpiDocument* second_ = nullptr;
};

// Ways of turning to window 1: after each the active window shows its drawing
// whole at its size and the status bar its zoom and layer, as a fresh redraw
// of it shows them, and the window left equals a fresh redraw.
TEST_F(TwoWindowsTest, TheWindowTurnedToShowsItsOwnDrawingWholeAndTheOtherAFreshRedraw) {
  const std::vector<std::pair<const char*, std::function<void()>>> turns = {
      {"through the Window menu", [&] { ChooseWindow(doc_); }},
      {"by a click", [&] { Click(doc_, {2, 2}); }},
      {"maximised, through the Window menu",
       [&] {
         Maximise(doc_);
         ChooseWindow(second_);
         ChooseWindow(doc_);
       }},
  };
  for (const auto& [name, turn] : turns) {
    SCOPED_TRACE(name);
    ChooseWindow(second_);
    turn();
    ASSERT_EQ(main_->ActiveChild(), doc_);
    EXPECT_EQ(doc_->Image().size(), doc_->size());
    const QImage picture = doc_->Image().copy();
    const auto readOut = std::pair(StatusPanel(1), StatusPanel(2));
    EXPECT_TRUE(EqualsFreshRedraw(doc_));
    EXPECT_EQ(readOut, std::pair(StatusPanel(1), StatusPanel(2)));
    EXPECT_TRUE(EqualsFreshRedraw(second_));
  }
}

// Ways of turning from window 2, where a command has just left its message
// and the pointer its place: the window turned to shows its own pointer
// place (none while the pointer never crossed it) and no message of window 2.
TEST_F(TwoWindowsTest, TheWindowTurnedToShowsItsOwnReadOutAndNoMessageOfTheOther) {
  using ReadOut = std::pair<String, String>;  // status panels 5 and 6: X and Y
  ChooseWindow(doc_);
  DrawingDriver(*doc_).MoveTo(2, 1.5);
  const ReadOut ownPlace{StatusPanel(5), StatusPanel(6)};
  const std::vector<std::tuple<const char*, std::function<void()>, ReadOut>> turns = {
      {"back to window 1 through the Window menu", [&] { ChooseWindow(doc_); }, ownPlace},
      {"to a new drawing window", [] { DrawingDriver::Choose("mnuFileNew"); }, ReadOut{"", ""}},
  };
  for (const auto& [name, turn, readOut] : turns) {
    SCOPED_TRACE(name);
    ChooseWindow(second_);
    DrawingDriver::Choose("mnuSelectAll");
    DrawingDriver::Choose("mnuEditCompCreate");
    DrawingDriver(*second_).ClickAt(3, 2);
    ASSERT_EQ(MessagePanel(2), "Component Created!");
    ASSERT_NE(ReadOut(StatusPanel(5), StatusPanel(6)), ownPlace);
    turn();
    EXPECT_EQ(ReadOut(StatusPanel(5), StatusPanel(6)), readOut);
    for (int panel : {1, 2, 3}) EXPECT_EQ(MessagePanel(panel), "") << "message panel " << panel;
  }
}

// Commands in window 1, in turn, after which the other window must follow
// too: each changes what a fresh redraw of either window shows.
TEST_F(TwoWindowsTest, AfterTheCommandEveryWindowEqualsAFreshRedraw) {
  const std::vector<std::pair<const char*, std::function<void()>>> commands = {
      {"the grid display switched on", [] { DrawingDriver::Choose("mnuDisplayGrid"); }},
      {"the grid display switched off", [] { DrawingDriver::Choose("mnuDisplayGrid"); }},
      {"snap to grid in the drawing options",
       [&] {
         Responder().OnDialog<frmDwgOptions>([](frmDwgOptions& d) { d.Check1->click(); }, &frmDwgOptions::cmdClose);
         DrawingDriver::Choose("mnuOptionsDrawing");
       }},
      {"grid snap switched off", [] { DrawingDriver::Choose("mnuControlsSnapsGrid"); }},
      {"grid snap switched on", [] { DrawingDriver::Choose("mnuControlsSnapsGrid"); }},
      {"ortho snap switched on, which switches grid snap off",
       [] { DrawingDriver::Choose("mnuControlsSnapsOrtho"); }},
      {"the ruler display switched on", [] { DrawingDriver::Choose("mnuDisplayRuler"); }},
      {"dimensions hidden where each window has one",
       [&] {
         for (FixedDpiDocument* window : {second_, doc_}) {
           ChooseWindow(window);
           DrawingDriver::Choose("mnuInsertLeaderDim");
           DrawingDriver(*window).ClickEach({{2, 3}, {3, 4}});
           DrawingDriver(*window).Escape();
         }
         DrawingDriver::Choose("mnuDisplayDims");
       }},
      {"dimensions shown again", [] { DrawingDriver::Choose("mnuDisplayDims"); }},
      {"a line left for the corner trim",
       [&] {
         DrawingDriver::Choose("mnuDrawLineSingle");
         DrawingDriver(*doc_).ClickAt(3, 2);
         DrawingDriver::Choose("mnuTrimsCorner");
       }},
  };
  for (const auto& [name, command] : commands) {
    SCOPED_TRACE(name);
    ChooseWindow(doc_);
    command();
    EXPECT_TRUE(EqualsFreshRedraw(second_));
    EXPECT_TRUE(EqualsFreshRedraw(doc_));
  }
}

}  // namespace
}  // namespace lintavo
