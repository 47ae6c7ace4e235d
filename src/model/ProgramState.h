// ProgramState: the list of the program's modules, how each plugs in, and
// the reset that puts the program's global state back to how it is at start.
//
// Every module that keeps global state, or that runs commands under a tool
// code, registers itself once with a registrar object in its own source
// file; nothing outside the module's folder names it. A registration gives
// the module's floor (see docs/ARCHITECTURE.md), its reset routine, and, for
// a command module, its row of the dispatcher's tool table. Registrations
// run before main, so the list is complete whenever the program runs.
//
// ResetProgramState calls every registered reset routine, floor by floor
// from the model up (so a module may read the start values of the floors
// below it), and within a floor in the order of the modules' names. The tests
// call it before and after every test, so no test sees what another left
// behind. Overrides that a test sets on purpose (the application folder, the
// settings scope, the prompt responder) are not state of the program and
// are left to whoever set them.
//
// Sections:
//   Floors
//   Tool rows
//   Registration
//   Reset
#pragma once

#include <vector>

#include "platform/Types.h"

namespace lintavo {

// ---- Floors (lowest first) ---------------------------------------------------------
// A module includes headers of its own floor and of the floors below it;
// the windows (files named frm...) and app/ make the top floor.
enum Floor : Integer {
  FloorPlatform = 0,      // src/platform: our layer over Qt, SQLite and the system
  FloorModel = 1,         // src/model: the drawing model and the state every command shares
  FloorStorage = 2,       // src/storage: database reading and writing
  FloorView = 3,          // src/view: view transform, rendering, previews
  FloorPicking = 4,       // src/picking: picking, snapping, selection, measurement
  FloorCommands = 5,      // src/commands: drawing and editing commands
  FloorAnnotation = 6,    // src/annotation: text, dimensions, areas, hatches, fills
  FloorOrganisation = 7,  // src/organisation: layers, groups, views, components, links
  FloorApp = 8,           // src/app and every window: start-up, main window, option sets
};

// ---- Tool rows ------------------------------------------------------------------------
// What the dispatcher (Top) calls for a tool code. A row with no dispatcher
// starts nothing when its tool is chosen; its flag is still cleared.
struct ToolRow {
  Integer Code = 0;                   // tool code (Top.h ToolCode); 0: the module has no tool
  Integer* ActiveFlag = nullptr;      // the module's active flag
  void (*Dispatch)() = nullptr;       // the module's dispatcher; nullptr: nothing is started
  // EndTool's action when this was the tool being left; nullptr: the
  // active flag is cleared.
  void (*EndOnToolChange)() = nullptr;
  // CancelTools' action, called whatever the flag says (the routine tests
  // what it must); nullptr: only the active flag is cleared.
  void (*Cancel)() = nullptr;
};

// ---- Registration ---------------------------------------------------------------------
struct ModuleEntry {
  const char* Name = "";       // the module's name (its file name)
  Floor ModuleFloor = FloorModel;
  void (*Reset)() = nullptr;   // its globals to their start values; nullptr: it keeps none
  ToolRow Tool{};              // its tool, when it runs commands
  // Wires the routines it offers to floors below (ServicesAbove.h and the
  // like); runs once, at registration.
  void (*Plug)() = nullptr;
};

// Registers a module when the program loads. One static object per module:
//   const ModuleRegistrar Registered({"LineDraw", FloorCommands, ResetLineDraw, {...}});
class ModuleRegistrar {
 public:
  explicit ModuleRegistrar(const ModuleEntry& entry);
};

// Every registered module, floor by floor from the platform up, by name within a floor.
const std::vector<ModuleEntry>& RegisteredModules();
// The tool row registered for a code; nullptr when no module has that tool.
const ToolRow* RegisteredTool(Integer code);

// ---- Reset ----------------------------------------------------------------------------
void ResetProgramState();

}  // namespace lintavo
