// OptionDialogFixture: a main window with drawing window 1 open and every
// option type at its built-in defaults, for the tests of the option dialogs
// shown from the Options menu.
#pragma once

#include <functional>
#include <tuple>
#include <utility>
#include <vector>

#include "app/Setings.h"
#include "model/DataHand.h"
#include "model/LayerItems.h"
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

  // The dialog opened and closed once by each of closes; after each, the
  // model's and the drawing's counts are as before, preview mode is off and
  // check, when given, holds.
  void ExpectClosingsLeaveTheModel(const std::vector<std::function<void(Dialog&)>>& closes,
                                   const std::function<void()>& check = {}) {
    for (const auto& close : closes) {
      const auto model = std::make_tuple(PntCount, ObjCount, ItemCount);
      const auto drawing = std::make_tuple(Dwgs[1].Nobjects, Dwgs[1].Nlines, Dwgs[1].Nlayers);
      Options(close);
      EXPECT_EQ(std::make_tuple(PntCount, ObjCount, ItemCount), model);
      EXPECT_EQ(std::make_tuple(Dwgs[1].Nobjects, Dwgs[1].Nlines, Dwgs[1].Nlayers), drawing);
      EXPECT_EQ(PreviewMode, FlagFalse);
      if (check) check();
    }
  }

  FixedDpiDocument* doc_ = nullptr;

 private:
  const char* menu_;  // the Options menu item that shows the dialog
};

}  // namespace lintavo
