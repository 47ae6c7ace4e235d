// The turn constants of Types.h against the definitions they replaced in
// the modules: each must give the very bits its routines computed with,
// and the variants of one turn must stay apart.
#include <gtest/gtest.h>

#include "platform/Types.h"

namespace lintavo {
namespace {

TEST(AngleConstants, EachGivesTheBitsOfTheDefinitionsItReplaced) {
  struct DoubleRow {
    const char* name;
    Double merged, replaced;
  };
  const DoubleRow doubles[] = {
      {"ThreeHalvesPi", ThreeHalvesPi, 9.42477796076937 / 2},
      {"RadToDeg", RadToDeg, 180 / 3.14159265358979},
      {"TwoPiExact", TwoPiExact, 6.283185307179586},
      {"DegToRadExact", DegToRadExact, 3.141592653589793 / 180.0},
  };
  for (const DoubleRow& row : doubles) EXPECT_EQ(row.merged, row.replaced) << row.name;

  struct SingleRow {
    const char* name;
    Single merged, replaced;
  };
  const SingleRow singles[] = {
      {"PiSingle", PiSingle, static_cast<Single>(Pi)},
      {"PiSingle", PiSingle, 3.14159265358979F},
      {"TwoPiSingle", TwoPiSingle, static_cast<Single>(2 * Pi)},
      {"TwoPiSingle", TwoPiSingle, static_cast<Single>(TwoPi)},
      {"HalfPiSingle", HalfPiSingle, static_cast<Single>(HalfPi13Places)},
      {"HalfPiSingle", HalfPiSingle, static_cast<Single>(HalfPi)},
  };
  for (const SingleRow& row : singles) EXPECT_EQ(row.merged, row.replaced) << row.name;
}

// The full turns differ in the last place; a routine moved to another one
// would move pixels and stored points.
TEST(AngleConstants, TheThreeDoubleFullTurnsStayApart) {
  EXPECT_NE(TwoPi, TwicePi);
  EXPECT_NE(TwoPi, TwoPiExact);
  EXPECT_NE(TwicePi, TwoPiExact);
  EXPECT_NE(HalfPiSingleDigits, HalfPi);
  EXPECT_NE(DegToRad, DegToRadExact);
}

}  // namespace
}  // namespace lintavo
