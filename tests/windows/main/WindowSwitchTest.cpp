// Turning from one drawing window to another: the window turned to shows its
// own drawing whole.
#include <QApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <functional>
#include <tuple>
#include <vector>

#include "app/Setings.h"
#include "support/DialogKeys.h"
#include "support/ModelBuilders.h"
#include "view/DrawingWindowFixture.h"

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
  static void TypeAtFocus(const char* text) {
    for (const QChar c : QString::fromUtf8(text)) {
      QWidget* focused = QApplication::focusWidget();
      ASSERT_NE(focused, nullptr);
      PressKeyIn(focused, c == '\r' ? int(Qt::Key_Return) : int(c.toUpper().unicode()), QString(c));
    }
  }
};

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

}  // namespace
}  // namespace lintavo
