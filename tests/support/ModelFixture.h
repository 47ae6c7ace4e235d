// ModelFixture: a test with one drawing window open as drawing 1, and
// helpers to open more windows and show the main window's Edit menu;
// entities are added with the builders of ModelBuilders.
#pragma once

#include <QAction>
#include <memory>

#include "windows/main/frmMain.h"
#include "model/DataHand.h"
#include "model/Top.h"
#include "support/ModelBuilders.h"
#include "support/ProgramTest.h"
#include "windows/main/frmDocument.h"

namespace lintavo {

class ModelFixture : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    Open(doc_, 1);
  }

  // Makes a window the active one; its drawing becomes the current drawing.
  static void Activate(frmDocument& doc) {
    ActiveDoc = &doc;
    CurDwg = static_cast<Integer>(doc.ID);
  }

  // Opens a window as a new empty drawing with that number.
  static void Open(frmDocument& doc, Integer dwgNo) {
    doc.ID = dwgNo;
    Activate(doc);
    NewDwgRec(dwgNo);
  }

  // A main window whose Edit menu the undo routines keep up to date.
  void ShowMainWindow() {
    main_ = std::make_unique<frmMain>();
    MainForm = main_.get();
  }
  QString UndoText() const { return main_->mnuEditUndo->text(); }
  QString RedoText() const { return main_->mnuEditRedo->text(); }
  bool UndoEnabled() const { return main_->mnuEditUndo->isEnabled(); }
  bool RedoEnabled() const { return main_->mnuEditRedo->isEnabled(); }

  frmDocument doc_;  // drawing 1
  std::unique_ptr<frmMain> main_;
};

}  // namespace lintavo
