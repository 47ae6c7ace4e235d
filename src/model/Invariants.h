// Invariants: the model's rules checked as the program runs.
//
// MODEL_INVARIANT(condition) stops the program with the condition, file and
// line when the condition is false: a broken rule of the model tables (a
// count past its table's bound, a record written at index 0, an entity whose
// points lie outside the point table) is a fault of the program, and going
// on would corrupt drawings. The checks are a few comparisons each, on the
// constructors only, so they stay on in every build unless the build turns
// them off (-DLINTAVO_CHECK_INVARIANTS=OFF).
#pragma once

namespace lintavo {

[[noreturn]] void InvariantFailed(const char* condition, const char* file, int line);

}  // namespace lintavo

#if LINTAVO_CHECK_INVARIANTS
#define MODEL_INVARIANT(condition) \
  ((condition) ? static_cast<void>(0) : ::lintavo::InvariantFailed(#condition, __FILE__, __LINE__))
#else
#define MODEL_INVARIANT(condition) static_cast<void>(0)
#endif
