// TypedEntry: typed values as text, whole numbers and real numbers.
#include "model/TypedEntry.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "model/MessageBar.h"
#include "model/Top.h"

namespace lintavo {

namespace {

// The digits and point of a numeric text, a leading "+" dropped (the
// converters take only "-").
std::string_view Unsigned(const String& text) {
  std::string_view view(text);
  if (!view.empty() && view.front() == '+') view.remove_prefix(1);
  return view;
}

// The value of a numeric text, or nothing when it has none that fits:
// the empty text, "-.", a whole number outside the 16-bit range.
std::optional<Integer> IntegerValue(const String& text) {
  std::string_view view = Unsigned(text);
  int value = 0;
  auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
  if (error != std::errc() || end != view.data() + view.size()) return std::nullopt;
  if (value < -32768 || value > 32767) return std::nullopt;
  return static_cast<Integer>(value);
}

std::optional<Double> DoubleValue(const String& text) {
  std::string_view view = Unsigned(text);
  Double value = 0;
  auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value,
                                      std::chars_format::fixed);
  if (error != std::errc() || end != view.data() + view.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

// The pending entry's value when it is a number in the sense of AllowDecimal;
// the entry is consumed only then.
template <typename T>
T TakeNumber(Integer allowDecimal, std::optional<T> (*convert)(const String&)) {
  if (!TypedReady || !IsNumericText(TypedText, allowDecimal)) return 0;
  std::optional<T> value = convert(TypedText);
  if (!value) return 0;
  TypedReady = FlagFalse;
  return *value;
}

}  // namespace

// ---- Taking the entry -----------------------------------------------------------------

String GetTypedText() {
  if (!TypedReady) return "";
  TypedReady = FlagFalse;
  return TypedText;
}

Integer GetTypedInt() { return TakeNumber<Integer>(FlagFalse, IntegerValue); }

Double GetTypedDouble() { return TakeNumber<Double>(FlagTrue, DoubleValue); }

// ---- Handing the entry to the command ------------------------------------------------------

const char* const TypedValueNotTakenText = "Typed Value Not Taken Here - Use the Mouse";

void SubmitTypedEntry(bool CommandTakesKeys) {
  TypedReady = FlagTrue;
  if (AwaitingInput) SelectTool();
  if (!TypedReady) return;  // the step took it
  // Not taken: no command waited for it, the command ended, or its step
  // takes none. It belongs to no later step or command: it is dropped.
  if (CommandTakesKeys || !AwaitingInput || TypedText.empty()) {
    TypedReady = FlagFalse;
    return;
  }
  TypedValueNotTaken();
}

void TypedValueNotTaken() {
  TypedReady = FlagFalse;
  ShowStatus(TypedValueNotTakenText, 3);
}

// ---- Numeric text -----------------------------------------------------------------------

Integer IsNumericText(const String& Text, Integer AllowDecimal) {
  const std::size_t length = Text.size();
  bool pointSeen = false;
  for (std::size_t i = 0; i < length; ++i) {
    const char c = Text[i];
    if (c >= '0' && c <= '9') continue;
    if ((c == '-' || c == '+') && i == 0 && length > 1) continue;
    if (c == '.' && AllowDecimal && !pointSeen && length > 1) {
      pointSeen = true;
      continue;
    }
    return FlagFalse;
  }
  return FlagTrue;
}

}  // namespace lintavo
