// TypedEntry: reading the value the user typed into the entry box.
//
// Enter in the entry box (or in a drawing window) stores the box's text in
// TypedText and sets TypedReady (Top.h). A step routine takes the entry with
// one of the routines below: as text, always; as a number, only when the
// text is one, otherwise the routine gives 0 and the entry stays pending, so
// the step can report the error, take it as text, or wait for the next one.
//
// Sections:
//   Taking the entry
//   Handing the entry to the command
//   Numeric text
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Taking the entry -----------------------------------------------------------------
// Each gives 0 (or "") while no entry is pending; a value taken clears TypedReady.
String GetTypedText();     // the pending text
Integer GetTypedInt();     // the pending whole number
Double GetTypedDouble();   // the pending number, decimals allowed

// ---- Handing the entry to the command ------------------------------------------------
// Enter in the entry box or a drawing window: TypedReady := True and, while a
// command awaits input, SelectTool runs its step with the entry. The entry
// belongs to that step alone: one it did not take is dropped, so that no
// later step or command takes it as its own. When the command still waits and
// the text is not empty, the drop is reported with TypedValueNotTaken instead
// of going without a word; with no command waiting, after the command ended,
// and for an empty entry it goes silently. CommandTakesKeys: the text command
// reads single keys, and its key step decides what an Enter means.
void SubmitTypedEntry(bool CommandTakesKeys);
// Panel 3 says that the prompt takes no typed value (a point is clicked
// there); the pending entry is dropped. The one message for every step.
void TypedValueNotTaken();
extern const char* const TypedValueNotTakenText;  // what panel 3 shows

// ---- Numeric text -----------------------------------------------------------------------
// True (-1) when Text is digits with an optional sign in front and, when
// AllowDecimal is set, at most one decimal point; a lone sign or a lone
// point is not a number. Blanks, commas, letters and exponents are rejected.
// The empty text is accepted (it has no character to reject), though it has
// no value: the Get routines treat it, and any number they cannot hold, as
// not a number.
Integer IsNumericText(const String& Text, Integer AllowDecimal);

}  // namespace lintavo
