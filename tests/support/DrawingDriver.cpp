// DrawingDriver: pointer and key events for a drawing window.
#include "support/DrawingDriver.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolBar>
#include <stdexcept>

#include "windows/main/frmMain.h"
#include "model/Top.h"

namespace lintavo {

QPointF DrawingDriver::PositionOf(Double X, Double Y) const {
  const Double x = X * window_.XVscale + window_.VbaseX;
  const Double y = Y * window_.YVscale + window_.Vbasey;
  return QPointF(x, window_.View_Maxy - y);
}

QPointF DrawingDriver::PositionOfPixel(Single X, Single Y) const { return QPointF(X, window_.View_Maxy - Y); }

// ---- Pointer -----------------------------------------------------------------------------

void DrawingDriver::SendMouse(QEvent::Type type, QPointF position, Qt::MouseButton button,
                              Qt::MouseButtons held) {
  QMouseEvent event(type, position, window_.mapToGlobal(position), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(&window_, &event);
}

void DrawingDriver::MoveToPosition(QPointF position, Qt::MouseButtons held) {
  SendMouse(QEvent::MouseMove, position, Qt::NoButton, held);
}

void DrawingDriver::Leave() {
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(&window_, &leave);
}

void DrawingDriver::PressAt(QPointF position, Qt::MouseButton button) {
  held_ |= button;
  SendMouse(QEvent::MouseButtonPress, position, button, held_);
}

void DrawingDriver::ReleaseAt(QPointF position, Qt::MouseButton button) {
  held_ &= ~Qt::MouseButtons(button);
  SendMouse(QEvent::MouseButtonRelease, position, button, held_);
}

void DrawingDriver::MoveTo(Double X, Double Y, Qt::MouseButtons held) {
  MoveToPosition(PositionOf(X, Y), held);
}

void DrawingDriver::Press(Double X, Double Y, Qt::MouseButton button) {
  PressAt(PositionOf(X, Y), button);
}

void DrawingDriver::Release(Double X, Double Y, Qt::MouseButton button) {
  ReleaseAt(PositionOf(X, Y), button);
}

void DrawingDriver::ClickAt(Double X, Double Y, Qt::MouseButton button) {
  // One position for all three: the command's point must not depend on a
  // view that the move or the press changed.
  const QPointF position = PositionOf(X, Y);
  MoveToPosition(position, held_);
  PressAt(position, button);
  ReleaseAt(position, button);
}

void DrawingDriver::ClickEach(const std::vector<std::pair<Double, Double>>& points) {
  for (const auto& [x, y] : points) ClickAt(x, y);
}

// ---- Keys --------------------------------------------------------------------------------

namespace {

void SendKey(QObject* receiver, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QCoreApplication::sendEvent(receiver, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QCoreApplication::sendEvent(receiver, &release);
}

// Qt names the keys of Latin letters and digits by their upper-case code.
int KeyOf(QChar ch) { return ch.toUpper().unicode(); }

}  // namespace

void DrawingDriver::PressKey(int key, const QString& text, Qt::KeyboardModifiers modifiers) {
  SendKey(&window_, key, text, modifiers);
}

void DrawingDriver::Type(const QString& text) {
  for (const QChar ch : text) PressKey(KeyOf(ch), QString(ch));
}

void DrawingDriver::Enter() { PressKey(Qt::Key_Return, QStringLiteral("\r")); }

void DrawingDriver::Escape() { PressKey(Qt::Key_Escape, QString(QChar(27))); }

// ---- Menus and tool bars ---------------------------------------------------------------

void DrawingDriver::Choose(const QString& menuItem) {
  QAction* item = MainForm ? MainForm->MenuItem(menuItem) : nullptr;
  if (!item) throw std::invalid_argument("no menu item " + menuItem.toStdString());
  item->trigger();
}

void DrawingDriver::EnterInEntryBox(const QString& text) {
  if (!MainForm) throw std::invalid_argument("no main window to enter " + text.toStdString() + " in");
  QLineEdit* box = MainForm->Text3;
  for (const QChar ch : text) SendKey(box, KeyOf(ch), QString(ch), Qt::NoModifier);
  SendKey(box, Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
}

void DrawingDriver::PressButton(const QString& key) {
  if (MainForm)
    for (QToolBar* bar : {MainForm->tbToolBar, MainForm->tbTextbar, MainForm->Toolbar1, MainForm->Toolbar2})
      if (QAction* button = MainForm->BarButton(bar, key)) {
        button->trigger();
        return;
      }
  throw std::invalid_argument("no tool-bar button " + key.toStdString());
}

}  // namespace lintavo
