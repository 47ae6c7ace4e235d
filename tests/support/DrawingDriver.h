// DrawingDriver: works a drawing window the way a person does. It moves the
// mouse to a world point, clicks or drags there and presses keys, by sending
// the window the same Qt events the pointer and the keyboard deliver, so the
// window's own handlers turn them into snapped points and command input.
//
// World points are placed through the window's view as it stands when the
// event is sent: the mouse position is the view pixel of the point, turned
// into pixels from the top left of the drawing area (not rounded: the
// window rounds as it does for a real mouse).
#pragma once

#include <QEvent>
#include <QPointF>
#include <QString>
#include <utility>
#include <vector>

#include "platform/Types.h"
#include "windows/main/frmDocument.h"

namespace lintavo {

class DrawingDriver {
 public:
  explicit DrawingDriver(frmDocument& window) : window_(window) {}

  // ---- Positions ---------------------------------------------------------------------
  QPointF PositionOf(Double X, Double Y) const;  // mouse position over a world point
  QPointF PositionOfPixel(Single X, Single Y) const;  // mouse position over view pixel (X, Y), Y upward

  // ---- Pointer at world points ---------------------------------------------------------
  void MoveTo(Double X, Double Y, Qt::MouseButtons held = Qt::NoButton);
  void Press(Double X, Double Y, Qt::MouseButton button = Qt::LeftButton);
  void Release(Double X, Double Y, Qt::MouseButton button = Qt::LeftButton);
  // Moves there, then presses and releases the button.
  void ClickAt(Double X, Double Y, Qt::MouseButton button = Qt::LeftButton);
  // A left click at each world point (x, y) in turn.
  void ClickEach(const std::vector<std::pair<Double, Double>>& points);

  // ---- Pointer at mouse positions --------------------------------------------------------
  void MoveToPosition(QPointF position, Qt::MouseButtons held = Qt::NoButton);
  void Leave();  // the pointer leaves the window (for a menu, another window)
  void PressAt(QPointF position, Qt::MouseButton button = Qt::LeftButton);
  void ReleaseAt(QPointF position, Qt::MouseButton button = Qt::LeftButton);

  // ---- Keys ----------------------------------------------------------------------------
  // One key press; text is what the key types ("" for keys that type nothing).
  void PressKey(int key, const QString& text = QString(),
                Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void Type(const QString& text);  // one key press per character
  void Enter();
  void Escape();

  // ---- Menus and tool bars of the main window (MainForm) ---------------------------------
  // Chooses a menu item by its name ("mnuDrawLineSingle"), or presses the
  // button with that key on the first of the four tool bars that has one.
  static void Choose(const QString& menuItem);
  static void PressButton(const QString& key);
  // Types text into the main window's entry box key by key, then Enter: a
  // value entered as the user enters one at a prompt.
  static void EnterInEntryBox(const QString& text);

  // ---- Pointer state of the window -------------------------------------------------------
  Integer KeyStepX() const { return window_.KeyStepX; }
  Integer KeyStepY() const { return window_.KeyStepY; }
  Integer CursorPixX() const { return window_.CursorPixX; }  // view pixels, y upward
  Integer CursorPixY() const { return window_.CursorPixY; }
  Double CursorWorldX() const { return window_.CursorWorldX; }
  Double CursorWorldY() const { return window_.CursorWorldY; }

 private:
  void SendMouse(QEvent::Type type, QPointF position, Qt::MouseButton button,
                 Qt::MouseButtons held);

  frmDocument& window_;
  Qt::MouseButtons held_ = Qt::NoButton;  // buttons pressed and not yet released
};

}  // namespace lintavo
