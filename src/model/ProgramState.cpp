// ProgramState: the module list, the tool rows and the reset of every module.
#include "model/ProgramState.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "model/Top.h"

namespace lintavo {

namespace {

constexpr Integer HighestToolCode = ToolCodeCount - 1;

// Built on first use: registrars in other files run before main in an order
// the language leaves open, so the list must exist whenever the first one runs.
std::vector<ModuleEntry>& Modules() {
  static std::vector<ModuleEntry> modules;
  return modules;
}

std::array<const ToolRow*, HighestToolCode + 1>& ToolRows() {
  static std::array<const ToolRow*, HighestToolCode + 1> rows{};
  return rows;
}

bool Precedes(const ModuleEntry& a, const ModuleEntry& b) {
  if (a.ModuleFloor != b.ModuleFloor) return a.ModuleFloor < b.ModuleFloor;
  return std::strcmp(a.Name, b.Name) < 0;
}

// Two modules under one tool code, or a code outside the table, is a fault
// of the program itself: it stops at once rather than run the wrong command.
void FailRegistration(const char* name, const char* why) {
  std::fprintf(stderr, "Module %s cannot be registered: %s\n", name, why);
  std::abort();
}

void IndexToolRows() {
  ToolRows().fill(nullptr);
  for (const ModuleEntry& entry : Modules()) {
    const Integer code = entry.Tool.Code;
    if (code == 0) continue;
    if (code < 1 || code > HighestToolCode) FailRegistration(entry.Name, "tool code out of range");
    if (ToolRows()[code]) FailRegistration(entry.Name, "tool code taken by another module");
    ToolRows()[code] = &entry.Tool;
  }
}

}  // namespace

// ---- Registration ---------------------------------------------------------------------

ModuleRegistrar::ModuleRegistrar(const ModuleEntry& entry) {
  std::vector<ModuleEntry>& modules = Modules();
  modules.insert(std::upper_bound(modules.begin(), modules.end(), entry, Precedes), entry);
  IndexToolRows();  // the vector may have moved: rows point into it
  if (entry.Plug) entry.Plug();
}

const std::vector<ModuleEntry>& RegisteredModules() { return Modules(); }

const ToolRow* RegisteredTool(Integer code) {
  if (code < 1 || code > HighestToolCode) return nullptr;
  return ToolRows()[code];
}

// ---- Reset ----------------------------------------------------------------------------

void ResetProgramState() {
  // The platform modules keep no program state of their own: the current
  // responder, the settings scope and the application folder override are
  // set and restored by their users.
  for (const ModuleEntry& entry : Modules())
    if (entry.Reset) entry.Reset();
}

}  // namespace lintavo
