// Invariants: the stop on a broken rule of the model.
#include "model/Invariants.h"

#include <cstdio>
#include <cstdlib>

namespace lintavo {

void InvariantFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: model invariant broken: %s\n", file, line, condition);
  std::fflush(stderr);
  std::abort();
}

}  // namespace lintavo
