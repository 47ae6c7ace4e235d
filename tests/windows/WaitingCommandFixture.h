// WaitingCommandFixture: the dimension fixture's window with every option
// type at its built-in defaults, for the tests that take a side trip while
// a command waits and compare the outcome with the same clicks without it.
// Its steps are public, for the rows of those tests' tables to work.
#pragma once

#include <QString>

#include "annotation/DimensionFixture.h"
#include "app/Setings.h"
#include "model/UndoRedo.h"

namespace lintavo {

class WaitingCommandFixture : public DimensionFixture {
 public:
  // A fresh drawing: the rectangle (1, 1)-(5, 4) of four lines and, apart,
  // two lines that do not meet, (5.5, 0.5)-(6.5, 0.5) and (7, 1)-(7, 3).
  void Prepare() {
    input_->Escape();
    ResetModel();
    Activate(doc_);
    ShowWithReach(48, 24);
    AddLine(1, 1, 5, 1);
    AddLine(5, 1, 5, 4);
    AddLine(5, 4, 1, 4);
    AddLine(1, 4, 1, 1);
    AddLine(5.5, 0.5, 6.5, 0.5);
    AddLine(7, 1, 7, 3);
    RefreshDocView(doc_);
  }
  // The menu item, or the button of the first tool bar ("Tools1:Line4"),
  // chosen once the pointer has left the window for it.
  void Choose(const char* control) {
    input_->Leave();
    const QString name = control;
    if (name.startsWith("Tools1:"))
      DrawingDriver::PressButton(name.mid(7));
    else
      DrawingDriver::Choose(name);
  }
  DrawingDriver& Input() { return *input_; }
  String Panel(int panel) const { return MessagePanel(panel); }

 protected:
  void SetUp() override {
    DimensionFixture::SetUp();
    for (Integer type = SettingDrawing; type <= SettingFills; ++type) SetBuiltInDefaults(type);
    UseDecimalInches();
    DimFontName = FontName = "Text";
    DimLetterHeight = 1;
  }
};

}  // namespace lintavo
