// ProgramTest: the fixture of every test that runs program code.
//
// Each test gets a fresh application folder in a temporary directory, copied
// from the build's application folder (named by LINTAVO_APP_TEMPLATE) without
// its programs; a settings file and a cache folder of its own in place of the
// user's; a ScriptedResponder for every prompt; and program state reset before
// and after. Everything is put back when the test ends.
#pragma once

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/Types.h"
#include "support/ScriptedResponder.h"

namespace lintavo {

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  ScriptedResponder& Responder() { return responder_; }
  String AppFolder() const;                      // the test's application folder
  String ScratchPath(const String& name) const;  // a path in the test folder, beside the app
  // Makes the test folder the current one, where relative paths start, until the test ends.
  void WorkInScratchFolder();

 private:
  QTemporaryDir folder_;         // removed with everything in it when the test ends
  ScriptedResponder responder_;  // installed for the whole test
  QString previousFolder_;       // the current folder before WorkInScratchFolder; empty when not called
};

}  // namespace lintavo
