// Numbers: rounding half to even and the program's number-to-text form.
#include "platform/Numbers.h"

#include <cfenv>
#include <charconv>
#include <cmath>
#include <limits>

namespace lintavo {

// ---- Rounding --------------------------------------------------------------

Double RoundHalfEven(Double x) {
  // nearbyint follows the current rounding mode, which the program never
  // changes from round-to-nearest-even.
  return std::nearbyint(x);
}

Double RoundHalfEven(Double x, int decimals) {
  Double scale = std::pow(10.0, decimals);
  return std::nearbyint(x * scale) / scale;
}

Double Trunc(Double x) { return std::trunc(x); }

Single ToSingle(Double x) { return static_cast<Single>(x); }

// ---- Text ------------------------------------------------------------------

namespace {

// General format with the given significant digits, then in the program's
// spelling: upper-case "E", a sign and at least two exponent digits.
String GeneralText(Double value, int digits) {
  if (value == 0.0 || std::isnan(value)) return "0";  // no "-0"
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                              std::chars_format::general, digits);
  String text(buffer, result.ptr);
  auto e = text.find('e');
  if (e == String::npos) return text;
  String mantissa = text.substr(0, e);
  String exponent = text.substr(e + 1);
  char sign = '+';
  if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
    sign = exponent[0];
    exponent.erase(0, 1);
  }
  if (exponent.size() < 2) exponent = "0" + exponent;
  return mantissa + "E" + sign + exponent;
}

}  // namespace

String NumberText(Single value) {
  // Digits of the Single itself, not of its wider double image.
  if (value == 0.0f || std::isnan(value)) return "0";
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                              std::chars_format::general, 7);
  String shortText(buffer, result.ptr);
  Double widened = 0;
  std::from_chars(shortText.data(), shortText.data() + shortText.size(), widened);
  return GeneralText(widened, 7);
}

String NumberText(Double value) { return GeneralText(value, 15); }

}  // namespace lintavo
