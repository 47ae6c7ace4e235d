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
Double Trunc(Double x);                      // drops the fraction
Single ToSingle(Double x);                   // rounded to single precision

// RoundToLong and RoundToInteger run for every point a redraw draws, so they
// are inline and round without a library call: adding and taking away 2^52
// leaves the nearest whole value with ties to even in the default rounding
// mode, which the program never changes (the same value as nearbyint).
namespace detail {
inline Double NearestWhole(Double x) {
  constexpr Double TwoTo52 = 4503599627370496.0;  // from here on every Double is whole
  if (!(x > -TwoTo52 && x < TwoTo52)) return x;    // whole already, infinite or NaN
  return x >= 0 ? (x + TwoTo52) - TwoTo52 : (x - TwoTo52) + TwoTo52;
}
template <class Whole>
inline Whole SaturatedWhole(Double x, Double low, Double high) {
  const Double r = NearestWhole(x);
  if (r != r) return 0;  // NaN
  if (r >= high) return static_cast<Whole>(high);
  if (r <= low) return static_cast<Whole>(low);
  return static_cast<Whole>(r);
}
}  // namespace detail

// RoundHalfEven saturated to Long; NaN gives 0.
inline Long RoundToLong(Double x) { return detail::SaturatedWhole<Long>(x, -2147483648.0, 2147483647.0); }
// RoundHalfEven saturated to Integer; NaN gives 0.
inline Integer RoundToInteger(Double x) { return detail::SaturatedWhole<Integer>(x, -32768.0, 32767.0); }

// ---- Text ------------------------------------------------------------------
String NumberText(Single value);  // at most 7 significant digits
String NumberText(Double value);  // at most 15 significant digits

}  // namespace lintavo
