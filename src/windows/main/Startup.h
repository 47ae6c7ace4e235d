// Startup: how the program starts, and how it ends when a support database
// is missing.
//
// SubMain builds the main window with its first drawing window, shows the
// splash window, whose timer runs the one-time initialisation, then makes
// the drawing's first layer, shows the introduction and tip windows as the
// per-user settings say and draws the view. InitApplication checks the three
// support databases, loads the option sets, the hatch patterns, the layer-name
// library and the stroke font "TEXT" into the model, records how much of
// the model tables the support data occupy, and starts the first command.
//
// A missing support database ends the program at start: its message is
// shown, EndProgram marks the end, the splash window closes, and SubMain
// closes the main window and returns without going on. Nothing calls exit.
//
// Sections:
//   State
//   Start-up
//   Ending at start
//   Reset
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- State ------------------------------------------------------------------------
extern Integer InitDone;      // flag: InitApplication has run to its end (0 until then)
extern Integer ProgramEnded;  // flag: start-up ended the program; SubMain does not go on

// What SubMain returns when start-up ended the program (0: the program runs on).
constexpr int ExitMissingSupport = 1;

// ---- Start-up ------------------------------------------------------------------------
// The program's entry: builds and shows the main window and initialises the
// program. 0 when the program runs on (the caller then runs the event loop),
// else the exit code, with the main window closed again.
int SubMain();
// The one-time initialisation, run by the splash window's timer. It always
// ends with InitDone set: readers that fail report it in their own boxes and
// start-up goes on with what was loaded.
void InitApplication();
// Its step that loads the option sets from the settings database and applies
// the "Defaults" sets (the built-in defaults when none are stored).
void LoadOptionSets();
// Whether the start-up window of a key of section "Options" ("Show Info at
// Startup", "Show Tips at Startup") is to be shown: a stored number other
// than 0, or no value stored.
bool StartupWindowWanted(const String& key);

// ---- Ending at start -------------------------------------------------------------------
void EndProgram();  // ProgramEnded := true; the splash window and SubMain act on it

// ---- Reset -------------------------------------------------------------------------------
void ResetStartup();  // the module's globals to their start values

}  // namespace lintavo
