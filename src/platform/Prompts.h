// Prompts: message boxes, and the one door through which every modal prompt
// of the program passes.
//
// A modal prompt (a message box, a file, colour or printer dialog, or one of
// the program's own modal windows) is answered by the current
// PromptResponder. The default responder shows real Qt windows; the tests
// install a responder that answers from a script, so no test ever waits for
// a person. This module owns the current responder and the routine run when
// a prompt has ended, and nothing else.
//
// Sections:
//   Message box styles and results
//   Prompt records
//   The responder
//   The end of a modal prompt
//   Message boxes
//   File dialog filters
#pragma once

#include <QStringList>
#include <vector>

#include "platform/Types.h"

class QDialog;
class QPrinter;

namespace lintavo {

// ---- Message box styles and results ----------------------------------------
// A style is the sum of one button set, one icon and one default-button flag.
// The values are those the program's code was written with; never change them.
constexpr int vbOKOnly = 0;          // button set: OK
constexpr int vbOKCancel = 1;        // button set: OK, Cancel
constexpr int vbYesNoCancel = 3;     // button set: Yes, No, Cancel
constexpr int vbYesNo = 4;           // button set: Yes, No
constexpr int vbCritical = 16;       // icon: stop sign
constexpr int vbQuestion = 32;       // icon: question mark
constexpr int vbExclamation = 48;    // icon: warning
constexpr int vbInformation = 64;    // icon: information
constexpr int vbDefaultButton2 = 256;  // the second button is the default (first when absent)
constexpr int vbDefaultButton3 = 512;  // the third button is the default

constexpr int vbOK = 1;      // result: OK pressed
constexpr int vbCancel = 2;  // result: Cancel pressed (or the box closed)
constexpr int vbYes = 6;     // result: Yes pressed
constexpr int vbNo = 7;      // result: No pressed

// ---- Prompt records --------------------------------------------------------
// What a responder is asked, and what it answers.

struct MessageBoxPrompt {
  String prompt;  // the text, CR LF or LF between lines
  String title;   // caption; never empty (the program's name when not given)
  int buttons;    // style: button set + icon + default-button flag
};

struct FilePrompt {
  bool save;        // true: a save dialog; false: an open dialog (the file must exist)
  String title;     // caption; "" gives the dialog's own
  String filter;    // "Description|*.ext|Description2|*.x2" pairs; "" shows all files
  int filterIndex;  // 1-based pair shown first
  String fileName;  // name shown first; "" none
  String initDir;   // folder shown first; "" the current folder
  Long flags;       // the caller's dialog flags, passed on unchanged
};

struct FileAnswer {
  bool accepted;    // false: the dialog was cancelled
  String fileName;  // full path of the chosen file; "" when cancelled
  int filterIndex;  // 1-based pair chosen
};

struct ColorPrompt {
  String title;  // caption; "" gives the dialog's own
  Long color;    // RGB Long shown first
  Long flags;    // the caller's dialog flags, passed on unchanged
};

struct ColorAnswer {
  bool accepted;  // false: the dialog was cancelled
  Long color;     // RGB Long chosen; meaningless when cancelled
};

struct PrinterPrompt {
  String title;  // caption; "" gives the dialog's own
  Long flags;    // cdlPD* flags of CommonDialogs.h
};

// ---- The responder ---------------------------------------------------------
// One routine per kind of modal prompt. Each returns only when the prompt has
// been answered.
class PromptResponder {
 public:
  virtual ~PromptResponder() = default;

  virtual int MessageBox(const MessageBoxPrompt& prompt) = 0;  // vbOK, vbCancel, vbYes or vbNo
  virtual FileAnswer FileDialog(const FilePrompt& prompt) = 0;
  virtual ColorAnswer ColorDialog(const ColorPrompt& prompt) = 0;
  // The printer dialogs change the printer's settings in place; true when accepted.
  virtual bool PrinterSetupDialog(const PrinterPrompt& prompt, QPrinter& printer) = 0;
  virtual bool PrintDialog(const PrinterPrompt& prompt, QPrinter& printer) = 0;
  // Called from the event loop of a window shown by ShowModal (Modal.h), once
  // the window is visible. The default responder leaves the window to the user.
  virtual void ModalWindowShown(QDialog& dialog) = 0;
};

void SetPromptResponder(PromptResponder* responder);  // nullptr restores the default (Qt windows)
PromptResponder& CurrentPromptResponder();            // never null

// ---- The end of a modal prompt ---------------------------------------------
// Every door of a modal prompt (MsgBox, the common dialogs, ShowModal) calls
// ModalPromptEnded once the prompt is answered and its window is gone. When
// no other modal window is left open, that runs the routine set here: the
// main window gives the keyboard back to the drawing being worked on, which
// no window system does by itself (it gives back whatever had it last, the
// menu bar among them). nullptr, the default: nothing runs.
void SetModalEndRoutine(void (*routine)());
void ModalPromptEnded();

// ---- Message boxes ---------------------------------------------------------
// Shows a message box and returns the code of the button pressed. An empty
// title gives the program's name. A button set other than the four above
// shows OK only.
int MsgBox(const String& prompt, int buttons = vbOKOnly, const String& title = "");

std::vector<int> MsgBoxButtons(int buttons);  // result codes of the style's buttons, in order
bool MsgBoxHasButton(int buttons, int result);  // result is one of the style's buttons
// The answer of a box closed without a choice: Cancel when present, else No, else OK.
int MsgBoxSafeAnswer(int buttons);

// ---- File dialog filters ---------------------------------------------------
// Qt name filters of a "Description|*.a;*.b|Description2|*.c" filter:
// "Description (*.a *.b)", "Description2 (*.c)". A description without its
// pattern is dropped.
QStringList QtNameFilters(const String& filter);

}  // namespace lintavo
