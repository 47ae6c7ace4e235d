// Rounding and number text.
#include <algorithm>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

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

// The inline rounding against the library's: nearest, ties to even, then
// saturated, over halves, boundaries, large values and non-numbers.
TEST(Numbers, WholeRoundingAgreesWithNearbyintAndSaturates) {
  const double values[] = {0.0, -0.0, 0.49999999999999994, 0.5, 1.5, -1.5, 2.5000000000000004, 1e-300,
                           -7.5, 1234567.5, -1234568.5, 32766.5, 32767.49, 32767.5, -32768.5, -32768.49,
                           -32769, 2147483646.5, 2147483647.49, 2147483647.5, -2147483648.5,
                           -2147483648.51, 4.5e15, -4.5e15, 1e300, -1e300,
                           std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()};
  for (double x : values) {
    const double r = std::nearbyint(x);
    const long long expectedLong = std::isnan(r) ? 0 : static_cast<long long>(std::clamp(r, -2147483648.0, 2147483647.0));
    const long long expectedInteger = std::isnan(r) ? 0 : static_cast<long long>(std::clamp(r, -32768.0, 32767.0));
    EXPECT_EQ(RoundToLong(x), expectedLong) << x;
    EXPECT_EQ(RoundToInteger(x), expectedInteger) << x;
  }
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
