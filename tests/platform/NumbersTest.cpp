// Rounding and number text.
#include <clocale>
#include <gtest/gtest.h>

#include "platform/Numbers.h"

namespace lintavo {
namespace {

TEST(Numbers, RoundingGoesHalfToEven) {
  EXPECT_EQ(RoundToLong(2.5), 2);
  EXPECT_EQ(RoundToLong(3.5), 4);
  EXPECT_EQ(RoundToLong(-2.5), -2);
  EXPECT_EQ(RoundToLong(-0.5), 0);
  EXPECT_EQ(RoundToLong(2.51), 3);
  EXPECT_EQ(RoundToInteger(32767.5), 32767);  // saturates, never wraps
  EXPECT_EQ(RoundToLong(1e12), 2147483647);
  EXPECT_DOUBLE_EQ(RoundHalfEven(1.25, 1), 1.2);
  EXPECT_DOUBLE_EQ(Trunc(-1.9), -1.0);
}

TEST(Numbers, TextIsShortestFormWithProgramExponent) {
  EXPECT_EQ(NumberText(0.1), "0.1");
  EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");
  EXPECT_EQ(NumberText(2.0), "2");
  EXPECT_EQ(NumberText(-12.5), "-12.5");
  EXPECT_EQ(NumberText(0.0001), "0.0001");
  EXPECT_EQ(NumberText(0.00001), "1E-05");
  EXPECT_EQ(NumberText(1e15), "1E+15");
  EXPECT_EQ(NumberText(123456789012345.0), "123456789012345");
  EXPECT_EQ(NumberText(-0.0), "0");
}

TEST(Numbers, SingleTextHasSevenDigits) {
  EXPECT_EQ(NumberText(0.1f), "0.1");
  EXPECT_EQ(NumberText(3.14159265f), "3.141593");
  EXPECT_EQ(NumberText(1e7f), "1E+07");
  EXPECT_EQ(NumberText(1234567.0f), "1234567");
}

TEST(Numbers, TextIgnoresTheLocale) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = old ? old : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
    EXPECT_EQ(NumberText(1.5), "1.5");
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_EQ(NumberText(1.5), "1.5");
}

}  // namespace
}  // namespace lintavo
