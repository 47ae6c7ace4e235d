// TextFixture: a drawing window at 48 pixels to the unit (EditFixture) with
// the text options of a plain text style: font "Text" from the fonts
// database, height 0.2, aspect 0.75, no auto switches, layer "Text 1".
#pragma once

#include <QApplication>
#include <QTest>
#include <functional>

#include "annotation/TextChars.h"
#include "annotation/Texthand.h"
#include "commands/EditFixture.h"
#include "model/MessageBar.h"
#include "model/ViewCache.h"
#include "support/DialogKeys.h"

namespace lintavo {

class TextFixture : public EditFixture {
 protected:
  void SetUp() override {
    EditFixture::SetUp();
    FontName = "Text";
    TextLayer = "Text 1";
    TextHeight = 0.2F;
    TextAspect = 0.75F;
    TextWidth = 0.15F;
    TextAngle = TextSlant = 0;
    AutoTextSize = AutoTextAngle = 0;
    TextColor = 0;
    TextBackColor = 0xFFFFFF;
    PickTolerance = 0.1F;
  }

  // Place Text at (x, y), then the keys typed.
  void PlaceAt(Double x, Double y, const QString& keys = QString()) {
    DrawingDriver::Choose("mnuInsertText");
    input_->ClickAt(x, y);
    input_->Type(keys);
  }

  // The text characters of the drawing that are not erased, in object order.
  static std::vector<Long> Chars() {
    std::vector<Long> found;
    for (Long i = BaseObjCount + 1; i <= ObjCount; ++i)
      if (Objs[i].DwgNo == CurDwg && Objs[i].Rtype == EntityTextChar && !Objs[i].Erased) found.push_back(i);
    return found;
  }
  // "Text-65@1,1" for each character (those keep takes, when given): its
  // glyph key and origin, rounded to 0.001.
  static std::vector<std::string> Line(const std::function<bool(Long)>& keep = {}) {
    std::vector<std::string> out;
    for (Long i : Chars()) {
      if (keep && !keep(i)) continue;
      char place[64];
      std::snprintf(place, sizeof place, "@%.3f,%.3f", PX(i, 1), PY(i, 1));
      out.push_back(Objs[i].Name + place);
    }
    return out;
  }
  void Key(int key) { input_->PressKey(key); }

  // The main window made the active window, as the person at the screen has
  // it, so that a click gives the keyboard focus to what it clicks.
  void ActivateMainWindow() {
    QWidget* window = doc_->window();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  // One key per character of keys, each sent as the keyboard sends it to the
  // widget that has the keyboard focus: '<', '>' and '^' are the arrows left,
  // right and up, '#' is Delete, '|' Insert, any other character its own key.
  static void PressFocused(const char* keys) {
    for (const char* k = keys; *k; ++k) {
      QWidget* focused = QApplication::focusWidget();
      ASSERT_NE(focused, nullptr);
      const QChar c(static_cast<unsigned char>(*k));
      const int plain = c == '<' ? Qt::Key_Left : c == '>' ? Qt::Key_Right : c == '^' ? Qt::Key_Up
                        : c == '#' ? int{Qt::Key_Delete} : c == '|' ? int{Qt::Key_Insert} : 0;
      const int key = c == '\r' ? int{Qt::Key_Return} : c == '\b' ? int{Qt::Key_Backspace} : c.toUpper().unicode();
      PressKeyIn(focused, plain ? plain : key, plain ? QString() : QString(c));
    }
  }
};

}  // namespace lintavo
