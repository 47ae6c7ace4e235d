// Typed values: what counts as a number, and taking the pending entry.
#include "model/Top.h"
#include "model/TypedEntry.h"
#include "support/ProgramTest.h"

namespace lintavo {
namespace {

using TypedEntryTest = ProgramTest;

void Type(const String& text) {
  TypedText = text;
  TypedReady = FlagTrue;
}

// ---- Numeric text ----------------------------------------------------------------------

TEST_F(TypedEntryTest, DigitsWithOneLeadingSignAreAWholeNumber) {
  for (const char* text : {"7", "-12", "+5", "007"})
    EXPECT_EQ(IsNumericText(text, FlagFalse), FlagTrue) << text;
}

TEST_F(TypedEntryTest, APointIsNotAWholeNumber) {
  EXPECT_EQ(IsNumericText("7.5", FlagFalse), FlagFalse);
}

TEST_F(TypedEntryTest, ALetterBlankCommaExponentOrInnerSignIsNotANumber) {
  for (const char* text : {"12a", "1 000", "1,5", "1e3", "1-2", "-"}) {
    EXPECT_EQ(IsNumericText(text, FlagFalse), FlagFalse) << text;
    EXPECT_EQ(IsNumericText(text, FlagTrue), FlagFalse) << text;
  }
}

TEST_F(TypedEntryTest, OnePointIsANumberWhenDecimalsAreAllowed) {
  for (const char* text : {"0.25", "3.25", "-.5", "5."})
    EXPECT_EQ(IsNumericText(text, FlagTrue), FlagTrue) << text;
}

TEST_F(TypedEntryTest, ASecondPointOrALonePointIsNotANumber) {
  EXPECT_EQ(IsNumericText("1.2.3", FlagTrue), FlagFalse);
  EXPECT_EQ(IsNumericText(".", FlagTrue), FlagFalse);
}

// ---- Taking the entry --------------------------------------------------------------------

TEST_F(TypedEntryTest, GetTypedDoubleOfLettersGivesZeroAndKeepsTheEntryPending) {
  Type("abc");
  EXPECT_EQ(GetTypedDouble(), 0);
  EXPECT_EQ(TypedReady, FlagTrue);
  EXPECT_EQ(GetTypedText(), "abc");  // a step may still take it as text
  EXPECT_EQ(TypedReady, FlagFalse);
}

TEST_F(TypedEntryTest, ANumberIsTakenOnceAndConsumesTheEntry) {
  Type("-.5");
  EXPECT_EQ(GetTypedDouble(), -0.5);
  EXPECT_EQ(GetTypedDouble(), 0);  // nothing pending any more
  Type("+42");
  EXPECT_EQ(GetTypedInt(), 42);
}

TEST_F(TypedEntryTest, NumericTextWithoutAValueThatFitsStaysPending) {
  Type("-.");
  EXPECT_EQ(GetTypedDouble(), 0);
  Type("40000");
  EXPECT_EQ(GetTypedInt(), 0);  // beyond 16 bits
  EXPECT_EQ(TypedReady, FlagTrue);
  EXPECT_EQ(GetTypedDouble(), 40000);
}

}  // namespace
}  // namespace lintavo
