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

// Pi as the program writes it, and its degree factor.
constexpr Double Pi = 3.14159265358979;
constexpr Double DegToRad = 0.017453292519943;  // radians per degree

}  // namespace lintavo
