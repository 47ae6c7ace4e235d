// CommonDialogs: the common dialog the program's windows keep for choosing a
// file, a colour or a printer.
//
// A CommonDialog is a plain value: the caller fills its fields, calls one of
// the Show routines and reads the fields back. Every dialog goes through the
// current PromptResponder (Prompts.h), so the tests can answer it. A Show
// routine returns 0, or cdlCancel when the user cancelled and CancelError is
// set; a cancel without CancelError returns 0 and leaves the fields as
// described below, so the caller sees "nothing chosen".
#pragma once

#include "platform/Types.h"

class QPrinter;

namespace lintavo {

// ---- Error and flag values -------------------------------------------------
// Values the program's code was written with; never change them.
constexpr Long cdlCancel = 32755;         // error: the user cancelled the dialog
constexpr Long cdlCCRGBInit = 0x1;        // colour: start from Color (always done)
constexpr Long cdlCCFullOpen = 0x2;       // colour: custom colours open (always shown)
constexpr Long cdlPDSelection = 0x1;      // print: offer printing the selection
constexpr Long cdlPDNoPageNums = 0x8;     // print: no page range choice
constexpr Long cdlPDPrintSetup = 0x40;    // ShowPrinter shows printer set-up, not print

// ---- The dialog ------------------------------------------------------------
struct CommonDialog {
  String DialogTitle;        // caption; "" gives the dialog's own
  String Filter;             // "Description|*.ext|Description2|*.x2" pairs; "" all files
  int FilterIndex = 1;       // 1-based filter shown first; the one chosen after a choice
  String FileName;           // name shown first; the full path chosen; "" after a cancel
  String InitDir;            // folder shown first; "" the current folder
  Long Flags = 0;            // cdl* flags of the dialog shown next
  Long Color = 0;            // RGB Long shown first and chosen; a cancel keeps it
  bool CancelError = false;  // true: a cancel returns cdlCancel

  Long ShowOpen();                     // choose an existing file
  Long ShowSave();                     // choose a file name to write
  Long ShowColor();                    // choose a colour
  Long ShowPrinter(QPrinter& printer); // print dialog, or printer set-up with cdlPDPrintSetup
};

}  // namespace lintavo
