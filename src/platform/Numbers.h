// Numbers: conversions of real values to whole numbers and to text.
//
// Every conversion of a real value to an Integer or Long rounds to the
// nearest whole number with ties to even (2.5 gives 2, 3.5 gives 4); this is
// the program's one rounding rule and RoundHalfEven is its one helper.
// Numbers shown as text use NumberText: the shortest form with at most 7
// significant digits for a Single and 15 for a Double, no trailing zeros,
// "1E-05" for small values and "." as decimal separator whatever the locale.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Rounding --------------------------------------------------------------
Double RoundHalfEven(Double x);              // nearest whole value, ties to even
Double RoundHalfEven(Double x, int decimals);  // the same to n decimals
Long RoundToLong(Double x);                  // RoundHalfEven, saturated to Long
Integer RoundToInteger(Double x);            // RoundHalfEven, saturated to Integer
Double Trunc(Double x);                      // drops the fraction
Single ToSingle(Double x);                   // rounded to single precision

// ---- Text ------------------------------------------------------------------
String NumberText(Single value);  // at most 7 significant digits
String NumberText(Double value);  // at most 15 significant digits

}  // namespace lintavo
