// ServicesAbove: the table of routines the floors above offer the model.
#include "model/ServicesAbove.h"

namespace lintavo {

// Constant-initialised: every entry is empty before any registrar runs.
constinit ServicesAboveRec ServicesAbove{};

}  // namespace lintavo
