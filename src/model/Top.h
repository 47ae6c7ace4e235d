// Top: the command state shared by the tool dispatcher, the input handlers
// and the command modules, and the dispatcher itself.
//
// Every interactive command is a re-entrant step machine owned by one
// command module. A menu or tool-bar handler writes the module's command
// word, then ActiveTool, then calls SelectTool; each accepted click or typed
// value calls SelectTool again, which re-enters the same module. The module
// starts its command with BeginCommand and ends it with EndCommand; the
// states in between, and which routine moves to which, are listed at the top
// of Top.cpp. Flags hold -1 for true and 0 for false.
//
// The dispatcher names no command module: each module registers its row of
// the tool table (ProgramState.h), and the few things the dispatcher makes
// happen on the screen are done by routines the view and command floors
// offer (ServicesAbove.h).
#pragma once

#include "model/DrawingWindow.h"
#include "platform/Types.h"

namespace lintavo {

class Surface;

// ---- Tool codes (values of ActiveTool) ------------------------------------------
enum ToolCode : Integer {
  ToolNone = 0,
  ToolLineDraw = 1,
  ToolComponents = 2,
  ToolText = 3,
  ToolTrims = 4,
  ToolFills = 5,  // has a flag but no dispatcher
  ToolMeasure = 6,
  ToolDimension = 7,
  ToolSnaps = 8,
  ToolModify = 9,
  ToolSelection = 10,
  ToolEdits = 11,
  ToolZooms = 12,
  ToolViews = 13,
  ToolLayers = 14,
  ToolGroups = 15,
  ToolAreas = 16,
};
constexpr Integer ToolCodeCount = 17;  // codes 0..16

// ---- Command state ----------------------------------------------------------------
extern Integer ActiveTool;     // tool code wanted or running; 0 none
extern Integer PrevTool;       // tool code at SelectTool's last tool change; kept by CancelTools
extern Integer AwaitingInput;  // flag: a command waits for a point, value or key
extern Integer ToolStep;       // points taken by the running command
extern Double PickX, PickY;    // world point of the last accepted click
extern Double PrevPickX, PrevPickY;  // the pick before it (the first point itself at step 1)
extern Single MouseX, MouseY;  // pixel of the last mouse-down (Y counted upward)
extern String TypedText;       // last value entered in the entry box
extern Integer TypedReady;     // flag: TypedText holds an entry not yet consumed
extern Integer TypedKey;       // character code of the last key typed
extern Integer DlgCancelled;   // flag: the last dialog or command was cancelled
extern Integer SnapCursorOn;   // flag: the running command shows the snap cursor
extern Integer RubberLineOn;   // flags of the previews the mouse-move handler draws
extern Integer RubberPolygonOn;
extern Integer RubberCentreOn;
extern Integer RubberWindowOn;
extern Integer RubberObjectOn;
extern Integer GroupDragOn;
// Drawing number of the window the running command works in: SelectTool
// sets it to the active window's drawing each time it dispatches (0 before
// the first dispatch). A command takes no input from another drawing's
// window: turning to one ends the command in its own window first.
extern Integer CommandDwg;

// ---- Display options -----------------------------------------------------------------
extern Integer ShowConPnts;  // flag: picked and construction points get their mark

// ---- Current window and drawing ------------------------------------------------------
extern Surface* ActiveDoc;  // the surface every drawing routine draws on
extern Integer CurDwg;      // drawing number of the current window, 0..10
extern String UserName;     // author of new drawings ("Unknown" when the login name is empty)
extern String DbUserID;     // database log-on user and password; empty unless the log-on dialog set them
extern String DbPassword;
// ActiveDocForm (DrawingWindow.h) gives the drawing window behind ActiveDoc.

// ---- Command life cycle (the states are listed at the top of Top.cpp) -------------------
// A module's command starts or starts afresh: its active flag up, waiting for
// input, no point taken yet.
void BeginCommand(Integer& ActiveFlag);
// A module's command ends: its active flag down, nothing waits for input, no
// tool, no point taken. PrevTool is kept.
void EndCommand(Integer& ActiveFlag);
// True when the command state is one of the listed states; SelectTool checks
// it on entry and on exit.
bool CommandStateListed();
// True while a command has anything under way: a tool chosen, input awaited,
// a module's flag up or the grip frame held.
bool CommandRunning();

// ---- Dispatcher ------------------------------------------------------------------------
void SelectTool();   // start or re-enter the command named by ActiveTool
// A command chosen by the user (a menu item, a tool-bar button, a key), its
// command word written: ActiveTool := tool, then SelectTool. A cancel an
// earlier dialog reported was for its opener to read: the command chosen
// starts without it, also when its tool is the one chosen last. Chosen while
// a command of the same tool runs (another of its sub-commands, or the same
// one again), it ends that command as Esc ends it first, and starts at its
// first step.
void ChooseTool(Integer tool);
void EndTool();      // end the command of PrevTool before a tool change
void CancelTools();  // end whatever runs
// The clicked point of a step routine: at ToolStep above 0, X and Y get
// PickX, PickY (marked when ShowConPnts); at step 0 they are left alone.
void TakePickPoint(Double& X, Double& Y);

void ResetTop();  // every global above to its start value

}  // namespace lintavo
