// OptionDialogFixture: a main window with drawing window 1 open and every
// option type at its built-in defaults, for the tests of the option dialogs
// shown from the Options menu.
#pragma once

#include <functional>
#include <utility>

#include "app/Setings.h"
#include "view/ViewFixture.h"

namespace lintavo {

template <class Dialog>
class OptionDialogFixture : public ViewFixture {
 protected:
  explicit OptionDialogFixture(const char* menu) : menu_(menu) {}

  void SetUp() override {
    ViewFixture::SetUp();
    for (Integer t = SettingDrawing; t <= SettingFills; ++t) SetBuiltInDefaults(t);
    doc_ = Open(1, "New Drawing");
  }
  // The dialog's menu item with the dialog worked by operate, then closed by
  // its EXIT button unless operate closed it.
  void Options(std::function<void(Dialog&)> operate) {
    Responder().template OnDialog<Dialog>(std::move(operate), &Dialog::cmdClose);
    main_->MenuItem(menu_)->trigger();
  }

  FixedDpiDocument* doc_ = nullptr;

 private:
  const char* menu_;  // the Options menu item that shows the dialog
};

}  // namespace lintavo
