// MainWindowFixture: the main window as the program starts it, loaded (its
// first drawing window open, the help file named) and shown, with its menu
// items chosen by name.
#pragma once

#include <QAction>
#include <memory>

#include "windows/main/frmMain.h"
#include "support/ProgramTest.h"

namespace lintavo {

class MainWindowFixture : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    main_ = std::make_unique<frmMain>();
    MainForm = main_.get();
    main_->MDIForm_Load();
    main_->show();
  }
  void TearDown() override {
    MainForm = nullptr;
    main_.reset();
    ProgramTest::TearDown();
  }

  void Choose(const char* item) { main_->MenuItem(item)->trigger(); }

  std::unique_ptr<frmMain> main_;
};

}  // namespace lintavo
