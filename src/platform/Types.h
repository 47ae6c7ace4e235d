// Types: the value types every module uses, and the -1/0 flag convention.
//
// The program keeps its records and module state in these types so that
// stored rows, flag comparisons and 16-bit limits behave the same everywhere:
//   Integer  16-bit signed    (flags, small codes, counts that are stored)
//   Long     32-bit signed    (indexes, colours)
//   DbKey    64-bit signed    (database keys: the stored rowids run past 2^31)
//   Single   IEEE 4-byte real (widths, angles inside commands, pixels)
//   Double   IEEE 8-byte real (world coordinates)
// Flags hold -1 for true and 0 for false; a test "if x" means x is not 0.
#pragma once

#include <cstdint>
#include <string>

namespace lintavo {

using Integer = std::int16_t;
using Long = std::int32_t;
// The key of a stored row (LineID, ObjectID, DrawID, PointID ...) at the
// database's full width: keys are never reused, so they pass 2^31 in a
// long-lived database, and a key cut to 32 bits names another row.
using DbKey = std::int64_t;
using Single = float;
using Double = double;
using String = std::string;  // UTF-8 text in the model and the modules

constexpr Integer FlagTrue = -1;   // stored value of a true flag
constexpr Integer FlagFalse = 0;   // stored value of a false flag

// A stored flag from a C++ condition.
constexpr Integer Flag(bool condition) { return condition ? FlagTrue : FlagFalse; }

// ---- Angles ------------------------------------------------------------------------
// Every turn constant of the program, each written once. One turn has more
// than one value here on purpose: each routine keeps the value it has always
// computed with, because pictures are compared pixel for pixel and stored
// values byte for byte, and one unit in the last place of an angle can move
// a pixel or a stored coordinate. Never replace one variant by another.

// The program's own pi, to 14 decimals, and what follows from it.
constexpr Double Pi = 3.14159265358979;
constexpr Double TwoPi = 6.28318530717959;     // 2 pi rounded to 14 decimals: one unit in the last place above TwicePi
constexpr Double TwicePi = 2 * Pi;             // 6.28318530717958: the full turn of the trims and the path stations
constexpr Double HalfPi = Pi / 2;              // direction of a vertical line, upward
constexpr Double ThreeHalvesPi = 3 * Pi / 2;   // direction of a vertical line, downward
constexpr Double DegToRad = 0.017453292519943;  // radians per degree, to 15 decimals (a little below Pi / 180)
constexpr Double RadToDeg = 180 / Pi;           // degrees per radian

// Shorter written forms of pi / 2 that single routines have always turned by.
constexpr Double HalfPi13Places = 1.5707963267945;  // 13 decimals: the chord of contact of tangents from a point
// pi / 2 and 3 pi / 2 in the eight digits a Single shows, read as Doubles:
// the turns of the linear dimension's offsets and extension lines.
constexpr Double HalfPiSingleDigits = 1.5707964;
constexpr Double ThreeHalvesPiSingleDigits = 4.712389;

// Single precision, for angle arithmetic that stays in Single: each is the
// Double above rounded to Single (the same bits as static_cast<Single>(Pi),
// static_cast<Single>(2 * Pi), static_cast<Single>(HalfPi13Places)). Adding
// a Double instead would carry the sum in Double and round it differently.
constexpr Single PiSingle = 3.1415927F;
constexpr Single TwoPiSingle = 6.2831855F;
constexpr Single HalfPiSingle = 1.5707964F;

// The nearest Double to pi, for the drawing surface, which works as the
// system's drawing library does; the model and the commands never use these.
constexpr Double PiExact = 3.141592653589793;
constexpr Double TwoPiExact = 2 * PiExact;      // 6.283185307179586
constexpr Double DegToRadExact = PiExact / 180;  // radians per degree of the surface's arc angles

}  // namespace lintavo
