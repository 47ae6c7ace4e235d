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
//   Numeric text
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Taking the entry -----------------------------------------------------------------
// Each gives 0 (or "") while no entry is pending; a value taken clears TypedReady.
String GetTypedText();     // the pending text
Integer GetTypedInt();     // the pending whole number
Double GetTypedDouble();   // the pending number, decimals allowed

// ---- Numeric text -----------------------------------------------------------------------
// True (-1) when Text is digits with an optional sign in front and, when
// AllowDecimal is set, at most one decimal point; a lone sign or a lone
// point is not a number. Blanks, commas, letters and exponents are rejected.
// The empty text is accepted (it has no character to reject), though it has
// no value: the Get routines treat it, and any number they cannot hold, as
// not a number.
Integer IsNumericText(const String& Text, Integer AllowDecimal);

}  // namespace lintavo
