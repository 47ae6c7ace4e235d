// MainWindowCodes: every named sub-command code of every command word, with
// the menu items and tool-bar buttons of the main window that start it. The
// main window's tests check that every code up to a tool's highest has its
// row and that each control starts its code; other tests take the commands
// a user can choose from here.
#pragma once

#include <iosfwd>
#include <vector>

#include "platform/Types.h"

namespace lintavo {

// A tool's command word, its tool code, its highest named code and the
// numbers below it that name no code.
struct ToolCodes {
  const char* word;
  Integer* command;
  Integer tool;
  Integer highest;
  std::vector<Integer> unused;
};
const std::vector<ToolCodes>& MainWindowTools();
void PrintTo(const ToolCodes& tool, std::ostream* out);  // its command word

// One named code and the controls that start it: menu items by name, buttons
// as "bar:key" (bars Top, Text, Tools1, Tools2). A code no item or button
// starts has no controls.
struct CodeRow {
  Integer* command;
  Integer code;
  const char* name;
  std::vector<const char*> controls;
};
const std::vector<CodeRow>& MainWindowCodes();

// The tool whose command word that is; nullptr for none.
const ToolCodes* ToolOf(const Integer* command);

}  // namespace lintavo
